// What the sheet says about making the model: a key to its cut, fold and
// glue lines, the gnomon's label along its style and the glue flaps' word.
#pragma once

#include <cstdint>

#include "DialRoutines.h"

// The key in a corner of the page that neither the dial nor the gnomon
// pattern takes (page as DrawSundialPage counts it).
Status DrawSheetKey(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom,
                    double paperFactor, int16_t page, int16_t pageCount);

// "Gnomon — mountain fold" and the latitude along the style, inside the
// pattern where it fits and beside it otherwise; "Glue flap" on both flaps.
Status DrawGnomonLabels(DialDesign design, DrawTarget& target, const DialLayout& layout,
                        double zoom, double paperFactor);
