#include "Preferences.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "AppIni.h"
#include "Paths.h"
#include "SettingChecks.h"
#include "SettingsKeys.h"
#include "UiText.h"
#include "ValueText.h"
#include "Version.h"
#include "ZonePlace.h"

namespace {

constexpr const char* kMain = "Main";
constexpr const char* kProduct = "Umbrafex";

// Runs one loading step; a value in the wrong form or one the engine
// refuses leaves the start-up value.
void Step(const std::function<void()>& step) {
  static_cast<void>(TrapStatus(step));
}

// Reading of the stored preferences from one loaded file.
class PreferenceReader {
 public:
  explicit PreferenceReader(ProfileFile file) : file_(std::move(file)) {}

  std::string Text(std::string_view section, std::string_view key,
                   std::string_view fallback) const {
    return file_.GetString(section, key, fallback);
  }
  int32_t Int(std::string_view section, std::string_view key, int32_t fallback) const {
    return file_.GetInt(section, key, fallback);
  }
  bool Bool(std::string_view section, std::string_view key, bool fallback) const {
    return ParseBoolText(Text(section, key, BoolText(fallback)));
  }
  // A real of the key's range; raises (the step keeps the start-up value)
  // for one outside.
  double Real(std::string_view section, std::string_view key, double fallback,
              const ValueRange& range) const {
    const double value = ParseRealText(Text(section, key, RealText(fallback)));
    RequireInRange(value, range);
    return value;
  }

  // Reads every key of a group, each as its own step, over the defaults'
  // texts; integers are read as the profile reader reads them, from the
  // leading digits.
  void ReadGroup(const SettingsSection& section, Settings& settings,
                 const Settings& defaults) const {
    for (const auto& entry : section.entries(defaults)) {
      // Named references rather than a structured binding: clang before 16
      // cannot capture bindings in a lambda.
      const auto& key = entry.first;
      const auto& fallback = entry.second;
      Step([&] {
        std::string value = section.isIntegerKey(key)
                                ? std::to_string(Int(section.name, key, ParseInt32Text(fallback)))
                                : Text(section.name, key, UnquotePath(fallback));
        section.apply(settings, key, value);
      });
    }
  }

 private:
  ProfileFile file_;
};

void ReadMainSection(const PreferenceReader& ini, MainModel& model) {
  Chart& chart = model.Chart();
  ChartLocation& location = chart.Location();
  Step([&] {
    double position[2] = {model.mainWindow.left, model.mainWindow.top};
    ParsePositionText(ini.Text(kMain, "Position", "0, 0"), position, 2);
    model.mainWindow.left = position[0];
    model.mainWindow.top = position[1];
  });
  Step([&] { chart.setCompatible(ini.Bool(kMain, "Compatible", true)); });
  Step([&] {
    const int32_t timeSystem = ini.Int(kMain, "TimeSystem", kMeanStandardTime);
    RequireInRange(timeSystem, kTimeSystemRange);
    chart.setTimeSystem(timeSystem);
  });
  Step([&] { chart.setIncludeRiseSet(ini.Bool(kMain, "IncludeRiseSet", true)); });
  // Absent keys (the first start) keep the new design's place, which the
  // computer's time zone chose.
  const ZonePlace place = DefaultDesignPlace();
  Step([&] { location.setName(WithoutControlCharacters(ini.Text(kMain, "Name", place.Name()))); });
  Step([&] { location.setLatitude(ini.Real(kMain, "Latitude", place.latitude, kLatitudeRange)); });
  Step([&] {
    location.setLongitude(ini.Real(kMain, "Longitude", place.longitude, kLongitudeRange));
  });
  Step([&] { location.setTimeZone(ini.Real(kMain, "TimeZone", place.timeZone, kTimeZoneRange)); });
  Step([&] {
    const int32_t interval = ini.Int(kMain, "Interval", 30);
    RequireDialInterval(interval);
    model.calcTime.interval = static_cast<int16_t>(interval);
  });
  Step([&] { model.season.adjustEquation = ini.Bool(kMain, "AdjustEquation", false); });
  Step([&] { model.lastDir = ini.Text(kMain, "LastDir", UnquotePath("")); });
  Step([&] { model.general.debugMode = ini.Bool(kMain, "DebugMode", false); });
  Step([&] { model.language = ini.Text(kProduct, "Language", ""); });
}

void ReadGroups(const PreferenceReader& ini, MainModel& model) {
  Settings defaults;
  defaults.dialOption.picture = UnquotePath(FindDataFile("bkgcolor.wmf"));
  for (const SettingsSection& section : SettingsSections()) ini.ReadGroup(section, model, defaults);
}

void PutEntries(ProfileFile& file, std::string_view section, const KeyValueTexts& entries) {
  for (const auto& [key, value] : entries) file.Set(section, key, value);
}

void WriteMainSection(ProfileFile& file, const MainModel& model) {
  const Chart& chart = model.Chart();
  const ChartLocation& location = chart.Location();
  file.Set(kProduct, "Version", VersionText());
  // Absent until a language is chosen; older versions pass the key by.
  if (!model.language.empty()) file.Set(kProduct, "Language", model.language);
  if (!model.mainWindow.IsMinimized()) {
    const double position[2] = {model.mainWindow.left, model.mainWindow.top};
    file.Set(kMain, "Position", FormatPositionText(position, 2));
  }
  PutEntries(file, kMain,
             {{"Compatible", BoolText(chart.Compatible())},
              {"TimeSystem", std::to_string(chart.TimeSystem())},
              {"IncludeRiseSet", BoolText(chart.IncludeRiseSet())},
              {"Name", location.Name()},
              {"Latitude", RealText(location.Latitude())},
              {"Longitude", RealText(location.Longitude())},
              {"TimeZone", RealText(location.TimeZone())},
              {"AdjustEquation", BoolText(model.season.adjustEquation)},
              {"LastDir", QuotePath(model.lastDir)},
              {"DebugMode", BoolText(model.general.debugMode)},
              {"Interval", std::to_string(model.calcTime.interval)}});
}

void WriteGroups(ProfileFile& file, const MainModel& model) {
  for (const SettingsSection& section : SettingsSections()) {
    PutEntries(file, section.name, section.entries(model));
  }
}

bool KeepsSize(PlacementKeys keys) {
  return keys == PlacementKeys::PositionAndSize || keys == PlacementKeys::PositionSizeAndState;
}

bool KeepsState(PlacementKeys keys) {
  return keys == PlacementKeys::PositionAndState || keys == PlacementKeys::PositionSizeAndState;
}

}  // namespace

void LoadPreferences(MainModel& model) {
  // A missing or unreadable file leaves every start-up value.
  const PreferenceReader ini(LoadAppIni().value_or(ProfileFile()));
  ReadMainSection(ini, model);
  ReadGroups(ini, model);
}

bool SavePreferences(const MainModel& model) {
  // An unreadable file is left alone rather than replaced by one without
  // the other windows' sections.
  std::optional<ProfileFile> file = LoadAppIni();
  if (!file) return false;
  bool saved = false;
  const auto silent = [](const std::exception&) { return ErrorRecord{kFileAccessNumber, {}, {}}; };
  const Status status = TrapStatus(
      [&] {
        WriteMainSection(*file, model);
        WriteGroups(*file, model);
        saved = SaveAppIni(*file);
      },
      silent);
  return status.ok() && saved;
}

std::string PreferencesProblemMessage() {
  const std::string reason = AppIniProblem();
  if (reason.empty()) return "";
  // A file that reads but cannot be written still gives its values.
  if (LoadAppIni()) {
    return FillText(TranslateText("Preferences",
                                  "Cannot save the settings to %1 (%2).\n"
                                  "The settings at exit will not be saved."),
                    {AppIniPath(), reason});
  }
  return FillText(TranslateText("Preferences",
                                "Cannot use the settings file %1 (%2).\n"
                                "Continuing with the default settings, which will not be saved."),
                  {AppIniPath(), reason});
}

std::string PreferencesNotSavedMessage() {
  const std::string reason = AppIniProblem();
  if (reason.empty()) {
    return FillText(TranslateText("Preferences", "Cannot save the settings to %1."),
                    {AppIniPath()});
  }
  return FillText(TranslateText("Preferences", "Cannot save the settings to %1 (%2)."),
                  {AppIniPath(), reason});
}

bool GetIniBool(std::string_view section, std::string_view key, bool fallback) {
  bool value = fallback;
  static_cast<void>(
      TrapStatus([&] { value = ParseBoolText(GetIniString(section, key, BoolText(fallback))); }));
  return value;
}

double GetIniReal(std::string_view section, std::string_view key, double fallback) {
  double value = fallback;
  static_cast<void>(
      TrapStatus([&] { value = ParseRealText(GetIniString(section, key, RealText(fallback))); }));
  return value;
}

int32_t PutIniBool(std::string_view section, std::string_view key, bool value) {
  return PutIniString(section, key, BoolText(value));
}

int32_t PutIniReal(std::string_view section, std::string_view key, double value) {
  return PutIniString(section, key, RealText(value));
}

void LoadWindowPlacement(std::string_view section, PlacementKeys keys, WindowPlacement& placement) {
  double items[4] = {placement.left, placement.top, placement.width, placement.height};
  const std::size_t count = KeepsSize(keys) ? 4 : 2;
  ParsePositionText(GetIniString(section, "Position", FormatPositionText(items, count)), items,
                    count);
  placement.left = items[0];
  placement.top = items[1];
  if (KeepsSize(keys)) {
    placement.width = items[2];
    placement.height = items[3];
  }
  if (KeepsState(keys))
    placement.windowState = GetIniInt(section, "WindowState", placement.windowState);
}

void SaveWindowPlacement(std::string_view section, PlacementKeys keys,
                         const WindowPlacement& placement) {
  if (KeepsState(keys)) PutIniString(section, "WindowState", std::to_string(placement.windowState));
  if (placement.IsMinimized()) return;
  const double items[4] = {placement.left, placement.top, placement.width, placement.height};
  PutIniString(section, "Position", FormatPositionText(items, KeepsSize(keys) ? 4 : 2));
}

void ParsePositionText(std::string_view text, double* items, std::size_t count) {
  for (std::size_t i = 0; i < count && !text.empty(); ++i) {
    const auto comma = text.find(',');
    const std::string_view part = text.substr(0, comma);
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    static_cast<void>(TrapStatus([&] { items[i] = ParseRealText(part); }));
  }
}

std::string FormatPositionText(const double* items, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) text += ", ";
    // Whole pixels, halves to the even neighbour; out-of-range values pinned.
    const double rounded = std::isfinite(items[i]) ? std::nearbyint(items[i]) : 0.0;
    const double pixels = std::clamp(rounded, -2147483648.0, 2147483647.0);
    text += std::to_string(static_cast<int64_t>(pixels));
  }
  return text;
}
