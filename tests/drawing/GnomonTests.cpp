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
    ExpectAt(page, {(e.points[0].x + e.points[1].x) / 2, (e.points[0].y + e.points[1].y) / 2},
             centre.x, centre.y);
    EXPECT_NEAR(e.points[1].x - e.points[0].x, page.PixelX(2 * radius), 1.0);
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
  ASSERT_EQ(outline.points.size(), 8u);
  for (size_t i = 0; i < 8; ++i) ExpectAt(page, outline.points[i], expected[i].x, expected[i].y);
  EXPECT_EQ(outline.state.fillStyle, BrushStyle::Solid);
  EXPECT_EQ(outline.state.foreColor, main.dialColor.gnomonLine);
  EXPECT_EQ(outline.state.fillColor, main.dialColor.gnomonFill);
  EXPECT_EQ(outline.state.drawWidth, 7);  // cut: 0.3 mm at 600 dpi

  const auto folds = page.Of(RecordOp::Line);
  ASSERT_EQ(folds.size(), 3u);
  EXPECT_EQ(folds[0].points, (std::vector<DevicePoint>{outline.points[0], outline.points[4]}));
  EXPECT_EQ(folds[0].state.drawStyle, PenStyle::Dash);
  EXPECT_EQ(folds[1].points, (std::vector<DevicePoint>{outline.points[1], outline.points[4]}));
  EXPECT_EQ(folds[2].points, (std::vector<DevicePoint>{outline.points[7], outline.points[4]}));
  for (const Record& fold : {folds[1], folds[2]}) {
    EXPECT_EQ(fold.state.drawStyle, PenStyle::DashDot);
    EXPECT_EQ(fold.state.drawWidth, 6);  // fold: 0.25 mm
  }

  page.log.clear();
  main.dialOption.lineStyle = false;
  ASSERT_EQ(DrawGnomon(main, page, A4Layout(), 1.0, 1.41), Status::Ok());
  for (const Record& fold : page.Of(RecordOp::Line)) {
    EXPECT_EQ(fold.state.drawStyle, PenStyle::Solid);
    EXPECT_EQ(fold.state.drawWidth, 6);
  }
}

TEST_F(Pattern, SouthernGnomonIsMirroredTopToBottom) {
  main.Chart().Location().setLatitude(-35);
  ASSERT_EQ(DrawGnomon(main, page, A4Layout(), 1.0, 1.0), Status::Ok());
  const Record outline = page.Of(RecordOp::Polygon).at(0);
  ExpectAt(page, outline.points[4], 100, 200 - 79.3507);  // root above the top
  ExpectAt(page, outline.points[1], 137.2824, 173.8942);
  EXPECT_LT(outline.points[2].y, outline.points[1].y);  // flaps open upwards
}

TEST_F(Pattern, NearPoleSizesOverflowInsteadOfReachingTheDevice) {
  main.Chart().Location().setLatitude(89.9999999);
  EXPECT_EQ(DrawGnomon(main, page, A4Layout(), 1.0, 1.0), Status::Error(kOverflowNumber));
  EXPECT_EQ(main.lastError.description, "オーバーフローしました。");
  EXPECT_TRUE(page.Of(RecordOp::Polygon).empty());
}

TEST_F(Pattern, PlacementMarksOnDialAndGnomon) {
  const DialLayout l = A4Layout();
  ASSERT_EQ(DrawDialMarks(main, page, l, 1.0), Status::Ok());
  auto marks = page.Of(RecordOp::Ellipse);
  ASSERT_EQ(marks.size(), 3u);
  ExpectCircle(marks[0], {l.centerX, l.centerY - l.middleRadius}, 1.5);
  ExpectCircle(marks[1], {l.centerX, l.centerY - l.middleRadius}, 0.75);
  ExpectCircle(marks[2], {l.centerX, l.centerY}, 1.5);
  EXPECT_EQ(marks[0].state.fillStyle, BrushStyle::Transparent);
  EXPECT_EQ(marks[1].state.fillStyle, BrushStyle::Solid);
  EXPECT_EQ(marks[2].state.fillStyle, BrushStyle::Transparent);
  EXPECT_EQ(marks[1].state.fillColor, main.dialColor.markLine);

  page.log.clear();
  ASSERT_EQ(DrawGnomonMarks(main, page, l, 1.0), Status::Ok());
  marks = page.Of(RecordOp::Ellipse);
  ASSERT_EQ(marks.size(), 5u);
  ExpectCircle(marks[0], {62.7176, 226.1058}, 1.5);
  ExpectCircle(marks[1], {62.7176, 226.1058}, 0.75);
  ExpectCircle(marks[3], {137.2824, 226.1058}, 0.75);
  ExpectCircle(marks[4], {100, 279.3507}, 1.5);

  page.log.clear();
  main.Chart().Location().setLatitude(0);  // the foot falls on the centre
  ASSERT_EQ(DrawDialMarks(main, page, l, 1.0), Status::Ok());
  EXPECT_EQ(page.Of(RecordOp::Ellipse)[0].points, page.Of(RecordOp::Ellipse)[2].points);

  page.log.clear();
  main.dialOption.printMark = false;
  EXPECT_EQ(DrawDialMarks(main, page, l, 1.0), Status::Ok());
  EXPECT_EQ(DrawGnomonMarks(main, page, l, 1.0), Status::Ok());
  EXPECT_TRUE(page.log.empty());
}

TEST_F(Pattern, RingsTicksAndLetters) {
  const DialLayout l = A4Layout();
  main.Chart().Location().setLatitude(-35);  // N stays at the top
  ASSERT_EQ(DrawDialRings(main, page, l, 1.0), Status::Ok());
  const double h = page.TextHeight("N"), w = page.TextWidth("N");
  const auto rings = page.Of(RecordOp::Ellipse);
  ASSERT_EQ(rings.size(), 2u);
  ExpectCircle(rings[0], {l.centerX, l.centerY}, l.outerRadius);
  ExpectCircle(rings[1], {l.centerX, l.centerY}, l.middleRadius);
  EXPECT_EQ(rings[0].state.fillColor, main.dialColor.timeFill);
  EXPECT_EQ(rings[1].state.fillColor, main.dialColor.innerFill);
  // On paper the ticks keep out of the time ring, where the labels stand,
  // and the north one (the block's side in the south) breaks around it.
  const auto ticks = page.Of(RecordOp::Line);
  ASSERT_GE(ticks.size(), 4u);
  const auto onFace = FaceBlockBox(DrawPass(main, page, 1.0), l);
  ASSERT_TRUE(onFace);
  const SheetBox block = *onFace;
  for (const Record& tick : ticks) {
    for (DevicePoint p : tick.points) {
      const double r =
          std::hypot(p.x / page.PixelX(1) - l.centerX, p.y / page.PixelY(1) - l.centerY);
      EXPECT_GE(r, l.innerRadius - 0.1);
      EXPECT_LE(r, l.middleRadius + 0.1);
    }
    const double top = std::min(tick.points[0].y, tick.points[1].y) / page.PixelY(1);
    const double bottom = std::max(tick.points[0].y, tick.points[1].y) / page.PixelY(1);
    EXPECT_TRUE(bottom < block.top || top > block.bottom || block.left > l.centerX);
  }
  ExpectAt(page, ticks[0].points[0], l.centerX, l.centerY - l.middleRadius);
  ExpectAt(page, ticks.back().points[0], l.centerX - l.middleRadius, l.centerY);

  EXPECT_EQ(page.Texts(), (std::vector<std::string>{"N", "S", "E", "W"}));
  ExpectAt(page, page.FindText("N")->points[0], l.centerX - w / 2,
           l.centerY - l.outerRadius - 1.25 * h);
  ExpectAt(page, page.FindText("E")->points[0], l.centerX + l.outerRadius + 0.25 * h,
           l.centerY - h / 2);
}

TEST_F(Pattern, RingsOnTheClockAndOnOtherSurfaces) {
  TestClock clock(1);
  ASSERT_EQ(DrawDialRings(main, clock, clock.Layout(), 3.0), Status::Ok());
  const auto rings = clock.target.Of(RecordOp::Ellipse);
  EXPECT_EQ(rings[0].state.fillColor, main.clockNightColor.timeFill);
  EXPECT_EQ(rings[1].state.fillColor, main.clockNightColor.innerFill);
  EXPECT_EQ(clock.target.FindText("N")->state.foreColor, main.clockNightColor.orientationFont);
  EXPECT_EQ(clock.target.State().font, main.clockOrientationFont);
  const auto ticks = clock.target.Of(RecordOp::Line);  // across the ring, as ever
  ASSERT_EQ(ticks.size(), 4u);
  const DialLayout cl = clock.Layout();
  ExpectAt(clock.target, ticks[0].points[0], cl.centerX, cl.centerY - cl.outerRadius);

  SurfaceSetup setup = SurfaceSetup::PrinterA4();
  setup.kind = DrawTargetKind::Other;
  RecordingTarget other(setup);
  ASSERT_EQ(DrawDialRings(main, other, A4Layout(), 2.0), Status::Ok());
  for (const Record& r : other.log) EXPECT_TRUE(r.IsPrimitive() || r.op == RecordOp::Font);
  EXPECT_EQ(other.State().font.size, 32);
}

}  // namespace
