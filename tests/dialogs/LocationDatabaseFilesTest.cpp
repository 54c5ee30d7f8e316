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
// hand it to the chart.
TEST(ShippedLocationDatabase, EveryCityLoadsInBothSetsAndReachesTheChart) {
  const auto regions = ReadRegionFile(kFolder);
  ASSERT_TRUE(regions);
  std::size_t japanese = 0, world = 0;
  Chart chart;
  for (const RegionRecord& region : *regions) {
    const auto byDefault = ReadCityFile(kFolder, region.Code, CoordinateSet::Default);
    const auto byWorld = ReadCityFile(kFolder, region.Code, CoordinateSet::Jgd2000);
    ASSERT_TRUE(byDefault && byWorld) << "region " << region.Code;
    ASSERT_EQ(byDefault->size(), byWorld->size());
    const bool prefecture = region.Code <= kLastPrefectureCode;
    if (prefecture) {
      EXPECT_GE(byDefault->size(), 4u) << region.JapaneseName;
      EXPECT_TRUE(EndsWith((*byDefault)[0].Remarks, "庁所在地")) << region.JapaneseName;
    }
    (prefecture ? japanese : world) += byDefault->size();
    for (std::size_t i = 0; i < byDefault->size(); ++i) {
      const CityRecord& a = (*byDefault)[i];
      const CityRecord& b = (*byWorld)[i];
      const std::string label = a.JapaneseName + " in " + region.JapaneseName;
      EXPECT_EQ(a.EnglishName, b.EnglishName);
      EXPECT_FALSE(a.EnglishName.empty() || a.JapaneseName.empty()) << label;
      EXPECT_TRUE(SignOnFirstNonZero(a.Latitude) && SignOnFirstNonZero(a.Longitude) &&
                  SignOnFirstNonZero(b.Latitude) && SignOnFirstNonZero(b.Longitude))
          << label;
      if (prefecture) {
        EXPECT_TRUE(EndsWith(a.JapaneseName, "市") || EndsWith(a.JapaneseName, "町") ||
                    EndsWith(a.JapaneseName, "村") || EndsWith(a.JapaneseName, "区"))
            << label;
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
        const ChosenPlace place{PlaceName(region, *city, false), city->Latitude, city->Longitude,
                                city->TimeZone};
        EXPECT_EQ(TrapStatus([&] { ApplyChosenPlace(chart, place); }), Status::Ok()) << label;
      }
    }
  }
  EXPECT_GE(japanese, 200u);
  EXPECT_GE(world, 150u);
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
