// Whether a page's share of the model lies inside its margins and clear of
// the corner texts: the dial with its letters N S E W, and the gnomon
// pattern.
#pragma once

#include <cstdint>
#include <string>

#include "DialRoutines.h"

// The dial (when `dial`) and the gnomon pattern (when `gnomon`) of the layout
// keep within the margins, clear of the page's corner texts and of each
// other; pageCount as the page caption counts.
bool SheetHolds(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom,
                double paperFactor, bool dial, bool gnomon, int16_t pageCount);

// The time ring of the layout has room for labels of the smallest readable
// size; a smaller dial has less.
bool RingHoldsLabels(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom);

// Why a face of the size asked for (dialOption.faceSize) is not printed on
// one sheet: it needs several (tiles).
std::string FaceTooLargeText(double faceSize);
// Raises that text as an error when `fits` is false.
void RequireFaceFits(bool fits, double faceSize);
