#include <gtest/gtest.h>

#include <sstream>

#include "CommonOptions.h"
#include "MainModel.h"

namespace {

constexpr ExtraOptionSpec kExtras[] = {{"--save", true}, {"--quiet", false}};

std::optional<ParsedCommandLine> Parse(const CommandArgs& args, std::string& error) {
  return ParseCommandLine(args, kExtras, error);
}

TEST(CommonOptionsParse, SortsSharedOptionsExtrasDocumentAndWords) {
  std::string error;
  const auto parsed =
      Parse({"eot", "design.UFX", "--lat", "-35.5", "--save", "out.ufx", "--quiet", "--date",
             "3/14", "--time-system", "0", "--rise-set", "no", "--name", "--lat"},
            error);
  ASSERT_TRUE(parsed) << error;
  EXPECT_EQ(parsed->common.document, "design.UFX");
  EXPECT_EQ(parsed->common.latitude, -35.5);
  EXPECT_EQ(parsed->common.seasonDate, std::make_pair(3, 14));
  EXPECT_EQ(parsed->common.timeSystem, kTrueSolarTime);
  EXPECT_EQ(parsed->common.includeRiseSet, false);
  // A name may look like an option; it is the value of --name.
  EXPECT_EQ(parsed->common.name, "--lat");
  // A saved document's path is the value of --save, not the document to load.
  EXPECT_EQ(parsed->Extra("--save"), "out.ufx");
  EXPECT_EQ(parsed->Extra("--quiet"), "");
  EXPECT_EQ(parsed->Extra("-o"), std::nullopt);
  EXPECT_EQ(parsed->positionals, std::vector<std::string>{"eot"});
}

TEST(CommonOptionsParse, RefusesWhatItCannotRead) {
  const std::vector<CommandArgs> bad = {
      {"--lat"},                // no value
      {"--lat", "north"},       // not a number
      {"--lat", "35x"},         // trailing text
      {"--lat", "nan"},         // not finite
      {"--interval", "7.5"},    // not whole
      {"--interval", "40000"},  // beyond 16 bits
      {"--time-system", "2"},   // only 0 or 1
      {"--leap", "true"},       // yes or no
      {"--summer-time", "on"},  // yes or no
      {"--date", "3-14"},       // M/D
      {"--frobnicate", "1"},    // unknown
      {"--save"},               // extra option without its value
      {"a.ufx", "b.ufx"},       // two documents
  };
  for (const auto& args : bad) {
    std::string error;
    EXPECT_FALSE(Parse(args, error)) << args.front();
    EXPECT_FALSE(error.empty());
  }
}

TEST(CommonOptionsPrepare, AppliesThePlaceBeforeTheDateBasisAndOverridesAfterIt) {
  std::string error;
  // A southern latitude makes the date basis choose the December solstice.
  auto parsed = Parse({"--lat", "-35"}, error);
  MainModel south;
  std::ostringstream err;
  ASSERT_EQ(PrepareModel(south, parsed->common, err), kExitOk);
  EXPECT_EQ(south.Chart().Season().CalcSeason(), 8);
  EXPECT_EQ(south.Chart().Season().EquationOfTime(), 0);

  // --season overrides what the date basis chose.
  parsed = Parse({"--lat", "-35", "--season", "2"}, error);
  MainModel overridden;
  ASSERT_EQ(PrepareModel(overridden, parsed->common, err), kExitOk);
  EXPECT_EQ(overridden.Chart().Season().CalcSeason(), 2);

  // A chosen day with the equation of time: 1 March of a leap year is day 61.
  parsed = Parse({"--leap", "yes", "--adjust", "yes", "--date", "3/1", "--start", "8.5", "--end",
                  "15", "--interval", "15", "--summer-time", "yes"},
                 error);
  MainModel dated;
  ASSERT_EQ(PrepareModel(dated, parsed->common, err), kExitOk);
  EXPECT_EQ(dated.Chart().Season().CalcDate(), 61);
  EXPECT_TRUE(dated.season.adjustEquation);
  EXPECT_NE(dated.Chart().Season().EquationOfTime(), 0);
  EXPECT_EQ(dated.calcTime.startTime, 8.5);
  EXPECT_EQ(dated.calcTime.endTime, 15);
  EXPECT_EQ(dated.calcTime.interval, 15);
  EXPECT_TRUE(dated.dialOption.summerTime);
  EXPECT_TRUE(err.str().empty());
}

TEST(CommonOptionsPrepare, EngineRefusalsEndWithTheirDescription) {
  struct Case {
    CommandArgs args;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"--lat", "90"}, "不正な緯度の値が指定されています。\n"},
      {{"--lon", "-180"}, "不正な経度の値が指定されています。\n"},
      {{"--tz", "13"}, "不正なタイムゾーンの値が指定されています。\n"},
  };
  for (const auto& c : cases) {
    std::string error;
    const auto parsed = Parse(c.args, error);
    ASSERT_TRUE(parsed);
    MainModel model;
    std::ostringstream err;
    EXPECT_EQ(PrepareModel(model, parsed->common, err), kExitFailure);
    EXPECT_EQ(err.str(), c.message);
  }

  // Day 366 exists only in a leap year; the day override fails otherwise.
  std::string error;
  for (const bool leap : {false, true}) {
    const auto parsed = Parse({"--leap", leap ? "yes" : "no", "--day", "366"}, error);
    MainModel model;
    std::ostringstream err;
    EXPECT_EQ(PrepareModel(model, parsed->common, err), leap ? kExitOk : kExitFailure);
    EXPECT_EQ(err.str().empty(), leap);
  }
}

TEST(CommonOptionsPrepare, DocumentThatCannotBeOpenedEndsTheCommand) {
  std::string error;
  const auto parsed = Parse({"/nonexistent/folder/design.ufx"}, error);
  ASSERT_TRUE(parsed);
  MainModel model;
  std::ostringstream err;
  EXPECT_EQ(PrepareModel(model, parsed->common, err), kExitFailure);
  EXPECT_EQ(err.str(), "/nonexistent/folder/design.ufxを開くことができません。\n");
}

}  // namespace
