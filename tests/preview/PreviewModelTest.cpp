// The preview's zoom, placement, scrolling, page switching and status texts.
#include <gtest/gtest.h>

#include "../print/EnglishTexts.h"
#include "PreviewModel.h"

namespace {

constexpr double kA4Width = 11906;
constexpr double kA4Height = 16838;

PreviewModel A4In(double areaWidth, double areaHeight) {
  PreviewModel model;
  model.setPageSize(kA4Width, kA4Height);
  model.Resize(areaWidth, areaHeight);
  return model;
}

TEST(PreviewZoomTest, FitModesClampsAndMinimum) {
  // A tall area fits the page to its width with 100 twips either side.
  PreviewModel tall = A4In(6000, 20000);
  EXPECT_DOUBLE_EQ(tall.Picture().left, 100);
  EXPECT_DOUBLE_EQ(tall.Picture().width, 5800);
  EXPECT_DOUBLE_EQ(tall.Picture().top, (20000 - tall.Picture().height) / 2);
  EXPECT_FALSE(tall.VerticalBar().visible);
  // A wide one fits its height.
  PreviewModel wide = A4In(20000, 6000);
  EXPECT_DOUBLE_EQ(wide.Picture().top, 100);
  EXPECT_DOUBLE_EQ(wide.Picture().height, 5800);
  EXPECT_NEAR(wide.Picture().left, (20000 - 5800 * kA4Width / kA4Height) / 2, 1e-9);

  // Page width in a wide window shows the top edge with the vertical bar.
  wide.FitPage(ZoomMode::PageWidth);
  EXPECT_DOUBLE_EQ(wide.Picture().left, 0);
  EXPECT_DOUBLE_EQ(wide.Picture().top, 0);
  EXPECT_TRUE(wide.VerticalBar().visible);
  EXPECT_FALSE(wide.HorizontalBar().visible);
  EXPECT_EQ(wide.VerticalBar().position, 0);

  // A tiny window never shows the page below 10 %, and scrolls instead.
  PreviewModel tiny = A4In(300, 300);
  EXPECT_DOUBLE_EQ(tiny.Zoom(), 0.1);
  EXPECT_EQ(tiny.ZoomText(), "10.00%");
  EXPECT_TRUE(tiny.HorizontalBar().visible);
  EXPECT_TRUE(tiny.VerticalBar().visible);
  EXPECT_DOUBLE_EQ(tiny.Picture().left, 0);  // held at the area's start

  // Clicks zoom in up to 2.0 and out down to 0.1.
  PreviewModel model = A4In(6000, 8000);
  for (int i = 0; i < 30; ++i) model.ZoomAt(ZoomMode::In, 100, 100);
  EXPECT_DOUBLE_EQ(model.Zoom(), 2.0);
  EXPECT_EQ(model.ZoomText(), "200.00%");
  for (int i = 0; i < 30; ++i) model.ZoomAt(ZoomMode::Out, 100, 100);
  EXPECT_NEAR(model.Zoom(), 0.1, 1e-12);
  EXPECT_EQ(model.Mode(), ZoomMode::Out);

  // A page fitted above 200 % in a big window is not shrunk by "zoom in".
  PreviewModel big = A4In(40000, 60000);
  const double fitted = big.Zoom();
  ASSERT_GT(fitted, 2.0);
  big.ZoomAt(ZoomMode::In, 1000, 1000);
  EXPECT_DOUBLE_EQ(big.Zoom(), fitted);
}

TEST(PreviewZoomTest, ZoomInKeepsTheClickedPointUnderThePointer) {
  PreviewModel model = A4In(6000, 8000);
  model.ZoomAt(ZoomMode::In, 0, 0);  // now larger than the area
  for (int i = 0; i < 4; ++i) {
    const PictureRect before = model.Picture();
    const double oldZoom = model.Zoom();
    // A point well inside, so that the limits do not move the page.
    const double x = -before.left + 3000;
    const double y = -before.top + 4000;
    model.ZoomAt(ZoomMode::In, x, y);
    const double ratio = model.Zoom() / oldZoom;
    EXPECT_NEAR(model.Picture().left + x * ratio, before.left + x, 1e-6);
    EXPECT_NEAR(model.Picture().top + y * ratio, before.top + y, 1e-6);
  }
  // A size change after a click keeps the zoom and only places the page.
  const double zoom = model.Zoom();
  EXPECT_FALSE(model.Resize(7000, 9000));
  EXPECT_DOUBLE_EQ(model.Zoom(), zoom);
  EXPECT_TRUE(A4In(100, 100).Resize(7000, 9000));
}

TEST(PreviewScrollTest, StepsStopAtBothEndsAndTheThumbUsesTheFullRange) {
  // A3 at 200 % is 47622 twips tall: past 16 bits.
  PreviewModel model;
  model.setPageSize(16838, 23811);
  model.Resize(8000, 8000);
  while (model.Zoom() < 2.0) model.ZoomAt(ZoomMode::In, 0, 0);
  const ScrollState& bar = model.VerticalBar();
  ASSERT_TRUE(bar.visible);
  EXPECT_EQ(bar.maximum, 47622);
  EXPECT_EQ(bar.pageSize, 8000);
  EXPECT_EQ(model.PageStep(), 4762);
  EXPECT_EQ(model.LineStep(), 476);

  model.Scroll(false, ScrollRequest::ThumbTrack, 0);
  model.Scroll(false, ScrollRequest::LineBack);
  EXPECT_EQ(model.VerticalBar().position, 0);
  EXPECT_DOUBLE_EQ(model.Picture().top, 0);
  model.Scroll(false, ScrollRequest::PageForward);
  EXPECT_EQ(bar.position, 4762);
  model.Scroll(false, ScrollRequest::LineForward);
  EXPECT_EQ(bar.position, 5238);
  model.Scroll(false, ScrollRequest::ThumbTrack, 40000);
  EXPECT_EQ(bar.position, 39622);  // maximum - page
  EXPECT_DOUBLE_EQ(model.Picture().top, -39622);
  model.Scroll(false, ScrollRequest::ThumbTrack, 35000);
  EXPECT_DOUBLE_EQ(model.Picture().top, -35000);
  model.Scroll(false, ScrollRequest::EndScroll);
  EXPECT_EQ(bar.position, 35000);
  model.Scroll(false, ScrollRequest::PageForward);
  model.Scroll(false, ScrollRequest::PageForward);
  EXPECT_EQ(bar.position, 39622);
  model.Scroll(false, ScrollRequest::ThumbReleased, 120);
  EXPECT_DOUBLE_EQ(model.Picture().top, -120);
  model.Scroll(false, ScrollRequest::PageBack);
  EXPECT_EQ(bar.position, 0);
}

TEST(PreviewMouseTest, DraggingPopupAndZoomClicks) {
  PreviewModel model = A4In(6000, 4000);
  model.setMouseMode(MouseMode::Move);
  // Nothing moves while the whole page lies inside the area.
  EXPECT_TRUE(model.LeftPress(1000, 1000));
  EXPECT_FALSE(model.LeftMove(1500, 1500));
  EXPECT_EQ(model.LeftRelease(1500, 1500), ReleaseAction::OpenHand);

  model.FitPage(ZoomMode::PageWidth);  // overhangs downwards only
  model.LeftPress(1000, 1000);
  EXPECT_TRUE(model.LeftMove(1400, 400));
  EXPECT_DOUBLE_EQ(model.Picture().left, 0);
  EXPECT_DOUBLE_EQ(model.Picture().top, -600);
  EXPECT_EQ(model.VerticalBar().position, 600);
  model.LeftMove(1000, -100000);  // held at the end
  EXPECT_DOUBLE_EQ(model.Picture().top, 4000 - model.Picture().height);

  // The release that follows the popup menu does not zoom; the popup
  // closing clears the flag so the next click is the user's.
  model.setMouseMode(MouseMode::ZoomIn);
  const double zoom = model.Zoom();
  model.RightRelease();
  EXPECT_FALSE(model.LeftPress(100, 100));
  EXPECT_EQ(model.LeftRelease(100, 100), ReleaseAction::None);
  EXPECT_DOUBLE_EQ(model.Zoom(), zoom);
  model.RightRelease();
  model.PopupClosed();
  EXPECT_EQ(model.LeftRelease(100, 100), ReleaseAction::Rendered);
  EXPECT_GT(model.Zoom(), zoom);
}

TEST(PreviewPagesTest, ButtonsAndTextsForOneAndTwoPages) {
  PreviewModel model;
  model.setPageCount(1);
  EXPECT_FALSE(model.IsDivided());
  EXPECT_FALSE(model.CanGoBack());
  EXPECT_FALSE(model.CanGoForward());
  EXPECT_FALSE(model.NextPage());
  EXPECT_EQ(model.PageText(), "1/1ページ");

  EXPECT_TRUE(model.DividePages());
  EXPECT_TRUE(model.IsDivided());
  EXPECT_FALSE(model.CanGoBack());
  EXPECT_TRUE(model.NextPage());
  EXPECT_EQ(model.PageText(), "2/2ページ");
  EXPECT_TRUE(model.CanGoBack());
  EXPECT_FALSE(model.CanGoForward());
  EXPECT_FALSE(model.NextPage());
  EXPECT_EQ(model.Page(), 2);
  // Dividing again always comes back to page 1.
  model.DividePages();
  model.DividePages();
  EXPECT_EQ(model.PageText(), "1/2ページ");
  EXPECT_EQ(model.ZoomText(), "100.00%");

  EXPECT_EQ(PrinterStatusText(false, PrinterProperties{"", kPaperA4, 0, 0, 0, 0, kPortrait, 0, 0}),
            "プリンタ : 無効 / 用紙 : A4 縦");
  EXPECT_EQ(PrinterStatusText(false, NoPrinterSetup().Current()), "プリンタ : 無効 / 用紙 : A4 縦");
  EXPECT_EQ(PrinterStatusText(true, PrinterProperties{"PDF", 8, 0, 0, 0, 0, 2, 0, 1}),
            "プリンタ : PDF / 用紙 : A3 横");
  EXPECT_EQ(PrinterStatusText(true, PrinterProperties{"Office", 1, 0, 0, 0, 0, 1, 0, 1}),
            "プリンタ : Office / 用紙 : Letter 縦");
  EXPECT_EQ(PrinterStatusText(true, PrinterProperties{"Office", 3, 0, 0, 0, 0, 1, 0, 1}),
            "プリンタ : Office / 用紙 : その他 縦");
}

TEST(PreviewPagesTest, EnglishPrinterStatus) {
  const EnglishTexts english;
  EXPECT_EQ(PrinterStatusText(false, PrinterProperties{"", kPaperA4, 0, 0, 0, 0, kPortrait, 0, 0}),
            "Printer: none / Paper: A4 Portrait");
  EXPECT_EQ(PrinterStatusText(true, PrinterProperties{"Office", 3, 0, 0, 0, 0, 2, 0, 1}),
            "Printer: Office / Paper: Other Landscape");
}

}  // namespace

// The first opening: most of the screen's height, the whole page beside
// the bars at that height, never narrower than the toolbar nor wider than
// the screen.
TEST(PreviewOpeningTest, TallEnoughForTheWholePageWithinTheScreen) {
  const double a4 = 297.0 / 210;
  const PixelSize around{17, 28 + 17 + 22};
  const PixelSize portrait = OpeningPreviewSize({1264, 984}, a4, around, 7, 380);
  EXPECT_GE(portrait.height, 0.7 * 984);
  EXPECT_LE(portrait.height, 984);
  const double pageHeight = portrait.height - around.height - 14;
  EXPECT_GE(portrait.width, pageHeight / a4 + 14 + around.width);
  EXPECT_LT(portrait.width, 1264);
  // On a small screen the toolbar sets the width; a landscape sheet on a
  // narrow one is held to the screen's width, and then fits by width.
  EXPECT_EQ(OpeningPreviewSize({624, 472}, a4, around, 7, 380).width, 380);
  EXPECT_EQ(OpeningPreviewSize({400, 472}, 1 / a4, around, 7, 300).width, 400);
  EXPECT_GT(OpeningPreviewSize({800, 600}, 0, around, 7, 380).height, 0);
}
