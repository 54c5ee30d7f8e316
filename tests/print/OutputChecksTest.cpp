// What the export checks before it prints: polar night stops it, the rest
// only warns.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "EnglishTexts.h"
#include "ExportChoice.h"
#include "MainModel.h"
#include "OutputChecks.h"
#include "OutputErrors.h"
#include "PdfExport.h"
#include "PrintJob.h"

namespace {

// The split is asked where one page cannot hold the model even shrunk, and
// a script then prints two pages.
TEST(OutputChecksTest, PolarNightStopsAndPageSplitOnlyWhereOnePageCannotHoldTheModel) {
  MainModel main;
  main.dialOption.picture.clear();
  main.Chart().Location().setLatitude(75);
  main.season.adjustEquation = true;
  main.season.seasonDate = {2026, 12, 21};
  ASSERT_EQ(main.ApplySeason(), Status::Ok());
  std::ostringstream err;
  EXPECT_FALSE(CheckOutputForScript(main, kPaperA4, kPortrait, 1, false, err).proceed);
  EXPECT_NE(err.str().find("日時計を作成することはできません。"), std::string::npos);

  int measured = 0;
  struct Case {
    double latitude;
    int16_t paper, orientation, pages;
    bool splits;
  };
  for (const Case& c :
       {Case{60, kPaperA5, kPortrait, 1, true}, Case{-60, kPaperA5, kPortrait, 1, true},
        Case{45, kPaperA5, kPortrait, 1, false}, Case{60, kPaperA5, kPortrait, 2, false},
        Case{60, kPaperA5, kLandscape, 1, false}, Case{66, kPaperA4, kPortrait, 1, false}}) {
    main.season.adjustEquation = false;
    main.Chart().Location().setLatitude(c.latitude);
    ASSERT_EQ(main.ApplySeason(), Status::Ok());
    std::ostringstream notes;
    const CheckOutcome outcome =
        CheckOutputForScript(main, c.paper, c.orientation, c.pages, false, notes);
    EXPECT_TRUE(outcome.proceed);
    EXPECT_EQ(notes.str().find("印刷範囲からはみ出る可能性があります。") != std::string::npos,
              c.splits)
        << c.latitude << " " << c.paper << " " << c.orientation;
    EXPECT_EQ(outcome.pageCount, c.splits ? 2 : c.pages) << c.latitude;
    // A PDF export takes the factor the check found: the one its plan would.
    if (outcome.onePagePaperFactor) {
      ++measured;
      EXPECT_EQ(*outcome.onePagePaperFactor,
                PlanPaperSheet(main, c.paper, c.orientation, 1).paperFactor)
          << c.latitude;
    }
  }
  EXPECT_GE(measured, 2);
}

TEST(OutputChecksTest, MissingBackgroundPictureIsLeftOutWithANote) {
  MainModel main;
  main.dialOption.picture = "/no/such/picture.wmf";
  std::ostringstream err;
  EXPECT_TRUE(CheckOutputForScript(main, kPaperA4, kPortrait, 2, false, err).proceed);
  EXPECT_NE(err.str().find("指定された背景画像が見つかりません。"), std::string::npos);
  EXPECT_TRUE(main.dialOption.picture.empty());
}

}  // namespace

namespace {

// Answers every question from a queue (Yes when it runs dry) and keeps
// every item in order.
struct Responder {
  std::vector<CheckAnswer> answers;
  std::vector<CheckItem> items;
  CheckResponder Fn() {
    return [this](const CheckItem& item) {
      items.push_back(item);
      if (item.kind != CheckKind::Ask || answers.empty()) return CheckAnswer::Yes;
      const CheckAnswer answer = answers.front();
      answers.erase(answers.begin());
      return answer;
    };
  }
};

MainModel& At(MainModel& main, double latitude, double longitude = 135) {
  main.dialOption.picture.clear();
  main.Chart().Location().setLatitude(latitude);
  main.Chart().Location().setLongitude(longitude);
  main.Chart().Location().setTimeZone(9);
  return main;
}

TEST(OutputSequenceTest, ItemsComeInOrderWithTheCommandsCaptionSpliced) {
  MainModel main;
  At(main, 66.55, 160.5);
  main.dialOption.picture = "/no/such/picture.wmf";
  Responder r;
  const OutputRequest print{OutputCommand::Print, true, 3, kPortrait, 1};  // tabloid
  const CheckOutcome outcome = RunOutputChecks(main, print, r.Fn());
  ASSERT_EQ(r.items.size(), 4u);
  EXPECT_EQ(r.items[0].step, CheckStep::PaperSize);
  EXPECT_EQ(
      r.items[0].text,
      "選択された用紙サイズはサポートしていません。\n現在の用紙サイズのまま印刷を実行しますか?");
  EXPECT_EQ(r.items[1].step, CheckStep::BackPicture);
  EXPECT_EQ(r.items[2].step, CheckStep::TimeZone);
  EXPECT_EQ(r.items[2].text,
            "経度と標準時子午線との差が15度を超えています。\n"
            "タイムゾーンが正しく設定されていない可能性があります。\n"
            "現在のタイムゾーン設定のまま印刷を実行しますか?");
  EXPECT_EQ(r.items[3].step, CheckStep::Latitude);
  EXPECT_EQ(r.items[3].kind, CheckKind::Note);
  EXPECT_EQ(r.items[3].text.substr(0, r.items[3].text.find('\n')),
            "水平型日時計の仕組み上、高緯度地域では");
  EXPECT_EQ(r.items[3].caption, "印刷");
  EXPECT_TRUE(outcome.proceed);
  EXPECT_TRUE(main.dialOption.picture.empty());
}

TEST(OutputSequenceTest, PrintStopsWithoutPrinterAndAnswersEndOrSplitTheCommand) {
  MainModel main;
  At(main, 60);
  Responder none;
  EXPECT_FALSE(
      RunOutputChecks(main, {OutputCommand::Print, false, kPaperA4, kPortrait, 1}, none.Fn())
          .proceed);
  ASSERT_EQ(none.items.size(), 1u);
  EXPECT_EQ(none.items[0].text, "有効なプリンタが見つかりません。");
  EXPECT_EQ(none.items[0].kind, CheckKind::Stop);

  const OutputRequest preview{OutputCommand::Preview, false, kPaperA5, kPortrait, 1};
  Responder yes;
  const CheckOutcome split = RunOutputChecks(main, preview, yes.Fn());
  EXPECT_TRUE(split.proceed);
  EXPECT_EQ(split.pageCount, 2);
  EXPECT_TRUE(yes.items.at(0).withCancel);
  EXPECT_EQ(yes.items[0].text,
            "印刷範囲からはみ出る可能性があります。\n文字盤とノーモンを2ページに分けて"
            "印刷プレビューしますか?");
  Responder no{{CheckAnswer::No}, {}};
  EXPECT_EQ(RunOutputChecks(main, preview, no.Fn()).pageCount, 1);
  Responder cancel{{CheckAnswer::Cancel}, {}};
  EXPECT_FALSE(RunOutputChecks(main, preview, cancel.Fn()).proceed);
  EXPECT_EQ(main.dialOption.maxPages, 1);

  // Writing the pages to a file is checked as the preview is, with its own
  // caption: the same split question, and no printer needed.
  Responder exportYes;
  const CheckOutcome exported =
      RunOutputChecks(main, {OutputCommand::Export, false, kPaperA5, kPortrait, 1}, exportYes.Fn());
  EXPECT_EQ(exported.pageCount, 2);
  EXPECT_EQ(exportYes.items.at(0).caption, "PDF/SVG/PNGに書き出し");

  At(main, 34, 160.5);
  Responder zoneNo{{CheckAnswer::No}, {}};
  EXPECT_FALSE(RunOutputChecks(main, preview, zoneNo.Fn()).proceed);
  EXPECT_EQ(zoneNo.items.size(), 1u);  // the latitude note is not reached
}

TEST(OutputSequenceTest, BoundariesOfTheTimeZoneAndLatitudeNotes) {
  struct Case {
    double latitude, longitude;
    int32_t timeSystem;
    std::vector<CheckStep> steps;
  };
  const std::vector<Case> cases{
      {23.45, 135, kMeanStandardTime, {CheckStep::Latitude}},
      {23.46, 135, kMeanStandardTime, {}},
      {-66.55, 135, kMeanStandardTime, {CheckStep::Latitude}},
      {66.54, 150, kMeanStandardTime, {}},
      {40, 150.01, kMeanStandardTime, {CheckStep::TimeZone}},
      {40, 150.01, kTrueSolarTime, {}},
      {40, 150, kMeanStandardTime, {}},
      {40, 119.99, kMeanStandardTime, {CheckStep::TimeZone}},
  };
  for (const Case& c : cases) {
    MainModel main;
    At(main, c.latitude, c.longitude);
    main.Chart().setTimeSystem(c.timeSystem);
    Responder r;
    EXPECT_TRUE(RunOutputChecks(main, {OutputCommand::Clock}, r.Fn()).proceed);
    std::vector<CheckStep> steps;
    for (const CheckItem& item : r.items) steps.push_back(item.step);
    EXPECT_EQ(steps, c.steps) << c.latitude << " " << c.longitude << " " << c.timeSystem;
  }
}

}  // namespace

// Without a printer the checks before the preview read the preview's sheet:
// A4 portrait, or the paper and orientation a document named.
TEST(OutputSequenceTest, WithoutPrinterThePreviewChecksItsOwnSheet) {
  MainModel main;
  OutputRequest request = RequestFromModel(main, OutputCommand::Preview);
  EXPECT_FALSE(request.printerAvailable);
  EXPECT_EQ(request.paperSize, kPaperA4);
  EXPECT_EQ(request.orientation, kPortrait);
  ASSERT_TRUE(main.Printer().setPaperSize(kPaperA5));
  ASSERT_TRUE(main.Printer().setOrientation(kPortrait));
  request = RequestFromModel(main, OutputCommand::Preview);
  EXPECT_EQ(request.paperSize, kPaperA5);
  EXPECT_EQ(request.orientation, kPortrait);
  // One A4 page holds the model at 60 degrees; one A5 page does not.
  At(main, 60);
  Responder yes;
  EXPECT_TRUE(RunOutputChecks(main, request, yes.Fn()).proceed);
  ASSERT_FALSE(yes.items.empty());
  EXPECT_EQ(yes.items[0].step, CheckStep::PageSplit);
}

namespace {

// The nodus speaks only when the design draws with it.
TEST(OutputSequenceTest, NodusTooHighOrUselessAndTheEquatorAreReported) {
  struct Case {
    double latitude;
    int32_t dateLines;
    double nodus;
    std::vector<CheckStep> steps;
  };
  const std::vector<Case> cases{
      {35, 0, 500, {}},                 // nothing drawn, nothing said
      {35, 1, 0, {}},                   // automatic height fits
      {35, 1, 60, {CheckStep::Nodus}},  // above the 45.5 mm gnomon
      {35, 1, 2, {CheckStep::Nodus}},   // every arc inside the inner disc
      {3, 1, 0, {}},                    // drawn as a polar dial: nothing to warn of
  };
  for (const Case& c : cases) {
    MainModel main;
    At(main, c.latitude);
    main.dialOption.dateLines = c.dateLines;
    main.dialOption.nodusHeight = c.nodus;
    ASSERT_EQ(main.ApplySeason(), Status::Ok());
    Responder r{{CheckAnswer::No}, {}};
    const bool asked = !c.steps.empty() && c.steps.front() == CheckStep::Nodus;
    EXPECT_EQ(RunOutputChecks(main, {OutputCommand::Preview, false, kPaperA4, kPortrait, 1}, r.Fn())
                  .proceed,
              !asked);
    std::vector<CheckStep> steps;
    for (const CheckItem& item : r.items) steps.push_back(item.step);
    EXPECT_EQ(steps, c.steps) << c.latitude << " " << c.nodus;
  }
}

// Under English every item, caption and output error reads without a
// Japanese character, and the command's name still lands in the question.
TEST(OutputSequenceTest, EnglishItemsCarryTheCaption) {
  const EnglishTexts english;
  MainModel main;
  At(main, 15, 160.5);
  main.dialOption.picture = "/no/such/picture.wmf";
  Responder r;
  RunOutputChecks(main, {OutputCommand::Print, false, 3, kPortrait, 1}, r.Fn());
  ASSERT_EQ(r.items.size(), 1u);  // no printer
  RunOutputChecks(main, {OutputCommand::Export, true, 3, kPortrait, 1}, r.Fn());
  ASSERT_EQ(r.items.size(), 5u);  // paper, picture, time zone, latitude
  EXPECT_EQ(r.items[1].text,
            "The selected paper size is not supported.\n"
            "Continue with Export to PDF/SVG/PNG on the current paper size?");
  for (const CheckItem& item : r.items)
    EXPECT_FALSE(HasJapanese(item.text + item.caption)) << item.text;

  ExportChoice choice(ExportKind::Png, kPaperA4, kPortrait, 1);
  choice.setDpi(5);
  EXPECT_EQ(choice.Problem(), "The resolution must be from 10 to 2400 dpi.");
  ErrorRecord error;
  EXPECT_FALSE(TrapStatus(error, [] { RaiseCannotWrite("PdfExport", "/x/d.pdf"); }).ok());
  EXPECT_EQ(error.description, "Cannot write the file /x/d.pdf.");
}

}  // namespace
