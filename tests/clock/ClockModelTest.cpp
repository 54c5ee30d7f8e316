// The desktop sundial's state: modes, track bar, the minute rule, the day
// change and the present at the dial's own place.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>

#include "../platform/ScratchFolder.h"
#include "AppIni.h"
#include "ClockModel.h"
#include "ClockPicture.h"
#include "ClockPreferences.h"
#include "MainModel.h"
#include "SeasonGuard.h"

namespace {

using namespace std::chrono;

local_seconds At(int y, unsigned m, unsigned d, int hour, int minute, int second = 0) {
  return local_days(year_month_day(year(y), month(m), day(d))) + hours(hour) + minutes(minute) +
         seconds(second);
}

// The clock of a dial in zone +9: UTC is the wanted standard time less 9 h.
class ClockModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main.Chart().setLeapYear(false);
    main.Chart().setTimeSystem(kTrueSolarTime);
    main.Chart().Location().setLatitude(34.65);
    main.Chart().Location().setLongitude(135);
    main.Chart().Location().setTimeZone(9);
    main.season.adjustEquation = false;
  }

  // Sets the present so that the dial's zone reads this standard time.
  void SetStandardTime(local_seconds standard) {
    utc = sys_seconds((standard - hours(9)).time_since_epoch());
  }

  // The same in true solar time, on 21 June of a common year.
  void SetMidsummerTrueSolarTime(int hour, int minute) {
    main.Chart().Season().setCalcDate(172);
    const auto diff = seconds(std::llround(main.Chart().Season().TimeDiff() * 3600));
    SetStandardTime(At(2026, 6, 21, hour, minute) + diff);
  }

  MainModel main;
  sys_seconds utc{};
  ClockModel clock{main, kDefaultMaxMagnify, [this] { return utc; }};
};

TEST_F(ClockModelTest, OpensInTheModeOfTheDateBasisAndSwitchesModes) {
  main.Chart().setTimeSystem(kMeanStandardTime);  // shown time = the zone's standard time
  SetStandardTime(At(2026, 12, 7, 9, 41, 7));
  ASSERT_EQ(clock.Open(), Status::Ok());
  EXPECT_EQ(clock.Mode(), ClockMode::RealTime);
  EXPECT_TRUE(clock.TimerOn());
  EXPECT_FALSE(clock.TrackEnabled());
  EXPECT_EQ(clock.Shown(), At(2026, 12, 7, 9, 41, 7));

  main.season.adjustEquation = true;
  main.season.seasonDate = {2026, 3, 5};
  ASSERT_EQ(clock.Open(), Status::Ok());
  EXPECT_EQ(clock.Mode(), ClockMode::Free);
  EXPECT_FALSE(clock.TimerOn());
  EXPECT_TRUE(clock.TrackEnabled());
  EXPECT_EQ(clock.Shown(), At(2026, 3, 5, 9, 41, 7));

  SetStandardTime(At(2026, 12, 7, 14, 0));
  ASSERT_EQ(clock.RealTimeCommand(), Status::Ok());
  EXPECT_EQ(clock.Mode(), ClockMode::RealTime);
  EXPECT_EQ(clock.Shown(), At(2026, 12, 7, 14, 0));
  // Back to free mode: the opening day again, at the present time of day.
  ASSERT_EQ(clock.FreeCommand(), Status::Ok());
  EXPECT_EQ(clock.Shown(), At(2026, 3, 5, 14, 0));
  EXPECT_TRUE(clock.TrackEnabled());
  // Without a date basis free mode keeps the shown time.
  main.season.adjustEquation = false;
  ASSERT_EQ(clock.MoveTrack(600), Status::Ok());
  const local_seconds moved = clock.Shown();
  ASSERT_EQ(clock.FreeCommand(), Status::Ok());
  EXPECT_EQ(clock.Shown(), moved);
}

TEST_F(ClockModelTest, PolarNightForcesRealTimeAndKeepsTheTrackBarStill) {
  main.Chart().Location().setLatitude(80);
  main.season.adjustEquation = true;
  main.season.seasonDate = {2026, 12, 21};
  SetStandardTime(At(2026, 12, 21, 12, 0));
  ASSERT_EQ(clock.Open(), Status::Ok());
  EXPECT_EQ(clock.Mode(), ClockMode::RealTime);
  EXPECT_EQ(clock.Track(), TrackBarState{});
  ASSERT_EQ(clock.FreeCommand(), Status::Ok());
  EXPECT_EQ(clock.Mode(), ClockMode::Free);
  EXPECT_FALSE(clock.TrackEnabled());
  const local_seconds shown = clock.Shown();
  ASSERT_EQ(clock.MoveTrack(300), Status::Ok());
  EXPECT_EQ(clock.Shown(), shown);

  // Midnight sun: the whole day is daylight.
  main.season.seasonDate = {2026, 6, 21};
  SetStandardTime(At(2026, 6, 21, 10, 40));
  ASSERT_EQ(clock.Open(), Status::Ok());
  EXPECT_EQ(clock.Mode(), ClockMode::Free);
  EXPECT_EQ(clock.Track(), (TrackBarState{true, 0, 1440, 660}));
}

TEST_F(ClockModelTest, TrackBarStandsOnWholeHoursAndMarksDaylight) {
  main.season.adjustEquation = true;
  main.season.seasonDate = {2026, 6, 21};
  struct Case {
    int hour, minute, position;
  };
  // 10:40 -> 11:00; halves go to the even hour.
  for (const Case c : {Case{10, 40, 660}, Case{10, 30, 600}, Case{11, 30, 720}, Case{0, 10, 0}}) {
    SetMidsummerTrueSolarTime(c.hour, c.minute);
    ASSERT_EQ(clock.Open(), Status::Ok());
    EXPECT_EQ(clock.Track().position, c.position) << c.hour << ":" << c.minute;
  }
  // Midsummer at 34.65 N in true solar time: sunrise about 4:48, sunset 19:12.
  EXPECT_EQ(clock.Track(), (TrackBarState{true, 300, 1140, 0}));

  // The track bar runs in true solar time; in mean standard time the shown
  // time is that plus TimeDiff, keeping its date even below midnight.
  main.Chart().setTimeSystem(kMeanStandardTime);
  main.Chart().Location().setLongitude(140);
  ASSERT_EQ(clock.Open(), Status::Ok());
  ASSERT_EQ(clock.MoveTrack(0), Status::Ok());
  const double diff = main.Chart().Season().TimeDiff();
  ASSERT_LT(diff, 0);
  EXPECT_DOUBLE_EQ(clock.Hour(), diff);
  EXPECT_EQ(floor<days>(clock.Shown()), floor<days>(At(2026, 6, 21, 0, 0)));
  EXPECT_NEAR(HourOfDay(clock.Shown()), 24 + diff, 1 / 3600.0);
  ASSERT_EQ(clock.MoveTrack(1440), Status::Ok());
  EXPECT_NEAR(HourOfDay(clock.Shown()), 24 + diff, 1 / 3600.0);
  EXPECT_EQ(floor<days>(clock.Shown()), floor<days>(At(2026, 6, 21, 0, 0)));
}

TEST_F(ClockModelTest, RedrawsOncePerMinuteAndFollowsTheDayAtMidnight) {
  main.Chart().setTimeSystem(kMeanStandardTime);
  SetStandardTime(At(2026, 3, 5, 10, 30, 59));
  ASSERT_EQ(clock.Open(), Status::Ok());
  bool redraw = true;
  ASSERT_EQ(clock.Tick(redraw), Status::Ok());
  EXPECT_FALSE(redraw);
  SetStandardTime(At(2026, 3, 5, 10, 31, 0));
  ASSERT_EQ(clock.Tick(redraw), Status::Ok());
  EXPECT_TRUE(redraw);
  EXPECT_EQ(clock.Shown(), At(2026, 3, 5, 10, 31, 0));
  SetStandardTime(At(2026, 3, 5, 10, 31, 30));
  ASSERT_EQ(clock.Tick(redraw), Status::Ok());
  EXPECT_FALSE(redraw);
  // After a sleep of exactly one hour the minute field alone is the same.
  SetStandardTime(At(2026, 3, 5, 11, 31, 5));
  ASSERT_EQ(clock.Tick(redraw), Status::Ok());
  EXPECT_TRUE(redraw);

  // Across midnight the sun of the new day: its day number and declination.
  SetStandardTime(At(2026, 3, 5, 23, 59, 30));
  ASSERT_EQ(clock.Tick(redraw), Status::Ok());
  const double declination = main.Chart().Season().SolarDeclination();
  SetStandardTime(At(2026, 3, 6, 0, 0, 10));
  ASSERT_EQ(clock.Tick(redraw), Status::Ok());
  EXPECT_TRUE(redraw);
  EXPECT_EQ(main.Chart().Season().CalcDate(), 65);
  EXPECT_GT(main.Chart().Season().SolarDeclination(), declination);

  // The picture does not rely on the chart's day: moved elsewhere, it is
  // drawn for the shown date again.
  main.Chart().Season().setCalcDate(200);
  ClockPicture picture(120, 120);
  ASSERT_EQ(clock.Draw(picture), Status::Ok());
  EXPECT_EQ(main.Chart().Season().CalcDate(), 65);

  // A leap day in a common-year chart keeps the clock running (28th's sun).
  SetStandardTime(At(2028, 2, 29, 12, 0));
  ASSERT_EQ(clock.Tick(redraw), Status::Ok()) << main.lastError.description;
  EXPECT_EQ(clock.Shown(), At(2028, 2, 29, 12, 0));
  EXPECT_EQ(main.Chart().Season().CalcDate(), 59);
  // Free mode has no timer.
  ASSERT_EQ(clock.FreeCommand(), Status::Ok());
  SetStandardTime(At(2028, 2, 29, 12, 5));
  ASSERT_EQ(clock.Tick(redraw), Status::Ok());
  EXPECT_FALSE(redraw);
}

// The computer sits in New York with summer time; the dial is in zone +9.
TEST_F(ClockModelTest, RealTimeIsTheDialsZoneWithoutTheComputersSummerTime) {
  const char* old = std::getenv("TZ");
  const std::string saved = old ? old : "";
  setenv("TZ", "America/New_York", 1);
  tzset();

  main.Chart().setTimeSystem(kMeanStandardTime);
  utc = sys_days(year_month_day(year(2026), month(7), day(1))) + hours(15);  // 11:00 EDT
  ASSERT_EQ(clock.Open(), Status::Ok());
  EXPECT_EQ(clock.Shown(), At(2026, 7, 2, 0, 0));
  EXPECT_EQ(main.Chart().Season().CalcDate(), 183);  // the dial's date, not New York's

  // In true solar time: standard time less that day's TimeDiff.
  main.Chart().setTimeSystem(kTrueSolarTime);
  main.Chart().Location().setLongitude(140);
  ASSERT_EQ(clock.RealTimeCommand(), Status::Ok());
  const double diff = main.Chart().Season().TimeDiff();
  EXPECT_NEAR(duration<double>(clock.Shown() - At(2026, 7, 2, 0, 0)).count(), -diff * 3600, 1);

  // And with the computer's own clock.
  main.Chart().setTimeSystem(kMeanStandardTime);
  ClockModel live(main);
  ASSERT_EQ(live.Open(), Status::Ok());
  const auto expected = local_seconds(SystemUtcNow().time_since_epoch()) + hours(9);
  EXPECT_LE(abs(live.Shown() - expected), seconds(2));

  if (old) {
    setenv("TZ", saved.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
}

TEST(ClockPreferencesTest, UnusableShadowLimitsFallBackToTheDefault) {
  ScratchFolder scratch("clockprefs");
  SetAppIniPath(scratch.Path("umbrafex.ini"));
  for (const char* text : {"0", "-5", "nan", "inf", "1e999", "abc"}) {
    PutIniString("DesktopSundial", "MaxMagnify", text);
    EXPECT_EQ(LoadClockPreferences().maxMagnify, kDefaultMaxMagnify) << text;
  }
  PutIniString("DesktopSundial", "MaxMagnify", "2.5");
  EXPECT_EQ(LoadClockPreferences().maxMagnify, 2.5);
  MainModel main;
  EXPECT_EQ(ClockModel(main, -1).MaxMagnify(), kDefaultMaxMagnify);

  // A minimised close keeps the stored place.
  ClockPreferences preferences = LoadClockPreferences();
  EXPECT_EQ(preferences.placement.width, 260);
  preferences.placement = {50, 60, 400, 500, kWindowMinimized};
  SaveClockPreferences(preferences);
  const ClockPreferences again = LoadClockPreferences();
  EXPECT_EQ(again.placement.left, 10);
  EXPECT_EQ(again.placement.windowState, kWindowMinimized);
  SetAppIniPath("");
}

TEST(SeasonGuardTest, PutsTheDesignsSeasonBack) {
  MainModel main;
  main.Chart().setLeapYear(false);
  main.season.adjustEquation = false;
  ASSERT_EQ(main.ApplySeason(), Status::Ok());  // summer solstice, equation of time 0
  {
    const SeasonGuard guard(main.Chart());
    main.Chart().Season().setCalcDate(1);
  }
  EXPECT_EQ(main.Chart().Season().CalcSeason(), 4);
  EXPECT_EQ(main.Chart().Season().EquationOfTime(), 0);

  main.season.adjustEquation = true;
  main.season.seasonDate = {2026, 3, 5};
  ASSERT_EQ(main.ApplySeason(), Status::Ok());
  const double declination = main.Chart().Season().SolarDeclination();
  {
    const SeasonGuard guard(main.Chart());
    main.Chart().Season().setCalcSeason(8);
  }
  EXPECT_EQ(main.Chart().Season().CalcDate(), 64);
  EXPECT_EQ(main.Chart().Season().SolarDeclination(), declination);
}

}  // namespace
