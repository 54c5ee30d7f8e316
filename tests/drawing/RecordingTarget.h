// A DrawTarget that paints nothing and keeps a log of every state change and
// every device primitive, each entry with the pen, brush and font in force.
// Its scale behaves like a real surface (a 600-dpi printer page in
// millimetres by default, or a picture with a user scale), so that the
// rounding to device pixels is the one a real device sees.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "DrawTarget.h"
#include "EngineErrors.h"

enum class RecordOp {
  Font,
  ForeColor,
  FillColor,
  FillStyle,
  DrawMode,
  DrawStyle,
  DrawWidth,
  Picture,
  Line,
  Ellipse,
  Rectangle,
  Polygon,
  Text,
};

struct RecordedState {
  FontSpec font;
  ColorRef foreColor = 0;
  ColorRef fillColor = kColorWhite;
  BrushStyle fillStyle = BrushStyle::Transparent;
  PenMode drawMode = PenMode::CopyPen;
  PenStyle drawStyle = PenStyle::Solid;
  int32_t drawWidth = 1;
};

struct Record {
  RecordOp op;
  RecordedState state;                         // in force after this entry
  std::vector<DevicePoint> points;             // line ends, box corners, polygon, text point
  std::string text;                            // the text, or the picture's source
  DeviceFont font;                             // of a text
  double x = 0, y = 0, width = 0, height = 0;  // of a picture, user units

  bool IsPrimitive() const { return op >= RecordOp::Picture; }
};

// How the surface maps user units to pixels, and what it says about itself.
struct SurfaceSetup {
  DrawTargetKind kind = DrawTargetKind::PrinterPage;
  ScaleUnit mode = ScaleUnit::Millimeters;
  double dpiX = 600, dpiY = 600;
  double userPixelsX = 1, userPixelsY = 1;  // pixels per unit when Mode is User
  double scaleWidth = 0, scaleHeight = 0, scaleLeft = 0, scaleTop = 0;
  double widthTwips = 0, heightTwips = 0;
  int32_t offsetX = 0, offsetY = 0;  // physical offset, pixels

  // An A4 sheet on a 600-dpi printer whose printable area starts 1/6 inch
  // (100 pixels, about 4.23 mm) inside each edge.
  static SurfaceSetup PrinterA4() {
    SurfaceSetup s;
    s.offsetX = s.offsetY = 100;
    const double offsetMm = 100 * 25.4 / 600;
    s.scaleWidth = 210 - 2 * offsetMm;
    s.scaleHeight = 297 - 2 * offsetMm;
    s.widthTwips = 210 / 25.4 * 1440;
    s.heightTwips = 297 / 25.4 * 1440;
    return s;
  }
  // The preview picture: a whole page in millimetres on a 96-dpi screen.
  static SurfaceSetup PreviewA4() {
    SurfaceSetup s;
    s.kind = DrawTargetKind::PreviewPicture;
    s.dpiX = s.dpiY = 96;
    s.scaleWidth = 210;
    s.scaleHeight = 297;
    s.widthTwips = 210 / 25.4 * 1440;
    s.heightTwips = 297 / 25.4 * 1440;
    return s;
  }
  // The desktop sundial's picture: pixels on a 96-dpi screen, the shorter
  // side 2000 user units.
  static SurfaceSetup Clock(int32_t widthPixels, int32_t heightPixels) {
    SurfaceSetup s;
    s.kind = DrawTargetKind::ClockPicture;
    s.mode = ScaleUnit::User;
    s.dpiX = s.dpiY = 96;
    const double shorter = widthPixels < heightPixels ? widthPixels : heightPixels;
    s.userPixelsX = s.userPixelsY = shorter / 2000;
    s.scaleWidth = widthPixels / s.userPixelsX;
    s.scaleHeight = heightPixels / s.userPixelsY;
    s.widthTwips = widthPixels * 15.0;
    s.heightTwips = heightPixels * 15.0;
    return s;
  }
};

class RecordingTarget : public DrawTarget {
 public:
  explicit RecordingTarget(SurfaceSetup setup = SurfaceSetup::PrinterA4()) : setup_(setup) {}

  std::vector<Record> log;
  // Sources PaintPicture cannot load.
  std::vector<std::string> missingPictures;
  // The device cannot tell its physical offset.
  bool offsetUnknown = false;

  // The next `skip` entries of this kind pass, the one after raises.
  void RefuseAfter(RecordOp op, int skip) {
    refusedOp_ = op;
    refuseCountdown_ = skip;
  }
  static constexpr int32_t kRefusedNumber = 380;

  const SurfaceSetup& Setup() const { return setup_; }
  const RecordedState& State() const { return state_; }

  std::vector<Record> Of(RecordOp op) const {
    std::vector<Record> found;
    for (const Record& r : log)
      if (r.op == op) found.push_back(r);
    return found;
  }
  std::vector<Record> Primitives() const {
    std::vector<Record> found;
    for (const Record& r : log)
      if (r.IsPrimitive()) found.push_back(r);
    return found;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> found;
    for (const Record& r : log)
      if (r.op == RecordOp::Text) found.push_back(r.text);
    return found;
  }
  // The first text entry with this text, or nullptr.
  const Record* FindText(std::string_view text) const {
    for (const Record& r : log)
      if (r.op == RecordOp::Text && r.text == text) return &r;
    return nullptr;
  }

  // User units to pixels as the device sees them (no rounding).
  double PixelX(double x) const { return ScaleX(x, setup_.mode, ScaleUnit::Pixels); }
  double PixelY(double y) const { return ScaleY(y, setup_.mode, ScaleUnit::Pixels); }

  // DrawTarget
  DrawTargetKind Kind() const override { return setup_.kind; }
  ScaleUnit ScaleMode() const override { return setup_.mode; }
  double ScaleX(double value, ScaleUnit from, ScaleUnit to) const override {
    return FromPixels(ToPixels(value, from, setup_.dpiX, setup_.userPixelsX), to, setup_.dpiX,
                      setup_.userPixelsX);
  }
  double ScaleY(double value, ScaleUnit from, ScaleUnit to) const override {
    return FromPixels(ToPixels(value, from, setup_.dpiY, setup_.userPixelsY), to, setup_.dpiY,
                      setup_.userPixelsY);
  }
  double ScaleWidth() const override { return setup_.scaleWidth; }
  double ScaleHeight() const override { return setup_.scaleHeight; }
  double ScaleLeft() const override { return setup_.scaleLeft; }
  double ScaleTop() const override { return setup_.scaleTop; }
  double Width() const override { return setup_.widthTwips; }
  double Height() const override { return setup_.heightTwips; }
  int32_t PhysicalOffsetX() const override { return Offset(setup_.offsetX); }
  int32_t PhysicalOffsetY() const override { return Offset(setup_.offsetY); }

  // Text metrics of a plain model font: an ASCII character is 0.55 em wide,
  // any other character 1 em; a line is 1.2 em high.
  double TextWidth(std::string_view text) const override {
    double widest = 0;
    for (std::string_view line : Lines(text)) {
      double ems = 0;
      for (size_t i = 0; i < line.size(); ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if (byte < 0x80)
          ems += 0.55;
        else if ((byte & 0xC0) != 0x80)
          ems += 1.0;  // lead byte of a UTF-8 sequence
      }
      if (ems > widest) widest = ems;
    }
    return ScaleX(widest * state_.font.size, ScaleUnit::Points, setup_.mode);
  }
  double TextHeight(std::string_view text) const override {
    const double lines = static_cast<double>(Lines(text).size());
    return ScaleY(lines * 1.2 * state_.font.size, ScaleUnit::Points, setup_.mode);
  }

  const FontSpec& Font() const override { return state_.font; }
  void setFont(const FontSpec& font) override { Set(RecordOp::Font, state_.font, font); }
  ColorRef ForeColor() const override { return state_.foreColor; }
  void setForeColor(ColorRef color) override { Set(RecordOp::ForeColor, state_.foreColor, color); }
  ColorRef FillColor() const override { return state_.fillColor; }
  void setFillColor(ColorRef color) override { Set(RecordOp::FillColor, state_.fillColor, color); }
  BrushStyle FillStyle() const override { return state_.fillStyle; }
  void setFillStyle(BrushStyle style) override {
    Set(RecordOp::FillStyle, state_.fillStyle, style);
  }
  PenMode DrawMode() const override { return state_.drawMode; }
  void setDrawMode(PenMode mode) override { Set(RecordOp::DrawMode, state_.drawMode, mode); }
  PenStyle DrawStyle() const override { return state_.drawStyle; }
  void setDrawStyle(PenStyle style) override { Set(RecordOp::DrawStyle, state_.drawStyle, style); }
  int32_t DrawWidth() const override { return state_.drawWidth; }
  void setDrawWidth(int32_t pixels) override { Set(RecordOp::DrawWidth, state_.drawWidth, pixels); }

  void PaintPicture(std::string_view source, double x, double y, double width,
                    double height) override {
    Change(RecordOp::Picture);
    for (const std::string& missing : missingPictures) {
      if (missing == source) RaiseError(481, "RecordingTarget", "ピクチャが不正です。");
    }
    Record& r = Push(RecordOp::Picture);
    r.text = source;
    r.x = x;
    r.y = y;
    r.width = width;
    r.height = height;
  }
  void DeviceLine(DevicePoint from, DevicePoint to) override {
    Change(RecordOp::Line);
    Push(RecordOp::Line).points = {from, to};
  }
  void DeviceEllipse(DevicePoint topLeft, DevicePoint bottomRight) override {
    Change(RecordOp::Ellipse);
    Push(RecordOp::Ellipse).points = {topLeft, bottomRight};
  }
  void DeviceRectangle(DevicePoint topLeft, DevicePoint bottomRight) override {
    Change(RecordOp::Rectangle);
    Push(RecordOp::Rectangle).points = {topLeft, bottomRight};
  }
  void DevicePolygon(const std::vector<DevicePoint>& points) override {
    Change(RecordOp::Polygon);
    Push(RecordOp::Polygon).points = points;
  }
  void DeviceText(DevicePoint at, std::string_view text, const DeviceFont& font) override {
    Change(RecordOp::Text);
    Record& r = Push(RecordOp::Text);
    r.points = {at};
    r.text = text;
    r.font = font;
  }

 private:
  static double PerInch(ScaleUnit unit) {
    switch (unit) {
      case ScaleUnit::Twips:
        return 1440;
      case ScaleUnit::Points:
        return 72;
      case ScaleUnit::Millimeters:
        return 25.4;
      default:
        return 0;
    }
  }
  static double ToPixels(double value, ScaleUnit unit, double dpi, double userPixels) {
    if (unit == ScaleUnit::Pixels) return value;
    if (unit == ScaleUnit::User) return value * userPixels;
    return value * dpi / PerInch(unit);
  }
  static double FromPixels(double pixels, ScaleUnit unit, double dpi, double userPixels) {
    if (unit == ScaleUnit::Pixels) return pixels;
    if (unit == ScaleUnit::User) return pixels / userPixels;
    return pixels * PerInch(unit) / dpi;
  }
  static std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (size_t start = 0;;) {
      const size_t end = text.find("\r\n", start);
      lines.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
      if (end == std::string_view::npos) return lines;
      start = end + 2;
    }
  }

  int32_t Offset(int32_t pixels) const {
    if (offsetUnknown) RaiseError(kRefusedNumber, "RecordingTarget", "プロパティの値が不正です。");
    return pixels;
  }
  void Change(RecordOp op) {
    if (op != refusedOp_ || refuseCountdown_ < 0) return;
    if (refuseCountdown_-- == 0) {
      RaiseError(kRefusedNumber, "RecordingTarget", "プロパティの値が不正です。");
    }
  }
  template <typename T>
  void Set(RecordOp op, T& field, const T& value) {
    Change(op);
    field = value;
    Push(op);
  }
  Record& Push(RecordOp op) {
    log.push_back(Record{op, state_, {}, {}, {}});
    return log.back();
  }

  SurfaceSetup setup_;
  RecordedState state_;
  RecordOp refusedOp_ = RecordOp::Font;
  int refuseCountdown_ = -1;
};
