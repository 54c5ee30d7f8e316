#include "YearTables.h"

#include "FileIo.h"
#include "MainModel.h"
#include "NumberText.h"
#include "Paths.h"
#include "TextCodec.h"
#include "Chart.h"

namespace {

constexpr TableTexts kEquationOfTimeTexts{
    "名前を付けて均時差表の保存",
    "均時差表",
    "日付,均時差(分)",
    "均時差(表)",
    "均時差の表を作成しています。しばらくお待ち下さい...",
    "均時差(分)",
    "均時差のグラフを作成しています。しばらくお待ち下さい...",
    "均時差(グラフ)",
    "近似計算による均時差(単位:分)のグラフ",
    "近似計算による均時差",
    "Excelに均時差グラフの出力",
    -15,
    20,
    5,
};

constexpr TableTexts kSolarDeclinationTexts{
    "名前を付けて太陽赤緯表の保存",
    "太陽赤緯表",
    "日付,太陽赤緯(度)",
    "太陽赤緯(表)",
    "太陽赤緯の表を作成しています。しばらくお待ち下さい...",
    "太陽赤緯(度)",
    "太陽赤緯のグラフを作成しています。しばらくお待ち下さい...",
    "太陽赤緯(グラフ)",
    "近似計算による太陽赤緯(単位:度)のグラフ",
    "近似計算による太陽赤緯",
    "Excelに太陽赤緯グラフの出力",
    -25,
    25,
    5,
};

double ValueOfDay(const Chart& chart, TableKind kind) {
  const auto& season = chart.Season();
  return kind == TableKind::EquationOfTime ? season.EquationOfTime() * 60
                                           : season.SolarDeclination();
}

}  // namespace

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
  std::string text(TableTextsOf(kind).fileHeader);
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
  std::string name(TableTextsOf(kind).fileStem);
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
  return std::string(path) + "を保存することができません。";
}

Status WriteTableFile(MainModel& model, TableKind kind, const std::string& path) {
  model.LastError.Clear();
  model.LastDir = GetFolderName(path);
  return TrapStatus(model.LastError, [&] {
    // The whole table is made before the file is touched, so a failing day
    // leaves any earlier file as it was.
    const std::string text = FormatTableFile(kind, BuildYearTable(model.Chart(), kind));
    const std::optional<std::string> bytes = Utf8ToCp932(text);
    if (!bytes || !WriteFileAtomically(path, *bytes)) {
      RaiseError(kFileAccessNumber, "mdlGraph.lWriteTableFile", CannotSaveMessage(path));
    }
  });
}
