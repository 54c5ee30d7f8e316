#include "AngleText.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "PlaneOrientation.h"
#include "UiText.h"

namespace {

// The engine's 16 points, from north through east.
constexpr std::array<const char*, 16> kCompassPoints = {
    UMBRAFEX_TEXT_NOOP("Compass", "N"),  UMBRAFEX_TEXT_NOOP("Compass", "NNE"),
    UMBRAFEX_TEXT_NOOP("Compass", "NE"), UMBRAFEX_TEXT_NOOP("Compass", "ENE"),
    UMBRAFEX_TEXT_NOOP("Compass", "E"),  UMBRAFEX_TEXT_NOOP("Compass", "ESE"),
    UMBRAFEX_TEXT_NOOP("Compass", "SE"), UMBRAFEX_TEXT_NOOP("Compass", "SSE"),
    UMBRAFEX_TEXT_NOOP("Compass", "S"),  UMBRAFEX_TEXT_NOOP("Compass", "SSW"),
    UMBRAFEX_TEXT_NOOP("Compass", "SW"), UMBRAFEX_TEXT_NOOP("Compass", "WSW"),
    UMBRAFEX_TEXT_NOOP("Compass", "W"),  UMBRAFEX_TEXT_NOOP("Compass", "WNW"),
    UMBRAFEX_TEXT_NOOP("Compass", "NW"), UMBRAFEX_TEXT_NOOP("Compass", "NNW")};

std::string Fixed(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  char text[32];
  // Rounded first, so that a small negative value shows no "-0".
  std::snprintf(text, sizeof text, "%.*f", decimals, std::round(value * scale) / scale + 0.0);
  return text;
}

}  // namespace

std::string DegreesText(double degrees) {
  std::string shown = Fixed(degrees, 2);
  while (shown.back() == '0') shown.pop_back();
  if (shown.back() == '.') shown.pop_back();
  return shown;
}

std::string TenthsText(double degrees) {
  return Fixed(degrees, 1);
}

std::string CompassPointText(double azimuth) {
  // The engine names the point; that name's azimuth gives its place here.
  const double point = CompassAzimuth(CompassName(azimuth)).value_or(0) / 22.5;
  return TranslateText("Compass", kCompassPoints[static_cast<std::size_t>(point)]);
}

std::string MagneticDeclinationText(double westDegrees) {
  const long minutes = std::lround(std::fabs(westDegrees) * 60);
  char minuteText[8];
  std::snprintf(minuteText, sizeof minuteText, "%02ld", minutes % 60);
  const std::string degrees = std::to_string(minutes / 60);
  const char* pattern = minutes == 0      ? UMBRAFEX_TEXT_NOOP("AngleText", "%1°%2′")
                        : westDegrees > 0 ? UMBRAFEX_TEXT_NOOP("AngleText", "%1°%2′ W")
                                          : UMBRAFEX_TEXT_NOOP("AngleText", "%1°%2′ E");
  return FillText(TranslateText("AngleText", pattern), {degrees, minuteText});
}
