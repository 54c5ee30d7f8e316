// The sheet the preview shows: the current printer's paper as it lies, or
// without a usable printer A4 portrait (or the paper a document named).
#pragma once

#include "PrinterSettings.h"
#include "PrintJob.h"

struct PreviewSheet {
  bool PrinterAvailable = false;
  PrinterProperties Printer;  // device name, paper code, orientation
  SheetSize Millimeters;
};

PreviewSheet CurrentPreviewSheet(PrinterSetup& printer);

inline constexpr double kTwipsPerMillimeter = 1440 / 25.4;
