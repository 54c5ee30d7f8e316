// Under English the listing, the location dialog's texts and the options'
// texts are English, with English dates and angle marks.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "../platform/ScratchFolder.h"
#include "../support/ScopedTimeZone.h"
#include "AppIni.h"
#include "Chart.h"
#include "InfoListing.h"
#include "LocationDialogModel.h"
#include "OptionsModel.h"
#include "UiLanguage.h"

namespace {

// U+3000 and above (CJK, kana, full-width forms) start with a byte >= 0xE3.
bool HasCjk(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0xE3; });
}

class EnglishTexts : public ::testing::Test {
 protected:
  void SetUp() override {
    SetAppIniPath(scratch_.Path("umbrafex.ini"));
    InstallUiLanguage(UiLanguage::English);
  }
  void TearDown() override {
    InstallUiLanguage(LanguageFromLocale());
    SetAppIniPath("");
  }

  ScratchFolder scratch_{"english"};
};

TEST_F(EnglishTexts, ListingInEnglishForms) {
  Chart chart;
  chart.setTimeSystem(kTrueSolarTime);
  chart.setCompatible(true);
  chart.Location().setName("Akashi, Hyogo");
  EXPECT_EQ(BuildInfoListing(chart, 2026),
            "Place: Akashi, Hyogo\r\n"
            "Latitude: 34°39′00″ N (+34.65°)\r\n"
            "Longitude: 135°00′00″ E (+135.0°)\r\n"
            "Magnetic declination: 7°03′ W (7.05760408°)\r\n"
            "Time zone: GMT+9:00\r\n"
            "\r\n"
            "Season: Winter solstice (December 22)\r\n"
            "Solar declination: -23°27′00″ (-23.45°)\r\n"
            "Equation of time: +0 h 02 min 08 s (+0.03558137 h)\r\n"
            "Difference from standard time: -0 h 02 min 08 s (-0.03558137 h), the clock behind "
            "the sundial\r\n"
            "Sunrise: 7:09:47 (+7.16304113 h) (geometric)\r\n"
            "Sunset: 16:50:13 (+16.83695887 h) (geometric)\r\n"
            "Sunrise and sunset (almanac): 7:05:10 / 16:54:50\r\n"
            "Day length: 9 h 40 min 26 s (9.67391773 h)\r\n"
            "Time system: True solar time\r\n");

  chart.Location().setLatitude(-80);
  chart.Location().setLongitude(-70.25);
  chart.Season().setCalcSeason(4);
  chart.setTimeSystem(kMeanStandardTime);
  std::string listing = BuildInfoListing(chart, 2026);
  for (const char* line : {"Latitude: 80°00′00″ S (-80.0°)", "Longitude: 70°15′00″ W (-70.25°)",
                           "Season: Summer solstice (June 21)", "Sunrise: Polar night",
                           "Day length: 0 h 00 min 00 s", "Time system: Mean standard time"}) {
    EXPECT_NE(listing.find(line), std::string::npos) << line;
  }
  chart.Season().setCalcDate(100);
  listing = BuildInfoListing(chart, 2026);
  EXPECT_NE(listing.find("Date: April 10\r\n"), std::string::npos);
  EXPECT_FALSE(HasCjk(listing));
}

TEST_F(EnglishTexts, LocationDialogStartsWithEnglishNames) {
  ScopedTimeZone tz("Asia/Tokyo");
  const LocationChoice choice = LoadLocationChoice(UMBRAFEX_RESOURCES_DIR);
  EXPECT_TRUE(choice.english) << "the box starts ticked until a choice is stored";
  LocationDialogModel model(UMBRAFEX_RESOURCES_DIR, choice);
  ASSERT_TRUE(model.Load());
  Chart chart;
  const CityDetails akashi = model.Details(chart);
  EXPECT_EQ(akashi.latitude, "+34°39′00″");
  EXPECT_EQ(akashi.longitude, "+135°00′00″");
  EXPECT_EQ(model.Chosen()->name, "Akashi, Hyogo");
  for (const auto& items : {model.RegionItems(), model.ListItems()}) {
    for (const std::string& item : items) EXPECT_FALSE(HasCjk(item)) << item;
  }
  // The database's remarks are Japanese: Akashi's, a prefecture's capital, a country's.
  EXPECT_EQ(akashi.remarks, "On Japan's standard time meridian (135° E)");
  for (const auto& [city, remarks] :
       {std::pair{"Sapporo", "Prefectural capital"}, {"Paris", "Capital"}}) {
    model.setFilter(city);
    ASSERT_TRUE(model.Searching()) << city;
    ASSERT_TRUE(model.ChooseMatch(0));
    EXPECT_EQ(model.Details(chart).remarks, remarks) << city;
  }

  EXPECT_EQ(model.FailureMessage(), "The location database cannot be opened.");
  ChosenPlace equator{"Equator", {0, 0, 0}, {10, 0, 0}, 1};
  ErrorRecord error;
  EXPECT_FALSE(TrapStatus(error, [&] { ApplyChosenPlace(chart, equator); }).ok());
  EXPECT_EQ(error.description, "The latitude is not valid.");
}

TEST_F(EnglishTexts, OptionsMeridianInDegreeMarks) {
  Chart chart;
  EXPECT_EQ(FormatTimeZone(chart, 5.5).meridian, "+82°30′00″");
}

}  // namespace
