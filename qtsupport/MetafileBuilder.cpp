#include "MetafileBuilder.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "MetafileRecord.h"
#include "TextCodec.h"

namespace metafile::detail {
namespace {

constexpr int kEllipseSegments = 48;

double Distance(Point a, Point b) {
  return std::hypot(a.x - b.x, a.y - b.y);
}

}  // namespace

std::string FaceName(std::string_view raw, bool wide) {
  if (wide) {
    std::u16string units;
    for (std::size_t i = 0; i + 1 < raw.size(); i += 2) {
      const char16_t unit = static_cast<char16_t>(static_cast<uint8_t>(raw[i]) |
                                                  (static_cast<uint8_t>(raw[i + 1]) << 8));
      if (unit == 0) break;
      units.push_back(unit);
    }
    std::string utf8;
    for (std::size_t i = 0; i < units.size(); ++i) {
      uint32_t cp = units[i];
      if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
          units[i + 1] < 0xE000) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (units[i + 1] - 0xDC00);
        ++i;
      } else if (cp >= 0xD800 && cp < 0xE000) {
        cp = 0xFFFD;
      }
      if (cp < 0x80) {
        utf8 += static_cast<char>(cp);
      } else if (cp < 0x800) {
        utf8 += static_cast<char>(0xC0 | (cp >> 6));
        utf8 += static_cast<char>(0x80 | (cp & 0x3F));
      } else if (cp < 0x10000) {
        utf8 += static_cast<char>(0xE0 | (cp >> 12));
        utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (cp & 0x3F));
      } else {
        utf8 += static_cast<char>(0xF0 | (cp >> 18));
        utf8 += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (cp & 0x3F));
      }
    }
    return utf8;
  }
  const std::size_t end = raw.find('\0');
  return Cp932ToUtf8(raw.substr(0, end));
}

std::string AnsiText(std::string_view raw) {
  const std::size_t end = raw.find('\0');
  return Cp932ToUtf8(raw.substr(0, end));
}

Pen PenFromStyle(uint32_t style, double width, Rgb color, bool& visible) {
  Pen pen;
  pen.width = width;
  pen.color = color;
  visible = true;
  switch (style & 0x0F) {
    case 1:
      pen.style = LineStyle::Dash;
      break;
    case 2:
      pen.style = LineStyle::Dot;
      break;
    case 3:
      pen.style = LineStyle::DashDot;
      break;
    case 4:
      pen.style = LineStyle::DashDotDot;
      break;
    case 5:
      pen.style = LineStyle::None;
      visible = false;
      break;
    default:
      pen.style = LineStyle::Solid;
      break;
  }
  return pen;
}

Brush BrushFromStyle(uint32_t style, Rgb color, uint32_t hatch) {
  Brush brush;
  brush.color = color;
  switch (style) {
    case 0:
      brush.fill = Fill::Solid;
      break;
    case 2:
      brush.fill = Fill::Hatched;
      brush.hatch = static_cast<int>(std::min<uint32_t>(hatch, 5));
      break;
    case 3:  // pattern brushes: their bitmaps are not read, so they paint a neutral grey
    case 5:
    case 6:
      brush.fill = Fill::Solid;
      brush.color = Rgb{192, 192, 192};
      break;
    default:
      brush.fill = Fill::None;
      break;
  }
  return brush;
}

int32_t PackedBitsOffset(std::string_view dib) {
  constexpr uint64_t kMaxPixels = uint64_t{1} << 26;
  const Record r(reinterpret_cast<const uint8_t*>(dib.data()), dib.size());
  try {
    const uint32_t headerSize = r.U32(0);
    uint64_t width, height, colours;
    uint16_t bits;
    uint32_t compression = 0;
    uint64_t offset;
    if (headerSize == 12) {  // core header: three-byte colours
      width = r.U16(4);
      height = r.U16(6);
      bits = r.U16(10);
      colours = bits <= 8 ? (1u << bits) : 0;
      offset = 12 + colours * 3;
    } else if (headerSize >= 40 && headerSize <= 256) {
      width = static_cast<uint64_t>(std::abs(static_cast<int64_t>(r.S32(4))));
      height = static_cast<uint64_t>(std::abs(static_cast<int64_t>(r.S32(8))));
      bits = r.U16(14);
      compression = r.U32(16);
      colours = r.U32(32);
      if (colours == 0 && bits <= 8) colours = 1u << bits;
      if (colours > 65536) return 0;
      const uint64_t masks = (headerSize == 40 && (compression == 3 || compression == 6)) ? 12 : 0;
      offset = headerSize + masks + colours * 4;
    } else {
      return 0;
    }
    if (width == 0 || height == 0 || bits == 0 || bits > 32 || width * height > kMaxPixels)
      return 0;
    if (offset >= dib.size()) return 0;
    const uint64_t rowBytes = (width * bits + 31) / 32 * 4;
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (uncompressed && rowBytes * height > dib.size() - offset) return 0;
    return static_cast<int32_t>(offset);
  } catch (const RecordTooShort&) {
    return 0;
  }
}

void Builder::Save() {
  if (saved.size() < kMaxSavedStates) saved.push_back(dc);
}
void Builder::Restore(int32_t which) {
  if (saved.empty()) return;
  std::size_t index;
  if (which < 0) {
    const std::size_t back = static_cast<std::size_t>(-static_cast<int64_t>(which));
    if (back > saved.size()) return;
    index = saved.size() - back;
  } else {
    if (which == 0 || static_cast<std::size_t>(which) > saved.size()) return;
    index = static_cast<std::size_t>(which) - 1;
  }
  dc = saved[index];
  saved.resize(index);
}

double Builder::ScaleX() const {
  return Distance(Map({1, 0}), Map({0, 0}));
}
double Builder::ScaleY() const {
  return Distance(Map({0, 1}), Map({0, 0}));
}

bool Builder::Room(std::size_t morePoints) {
  if (list.ops.size() >= kMaxOps || morePoints > kMaxPoints - points) return false;
  points += morePoints;
  return true;
}

Op Builder::NewOp(Shape shape) const {
  Op op;
  op.shape = shape;
  op.pen = dc.pen.pen;
  const double scale = (ScaleX() + ScaleY()) / 2;
  op.pen.width = dc.pen.cosmetic ? 0 : std::abs(dc.pen.pen.width) * scale;
  if (!std::isfinite(op.pen.width)) op.pen.width = 0;
  op.penVisible = dc.pen.visible;
  op.brush = dc.brush;
  op.font = dc.font.font;
  op.font.height = dc.font.font.height * ScaleY();
  if (!std::isfinite(op.font.height)) op.font.height = 0;
  op.textColor = dc.textColor;
  op.backgroundColor = dc.backgroundColor;
  op.opaqueBackground = dc.opaque;
  op.textAlign = dc.align;
  op.winding = dc.winding;
  return op;
}

std::vector<Point> Builder::MapAll(const std::vector<Point>& logical) const {
  std::vector<Point> mapped;
  mapped.reserve(logical.size());
  for (const Point& p : logical) mapped.push_back(Map(p));
  return mapped;
}

// Only ops whose every coordinate is a number: a hostile transform must
// not hand infinities to the painter.
void Builder::Push(Op op) {
  auto finite = [](Point p) { return std::isfinite(p.x) && std::isfinite(p.y); };
  for (const auto& f : op.figures)
    for (const Point& p : f)
      if (!finite(p)) return;
  if (!finite(op.a) || !finite(op.b) || !finite(op.corner)) return;
  list.ops.push_back(std::move(op));
}

void Builder::AddFigures(Shape shape, std::vector<std::vector<Point>> logicalFigures) {
  std::size_t total = 0;
  for (const auto& f : logicalFigures) total += f.size();
  if (total == 0 || !Room(total)) return;
  Op op = NewOp(shape);
  for (auto& f : logicalFigures) op.figures.push_back(MapAll(f));
  Push(std::move(op));
}

void Builder::AddBox(Shape shape, Point a, Point b, Point corner) {
  if (!Room(2)) return;
  Op op = NewOp(shape);
  const Xform linear = LinearPart();
  if (linear.m12 != 0 || linear.m21 != 0) {
    // A turned box: drawn as the polygon it has become.
    op.shape = Shape::Polygon;
    op.figures.push_back(MapAll(BoxOutline(shape, a, b)));
    Push(std::move(op));
    return;
  }
  op.a = Map(a);
  op.b = Map(b);
  op.corner = {std::abs(corner.x) * ScaleX(), std::abs(corner.y) * ScaleY()};
  Push(std::move(op));
}

void Builder::AddBitmap(Point a, Point b, std::string dib, int32_t bitsOffset, Point sourceTopLeft,
                        Point sourceSize, bool sourceFromBottom) {
  if (dib.empty() || !Room(2)) return;
  Op op = NewOp(Shape::Bitmap);
  op.a = Map(a);
  op.b = Map(b);
  op.bitmap = std::move(dib);
  op.bitsOffset = bitsOffset;
  op.sourceTopLeft = sourceTopLeft;
  op.sourceSize = sourceSize;
  op.sourceFromBottom = sourceFromBottom;
  Push(std::move(op));
}

void Builder::AddText(Point at, std::string text) {
  if (text.empty() || !Room(1)) return;
  Op op = NewOp(Shape::Text);
  op.a = Map(at);
  op.text = std::move(text);
  Push(std::move(op));
}

Xform Builder::LinearPart() const {
  const Point o = Map({0, 0});
  const Point x = Map({1, 0});
  const Point y = Map({0, 1});
  return {x.x - o.x, x.y - o.y, y.x - o.x, y.y - o.y, o.x, o.y};
}

std::vector<Point> Builder::BoxOutline(Shape shape, Point a, Point b) {
  if (shape == Shape::Ellipse) {
    std::vector<Point> outline;
    const Point c{(a.x + b.x) / 2, (a.y + b.y) / 2};
    const double rx = (b.x - a.x) / 2;
    const double ry = (b.y - a.y) / 2;
    for (int i = 0; i < kEllipseSegments; ++i) {
      const double t = 2 * std::numbers::pi * i / kEllipseSegments;
      outline.push_back({c.x + rx * std::cos(t), c.y + ry * std::sin(t)});
    }
    return outline;
  }
  return {{a.x, a.y}, {b.x, a.y}, {b.x, b.y}, {a.x, b.y}};
}

std::vector<Point> Builder::ArcPoints(Point a, Point b, Point start, Point end) {
  const Point c{(a.x + b.x) / 2, (a.y + b.y) / 2};
  const double rx = std::abs(b.x - a.x) / 2;
  const double ry = std::abs(b.y - a.y) / 2;
  if (rx == 0 || ry == 0) return {};
  const double from = std::atan2(-(start.y - c.y) / ry, (start.x - c.x) / rx);
  double to = std::atan2(-(end.y - c.y) / ry, (end.x - c.x) / rx);
  if (to <= from) to += 2 * std::numbers::pi;
  const int steps = 1 + static_cast<int>(kEllipseSegments * (to - from) / (2 * std::numbers::pi));
  std::vector<Point> points;
  for (int i = 0; i <= steps; ++i) {
    const double t = from + (to - from) * i / steps;
    points.push_back({c.x + rx * std::cos(t), c.y - ry * std::sin(t)});
  }
  return points;
}

void Builder::AddArc(ArcKind kind, Point a, Point b, Point start, Point end) {
  std::vector<Point> points = ArcPoints(a, b, start, end);
  if (points.empty()) return;
  if (kind == ArcKind::Arc) {
    AddFigures(Shape::Polyline, {std::move(points)});
    return;
  }
  if (kind == ArcKind::Pie) points.insert(points.begin(), Point{(a.x + b.x) / 2, (a.y + b.y) / 2});
  AddFigures(Shape::Polygon, {std::move(points)});
}

void Builder::SelectObject(const GdiObject& object) {
  if (const auto* pen = std::get_if<LogicalPen>(&object)) dc.pen = *pen;
  if (const auto* brush = std::get_if<Brush>(&object)) dc.brush = *brush;
  if (const auto* font = std::get_if<LogicalFont>(&object)) dc.font = *font;
}

void Builder::FitFrameToDrawing() {
  double minX = std::numeric_limits<double>::infinity(), minY = minX;
  double maxX = -minX, maxY = -minX;
  auto take = [&](Point p) {
    minX = std::min(minX, p.x);
    minY = std::min(minY, p.y);
    maxX = std::max(maxX, p.x);
    maxY = std::max(maxY, p.y);
  };
  for (const Op& op : list.ops) {
    for (const auto& f : op.figures)
      for (const Point& p : f) take(p);
    if (op.figures.empty()) {
      take(op.a);
      if (op.shape != Shape::Text) take(op.b);
    }
  }
  if (!(std::isfinite(minX) && std::isfinite(minY) && maxX > minX && maxY > minY)) {
    list.width = list.height = 1;
    return;
  }
  auto shift = [&](Point& p) {
    p.x -= minX;
    p.y -= minY;
  };
  for (Op& op : list.ops) {
    for (auto& f : op.figures)
      for (Point& p : f) shift(p);
    shift(op.a);
    shift(op.b);
  }
  list.width = maxX - minX;
  list.height = maxY - minY;
}

}  // namespace metafile::detail
