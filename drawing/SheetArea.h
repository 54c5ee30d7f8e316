// The sheet around the dial: the margins that every text keeps from the
// paper's edges, and boxes of the page that a drawing may claim.
#pragma once

#include <span>

#include "DrawTarget.h"
#include "Geometry.h"

inline constexpr double kPageMargin = 15;  // millimetres from every paper edge

// Distances from the edges of the user area to the text area.
struct PageMargins {
  double left = kPageMargin;
  double top = kPageMargin;
  double right = kPageMargin;
  double bottom = kPageMargin;
};

// On the printer the user area starts at the physical offset, so the text
// area still ends 15 mm inside every edge of the paper.
PageMargins PageMarginsOf(const DrawTarget& t);

// An upright box in user units.
struct SheetBox {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;

  double Width() const { return right - left; }
  double Height() const { return bottom - top; }
  bool Overlaps(const SheetBox& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
  // The circle comes nearer than its radius to the box.
  bool Meets(UserPoint centre, double radius) const;
  // The segment from a to b passes through the box.
  bool Meets(UserPoint a, UserPoint b) const;
};

SheetBox BoxAround(std::span<const UserPoint> points);
