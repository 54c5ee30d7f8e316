// What the location dialog shows and does, without the window: the region
// and city lists in either language, the selection, the two switches, the
// details of the selected city, the failure state, and handing the chosen
// place to the chart. The window binds its controls to this.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "LocationDatabase.h"
#include "WindowPlacement.h"

class Chart;

inline constexpr std::string_view kLocationDialogCaption =
    UMBRAFEX_TEXT_NOOP("LocationDialog", "Choose Location");
inline constexpr int16_t kDefaultRegionCode = 28;  // 兵庫県
inline constexpr int16_t kDefaultCityCode = 6;     // 明石市
// A list longer than this helps no one find a city and would slow each key.
inline constexpr std::size_t kMaxFoundCities = 300;

// The dialog's stored choice (preferences section "LocationDialog"). Before
// one is stored, English names are shown under English texts.
struct LocationChoice {
  bool jgd2000 = false;
  bool english = false;
  int16_t selectPref = kDefaultRegionCode;
  int16_t selectCity = kDefaultCityCode;
};

// The dialog's section of the preferences: the stored choice (defaults above
// for absent or unreadable keys) and the dialog's place, "10, 10" at first.
// Until a region is stored the dialog opens at the city a new design starts
// at, that of the computer's time zone, when the database in
// `databaseFolder` lists it.
inline constexpr std::string_view kLocationDialogSection = "LocationDialog";
LocationChoice LoadLocationChoice(const std::string& databaseFolder);
WindowPlacement LoadLocationDialogPlacement();
// On closing: the place unless minimised; the choice only after OK.
void SaveLocationDialog(const WindowPlacement& placement, const LocationChoice& choice,
                        bool cancelled);

// The three read-only boxes: latitude, longitude, remarks.
struct CityDetails {
  std::string latitude;
  std::string longitude;
  std::string remarks;
};

// The place handed back on OK.
struct ChosenPlace {
  std::string name;
  DmsTriple latitude{};
  DmsTriple longitude{};
  double timeZone = 0;
};

class LocationDialogModel {
 public:
  LocationDialogModel(std::string folder, LocationChoice choice);

  // Reads the regions, then the cities of the selected region. False when
  // the database cannot be read: when the region list itself cannot be read
  // the model is in its failed state (lists empty, only Cancel and the
  // English switch usable); when only the selected region's cities cannot,
  // that region is damaged (see RegionDamaged). FailureMessage() is the text
  // to show in either case.
  bool Load();
  bool Failed() const { return failed_; }
  // The selected region's records could not be read: its city list is empty
  // while every other region can still be chosen.
  bool RegionDamaged() const { return regionDamaged_; }
  std::string FailureMessage() const {
    return TranslateText("LocationDialog", kLocationDatabaseError.data());
  }

  const std::vector<RegionRecord>& Regions() const { return regions_; }
  const std::vector<CityRecord>& Cities() const { return cities_; }
  std::vector<std::string> RegionItems() const;
  std::vector<std::string> CityItems() const;
  // List positions of the selection (code - 1); -1 in the failed state, and
  // for the city while the region lists none.
  int RegionIndex() const;
  int CityIndex() const;
  const LocationChoice& Choice() const { return choice_; }

  // The JGD2000 box is enabled for prefectures only; its state still picks
  // the coordinate columns elsewhere.
  bool Jgd2000Enabled() const;

  // Region list click: a different region reads its cities and selects the
  // first. False when its records cannot be read (the region is damaged).
  bool ChooseRegion(int16_t regionCode);
  // City list click: selects the city with that code when it is listed.
  void ChooseCity(int16_t cityCode);
  // Switches act only on a change. Switching English reads regions and cities again
  // (in the failed state it retries the whole database); JGD2000 reads the
  // cities again. False on a database failure.
  bool SetEnglish(bool english);
  bool SetJgd2000(bool jgd2000);

  // The three boxes for the selected city; empty while none is selected.
  // The chart formats the angles (signs "+-", AngleMarks); an angle it
  // cannot format damages the region, like any other failure while its
  // cities are shown. The database's Japanese remarks read in English under
  // English texts.
  CityDetails Details(Chart& chart);
  // The selected place; nullopt while no city is selected.
  std::optional<ChosenPlace> Chosen() const;

  // Searching: the cities of every region whose name, or whose region's
  // name, contains the text in either language (Latin letters compared
  // without regard to case): names that begin with it first, then names
  // that hold it, then cities of matching regions, each in file order, at
  // most kMaxFoundCities of them. Listed in the current language as
  // "city (region)". Nothing for an empty text.
  struct CityMatch {
    int16_t regionCode = 0;
    int16_t cityCode = 0;
    std::string text;
  };
  std::vector<CityMatch> FindCities(std::string_view text);
  // Selects a found city: its region (reading its cities) and the city.
  // False when its region cannot be read.
  bool ChooseFound(const CityMatch& match);

  // The search box's text: while it finds cities, the city list shows them
  // instead of the region's cities.
  void setFilter(std::string_view text) { matches_ = FindCities(text); }
  bool Searching() const { return !matches_.empty(); }
  std::vector<std::string> ListItems() const;
  // The selected city's row; -1 when it is not listed.
  int ListIndex() const;
  // ChooseFound for the found city of that row.
  bool ChooseMatch(int row) { return ChooseFound(matches_[static_cast<std::size_t>(row)]); }

 private:
  bool ReadRegions();
  bool ReadCities();
  bool Fail();
  bool DamageRegion();
  const RegionRecord* SelectedRegion() const;

  std::string folder_;
  LocationChoice choice_;
  std::vector<RegionRecord> regions_;
  std::vector<CityRecord> cities_;
  std::optional<std::vector<CityRecord>> everyCity_;  // read on the first search
  std::vector<CityMatch> matches_;
  bool failed_ = false;
  bool regionDamaged_ = false;
};

// Writes the place into the chart's Location (name, latitude, longitude, time
// zone). Raises the engine's error when an angle does not convert or a value
// is refused; the chart's location is then left as it was. The main window's
// own rule holds here too: a latitude of exactly 0 is refused with the
// chart's latitude message, since the dial has no style angle there.
void ApplyChosenPlace(Chart& chart, const ChosenPlace& place);
