// The text of the calculation-conditions window: place, coordinates,
// magnetic declination, time zone, the day, declination, equation of time,
// standard time difference, sunrise, sunset, daylight and time system, read
// from the chart at the moment it is built.
#pragma once

#include <string>

class clsChart;

// Every line ends with CR LF, the last one included. Raises the engine's
// error when a chart read fails (the caller shows its description).
std::string BuildInfoListing(clsChart& chart);
