// The analemmatic dial against a published walk-on dial and against the
// shadow itself: a vertical gnomon at the day's place on the date scale
// must cast its shadow through the hour point, north and south.
#include <gtest/gtest.h>

#include <cmath>

#include "AnalemmaticDial.h"
#include "Chart.h"
#include "ChartState.h"
#include "PlaneDial.h"

namespace {

const AnalemmaticHour* HourAt(const AnalemmaticDial& dial, double clockTime) {
  for (const AnalemmaticHour& h : dial.hours) {
    if (std::fabs(h.clockTime - clockTime) < 1e-9) return &h;
  }
  return nullptr;
}

// Hartebeesthoek Radio Astronomy Observatory, "Sundial for Bloemfontein"
// (hartrao.ac.za/other/sundial): a walk-on dial of M = 2.5 m at 29.1 S,
// 26.2 E in South African Standard Time (UTC+2). Its table runs x to the
// west and y to the south, in metres: (-X, -Y) here.
TEST(AnalemmaticDial, MatchesThePublishedBloemfonteinDial) {
  Chart chart;
  chart.Location().setLatitude(-29.1);
  chart.Location().setLongitude(26.2);
  chart.Location().setTimeZone(2);
  chart.setTimeSystem(kMeanStandardTime);
  chart.Season().setEquationOfTime(0);  // the longitude's correction alone, as published
  const AnalemmaticDial dial = LayAnalemmaticDial(chart, 30, 2500);
  EXPECT_NEAR(dial.minor, 2500 * std::sin(29.1 * 3.14159265358979 / 180), 1e-9);
  const struct {
    double time, x, y;
  } published[] = {{5.5, 2.452, -0.238}, {6.0, 2.495, -0.081}, {6.5, 2.495, 0.079}};
  // Its 5:00 point lies before the summer sunrise (solar 4:45), so has no point here.
  EXPECT_EQ(HourAt(dial, 5.0), nullptr);
  for (const auto& p : published) {
    const AnalemmaticHour* hour = HourAt(dial, p.time);
    ASSERT_NE(hour, nullptr) << p.time;
    EXPECT_NEAR(hour->at.x, -p.x * 1000, 1.5) << p.time;
    EXPECT_NEAR(hour->at.y, -p.y * 1000, 1.5) << p.time;
  }
  // 1 January: declination -23.067, the gnomon 0.930 m toward the noon point.
  EXPECT_NEAR(AnalemmaticGnomonPlace(2500, -29.1, -23.067), -930, 1.5);
}

// The shadow of a vertical gnomon standing at (0, place) runs away from the
// sun; it must pass through the hour point, on the far side from the sun.
TEST(AnalemmaticDial, TheShadowFromTheDatePlaceMeetsTheHourPointInBothHemispheres) {
  for (double latitude : {52.0, 35.0, -35.0, -52.0, 70.0}) {
    for (double declination : {-23.45, -11.0, 0.0, 16.3, 23.45}) {
      for (double hourAngle : {-75.0, -40.0, 0.0, 25.0, 60.0}) {
        const Vector3 sun = SunDirection(latitude, declination, hourAngle);
        if (sun.z <= 0.05) continue;
        const double place = AnalemmaticGnomonPlace(1000, latitude, declination);
        const PlanePoint hour = AnalemmaticHourPoint(1000, latitude, hourAngle);
        const double dx = hour.x, dy = hour.y - place;
        // Along the shadow (away from the sun's bearing) and not across it.
        EXPECT_NEAR(dx * sun.y - dy * sun.x, 0, 1e-6) << latitude << " " << declination;
        EXPECT_LT(dx * sun.x + dy * sun.y, 0) << latitude << " " << declination;
      }
    }
  }
}

TEST(AnalemmaticDial, HoursOfTheSunAndTheDateScaleInTheYearsOrder) {
  Chart chart;
  chart.Location().setLatitude(35);
  chart.setTimeSystem(kTrueSolarTime);
  const AnalemmaticDial dial = LayAnalemmaticDial(chart, 60, 1000);
  // At 35 N the sun is up from before 5:00 to after 19:00 at midsummer, never at 4:00.
  EXPECT_EQ(HourAt(dial, 4), nullptr);
  ASSERT_NE(HourAt(dial, 5), nullptr);
  ASSERT_NE(HourAt(dial, 19), nullptr);
  EXPECT_EQ(HourAt(dial, 20), nullptr);
  EXPECT_NEAR(HourAt(dial, 12)->at.x, 0, 1e-9);
  EXPECT_NEAR(HourAt(dial, 12)->at.y, dial.minor, 1e-9);

  ASSERT_EQ(dial.dates.size(), 16u);
  int seasons = 0;
  for (size_t i = 0; i < dial.dates.size(); ++i) {
    if (i > 0) {
      EXPECT_LT(dial.dates[i - 1].day, dial.dates[i].day);
    }
    seasons += dial.dates[i].season ? 1 : 0;
  }
  EXPECT_EQ(seasons, 4);
  // June north of the centre, December south, in the south as in the north.
  const AnalemmaticDate& june = dial.dates[7];
  EXPECT_EQ(june.month, 6);
  EXPECT_TRUE(june.season);
  EXPECT_NEAR(
      june.y,
      1000 * std::tan(23.45 * 3.14159265358979 / 180) * std::cos(35 * 3.14159265358979 / 180),
      1e-9);
}

}  // namespace
