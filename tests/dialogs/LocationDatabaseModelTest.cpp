// The dialog's behaviour on small databases written for each case.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "../platform/ScratchFolder.h"
#include "Chart.h"
#include "LocationDialogModel.h"

namespace {

namespace fs = std::filesystem;

// Regions 1..count; those above 47 stand for the world regions.
std::string Regions(int count) {
  std::string text;
  for (int code = 1; code <= count; ++code) {
    const std::string n = std::to_string(code);
    text += n + ",\"Region" + n + "\",\"Area" + n + "\",\"県" + n + "\"\r\n";
  }
  return text;
}

std::string City(int region, int number, const std::string& defaultSet, const std::string& worldSet,
                 const std::string& zone = "9") {
  const std::string r = std::to_string(region), n = std::to_string(number);
  return r + "," + n + ",\"City" + r + "-" + n + "\",\"市" + r + "-" + n + "\"," + defaultSet +
         "," + worldSet + "," + zone + ",\"remark " + r + "-" + n + "\"\r\n";
}

class LocationDialogModelTest : public ::testing::Test {
 protected:
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(folder_ / name, std::ios::binary) << text;
  }
  // 50 regions; cities in 1 (three), 28 (six), 48 (two); none in 2.
  void WriteStandard() {
    Write("prefs.dat", Regions(50));
    std::string cities = City(1, 1, "43,3,42,141,21,2", "43,3,51,141,20,49") +
                         City(1, 2, "1,0,0,1,0,0", "1,0,10,1,0,10") +
                         City(1, 3, "2,0,0,2,0,0", "2,0,10,2,0,10");
    for (int n = 1; n <= 6; ++n) {
      cities += City(28, n, "34,39,0,135,0,0", "34,39,12,134,59,50");
    }
    cities += City(48, 1, "-33,52,10,151,12,30", "-33,52,10,151,12,30", "10") +
              City(48, 2, "0,-30,0,-0,-10,5", "0,-30,9,0,-10,5", "-3.5");
    Write("cities.dat", cities);
  }
  std::string Folder() const { return folder_.string(); }

  ScratchFolder scratch_{"location"};
  const fs::path& folder_ = scratch_.path();
};

TEST_F(LocationDialogModelTest, NoStoredChoiceSelectsTheDefaultPlace) {
  WriteStandard();
  LocationDialogModel model(Folder(), LocationChoice{});
  ASSERT_TRUE(model.Load());
  EXPECT_EQ(model.RegionIndex(), 27);
  EXPECT_EQ(model.CityIndex(), 5);
  EXPECT_EQ(model.RegionItems().size(), 50u);
  EXPECT_EQ(model.CityItems().size(), 6u);
  EXPECT_TRUE(model.Jgd2000Enabled());

  Chart chart;
  const CityDetails details = model.Details(chart);
  EXPECT_EQ(details.latitude, "+34度39分00秒");
  EXPECT_EQ(details.longitude, "+135度00分00秒");
  EXPECT_EQ(details.remarks, "remark 28-6");

  const auto place = model.Chosen();
  ASSERT_TRUE(place);
  EXPECT_EQ(place->name, "県28市28-6");
  ApplyChosenPlace(chart, *place);
  EXPECT_EQ(chart.Location().Name(), "県28市28-6");
  EXPECT_DOUBLE_EQ(chart.Location().Latitude(), 34.65);
  EXPECT_DOUBLE_EQ(chart.Location().Longitude(), 135);
  EXPECT_DOUBLE_EQ(chart.Location().TimeZone(), 9);
}

TEST_F(LocationDialogModelTest, SelectionRulesForCitiesAndRegions) {
  WriteStandard();
  LocationDialogModel model(Folder(), LocationChoice{false, false, 1, 9});
  ASSERT_TRUE(model.Load());
  EXPECT_EQ(model.CityIndex(), 0) << "a stored city beyond the list selects the first";

  model.ChooseCity(3);
  EXPECT_EQ(model.CityIndex(), 2);
  model.ChooseCity(4);
  EXPECT_EQ(model.CityIndex(), 2) << "a code that is not listed changes nothing";

  ASSERT_TRUE(model.ChooseRegion(28));
  EXPECT_EQ(model.CityIndex(), 0) << "a new region starts at its first city";
  model.ChooseCity(4);
  ASSERT_TRUE(model.ChooseRegion(28));
  EXPECT_EQ(model.CityIndex(), 3) << "choosing the same region again keeps the city";

  // A stored region the database does not have falls back to the default.
  LocationDialogModel stale(Folder(), LocationChoice{false, false, 99, 4});
  ASSERT_TRUE(stale.Load());
  EXPECT_EQ(stale.RegionIndex(), 27);
  EXPECT_EQ(stale.CityIndex(), 0);
}

TEST_F(LocationDialogModelTest, SwitchesPickColumnsAndNames) {
  WriteStandard();
  LocationDialogModel model(Folder(), LocationChoice{false, false, 1, 1});
  ASSERT_TRUE(model.Load());
  ASSERT_TRUE(model.SetJgd2000(true));
  EXPECT_EQ(model.Chosen()->latitude, (DmsTriple{43, 3, 51}));

  ASSERT_TRUE(model.SetEnglish(true));
  EXPECT_EQ(model.RegionItems()[0], "Area1, Region1");
  EXPECT_EQ(model.RegionItems()[47], "Region48");
  EXPECT_EQ(model.CityItems()[0], "City1-1");
  EXPECT_EQ(model.Chosen()->name, "City1-1, Region1");
  EXPECT_EQ(model.CityIndex(), 0) << "the selection survives the language change";

  // Above the prefectures the JGD2000 box is disabled but still chooses.
  ASSERT_TRUE(model.SetEnglish(false));
  ASSERT_TRUE(model.ChooseRegion(48));
  EXPECT_FALSE(model.Jgd2000Enabled());
  EXPECT_TRUE(model.Choice().jgd2000);
  model.ChooseCity(2);
  const auto place = model.Chosen();
  EXPECT_EQ(place->name, "市48-2, 県48");
  EXPECT_EQ(place->latitude, (DmsTriple{0, -30, 9})) << "the second set, as written";
  EXPECT_EQ(place->longitude, (DmsTriple{0, -10, 5}));
  EXPECT_EQ(place->timeZone, -3.5);
  ASSERT_TRUE(model.SetJgd2000(false));
  EXPECT_EQ(model.Chosen()->longitude, (DmsTriple{0, -10, 5}));
  EXPECT_EQ(model.Chosen()->latitude, (DmsTriple{0, -30, 0}));
}

TEST_F(LocationDialogModelTest, ARegionWithoutCitiesOrWithADamagedRecordLocksOnlyItself) {
  WriteStandard();
  LocationDialogModel model(Folder(), LocationChoice{});
  ASSERT_TRUE(model.Load());
  EXPECT_TRUE(model.ChooseRegion(2)) << "no cities is no failure";
  EXPECT_FALSE(model.Failed());
  EXPECT_TRUE(model.CityItems().empty());
  EXPECT_EQ(model.CityIndex(), -1);
  EXPECT_FALSE(model.Chosen()) << "nothing to hand back";
  Chart chart;
  EXPECT_EQ(model.Details(chart).latitude, "");
  ASSERT_TRUE(model.ChooseRegion(28));
  EXPECT_EQ(model.Chosen()->name, "県28市28-1");

  // A damaged record in region 1: that region fails, the others work.
  Write("cities.dat", City(1, 1, "1,0,0,1,0,0", "1,0,0,1,0,0") + "1,2,\"X\",\"x\",1,2\r\n" +
                          City(2, 1, "2,0,0,2,0,0", "2,0,10,2,0,10"));
  EXPECT_FALSE(model.ChooseRegion(1));
  EXPECT_TRUE(model.RegionDamaged());
  EXPECT_FALSE(model.Failed());
  EXPECT_EQ(model.FailureMessage(), "経緯度情報データベースを開くことができません。");
  EXPECT_EQ(model.RegionItems().size(), 50u) << "the region list stays usable";
  EXPECT_FALSE(model.Chosen());
  ASSERT_TRUE(model.ChooseRegion(2));
  EXPECT_FALSE(model.RegionDamaged());
  EXPECT_EQ(model.Chosen()->latitude, (DmsTriple{2, 0, 0}));
}

TEST_F(LocationDialogModelTest, AnUnreadableRegionFileFailsAllAndEnglishRetries) {
  WriteStandard();
  Write("prefs.dat", "\"unterminated");
  LocationDialogModel model(Folder(), LocationChoice{});
  EXPECT_FALSE(model.Load());
  EXPECT_TRUE(model.Failed());
  EXPECT_TRUE(model.RegionItems().empty());
  EXPECT_EQ(model.RegionIndex(), -1);
  EXPECT_FALSE(model.Jgd2000Enabled());
  EXPECT_FALSE(model.SetJgd2000(true)) << "only the English switch retries";

  Write("prefs.dat", Regions(50));
  ASSERT_TRUE(model.SetEnglish(true));
  EXPECT_FALSE(model.Failed());
  EXPECT_EQ(model.RegionIndex(), 27);
  EXPECT_EQ(model.Chosen()->latitude, (DmsTriple{34, 39, 12})) << "the JGD2000 tick kept";
}

TEST_F(LocationDialogModelTest, FindsCitiesInEitherLanguageAcrossRegions) {
  WriteStandard();
  LocationDialogModel model(Folder(), LocationChoice{});
  ASSERT_TRUE(model.Load());
  EXPECT_TRUE(model.FindCities("").empty());
  const auto byEnglish = model.FindCities("city48-");
  ASSERT_EQ(byEnglish.size(), 2u) << "letters match without regard to case";
  EXPECT_EQ(byEnglish[1].text, "市48-2 (県48)");
  EXPECT_EQ(model.FindCities("県1").size(), 3u) << "a region's name lists its cities";
  ASSERT_TRUE(model.ChooseFound(byEnglish[1]));
  EXPECT_EQ(model.RegionIndex(), 47);
  EXPECT_EQ(model.Chosen()->name, "市48-2, 県48");

  model.setFilter("city48-");
  EXPECT_EQ(model.ListItems().at(1), "市48-2 (県48)");
  EXPECT_EQ(model.ListIndex(), 1) << "the chosen city stays selected among the found";
  ASSERT_TRUE(model.ChooseMatch(0));
  EXPECT_EQ(model.ListIndex(), 0);
  model.setFilter("");
  EXPECT_FALSE(model.Searching());
  EXPECT_EQ(model.ListItems(), model.CityItems());
}

TEST_F(LocationDialogModelTest, MissingOrDamagedFilesFail) {
  EXPECT_FALSE(LocationDialogModel(Folder(), LocationChoice{}).Load()) << "no files at all";
  WriteStandard();
  for (const std::string& damaged :
       {std::string("1,\"a\",\"b\""), std::string("\"unterminated"), std::string("\r\n"),
        Regions(3) + "5,\"x\",\"y\",\"z\"\r\n", std::string("\xff\xfe\x00\x01", 4)}) {
    Write("prefs.dat", damaged);
    LocationDialogModel model(Folder(), LocationChoice{});
    EXPECT_FALSE(model.Load()) << damaged;
    EXPECT_TRUE(model.Failed());
  }
  Write("prefs.dat", Regions(50));
  Write("cities.dat", City(28, 1, "34,39,0,135,0", "34,39,12,134,59,50"));
  EXPECT_FALSE(LocationDialogModel(Folder(), LocationChoice{}).Load()) << "a short city record";
}

TEST_F(LocationDialogModelTest, AnAngleTheChartCannotShowFailsLikeTheDatabase) {
  Write("prefs.dat", Regions(1));
  Write("cities.dat", City(1, 1, "-32768,0,0,1,0,0", "1,0,0,1,0,0"));
  LocationDialogModel model(Folder(), LocationChoice{false, false, 1, 1});
  ASSERT_TRUE(model.Load());
  Chart chart;
  EXPECT_EQ(model.Details(chart).latitude, "");
  EXPECT_TRUE(model.RegionDamaged());
  EXPECT_FALSE(model.Chosen());
}

TEST_F(LocationDialogModelTest, ReadsCp932Files) {
  // 兵庫県 / 明石市 in CP932.
  Write("prefs.dat", "1,\"Hyogo\",\"Kinki\",\"\x95\xba\x8c\xc9\x8c\xa7\"\r\n");
  Write("cities.dat",
        "1,1,\"Akashi\",\"\x96\xbe\x90\xce\x8e\x73\",34,39,0,135,0,0,34,39,12,"
        "134,59,50,9,\"\"\r\n");
  LocationDialogModel model(Folder(), LocationChoice{false, false, 1, 1});
  ASSERT_TRUE(model.Load());
  EXPECT_EQ(model.Chosen()->name, "兵庫県明石市");
}

TEST(ApplyChosenPlace, RefusedValuesLeaveTheChartAsItWas) {
  Chart chart;
  const std::string name = chart.Location().Name();
  const double latitude = chart.Location().Latitude();
  const double meridian = chart.Location().StandardMeridian();

  // A time zone the chart refuses, after name and coordinates went in.
  ChosenPlace place{"Somewhere", {10, 0, 0}, {20, 0, 0}, 13};
  EXPECT_FALSE(TrapStatus([&] { ApplyChosenPlace(chart, place); }).ok());
  EXPECT_EQ(chart.Location().Name(), name);
  EXPECT_EQ(chart.Location().Latitude(), latitude);
  EXPECT_EQ(chart.Location().StandardMeridian(), meridian);

  // A zone of -12 lies on the same meridian as +12 and must stay -12.
  chart.Location().setTimeZone(-12);
  EXPECT_FALSE(TrapStatus([&] { ApplyChosenPlace(chart, place); }).ok());
  EXPECT_EQ(chart.Location().TimeZone(), -12);

  // An angle that does not convert raises the engine's own error.
  place = {"Nowhere", {32767, 100, 0}, {20, 0, 0}, 9};
  ErrorRecord raised;
  EXPECT_FALSE(TrapStatus(raised, [&] { ApplyChosenPlace(chart, place); }).ok());
  EXPECT_FALSE(raised.description.empty());
  EXPECT_EQ(chart.Location().Name(), name);

  // The main window's rule: no dial at exactly 0 degrees latitude.
  place = {"Equator", {0, 0, 0}, {20, 0, 0}, 9};
  EXPECT_FALSE(TrapStatus([&] { ApplyChosenPlace(chart, place); }).ok());
  EXPECT_EQ(chart.Location().Name(), name);
  place.latitude = {0, 0, 1};
  EXPECT_EQ(TrapStatus([&] { ApplyChosenPlace(chart, place); }), Status::Ok());
}

}  // namespace
