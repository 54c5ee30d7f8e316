// The desktop's printers through Qt Print Support (CUPS on Linux): the
// current printer with the values a settings document keeps, as the print
// job, the preview and the printer set-up use it.
#pragma once

#include <QPageSize>
#include <QSizeF>
#include <QStringList>
#include <memory>

#include "PrinterSettings.h"

class QPrinter;

// The platform's paper-size codes (1 Letter, 5 Legal, 8 A3, 9 A4, 11 A5,
// 12 JIS B4, 13 JIS B5, ...) and Qt's page sizes. A size without a code is
// 256, a user-defined paper.
int16_t PaperCodeOf(QPageSize::PageSizeId id);
// The page size of a code; QPageSize::Custom for a code without one.
QPageSize::PageSizeId PageSizeOfCode(int16_t code);

// Whether these installed printers give a usable printer: none does not,
// nor a single one named "Rendering Subsystem" (letter case ignored).
bool IsUsablePrinterSet(const QStringList& installed, const QString& current);

// The printer to use: the current one while it is installed; once it is
// gone (or none was chosen), the desktop's default, else the first one.
QString PrinterToUse(const QStringList& installed, const QString& current,
                     const QString& defaultName);

class QtPrinterSetup : public PrinterSetup {
 public:
  // Starts on the desktop's default printer, or the first installed one.
  QtPrinterSetup();
  ~QtPrinterSetup() override;

  bool IsPrinterAvailable() const override;
  // Without a usable printer: the preview's sheet (A4 portrait, or the
  // paper and orientation a document named).
  PrinterProperties Current() const override;
  bool SelectPrinter(const std::string& deviceName) override;
  bool setPaperSize(int16_t value) override;
  bool setPaperBin(int16_t value) override;
  bool setPrintQuality(int16_t value) override;
  bool setColorMode(int16_t value) override;
  bool setDuplex(int16_t value) override;
  bool setOrientation(int16_t value) override;
  bool setZoom(int32_t value) override;
  bool setCopies(int16_t value) override;
  void KeepDocumentValues(const PrinterProperties& values) override {
    sheet_.KeepDocumentValues(values);
  }
  std::optional<PrinterProperties> DocumentValues() const override {
    return sheet_.DocumentValues();
  }

  // The current printer, for the print job and the set-up dialog.
  QPrinter& Printer() { return Device(); }
  // The whole sheet in millimetres as it lies (orientation applied).
  QSizeF SheetMillimeters() const;

  static QStringList InstalledPrinters();

 private:
  QPrinter& Device() const;

  mutable std::unique_ptr<QPrinter> printer_;
  NoPrinterSetup sheet_;    // the sheet while no printer is usable
  PrinterProperties kept_;  // bin, quality and zoom: Qt has no place for them
};

// The set-up the program starts with: the desktop's printers.
std::shared_ptr<PrinterSetup> MakeSystemPrinterSetup();
