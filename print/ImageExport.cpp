#include "ImageExport.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cmath>
#include <memory>

#include "MainModel.h"
#include "OutputErrors.h"
#include "PrintJob.h"
#include "QPainterDrawTarget.h"
#include "SvgFontNames.h"
#include "Version.h"

namespace {

constexpr const char* kSource = "ImageExport";
constexpr double kMillimetersPerInch = 25.4;
// Keeps a mistaken resolution from asking for gigabytes.
constexpr double kMaxPixelsPerSide = 20000;

int16_t PageOf(const PageRequest& request) {
  return request.PageCount < 2 ? int16_t{1} : (request.Page >= 2 ? int16_t{2} : int16_t{1});
}

// Layout and the page's routines on a sheet whose user area is the paper.
int32_t DrawPage(MainModel& main, DrawTarget& target, const PageRequest& request, double zoom,
                 bool frame) {
  const double factor = FittedPaperFactor(main, target, PaperFactor(request.PaperSize),
                                          request.Orientation, request.PageCount, zoom);
  const DialLayout layout =
      LayoutPage(factor, request.Orientation, request.PageCount, main.Chart().Location().Latitude(),
                 target.ScaleWidth(), target.ScaleHeight());
  const int32_t status =
      DrawSundialPage(main, target, layout, zoom, factor, PageOf(request), request.PageCount);
  if (status != kTrue || !frame) return status;
  return DrawMarginFrame(main, target);
}

QSize PixelSize(const SheetSize& sheet, double dpi) {
  const double width = std::round(sheet.Width / kMillimetersPerInch * dpi);
  const double height = std::round(sheet.Height / kMillimetersPerInch * dpi);
  if (!(width >= 1 && height >= 1 && width <= kMaxPixelsPerSide && height <= kMaxPixelsPerSide)) {
    throw RaisedError(kInvalidCallNumber, kSource, kInvalidCallText);
  }
  return QSize(static_cast<int>(width), static_cast<int>(height));
}

int32_t WritePng(MainModel& main, const std::string& path, const PageRequest& request) {
  const QSize size = PixelSize(PaperSheetSize(request.PaperSize, request.Orientation), request.Dpi);
  QImage image(size, QImage::Format_RGB32);
  const int dotsPerMeter = static_cast<int>(std::lround(request.Dpi / kMillimetersPerInch * 1000));
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    const auto target = QPainterDrawTarget::ForPage(painter, DrawTargetKind::PrinterPage);
    const int32_t status = DrawPage(main, *target, request, 1.0, main.General.DebugMode);
    if (status != kTrue) return status;
  }
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
    RaiseCannotWrite(kSource, path);
  }
  return kTrue;
}

// The page is generated in memory, its font names made the installed ones,
// then written whole.
int32_t WriteSvg(MainModel& main, const std::string& path, const PageRequest& request) {
  const QSize size = PixelSize(PaperSheetSize(request.PaperSize, request.Orientation), request.Dpi);
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) RaiseCannotWrite(kSource, path);
  QBuffer generated;
  generated.open(QIODevice::WriteOnly);
  {
    QSvgGenerator generator;
    generator.setOutputDevice(&generated);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(static_cast<int>(std::lround(request.Dpi)));
    generator.setTitle(kProductName);
    QPainter painter;
    if (!painter.begin(&generator)) RaiseCannotWrite(kSource, path);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const auto target = QPainterDrawTarget::ForPage(painter, DrawTargetKind::PrinterPage);
    const int32_t status = DrawPage(main, *target, request, 1.0, main.General.DebugMode);
    painter.end();
    if (status != kTrue) {
      file.cancelWriting();
      return status;
    }
  }
  const QByteArray svg = WithInstalledFontNames(generated.data());
  if (file.write(svg) != svg.size() || !file.commit()) RaiseCannotWrite(kSource, path);
  return kTrue;
}

}  // namespace

int32_t ExportPageImage(MainModel& main, const std::string& path, PageImageFormat format,
                        const PageRequest& request) {
  main.ClearLastError();
  try {
    return format == PageImageFormat::Png ? WritePng(main, path, request)
                                          : WriteSvg(main, path, request);
  } catch (const RaisedError& e) {
    return main.SaveLastError(e);
  }
}

int32_t RenderPreviewPage(MainModel& main, QPainter& painter, const PageRequest& request,
                          double zoom, bool showGuide) {
  return RenderPreviewPage(main, painter, request, zoom, showGuide,
                           PaperSheetSize(request.PaperSize, request.Orientation));
}

int32_t RenderPreviewPage(MainModel& main, QPainter& painter, const PageRequest& request,
                          double zoom, bool showGuide, const SheetSize& sheet) {
  main.ClearLastError();
  try {
    const auto target = QPainterDrawTarget::ForPreview(painter, sheet.Width, sheet.Height);
    return DrawPage(main, *target, request, zoom, showGuide);
  } catch (const RaisedError& e) {
    return main.SaveLastError(e);
  }
}
