// The desktop sundial's picture: season from the date, day or night, the
// drawing order, and the shadow where the sun puts it.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "ClockPicture.h"
#include "FakeSheet.h"
#include "MainModel.h"

namespace {

using namespace std::chrono;

local_seconds At(int y, unsigned m, unsigned d, int hour, int minute) {
  return local_days(year_month_day(year(y), month(m), day(d))) + hours(hour) + minutes(minute);
}

class FakeCanvas : public ClockCanvas {
 public:
  explicit FakeCanvas(std::vector<std::string>& log) : log_(log) {}
  DrawTarget& picClock() override { return sheet_; }
  int32_t ClockState() const override { return state_; }
  void setClockState(int32_t state) override { state_ = state; }
  void Clear(ColorRef background) override {
    log_.push_back("clear " + std::to_string(background));
  }

 private:
  std::vector<std::string>& log_;
  FakeSheet sheet_{3000, 2000};
  int32_t state_ = -1;
};

class ClockOrderTest : public ::testing::Test {
 protected:
  std::vector<std::string> log;
  MainModel main;
  FakeCanvas canvas{log};
  std::vector<DialLayout> layouts;

  void SetUp() override {
    main.Chart().setTimeSystem(kTrueSolarTime);
    main.clockOption.picture = true;
  }

  ClockRoutines Logging() {
    ClockRoutines r;
    auto plain = [this](std::string name) {
      return [this, name](DialDesign, ClockView&, const DialLayout& l) {
        layouts.push_back(l);
        log.push_back(name);
        return Status::Ok();
      };
    };
    auto face = [this](std::string name) {
      return [this, name](DialDesign, ClockView&, const DialLayout&, double) {
        log.push_back(name);
        return Status::Ok();
      };
    };
    r.stateIcon = plain("icon");
    r.dialRings = face("rings");
    r.dialFace = face("face");
    r.dateTime = [this](DialDesign, ClockView&, const DialLayout&, local_seconds, double) {
      log.push_back("caption");
      return Status::Ok();
    };
    r.shadow = [this](DialDesign, ClockView&, const DialLayout&, double, int32_t mode, bool invert,
                      double limit) {
      log.push_back("shadow " + std::to_string(mode) + (invert ? " inverted" : "") +
                    (limit == kDefaultMaxMagnify ? "" : " limit?"));
      return Status::Ok();
    };
    r.nightState = plain("night text");
    return r;
  }

  void Day(double latitude, local_seconds date) {
    main.Chart().Location().setLatitude(latitude);
    ASSERT_EQ(RecomputeClockSeason(main, date), Status::Ok());
  }

  using Log = std::vector<std::string>;
};

// Either way the caption comes last, on top of the shadow.
TEST_F(ClockOrderTest, InvertedShadowGoesOverTheFacePlainShadowUnderIt) {
  Day(34.65, At(2026, 6, 21, 10, 30));
  main.clockOption.invertShadow = true;
  ASSERT_EQ(DrawClock(main, canvas, At(2026, 6, 21, 10, 30), 10.5, kDefaultMaxMagnify, Logging()),
            Status::Ok());
  EXPECT_EQ(log, (Log{"clear " + std::to_string(main.clockDayColor.background), "icon", "rings",
                      "face", "shadow 2 inverted", "shadow 1 inverted", "caption"}));
  EXPECT_EQ(canvas.ClockState(), kClockDay);
  // The layout is centred on the picture whatever its proportions.
  EXPECT_DOUBLE_EQ(layouts.at(0).centerX, 1500);
  EXPECT_DOUBLE_EQ(layouts.at(0).centerY, 1000);
  EXPECT_DOUBLE_EQ(layouts.at(0).outerRadius, 750);

  log.clear();
  main.clockOption.invertShadow = false;
  main.clockOption.picture = false;
  ASSERT_EQ(DrawClock(main, canvas, At(2026, 6, 21, 10, 30), 10.5, kDefaultMaxMagnify, Logging()),
            Status::Ok());
  EXPECT_EQ(log, (Log{"clear " + std::to_string(main.clockDayColor.background), "rings", "shadow 0",
                      "face", "caption"}));
}

TEST_F(ClockOrderTest, NightHasNightColoursAndNoShadow) {
  Day(34.65, At(2026, 6, 21, 23, 0));
  ASSERT_EQ(DrawClock(main, canvas, At(2026, 6, 21, 23, 0), 23.0, kDefaultMaxMagnify, Logging()),
            Status::Ok());
  EXPECT_EQ(canvas.ClockState(), kClockNight);
  EXPECT_EQ(log, (Log{"clear " + std::to_string(main.clockNightColor.background), "icon", "rings",
                      "face", "caption"}));
  // Just before sunrise it is night; just after, day.
  const double sunrise = main.Chart().Season().SunRiseTime();
  EXPECT_EQ(ClockStateAt(main.Chart(), sunrise - 0.01), kClockNight);
  EXPECT_EQ(ClockStateAt(main.Chart(), sunrise + 0.01), kClockDay);
  EXPECT_EQ(ClockStateAt(main.Chart(), sunrise), kClockNight);  // sunrise >= h is still night
}

TEST_F(ClockOrderTest, MidnightSunAndPolarNight) {
  Day(75, At(2026, 6, 21, 0, 0));
  ASSERT_EQ(main.Chart().Season().NightState(), 1);
  ASSERT_EQ(DrawClock(main, canvas, At(2026, 6, 21, 0, 0), 0.0, kDefaultMaxMagnify, Logging()),
            Status::Ok());
  EXPECT_EQ(canvas.ClockState(), kClockDay);
  EXPECT_EQ(log.back(), "night text");
  EXPECT_EQ(std::count(log.begin(), log.end(), "shadow 2 inverted"), 1);

  log.clear();
  Day(75, At(2026, 12, 21, 12, 0));
  ASSERT_EQ(main.Chart().Season().NightState(), 2);
  ASSERT_EQ(DrawClock(main, canvas, At(2026, 12, 21, 12, 0), 12.0, kDefaultMaxMagnify, Logging()),
            Status::Ok());
  EXPECT_EQ(canvas.ClockState(), kClockNight);
  EXPECT_EQ(log, (Log{"clear " + std::to_string(main.clockNightColor.background), "icon", "rings",
                      "caption", "night text"}));
}

TEST_F(ClockOrderTest, AFailingRoutineStopsTheDrawingWithItsError) {
  Day(34.65, At(2026, 6, 21, 10, 30));
  ClockRoutines r = Logging();
  r.dialFace = [this](DialDesign m, ClockView&, const DialLayout&, double) {
    log.push_back("face");
    return m.errors.Record(5, "mdlDraw.DrawDialFace", "bad");
  };
  EXPECT_EQ(DrawClock(main, canvas, At(2026, 6, 21, 10, 30), 10.5, kDefaultMaxMagnify, r),
            Status::Error(5));
  EXPECT_EQ(log.back(), "face");
  EXPECT_EQ(main.lastError.source, "mdlDraw.DrawDialFace");
}

TEST(ClockSeasonTest, SeasonFollowsTheShownDate) {
  MainModel main;
  main.Chart().setLeapYear(false);
  ASSERT_EQ(RecomputeClockSeason(main, At(2026, 12, 21, 9, 0)), Status::Ok());
  EXPECT_EQ(main.Chart().Season().CalcDate(), 355);
  ASSERT_EQ(RecomputeClockSeason(main, At(2026, 1, 1, 0, 0)), Status::Ok());
  EXPECT_EQ(main.Chart().Season().CalcDate(), 1);
  // 29 February does not exist in a dial's common year: the engine's error.
  EXPECT_NE(RecomputeClockSeason(main, At(2028, 2, 29, 12, 0)), Status::Ok());
  EXPECT_FALSE(main.lastError.description.empty());
  EXPECT_DOUBLE_EQ(HourOfDay(At(2026, 3, 5, 10, 30) + seconds(36)), 10.51);
}

// A dial for no particular day opens at the present; a dial corrected for
// one day opens on that day at the present time of day.
TEST(ClockSeasonTest, OpensNowOrOnTheDayOfTheDateBasis) {
  MainModel main;
  const local_seconds now = At(2026, 12, 7, 9, 41) + seconds(7);
  main.season.adjustEquation = false;
  main.season.seasonDate = {2026, 3, 5};
  EXPECT_EQ(ClockOpeningTime(main, now), now);
  main.season.adjustEquation = true;
  EXPECT_EQ(ClockOpeningTime(main, now), At(2026, 3, 5, 9, 41) + seconds(7));
}

// Counts shadow pixels (dark on the white day face) left and right of the
// noon axis, between the centre and the middle ring.
struct ShadowSides {
  int west = 0;
  int east = 0;
};

ShadowSides CountShadow(const QImage& image, bool aboveCentre) {
  ShadowSides sides;
  const int c = image.width() / 2;
  const double unit = image.width() / 2000.0;
  for (int dy = static_cast<int>(320 * unit); dy < static_cast<int>(640 * unit); ++dy) {
    const int y = aboveCentre ? c - dy : c + dy;
    for (int dx = 3; dx < static_cast<int>(300 * unit); ++dx) {
      if (qGray(image.pixel(c - dx, y)) < 60) ++sides.west;
      if (qGray(image.pixel(c + dx, y)) < 60) ++sides.east;
    }
  }
  return sides;
}

TEST(ClockPictureTest, ShadowFallsWestInTheMorningEastInTheAfternoonOnTheGnomonsSide) {
  MainModel main;
  main.Chart().setTimeSystem(kTrueSolarTime);
  struct Case {
    double latitude;
    int hour;
    bool west;
  };
  for (const Case& c : {Case{34.65, 9, true}, Case{34.65, 15, false}, Case{-34.65, 9, true},
                        Case{-34.65, 15, false}}) {
    main.Chart().Location().setLatitude(c.latitude);
    // Midsummer of the hemisphere, so the sun is high and the shadow short.
    const unsigned monthOfSummer = c.latitude > 0 ? 6 : 12;
    ClockPicture picture(400, 400);
    ASSERT_EQ(picture.Render(main, At(2026, monthOfSummer, 21, c.hour, 0)), Status::Ok())
        << main.lastError.description;
    EXPECT_EQ(picture.ClockState(), kClockDay);
    const ShadowSides sides = CountShadow(picture.Image(), c.latitude > 0);
    const ShadowSides wrongSide = CountShadow(picture.Image(), c.latitude < 0);
    if (c.west) {
      EXPECT_GT(sides.west, 200) << c.latitude << " " << c.hour;
      EXPECT_LT(sides.east, sides.west / 10) << c.latitude << " " << c.hour;
    } else {
      EXPECT_GT(sides.east, 200) << c.latitude << " " << c.hour;
      EXPECT_LT(sides.west, sides.east / 10) << c.latitude << " " << c.hour;
    }
    // Hour-line pixels aside, nothing dark on the side away from the gnomon.
    EXPECT_LT(wrongSide.west + wrongSide.east, std::max(sides.west, sides.east) / 10)
        << c.latitude << " " << c.hour << " " << sides.west << " " << sides.east;
  }
}

TEST(ClockPictureTest, BackgroundTakesTheDayOrNightColour) {
  MainModel main;
  main.Chart().setTimeSystem(kTrueSolarTime);
  main.clockDayColor.background = kColorGreen;
  main.clockNightColor.background = kColorMaroon;
  ClockPicture picture(300, 300);
  ASSERT_EQ(picture.Render(main, At(2026, 6, 21, 12, 0)), Status::Ok());
  EXPECT_EQ(QColor(picture.Image().pixel(2, 297)), QColor(0, 255, 0));
  ASSERT_EQ(picture.Render(main, At(2026, 6, 21, 1, 0)), Status::Ok());
  EXPECT_EQ(QColor(picture.Image().pixel(2, 297)), QColor(128, 0, 0));
}

}  // namespace
