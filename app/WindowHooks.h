// The other windows as the main window starts them. Each program fills in
// the ones it has; a command whose entry is empty stays disabled.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "EngineErrors.h"
#include "UiServices.h"

class MainModel;
class PrinterSetup;
class QWidget;
enum class TableKind;

struct WindowHooks {
  // True after OK.
  std::function<bool(QWidget* parent, MainModel& model)> location;
  std::function<void(QWidget* parent, MainModel& model)> info;
  // True after OK; page 0 first, 3 the time zone.
  std::function<bool(QWidget* parent, MainModel& model, int page)> options;
  // Ok or the failure's status, with the model's last-error record filled.
  std::function<Status(QWidget* window, MainModel& model, int16_t pageCount,
                       const StatusFunction& showStatus)>
      print;
  std::function<bool(QWidget* parent, MainModel& model, const StatusFunction& showStatus)>
      printerSetup;
  std::function<void(QWidget* parent, MainModel& model, int16_t pageCount)> preview;
  // File menu "PDF/SVG/PNGに書き出し..."; the file written, empty when none was.
  std::function<QString(QWidget* parent, MainModel& model, int16_t pageCount)> exportPages;
  std::function<void(QWidget* parent, MainModel& model)> clock;
  // The dial-plane group's "Measure the wall..."; the facing to use, none
  // when the window was closed without one.
  std::function<std::optional<double>(QWidget* parent, const MainModel& model)> measureWall;
  std::function<void(QWidget* parent, MainModel& model, TableKind kind,
                     const StatusFunction& showStatus)>
      tableToFile;
  std::function<void(QWidget* parent, MainModel& model, TableKind kind,
                     const StatusFunction& showStatus)>
      tableToSpreadsheet;
  // Tables menu "均時差・太陽赤緯のグラフ...".
  std::function<void(QWidget* parent, MainModel& model)> yearGraph;
  std::function<void(QWidget* parent)> helpContents;
  std::function<void(QWidget* parent)> about;
  // The printer set-up the model starts with; none keeps the model's own.
  std::function<std::shared_ptr<PrinterSetup>()> makePrinter;
};

// The hooks of this build of the program, filled where the windows are
// linked in (InstalledHooks.cpp).
WindowHooks InstalledHooks();
