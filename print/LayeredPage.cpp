#include "LayeredPage.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "ImageExport.h"
#include "MainModel.h"
#include "OutputErrors.h"
#include "PlaneSheet.h"
#include "PrintJob.h"

namespace {

constexpr const char* kSource = "LayeredPage";
constexpr double kMillimetresPerInch = 25.4;
constexpr double kPointsPerInch = 72;
// A device pixel is a hundredth of a millimetre.
constexpr double kPixelsPerMillimetre = 100;
// A one-pixel pen is a printer's hairline, as thin as the PDF draws it.
constexpr double kHairlineMm = kMillimetresPerInch / 600;

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

const char* LayerName(DrawLayer layer) {
  switch (layer) {
    case DrawLayer::Face:
      return "face";
    case DrawLayer::HourLines:
      return "hour-lines";
    case DrawLayer::DateLines:
      return "date-lines";
    case DrawLayer::HourCurves:
      return "hour-curves";
    case DrawLayer::Labels:
      return "labels";
    case DrawLayer::Gnomon:
      return "gnomon";
    case DrawLayer::Cut:
      return "cut";
    case DrawLayer::Fold:
      return "fold";
  }
  return "face";
}

LayeredPageTarget::LayeredPageTarget(QPainter& painter, std::vector<LayeredItem>& items)
    : QPainterDrawTarget(painter, DrawTargetKind::PrinterPage, ScaleUnit::Millimeters,
                         UserScale{0, 0, painter.device()->width() / kPixelsPerMillimetre,
                                   painter.device()->height() / kPixelsPerMillimetre}),
      device_(painter.device()),
      items_(items) {}

UserPoint LayeredPageTarget::Millimetres(DevicePoint p) const {
  return {p.x / kPixelsPerMillimetre, p.y / kPixelsPerMillimetre};
}

LayeredItem& LayeredPageTarget::Add(LayeredShape shape, const std::vector<DevicePoint>& points,
                                    bool closed) {
  LayeredItem& item = items_.emplace_back();
  item.shape = shape;
  item.layer = layer_;
  item.points.reserve(points.size());
  for (const DevicePoint& p : points) item.points.push_back(Millimetres(p));
  item.stroke = ForeColor();
  item.strokeWidth = std::max(DrawWidth() / kPixelsPerMillimetre, kHairlineMm);
  item.strokeStyle = DrawStyle();
  item.filled = closed && FillStyle() == BrushStyle::Solid;
  item.fill = FillColor();
  return item;
}

// The sheet's background picture stays on the printed page and the PNG: a
// cutter has no use for it.
void LayeredPageTarget::PaintPicture(std::string_view, double, double, double, double) {}

void LayeredPageTarget::DeviceLine(DevicePoint from, DevicePoint to) {
  Add(LayeredShape::Line, {from, to}, false);
}

void LayeredPageTarget::DeviceEllipse(DevicePoint topLeft, DevicePoint bottomRight) {
  Add(LayeredShape::Ellipse, {topLeft, bottomRight}, true);
}

void LayeredPageTarget::DeviceRectangle(DevicePoint topLeft, DevicePoint bottomRight) {
  Add(LayeredShape::Rectangle, {topLeft, bottomRight}, true);
}

void LayeredPageTarget::DevicePolygon(const std::vector<DevicePoint>& points) {
  if (!points.empty()) Add(LayeredShape::Polygon, points, true);
}

void LayeredPageTarget::DevicePolyline(const std::vector<DevicePoint>& points) {
  if (points.size() >= 2) Add(LayeredShape::Polyline, points, false);
}

void LayeredPageTarget::DeviceText(DevicePoint at, std::string_view text, const DeviceFont& font) {
  LayeredItem& item = Add(LayeredShape::Text, {at}, false);
  item.layer = DrawLayer::Labels;
  item.text = text;
  item.fontName = font.name;
  item.weight = font.weight;
  item.italic = font.italic;
  item.angle = font.escapementTenths / 10.0;
  const QFont qfont = FontForPixelHeight(ToQString(font.name), font.heightPixels, font.weight,
                                         font.italic, font.underline, font.strikethrough, device_);
  const QFontMetricsF metrics(qfont, device_);
  item.emSize = qfont.pointSizeF() * kMillimetresPerInch / kPointsPerInch;
  item.ascent = metrics.ascent() / kPixelsPerMillimetre;
  item.lineHeight = metrics.height() / kPixelsPerMillimetre;
  item.capHeight = metrics.capHeight() / kPixelsPerMillimetre;
}

Status RecordLayeredPage(MainModel& main, const PageRequest& request, LayeredPage& page) {
  main.lastError.Clear();
  return TrapStatus(main.lastError, [&] {
    const SheetSize sheet = PaperSheetSize(request.paperSize, request.orientation);
    page = LayeredPage{sheet.width, sheet.height, {}, {}};
    QBuffer discarded;
    discarded.open(QIODevice::WriteOnly);
    // The generator only measures: nothing is painted on it.
    QSvgGenerator device;
    device.setOutputDevice(&discarded);
    device.setResolution(static_cast<int>(std::lround(kMillimetresPerInch * kPixelsPerMillimetre)));
    device.setSize(QSize(static_cast<int>(std::lround(sheet.width * kPixelsPerMillimetre)),
                         static_cast<int>(std::lround(sheet.height * kPixelsPerMillimetre))));
    QPainter painter;
    if (!painter.begin(&device)) RaiseError(kInvalidCallNumber, kSource, kInvalidCallText);
    LayeredPageTarget target(painter, page.items);
    const Status status = DrawExportPage(main, target, request, &page.origin);
    painter.end();
    return status;
  });
}
