// The 100 mm scale bar: along the left margin where that is free, else
// along another margin of the page.
#pragma once

#include <optional>

#include "DrawPass.h"
#include "SheetRoom.h"

enum class BarSide { Left, Right, Bottom, Top };

struct BarPlace {
  BarSide side = BarSide::Left;
  double start = 0;  // the bar's lower end on a side, its left end along the top or bottom
  SheetBox box;      // the bar with its ticks and text
};

// The bar's first place, centred on the left margin (sets the bar's font).
BarPlace UsualBarPlace(const DrawPass& pass);

// The usual place when the page leaves it free, else the free place along a
// margin nearest to the middle of the left, right, bottom, then top side,
// clear of an information block off the face too; none where every margin
// is taken.
std::optional<BarPlace> FreeBarPlace(const DrawPass& pass, const PageShare& share);

// Draws the bar at that place along a margin (a tile's foot).
void DrawScaleBarAt(const DrawPass& pass, BarSide side, double start);
