// The printer that file export prints on: always available, offering the
// four supported papers in both orientations. A settings document's printer
// section sets its paper and orientation as it would a real printer's.
#pragma once

#include "PrinterSettings.h"
#include "PrintJob.h"

class ExportPrinterSetup : public PrinterSetup {
 public:
  ExportPrinterSetup() {
    properties_.DeviceName = "Umbrafex Export";
    properties_.PaperSize = kPaperA4;
    properties_.Orientation = kPortrait;
    properties_.Zoom = 100;
    properties_.Copies = 1;
  }

  bool IsPrinterAvailable() const override { return true; }
  PrinterProperties Current() const override { return properties_; }
  bool SelectPrinter(const std::string&) override { return false; }  // the only one
  // Like a printer without that paper, it refuses the unsupported sizes.
  bool setPaperSize(int16_t value) override {
    if (!IsSupportedPaper(value)) return false;
    properties_.PaperSize = value;
    return true;
  }
  bool setOrientation(int16_t value) override {
    if (value != kPortrait && value != kLandscape) return false;
    properties_.Orientation = value;
    return true;
  }
  bool setPaperBin(int16_t value) override { return Keep(properties_.PaperBin, value); }
  bool setPrintQuality(int16_t value) override { return Keep(properties_.PrintQuality, value); }
  bool setColorMode(int16_t value) override { return Keep(properties_.ColorMode, value); }
  bool setDuplex(int16_t value) override { return Keep(properties_.Duplex, value); }
  bool setZoom(int32_t value) override { return Keep(properties_.Zoom, value); }
  bool setCopies(int16_t value) override { return Keep(properties_.Copies, value); }

 private:
  template <typename T>
  static bool Keep(T& field, T value) {
    field = value;
    return true;
  }

  PrinterProperties properties_;
};
