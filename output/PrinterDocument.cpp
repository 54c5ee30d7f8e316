#include "PrinterDocument.h"

#include <QPainter>
#include <QPrinter>

#include "QPainterDrawTarget.h"
#include "mdlChartCommon.h"

namespace {
constexpr const char* kSource = "PrinterDocument";
}

PrinterDocument::PrinterDocument(QPrinter& printer, int16_t paperSize, int16_t orientation,
                                 std::string title)
    : printer_(printer),
      paperSize_(paperSize),
      orientation_(orientation),
      title_(std::move(title)) {}

PrinterDocument::~PrinterDocument() {
  KillDoc();
}

void PrinterDocument::RaiseCannotPrint() const {
  throw RaisedError(kFileAccessNumber, kSource,
                    "プリンタに出力できません。(" + printer_.printerName().toStdString() + ")");
}

void PrinterDocument::StartDoc() {
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

DrawTarget& PrinterDocument::Page() {
  if (!target_) throw RaisedError(kInvalidCallNumber, kSource, kInvalidCallText);
  return *target_;
}

void PrinterDocument::NewPage() {
  if (!painter_ || !printer_.newPage()) RaiseCannotPrint();
}

void PrinterDocument::EndDoc() {
  if (!painter_) throw RaisedError(kInvalidCallNumber, kSource, kInvalidCallText);
  target_.reset();
  const bool ended = painter_->end();
  painter_.reset();
  if (!ended || printer_.printerState() == QPrinter::Error) RaiseCannotPrint();
}

void PrinterDocument::KillDoc() noexcept {
  target_.reset();
  if (painter_ && painter_->isActive()) {
    // Qt's PDF and CUPS engines cannot abort: what was drawn is still sent.
    // The print command rehearses the job first for that reason.
    printer_.abort();
    painter_->end();
  }
  painter_.reset();
}
