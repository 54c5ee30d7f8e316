#include "WmfPlayer.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "MetafileBuilder.h"
#include "MetafileRecord.h"

namespace metafile::detail {
namespace {

constexpr std::size_t kMaxWmfObjects = 65535;
constexpr uint32_t kPlaceableKey = 0x9AC6CDD7u;
constexpr std::size_t kParams = 6;  // a record's parameters follow its size and function

class WmfBuilder : public Builder {
 public:
  bool frameKnown = false;
  bool extentSet = false;  // by the placeable header or a window extent record

  Point Map(Point p) const override {
    if (!frameKnown) return {p.x - dc.windowOrg.x, p.y - dc.windowOrg.y};
    const double ex = dc.windowExt.x == 0 ? 1 : dc.windowExt.x;
    const double ey = dc.windowExt.y == 0 ? 1 : dc.windowExt.y;
    return {(p.x - dc.windowOrg.x) * list.width / ex, (p.y - dc.windowOrg.y) * list.height / ey};
  }

  void EstablishFrame() {
    if (frameKnown || !extentSet || dc.windowExt.x == 0 || dc.windowExt.y == 0) return;
    list.width = std::abs(dc.windowExt.x);
    list.height = std::abs(dc.windowExt.y);
    frameKnown = true;
  }

  // Objects take the lowest free slot, as the records that select them expect.
  std::vector<std::optional<GdiObject>> objects;

  void Create(GdiObject object) {
    for (auto& slot : objects) {
      if (!slot) {
        slot = std::move(object);
        return;
      }
    }
    if (objects.size() < kMaxWmfObjects) objects.emplace_back(std::move(object));
  }
};

Point WmfPoint(const Record& r, std::size_t at) {  // stored as y, x
  return {static_cast<double>(r.S16(at + 2)), static_cast<double>(r.S16(at))};
}

std::vector<Point> WmfPoints(const Record& r, std::size_t at, std::size_t count) {
  r.Need(at, count * 4);
  std::vector<Point> points;
  points.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    points.push_back(
        {static_cast<double>(r.S16(at + 4 * i)), static_cast<double>(r.S16(at + 4 * i + 2))});
  }
  return points;
}

LogicalFont WmfFont(const Record& r, std::size_t at) {
  LogicalFont f;
  f.font.height = r.S16(at);
  f.font.escapement = r.S16(at + 4) / 10.0;
  f.font.weight = r.S16(at + 8);
  f.font.italic = r.U8(at + 10) != 0;
  f.font.underline = r.U8(at + 11) != 0;
  f.font.strikeout = r.U8(at + 12) != 0;
  const std::size_t faceAt = at + 18;
  const std::size_t faceBytes =
      r.size() > faceAt ? std::min<std::size_t>(32, r.size() - faceAt) : 0;
  f.font.face = FaceName(r.Bytes(faceAt, faceBytes), false);
  return f;
}

// Colours, modes, the window mapping, saved states and the current
// position. False when the record is none of these.
bool PlayWmfState(WmfBuilder& b, WmfRecord function, const Record& r) {
  constexpr std::size_t p = kParams;
  switch (function) {
    case WmfRecord::SetBkColor:
      b.dc.backgroundColor = r.Color(p);
      break;
    case WmfRecord::SetBkMode:
      b.dc.opaque = r.U16(p) == 2;
      break;
    case WmfRecord::SetPolyFillMode:
      b.dc.winding = r.U16(p) == 2;
      break;
    case WmfRecord::SetTextAlign:
      b.dc.align = r.U16(p);
      break;
    case WmfRecord::SetTextColor:
      b.dc.textColor = r.Color(p);
      break;
    case WmfRecord::SetWindowOrg:
      b.dc.windowOrg = WmfPoint(r, p);
      break;
    case WmfRecord::SetWindowExt:
      b.dc.windowExt = WmfPoint(r, p);
      b.extentSet = true;
      b.EstablishFrame();
      break;
    case WmfRecord::OffsetWindowOrg: {
      const Point d = WmfPoint(r, p);
      b.dc.windowOrg.x += d.x;
      b.dc.windowOrg.y += d.y;
      break;
    }
    case WmfRecord::ScaleWindowExt: {  // yDenom, yNum, xDenom, xNum
      const int yDen = r.S16(p), yNum = r.S16(p + 2), xDen = r.S16(p + 4), xNum = r.S16(p + 6);
      if (xDen != 0 && yDen != 0) {
        b.dc.windowExt.x = b.dc.windowExt.x * xNum / xDen;
        b.dc.windowExt.y = b.dc.windowExt.y * yNum / yDen;
      }
      break;
    }
    case WmfRecord::SaveDc:
      b.Save();
      break;
    case WmfRecord::RestoreDc:
      b.Restore(r.S16(p));
      break;
    case WmfRecord::MoveTo:
      b.dc.position = WmfPoint(r, p);
      break;
    default:
      return false;
  }
  return true;
}

// Creating, selecting and deleting pens, brushes, fonts and the objects we
// only keep a slot for. False when the record is none of these.
bool PlayWmfObject(WmfBuilder& b, WmfRecord function, const Record& r) {
  constexpr std::size_t p = kParams;
  switch (function) {
    case WmfRecord::CreatePenIndirect: {
      LogicalPen pen;
      pen.pen = PenFromStyle(r.U16(p), r.S16(p + 2), r.Color(p + 6), pen.visible);
      pen.cosmetic = r.S16(p + 2) <= 1;
      b.Create(pen);
      break;
    }
    case WmfRecord::CreateBrushIndirect:
      b.Create(BrushFromStyle(r.U16(p), r.Color(p + 2), r.U16(p + 6)));
      break;
    case WmfRecord::CreateFontIndirect:
      b.Create(WmfFont(r, p));
      break;
    case WmfRecord::CreatePalette:
    case WmfRecord::CreatePatternBrush:
    case WmfRecord::CreateRegion:
      b.Create(OtherObject{});
      break;
    case WmfRecord::DibCreatePatternBrush:
      b.Create(BrushFromStyle(5, {}, 0));
      break;
    case WmfRecord::SelectObject: {
      const uint16_t index = r.U16(p);
      if (index < b.objects.size() && b.objects[index]) b.SelectObject(*b.objects[index]);
      break;
    }
    case WmfRecord::DeleteObject: {
      const uint16_t index = r.U16(p);
      if (index < b.objects.size()) b.objects[index].reset();
      break;
    }
    default:
      return false;
  }
  return true;
}

// STRETCHDIB: rop, usage, source h w y x, destination h w y x, bitmap;
// DIBSTRETCHBLT: rop, source h w y x, destination h w y x, bitmap;
// DIBBITBLT: rop, source y x, height, width, destination y x, bitmap.
void WmfBitmap(WmfBuilder& b, WmfRecord function, const Record& r) {
  std::size_t at = kParams + 4 + (function == WmfRecord::StretchDib ? 2 : 0);
  Point sourceSize, sourceTopLeft, destSize, dest;
  if (function == WmfRecord::DibBitBlt) {
    sourceTopLeft = WmfPoint(r, at);
    destSize = sourceSize = WmfPoint(r, at + 4);
    dest = WmfPoint(r, at + 8);
    at += 12;
  } else {
    sourceSize = WmfPoint(r, at);
    sourceTopLeft = WmfPoint(r, at + 4);
    destSize = WmfPoint(r, at + 8);
    dest = WmfPoint(r, at + 12);
    at += 16;
  }
  if (at >= r.size()) return;  // a blit without a bitmap paints a pattern: not read
  std::string dib(r.Bytes(at, r.size() - at));
  const int32_t offset = PackedBitsOffset(dib);
  if (offset == 0) return;
  b.EstablishFrame();
  b.AddBitmap(dest, {dest.x + destSize.x, dest.y + destSize.y}, std::move(dib), offset,
              sourceTopLeft, sourceSize, function == WmfRecord::StretchDib);
}

void WmfPolyPolygon(WmfBuilder& b, const Record& r) {
  constexpr std::size_t p = kParams;
  const std::size_t polygons = r.U16(p);
  r.Need(p + 2, polygons * 2);
  std::vector<std::vector<Point>> figures;
  std::size_t at = p + 2 + polygons * 2;
  for (std::size_t i = 0; i < polygons; ++i) {
    const std::size_t count = r.U16(p + 2 + 2 * i);
    figures.push_back(WmfPoints(r, at, count));
    at += count * 4;
  }
  b.EstablishFrame();
  b.AddFigures(Shape::Polygon, std::move(figures));
}

// Lines, shapes, text and bitmaps; each fixes the frame first when the
// window has said it.
void PlayWmfDrawing(WmfBuilder& b, WmfRecord function, const Record& r) {
  constexpr std::size_t p = kParams;
  auto box = [&](Shape shape) {
    const Point a = WmfPoint(r, p + 4), c = WmfPoint(r, p);
    b.EstablishFrame();
    b.AddBox(shape, a, c);
  };
  switch (function) {
    case WmfRecord::LineTo: {
      const Point to = WmfPoint(r, p);
      b.EstablishFrame();
      b.AddFigures(Shape::Polyline, {{b.dc.position, to}});
      b.dc.position = to;
      break;
    }
    case WmfRecord::Rectangle:
      box(Shape::Rectangle);
      break;
    case WmfRecord::Ellipse:
      box(Shape::Ellipse);
      break;
    case WmfRecord::Arc:
    case WmfRecord::Pie:
    case WmfRecord::Chord: {  // end, start, bottom-right, top-left, each y then x
      const Point end = WmfPoint(r, p), start = WmfPoint(r, p + 4);
      const Point c = WmfPoint(r, p + 8), a = WmfPoint(r, p + 12);
      b.EstablishFrame();
      b.AddArc(function == WmfRecord::Arc   ? Builder::ArcKind::Arc
               : function == WmfRecord::Pie ? Builder::ArcKind::Pie
                                            : Builder::ArcKind::Chord,
               a, c, start, end);
      break;
    }
    case WmfRecord::RoundRect: {
      const Point corner = WmfPoint(r, p);
      const Point a = WmfPoint(r, p + 8), c = WmfPoint(r, p + 4);
      b.EstablishFrame();
      b.AddBox(Shape::RoundRect, a, c, corner);
      break;
    }
    case WmfRecord::Polygon:
    case WmfRecord::Polyline: {
      const std::size_t count = static_cast<uint16_t>(r.S16(p));
      b.EstablishFrame();
      b.AddFigures(function == WmfRecord::Polygon ? Shape::Polygon : Shape::Polyline,
                   {WmfPoints(r, p + 2, count)});
      break;
    }
    case WmfRecord::PolyPolygon:
      WmfPolyPolygon(b, r);
      break;
    case WmfRecord::TextOut: {  // count, string (even length), y, x
      const std::size_t count = r.U16(p);
      const std::size_t padded = (count + 1) & ~std::size_t{1};
      const std::string_view text = r.Bytes(p + 2, count);
      const Point at = WmfPoint(r, p + 2 + padded);
      b.EstablishFrame();
      b.AddText(at, AnsiText(text));
      break;
    }
    case WmfRecord::ExtTextOut: {  // y, x, count, options, [rect], string
      const Point at = WmfPoint(r, p);
      const std::size_t count = r.U16(p + 4);
      const uint16_t options = r.U16(p + 6);
      const std::size_t textAt = p + 8 + ((options & 0x0006) ? 8 : 0);
      b.EstablishFrame();
      b.AddText(at, AnsiText(r.Bytes(textAt, count)));
      break;
    }
    case WmfRecord::StretchDib:
    case WmfRecord::DibStretchBlt:
    case WmfRecord::DibBitBlt:
      WmfBitmap(b, function, r);
      break;
    default:
      break;  // mapping mode, viewport, raster operations, escapes
  }
}

void PlayWmfRecord(WmfBuilder& b, WmfRecord function, const Record& r) {
  if (PlayWmfState(b, function, r) || PlayWmfObject(b, function, r)) return;
  PlayWmfDrawing(b, function, r);
}

// Reads the placeable header when there is one, checks the wmf header and
// returns where the first record starts.
std::size_t ReadWmfHeader(WmfBuilder& b, const Record& file) {
  std::size_t at = 0;
  try {
    if (file.U32(0) == kPlaceableKey) {
      const double left = file.S16(6), top = file.S16(8), right = file.S16(10),
                   bottom = file.S16(12);
      const double inch = file.U16(14);
      b.dc.windowOrg = {left, top};
      b.dc.windowExt = {right - left, bottom - top};
      b.extentSet = true;
      b.EstablishFrame();
      if (inch > 0 && b.frameKnown) {
        b.list.widthMm = b.list.width / inch * 25.4;
        b.list.heightMm = b.list.height / inch * 25.4;
      }
      at = 22;
    }
    const uint16_t type = file.U16(at);
    const uint16_t headerWords = file.U16(at + 2);
    const uint16_t version = file.U16(at + 4);
    if ((type != 1 && type != 2) || headerWords != 9 || (version != 0x0100 && version != 0x0300)) {
      throw NotAMetafile("not a Windows metafile");
    }
  } catch (const RecordTooShort&) {
    throw NotAMetafile("not a Windows metafile");
  }
  return at + 18;
}

}  // namespace

bool LooksLikeWmf(std::string_view bytes) {
  if (bytes.size() < 18) return false;
  const Record r(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  if (r.U32(0) == kPlaceableKey) return true;
  const uint16_t type = r.U16(0);
  return (type == 1 || type == 2) && r.U16(2) == 9 && (r.U16(4) == 0x0100 || r.U16(4) == 0x0300);
}

DisplayList ParseWmf(std::string_view bytes) {
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  WmfBuilder b;
  std::size_t at = ReadWmfHeader(b, Record(data, bytes.size()));
  while (at + 6 <= bytes.size()) {
    const Record head(data + at, bytes.size() - at);
    const uint64_t words = head.U32(0);
    const auto function = static_cast<WmfRecord>(head.U16(4));
    if (function == WmfRecord::Eof || words < 3 || words * 2 > bytes.size() - at)
      break;  // end or damage
    const Record record(data + at, static_cast<std::size_t>(words * 2));
    try {
      PlayWmfRecord(b, function, record);
    } catch (const RecordTooShort&) {
      // a damaged record: skipped
    }
    at += static_cast<std::size_t>(words * 2);
  }
  if (!b.frameKnown) b.FitFrameToDrawing();
  return std::move(b.list);
}

}  // namespace metafile::detail
