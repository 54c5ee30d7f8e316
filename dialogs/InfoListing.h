// The text of the calculation-conditions window: place, coordinates,
// magnetic declination, time zone, the day, declination, equation of time,
// standard time difference, sunrise, sunset, daylight and time system, read
// from the chart at the moment it is built. The labels are translated; under
// English the values take English forms (34°39′00″ N, December 22, 0 h 02 min).
#pragma once

#include <string>
#include <string_view>

#include "PlaneOrientation.h"
#include "WindowPlacement.h"

class Chart;

// Every line ends with CR LF, the last one included. `year` is the design's,
// for the magnetic declination outside the Japan area. Raises the engine's
// error when a chart read fails (the caller shows its description).
std::string BuildInfoListing(Chart& chart, int year);
// With the dial's plane after them, unless it is horizontal: its facing and
// compass name, tilt, style height, substyle distance and substyle hour angle.
std::string BuildInfoListing(Chart& chart, int year, const PlaneOrientation& plane);

// The window's placement in the preferences: left, top, width and height
// ("0, 0, 200, 200" at first) and the window state.
inline constexpr std::string_view kInfoWindowSection = "InfoWindow";
WindowPlacement LoadInfoWindowPlacement();
// The state always, the place unless minimised.
void SaveInfoWindowPlacement(const WindowPlacement& placement);
