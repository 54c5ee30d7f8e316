// Every command that takes a design takes every design option, and the
// commands' failures speak the user's language.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "../platform/ScratchFolder.h"
#include "CommandHelp.h"
#include "CommandRun.h"
#include "DesignOptions.h"
#include "FileIo.h"
#include "UiLanguage.h"

namespace {

// A value each option takes; a new option without one here fails the test.
const std::map<std::string_view, std::string> kSampleValues = {{"--lat", "51.5"},
                                                               {"--lon", "-0.1"},
                                                               {"--tz", "0"},
                                                               {"--name", "London"},
                                                               {"--compatible", "no"},
                                                               {"--leap", "no"},
                                                               {"--time-system", "1"},
                                                               {"--rise-set", "no"},
                                                               {"--adjust", "no"},
                                                               {"--date", "6/21"},
                                                               {"--season", "0"},
                                                               {"--day", "172"},
                                                               {"--start", "6"},
                                                               {"--end", "18"},
                                                               {"--interval", "60"},
                                                               {"--plane", "horizontal"},
                                                               {"--facing", "S"},
                                                               {"--tilt", "0"},
                                                               {"--date-lines", "months"},
                                                               {"--hour-curves", "halves"},
                                                               {"--nodus", "12.5"},
                                                               {"--scale-bar", "off"}};

bool HasCjk(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0xE3; });
}

TEST(DesignOptions, EveryDesignCommandTakesEveryOptionAndInfoSavesThem) {
  ScratchFolder scratch("design-options");
  CommandArgs design;
  for (const DesignOptionRow& row : DesignOptionTable()) {
    const auto sample = kSampleValues.find(row.name);
    ASSERT_NE(sample, kSampleValues.end()) << row.name << " has no sample value";
    design.insert(design.end(), {std::string(row.name), sample->second});
  }
  const std::string document = scratch.Path("all.ufx");
  const CommandArgs commands[] = {{"info", "--save", document},
                                  {"solars"},
                                  {"lines"},
                                  {"table", "eot", "-o", scratch.Path("eot.csv")},
                                  {"clock", "-o", scratch.Path("clock.png"), "--size", "32"},
                                  {"export", "-o", scratch.Path("page.png"), "--dpi", "10"}};
  for (CommandArgs args : commands) {
    args.insert(args.end(), design.begin(), design.end());
    const CommandResult r = RunCommandLine(args);
    EXPECT_EQ(r.status, 0) << args[0] << ": " << r.err;
    EXPECT_NE(CommandHelpText(args[0])->find("--scale-bar on|off"), std::string::npos) << args[0];
  }
  // What the window would have stored for the same choices.
  const std::string saved = ReadFileBytes(document).value_or("");
  for (const char* key : {"DateLines=3", "HourCurves=2", "NodusHeight=12.5", "ScaleBar=0"}) {
    EXPECT_NE(saved.find(key), std::string::npos) << key;
  }
  // A refused value is a usage error on every command, with its own reason.
  for (const char* command : {"info", "solars", "clock", "export", "print", "lines"}) {
    const CommandResult r = RunCommandLine({command, "--date-lines", "weeks"});
    EXPECT_EQ(r.status, 1) << command;
    EXPECT_NE(r.err.find("--date-lines"), std::string::npos) << r.err;
  }
}

TEST(DesignOptions, FailuresSpeakTheUsersLanguage) {
  ScratchFolder scratch("failure-language");
  const CommandArgs failures[] = {{"info", "--latitude", "35"},
                                  {"info", "--lat", "-90"},
                                  {"info", "--nodus", "-3"},
                                  {"info", "--save", "x.txt"},
                                  {"info", scratch.Path("missing.ufx")},
                                  {"export", "-o", "x.doc"},
                                  {"clock", "--at", "tomorrow", "-o", "x.png"},
                                  {"lines", "--paper", "A9"},
                                  {"table", "moon", "-o", "x.csv"},
                                  {"wall", "--lat", "35"},
                                  {"print", "--copies", "0"}};
  for (const UiLanguage language : {UiLanguage::English, UiLanguage::Japanese}) {
    InstallUiLanguage(language);
    for (const CommandArgs& args : failures) {
      const CommandResult r = RunCommandLine(args);
      EXPECT_NE(r.status, 0) << args[0] << ' ' << args[1];
      const std::string reason = r.err.substr(0, r.err.find('\n'));
      EXPECT_EQ(HasCjk(reason), language == UiLanguage::Japanese) << reason;
    }
  }
  InstallUiLanguage(LanguageFromLocale());
}

}  // namespace
