// The surface a dial routine paints on: a user coordinate system over a
// device of whole pixels, with the pen, brush and font state the routines set.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Settings.h"

enum class DrawTargetKind : int32_t {
  PrinterPage = 0,     // the printer page
  PreviewPicture = 1,  // the preview picture
  ClockPicture = 2,    // the desktop sundial's picture
  Other = 3,
};

// Units of ScaleMode, ScaleX and ScaleY (the classic scale-mode numbers).
enum class ScaleUnit : int32_t {
  User = 0,
  Twips = 1,
  Points = 2,
  Pixels = 3,
  Millimeters = 6,
};

enum class PenMode : int32_t { CopyPen = 13, Invert = 6 };                    // DrawMode
enum class PenStyle : int32_t { Solid = 0, Dash = 1, Dot = 2, DashDot = 3 };  // DrawStyle
enum class BrushStyle : int32_t { Solid = 0, Transparent = 1 };               // FillStyle

// The layers of a sheet that CAD files and cutters keep apart. A surface
// that only paints ignores them; every text belongs to Labels wherever it
// is drawn.
enum class DrawLayer : int32_t {
  Face = 0,  // the face and the sheet's furniture: anything not marked otherwise
  HourLines,
  DateLines,
  HourCurves,
  Labels,
  Gnomon,
  Cut,   // outlines to cut along
  Fold,  // lines to fold along
};
inline constexpr int kDrawLayerCount = 8;

struct DevicePoint {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const DevicePoint&) const = default;
};

// A box of device pixels, its right and bottom edges included.
struct DeviceBox {
  DevicePoint topLeft;
  DevicePoint bottomRight;
};

// A font made for one piece of device text (see RotatedText).
struct DeviceFont {
  std::string name;
  int32_t heightPixels = 0;
  int32_t escapementTenths = 0;  // counter-clockwise, tenths of a degree
  int32_t weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;
};

class DrawTarget {
 public:
  virtual ~DrawTarget() = default;

  virtual DrawTargetKind Kind() const = 0;

  // User coordinate system.
  virtual ScaleUnit ScaleMode() const = 0;
  virtual double ScaleX(double value, ScaleUnit from, ScaleUnit to) const = 0;
  virtual double ScaleY(double value, ScaleUnit from, ScaleUnit to) const = 0;
  virtual double ScaleWidth() const = 0;
  virtual double ScaleHeight() const = 0;
  virtual double ScaleLeft() const = 0;
  virtual double ScaleTop() const = 0;
  virtual double Width() const = 0;  // outer size in twips
  virtual double Height() const = 0;
  // Distance in device pixels from the paper's edge to the first printable
  // pixel; 0 on surfaces without unprintable borders. A device that cannot
  // tell raises RaisedError.
  virtual int32_t PhysicalOffsetX() const { return 0; }
  virtual int32_t PhysicalOffsetY() const { return 0; }
  // The desktop's button-face colour (a frame drawn in it is meant to vanish).
  virtual ColorRef ButtonFaceColor() const { return kColorButtonFace; }

  // The layer what is drawn next belongs to (see LayerScope).
  virtual DrawLayer Layer() const { return DrawLayer::Face; }
  virtual void setLayer(DrawLayer) {}

  // Text extent in user units with the current font; CR LF separates lines.
  virtual double TextWidth(std::string_view text) const = 0;
  virtual double TextHeight(std::string_view text) const = 0;

  virtual const FontSpec& Font() const = 0;
  virtual void setFont(const FontSpec& font) = 0;
  virtual ColorRef ForeColor() const = 0;
  virtual void setForeColor(ColorRef color) = 0;
  virtual ColorRef FillColor() const = 0;
  virtual void setFillColor(ColorRef color) = 0;
  virtual BrushStyle FillStyle() const = 0;
  virtual void setFillStyle(BrushStyle style) = 0;
  virtual PenMode DrawMode() const = 0;
  virtual void setDrawMode(PenMode mode) = 0;
  virtual PenStyle DrawStyle() const = 0;
  virtual void setDrawStyle(PenStyle style) = 0;
  virtual int32_t DrawWidth() const = 0;  // device pixels
  virtual void setDrawWidth(int32_t pixels) = 0;

  // Draws a picture stretched into a rectangle in user units. The source is
  // a file path, or "#801" / "#802" for the clock's day and night pictures.
  // Raises RaisedError when the picture cannot be loaded.
  virtual void PaintPicture(std::string_view source, double x, double y, double width,
                            double height) = 0;

  // Keeps what is drawn inside the box (a piece of a larger sheet on its
  // page), or lifts that limit (nullopt). Surfaces without one draw all.
  virtual void setDeviceClip(std::optional<DeviceBox> box) { (void)box; }

  // Device primitives in whole pixels, drawn with the current pen and brush.
  virtual void DeviceLine(DevicePoint from, DevicePoint to) = 0;
  virtual void DeviceEllipse(DevicePoint topLeft, DevicePoint bottomRight) = 0;
  virtual void DeviceRectangle(DevicePoint topLeft, DevicePoint bottomRight) = 0;
  virtual void DevicePolygon(const std::vector<DevicePoint>& points) = 0;
  // An open line through the points; surfaces that can draw it as one path
  // (a PDF's content shrinks much) say so by overriding.
  virtual void DevicePolyline(const std::vector<DevicePoint>& points) {
    for (size_t i = 1; i < points.size(); ++i) DeviceLine(points[i - 1], points[i]);
  }
  // Text with its unrotated top-left corner at the point, in ForeColor.
  virtual void DeviceText(DevicePoint at, std::string_view text, const DeviceFont& font) = 0;
};
