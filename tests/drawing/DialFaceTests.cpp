// The hour lines of the dial face, checked against the classical
// horizontal-dial formula and the rules for labels, pens and failures.
#include <map>

#include "DrawTestSupport.h"

namespace {

class DialFace : public ::testing::Test {
 protected:
  void SetUp() override { PrepareModel(main); }
  Status Draw(double zoom = 1.0) { return DrawDialFace(main, page, A4Layout(), zoom); }
  MainModel main;
  RecordingTarget page;
};

// theta = 90 - atan(sin(phi) tan(h)) for every hour, whatever the date.
TEST_F(DialFace, HourLinesFollowTheHorizontalDialFormula) {
  for (int32_t season : {4, 8}) {
    page.log.clear();
    main.Chart().Season().setCalcSeason(season);
    ASSERT_EQ(Draw(), Status::Ok());
    const auto lines = DrawnLines(page);
    const std::map<std::string, double> expected{{"8:00", 134.6}, {"9:00", 119.6}, {"11:00", 98.7},
                                                 {"13:00", 81.3}, {"15:00", 60.4}, {"16:00", 45.4}};
    for (const auto& [label, theta] : expected) {
      const DrawnLine* line = LineLabelled(lines, label);
      ASSERT_NE(line, nullptr) << label;
      EXPECT_NEAR(LineAngle(line->line), theta, 0.1) << label << " season " << season;
    }
  }
  EXPECT_FALSE(main.Chart().SolarsExists());
}

TEST_F(DialFace, NoonLinePointsNorthWithAnUprightLabelInTheTimeRing) {
  ASSERT_EQ(Draw(), Status::Ok());
  const auto lines = DrawnLines(page);
  const DrawnLine* noon = LineLabelled(lines, "12:00");
  ASSERT_NE(noon, nullptr);
  const DialLayout l = A4Layout();
  ExpectAt(page, noon->line.points[0], l.centerX, l.centerY - l.innerRadius);
  ExpectAt(page, noon->line.points[1], l.centerX, l.centerY - l.middleRadius);
  const Record* label = page.FindText("12:00");
  EXPECT_EQ(label->font.escapementTenths, 0);
  const double w = page.TextWidth("12:00") / 2, h = page.TextHeight("12:00") / 2;
  ExpectAt(page, label->points[0], l.centerX - w, l.centerY - 70 - h);
}

TEST_F(DialFace, SouthernDialIsTheMirrorImage) {
  PrepareModel(main, -34.65, 8);
  ASSERT_EQ(Draw(), Status::Ok());
  const auto lines = DrawnLines(page);
  EXPECT_NEAR(LineAngle(LineLabelled(lines, "12:00")->line), -90, 0.01);
  EXPECT_NEAR(LineAngle(LineLabelled(lines, "13:00")->line), -81.3, 0.1);
  EXPECT_NEAR(LineAngle(LineLabelled(lines, "15:00")->line), -60.4, 0.1);
  // Its top would face outwards, upside down: it is turned upright about
  // the same centre.
  const Record* label = page.FindText("12:00");
  EXPECT_EQ(label->font.escapementTenths, 0);
  const DialLayout l = A4Layout();
  const double w = page.TextWidth("12:00") / 2, h = page.TextHeight("12:00") / 2;
  ExpectAt(page, label->points[0], l.centerX - w, l.centerY + 70 - h);
}

// With no gnomon height every shadow falls on the centre: lines with the
// sun up point east; the sunrise hour (sun not up) follows the azimuth.
TEST_F(DialFace, EquatorLinesPointEastUnlessTheSunIsDown) {
  PrepareModel(main, 0);
  ASSERT_EQ(Draw(), Status::Ok());
  const auto lines = DrawnLines(page);
  ASSERT_GT(lines.size(), 10u);
  for (const DrawnLine& l : lines) {
    if (l.label == "6:00" || l.label == "18:00") continue;
    EXPECT_EQ(LineAngle(l.line), 0) << l.label;
  }
  // Sunrise due east-north-east (azimuth -113.45) on the June solstice.
  EXPECT_NEAR(LineAngle(LineLabelled(lines, "6:00")->line), -156.55, 0.1);
}

// Sunrise and sunset points are marked "RS" and skipped; half hours are
// unlabelled minute lines, dashed and thin when line styles apply.
TEST_F(DialFace, RiseSetPointsAreSkippedAndMinuteLinesUnlabelled) {
  main.calcTime.interval = 30;
  ASSERT_EQ(main.Chart().AddSolars(-999, -999, 30), Status::Ok());
  const int32_t positions = main.Chart().Solars()->CountSolars();
  ASSERT_EQ(Draw(), Status::Ok());
  const auto lines = DrawnLines(page);
  EXPECT_EQ(static_cast<int32_t>(lines.size()), positions - 2);
  EXPECT_EQ(page.FindText("RS"), nullptr);
  for (const DrawnLine& l : lines) {
    const bool hour = !l.label.empty();
    EXPECT_EQ(l.line.state.drawStyle, hour ? PenStyle::Solid : PenStyle::Dash);
    EXPECT_EQ(l.line.state.drawWidth, hour ? 8 : 5);  // 1 pt, 0.2 mm at 600 dpi
    EXPECT_EQ(l.line.state.foreColor, hour ? main.dialColor.hourLine : main.dialColor.minuteLine);
  }

  page.log.clear();
  main.dialOption.lineStyle = false;
  main.dialOption.timeFormat = 0;
  ASSERT_EQ(Draw(), Status::Ok());
  for (const DrawnLine& l : DrawnLines(page)) {
    EXPECT_EQ(l.line.state.drawStyle, PenStyle::Solid);
    EXPECT_EQ(l.line.state.drawWidth, 8);
  }
  EXPECT_NE(page.FindText("12"), nullptr);
}

// A range from 0:00 to 24:00 ends where it began: one line and one label.
TEST_F(DialFace, MidnightSunRangeDrawsItsLastLineOnce) {
  PrepareModel(main, 70);
  main.calcTime = {0, 24, 60};
  ASSERT_EQ(Draw(), Status::Ok());
  const auto texts = page.Texts();
  EXPECT_EQ(texts.size(), 24u);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "0:00"), 1);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "23:00"), 1);
}

TEST_F(DialFace, ALonePositionIsDrawn) {
  main.calcTime = {12, 12, 60};
  ASSERT_EQ(Draw(), Status::Ok());
  EXPECT_EQ(page.Texts(), std::vector<std::string>{"12:00"});
}

// Standard time of a zone far from the place puts the drawing times before
// midnight (Akashi's noon is 3:00 UTC and 15:00 the day before at UTC-12);
// the labels read as a clock does, never with a sign.
TEST_F(DialFace, ClockTimesWrapIntoTheDay) {
  main.Chart().setTimeSystem(1);
  for (const auto& [zone, wrapped] : {std::pair{0.0, "23:00"}, std::pair{-12.0, "15:00"}}) {
    page.log.clear();
    main.Chart().Location().setTimeZone(zone);
    ASSERT_EQ(Draw(), Status::Ok());
    const auto texts = page.Texts();
    ASSERT_GT(texts.size(), 10u);
    for (const std::string& text : texts) {
      const int hour = std::stoi(text);
      EXPECT_TRUE(hour >= 0 && hour <= 23 && text[0] != '-') << text << " zone " << zone;
    }
    EXPECT_EQ(std::count(texts.begin(), texts.end(), wrapped), 1) << zone;
  }
}

// Foot of the vertical edge to the shadow point, shadow point to the centre.
TEST_F(DialFace, DebugModeAddsTheShadowConstruction) {
  main.general.debugMode = true;
  main.calcTime = {15, 15, 60};
  ASSERT_EQ(Draw(), Status::Ok());
  const auto lines = page.Of(RecordOp::Line);
  ASSERT_EQ(lines.size(), 3u);
  const DialLayout l = A4Layout();
  ExpectAt(page, lines[0].points[0], l.centerX, l.centerY - l.middleRadius);
  EXPECT_EQ(lines[0].points[1], lines[1].points[0]);
  ExpectAt(page, lines[1].points[1], l.centerX, l.centerY);
  // The style's shadow runs along the hour line.
  const DevicePoint p = lines[1].points[0], c = lines[1].points[1];
  EXPECT_NEAR(std::atan2(-(p.y - c.y), p.x - c.x) * kDegrees, LineAngle(lines[2]), 0.15);
}

TEST_F(DialFace, ClockFaceUsesTheColoursOfTheClockState) {
  main.calcTime.interval = 30;
  main.dialOption.lineWidth = 5;
  main.dialOption.lineStyle = false;
  TestClock clock(1);
  ASSERT_EQ(DrawDialFace(main, clock, clock.Layout(), 2.0), Status::Ok());
  const auto lines = DrawnLines(clock.target);
  EXPECT_EQ(clock.target.State().font, main.clockTimeFont);  // not scaled
  EXPECT_EQ(LineLabelled(lines, "12")->line.state.foreColor, main.clockNightColor.hourLine);
  EXPECT_EQ(clock.target.FindText("12")->state.foreColor, main.clockNightColor.timeFont);
  // One-pixel pens on the clock: solid hour lines, dotted minute lines,
  // whatever the dial's line width and style.
  for (const DrawnLine& l : lines) {
    const bool hour = !l.label.empty();
    EXPECT_EQ(l.line.state.drawWidth, 1);
    EXPECT_EQ(l.line.state.drawStyle, hour ? PenStyle::Solid : PenStyle::Dot);
    EXPECT_EQ(l.line.state.foreColor,
              hour ? main.clockNightColor.hourLine : main.clockNightColor.minuteLine);
  }

  TestClock unknown(7);
  ASSERT_EQ(DrawDialFace(main, unknown, unknown.Layout(), 1.0), Status::Ok());
  EXPECT_TRUE(unknown.target.Of(RecordOp::ForeColor).empty());
}

TEST_F(DialFace, OtherSurfacesKeepTheirPenButGetTheFont) {
  SurfaceSetup setup = SurfaceSetup::PrinterA4();
  setup.kind = DrawTargetKind::Other;
  RecordingTarget other(setup);
  ASSERT_EQ(DrawDialFace(main, other, A4Layout(), 1.0), Status::Ok());
  for (const Record& r : other.log) {
    EXPECT_TRUE(r.IsPrimitive() || r.op == RecordOp::Font) << static_cast<int>(r.op);
  }
  EXPECT_FALSE(other.Of(RecordOp::Text).empty());
}

TEST_F(DialFace, FailuresAreRecordedAndLeaveNoSunPositions) {
  PrepareModel(main, 70, 8);  // polar night
  EXPECT_EQ(Draw(), Status::Error(kEngineErrorNumber));
  EXPECT_EQ(main.lastError.source, "mdlChartSolarlib.gGetSunRiseSet");
  EXPECT_EQ(main.lastError.description, "極夜です。日の出・日の入時刻を算出できません。");
  EXPECT_FALSE(main.Chart().SolarsExists());

  // A surface that refuses the third label keeps what was drawn before.
  PrepareModel(main);
  page.RefuseAfter(RecordOp::Text, 2);
  EXPECT_EQ(Draw(), Status::Error(RecordingTarget::kRefusedNumber));
  EXPECT_EQ(main.lastError.number, RecordingTarget::kRefusedNumber);
  EXPECT_EQ(page.Of(RecordOp::Text).size(), 2u);
  EXPECT_FALSE(main.Chart().SolarsExists());

  // Success clears the record.
  page.RefuseAfter(RecordOp::Text, -1);
  EXPECT_EQ(Draw(), Status::Ok());
  EXPECT_EQ(main.lastError.number, 0);
}

}  // namespace
