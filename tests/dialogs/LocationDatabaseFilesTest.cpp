// The database shipped with the program, read as the dialog reads it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "LocationDatabase.h"
#include "LocationDialogModel.h"
#include "Chart.h"

namespace {

const std::string kFolder = UMBRAFEX_RESOURCES_DIR;

bool EndsWith(const std::string& text, std::string_view tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

int Seconds(const DmsTriple& t) {
  const int magnitude = std::abs(t[0]) * 3600 + std::abs(t[1]) * 60 + std::abs(t[2]);
  return (t[0] < 0 || t[1] < 0 || t[2] < 0) ? -magnitude : magnitude;
}

bool SignOnFirstNonZero(const DmsTriple& t) {
  int nonZeroSeen = 0;
  for (int16_t member : t) {
    if (member < 0 && nonZeroSeen > 0) return false;
    if (member != 0) ++nonZeroSeen;
  }
  return std::abs(t[1]) < 60 && std::abs(t[2]) < 60;
}

TEST(ShippedLocationDatabase, PrefecturesFirstThenWorldRegions) {
  const auto regions = ReadRegionFile(kFolder);
  ASSERT_TRUE(regions) << "prefs.dat does not load";
  ASSERT_GE(regions->size(), 57u);
  ASSERT_LE(regions->size(), kMaxRegions);
  for (int i = 0; i < kLastPrefectureCode; ++i) {
    const RegionRecord& r = (*regions)[static_cast<std::size_t>(i)];
    EXPECT_TRUE(EndsWith(r.JapaneseName, "県") || EndsWith(r.JapaneseName, "都") ||
                EndsWith(r.JapaneseName, "道") || EndsWith(r.JapaneseName, "府"))
        << r.JapaneseName;
    EXPECT_FALSE(r.EnglishPrefix.empty()) << r.EnglishName;
  }
  EXPECT_EQ((*regions)[0].JapaneseName, "北海道");
  EXPECT_EQ((*regions)[12].JapaneseName, "東京都");
  EXPECT_EQ((*regions)[27].JapaneseName, "兵庫県");
  EXPECT_EQ((*regions)[27].EnglishName, "Hyogo");
  EXPECT_EQ((*regions)[46].JapaneseName, "沖縄県");
}

TEST(ShippedLocationDatabase, DefaultPlaceIsAkashiOnTheStandardMeridian) {
  const auto regions = ReadRegionFile(kFolder);
  const auto cities = ReadCityFile(kFolder, 28, CoordinateSet::Default);
  ASSERT_TRUE(regions && cities);
  ASSERT_GE(cities->size(), 6u);
  const CityRecord& akashi = (*cities)[5];
  EXPECT_EQ(akashi.JapaneseName, "明石市");
  EXPECT_EQ(akashi.EnglishName, "Akashi");
  EXPECT_EQ(akashi.Latitude, (DmsTriple{34, 39, 0}));
  EXPECT_EQ(akashi.Longitude, (DmsTriple{135, 0, 0}));
  EXPECT_EQ(akashi.TimeZone, 9);
  EXPECT_EQ(PlaceName((*regions)[27], akashi, false), "兵庫県明石市");
}

// Every city of every region, in both coordinate sets, as the dialog would
// hand it to the chart. The file is read once: region by region it would be
// read some 600 times.
TEST(ShippedLocationDatabase, EveryCityLoadsInBothSetsAndReachesTheChart) {
  const auto regions = ReadRegionFile(kFolder);
  ASSERT_TRUE(regions);
  const auto byDefault = ReadAllCities(kFolder, CoordinateSet::Default);
  const auto byWorld = ReadAllCities(kFolder, CoordinateSet::Jgd2000);
  ASSERT_EQ(byDefault.size(), byWorld.size());
  std::size_t japanese = 0, world = 0;
  int16_t region = 1, expectedCode = 1;
  Chart chart;
  for (std::size_t i = 0; i < byDefault.size(); ++i) {
    const CityRecord& a = byDefault[i];
    const CityRecord& b = byWorld[i];
    // Sorted by region, numbered 1, 2, ... within it, no region left empty.
    if (a.RegionCode != region) {
      ASSERT_EQ(a.RegionCode, region + 1) << "after region " << region;
      region = a.RegionCode;
      expectedCode = 1;
    }
    ASSERT_EQ(a.CityCode, expectedCode++) << "region " << region;
    const RegionRecord& r = (*regions)[static_cast<std::size_t>(region - 1)];
    const bool prefecture = region <= kLastPrefectureCode;
    (prefecture ? japanese : world) += 1;
    const std::string label = a.JapaneseName + " in " + r.JapaneseName;
    EXPECT_EQ(a.EnglishName, b.EnglishName);
    EXPECT_FALSE(a.EnglishName.empty() || a.JapaneseName.empty()) << label;
    EXPECT_TRUE(SignOnFirstNonZero(a.Latitude) && SignOnFirstNonZero(a.Longitude) &&
                SignOnFirstNonZero(b.Latitude) && SignOnFirstNonZero(b.Longitude))
        << label;
    if (prefecture) {
      if (a.CityCode == 1) {
        EXPECT_TRUE(EndsWith(a.Remarks, "庁所在地")) << label;
      }
      EXPECT_EQ(a.TimeZone, 9) << label;
      // The Tokyo datum lies south-east of JGD2000 in Japan by some seconds.
      const int north = Seconds(b.Latitude) - Seconds(a.Latitude);
      const int east = Seconds(b.Longitude) - Seconds(a.Longitude);
      EXPECT_TRUE(north >= 5 && north <= 20 && east <= -5 && east >= -20)
          << label << " shift " << north << "″N " << east << "″E";
    } else {
      EXPECT_EQ(a.Latitude, b.Latitude) << label;
      EXPECT_EQ(a.Longitude, b.Longitude) << label;
    }
    for (const CityRecord* city : {&a, &b}) {
      const ChosenPlace place{PlaceName(r, *city, false), city->Latitude, city->Longitude,
                              city->TimeZone};
      EXPECT_EQ(TrapStatus([&] { ApplyChosenPlace(chart, place); }), Status::Ok()) << label;
    }
  }
  EXPECT_EQ(region, static_cast<int16_t>(regions->size()));
  EXPECT_GE(japanese, 700u);
  EXPECT_GE(world, 20000u);
}

TEST(ShippedLocationDatabase, SearchFindsCitiesInEitherLanguage) {
  LocationDialogModel model(kFolder, LocationChoice{});
  ASSERT_TRUE(model.Load());
  const auto tokyo = model.FindCities("tokyo");
  ASSERT_FALSE(tokyo.empty());
  EXPECT_EQ(tokyo[0].Text, "東京 (東京都)");
  const auto berlin = model.FindCities("ベルリン");
  ASSERT_FALSE(berlin.empty());
  EXPECT_EQ(berlin[0].Text, "ベルリン (ドイツ)");
  EXPECT_EQ(model.FindCities("a").size(), kMaxFoundCities);
}

TEST(ShippedLocationDatabase, ListsInBothLanguages) {
  LocationDialogModel model(kFolder, LocationChoice{});
  ASSERT_TRUE(model.Load());
  EXPECT_EQ(model.RegionItems()[27], "兵庫県");
  EXPECT_EQ(model.CityItems()[5], "明石市");
  ASSERT_TRUE(model.SetEnglish(true));
  EXPECT_EQ(model.RegionItems()[27], "Kinki,Hyogo");
  EXPECT_EQ(model.RegionItems()[47], model.Regions()[47].EnglishName);
  EXPECT_EQ(model.CityItems()[5], "Akashi");
  EXPECT_EQ(model.Chosen()->Name, "Akashi, Hyogo");
}

}  // namespace
