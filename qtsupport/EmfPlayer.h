// The emf player: walks the records of an enhanced metafile and plays the
// drawing ones, paths included, into a display list.
// Internal to the metafile reader.
#pragma once

#include <cstdint>
#include <string_view>

#include "MetafileParser.h"

namespace metafile::detail {

// The type of each emf record we read or must step over.
enum class EmfRecord : uint32_t {
  Header = 1,
  PolyBezier = 2,
  Polygon = 3,
  Polyline = 4,
  PolyBezierTo = 5,
  PolylineTo = 6,
  PolyPolyline = 7,
  PolyPolygon = 8,
  SetWindowExtEx = 9,
  SetWindowOrgEx = 10,
  SetViewportExtEx = 11,
  SetViewportOrgEx = 12,
  Eof = 14,
  SetMapMode = 17,
  SetBkMode = 18,
  SetPolyFillMode = 19,
  SetTextAlign = 22,
  SetTextColor = 24,
  SetBkColor = 25,
  MoveToEx = 27,
  SaveDc = 33,
  RestoreDc = 34,
  SetWorldTransform = 35,
  ModifyWorldTransform = 36,
  SelectObject = 37,
  CreatePen = 38,
  CreateBrushIndirect = 39,
  DeleteObject = 40,
  Ellipse = 42,
  Rectangle = 43,
  RoundRect = 44,
  Arc = 45,
  Chord = 46,
  Pie = 47,
  LineTo = 54,
  BeginPath = 59,
  EndPath = 60,
  CloseFigure = 61,
  FillPath = 62,
  StrokeAndFillPath = 63,
  StrokePath = 64,
  AbortPath = 68,
  BitBlt = 76,
  StretchBlt = 77,
  StretchDiBits = 81,
  ExtCreateFontIndirectW = 82,
  ExtTextOutA = 83,
  ExtTextOutW = 84,
  PolyBezier16 = 85,
  Polygon16 = 86,
  Polyline16 = 87,
  PolyBezierTo16 = 88,
  PolylineTo16 = 89,
  PolyPolyline16 = 90,
  PolyPolygon16 = 91,
  CreateMonoBrush = 93,
  CreateDibPatternBrushPt = 94,
  ExtCreatePen = 95,
};

// An emf header record at the start of the bytes.
bool IsEmf(std::string_view bytes);

// Throws NotAMetafile when the header is not an emf header.
DisplayList ParseEmf(std::string_view bytes);

}  // namespace metafile::detail
