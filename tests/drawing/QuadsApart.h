// Whether two convex quadrilaterals (text boxes, turned or not) are apart:
// some edge of one separates them (separating axes).
#pragma once

#include <algorithm>
#include <cstddef>

#include "Geometry.h"

template <typename Quad>
bool QuadsApart(const Quad& a, const Quad& b) {
  for (const Quad* poly : {&a, &b}) {
    for (std::size_t i = 0; i < 4; ++i) {
      const UserPoint p = (*poly)[i], q = (*poly)[(i + 1) % 4];
      const double nx = q.y - p.y, ny = p.x - q.x;
      double minA = 1e300, maxA = -1e300, minB = 1e300, maxB = -1e300;
      for (const UserPoint& c : a) {
        minA = std::min(minA, c.x * nx + c.y * ny);
        maxA = std::max(maxA, c.x * nx + c.y * ny);
      }
      for (const UserPoint& c : b) {
        minB = std::min(minB, c.x * nx + c.y * ny);
        maxB = std::max(maxB, c.x * nx + c.y * ny);
      }
      if (maxA <= minB || maxB <= minA) return true;
    }
  }
  return false;
}
