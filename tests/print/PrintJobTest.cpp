// Paper factors, the sheet layout and the order in which a print job draws
// its pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <new>
#include <string>
#include <vector>

#include "FakeSheet.h"
#include "MainModel.h"
#include "MathFunctions.h"
#include "PrintJob.h"

namespace {

TEST(PaperTest, FactorsAndSheetsOfThePapers) {
  EXPECT_DOUBLE_EQ(PaperFactor(kPaperA3), 1.41);
  EXPECT_DOUBLE_EQ(PaperFactor(kPaperA4), 1.0);
  EXPECT_DOUBLE_EQ(PaperFactor(kPaperB4), 1.23);
  EXPECT_DOUBLE_EQ(PaperFactor(kPaperB5), 0.87);
  EXPECT_DOUBLE_EQ(PaperFactor(kPaperLetter), 0.94);
  EXPECT_DOUBLE_EQ(PaperFactor(kPaperLegal), 1.03);
  EXPECT_DOUBLE_EQ(PaperFactor(kPaperA5), 0.70);
  for (int other : {0, 3, 7, 14, 256, -9}) {  // tabloid (3), executive (7), ...
    EXPECT_DOUBLE_EQ(PaperFactor(other), 1.0) << other;
    EXPECT_FALSE(IsSupportedPaper(other)) << other;
  }
  // B4 and B5 are the JIS sizes, not the ISO ones (250 x 353, 176 x 250).
  EXPECT_DOUBLE_EQ(PaperSheetSize(kPaperB4, kPortrait).width, 257);
  EXPECT_DOUBLE_EQ(PaperSheetSize(kPaperB4, kPortrait).height, 364);
  EXPECT_DOUBLE_EQ(PaperSheetSize(kPaperB5, kPortrait).width, 182);
  EXPECT_DOUBLE_EQ(PaperSheetSize(kPaperB5, kPortrait).height, 257);
  EXPECT_DOUBLE_EQ(PaperSheetSize(kPaperA3, kLandscape).width, 420);
  EXPECT_DOUBLE_EQ(PaperSheetSize(kPaperA3, kLandscape).height, 297);
  EXPECT_DOUBLE_EQ(PaperSheetSize(kPaperA4, kLandscape).width, 297);
  EXPECT_DOUBLE_EQ(PaperSheetSize(kPaperLetter, kPortrait).height, 279.4);
  EXPECT_DOUBLE_EQ(PaperSheetSize(kPaperLegal, kLandscape).width, 355.6);
}

TEST(LayoutTest, OnePagePortraitNorthAndSouth) {
  const DialLayout north = LayoutPage(1.0, kPortrait, 1, 34.65, 210, 297);
  EXPECT_DOUBLE_EQ(north.centerX, 105);
  EXPECT_NEAR(north.centerY, 106.15026, 1e-4);
  EXPECT_DOUBLE_EQ(north.gnomonX, 105);
  EXPECT_NEAR(north.gnomonY, 191.15026, 1e-4);
  EXPECT_DOUBLE_EQ(north.outerRadius, 75);
  EXPECT_DOUBLE_EQ(north.middleRadius, 65);
  EXPECT_DOUBLE_EQ(north.innerRadius, 30);

  // The south moves the gnomon's reference down by its whole extent G + T.
  const DialLayout south = LayoutPage(1.0, kPortrait, 1, -34.65, 210, 297);
  const double extent = 65 / std::cos(DegToRad(34.65)) + 10 * std::sin(DegToRad(34.65));
  EXPECT_DOUBLE_EQ(south.centerY, north.centerY);
  EXPECT_NEAR(south.gnomonY - north.gnomonY, extent, 1e-9);
  EXPECT_NEAR(south.gnomonY, 275.84974, 1e-4);
}

TEST(LayoutTest, OnePagePortraitLeavesEqualSpaceAboveAndBelowOnEveryPaper) {
  for (int16_t paper : {kPaperA3, kPaperA4, kPaperB4, kPaperB5}) {
    const double f = PaperFactor(paper);
    const SheetSize sheet = PaperSheetSize(paper, kPortrait);
    for (double latitude : {0.0, 20.0, 43.0, 60.0}) {
      const DialLayout l = LayoutPage(f, kPortrait, 1, latitude, sheet.width, sheet.height);
      const double phi = DegToRad(latitude);
      const double above = l.centerY - 75 * f - 10 * f;
      const double below =
          sheet.height - (l.gnomonY + 65 * f / std::cos(phi) + 10 * f * std::sin(phi));
      EXPECT_NEAR(above, below, 1e-9) << paper << " " << latitude;
      EXPECT_DOUBLE_EQ(l.outerRadius, 75 * f);
      EXPECT_DOUBLE_EQ(l.middleRadius, 65 * f);
      EXPECT_DOUBLE_EQ(l.innerRadius, 30 * f);
      EXPECT_DOUBLE_EQ(l.centerX, sheet.width / 2);
    }
  }
}

TEST(LayoutTest, OnePageLandscapePutsTheGnomonRightOfTheDial) {
  const DialLayout l = LayoutPage(1.41, kLandscape, 1, 34.65, 420, 297);
  EXPECT_NEAR(l.centerX, 146.29208, 1e-4);
  EXPECT_DOUBLE_EQ(l.centerY, 148.5);
  EXPECT_NEAR(l.gnomonX, 329.85, 1e-4);
  EXPECT_NEAR(l.gnomonY, 88.78687, 1e-4);
  // Half the gnomon's length above the centre line in the north, below in the south.
  const DialLayout south = LayoutPage(1.41, kLandscape, 1, -34.65, 420, 297);
  EXPECT_NEAR(south.gnomonY - 148.5, 148.5 - l.gnomonY, 1e-9);
  EXPECT_DOUBLE_EQ(south.gnomonX, l.gnomonX);
}

TEST(LayoutTest, TwoPagesCentreTheDialAndShiftTheGnomonAgainstTheHemisphere) {
  const DialLayout b5 = LayoutPage(0.87, kPortrait, 2, -35, 182, 257);
  EXPECT_DOUBLE_EQ(b5.centerX, 91);
  EXPECT_DOUBLE_EQ(b5.centerY, 128.5);
  EXPECT_DOUBLE_EQ(b5.gnomonX, 91);
  EXPECT_NEAR(b5.gnomonY, 163.01740, 1e-4);

  const DialLayout b4 = LayoutPage(1.23, kLandscape, 2, 50, 364, 257);
  EXPECT_DOUBLE_EQ(b4.centerX, 182);
  EXPECT_NEAR(b4.gnomonY, 66.30994, 1e-4);

  // Any count of two or more is two pages; the equator puts the gnomon in the middle.
  for (int16_t count : {2, 3, 100}) {
    const DialLayout l = LayoutPage(1.0, kPortrait, count, 0.0, 210, 297);
    EXPECT_DOUBLE_EQ(l.gnomonY, 148.5) << count;
    EXPECT_DOUBLE_EQ(l.centerY, 148.5) << count;
  }
  // Zero and negative counts are one page.
  for (int16_t count : {1, 0, -4}) {
    EXPECT_NEAR(LayoutPage(1.0, kPortrait, count, 34.65, 210, 297).centerY, 106.15026, 1e-4);
  }
}

TEST(LayoutTest, EquatorPortraitOnePageUsesTheBareBaseLength) {
  const DialLayout l = LayoutPage(1.0, kPortrait, 1, 0.0, 210, 297);
  // margin = (297 - 150 - 20 - 65 - 0) / 2 = 31
  EXPECT_DOUBLE_EQ(l.centerY, 31 + 10 + 75);
  EXPECT_DOUBLE_EQ(l.gnomonY, l.centerY + 85);
}

TEST(LayoutTest, ALatitudeWithoutFiniteLayoutRaises) {
  EXPECT_EQ(TrapStatus([&] { LayoutPage(1.0, kPortrait, 1, std::nan(""), 210, 297); }),
            Status::Error(6));
}

// Routines that log their calls ("rings", "title 1/2", ...) and fail on request.
struct LoggingRoutines {
  std::vector<std::string>& log;
  std::string failAt;
  std::vector<DialLayout> layouts;
  std::vector<double> gnomonFactors;

  Status Step(DialDesign design, const std::string& name) {
    log.push_back(name);
    if (name != failAt) return Status::Ok();
    return design.errors.Record(1004, "mdlDraw." + name, "描画できません: " + name);
  }

  SundialRoutines Table() {
    SundialRoutines r;
    auto element = [this](std::string name) {
      return [this, name](DialDesign m, DrawTarget&, const DialLayout& l, double) {
        layouts.push_back(l);
        return Step(m, name);
      };
    };
    r.dialRings = element("rings");
    r.backPicture = [this](DialDesign m, DrawTarget&, const DialLayout&) {
      return Step(m, "picture");
    };
    r.dialFace = element("face");
    r.gnomon = [this](DialDesign m, DrawTarget&, const DialLayout&, double, double f) {
      gnomonFactors.push_back(f);
      return Step(m, "gnomon");
    };
    r.dialMarks = element("dial marks");
    r.gnomonMarks = element("gnomon marks");
    r.information = [this](DialDesign m, DrawTarget&, const DialLayout&, double, double, int16_t,
                           int16_t) { return Step(m, "information"); };
    r.dialLines = element("lines");
    r.nodusMark = element("nodus");
    r.scaleBar = [this](DialDesign m, DrawTarget&, const DialLayout&, double, double, int16_t,
                        int16_t) { return Step(m, "scale bar"); };
    r.pageTitle = [this](DialDesign m, DrawTarget&, const DialLayout&, double, int16_t page,
                         int16_t count) {
      return Step(m, "title " + std::to_string(page) + "/" + std::to_string(count));
    };
    r.marginFrame = [this](DialDesign m, DrawTarget&) { return Step(m, "frame"); };
    return r;
  }
};

class PrintSequenceTest : public ::testing::Test {
 protected:
  std::vector<std::string> log;
  MainModel main;
  LoggingRoutines routines{log, {}, {}, {}};
  FakeDocument document{log, kPaperA4, kPortrait, 210, 297};

  using Log = std::vector<std::string>;
};

TEST_F(PrintSequenceTest, OnePageDrawsEverythingThenTitleAndEnds) {
  main.dialOption.printTitle = true;
  main.general.debugMode = false;
  EXPECT_EQ(PrintSundial(main, document, 1, routines.Table()), Status::Ok());
  EXPECT_EQ(log, (Log{"start", "rings", "picture", "face", "lines", "gnomon", "dial marks",
                      "gnomon marks", "nodus", "information", "scale bar", "title 1/1", "end"}));
}

TEST_F(PrintSequenceTest, TwoPagesSplitDialAndGnomonWithOneBreakBetween) {
  main.dialOption.printTitle = true;
  main.general.debugMode = true;
  EXPECT_EQ(PrintSundial(main, document, 2, routines.Table()), Status::Ok());
  EXPECT_EQ(log, (Log{"start", "rings", "picture", "face", "lines", "dial marks", "information",
                      "scale bar", "title 1/2", "frame", "new page", "gnomon", "gnomon marks",
                      "nodus", "scale bar", "title 2/2", "frame", "end"}));
}

TEST_F(PrintSequenceTest, SwitchesOffLeaveNoTitleAndCountsAboveTwoPrintTwoPages) {
  main.dialOption.printTitle = false;
  main.general.debugMode = false;
  EXPECT_EQ(PrintSundial(main, document, 7, routines.Table()), Status::Ok());
  EXPECT_EQ(log,
            (Log{"start", "rings", "picture", "face", "lines", "dial marks", "information",
                 "scale bar", "new page", "gnomon", "gnomon marks", "nodus", "scale bar", "end"}));
  log.clear();
  main.general.debugMode = true;
  EXPECT_EQ(PrintSundial(main, document, -1, routines.Table()), Status::Ok());
  EXPECT_EQ(log.size(), 13u);
  EXPECT_EQ(log[11], "frame");
}

// The title and debug switches are read again for every page: a switch
// changed while page 1 is printed holds for what follows.
TEST_F(PrintSequenceTest, SwitchesAreReadAfreshForEveryPage) {
  main.dialOption.printTitle = true;
  main.general.debugMode = false;
  SundialRoutines table = routines.Table();
  const auto title = table.pageTitle;
  table.pageTitle = [this, title](DialDesign m, DrawTarget& t, const DialLayout& l, double z,
                                  int16_t page, int16_t count) {
    main.dialOption.printTitle = false;
    main.general.debugMode = true;
    return title(m, t, l, z, page, count);
  };
  EXPECT_EQ(PrintSundial(main, document, 2, table), Status::Ok());
  EXPECT_EQ(log, (Log{"start", "rings", "picture", "face", "lines", "dial marks", "information",
                      "scale bar", "title 1/2", "frame", "new page", "gnomon", "gnomon marks",
                      "nodus", "scale bar", "frame", "end"}));
}

TEST_F(PrintSequenceTest, AFailingRoutineAbortsTheJobWithItsOwnError) {
  main.dialOption.printTitle = true;
  routines.failAt = "face";
  const Status status = PrintSundial(main, document, 2, routines.Table());
  EXPECT_EQ(status, Status::Error(1004));
  EXPECT_EQ(log, (Log{"start", "rings", "picture", "face", "kill"}));
  EXPECT_EQ(main.lastError.number, 1004);
  EXPECT_EQ(main.lastError.source, "mdlDraw.face");
  EXPECT_EQ(main.lastError.description, "描画できません: face");

  log.clear();
  routines.failAt = "gnomon marks";
  EXPECT_EQ(PrintSundial(main, document, 2, routines.Table()), Status::Error(1004));
  EXPECT_EQ(log.back(), "kill");
  EXPECT_EQ(std::count(log.begin(), log.end(), "end"), 0);
  EXPECT_EQ(std::count(log.begin(), log.end(), "title 2/2"), 0);
}

TEST_F(PrintSequenceTest, DocumentFailuresAreRecordedAndNothingIsKept) {
  document.failStart = true;
  EXPECT_EQ(PrintSundial(main, document, 1, routines.Table()), Status::Error(482));
  EXPECT_EQ(main.lastError.description, "start refused");
  EXPECT_TRUE(log.empty());  // nothing drawn, nothing to abandon

  document.failStart = false;
  document.failEnd = true;
  EXPECT_EQ(PrintSundial(main, document, 1, routines.Table()), Status::Error(75));
  EXPECT_EQ(log.back(), "kill");
  EXPECT_EQ(main.lastError.source, "Printer");

  // A fault of the platform, not an error of ours, still aborts and is recorded.
  document.failEnd = false;
  log.clear();
  SundialRoutines table = routines.Table();
  table.dialFace = [](DialDesign, DrawTarget&, const DialLayout&, double) -> Status {
    throw std::bad_alloc();
  };
  EXPECT_EQ(PrintSundial(main, document, 1, table), Status::Error(7));
  EXPECT_EQ(log.back(), "kill");

  // A success afterwards clears the record.
  EXPECT_EQ(PrintSundial(main, document, 1, routines.Table()), Status::Ok());
  EXPECT_EQ(main.lastError.number, 0);
}

TEST_F(PrintSequenceTest, LayoutFollowsTheDocumentsPaperOrientationAndLatitude) {
  std::vector<std::string> other;
  FakeDocument b5Landscape{other, kPaperB5, kLandscape, 257, 182};
  main.Chart().Location().setLatitude(-35);
  ASSERT_EQ(PrintSundial(main, b5Landscape, 1, routines.Table()), Status::Ok());
  ASSERT_FALSE(routines.layouts.empty());
  const DialLayout expected = LayoutPage(0.87, kLandscape, 1, -35, 257, 182);
  for (const DialLayout& l : routines.layouts) {
    EXPECT_DOUBLE_EQ(l.centerX, expected.centerX);
    EXPECT_DOUBLE_EQ(l.gnomonY, expected.gnomonY);
    EXPECT_DOUBLE_EQ(l.outerRadius, 75 * 0.87);
  }
  EXPECT_EQ(routines.gnomonFactors, std::vector<double>{0.87});
}

}  // namespace
