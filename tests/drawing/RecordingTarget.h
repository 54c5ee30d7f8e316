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
  FontSpec Font;
  ColorRef ForeColor = 0;
  ColorRef FillColor = kColorWhite;
  BrushStyle FillStyle = BrushStyle::Transparent;
  PenMode DrawMode = PenMode::CopyPen;
  PenStyle DrawStyle = PenStyle::Solid;
  int32_t DrawWidth = 1;
};

struct Record {
  RecordOp Op;
  RecordedState State;                         // in force after this entry
  std::vector<DevicePoint> Points;             // line ends, box corners, polygon, text point
  std::string Text;                            // the text, or the picture's source
  DeviceFont Font;                             // of a text
  double X = 0, Y = 0, Width = 0, Height = 0;  // of a picture, user units

  bool IsPrimitive() const { return Op >= RecordOp::Picture; }
};

// How the surface maps user units to pixels, and what it says about itself.
struct SurfaceSetup {
  DrawTargetKind Kind = DrawTargetKind::PrinterPage;
  ScaleUnit Mode = ScaleUnit::Millimeters;
  double DpiX = 600, DpiY = 600;
  double UserPixelsX = 1, UserPixelsY = 1;  // pixels per unit when Mode is User
  double ScaleWidth = 0, ScaleHeight = 0, ScaleLeft = 0, ScaleTop = 0;
  double WidthTwips = 0, HeightTwips = 0;
  int32_t OffsetX = 0, OffsetY = 0;  // physical offset, pixels

  // An A4 sheet on a 600-dpi printer whose printable area starts 1/6 inch
  // (100 pixels, about 4.23 mm) inside each edge.
  static SurfaceSetup PrinterA4() {
    SurfaceSetup s;
    s.OffsetX = s.OffsetY = 100;
    const double offsetMm = 100 * 25.4 / 600;
    s.ScaleWidth = 210 - 2 * offsetMm;
    s.ScaleHeight = 297 - 2 * offsetMm;
    s.WidthTwips = 210 / 25.4 * 1440;
    s.HeightTwips = 297 / 25.4 * 1440;
    return s;
  }
  // The preview picture: a whole page in millimetres on a 96-dpi screen.
  static SurfaceSetup PreviewA4() {
    SurfaceSetup s;
    s.Kind = DrawTargetKind::PreviewPicture;
    s.DpiX = s.DpiY = 96;
    s.ScaleWidth = 210;
    s.ScaleHeight = 297;
    s.WidthTwips = 210 / 25.4 * 1440;
    s.HeightTwips = 297 / 25.4 * 1440;
    return s;
  }
  // The desktop sundial's picture: pixels on a 96-dpi screen, the shorter
  // side 2000 user units.
  static SurfaceSetup Clock(int32_t widthPixels, int32_t heightPixels) {
    SurfaceSetup s;
    s.Kind = DrawTargetKind::ClockPicture;
    s.Mode = ScaleUnit::User;
    s.DpiX = s.DpiY = 96;
    const double shorter = widthPixels < heightPixels ? widthPixels : heightPixels;
    s.UserPixelsX = s.UserPixelsY = shorter / 2000;
    s.ScaleWidth = widthPixels / s.UserPixelsX;
    s.ScaleHeight = heightPixels / s.UserPixelsY;
    s.WidthTwips = widthPixels * 15.0;
    s.HeightTwips = heightPixels * 15.0;
    return s;
  }
};

class RecordingTarget : public DrawTarget {
 public:
  explicit RecordingTarget(SurfaceSetup setup = SurfaceSetup::PrinterA4()) : setup_(setup) {}

  std::vector<Record> Log;
  // Sources PaintPicture cannot load.
  std::vector<std::string> MissingPictures;
  // The device cannot tell its physical offset.
  bool OffsetUnknown = false;

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
    for (const Record& r : Log)
      if (r.Op == op) found.push_back(r);
    return found;
  }
  std::vector<Record> Primitives() const {
    std::vector<Record> found;
    for (const Record& r : Log)
      if (r.IsPrimitive()) found.push_back(r);
    return found;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> found;
    for (const Record& r : Log)
      if (r.Op == RecordOp::Text) found.push_back(r.Text);
    return found;
  }
  // The first text entry with this text, or nullptr.
  const Record* FindText(std::string_view text) const {
    for (const Record& r : Log)
      if (r.Op == RecordOp::Text && r.Text == text) return &r;
    return nullptr;
  }

  // User units to pixels as the device sees them (no rounding).
  double PixelX(double x) const { return ScaleX(x, setup_.Mode, ScaleUnit::Pixels); }
  double PixelY(double y) const { return ScaleY(y, setup_.Mode, ScaleUnit::Pixels); }

  // DrawTarget
  DrawTargetKind Kind() const override { return setup_.Kind; }
  ScaleUnit ScaleMode() const override { return setup_.Mode; }
  double ScaleX(double value, ScaleUnit from, ScaleUnit to) const override {
    return FromPixels(ToPixels(value, from, setup_.DpiX, setup_.UserPixelsX), to, setup_.DpiX,
                      setup_.UserPixelsX);
  }
  double ScaleY(double value, ScaleUnit from, ScaleUnit to) const override {
    return FromPixels(ToPixels(value, from, setup_.DpiY, setup_.UserPixelsY), to, setup_.DpiY,
                      setup_.UserPixelsY);
  }
  double ScaleWidth() const override { return setup_.ScaleWidth; }
  double ScaleHeight() const override { return setup_.ScaleHeight; }
  double ScaleLeft() const override { return setup_.ScaleLeft; }
  double ScaleTop() const override { return setup_.ScaleTop; }
  double Width() const override { return setup_.WidthTwips; }
  double Height() const override { return setup_.HeightTwips; }
  int32_t PhysicalOffsetX() const override { return Offset(setup_.OffsetX); }
  int32_t PhysicalOffsetY() const override { return Offset(setup_.OffsetY); }

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
    return ScaleX(widest * state_.Font.Size, ScaleUnit::Points, setup_.Mode);
  }
  double TextHeight(std::string_view text) const override {
    const double lines = static_cast<double>(Lines(text).size());
    return ScaleY(lines * 1.2 * state_.Font.Size, ScaleUnit::Points, setup_.Mode);
  }

  const FontSpec& Font() const override { return state_.Font; }
  void setFont(const FontSpec& font) override { Set(RecordOp::Font, state_.Font, font); }
  ColorRef ForeColor() const override { return state_.ForeColor; }
  void setForeColor(ColorRef color) override { Set(RecordOp::ForeColor, state_.ForeColor, color); }
  ColorRef FillColor() const override { return state_.FillColor; }
  void setFillColor(ColorRef color) override { Set(RecordOp::FillColor, state_.FillColor, color); }
  BrushStyle FillStyle() const override { return state_.FillStyle; }
  void setFillStyle(BrushStyle style) override {
    Set(RecordOp::FillStyle, state_.FillStyle, style);
  }
  PenMode DrawMode() const override { return state_.DrawMode; }
  void setDrawMode(PenMode mode) override { Set(RecordOp::DrawMode, state_.DrawMode, mode); }
  PenStyle DrawStyle() const override { return state_.DrawStyle; }
  void setDrawStyle(PenStyle style) override { Set(RecordOp::DrawStyle, state_.DrawStyle, style); }
  int32_t DrawWidth() const override { return state_.DrawWidth; }
  void setDrawWidth(int32_t pixels) override { Set(RecordOp::DrawWidth, state_.DrawWidth, pixels); }

  void PaintPicture(std::string_view source, double x, double y, double width,
                    double height) override {
    Change(RecordOp::Picture);
    for (const std::string& missing : MissingPictures) {
      if (missing == source) RaiseError(481, "RecordingTarget", "ピクチャが不正です。");
    }
    Record& r = Push(RecordOp::Picture);
    r.Text = source;
    r.X = x;
    r.Y = y;
    r.Width = width;
    r.Height = height;
  }
  void DeviceLine(DevicePoint from, DevicePoint to) override {
    Change(RecordOp::Line);
    Push(RecordOp::Line).Points = {from, to};
  }
  void DeviceEllipse(DevicePoint topLeft, DevicePoint bottomRight) override {
    Change(RecordOp::Ellipse);
    Push(RecordOp::Ellipse).Points = {topLeft, bottomRight};
  }
  void DeviceRectangle(DevicePoint topLeft, DevicePoint bottomRight) override {
    Change(RecordOp::Rectangle);
    Push(RecordOp::Rectangle).Points = {topLeft, bottomRight};
  }
  void DevicePolygon(const std::vector<DevicePoint>& points) override {
    Change(RecordOp::Polygon);
    Push(RecordOp::Polygon).Points = points;
  }
  void DeviceText(DevicePoint at, std::string_view text, const DeviceFont& font) override {
    Change(RecordOp::Text);
    Record& r = Push(RecordOp::Text);
    r.Points = {at};
    r.Text = text;
    r.Font = font;
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
    if (OffsetUnknown) RaiseError(kRefusedNumber, "RecordingTarget", "プロパティの値が不正です。");
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
    Log.push_back(Record{op, state_, {}, {}, {}});
    return Log.back();
  }

  SurfaceSetup setup_;
  RecordedState state_;
  RecordOp refusedOp_ = RecordOp::Font;
  int refuseCountdown_ = -1;
};
