// The sheet the preview shows: the current printer's paper as it lies, or
// without a usable printer A4 portrait (or the paper a document named).
#pragma once

#include "PrintJob.h"
#include "PrinterSettings.h"

struct PreviewSheet {
  bool printerAvailable = false;
  PrinterProperties printer;  // device name, paper code, orientation
  SheetSize millimeters;
};

PreviewSheet CurrentPreviewSheet(PrinterSetup& printer);

inline constexpr double kTwipsPerMillimeter = 1440 / 25.4;
