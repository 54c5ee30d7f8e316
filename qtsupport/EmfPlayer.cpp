#include "EmfPlayer.h"

#include <algorithm>
#include <cmath>

#include "EmfBuilder.h"
#include "MetafileBuilder.h"
#include "MetafileRecord.h"

namespace metafile::detail {
namespace {

constexpr uint32_t kMaxEmfObjectIndex = 1u << 20;
constexpr int kBezierSegments = 16;
constexpr uint32_t kEmfSignature = 0x464D4520u;  // " EMF"

// How MODIFYWORLDTRANSFORM combines its matrix with the current one.
enum class WorldTransformMode : uint32_t {
  Identity = 1,
  LeftMultiply = 2,
  RightMultiply = 3,
  Set = 4
};

Point EmfPoint(const Record& r, std::size_t at) {  // stored as x, y
  return {static_cast<double>(r.S32(at)), static_cast<double>(r.S32(at + 4))};
}

std::vector<Point> EmfPoints(const Record& r, std::size_t at, std::size_t count, bool shortPoints) {
  const std::size_t size = shortPoints ? 4 : 8;
  r.Need(at, count * size);
  std::vector<Point> points;
  points.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    if (shortPoints) {
      points.push_back(
          {static_cast<double>(r.S16(at + 4 * i)), static_cast<double>(r.S16(at + 4 * i + 2))});
    } else {
      points.push_back(EmfPoint(r, at + 8 * i));
    }
  }
  return points;
}

// Cubic Bézier segments through the control points, as line points after `start`.
std::vector<Point> FlattenBeziers(Point start, const std::vector<Point>& controls) {
  std::vector<Point> out;
  Point p0 = start;
  for (std::size_t i = 0; i + 2 < controls.size(); i += 3) {
    const Point p1 = controls[i], p2 = controls[i + 1], p3 = controls[i + 2];
    for (int s = 1; s <= kBezierSegments; ++s) {
      const double t = static_cast<double>(s) / kBezierSegments, u = 1 - t;
      out.push_back(
          {u * u * u * p0.x + 3 * u * u * t * p1.x + 3 * u * t * t * p2.x + t * t * t * p3.x,
           u * u * u * p0.y + 3 * u * u * t * p1.y + 3 * u * t * t * p2.y + t * t * t * p3.y});
    }
    p0 = p3;
  }
  return out;
}

Xform ReadXform(const Record& r, std::size_t at) {
  return {r.F32(at), r.F32(at + 4), r.F32(at + 8), r.F32(at + 12), r.F32(at + 16), r.F32(at + 20)};
}

void EmfPolyRecord(EmfBuilder& b, EmfRecord type, const Record& r) {
  const bool shortPoints = type >= EmfRecord::PolyBezier16;
  const std::size_t count = r.U32(24);
  if (count > kMaxPoints) return;
  std::vector<Point> points = EmfPoints(r, 28, count, shortPoints);
  switch (type) {
    case EmfRecord::PolyBezier:
    case EmfRecord::PolyBezier16: {
      if (points.empty()) return;
      std::vector<Point> line{points.front()};
      const std::vector<Point> rest(points.begin() + 1, points.end());
      const std::vector<Point> flat = FlattenBeziers(points.front(), rest);
      line.insert(line.end(), flat.begin(), flat.end());
      b.PolyFigures({std::move(line)}, false);
      break;
    }
    case EmfRecord::Polygon:
    case EmfRecord::Polygon16:
      b.PolyFigures({std::move(points)}, true);
      break;
    case EmfRecord::Polyline:
    case EmfRecord::Polyline16:
      b.PolyFigures({std::move(points)}, false);
      break;
    case EmfRecord::PolyBezierTo:
    case EmfRecord::PolyBezierTo16:
    case EmfRecord::PolylineTo:
    case EmfRecord::PolylineTo16: {
      if (points.empty()) return;
      const bool bezier = type == EmfRecord::PolyBezierTo || type == EmfRecord::PolyBezierTo16;
      const Point start = b.dc.position;
      std::vector<Point> line = bezier ? FlattenBeziers(start, points) : points;
      b.dc.position = points.back();
      if (b.inPath) {
        b.Figure(std::move(line), false, true);
      } else {
        line.insert(line.begin(), start);
        b.AddFigures(Shape::Polyline, {std::move(line)});
      }
      break;
    }
    default:
      break;
  }
}

void EmfPolyPolyRecord(EmfBuilder& b, EmfRecord type, const Record& r) {
  const bool shortPoints = type >= EmfRecord::PolyPolyline16;
  const bool polygon = type == EmfRecord::PolyPolygon || type == EmfRecord::PolyPolygon16;
  const std::size_t figures = r.U32(24);
  const std::size_t total = r.U32(28);
  if (figures > kMaxPoints || total > kMaxPoints) return;
  r.Need(32, figures * 4);
  std::size_t at = 32 + figures * 4;
  std::vector<std::vector<Point>> all;
  for (std::size_t i = 0; i < figures; ++i) {
    const std::size_t count = r.U32(32 + 4 * i);
    if (count > kMaxPoints) return;
    all.push_back(EmfPoints(r, at, count, shortPoints));
    at += count * (shortPoints ? 4 : 8);
  }
  b.PolyFigures(std::move(all), polygon);
}

LogicalFont EmfFont(const Record& r) {
  LogicalFont f;
  f.font.height = r.S32(12);
  f.font.escapement = r.S32(20) / 10.0;
  f.font.weight = r.S32(28);
  f.font.italic = r.U8(32) != 0;
  f.font.underline = r.U8(33) != 0;
  f.font.strikeout = r.U8(34) != 0;
  const std::size_t faceBytes = r.size() > 40 ? std::min<std::size_t>(64, r.size() - 40) : 0;
  f.font.face = FaceName(r.Bytes(40, faceBytes), true);
  return f;
}

void EmfText(EmfBuilder& b, const Record& r, bool wide) {
  const Point at = EmfPoint(r, 36);
  const std::size_t count = r.U32(44);
  const std::size_t offset = r.U32(48);
  if (count > r.size()) return;
  const std::string_view raw = r.Bytes(offset, count * (wide ? 2 : 1));
  b.AddText(at, wide ? FaceName(raw, true) : AnsiText(raw));
}

void EmfBox(EmfBuilder& b, Shape shape, const Record& r) {
  const Point a = EmfPoint(r, 8), c = EmfPoint(r, 16);
  if (b.inPath) {
    b.Figure(Builder::BoxOutline(shape == Shape::Ellipse ? Shape::Ellipse : Shape::Rectangle, a, c),
             true, false);
    return;
  }
  Point corner;
  if (shape == Shape::RoundRect) corner = EmfPoint(r, 24);
  b.AddBox(shape, a, c, corner);
}

// STRETCHDIBITS, BITBLT and STRETCHBLT: a bitmap stretched into a
// destination rectangle; a blit without a bitmap is skipped.
void EmfBitmap(EmfBuilder& b, EmfRecord type, const Record& r) {
  const auto point = [&](std::size_t at) { return EmfPoint(r, at); };
  const Point dest = point(24);
  Point destSize, sourceTopLeft, sourceSize;
  std::size_t infoAt;
  if (type == EmfRecord::StretchDiBits) {
    sourceTopLeft = point(32);
    sourceSize = point(40);
    destSize = point(72);
    infoAt = 48;
  } else {
    destSize = point(32);
    sourceTopLeft = point(44);
    sourceSize = type == EmfRecord::StretchBlt ? point(100) : destSize;
    infoAt = 84;
  }
  const std::size_t infoOffset = r.U32(infoAt), infoSize = r.U32(infoAt + 4);
  const std::size_t bitsOffset = r.U32(infoAt + 8), bitsSize = r.U32(infoAt + 12);
  if (infoSize == 0 || bitsSize == 0) return;
  std::string dib(r.Bytes(infoOffset, infoSize));
  dib += r.Bytes(bitsOffset, bitsSize);
  if (PackedBitsOffset(dib) == 0) return;
  b.AddBitmap(dest, {dest.x + destSize.x, dest.y + destSize.y}, std::move(dib),
              static_cast<int32_t>(infoSize), sourceTopLeft, sourceSize,
              type == EmfRecord::StretchDiBits);
}

void ModifyWorldTransform(EmfBuilder& b, const Record& r) {
  const Xform x = ReadXform(r, 8);
  const auto mode = static_cast<WorldTransformMode>(r.U32(32));
  if (mode == WorldTransformMode::Identity) b.dc.world = Xform{};
  if (!x.Finite()) return;
  if (mode == WorldTransformMode::LeftMultiply) b.dc.world = x.Then(b.dc.world);
  if (mode == WorldTransformMode::RightMultiply) b.dc.world = b.dc.world.Then(x);
  if (mode == WorldTransformMode::Set) b.dc.world = x;
}

// Colours, modes, the mapping, the world transform, saved states and the
// current position. False when the record is none of these.
bool PlayEmfState(EmfBuilder& b, EmfRecord type, const Record& r) {
  switch (type) {
    case EmfRecord::SetWindowExtEx:
      b.dc.windowExt = EmfPoint(r, 8);
      break;
    case EmfRecord::SetWindowOrgEx:
      b.dc.windowOrg = EmfPoint(r, 8);
      break;
    case EmfRecord::SetViewportExtEx:
      b.dc.viewportExt = EmfPoint(r, 8);
      break;
    case EmfRecord::SetViewportOrgEx:
      b.dc.viewportOrg = EmfPoint(r, 8);
      break;
    case EmfRecord::SetMapMode:
      b.dc.mapMode = static_cast<int>(r.U32(8));
      break;
    case EmfRecord::SetBkMode:
      b.dc.opaque = r.U32(8) == 2;
      break;
    case EmfRecord::SetPolyFillMode:
      b.dc.winding = r.U32(8) == 2;
      break;
    case EmfRecord::SetTextAlign:
      b.dc.align = r.U32(8);
      break;
    case EmfRecord::SetTextColor:
      b.dc.textColor = r.Color(8);
      break;
    case EmfRecord::SetBkColor:
      b.dc.backgroundColor = r.Color(8);
      break;
    case EmfRecord::MoveToEx:
      b.dc.position = EmfPoint(r, 8);
      if (b.inPath) b.Figure({b.dc.position}, false, false);
      break;
    case EmfRecord::SaveDc:
      b.Save();
      break;
    case EmfRecord::RestoreDc:
      b.Restore(r.S32(8));
      break;
    case EmfRecord::SetWorldTransform: {
      const Xform x = ReadXform(r, 8);
      if (x.Finite()) b.dc.world = x;
      break;
    }
    case EmfRecord::ModifyWorldTransform:
      ModifyWorldTransform(b, r);
      break;
    default:
      return false;
  }
  return true;
}

// Creating, selecting and deleting pens, brushes and fonts. False when the
// record is none of these.
bool PlayEmfObject(EmfBuilder& b, EmfRecord type, const Record& r) {
  switch (type) {
    case EmfRecord::SelectObject: {
      const uint32_t index = r.U32(8);
      if (index & 0x80000000u) {
        b.SelectObject(b.Stock(index));
      } else if (auto found = b.objects.find(index); found != b.objects.end()) {
        b.SelectObject(found->second);
      }
      break;
    }
    case EmfRecord::CreatePen: {
      const uint32_t index = r.U32(8);
      LogicalPen pen;
      pen.pen = PenFromStyle(r.U32(12), r.S32(16), r.Color(24), pen.visible);
      pen.cosmetic = r.S32(16) <= 1;
      if (index < kMaxEmfObjectIndex) b.objects[index] = pen;
      break;
    }
    case EmfRecord::ExtCreatePen: {
      const uint32_t index = r.U32(8);
      const uint32_t style = r.U32(28);
      LogicalPen pen;
      pen.pen = PenFromStyle(style, r.U32(32), r.Color(40), pen.visible);
      pen.cosmetic = (style & 0x00010000u) == 0 || r.U32(32) <= 1;  // not PS_GEOMETRIC
      if (r.U32(36) == 1) pen.visible = false;                      // hollow brush
      if (index < kMaxEmfObjectIndex) b.objects[index] = pen;
      break;
    }
    case EmfRecord::CreateBrushIndirect: {
      const uint32_t index = r.U32(8);
      if (index < kMaxEmfObjectIndex)
        b.objects[index] = BrushFromStyle(r.U32(12), r.Color(16), r.U32(20));
      break;
    }
    case EmfRecord::CreateMonoBrush:
    case EmfRecord::CreateDibPatternBrushPt: {
      const uint32_t index = r.U32(8);
      if (index < kMaxEmfObjectIndex) b.objects[index] = BrushFromStyle(5, {}, 0);
      break;
    }
    case EmfRecord::ExtCreateFontIndirectW: {
      const uint32_t index = r.U32(8);
      if (index < kMaxEmfObjectIndex) b.objects[index] = EmfFont(r);
      break;
    }
    case EmfRecord::DeleteObject:
      b.objects.erase(r.U32(8));
      break;
    default:
      return false;
  }
  return true;
}

// The path bracket and what ends it. False when the record is none of these.
bool PlayEmfPath(EmfBuilder& b, EmfRecord type) {
  switch (type) {
    case EmfRecord::BeginPath:
      b.inPath = true;
      b.ClearPath();
      break;
    case EmfRecord::EndPath:
      b.inPath = false;
      break;
    case EmfRecord::CloseFigure:
      if (!b.pathClosed.empty()) b.pathClosed.back() = true;
      break;
    case EmfRecord::FillPath:
      b.PathOps(true, false);
      break;
    case EmfRecord::StrokeAndFillPath:
      b.PathOps(true, true);
      break;
    case EmfRecord::StrokePath:
      b.PathOps(false, true);
      break;
    case EmfRecord::AbortPath:
      b.inPath = false;
      b.ClearPath();
      break;
    default:
      return false;
  }
  return true;
}

// Lines, shapes, text and bitmaps: drawn, or collected while a path is open.
void PlayEmfDrawing(EmfBuilder& b, EmfRecord type, const Record& r) {
  switch (type) {
    case EmfRecord::PolyBezier:
    case EmfRecord::Polygon:
    case EmfRecord::Polyline:
    case EmfRecord::PolyBezierTo:
    case EmfRecord::PolylineTo:
    case EmfRecord::PolyBezier16:
    case EmfRecord::Polygon16:
    case EmfRecord::Polyline16:
    case EmfRecord::PolyBezierTo16:
    case EmfRecord::PolylineTo16:
      EmfPolyRecord(b, type, r);
      break;
    case EmfRecord::PolyPolyline:
    case EmfRecord::PolyPolygon:
    case EmfRecord::PolyPolyline16:
    case EmfRecord::PolyPolygon16:
      EmfPolyPolyRecord(b, type, r);
      break;
    case EmfRecord::Arc:
    case EmfRecord::Chord:
    case EmfRecord::Pie: {
      const Point a = EmfPoint(r, 8), c = EmfPoint(r, 16);
      b.AddArc(type == EmfRecord::Arc     ? Builder::ArcKind::Arc
               : type == EmfRecord::Chord ? Builder::ArcKind::Chord
                                          : Builder::ArcKind::Pie,
               a, c, EmfPoint(r, 24), EmfPoint(r, 32));
      break;
    }
    case EmfRecord::Ellipse:
      EmfBox(b, Shape::Ellipse, r);
      break;
    case EmfRecord::Rectangle:
      EmfBox(b, Shape::Rectangle, r);
      break;
    case EmfRecord::RoundRect:
      EmfBox(b, Shape::RoundRect, r);
      break;
    case EmfRecord::LineTo: {
      const Point to = EmfPoint(r, 8);
      if (b.inPath)
        b.Figure({to}, false, true);
      else
        b.AddFigures(Shape::Polyline, {{b.dc.position, to}});
      b.dc.position = to;
      break;
    }
    case EmfRecord::BitBlt:
    case EmfRecord::StretchBlt:
    case EmfRecord::StretchDiBits:
      EmfBitmap(b, type, r);
      break;
    case EmfRecord::ExtTextOutA:
      EmfText(b, r, false);
      break;
    case EmfRecord::ExtTextOutW:
      EmfText(b, r, true);
      break;
    default:
      break;  // clipping, palettes, comments
  }
}

void PlayEmfRecord(EmfBuilder& b, EmfRecord type, const Record& r) {
  if (PlayEmfPath(b, type) || PlayEmfState(b, type, r) || PlayEmfObject(b, type, r)) return;
  PlayEmfDrawing(b, type, r);
}

// Checks the header record, sets the frame from it and returns where the
// first record after it starts.
std::size_t ReadEmfHeader(EmfBuilder& b, const Record& header, std::size_t fileSize) {
  const std::size_t headerSize = header.U32(4);
  if (static_cast<EmfRecord>(header.U32(0)) != EmfRecord::Header ||
      header.U32(40) != kEmfSignature || headerSize < 88 || headerSize > fileSize) {
    throw NotAMetafile("not an enhanced metafile");
  }
  const double frameLeft = header.S32(24), frameTop = header.S32(28);
  const double frameRight = header.S32(32), frameBottom = header.S32(36);
  const double devicePxX = header.S32(72), devicePxY = header.S32(76);
  const double deviceMmX = header.S32(80), deviceMmY = header.S32(84);
  if (devicePxX > 0 && devicePxY > 0 && deviceMmX > 0 && deviceMmY > 0) {
    b.millimetersPerPixelX = deviceMmX / devicePxX;
    b.millimetersPerPixelY = deviceMmY / devicePxY;
  }
  // The frame is in hundredths of a millimetre, inclusive.
  const double widthMm = (frameRight - frameLeft) / 100, heightMm = (frameBottom - frameTop) / 100;
  if (widthMm > 0 && heightMm > 0) {
    b.list.widthMm = widthMm;
    b.list.heightMm = heightMm;
    b.frameOrigin = {frameLeft / 100 / b.millimetersPerPixelX,
                     frameTop / 100 / b.millimetersPerPixelY};
    b.list.width = widthMm / b.millimetersPerPixelX;
    b.list.height = heightMm / b.millimetersPerPixelY;
  } else {
    const double left = header.S32(8), top = header.S32(12), right = header.S32(16),
                 bottom = header.S32(20);
    b.frameOrigin = {left, top};
    b.list.width = std::max(1.0, right - left + 1);
    b.list.height = std::max(1.0, bottom - top + 1);
  }
  return headerSize;
}

}  // namespace

bool IsEmf(std::string_view bytes) {
  if (bytes.size() < 44) return false;
  const Record r(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  return static_cast<EmfRecord>(r.U32(0)) == EmfRecord::Header && r.U32(40) == kEmfSignature;
}

DisplayList ParseEmf(std::string_view bytes) {
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  EmfBuilder b;
  std::size_t at;
  try {
    at = ReadEmfHeader(b, Record(data, bytes.size()), bytes.size());
  } catch (const RecordTooShort&) {
    throw NotAMetafile("not an enhanced metafile");
  }
  while (at + 8 <= bytes.size()) {
    const Record head(data + at, bytes.size() - at);
    const auto type = static_cast<EmfRecord>(head.U32(0));
    const uint32_t size = head.U32(4);
    if (type == EmfRecord::Eof || size < 8 || size % 4 != 0 || size > bytes.size() - at)
      break;  // end or damage
    try {
      PlayEmfRecord(b, type, Record(data + at, size));
    } catch (const RecordTooShort&) {
      // a damaged record: skipped
    }
    at += size;
  }
  return std::move(b.list);
}

}  // namespace metafile::detail
