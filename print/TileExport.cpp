#include "TileExport.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include "OutputErrors.h"
#include "PdfExport.h"
#include "PrintDevice.h"
#include "PrintJob.h"
#include "QPainterDrawTarget.h"
#include "SavedImage.h"
#include "SvgFontNames.h"
#include "TiledJob.h"
#include "Version.h"

namespace {

constexpr const char* kSource = "TileExport";
constexpr double kMillimetersPerInch = 25.4;

// Each sheet a picture in memory; the files are written when the job ends.
class PictureSheets : public PrintDevice {
 public:
  PictureSheets(std::string path, ExportKind kind, int16_t paperSize, int16_t orientation,
                double dpi)
      : path_(std::move(path)),
        kind_(kind),
        paperSize_(paperSize),
        orientation_(orientation),
        dpi_(dpi) {
    const SheetSize sheet = PaperSheetSize(paperSize, orientation);
    size_ = QSize(static_cast<int>(std::lround(sheet.width / kMillimetersPerInch * dpi)),
                  static_cast<int>(std::lround(sheet.height / kMillimetersPerInch * dpi)));
  }

  int16_t PaperSize() const override { return paperSize_; }
  int16_t Orientation() const override { return orientation_; }
  void StartDoc() override { Begin(); }
  DrawTarget& Page() override {
    if (!target_) RaiseError(kInvalidCallNumber, kSource, kInvalidCallText);
    return *target_;
  }
  void NewPage() override {
    Finish();
    Begin();
  }
  void NamePage(const std::string& name) override { name_ = name; }
  void EndDoc() override {
    Finish();
    for (const auto& [name, bytes] : done_) {
      if (!WriteEncodedFile(NamedPicturePath(path_, name), bytes)) {
        RaiseCannotWrite(kSource, NamedPicturePath(path_, name));
      }
    }
    done_.clear();
  }
  void KillDoc() noexcept override {
    target_.reset();
    if (painter_.isActive()) painter_.end();
    done_.clear();
  }

 private:
  void Begin() {
    name_ = std::to_string(done_.size() + 1);
    if (kind_ == ExportKind::Png) {
      image_ = QImage(size_, QImage::Format_RGB32);
      const int dotsPerMeter = static_cast<int>(std::lround(dpi_ / kMillimetersPerInch * 1000));
      image_.setDotsPerMeterX(dotsPerMeter);
      image_.setDotsPerMeterY(dotsPerMeter);
      image_.fill(Qt::white);
      if (!painter_.begin(&image_)) RaiseCannotWrite(kSource, path_);
    } else {
      svg_ = std::make_unique<QBuffer>();
      svg_->open(QIODevice::WriteOnly);
      generator_ = std::make_unique<QSvgGenerator>();
      generator_->setOutputDevice(svg_.get());
      generator_->setSize(size_);
      generator_->setViewBox(QRect(QPoint(0, 0), size_));
      generator_->setResolution(static_cast<int>(std::lround(dpi_)));
      generator_->setTitle(kProductName);
      if (!painter_.begin(generator_.get())) RaiseCannotWrite(kSource, path_);
      painter_.fillRect(QRect(QPoint(0, 0), size_), Qt::white);
    }
    target_ = QPainterDrawTarget::ForPage(painter_, DrawTargetKind::PrinterPage);
  }
  void Finish() {
    target_.reset();
    painter_.end();
    if (kind_ == ExportKind::Png) {
      QByteArray bytes;
      QBuffer buffer(&bytes);
      buffer.open(QIODevice::WriteOnly);
      if (!image_.save(&buffer, "PNG")) RaiseCannotWrite(kSource, path_);
      done_.emplace_back(name_, bytes);
    } else {
      generator_.reset();
      done_.emplace_back(name_, WithInstalledFontNames(svg_->data()));
      svg_.reset();
    }
  }

  std::string path_;
  ExportKind kind_;
  int16_t paperSize_;
  int16_t orientation_;
  double dpi_;
  QSize size_;
  std::string name_;
  QImage image_;
  std::unique_ptr<QBuffer> svg_;
  std::unique_ptr<QSvgGenerator> generator_;
  QPainter painter_;
  std::unique_ptr<QPainterDrawTarget> target_;
  std::vector<std::pair<std::string, QByteArray>> done_;
};

}  // namespace

Status ExportTiles(MainModel& main, const std::string& path, ExportKind kind, int16_t paperSize,
                   int16_t orientation, double dpi) {
  if (kind == ExportKind::Pdf) {
    PdfDevice document(path, paperSize, orientation);
    return PrintTiledSundial(main, document);
  }
  PictureSheets document(path, kind, paperSize, orientation, dpi);
  return PrintTiledSundial(main, document);
}
