// The printer that file export prints on: always available, offering the
// four supported papers in both orientations. A settings document's printer
// section sets its paper and orientation as it would a real printer's.
#pragma once

#include "PrintJob.h"
#include "PrinterSettings.h"

class ExportPrinterSetup : public PrinterSetup {
 public:
  ExportPrinterSetup() {
    properties_.deviceName = "Umbrafex Export";
    properties_.paperSize = kPaperA4;
    properties_.orientation = kPortrait;
    properties_.zoom = 100;
    properties_.copies = 1;
  }

  bool IsPrinterAvailable() const override { return true; }
  PrinterProperties Current() const override { return properties_; }
  bool SelectPrinter(const std::string&) override { return false; }  // the only one
  // Like a printer without that paper, it refuses the unsupported sizes.
  bool setPaperSize(int16_t value) override {
    if (!IsSupportedPaper(value)) return false;
    properties_.paperSize = value;
    return true;
  }
  bool setOrientation(int16_t value) override {
    if (value != kPortrait && value != kLandscape) return false;
    properties_.orientation = value;
    return true;
  }
  bool setPaperBin(int16_t value) override { return Keep(properties_.paperBin, value); }
  bool setPrintQuality(int16_t value) override { return Keep(properties_.printQuality, value); }
  bool setColorMode(int16_t value) override { return Keep(properties_.colorMode, value); }
  bool setDuplex(int16_t value) override { return Keep(properties_.duplex, value); }
  bool setZoom(int32_t value) override { return Keep(properties_.zoom, value); }
  bool setCopies(int16_t value) override { return Keep(properties_.copies, value); }

 private:
  template <typename T>
  static bool Keep(T& field, T value) {
    field = value;
    return true;
  }

  PrinterProperties properties_;
};
