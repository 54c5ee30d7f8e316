#include <gtest/gtest.h>

#include <string>

#include "LocationDatabase.h"
#include "LocationFields.h"

namespace {

TEST(LocationFieldReader, SeparatorsQuotesAndBlanks) {
  // Quoted commas and line ends stay in the text; leading blanks are skipped;
  // commas and every kind of line end separate fields alike.
  LocationFieldReader reader(" \t\"a, b\",\"two\r\nlines\"\r\n\tplain text ,\"\"\n-7\r+8, 9.5 ");
  EXPECT_EQ(reader.ReadText(), "a, b");
  EXPECT_EQ(reader.ReadText(), "two\r\nlines");
  EXPECT_EQ(reader.ReadText(), "plain text ");
  EXPECT_EQ(reader.ReadText(), "");
  EXPECT_EQ(reader.ReadInteger(), -7);
  EXPECT_EQ(reader.ReadInteger(), 8);
  EXPECT_EQ(reader.ReadReal(), 9.5);
  EXPECT_FALSE(reader.HasData());
  EXPECT_EQ(reader.ReadText(), std::nullopt) << "reading past the end is a failure";
}

TEST(LocationFieldReader, TextAfterClosingQuoteIsDroppedUpToTheDelimiter) {
  LocationFieldReader reader("\"ab\"cd,1");
  EXPECT_EQ(reader.ReadText(), "ab");
  EXPECT_EQ(reader.ReadInteger(), 1);
}

TEST(LocationFieldReader, MalformedFieldsAreRefused) {
  EXPECT_EQ(LocationFieldReader("\"open").ReadText(), std::nullopt);
  for (const char* bad :
       {"", "x", "1x", "1.5", "32768", "-32769", "99999999999", "--1", "+-1", "1 2", " ,"}) {
    EXPECT_EQ(LocationFieldReader(bad).ReadInteger(), std::nullopt) << bad;
  }
  EXPECT_EQ(LocationFieldReader("32767").ReadInteger(), 32767);
  EXPECT_EQ(LocationFieldReader("-32768").ReadInteger(), -32768);
  for (const char* bad : {"", "nine", "1e999", "nan", "inf", "1e5", "5.5.5"}) {
    EXPECT_EQ(LocationFieldReader(bad).ReadReal(), std::nullopt) << bad;
  }
  EXPECT_EQ(LocationFieldReader("-3.5").ReadReal(), -3.5);
}

TEST(ParseRegions, RecordsMayLackTheFinalLineEndOrSpanLines) {
  // A line end stands for a comma (a comma right before a line end would
  // leave an empty field between them).
  const auto regions = ParseRegions(
      "1,\"Hokkaido\",\"Hokkaido\",\"北海道\"\r\n2,\"Aomori\"\r\n"
      "\t\"Tohoku\",\"青森県\"");
  ASSERT_TRUE(regions);
  ASSERT_EQ(regions->size(), 2u);
  EXPECT_EQ((*regions)[1].code, 2);
  EXPECT_EQ((*regions)[1].englishPrefix, "Tohoku");
  EXPECT_EQ((*regions)[1].japaneseName, "青森県");
}

TEST(ParseRegions, OnlyTheFirstThousandRecordsAreRead) {
  std::string text;
  for (int code = 1; code <= 1000; ++code) text += std::to_string(code) + ",\"e\",\"p\",\"j\"\r\n";
  text += "garbage that is never read,\"";
  const auto regions = ParseRegions(text);
  ASSERT_TRUE(regions);
  EXPECT_EQ(regions->size(), kMaxRegions);
}

TEST(ParseRegions, MalformedOrMisnumberedFilesFail) {
  EXPECT_EQ(ParseRegions("1,\"a\",\"b\""), std::nullopt) << "a field missing at the end";
  EXPECT_EQ(ParseRegions("1,\"a\",\r\n\"b\",\"c\""), std::nullopt)
      << "an empty field shifts the rest";
  EXPECT_EQ(ParseRegions("2,\"a\",\"b\",\"c\""), std::nullopt) << "code must be position + 1";
  EXPECT_EQ(ParseRegions("1,\"a\",\"b\",\"c\"\r\n1,\"a\",\"b\",\"c\""), std::nullopt);
  EXPECT_EQ(ParseRegions("one,\"a\",\"b\",\"c\""), std::nullopt);
  const auto empty = ParseRegions(" \r\n\t\r\n");
  ASSERT_TRUE(empty);
  EXPECT_TRUE(empty->empty());
}

constexpr const char* kCities =
    "1,1,\"A\",\"甲市\",10,0,0,20,0,0,11,1,1,21,2,2,9,\"r\"\r\n"
    "2,1,\"B\",\"乙市\",-1,2,3,0,-4,5,-6,7,8,0,0,-9,-3.5,\"\"\r\n"
    "2,2,\"C, D\",\"丙町\",30,0,0,40,0,0,30,0,0,40,0,0,5.75,\"note\"\r\n"
    "3,1,\"E\",\"丁村\",1,1,1,1,1,1,1,1,1,1,1,1,0,\"\"\r\n"
    "2,3,\"late\",\"never\",0,0,0,0,0,0,0,0,0,0,0,0,0,\"\"\r\n";

TEST(ParseCities, SelectsOneRegionAndOneCoordinateSet) {
  const auto byDefault = ParseCities(kCities, 2, CoordinateSet::Default);
  ASSERT_TRUE(byDefault);
  ASSERT_EQ(byDefault->size(), 2u) << "a record after a higher region is never reached";
  EXPECT_EQ((*byDefault)[0].latitude, (DmsTriple{-1, 2, 3}));
  EXPECT_EQ((*byDefault)[0].longitude, (DmsTriple{0, -4, 5}));
  EXPECT_EQ((*byDefault)[0].timeZone, -3.5);
  EXPECT_EQ((*byDefault)[1].englishName, "C, D");
  EXPECT_EQ((*byDefault)[1].remarks, "note");

  const auto byWorld = ParseCities(kCities, 2, CoordinateSet::Jgd2000);
  ASSERT_TRUE(byWorld);
  EXPECT_EQ((*byWorld)[0].latitude, (DmsTriple{-6, 7, 8}));
  EXPECT_EQ((*byWorld)[0].longitude, (DmsTriple{0, 0, -9}));

  const auto none = ParseCities(kCities, 9, CoordinateSet::Default);
  ASSERT_TRUE(none) << "the late record of region 2 is read and skipped";
  EXPECT_TRUE(none->empty());
}

TEST(ParseCities, ADamagedRecordSpoilsOnlyItsOwnRegion) {
  // A short record of region 1 runs into the next line; region 2 still reads.
  const std::string_view shortFirst =
      "1,1,\"A\",\"a\",1,2,3\r\n2,1,\"B\",\"b\",0,0,0,0,0,0,0,0,0,0,0,0,9,\"\"";
  const auto second = ParseCities(shortFirst, 2, CoordinateSet::Default);
  ASSERT_TRUE(second);
  ASSERT_EQ(second->size(), 1u);
  EXPECT_EQ((*second)[0].englishName, "B");
  EXPECT_EQ(ParseCities(shortFirst, 1, CoordinateSet::Default), std::nullopt);
  EXPECT_EQ(ParseAllCities(shortFirst, CoordinateSet::Default).size(), 1u);
  // City codes must run 1, 2, ... within the region.
  EXPECT_EQ(
      ParseCities("5,2,\"A\",\"a\",0,0,0,0,0,0,0,0,0,0,0,0,9,\"\"", 5, CoordinateSet::Default),
      std::nullopt);
  // A degree value beyond 16 bits.
  EXPECT_EQ(
      ParseCities("5,1,\"A\",\"a\",40000,0,0,0,0,0,0,0,0,0,0,0,9,\"\"", 5, CoordinateSet::Jgd2000),
      std::nullopt);
}

TEST(LocationNames, ListTextsAndHandedBackNames) {
  const RegionRecord hyogo{28, "Hyogo", "Kinki", "兵庫県"};
  const RegionRecord france{67, "France", "Europe", "フランス"};
  const CityRecord akashi{28, 6, "Akashi", "明石市", {}, {}, 9, ""};
  const CityRecord paris{67, 1, "Paris", "パリ", {}, {}, 1, ""};

  EXPECT_EQ(RegionListText(hyogo, true), "Kinki, Hyogo");
  EXPECT_EQ(RegionListText(hyogo, false), "兵庫県");
  EXPECT_EQ(RegionListText(france, true), "France") << "no prefix beyond the prefectures";
  EXPECT_EQ(CityListText(akashi, true), "Akashi");
  EXPECT_EQ(CityListText(akashi, false), "明石市");

  EXPECT_EQ(PlaceName(hyogo, akashi, false), "兵庫県明石市");
  EXPECT_EQ(PlaceName(hyogo, akashi, true), "Akashi, Hyogo") << "never the prefix";
  EXPECT_EQ(PlaceName(france, paris, false), "パリ, フランス");
  EXPECT_EQ(PlaceName(france, paris, true), "Paris, France");
}

}  // namespace
