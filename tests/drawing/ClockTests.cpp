// The desktop sundial's own elements: shadow, caption, night words, icon,
// and texts that stand out from what they stand on.
#include <algorithm>
#include <chrono>

#include "DrawTestSupport.h"
#include "Geometry.h"
#include "NodusDrawing.h"

namespace {

using namespace std::chrono;

// A caption: eight copies in the face's colour ring it, then the caption
// itself in its own colour; gives the caption's record.
Record Haloed(const RecordingTarget& target, const std::string& text, ColorRef ink, ColorRef halo) {
  const std::vector<Record> texts = target.Of(RecordOp::Text);
  EXPECT_EQ(texts.size(), 9u) << text;
  if (texts.size() != 9u) return {};
  for (std::size_t i = 0; i < 8; ++i) {
    EXPECT_EQ(texts[i].text, text);
    EXPECT_EQ(texts[i].state.foreColor, halo);
    EXPECT_LE(std::abs(texts[i].points[0].x - texts[8].points[0].x), 2);
    EXPECT_LE(std::abs(texts[i].points[0].y - texts[8].points[0].y), 2);
  }
  EXPECT_EQ(texts[8].text, text);
  EXPECT_EQ(texts[8].state.foreColor, ink);
  return texts[8];
}

// The WCAG contrast ratio of two colours, 1 (none) to 21.
double ContrastRatio(ColorRef a, ColorRef b) {
  auto luminance = [](ColorRef c) {
    double sum = 0;
    for (auto [shift, weight] : {std::pair{0, 0.2126}, std::pair{8, 0.7152}, {16, 0.0722}}) {
      const double v = ((c >> shift) & 0xFF) / 255.0;
      sum += weight * (v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
    }
    return sum;
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class Clock : public ::testing::Test {
 protected:
  void SetUp() override { PrepareModel(main); }
  Status Shadow(double time, int32_t mode, bool invert, double limit = 100000) {
    return DrawClockShadow(main, clock, clock.Layout(), time, mode, invert, limit);
  }
  double Angle(DevicePoint from, DevicePoint to) {
    return std::atan2(-(to.y - from.y), to.x - from.x) * kDegrees;
  }
  MainModel main;
  TestClock clock;
};

// Foot of the vertical edge, shadow tip, dial centre: the style's shadow
// lies on the hour line of that time.
TEST_F(Clock, ShadowTriangleFollowsTheHourLine) {
  ASSERT_EQ(Shadow(15, 2, true), Status::Ok());
  const Record shadow = clock.target.Of(RecordOp::Polygon).at(0);
  ASSERT_EQ(shadow.points.size(), 3u);
  const DialLayout l = clock.Layout();
  ExpectAt(clock.target, shadow.points[0], l.centerX, l.centerY - l.middleRadius);
  ExpectAt(clock.target, shadow.points[2], l.centerX, l.centerY);
  EXPECT_NEAR(Angle(shadow.points[2], shadow.points[1]), 60.4, 0.5);
  EXPECT_EQ(shadow.state.drawMode, PenMode::Invert);
  EXPECT_EQ(shadow.state.fillStyle, BrushStyle::Solid);
  EXPECT_EQ(shadow.state.fillColor, main.clockDayColor.shadowFill);
  EXPECT_FALSE(main.Chart().SolarsExists());

  clock.target.log.clear();
  clock.setState(1);
  ASSERT_EQ(Shadow(15, 1, true), Status::Ok());
  const Record outline = clock.target.Of(RecordOp::Polygon).at(0);
  EXPECT_EQ(outline.state.drawMode, PenMode::CopyPen);
  EXPECT_EQ(outline.state.fillStyle, BrushStyle::Transparent);
  EXPECT_EQ(outline.state.foreColor, main.clockNightColor.shadowFill);

  clock.target.log.clear();
  ASSERT_EQ(Shadow(15, 9, true), Status::Ok());  // pen and brush left as they were
  EXPECT_TRUE(clock.target.Of(RecordOp::DrawMode).empty());
}

// A long shadow is cut at the limit: a parallelogram whose two sides run
// parallel to the noon line, each MiddleRadius long.
TEST_F(Clock, LongShadowIsCutAtTheLimit) {
  ASSERT_EQ(Shadow(15, 0, false, 200), Status::Ok());
  const Record shadow = clock.target.Of(RecordOp::Polygon).at(0);
  ASSERT_EQ(shadow.points.size(), 4u);
  const auto p = shadow.points;
  EXPECT_EQ(p[1].x, p[2].x);
  EXPECT_NEAR(p[2].y - p[1].y, clock.target.PixelY(650), 1.0);
  // The edge's shadow from the foot is as long as the limit; the style's
  // shadow from the centre runs parallel to it.
  EXPECT_NEAR(std::hypot(p[2].x - p[0].x, p[2].y - p[0].y), clock.target.PixelX(200), 1.5);
  EXPECT_NEAR(p[1].x - p[0].x, p[2].x - p[3].x, 1.0);
  EXPECT_NEAR(p[1].y - p[0].y, p[2].y - p[3].y, 1.0);
  EXPECT_EQ(shadow.state.drawMode, PenMode::CopyPen);
}

TEST_F(Clock, NoShadowWithoutSunAndFailuresLeaveNoSunPositions) {
  const double sunrise = main.Chart().Season().SunRiseTime();
  EXPECT_EQ(Shadow(sunrise, 0, false), Status::Ok());  // the sun on the horizon
  EXPECT_TRUE(clock.target.Of(RecordOp::Polygon).empty());
  EXPECT_FALSE(main.Chart().SolarsExists());

  EXPECT_EQ(Shadow(2, 0, false), Status::Error(kEngineErrorNumber));  // before sunrise
  EXPECT_EQ(main.lastError.source, "Chart.AddSolars");
  EXPECT_FALSE(main.Chart().SolarsExists());

  clock.target.RefuseAfter(RecordOp::Polygon, 0);
  EXPECT_EQ(Shadow(15, 0, false), Status::Error(RecordingTarget::kRefusedNumber));
  EXPECT_FALSE(main.Chart().SolarsExists());
}

TEST_F(Clock, CaptionDateMovesWithHoursBeyondTheDay) {
  const local_days march5 = local_days{2024y / March / 5};
  struct Case {
    local_seconds shown;
    double hour;
    const char* text;
  };
  for (const Case& c : {Case{march5 + 23h, 25.5, "3/06 1:30"}, Case{march5, -0.5, "3/04 23:30"},
                        Case{march5 + 9h + 7min, 9.1166, "3/05 9:07"},
                        Case{local_days{2024y / February / 28} + 12h, 48.25, "3/01 0:15"}}) {
    clock.target.log.clear();
    ASSERT_EQ(DrawClockDateTime(main, clock, clock.Layout(), c.shown, c.hour), Status::Ok());
    Haloed(clock.target, c.text, main.clockDayColor.clockFont, main.clockDayColor.innerFill);
  }
  const DialLayout l = clock.Layout();
  const std::string text = "3/01 0:15";
  ExpectAt(clock.target, clock.target.Of(RecordOp::Text).back().points[0],
           l.centerX - clock.target.TextWidth(text) / 2,
           l.centerY + 150 - clock.target.TextHeight(text) / 2);
  EXPECT_EQ(clock.target.State().font, main.clockClockFont);
  EXPECT_EQ(clock.target.State().foreColor, main.clockDayColor.clockFont);
}

TEST_F(Clock, NightStateWordsAndStateIcon) {
  const DialLayout l = clock.Layout();
  ASSERT_EQ(DrawNightState(main, clock, l), Status::Ok());
  EXPECT_TRUE(clock.target.Of(RecordOp::Text).empty());
  for (auto [season, words] : {std::pair{4, "Midnight Sun"}, std::pair{8, "Polar Night"}}) {
    PrepareModel(main, 70, season);
    clock.target.log.clear();
    ASSERT_EQ(DrawNightState(main, clock, l), Status::Ok());
    const Record caption =
        Haloed(clock.target, words, main.clockDayColor.clockFont, main.clockDayColor.innerFill);
    ExpectAt(clock.target, caption.points[0], l.centerX - clock.target.TextWidth(words) / 2,
             l.centerY - clock.target.TextHeight(words) / 2);
  }

  // 48 pixels in the top right corner: 160 units at 0.3 pixels per unit.
  const double side = 48 / 0.3;
  for (auto [state, source] : {std::pair{0, "#801"}, std::pair{1, "#802"}}) {
    clock.target.log.clear();
    clock.setState(state);
    ASSERT_EQ(DrawClockStateIcon(main, clock, l), Status::Ok());
    const Record icon = clock.target.Of(RecordOp::Picture).at(0);
    EXPECT_EQ(icon.text, source);
    EXPECT_NEAR(icon.x, clock.target.ScaleWidth() - side, 1e-9);
    EXPECT_EQ(icon.y, 0);
    EXPECT_NEAR(icon.width, side, 1e-9);
  }
  clock.target.log.clear();
  clock.setState(2);
  ASSERT_EQ(DrawClockStateIcon(main, clock, l), Status::Ok());
  EXPECT_TRUE(clock.target.log.empty());
}

// Hour labels on the time ring, letters beside it, date-line names on the
// face and the key of the halves in the corner, by day and by night: each
// text's colour stands out from the fill under its centre (3:1, what WCAG
// asks of bold text).
TEST_F(Clock, EveryTextStandsOutFromWhatItStandsOn) {
  main.dialOption.dateLines = 1;
  main.dialOption.hourCurves = 2;
  const DialLayout l = clock.Layout();
  RecordingTarget& t = clock.target;
  const double cx = t.PixelX(l.centerX), cy = t.PixelY(l.centerY);
  for (int32_t state : {0, 1}) {
    const ClockColorSettings& c = state == 0 ? main.clockDayColor : main.clockNightColor;
    clock.setState(state);
    t.log.clear();
    ASSERT_EQ(DrawDialRings(main, clock, l, 1), Status::Ok());
    ASSERT_EQ(DrawDialFace(main, clock, l, 1), Status::Ok());
    ASSERT_EQ(DrawDialLines(main, clock, l, 1), Status::Ok());
    const std::vector<Record> texts = t.Of(RecordOp::Text);
    EXPECT_GT(texts.size(), 20u);
    for (const Record& r : texts) {
      t.setFont(r.state.font);
      const UserPoint o{double(r.points[0].x), double(r.points[0].y)};
      const UserPoint centre = RotatePoint(
          o, r.font.escapementTenths / 10.0,
          {o.x + t.PixelX(t.TextWidth(r.text)) / 2, o.y + t.PixelY(t.TextHeight(r.text)) / 2});
      const double radius = std::hypot(centre.x - cx, centre.y - cy);
      const ColorRef under = radius < t.PixelX(l.middleRadius)  ? c.innerFill
                             : radius < t.PixelX(l.outerRadius) ? c.timeFill
                                                                : c.background;
      EXPECT_GE(ContrastRatio(r.state.foreColor, under), 3) << r.text << " in state " << state;
    }
  }
}

}  // namespace
