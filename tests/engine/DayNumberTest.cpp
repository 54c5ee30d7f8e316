// Day numbers <-> month/day and the leap-year rule.
#include <gtest/gtest.h>

#include "ExpectRaised.h"
#include "Chart.h"

namespace {

constexpr const char* kBadDayNumber = "不正な通算日数が指定されています。";
constexpr const char* kBadDate = "不正な日付が指定されています。";

CalcDateArray MonthDayOf(Chart& chart, int16_t totalDays) {
  CalcDateArray monthDay{-7, -7};
  EXPECT_EQ(chart.ConvCalcDate(totalDays, monthDay), Status::Ok()) << totalDays;
  return monthDay;
}

int16_t DayNumberOf(Chart& chart, int16_t month, int16_t day) {
  int16_t totalDays = -7;
  EXPECT_EQ(chart.ConvTotalDays({month, day}, totalDays), Status::Ok()) << month << "/" << day;
  return totalDays;
}

TEST(DayNumbers, MonthBoundariesMoveWithTheLeapDay) {
  Chart chart;
  EXPECT_EQ(MonthDayOf(chart, 1), (CalcDateArray{1, 1}));
  EXPECT_EQ(MonthDayOf(chart, 31), (CalcDateArray{1, 31}));
  EXPECT_EQ(MonthDayOf(chart, 32), (CalcDateArray{2, 1}));
  EXPECT_EQ(MonthDayOf(chart, 59), (CalcDateArray{2, 28}));
  EXPECT_EQ(MonthDayOf(chart, 60), (CalcDateArray{3, 1}));
  EXPECT_EQ(MonthDayOf(chart, 365), (CalcDateArray{12, 31}));
  EXPECT_EQ(DayNumberOf(chart, 3, 1), 60);
  EXPECT_EQ(DayNumberOf(chart, 12, 31), 365);
  EXPECT_EQ(DayNumberOf(chart, 2, 28), 59);

  chart.setLeapYear(true);
  EXPECT_EQ(MonthDayOf(chart, 60), (CalcDateArray{2, 29}));
  EXPECT_EQ(MonthDayOf(chart, 61), (CalcDateArray{3, 1}));
  EXPECT_EQ(MonthDayOf(chart, 366), (CalcDateArray{12, 31}));
  EXPECT_EQ(DayNumberOf(chart, 2, 29), 60);
  EXPECT_EQ(DayNumberOf(chart, 3, 1), 61);
  EXPECT_EQ(DayNumberOf(chart, 12, 31), 366);
  EXPECT_EQ(DayNumberOf(chart, 1, 31), 31);
}

TEST(DayNumbers, EveryDayOfBothYearKindsRoundTrips) {
  for (bool leap : {false, true}) {
    Chart chart;
    chart.setLeapYear(leap);
    for (int16_t day = 1; day <= (leap ? 366 : 365); ++day) {
      const CalcDateArray monthDay = MonthDayOf(chart, day);
      EXPECT_EQ(DayNumberOf(chart, monthDay[0], monthDay[1]), day);
    }
  }
}

TEST(DayNumbers, OutOfRangeDayNumbersFailWithTheRecordFilled) {
  Chart chart;
  for (int16_t day : {int16_t{0}, int16_t{-1}, int16_t{366}, int16_t{-32768}}) {
    CalcDateArray monthDay{4, 5};
    EXPECT_EQ(chart.ConvCalcDate(day, monthDay), Status::Error(kEngineErrorNumber)) << day;
    EXPECT_EQ(monthDay, (CalcDateArray{4, 5})) << "the caller's array is left alone";
    EXPECT_EQ(chart.ErrNumber(), kEngineErrorNumber);
    EXPECT_EQ(chart.ErrSource(), "mdlChartSolarlib.gConvCalcDate");
    EXPECT_EQ(chart.ErrDescription(), kBadDayNumber);
  }
  chart.setLeapYear(true);
  CalcDateArray monthDay{};
  EXPECT_EQ(chart.ConvCalcDate(367, monthDay), Status::Error(kEngineErrorNumber));
  // A success clears the record again.
  EXPECT_EQ(chart.ConvCalcDate(1, monthDay), Status::Ok());
  EXPECT_EQ(chart.ErrNumber(), 0);
  EXPECT_EQ(chart.ErrSource(), "");
}

TEST(DayNumbers, InvalidDatesFail) {
  Chart chart;
  const CalcDateArray bad[] = {{2, 29}, {0, 1}, {13, 1}, {4, 31}, {1, 0}, {1, 32}, {-1, 5}};
  for (const auto& monthDay : bad) {
    int16_t totalDays = 77;
    EXPECT_EQ(chart.ConvTotalDays(monthDay, totalDays), Status::Error(kEngineErrorNumber));
    EXPECT_EQ(totalDays, 77);
    EXPECT_EQ(chart.ErrSource(), "mdlChartSolarlib.gConvTotalDays");
    EXPECT_EQ(chart.ErrDescription(), kBadDate);
  }
  chart.setLeapYear(true);
  int16_t totalDays = 0;
  EXPECT_EQ(chart.ConvTotalDays({2, 30}, totalDays), Status::Error(kEngineErrorNumber));
}

TEST(DayNumbers, LeapYearRuleAndItsRange) {
  Chart chart;
  EXPECT_TRUE(chart.IsLeapYear(2000));
  EXPECT_TRUE(chart.IsLeapYear(2004));
  EXPECT_TRUE(chart.IsLeapYear(1600));
  EXPECT_FALSE(chart.IsLeapYear(1900));
  EXPECT_FALSE(chart.IsLeapYear(2005));
  EXPECT_FALSE(chart.IsLeapYear(1));
  EXPECT_FALSE(chart.IsLeapYear(9999));
  for (int16_t year : {int16_t{0}, int16_t{10000}, int16_t{-4}}) {
    ExpectRaised(
        chart, [&] { chart.IsLeapYear(year); }, "Chart.IsLeapYear",
        "不正な年(西暦)が指定されています。");
  }
}

}  // namespace
