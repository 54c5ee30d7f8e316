// Where a dial on any plane goes on the printed sheet: the face (two for an
// equatorial dial), the gnomon pattern and the information block, and the
// nodus height that makes them fit. The printed pages and `umbrafex lines`
// both read this layout, so that the listed millimetres are those printed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "FaceMap.h"
#include "PlaneDial.h"
#include "SheetArea.h"

class Chart;
struct Settings;

struct PlacedFace {
  PlaneDial dial;
  FaceMap map;        // the plane onto the page
  SheetBox outline;   // the face to cut out: the lines' box and the label band
  std::string title;  // names the face of a pair; empty for a single face
};

// The gnomon pattern: the style runs across the page from `styleStart`,
// millimetres along it; see PlaneGnomonOutline.
struct PlacedGnomon {
  UserPoint styleStart;
  double flap = 10;
};

struct PlaneSheet {
  std::vector<PlacedFace> faces;
  std::optional<PlacedGnomon> gnomon;  // on this page
  SheetBox textBox;                    // the block and the sentences
  int16_t facePage = 1;
  int16_t gnomonPage = 1;
  // The face size asked for (dialOption.faceSize) is more than the sheet holds.
  bool oversize = false;
};

// Whether a design is drawn as a dial on its plane rather than as the
// horizontal dial's rings: any plane off the horizontal, and a horizontal
// dial near the equator, whose style lies almost flat. There it is a polar
// dial, with hour lines all but parallel and a fin for a gnomon.
inline constexpr double kPlaneSheetLatitude = 10;
bool DrawsOnPlaneSheet(const Settings& settings, const Chart& chart);

// The width of the band around a face that carries its hour labels.
inline constexpr double kLabelBand = 9;

// Lays out page `page` of a job of pageCount pages (below 2: one page) on a
// sheet of width x height user millimetres within the margins; the paper
// factor scales the band, the flaps and the gaps. The nodus height is that
// of the face size when one is set (oversize when it does not fit), else the
// design's where it fits, else the largest that does. Raises the chart's
// error.
PlaneSheet LayPlaneSheet(const Settings& settings, const Chart& chart, double width, double height,
                         const PageMargins& margins, double paperFactor, int16_t pageCount);

// The outline of the gnomon on the page: the style from styleStart to the
// right, the two halves mirrored across it, each with a gluing flap along
// its base. Points in drawing order; the fold lines are the style and the
// two bases.
struct PlaneGnomonOutline {
  std::vector<UserPoint> outline;
  UserPoint styleFrom, styleTo;  // the style; styleTo is the nodus
  UserPoint baseFrom[2], baseTo[2];
};
PlaneGnomonOutline PlaneGnomonOutlineOf(const PlaneDial& dial, const PlacedGnomon& gnomon);
// The pattern's extent: along the style, and across it on either side.
double PlaneGnomonLength(const PlaneDial& dial);
double PlaneGnomonHalfWidth(const PlaneDial& dial, double flap);
