// What the location dialog and the listing window keep in the preferences.
#include <gtest/gtest.h>

#include <array>

#include "../platform/ScratchFolder.h"
#include "../support/ScopedTimeZone.h"
#include "AppIni.h"
#include "FileIo.h"
#include "InfoListing.h"
#include "LocationDialogModel.h"

namespace {

class DialogPreferencesTest : public ::testing::Test {
 protected:
  void SetUp() override { SetAppIniPath(path_); }
  void TearDown() override { SetAppIniPath(""); }

  ScratchFolder scratch_{"dialogprefs"};
  std::string path_ = scratch_.Path("umbrafex.ini");
};

TEST_F(DialogPreferencesTest, FirstOpeningUsesTheDefaults) {
  ScopedTimeZone tz("Asia/Tokyo");  // not in zones.dat: Akashi
  const LocationChoice choice = LoadLocationChoice(UMBRAFEX_RESOURCES_DIR);
  EXPECT_FALSE(choice.jgd2000);
  EXPECT_FALSE(choice.english);
  EXPECT_EQ(choice.selectPref, 28);
  EXPECT_EQ(choice.selectCity, 6);
  const WindowPlacement dialog = LoadLocationDialogPlacement();
  EXPECT_EQ(dialog.left, 10);
  EXPECT_EQ(dialog.top, 10);
  const WindowPlacement info = LoadInfoWindowPlacement();
  EXPECT_EQ((std::array{info.left, info.top, info.width, info.height}),
            (std::array{0.0, 0.0, 200.0, 200.0}));
  EXPECT_EQ(info.windowState, kWindowNormal);
}

TEST_F(DialogPreferencesTest, FirstOpeningAbroadStartsAtTheZonesCityUntilAChoiceIsStored) {
  ScopedTimeZone tz("Europe/Berlin");
  LocationChoice choice = LoadLocationChoice(UMBRAFEX_RESOURCES_DIR);
  EXPECT_EQ((std::array{choice.selectPref, choice.selectCity}), (std::array<int16_t, 2>{70, 1}));
  choice = LoadLocationChoice(scratch_.Path("no-database"));
  EXPECT_EQ((std::array{choice.selectPref, choice.selectCity}), (std::array<int16_t, 2>{28, 6}));

  SaveLocationDialog({10, 10}, {false, false, 28, 6}, false);
  choice = LoadLocationChoice(UMBRAFEX_RESOURCES_DIR);
  EXPECT_EQ(choice.selectPref, 28) << "a stored choice wins";
}

TEST_F(DialogPreferencesTest, CancelKeepsOnlyThePlaceAndOkKeepsTheChoice) {
  const LocationChoice chosen{true, true, 48, 2};
  SaveLocationDialog({40, 50}, chosen, true);
  EXPECT_EQ(GetIniString("LocationDialog", "Position", ""), "40, 50");
  EXPECT_EQ(LoadLocationChoice(scratch_.Path("no-database")).selectPref, 28);

  SaveLocationDialog({41, 51, 0, 0, 1}, chosen, false);  // minimised: place kept
  EXPECT_EQ(GetIniString("LocationDialog", "Position", ""), "40, 50");
  EXPECT_EQ(GetIniString("LocationDialog", "JGD2000", ""), "True");
  const LocationChoice stored = LoadLocationChoice(scratch_.Path("no-database"));
  EXPECT_TRUE(stored.jgd2000);
  EXPECT_TRUE(stored.english);
  EXPECT_EQ(stored.selectPref, 48);
  EXPECT_EQ(stored.selectCity, 2);
}

TEST_F(DialogPreferencesTest, UnreadableValuesFallBackOneByOne) {
  ASSERT_TRUE(WriteFileAtomically(path_,
                                  "[LocationDialog]\r\nJGD2000=maybe\r\nEnglish=1\r\n"
                                  "SelectPref=70000\r\nSelectCity=3\r\nPosition=7\r\n"
                                  "[InfoWindow]\r\nPosition=5, 6, x\r\nWindowState=2\r\n"));
  const LocationChoice choice = LoadLocationChoice(scratch_.Path("no-database"));
  EXPECT_FALSE(choice.jgd2000);
  EXPECT_TRUE(choice.english);
  EXPECT_EQ(choice.selectPref, 28);
  EXPECT_EQ(choice.selectCity, 3);
  const WindowPlacement dialog = LoadLocationDialogPlacement();
  EXPECT_EQ(dialog.left, 7);
  EXPECT_EQ(dialog.top, 10);
  const WindowPlacement info = LoadInfoWindowPlacement();
  EXPECT_EQ((std::array{info.left, info.top, info.width, info.height}),
            (std::array{5.0, 6.0, 200.0, 200.0}));
  EXPECT_EQ(info.windowState, kWindowMaximized);

  SaveInfoWindowPlacement({1, 2, 300, 400, kWindowNormal});
  EXPECT_EQ(GetIniString("InfoWindow", "Position", ""), "1, 2, 300, 400");
  EXPECT_EQ(GetIniInt("InfoWindow", "WindowState", -1), kWindowNormal);
}

}  // namespace
