#include "PrinterSetupCommand.h"

#include <QCoreApplication>
#include <QPrintDialog>

#include "Busy.h"
#include "MainModel.h"
#include "PrinterSetupQt.h"
#include "UiServices.h"
#include "mdlPrint.h"

namespace {

QString Tr(const char* text) {
  return QCoreApplication::translate("PrinterSetupCommand", text);
}

}  // namespace

bool ShowPrintSetupDialog(QWidget* parent, PrinterSetup& printer) {
  auto* desktop = dynamic_cast<QtPrinterSetup*>(&printer);
  if (desktop == nullptr) return false;
  QPrintDialog dialog(&desktop->Printer(), parent);
  dialog.setWindowTitle(Tr("プリンタの設定"));
  // Set-up only: no page ranges, selection or output to a file.
  dialog.setOptions(QAbstractPrintDialog::PrintDialogOptions());
  return dialog.exec() == QDialog::Accepted;
}

bool PrinterSetupCommand(QWidget* parent, MainModel& model, const StatusFunction& showStatus,
                         const SetupDialog& dialog) {
  model.ClearLastError();
  const QString caption = Tr("プリンタの設定");
  if (!model.Printer().IsPrinterAvailable()) {
    ShowMessage(parent, MessageIcon::Information, Tr(kNoPrinterText), caption);
    return false;
  }
  if (!dialog(parent, model.Printer())) return false;

  if (showStatus) showStatus(QStringLiteral("setup"), Tr("プリンタの設定を変更しています..."));
  bool supported;
  {
    BusyScope busy(parent);
    supported = IsSupportedPaper(model.Printer().Current().PaperSize);
  }
  if (showStatus) showStatus({}, {});
  if (!supported) {
    // The choice stays in force; the dial then prints at the A4 size.
    ShowMessage(parent, MessageIcon::Exclamation,
                Tr("選択された用紙サイズはサポートしていません。"), caption);
  }
  return true;
}
