// A tiled job written to files: one PDF of every sheet, or a PNG or SVG
// picture of each sheet named after it (dial-map.png, dial-A1.png, ...,
// dial-edges.png).
#pragma once

#include <cstdint>
#include <string>

#include "EngineErrors.h"
#include "PageExport.h"

class MainModel;

// Ok, or the failure's status with the last-error record filled; pictures
// are written only when every sheet was drawn.
Status ExportTiles(MainModel& main, const std::string& path, ExportKind kind, int16_t paperSize,
                   int16_t orientation, double dpi);
