#include "PreviewSheet.h"

#include "PrinterSetupQt.h"

PreviewSheet CurrentPreviewSheet(PrinterSetup& printer) {
  PreviewSheet sheet;
  sheet.PrinterAvailable = printer.IsPrinterAvailable();
  sheet.Printer = printer.Current();
  const auto* desktop = dynamic_cast<QtPrinterSetup*>(&printer);
  if (sheet.PrinterAvailable && desktop != nullptr) {
    const QSizeF paper = desktop->SheetMillimeters();
    sheet.Millimeters = {paper.width(), paper.height()};
  } else {
    sheet.Millimeters = PaperSheetSize(sheet.Printer.PaperSize, sheet.Printer.Orientation);
  }
  return sheet;
}
