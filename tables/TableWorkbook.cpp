// The workbook form of the tables: instead of driving a running spreadsheet
// application, the same sheet and chart are written as an .xlsx file.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "FileIo.h"
#include "MainModel.h"
#include "Paths.h"
#include "UiText.h"
#include "XlsxLibrary.h"
#include "YearTables.h"

namespace {

constexpr const char* kJapaneseChartFont = "ＭＳ Ｐゴシック";
constexpr const char* kChartFont = "Arial";
constexpr const char* kValueFormat = "+#,##0.000;-#,##0.000;#,##0.000";
constexpr lxw_row_t kHeaderRow = 2;  // row 3
constexpr lxw_row_t kFirstDataRow = kHeaderRow + 1;

// A temporary file that is removed when it goes out of scope.
class TemporaryFile {
 public:
  TemporaryFile() {
    std::error_code ec;
    std::string pattern = (std::filesystem::temp_directory_path(ec) / "umbrafex-XXXXXX").string();
    const int fd = mkstemp(pattern.data());
    if (fd >= 0) {
      close(fd);
      path_ = pattern;
    }
  }
  ~TemporaryFile() {
    if (!path_.empty()) std::remove(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

struct ChartFonts {
  lxw_chart_font font{};

  ChartFonts() {
    // The font a Japanese spreadsheet has; elsewhere the commonest sans.
    const bool japanese = TextLanguage() == UiLanguage::Japanese;
    font.name = const_cast<char*>(japanese ? kJapaneseChartFont : kChartFont);
    font.bold = LXW_EXPLICIT_FALSE;  // style "標準"
  }
};

void WriteTableSheet(const XlsxLibrary& xlsx, lxw_workbook* workbook, lxw_worksheet* sheet,
                     const TableTexts& texts, const YearTable& table) {
  lxw_format* centred = xlsx.workbook_add_format(workbook);
  xlsx.format_set_align(centred, LXW_ALIGN_CENTER);
  lxw_format* dateFormat = xlsx.workbook_add_format(workbook);
  xlsx.format_set_num_format(dateFormat, "mm/dd");
  lxw_format* valueFormat = xlsx.workbook_add_format(workbook);
  xlsx.format_set_num_format(valueFormat, kValueFormat);

  xlsx.worksheet_write_string(sheet, 0, 0, TableText(texts.finishedText).c_str(), nullptr);
  xlsx.worksheet_write_string(sheet, kHeaderRow, 0, TranslateText("TableWorkbook", "Date").c_str(),
                              centred);
  xlsx.worksheet_write_string(sheet, kHeaderRow, 1, TableText(texts.columnHeader).c_str(), centred);
  lxw_row_t row = kFirstDataRow;
  for (const TableRow& day : table.rows) {
    lxw_datetime date{table.year, day.month, day.day, 0, 0, 0};
    xlsx.worksheet_write_datetime(sheet, row, 0, &date, dateFormat);
    xlsx.worksheet_write_number(sheet, row, 1, day.value, valueFormat);
    ++row;
  }
}

void AddChartSheet(const XlsxLibrary& xlsx, lxw_workbook* workbook, const TableTexts& texts,
                   const YearTable& table) {
  const std::string sheetName = TableText(texts.sheetName);
  lxw_chart* chart = xlsx.workbook_add_chart(workbook, LXW_CHART_LINE);
  // Every day of the table, the leap day's 31 December included.
  const auto lastRow = static_cast<lxw_row_t>(kFirstDataRow + table.rows.size() - 1);
  lxw_chart_series* series = xlsx.chart_add_series(chart, nullptr, nullptr);
  xlsx.chart_series_set_categories(series, sheetName.c_str(), kFirstDataRow, 0, lastRow, 0);
  xlsx.chart_series_set_values(series, sheetName.c_str(), kFirstDataRow, 1, lastRow, 1);
  xlsx.chart_series_set_name_range(series, sheetName.c_str(), kHeaderRow, 1);

  ChartFonts fonts;
  xlsx.chart_title_set_name(chart, TableText(texts.chartTitle).c_str());
  xlsx.chart_title_set_name_font(chart, &fonts.font);
  xlsx.chart_legend_set_position(chart, LXW_CHART_LEGEND_NONE);

  // A number format: the day as the user's language writes it.
  const std::string dayFormat = TranslateText("TableWorkbook", "mmm d");
  xlsx.chart_axis_set_num_format(chart->x_axis, dayFormat.c_str());
  xlsx.chart_axis_set_num_font(chart->x_axis, &fonts.font);

  xlsx.chart_axis_set_min(chart->y_axis, texts.axisMinimum);
  xlsx.chart_axis_set_max(chart->y_axis, texts.axisMaximum);
  xlsx.chart_axis_set_major_unit(chart->y_axis, texts.axisMajorUnit);
  xlsx.chart_axis_set_num_format(chart->y_axis, kValueFormat);
  xlsx.chart_axis_set_num_font(chart->y_axis, &fonts.font);

  lxw_chartsheet* chartSheet =
      xlsx.workbook_add_chartsheet(workbook, TableText(texts.chartSheetName).c_str());
  xlsx.chartsheet_set_chart(chartSheet, chart);
  xlsx.chartsheet_activate(chartSheet);
}

// Writes the workbook to `path`; false when the library cannot.
bool WriteWorkbook(const XlsxLibrary& xlsx, const std::string& path, TableKind kind,
                   const YearTable& table) {
  const TableTexts& texts = TableTextsOf(kind);
  lxw_workbook* workbook = xlsx.workbook_new(path.c_str());
  if (workbook == nullptr) return false;
  lxw_worksheet* sheet = xlsx.workbook_add_worksheet(workbook, TableText(texts.sheetName).c_str());
  if (sheet != nullptr) {
    WriteTableSheet(xlsx, workbook, sheet, texts, table);
    AddChartSheet(xlsx, workbook, texts, table);
  }
  const lxw_error status = xlsx.workbook_close(workbook);  // frees the workbook
  return sheet != nullptr && status == LXW_NO_ERROR;
}

}  // namespace

Status WriteTableWorkbook(MainModel& model, TableKind kind, const std::string& path) {
  model.lastError.Clear();
  return TrapStatus(model.lastError, [&] {
    const XlsxLibrary* xlsx = LoadXlsxLibrary();
    if (xlsx == nullptr) {
      RaiseError(kFileAccessNumber, "mdlGraph.lWriteTableWorkbook",
                 TranslateText("TableWorkbook",
                               "The workbook cannot be written: the spreadsheet library "
                               "(libxlsxwriter) is not installed."));
    }
    const YearTable table = BuildYearTable(model.Chart(), kind);
    // The library writes where it is told; it writes to a scratch file
    // first so that the target is replaced only by a complete workbook.
    const TemporaryFile scratch;
    std::optional<std::string> bytes;
    if (!scratch.Path().empty() && WriteWorkbook(*xlsx, scratch.Path(), kind, table)) {
      bytes = ReadFileBytes(scratch.Path());
    }
    if (!bytes || !WriteFileAtomically(path, *bytes)) {
      RaiseError(kFileAccessNumber, "mdlGraph.lWriteTableWorkbook", CannotSaveMessage(path));
    }
  });
}
