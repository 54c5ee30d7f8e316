// A true-scale sheet printed on many papers: the grid of tiles, the marks
// that put them together again (crop marks, registration crosses, each
// tile's label and scale bar), the assembly map and the table of where the
// hour lines meet the face's edge.
#pragma once

#include <string>
#include <vector>

#include "DialDesign.h"
#include "DrawTarget.h"
#include "SheetArea.h"
#include "SheetWindow.h"

// Neighbouring tiles share this much of the sheet, millimetres.
inline constexpr double kTileOverlap = 10;
// More tiles than this is a mistaken size rather than a dial.
inline constexpr int kMostTiles = 400;

struct TileGrid {
  double sheetWidth = 0;  // the true-scale sheet, millimetres
  double sheetHeight = 0;
  SheetBox window;  // where a tile's piece of the sheet lies on its paper
  int rows = 1;
  int columns = 1;
  UserPoint first;  // the sheet's point at the first tile's window's corner

  // The sheet's point at the top-left corner of a tile's window.
  UserPoint Origin(int row, int column) const;
  // The tile's piece of the sheet.
  SheetBox Piece(int row, int column) const;
  // The window that shows the tile on its paper.
  SheetWindow WindowOf(int row, int column) const;
  int Count() const { return rows * columns; }
};

// The tiles that cover a sheet of that size, overlapping by kTileOverlap,
// the grid centred on the sheet. `window` is the part of each paper that
// shows the sheet.
TileGrid PlanTiles(double sheetWidth, double sheetHeight, const SheetBox& window);
// The part of a paper of that target that shows the sheet: inside the
// margins, with a band at the foot for the label and the scale bar.
SheetBox TileWindowOf(const DrawTarget& paper);

// "A1": the row's letter (A..Z, then AA, AB, ...) and the column's number.
std::string TileLabel(int row, int column);

// The crosses on the overlaps of printed tiles (`printed`, row by row),
// drawn on the sheet so that neighbours carry them at the same place.
Status DrawRegistrationCrosses(DialDesign design, DrawTarget& sheet, const TileGrid& grid,
                               const std::vector<bool>& printed);
// A tile's own marks on its paper: crop marks at the window's corners, the
// label and the scale bar in the band.
Status DrawTileMarks(DialDesign design, DrawTarget& paper, const TileGrid& grid, int row,
                     int column);
// The first sheet: the whole sheet small with the tiles over it (blank ones,
// which are not printed, dashed), and how to put them together. `map` has
// drawn the sheet already at `window`.
Status DrawAssemblyMap(DialDesign design, DrawTarget& paper, const TileGrid& grid,
                       const SheetWindow& window, const std::vector<bool>& printed);

// Where an hour line meets the face's edge: millimetres from the style's
// root (x to the right, y up on the face as `umbrafex lines` gives it).
struct EdgeCrossing {
  double clockTime = 0;
  double x = 0;
  double y = 0;
};
// The table's last sheet.
Status DrawEdgeTable(DialDesign design, DrawTarget& paper,
                     const std::vector<EdgeCrossing>& crossings);
// "HH:MM" of a clock time in hours.
std::string ClockText(double hours);

struct DialLayout;
struct PlaneDial;
// The crossings of the horizontal dial's drawn lines with its outer ring,
// and of a plane dial's hour lines with its face's edge.
std::vector<EdgeCrossing> EdgeCrossingsOf(DialDesign design, const DialLayout& layout);
std::vector<EdgeCrossing> EdgeCrossingsOf(const PlaneDial& dial);
