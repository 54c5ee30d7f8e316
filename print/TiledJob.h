// A design at its true size (dialOption.faceSize) printed on as many sheets
// of paper as it needs: an assembly map, the tiles that hold a piece of the
// design, and a table of where the hour lines meet the face's edge.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "DialRoutines.h"
#include "EngineErrors.h"
#include "TileSheets.h"

class MainModel;
class PrintDevice;
class DrawTarget;

// The design's true-scale sheet and how the device's paper tiles it.
struct TiledSheet {
  TileGrid grid;
  double paperFactor = 1;     // the factor the sheet is drawn with
  std::vector<bool> printed;  // per tile, row by row: it holds a piece of the design
  // The sheet drawn once (the design and the registration crosses), which
  // every window replays.
  std::shared_ptr<SheetWindowTarget> sheet;
  int PrintedCount() const;
};

// The text of the refusal of a job without a face size.
std::string TilesNeedSizeText();

// Lays out the sheet on `paper` (the device's page): the smallest sheet of
// the paper's proportions that holds the design at its face size, the tiles
// and which of them carry anything, and records the sheet's drawing. Raises when the design has no
// face size, or needs more than kMostTiles sheets.
TiledSheet PlanTiledSheet(MainModel& main, DrawTarget& paper, int16_t paperSize,
                          int16_t orientation);

// The horizontal dial's layout as print and export lay it on that paper: the
// one plan of the fitted sheet, on two pages where one cannot hold it; a face
// too large for the paper at its own size, as the tiles print it.
DialLayout PrintedDialLayout(MainModel& main, int16_t paperSize, int16_t orientation);

// The crossings of the hour lines with the face's edge as printed on that
// paper (PrintedDialLayout; a plane dial's face as its sheet lays it).
std::vector<EdgeCrossing> DesignEdgeCrossings(MainModel& main, int16_t paperSize,
                                              int16_t orientation);

// Prints the map, every tile that carries a piece of the design, then the
// table of edge crossings, each on its own sheet. Ok, or the status of the
// error that stopped the job (the document is then abandoned).
Status PrintTiledSundial(MainModel& main, PrintDevice& document);
