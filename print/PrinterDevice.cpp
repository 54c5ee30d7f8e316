#include "PrinterDevice.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

#include "QPainterDrawTarget.h"
#include "EngineErrors.h"

namespace {
constexpr const char* kSource = "PrinterDocument";
}

PrinterDevice::PrinterDevice(QPrinter& printer, int16_t paperSize, int16_t orientation,
                                 std::string title)
    : printer_(printer),
      paperSize_(paperSize),
      orientation_(orientation),
      title_(std::move(title)) {}

PrinterDevice::~PrinterDevice() {
  KillDoc();
}

void PrinterDevice::RaiseCannotPrint() const {
  const QString text = QCoreApplication::translate("PrinterDevice", "Cannot print on %1.");
  RaiseError(kFileAccessNumber, kSource, text.arg(printer_.printerName()).toStdString());
}

void PrinterDevice::StartDoc() {
  KillDoc();
  printer_.setFullPage(false);  // the printable area, origin at its corner
  printer_.setDocName(QString::fromStdString(title_));
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(&printer_)) {
    painter_.reset();
    RaiseCannotPrint();
  }
  target_ = QPainterDrawTarget::ForPage(*painter_, DrawTargetKind::PrinterPage);
}

DrawTarget& PrinterDevice::Page() {
  if (!target_) RaiseError(kInvalidCallNumber, kSource, kInvalidCallText);
  return *target_;
}

void PrinterDevice::NewPage() {
  if (!painter_ || !printer_.newPage()) RaiseCannotPrint();
}

void PrinterDevice::EndDoc() {
  if (!painter_) RaiseError(kInvalidCallNumber, kSource, kInvalidCallText);
  target_.reset();
  const bool ended = painter_->end();
  painter_.reset();
  if (!ended || printer_.printerState() == QPrinter::Error) RaiseCannotPrint();
}

void PrinterDevice::KillDoc() noexcept {
  target_.reset();
  if (painter_ && painter_->isActive()) {
    // Qt's PDF and CUPS engines cannot abort: what was drawn is still sent.
    // The print command rehearses the job first for that reason.
    printer_.abort();
    painter_->end();
  }
  painter_.reset();
}
