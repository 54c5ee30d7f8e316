// The printer set-up command of the main window and the preview: the
// desktop's print dialog in set-up form (printer, paper, orientation,
// copies), then the warning about a paper the dial is not made for.
#pragma once

#include <functional>

#include "PrintCommand.h"

class MainModel;
class PrinterSetup;
class QWidget;

// Lets the user change the printer set-up; false when the user cancelled.
using SetupDialog = std::function<bool(QWidget* parent, PrinterSetup& printer)>;

class QPrintDialog;

// The Qt print dialog with page ranges and printing to a file hidden.
bool ShowPrintSetupDialog(QWidget* parent, PrinterSetup& printer);
// Turns Qt's print dialog into a set-up dialog: the printer's properties
// (paper and orientation) reachable, and "OK" instead of "Print", which
// would promise a print the set-up does not start.
void MakeSetupDialog(QPrintDialog& dialog);

// True unless the user cancelled (or there is no printer to set up, which
// is said with the caption "Printer Setup"). A paper other than A3, A4, A5,
// B4, B5, Letter or Legal stays chosen and is warned about.
bool PrinterSetupCommand(QWidget* parent, MainModel& model, const StatusFunction& showStatus,
                         const SetupDialog& dialog = ShowPrintSetupDialog);
