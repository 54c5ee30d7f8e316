#include "MetafileParser.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <numbers>
#include <optional>
#include <variant>

#include "TextCodec.h"

namespace metafile {
namespace {

// Bounds that keep a hostile file from exhausting memory or time.
constexpr std::size_t kMaxPoints = 4'000'000;
constexpr std::size_t kMaxOps = 200'000;
constexpr std::size_t kMaxSavedStates = 1024;
constexpr std::size_t kMaxWmfObjects = 65535;
constexpr uint32_t kMaxEmfObjectIndex = 1u << 20;
constexpr int kBezierSegments = 16;
constexpr int kEllipseSegments = 48;

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7u;
constexpr uint32_t kEmfSignature = 0x464D4520u;  // " EMF"

struct RecordTooShort {};

// One record's bytes; reads past its end throw RecordTooShort, which skips
// the record.
class Record {
 public:
  Record(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::size_t size() const { return size_; }
  uint8_t U8(std::size_t at) const {
    Need(at, 1);
    return data_[at];
  }
  uint16_t U16(std::size_t at) const {
    Need(at, 2);
    return static_cast<uint16_t>(data_[at] | (data_[at + 1] << 8));
  }
  int16_t S16(std::size_t at) const { return static_cast<int16_t>(U16(at)); }
  uint32_t U32(std::size_t at) const {
    Need(at, 4);
    return static_cast<uint32_t>(data_[at]) | (static_cast<uint32_t>(data_[at + 1]) << 8) |
           (static_cast<uint32_t>(data_[at + 2]) << 16) |
           (static_cast<uint32_t>(data_[at + 3]) << 24);
  }
  int32_t S32(std::size_t at) const { return static_cast<int32_t>(U32(at)); }
  float F32(std::size_t at) const {
    const uint32_t bits = U32(at);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }
  Rgb Color(std::size_t at) const { return Rgb{U8(at), U8(at + 1), U8(at + 2)}; }
  std::string_view Bytes(std::size_t at, std::size_t count) const {
    Need(at, count);
    return {reinterpret_cast<const char*>(data_ + at), count};
  }
  void Need(std::size_t at, std::size_t count) const {
    if (at > size_ || count > size_ - at) throw RecordTooShort{};
  }

 private:
  const uint8_t* data_;
  std::size_t size_;
};

struct Xform {
  double m11 = 1, m12 = 0, m21 = 0, m22 = 1, dx = 0, dy = 0;
  Point Apply(Point p) const { return {p.x * m11 + p.y * m21 + dx, p.x * m12 + p.y * m22 + dy}; }
  // this then other
  Xform Then(const Xform& o) const {
    return {m11 * o.m11 + m12 * o.m21,      m11 * o.m12 + m12 * o.m22,
            m21 * o.m11 + m22 * o.m21,      m21 * o.m12 + m22 * o.m22,
            dx * o.m11 + dy * o.m21 + o.dx, dx * o.m12 + dy * o.m22 + o.dy};
  }
  bool Finite() const {
    return std::isfinite(m11) && std::isfinite(m12) && std::isfinite(m21) && std::isfinite(m22) &&
           std::isfinite(dx) && std::isfinite(dy);
  }
};

// A pen as created: width in logical units, mapped when used.
struct LogicalPen {
  Pen pen;
  bool visible = true;
  bool cosmetic = false;
};
struct LogicalFont {
  Font font;
};
struct OtherObject {};
using GdiObject = std::variant<LogicalPen, Brush, LogicalFont, OtherObject>;

struct DcState {
  LogicalPen pen;
  Brush brush;
  LogicalFont font;
  Rgb textColor{0, 0, 0};
  Rgb backgroundColor{255, 255, 255};
  bool opaque = true;
  uint32_t align = 0;
  bool winding = false;
  int mapMode = 1;
  Point windowOrg{0, 0};
  Point windowExt{1, 1};
  Point viewportOrg{0, 0};
  Point viewportExt{1, 1};
  Xform world;
  Point position;
};

double Distance(Point a, Point b) {
  return std::hypot(a.x - b.x, a.y - b.y);
}

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

// ANSI text of the files: the Japanese system's code page.
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

// Where the bits of a packed bitmap (info header, colour table, bits)
// begin, or 0 when the header makes no sense or promises more pixels than
// the bytes hold (a decoder would allocate the whole image first).
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

// Collects ops in frame units; the two file kinds differ in how logical
// coordinates reach the frame.
class Builder {
 public:
  virtual ~Builder() = default;

  DisplayList list;
  DcState dc;
  std::vector<DcState> saved;
  std::size_t points = 0;

  virtual Point Map(Point logical) const = 0;

  void Save() {
    if (saved.size() < kMaxSavedStates) saved.push_back(dc);
  }
  void Restore(int32_t which) {
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

  double ScaleX() const { return Distance(Map({1, 0}), Map({0, 0})); }
  double ScaleY() const { return Distance(Map({0, 1}), Map({0, 0})); }

  bool Room(std::size_t morePoints) {
    if (list.ops.size() >= kMaxOps || morePoints > kMaxPoints - points) return false;
    points += morePoints;
    return true;
  }

  Op NewOp(Shape shape) const {
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

  std::vector<Point> MapAll(const std::vector<Point>& logical) const {
    std::vector<Point> mapped;
    mapped.reserve(logical.size());
    for (const Point& p : logical) mapped.push_back(Map(p));
    return mapped;
  }

  // Only ops whose every coordinate is a number: a hostile transform must
  // not hand infinities to the painter.
  void Push(Op op) {
    auto finite = [](Point p) { return std::isfinite(p.x) && std::isfinite(p.y); };
    for (const auto& f : op.figures)
      for (const Point& p : f)
        if (!finite(p)) return;
    if (!finite(op.a) || !finite(op.b) || !finite(op.corner)) return;
    list.ops.push_back(std::move(op));
  }

  void AddFigures(Shape shape, std::vector<std::vector<Point>> logicalFigures) {
    std::size_t total = 0;
    for (const auto& f : logicalFigures) total += f.size();
    if (total == 0 || !Room(total)) return;
    Op op = NewOp(shape);
    for (auto& f : logicalFigures) op.figures.push_back(MapAll(f));
    Push(std::move(op));
  }

  void AddBox(Shape shape, Point a, Point b, Point corner = {}) {
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

  void AddBitmap(Point a, Point b, std::string dib, int32_t bitsOffset, Point sourceTopLeft,
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

  void AddText(Point at, std::string text) {
    if (text.empty() || !Room(1)) return;
    Op op = NewOp(Shape::Text);
    op.a = Map(at);
    op.text = std::move(text);
    Push(std::move(op));
  }

  Xform LinearPart() const {
    const Point o = Map({0, 0});
    const Point x = Map({1, 0});
    const Point y = Map({0, 1});
    return {x.x - o.x, x.y - o.y, y.x - o.x, y.y - o.y, o.x, o.y};
  }

  static std::vector<Point> BoxOutline(Shape shape, Point a, Point b) {
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

  // The elliptic arc in the box from the ray through `start` to the ray
  // through `end`, counter-clockwise as seen on the page.
  static std::vector<Point> ArcPoints(Point a, Point b, Point start, Point end) {
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

  enum class ArcKind { Arc, Chord, Pie };
  void AddArc(ArcKind kind, Point a, Point b, Point start, Point end) {
    std::vector<Point> points = ArcPoints(a, b, start, end);
    if (points.empty()) return;
    if (kind == ArcKind::Arc) {
      AddFigures(Shape::Polyline, {std::move(points)});
      return;
    }
    if (kind == ArcKind::Pie)
      points.insert(points.begin(), Point{(a.x + b.x) / 2, (a.y + b.y) / 2});
    AddFigures(Shape::Polygon, {std::move(points)});
  }

  void SelectObject(const GdiObject& object) {
    if (const auto* pen = std::get_if<LogicalPen>(&object)) dc.pen = *pen;
    if (const auto* brush = std::get_if<Brush>(&object)) dc.brush = *brush;
    if (const auto* font = std::get_if<LogicalFont>(&object)) dc.font = *font;
  }

  // The frame is unknown when a file never says it: its drawing then
  // decides.
  void FitFrameToDrawing() {
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
};

// ---------------------------------------------------------------------------
// wmf

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

void PlayWmfRecord(WmfBuilder& b, uint16_t function, const Record& r) {
  constexpr std::size_t p = 6;  // parameters follow size and function
  auto box = [&](Shape shape) {
    const Point a = WmfPoint(r, p + 4), c = WmfPoint(r, p);
    b.EstablishFrame();
    b.AddBox(shape, a, c);
  };
  switch (function) {
    case 0x0201:  // SETBKCOLOR
      b.dc.backgroundColor = r.Color(p);
      break;
    case 0x0102:  // SETBKMODE
      b.dc.opaque = r.U16(p) == 2;
      break;
    case 0x0106:  // SETPOLYFILLMODE
      b.dc.winding = r.U16(p) == 2;
      break;
    case 0x012E:  // SETTEXTALIGN
      b.dc.align = r.U16(p);
      break;
    case 0x0209:  // SETTEXTCOLOR
      b.dc.textColor = r.Color(p);
      break;
    case 0x020B:  // SETWINDOWORG
      b.dc.windowOrg = WmfPoint(r, p);
      break;
    case 0x020C:  // SETWINDOWEXT
      b.dc.windowExt = WmfPoint(r, p);
      b.extentSet = true;
      b.EstablishFrame();
      break;
    case 0x020F: {  // OFFSETWINDOWORG
      const Point d = WmfPoint(r, p);
      b.dc.windowOrg.x += d.x;
      b.dc.windowOrg.y += d.y;
      break;
    }
    case 0x0410: {  // SCALEWINDOWEXT: yDenom, yNum, xDenom, xNum
      const int yDen = r.S16(p), yNum = r.S16(p + 2), xDen = r.S16(p + 4), xNum = r.S16(p + 6);
      if (xDen != 0 && yDen != 0) {
        b.dc.windowExt.x = b.dc.windowExt.x * xNum / xDen;
        b.dc.windowExt.y = b.dc.windowExt.y * yNum / yDen;
      }
      break;
    }
    case 0x001E:  // SAVEDC
      b.Save();
      break;
    case 0x0127:  // RESTOREDC
      b.Restore(r.S16(p));
      break;
    case 0x02FA: {  // CREATEPENINDIRECT
      LogicalPen pen;
      pen.pen = PenFromStyle(r.U16(p), r.S16(p + 2), r.Color(p + 6), pen.visible);
      pen.cosmetic = r.S16(p + 2) <= 1;
      b.Create(pen);
      break;
    }
    case 0x02FC:  // CREATEBRUSHINDIRECT
      b.Create(BrushFromStyle(r.U16(p), r.Color(p + 2), r.U16(p + 6)));
      break;
    case 0x02FB:  // CREATEFONTINDIRECT
      b.Create(WmfFont(r, p));
      break;
    case 0x00F7:  // CREATEPALETTE
    case 0x01F9:  // CREATEPATTERNBRUSH
    case 0x06FF:  // CREATEREGION
      b.Create(OtherObject{});
      break;
    case 0x0142:  // DIBCREATEPATTERNBRUSH
      b.Create(BrushFromStyle(5, {}, 0));
      break;
    case 0x012D: {  // SELECTOBJECT
      const uint16_t index = r.U16(p);
      if (index < b.objects.size() && b.objects[index]) b.SelectObject(*b.objects[index]);
      break;
    }
    case 0x01F0: {  // DELETEOBJECT
      const uint16_t index = r.U16(p);
      if (index < b.objects.size()) b.objects[index].reset();
      break;
    }
    case 0x0214:  // MOVETO
      b.dc.position = WmfPoint(r, p);
      break;
    case 0x0213: {  // LINETO
      const Point to = WmfPoint(r, p);
      b.EstablishFrame();
      b.AddFigures(Shape::Polyline, {{b.dc.position, to}});
      b.dc.position = to;
      break;
    }
    case 0x041B:  // RECTANGLE
      box(Shape::Rectangle);
      break;
    case 0x0418:  // ELLIPSE
      box(Shape::Ellipse);
      break;
    case 0x0817:    // ARC
    case 0x081A:    // PIE
    case 0x0830: {  // CHORD: end, start, bottom-right, top-left, each y then x
      const Point end = WmfPoint(r, p), start = WmfPoint(r, p + 4);
      const Point c = WmfPoint(r, p + 8), a = WmfPoint(r, p + 12);
      b.EstablishFrame();
      b.AddArc(function == 0x0817   ? Builder::ArcKind::Arc
               : function == 0x081A ? Builder::ArcKind::Pie
                                    : Builder::ArcKind::Chord,
               a, c, start, end);
      break;
    }
    case 0x061C: {  // ROUNDRECT
      const Point corner = WmfPoint(r, p);
      const Point a = WmfPoint(r, p + 8), c = WmfPoint(r, p + 4);
      b.EstablishFrame();
      b.AddBox(Shape::RoundRect, a, c, corner);
      break;
    }
    case 0x0324:    // POLYGON
    case 0x0325: {  // POLYLINE
      const std::size_t count = static_cast<uint16_t>(r.S16(p));
      b.EstablishFrame();
      b.AddFigures(function == 0x0324 ? Shape::Polygon : Shape::Polyline,
                   {WmfPoints(r, p + 2, count)});
      break;
    }
    case 0x0538: {  // POLYPOLYGON
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
      break;
    }
    case 0x0521: {  // TEXTOUT: count, string (even length), y, x
      const std::size_t count = r.U16(p);
      const std::size_t padded = (count + 1) & ~std::size_t{1};
      const std::string_view text = r.Bytes(p + 2, count);
      const Point at = WmfPoint(r, p + 2 + padded);
      b.EstablishFrame();
      b.AddText(at, AnsiText(text));
      break;
    }
    case 0x0F43:    // STRETCHDIB: rop, usage, source h w y x, destination h w y x, bitmap
    case 0x0B41:    // DIBSTRETCHBLT: rop, source h w y x, destination h w y x, bitmap
    case 0x0940: {  // DIBBITBLT: rop, source y x, height, width, destination y x, bitmap
      std::size_t at = p + 4 + (function == 0x0F43 ? 2 : 0);
      Point sourceSize, sourceTopLeft, destSize, dest;
      if (function == 0x0940) {
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
      if (at >= r.size()) break;  // a blit without a bitmap paints a pattern: not read
      std::string dib(r.Bytes(at, r.size() - at));
      const int32_t offset = PackedBitsOffset(dib);
      if (offset == 0) break;
      b.EstablishFrame();
      b.AddBitmap(dest, {dest.x + destSize.x, dest.y + destSize.y}, std::move(dib), offset,
                  sourceTopLeft, sourceSize, function == 0x0F43);
      break;
    }
    case 0x0A32: {  // EXTTEXTOUT: y, x, count, options, [rect], string
      const Point at = WmfPoint(r, p);
      const std::size_t count = r.U16(p + 4);
      const uint16_t options = r.U16(p + 6);
      const std::size_t textAt = p + 8 + ((options & 0x0006) ? 8 : 0);
      b.EstablishFrame();
      b.AddText(at, AnsiText(r.Bytes(textAt, count)));
      break;
    }
    default:
      break;  // mapping mode, viewport, raster operations, bitmaps, escapes
  }
}

DisplayList ParseWmf(std::string_view bytes) {
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  const Record file(data, bytes.size());
  WmfBuilder b;
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
  at += 18;
  while (at + 6 <= bytes.size()) {
    const Record head(data + at, bytes.size() - at);
    const uint64_t words = head.U32(0);
    const uint16_t function = head.U16(4);
    if (function == 0x0000 || words < 3 || words * 2 > bytes.size() - at) break;  // end or damage
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

// ---------------------------------------------------------------------------
// emf

class EmfBuilder : public Builder {
 public:
  Point frameOrigin;
  double millimetersPerPixelX = 0.25;
  double millimetersPerPixelY = 0.25;
  std::map<uint32_t, GdiObject> objects;
  // Path bracket: figures collected instead of drawn.
  bool inPath = false;
  std::vector<std::vector<Point>> path;  // logical units
  std::vector<bool> pathClosed;

  Point PageToDevice(Point p) const {
    const Point w{p.x - dc.windowOrg.x, p.y - dc.windowOrg.y};
    double sx = 1, sy = 1;
    const double pxPerMmX = 1 / millimetersPerPixelX, pxPerMmY = 1 / millimetersPerPixelY;
    switch (dc.mapMode) {
      case 2:
        sx = 0.1 * pxPerMmX, sy = -0.1 * pxPerMmY;
        break;  // LOMETRIC
      case 3:
        sx = 0.01 * pxPerMmX, sy = -0.01 * pxPerMmY;
        break;  // HIMETRIC
      case 4:
        sx = 0.254 * pxPerMmX, sy = -0.254 * pxPerMmY;
        break;  // LOENGLISH
      case 5:
        sx = 0.0254 * pxPerMmX, sy = -0.0254 * pxPerMmY;
        break;  // HIENGLISH
      case 6:
        sx = 25.4 / 1440 * pxPerMmX, sy = -25.4 / 1440 * pxPerMmY;
        break;  // TWIPS
      case 7:   // ISOTROPIC
      case 8:   // ANISOTROPIC
        sx = dc.windowExt.x == 0 ? 1 : dc.viewportExt.x / dc.windowExt.x;
        sy = dc.windowExt.y == 0 ? 1 : dc.viewportExt.y / dc.windowExt.y;
        if (dc.mapMode == 7) {
          const double s = std::min(std::abs(sx), std::abs(sy));
          sx = std::copysign(s, sx);
          sy = std::copysign(s, sy);
        }
        break;
      default:
        break;  // TEXT: one unit a device pixel
    }
    return {w.x * sx + dc.viewportOrg.x, w.y * sy + dc.viewportOrg.y};
  }

  Point Map(Point p) const override {
    const Point device = PageToDevice(dc.world.Apply(p));
    return {device.x - frameOrigin.x, device.y - frameOrigin.y};
  }

  GdiObject Stock(uint32_t index) const {
    switch (index & 0x7FFFFFFFu) {
      case 0:
        return BrushFromStyle(0, {255, 255, 255}, 0);
      case 1:
        return BrushFromStyle(0, {192, 192, 192}, 0);
      case 2:
        return BrushFromStyle(0, {128, 128, 128}, 0);
      case 3:
        return BrushFromStyle(0, {64, 64, 64}, 0);
      case 4:
        return BrushFromStyle(0, {0, 0, 0}, 0);
      case 5:
        return BrushFromStyle(1, {}, 0);
      case 6:
      case 7:
      case 19: {
        LogicalPen pen;
        pen.cosmetic = true;
        pen.pen.color = (index & 0xFF) == 6 ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
        return pen;
      }
      case 8: {
        LogicalPen pen;
        pen.visible = false;
        pen.pen.style = LineStyle::None;
        return pen;
      }
      case 18:  // SETBKMODE
        return BrushFromStyle(0, {255, 255, 255}, 0);
      default:
        return LogicalFont{};
    }
  }

  void Figure(std::vector<Point> points, bool closed, bool continueCurrent) {
    if (continueCurrent && !path.empty() && !pathClosed.back()) {
      path.back().insert(path.back().end(), points.begin(), points.end());
    } else {
      path.push_back(std::move(points));
      pathClosed.push_back(closed);
    }
    if (closed) pathClosed.back() = true;
  }

  // The figures of a poly record: collected while a path is open, drawn
  // otherwise.
  void PolyFigures(std::vector<std::vector<Point>> figures, bool closed) {
    if (inPath) {
      for (auto& figure : figures) Figure(std::move(figure), closed, false);
    } else {
      AddFigures(closed ? Shape::Polygon : Shape::Polyline, std::move(figures));
    }
  }

  void PathOps(bool fill, bool stroke) {
    std::vector<std::vector<Point>> closedFigures, allFigures;
    for (std::size_t i = 0; i < path.size(); ++i) {
      if (path[i].size() < 2) continue;
      closedFigures.push_back(path[i]);
      std::vector<Point> outline = path[i];
      if (pathClosed[i]) outline.push_back(outline.front());
      allFigures.push_back(std::move(outline));
    }
    if (fill && !closedFigures.empty()) {
      const LogicalPen pen = dc.pen;
      dc.pen.visible = false;
      AddFigures(Shape::Polygon, std::move(closedFigures));
      dc.pen = pen;
    }
    if (stroke && !allFigures.empty()) AddFigures(Shape::Polyline, std::move(allFigures));
    path.clear();
    pathClosed.clear();
  }
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

void EmfPolyRecord(EmfBuilder& b, uint32_t type, const Record& r) {
  const bool shortPoints = type >= 85;
  const uint32_t kind = shortPoints ? type - 83 : type;  // 85..89 mirror 2..6
  const std::size_t count = r.U32(24);
  if (count > kMaxPoints) return;
  std::vector<Point> points = EmfPoints(r, 28, count, shortPoints);
  switch (kind) {
    case 2: {  // POLYBEZIER
      if (points.empty()) return;
      std::vector<Point> line{points.front()};
      const std::vector<Point> rest(points.begin() + 1, points.end());
      const std::vector<Point> flat = FlattenBeziers(points.front(), rest);
      line.insert(line.end(), flat.begin(), flat.end());
      b.PolyFigures({std::move(line)}, false);
      break;
    }
    case 3:  // POLYGON
      b.PolyFigures({std::move(points)}, true);
      break;
    case 4:  // POLYLINE
      b.PolyFigures({std::move(points)}, false);
      break;
    case 5:    // POLYBEZIERTO
    case 6: {  // POLYLINETO
      if (points.empty()) return;
      const Point start = b.dc.position;
      std::vector<Point> line = kind == 5 ? FlattenBeziers(start, points) : points;
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

void EmfPolyPolyRecord(EmfBuilder& b, uint32_t type, const Record& r) {
  const bool shortPoints = type >= 90;
  const bool polygon = type == 8 || type == 91;
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

// STRETCHDIBITS (81), BITBLT (76) and STRETCHBLT (77): a bitmap stretched
// into a destination rectangle; a blit without a bitmap is skipped.
void EmfBitmap(EmfBuilder& b, uint32_t type, const Record& r) {
  const auto point = [&](std::size_t at) { return EmfPoint(r, at); };
  const Point dest = point(24);
  Point destSize, sourceTopLeft, sourceSize;
  std::size_t infoAt;
  if (type == 81) {
    sourceTopLeft = point(32);
    sourceSize = point(40);
    destSize = point(72);
    infoAt = 48;
  } else {
    destSize = point(32);
    sourceTopLeft = point(44);
    sourceSize = type == 77 ? point(100) : destSize;
    infoAt = 84;
  }
  const std::size_t infoOffset = r.U32(infoAt), infoSize = r.U32(infoAt + 4);
  const std::size_t bitsOffset = r.U32(infoAt + 8), bitsSize = r.U32(infoAt + 12);
  if (infoSize == 0 || bitsSize == 0) return;
  std::string dib(r.Bytes(infoOffset, infoSize));
  dib += r.Bytes(bitsOffset, bitsSize);
  if (PackedBitsOffset(dib) == 0) return;
  b.AddBitmap(dest, {dest.x + destSize.x, dest.y + destSize.y}, std::move(dib),
              static_cast<int32_t>(infoSize), sourceTopLeft, sourceSize, type == 81);
}

void PlayEmfRecord(EmfBuilder& b, uint32_t type, const Record& r) {
  const auto point = [&](std::size_t at) { return EmfPoint(r, at); };
  switch (type) {
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 85:
    case 86:
    case 87:
    case 88:
    case 89:
      EmfPolyRecord(b, type, r);
      break;
    case 7:
    case 8:
    case 90:
    case 91:
      EmfPolyPolyRecord(b, type, r);
      break;
    case 9:  // SETWINDOWEXTEX
      b.dc.windowExt = point(8);
      break;
    case 10:  // SETWINDOWORGEX
      b.dc.windowOrg = point(8);
      break;
    case 11:  // SETVIEWPORTEXTEX
      b.dc.viewportExt = point(8);
      break;
    case 12:  // SETVIEWPORTORGEX
      b.dc.viewportOrg = point(8);
      break;
    case 17:  // SETMAPMODE
      b.dc.mapMode = static_cast<int>(r.U32(8));
      break;
    case 18:  // SETBKMODE
      b.dc.opaque = r.U32(8) == 2;
      break;
    case 19:  // SETPOLYFILLMODE
      b.dc.winding = r.U32(8) == 2;
      break;
    case 22:  // SETTEXTALIGN
      b.dc.align = r.U32(8);
      break;
    case 24:  // SETTEXTCOLOR
      b.dc.textColor = r.Color(8);
      break;
    case 25:  // SETBKCOLOR
      b.dc.backgroundColor = r.Color(8);
      break;
    case 27:  // MOVETOEX
      b.dc.position = point(8);
      if (b.inPath) b.Figure({b.dc.position}, false, false);
      break;
    case 33:  // SAVEDC
      b.Save();
      break;
    case 34:  // RESTOREDC
      b.Restore(r.S32(8));
      break;
    case 35: {  // SETWORLDTRANSFORM
      const Xform x = ReadXform(r, 8);
      if (x.Finite()) b.dc.world = x;
      break;
    }
    case 36: {  // MODIFYWORLDTRANSFORM
      const Xform x = ReadXform(r, 8);
      const uint32_t mode = r.U32(32);
      if (mode == 1) b.dc.world = Xform{};
      if (!x.Finite()) break;
      if (mode == 2) b.dc.world = x.Then(b.dc.world);
      if (mode == 3) b.dc.world = b.dc.world.Then(x);
      if (mode == 4) b.dc.world = x;
      break;
    }
    case 37: {  // SELECTOBJECT
      const uint32_t index = r.U32(8);
      if (index & 0x80000000u) {
        b.SelectObject(b.Stock(index));
      } else if (auto found = b.objects.find(index); found != b.objects.end()) {
        b.SelectObject(found->second);
      }
      break;
    }
    case 38: {  // CREATEPEN
      const uint32_t index = r.U32(8);
      LogicalPen pen;
      pen.pen = PenFromStyle(r.U32(12), r.S32(16), r.Color(24), pen.visible);
      pen.cosmetic = r.S32(16) <= 1;
      if (index < kMaxEmfObjectIndex) b.objects[index] = pen;
      break;
    }
    case 95: {  // EXTCREATEPEN
      const uint32_t index = r.U32(8);
      const uint32_t style = r.U32(28);
      LogicalPen pen;
      pen.pen = PenFromStyle(style, r.U32(32), r.Color(40), pen.visible);
      pen.cosmetic = (style & 0x00010000u) == 0 || r.U32(32) <= 1;  // not PS_GEOMETRIC
      if (r.U32(36) == 1) pen.visible = false;                      // hollow brush
      if (index < kMaxEmfObjectIndex) b.objects[index] = pen;
      break;
    }
    case 39: {  // CREATEBRUSHINDIRECT
      const uint32_t index = r.U32(8);
      if (index < kMaxEmfObjectIndex)
        b.objects[index] = BrushFromStyle(r.U32(12), r.Color(16), r.U32(20));
      break;
    }
    case 93:
    case 94: {  // pattern brushes
      const uint32_t index = r.U32(8);
      if (index < kMaxEmfObjectIndex) b.objects[index] = BrushFromStyle(5, {}, 0);
      break;
    }
    case 82: {  // EXTCREATEFONTINDIRECTW
      const uint32_t index = r.U32(8);
      if (index < kMaxEmfObjectIndex) b.objects[index] = EmfFont(r);
      break;
    }
    case 40:  // DELETEOBJECT
      b.objects.erase(r.U32(8));
      break;
    case 45:    // ARC
    case 46:    // CHORD
    case 47: {  // PIE
      const Point a = point(8), c = point(16);
      b.AddArc(type == 45   ? Builder::ArcKind::Arc
               : type == 46 ? Builder::ArcKind::Chord
                            : Builder::ArcKind::Pie,
               a, c, point(24), point(32));
      break;
    }
    case 42:  // ELLIPSE
      EmfBox(b, Shape::Ellipse, r);
      break;
    case 43:  // RECTANGLE
      EmfBox(b, Shape::Rectangle, r);
      break;
    case 44:  // ROUNDRECT
      EmfBox(b, Shape::RoundRect, r);
      break;
    case 54: {  // LINETO
      const Point to = point(8);
      if (b.inPath)
        b.Figure({to}, false, true);
      else
        b.AddFigures(Shape::Polyline, {{b.dc.position, to}});
      b.dc.position = to;
      break;
    }
    case 59:  // BEGINPATH
      b.inPath = true;
      b.path.clear();
      b.pathClosed.clear();
      break;
    case 60:  // ENDPATH
      b.inPath = false;
      break;
    case 61:  // CLOSEFIGURE
      if (!b.pathClosed.empty()) b.pathClosed.back() = true;
      break;
    case 62:  // FILLPATH
      b.PathOps(true, false);
      break;
    case 63:  // STROKEANDFILLPATH
      b.PathOps(true, true);
      break;
    case 64:  // STROKEPATH
      b.PathOps(false, true);
      break;
    case 68:  // ABORTPATH
      b.inPath = false;
      b.path.clear();
      b.pathClosed.clear();
      break;
    case 76:  // BITBLT
    case 77:  // STRETCHBLT
    case 81:  // STRETCHDIBITS
      EmfBitmap(b, type, r);
      break;
    case 83:  // EXTTEXTOUTA
      EmfText(b, r, false);
      break;
    case 84:  // EXTTEXTOUTW
      EmfText(b, r, true);
      break;
    default:
      break;  // clipping, bitmaps, palettes, comments
  }
}

DisplayList ParseEmf(std::string_view bytes) {
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  EmfBuilder b;
  std::size_t headerSize = 0;
  try {
    const Record header(data, bytes.size());
    headerSize = header.U32(4);
    if (header.U32(0) != 1 || header.U32(40) != kEmfSignature || headerSize < 88 ||
        headerSize > bytes.size()) {
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
    const double widthMm = (frameRight - frameLeft) / 100,
                 heightMm = (frameBottom - frameTop) / 100;
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
  } catch (const RecordTooShort&) {
    throw NotAMetafile("not an enhanced metafile");
  }
  std::size_t at = headerSize;
  while (at + 8 <= bytes.size()) {
    const Record head(data + at, bytes.size() - at);
    const uint32_t type = head.U32(0);
    const uint32_t size = head.U32(4);
    if (type == 14 || size < 8 || size % 4 != 0 || size > bytes.size() - at)
      break;  // EOF or damage
    try {
      PlayEmfRecord(b, type, Record(data + at, size));
    } catch (const RecordTooShort&) {
      // a damaged record: skipped
    }
    at += size;
  }
  return std::move(b.list);
}

bool IsEmf(std::string_view bytes) {
  if (bytes.size() < 44) return false;
  const Record r(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  return r.U32(0) == 1 && r.U32(40) == kEmfSignature;
}

}  // namespace

bool LooksLikeMetafile(std::string_view bytes) {
  if (IsEmf(bytes)) return true;
  if (bytes.size() < 18) return false;
  const Record r(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  if (r.U32(0) == kPlaceableKey) return true;
  const uint16_t type = r.U16(0);
  return (type == 1 || type == 2) && r.U16(2) == 9 && (r.U16(4) == 0x0100 || r.U16(4) == 0x0300);
}

DisplayList ParseMetafile(std::string_view bytes) {
  DisplayList list = IsEmf(bytes) ? ParseEmf(bytes) : ParseWmf(bytes);
  if (!(std::isfinite(list.width) && std::isfinite(list.height)) || list.width <= 0 ||
      list.height <= 0) {
    list.width = list.height = 1;
  }
  return list;
}

}  // namespace metafile
