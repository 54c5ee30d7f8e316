#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "../platform/ScratchFolder.h"
#include "EnglishTexts.h"
#include "FileIo.h"
#include "MainModel.h"
#include "TextCodec.h"
#include "YearTables.h"

namespace fs = std::filesystem;

namespace {

std::size_t CountOf(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST(YearTable, CommonYearRunsThroughDecemberAndLeavesTheChartOnItsLastDay) {
  MainModel model;
  model.Chart().setLeapYear(false);
  const YearTable table = BuildYearTable(model.Chart(), TableKind::SolarDeclination);

  EXPECT_EQ(table.year, 2001);
  ASSERT_EQ(table.rows.size(), 365u);
  EXPECT_EQ(TableDateText(table.year, table.rows.front()), "2001/1/1");
  EXPECT_EQ(TableDateText(table.year, table.rows[59]), "2001/3/1");
  EXPECT_EQ(TableDateText(table.year, table.rows.back()), "2001/12/31");
  EXPECT_EQ(model.Chart().Season().CalcDate(), 365);
  for (const TableRow& row : table.rows) {
    EXPECT_LE(std::abs(row.value), 23.45);
  }
}

TEST(YearTable, LeapYearHasTheLeapDayAndEquationOfTimeInMinutes) {
  MainModel model;
  model.Chart().setLeapYear(true);
  const YearTable table = BuildYearTable(model.Chart(), TableKind::EquationOfTime);

  EXPECT_EQ(table.year, 2000);
  ASSERT_EQ(table.rows.size(), 366u);
  EXPECT_EQ(TableDateText(table.year, table.rows[59]), "2000/2/29");
  EXPECT_EQ(TableDateText(table.year, table.rows.back()), "2000/12/31");
  // Minutes, not hours: the yearly swing is about -14 to +16 minutes.
  double low = 0;
  double high = 0;
  for (const TableRow& row : table.rows) {
    low = std::min(low, row.value);
    high = std::max(high, row.value);
  }
  EXPECT_LT(low, -13);
  EXPECT_GT(high, 15);
  EXPECT_GT(low, -15);
  EXPECT_LT(high, 20);
}

TEST(TableFile, TextHasHeaderAndOneCrLfLinePerDay) {
  const YearTable table{2001, {{1, 1, -3.25}, {1, 2, 0.1}, {1, 3, 12}}};
  EXPECT_EQ(FormatTableFile(TableKind::EquationOfTime, table),
            "日付,均時差(分)\r\n2001/1/1,-3.25\r\n2001/1/2,0.1\r\n2001/1/3,12\r\n");
  EXPECT_EQ(FormatTableFile(TableKind::SolarDeclination, YearTable{2000, {}}),
            "日付,太陽赤緯(度)\r\n");
}

TEST(TableFile, WrittenInCp932WithOneLinePerDayAndLastDirFollows) {
  ScratchFolder folder{"table"};
  MainModel model;
  for (const bool leap : {false, true}) {
    model.Chart().setLeapYear(leap);
    const std::string path = folder.Path(leap ? "leap.csv" : "common.csv");
    ASSERT_EQ(WriteTableFile(model, TableKind::EquationOfTime, path), Status::Ok());
    EXPECT_EQ(model.lastDir, folder.path().string());

    const auto bytes = ReadFileBytes(path);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(CountOf(*bytes, "\r\n"), leap ? 367u : 366u);
    EXPECT_EQ(CountOf(*bytes, "\n"), CountOf(*bytes, "\r\n"));
    EXPECT_EQ(bytes->rfind(*Utf8ToCp932("日付,均時差(分)\r\n"), 0), 0u);
    EXPECT_EQ(CountOf(*bytes, "\r\n2000/2/29,"), leap ? 1u : 0u);
    EXPECT_NE(bytes->find(leap ? "\r\n2000/12/31," : "\r\n2001/12/31,"), std::string::npos);
  }
}

TEST(TableFile, UnwritablePathIsReportedAndLeavesNothingBehind) {
  ScratchFolder folder{"table"};
  MainModel model;
  const std::string path = folder.Path("missing/t.csv");
  const Status status = WriteTableFile(model, TableKind::SolarDeclination, path);
  EXPECT_NE(status, Status::Ok());
  EXPECT_EQ(model.lastError.number, status.number());
  EXPECT_EQ(model.lastError.description, path + "を保存することができません。");
  EXPECT_FALSE(fs::exists(path));
  EXPECT_EQ(ReadFileBytes(path), std::nullopt);
}

TEST(TableFile, SuggestedNamesAndStartingFolder) {
  EXPECT_EQ(SuggestedTableFileName(TableKind::EquationOfTime, "/home/u/x.ufx"), "均時差表-x.csv");
  EXPECT_EQ(SuggestedTableFileName(TableKind::SolarDeclination, "/home/u/x.ufx"),
            "太陽赤緯表-x.csv");
  EXPECT_EQ(SuggestedTableFileName(TableKind::EquationOfTime, ""), "均時差表.csv");
  EXPECT_EQ(SuggestedTableFileName(TableKind::SolarDeclination, ""), "太陽赤緯表.csv");

  EXPECT_EQ(SuggestedTableFolder("/home/u/x.ufx", "/last", "/app"), "/home/u");
  EXPECT_EQ(SuggestedTableFolder("", "/last", "/app"), "/last");
  EXPECT_EQ(SuggestedTableFolder("", "", "/app"), "/app");
}

// One member of the workbook's zip, read with the unzip tool when it is there.
std::optional<std::string> ZipMember(const std::string& zip, const std::string& member) {
  if (std::system("command -v unzip >/dev/null 2>&1") != 0) return std::nullopt;
  const std::string command = "unzip -p '" + zip + "' '" + member + "'";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return std::nullopt;
  std::string text;
  std::array<char, 4096> buffer;
  while (const std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe.get())) {
    text.append(buffer.data(), n);
  }
  return text;
}

TEST(TableWorkbook, ChartCoversEveryDayAndSheetsCarryTheirTexts) {
  ScratchFolder folder{"table"};
  MainModel model;
  model.Chart().setLeapYear(true);
  const std::string path = folder.Path("t.xlsx");
  ASSERT_EQ(WriteTableWorkbook(model, TableKind::EquationOfTime, path), Status::Ok());
  const auto bytes = ReadFileBytes(path);
  ASSERT_TRUE(bytes);
  ASSERT_EQ(bytes->rfind("PK", 0), 0u);

  const auto chart = ZipMember(path, "xl/charts/chart1.xml");
  if (!chart) GTEST_SKIP() << "unzip is not installed";
  // 366 days from row 4: the leap year's 31 December in row 369 is charted.
  EXPECT_NE(chart->find("$A$4:$A$369"), std::string::npos);
  EXPECT_NE(chart->find("$B$4:$B$369"), std::string::npos);
  EXPECT_NE(chart->find("近似計算による均時差(単位:分)のグラフ"), std::string::npos);
  EXPECT_NE(chart->find("m月d日"), std::string::npos);
  EXPECT_NE(chart->find("<c:min val=\"-15\"/>"), std::string::npos);
  EXPECT_NE(chart->find("<c:max val=\"20\"/>"), std::string::npos);
  EXPECT_NE(chart->find("<c:majorUnit val=\"5\"/>"), std::string::npos);
  EXPECT_NE(chart->find("ＭＳ Ｐゴシック"), std::string::npos);
  EXPECT_EQ(chart->find("<c:legend>"), std::string::npos);

  const auto workbook = ZipMember(path, "xl/workbook.xml");
  ASSERT_TRUE(workbook);
  EXPECT_NE(workbook->find("name=\"均時差(表)\""), std::string::npos);
  EXPECT_NE(workbook->find("name=\"均時差(グラフ)\""), std::string::npos);
  const auto strings = ZipMember(path, "xl/sharedStrings.xml");
  ASSERT_TRUE(strings);
  EXPECT_NE(strings->find("近似計算による均時差<"), std::string::npos);
  EXPECT_NE(strings->find(">日付<"), std::string::npos);
  const auto styles = ZipMember(path, "xl/styles.xml");
  ASSERT_TRUE(styles);
  EXPECT_NE(styles->find("formatCode=\"mm/dd\""), std::string::npos);
  EXPECT_NE(styles->find("formatCode=\"+#,##0.000;-#,##0.000;#,##0.000\""), std::string::npos);
}

TEST(TableWorkbook, CommonYearEndsInRow368AndFailuresAreReported) {
  ScratchFolder folder{"table"};
  MainModel model;
  model.Chart().setLeapYear(false);
  const std::string path = folder.Path("d.xlsx");
  ASSERT_EQ(WriteTableWorkbook(model, TableKind::SolarDeclination, path), Status::Ok());
  if (const auto chart = ZipMember(path, "xl/charts/chart1.xml")) {
    EXPECT_NE(chart->find("$A$4:$A$368"), std::string::npos);
    EXPECT_NE(chart->find("<c:min val=\"-25\"/>"), std::string::npos);
  }

  const std::string bad = folder.Path("missing/d.xlsx");
  EXPECT_NE(WriteTableWorkbook(model, TableKind::SolarDeclination, bad), Status::Ok());
  EXPECT_EQ(model.lastError.description, bad + "を保存することができません。");
  EXPECT_FALSE(fs::exists(bad));
}

// Outside Japanese the tables speak English: the CSV is UTF-8 after a
// byte-order mark, and the workbook's chart finds its sheet by a name with
// spaces.
TEST(TableFile, EnglishTablesAreUtf8WithAByteOrderMark) {
  const EnglishTexts english;
  ScratchFolder folder{"table"};
  MainModel model;
  model.Chart().setLeapYear(false);
  const std::string path = folder.Path("d.csv");
  ASSERT_EQ(WriteTableFile(model, TableKind::SolarDeclination, path), Status::Ok());
  const auto bytes = ReadFileBytes(path);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->rfind("\xEF\xBB\xBF"
                         "Date,Solar declination (deg)\r\n2001/1/1,",
                         0),
            0u);
  EXPECT_EQ(CountOf(*bytes, "\r\n"), 366u);
  EXPECT_EQ(SuggestedTableFileName(TableKind::EquationOfTime, "/u/x.ufx"),
            "equation-of-time-x.csv");
  EXPECT_EQ(CannotSaveMessage("/x/t.csv"), "Cannot save /x/t.csv.");

  const std::string book = folder.Path("d.xlsx");
  ASSERT_EQ(WriteTableWorkbook(model, TableKind::SolarDeclination, book), Status::Ok());
  const auto chart = ZipMember(book, "xl/charts/chart1.xml");
  if (!chart) GTEST_SKIP() << "unzip is not installed";
  EXPECT_NE(chart->find("'Solar Declination (Table)'!$A$4:$A$368"), std::string::npos);
  EXPECT_FALSE(HasJapanese(*chart));
  EXPECT_FALSE(HasJapanese(*ZipMember(book, "xl/sharedStrings.xml")));
}

}  // namespace
