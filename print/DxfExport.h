// A page as a DXF drawing (AutoCAD 2000, text) for CAD programs, laser
// cutters and plotters, written through dxflib.
//
// Millimetres ($INSUNITS 4). X runs right and Y up the page from the
// style's root, the origin and axes of the lines command, so a point that
// command prints lands on the drawing where it is printed. Lines, polylines
// and outlines are LINE, LWPOLYLINE and CIRCLE entities, texts TEXT
// entities, each on its layer: face, hour-lines, date-lines, hour-curves,
// labels, gnomon, cut and fold. Fills are left out.
#pragma once

#include <string>

#include "EngineErrors.h"
#include "LayeredPage.h"

class MainModel;
struct PageRequest;

// How page millimetres become drawing units: the drawing's units per
// millimetre on the printed sheet (1 draws the sheet's own size).
struct DxfScale {
  double unitsPerMillimetre = 1;
};

// The DXF text of the page, or an empty string when dxflib could not write it.
std::string DxfText(const LayeredPage& page, const DxfScale& scale = {});

// Records the requested page and writes it to the file whole. Ok, or the
// failure's status with the last-error record filled.
Status ExportDxf(MainModel& main, const std::string& path, const PageRequest& request);
