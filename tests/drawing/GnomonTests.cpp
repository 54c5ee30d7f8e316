// The dial's rings and letters, the gnomon pattern and the placement marks.
#include <algorithm>

#include "DrawTestSupport.h"
#include "InformationBlock.h"

namespace {

class Pattern : public ::testing::Test {
 protected:
  void SetUp() override { PrepareModel(main, 35); }
  // Centre and radius of a recorded ellipse, in user units.
  void ExpectCircle(const Record& e, UserPoint centre, double radius) {
    ExpectAt(page, {(e.Points[0].x + e.Points[1].x) / 2, (e.Points[0].y + e.Points[1].y) / 2},
             centre.x, centre.y);
    EXPECT_NEAR(e.Points[1].x - e.Points[0].x, page.PixelX(2 * radius), 1.0);
  }
  MainModel main;
  RecordingTarget page;
};

// Latitude 35, A4: base 65, style 79.35, flaps 10 wide.
TEST_F(Pattern, GnomonOutlineAndFoldLines) {
  ASSERT_EQ(DrawGnomon(main, page, A4Layout(), 1.0, 1.0), Status::Ok());
  const Record outline = page.Of(RecordOp::Polygon).at(0);
  const UserPoint expected[] = {{100, 200},           {62.7176, 226.1058}, {54.5261, 231.8416},
                                {91.8085, 285.0865},  {100, 279.3507},     {108.1915, 285.0865},
                                {145.4739, 231.8416}, {137.2824, 226.1058}};
  ASSERT_EQ(outline.Points.size(), 8u);
  for (size_t i = 0; i < 8; ++i) ExpectAt(page, outline.Points[i], expected[i].x, expected[i].y);
  EXPECT_EQ(outline.State.FillStyle, BrushStyle::Solid);
  EXPECT_EQ(outline.State.ForeColor, main.DialColor.GnomonLine);
  EXPECT_EQ(outline.State.FillColor, main.DialColor.GnomonFill);
  EXPECT_EQ(outline.State.DrawWidth, 7);  // cut: 0.3 mm at 600 dpi

  const auto folds = page.Of(RecordOp::Line);
  ASSERT_EQ(folds.size(), 3u);
  EXPECT_EQ(folds[0].Points, (std::vector<DevicePoint>{outline.Points[0], outline.Points[4]}));
  EXPECT_EQ(folds[0].State.DrawStyle, PenStyle::Dash);
  EXPECT_EQ(folds[1].Points, (std::vector<DevicePoint>{outline.Points[1], outline.Points[4]}));
  EXPECT_EQ(folds[2].Points, (std::vector<DevicePoint>{outline.Points[7], outline.Points[4]}));
  for (const Record& fold : {folds[1], folds[2]}) {
    EXPECT_EQ(fold.State.DrawStyle, PenStyle::DashDot);
    EXPECT_EQ(fold.State.DrawWidth, 6);  // fold: 0.25 mm
  }

  page.Log.clear();
  main.DialOption.LineStyle = false;
  ASSERT_EQ(DrawGnomon(main, page, A4Layout(), 1.0, 1.41), Status::Ok());
  for (const Record& fold : page.Of(RecordOp::Line)) {
    EXPECT_EQ(fold.State.DrawStyle, PenStyle::Solid);
    EXPECT_EQ(fold.State.DrawWidth, 6);
  }
}

TEST_F(Pattern, SouthernGnomonIsMirroredTopToBottom) {
  main.Chart().Location().setLatitude(-35);
  ASSERT_EQ(DrawGnomon(main, page, A4Layout(), 1.0, 1.0), Status::Ok());
  const Record outline = page.Of(RecordOp::Polygon).at(0);
  ExpectAt(page, outline.Points[4], 100, 200 - 79.3507);  // root above the top
  ExpectAt(page, outline.Points[1], 137.2824, 173.8942);
  EXPECT_LT(outline.Points[2].y, outline.Points[1].y);  // flaps open upwards
}

TEST_F(Pattern, NearPoleSizesOverflowInsteadOfReachingTheDevice) {
  main.Chart().Location().setLatitude(89.9999999);
  EXPECT_EQ(DrawGnomon(main, page, A4Layout(), 1.0, 1.0), Status::Error(kOverflowNumber));
  EXPECT_EQ(main.LastError.Description, "オーバーフローしました。");
  EXPECT_TRUE(page.Of(RecordOp::Polygon).empty());
}

TEST_F(Pattern, PlacementMarksOnDialAndGnomon) {
  const DialLayout l = A4Layout();
  ASSERT_EQ(DrawDialMarks(main, page, l, 1.0), Status::Ok());
  auto marks = page.Of(RecordOp::Ellipse);
  ASSERT_EQ(marks.size(), 3u);
  ExpectCircle(marks[0], {l.CenterX, l.CenterY - l.MiddleRadius}, 1.5);
  ExpectCircle(marks[1], {l.CenterX, l.CenterY - l.MiddleRadius}, 0.75);
  ExpectCircle(marks[2], {l.CenterX, l.CenterY}, 1.5);
  EXPECT_EQ(marks[0].State.FillStyle, BrushStyle::Transparent);
  EXPECT_EQ(marks[1].State.FillStyle, BrushStyle::Solid);
  EXPECT_EQ(marks[2].State.FillStyle, BrushStyle::Transparent);
  EXPECT_EQ(marks[1].State.FillColor, main.DialColor.MarkLine);

  page.Log.clear();
  ASSERT_EQ(DrawGnomonMarks(main, page, l, 1.0), Status::Ok());
  marks = page.Of(RecordOp::Ellipse);
  ASSERT_EQ(marks.size(), 5u);
  ExpectCircle(marks[0], {62.7176, 226.1058}, 1.5);
  ExpectCircle(marks[1], {62.7176, 226.1058}, 0.75);
  ExpectCircle(marks[3], {137.2824, 226.1058}, 0.75);
  ExpectCircle(marks[4], {100, 279.3507}, 1.5);

  page.Log.clear();
  main.Chart().Location().setLatitude(0);  // the foot falls on the centre
  ASSERT_EQ(DrawDialMarks(main, page, l, 1.0), Status::Ok());
  EXPECT_EQ(page.Of(RecordOp::Ellipse)[0].Points, page.Of(RecordOp::Ellipse)[2].Points);

  page.Log.clear();
  main.DialOption.PrintMark = false;
  EXPECT_EQ(DrawDialMarks(main, page, l, 1.0), Status::Ok());
  EXPECT_EQ(DrawGnomonMarks(main, page, l, 1.0), Status::Ok());
  EXPECT_TRUE(page.Log.empty());
}

TEST_F(Pattern, RingsTicksAndLetters) {
  const DialLayout l = A4Layout();
  main.Chart().Location().setLatitude(-35);  // N stays at the top
  ASSERT_EQ(DrawDialRings(main, page, l, 1.0), Status::Ok());
  const double h = page.TextHeight("N"), w = page.TextWidth("N");
  const auto rings = page.Of(RecordOp::Ellipse);
  ASSERT_EQ(rings.size(), 2u);
  ExpectCircle(rings[0], {l.CenterX, l.CenterY}, l.OuterRadius);
  ExpectCircle(rings[1], {l.CenterX, l.CenterY}, l.MiddleRadius);
  EXPECT_EQ(rings[0].State.FillColor, main.DialColor.TimeFill);
  EXPECT_EQ(rings[1].State.FillColor, main.DialColor.InnerFill);
  // On paper the ticks keep out of the time ring, where the labels stand,
  // and the north one (the block's side in the south) breaks around it.
  const auto ticks = page.Of(RecordOp::Line);
  ASSERT_GE(ticks.size(), 4u);
  const auto onFace = FaceBlockBox(DrawPass(main, page, 1.0), l);
  ASSERT_TRUE(onFace);
  const SheetBox block = *onFace;
  for (const Record& tick : ticks) {
    for (DevicePoint p : tick.Points) {
      const double r =
          std::hypot(p.x / page.PixelX(1) - l.CenterX, p.y / page.PixelY(1) - l.CenterY);
      EXPECT_GE(r, l.InnerRadius - 0.1);
      EXPECT_LE(r, l.MiddleRadius + 0.1);
    }
    const double top = std::min(tick.Points[0].y, tick.Points[1].y) / page.PixelY(1);
    const double bottom = std::max(tick.Points[0].y, tick.Points[1].y) / page.PixelY(1);
    EXPECT_TRUE(bottom < block.top || top > block.bottom || block.left > l.CenterX);
  }
  ExpectAt(page, ticks[0].Points[0], l.CenterX, l.CenterY - l.MiddleRadius);
  ExpectAt(page, ticks.back().Points[0], l.CenterX - l.MiddleRadius, l.CenterY);

  EXPECT_EQ(page.Texts(), (std::vector<std::string>{"N", "S", "E", "W"}));
  ExpectAt(page, page.FindText("N")->Points[0], l.CenterX - w / 2,
           l.CenterY - l.OuterRadius - 1.25 * h);
  ExpectAt(page, page.FindText("E")->Points[0], l.CenterX + l.OuterRadius + 0.25 * h,
           l.CenterY - h / 2);
}

TEST_F(Pattern, RingsOnTheClockAndOnOtherSurfaces) {
  TestClock clock(1);
  ASSERT_EQ(DrawDialRings(main, clock, clock.Layout(), 3.0), Status::Ok());
  const auto rings = clock.target.Of(RecordOp::Ellipse);
  EXPECT_EQ(rings[0].State.FillColor, main.ClockNightColor.TimeFill);
  EXPECT_EQ(rings[1].State.FillColor, main.ClockNightColor.InnerFill);
  EXPECT_EQ(clock.target.FindText("N")->State.ForeColor, main.ClockNightColor.OrientationFont);
  EXPECT_EQ(clock.target.State().Font, main.ClockOrientationFont);
  const auto ticks = clock.target.Of(RecordOp::Line);  // across the ring, as ever
  ASSERT_EQ(ticks.size(), 4u);
  const DialLayout cl = clock.Layout();
  ExpectAt(clock.target, ticks[0].Points[0], cl.CenterX, cl.CenterY - cl.OuterRadius);

  SurfaceSetup setup = SurfaceSetup::PrinterA4();
  setup.Kind = DrawTargetKind::Other;
  RecordingTarget other(setup);
  ASSERT_EQ(DrawDialRings(main, other, A4Layout(), 2.0), Status::Ok());
  for (const Record& r : other.Log) EXPECT_TRUE(r.IsPrimitive() || r.Op == RecordOp::Font);
  EXPECT_EQ(other.State().Font.Size, 32);
}

}  // namespace
