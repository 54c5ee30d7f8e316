// Two charts in one process keep their own modes, place, day and errors.
#include <gtest/gtest.h>

#include "Chart.h"

namespace {

TEST(ChartState, TwoChartsDoNotDisturbEachOther) {
  Chart first;
  Chart second;
  first.setTimeSystem(kMeanStandardTime);
  first.setLeapYear(true);
  first.setCompatible(false);
  first.Location().setLatitude(-35);
  first.Season().setCalcDate(366);

  EXPECT_EQ(second.TimeSystem(), kTrueSolarTime);
  EXPECT_FALSE(second.LeapYear());
  EXPECT_TRUE(second.Compatible());
  EXPECT_EQ(second.Location().Latitude(), 34.65);
  EXPECT_EQ(second.Season().CalcDate(), 356);
  EXPECT_EQ(second.Season().EquationOfTime(), 0.0355813744882894);

  EXPECT_FALSE(TrapStatus([&] { first.Location().setLongitude(-200); }).ok());
  EXPECT_EQ(first.ErrSource(), "Location.Longitude");
  EXPECT_EQ(second.ErrNumber(), 0);
  EXPECT_EQ(second.ErrSource(), "");

  ASSERT_EQ(second.AddSolars(12, 12, 0), Status::Ok());
  ASSERT_EQ(first.AddSolars(12, 14, 60), Status::Ok());
  EXPECT_EQ(second.Solars()->CountSolars(), 1);
  EXPECT_NEAR(second.Solars()->Solar(1).Altitude(), 31.9, 1e-9);
  EXPECT_EQ(second.Solars()->Solar(1).CalcTime(), 12) << "read in the second chart's time system";
  EXPECT_EQ(first.Solars()->CountSolars(), 3);
}

TEST(ChartState, SeasonFollowsItsOwnChartsModes) {
  Chart leap;
  Chart common;
  leap.setLeapYear(true);
  leap.Season().setCalcDate(79);
  common.Season().setCalcDate(79);
  EXPECT_NE(leap.Season().SolarDeclination(), common.Season().SolarDeclination());
  EXPECT_FALSE(TrapStatus([&] { common.Season().setCalcDate(366); }).ok());
  leap.Season().setCalcDate(366);
}

}  // namespace
