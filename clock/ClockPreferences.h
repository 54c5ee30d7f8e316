// The desktop sundial's section of the preferences: where the window stands
// and how long a shadow may grow.
#pragma once

#include "ClockDrawing.h"
#include "WindowPlacement.h"

struct ClockPreferences {
  WindowPlacement placement{10, 10, 260, 320, kWindowNormal};
  double maxMagnify = kDefaultMaxMagnify;
};

// The stored values over the defaults; a shadow limit that is not a finite
// number above zero gives the default.
ClockPreferences LoadClockPreferences();
// Writes WindowState, Position (unless minimised) and MaxMagnify. Failures
// are silent.
void SaveClockPreferences(const ClockPreferences& preferences);
