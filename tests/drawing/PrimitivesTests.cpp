// Plane geometry, device rounding, rotated text, the dial pen, fonts, the
// background picture and InvertColor.
#include "DrawPass.h"
#include "DrawTestSupport.h"
#include "Geometry.h"

namespace {

TEST(Geometry, CompassAngleVectorAngleAndRotation) {
  EXPECT_EQ(ToCompassAngle(0), 90);      // south: the page's top
  EXPECT_EQ(ToCompassAngle(45), 45);     // south-west
  EXPECT_EQ(ToCompassAngle(-90), -180);  // 180 folds to -180
  EXPECT_EQ(ToCompassAngle(-120), -150);

  const UserPoint o{1, 1};
  EXPECT_EQ(VectorAngle(o, o), 0);
  EXPECT_EQ(VectorAngle(o, {1, 3}), 90);
  EXPECT_EQ(VectorAngle(o, {1, -3}), -90);
  EXPECT_EQ(VectorAngle(o, {-2, 1}), 180);
  EXPECT_NEAR(VectorAngle(o, {0, 2}), 135, 1e-12);
  EXPECT_NEAR(VectorAngle(o, {0, 0}), -135, 1e-12);
  EXPECT_NEAR(VectorAngle(o, {2, 0}), -45, 1e-12);

  // Counter-clockwise as seen on the page (y down): right turns to up.
  const UserPoint up = RotatePoint({10, 10}, 90, {12, 10});
  EXPECT_NEAR(up.x, 10, 1e-12);
  EXPECT_NEAR(up.y, 8, 1e-12);
}

TEST(Geometry, InvertColor) {
  EXPECT_EQ(InvertColor(kColorGrey), kColorWhite);  // mid grey would stay grey
  EXPECT_EQ(InvertColor(kColorBlack), kColorWhite);
  EXPECT_EQ(InvertColor(kColorRed), kColorCyan);
  EXPECT_EQ(InvertColor(kColorWhite), kColorBlack);
  EXPECT_EQ(InvertColor(0x123456), 0xEDCBA9);
}

// 1000 x 1000 pixels, 2000 units: half a pixel per unit, so odd units fall
// on halves, which go to the even pixel.
TEST(Primitives, UserUnitsRoundToEvenDevicePixels) {
  RecordingTarget clock(SurfaceSetup::Clock(1000, 1000));
  PixelLine(clock, 5, 7, 9, 11);
  PixelCircle(clock, 100, 100, 3);  // 50 -+ 1.5
  const auto lines = clock.Of(RecordOp::Line);
  EXPECT_EQ(lines[0].points, (std::vector<DevicePoint>{{2, 4}, {4, 6}}));
  EXPECT_EQ(clock.Of(RecordOp::Ellipse)[0].points, (std::vector<DevicePoint>{{48, 48}, {52, 52}}));

  RecordingTarget page;  // 600 dpi, millimetres
  const UserPoint square[] = {{0, 0}, {10, 0}, {10, 25.4}};
  PixelPolygon(page, square);
  EXPECT_EQ(page.Of(RecordOp::Polygon)[0].points,
            (std::vector<DevicePoint>{{0, 0}, {236, 0}, {236, 600}}));
  EXPECT_FALSE(TrapStatus([&] { PixelRectangle(page, 0, 0, 1e10, 1); }).ok());
  EXPECT_EQ(TrapStatus([&] { PixelLine(page, 0, 0, 0, std::nan("")); }),
            Status::Error(kOverflowNumber));
}

TEST(Primitives, RotatedTextBuildsItsDeviceFont) {
  RecordingTarget page;
  page.setFont({"Arial", 10, true, true, false, true});
  RotatedText(page, 25.4, 50.8, "N", -12.34);
  const Record text = page.Of(RecordOp::Text)[0];
  EXPECT_EQ(text.points[0], (DevicePoint{600, 1200}));
  EXPECT_EQ(text.font.heightPixels, 100);  // 12 pt line at 600 dpi
  EXPECT_EQ(text.font.escapementTenths, -123);
  EXPECT_EQ(text.font.weight, 700);
  EXPECT_TRUE(text.font.italic);
  EXPECT_FALSE(text.font.underline);
  EXPECT_TRUE(text.font.strikethrough);
  EXPECT_EQ(text.font.name, "Arial");
}

// The dial pen: LineWidth points in pixels, times zoom, at least one pixel,
// halves to even. At 600 dpi one point is 8 1/3 pixels.
TEST(Pens, DialPenWidthRules) {
  MainModel main;
  struct Case {
    double lineWidth, zoom;
    int32_t pixels;
  };
  // Never below 0.2 mm on paper (5 pixels at 600 dpi).
  for (const Case c : {Case{1, 1, 8}, Case{0, 1, 5}, Case{1, 0.5, 5}, Case{0.12, 0.5, 5},
                       Case{1.5, 1, 12}, Case{4.5, 1, 38}, Case{0.75, 2, 12}}) {
    RecordingTarget page;
    main.dialOption.lineWidth = c.lineWidth;
    ASSERT_EQ(DrawDialMarks(main, page, A4Layout(), c.zoom), Status::Ok());
    EXPECT_EQ(page.State().drawWidth, c.pixels) << c.lineWidth << " pt, zoom " << c.zoom;
  }
  TestClock clock;
  main.dialOption.lineWidth = 5;
  ASSERT_EQ(DrawDialRings(main, clock, clock.Layout(), 1.0), Status::Ok());
  EXPECT_EQ(clock.target.Of(RecordOp::Ellipse)[0].state.drawWidth, 1);
}

TEST(Fonts, SizeTimesZoomKeptToFourDecimals) {
  MainModel main;
  RecordingTarget preview(SurfaceSetup::PreviewA4());
  ASSERT_EQ(DrawDialRings(main, preview, A4Layout(), 0.33333), Status::Ok());
  EXPECT_EQ(preview.State().font.size, 5.3333);  // 16 x 0.33333 = 5.33328
  EXPECT_EQ(preview.State().font.name, main.dialOrientationFont.name);
  EXPECT_TRUE(preview.State().font.bold);
}

TEST(BackPicture, FillsTheInnerSquareAndSwallowsFailures) {
  MainModel main;
  RecordingTarget page;
  main.dialOption.picture = "/pictures/dial.wmf";
  EXPECT_EQ(DrawBackPicture(main, page, A4Layout()), Status::Ok());
  const Record picture = page.Of(RecordOp::Picture).at(0);
  EXPECT_EQ(picture.text, "/pictures/dial.wmf");
  EXPECT_EQ(picture.x, 70);
  EXPECT_EQ(picture.y, 80);
  EXPECT_EQ(picture.width, 60);
  EXPECT_EQ(picture.height, 60);

  page.log.clear();
  page.missingPictures = {main.dialOption.picture};
  EXPECT_EQ(DrawBackPicture(main, page, A4Layout()), Status::Ok());
  EXPECT_EQ(main.lastError.number, 0);
  main.dialOption.picture.clear();
  EXPECT_EQ(DrawBackPicture(main, page, A4Layout()), Status::Ok());
  EXPECT_TRUE(page.log.empty());
}

}  // namespace
