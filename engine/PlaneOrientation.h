// A dial plane as a person describes it (the compass direction the face looks
// toward and its tilt from the horizontal), the usual presets, and what the
// polar style makes of the plane: the style height, the substyle and its hour.
//
// The style quantities follow the general planar dial of J. Meeus,
// Astronomical Algorithms, 2nd ed. 1998, ch. 58, and F. de Vries, "Computation
// of flat sundials": with the plane's declination d (from south, positive to
// the west) and inclination i (the tilt),
//   sin SH = sin phi cos i - cos phi sin i cos d                (style height)
//   tan HS = sin i sin d / (cos phi cos i + sin phi sin i cos d)  (its hour)
// which for a vertical wall become the classical sin SH = cos phi cos d and
// tan SD = sin d / tan phi (A. Waugh, Sundials, ch. 10). They are evaluated
// here with the vectors of PlaneProjection.h.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "PlaneProjection.h"

struct PlaneOrientation {
  // Azimuth of the face's outward normal: degrees from north through east,
  // 0 <= facing < 360 (a south wall is 180).
  double facing = 180;
  // Between the face and the horizontal: 0 horizontal, 90 a wall, up to 180
  // for a face that looks straight down.
  double tilt = 0;

  bool IsHorizontal() const { return tilt == 0; }
  bool operator==(const PlaneOrientation&) const = default;
};

// The plane's vectors: across runs along the plane's horizontal line, to the
// right of a person facing the dial; upward runs up the line of greatest
// slope (north on a horizontal dial).
DialPlane PlaneOfOrientation(const PlaneOrientation& orientation);

enum class PlanePreset { Horizontal, Vertical, Polar, Equatorial };

// The orientation of a preset at a latitude. A vertical dial keeps the facing
// given; a polar face looks toward the equator with tilt |latitude|; an
// equatorial face looks toward the visible pole with tilt 90 - |latitude|
// (its lower face is the same plane turned over).
PlaneOrientation PresetOrientation(PlanePreset preset, double latitude, double facing);
std::optional<PlanePreset> PresetOfName(std::string_view name);  // "horizontal", ...
// The preset the orientation is at that latitude, if any (to 0.01 degree).
std::optional<PlanePreset> PresetOf(const PlaneOrientation& orientation, double latitude);
// The lower face of an equatorial dial: the other side of the same plane.
PlaneOrientation TurnedOver(const PlaneOrientation& orientation);

// The 16-point compass name of an azimuth ("N", "NNE", ... "NNW"), and the
// azimuth of such a name (letter case ignored).
std::string CompassName(double azimuth);
std::optional<double> CompassAzimuth(std::string_view name);
// An azimuth in 0 <= a < 360 (360 itself is read as 0).
double NormalizedAzimuth(double azimuth);

// The polar style on a plane: the unit vector toward the visible pole, turned
// to the lit side of the plane.
Vector3 StyleDirection(const DialPlane& plane, double latitude);

struct StyleGeometry {
  double styleHeight = 0;  // degrees between the style and the plane, 0..90
  // Degrees from the plane's line of greatest slope to the substyle,
  // positive where the substyle's upper end leans to the right.
  double substyleDistance = 0;
  // Hour angle (degrees, negative before noon) whose hour plane stands
  // square to the face: the shadow then falls on the substyle.
  double substyleHourAngle = 0;

  // A style this close to parallel with the face casts parallel hour lines.
  bool Parallel() const { return styleHeight < kParallelStyleHeight; }
  static constexpr double kParallelStyleHeight = 0.5;
};
StyleGeometry StyleOf(const DialPlane& plane, double latitude);
