// The tables of the equation of time and of the solar declination for every
// day of one year, written as a comma-separated file or as a spreadsheet
// workbook with a line chart on a sheet of its own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "EngineErrors.h"

class Chart;
class MainModel;

enum class TableKind { EquationOfTime, SolarDeclination };

// What tells the two tables apart: their texts (English sources, given in
// the user's language by TableText) and the chart's value scale.
struct TableTexts {
  std::string_view fileCaption;  // save dialog and messages of the file output
  std::string_view fileStem;     // suggested file name without ".csv"
  std::string_view fileHeader;   // first line of the file
  std::string_view sheetName;
  std::string_view buildingTableText;  // A1 while the table is written
  std::string_view columnHeader;       // B3
  std::string_view buildingChartText;  // A1 while the chart is made
  std::string_view chartSheetName;
  std::string_view chartTitle;
  std::string_view finishedText;        // A1 when done
  std::string_view spreadsheetCaption;  // messages of the workbook output
  double axisMinimum;
  double axisMaximum;
  double axisMajorUnit;
};

const TableTexts& TableTextsOf(TableKind kind);
std::string TableText(std::string_view source);

struct TableRow {
  int month;
  int day;
  double value;  // minutes of the equation of time, or degrees of declination
};

struct YearTable {
  int year;  // a label only: 2000 for a leap year, else 2001
  std::vector<TableRow> rows;
};

// Walks the chart's season through every day of the year (leaving it at the
// last day) and collects the values. Raises the chart's error when a day
// number cannot be turned into a date.
YearTable BuildYearTable(Chart& chart, TableKind kind);

// "2001/1/1": year, month and day without leading zeros.
std::string TableDateText(int year, const TableRow& row);

// The file as text (UTF-8): header line, then date and value per day, each
// line ended by CR LF. The header is in the user's language.
std::string FormatTableFile(TableKind kind, const YearTable& table);

// "equation-of-time-x.csv" for the document x.ufx, "equation-of-time.csv"
// without one (in the user's language).
std::string SuggestedTableFileName(TableKind kind, std::string_view documentPath);
// The folder the save dialog starts in: the document's, else LastDir, else
// the program's folder.
std::string SuggestedTableFolder(std::string_view documentPath, std::string_view lastDir,
                                 std::string_view appFolder);

// The file output to a chosen path: LastDir becomes the path's folder; the
// file is written as a whole or not at all, in CP932 under Japanese and
// otherwise in UTF-8 after a byte-order mark. Ok or the failure's status,
// with the last-error record filled.
Status WriteTableFile(MainModel& model, TableKind kind, const std::string& path);

// The workbook output (.xlsx): the formatted table sheet and the line chart
// on its own sheet. Ok or the failure's status, with the last-error record
// filled. Written as a whole or not at all.
Status WriteTableWorkbook(MainModel& model, TableKind kind, const std::string& path);

// The description of a failed output: "Cannot save PATH.".
std::string CannotSaveMessage(std::string_view path);
