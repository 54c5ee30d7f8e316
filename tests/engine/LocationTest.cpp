// The location: defaults, range checks, meridian and time zone, magnetic declination.
#include <gtest/gtest.h>

#include <string>

#include "Chart.h"
#include "ExpectRaised.h"

namespace {

TEST(Location, Defaults) {
  Chart chart;
  const ChartLocation& location = chart.Location();
  EXPECT_EQ(location.Name(), "兵庫県明石市");
  EXPECT_EQ(location.Latitude(), 34.65);
  EXPECT_EQ(location.Longitude(), 135);
  EXPECT_EQ(location.StandardMeridian(), 135);
  EXPECT_EQ(location.TimeZone(), 9);
  EXPECT_TRUE(chart.Compatible());
  EXPECT_FALSE(chart.LeapYear());
  EXPECT_EQ(chart.TimeSystem(), kTrueSolarTime);
  EXPECT_FALSE(chart.IncludeRiseSet());
  EXPECT_FALSE(chart.SolarsExists());
  EXPECT_EQ(chart.Solars(), nullptr);
  EXPECT_EQ(chart.ErrNumber(), 0);
}

TEST(Location, RangesAndTheirEnds) {
  Chart chart;
  ChartLocation& location = chart.Location();
  const std::string latText = "不正な緯度の値が指定されています。";
  for (double bad : {90.0, -90.0, 90.5}) {
    ExpectRaised(
        chart, [&] { location.setLatitude(bad); }, "Location.Latitude", latText);
  }
  EXPECT_EQ(location.Latitude(), 34.65);
  location.setLatitude(-89.999);
  EXPECT_EQ(location.Latitude(), -89.999);

  location.setLongitude(180);
  EXPECT_EQ(location.Longitude(), 180);
  ExpectRaised(
      chart, [&] { location.setLongitude(-180); }, "Location.Longitude",
      "不正な経度の値が指定されています。");
  ExpectRaised(
      chart, [&] { location.setLongitude(180.01); }, "Location.Longitude",
      "不正な経度の値が指定されています。");
  EXPECT_EQ(location.Longitude(), 180);

  ExpectRaised(
      chart, [&] { location.setStandardMeridian(180.5); }, "Location.StandardMeridian",
      "不正な標準時子午線の値が指定されています。");
  ExpectRaised(
      chart, [&] { location.setTimeZone(-12.5); }, "Location.TimeZone",
      "不正なタイムゾーンの値が指定されています。");
  ExpectRaised(
      chart, [&] { location.setTimeZone(12.01); }, "Location.TimeZone",
      "不正なタイムゾーンの値が指定されています。");
  EXPECT_EQ(location.StandardMeridian(), 135);
  EXPECT_EQ(location.TimeZone(), 9);
  location.setName("");
  EXPECT_EQ(location.Name(), "");
  // A name is bounded in characters, not bytes: 200 kanji pass, 201 do not.
  std::string kanji;
  for (int i = 0; i < 200; ++i) kanji += "明";
  location.setName(kanji);
  ExpectRaised(
      chart, [&] { location.setName(kanji + "x"); }, "Location.Name",
      "地名は200文字以内にしてください。");
  EXPECT_EQ(location.Name(), kanji);
}

TEST(Location, MeridianAndTimeZoneStayCoupled) {
  Chart chart;
  ChartLocation& location = chart.Location();
  location.setTimeZone(9.5);
  EXPECT_EQ(location.StandardMeridian(), 142.5);
  location.setStandardMeridian(-75);
  EXPECT_EQ(location.TimeZone(), -5);
  location.setTimeZone(-12);
  EXPECT_EQ(location.StandardMeridian(), 180);
  EXPECT_EQ(location.TimeZone(), -12);
  location.setTimeZone(12);
  EXPECT_EQ(location.StandardMeridian(), 180);
  location.setStandardMeridian(-180);
  EXPECT_EQ(location.StandardMeridian(), 180);
  EXPECT_EQ(location.TimeZone(), -12);
  location.setStandardMeridian(180);
  EXPECT_EQ(location.TimeZone(), 12);
}

TEST(MagneticDeclination, PolynomialsAtKnownPlaces) {
  Chart chart;
  ChartLocation& location = chart.Location();
  EXPECT_NEAR(location.NorthDiff2(), 7.0576040833333, 1e-10);
  location.setLatitude(37);
  location.setLongitude(138);
  EXPECT_NEAR(location.NorthDiff(), 7 + 22.82 / 60, 1e-12);
  EXPECT_NEAR(location.NorthDiff2(), 7 + 37.142 / 60, 1e-12);
  // Each coefficient's sign: one step north, east, and diagonally.
  location.setLatitude(38);
  EXPECT_NEAR(location.NorthDiff(), 7 + (22.82 + 21.01 - 0.197) / 60, 1e-12);
  EXPECT_NEAR(location.NorthDiff2(), 7 + (37.142 + 21.622 + 0.442) / 60, 1e-12);
  location.setLongitude(139);
  EXPECT_NEAR(location.NorthDiff(), 7 + (22.82 + 21.01 - 7.36 - 0.197 + 0.587 - 0.961) / 60, 1e-12);
  EXPECT_NEAR(location.NorthDiff2(), 7 + (37.142 + 21.622 - 7.672 + 0.442 - 0.32 - 0.675) / 60,
              1e-12);
}

TEST(MagneticDeclination, OutsideTheRectangleThereIsNoValue) {
  Chart chart;
  const struct {
    double latitude, longitude;
  } outside[] = {{45.5, 140}, {20.5, 140}, {35, 123}, {35, 154}, {-35, 140}, {35, 100}};
  for (const auto& place : outside) {
    EXPECT_FALSE(chart.IsJapanArea(place.latitude, place.longitude));
    chart.Location().setLatitude(place.latitude);
    chart.Location().setLongitude(place.longitude);
    EXPECT_EQ(chart.Location().NorthDiff(), -999);
    EXPECT_EQ(chart.Location().NorthDiff2(), -999);
  }
  EXPECT_TRUE(chart.IsJapanArea(45.49, 153.99));
  EXPECT_TRUE(chart.IsJapanArea(20.51, 123.01));
}

}  // namespace
