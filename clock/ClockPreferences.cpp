#include "ClockPreferences.h"

#include "ClockModel.h"
#include "Preferences.h"

namespace {

constexpr const char* kSection = "DesktopSundial";
constexpr const char* kMaxMagnify = "MaxMagnify";

}  // namespace

ClockPreferences LoadClockPreferences() {
  ClockPreferences preferences;
  LoadWindowPlacement(kSection, PlacementKeys::PositionSizeAndState, preferences.placement);
  preferences.maxMagnify = ValidMaxMagnify(GetIniReal(kSection, kMaxMagnify, kDefaultMaxMagnify));
  return preferences;
}

void SaveClockPreferences(const ClockPreferences& preferences) {
  SaveWindowPlacement(kSection, PlacementKeys::PositionSizeAndState, preferences.placement);
  PutIniReal(kSection, kMaxMagnify, preferences.maxMagnify);
}
