#include <gtest/gtest.h>

#include <cstdlib>

#include "LocalDate.h"
#include "MainModel.h"
#include "Paths.h"

namespace {

// Runs the test under a given TZ and restores the previous one.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* tz) {
    if (const char* old = std::getenv("TZ")) saved_ = old;
    ::setenv("TZ", tz, 1);
  }
  ~ScopedTimeZone() {
    if (saved_)
      ::setenv("TZ", saved_->c_str(), 1);
    else
      ::unsetenv("TZ");
  }

 private:
  std::optional<std::string> saved_;
};

TEST(MainModel, StartsWithTheDefaultDesignForToday) {
  ScopedTimeZone tz("America/New_York");
  MainModel model;
  const Chart& chart = model.Chart();
  const CalendarDate today = Today();
  EXPECT_TRUE(chart.Compatible());
  EXPECT_EQ(chart.LeapYear(),
            today.Year % 4 == 0 && (today.Year % 100 != 0 || today.Year % 400 == 0));
  EXPECT_EQ(chart.TimeSystem(), 1);
  EXPECT_TRUE(chart.IncludeRiseSet());
  EXPECT_EQ(chart.Location().Name(), "兵庫県明石市");
  EXPECT_EQ(chart.Location().Latitude(), 34.65);
  EXPECT_EQ(chart.Location().Longitude(), 135);
  EXPECT_EQ(chart.Location().TimeZone(), -5);  // standard time, not daylight saving
  EXPECT_EQ(chart.Season().CalcSeason(), 4);
  EXPECT_EQ(chart.Season().EquationOfTime(), 0);
  EXPECT_FALSE(model.Season.AdjustEquation);
  EXPECT_EQ(model.Season.SeasonDate, today);
  EXPECT_EQ(model.CalcTime.StartTime, -999);
  EXPECT_EQ(model.CalcTime.Interval, 30);
  EXPECT_EQ(model.DialOption.Picture, AppFolder() + "/bkgcolor.wmf");
  EXPECT_EQ(model.DialInformationFont.Name, "ＭＳ Ｐゴシック");
  EXPECT_EQ(model.DocumentPath, "");
  EXPECT_FALSE(model.Printer().IsPrinterAvailable());
}

TEST(MainModel, DatesBeyondTheirMonthRunOnLikeTheCalendar) {
  EXPECT_EQ(DateOfYear(2025, 2, 29), (CalendarDate{2025, 3, 1}));
  EXPECT_EQ(DateOfYear(2024, 2, 29), (CalendarDate{2024, 2, 29}));
  EXPECT_EQ(DateOfYear(2025, 12, 32), (CalendarDate{2026, 1, 1}));
  EXPECT_EQ(DateOfYear(2025, 13, 1), (CalendarDate{2026, 1, 1}));
  EXPECT_EQ(DateOfYear(2025, 1, 0), (CalendarDate{2024, 12, 31}));
}

TEST(MainModel, ZoneTheEngineRefusesKeepsItsDefault) {
  ScopedTimeZone tz("Pacific/Kiritimati");  // UTC+14
  MainModel model;
  EXPECT_EQ(model.Chart().Location().TimeZone(), 9);
}

TEST(MainModel, ApplySeasonUsesTheDayOrTheLocalSummerSolstice) {
  MainModel model;
  model.Chart().Location().setLatitude(-35);
  ASSERT_EQ(model.ApplySeason(), Status::Ok());
  EXPECT_EQ(model.Chart().Season().CalcSeason(), 8);
  EXPECT_EQ(model.Chart().Season().EquationOfTime(), 0);

  model.Season.AdjustEquation = true;
  model.Season.SeasonDate = {2025, 3, 1};
  model.Chart().setLeapYear(false);
  ASSERT_EQ(model.ApplySeason(), Status::Ok());
  EXPECT_EQ(model.Chart().Season().CalcDate(), 60);
  EXPECT_NE(model.Chart().Season().EquationOfTime(), 0);

  // 29 February on a chart without leap year: the engine's error is recorded.
  model.Season.SeasonDate = {2025, 2, 29};
  EXPECT_EQ(model.ApplySeason(), Status::Error(kEngineErrorNumber));
  EXPECT_EQ(model.LastError.Number, kEngineErrorNumber);
  EXPECT_FALSE(model.LastError.Description.empty());
  EXPECT_EQ(model.Chart().Season().CalcDate(), 60);
  model.Chart().setLeapYear(true);
  EXPECT_EQ(model.ApplySeason(), Status::Ok());
  EXPECT_EQ(model.LastError.Number, 0);
  EXPECT_EQ(model.Chart().Season().CalcDate(), 60);
}

}  // namespace
