// The magnetic declination a design states, for the window, the listing and
// the printed page: the Japan-area formula inside its area (GetNorthDiff2,
// unchanged from older versions), the World Magnetic Model 2025 elsewhere.
#pragma once

#include <string_view>

class Chart;

struct CompassDeclination {
  double west = 0;         // degrees, positive when magnetic north lies west of true north
  std::string_view model;  // "" for the Japan-area formula, else "WMM2025"
};

// `year` is the design's year; with the chart's day number it gives the
// model's date, held to the model's span 2025.0..2030.0.
CompassDeclination CompassDeclinationOf(const Chart& chart, int year);
