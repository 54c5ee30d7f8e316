// The nodus's shadow on dial planes, and the date lines and hour curves it
// traces, against the classical dial results.
#include <gtest/gtest.h>

#include <cmath>

#include "Chart.h"
#include "DialLines.h"

namespace {

constexpr double kDeg = 3.14159265358979 / 180;

PlanePoint Shadow(const DialPlane& plane, double latitude, double declination, double hourAngle) {
  const auto nodus = NodusOnStyle(plane, latitude, 20);
  EXPECT_TRUE(nodus.has_value());
  const auto at = ShadowOnPlane(plane, *nodus, SunDirection(latitude, declination, hourAngle));
  EXPECT_TRUE(at.has_value());
  return at.value_or(PlanePoint{});
}

NodusSetting HorizontalSetting(double latitude, double height = 20) {
  return {HorizontalPlane(), latitude, height, 65, {}};
}

TEST(PlaneProjection, HourLinesMatchTheClosedFormsOfHorizontalAndSouthWallDials) {
  for (double hourAngle : {-75.0, -40.0, -10.0, 20.0, 55.0}) {
    const double t = std::tan(hourAngle * kDeg);
    for (double declination : {-20.0, 0.0, 15.0}) {
      for (double latitude : {34.65, -33.9}) {
        const PlanePoint p = Shadow(HorizontalPlane(), latitude, declination, hourAngle);
        EXPECT_GT(p.y * latitude, 0) << "the noon line runs toward the pole";
        EXPECT_NEAR(p.x / p.y, std::sin(latitude * kDeg) * t, 1e-9);
      }
      if (std::fabs(hourAngle) > 60) continue;  // the sun leaves a south wall
      const PlanePoint w = Shadow(VerticalPlane(0), 51.5, declination, hourAngle);
      EXPECT_LT(w.y, 0) << "the style points down from a south wall";
      EXPECT_NEAR(w.x / -w.y, std::cos(51.5 * kDeg) * t, 1e-9);
    }
  }
}

TEST(PlaneProjection, NodusStandsAtItsHeightAndSunBehindTheWallCastsNothing) {
  const auto nodus = NodusOnStyle(HorizontalPlane(), 34.65, 20);
  ASSERT_TRUE(nodus);
  EXPECT_NEAR(nodus->z, 20, 1e-12);
  EXPECT_NEAR(nodus->y, 20 / std::tan(34.65 * kDeg), 1e-9);
  const auto wall = NodusOnStyle(VerticalPlane(0), 51.5, 20);
  ASSERT_TRUE(wall);
  EXPECT_NEAR(-wall->y, 20, 1e-12);
  EXPECT_FALSE(NodusOnStyle(HorizontalPlane(), 0, 20)) << "the style lies in the plane";
  EXPECT_FALSE(ShadowOnPlane(VerticalPlane(0), *wall, SunDirection(51.5, 20, -100)));
  EXPECT_FALSE(ShadowOnPlane(HorizontalPlane(), *nodus, SunDirection(34.65, -20, 120)));
}

TEST(DateLines, SetsHaveTheirDistinctArcs) {
  Chart chart;
  EXPECT_EQ(DateArcsOf(chart, DateLineSet::Seasons, {}).size(), 5u);
  EXPECT_EQ(DateArcsOf(chart, DateLineSet::Terms, {}).size(), 13u);
  EXPECT_EQ(DateArcsOf(chart, DateLineSet::Months, {}).size(), 12u);
  EXPECT_TRUE(DateArcsOf(chart, DateLineSet::DesignDay, {}).empty());
  EXPECT_EQ(DateArcsOf(chart, DateLineSet::DesignDay, int16_t{100}).size(), 1u);
  EXPECT_TRUE(DateArcsOf(chart, DateLineSet::None, int16_t{100}).empty());
  // The season days are solar terms too, and each term pairs with its mirror.
  EXPECT_EQ(SolarTermDay(270), 356);
  EXPECT_EQ(SolarTermDeclination(45), SolarTermDeclination(135));
  EXPECT_EQ(SolarTermDeclination(15), SolarTermDeclination(165));
  EXPECT_EQ(SolarTermDeclination(0), 0);
  const auto terms = DateArcsOf(chart, DateLineSet::Terms, {});
  EXPECT_EQ(terms.front().days.front(), SolarTermDay(285)) << "小寒 opens the year";
}

TEST(DateLines, EquinoxIsStraightSolsticesSymmetricAndTheSouthMirrors) {
  const NodusSetting north = HorizontalSetting(34.65);
  const auto nodus = NodusOnStyle(north.plane, north.latitude, north.height);
  const DateLine equinox = TraceDateLine(north, *nodus, {{79}, 0});
  ASSERT_EQ(equinox.runs.size(), 1u);
  for (const LinePoint& p : equinox.runs[0]) {
    EXPECT_NEAR(p.at.y, nodus->y + 20 * std::tan(34.65 * kDeg), 1e-9);
    EXPECT_LE(std::hypot(p.at.x, p.at.y), 65 + 1e-9);
  }
  EXPECT_NEAR(std::hypot(equinox.runs[0].front().at.x, equinox.runs[0].front().at.y), 65, 1e-6)
      << "the line ends on the rim of the face";

  const NodusSetting south = HorizontalSetting(-34.65);
  const auto southNodus = NodusOnStyle(south.plane, south.latitude, south.height);
  for (double declination : {-23.45, 23.45}) {
    const auto run = TraceDateLine(north, *nodus, {{1}, declination}).runs.at(0);
    for (size_t i = 0; i < run.size(); ++i) {
      const LinePoint& mirror = run[run.size() - 1 - i];
      EXPECT_NEAR(run[i].hourAngle, -mirror.hourAngle, 1e-9);
      EXPECT_NEAR(run[i].at.x, -mirror.at.x, 1e-9);
      EXPECT_NEAR(run[i].at.y, mirror.at.y, 1e-9);
    }
    const auto mirrored = TraceDateLine(south, *southNodus, {{1}, -declination}).runs.at(0);
    ASSERT_EQ(mirrored.size(), run.size());
    for (size_t i = 0; i < run.size(); ++i) {
      EXPECT_NEAR(mirrored[i].at.x, run[i].at.x, 1e-9);
      EXPECT_NEAR(mirrored[i].at.y, -run[i].at.y, 1e-9);
    }
  }
}

TEST(HourCurves, FollowMeanTimeThroughTheYear) {
  Chart chart;
  chart.setCompatible(false);
  chart.Location().setLongitude(139.7);
  chart.Location().setTimeZone(9);
  const NodusSetting s = HorizontalSetting(34.65, 10);
  const auto nodus = NodusOnStyle(s.plane, s.latitude, s.height);
  const HourCurve curve = TraceHourCurve(chart, s, *nodus, 10);
  EXPECT_TRUE(curve.wrapsYear);
  size_t count = 0;
  for (const LineRun& run : curve.runs) {
    for (const LinePoint& p : run) {
      chart.Season().setCalcDate(p.day);
      const double solar = 10 + (139.7 - 135) / 15 + chart.Season().EquationOfTime();
      EXPECT_NEAR(p.hourAngle, (solar - 12) * 15, 1e-9) << "day " << p.day;
      EXPECT_NEAR(p.declination, chart.Season().SolarDeclination(), 1e-12);
      ++count;
    }
  }
  EXPECT_EQ(count, 183u) << "10:00 stays on the face all year, a point every other day";
}

TEST(Nodus, AutomaticHeightFitsTheWinterArcAndRespectsTheStyle) {
  const double h = AutomaticNodusHeight(HorizontalPlane(), 34.65, 65, 100);
  const NodusSetting s = HorizontalSetting(34.65, h);
  const auto nodus = NodusOnStyle(s.plane, s.latitude, h);
  const auto winter = ShadowOnPlane(s.plane, *nodus, SunDirection(34.65, -23.45, 0));
  EXPECT_NEAR(std::hypot(winter->x, winter->y), 0.85 * 65, 1e-9);
  EXPECT_EQ(AutomaticNodusHeight(HorizontalPlane(), 34.65, 65, 5), 5) << "no higher than the style";
  EXPECT_EQ(AutomaticNodusHeight(HorizontalPlane(), 0, 65, 100), 0);
  EXPECT_GT(AutomaticNodusHeight(HorizontalPlane(), 75, 65, 100), 0) << "polar winter skipped";
}

}  // namespace
