// The database shipped with the program, read as the dialog reads it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "Chart.h"
#include "LocationDatabase.h"
#include "LocationDialogModel.h"

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
    EXPECT_TRUE(EndsWith(r.japaneseName, "県") || EndsWith(r.japaneseName, "都") ||
                EndsWith(r.japaneseName, "道") || EndsWith(r.japaneseName, "府"))
        << r.japaneseName;
    EXPECT_FALSE(r.englishPrefix.empty()) << r.englishName;
  }
  EXPECT_EQ((*regions)[0].japaneseName, "北海道");
  EXPECT_EQ((*regions)[12].japaneseName, "東京都");
  EXPECT_EQ((*regions)[27].japaneseName, "兵庫県");
  EXPECT_EQ((*regions)[27].englishName, "Hyogo");
  EXPECT_EQ((*regions)[46].japaneseName, "沖縄県");
}

TEST(ShippedLocationDatabase, DefaultPlaceIsAkashiOnTheStandardMeridian) {
  const auto regions = ReadRegionFile(kFolder);
  const auto cities = ReadCityFile(kFolder, 28, CoordinateSet::Default);
  ASSERT_TRUE(regions && cities);
  ASSERT_GE(cities->size(), 6u);
  const CityRecord& akashi = (*cities)[5];
  EXPECT_EQ(akashi.japaneseName, "明石市");
  EXPECT_EQ(akashi.englishName, "Akashi");
  EXPECT_EQ(akashi.latitude, (DmsTriple{34, 39, 0}));
  EXPECT_EQ(akashi.longitude, (DmsTriple{135, 0, 0}));
  EXPECT_EQ(akashi.timeZone, 9);
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
    if (a.regionCode != region) {
      ASSERT_EQ(a.regionCode, region + 1) << "after region " << region;
      region = a.regionCode;
      expectedCode = 1;
    }
    ASSERT_EQ(a.cityCode, expectedCode++) << "region " << region;
    const RegionRecord& r = (*regions)[static_cast<std::size_t>(region - 1)];
    const bool prefecture = region <= kLastPrefectureCode;
    (prefecture ? japanese : world) += 1;
    const std::string label = a.japaneseName + " in " + r.japaneseName;
    EXPECT_EQ(a.englishName, b.englishName);
    EXPECT_FALSE(a.englishName.empty() || a.japaneseName.empty()) << label;
    EXPECT_TRUE(SignOnFirstNonZero(a.latitude) && SignOnFirstNonZero(a.longitude) &&
                SignOnFirstNonZero(b.latitude) && SignOnFirstNonZero(b.longitude))
        << label;
    if (prefecture) {
      if (a.cityCode == 1) {
        EXPECT_TRUE(EndsWith(a.remarks, "庁所在地")) << label;
      }
      EXPECT_EQ(a.timeZone, 9) << label;
      // The Tokyo datum lies south-east of JGD2000 in Japan by some seconds.
      const int north = Seconds(b.latitude) - Seconds(a.latitude);
      const int east = Seconds(b.longitude) - Seconds(a.longitude);
      EXPECT_TRUE(north >= 5 && north <= 20 && east <= -5 && east >= -20)
          << label << " shift " << north << "″N " << east << "″E";
    } else {
      EXPECT_EQ(a.latitude, b.latitude) << label;
      EXPECT_EQ(a.longitude, b.longitude) << label;
    }
    for (const CityRecord* city : {&a, &b}) {
      const ChosenPlace place{PlaceName(r, *city, false), city->latitude, city->longitude,
                              city->timeZone};
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
  EXPECT_EQ(tokyo[0].text, "東京 (東京都)");
  const auto berlin = model.FindCities("ベルリン");
  ASSERT_FALSE(berlin.empty());
  EXPECT_EQ(berlin[0].text, "ベルリン (ドイツ)");
  EXPECT_EQ(model.FindCities("a").size(), kMaxFoundCities);
}

TEST(ShippedLocationDatabase, ListsInBothLanguages) {
  LocationDialogModel model(kFolder, LocationChoice{});
  ASSERT_TRUE(model.Load());
  EXPECT_EQ(model.RegionItems()[27], "兵庫県");
  EXPECT_EQ(model.CityItems()[5], "明石市");
  ASSERT_TRUE(model.SetEnglish(true));
  EXPECT_EQ(model.RegionItems()[27], "Kinki, Hyogo");
  EXPECT_EQ(model.RegionItems()[47], model.Regions()[47].englishName);
  EXPECT_EQ(model.CityItems()[5], "Akashi");
  EXPECT_EQ(model.Chosen()->name, "Akashi, Hyogo");
}

}  // namespace
