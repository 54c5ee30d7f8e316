// The shadow of one point of a gnomon (the nodus) on a dial plane of any
// orientation. Vectors are in the horizon frame of the dial's place: x to
// true east, y to true north, z up; angles in degrees.
#pragma once

#include <optional>

struct Vector3 {
  double x = 0;
  double y = 0;
  double z = 0;
};

inline double Dot(const Vector3& a, const Vector3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

// The unit vector toward the sun for a latitude (north positive), a
// declination and an hour angle (negative before noon).
Vector3 SunDirection(double latitude, double declination, double hourAngle);

// A dial plane through the origin (the root of the style). The normal points
// to the side that receives the light; `across` and `upward` are the plane's
// own axes, across to the right and upward to the top of the dial as one
// faces it from the sunny side.
struct DialPlane {
  Vector3 normal;
  Vector3 across;
  Vector3 upward;
};

// The plane of a unit normal. A horizontal plane gets east and north as its
// axes; any other plane gets its horizontal direction as `across`.
DialPlane PlaneOfNormal(const Vector3& normal);
DialPlane HorizontalPlane();
// A wall facing the azimuth (0 south, positive toward the west).
DialPlane VerticalPlane(double facingAzimuth);

struct PlanePoint {
  double x = 0;  // along `across`
  double y = 0;  // along `upward`
};

// A rectangle of the plane, its sides along `across` and `upward`.
struct FaceBox {
  double left = 0;
  double bottom = 0;
  double right = 0;
  double top = 0;

  double Width() const { return right - left; }
  double Height() const { return top - bottom; }
  bool Contains(const PlanePoint& p) const {
    return p.x >= left && p.x <= right && p.y >= bottom && p.y <= top;
  }
};

// The point of a polar style (the line through the origin parallel to the
// earth's axis) that stands `height` above the plane; none when the style
// runs parallel to the plane.
std::optional<Vector3> NodusOnStyle(const DialPlane& plane, double latitude, double height);

// Where the sun's ray through the nodus meets the plane; none when the sun is
// below the horizon or behind the plane.
std::optional<PlanePoint> ShadowOnPlane(const DialPlane& plane, const Vector3& nodus,
                                        const Vector3& sun);

// The foot of the nodus: the point of the plane right below it.
PlanePoint FootOnPlane(const DialPlane& plane, const Vector3& nodus);
