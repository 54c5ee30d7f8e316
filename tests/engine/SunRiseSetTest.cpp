// Night state, sunrise and sunset, and the two time systems.
#include <gtest/gtest.h>

#include <cmath>

#include "Chart.h"
#include "MathFunctions.h"
#include "SolarFormulas.h"

namespace {

constexpr const char* kPolarNight = "極夜です。日の出・日の入時刻を算出できません。";

// A chart at the given place and declination, in true solar time.
struct SolarChart {
  SolarChart(double latitude, double declination) {
    chart.Location().setLatitude(latitude);
    chart.Season().setSolarDeclination(declination);
  }
  Chart chart;
};

TEST(SunRiseSet, DefaultPlaceAndDay) {
  Chart chart;
  EXPECT_NEAR(chart.Season().SunRiseTime(), 7.16304113434783, 1e-13);
  EXPECT_NEAR(chart.Season().SunSetTime(), 16.8369588656522, 1e-13);
  EXPECT_EQ(chart.Season().NightState(), 0);
}

TEST(SunRiseSet, EquinoxIsSixToEighteenEverywhere) {
  for (double latitude : {-89.9, -60.0, -34.65, 0.0, 34.65, 66.6, 89.9}) {
    SolarChart c(latitude, 0);
    EXPECT_NEAR(c.chart.Season().SunRiseTime(), 6, 1e-12) << latitude;
    EXPECT_NEAR(c.chart.Season().SunSetTime(), 18, 1e-12) << latitude;
  }
}

TEST(SunRiseSet, MidnightSunAndPolarNight) {
  SolarChart north(70, 23.45);
  EXPECT_EQ(north.chart.Season().NightState(), 1);
  EXPECT_EQ(north.chart.Season().SunRiseTime(), 0);
  EXPECT_EQ(north.chart.Season().SunSetTime(), 24);

  SolarChart south(-70, 23.45);
  EXPECT_EQ(south.chart.Season().NightState(), 2);
  ErrorRecord raised;
  EXPECT_EQ(TrapStatus(raised, [&] { south.chart.Season().SunRiseTime(); }),
            Status::Error(kEngineErrorNumber));
  EXPECT_EQ(raised.source, "mdlChartSolarlib.gGetSunRiseSet");
  EXPECT_EQ(raised.description, kPolarNight);
  EXPECT_EQ(south.chart.ErrDescription(), kPolarNight);
  EXPECT_FALSE(TrapStatus([&] { south.chart.Season().SunSetTime(); }).ok());
}

TEST(SunRiseSet, NightStateBoundariesAreInclusive) {
  // Both signs of the declination, both hemispheres; the boundaries use >= / <=.
  EXPECT_EQ(GetNightState(23.45, 66.55), 1);
  EXPECT_EQ(GetNightState(23.45, 66.54), 0);
  EXPECT_EQ(GetNightState(23.45, -66.55), 2);
  EXPECT_EQ(GetNightState(23.45, -66.54), 0);
  EXPECT_EQ(GetNightState(-23.45, -66.55), 1);
  EXPECT_EQ(GetNightState(-23.45, -66.54), 0);
  EXPECT_EQ(GetNightState(-23.45, 66.55), 2);
  EXPECT_EQ(GetNightState(-23.45, 66.54), 0);
  EXPECT_EQ(GetNightState(0, 90), 1);
  EXPECT_EQ(GetNightState(0, -90), 1);
  EXPECT_EQ(GetNightState(0, 89.999), 0);

  SolarChart boundary(66.55, 23.45);
  EXPECT_EQ(boundary.chart.Season().NightState(), 1);
  EXPECT_EQ(boundary.chart.Season().SunRiseTime(), 0);
}

TEST(SunRiseSet, RightAtTheBoundaryTheSunStillRises) {
  // Declinations just short of the midnight sun: -tan p * tan d rounds to
  // about -1, sometimes a hair beyond, and must give a rise near midnight
  // rather than a domain error.
  int checked = 0;
  for (int i = 0; i < 4000; ++i) {
    const double latitude = 66 + i * (23.99999 / 4000);
    for (double declination = 90 - latitude, k = 0; k < 3; ++k) {
      declination = std::nextafter(declination, 0.0);
      if (GetNightState(declination, latitude) != 0) continue;
      double rise = -1, set = -1;
      ErrorRecord error;
      ASSERT_EQ(GetSunRiseSet(error, latitude, declination, rise, set), Status::Ok())
          << latitude << " " << declination;
      EXPECT_LT(rise, 0.1);
      EXPECT_GT(set, 23.9);
      ++checked;
    }
  }
  EXPECT_GT(checked, 1000);
}

TEST(SunRiseSet, ArcPairsAcceptTheirEndsAndRejectBeyond) {
  EXPECT_EQ(ArcCosPair(1).second, 0);
  EXPECT_EQ(ArcCosPair(-1).second, kPi);
  EXPECT_EQ(ArcSinPair(1).first, 1.570796326794895);
  EXPECT_EQ(ArcSinPair(-1).first, -1.570796326794895);
  EXPECT_EQ(ArcSinPair(1.00000001).first, 1.570796326794895) << "equal to 1 in single precision";
  EXPECT_NEAR(ArcCosPair(0.5).second, kPi / 3, 1e-14);
  EXPECT_NEAR(ArcSinPair(0.5).second, kPi - kPi / 6, 1e-14);
  EXPECT_FALSE(TrapStatus([&] { ArcCosPair(1.001); }).ok());
  EXPECT_FALSE(TrapStatus([&] { ArcSinPair(-1.001); }).ok());
}

TEST(TimeSystems, StandardTimeFollowsMeridianLongitudeAndEquation) {
  Chart chart;
  chart.setTimeSystem(kMeanStandardTime);
  ChartSeason& season = chart.Season();
  const double e = season.EquationOfTime();
  EXPECT_NEAR(season.SunRiseTime(), 7.16304113434783 - e, 1e-12);
  EXPECT_NEAR(season.TimeDiff(), -e, 1e-15);

  chart.Location().setLongitude(139.75);  // east of the meridian: true noon comes earlier
  EXPECT_NEAR(season.TimeDiff(), -(4.75 / 15) - e, 1e-12);
  EXPECT_NEAR(season.SunRiseTime(), 7.16304113434783 - 4.75 / 15 - e, 1e-12);

  chart.setTimeSystem(kTrueSolarTime);
  EXPECT_NEAR(season.SunRiseTime(), 7.16304113434783, 1e-13);
  EXPECT_NEAR(season.TimeDiff(), -(4.75 / 15) - e, 1e-12) << "TimeDiff ignores the time system";

  chart.setTimeSystem(5);
  EXPECT_EQ(season.SunRiseTime(), 0);
  EXPECT_EQ(season.SunSetTime(), 0);
}

TEST(TimeSystems, LongitudeIsUnwrappedAcrossTheDateLine) {
  Chart chart;
  chart.Location().setStandardMeridian(180);
  chart.Location().setLongitude(-175);
  chart.Season().setEquationOfTime(0);
  EXPECT_NEAR(chart.Season().TimeDiff(), -1.0 / 3, 1e-12);

  EXPECT_EQ(UnwrapLongitude(-165, 175), -185);
  EXPECT_EQ(UnwrapLongitude(-90, 10), -350);
  EXPECT_EQ(UnwrapLongitude(90, -10), 350);
  EXPECT_EQ(UnwrapLongitude(89, -10), -10) << "only meridians at or beyond 90 unwrap";
  EXPECT_EQ(UnwrapLongitude(-89, 10), 10);
  EXPECT_EQ(UnwrapLongitude(135, 139), 139);
  // The two conversions undo each other.
  const double solar = ConvStandardToSolar(10.25, -165, 175, 0.1);
  EXPECT_NEAR(ConvSolarToStandard(solar, -165, 175, 0.1), 10.25, 1e-12);
  EXPECT_NEAR(solar, 10.25 + (-185.0 + 165) / 15 + 0.1, 1e-12);
}

TEST(TimeSystems, HourAngles) {
  EXPECT_EQ(ConvTimeToHourAngle(12), 0);
  EXPECT_EQ(ConvTimeToHourAngle(6), -90);
  EXPECT_EQ(ConvHourAngleToTime(45), 15);
}

}  // namespace
