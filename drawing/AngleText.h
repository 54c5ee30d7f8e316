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

// A magnetic declination, given west positive as the engine keeps it, to the
// minute with the side of true north that magnetic north lies on: "1°10′ E",
// "7°03′ W" ("東偏1度10分", "西偏7度03分"); none for zero ("0°00′").
std::string MagneticDeclinationText(double westDegrees);
