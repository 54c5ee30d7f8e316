// A page as an SVG whose groups are Inkscape layers, one per DrawLayer, in
// millimetres: the paper's size, a viewBox in millimetres from its top-left
// corner (y down), every coordinate to a hundredth of a millimetre.
#pragma once

#include <QByteArray>

#include "LayeredPage.h"

// The cut layer has one stroke colour (that of the first outline drawn on
// it) and no fill: a filled outline leaves its fill on the face layer.
QByteArray LayeredSvg(const LayeredPage& page);
