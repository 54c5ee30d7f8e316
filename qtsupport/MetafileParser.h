// Windows metafiles (wmf, with or without the placeable header, and emf)
// parsed into a plain display list of the drawing records we support:
// window and viewport mapping, pens, brushes, fonts, lines, polygons,
// rectangles, ellipses, paths and text. Unknown records are skipped.
// No Qt here, so the parser can be fuzzed on its own.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace metafile {

// The bytes are no metafile at all (a truncated one still gives what it has).
class NotAMetafile : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Point {
  double x = 0;
  double y = 0;
};

struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  bool operator==(const Rgb&) const = default;
};

enum class LineStyle { Solid, Dash, Dot, DashDot, DashDotDot, None };

struct Pen {
  LineStyle style = LineStyle::Solid;
  double width = 0;  // frame units; 0 is the thinnest line the device has
  Rgb color;
};

enum class Fill { Solid, None, Hatched };

struct Brush {
  Fill fill = Fill::Solid;
  Rgb color{255, 255, 255};
  int hatch = 0;  // 0 horizontal, 1 vertical, 2 forward diagonal, 3 back, 4 cross, 5 diagonal cross
};

struct Font {
  std::string face;       // UTF-8
  double height = 0;      // frame units: positive cell height, negative em height, 0 default
  double escapement = 0;  // degrees, counter-clockwise
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
};

enum class Shape { Polygon, Polyline, Rectangle, RoundRect, Ellipse, Text, Bitmap };

// Text alignment bits as in the files.
inline constexpr uint32_t kAlignRight = 2;
inline constexpr uint32_t kAlignCenter = 6;
inline constexpr uint32_t kAlignBottom = 8;
inline constexpr uint32_t kAlignBaseline = 24;

struct Op {
  Shape shape = Shape::Polygon;
  // Polygon: closed figures filled together; Polyline: open figures.
  std::vector<std::vector<Point>> figures;
  Point a;           // box corner, or text reference point
  Point b;           // opposite box corner
  Point corner;      // round rectangle corner ellipse size
  std::string text;  // UTF-8
  // Bitmap: a device-independent bitmap (info header, colours, then bits)
  // stretched from its source rectangle (pixels) into a..b.
  std::string bitmap;
  int32_t bitsOffset = 0;  // where the bits start in `bitmap`
  Point sourceTopLeft;
  Point sourceSize;
  bool sourceFromBottom = false;  // source y counts up from the bitmap's last row
  Pen pen;
  bool penVisible = true;
  Brush brush;
  Font font;
  Rgb textColor;
  Rgb backgroundColor{255, 255, 255};
  bool opaqueBackground = false;
  uint32_t textAlign = 0;
  bool winding = false;  // fill rule of polygons
};

// Everything in frame units: the frame (the picture's own rectangle) runs
// from (0, 0) to (width, height); painting stretches it over the target.
struct DisplayList {
  double width = 1;
  double height = 1;
  double widthMm = 0;  // the picture's natural size when the file says it
  double heightMm = 0;
  std::vector<Op> ops;
};

bool LooksLikeMetafile(std::string_view bytes);

// Throws NotAMetafile when the header is not a wmf or emf header.
DisplayList ParseMetafile(std::string_view bytes);

}  // namespace metafile
