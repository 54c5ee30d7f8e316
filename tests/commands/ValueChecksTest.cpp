// The ranges of the design's keys as documents, preferences and the command
// line meet them, and the rules for the dates given on the command line.
#include <gtest/gtest.h>

#include <filesystem>

#include "../platform/ScratchFolder.h"
#include "AppIni.h"
#include "CommandRun.h"
#include "FileIo.h"
#include "Preferences.h"
#include "SettingsKeys.h"
#include "TextCodec.h"

namespace fs = std::filesystem;

namespace {

std::string WriteCp932(const std::string& path, const std::string& utf8) {
  EXPECT_TRUE(WriteFileAtomically(path, *Utf8ToCp932(utf8)));
  return path;
}

// What the preferences set: every group's texts, the place and the interval.
std::string PreferredDesign() {
  MainModel model;
  LoadPreferences(model);
  std::string text;
  for (const SettingsSection& section : SettingsSections()) {
    for (const auto& [key, value] : section.entries(model)) text += key + "=" + value + "\n";
  }
  const ChartLocation& place = model.Chart().Location();
  return text + std::to_string(place.Latitude()) + "," + std::to_string(place.Longitude()) + "," +
         std::to_string(model.calcTime.interval);
}

TEST(ValueChecks, EachKeyHasOneRangeInDocumentsPreferencesAndCommands) {
  const ScratchFolder scratch("value-ranges");
  const std::string ini = scratch.Path("umbrafex.ini");
  SetAppIniPath(ini);
  const std::string defaults = PreferredDesign();
  struct Case {
    const char* section;
    const char* preferenceSection;  // the key's section in the preferences, if any
    const char* key;
    const char* value;
    const char* reason;
  };
  const Case cases[] = {
      {"DialOption", "DialOption", "NodusHeight", "1e308", "0～1000の範囲で指定してください"},
      {"DialOption", "DialOption", "NodusHeight", "-5", "0～1000の範囲で指定してください"},
      {"DialOption", "DialOption", "DateLines", "99", "0～4の範囲で指定してください"},
      {"DialOption", "DialOption", "DateLines", "-1", "0～4の範囲で指定してください"},
      {"DialOption", "DialOption", "HourCurves", "7", "0～2の範囲で指定してください"},
      {"DialOption", "DialOption", "LineWidth", "100", "0以上100未満の値を指定してください"},
      {"DialColor", "DialColor", "HourLine", "16777216", "0～16777215の範囲で指定してください"},
      {"DialTimeFont", "DialTimeFont", "Size", "0", "0より大きく2048以下の値を指定してください"},
      {"CalcTime", "Main", "Interval", "25", "10、15、20、30、60のいずれかを指定してください"},
      {"Location", "Main", "Latitude", "95", "-90より大きく90未満の値を指定してください"},
      {"Season", nullptr, "EquationOfTime", "1e300", "-20より大きく20未満の値を指定してください"},
      {"DialPlane", nullptr, "Tilt", "181", "0～180の範囲で指定してください"},
  };
  const std::string saved = scratch.Path("saved.ufx");
  for (const Case& c : cases) {
    const std::string line = std::string(c.key) + "=" + c.value;
    // A document is refused with the key, its value and the range; nothing is saved.
    const std::string document = WriteCp932(
        scratch.Path("bad.ufx"), "[Umbrafex]\r\n[" + std::string(c.section) + "]\r\n" + line);
    const CommandResult r = RunCommandLine({"info", document, "--save", saved});
    EXPECT_EQ(r.status, 2) << line;
    EXPECT_EQ(r.err, document + "を開くことができません。\n[" + c.section + "] " + line + " : " +
                         c.reason + "\n");
    EXPECT_FALSE(fs::exists(saved));
    // The preferences keep the start-up value instead.
    if (!c.preferenceSection) continue;
    WriteCp932(ini, "[" + std::string(c.preferenceSection) + "]\r\n" + line + "\r\n");
    EXPECT_EQ(PreferredDesign(), defaults) << line;
  }
  SetAppIniPath("");

  // The command line: the nodus's range, both signs of zero, and an interval
  // the dial does not take as a refused value (2), like the engine's refusals.
  EXPECT_EQ(RunCommandLine({"lines", "--nodus", "1000.5"}).status, 1);
  const CommandResult highest =
      RunCommandLine({"lines", "--nodus", "1000", "--date-lines", "seasons"});
  EXPECT_EQ(highest.status, 0) << highest.err;
  EXPECT_EQ(highest.out.find("nan"), std::string::npos);
  EXPECT_EQ(highest.out.find("inf"), std::string::npos);
  EXPECT_EQ(RunCommandLine({"info", "--lat", "+0", "--lon", "+135"}).status, 0);
  EXPECT_EQ(RunCommandLine({"info", "--lat", "+-1"}).status, 1);
  for (const char* command : {"info", "solars"}) {
    const CommandResult r = RunCommandLine({command, "--interval", "-1"});
    EXPECT_EQ(r.status, 2) << command;
    EXPECT_FALSE(r.err.empty());
  }
}

TEST(ValueChecks, EveryDateIsCheckedAndADateWithSeasonZeroIsTheDay) {
  const ScratchFolder scratch("value-dates");
  // Checked whatever else is given.
  for (const CommandArgs& args : {CommandArgs{"info", "--date", "2/30"},
                                  CommandArgs{"info", "--date", "2/29", "--leap", "no"},
                                  CommandArgs{"info", "--date", "65537/1", "--adjust", "yes"},
                                  CommandArgs{"info", "--date", "13/1", "--season", "2"}}) {
    const CommandResult r = RunCommandLine(args);
    EXPECT_EQ(r.status, 2) << args[2];
    EXPECT_TRUE(r.out.empty());
  }
  EXPECT_EQ(RunCommandLine({"info", "--date", "2/29", "--leap", "yes"}).status, 0);

  // With --season 0 the date is the design's day (15 March, day 74), saved so.
  const std::string saved = scratch.Path("day.ufx");
  CommandResult r = RunCommandLine({"info", "--date", "3/15", "--season", "0", "--save", saved});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("3/15"), std::string::npos) << r.out;
  const std::string text = Cp932ToUtf8(ReadFileBytes(saved).value_or(""));
  EXPECT_NE(text.find("CalcSeason=0\r\nCalcDate=74\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("EquationOfTime=0\r\n"), std::string::npos);

  // A season or a day number overrides the date, which is then said to do nothing.
  r = RunCommandLine({"info", "--date", "3/15", "--season", "2"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "umbrafex: 注意: --season 2 を指定したため --date は使われません\n");
  r = RunCommandLine({"info", "--date", "3/15", "--day", "100"});
  EXPECT_NE(r.err.find("--day 100"), std::string::npos) << r.err;
}

}  // namespace
