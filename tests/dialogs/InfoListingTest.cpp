#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Chart.h"
#include "InfoListing.h"

namespace {

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end = text.find("\r\n"); end != std::string::npos;
       end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  EXPECT_EQ(start, text.size()) << "the last line must end with CR LF too";
  return lines;
}

TEST(InfoListing, EngineDefaultsInTrueSolarTimeComeOutExactly) {
  Chart chart;
  chart.setTimeSystem(kTrueSolarTime);
  chart.setCompatible(true);

  EXPECT_EQ(BuildInfoListing(chart, 2026),
            "地域: 兵庫県明石市\r\n"
            "緯度: 北緯34度39分00秒(+34.65度)\r\n"
            "経度: 東経135度00分00秒(+135.0度)\r\n"
            "磁気偏角: 西偏7度03分(7.05760408度)\r\n"
            "タイムゾーン: GMT+9:00\r\n"
            "\r\n"
            "季節: 冬至(12/22)\r\n"
            "太陽赤緯: -23度27分00秒(-23.45度)\r\n"
            "均時差: +0時間02分08秒(+0.03558137時間)\r\n"
            "標準時差: -0時間02分08秒(-0.03558137時間) (時計が日時計より遅れる)\r\n"
            "日の出時刻: 7:09:47(+7.16304113時) (幾何学的)\r\n"
            "日の入時刻: 16:50:13(+16.83695887時) (幾何学的)\r\n"
            "日の出・日の入(暦): 7:05:10 / 16:54:50\r\n"
            "可照時間: 9時間40分26秒(9.67391773時間)\r\n"
            "時刻方式: 真太陽時\r\n");
}

TEST(InfoListing, PlaceOutsideTheModelAreaAndZoneZero) {
  Chart chart;
  chart.Location().setLatitude(-33.5);
  chart.Location().setLongitude(-70.25);
  chart.Location().setTimeZone(0);

  const auto lines = LinesOf(BuildInfoListing(chart, 2026));
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[1], "緯度: 南緯33度30分00秒(-33.5度)");
  EXPECT_EQ(lines[2], "経度: 西経70度15分00秒(-70.25度)");
  // The world model's value for the winter solstice of 2026.
  EXPECT_EQ(lines[3], "磁気偏角: 西偏0度17分(0.28607127度) (WMM2025)");
  EXPECT_EQ(lines[4], "タイムゾーン: GMT+0:00");
}

TEST(InfoListing, PolarNightAndMidnightSunNeedNoSunrise) {
  Chart chart;
  chart.Location().setLatitude(80);

  chart.Season().setCalcSeason(8);
  auto lines = LinesOf(BuildInfoListing(chart, 2026));
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[10], "日の出時刻: 極夜");
  EXPECT_EQ(lines[11], "日の入時刻: 極夜");
  EXPECT_EQ(lines[12], "日の出・日の入(暦): 極夜");
  EXPECT_EQ(lines[13], "可照時間: 0時間00分00秒");

  chart.Season().setCalcSeason(4);
  lines = LinesOf(BuildInfoListing(chart, 2026));
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[6], "季節: 夏至(6/21)");
  EXPECT_EQ(lines[10], "日の出時刻: 白夜");
  EXPECT_EQ(lines[11], "日の入時刻: 白夜");
  EXPECT_EQ(lines[12], "日の出・日の入(暦): 白夜");
  EXPECT_EQ(lines[13], "可照時間: 24時間00分00秒(24.0時間)");
}

TEST(InfoListing, DayNumberAndTimeSystemLines) {
  Chart chart;
  chart.Season().setCalcDate(100);
  chart.setTimeSystem(kMeanStandardTime);

  const auto lines = LinesOf(BuildInfoListing(chart, 2026));
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[6], "日付: 4/10");
  EXPECT_EQ(lines[14], "時刻方式: 中央標準時");
  // Sunrise in standard time differs from true solar time by the time difference.
  EXPECT_EQ(lines[10].rfind("日の出時刻: ", 0), 0u);
  EXPECT_NE(lines[10].find("時)"), std::string::npos);
}

TEST(InfoListing, DecimalsRoundToEightPlacesAndKeepOne) {
  Chart chart;
  chart.Location().setLatitude(35.123456789);
  chart.Location().setLongitude(139);

  const auto lines = LinesOf(BuildInfoListing(chart, 2026));
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[1], "緯度: 北緯35度07分24秒(+35.12345679度)");
  EXPECT_EQ(lines[2], "経度: 東経139度00分00秒(+139.0度)");
}

}  // namespace
