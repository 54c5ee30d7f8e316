// Where the print job's pages go: a sheet to draw on in millimetres, page
// breaks, and an end that either keeps or discards what was drawn. A printer
// (PrinterDevice) and a PDF file (PdfDevice) stand behind it.
#pragma once

#include <cstdint>
#include <string>

#include "DrawTarget.h"

class PrintDevice {
 public:
  virtual ~PrintDevice() = default;

  // The platform's paper-size code (8 A3, 9 A4, 12 B4, 13 B5, others
  // unsupported) and orientation (1 portrait, 2 landscape).
  virtual int16_t PaperSize() const = 0;
  virtual int16_t Orientation() const = 0;

  // Opens the job. Afterwards Page() draws in millimetres of the printable
  // area with copy pen, solid 1-pixel lines and no fill, black on white.
  // Raises RaisedError when the job cannot be opened.
  virtual void StartDoc() = 0;
  // The current sheet; valid between StartDoc and EndDoc or KillDoc.
  virtual DrawTarget& Page() = 0;
  // Ends the current sheet and starts the next one.
  virtual void NewPage() = 0;
  // Names the current sheet ("A1"); a device of one file a sheet names the
  // file after it, others ignore it.
  virtual void NamePage(const std::string& name) { (void)name; }
  // Finishes the job; raises RaisedError when it cannot be written out.
  virtual void EndDoc() = 0;
  // Abandons the job: nothing of it is kept. Never fails.
  virtual void KillDoc() noexcept = 0;
};
