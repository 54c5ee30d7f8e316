// The state of the main window without its widgets: the one chart, the
// settings groups, the document state and the last-error record. Every
// other window and command reads and writes the design through it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "Chart.h"
#include "DialDesign.h"
#include "EngineErrors.h"
#include "PrinterSettings.h"
#include "Settings.h"
#include "WindowPlacement.h"

class MainModel : public Settings {
 public:
  // The start-up state: engine modes, default location with the computer's
  // time zone, today's date basis, every group at its default.
  MainModel();

  ::Chart& Chart() { return chart_; }
  const ::Chart& Chart() const { return chart_; }

  // What the dial routines read: the settings, the chart, this error record.
  operator DialDesign() { return {*this, chart_, lastError}; }

  // Pushes the date basis (season.adjustEquation, season.seasonDate, the
  // latitude's hemisphere) into the chart. Ok or the failure's status.
  Status ApplySeason();

  // The settings document. Ok or the failure's status (last-error record filled).
  Status OpenDocument(const std::string& path);
  Status SaveDocument(const std::string& path);

  // The printer set-up the document's printer section reads and writes;
  // a set-up without any usable printer until one is given.
  PrinterSetup& Printer() const { return *printer_; }
  void setPrinter(std::shared_ptr<PrinterSetup> printer);

  std::string documentPath;
  std::string lastDir;
  // The language chosen in the Help menu, "ja" or "en"; empty to follow the
  // locale. Kept in the preferences, not in documents.
  std::string language;
  bool modified = false;
  // What the last failed routine leaves for its caller to show.
  ErrorRecord lastError;
  // The main window's place on the screen, kept in the preferences.
  WindowPlacement mainWindow;

 private:
  ::Chart chart_;
  std::shared_ptr<PrinterSetup> printer_ = std::make_shared<NoPrinterSetup>();
};
