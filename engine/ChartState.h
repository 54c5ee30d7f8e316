// The engine-wide state that one chart owns and lends to its location,
// season and sun positions, so that two charts never disturb each other.
#pragma once

#include <cstdint>

#include "ChartLocation.h"
#include "ChartSeason.h"
#include "EngineErrors.h"

// The time systems a chart's times are read and written in; any other
// value makes every time read 0.
inline constexpr int32_t kTrueSolarTime = 0;
inline constexpr int32_t kMeanStandardTime = 1;

struct ChartState {
  ChartState() : location(*this), season(*this) {}
  ChartState(const ChartState&) = delete;
  ChartState& operator=(const ChartState&) = delete;

  bool compatible = true;
  bool leapYear = false;
  int32_t timeSystem = kTrueSolarTime;
  ErrorRecord error;
  ChartLocation location;
  ChartSeason season;
};
