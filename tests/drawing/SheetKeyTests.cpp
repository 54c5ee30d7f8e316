// Line weights a paper model is cut and folded by, the key to them and the
// gnomon's labels.
#include <algorithm>

#include "DrawTestSupport.h"
#include "QuadsApart.h"
#include "SheetArea.h"
#include "SheetKey.h"

namespace {

constexpr double kPixelsPerMm = 600 / 25.4;

// The whole one-page A4 sheet at a latitude, as the print job lays it out.
struct Sheet {
  explicit Sheet(double latitude) {
    PrepareModel(main, latitude);
    layout = {105, 110, 75, 65, 30, 105, 200};
  }
  Status Draw() {
    for (Status status :
         {DrawDialRings(main, page, layout, 1.0), DrawDialFace(main, page, layout, 1.0),
          DrawGnomon(main, page, layout, 1.0, 1.0), DrawDialMarks(main, page, layout, 1.0),
          DrawGnomonLabels(main, page, layout, 1.0, 1.0),
          DrawSheetKey(main, page, layout, 1.0, 1.0, 1, 1)}) {
      if (!status.ok()) return status;
    }
    return Status::Ok();
  }
  MainModel main;
  RecordingTarget page;
  DialLayout layout;
};

TEST(SheetLines, NothingOnPaperIsAHairlineAndCutsAreHeavierThanFolds) {
  Sheet sheet(35);
  sheet.main.dialOption.lineWidth = 0.1;  // a dial pen thinner than paper takes
  sheet.main.calcTime.interval = 20;
  ASSERT_EQ(sheet.Draw(), Status::Ok());
  for (const Record& r : sheet.page.Primitives()) {
    if (r.op == RecordOp::Text) continue;
    EXPECT_GE(r.state.drawWidth, 0.2 * kPixelsPerMm - 0.5) << static_cast<int>(r.op);
  }
  const Record outer = sheet.page.Of(RecordOp::Ellipse).at(0);
  const Record pattern = sheet.page.Of(RecordOp::Polygon).at(0);
  EXPECT_EQ(outer.state.drawWidth, 7);  // 0.3 mm
  EXPECT_EQ(pattern.state.drawWidth, 7);

  // The clock keeps its one-pixel pens.
  TestClock clock;
  ASSERT_EQ(DrawDialFace(sheet.main, clock, clock.Layout(), 1.0), Status::Ok());
  for (const Record& r : clock.target.Of(RecordOp::Line)) EXPECT_EQ(r.state.drawWidth, 1);
}

// The key lies inside the margins and clear of the dial and the pattern;
// its samples are drawn as the lines they explain.
TEST(SheetLines, KeyNamesCutFoldAndGlueInAFreeCorner) {
  for (double latitude : {5.0, 35.0, -35.0, 44.0}) {
    Sheet sheet(latitude);
    ASSERT_EQ(sheet.Draw(), Status::Ok());
    RecordingTarget& page = sheet.page;
    const PageMargins m = PageMarginsOf(page);
    for (const char* word : {"切り取り線", "山折り線", "谷折り線", "のりしろ"}) {
      const Record* text = page.FindText(word);
      ASSERT_NE(text, nullptr) << word;
      const double x = text->points[0].x / kPixelsPerMm, y = text->points[0].y / kPixelsPerMm;
      EXPECT_GE(x, m.left) << word;
      EXPECT_LE(x + page.TextWidth(word), page.ScaleWidth() - m.right + 0.1) << word;
      EXPECT_LE(y, page.ScaleHeight() - m.bottom) << word;
      if (std::string(word) == "のりしろ") continue;  // also on the flaps
      const double dx = x - sheet.layout.centerX, dy = y - sheet.layout.centerY;
      EXPECT_GT(std::hypot(dx, dy), sheet.layout.outerRadius) << word << " " << latitude;
    }
    // Samples: the last lines drawn, a cut, then a dashed and a dash-dotted fold.
    const auto lines = page.Of(RecordOp::Line);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 3].state.drawWidth, 7);
    EXPECT_EQ(lines[lines.size() - 2].state.drawStyle, PenStyle::Dash);
    EXPECT_EQ(lines[lines.size() - 1].state.drawStyle, PenStyle::DashDot);
    EXPECT_EQ(lines[lines.size() - 1].state.drawWidth, 6);
  }
}

// Upright along the style, inside the left triangle where it is wide
// enough (35 degrees), beside the pattern where it is not (5 degrees).
TEST(SheetLines, GnomonLabelNamesTheFoldAndTheLatitude) {
  for (const auto& [latitude, inside] : {std::pair{35.0, true}, std::pair{5.0, false}}) {
    Sheet sheet(latitude);
    ASSERT_EQ(DrawGnomonLabels(sheet.main, sheet.page, sheet.layout, 1.0, 1.0), Status::Ok());
    const auto texts = sheet.page.Of(RecordOp::Text);
    ASSERT_EQ(texts.size(), 3u);
    const Record& label = texts[0];
    EXPECT_EQ(label.text.rfind("ノーモン — 山折り", 0), 0u) << label.text;
    EXPECT_NE(label.text.find(latitude > 30 ? "北緯35度" : "北緯5度"), std::string::npos);
    EXPECT_EQ(label.font.escapementTenths, 900);
    const double x = label.points[0].x / kPixelsPerMm;
    if (inside) {
      EXPECT_LT(x, sheet.layout.gnomonX);
      EXPECT_GT(x, sheet.layout.gnomonX - 65 * std::sin(35 / kDegrees));
    } else {
      EXPECT_GT(x, sheet.layout.gnomonX + 65 * std::sin(5 / kDegrees) + 5);
    }
    EXPECT_EQ(texts[1].text, "のりしろ");
    EXPECT_EQ(texts[2].text, "のりしろ");
  }
}

TEST(SheetLines, EnglishKeyAndGnomonLabel) {
  const EnglishTexts english;
  Sheet sheet(-35);
  ASSERT_EQ(sheet.Draw(), Status::Ok());
  RecordingTarget& page = sheet.page;
  for (const Record& text : page.Of(RecordOp::Text))
    EXPECT_FALSE(HasJapanese(text.text)) << text.text;
  const PageMargins m = PageMarginsOf(page);
  for (const char* word : {"Cut line", "Mountain fold", "Valley fold", "Glue flap"}) {
    const Record* text = page.FindText(word);
    ASSERT_NE(text, nullptr) << word;
    page.setFont(text->state.font);
    EXPECT_LE(text->points[0].x / kPixelsPerMm + page.TextWidth(word),
              page.ScaleWidth() - m.right + 0.1)
        << word;
  }
  EXPECT_NE(page.FindText("Gnomon — mountain fold — for 35°00′00″ S"), nullptr);
}

// A recorded text's box as four corners in pixels, turned as it is drawn.
std::vector<UserPoint> TextCorners(RecordingTarget& page, const Record& text) {
  page.setFont(text.state.font);
  const double w = page.PixelX(page.TextWidth(text.text));
  const double h = page.PixelY(page.TextHeight(text.text));
  const UserPoint at{double(text.points[0].x), double(text.points[0].y)};
  std::vector<UserPoint> corners;
  for (const UserPoint p :
       {at, UserPoint{at.x + w, at.y}, UserPoint{at.x + w, at.y + h}, UserPoint{at.x, at.y + h}}) {
    corners.push_back(RotatePoint(at, text.font.escapementTenths / 10.0, p));
  }
  return corners;
}

// Crowded faces (low latitudes, short intervals) shrink their labels to no
// less than 6 pt and drop the lesser hours; none of the rest touch.
TEST(HourLabels, NeverTouchAndStayReadable) {
  for (double latitude : {5.0, 20.0, 34.65, 60.0, -5.0, -45.0}) {
    for (int16_t interval : {10, 60}) {
      Sheet sheet(latitude);
      sheet.main.calcTime.interval = interval;
      ASSERT_EQ(DrawDialFace(sheet.main, sheet.page, sheet.layout, 1.0), Status::Ok());
      const auto texts = sheet.page.Of(RecordOp::Text);
      ASSERT_GE(texts.size(), 3u) << latitude;
      EXPECT_NE(sheet.page.FindText("12:00"), nullptr) << latitude;
      std::vector<std::vector<UserPoint>> boxes;
      for (const Record& t : texts) {
        EXPECT_GE(t.state.font.size, 6) << latitude;
        boxes.push_back(TextCorners(sheet.page, t));
      }
      for (size_t i = 0; i < boxes.size(); ++i)
        for (size_t j = i + 1; j < boxes.size(); ++j)
          EXPECT_TRUE(QuadsApart(boxes[i], boxes[j]))
              << texts[i].text << " " << texts[j].text << " at " << latitude;
    }
  }
}

}  // namespace
