#include "PlaneOrientation.h"

#include <array>
#include <cctype>
#include <cmath>

#include "MathFunctions.h"

namespace {

constexpr std::array<const char*, 16> kCompassNames = {"N",  "NNE", "NE", "ENE", "E",  "ESE",
                                                       "SE", "SSE", "S",  "SSW", "SW", "WSW",
                                                       "W",  "WNW", "NW", "NNW"};

constexpr std::array<const char*, 4> kPresetNames = {"horizontal", "vertical", "polar",
                                                     "equatorial"};

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// The hour angle of a direction: the hour at which the sun's hour circle
// passes through it, folded onto the day side -90..90 (an east wall's is
// -90, a west wall's +90).
double HourAngleOfDirection(const Vector3& v, double latitude) {
  const double p = DegToRad(latitude);
  // The equator's point on the meridian, above the horizon.
  const Vector3 equatorNoon{0, -std::sin(p), std::cos(p)};
  const double east = -v.x, noon = Dot(v, equatorNoon);
  if (std::hypot(east, noon) < 1e-9) return 0;  // along the axis: no hour of its own
  double h = RadToDeg(std::atan2(east, noon));
  constexpr double kSquare = 90 + 1e-9;
  if (h > kSquare) h -= 180;
  if (h < -kSquare) h += 180;
  return h + 0.0;  // no "-0"
}

bool Near(double a, double b) {
  return std::fabs(a - b) < 0.01;
}

}  // namespace

DialPlane PlaneOfOrientation(const PlaneOrientation& o) {
  const double a = DegToRad(o.facing);
  const double t = DegToRad(o.tilt);
  // sin(0) is exact; cos(pi/2) is not, so a wall's normal is levelled here.
  const double level = o.tilt == 90 ? 0.0 : std::cos(t);
  return PlaneOfNormal({std::sin(t) * std::sin(a), std::sin(t) * std::cos(a), level});
}

PlaneOrientation PresetOrientation(PlanePreset preset, double latitude, double facing) {
  const double towardEquator = latitude < 0 ? 0 : 180;
  switch (preset) {
    case PlanePreset::Horizontal:
      return {NormalizedAzimuth(facing), 0};
    case PlanePreset::Vertical:
      return {NormalizedAzimuth(facing), 90};
    case PlanePreset::Polar:
      return {towardEquator, std::fabs(latitude)};
    case PlanePreset::Equatorial:
      return {180 - towardEquator, 90 - std::fabs(latitude)};
  }
  return {};
}

std::optional<PlanePreset> PresetOfName(std::string_view name) {
  for (size_t i = 0; i < kPresetNames.size(); ++i) {
    if (SameName(name, kPresetNames[i])) return static_cast<PlanePreset>(i);
  }
  return std::nullopt;
}

std::optional<PlanePreset> PresetOf(const PlaneOrientation& o, double latitude) {
  if (o.tilt == 0) return PlanePreset::Horizontal;
  for (PlanePreset preset : {PlanePreset::Polar, PlanePreset::Equatorial}) {
    const PlaneOrientation p = PresetOrientation(preset, latitude, o.facing);
    if (Near(p.tilt, o.tilt) && Near(p.facing, o.facing)) return preset;
  }
  if (o.tilt == 90) return PlanePreset::Vertical;
  return std::nullopt;
}

PlaneOrientation TurnedOver(const PlaneOrientation& o) {
  return {NormalizedAzimuth(o.facing + 180), 180 - o.tilt};
}

std::string CompassName(double azimuth) {
  const int point = static_cast<int>(std::floor(NormalizedAzimuth(azimuth) / 22.5 + 0.5)) % 16;
  return kCompassNames[point];
}

std::optional<double> CompassAzimuth(std::string_view name) {
  for (size_t i = 0; i < kCompassNames.size(); ++i) {
    if (SameName(name, kCompassNames[i])) return 22.5 * static_cast<double>(i);
  }
  return std::nullopt;
}

double NormalizedAzimuth(double azimuth) {
  double a = std::fmod(azimuth, 360.0);
  if (a < 0) a += 360;
  if (a >= 360) a -= 360;
  return a + 0.0;
}

Vector3 StyleDirection(const DialPlane& plane, double latitude) {
  const double p = DegToRad(latitude);
  const double side = latitude < 0 ? -1 : 1;
  Vector3 axis{0, side * std::cos(p), side * std::sin(p)};
  if (Dot(axis, plane.normal) < 0) axis = {-axis.x, -axis.y, -axis.z};
  return axis;
}

StyleGeometry StyleOf(const DialPlane& plane, double latitude) {
  const Vector3 axis = StyleDirection(plane, latitude);
  StyleGeometry style;
  style.styleHeight = RadToDeg(std::asin(std::min(1.0, Dot(axis, plane.normal))));
  // The substyle runs along the style's projection on the face.
  const double x = Dot(axis, plane.across);
  const double y = Dot(axis, plane.upward);
  if (std::hypot(x, y) > 1e-12) {
    double distance = RadToDeg(std::atan2(x, y));
    if (distance > 90) distance -= 180;
    if (distance <= -90) distance += 180;
    style.substyleDistance = distance + 0.0;
  }
  style.substyleHourAngle = HourAngleOfDirection(plane.normal, latitude);
  return style;
}
