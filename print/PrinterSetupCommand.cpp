#include "PrinterSetupCommand.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>

#include "Busy.h"
#include "MainModel.h"
#include "PrintJob.h"
#include "PrinterSetupQt.h"
#include "UiServices.h"

namespace {

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(PrinterSetupCommand)
};

}  // namespace

void MakeSetupDialog(QPrintDialog& dialog) {
  dialog.setWindowTitle(Texts::tr("Printer Setup"));
  // Set-up only: no page ranges, selection or output to a file; the page
  // size option is what shows the button to the paper and orientation.
  dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(Texts::tr("OK"));
  }
}

bool ShowPrintSetupDialog(QWidget* parent, PrinterSetup& printer) {
  auto* desktop = dynamic_cast<QtPrinterSetup*>(&printer);
  if (desktop == nullptr) return false;
  QPrintDialog dialog(&desktop->Printer(), parent);
  MakeSetupDialog(dialog);
  return dialog.exec() == QDialog::Accepted;
}

bool PrinterSetupCommand(QWidget* parent, MainModel& model, const StatusFunction& showStatus,
                         const SetupDialog& dialog) {
  model.lastError.Clear();
  const QString caption = Texts::tr("Printer Setup");
  if (!model.Printer().IsPrinterAvailable()) {
    ShowMessage(parent, MessageIcon::Information, QString::fromStdString(NoPrinterText()), caption);
    return false;
  }
  if (!dialog(parent, model.Printer())) return false;

  if (showStatus)
    showStatus(QStringLiteral("setup"), Texts::tr("Changing the printer settings..."));
  bool supported;
  {
    BusyScope busy(parent);
    supported = IsSupportedPaper(model.Printer().Current().paperSize);
  }
  if (showStatus) showStatus({}, {});
  if (!supported) {
    // The choice stays in force; the dial then prints at the A4 size.
    ShowMessage(parent, MessageIcon::Exclamation,
                Texts::tr("The selected paper size is not supported."), caption);
  }
  return true;
}
