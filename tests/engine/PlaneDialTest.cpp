// Dials on any plane against published results: Meeus's worked examples of
// the planar dial, the classical vertical decliner, and the wall measured with
// a nail, which must invert its own shadow.
#include <gtest/gtest.h>

#include <cmath>

#include "Chart.h"
#include "PlaneDial.h"
#include "PlaneOrientation.h"
#include "WallMeasurement.h"

namespace {

// Meeus's coordinates: from the foot of a straight stylus of length 1.
PlanePoint MeeusPoint(const PlaneOrientation& o, double latitude, double declination,
                      double hourAngle) {
  const DialPlane plane = PlaneOfOrientation(o);
  const Vector3 axis = StyleDirection(plane, latitude);
  const Vector3 nodus{axis.x / Dot(axis, plane.normal), axis.y / Dot(axis, plane.normal),
                      axis.z / Dot(axis, plane.normal)};
  const PlanePoint foot = FootOnPlane(plane, nodus);
  const auto at = ShadowOnPlane(plane, nodus, SunDirection(latitude, declination, hourAngle));
  EXPECT_TRUE(at.has_value());
  const PlanePoint p = at.value_or(PlanePoint{});
  return {p.x - foot.x, p.y - foot.y};
}

void ExpectPoint(const PlanePoint& p, double x, double y) {
  EXPECT_NEAR(p.x, x, 6e-5);
  EXPECT_NEAR(p.y, y, 6e-5);
}

TEST(PlaneOrientation, MeeusWorkedExamplesOfThePlanarDial) {
  // Astronomical Algorithms, example 58.a: 40 N, gnomonic declination 70 W
  // (facing 250), zenith distance 50: a reclining-declining face.
  const PlaneOrientation reclining{250, 50};
  ExpectPoint(MeeusPoint(reclining, 40, -11.47, -15), -2.0007, -1.1069);
  ExpectPoint(MeeusPoint(reclining, 40, 23.44, 30), -0.0390, -0.3615);
  EXPECT_NEAR(StyleOf(PlaneOfOrientation(reclining), 40).styleHeight, 12.2672, 1e-4);
  // Example 58.b: 35 S, a vertical wall declining 160 from south (facing 340).
  const PlaneOrientation southernWall{340, 90};
  ExpectPoint(MeeusPoint(southernWall, -35, 20.15, 0), 0.3640, -0.7410);
  ExpectPoint(MeeusPoint(southernWall, -35, 0, 45), -0.8439, -0.9298);
  EXPECT_NEAR(StyleOf(PlaneOfOrientation(southernWall), -35).styleHeight, 50.3315, 1e-4);
}

TEST(PlaneOrientation, StyleOfAVerticalDeclinerMatchesTheClosedForms) {
  // R. Bailey's worked figure for the substyle's hour ("difference in
  // longitude"): 55 N, a wall declining 30 west.
  EXPECT_NEAR(StyleOf(PlaneOfOrientation({210, 90}), 55).substyleHourAngle, 35.18, 0.005);
  // sin SH = cos phi cos d, tan SD = sin d / tan phi, tan HS = tan d / sin phi, both sides
  // of south and in the south facing north.
  for (double d : {-60.0, -15.0, 0.0, 40.0}) {
    for (double phi : {35.0, -42.0}) {
      const double facing = phi > 0 ? 180 + d : 360 + d;
      const StyleGeometry s = StyleOf(PlaneOfOrientation({std::fmod(facing, 360), 90}), phi);
      const double r = 3.14159265358979 / 180;
      EXPECT_NEAR(std::sin(s.styleHeight * r), std::cos(phi * r) * std::cos(d * r), 1e-9);
      EXPECT_NEAR(std::fabs(std::tan(s.substyleDistance * r)),
                  std::fabs(std::sin(d * r) / std::tan(phi * r)), 1e-9);
      EXPECT_NEAR(std::fabs(std::tan(s.substyleHourAngle * r)),
                  std::fabs(std::tan(d * r) / std::sin(phi * r)), 1e-9);
    }
  }
  EXPECT_NEAR(StyleOf(PlaneOfOrientation({180, 0}), 35).styleHeight, 35, 1e-9);
}

TEST(PlaneOrientation, PresetsNamesAndCompass) {
  EXPECT_EQ(PresetOrientation(PlanePreset::Polar, 40, 0), (PlaneOrientation{180, 40}));
  EXPECT_EQ(PresetOrientation(PlanePreset::Polar, -33, 0), (PlaneOrientation{0, 33}));
  EXPECT_EQ(PresetOrientation(PlanePreset::Equatorial, 40, 0), (PlaneOrientation{0, 50}));
  EXPECT_EQ(PresetOrientation(PlanePreset::Equatorial, -33, 0), (PlaneOrientation{180, 57}));
  EXPECT_TRUE(StyleOf(PlaneOfOrientation({180, 40}), 40).Parallel());
  EXPECT_NEAR(StyleOf(PlaneOfOrientation({0, 50}), 40).styleHeight, 90, 1e-6);
  EXPECT_TRUE(IsEquatorialPlane({0, 50}, 40));
  EXPECT_TRUE(IsEquatorialPlane(TurnedOver({0, 50}), 40));
  EXPECT_EQ(PresetOf({123, 90}, 40), PlanePreset::Vertical);
  EXPECT_EQ(PresetOf({180, 40}, 40), PlanePreset::Polar);
  EXPECT_FALSE(PresetOf({180, 41}, 40).has_value());
  EXPECT_EQ(CompassName(200), "SSW");
  EXPECT_EQ(CompassName(359), "N");
  EXPECT_EQ(CompassName(360), "N");
  EXPECT_EQ(CompassAzimuth("nnw"), 337.5);
  EXPECT_FALSE(CompassAzimuth("NORTH").has_value());
  EXPECT_EQ(NormalizedAzimuth(360), 0);
  EXPECT_EQ(PresetOfName("Equatorial"), PlanePreset::Equatorial);
}

TEST(PlaneDial, LinesOnlyWhereTheSunReachesAndParallelForAPolarFace) {
  Chart chart;
  chart.setTimeSystem(0);
  chart.Location().setLatitude(50);
  chart.Location().setLongitude(0);
  chart.Location().setTimeZone(0);
  const PlaneDial south = LayPlaneDial(chart, {180, 90}, 60, 30);
  std::vector<double> hours;
  for (const PlaneHourLine& line : south.hourLines) hours.push_back(line.clockTime);
  EXPECT_EQ(hours, (std::vector<double>{7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}))
      << "the sun is never up in front of a south wall at 6:00 or 18:00";
  for (const PlaneHourLine& line : south.hourLines) {
    EXPECT_TRUE(south.face.Contains(line.segment.from));
    EXPECT_TRUE(south.face.Contains(line.segment.to));
  }
  ASSERT_TRUE(south.horizon.has_value());
  EXPECT_NEAR(south.horizon->from.y, south.foot.y, 1e-9) << "a wall's horizon is level";

  const PlaneDial polar = LayPlaneDial(chart, {180, 50}, 60, 30);
  ASSERT_TRUE(polar.style.Parallel());
  ASSERT_GE(polar.hourLines.size(), 9u);
  for (const PlaneHourLine& line : polar.hourLines) {
    const PlanePoint& a = line.segment.from;
    const PlanePoint& b = line.segment.to;
    EXPECT_NEAR(a.x, b.x, 1e-6) << "hour lines parallel to the substyle";
    // The distance from the substyle is the fin's height times tan H.
    EXPECT_NEAR(a.x, 30 * std::tan(line.hourAngle * 3.14159265358979 / 180), 1e-6);
  }
}

TEST(WallMeasurement, TheFacingInvertsTheShadowItMeasures) {
  WallMoment moment{51.5, -0.1, 0, 172, false, false, 10.5};
  const SunAzimuthAltitude sun = SunAtMoment(moment);
  EXPECT_GT(sun.altitude, 40);
  EXPECT_GT(sun.azimuth, 110);
  EXPECT_LT(sun.azimuth, 160);
  for (double facing : {160.2, 200.0, 95.0}) {
    const auto offset = ShadowOffset(sun.azimuth, facing, 80);
    if (!offset) continue;
    EXPECT_NEAR(*WallFacing(sun.azimuth, 80, *offset), facing, 1e-9);
  }
  EXPECT_EQ(ShadowOffset(sun.azimuth, sun.azimuth + 180, 80), std::nullopt);
  EXPECT_EQ(WallFacing(sun.azimuth, 0, 5), std::nullopt);
}

}  // namespace
