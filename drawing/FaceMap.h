// Millimetres on a dial's plane to the target's user units: the plane's
// origin at (cx, cy), its upward axis up the page.
#pragma once

#include "Geometry.h"
#include "PlaneProjection.h"

struct FaceMap {
  double cx = 0;
  double cy = 0;
  double scale = 1;
  UserPoint At(const PlanePoint& p) const { return {cx + p.x * scale, cy - p.y * scale}; }
};
