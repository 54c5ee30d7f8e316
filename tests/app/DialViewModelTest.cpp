// The dial view without a window: which changes draw the picture again,
// and the shadow where the engine casts it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "../drawing/RecordingTarget.h"
#include "AngleText.h"
#include "DialViewModel.h"
#include "MainFormModel.h"
#include "PlaneDial.h"
#include "ScriptedFormUi.h"

namespace {

using namespace std::chrono;

class RecordingCanvas : public ClockCanvas {
 public:
  DrawTarget& picClock() override { return target; }
  int32_t ClockState() const override { return state_; }
  void setClockState(int32_t state) override { state_ = state; }
  void Clear(ColorRef) override {}

  RecordingTarget target{SurfaceSetup::Clock(800, 600)};

 private:
  int32_t state_ = kClockDay;
};

class DialViewModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main.Chart().Location().setLatitude(35);
    main.Chart().Location().setLongitude(135);
    main.Chart().Location().setTimeZone(9);
    ASSERT_TRUE(form.Load());
    view.setRedraw([this] { ++redraws; });
  }

  MainModel main;
  ScriptedFormUi ui;
  MainFormModel form{main, ui};
  DialViewModel view{main, [] { return sys_days(2025y / 3 / 20) + hours(2); }};
  int redraws = 0;
};

TEST_F(DialViewModelTest, ATypedValueDrawsOnlyOnceTheFormWouldTakeIt) {
  // A lone sign, a letter's leftovers and a value out of range leave the
  // last picture, and no message.
  for (const char* text : {"-", "", "95", "-90"}) {
    EXPECT_FALSE(view.Typed(form, FormBox::Latitude0, text)) << text;
  }
  // Boxes that are off (the facing of a horizontal dial, the date without
  // a fixed date) change nothing.
  EXPECT_FALSE(view.Typed(form, FormBox::PlaneFacing, "200"));
  EXPECT_FALSE(view.Typed(form, FormBox::Date0, "7"));
  EXPECT_EQ(redraws, 0);
  EXPECT_TRUE(ui.asked.empty());

  EXPECT_TRUE(view.Typed(form, FormBox::Latitude0, "-4"));
  EXPECT_EQ(redraws, 1);
  EXPECT_DOUBLE_EQ(view.Design().Chart().Location().Latitude(), -4);
  // The design itself waits for the box to be left.
  EXPECT_DOUBLE_EQ(main.Chart().Location().Latitude(), 35);
  EXPECT_FALSE(main.modified);

  // Typed back to the design's own value: the design's picture again.
  EXPECT_TRUE(view.Typed(form, FormBox::Latitude0, form.Text(FormBox::Latitude0)));
  EXPECT_EQ(redraws, 2);
  EXPECT_DOUBLE_EQ(view.Design().Chart().Location().Latitude(), 35);

  // Changes the form has taken: the view follows the design.
  form.ChoosePlane(static_cast<int>(PlanePreset::Vertical));
  view.DesignChanged();
  EXPECT_EQ(redraws, 3);
  EXPECT_FALSE(view.Typed(form, FormBox::PlaneFacing, "4OO"));
  EXPECT_DOUBLE_EQ(view.Design().dialPlane.tilt, 90);
  EXPECT_DOUBLE_EQ(view.Design().Chart().Location().Latitude(), 35);
  EXPECT_TRUE(view.Typed(form, FormBox::PlaneFacing, "200"));
  EXPECT_DOUBLE_EQ(view.Design().dialPlane.facing, 200);
}

TEST_F(DialViewModelTest, TheMomentStartsNowAndTheSliderSpansTheDaylight) {
  // 02:00 UTC is 11:00 in the dial's zone.
  EXPECT_EQ(view.Date(), 2025y / 3 / 20);
  EXPECT_EQ(view.Minutes(), 11 * 60);
  RecordingCanvas canvas;
  ASSERT_TRUE(view.Draw(canvas).ok());
  // About 6:00 to 18:00 at the equinox, less the 15 minutes Akashi's
  // meridian and the equation of time move it by; on the slider's steps.
  EXPECT_NEAR(view.DaylightStart(), 6 * 60, 20);
  EXPECT_NEAR(view.DaylightEnd(), 18 * 60, 20);
  EXPECT_EQ(view.DaylightStart() % kMomentLineStep, 0);
  EXPECT_TRUE(view.Sun().up);
  EXPECT_NEAR(view.Sun().reading, 11, 1e-9);  // a standard-time dial reads the clock

  view.SetMoment(2025y / 3 / 20, 23 * 60);
  ASSERT_TRUE(view.Draw(canvas).ok());
  EXPECT_FALSE(view.Sun().up);
  EXPECT_EQ(redraws, 1);
}

// The wall's shadow tip in the picture is the engine's projection of the
// nodus at that moment, and it disappears when the sun goes behind the wall.
TEST_F(DialViewModelTest, AWallsShadowTipIsTheEnginesProjection) {
  main.dialPlane = PresetOrientation(PlanePreset::Vertical, 35, 200);  // south-south-west
  main.Chart().setTimeSystem(kTrueSolarTime);
  main.clockOption.picture = false;
  view.DesignChanged();
  view.SetMoment(2025y / 5 / 1, 14 * 60 + 30);
  RecordingCanvas canvas;
  ASSERT_TRUE(view.Draw(canvas).ok());
  ASSERT_TRUE(view.Sun().inFront);

  // The engine alone: the day, the clock time as solar time, the sun.
  Chart& chart = main.Chart();
  int16_t dayNumber = 0;
  ASSERT_TRUE(chart.ConvTotalDays(CalcDateArray{5, 1}, dayNumber).ok());
  chart.Season().setCalcDate(dayNumber);
  const double solar = 14.5 - chart.Season().TimeDiff();
  const Vector3 sun = SunDirection(35, chart.Season().SolarDeclination(), 15 * (solar - 12));
  const PlaneDial unit = LayPlaneDial(chart, main.dialPlane, main.calcTime.interval, 1);
  const auto tip = ShadowOnPlane(unit.plane, unit.nodus, sun);
  ASSERT_TRUE(tip);
  EXPECT_NEAR(view.Sun().azimuth, std::atan2(sun.x, sun.y) * 180 / M_PI + 360, 1e-6);
  EXPECT_NEAR(view.Sun().altitude, std::asin(sun.z) * 180 / M_PI, 1e-6);

  // The face is the rectangle of the face's proportions; the nodus's dot
  // the last circle.
  const auto boxes = canvas.target.Of(RecordOp::Rectangle);
  const auto face = std::min_element(boxes.begin(), boxes.end(), [&](auto& a, auto& b) {
    auto misfit = [&](const Record& r) {
      const double w = r.points[1].x - r.points[0].x, h = r.points[1].y - r.points[0].y;
      return std::fabs(w / h - unit.face.Width() / unit.face.Height());
    };
    return misfit(a) < misfit(b);
  });
  ASSERT_NE(face, boxes.end());
  const double scale = (face->points[1].x - face->points[0].x) / unit.face.Width();
  const auto dots = canvas.target.Of(RecordOp::Ellipse);
  ASSERT_FALSE(dots.empty());
  const Record& dot = dots.back();
  EXPECT_NEAR((dot.points[0].x + dot.points[1].x) / 2.0,
              face->points[0].x + (tip->x - unit.face.left) * scale, 2);
  EXPECT_NEAR((dot.points[0].y + dot.points[1].y) / 2.0,
              face->points[0].y + (unit.face.top - tip->y) * scale, 2);

  // Early morning the sun is up but behind a wall facing south-south-west.
  view.SetMoment(2025y / 5 / 1, 6 * 60 + 30);
  RecordingCanvas morning;
  ASSERT_TRUE(view.Draw(morning).ok());
  EXPECT_TRUE(view.Sun().up);
  EXPECT_FALSE(view.Sun().inFront);
  EXPECT_NE(view.MomentText().find(TenthsText(view.Sun().altitude)), std::string::npos);
  EXPECT_LT(morning.target.Of(RecordOp::Ellipse).size(), dots.size());
}

}  // namespace
