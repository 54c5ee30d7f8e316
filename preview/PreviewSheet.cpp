#include "PreviewSheet.h"

#include "PrinterSetupQt.h"

PreviewSheet CurrentPreviewSheet(PrinterSetup& printer) {
  PreviewSheet sheet;
  sheet.printerAvailable = printer.IsPrinterAvailable();
  sheet.printer = printer.Current();
  const auto* desktop = dynamic_cast<QtPrinterSetup*>(&printer);
  if (sheet.printerAvailable && desktop != nullptr) {
    const QSizeF paper = desktop->SheetMillimeters();
    sheet.millimeters = {paper.width(), paper.height()};
  } else {
    sheet.millimeters = PaperSheetSize(sheet.printer.paperSize, sheet.printer.orientation);
  }
  return sheet;
}
