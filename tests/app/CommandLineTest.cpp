// The desktop program's command line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "../print/EnglishTexts.h"
#include "CommandLine.h"
#include "DisplayCheck.h"

namespace {

TEST(CommandLineTest, OneDocumentPathQuotedSplitOrPlain) {
  EXPECT_EQ(ReadDesktopCommandLine({}).documentPath, "");
  EXPECT_EQ(ReadDesktopCommandLine({"dial.ufx"}).documentPath, "dial.ufx");
  EXPECT_EQ(ReadDesktopCommandLine({"\"/home/a/my dial.ufx\""}).documentPath,
            "/home/a/my dial.ufx");
  EXPECT_EQ(ReadDesktopCommandLine({"/home/a/my", "dial.ufx"}).documentPath, "/home/a/my dial.ufx");
  EXPECT_EQ(ReadDesktopCommandLine({"bogus"}).kind, DesktopRequest::Kind::Window);
  EXPECT_EQ(ReadDesktopCommandLine({"\""}).documentPath, "\"");
}

TEST(CommandLineTest, OptionsAreHelpVersionOrAUsageError) {
  const EnglishTexts english;
  EXPECT_EQ(ReadDesktopCommandLine({"--help"}).kind, DesktopRequest::Kind::Help);
  EXPECT_EQ(ReadDesktopCommandLine({"-h"}).kind, DesktopRequest::Kind::Help);
  EXPECT_EQ(ReadDesktopCommandLine({"--version"}).kind, DesktopRequest::Kind::Version);
  const DesktopRequest wrong = ReadDesktopCommandLine({"-x", "dial.ufx"});
  EXPECT_EQ(wrong.kind, DesktopRequest::Kind::UsageError);
  EXPECT_EQ(wrong.reason, "unknown option: -x");
  EXPECT_EQ(DesktopVersion(), "Umbrafex Version 3.4.0\n");
}

TEST(CommandLineTest, UsageListsEveryCommand) {
  for (const char* name : {"solars", "info", "table", "export", "clock", "print"}) {
    EXPECT_NE(DesktopUsage().find("         " + std::string(name) + " "), std::string::npos)
        << name;
  }
}

TEST(CommandLineTest, MistypedCommandIsToldApartFromADocument) {
  const EnglishTexts english;
  const FileProbe none = [](const std::string&) { return false; };
  const std::string message = MistypedCommandMessage({"exprot", "-o", "x.pdf"}, none);
  EXPECT_EQ(message.substr(0, message.find('\n')),
            "umbrafex: unknown command 'exprot' \u2014 did you mean 'export'?");
  EXPECT_NE(MistypedCommandMessage({"zzzzzz", "--lat", "1"}, none), "");
  // A real document, a path in several words, or no option: the window's business.
  const FileProbe dial = [](const std::string& p) { return p == "my -dial.ufx"; };
  EXPECT_EQ(MistypedCommandMessage({"my", "-dial.ufx"}, dial), "");
  EXPECT_EQ(MistypedCommandMessage({"exprot"}, none), "");
  EXPECT_EQ(MistypedCommandMessage({"exprot", "x.pdf"}, none), "");
}

TEST(CommandLineTest, NoDisplayNamesTheReasonAndTheNearestCommand) {
  const EnglishTexts english;
  const FileProbe none = [](const std::string&) { return false; };
  const std::string typo = NoDisplayMessage({"exprot"}, "why", none);
  EXPECT_NE(typo.find("did you mean 'export'?"), std::string::npos);
  EXPECT_NE(typo.find("(why)"), std::string::npos);
  const FileProbe all = [](const std::string&) { return true; };
  EXPECT_EQ(NoDisplayMessage({"exprot"}, "why", all).find("unknown"), std::string::npos);
  EXPECT_EQ(NoDisplayMessage({}, "why", none).find("unknown"), std::string::npos);
}

// Restores the display variables a test changes.
class DisplayEnvironment : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : kNames) {
      const char* value = std::getenv(name);
      saved_.emplace_back(value != nullptr ? std::optional<std::string>(value) : std::nullopt);
      unsetenv(name);
    }
  }
  void TearDown() override {
    for (std::size_t i = 0; i < saved_.size(); ++i) {
      if (saved_[i])
        setenv(kNames[i], saved_[i]->c_str(), 1);
      else
        unsetenv(kNames[i]);
    }
  }
  static constexpr const char* kNames[] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
  std::vector<std::optional<std::string>> saved_;
};

TEST_F(DisplayEnvironment, NoneSetUnreachableOrSentElsewhere) {
  EXPECT_NE(DisplayProblem().find("DISPLAY"), std::string::npos);
  setenv("DISPLAY", ":9876", 1);  // no server listens there
  EXPECT_NE(DisplayProblem().find(":9876"), std::string::npos);
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  EXPECT_NE(DisplayProblem(), "");
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  EXPECT_EQ(DisplayProblem(), "");
}

TEST_F(DisplayEnvironment, NoDisplayMessageFollowsTheLanguage) {
  const FileProbe none = [](const std::string&) { return false; };
  EXPECT_EQ(NoDisplayMessage({}, DisplayProblem(), none),
            "umbrafex: ウィンドウを開くディスプレイがありません。"
            "(DISPLAY も WAYLAND_DISPLAY も設定されていません)\n"
            "画面を使わないコマンドは umbrafex --help をご覧ください。\n");
  const EnglishTexts english;
  const std::string message = NoDisplayMessage({}, DisplayProblem(), none);
  EXPECT_FALSE(HasJapanese(message)) << message;
  EXPECT_NE(message.find("DISPLAY"), std::string::npos);
}

}  // namespace
