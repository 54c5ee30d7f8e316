// What the main window shows and how its documents open and save.
#include <gtest/gtest.h>

#include <fstream>

#include "../platform/ScratchFolder.h"
#include "../print/EnglishTexts.h"
#include "MainFormModel.h"
#include "Paths.h"
#include "ScriptedFormUi.h"
#include "TimeZone.h"

namespace {

class MainFormDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(form.Load()); }

  void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }

  ScratchFolder scratch{"mainform"};
  MainModel model;
  ScriptedFormUi ui;
  MainFormModel form{model, ui};
};

TEST_F(MainFormDocumentTest, ShowChartForASouthernPlaceOutsideTheMagneticArea) {
  EXPECT_EQ(form.NorthDiffStrip(), "度    分    秒");
  EXPECT_FALSE(form.Text(FormBox::NorthDiff0).empty());
  model.Chart().Location().setLatitude(-33.8688);
  model.Chart().Location().setLongitude(151.2093);
  model.Chart().Location().setTimeZone(10);
  ASSERT_TRUE(form.ApplySeason());
  ASSERT_TRUE(form.ShowChart());
  EXPECT_EQ(model.Chart().Season().CalcSeason(), 8);
  EXPECT_EQ(form.Text(FormBox::Latitude0), "-33");
  EXPECT_EQ(form.Text(FormBox::Latitude1), "52");
  EXPECT_EQ(form.Text(FormBox::Latitude2), "08");
  EXPECT_EQ(form.Text(FormBox::Longitude0), "+151");
  // Outside the Japan area the world model gives the value and says so; the
  // boxes hold its size and the side of true north follows in words.
  EXPECT_EQ(form.NorthDiffStrip(), "度    分    秒");
  EXPECT_EQ(form.NorthDiffModel(), "東偏 (WMM2025)");
  EXPECT_EQ(form.Text(FormBox::NorthDiff0), "12");
  EXPECT_EQ(form.Text(FormBox::Equation0), "0");
  EXPECT_EQ(form.Before(FormBox::Latitude0), "-33");
  EXPECT_EQ(form.IntervalIndex(), 3);
  EXPECT_FALSE(form.DateEnabled());
}

TEST_F(MainFormDocumentTest, TitleAndStatusTexts) {
  EXPECT_EQ(form.Title(), "Umbrafex");
  EXPECT_EQ(form.StatusPanelAt(0).text, "表示時刻 : 中央標準時 / 均時差 : 補正なし");
  EXPECT_EQ(form.StatusPanelAt(0).icon, "mean-time");
  form.ChooseDateMode(1);
  EXPECT_EQ(form.StatusPanelAt(0).text, "表示時刻 : 中央標準時 / 均時差 : 補正あり");
  form.ChooseTimeSystem(kTrueSolarTime);
  EXPECT_EQ(form.StatusPanelAt(0).text, "表示時刻 : 真太陽時");
  EXPECT_EQ(form.StatusPanelAt(0).icon, "true-solar");
  EXPECT_EQ(form.TimeSystemOption(), kTrueSolarTime);

  model.Chart().Location().setTimeZone(GetSystemTimeZone() == 9 ? -3.5 : 9);
  form.UpdateStatusBar();
  EXPECT_EQ(form.StatusPanelAt(1).icon, "zone-differs");
  EXPECT_EQ(form.StatusPanelAt(1).text, GetSystemTimeZone() == 9 ? "GMT-3:30" : "GMT+9:00");

  ui.savePaths.push_back(scratch.Path("my dial"));
  EXPECT_TRUE(form.SaveDocumentAs());
  EXPECT_EQ(form.Title(), "Umbrafex - [my dial.ufx]");
  EXPECT_FALSE(model.modified);
  EXPECT_EQ(ui.choices.back().filter, "Umbrafex設定ファイル (*.ufx)");
  EXPECT_EQ(ui.choices.back().initialPath, DocumentFolder() + "/umbrafex.ufx");
  EXPECT_EQ(ui.statusTexts.back(), "ファイルを保存しています...");
  EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(MainFormDocumentTest, SaveAsAddsTheExtensionAndAsksBeforeReplacingThatFile) {
  const std::string existing = scratch.Path("dial.ufx");
  WriteFile(existing, "kept");
  ui.savePaths = {scratch.Path("dial"), ""};
  ui.answers = {FormAnswer::No};
  EXPECT_FALSE(form.SaveDocumentAs());
  ASSERT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(ui.asked[0].text, "dial.ufx は既に存在します。\n上書きしますか?");
  EXPECT_EQ(ui.asked[0].defaultAnswer, FormAnswer::No);
  EXPECT_EQ(ui.choices.back().initialPath, existing);   // the dialog asked again
  EXPECT_EQ(std::filesystem::file_size(existing), 4u);  // not replaced

  ui.savePaths = {scratch.Path("dial")};
  ui.answers = {FormAnswer::Yes};
  EXPECT_TRUE(form.SaveDocumentAs());
  EXPECT_EQ(model.documentPath, existing);
  ui.savePaths = {scratch.Path("my.dial")};
  EXPECT_TRUE(form.SaveDocumentAs());
  EXPECT_EQ(model.documentPath, scratch.Path("my.dial.ufx"));
}

TEST_F(MainFormDocumentTest, ConfirmDiscardYesWithACancelledSaveKeepsTheWindow) {
  EXPECT_TRUE(form.ConfirmDiscard());  // nothing to save
  model.modified = true;
  ui.answers = {FormAnswer::Yes, FormAnswer::No, FormAnswer::Cancel};
  EXPECT_FALSE(form.ConfirmDiscard());  // the save dialog is cancelled
  EXPECT_EQ(ui.asked[0].caption, "保存の確認");
  EXPECT_EQ(ui.asked[0].buttons, FormButtons::YesNoCancel);
  EXPECT_EQ(ui.choices.back().caption, "名前を付けて保存");
  EXPECT_TRUE(form.ConfirmDiscard());
  EXPECT_FALSE(form.ConfirmDiscard());
  ui.answers = {FormAnswer::Yes};
  ui.savePaths.push_back(scratch.Path("kept.ufx"));
  EXPECT_TRUE(form.ConfirmDiscard());
  EXPECT_TRUE(std::filesystem::exists(scratch.Path("kept.ufx")));
}

TEST_F(MainFormDocumentTest, AFailedOpenLeavesTheDesignAsItWas) {
  const std::string broken = scratch.Path("broken.ufx");
  WriteFile(broken,
            "[Umbrafex 3.04.00]\r\n[Location]\r\nName=札幌\r\nLatitude=43.06\r\n"
            "[General]\r\nTimeSystem=0\r\n[Season]\r\nCalcDate=x\r\n");
  ui.openPaths.push_back(broken);
  form.Open();
  EXPECT_EQ(ui.LastText(),
            broken + "を開くことができません。\n[Season] CalcDate=x : 型が一致しません。");
  EXPECT_EQ(ui.asked.back().caption, "開く");
  EXPECT_EQ(model.Chart().Location().Name(), "兵庫県明石市");
  EXPECT_DOUBLE_EQ(model.Chart().Location().Latitude(), 34.65);
  EXPECT_EQ(model.Chart().TimeSystem(), kMeanStandardTime);
  EXPECT_TRUE(model.documentPath.empty());
  EXPECT_EQ(ui.busyDepth, 0);

  const std::string good = scratch.Path("good.ufx");
  WriteFile(good, "[Umbrafex 3.04.00]\r\n[Location]\r\nName=札幌\r\nLatitude=43.06\r\n");
  model.modified = true;
  ui.answers = {FormAnswer::No};
  ui.openPaths.push_back(good);
  form.Open();
  EXPECT_EQ(form.Text(FormBox::Location), "札幌");
  EXPECT_EQ(form.Text(FormBox::Latitude0), "+43");
  EXPECT_EQ(form.Title(), "Umbrafex - [good.ufx]");
  EXPECT_EQ(model.lastDir, scratch.path().string());
  EXPECT_FALSE(model.modified);
}

TEST_F(MainFormDocumentTest, StartupNamesThePathWhateverTheReason) {
  const std::string text = scratch.Path("notes.txt");
  WriteFile(text, "[Umbrafex 3.04.00]\r\n");
  EXPECT_FALSE(form.OpenAtStartup(text));
  EXPECT_EQ(ui.LastText(), text + "を開くことができません。");
  EXPECT_EQ(ui.asked.back().caption, "Umbrafex");
}

TEST_F(MainFormDocumentTest, UnderEnglishTheFormSpeaksEnglish) {
  const EnglishTexts english;
  form.ChooseDateMode(1);
  EXPECT_EQ(form.StatusPanelAt(0).text, "Time shown: standard time / equation of time: corrected");
  EXPECT_EQ(form.NorthDiffStrip(), "°    ′    ″");
  form.ChooseTimeSystem(kTrueSolarTime);
  EXPECT_FALSE(HasJapanese(form.StatusPanelAt(0).text)) << form.StatusPanelAt(0).text;
  model.modified = true;
  ui.answers = {FormAnswer::Yes, FormAnswer::No};
  ui.savePaths = {scratch.Path("english"), scratch.Path("english"), ""};
  EXPECT_TRUE(form.ConfirmDiscard());
  EXPECT_EQ(form.SaveDocumentAs(), 0);  // not replaced, then cancelled
  EXPECT_FALSE(form.OpenAtStartup(scratch.Path("missing.ufx")));
  form.Open();  // cancelled
  ASSERT_EQ(ui.asked.size(), 3u);
  EXPECT_EQ(ui.choices.size(), 4u);
  for (const FormMessage& message : ui.asked)
    EXPECT_FALSE(HasJapanese(message.text + message.caption)) << message.text;
  for (const FileChoice& choice : ui.choices)
    EXPECT_FALSE(HasJapanese(choice.caption + choice.filter)) << choice.filter;
  EXPECT_FALSE(HasJapanese(ui.statusTexts.back())) << ui.statusTexts.back();
}

TEST_F(MainFormDocumentTest, TablesAndTheClockGiveTheDesignItsOwnDayBack) {
  form.ChooseDateMode(1);
  const int16_t day = model.Chart().Season().CalcDate();
  model.Chart().Season().setCalcDate(day == 200 ? 100 : 200);  // a table walked the year
  form.RestoreDateBasis();
  EXPECT_EQ(model.Chart().Season().CalcDate(), day);
}

TEST_F(MainFormDocumentTest, OutputStopsAtPolarNightWithTheCommandsCaption) {
  model.dialOption.picture.clear();
  model.Chart().Location().setLatitude(80);
  model.season.adjustEquation = true;
  model.season.seasonDate = {2026, 12, 21};
  EXPECT_FALSE(form.PrepareOutput(OutputCommand::Preview));
  ASSERT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(ui.asked[0].caption, "印刷プレビュー");
  model.season.adjustEquation = false;
  ui.answers = {FormAnswer::Yes};
  EXPECT_EQ(form.PrepareOutput(OutputCommand::Clock), std::optional<int16_t>(1));
}

}  // namespace
