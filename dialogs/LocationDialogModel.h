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

class clsChart;

inline constexpr std::string_view kLocationDialogCaption = "地域の選択";
inline constexpr int16_t kDefaultRegionCode = 28;  // 兵庫県
inline constexpr int16_t kDefaultCityCode = 6;     // 明石市

// The dialog's stored choice (preferences section "LocationDialog").
struct LocationChoice {
  bool JGD2000 = false;
  bool English = false;
  int16_t SelectPref = kDefaultRegionCode;
  int16_t SelectCity = kDefaultCityCode;
};

// The dialog's section of the preferences: the stored choice (defaults above
// for absent or unreadable keys) and the dialog's place, "10, 10" at first.
inline constexpr std::string_view kLocationDialogSection = "LocationDialog";
LocationChoice LoadLocationChoice();
WindowPlacement LoadLocationDialogPlacement();
// On closing: the place unless minimised; the choice only after OK.
void SaveLocationDialog(const WindowPlacement& placement, const LocationChoice& choice,
                        bool cancelled);

// The three read-only boxes: latitude, longitude, remarks.
struct CityDetails {
  std::string Latitude;
  std::string Longitude;
  std::string Remarks;
};

// The place handed back on OK.
struct ChosenPlace {
  std::string Name;
  DmsTriple Latitude{};
  DmsTriple Longitude{};
  double TimeZone = 0;
};

class LocationDialogModel {
 public:
  LocationDialogModel(std::string folder, LocationChoice choice);

  // Reads the regions, then the cities of the selected region. False when
  // the database cannot be read: the model is then in its failed state
  // (lists empty, only Cancel and the English switch usable) and
  // FailureMessage() is the text to show.
  bool Load();
  bool Failed() const { return failed_; }
  std::string_view FailureMessage() const { return kLocationDatabaseError; }

  const std::vector<RegionRecord>& Regions() const { return regions_; }
  const std::vector<CityRecord>& Cities() const { return cities_; }
  std::vector<std::string> RegionItems() const;
  std::vector<std::string> CityItems() const;
  // List positions of the selection (code - 1); -1 in the failed state.
  int RegionIndex() const;
  int CityIndex() const;
  const LocationChoice& Choice() const { return choice_; }

  // The JGD2000 box is enabled for prefectures only; its state still picks
  // the coordinate columns elsewhere.
  bool Jgd2000Enabled() const;

  // Region list click: a different region reads its cities and selects the
  // first. False on a database failure.
  bool ChooseRegion(int16_t regionCode);
  // City list click: selects the city with that code when it is listed.
  void ChooseCity(int16_t cityCode);
  // Switches act only on a change. English reads regions and cities again
  // (in the failed state it retries the whole database); JGD2000 reads the
  // cities again. False on a database failure.
  bool SetEnglish(bool english);
  bool SetJgd2000(bool jgd2000);

  // The three boxes for the selected city; empty in the failed state. The
  // chart formats the angles (signs "+-", units "度分秒"); an angle it
  // cannot format puts the model into the failed state, like any other
  // failure while the cities are shown.
  CityDetails Details(clsChart& chart);
  // The selected place; nullopt in the failed state.
  std::optional<ChosenPlace> Chosen() const;

 private:
  bool ReadRegions();
  bool ReadCities();
  bool Fail();
  const RegionRecord* SelectedRegion() const;

  std::string folder_;
  LocationChoice choice_;
  std::vector<RegionRecord> regions_;
  std::vector<CityRecord> cities_;
  bool failed_ = false;
};

// Writes the place into the chart's Location (name, latitude, longitude, time
// zone). Raises the engine's error when an angle does not convert or a value
// is refused; the chart's location is then left as it was.
void ApplyChosenPlace(clsChart& chart, const ChosenPlace& place);
