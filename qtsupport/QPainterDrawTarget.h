// DrawTarget over a QPainter on any paint device: printer, PDF, SVG, image
// or widget. The user coordinate system spans the whole device; "pixels" are
// the painter's device pixels at the device's resolution.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <functional>
#include <memory>
#include <string>

#include "DrawTarget.h"

class QPainter;
class QPainterPath;
class QPaintDevice;

// Origin and extent of the user coordinate system, in user units.
struct UserScale {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

class QPainterDrawTarget : public DrawTarget {
 public:
  // A page whose user unit is the millimetre, origin at the top-left corner
  // of the device (for a QPrinter that is not full-page, the printable area).
  static std::unique_ptr<QPainterDrawTarget> ForPage(
      QPainter& painter, DrawTargetKind kind = DrawTargetKind::PrinterPage);
  // The preview picture: the page of the given size in millimetres stretched
  // over the whole device, so that a device of zoom x the page's physical
  // size shows it at that zoom.
  static std::unique_ptr<QPainterDrawTarget> ForPreview(QPainter& painter, double pageWidthMm,
                                                        double pageHeightMm);
  // Any user scale over the whole device (the clock picture).
  static std::unique_ptr<QPainterDrawTarget> ForUserScale(QPainter& painter, DrawTargetKind kind,
                                                          const UserScale& scale);

  // Paints on an active painter that the caller owns. Raises error 380
  // for an empty scale or an inactive painter.
  QPainterDrawTarget(QPainter& painter, DrawTargetKind kind, ScaleUnit mode,
                     const UserScale& scale);
  // Opens its own painter on the device and ends it on destruction.
  QPainterDrawTarget(QPaintDevice& device, DrawTargetKind kind, ScaleUnit mode,
                     const UserScale& scale);
  ~QPainterDrawTarget() override;

  QPainterDrawTarget(const QPainterDrawTarget&) = delete;
  QPainterDrawTarget& operator=(const QPainterDrawTarget&) = delete;

  DrawTargetKind Kind() const override { return kind_; }

  ScaleUnit ScaleMode() const override { return mode_; }
  double ScaleX(double value, ScaleUnit from, ScaleUnit to) const override;
  double ScaleY(double value, ScaleUnit from, ScaleUnit to) const override;
  double ScaleWidth() const override { return scale_.width; }
  double ScaleHeight() const override { return scale_.height; }
  double ScaleLeft() const override { return scale_.left; }
  double ScaleTop() const override { return scale_.top; }
  double Width() const override { return outerTwips_.width(); }
  double Height() const override { return outerTwips_.height(); }
  // Where the device's origin lies on the paper (the margins of a printer or
  // PDF page that is not full-page); 0 for every other device.
  int32_t PhysicalOffsetX() const override { return physicalOffset_.x(); }
  int32_t PhysicalOffsetY() const override { return physicalOffset_.y(); }
  ColorRef ButtonFaceColor() const override;

  double TextWidth(std::string_view text) const override;
  double TextHeight(std::string_view text) const override;

  const FontSpec& Font() const override { return font_; }
  void setFont(const FontSpec& font) override;
  ColorRef ForeColor() const override { return foreColor_; }
  void setForeColor(ColorRef color) override { foreColor_ = color; }
  ColorRef FillColor() const override { return fillColor_; }
  void setFillColor(ColorRef color) override { fillColor_ = color; }
  BrushStyle FillStyle() const override { return fillStyle_; }
  void setFillStyle(BrushStyle style) override { fillStyle_ = style; }
  PenMode DrawMode() const override { return drawMode_; }
  void setDrawMode(PenMode mode) override { drawMode_ = mode; }
  PenStyle DrawStyle() const override { return drawStyle_; }
  void setDrawStyle(PenStyle style) override { drawStyle_ = style; }
  int32_t DrawWidth() const override { return drawWidth_; }
  void setDrawWidth(int32_t pixels) override;

  void PaintPicture(std::string_view source, double x, double y, double width,
                    double height) override;

  void setDeviceClip(std::optional<DeviceBox> box) override;
  void DeviceLine(DevicePoint from, DevicePoint to) override;
  void DeviceEllipse(DevicePoint topLeft, DevicePoint bottomRight) override;
  void DeviceRectangle(DevicePoint topLeft, DevicePoint bottomRight) override;
  void DevicePolygon(const std::vector<DevicePoint>& points) override;
  void DevicePolyline(const std::vector<DevicePoint>& points) override;
  void DeviceText(DevicePoint at, std::string_view text, const DeviceFont& font) override;

  // Device resolution in pixels per inch, and whether DrawMode 6 can invert.
  double DpiX() const { return dpiX_; }
  double DpiY() const { return dpiY_; }
  bool CanInvert() const { return canInvert_; }
  // The font as Qt resolves it for this device (for checks and tests).
  QFont DeviceQFont() const { return qfont_; }

 private:
  void Initialise(DrawTargetKind kind, ScaleUnit mode, const UserScale& scale);
  double ToPixels(double value, ScaleUnit unit, double dpi, double devicePixels,
                  double userExtent) const;
  double FromPixels(double pixels, ScaleUnit unit, double dpi, double devicePixels,
                    double userExtent) const;
  // Texts are measured on the font enlarged by this factor.
  double MeasuringScale() const;
  QFontMetricsF MeasuringMetrics(double scale) const;
  // What a measurement of `what` ('w' width, 'h' line height) of the text in
  // the current font on this device is kept under.
  std::string MeasuringKey(char what, std::string_view text) const;
  // Selects pen, brush and raster mode for one primitive.
  void PreparePrimitive();
  // Draws an outlined, filled shape through `draw`, or inverts its area.
  void DrawClosedShape(const QPainterPath& area, const std::function<void(QPainter&)>& draw);

  std::unique_ptr<QPainter> ownPainter_;
  QPainter* painter_ = nullptr;
  DrawTargetKind kind_ = DrawTargetKind::Other;
  ScaleUnit mode_ = ScaleUnit::User;
  UserScale scale_;
  QSizeF devicePixels_;
  QRectF outerTwips_;
  QPoint physicalOffset_;
  double dpiX_ = 96;
  double dpiY_ = 96;
  bool canInvert_ = false;

  FontSpec font_;
  std::string measuringFont_;  // the font and device part of a measurement's key
  QFont qfont_;
  ColorRef foreColor_ = 0;
  ColorRef fillColor_ = 0;
  BrushStyle fillStyle_ = BrushStyle::Transparent;
  PenMode drawMode_ = PenMode::CopyPen;
  PenStyle drawStyle_ = PenStyle::Solid;
  int32_t drawWidth_ = 1;
};

// A colour reference (red in the low byte) as a Qt colour; system colours
// (high bit set, index in the low byte) come from the application palette.
QColor ToQColor(ColorRef color);

// A font whose character cell (ascent + descent) is heightPixels device
// pixels high; a negative height gives the em height instead, 0 a default.
// Weight on the 1..1000 scale (400 normal, 700 bold).
QFont FontForPixelHeight(const QString& family, double heightPixels, int weight, bool italic,
                         bool underline, bool strikeOut, const QPaintDevice* device);

// The user scale of a picture whose shorter side is `shortSide` units.
UserScale ShortSideScale(double widthPixels, double heightPixels, double shortSide);
