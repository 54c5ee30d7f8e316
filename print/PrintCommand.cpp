#include "PrintCommand.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPointer>
#include <QPrinter>
#include <QTemporaryDir>
#include <QWidget>

#include "Busy.h"
#include "MainModel.h"
#include "PrintJob.h"
#include "PrinterDevice.h"
#include "PrinterSetupQt.h"
#include "TiledJob.h"
#include "UiServices.h"
#include "UiText.h"

namespace {

constexpr const char* kSource = "Printer";
bool jobRunning = false;

// Marks the one job that may run, whichever way the command ends.
class JobGuard {
 public:
  JobGuard() { jobRunning = true; }
  ~JobGuard() { jobRunning = false; }
  JobGuard(const JobGuard&) = delete;
  JobGuard& operator=(const JobGuard&) = delete;
};

// Holds the window's close requests back while its job runs: the window
// manager's close button still reaches a disabled window.
class CloseBlocker : public QObject {
 public:
  explicit CloseBlocker(QWidget* window) : window_(window) {
    if (window_) window_->installEventFilter(this);
  }
  ~CloseBlocker() override {
    if (window_) window_->removeEventFilter(this);
  }
  CloseBlocker(const CloseBlocker&) = delete;
  CloseBlocker& operator=(const CloseBlocker&) = delete;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Close) return false;
    event->ignore();
    return true;
  }

 private:
  QPointer<QWidget> window_;
};

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(PrintCommand)
};

// Lets the status text paint; the busy window takes no input meanwhile.
void ShowPendingPaint() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// Clicks and keys that came during the job reach the still disabled window
// and are dropped, rather than starting a second job once it is enabled.
void DropInputOfTheJob() {
  QCoreApplication::processEvents();
}

}  // namespace

std::string NoPrinterText() {
  return TranslateText("PrintCommand", "No usable printer was found.");
}

namespace {

// Draws the job into a scratch PDF of the printer's sheet first, so that a
// failure leaves nothing half-printed, then on the printer.
template <typename Job>
Status Rehearsed(QPrinter& printer, int16_t paperSize, int16_t orientation, const Job& job) {
  const QTemporaryDir scratch;
  if (scratch.isValid()) {
    // Same sheet, margins and resolution, so the pages draw exactly alike.
    QPrinter rehearsal(QPrinter::HighResolution);
    rehearsal.setOutputFormat(QPrinter::PdfFormat);
    rehearsal.setOutputFileName(scratch.filePath(QStringLiteral("rehearsal.pdf")));
    rehearsal.setResolution(printer.resolution());
    rehearsal.setPageLayout(printer.pageLayout());
    PrinterDevice document(rehearsal, paperSize, orientation);
    if (const Status status = job(document); !status.ok()) return status;
  }
  PrinterDevice document(printer, paperSize, orientation);
  return job(document);
}

// The job on the current printer, or NoPrinterText() without a usable one.
template <typename Job>
Status OnPrinter(MainModel& model, const Job& job) {
  model.lastError.Clear();
  auto* printer = dynamic_cast<QtPrinterSetup*>(&model.Printer());
  if (printer == nullptr || !printer->IsPrinterAvailable()) {
    return model.lastError.Record(kInvalidCallNumber, kSource, NoPrinterText());
  }
  return job(printer->Printer(), printer->Current());
}

}  // namespace

Status PrintOnPrinter(MainModel& model, int16_t pageCount) {
  return OnPrinter(model, [&](QPrinter& printer, const PrinterProperties& current) {
    return PrintRehearsed(model, printer, current.paperSize, current.orientation, pageCount);
  });
}

Status PrintTilesOnPrinter(MainModel& model) {
  return OnPrinter(model, [&](QPrinter& printer, const PrinterProperties& current) {
    return Rehearsed(printer, current.paperSize, current.orientation,
                     [&](PrintDevice& document) { return PrintTiledSundial(model, document); });
  });
}

Status PrintRehearsed(MainModel& model, QPrinter& printer, int16_t paperSize, int16_t orientation,
                      int16_t pageCount, const SundialRoutines& routines) {
  return Rehearsed(printer, paperSize, orientation, [&](PrintDevice& document) {
    return PrintSundial(model, document, pageCount, routines);
  });
}

Status RunPrintCommand(QWidget* window, MainModel& model, int16_t pageCount,
                       const StatusFunction& showStatus, const PrintJob& job) {
  if (jobRunning) return Status::Error(kInvalidCallNumber);
  Status status;
  {
    JobGuard guard;
    BusyScope busy(window);
    const CloseBlocker blocker(window);
    const QString device = QString::fromStdString(model.Printer().Current().deviceName);
    if (showStatus) showStatus(QStringLiteral("print"), Texts::tr("Printing on %1...").arg(device));
    ShowPendingPaint();
    status = job(model, pageCount);
    DropInputOfTheJob();
    if (showStatus) showStatus({}, {});
  }
  if (!status.ok()) {
    ShowMessage(window, MessageIcon::Exclamation,
                QString::fromStdString(model.lastError.description), Texts::tr("Print"));
  }
  return status;
}
