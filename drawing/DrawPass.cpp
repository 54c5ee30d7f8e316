#include "DrawPass.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>
#include <vector>

#include "UiText.h"
#include "Version.h"

namespace {

// Lengths reach the device in single precision (Single), as the surfaces take
// them.
int32_t DeviceX(const DrawTarget& target, double x) {
  return RoundToInt32(Single(target.ScaleX(Single(x), target.ScaleMode(), ScaleUnit::Pixels)));
}

int32_t DeviceY(const DrawTarget& target, double y) {
  return RoundToInt32(Single(target.ScaleY(Single(y), target.ScaleMode(), ScaleUnit::Pixels)));
}

DevicePoint DeviceXY(const DrawTarget& target, double x, double y) {
  return {DeviceX(target, x), DeviceY(target, y)};
}

int32_t FontWeight(const FontSpec& font) {
  return font.bold ? 700 : 400;
}

// The face's colours of the dial colours or of a clock state's colours.
template <typename Colors>
FaceColors FaceColorsOf(const Colors& c) {
  return {c.timeLine, c.orientationLine, c.hourLine,        c.minuteLine,
          c.timeFill, c.innerFill,       c.orientationFont, c.timeFont};
}

}  // namespace

int32_t RoundToInt32(double value) {
  const double rounded = std::nearbyint(value);
  if (!(rounded >= std::numeric_limits<int32_t>::min() &&
        rounded <= std::numeric_limits<int32_t>::max())) {
    RaiseOverflow();
  }
  return static_cast<int32_t>(rounded);
}

double SignOf(double value) {
  return value > 0 ? 1.0 : (value < 0 ? -1.0 : 0.0);
}

UserPoint DialGeometry::ShadowTip(double azimuth, double length) const {
  const double alpha = ToCompassAngle(azimuth) * kRadiansPerDegree;
  return {centre.x + sign * std::cos(alpha) * length,
          centre.y - sign * std::sin(alpha) * length - sign * middleRadius};
}

UserPoint DialGeometry::AtRadius(double theta, double radius) const {
  const double r = theta * kRadiansPerDegree;
  return {centre.x + std::cos(r) * radius, centre.y - std::sin(r) * radius};
}

DialGeometry DialGeometryOf(const DialLayout& layout, double latitude) {
  return {{layout.centerX, layout.centerY},
          SignOf(latitude),
          layout.middleRadius,
          layout.middleRadius * std::tan(latitude * kRadiansPerDegree)};
}

FontSpec OrientationLetterFont(const DrawPass& pass, const DialLayout& layout) {
  if (pass.OnClock()) return ScaledFont(pass.design.settings.clockOrientationFont, pass);
  FontSpec font = ScaledFont(pass.design.settings.dialOrientationFont, pass);
  constexpr double kA4OuterRadius = 75;
  if (pass.OnPaper() && layout.outerRadius < kA4OuterRadius) {
    font.size = RoundFontSize(font.size * layout.outerRadius / kA4OuterRadius);
  }
  return font;
}

int32_t DialPenWidth(const DrawPass& pass) {
  if (pass.OnClock()) return 1;
  const float pointsAsPixels = Single(pass.target.ScaleX(
      Single(pass.design.settings.dialOption.lineWidth), ScaleUnit::Points, ScaleUnit::Pixels));
  const double width = pointsAsPixels * pass.zoom;
  return std::max(RoundToInt32(width), ThinnestPenWidth(pass));
}

int32_t SheetPenWidth(const DrawTarget& target, double millimetres) {
  const double pixels = target.ScaleX(millimetres, target.ScaleMode(), ScaleUnit::Pixels);
  return std::max(RoundToInt32(pixels), 1);
}

int32_t ThinnestPenWidth(const DrawPass& pass) {
  return pass.OnPaper() ? SheetPenWidth(pass.target, kThinnestLineMm) : 1;
}

void SetPen(DrawTarget& target, PenMode mode, PenStyle style, int32_t width) {
  target.setDrawMode(mode);
  target.setDrawStyle(style);
  target.setDrawWidth(width);
}

void SetDialPen(const DrawPass& pass) {
  SetPen(pass.target, PenMode::CopyPen, PenStyle::Solid, DialPenWidth(pass));
}

void SetThinPen(DrawTarget& target) {
  SetPen(target, PenMode::CopyPen, PenStyle::Solid, 1);
  target.setFillStyle(BrushStyle::Transparent);
}

FontSpec LanguageFont(FontSpec font) {
  // English words in the Japanese default face look borrowed; Arial comes
  // out as its metric twin Liberation Sans where Arial is not installed.
  if (TextLanguage() != UiLanguage::Japanese && font.name == DefaultDialInformationFont().name) {
    font.name = "Arial";
  }
  return font;
}

FontSpec ScaledFont(const FontSpec& font, const DrawPass& pass) {
  FontSpec copy = LanguageFont(font);
  if (!pass.OnClock()) copy.size = RoundFontSize(font.size * pass.zoom);
  return copy;
}

const ClockColorSettings* ClockColorsFor(const Settings& settings, int32_t clockState) {
  if (clockState == 0) return &settings.clockDayColor;
  if (clockState == 1) return &settings.clockNightColor;
  return nullptr;
}

std::optional<FaceColors> FaceColorsFor(const DrawPass& pass) {
  if (pass.OnPaper()) return FaceColorsOf(pass.design.settings.dialColor);
  if (pass.OnClock()) {
    if (const ClockColorSettings* c = ClockColorsFor(pass.design.settings, pass.clockState)) {
      return FaceColorsOf(*c);
    }
  }
  return std::nullopt;
}

void PixelLine(DrawTarget& target, double x1, double y1, double x2, double y2) {
  const DevicePoint from = DeviceXY(target, x1, y1);
  const DevicePoint to = DeviceXY(target, x2, y2);
  target.DeviceLine(from, to);
}

void PixelCircle(DrawTarget& target, double x, double y, double r) {
  const float cx = Single(target.ScaleX(Single(x), target.ScaleMode(), ScaleUnit::Pixels));
  const float cy = Single(target.ScaleY(Single(y), target.ScaleMode(), ScaleUnit::Pixels));
  const float cr = Single(target.ScaleX(Single(r), target.ScaleMode(), ScaleUnit::Pixels));
  const DevicePoint topLeft{RoundToInt32(cx - cr), RoundToInt32(cy - cr)};
  const DevicePoint bottomRight{RoundToInt32(cx + cr), RoundToInt32(cy + cr)};
  target.DeviceEllipse(topLeft, bottomRight);
}

void PixelRectangle(DrawTarget& target, double x1, double y1, double x2, double y2) {
  const DevicePoint topLeft = DeviceXY(target, x1, y1);
  const DevicePoint bottomRight = DeviceXY(target, x2, y2);
  target.DeviceRectangle(topLeft, bottomRight);
}

void PixelPolygon(DrawTarget& target, std::span<const UserPoint> points) {
  std::vector<DevicePoint> device;
  device.reserve(points.size());
  for (const UserPoint& p : points) device.push_back(DeviceXY(target, p.x, p.y));
  target.DevicePolygon(device);
}

void PixelPolyline(DrawTarget& target, std::span<const UserPoint> points) {
  std::vector<DevicePoint> device;
  device.reserve(points.size());
  for (const UserPoint& p : points) device.push_back(DeviceXY(target, p.x, p.y));
  target.DevicePolyline(device);
}

void RotatedText(DrawTarget& target, double x, double y, std::string_view text, double angle) {
  const FontSpec& current = target.Font();
  DeviceFont font;
  font.name = current.name;
  font.heightPixels = RoundToInt32(Single(
      target.ScaleY(Single(target.TextHeight(text)), target.ScaleMode(), ScaleUnit::Pixels)));
  font.escapementTenths = RoundToInt32(angle * 10);
  font.weight = FontWeight(current);
  font.italic = current.italic;
  font.underline = current.underline;
  font.strikethrough = current.strikethrough;
  target.DeviceText(DeviceXY(target, x, y), text, font);
}

void TextOnCleared(DrawTarget& target, double x, double y, std::string_view text,
                   ColorRef background) {
  const double pad = target.TextHeight(text) / 8;
  const ColorRef ink = target.ForeColor();
  const BrushStyle fill = target.FillStyle();
  const ColorRef fillColor = target.FillColor();
  target.setForeColor(background);
  target.setFillStyle(BrushStyle::Solid);
  target.setFillColor(background);
  PixelRectangle(target, x - pad, y, x + target.TextWidth(text) + pad, y + target.TextHeight(text));
  target.setFillStyle(fill);
  target.setFillColor(fillColor);
  target.setForeColor(ink);
  RotatedText(target, x, y, text, 0);
}

const ChartSolars& SolarsLease::Add(double startTime, double endTime, int16_t interval) {
  if (!chart_.AddSolars(startTime, endTime, interval).ok() || chart_.Solars() == nullptr) {
    RaiseChartError(chart_);
  }
  return *chart_.Solars();
}

ErrorRecord RecordFault(const std::exception& fault) {
  if (dynamic_cast<const std::bad_alloc*>(&fault) != nullptr) {
    return {kOutOfMemoryNumber, kProductName, kOutOfMemoryText};
  }
  return {kInternalErrorNumber, kProductName, TranslateText("Drawing", "Internal error.")};
}
