// Plane geometry of the dial drawing: page coordinates (x right, y down),
// angles in degrees counted counter-clockwise as seen on the page.
#pragma once

#include "MathFunctions.h"

inline constexpr double kRadiansPerDegree = kPi / 180;

struct UserPoint {
  double x = 0;
  double y = 0;
};

// The page direction of a sun azimuth (0 = south, positive toward the west):
// 90 - azimuth, folded into (-180, 180).
double ToCompassAngle(double azimuth);

// Direction of the vector from p0 to p1 in (-180, 180], with dy counted as
// given (callers mirror y themselves when they want it upwards). The zero
// vector gives 0.
double VectorAngle(UserPoint p0, UserPoint p1);

// Turns the point about the centre by the angle, counter-clockwise as seen on
// the page, the sense in which rotated text turns.
UserPoint RotatePoint(UserPoint centre, double angle, UserPoint point);
