// Where the paper model of an analemmatic dial goes on the sheet: the
// ellipse of hour points with the date scale, drawn to the largest scale the
// paper holds (never above full size), the north arrow and the information
// block. The printed page and `umbrafex lines` both read this layout.
#pragma once

#include <string>

#include "AnalemmaticDial.h"
#include "FaceMap.h"
#include "SheetArea.h"

class Chart;
struct Settings;

struct AnalemmaticSheet {
  AnalemmaticDial dial;  // the design's own, at full size
  FaceMap map;           // full-size millimetres onto the page, north up
  UserPoint northArrow;  // the arrow's foot; it points up the page
  double arrowLength = 0;
  SheetBox textBox;

  double Scale() const { return map.scale; }  // printed per full-size millimetre
};

// Whether a design is drawn as an analemmatic dial.
bool DrawsAnalemmatic(const Settings& settings);

// The refusal of a latitude too near the equator for an analemmatic dial,
// or empty where the latitude will do.
std::string AnalemmaticLatitudeProblem(double latitude);

// Lays the sheet out on width x height user millimetres within the margins;
// the paper factor scales the gaps. Raises a latitude too near the equator
// (AnalemmaticLatitudeProblem) and the chart's errors.
AnalemmaticSheet LayAnalemmaticSheet(const Settings& settings, const Chart& chart, double width,
                                     double height, const PageMargins& margins, double paperFactor);

// The scale as a reader says it: "1:25", or "full size".
std::string ScaleText(double scale);
