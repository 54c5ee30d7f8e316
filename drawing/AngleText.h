// Angles as the windows and the printed sheet show them.
#pragma once

#include <string>

// Degrees to a hundredth without trailing zeros ("180", "34.65"), and to a
// tenth ("160.2", "0.0").
std::string DegreesText(double degrees);
std::string TenthsText(double degrees);
// The compass point of an azimuth in the language of the texts: "SSE" in
// English, "南南東" in Japanese.
std::string CompassPointText(double azimuth);
