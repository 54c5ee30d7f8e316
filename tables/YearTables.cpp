#include "YearTables.h"

#include "Chart.h"
#include "FileIo.h"
#include "MainModel.h"
#include "NumberText.h"
#include "Paths.h"
#include "TextCodec.h"
#include "UiText.h"

namespace {

// English sources, translated where they are used (TableText).
constexpr TableTexts kEquationOfTimeTexts{
    UMBRAFEX_TEXT_NOOP("YearTables", "Save Equation of Time Table As"),
    UMBRAFEX_TEXT_NOOP("YearTables", "equation-of-time"),
    UMBRAFEX_TEXT_NOOP("YearTables", "Date,Equation of time (min)"),
    UMBRAFEX_TEXT_NOOP("YearTables", "Equation of Time (Table)"),
    UMBRAFEX_TEXT_NOOP("YearTables", "Making the equation of time table. Please wait..."),
    UMBRAFEX_TEXT_NOOP("YearTables", "Equation of time (min)"),
    UMBRAFEX_TEXT_NOOP("YearTables", "Making the equation of time chart. Please wait..."),
    UMBRAFEX_TEXT_NOOP("YearTables", "Equation of Time (Chart)"),
    UMBRAFEX_TEXT_NOOP("YearTables", "Equation of time by approximation (minutes)"),
    UMBRAFEX_TEXT_NOOP("YearTables", "Equation of time by approximation"),
    UMBRAFEX_TEXT_NOOP("YearTables", "Equation of Time Chart in a Spreadsheet"),
    -15,
    20,
    5,
};

constexpr TableTexts kSolarDeclinationTexts{
    UMBRAFEX_TEXT_NOOP("YearTables", "Save Solar Declination Table As"),
    UMBRAFEX_TEXT_NOOP("YearTables", "solar-declination"),
    UMBRAFEX_TEXT_NOOP("YearTables", "Date,Solar declination (deg)"),
    UMBRAFEX_TEXT_NOOP("YearTables", "Solar Declination (Table)"),
    UMBRAFEX_TEXT_NOOP("YearTables", "Making the solar declination table. Please wait..."),
    UMBRAFEX_TEXT_NOOP("YearTables", "Solar declination (deg)"),
    UMBRAFEX_TEXT_NOOP("YearTables", "Making the solar declination chart. Please wait..."),
    UMBRAFEX_TEXT_NOOP("YearTables", "Solar Declination (Chart)"),
    UMBRAFEX_TEXT_NOOP("YearTables", "Solar declination by approximation (degrees)"),
    UMBRAFEX_TEXT_NOOP("YearTables", "Solar declination by approximation"),
    UMBRAFEX_TEXT_NOOP("YearTables", "Solar Declination Chart in a Spreadsheet"),
    -25,
    25,
    5,
};

// Spreadsheet programs of a Japanese desktop read CP932; elsewhere they
// recognise UTF-8 by its byte-order mark.
std::optional<std::string> TableFileBytes(const std::string& text) {
  if (TextLanguage() == UiLanguage::Japanese) return Utf8ToCp932(text);
  if (!IsValidUtf8(text)) return std::nullopt;
  return "\xEF\xBB\xBF" + text;
}

double ValueOfDay(const Chart& chart, TableKind kind) {
  const auto& season = chart.Season();
  return kind == TableKind::EquationOfTime ? season.EquationOfTime() * 60
                                           : season.SolarDeclination();
}

}  // namespace

std::string TableText(std::string_view source) {
  return TranslateText("YearTables", std::string(source).c_str());
}

const TableTexts& TableTextsOf(TableKind kind) {
  return kind == TableKind::EquationOfTime ? kEquationOfTimeTexts : kSolarDeclinationTexts;
}

YearTable BuildYearTable(Chart& chart, TableKind kind) {
  const bool leap = chart.LeapYear();
  const int16_t days = leap ? 366 : 365;
  YearTable table{leap ? 2000 : 2001, {}};
  table.rows.reserve(static_cast<std::size_t>(days));
  for (int16_t day = 1; day <= days; ++day) {
    chart.Season().setCalcDate(day);
    const double value = ValueOfDay(chart, kind);
    CalcDateArray monthDay{};
    if (!chart.ConvCalcDate(day, monthDay).ok()) RaiseChartError(chart);
    table.rows.push_back({monthDay[0], monthDay[1], value});
  }
  return table;
}

std::string TableDateText(int year, const TableRow& row) {
  return std::to_string(year) + "/" + std::to_string(row.month) + "/" + std::to_string(row.day);
}

std::string FormatTableFile(TableKind kind, const YearTable& table) {
  std::string text = TableText(TableTextsOf(kind).fileHeader);
  text += "\r\n";
  for (const TableRow& row : table.rows) {
    text += TableDateText(table.year, row);
    text += ',';
    text += FormatGeneralNumber(row.value);
    text += "\r\n";
  }
  return text;
}

std::string SuggestedTableFileName(TableKind kind, std::string_view documentPath) {
  std::string name = TableText(TableTextsOf(kind).fileStem);
  if (!documentPath.empty()) {
    name += "-" + RemoveExtension(GetFileName(documentPath));
  }
  return name + ".csv";
}

std::string SuggestedTableFolder(std::string_view documentPath, std::string_view lastDir,
                                 std::string_view appFolder) {
  if (!documentPath.empty()) return GetFolderName(documentPath);
  return std::string(lastDir.empty() ? appFolder : lastDir);
}

std::string CannotSaveMessage(std::string_view path) {
  return FillText(TranslateText("YearTables", "Cannot save %1."), {path});
}

Status WriteTableFile(MainModel& model, TableKind kind, const std::string& path) {
  model.lastError.Clear();
  model.lastDir = GetFolderName(path);
  return TrapStatus(model.lastError, [&] {
    // The whole table is made before the file is touched, so a failing day
    // leaves any earlier file as it was.
    const std::string text = FormatTableFile(kind, BuildYearTable(model.Chart(), kind));
    const std::optional<std::string> bytes = TableFileBytes(text);
    if (!bytes || !WriteFileAtomically(path, *bytes)) {
      RaiseError(kFileAccessNumber, "mdlGraph.lWriteTableFile", CannotSaveMessage(path));
    }
  });
}
