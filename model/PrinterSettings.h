// The printer set-up as the settings document stores it. The print
// subsystem implements it for the real printers; without one there is no
// usable printer.
#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>

// The platform's paper-size codes of the supported papers.
inline constexpr int16_t kPaperLetter = 1;
inline constexpr int16_t kPaperLegal = 5;
inline constexpr int16_t kPaperA3 = 8;
inline constexpr int16_t kPaperA4 = 9;
inline constexpr int16_t kPaperA5 = 11;
inline constexpr int16_t kPaperB4 = 12;
inline constexpr int16_t kPaperB5 = 13;

// Printer orientations.
inline constexpr int16_t kPortrait = 1;
inline constexpr int16_t kLandscape = 2;

// The current printer's set-up values, named as the document's keys.
struct PrinterProperties {
  std::string deviceName;
  int16_t paperSize = 0;
  int16_t paperBin = 0;
  int16_t printQuality = 0;
  int16_t colorMode = 0;
  int16_t duplex = 0;
  int16_t orientation = 0;
  int32_t zoom = 0;
  int16_t copies = 0;
};

class PrinterSetup {
 public:
  virtual ~PrinterSetup() = default;

  // False when no printer is installed (or only a rendering stand-in).
  virtual bool IsPrinterAvailable() const = 0;
  // The current printer's values.
  virtual PrinterProperties Current() const = 0;
  // Makes the installed printer of that device name (letter case ignored)
  // the current one; false when there is none.
  virtual bool SelectPrinter(const std::string& deviceName) = 0;
  // Each setter returns false when the printer refuses the value.
  virtual bool setPaperSize(int16_t value) = 0;
  virtual bool setPaperBin(int16_t value) = 0;
  virtual bool setPrintQuality(int16_t value) = 0;
  virtual bool setColorMode(int16_t value) = 0;
  virtual bool setDuplex(int16_t value) = 0;
  virtual bool setOrientation(int16_t value) = 0;
  virtual bool setZoom(int32_t value) = 0;
  virtual bool setCopies(int16_t value) = 0;

  // Without a usable printer: the [Printer] values of the document last
  // read, written back when it is saved so that moving a document through a
  // machine without a printer does not lose its paper and printer.
  virtual void KeepDocumentValues(const PrinterProperties&) {}
  virtual std::optional<PrinterProperties> DocumentValues() const { return std::nullopt; }
};

// The set-up of a system without a usable printer. Nothing prints, but the
// preview and the paper checks still need a sheet: A4 portrait, or one of
// the four supported papers and an orientation that a document names.
class NoPrinterSetup : public PrinterSetup {
 public:
  bool IsPrinterAvailable() const override { return false; }
  PrinterProperties Current() const override {
    PrinterProperties sheet;
    sheet.paperSize = paperSize_;
    sheet.orientation = orientation_;
    return sheet;
  }
  bool SelectPrinter(const std::string&) override { return false; }
  bool setPaperSize(int16_t value) override {
    constexpr int16_t kPapers[] = {kPaperA3, kPaperA4,     kPaperB4,   kPaperB5,
                                   kPaperA5, kPaperLetter, kPaperLegal};
    if (std::find(std::begin(kPapers), std::end(kPapers), value) == std::end(kPapers)) {
      return false;
    }
    paperSize_ = value;
    return true;
  }
  bool setOrientation(int16_t value) override {
    if (value != kPortrait && value != kLandscape) return false;
    orientation_ = value;
    return true;
  }
  bool setPaperBin(int16_t) override { return false; }
  bool setPrintQuality(int16_t) override { return false; }
  bool setColorMode(int16_t) override { return false; }
  bool setDuplex(int16_t) override { return false; }
  bool setZoom(int32_t) override { return false; }
  bool setCopies(int16_t) override { return false; }
  void KeepDocumentValues(const PrinterProperties& values) override { kept_ = values; }
  std::optional<PrinterProperties> DocumentValues() const override { return kept_; }

 private:
  int16_t paperSize_ = kPaperA4;
  int16_t orientation_ = kPortrait;
  std::optional<PrinterProperties> kept_;
};
