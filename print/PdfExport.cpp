#include "PdfExport.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "MainModel.h"
#include "OutputErrors.h"
#include "PlaneSheet.h"
#include "PrintJob.h"
#include "QPainterDrawTarget.h"
#include "SavedImage.h"
#include "Version.h"

namespace {

constexpr const char* kSource = "PdfExport";

QPageSize::PageSizeId QtPageSize(int16_t paperSize) {
  switch (paperSize) {
    case kPaperA3:
      return QPageSize::A3;
    case kPaperB4:
      return QPageSize::JisB4;
    case kPaperB5:
      return QPageSize::JisB5;
    case kPaperA5:
      return QPageSize::A5;
    case kPaperLetter:
      return QPageSize::Letter;
    case kPaperLegal:
      return QPageSize::Legal;
    default:
      return QPageSize::A4;  // unsupported papers print on A4 at factor 1.0
  }
}

}  // namespace

PdfDevice::PdfDevice(std::string path, int16_t paperSize, int16_t orientation, int resolution)
    : path_(std::move(path)),
      paperSize_(paperSize),
      orientation_(orientation),
      resolution_(resolution) {}

PdfDevice::~PdfDevice() {
  KillDoc();
}

void PdfDevice::StartDoc() {
  Close();
  file_ = std::make_unique<QBuffer>();
  if (!file_->open(QIODevice::WriteOnly)) RaiseCannotWrite(kSource, path_);
  writer_ = std::make_unique<QPdfWriter>(file_.get());
  writer_->setCreator(kProductName);
  writer_->setTitle(kProductName);
  writer_->setResolution(resolution_);
  const QPageLayout::Orientation orientation =
      orientation_ == kPortrait ? QPageLayout::Portrait : QPageLayout::Landscape;
  writer_->setPageLayout(QPageLayout(QPageSize(QtPageSize(paperSize_)), orientation,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(writer_.get())) RaiseCannotWrite(kSource, path_);
  target_ = QPainterDrawTarget::ForPage(*painter_, DrawTargetKind::PrinterPage);
}

DrawTarget& PdfDevice::Page() {
  if (!target_) RaiseError(kInvalidCallNumber, kSource, kInvalidCallText);
  return *target_;
}

void PdfDevice::NewPage() {
  if (!writer_ || !writer_->newPage()) RaiseCannotWrite(kSource, path_);
}

void PdfDevice::EndDoc() {
  if (!painter_) RaiseError(kInvalidCallNumber, kSource, kInvalidCallText);
  target_.reset();
  const bool painted = painter_->end();
  painter_.reset();
  writer_.reset();  // flushes the PDF into the file
  const bool written = painted && WriteEncodedFile(path_, file_->buffer());
  file_.reset();
  if (!written) RaiseCannotWrite(kSource, path_);
}

void PdfDevice::KillDoc() noexcept {
  Close();
}

void PdfDevice::Close() noexcept {
  target_.reset();
  if (painter_ && painter_->isActive()) painter_->end();
  painter_.reset();
  writer_.reset();
  file_.reset();  // nothing reaches the disk before EndDoc
}

Status ExportPdf(MainModel& main, const std::string& path, int16_t paperSize, int16_t orientation,
                 int16_t pageCount, std::optional<double> fittedPaperFactor) {
  PdfDevice document(path, paperSize, orientation);
  return PrintSundial(main, document, pageCount, {}, fittedPaperFactor);
}

namespace {

// Runs measure on the first page of an unwritten PDF of that paper.
template <typename Measure>
auto OnUnwrittenPage(int16_t paperSize, int16_t orientation, Measure measure) {
  PdfDevice page("", paperSize, orientation);
  page.StartDoc();
  return measure(page.Page());
}

}  // namespace

SheetPlan PlanPaperSheet(MainModel& main, int16_t paperSize, int16_t orientation,
                         int16_t pageCount) {
  return OnUnwrittenPage(paperSize, orientation, [&](DrawTarget& sheet) {
    return PlanSheet(main, sheet, PaperFactor(paperSize), orientation, pageCount);
  });
}

PlaneSheet PlanPaperPlaneSheet(MainModel& main, int16_t paperSize, int16_t orientation,
                               int16_t pageCount) {
  return OnUnwrittenPage(paperSize, orientation, [&](DrawTarget& sheet) {
    return LayPlaneSheet(main, main.Chart(), sheet.ScaleWidth(), sheet.ScaleHeight(),
                         PageMarginsOf(sheet), PaperFactor(paperSize), pageCount);
  });
}

std::optional<double> HoldingPaperFactor(MainModel& main, int16_t paperSize, int16_t orientation,
                                         int16_t pageCount) {
  return OnUnwrittenPage(paperSize, orientation, [&](DrawTarget& sheet) {
    return FittingPaperFactor(main, sheet, PaperFactor(paperSize), orientation, pageCount);
  });
}
