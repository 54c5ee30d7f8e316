// The export dialog's rules, without the dialog.
#include <gtest/gtest.h>

#include "ExportChoice.h"
#include "PrintJob.h"

namespace {

TEST(ExportChoice, StartsFromThePrinterAndFallsBackToA4Portrait) {
  const ExportChoice letter(ExportKind::Pdf, kPaperLetter, kLandscape, 1);
  EXPECT_EQ(letter.Paper(), kPaperLetter);
  EXPECT_EQ(letter.Orientation(), kLandscape);
  const ExportChoice tabloid(ExportKind::Png, 3, 0, 5);
  EXPECT_EQ(tabloid.Paper(), kPaperA4);
  EXPECT_EQ(tabloid.Orientation(), kPortrait);
  EXPECT_EQ(tabloid.PageCount(), 2);
  EXPECT_EQ(ExportPapers().size(), 7u);
  for (const PaperName& paper : ExportPapers()) EXPECT_TRUE(IsSupportedPaper(paper.code));
}

TEST(ExportChoice, PageAndResolutionApplyToPicturesOnly) {
  ExportChoice pdf(ExportKind::Pdf, kPaperA4, kPortrait, 2);
  EXPECT_FALSE(pdf.PageApplies());
  EXPECT_FALSE(pdf.DpiApplies());
  pdf.setDpi(0);  // not asked for, so no reason to refuse
  EXPECT_EQ(pdf.Problem(), "");
  ASSERT_EQ(pdf.Files("dial.pdf").size(), 1u);

  ExportChoice png(ExportKind::Png, kPaperB5, kPortrait, 1);
  EXPECT_FALSE(png.PageApplies());
  png.setPageCount(2);
  EXPECT_TRUE(png.PageApplies());
  const auto both = png.Files("dial.png");
  ASSERT_EQ(both.size(), 2u);
  EXPECT_EQ(both[1].path, "dial-2.png");
  EXPECT_EQ(both[1].pages.page, 2);
  EXPECT_EQ(both[1].pages.paperSize, kPaperB5);
  png.setPage(2);
  ASSERT_EQ(png.Files("dial.png").size(), 1u);
  EXPECT_EQ(png.Files("dial.png")[0].pages.page, 2);
  png.setPageCount(1);  // page 2 is gone: back to every page
  EXPECT_EQ(png.Page(), 0);
}

// Tiles need a face size and paper: a tiled job is one file that names its
// sheets, and a DXF is drawn whole.
TEST(ExportChoice, TilesApplyToPaperKindsOfASizedFace) {
  ExportChoice png(ExportKind::Png, kPaperA4, kPortrait, 2);
  png.setTiles(true);
  EXPECT_FALSE(png.TilesApply());
  EXPECT_FALSE(png.Files("dial.png").front().pages.tiles);
  png.setTilesAvailable(true);
  EXPECT_FALSE(png.PageApplies());
  ASSERT_EQ(png.Files("dial.png").size(), 1u);
  EXPECT_TRUE(png.Files("dial.png").front().pages.tiles);
  ExportChoice dxf(ExportKind::Dxf, kPaperA4, kPortrait, 1);
  dxf.setTiles(true);
  dxf.setTilesAvailable(true);
  EXPECT_FALSE(dxf.TilesApply());
  EXPECT_FALSE(dxf.Files("dial.dxf").front().pages.tiles);
}

TEST(ExportChoice, RefusesWhatCannotBeWritten) {
  ExportChoice png(ExportKind::Png, kPaperA4, kPortrait, 1);
  for (double dpi : {9.0, 2401.0, -1.0}) {
    png.setDpi(dpi);
    EXPECT_NE(png.Problem(), "") << dpi;
  }
  ExportChoice svg(ExportKind::Svg, kPaperA4, kPortrait, 1);
  EXPECT_EQ(svg.Problem(), "");
  svg.setPage(2);
  EXPECT_NE(svg.Problem(), "");
  svg.setPage(0);
  svg.setPaper(3);
  EXPECT_NE(svg.Problem(), "");
}

}  // namespace
