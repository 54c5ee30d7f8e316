#include <gtest/gtest.h>

#include <cstdlib>

#include "../support/ScopedTimeZone.h"
#include "LocalDate.h"
#include "MainModel.h"
#include "Paths.h"
#include "TimeZone.h"
#include "ZonePlace.h"

namespace {

TEST(MainModel, StartsWithTheDefaultDesignForToday) {
  ScopedTimeZone tz("America/New_York");
  MainModel model;
  const Chart& chart = model.Chart();
  const CalendarDate today = Today();
  EXPECT_TRUE(chart.Compatible());
  EXPECT_EQ(chart.LeapYear(),
            today.year % 4 == 0 && (today.year % 100 != 0 || today.year % 400 == 0));
  EXPECT_EQ(chart.TimeSystem(), kMeanStandardTime);
  EXPECT_TRUE(chart.IncludeRiseSet());
  // The zone's own city, at its standard time (not daylight saving).
  EXPECT_EQ(chart.Location().Name(), "ニューヨーク, アメリカ合衆国");
  EXPECT_NEAR(chart.Location().Latitude(), 40.714, 0.001);
  EXPECT_NEAR(chart.Location().Longitude(), -74.006, 0.001);
  EXPECT_EQ(chart.Location().TimeZone(), -5);
  EXPECT_EQ(chart.Season().CalcSeason(), 4);
  EXPECT_EQ(chart.Season().EquationOfTime(), 0);
  EXPECT_FALSE(model.season.adjustEquation);
  EXPECT_EQ(model.season.seasonDate, today);
  EXPECT_EQ(model.calcTime.startTime, -999);
  EXPECT_EQ(model.calcTime.interval, 30);
  EXPECT_EQ(model.dialOption.picture, AppFolder() + "/bkgcolor.wmf");
  EXPECT_EQ(model.dialInformationFont.name, "ＭＳ Ｐゴシック");
  EXPECT_EQ(model.documentPath, "");
  EXPECT_FALSE(model.Printer().IsPrinterAvailable());
}

TEST(MainModel, NewDesignsStartAtTheTimeZonesPlaceOrAtAkashi) {
  {
    ScopedTimeZone tz(":Europe/Berlin");
    EXPECT_EQ(GetSystemTimeZoneName(), "Europe/Berlin");
    const ZonePlace place = DefaultDesignPlace();
    EXPECT_EQ(place.englishName, "Berlin, Germany");
    EXPECT_EQ(MainModel().Chart().Location().Name(), "ベルリン, ドイツ");
    EXPECT_EQ(MainModel().Chart().Location().TimeZone(), 1);
  }
  // Japan's zone, a rule without a name, a zone of no listed city.
  for (const char* zone : {"Asia/Tokyo", "JST-9", "/usr/share/zoneinfo/Etc/UTC"}) {
    ScopedTimeZone tz(zone);
    const MainModel model;
    const ChartLocation& location = model.Chart().Location();
    EXPECT_EQ(location.Name(), "兵庫県明石市") << zone;
    EXPECT_EQ(location.Latitude(), 34.65) << zone;
    EXPECT_EQ(location.Longitude(), 135) << zone;
    EXPECT_EQ(location.TimeZone(), 9) << zone;  // noon at 12:00 on a computer in UTC too
  }
  ScopedTimeZone tz("/usr/share/zoneinfo/Europe/Berlin");
  EXPECT_EQ(GetSystemTimeZoneName(), "Europe/Berlin");
}

TEST(MainModel, ZoneLinesAreReadWithTheirSigns) {
  const std::string text =
      "\"America/Lima\",\"Lima, Peru\",\"リマ, ペルー\",-12,2,36,-77,-2,-0,-5\r\n"
      "\"America/Bogota\",\"Bogota\",\"x\",4,36\r\n";
  const auto lima = FindZonePlace(text, "America/Lima");
  ASSERT_TRUE(lima);
  EXPECT_EQ(lima->japaneseName, "リマ, ペルー");
  EXPECT_NEAR(lima->latitude, -(12 + 2 / 60.0 + 36 / 3600.0), 1e-12);
  EXPECT_NEAR(lima->longitude, -(77 + 2 / 60.0), 1e-12);
  EXPECT_EQ(lima->timeZone, -5);
  EXPECT_FALSE(FindZonePlace(text, "America/Bogota")) << "a short line";
  EXPECT_FALSE(FindZonePlace(text, "America"));
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

  model.season.adjustEquation = true;
  model.season.seasonDate = {2025, 3, 1};
  model.Chart().setLeapYear(false);
  ASSERT_EQ(model.ApplySeason(), Status::Ok());
  EXPECT_EQ(model.Chart().Season().CalcDate(), 60);
  EXPECT_NE(model.Chart().Season().EquationOfTime(), 0);

  // 29 February on a chart without leap year: the engine's error is recorded.
  model.season.seasonDate = {2025, 2, 29};
  EXPECT_EQ(model.ApplySeason(), Status::Error(kEngineErrorNumber));
  EXPECT_EQ(model.lastError.number, kEngineErrorNumber);
  EXPECT_FALSE(model.lastError.description.empty());
  EXPECT_EQ(model.Chart().Season().CalcDate(), 60);
  model.Chart().setLeapYear(true);
  EXPECT_EQ(model.ApplySeason(), Status::Ok());
  EXPECT_EQ(model.lastError.number, 0);
  EXPECT_EQ(model.Chart().Season().CalcDate(), 60);
}

}  // namespace
