#include "PlaneProjection.h"

#include <cmath>

#include "MathFunctions.h"

namespace {

Vector3 Cross(const Vector3& a, const Vector3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vector3 Scaled(const Vector3& v, double k) {
  return {v.x * k, v.y * k, v.z * k};
}

Vector3 Unit(const Vector3& v) {
  return Scaled(v, 1 / std::sqrt(Dot(v, v)));
}

// Planes closer than this to horizontal keep east and north as their axes.
constexpr double kLevelTolerance = 1e-12;

}  // namespace

Vector3 SunDirection(double latitude, double declination, double hourAngle) {
  const double p = DegToRad(latitude);
  const double d = DegToRad(declination);
  const double h = DegToRad(hourAngle);
  return {-std::cos(d) * std::sin(h),
          std::cos(p) * std::sin(d) - std::sin(p) * std::cos(d) * std::cos(h),
          std::sin(p) * std::sin(d) + std::cos(p) * std::cos(d) * std::cos(h)};
}

DialPlane PlaneOfNormal(const Vector3& normal) {
  const Vector3 n = Unit(normal);
  const Vector3 level = Cross({0, 0, 1}, n);
  if (Dot(level, level) < kLevelTolerance) {
    const double side = n.z >= 0 ? 1 : -1;  // a ceiling dial is seen from below
    return {n, {1, 0, 0}, {0, side, 0}};
  }
  const Vector3 across = Unit(level);
  return {n, across, Cross(n, across)};
}

DialPlane HorizontalPlane() {
  return PlaneOfNormal({0, 0, 1});
}

DialPlane VerticalPlane(double facingAzimuth) {
  const double a = DegToRad(facingAzimuth);
  return PlaneOfNormal({-std::sin(a), -std::cos(a), 0});
}

std::optional<Vector3> NodusOnStyle(const DialPlane& plane, double latitude, double height) {
  const double p = DegToRad(latitude);
  // Toward the celestial pole of the place's hemisphere.
  const double side = latitude < 0 ? -1 : 1;
  Vector3 axis{0, side * std::cos(p), side * std::sin(p)};
  double rise = Dot(axis, plane.normal);
  if (std::fabs(rise) < 1e-9) return std::nullopt;
  if (rise < 0) {
    axis = Scaled(axis, -1);
    rise = -rise;
  }
  return Scaled(axis, height / rise);
}

std::optional<PlanePoint> ShadowOnPlane(const DialPlane& plane, const Vector3& nodus,
                                        const Vector3& sun) {
  const double facing = Dot(sun, plane.normal);
  if (sun.z <= 0 || facing <= 0) return std::nullopt;
  const double t = Dot(nodus, plane.normal) / facing;
  const Vector3 hit{nodus.x - t * sun.x, nodus.y - t * sun.y, nodus.z - t * sun.z};
  return PlanePoint{Dot(hit, plane.across), Dot(hit, plane.upward)};
}

PlanePoint FootOnPlane(const DialPlane& plane, const Vector3& nodus) {
  return {Dot(nodus, plane.across), Dot(nodus, plane.upward)};
}
