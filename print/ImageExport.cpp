#include "ImageExport.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <memory>

#include "MainModel.h"
#include "OutputErrors.h"
#include "PrintJob.h"
#include "QPainterDrawTarget.h"
#include "SavedImage.h"
#include "SvgFontNames.h"
#include "Version.h"

namespace {

constexpr const char* kSource = "ImageExport";
constexpr double kMillimetersPerInch = 25.4;
// Keeps a mistaken resolution from asking for gigabytes.
constexpr double kMaxPixelsPerSide = 20000;

int16_t PageOf(const PageRequest& request) {
  return request.pageCount < 2 ? int16_t{1} : (request.page >= 2 ? int16_t{2} : int16_t{1});
}

// Layout and the page's routines on a sheet whose user area is the paper.
Status DrawPage(MainModel& main, DrawTarget& target, const PageRequest& request, double zoom,
                bool frame) {
  const SheetPlan plan = PlanSheet(main, target, PaperFactor(request.paperSize),
                                   request.orientation, request.pageCount, zoom);
  const Status status = DrawSundialPage(main, target, plan.layout, zoom, plan.paperFactor,
                                        PageOf(request), request.pageCount);
  if (!status.ok() || !frame) return status;
  return DrawMarginFrame(main, target);
}

// A PNG is made whole in memory, so its sides are limited; an SVG is drawn
// in vector form and takes any resolution.
QSize PixelSize(const SheetSize& sheet, double dpi, PageImageFormat format) {
  const double width = std::round(sheet.width / kMillimetersPerInch * dpi);
  const double height = std::round(sheet.height / kMillimetersPerInch * dpi);
  const double limit = format == PageImageFormat::Png ? kMaxPixelsPerSide : 1e6;
  if (!(width >= 1 && height >= 1 && width <= limit && height <= limit)) {
    RaiseError(kInvalidCallNumber, kSource, kInvalidCallText);
  }
  return QSize(static_cast<int>(width), static_cast<int>(height));
}

Status WritePng(MainModel& main, const std::string& path, const PageRequest& request) {
  const QSize size = PixelSize(PaperSheetSize(request.paperSize, request.orientation), request.dpi,
                               PageImageFormat::Png);
  QImage image(size, QImage::Format_RGB32);
  const int dotsPerMeter = static_cast<int>(std::lround(request.dpi / kMillimetersPerInch * 1000));
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    const auto target = QPainterDrawTarget::ForPage(painter, DrawTargetKind::PrinterPage);
    const Status status = DrawPage(main, *target, request, 1.0, main.general.debugMode);
    if (!status.ok()) return status;
  }
  if (!WriteImageFile(path, image, "PNG")) RaiseCannotWrite(kSource, path);
  return Status::Ok();
}

// The page is generated in memory, its font names made the installed ones,
// then written whole.
Status WriteSvg(MainModel& main, const std::string& path, const PageRequest& request) {
  const QSize size = PixelSize(PaperSheetSize(request.paperSize, request.orientation), request.dpi,
                               PageImageFormat::Svg);
  QBuffer generated;
  generated.open(QIODevice::WriteOnly);
  {
    QSvgGenerator generator;
    generator.setOutputDevice(&generated);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(static_cast<int>(std::lround(request.dpi)));
    generator.setTitle(kProductName);
    QPainter painter;
    if (!painter.begin(&generator)) RaiseCannotWrite(kSource, path);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const auto target = QPainterDrawTarget::ForPage(painter, DrawTargetKind::PrinterPage);
    const Status status = DrawPage(main, *target, request, 1.0, main.general.debugMode);
    painter.end();
    if (!status.ok()) return status;
  }
  if (!WriteEncodedFile(path, WithInstalledFontNames(generated.data()))) {
    RaiseCannotWrite(kSource, path);
  }
  return Status::Ok();
}

}  // namespace

int MaxPngDpi(int16_t paperSize, int16_t orientation) {
  const SheetSize sheet = PaperSheetSize(paperSize, orientation);
  return static_cast<int>(
      std::floor(kMaxPixelsPerSide * kMillimetersPerInch / std::max(sheet.width, sheet.height)));
}

Status ExportPageImage(MainModel& main, const std::string& path, PageImageFormat format,
                       const PageRequest& request) {
  main.lastError.Clear();
  return TrapStatus(main.lastError, [&] {
    return format == PageImageFormat::Png ? WritePng(main, path, request)
                                          : WriteSvg(main, path, request);
  });
}

Status RenderPreviewPage(MainModel& main, QPainter& painter, const PageRequest& request,
                         double zoom, bool showGuide) {
  return RenderPreviewPage(main, painter, request, zoom, showGuide,
                           PaperSheetSize(request.paperSize, request.orientation));
}

Status RenderPreviewPage(MainModel& main, QPainter& painter, const PageRequest& request,
                         double zoom, bool showGuide, const SheetSize& sheet) {
  main.lastError.Clear();
  return TrapStatus(main.lastError, [&] {
    const auto target = QPainterDrawTarget::ForPreview(painter, sheet.width, sheet.height);
    return DrawPage(main, *target, request, zoom, showGuide);
  });
}
