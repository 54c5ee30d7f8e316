// Every command that takes a design takes every design option, and the
// commands' failures speak the user's language.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "../platform/ScratchFolder.h"
#include "../print/EnglishTexts.h"
#include "CommandHelp.h"
#include "CommandRun.h"
#include "DesignOptions.h"
#include "FileIo.h"

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
                                                               {"--scale-bar", "off"},
                                                               {"--summer-time", "yes"},
                                                               {"--size", "100"},
                                                               {"--dial", "gnomon"},
                                                               {"--major", "1500"}};

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
  for (const char* key :
       {"DateLines=3", "HourCurves=2", "NodusHeight=12.5", "ScaleBar=False", "FaceSize=100"}) {
    EXPECT_NE(saved.find(key), std::string::npos) << key;
  }
  // The shell completes every one of them.
  const std::string completion =
      ReadFileBytes(UMBRAFEX_RESOURCES_DIR "/completion/umbrafex").value_or("");
  const auto completes = [&](std::string_view name) {
    for (std::size_t at = completion.find(name); at != std::string::npos;
         at = completion.find(name, at + 1)) {
      const char next = completion[at + name.size()];
      if (next == ' ' || next == '\n' || next == '"') return true;
    }
    return false;
  };
  for (const DesignOptionRow& row : DesignOptionTable())
    EXPECT_TRUE(completes(row.name)) << row.name;
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
  // The reason on the first line; the usage after it is the same in both.
  const auto reasons = [&] {
    std::string text;
    for (const CommandArgs& args : failures) {
      const CommandResult r = RunCommandLine(args);
      EXPECT_NE(r.status, 0) << args[0] << ' ' << args[1];
      text += r.err.substr(0, r.err.find('\n')) + '\n';
    }
    return text;
  };
  {
    const EnglishTexts english;
    const std::string text = reasons();
    EXPECT_FALSE(HasJapanese(text)) << text;
  }
  InstallUiLanguage(UiLanguage::Japanese);
  const std::string text = reasons();
  InstallUiLanguage(LanguageFromLocale());
  std::size_t start = 0;
  for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
    EXPECT_TRUE(HasJapanese(text.substr(start, end - start))) << text.substr(start, end - start);
    start = end + 1;
  }
}

}  // namespace
