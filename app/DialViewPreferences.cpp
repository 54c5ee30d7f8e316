#include "DialViewPreferences.h"

#include <algorithm>
#include <cmath>

#include "Preferences.h"

namespace {

constexpr const char* kSection = "DialView";
constexpr int kWidestView = 4000;

}  // namespace

DialViewPreferences LoadDialViewPreferences() {
  DialViewPreferences preferences;
  preferences.shown = GetIniBool(kSection, "Visible", preferences.shown);
  const double width = GetIniReal(kSection, "Width", 0);
  // A width out of reason is the view's own.
  if (std::isfinite(width)) {
    preferences.width = static_cast<int>(std::clamp(std::lround(width), 0L, long{kWidestView}));
  }
  return preferences;
}

void SaveDialViewPreferences(const DialViewPreferences& preferences) {
  PutIniBool(kSection, "Visible", preferences.shown);
  PutIniReal(kSection, "Width", preferences.width);
}
