// The cut-out gnomon pattern: two mirror-image right triangles sharing the
// style, each with a gluing flap along its base.
#pragma once

#include <array>

#include "Geometry.h"
#include "DialRoutines.h"

struct GnomonOutline {
  // P0 top of the vertical edge, P1 left foot, P2/P3 left flap, P4 root of
  // the style, P5/P6 right flap, P7 right foot; in drawing order.
  std::array<UserPoint, 8> points;

  const UserPoint& Top() const { return points[0]; }
  const UserPoint& LeftFoot() const { return points[1]; }
  const UserPoint& Root() const { return points[4]; }
  const UserPoint& RightFoot() const { return points[7]; }
};

// The outline for a latitude in degrees and a paper factor (flap width 10 x f).
GnomonOutline GnomonOutlineFor(const DialLayout& layout, double latitude, double paperFactor);
