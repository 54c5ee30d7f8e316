#include "QPainterDrawTarget.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPalette>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <unordered_map>

#include "EngineErrors.h"
#include "Picture.h"

namespace {

constexpr int32_t kInvalidPropertyValue = 380;
constexpr double kTwipsPerInch = 1440;
constexpr double kPointsPerInch = 72;
constexpr double kMillimetersPerInch = 25.4;
constexpr int32_t kInchesUnit = 5;
constexpr int32_t kCentimetersUnit = 7;

[[noreturn]] void RaiseInvalid(const char* what) {
  RaiseError(kInvalidPropertyValue, "DrawTarget",
             QCoreApplication::translate("DrawTarget", "Invalid property value. (%1)")
                 .arg(QLatin1String(what))
                 .toStdString());
}

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text's lines: CR LF (or a lone LF) separates them; there is always one.
QStringList SplitLines(std::string_view text) {
  QString all = ToQString(text);
  all.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return all.split(QLatin1Char('\n'));
}

// Text measurements by font, device and text. A sheet's layout measures the
// same few texts at the same sizes over and over (every trial size of the
// fitting search, and again when the page is drawn), and shaping them at the
// measuring size is what costs; the result depends on nothing else, so it is
// kept for the process. Bounded: a preview zoomed through many sizes starts
// afresh rather than growing without end.
class MeasureCache {
 public:
  template <typename Measure>
  double Get(const std::string& key, const Measure& measure) {
    if (const auto found = values_.find(key); found != values_.end()) return found->second;
    if (values_.size() >= kMaxEntries) values_.clear();
    const double value = measure();
    values_.emplace(key, value);
    return value;
  }

 private:
  static constexpr size_t kMaxEntries = 8192;
  std::unordered_map<std::string, double> values_;
};

MeasureCache& Measurements() {
  static MeasureCache cache;
  return cache;
}

// Dash patterns of the classic styled pens, in pen widths.
QList<qreal> DashPattern(PenStyle style) {
  switch (style) {
    case PenStyle::Dash:
      return {18, 6};
    case PenStyle::Dot:
      return {3, 3};
    case PenStyle::DashDot:
      return {9, 6, 3, 6};
    case PenStyle::Solid:
      break;
  }
  return {};
}

QRect GdiBox(DevicePoint a, DevicePoint b) {
  // The classic device rectangle excludes its right and bottom edge; Qt's
  // aliased outline includes them, hence one pixel less.
  const int left = std::min(a.x, b.x);
  const int top = std::min(a.y, b.y);
  const int right = std::max(a.x, b.x);
  const int bottom = std::max(a.y, b.y);
  return QRect(left, top, std::max(right - left - 1, 0), std::max(bottom - top - 1, 0));
}

}  // namespace

QColor ToQColor(ColorRef color) {
  const auto bits = static_cast<uint32_t>(color);
  if (bits & 0x80000000u) {
    const QPalette palette = QGuiApplication::palette();
    switch (bits & 0xFFu) {
      case 5:  // window background
        return palette.color(QPalette::Base);
      case 8:  // window text
        return palette.color(QPalette::Text);
      case 18:  // button text
        return palette.color(QPalette::ButtonText);
      case 16:  // button shadow
        return palette.color(QPalette::Dark);
      case 20:  // button highlight
        return palette.color(QPalette::Light);
      default:  // 15, button face, and anything else
        return palette.color(QPalette::Button);
    }
  }
  return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                static_cast<int>((bits >> 16) & 0xFFu));
}

// The height of device text is the height of its character cell (ascent plus
// descent), as a positive height asks of the classic font mapper; a negative
// height is the em height itself. Qt sizes fonts by em, so the cell is
// measured once at a probe size and the em scaled to fit.
QFont FontForPixelHeight(const QString& family, double heightPixels, int weight, bool italic,
                         bool underline, bool strikeOut, const QPaintDevice* device) {
  QFont font(family);
  font.setWeight(static_cast<QFont::Weight>(std::clamp(weight <= 0 ? 400 : weight, 1, 1000)));
  font.setItalic(italic);
  font.setUnderline(underline);
  font.setStrikeOut(strikeOut);
  font.setHintingPreference(QFont::PreferNoHinting);
  const double dpiY = std::max(1, device->logicalDpiY());
  constexpr double kProbePoints = 100;
  font.setPointSizeF(kProbePoints);
  font = QFont(font, device);
  double emPixels = 12 * dpiY / kPointsPerInch;
  if (heightPixels > 0 && std::isfinite(heightPixels)) {
    const double cell = QFontMetricsF(font, device).height();
    const double probeEm = kProbePoints * dpiY / kPointsPerInch;
    if (cell > 0) emPixels = heightPixels * probeEm / cell;
  } else if (heightPixels < 0 && std::isfinite(heightPixels)) {
    emPixels = -heightPixels;
  }
  font.setPointSizeF(std::clamp(emPixels * kPointsPerInch / dpiY, 0.01, 100000.0));
  return QFont(font, device);
}

UserScale ShortSideScale(double widthPixels, double heightPixels, double shortSide) {
  const double shorter = std::max(1.0, std::min(widthPixels, heightPixels));
  return {0, 0, shortSide * std::max(1.0, widthPixels) / shorter,
          shortSide * std::max(1.0, heightPixels) / shorter};
}

std::unique_ptr<QPainterDrawTarget> QPainterDrawTarget::ForPage(QPainter& painter,
                                                                DrawTargetKind kind) {
  QPaintDevice* device = painter.device();
  if (device == nullptr) RaiseInvalid("painter");
  const UserScale mm{0, 0, device->width() / double(device->logicalDpiX()) * kMillimetersPerInch,
                     device->height() / double(device->logicalDpiY()) * kMillimetersPerInch};
  return std::make_unique<QPainterDrawTarget>(painter, kind, ScaleUnit::Millimeters, mm);
}

std::unique_ptr<QPainterDrawTarget> QPainterDrawTarget::ForPreview(QPainter& painter,
                                                                   double pageWidthMm,
                                                                   double pageHeightMm) {
  return std::make_unique<QPainterDrawTarget>(painter, DrawTargetKind::PreviewPicture,
                                              ScaleUnit::User,
                                              UserScale{0, 0, pageWidthMm, pageHeightMm});
}

std::unique_ptr<QPainterDrawTarget> QPainterDrawTarget::ForUserScale(QPainter& painter,
                                                                     DrawTargetKind kind,
                                                                     const UserScale& scale) {
  return std::make_unique<QPainterDrawTarget>(painter, kind, ScaleUnit::User, scale);
}

QPainterDrawTarget::QPainterDrawTarget(QPainter& painter, DrawTargetKind kind, ScaleUnit mode,
                                       const UserScale& scale)
    : painter_(&painter) {
  Initialise(kind, mode, scale);
}

QPainterDrawTarget::QPainterDrawTarget(QPaintDevice& device, DrawTargetKind kind, ScaleUnit mode,
                                       const UserScale& scale)
    : ownPainter_(std::make_unique<QPainter>(&device)), painter_(ownPainter_.get()) {
  Initialise(kind, mode, scale);
}

QPainterDrawTarget::~QPainterDrawTarget() {
  if (ownPainter_ && ownPainter_->isActive()) ownPainter_->end();
}

void QPainterDrawTarget::Initialise(DrawTargetKind kind, ScaleUnit mode, const UserScale& scale) {
  if (!painter_->isActive() || painter_->device() == nullptr) RaiseInvalid("painter");
  if (!(std::isfinite(scale.width) && std::isfinite(scale.height) && scale.width != 0 &&
        scale.height != 0 && std::isfinite(scale.left) && std::isfinite(scale.top))) {
    RaiseInvalid("ScaleWidth");
  }
  kind_ = kind;
  mode_ = mode;
  scale_ = scale;
  QPaintDevice* device = painter_->device();
  dpiX_ = std::max(1, device->logicalDpiX());
  dpiY_ = std::max(1, device->logicalDpiY());
  devicePixels_ = QSizeF(std::max(1, device->width()), std::max(1, device->height()));
  if (auto* paged = dynamic_cast<QPagedPaintDevice*>(device)) {
    const QPageLayout layout = paged->pageLayout();
    const QRectF paper = layout.fullRectPoints();
    outerTwips_ = QRectF(0, 0, paper.width() * 20, paper.height() * 20);
    // In full-page mode the painted rectangle is the paper and the offset 0.
    physicalOffset_ = layout.paintRectPixels(static_cast<int>(std::lround(dpiX_))).topLeft() -
                      layout.fullRectPixels(static_cast<int>(std::lround(dpiX_))).topLeft();
  } else {
    outerTwips_ = QRectF(0, 0, devicePixels_.width() * kTwipsPerInch / dpiX_,
                         devicePixels_.height() * kTwipsPerInch / dpiY_);
  }
  const QPaintEngine* engine = painter_->paintEngine();
  canInvert_ = engine != nullptr &&
               (engine->type() == QPaintEngine::Raster || engine->type() == QPaintEngine::OpenGL2);
  setFont(font_);
}

ColorRef QPainterDrawTarget::ButtonFaceColor() const {
  const QColor face = QGuiApplication::palette().color(QPalette::Button);
  return static_cast<ColorRef>(face.red() | (face.green() << 8) | (face.blue() << 16));
}

double QPainterDrawTarget::ToPixels(double value, ScaleUnit unit, double dpi, double devicePixels,
                                    double userExtent) const {
  switch (static_cast<int32_t>(unit)) {
    case static_cast<int32_t>(ScaleUnit::User):
      return value * devicePixels / userExtent;
    case static_cast<int32_t>(ScaleUnit::Twips):
      return value * dpi / kTwipsPerInch;
    case static_cast<int32_t>(ScaleUnit::Points):
      return value * dpi / kPointsPerInch;
    case static_cast<int32_t>(ScaleUnit::Pixels):
      return value;
    case static_cast<int32_t>(ScaleUnit::Millimeters):
      return value * dpi / kMillimetersPerInch;
    case kInchesUnit:
      return value * dpi;
    case kCentimetersUnit:
      return value * dpi / (kMillimetersPerInch / 10);
    default:
      RaiseError(5, "ScaleX",
                 QCoreApplication::translate("DrawTarget", "Invalid procedure call or argument.")
                     .toStdString());
  }
}

double QPainterDrawTarget::FromPixels(double pixels, ScaleUnit unit, double dpi,
                                      double devicePixels, double userExtent) const {
  // Every unit is linear in pixels, so the inverse is a division by one unit.
  return pixels / ToPixels(1.0, unit, dpi, devicePixels, userExtent);
}

double QPainterDrawTarget::ScaleX(double value, ScaleUnit from, ScaleUnit to) const {
  const double pixels = ToPixels(value, from, dpiX_, devicePixels_.width(), scale_.width);
  return FromPixels(pixels, to, dpiX_, devicePixels_.width(), scale_.width);
}

double QPainterDrawTarget::ScaleY(double value, ScaleUnit from, ScaleUnit to) const {
  const double pixels = ToPixels(value, from, dpiY_, devicePixels_.height(), scale_.height);
  return FromPixels(pixels, to, dpiY_, devicePixels_.height(), scale_.height);
}

// Text is measured on an enlarged copy of the font and scaled back: small
// sizes have their advances rounded to whole pixels, which would make the
// layout depend on the resolution and the preview's zoom.
double QPainterDrawTarget::MeasuringScale() const {
  constexpr double kMeasuringEmPixels = 512;
  const double emPixels = qfont_.pointSizeF() * dpiY_ / kPointsPerInch;
  return std::max(1.0, kMeasuringEmPixels / std::max(emPixels, 1e-3));
}

QFontMetricsF QPainterDrawTarget::MeasuringMetrics(double scale) const {
  QFont large(qfont_);
  large.setPointSizeF(qfont_.pointSizeF() * scale);
  return QFontMetricsF(QFont(large, painter_->device()), painter_->device());
}

std::string QPainterDrawTarget::MeasuringKey(char what, std::string_view text) const {
  std::string key = measuringFont_;
  key += what;
  key += text;
  return key;
}

double QPainterDrawTarget::TextWidth(std::string_view text) const {
  const double pixels = Measurements().Get(MeasuringKey('w', text), [&] {
    const double scale = MeasuringScale();
    const QFontMetricsF metrics = MeasuringMetrics(scale);
    double widest = 0;
    for (const QString& line : SplitLines(text)) {
      widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest / scale;
  });
  return ScaleX(pixels, ScaleUnit::Pixels, ScaleUnit::User);
}

double QPainterDrawTarget::TextHeight(std::string_view text) const {
  // The height of a line is the font's, whatever the text.
  const double scale = MeasuringScale();
  const double line =
      Measurements().Get(MeasuringKey('h', {}), [&] { return MeasuringMetrics(scale).height(); });
  const auto lines = static_cast<double>(SplitLines(text).size());
  return ScaleY(lines * line / scale, ScaleUnit::Pixels, ScaleUnit::User);
}

void QPainterDrawTarget::setFont(const FontSpec& font) {
  font_ = font;
  QFont qfont(ToQString(font.name));
  // Sizes are points on paper: resolving against the device's own
  // resolution keeps them physically right on screen, image, PDF and printer.
  // The preview multiplies sizes by its zoom, down to a tenth: tiny sizes
  // are real sizes there.
  const double points = std::isfinite(font.size) ? std::clamp(font.size, 0.01, 16384.0) : 10.0;
  qfont.setPointSizeF(points);
  qfont.setBold(font.bold);
  qfont.setItalic(font.italic);
  qfont.setUnderline(font.underline);
  qfont.setStrikeOut(font.strikethrough);
  // Unhinted outlines keep text widths proportional to the size, so the
  // zoomed preview lays text out as the printed page does.
  qfont.setHintingPreference(QFont::PreferNoHinting);
  qfont_ = QFont(qfont, painter_->device());
  // Everything the font resolves from on this device, exactly.
  const double exact[] = {points, dpiX_, dpiY_};
  measuringFont_ = std::to_string(font.name.size()) + ':' + font.name;
  measuringFont_.append(reinterpret_cast<const char*>(exact), sizeof exact);
  measuringFont_ += static_cast<char>(font.bold | font.italic << 1 | font.underline << 2 |
                                      font.strikethrough << 3);
  measuringFont_ += std::to_string(painter_->device()->devType());
  measuringFont_ += '\0';
}

void QPainterDrawTarget::setDrawWidth(int32_t pixels) {
  if (pixels < 1) RaiseInvalid("DrawWidth");
  drawWidth_ = pixels;
}

void QPainterDrawTarget::PaintPicture(std::string_view source, double x, double y, double width,
                                      double height) {
  const std::shared_ptr<const Picture> picture = LoadPictureSource(source);
  const double px = ScaleX(x - scale_.left, ScaleUnit::User, ScaleUnit::Pixels);
  const double py = ScaleY(y - scale_.top, ScaleUnit::User, ScaleUnit::Pixels);
  const double pw = ScaleX(width, ScaleUnit::User, ScaleUnit::Pixels);
  const double ph = ScaleY(height, ScaleUnit::User, ScaleUnit::Pixels);
  if (!(std::isfinite(px) && std::isfinite(py) && std::isfinite(pw) && std::isfinite(ph))) {
    RaiseInvalid("PaintPicture");
  }
  if (std::round(pw) == 0 || std::round(ph) == 0) return;
  painter_->save();
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  // A negative width or height mirrors the picture, as the classic call does.
  painter_->translate(std::round(px), std::round(py));  // whole pixels: bitmaps stay unblurred
  painter_->scale(pw < 0 ? -1 : 1, ph < 0 ? -1 : 1);
  picture->Paint(*painter_, QRectF(0, 0, std::round(std::abs(pw)), std::round(std::abs(ph))));
  painter_->restore();
}

void QPainterDrawTarget::PreparePrimitive() {
  const bool invert = drawMode_ == PenMode::Invert && canInvert_;
  QPen pen(ToQColor(foreColor_));
  pen.setWidth(drawWidth_);
  const bool styled = drawStyle_ != PenStyle::Solid;
  // The pattern is in pen widths, so a wide fold line keeps its proportions.
  if (styled) pen.setDashPattern(DashPattern(drawStyle_));
  pen.setCapStyle(drawWidth_ <= 1 || styled ? Qt::FlatCap : Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter_->setPen(pen);
  painter_->setBrush(fillStyle_ == BrushStyle::Solid ? QBrush(ToQColor(fillColor_)) : Qt::NoBrush);
  painter_->setRenderHint(QPainter::Antialiasing, false);
  painter_->setCompositionMode(invert ? QPainter::RasterOp_NotDestination
                                      : QPainter::CompositionMode_SourceOver);
}

void QPainterDrawTarget::DrawClosedShape(const QPainterPath& area,
                                         const std::function<void(QPainter&)>& draw) {
  PreparePrimitive();
  if (drawMode_ == PenMode::Invert && canInvert_ && fillStyle_ == BrushStyle::Solid) {
    // Outline and interior inverted as one area: where they overlap a pixel
    // must flip once, not twice.
    QPainterPathStroker stroker(painter_->pen());
    painter_->fillPath(area.united(stroker.createStroke(area)), Qt::black);
  } else {
    draw(*painter_);
  }
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void QPainterDrawTarget::setDeviceClip(std::optional<DeviceBox> box) {
  if (!box) {
    painter_->setClipping(false);
    return;
  }
  painter_->setClipRect(QRect(QPoint(box->topLeft.x, box->topLeft.y),
                              QPoint(box->bottomRight.x, box->bottomRight.y)));
}

void QPainterDrawTarget::DeviceLine(DevicePoint from, DevicePoint to) {
  PreparePrimitive();
  painter_->drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void QPainterDrawTarget::DevicePolyline(const std::vector<DevicePoint>& points) {
  if (points.size() < 2) return;
  QPolygon line;
  line.reserve(static_cast<qsizetype>(points.size()));
  for (const DevicePoint& p : points) line << QPoint(p.x, p.y);
  PreparePrimitive();
  painter_->drawPolyline(line);
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void QPainterDrawTarget::DeviceEllipse(DevicePoint topLeft, DevicePoint bottomRight) {
  const QRect box = GdiBox(topLeft, bottomRight);
  QPainterPath area;
  area.addEllipse(box);
  DrawClosedShape(area, [&](QPainter& painter) { painter.drawEllipse(box); });
}

void QPainterDrawTarget::DeviceRectangle(DevicePoint topLeft, DevicePoint bottomRight) {
  const QRect box = GdiBox(topLeft, bottomRight);
  QPainterPath area;
  area.addRect(box);
  DrawClosedShape(area, [&](QPainter& painter) { painter.drawRect(box); });
}

void QPainterDrawTarget::DevicePolygon(const std::vector<DevicePoint>& points) {
  if (points.empty()) return;
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const DevicePoint& p : points) polygon << QPoint(p.x, p.y);
  QPainterPath area;
  area.addPolygon(QPolygonF(polygon));
  area.closeSubpath();
  area.setFillRule(Qt::OddEvenFill);
  DrawClosedShape(area, [&](QPainter& painter) { painter.drawPolygon(polygon, Qt::OddEvenFill); });
}

// Text stays text on every device, PDF included. Drawn as glyph outlines, a
// dial page's content grows about twelvefold, and compressing it costs more
// than the font subsets Qt embeds when the document closes.
void QPainterDrawTarget::DeviceText(DevicePoint at, std::string_view text, const DeviceFont& font) {
  const QFont qfont =
      FontForPixelHeight(ToQString(font.name), font.heightPixels, font.weight, font.italic,
                         font.underline, font.strikethrough, painter_->device());
  const QFontMetricsF metrics(qfont, painter_->device());
  painter_->save();
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_->setRenderHint(QPainter::TextAntialiasing, true);
  painter_->setFont(qfont);
  painter_->setPen(ToQColor(foreColor_));
  painter_->setBackgroundMode(Qt::TransparentMode);
  painter_->translate(at.x, at.y);
  painter_->rotate(-font.escapementTenths / 10.0);  // counter-clockwise on the page
  double baseline = metrics.ascent();
  for (const QString& line : SplitLines(text)) {
    painter_->drawText(QPointF(0, baseline), line);
    baseline += metrics.height();
  }
  painter_->restore();
}
