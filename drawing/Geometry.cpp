#include "Geometry.h"

#include <cmath>

double ToCompassAngle(double azimuth) {
  double angle = 90 - azimuth;
  if (angle >= 180) angle -= 360;
  return angle;
}

double VectorAngle(UserPoint p0, UserPoint p1) {
  const double dx = p1.x - p0.x;
  const double dy = p1.y - p0.y;
  if (dx == 0 && dy == 0) return 0;
  if (dx == 0) return dy >= 0 ? 90 : -90;
  if (dy == 0) return dx >= 0 ? 0 : 180;
  const double a = std::atan(dy / dx) / kRadiansPerDegree;
  if (dx > 0) return a;
  return dy > 0 ? a + 180 : a - 180;
}

UserPoint RotatePoint(UserPoint centre, double angle, UserPoint point) {
  const double r = angle * kRadiansPerDegree;
  const double dx = point.x - centre.x;
  const double dy = point.y - centre.y;
  return {centre.x + std::cos(r) * dx + std::sin(r) * dy,
          centre.y - std::sin(r) * dx + std::cos(r) * dy};
}
