// What the wmf and emf players share: the device-context state a metafile
// changes record by record, the objects it creates, and the builder that
// turns its drawing calls into display-list ops in frame units.
// Internal to the metafile reader.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "MetafileParser.h"

namespace metafile::detail {

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

// A face name as stored: UTF-16 in emf, the ANSI code page in wmf.
std::string FaceName(std::string_view raw, bool wide);
// ANSI text of the files: the Japanese system's code page.
std::string AnsiText(std::string_view raw);
Pen PenFromStyle(uint32_t style, double width, Rgb color, bool& visible);
Brush BrushFromStyle(uint32_t style, Rgb color, uint32_t hatch);
// Where the bits of a packed bitmap (info header, colour table, bits)
// begin, or 0 when the header makes no sense or promises more pixels than
// the bytes hold (a decoder would allocate the whole image first).
int32_t PackedBitsOffset(std::string_view dib);

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

  void Save();
  // `which` counts back from the newest state when negative, else from the oldest.
  void Restore(int32_t which);

  double ScaleX() const;
  double ScaleY() const;
  bool Room(std::size_t morePoints);
  Op NewOp(Shape shape) const;
  std::vector<Point> MapAll(const std::vector<Point>& logical) const;
  void Push(Op op);

  void AddFigures(Shape shape, std::vector<std::vector<Point>> logicalFigures);
  void AddBox(Shape shape, Point a, Point b, Point corner = {});
  void AddBitmap(Point a, Point b, std::string dib, int32_t bitsOffset, Point sourceTopLeft,
                 Point sourceSize, bool sourceFromBottom);
  void AddText(Point at, std::string text);

  Xform LinearPart() const;
  static std::vector<Point> BoxOutline(Shape shape, Point a, Point b);
  // The elliptic arc in the box from the ray through `start` to the ray
  // through `end`, counter-clockwise as seen on the page.
  static std::vector<Point> ArcPoints(Point a, Point b, Point start, Point end);

  enum class ArcKind { Arc, Chord, Pie };
  void AddArc(ArcKind kind, Point a, Point b, Point start, Point end);

  void SelectObject(const GdiObject& object);

  // The frame is unknown when a file never says it: its drawing then
  // decides.
  void FitFrameToDrawing();
};

}  // namespace metafile::detail
