// Series of sun positions: stepping, end points, time systems and failures.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "ExpectRaised.h"
#include "Chart.h"

namespace {

constexpr double kSunRise = 7.16304113434783;
constexpr double kSunSet = 16.8369588656522;
constexpr const char* kEndBeforeStart = "計算終了時刻が計算開始時刻以前に指定されています。";
constexpr const char* kBadInterval = "計算時間間隔に不正な時間が指定されています。";

std::vector<double> TimesOf(const Chart& chart) {
  std::vector<double> times;
  for (const ChartSolar& solar : *chart.Solars()) times.push_back(solar.CalcTime());
  return times;
}

void ExpectTimes(const Chart& chart, const std::vector<double>& expected) {
  ASSERT_TRUE(chart.SolarsExists());
  const std::vector<double> times = TimesOf(chart);
  ASSERT_EQ(times.size(), expected.size());
  for (size_t i = 0; i < times.size(); ++i) EXPECT_NEAR(times[i], expected[i], 1e-9) << i;
}

void ExpectFailure(Chart& chart, Status status, const char* text) {
  EXPECT_EQ(status, Status::Error(kEngineErrorNumber));
  EXPECT_EQ(chart.ErrNumber(), kEngineErrorNumber);
  EXPECT_EQ(chart.ErrSource(), "Chart.AddSolars");
  EXPECT_EQ(chart.ErrDescription(), text);
  EXPECT_FALSE(chart.SolarsExists());
}

TEST(AddSolars, SunriseToSunsetWithRiseAndSet) {
  Chart chart;
  chart.setIncludeRiseSet(true);
  ASSERT_EQ(chart.AddSolars(-999, -999, 60), Status::Ok());
  ExpectTimes(chart, {kSunRise, 8, 9, 10, 11, 12, 13, 14, 15, 16, kSunSet});
  const ChartSolars& solars = *chart.Solars();
  EXPECT_NEAR(solars.StartTime(), kSunRise, 1e-13);
  EXPECT_NEAR(solars.EndTime(), kSunSet, 1e-13);
  EXPECT_EQ(solars.Interval(), 60);
  EXPECT_EQ(solars.CountSolars(), 11);
  int32_t position = 1;
  for (const ChartSolar& solar : solars) {
    EXPECT_EQ(solar.Index(), position);
    EXPECT_EQ(solar.IndexKey(), std::to_string(position));
    ++position;
  }
  // Rise and set points lie on the horizon, east and west of south.
  const ChartSolar& rise = solars.Solar(1);
  EXPECT_EQ(rise.Altitude(), 0);
  EXPECT_EQ(rise.Magnification(), -1);
  EXPECT_LT(rise.Azimuth(), -60);
  EXPECT_GT(rise.Azimuth(), -62);
  const ChartSolar& set = solars.Solar("11");
  EXPECT_EQ(set.Altitude(), 0);
  EXPECT_NEAR(set.Azimuth(), -rise.Azimuth(), 1e-9);
  EXPECT_NEAR(set.HourAngle(), -rise.HourAngle(), 1e-9);
}

TEST(AddSolars, WithoutRiseAndSetTheSeriesIsAligned) {
  Chart chart;
  ASSERT_EQ(chart.AddSolars(-999, -999, 60), Status::Ok());
  ExpectTimes(chart, {8, 9, 10, 11, 12, 13, 14, 15, 16});
  EXPECT_EQ(chart.Solars()->StartTime(), 8) << "the first aligned point";
  EXPECT_EQ(chart.Solars()->EndTime(), 17) << "the step at which the series stopped";
  EXPECT_EQ(chart.Solars()->Solar(1).IndexKey(), "1");
}

TEST(AddSolars, ExplicitEndsAreAddedOnceEach) {
  Chart chart;
  ASSERT_EQ(chart.AddSolars(9.25, 11, 30), Status::Ok());
  ExpectTimes(chart, {9.25, 9.5, 10, 10.5, 11});
  EXPECT_EQ(chart.Solars()->StartTime(), 9.25);
  EXPECT_EQ(chart.Solars()->EndTime(), 11);
  EXPECT_EQ(chart.Solars()->CountSolars(), 5);

  // Quarter hours land on :00 :15 :30 :45 although 0.25 steps are summed.
  ASSERT_EQ(chart.AddSolars(9.1, 10.2, 15), Status::Ok());
  ExpectTimes(chart, {9.1, 9.25, 9.5, 9.75, 10, 10.2});
  // Ten-minute steps accumulate rounding; the thousandth-hour comparison
  // still adds 10:00 once and the end once.
  ASSERT_EQ(chart.AddSolars(8, 10, 10), Status::Ok());
  ExpectTimes(chart, {8, 8 + 1 / 6.0, 8 + 2 / 6.0, 8.5, 8 + 4 / 6.0, 8 + 5 / 6.0, 9, 9 + 1 / 6.0,
                      9 + 2 / 6.0, 9.5, 9 + 4 / 6.0, 9 + 5 / 6.0, 10});
}

TEST(AddSolars, TimesBeyondTheDayAreClippedToSunriseAndSunset) {
  Chart chart;
  chart.setIncludeRiseSet(true);
  ASSERT_EQ(chart.AddSolars(5, 20, 60), Status::Ok());
  ExpectTimes(chart, {kSunRise, 8, 9, 10, 11, 12, 13, 14, 15, 16, kSunSet});
  // A start equal to sunrise is a sunrise.
  ASSERT_EQ(chart.AddSolars(kSunRise, 9, 60), Status::Ok());
  EXPECT_EQ(chart.Solars()->CountSolars(), 3);
  ASSERT_EQ(chart.AddSolars(15, kSunSet, 60), Status::Ok());  // an end equal to sunset is a sunset
  ExpectTimes(chart, {15, 16, kSunSet});
}

TEST(AddSolars, SinglePoints) {
  Chart chart;
  ASSERT_EQ(chart.AddSolars(10.5, 10.5, 0), Status::Ok());
  ExpectTimes(chart, {10.5});
  EXPECT_EQ(chart.Solars()->StartTime(), 10.5);
  EXPECT_EQ(chart.Solars()->EndTime(), 10.5);
  EXPECT_EQ(chart.Solars()->Interval(), 0);

  // Zero interval with a range: a single point at the start.
  ASSERT_EQ(chart.AddSolars(9, 15, 0), Status::Ok());
  ExpectTimes(chart, {9});

  ExpectFailure(chart, chart.AddSolars(6, 6, 0), kEndBeforeStart);
  ExpectFailure(chart, chart.AddSolars(18, 18, 0), kEndBeforeStart);
  ExpectFailure(chart, chart.AddSolars(12, 11, 30), kEndBeforeStart);
}

TEST(AddSolars, ZeroIntervalFromSunriseEndsWithTheSunrisePoint) {
  // Without IncludeRiseSet no later point can replace the sunrise, so the
  // series is the sunrise alone instead of stepping forever.
  Chart chart;
  ASSERT_EQ(chart.AddSolars(-999, -999, 0), Status::Ok());
  ExpectTimes(chart, {kSunRise});
  EXPECT_EQ(chart.Solars()->Solar(1).Altitude(), 0);
  EXPECT_EQ(chart.Solars()->Interval(), 0);
  ASSERT_EQ(chart.AddSolars(kSunRise, kSunRise, 0), Status::Ok());
  ExpectTimes(chart, {kSunRise});
}

TEST(AddSolars, TimesThatAreNotNumbersFailInsteadOfLooping) {
  for (int32_t timeSystem : {kTrueSolarTime, kMeanStandardTime, 3}) {
    Chart chart;
    chart.setTimeSystem(timeSystem);
    ExpectFailure(chart, chart.AddSolars(std::nan(""), -999, 7), kEndBeforeStart);
    ExpectFailure(chart, chart.AddSolars(std::numeric_limits<double>::infinity(), -999, 7),
                  kEndBeforeStart);
  }
}

TEST(AddSolars, IntervalRange) {
  Chart chart;
  ASSERT_EQ(chart.AddSolars(9, 10, 60), Status::Ok());
  ExpectFailure(chart, chart.AddSolars(9, 10, 61), kBadInterval);
  ExpectFailure(chart, chart.AddSolars(9, 10, -1), kBadInterval);
  // Recovers the previous state: a new call succeeds and clears the record.
  ASSERT_EQ(chart.AddSolars(9, 10, 0), Status::Ok());
  EXPECT_EQ(chart.ErrNumber(), 0);
}

TEST(AddSolars, PolarNightFailsAndLeavesNoSeries) {
  Chart chart;
  chart.Location().setLatitude(-70);
  chart.Season().setSolarDeclination(23.45);
  ASSERT_EQ(chart.AddSolars(-999, -999, 60), Status::Error(kEngineErrorNumber));
  EXPECT_EQ(chart.ErrSource(), "mdlChartSolarlib.gGetSunRiseSet");
  EXPECT_FALSE(chart.SolarsExists());
}

TEST(AddSolars, MidnightSunRunsAroundTheClock) {
  Chart chart;
  chart.setIncludeRiseSet(true);
  chart.Location().setLatitude(70);
  chart.Season().setSolarDeclination(23.45);
  ASSERT_EQ(chart.AddSolars(-999, -999, 60), Status::Ok());
  const ChartSolars& solars = *chart.Solars();
  EXPECT_EQ(solars.CountSolars(), 25);
  // The midnight "sunrise" is a real position above the horizon, in the north.
  const ChartSolar& midnight = solars.Solar(1);
  EXPECT_EQ(midnight.CalcTime(), 0);
  EXPECT_NEAR(midnight.Altitude(), 23.45 - 20, 1e-9);
  EXPECT_NEAR(std::fabs(midnight.Azimuth()), 180, 1e-6);
  EXPECT_GT(midnight.Magnification(), 0);
}

TEST(SunPosition, NoonAndHemispheres) {
  Chart chart;
  ASSERT_EQ(chart.AddSolars(12, 12, 0), Status::Ok());
  const ChartSolar& noon = chart.Solars()->Solar(1);
  EXPECT_EQ(noon.HourAngle(), 0);
  EXPECT_EQ(noon.Azimuth(), 0);
  EXPECT_NEAR(noon.Altitude(), 31.9, 1e-9);
  EXPECT_NEAR(noon.Magnification(), 1.0 / std::tan(31.9 * M_PI / 180), 1e-9);
  EXPECT_NEAR(noon.Magnification(), 1.6066, 1e-4);

  chart.Location().setLatitude(-35);
  ASSERT_EQ(chart.AddSolars(12, 12, 0), Status::Ok());
  const ChartSolar& south = chart.Solars()->Solar(1);
  EXPECT_NEAR(south.Altitude(), 180 - 78.45, 1e-9) << "a = 90 - |-35 - -23.45|";
  EXPECT_NEAR(std::fabs(south.Azimuth()), 180, 1e-6) << "the sun culminates in the north";
  EXPECT_NEAR(south.Magnification(), 1.0 / std::tan(78.45 * M_PI / 180), 1e-9);

  // A sun below the horizon casts no shadow (-1) in either hemisphere, though
  // the southern altitude is kept as its supplement.
  for (double latitude : {35.0, -35.0}) {
    chart.Location().setLatitude(latitude);
    ASSERT_EQ(chart.AddSolars(12, 12, 0), Status::Ok());
    ASSERT_EQ(chart.Solars()->AddSolar(0, 2), Status::Ok());
    const ChartSolar& midnight = chart.Solars()->Solar(2);
    EXPECT_EQ(midnight.Magnification(), -1) << latitude;
    EXPECT_NEAR(midnight.Altitude(), latitude > 0 ? -78.45 : 180 + 31.55, 1e-9);
  }
}

TEST(SunPosition, MorningIsEastAndAfternoonWest) {
  Chart chart;
  ASSERT_EQ(chart.AddSolars(9, 9, 0), Status::Ok());
  const ChartSolar morning = chart.Solars()->Solar(1);
  ASSERT_EQ(chart.AddSolars(15, 15, 0), Status::Ok());
  const ChartSolar afternoon = chart.Solars()->Solar(1);
  EXPECT_EQ(morning.HourAngle(), -45);
  EXPECT_EQ(afternoon.HourAngle(), 45);
  EXPECT_LT(morning.Azimuth(), 0);
  EXPECT_NEAR(afternoon.Azimuth(), -morning.Azimuth(), 1e-9);
  EXPECT_NEAR(afternoon.Altitude(), morning.Altitude(), 1e-9);
  // sin a = sin p sin d + cos p cos d cos h
  const double p = 34.65 * M_PI / 180, d = -23.45 * M_PI / 180, h = 45 * M_PI / 180;
  const double a = std::asin(std::sin(p) * std::sin(d) + std::cos(p) * std::cos(d) * std::cos(h));
  EXPECT_NEAR(morning.Altitude(), a * 180 / M_PI, 1e-9);
  EXPECT_NEAR(morning.Magnification(), 1 / std::tan(a), 1e-9);
}

TEST(AddSolars, StandardTimeIsConvertedAtEveryRead) {
  Chart chart;
  chart.setTimeSystem(kMeanStandardTime);
  chart.Location().setLongitude(139.75);
  const double offset = 4.75 / 15 + chart.Season().EquationOfTime();  // solar - standard
  ASSERT_EQ(chart.AddSolars(10, 11, 30), Status::Ok());
  ExpectTimes(chart, {10, 10.5, 11});
  const ChartSolar& first = chart.Solars()->Solar(1);
  EXPECT_NEAR(first.HourAngle(), 15 * (10 + offset) - 180, 1e-9) << "computed from true solar time";
  // Switching the time system re-expresses the stored times, the angles stay.
  chart.setTimeSystem(kTrueSolarTime);
  EXPECT_NEAR(first.CalcTime(), 10 + offset, 1e-12);
  EXPECT_NEAR(chart.Solars()->StartTime(), 10 + offset, 1e-12);
  EXPECT_NEAR(chart.Solars()->EndTime(), 11 + offset, 1e-12);
  chart.Location().setLongitude(135);
  chart.setTimeSystem(kMeanStandardTime);
  EXPECT_NEAR(first.CalcTime(), 10 + 4.75 / 15, 1e-12) << "read with the current longitude";
  chart.setTimeSystem(7);
  EXPECT_EQ(first.CalcTime(), 0);
  EXPECT_EQ(chart.Solars()->StartTime(), 0);
}

TEST(SolarsCollection, PositionsKeysAndRemoval) {
  Chart chart;
  ASSERT_EQ(chart.AddSolars(9, 12, 60), Status::Ok());  // 9, 10, 11, 12
  ChartSolars& solars = *chart.Solars();
  EXPECT_TRUE(solars.SolarExists(4));
  EXPECT_FALSE(solars.SolarExists(5));
  EXPECT_FALSE(solars.SolarExists(0));
  EXPECT_TRUE(solars.SolarExists("4"));
  EXPECT_FALSE(solars.SolarExists("04"));
  EXPECT_FALSE(solars.SolarExists(""));

  solars.RemoveSolar("2");
  EXPECT_EQ(solars.CountSolars(), 3);
  EXPECT_EQ(solars.Solar(2).IndexKey(), "3") << "positions close up, keys stay";
  EXPECT_EQ(solars.Solar("3").CalcTime(), 11);
  EXPECT_FALSE(solars.SolarExists("2"));
  solars.RemoveSolar(1);
  EXPECT_EQ(solars.Solar(1).IndexKey(), "3");
  std::vector<std::string> keys;
  for (const ChartSolar& solar : solars) keys.push_back(solar.IndexKey());
  EXPECT_EQ(keys, (std::vector<std::string>{"3", "4"}));

  // Appending after a removal would reuse the key of the count: refused.
  EXPECT_EQ(solars.AddSolar(13, 2), Status::Error(457));
  EXPECT_EQ(solars.CountSolars(), 2);
  solars.RemoveSolar("4");
  EXPECT_EQ(solars.AddSolar(13, 2), Status::Ok());
  EXPECT_EQ(solars.Solar("2").CalcTime(), 13);
}

TEST(SolarsCollection, AbsentItemsRaiseWithTheCollectionsNumber) {
  Chart chart;
  ASSERT_EQ(chart.AddSolars(9, 10, 60), Status::Ok());
  ChartSolars& solars = *chart.Solars();
  const std::string text = "不正なインデックスキーが指定されています。";
  ExpectRaised(
      chart,
      [&] {
        solars.Solar(3);
        ;
      },
      "Solars.Solar", text, 9);
  ExpectRaised(
      chart,
      [&] {
        solars.Solar(0);
        ;
      },
      "Solars.Solar", text, 9);
  ExpectRaised(
      chart,
      [&] {
        solars.Solar("x");
        ;
      },
      "Solars.Solar", text, 5);
  ExpectRaised(
      chart,
      [&] {
        solars.RemoveSolar(-1);
        ;
      },
      "Solars.RemoveSolar", text, 9);
  ExpectRaised(
      chart,
      [&] {
        solars.RemoveSolar("3");
        ;
      },
      "Solars.RemoveSolar", text, 5);
  EXPECT_EQ(solars.CountSolars(), 2);
}

TEST(AddSolars, RemoveSolarsReleasesTheSeries) {
  Chart chart;
  ASSERT_EQ(chart.AddSolars(9, 10, 60), Status::Ok());
  EXPECT_TRUE(chart.SolarsExists());
  chart.RemoveSolars();
  EXPECT_FALSE(chart.SolarsExists());
  EXPECT_EQ(chart.Solars(), nullptr);
}

}  // namespace
