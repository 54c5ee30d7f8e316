// The directions of the lines the dial face draws, for what must keep clear
// of them.
#pragma once

#include <vector>

#include "DrawPass.h"

// Page directions (degrees, counter-clockwise) of the hour and minute lines
// drawn from the inner to the middle ring.
std::vector<double> FaceLineDirections(const DrawPass& pass, const DialLayout& layout);

// The same lines with their clock times (hours).
struct FaceLine {
  double clockTime = 0;
  double theta = 0;
};
std::vector<FaceLine> FaceLinesOf(DialDesign design, const DialLayout& layout);
