// Dials on other planes from the command line: the plane options, the lines
// a wall dial lists, and the wall measured with a nail.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "AngleText.h"
#include "CommandRun.h"
#include "PlaneOrientation.h"

namespace {

struct PlaneListing {
  double facing = 0, tilt = 0, styleHeight = -1;
  std::map<std::string, std::vector<std::pair<double, double>>> hourLines;  // key: points
  std::vector<std::pair<double, double>> curvePoints;  // declination, hour angle
};

PlaneListing ParsePlaneLines(const std::string& text) {
  PlaneListing listing;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    double a = 0, b = 0, c = 0;
    if (std::sscanf(line.c_str(), "# Plane=%lf,%lf", &a, &b) == 2) {
      listing.facing = a;
      listing.tilt = b;
    } else if (std::sscanf(line.c_str(), "# Style=%lf,%lf,%lf", &a, &b, &c) == 3) {
      listing.styleHeight = a;
    } else if (line.starts_with("hourline,")) {
      char key[8] = {};
      double h = 0, x = 0, y = 0;
      EXPECT_EQ(std::sscanf(line.c_str(), "hourline,%5[0-9:],,,%lf,%lf,%lf", key, &h, &x, &y), 4)
          << line;
      listing.hourLines[key].emplace_back(x, y);
    } else if (line.starts_with("dateline,") || line.starts_with("hourcurve,")) {
      std::istringstream fields(line);
      std::string v[7];
      for (auto& f : v) std::getline(fields, f, ',');
      listing.curvePoints.emplace_back(std::stod(v[3]), std::stod(v[4]));
    }
  }
  return listing;
}

PlaneListing RunPlaneLines(const CommandArgs& plane, double latitude) {
  CommandArgs args{"lines",         "--lat", std::to_string(latitude), "--lon", "0", "--tz", "0",
                   "--time-system", "0",     "--date-lines",           "months"};
  args.insert(args.end(), plane.begin(), plane.end());
  const CommandResult r = RunCommandLine(args);
  EXPECT_EQ(r.status, 0) << r.err;
  return ParsePlaneLines(r.out);
}

bool LitInFront(const DialPlane& plane, double latitude, double declination, double hourAngle) {
  const Vector3 sun = SunDirection(latitude, declination, hourAngle);
  return sun.z > 0 && Dot(sun, plane.normal) > 0;
}

TEST(PlaneCommands, PlaneOptionsAreCheckedAndNamed) {
  for (const CommandArgs& bad : std::vector<CommandArgs>{{"--plane", "sideways"},
                                                         {"--facing", "361"},
                                                         {"--facing", "NORTH"},
                                                         {"--facing", "nan"},
                                                         {"--tilt", "181"},
                                                         {"--tilt", "-1"}}) {
    CommandArgs args{"info"};
    args.insert(args.end(), bad.begin(), bad.end());
    EXPECT_EQ(RunCommandLine(args).status, 1) << bad[0] << " " << bad[1];
  }
  const PlaneListing named = RunPlaneLines({"--plane", "vertical", "--facing", "ssw"}, 51.5);
  EXPECT_EQ(named.facing, 202.5);
  EXPECT_EQ(named.tilt, 90);
  EXPECT_EQ(RunPlaneLines({"--facing", "360", "--tilt", "90"}, 51.5).facing, 0);
  const PlaneListing polar = RunPlaneLines({"--plane", "polar"}, -33.9);
  EXPECT_EQ(polar.facing, 0) << "a polar face looks toward the equator";
  EXPECT_NEAR(polar.tilt, 33.9, 1e-9);
}

// Only points the sun reaches are listed: hour lines only for hours that see
// the sun in front of the face on some day, curves only where it shines.
TEST(PlaneCommands, AWallListsNoPointWhereTheFaceIsDark) {
  struct Case {
    PlaneOrientation plane;
    double latitude;
  };
  for (const Case& c :
       {Case{{180, 90}, 50}, Case{{250, 50}, 40}, Case{{20, 90}, -33.9}, Case{{90, 90}, 51.5}}) {
    const PlaneListing listing = RunPlaneLines(
        {"--facing", std::to_string(c.plane.facing), "--tilt", std::to_string(c.plane.tilt)},
        c.latitude);
    const DialPlane plane = PlaneOfOrientation(c.plane);
    ASSERT_FALSE(listing.hourLines.empty());
    for (const auto& [key, points] : listing.hourLines) {
      const double hourAngle =
          15 * (std::stoi(key.substr(0, 2)) + std::stoi(key.substr(3)) / 60.0 - 12);
      bool lit = false;
      for (double d = -23.45; d <= 23.45 && !lit; d += 0.5)
        lit = LitInFront(plane, c.latitude, d, hourAngle);
      EXPECT_TRUE(lit) << key << " at " << c.latitude;
      for (size_t i = 1; i < points.size(); ++i) {
        const double step = std::hypot(points[i].first - points[i - 1].first,
                                       points[i].second - points[i - 1].second);
        EXPECT_LE(step, 2.0 + 1e-9) << key;
      }
    }
    for (const auto& [declination, hourAngle] : listing.curvePoints) {
      EXPECT_TRUE(LitInFront(plane, c.latitude, declination, hourAngle));
    }
  }
  const PlaneListing south = RunPlaneLines({"--plane", "vertical", "--facing", "S"}, 50);
  EXPECT_FALSE(south.hourLines.contains("05:00"));
  EXPECT_FALSE(south.hourLines.contains("06:00"));
  EXPECT_TRUE(south.hourLines.contains("07:00"));
  // An east wall's style runs parallel to it: every hour line is one straight
  // line along the substyle, all of them parallel.
  const PlaneListing east = RunPlaneLines({"--plane", "vertical", "--facing", "E"}, 51.5);
  EXPECT_LT(east.styleHeight, 1e-9);
  std::set<long> slopes;
  for (const auto& [key, points] : east.hourLines) {
    const auto& [x0, y0] = points.front();
    const auto& [x1, y1] = points.back();
    slopes.insert(std::lround(std::atan2(y1 - y0, x1 - x0) * 1e6));
  }
  EXPECT_EQ(slopes.size(), 1u);
}

TEST(PlaneCommands, TheWallCommandFindsTheFacingOrSaysTheSunIsDown) {
  const CommandResult r =
      RunCommandLine({"wall", "--lat", "51.5", "--lon", "-0.1", "--tz", "0", "--date", "6/21",
                      "--time", "10:30", "--nail", "80", "--offset", "-20"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("153.2° (" + CompassPointText(153.2) + ")"), std::string::npos) << r.out;
  const CommandResult night =
      RunCommandLine({"wall", "--lat", "51.5", "--lon", "-0.1", "--tz", "0", "--date", "6/21",
                      "--time", "23:30", "--nail", "80", "--offset", "0"});
  EXPECT_EQ(night.status, 1);
  EXPECT_TRUE(night.out.empty());
  EXPECT_FALSE(night.err.empty());
  for (const CommandArgs& bad :
       std::vector<CommandArgs>{{"--time", "25:00"}, {"--nail", "0"}, {"--offset", "x"}}) {
    CommandArgs args{"wall", "--lat",  "51.5",  "--lon",  "0",  "--tz",     "0", "--date",
                     "6/21", "--time", "10:00", "--nail", "80", "--offset", "1"};
    args.insert(args.end(), bad.begin(), bad.end());
    EXPECT_EQ(RunCommandLine(args).status, 1) << bad[0];
  }
  EXPECT_EQ(RunCommandLine({"wall", "--lat", "51.5", "--time", "10:00"}).status, 1);
}

}  // namespace
