// Declination, equation of time and the season table through ChartSeason.
#include <gtest/gtest.h>

#include <string>

#include "Chart.h"
#include "ExpectRaised.h"

namespace {

constexpr double kTol = 1e-9;

double DeclinationOf(int16_t day, bool leap) {
  Chart chart;
  chart.setLeapYear(leap);
  chart.Season().setCalcDate(day);
  return chart.Season().SolarDeclination();
}

double EquationOf(int16_t day, bool compatible, bool leap = false) {
  Chart chart;
  chart.setCompatible(compatible);
  chart.setLeapYear(leap);
  chart.Season().setCalcDate(day);
  return chart.Season().EquationOfTime();
}

TEST(Season, DefaultsAreTheWinterSolstice) {
  Chart chart;
  const ChartSeason& season = chart.Season();
  EXPECT_EQ(season.CalcSeason(), 8);
  EXPECT_EQ(season.CalcDate(), 356);
  EXPECT_EQ(season.SolarDeclination(), -23.45);
  EXPECT_EQ(season.EquationOfTime(), 0.0355813744882894);
  EXPECT_NEAR(EquationOf(356, true), 0.0355813744882894, 1e-15)
      << "the default is the formula's value";
}

TEST(Season, SeasonsTakeTheTableDeclinationAndTheFormulaEquation) {
  Chart chart;
  ChartSeason& season = chart.Season();
  season.setCalcSeason(4);
  EXPECT_EQ(season.CalcSeason(), 4);
  EXPECT_EQ(season.CalcDate(), 172);
  EXPECT_EQ(season.SolarDeclination(), 23.45);
  EXPECT_NEAR(season.EquationOfTime(), -0.0214998382, 1e-10);

  chart.setCompatible(false);
  season.setCalcSeason(4);
  EXPECT_NEAR(season.EquationOfTime(), -0.0260057053, 1e-10);

  const struct {
    int32_t number;
    int16_t day;
    double declination;
  } table[] = {{1, 36, -16.3333333333333},
               {2, 79, 0},
               {3, 125, 16.3333333333333},
               {5, 219, 16.3333333333333},
               {6, 266, 0},
               {7, 311, -16.3333333333333},
               {8, 356, -23.45}};
  for (const auto& row : table) {
    season.setCalcSeason(row.number);
    EXPECT_EQ(season.CalcDate(), row.day);
    EXPECT_EQ(season.SolarDeclination(), row.declination);
  }
}

TEST(Season, DayNumbersUseTheFormulasAndClearTheSeason) {
  Chart chart;
  ChartSeason& season = chart.Season();
  season.setCalcDate(356);
  EXPECT_EQ(season.CalcSeason(), 0);
  EXPECT_EQ(season.SolarDeclination(), -23.45) << "-23.4592 is limited";

  EXPECT_NEAR(DeclinationOf(79, false), -0.2193353487, kTol);
  EXPECT_NEAR(DeclinationOf(79, true), -0.3054314175, kTol);
  season.setCalcSeason(2);
  EXPECT_EQ(season.SolarDeclination(), 0) << "the season's own value, not the formula's";
}

TEST(Season, DeclinationIsLimitedOnlyAroundTheSolstice) {
  // The lower limit acts on days 354..357 (common) and 355..358 (leap).
  for (int16_t day = 350; day <= 362; ++day) {
    const double common = DeclinationOf(day, false);
    EXPECT_EQ(common == -23.45, day >= 354 && day <= 357) << day << " " << common;
    const double leap = DeclinationOf(day, true);
    EXPECT_EQ(leap == -23.45, day >= 355 && day <= 358) << day << " " << leap;
  }
  for (int16_t day = 1; day <= 365; ++day) {
    const double d = DeclinationOf(day, false);
    EXPECT_GE(d, -23.45);
    EXPECT_LE(d, 23.45) << day;
  }
}

TEST(Season, EquationOfTimeFormulas) {
  EXPECT_NEAR(EquationOf(1, true), -0.0516290311, kTol);
  EXPECT_NEAR(EquationOf(305, true), 0.2740343547, kTol);
  EXPECT_NEAR(EquationOf(1, false), -0.0582972582, kTol);
  EXPECT_NEAR(EquationOf(305, false), 0.2734724561, kTol);
  // The compatible formula ignores the leap flag; the Fourier formula does not.
  EXPECT_EQ(EquationOf(200, true, false), EquationOf(200, true, true));
  EXPECT_NE(EquationOf(200, false, false), EquationOf(200, false, true));
}

TEST(Season, StoredValuesAreNotRecomputedWhenModesChange) {
  Chart chart;
  chart.Season().setCalcDate(100);
  const double before = chart.Season().EquationOfTime();
  chart.setCompatible(false);
  chart.setLeapYear(true);
  EXPECT_EQ(chart.Season().EquationOfTime(), before);
  chart.Season().setCalcDate(100);
  EXPECT_NE(chart.Season().EquationOfTime(), before);
}

TEST(Season, InvalidWritesRaiseAndStoreNothing) {
  Chart chart;
  ChartSeason& season = chart.Season();
  season.setCalcSeason(3);
  const auto unchanged = [&] {
    EXPECT_EQ(season.CalcSeason(), 3);
    EXPECT_EQ(season.CalcDate(), 125);
    EXPECT_EQ(season.SolarDeclination(), 16.3333333333333);
  };
  for (int32_t bad : {9, -1}) {
    ExpectRaised(
        chart, [&] { season.setCalcSeason(bad); }, "mdlChartSolarlib.gGetSeasonSpec",
        "不正な季節番号が指定されています。");
    unchanged();
    EXPECT_EQ(chart.ErrSource(), "mdlChartSolarlib.gGetSeasonSpec");
  }
  for (int16_t bad : {int16_t{0}, int16_t{366}}) {
    ExpectRaised(
        chart, [&] { season.setCalcDate(bad); }, "Season.CalcDate",
        "不正な通算日数が指定されています。");
    unchanged();
  }
  chart.setLeapYear(true);
  season.setCalcDate(366);
  EXPECT_EQ(season.CalcDate(), 366);

  season.setSolarDeclination(-23.45);
  season.setSolarDeclination(23.45);
  ExpectRaised(
      chart, [&] { season.setSolarDeclination(-23.46); }, "Season.SolarDeclination",
      "不正な太陽赤緯の値が指定されています。");
  EXPECT_EQ(season.SolarDeclination(), 23.45);
  season.setEquationOfTime(19.99);
  season.setEquationOfTime(-19.99);
  for (double bad : {20.0, -20.0}) {
    ExpectRaised(
        chart, [&] { season.setEquationOfTime(bad); }, "Season.EquationOfTime",
        "不正な均時差の値が指定されています。");
  }
  EXPECT_EQ(season.EquationOfTime(), -19.99);
}

TEST(Season, SeasonZeroOnlyStoresTheNumber) {
  Chart chart;
  ChartSeason& season = chart.Season();
  season.setCalcDate(100);
  const double declination = season.SolarDeclination();
  const double equation = season.EquationOfTime();
  season.setCalcSeason(0);
  EXPECT_EQ(season.CalcSeason(), 0);
  EXPECT_EQ(season.CalcDate(), 100);
  EXPECT_EQ(season.SolarDeclination(), declination);
  EXPECT_EQ(season.EquationOfTime(), equation);
}

// The almanac's sunrise and sunset at the Tokyo almanac point (35 39 16 N,
// 139 44 41 E) on 3 November: 6:04.4 and 16:44.8 standard time from the
// ephemeris' declination (-14.93 deg) and equation of time (+16.4 min). Near
// the polar circle at the winter solstice the sun's centre stays down while
// its upper limb rises.
TEST(Season, AlmanacSunriseAgreesWithTheAlmanac) {
  Chart chart;
  chart.setTimeSystem(kMeanStandardTime);
  chart.Location().setLatitude(35.6544);
  chart.Location().setLongitude(139.7447);
  chart.Location().setTimeZone(9);
  chart.Season().setCalcDate(307);
  auto times = chart.Season().AlmanacRiseSetTimes();
  ASSERT_TRUE(times);
  EXPECT_NEAR(times->first * 60, 6 * 60 + 4.4, 1.0);
  EXPECT_NEAR(times->second * 60, 16 * 60 + 44.8, 1.0);

  chart.setTimeSystem(kTrueSolarTime);
  chart.Season().setCalcSeason(8);
  chart.Location().setLatitude(66.9);
  EXPECT_EQ(chart.Season().NightState(), kNightStatePolarNight);
  times = chart.Season().AlmanacRiseSetTimes();
  ASSERT_TRUE(times);
  EXPECT_NEAR(times->second - times->first, 1.65, 0.05);
  chart.Location().setLatitude(70);
  EXPECT_FALSE(chart.Season().AlmanacRiseSetTimes());
  chart.Location().setLatitude(-66.2);  // the centre sets, the upper limb does not
  EXPECT_EQ(chart.Season().NightState(), kNightStateDayAndNight);
  times = chart.Season().AlmanacRiseSetTimes();
  ASSERT_TRUE(times);
  EXPECT_EQ(times->second - times->first, 24);
}

}  // namespace
