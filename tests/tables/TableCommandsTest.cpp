// The tables from the main window: the CSV through the save dialog, the
// workbook through the desktop's program, and the year graph's data.
#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdlib>
#include <filesystem>

#include "../platform/ScratchFolder.h"
#include "FileIo.h"
#include "MainModel.h"
#include "TableCommands.h"
#include "YearGraph.h"
#include "YearGraphWindow.h"
#include "YearTables.h"

namespace {

int LineCount(const std::string& path) {
  const std::string text = ReadFileBytes(path).value_or("");
  int lines = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
    ++lines;
  return lines;
}

class TableCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model.Chart().setLeapYear(false);
    model.lastDir = scratch.path().string();
    ASSERT_EQ(model.ApplySeason(), Status::Ok());
  }

  StatusFunction Recorder() {
    return
        [this](const QString& icon, const QString& text) { statuses.push_back(icon + " " + text); };
  }

  ScratchFolder scratch{"tables"};
  MainModel model;
  ScriptedMessages messages;
  ScriptedFileDialogs files;
  RecordingDesktop desktop;
  ScopedUiServices services{&messages, &files, &desktop};
  std::vector<QString> statuses;
};

TEST_F(TableCommandsTest, FileOutputWritesTheYearWhereTheDialogSays) {
  const std::string folder = scratch.path().string();
  files.savePaths = {QString::fromStdString(folder + "/table")};  // no extension typed
  const int32_t season = model.Chart().Season().CalcSeason();
  SaveTableToFile(nullptr, model, TableKind::EquationOfTime, Recorder());

  ASSERT_EQ(files.asked.size(), 1u);
  EXPECT_EQ(files.asked[0].caption, "名前を付けて均時差表の保存");
  EXPECT_EQ(files.asked[0].initialPath, QString::fromStdString(folder + "/均時差表.csv"));
  EXPECT_EQ(files.asked[0].filter, "カンマ区切りファイル (*.csv)");
  EXPECT_EQ(LineCount(folder + "/table.csv"), 366);
  EXPECT_EQ(statuses, std::vector<QString>{"export-file ファイルに出力しています..."});
  EXPECT_TRUE(messages.asked.empty());
  // The chart's season is the design's again.
  EXPECT_EQ(model.Chart().Season().CalcSeason(), season);

  // A leap-year chart and an open document: its folder and name.
  model.Chart().setLeapYear(true);
  model.documentPath = folder + "/x.ufx";
  model.lastDir = "/elsewhere";
  files.savePaths = {QString::fromStdString(folder + "/dec.csv")};
  SaveTableToFile(nullptr, model, TableKind::SolarDeclination, Recorder());
  EXPECT_EQ(files.asked[1].initialPath, QString::fromStdString(folder + "/太陽赤緯表-x.csv"));
  EXPECT_EQ(LineCount(folder + "/dec.csv"), 367);
  EXPECT_EQ(model.lastDir, folder);
}

TEST_F(TableCommandsTest, CancelWritesNothingAndAFailureIsShownWithTheDialogsCaption) {
  model.lastDir = "/kept";
  SaveTableToFile(nullptr, model, TableKind::EquationOfTime, Recorder());
  EXPECT_EQ(model.lastDir, "/kept");
  EXPECT_TRUE(statuses.empty());
  EXPECT_TRUE(messages.asked.empty());

  const std::string path = scratch.Path("missing/t.csv");
  files.savePaths = {QString::fromStdString(path)};
  SaveTableToFile(nullptr, model, TableKind::SolarDeclination, Recorder());
  ASSERT_EQ(messages.asked.size(), 1u);
  EXPECT_EQ(messages.asked[0].text, QString::fromStdString(path + "を保存することができません。"));
  EXPECT_EQ(messages.asked[0].caption, "名前を付けて太陽赤緯表の保存");
  EXPECT_EQ(messages.asked[0].icon, MessageIcon::Exclamation);
}

TEST_F(TableCommandsTest, AnAddedExtensionReplacesAFileOnlyWhenTheUserSaysSo) {
  const std::string existing = scratch.Path("x.csv");
  ASSERT_TRUE(WriteFileAtomically(existing, "kept"));
  const QString typed = QString::fromStdString(scratch.Path("x"));
  files.savePaths = {typed};  // then the dialog again, cancelled
  messages.answers = {MessageAnswer::No};
  SaveTableToFile(nullptr, model, TableKind::EquationOfTime, Recorder());
  EXPECT_EQ(ReadFileBytes(existing).value_or(""), "kept");
  ASSERT_EQ(messages.asked.size(), 1u);
  EXPECT_EQ(messages.asked[0].icon, MessageIcon::Question);
  EXPECT_EQ(messages.asked[0].caption, "名前を付けて均時差表の保存");
  ASSERT_EQ(files.asked.size(), 2u);
  EXPECT_EQ(files.asked[1].initialPath, QString::fromStdString(existing));

  files.savePaths = {typed};
  messages.answers = {MessageAnswer::Yes};
  SaveTableToFile(nullptr, model, TableKind::EquationOfTime, Recorder());
  EXPECT_EQ(LineCount(existing), 366);
}

TEST_F(TableCommandsTest, WorkbookGoesToTheCacheAndOpensWithTheDesktopsProgram) {
  const char* old = std::getenv("XDG_CACHE_HOME");
  const std::string saved = old ? old : "";
  setenv("XDG_CACHE_HOME", scratch.Path("cache").c_str(), 1);
  const std::string expected = scratch.Path("cache/umbrafex/均時差表.xlsx");
  std::filesystem::create_directories(scratch.Path("cache/umbrafex"));
  ASSERT_TRUE(WriteFileAtomically(expected, "an older table"));

  OpenTableInSpreadsheet(nullptr, model, TableKind::EquationOfTime, Recorder());
  ASSERT_EQ(desktop.opened.size(), 1u);
  EXPECT_EQ(desktop.opened[0].toLocalFile().toStdString(), expected);
  EXPECT_EQ(ReadFileBytes(expected).value_or("").substr(0, 2), "PK");  // a zip: replaced
  EXPECT_TRUE(messages.asked.empty());
  EXPECT_EQ(statuses, std::vector<QString>{"export-spreadsheet Excelに出力しています..."});

  // Nothing on the desktop opens it: the message, and where the file is.
  desktop.opens = false;
  OpenTableInSpreadsheet(nullptr, model, TableKind::EquationOfTime, Recorder());
  ASSERT_EQ(messages.asked.size(), 1u);
  EXPECT_TRUE(messages.asked[0].text.startsWith("Excelが応答しないか、起動できません。"));
  EXPECT_TRUE(messages.asked[0].text.contains(QString::fromStdString(expected)));
  EXPECT_EQ(messages.asked[0].caption, "Excelに均時差グラフの出力");

  if (old) {
    setenv("XDG_CACHE_HOME", saved.c_str(), 1);
  } else {
    unsetenv("XDG_CACHE_HOME");
  }
}

TEST(YearGraphTest, TheYearTheSeasonsAndTheMarkedDays) {
  MainModel model;
  model.Chart().setLeapYear(false);
  model.season.adjustEquation = false;
  ASSERT_EQ(model.ApplySeason(), Status::Ok());
  YearGraphData data;
  using namespace std::chrono;
  ASSERT_EQ(BuildYearGraphData(model, year(2026) / 3 / 5, data), Status::Ok());
  ASSERT_EQ(data.DayCount(), 365);
  EXPECT_EQ(data.seasonDays[1], 79);   // 春分
  EXPECT_EQ(data.seasonDays[7], 356);  // 冬至
  EXPECT_FALSE(data.designDay);        // a dial for no particular day
  EXPECT_EQ(data.today, 64);
  EXPECT_EQ(model.Chart().Season().CalcSeason(), 4);
  EXPECT_EQ(model.Chart().Season().EquationOfTime(), 0);
  // Early March: the sun is late and south of the equator.
  EXPECT_EQ(YearGraphReadout(data, 64), "3月5日  均時差 -12.0 分  太陽赤緯 -6.13 度");

  // A leap day today has no place in a common year; a dial for one day
  // has its day marked.
  model.season.adjustEquation = true;
  model.season.seasonDate = {2026, 11, 3};
  ASSERT_EQ(BuildYearGraphData(model, year(2028) / 2 / 29, data), Status::Ok());
  EXPECT_EQ(data.designDay, 307);
  EXPECT_FALSE(data.today);

  // Every day is found again under its own x; outside the plots none.
  const YearGraphLayout layout(QRectF(0, 0, 800, 500), data.DayCount());
  for (int n = 1; n <= data.DayCount(); ++n) ASSERT_EQ(layout.DayAt(layout.XOfDay(n)), n);
  EXPECT_FALSE(layout.DayAt(layout.EquationPlot().left() - 5));
  EXPECT_FALSE(layout.DayAt(layout.EquationPlot().right() + 5));
}

// Today's label in the declination plot stays clear of the curve and of
// the plot's title on every day of the year, in a small and a large window.
TEST(YearGraphTest, TodaysLabelNeverMeetsTheCurve) {
  MainModel model;
  YearGraphData data;
  ASSERT_EQ(BuildYearGraphData(model, std::chrono::year(2026) / 6 / 1, data), Status::Ok());
  const QSizeF label(28, 17);
  const TableTexts& axis = TableTextsOf(TableKind::SolarDeclination);
  for (const QRectF area : {QRectF(0, 0, 470, 330), QRectF(0, 0, 1200, 760)}) {
    const YearGraphLayout layout(area, data.DayCount());
    const QRectF& plot = layout.DeclinationPlot();
    const QRectF title(plot.topLeft() + QPointF(6, 3), QSizeF(80, 17));
    for (int day = 1; day <= data.DayCount(); ++day) {
      const QRectF box = TodayLabelBox(layout, data, day, label, title);
      ASSERT_TRUE(plot.contains(box)) << day;
      ASSERT_FALSE(box.intersects(title)) << day;
      for (int n = 1; n <= data.DayCount(); ++n) {
        const QPointF point(layout.XOfDay(n),
                            YearGraphLayout::YOf(plot, data.days[n - 1].declinationDegrees,
                                                 axis.axisMinimum, axis.axisMaximum));
        ASSERT_FALSE(box.adjusted(-1, -1, 1, 1).contains(point)) << day << " " << n;
      }
    }
  }
}

TEST(YearGraphTest, SavesAsPngOrSvg) {
  ScratchFolder scratch("graph");
  MainModel model;
  YearGraphData data;
  ASSERT_EQ(BuildYearGraphData(model, std::chrono::year(2026) / 6 / 1, data), Status::Ok());
  const QString png = QString::fromStdString(scratch.Path("g.png"));
  const QString svg = QString::fromStdString(scratch.Path("g.SVG"));
  ASSERT_TRUE(SaveYearGraph(data, png));
  ASSERT_TRUE(SaveYearGraph(data, svg));
  EXPECT_EQ(QImage(png).size(), QSize(1200, 760));
  EXPECT_TRUE(QSvgRenderer(svg).isValid());
  EXPECT_FALSE(SaveYearGraph(data, QString::fromStdString(scratch.Path("no/g.png"))));
}

}  // namespace
