// What the export checks before it prints: polar night stops it, the rest
// only warns.
#include <gtest/gtest.h>

#include <sstream>

#include "MainModel.h"
#include "OutputChecks.h"
#include "mdlPrint.h"

namespace {

TEST(OutputChecksTest, PolarNightStopsAndPageSplitWarnsOnlyNorthOfTheLimit) {
  MainModel main;
  main.DialOption.Picture.clear();
  main.Chart().Location().setLatitude(75);
  main.Season.AdjustEquation = true;
  main.Season.SeasonDate = {2026, 12, 21};
  ASSERT_EQ(main.ApplySeason(), kTrue);
  std::ostringstream err;
  EXPECT_FALSE(CheckOutputForScript(main, kPaperA4, kPortrait, 1, err));
  EXPECT_NE(err.str().find("日時計を作成することはできません。"), std::string::npos);

  struct Case {
    double latitude;
    int16_t paper, orientation, pages;
    bool warns;
  };
  for (const Case& c :
       {Case{45, kPaperA4, kPortrait, 1, true}, Case{44.99, kPaperA4, kPortrait, 1, false},
        Case{-60, kPaperA4, kPortrait, 1, false}, Case{45, kPaperA4, kPortrait, 2, false},
        Case{35, kPaperB5, kLandscape, 1, true}, Case{49, kPaperA3, kPortrait, 1, false}}) {
    main.Season.AdjustEquation = false;
    main.Chart().Location().setLatitude(c.latitude);
    ASSERT_EQ(main.ApplySeason(), kTrue);
    std::ostringstream notes;
    EXPECT_TRUE(CheckOutputForScript(main, c.paper, c.orientation, c.pages, notes));
    EXPECT_EQ(notes.str().find("印刷範囲からはみ出る可能性があります。") != std::string::npos,
              c.warns)
        << c.latitude << " " << c.paper << " " << c.orientation;
  }
}

TEST(OutputChecksTest, MissingBackgroundPictureIsLeftOutWithANote) {
  MainModel main;
  main.DialOption.Picture = "/no/such/picture.wmf";
  std::ostringstream err;
  EXPECT_TRUE(CheckOutputForScript(main, kPaperA4, kPortrait, 2, err));
  EXPECT_NE(err.str().find("指定された背景画像が見つかりません。"), std::string::npos);
  EXPECT_TRUE(main.DialOption.Picture.empty());
}

}  // namespace
