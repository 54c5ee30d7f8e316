#include "AboutBox.h"
#include "ClockWindow.h"
#include "Dialogs.h"
#include "ExportPagesCommand.h"
#include "HelpWindow.h"
#include "PreviewWindow.h"
#include "PrintCommand.h"
#include "PrinterSetupCommand.h"
#include "PrinterSetupQt.h"
#include "TableCommands.h"
#include "WallWindow.h"
#include "WindowHooks.h"
#include "YearGraphWindow.h"
#include "YearTables.h"

// The windows built into this program. An entry left empty keeps its
// command disabled.
WindowHooks InstalledHooks() {
  WindowHooks hooks;
  hooks.location = ShowLocationDialog;
  hooks.info = ShowInfoWindow;
  hooks.options = ShowOptionsDialog;
  hooks.print = [](QWidget* window, MainModel& model, int16_t pageCount,
                   const StatusFunction& status) {
    return RunPrintCommand(window, model, pageCount, status);
  };
  hooks.printerSetup = [](QWidget* parent, MainModel& model, const StatusFunction& status) {
    return PrinterSetupCommand(parent, model, status);
  };
  hooks.preview = ShowPreviewWindow;
  hooks.exportPages = [](QWidget* parent, MainModel& model, int16_t pageCount) {
    return ExportPagesCommand(parent, model, pageCount);
  };
  hooks.makePrinter = MakeSystemPrinterSetup;
  hooks.clock = ShowClockWindow;
  hooks.measureWall = ShowWallWindow;
  hooks.tableToFile = SaveTableToFile;
  hooks.tableToSpreadsheet = OpenTableInSpreadsheet;
  hooks.yearGraph = ShowYearGraph;
  hooks.helpContents = ShowHelpContents;
  hooks.about = ShowAboutBox;
  return hooks;
}
