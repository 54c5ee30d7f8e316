// The engine-wide state that one chart owns and lends to its location,
// season and sun positions, so that two charts never disturb each other.
#pragma once

#include <cstdint>

#include "ChartLocation.h"
#include "ChartSeason.h"
#include "EngineErrors.h"

struct ChartState {
  ChartState() : Location(*this), Season(*this) {}
  ChartState(const ChartState&) = delete;
  ChartState& operator=(const ChartState&) = delete;

  bool Compatible = true;
  bool LeapYear = false;
  int32_t TimeSystem = 0;  // 0 true solar time, 1 mean standard time
  ErrorRecord Error;
  ChartLocation Location;
  ChartSeason Season;
};
