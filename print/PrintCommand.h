// The print command of the main window and the preview: the output checks,
// then the job on the current printer, drawn first into a scratch PDF.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <string>

#include "EngineErrors.h"
#include "PrintJob.h"
#include "UiServices.h"

class MainModel;
class QPrinter;
class QWidget;

// What the print commands say when no printer can be used.
std::string NoPrinterText();

// Prints the design on the current printer (pageCount below 2: one page,
// otherwise dial and gnomon on two). Ok, or the failure's status with the
// last-error record filled; without a usable printer that is NoPrinterText().
Status PrintOnPrinter(MainModel& model, int16_t pageCount);
// The same for the face size on as many sheets as it needs (TiledJob.h).
Status PrintTilesOnPrinter(MainModel& model);

// The job on this printer. A job handed to CUPS cannot be withdrawn once
// begun, so the pages are first rehearsed into a scratch PDF of the same
// sheet: a routine that fails there stops the job before the printer sees
// any of it.
Status PrintRehearsed(MainModel& model, QPrinter& printer, int16_t paperSize, int16_t orientation,
                      int16_t pageCount, const SundialRoutines& routines = {});

using PrintJob = std::function<Status(MainModel&, int16_t)>;

// The print command after the calling window's checks: the device name in
// the status, the window busy (no command re-enters) until the job ends,
// then the failure's description with the caption "Print". Ok or the failure's
// status; a call while a job runs does nothing and gives an error of
// kInvalidCallNumber.
Status RunPrintCommand(QWidget* window, MainModel& model, int16_t pageCount,
                       const StatusFunction& showStatus, const PrintJob& job = PrintOnPrinter);
