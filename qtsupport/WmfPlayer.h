// The wmf player: walks the records of a Windows metafile, with or without
// the placeable header, and plays the drawing ones into a display list.
// Internal to the metafile reader.
#pragma once

#include <cstdint>
#include <string_view>

#include "MetafileParser.h"

namespace metafile::detail {

// The function word of each wmf record we read or must step over.
enum class WmfRecord : uint16_t {
  Eof = 0x0000,
  SaveDc = 0x001E,
  CreatePalette = 0x00F7,
  SetBkMode = 0x0102,
  SetPolyFillMode = 0x0106,
  RestoreDc = 0x0127,
  SelectObject = 0x012D,
  SetTextAlign = 0x012E,
  DibCreatePatternBrush = 0x0142,
  DeleteObject = 0x01F0,
  CreatePatternBrush = 0x01F9,
  SetBkColor = 0x0201,
  SetTextColor = 0x0209,
  SetWindowOrg = 0x020B,
  SetWindowExt = 0x020C,
  OffsetWindowOrg = 0x020F,
  LineTo = 0x0213,
  MoveTo = 0x0214,
  CreatePenIndirect = 0x02FA,
  CreateFontIndirect = 0x02FB,
  CreateBrushIndirect = 0x02FC,
  Polygon = 0x0324,
  Polyline = 0x0325,
  ScaleWindowExt = 0x0410,
  Ellipse = 0x0418,
  Rectangle = 0x041B,
  TextOut = 0x0521,
  PolyPolygon = 0x0538,
  RoundRect = 0x061C,
  CreateRegion = 0x06FF,
  Arc = 0x0817,
  Pie = 0x081A,
  Chord = 0x0830,
  DibBitBlt = 0x0940,
  ExtTextOut = 0x0A32,
  DibStretchBlt = 0x0B41,
  StretchDib = 0x0F43,
};

// A wmf header, placeable or bare, at the start of the bytes.
bool LooksLikeWmf(std::string_view bytes);

// Throws NotAMetafile when the header is not a wmf header.
DisplayList ParseWmf(std::string_view bytes);

}  // namespace metafile::detail
