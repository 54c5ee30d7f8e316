// What the sheet says about making the model: a key to its cut, fold and
// glue lines, the gnomon's label along its style and the glue flaps' word.
#pragma once

#include <cstdint>
#include <vector>

#include "DialRoutines.h"
#include "DrawPass.h"
#include "SheetArea.h"
#include "SheetRoom.h"

// Millimetres beside the gnomon pattern kept for its label where the label
// does not fit inside.
inline constexpr double kStyleLabelRoom = 6;

// Where the key stands on a page showing the dial and/or the pattern, and
// whether that place is free (sets the key's font).
struct KeyPlace {
  SheetBox box;
  bool free = false;
};
KeyPlace PlaceKey(const DrawPass& pass, const DialLayout& layout, double paperFactor, bool dial,
                  bool gnomon);

// The boxes of the gnomon's labels that stand beside its pattern on a page
// rather than inside it, and whether they keep clear of the page's key (as
// PlaceKey places it) and corner texts (changes the target's font).
struct BesideLabels {
  std::vector<SheetBox> boxes;
  bool clear = true;
};
BesideLabels LabelsBesidePattern(const DrawPass& pass, const PageShare& share, const SheetBox& key);

// The key in a corner of the page that neither the dial nor the gnomon
// pattern takes (page as DrawSundialPage counts it).
Status DrawSheetKey(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom,
                    double paperFactor, int16_t page, int16_t pageCount);

// "Gnomon — mountain fold" and the latitude along the style, inside the
// pattern where it fits and beside it otherwise, clear of the key; "Glue
// flap" on both flaps (page as DrawSundialPage counts it).
Status DrawGnomonLabels(DialDesign design, DrawTarget& target, const DialLayout& layout,
                        double zoom, double paperFactor, int16_t page = 1, int16_t pageCount = 1);
