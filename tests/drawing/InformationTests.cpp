// The information block, the corner sentences, the page caption and the
// margin frame, with the page margins of printer and preview.
#include <algorithm>
#include <utility>

#include "CorrectionTable.h"
#include "DrawTestSupport.h"
#include "SolarFormulas.h"

namespace {

class Information : public ::testing::Test {
 protected:
  void SetUp() override {
    PrepareModel(main);
    main.Chart().Location().setTimeZone(9);
    main.Chart().Season().setEquationOfTime(0);
  }
  Status Draw() { return DrawInformation(main, page, A4Layout(), 1.0); }
  MainModel main;
  RecordingTarget page;  // margins 15 - 4.2333 mm inside the printable area
  const double margin = 15 - 100 * 25.4 / 600;
  const double inside = margin + 1;  // corner texts keep a millimetre from the frame
};

TEST_F(Information, BlockTextsAndPlacement) {
  ASSERT_EQ(Draw(), Status::Ok());
  const auto texts = page.Texts();
  ASSERT_EQ(texts.size(), 10u);
  const std::vector<std::string> block(texts.begin(), texts.begin() + 7);
  EXPECT_EQ(block, (std::vector<std::string>{"日付 : 指定なし", "地域 : 兵庫県明石市",
                                             "緯度 : +34度39分00秒", "経度 : +135度00分00秒",
                                             "表示時刻 : 真太陽時", "磁気偏角 : 西偏7度03分",
                                             "均時差 : 指定なし"}));
  EXPECT_EQ(texts[7], "日時計の時刻+0時間00分00秒が中央標準時です。");
  EXPECT_EQ(texts[8], "ただし、観測日の均時差による補正が必要です。");
  EXPECT_EQ(texts[9], "磁北に対して東に7度03分27秒回転して設置します。");
  EXPECT_EQ(page.State().font, main.dialInformationFont);
  EXPECT_EQ(page.log.back().state.foreColor, main.dialColor.informationFont);

  // Centred in the inner disc on the south side, lines left-aligned.
  const DialLayout l = A4Layout();
  std::string joined;
  for (const std::string& line : block) joined += (joined.empty() ? "" : "\r\n") + line;
  const double lineHeight = page.TextHeight("x");
  const double top = (47.5 - lineHeight) + l.centerY - 3.5 * lineHeight;
  const auto records = page.Of(RecordOp::Text);
  for (size_t i = 0; i < 7; ++i) {
    ExpectAt(page, records[i].points[0], l.centerX - page.TextWidth(joined) / 2,
             top + i * lineHeight);
  }
  // Right-aligned as a whole at the top right; the turning sentence bottom left.
  const double right = page.ScaleWidth() - inside - page.TextWidth(texts[7] + "\r\n" + texts[8]);
  ExpectAt(page, records[7].points[0], right, inside);
  ExpectAt(page, records[8].points[0], right, inside + lineHeight);
  ExpectAt(page, records[9].points[0], inside, page.ScaleHeight() - inside - lineHeight);
}

TEST_F(Information, DateBasisTimeSystemAndPlace) {
  main.season.adjustEquation = true;
  main.season.seasonDate = {2024, 3, 5};
  main.Chart().Season().setEquationOfTime(-0.2);
  main.Chart().setTimeSystem(kMeanStandardTime);
  main.Chart().Location().setLatitude(-33.9);  // outside the magnetic area
  ASSERT_EQ(Draw(), Status::Ok());
  const auto texts = page.Texts();
  ASSERT_EQ(texts.size(), 10u);
  EXPECT_EQ(texts[0], "日付 : 3月5日");
  EXPECT_EQ(texts[4], "表示時刻 : 中央標準時");
  // The world model's value for 2025.0, the start of its span, east of north.
  EXPECT_EQ(texts[5], "磁気偏角 : 東偏6度19分 (WMM2025)");
  EXPECT_EQ(texts[9], "磁北に対して西に6度18分40秒 (WMM2025)回転して設置します。");
  EXPECT_EQ(texts[6], "均時差 : -0時間12分00秒");
  EXPECT_EQ(texts[7], "日時計の時刻は中央標準時です。");
  EXPECT_EQ(texts[8], "3月5日の均時差による補正を行っています。");
  // North of the centre in the southern hemisphere.
  EXPECT_LT(page.Of(RecordOp::Text)[6].points[0].y, page.PixelY(A4Layout().centerY));

  page.log.clear();
  main.Chart().setTimeSystem(kTrueSolarTime);
  main.Chart().Season().setEquationOfTime(0);
  main.Chart().Location().setLongitude(130.5);  // dial 18 minutes behind the clock
  ASSERT_EQ(Draw(), Status::Ok());
  EXPECT_EQ(page.Texts()[7], "日時計の時刻+0時間18分00秒が中央標準時です。");
}

TEST_F(Information, EnglishWordsDatesAndAnglesInALatinFace) {
  const EnglishTexts english;
  main.Chart().Location().setName("Akashi, Hyogo");
  main.season.adjustEquation = true;
  main.season.seasonDate = {2024, 6, 21};
  ASSERT_EQ(Draw(), Status::Ok());
  ASSERT_EQ(DrawPageTitle(main, page, A4Layout(), 1.0, 1, 2), Status::Ok());
  const auto texts = page.Texts();
  ASSERT_EQ(texts.size(), 12u);
  EXPECT_EQ(texts[0], "Date: June 21");
  EXPECT_EQ(texts[2], "Latitude: +34°39′00″");
  EXPECT_EQ(texts[6], "Equation of time: 0h 00m 00s");
  EXPECT_EQ(texts[7], "Standard time is the dial's time +0h 00m 00s.");
  EXPECT_EQ(texts[8], "Corrected for the equation of time on June 21.");
  EXPECT_EQ(texts[9].rfind("Turn the dial 7°", 0), 0u) << texts[9];
  EXPECT_EQ(texts[11], "Page 1/2");
  for (const std::string& text : texts) EXPECT_FALSE(HasJapanese(text)) << text;
  // The Japanese default face gives way to the Latin one; a chosen face stays.
  EXPECT_EQ(page.Of(RecordOp::Text)[0].font.name, "Arial");
  main.dialInformationFont.name = "IPAPMincho";
  page.log.clear();
  ASSERT_EQ(Draw(), Status::Ok());
  EXPECT_EQ(page.State().font.name, "IPAPMincho");
}

TEST_F(Information, NothingWithoutPrintInfoAndFailureOnAMuteDevice) {
  main.dialOption.printInfo = false;
  EXPECT_EQ(Draw(), Status::Ok());
  EXPECT_TRUE(page.log.empty());

  main.dialOption.printInfo = true;
  page.offsetUnknown = true;
  EXPECT_EQ(Draw(), Status::Error(RecordingTarget::kRefusedNumber));
  EXPECT_EQ(main.lastError.description, "プロパティの値が不正です。");
  EXPECT_TRUE(page.log.empty());
}

// 15 mm from every paper edge, whatever the printer cannot reach.
TEST_F(Information, MarginFrameOnPrinterAndPreview) {
  main.general.debugMode = true;
  ASSERT_EQ(DrawMarginFrame(main, page), Status::Ok());
  const Record frame = page.Of(RecordOp::Rectangle).at(0);
  EXPECT_EQ(frame.points, (std::vector<DevicePoint>{{254, 254}, {4506, 6561}}));
  EXPECT_EQ(frame.state.foreColor, 0);
  EXPECT_EQ(frame.state.fillStyle, BrushStyle::Transparent);

  RecordingTarget preview(SurfaceSetup::PreviewA4());
  main.general.debugMode = false;
  ASSERT_EQ(DrawMarginFrame(main, preview), Status::Ok());
  const Record screenFrame = preview.Of(RecordOp::Rectangle).at(0);
  EXPECT_EQ(screenFrame.points, (std::vector<DevicePoint>{{57, 57}, {737, 1066}}));
  EXPECT_EQ(screenFrame.state.foreColor, preview.ButtonFaceColor());
}

TEST_F(Information, PageTitle) {
  ASSERT_EQ(DrawPageTitle(main, page, A4Layout(), 2.0, 1, 2), Status::Ok());
  EXPECT_EQ(page.Texts(), (std::vector<std::string>{"Umbrafex Version 3.04", "Page 1/2"}));
  EXPECT_EQ(page.State().font, (FontSpec{"Arial", 20, true, false, false, false}));
  EXPECT_EQ(page.State().foreColor, 0);
  const auto texts = page.Of(RecordOp::Text);
  ExpectAt(page, texts[0].points[0], inside, inside);
  ExpectAt(page, texts[1].points[0], page.ScaleWidth() - inside - page.TextWidth("Page 1/2"),
           page.ScaleHeight() - inside - page.TextHeight("Page 1/2"));
}

// The table of a dial read without a date: the engine's equation of time on
// the 1st and 15th, with the longitude's difference on a true-solar dial,
// whose lines do not hold it; month names and signed minutes in the sheet's
// language.
TEST(CorrectionTable, MinutesFollowTheEngineAndTheTableReadsThem) {
  MainModel main;
  PrepareModel(main);
  main.Chart().Location().setLongitude(139.74);
  main.Chart().Location().setTimeZone(9);
  ASSERT_EQ(main.ApplySeason(), Status::Ok());
  const double longitude = (139.74 - 135) / 15 * 60;
  for (int32_t system : {kMeanStandardTime, kTrueSolarTime}) {
    main.Chart().setTimeSystem(system);
    const std::vector<ClockCorrection> table = ClockCorrections(main.Chart());
    ASSERT_EQ(table.size(), 24u);
    const double shift = system == kTrueSolarTime ? -longitude : 0;
    for (const auto& [index, dayNumber] : {std::pair{3, 46}, std::pair{20, 305}}) {
      double equation = 0;
      GetEquationOfTime(dayNumber, ToFlag(main.Chart().LeapYear()),
                        ToFlag(main.Chart().Compatible()), equation);
      EXPECT_NEAR(table[index].minutes, -equation * 60 + shift, 1e-9) << system;
    }
    EXPECT_EQ((std::pair{table[20].month, table[20].day}), (std::pair{11, 1}));
  }
  // The almanac: the sun is about 14 minutes slow on 15 February, 16 fast on 1 November.
  main.Chart().setTimeSystem(kMeanStandardTime);
  EXPECT_NEAR(ClockCorrections(main.Chart())[3].minutes, 14.2, 1);
  RecordingTarget page;
  ASSERT_EQ(DrawCorrectionTable(main, page, A4Layout(), 1.0, 1.0, 1, 1), Status::Ok());
  const auto texts = page.Texts();
  ASSERT_EQ(texts.size(), 1u + 2 + 12 * 3);  // the heading, the days, the months
  const auto november = std::find(texts.begin(), texts.end(), "11月");
  ASSERT_LT(november + 2, texts.end());
  EXPECT_EQ(std::vector<std::string>(november, november + 3),
            (std::vector<std::string>{"11月", "−16", "−16"}));
}

}  // namespace
