#include "PrintCommand.h"

#include <QCoreApplication>

#include "Busy.h"
#include "MainModel.h"
#include "PrinterDocument.h"
#include "PrinterSetupQt.h"
#include "UiServices.h"
#include "mdlPrint.h"

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

QString Tr(const char* text) {
  return QCoreApplication::translate("PrintCommand", text);
}

// Lets the status text paint; the busy window takes no input meanwhile.
void ShowPendingPaint() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

int32_t PrintOnPrinter(MainModel& model, int16_t pageCount) {
  model.ClearLastError();
  auto* printer = dynamic_cast<QtPrinterSetup*>(&model.Printer());
  if (printer == nullptr || !printer->IsPrinterAvailable()) {
    return model.SaveLastError(RaisedError(kInvalidCallNumber, kSource, kNoPrinterText));
  }
  const PrinterProperties current = printer->Current();
  PrinterDocument document(printer->Printer(), current.PaperSize, current.Orientation);
  return PrintSundial(model, document, pageCount);
}

int32_t RunPrintCommand(QWidget* window, MainModel& model, int16_t pageCount,
                        const StatusFunction& showStatus, const PrintJob& job) {
  if (jobRunning) return kInvalidCallNumber;
  int32_t status;
  {
    JobGuard guard;
    BusyScope busy(window);
    const QString device = QString::fromStdString(model.Printer().Current().DeviceName);
    if (showStatus) showStatus(QStringLiteral("print"), device + Tr("に印刷しています..."));
    ShowPendingPaint();
    status = job(model, pageCount);
    ShowPendingPaint();
    if (showStatus) showStatus({}, {});
  }
  if (status != kTrue) {
    ShowMessage(window, MessageIcon::Exclamation,
                QString::fromStdString(model.LastErrDescription()), Tr("印刷"));
  }
  return status;
}
