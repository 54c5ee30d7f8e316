// The print job on a real printer: Qt Print Support, which hands the pages
// to the desktop's print system (CUPS). The pages are drawn on the printable
// area in millimetres; the printer's margins give the physical offsets.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "PrintDevice.h"

class QPainter;
class QPainterDrawTarget;
class QPrinter;

class PrinterDevice : public PrintDevice {
 public:
  PrinterDevice(QPrinter& printer, int16_t paperSize, int16_t orientation,
                  std::string title = "Umbrafex");
  ~PrinterDevice() override;

  int16_t PaperSize() const override { return paperSize_; }
  int16_t Orientation() const override { return orientation_; }
  void StartDoc() override;
  DrawTarget& Page() override;
  void NewPage() override;
  void EndDoc() override;
  void KillDoc() noexcept override;

 private:
  [[noreturn]] void RaiseCannotPrint() const;

  QPrinter& printer_;
  int16_t paperSize_;
  int16_t orientation_;
  std::string title_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<QPainterDrawTarget> target_;
};
