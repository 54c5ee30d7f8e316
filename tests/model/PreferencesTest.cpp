#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "../platform/ScratchFolder.h"
#include "AppIni.h"
#include "FileIo.h"
#include "Paths.h"
#include "Preferences.h"
#include "TextCodec.h"
#include "TimeZone.h"
#include "ZonePlace.h"

namespace fs = std::filesystem;

namespace {

class PreferencesTest : public ::testing::Test {
 protected:
  void SetUp() override { SetAppIniPath(path_); }
  void TearDown() override { SetAppIniPath(""); }

  void WriteIni(const std::string& utf8) {
    fs::create_directories(folder_ / "config");
    ASSERT_TRUE(WriteFileAtomically(path_, *Utf8ToCp932(utf8)));
  }
  const std::string& WriteIniAndPath() {
    WriteIni("");
    return path_;
  }
  std::string IniText() { return Cp932ToUtf8(ReadFileBytes(path_).value_or("")); }

  ScratchFolder scratch_{"prefs"};
  const fs::path& folder_ = scratch_.path();
  std::string path_ = scratch_.Path("config/umbrafex.ini");
};

TEST_F(PreferencesTest, FirstStartShowsTheDefaultPlace) {
  MainModel model;
  model.Chart().Location().setTimeZone(3);  // the ini's default is the default place's zone
  LoadPreferences(model);
  const ChartLocation& location = model.Chart().Location();
  EXPECT_EQ(location.Name(), "兵庫県明石市");
  EXPECT_EQ(location.Latitude(), 34.65);
  EXPECT_EQ(location.Longitude(), 135);
  EXPECT_EQ(location.TimeZone(), DefaultDesignPlace().timeZone);
  EXPECT_EQ(model.Chart().TimeSystem(), kMeanStandardTime);
  EXPECT_EQ(model.calcTime.interval, 30);
  EXPECT_EQ(model.dialOption.picture, AppFolder() + "/bkgcolor.wmf");
  EXPECT_EQ(model.mainWindow.left, 0);
  EXPECT_FALSE(fs::exists(path_));
}

TEST_F(PreferencesTest, SavedPreferencesComeBackAtTheNextStart) {
  MainModel first;
  first.Chart().setTimeSystem(kTrueSolarTime);
  first.Chart().setCompatible(false);
  first.Chart().Location().setName("沖縄県那覇市");
  first.Chart().Location().setLatitude(26.2125);
  first.Chart().Location().setLongitude(127.68111);
  first.Chart().Location().setTimeZone(9);
  first.calcTime.interval = 10;
  first.season.adjustEquation = true;
  first.lastDir = "/home/user/My Dials";
  first.general.debugMode = true;
  first.mainWindow.left = 120.5;
  first.mainWindow.top = 80.4;
  first.dialOption.picture = "/opt/bkg color.wmf";
  first.dialOption.lineWidth = 0.75;
  first.dialOption.maxPages = 2;
  first.dialColor.gnomonFill = kColorDarkGreen;
  first.dialTimeFont = {"Noto Sans CJK JP", 13.5, false, true, false, true};
  first.clockOption.invertShadow = false;
  first.clockNightColor.shadowFill = kColorRed;
  first.clockTimeFont.bold = false;
  SavePreferences(first);

  const std::string text = IniText();
  EXPECT_TRUE(
      text.starts_with("[Umbrafex]\r\nVersion=3.04.00\r\n\r\n[Main]\r\nPosition=120, 80\r\n"));
  EXPECT_NE(text.find("LastDir=\"/home/user/My Dials\"\r\n"), std::string::npos);
  EXPECT_NE(text.find("[DialOption]\r\nPicture=\"/opt/bkg color.wmf\"\r\nMaxPages=2\r\n"),
            std::string::npos);

  MainModel second;
  LoadPreferences(second);
  EXPECT_EQ(second.Chart().TimeSystem(), kTrueSolarTime);
  EXPECT_FALSE(second.Chart().Compatible());
  EXPECT_EQ(second.Chart().Location().Name(), "沖縄県那覇市");
  EXPECT_EQ(second.Chart().Location().Longitude(), 127.68111);
  EXPECT_EQ(second.calcTime.interval, 10);
  EXPECT_TRUE(second.season.adjustEquation);
  EXPECT_EQ(second.lastDir, "/home/user/My Dials");
  EXPECT_TRUE(second.general.debugMode);
  EXPECT_EQ(second.mainWindow.left, 120);
  EXPECT_EQ(second.mainWindow.top, 80);
  EXPECT_EQ(second.dialOption.picture, "/opt/bkg color.wmf");
  EXPECT_EQ(second.dialOption.lineWidth, 0.75);
  EXPECT_EQ(second.dialOption.maxPages, 2);
  EXPECT_EQ(second.dialColor.gnomonFill, kColorDarkGreen);
  EXPECT_EQ(second.dialTimeFont, first.dialTimeFont);
  EXPECT_FALSE(second.clockOption.invertShadow);
  EXPECT_EQ(second.clockNightColor.shadowFill, kColorRed);
  EXPECT_FALSE(second.clockTimeFont.bold);

  // Saving again changes nothing.
  SavePreferences(second);
  EXPECT_EQ(IniText(), text);
}

// No key until a language is chosen, so the file stays as older versions
// write it; a chosen one sits beside the version and comes back.
TEST_F(PreferencesTest, TheChosenLanguageIsKeptOnlyOnceChosen) {
  MainModel model;
  LoadPreferences(model);
  EXPECT_EQ(model.language, "");
  SavePreferences(model);
  EXPECT_EQ(IniText().find("Language"), std::string::npos);
  model.language = "en";
  SavePreferences(model);
  EXPECT_TRUE(IniText().starts_with("[Umbrafex]\r\nVersion=3.04.00\r\nLanguage=en\r\n\r\n"));
  MainModel next;
  LoadPreferences(next);
  EXPECT_EQ(next.language, "en");
}

TEST_F(PreferencesTest, ValueInTheWrongFormFailsOnlyItsOwnStep) {
  WriteIni(
      "[Main]\r\nPosition=300\r\nCompatible=maybe\r\nTimeSystem=abc\r\nLatitude=north\r\nLongitude="
      "139.7\r\n"
      "Interval=15\r\nTimeZone=99\r\nDebugMode=1\r\n"
      "[DialColor]\r\nHourLine=12abc\r\nMinuteLine=x\r\n"
      "[DialTimeFont]\r\nSize=big\r\nName=\"Quoted Name\"\r\n"
      "[DialOption]\r\nMaxPages=70000\r\nPrintMark=False\r\n");
  MainModel model;
  model.mainWindow.top = 33;
  LoadPreferences(model);
  EXPECT_EQ(model.mainWindow.left, 300);  // a single number moves the left only
  EXPECT_EQ(model.mainWindow.top, 33);
  EXPECT_TRUE(model.Chart().Compatible());
  EXPECT_EQ(model.Chart().TimeSystem(), kMeanStandardTime);
  EXPECT_EQ(model.Chart().Location().Latitude(), 34.65);
  EXPECT_EQ(model.Chart().Location().Longitude(), 139.7);
  EXPECT_EQ(model.Chart().Location().TimeZone(), DefaultDesignPlace().timeZone);  // 99 refused
  EXPECT_EQ(model.calcTime.interval, 15);
  EXPECT_TRUE(model.general.debugMode);
  EXPECT_EQ(model.dialColor.hourLine, 12);  // integers are read from the leading digits
  EXPECT_EQ(model.dialColor.minuteLine, kColorGrey);
  EXPECT_EQ(model.dialTimeFont.size, 12);
  EXPECT_EQ(model.dialTimeFont.name, "Quoted Name");
  EXPECT_EQ(model.dialOption.maxPages, 1);
  EXPECT_FALSE(model.dialOption.printMark);
}

TEST_F(PreferencesTest, OnlyWholeNumberKeysAreReadFromTheirLeadingDigits) {
  WriteIni(
      "[DialOption]\r\nTimeFormat=0th\r\nLineWidth=2.5pt\r\n"
      "[ClockOption]\r\nTimeFormat=1x\r\nInvertShadow=0x\r\n");
  MainModel model;
  LoadPreferences(model);
  EXPECT_EQ(model.dialOption.timeFormat, 0);
  EXPECT_EQ(model.dialOption.lineWidth, 1.0);
  EXPECT_EQ(model.clockOption.timeFormat, 1);
  EXPECT_TRUE(model.clockOption.invertShadow);
}

// Numbers of the right kind that the setting cannot take fall back as a
// wrong form does, and are never written back.
TEST_F(PreferencesTest, ValuesOutOfTheirRangeLeaveTheDefault) {
  for (const char* timeSystem : {"2", "-1", "-99999999999"}) {
    WriteIni(std::string("[Main]\r\nTimeSystem=") + timeSystem +
             "\r\nInterval=61\r\n[DialOption]\r\nMaxPages=0\r\nTimeFormat=7\r\n"
             "[DialColor]\r\nHourLine=-5\r\n[ClockDayColor]\r\nBackground=99999999\r\n");
    MainModel model;
    LoadPreferences(model);
    EXPECT_EQ(model.Chart().TimeSystem(), 1) << timeSystem;
    EXPECT_EQ(model.calcTime.interval, 30);
    EXPECT_EQ(model.dialOption.maxPages, 1);
    EXPECT_EQ(model.dialOption.timeFormat, 1);
    EXPECT_EQ(model.dialColor.hourLine, 255);
    EXPECT_EQ(model.clockDayColor.background, 16777215);
    SavePreferences(model);
    EXPECT_NE(IniText().find("TimeSystem=1\r\n"), std::string::npos) << timeSystem;
  }
}

TEST_F(PreferencesTest, SavingKeepsOtherWindowsAndAMinimisedPosition) {
  WriteIni(
      "; written by hand\r\n[PreviewWindow]\r\nPosition=10, 10, 320, 420\r\nShowGuide=True\r\n\r\n"
      "[Main]\r\nPosition=5, 6\r\n");
  MainModel model;
  model.mainWindow = {700, 800, 0, 0, 1};
  SavePreferences(model);
  const std::string text = IniText();
  EXPECT_TRUE(text.starts_with(
      "; written by hand\r\n[PreviewWindow]\r\nPosition=10, 10, 320, 420\r\nShowGuide=True\r\n\r\n"
      "[Main]\r\nPosition=5, 6\r\nCompatible=True\r\n"));
}

TEST_F(PreferencesTest, UnreadableIniIsNeitherUsedNorReplaced) {
  fs::create_directories(path_);  // a folder where the file should be
  MainModel model;
  LoadPreferences(model);
  EXPECT_EQ(model.Chart().Location().Name(), "兵庫県明石市");
  EXPECT_FALSE(SavePreferences(model));
  EXPECT_TRUE(fs::is_directory(path_));
  EXPECT_EQ(PreferencesProblemMessage(), "設定ファイル " + path_ +
                                             " を使えません(同じ名前のフォルダがあります)。\n"
                                             "既定の設定で続けます。設定は保存されません。");
}

// Each file the preferences cannot live in is named with its reason, its
// values are not used, and it stays as it was.
TEST_F(PreferencesTest, IniProblemsAreNamedAndTheFileIsKept) {
  MainModel model;
  EXPECT_EQ(PreferencesProblemMessage(), "");  // a missing file is made at exit
  const std::string utf16("\xFF\xFE[\0M\0a\0i\0n\0]\0\r\0\n\0N\0a\0m\0e\0=\0x\0", 26);
  const std::string plain = *Utf8ToCp932("[Main]\r\nName=札幌\r\n");
  const std::pair<std::string, std::string> cases[] = {
      {utf16, "UTF-16"}, {std::string(utf16).substr(2), "UTF-16"}, {plain, "読み取り専用"}};
  for (const auto& [bytes, reason] : cases) {
    fs::remove(path_);
    WriteIni("");
    ASSERT_TRUE(WriteFileAtomically(path_, bytes));
    if (reason == "読み取り専用") fs::permissions(path_, fs::perms::owner_read);
    EXPECT_NE(PreferencesProblemMessage().find(reason), std::string::npos) << reason;
    LoadPreferences(model);
    if (reason == "UTF-16") {
      EXPECT_EQ(model.Chart().Location().Name(), "兵庫県明石市");
    }
    EXPECT_FALSE(SavePreferences(model)) << reason;
    EXPECT_EQ(PutIniString("Other", "Key", "1"), 0);
    EXPECT_EQ(ReadFileBytes(path_), bytes) << reason;
    EXPECT_NE(PreferencesNotSavedMessage().find(path_), std::string::npos);
  }
  fs::remove(path_);
  fs::resize_file(fs::path(WriteIniAndPath()), kMaxProfileBytes + 1);
  EXPECT_NE(PreferencesProblemMessage().find("16 MB"), std::string::npos);
}

TEST_F(PreferencesTest, WindowPlacementKeepsWhatEachWindowStores) {
  WriteIni(
      "[InfoWindow]\r\nPosition=15, x, 250\r\nWindowState=2\r\n[LocationDialog]\r\nPosition=1, 2, "
      "3, 4\r\n");
  WindowPlacement info{0, 7, 200, 200, kWindowNormal};
  LoadWindowPlacement("InfoWindow", PlacementKeys::PositionSizeAndState, info);
  EXPECT_EQ(info.left, 15);
  EXPECT_EQ(info.top, 7);  // unreadable part: the previous value
  EXPECT_EQ(info.width, 250);
  EXPECT_EQ(info.height, 200);
  EXPECT_EQ(info.windowState, kWindowMaximized);

  WindowPlacement dialog{10, 10, 99, 99, kWindowNormal};
  LoadWindowPlacement("LocationDialog", PlacementKeys::Position, dialog);
  EXPECT_EQ(dialog.left, 1);
  EXPECT_EQ(dialog.top, 2);
  EXPECT_EQ(dialog.width, 99);

  SaveWindowPlacement("InfoWindow", PlacementKeys::PositionSizeAndState,
                      {1.5, 2.5, 300.49, -4.5, kWindowNormal});
  EXPECT_EQ(GetIniString("InfoWindow", "Position", ""), "2, 2, 300, -4");
  SaveWindowPlacement("InfoWindow", PlacementKeys::PositionSizeAndState,
                      {9, 9, 9, 9, kWindowMinimized});
  EXPECT_EQ(GetIniString("InfoWindow", "Position", ""), "2, 2, 300, -4");
  EXPECT_EQ(GetIniInt("InfoWindow", "WindowState", 0), kWindowMinimized);
  SaveWindowPlacement("LocationDialog", PlacementKeys::Position, {3, 4, 5, 6, kWindowNormal});
  EXPECT_EQ(GetIniString("LocationDialog", "Position", ""), "3, 4");
  EXPECT_EQ(GetIniInt("LocationDialog", "WindowState", -1), -1);
}

TEST_F(PreferencesTest, BooleansAndRealsFallBackOnWrongForms) {
  WriteIni("[W]\r\nA=true\r\nB=0\r\nC=perhaps\r\nD=2.5\r\nE=2,5\r\n");
  EXPECT_TRUE(GetIniBool("W", "A", false));
  EXPECT_FALSE(GetIniBool("W", "B", true));
  EXPECT_TRUE(GetIniBool("W", "C", true));
  EXPECT_TRUE(GetIniBool("W", "Missing", true));
  EXPECT_EQ(GetIniReal("W", "D", 1), 2.5);
  EXPECT_EQ(GetIniReal("W", "E", 1), 1);
  PutIniBool("W", "F", false);
  PutIniReal("W", "G", 1.25);
  EXPECT_EQ(GetIniString("W", "F", ""), "False");
  EXPECT_EQ(GetIniString("W", "G", ""), "1.25");
}

}  // namespace
