// umbrafex lines: every drawn point of the nodus's date lines and hour
// curves, checked against the sun's ray through the nodus.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "CommandRun.h"

namespace {

constexpr double kDeg = 3.14159265358979 / 180;

struct Row {
  std::string kind, key, day;
  double declination = 0, hourAngle = 0, x = 0, y = 0;
};

struct Listing {
  double nodusX = 0, nodusY = 0, height = 0;
  std::vector<Row> rows;
};

Listing Parse(const std::string& text) {
  Listing listing;
  std::istringstream in(text);
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(std::sscanf(line.c_str(), "# Nodus=%lf,%lf,%lf", &listing.nodusX, &listing.nodusY,
                        &listing.height),
            3)
      << line;
  std::getline(in, line);
  EXPECT_EQ(line, "Kind,Key,Day,Declination,HourAngle,X,Y");
  while (std::getline(in, line)) {
    Row r;
    std::istringstream fields(line);
    std::string value[7];
    for (auto& v : value) std::getline(fields, v, ',');
    r.kind = value[0];
    r.key = value[1];
    r.day = value[2];
    r.declination = std::stod(value[3]);
    r.hourAngle = std::stod(value[4]);
    r.x = std::stod(value[5]);
    r.y = std::stod(value[6]);
    listing.rows.push_back(r);
  }
  return listing;
}

Listing RunLines(const CommandArgs& args) {
  CommandArgs full{"lines", "--tz", "9", "--lon", "139.7"};
  full.insert(full.end(), args.begin(), args.end());
  const CommandResult r = RunCommandLine(full);
  EXPECT_EQ(r.status, 0) << r.err;
  return Parse(r.out);
}

// Where the ray from the sun through the nodus meets the ground, found by
// turning the sun's hour-angle frame (east, equator on the meridian, pole)
// into the horizon frame of the latitude.
void ExpectOnRay(const Listing& l, const Row& r, double latitude) {
  const double d = r.declination * kDeg, h = r.hourAngle * kDeg, p = latitude * kDeg;
  const double east = -std::cos(d) * std::sin(h);
  const double equator = std::cos(d) * std::cos(h);
  const double pole = std::sin(d);
  const double sun[3] = {east, equator * -std::sin(p) + pole * std::cos(p),
                         equator * std::cos(p) + pole * std::sin(p)};
  ASSERT_GT(sun[2], 0) << "the sun is up at every listed point";
  const double t = l.height / sun[2];
  EXPECT_NEAR(r.x, l.nodusX - t * sun[0], 0.05) << r.kind << ' ' << r.key << ' ' << r.day;
  EXPECT_NEAR(r.y, l.nodusY - t * sun[1], 0.05) << r.kind << ' ' << r.key << ' ' << r.day;
}

TEST(LinesCommand, EveryPointLiesOnTheSunsRayInsideTheFaceAndIsCloselySpaced) {
  for (const char* paper : {"A4", "A3"}) {
    const double face = std::string(paper) == "A4" ? 65 : 65 * 1.41;
    const Listing l = RunLines({"--lat", "35.7", "--time-system", "1", "--date-lines", "terms",
                                "--hour-curves", "halves", "--paper", paper});
    EXPECT_NEAR(l.nodusY, l.height / std::tan(35.7 * kDeg), 1e-9);
    std::map<std::string, int> arcs;
    const Row* previous = nullptr;
    for (const Row& r : l.rows) {
      ExpectOnRay(l, r, 35.7);
      EXPECT_LE(std::hypot(r.x, r.y), face + 1e-6);
      const bool sameLine = previous && previous->kind == r.kind && previous->key == r.key;
      if (r.kind == "dateline") {
        ++arcs[r.key];
        EXPECT_EQ(r.day, r.key);
        if (sameLine) {
          EXPECT_LE(r.hourAngle - previous->hourAngle, 2.5 + 1e-9) << r.key;
        }
      } else {
        ASSERT_EQ(r.kind, "hourcurve");
        EXPECT_EQ(r.key.size(), 5u);
        EXPECT_EQ(r.key[2], ':');
      }
      previous = &r;
    }
    EXPECT_EQ(arcs.size(), 13u) << paper;
  }
}

TEST(LinesCommand, SouthernDialMirrorsTheNorthernOne) {
  const Listing north =
      RunLines({"--lat", "34.65", "--time-system", "0", "--date-lines", "seasons"});
  const Listing south =
      RunLines({"--lat", "-34.65", "--time-system", "0", "--date-lines", "seasons"});
  EXPECT_NEAR(south.height, north.height, 1e-9);
  EXPECT_NEAR(south.nodusY, -north.nodusY, 1e-9);
  std::map<std::pair<long, long>, const Row*> mirrored;
  for (const Row& r : south.rows) {
    mirrored[{std::lround(-r.declination * 1e6), std::lround(r.hourAngle * 1e6)}] = &r;
  }
  ASSERT_EQ(mirrored.size(), north.rows.size());
  for (const Row& r : north.rows) {
    const Row* m = mirrored[{std::lround(r.declination * 1e6), std::lround(r.hourAngle * 1e6)}];
    ASSERT_NE(m, nullptr) << r.key << ' ' << r.hourAngle;
    EXPECT_NEAR(m->x, r.x, 1e-6);
    EXPECT_NEAR(m->y, -r.y, 1e-6);
  }
}

TEST(LinesCommand, NoCurvesInTrueSolarTimeAndWrongOptionsAreUsageErrors) {
  const Listing solar = RunLines({"--time-system", "0", "--hour-curves", "full"});
  EXPECT_TRUE(solar.rows.empty());
  for (const CommandArgs& bad :
       {CommandArgs{"lines", "--date-lines", "weeks"},
        CommandArgs{"lines", "--hour-curves", "thirds"}, CommandArgs{"lines", "--nodus", "-3"},
        CommandArgs{"lines", "--scale-bar", "maybe"}, CommandArgs{"lines", "-o", "points.txt"},
        CommandArgs{"export", "--nodus", "x", "-o", "a.pdf"}}) {
    EXPECT_EQ(RunCommandLine(bad).status, 1) << bad[1];
  }
}

TEST(LinesCommand, WritesTheFileWhole) {
  const std::string path = ::testing::TempDir() + "lines-test.csv";
  const CommandResult r =
      RunCommandLine({"lines", "--date-lines", "months", "--nodus", "12.5", "-o", path});
  ASSERT_EQ(r.status, 0) << r.err;
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  EXPECT_EQ(Parse(text.str()).height, 12.5);
  EXPECT_EQ(RunCommandLine({"lines", "-o", "/nonexistent/dir/x.csv"}).status, 2);
}

// Where the sheet's fitting shrinks the dial (London on A4 with its date
// lines), the listing follows the printed page: the height the page prints
// is the listed one, and the points lie within the printed face.
TEST(LinesCommand, ListsThePageAsTheFittedSheetPrintsIt) {
  const CommandArgs design{"--lat", "51.5",         "--lon",   "-0.1",    "--tz",
                           "0",     "--date-lines", "seasons", "--paper", "A4"};
  CommandArgs lines{"lines"};
  lines.insert(lines.end(), design.begin(), design.end());
  const CommandResult listed = RunCommandLine(lines);
  ASSERT_EQ(listed.status, 0) << listed.err;
  const Listing l = Parse(listed.out);
  EXPECT_LT(l.height, 12) << "the A4 dial at its full size would have 12.2 mm";

  const std::string path = ::testing::TempDir() + "lines-page.svg";
  CommandArgs exported{"export", "-o", path};
  exported.insert(exported.end(), design.begin(), design.end());
  ASSERT_EQ(RunCommandLine(exported).status, 0);
  std::ifstream file(path);
  std::stringstream svg;
  svg << file.rdbuf();
  char printed[32];  // the block's line and the mark's label, as " 11.0 mm" or " 11.0 "
  std::snprintf(printed, sizeof printed, " %.1f ", l.height);
  EXPECT_NE(svg.str().find(printed), std::string::npos) << printed;

  // A face of its own size is listed at that size, whether the page holds
  // it (120 mm) or tiles print it (480 mm).
  const auto sized = [&](const char* size) {
    CommandArgs args = lines;
    args.insert(args.end(), {"--size", size});
    return Parse(RunCommandLine(args).out);
  };
  const Listing small = sized("120"), large = sized("480");
  EXPECT_NEAR(large.height, 4 * small.height, 0.01);
  ASSERT_EQ(large.rows.size(), small.rows.size());
  ASSERT_FALSE(small.rows.empty());
  EXPECT_NEAR(large.rows[0].x, 4 * small.rows[0].x, 0.01);
  EXPECT_NEAR(large.rows.back().y, 4 * small.rows.back().y, 0.01);
}

// An analemmatic dial lists its full-size points from the ellipse's
// centre: hour points on the ellipse, the date scale on the north-south axis.
TEST(LinesCommand, AnAnalemmaticDialListsHourPointsAndTheDateScale) {
  const CommandResult r =
      RunCommandLine({"lines", "--dial", "analemmatic", "--major", "1500", "--lat", "-52",
                      "--time-system", "0", "--interval", "60"});
  ASSERT_EQ(r.status, 0) << r.err;
  std::istringstream in(r.out);
  std::string line;
  std::getline(in, line);
  double major = 0, minor = 0;
  ASSERT_EQ(std::sscanf(line.c_str(), "# Dial=analemmatic,%lf,%lf", &major, &minor), 2) << line;
  EXPECT_EQ(major, 1500);
  EXPECT_NEAR(minor, 1500 * std::sin(52 * kDeg), 1e-6);
  std::getline(in, line);
  EXPECT_EQ(line, "Kind,Key,Day,Declination,HourAngle,X,Y");
  int hours = 0, dates = 0;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string value[7];
    for (auto& v : value) std::getline(fields, v, ',');
    const double x = std::stod(value[5]), y = std::stod(value[6]);
    if (value[0] == "hourpoint") {
      ++hours;
      EXPECT_NEAR(x * x / (major * major) + y * y / (minor * minor), 1, 1e-6) << line;
      if (value[1] == "12:00") {
        EXPECT_NEAR(y, -minor, 1e-6) << "noon lies south in the south";
      }
    } else {
      ASSERT_EQ(value[0], "datescale") << line;
      ++dates;
      EXPECT_EQ(value[1].size(), 5u) << line;
      EXPECT_EQ(x, 0);
      EXPECT_NEAR(y, major * std::tan(std::stod(value[3]) * kDeg) * std::cos(52 * kDeg), 1e-3);
    }
  }
  EXPECT_EQ(hours, 17);  // 4:00 to 20:00 at 52 degrees
  EXPECT_EQ(dates, 16);

  // Near the equator the ellipse is a line: refused with the reason.
  const CommandResult equator = RunCommandLine({"lines", "--dial", "analemmatic", "--lat", "5"});
  EXPECT_EQ(equator.status, 2);
  EXPECT_NE(equator.err.find("10"), std::string::npos) << equator.err;  // the least latitude
  EXPECT_EQ(equator.out, "");
  for (const char* bad : {"--dial", "--major"}) {
    EXPECT_EQ(RunCommandLine({"lines", bad, "sundial"}).status, 1) << bad;
  }
  EXPECT_EQ(RunCommandLine({"lines", "--major", "5"}).status, 1);
}

}  // namespace
