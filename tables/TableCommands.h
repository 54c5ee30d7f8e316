// The tables of the equation of time and of the solar declination, handed
// out from the main window: as a comma-separated file through the save
// dialog, or as a workbook opened with the desktop's spreadsheet program.
#pragma once

#include <QString>
#include <functional>

#include "UiServices.h"
#include "YearTables.h"

class MainModel;
class QWidget;

// Shows a text with an icon (by name) in the main window's first status panel.
// The table as a CSV file: the save dialog, then the file. The chart's
// season is as before; LastDir becomes the chosen folder.
void SaveTableToFile(QWidget* parent, MainModel& model, TableKind kind,
                     const StatusFunction& showStatus);

// The table in a spreadsheet: the workbook into the user's cache folder,
// replacing an older one of the same name, opened with the desktop's
// program for it.
void OpenTableInSpreadsheet(QWidget* parent, MainModel& model, TableKind kind,
                            const StatusFunction& showStatus);

// The save dialog's caption, starting folder and suggested name, and filter.
FileRequest TableSaveRequest(const MainModel& model, TableKind kind);

// $XDG_CACHE_HOME/umbrafex/ and the suggested name ending in ".xlsx".
QString SpreadsheetWorkbookPath(const MainModel& model, TableKind kind);
