#include "LocationDialogModel.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <tuple>
#include <utility>

#include "AngleMarks.h"
#include "AppIni.h"
#include "Chart.h"
#include "Preferences.h"
#include "ZonePlace.h"

LocationDialogModel::LocationDialogModel(std::string folder, LocationChoice choice)
    : folder_(std::move(folder)), choice_(choice) {}

bool LocationDialogModel::Load() {
  failed_ = false;
  everyCity_.reset();
  return ReadRegions() && ReadCities();
}

bool LocationDialogModel::Fail() {
  regions_.clear();
  cities_.clear();
  failed_ = true;
  regionDamaged_ = false;
  return false;
}

bool LocationDialogModel::DamageRegion() {
  cities_.clear();
  regionDamaged_ = true;
  return false;
}

bool LocationDialogModel::ReadRegions() {
  auto regions = ReadRegionFile(folder_);
  if (!regions || regions->empty()) return Fail();
  regions_ = std::move(*regions);
  // A stored region the database does not hold (a smaller database put in
  // place) falls back to the default rather than locking the dialog in its
  // failed state, from which no choice could ever be stored again.
  const auto count = static_cast<int>(regions_.size());
  if (choice_.selectPref < 1 || choice_.selectPref > count) {
    choice_.selectPref = kDefaultRegionCode <= count ? kDefaultRegionCode : int16_t{1};
    choice_.selectCity = 1;
  }
  return true;
}

bool LocationDialogModel::ReadCities() {
  const auto set = choice_.jgd2000 ? CoordinateSet::Jgd2000 : CoordinateSet::Default;
  auto cities = ReadCityFile(folder_, choice_.selectPref, set);
  if (!cities) return DamageRegion();
  regionDamaged_ = false;
  cities_ = std::move(*cities);
  if (choice_.selectCity < 1 || choice_.selectCity > static_cast<int>(cities_.size())) {
    choice_.selectCity = 1;
  }
  return true;
}

std::vector<std::string> LocationDialogModel::RegionItems() const {
  std::vector<std::string> items;
  items.reserve(regions_.size());
  for (const RegionRecord& region : regions_)
    items.push_back(RegionListText(region, choice_.english));
  return items;
}

std::vector<std::string> LocationDialogModel::CityItems() const {
  std::vector<std::string> items;
  items.reserve(cities_.size());
  for (const CityRecord& city : cities_) items.push_back(CityListText(city, choice_.english));
  return items;
}

int LocationDialogModel::RegionIndex() const {
  return failed_ ? -1 : choice_.selectPref - 1;
}

int LocationDialogModel::CityIndex() const {
  return failed_ || cities_.empty() ? -1 : choice_.selectCity - 1;
}

bool LocationDialogModel::Jgd2000Enabled() const {
  return !failed_ && choice_.selectPref <= kLastPrefectureCode;
}

bool LocationDialogModel::ChooseRegion(int16_t regionCode) {
  if (failed_) return false;
  if (regionCode == choice_.selectPref) return !regionDamaged_;
  if (regionCode < 1 || regionCode > static_cast<int>(regions_.size())) return true;
  choice_.selectPref = regionCode;
  choice_.selectCity = 1;
  return ReadCities();
}

void LocationDialogModel::ChooseCity(int16_t cityCode) {
  if (failed_ || cityCode < 1 || cityCode > static_cast<int>(cities_.size())) return;
  choice_.selectCity = cityCode;
}

bool LocationDialogModel::SetEnglish(bool english) {
  if (english == choice_.english) return !failed_;
  choice_.english = english;
  return Load();
}

bool LocationDialogModel::SetJgd2000(bool jgd2000) {
  if (jgd2000 == choice_.jgd2000) return !failed_;
  choice_.jgd2000 = jgd2000;
  if (failed_) return false;
  return ReadCities();
}

const RegionRecord* LocationDialogModel::SelectedRegion() const {
  if (failed_ || choice_.selectPref < 1 || choice_.selectPref > static_cast<int>(regions_.size())) {
    return nullptr;
  }
  return &regions_[static_cast<std::size_t>(choice_.selectPref - 1)];
}

namespace {

// The database's remarks on Japanese cities and capitals are Japanese; under
// English texts the few it uses are shown in English, others as they are.
std::string RemarksText(const std::string& remarks) {
  static constexpr std::pair<std::string_view, std::string_view> kEnglish[] = {
      {"首都", "Capital"},
      {"都庁所在地", "Prefectural capital"},
      {"道庁所在地", "Prefectural capital"},
      {"府庁所在地", "Prefectural capital"},
      {"県庁所在地", "Prefectural capital"},
      {"日本標準時子午線 (東経135度)", "On Japan's standard time meridian (135° E)"}};
  if (TextLanguage() == UiLanguage::Japanese) return remarks;
  for (const auto& [japanese, english] : kEnglish) {
    if (remarks == japanese) return std::string(english);
  }
  return remarks;
}

}  // namespace

CityDetails LocationDialogModel::Details(Chart& chart) {
  const int index = CityIndex();
  if (index < 0 || index >= static_cast<int>(cities_.size())) return {};
  const CityRecord& city = cities_[static_cast<std::size_t>(index)];
  CityDetails details;
  const Status status = TrapStatus([&] {
    details = {chart.FormatDmsAngle(city.latitude, "+-", AngleMarks()),
               chart.FormatDmsAngle(city.longitude, "+-", AngleMarks()), RemarksText(city.remarks)};
  });
  if (!status.ok()) {
    DamageRegion();
    return {};
  }
  return details;
}

std::optional<ChosenPlace> LocationDialogModel::Chosen() const {
  const RegionRecord* region = SelectedRegion();
  const int index = CityIndex();
  if (region == nullptr || index < 0 || index >= static_cast<int>(cities_.size())) {
    return std::nullopt;
  }
  const CityRecord& city = cities_[static_cast<std::size_t>(index)];
  return ChosenPlace{PlaceName(*region, city, choice_.english), city.latitude, city.longitude,
                     city.timeZone};
}

namespace {

char FoldCase(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Byte-wise search in UTF-8 text: a match always starts on a character.
bool Contains(std::string_view text, std::string_view part) {
  const auto it = std::search(text.begin(), text.end(), part.begin(), part.end(),
                              [](char a, char b) { return FoldCase(a) == FoldCase(b); });
  return it != text.end();
}

bool StartsWith(std::string_view text, std::string_view part) {
  return text.size() >= part.size() && Contains(text.substr(0, part.size()), part);
}

}  // namespace

std::vector<LocationDialogModel::CityMatch> LocationDialogModel::FindCities(std::string_view text) {
  std::vector<CityMatch> matches;
  if (failed_ || text.empty()) return matches;
  if (!everyCity_) everyCity_ = ReadAllCities(folder_, CoordinateSet::Default);
  // Cities whose own name holds the text come before those found by their
  // region's name, names that begin with it first of all.
  std::array<std::vector<const CityRecord*>, 3> ranked;
  for (const CityRecord& city : *everyCity_) {
    if (city.regionCode < 1 || city.regionCode > static_cast<int>(regions_.size())) continue;
    const RegionRecord& region = regions_[static_cast<std::size_t>(city.regionCode - 1)];
    if (StartsWith(city.japaneseName, text) || StartsWith(city.englishName, text)) {
      ranked[0].push_back(&city);
    } else if (Contains(city.japaneseName, text) || Contains(city.englishName, text)) {
      ranked[1].push_back(&city);
    } else if (Contains(region.japaneseName, text) || Contains(region.englishName, text)) {
      ranked[2].push_back(&city);
    }
  }
  for (const auto& rank : ranked) {
    for (const CityRecord* city : rank) {
      if (matches.size() == kMaxFoundCities) return matches;
      const RegionRecord& region = regions_[static_cast<std::size_t>(city->regionCode - 1)];
      const std::string& regionName = choice_.english ? region.englishName : region.japaneseName;
      matches.push_back({city->regionCode, city->cityCode,
                         CityListText(*city, choice_.english) + " (" + regionName + ")"});
    }
  }
  return matches;
}

bool LocationDialogModel::ChooseFound(const CityMatch& match) {
  if (!ChooseRegion(match.regionCode)) return false;
  ChooseCity(match.cityCode);
  return true;
}

std::vector<std::string> LocationDialogModel::ListItems() const {
  if (!Searching()) return CityItems();
  std::vector<std::string> items;
  for (const CityMatch& match : matches_) items.push_back(match.text);
  return items;
}

int LocationDialogModel::ListIndex() const {
  if (!Searching()) return CityIndex();
  int index = -1;
  for (std::size_t i = 0; i < matches_.size() && !regionDamaged_; ++i) {
    if (matches_[i].regionCode == choice_.selectPref &&
        matches_[i].cityCode == choice_.selectCity) {
      index = static_cast<int>(i);
    }
  }
  return index;
}

namespace {

double ConvertOrRaise(Chart& chart, const DmsTriple& triple) {
  double degrees = 0;
  if (!chart.ConvDegAngle(triple, degrees).ok()) RaiseChartError(chart);
  return degrees;
}

}  // namespace

void ApplyChosenPlace(Chart& chart, const ChosenPlace& place) {
  const double latitude = ConvertOrRaise(chart, place.latitude);
  if (latitude == 0) {
    RaiseError(kEngineErrorNumber, "Location.Latitude",
               TranslateText("LocationDialog", "The latitude is not valid."));
  }
  const double longitude = ConvertOrRaise(chart, place.longitude);
  ChartLocation& location = chart.Location();
  const std::string oldName = location.Name();
  const double oldLatitude = location.Latitude();
  const double oldLongitude = location.Longitude();
  ErrorRecord refused;
  const Status status = TrapStatus(refused, [&] {
    location.setName(place.name);
    location.setLatitude(latitude);
    location.setLongitude(longitude);
    location.setTimeZone(place.timeZone);
  });
  if (!status.ok()) {
    // A refused value must not leave half a place behind: the dialog stays
    // open and may still be cancelled. The zone is the last value and its
    // setter refuses before changing anything; setting the meridian back
    // instead would turn a zone of -12 into +12.
    location.setName(oldName);
    location.setLatitude(oldLatitude);
    location.setLongitude(oldLongitude);
    RaiseRecorded(refused);
  }
}

namespace {

// A stored code beyond 16 bits is no code at all.
int16_t GetIniCode(std::string_view key, int16_t fallback) {
  const int32_t code = GetIniInt(kLocationDialogSection, key, fallback);
  return code >= INT16_MIN && code <= INT16_MAX ? static_cast<int16_t>(code) : fallback;
}

// The region and city codes of the computer's zone's city, found by the
// English "city, region" name that zones.dat gives it.
std::optional<std::pair<int16_t, int16_t>> ZoneCityCodes(const std::string& folder) {
  const auto place = SystemZonePlace();
  if (!place) return std::nullopt;
  const auto regions = ReadRegionFile(folder);
  if (!regions) return std::nullopt;
  for (const RegionRecord& region : *regions) {
    if (!place->englishName.ends_with(", " + region.englishName)) continue;
    const auto cities = ReadCityFile(folder, region.code, CoordinateSet::Default);
    for (const CityRecord& city : cities.value_or(std::vector<CityRecord>{})) {
      if (PlaceName(region, city, true) == place->englishName) {
        return std::pair{region.code, city.cityCode};
      }
    }
  }
  return std::nullopt;
}

}  // namespace

LocationChoice LoadLocationChoice(const std::string& databaseFolder) {
  LocationChoice choice;
  if (GetIniString(kLocationDialogSection, "SelectPref", "").empty()) {
    if (const auto codes = ZoneCityCodes(databaseFolder)) {
      std::tie(choice.selectPref, choice.selectCity) = *codes;
    }
  }
  choice.jgd2000 = GetIniBool(kLocationDialogSection, "JGD2000", choice.jgd2000);
  choice.english =
      GetIniBool(kLocationDialogSection, "English", TextLanguage() == UiLanguage::English);
  choice.selectPref = GetIniCode("SelectPref", choice.selectPref);
  choice.selectCity = GetIniCode("SelectCity", choice.selectCity);
  return choice;
}

WindowPlacement LoadLocationDialogPlacement() {
  WindowPlacement placement{10, 10};
  LoadWindowPlacement(kLocationDialogSection, PlacementKeys::Position, placement);
  return placement;
}

void SaveLocationDialog(const WindowPlacement& placement, const LocationChoice& choice,
                        bool cancelled) {
  SaveWindowPlacement(kLocationDialogSection, PlacementKeys::Position, placement);
  if (cancelled) return;
  PutIniBool(kLocationDialogSection, "JGD2000", choice.jgd2000);
  PutIniBool(kLocationDialogSection, "English", choice.english);
  PutIniString(kLocationDialogSection, "SelectPref", std::to_string(choice.selectPref));
  PutIniString(kLocationDialogSection, "SelectCity", std::to_string(choice.selectCity));
}
