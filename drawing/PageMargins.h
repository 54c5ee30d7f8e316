// The text area of a printed page: 15 mm inside every edge of the paper.
#pragma once

#include "DrawTarget.h"

struct PageMargins {
  double left = 15;
  double top = 15;
  double right = 15;
  double bottom = 15;
};

// Distances from the edges of the target's user area. On the printer the
// user area starts at the physical offset; on every other target they are 15.
PageMargins PageMarginsOf(const DrawTarget& target);
