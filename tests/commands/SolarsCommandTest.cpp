// umbrafex solars: the series the dial face would draw, as CSV.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "CommandRun.h"

namespace {

using Result = CommandResult;

Result RunSolars(const CommandArgs& args) {
  CommandArgs full{"solars"};
  full.insert(full.end(), args.begin(), args.end());
  return RunCommandLine(full);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The first n comma-separated fields of a line.
std::string Fields(const std::string& line, int n) {
  size_t end = 0;
  for (int i = 0; i < n && end != std::string::npos; ++i) end = line.find(',', end + (i ? 1 : 0));
  return line.substr(0, end);
}

TEST(SolarsCommand, SunriseToSunsetWithRiseAndSet) {
  const Result r =
      RunSolars({"--time-system", "0", "--rise-set", "yes", "--season", "8", "--interval", "60"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.err.empty());
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[0], "# StartTime=7.16304113434783,EndTime=16.8369588656522,Interval=60,Count=11");
  EXPECT_EQ(lines[1], "Index,IndexKey,CalcTime,HourAngle,Altitude,Azimuth,Magnification");
  EXPECT_EQ(Fields(lines[2], 3), "1,1,7.16304113434783");
  EXPECT_EQ(lines[2].substr(lines[2].size() - 3), ",-1") << "a sunrise casts no shadow";
  EXPECT_EQ(Fields(lines[3], 4), "2,2,8,-60");
  EXPECT_EQ(Fields(lines[7], 4), "6,6,12,0") << "the noon point";
  EXPECT_EQ(lines[7].substr(lines[7].size() - 19), ",0,1.60656718456129") << "cot 31.9";
  EXPECT_EQ(Fields(lines[12], 3), "11,11,16.8369588656522");
}

TEST(SolarsCommand, WithoutRiseAndSetTheSeriesIsAligned) {
  const Result r =
      RunSolars({"--time-system", "0", "--rise-set", "no", "--season", "8", "--interval", "60"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[0], "# StartTime=8,EndTime=17,Interval=60,Count=9");
  EXPECT_EQ(Fields(lines[2], 3), "1,1,8");
  EXPECT_EQ(Fields(lines[10], 3), "9,9,16");
}

TEST(SolarsCommand, StartUpStateIsTheSummerDialInStandardTime) {
  // Start-up: mean standard time at meridian 135 for Akashi (on it), season 4,
  // equation of time 0, 30-minute steps from sunrise to sunset with both ends.
  const Result r = RunSolars({"--tz", "9"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = Lines(r.out);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0].rfind("# StartTime=4.", 0), 0u) << lines[0];
  EXPECT_NE(lines[0].find(",Interval=30,"), std::string::npos);
  EXPECT_EQ(Fields(lines[3], 3), "2,2,5");
}

TEST(SolarsCommand, TimeRangeAndDayOptions) {
  Result r = RunSolars(
      {"--time-system", "0", "--day", "356", "--start", "9.25", "--end", "11", "--interval", "30"});
  ASSERT_EQ(r.status, 0) << r.err;
  auto lines = Lines(r.out);
  EXPECT_EQ(lines[0], "# StartTime=9.25,EndTime=11,Interval=30,Count=5");
  EXPECT_EQ(Fields(lines[6], 3), "5,5,11");

  r = RunSolars(
      {"--time-system", "0", "--season", "2", "--start", "12", "--end", "12", "--interval", "0"});
  ASSERT_EQ(r.status, 0) << r.err;
  lines = Lines(r.out);
  EXPECT_EQ(lines[0], "# StartTime=12,EndTime=12,Interval=0,Count=1");
  // Equinox noon at 34.65 N: altitude 55.35, azimuth 0, shadow tan 34.65.
  EXPECT_EQ(Fields(lines[2], 4), "1,1,12,0");
  double altitude = 0, azimuth = -1, magnification = 0;
  ASSERT_EQ(std::sscanf(lines[2].c_str() + Fields(lines[2], 4).size(), ",%lf,%lf,%lf", &altitude,
                        &azimuth, &magnification),
            3);
  EXPECT_NEAR(altitude, 55.35, 1e-12);
  EXPECT_EQ(azimuth, 0);
  EXPECT_NEAR(magnification, 0.6911425322231051, 1e-14);
}

TEST(SolarsCommand, EngineErrorsGoToStderrOnly) {
  const struct {
    CommandArgs args;
    std::string text;
  } cases[] = {
      {{"--interval", "61"}, "計算時間間隔に不正な時間が指定されています。\n"},
      {{"--start", "20", "--end", "21"}, "計算終了時刻が計算開始時刻以前に指定されています。\n"},
      {{"--lat", "-70", "--season", "4"}, "極夜です。日の出・日の入時刻を算出できません。\n"},
      {{"--lat", "90"}, "不正な緯度の値が指定されています。\n"},
      {{"--season", "9"}, "不正な季節番号が指定されています。\n"},
      {{"--leap", "no", "--day", "366"}, "不正な通算日数が指定されています。\n"},
  };
  for (const auto& c : cases) {
    const Result r = RunSolars(c.args);
    EXPECT_EQ(r.status, 2) << c.text;
    EXPECT_EQ(r.err, c.text);
    EXPECT_TRUE(r.out.empty());
  }
}

TEST(SolarsCommand, UsageErrors) {
  for (const CommandArgs& args : {CommandArgs{"--bogus"}, CommandArgs{"--lat", "north"},
                                  CommandArgs{"--interval"}, CommandArgs{"extra"}}) {
    const Result r = RunSolars(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("usage: umbrafex solars"), std::string::npos);
    EXPECT_TRUE(r.out.empty());
  }
}

}  // namespace
