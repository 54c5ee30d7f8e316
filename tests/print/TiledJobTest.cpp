// A face printed at its true size: refused where the paper cannot hold it,
// and in tiles whose overlaps carry the same lines, so that they reassemble.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "../drawing/RecordingTarget.h"
#include "MainModel.h"
#include "OutputChecks.h"
#include "PlaneSheet.h"
#include "PrintDevice.h"
#include "PrintJob.h"
#include "SheetFit.h"
#include "TiledJob.h"

namespace {

constexpr double kPixelsPerMm = 600 / 25.4;

// A4 portrait pages that record what is drawn on them, with their names.
class RecordingSheets : public PrintDevice {
 public:
  RecordingSheets() {
    setup_.scaleWidth = 210;
    setup_.scaleHeight = 297;
    setup_.widthTwips = 210 / 25.4 * 1440;
    setup_.heightTwips = 297 / 25.4 * 1440;
  }
  int16_t PaperSize() const override { return kPaperA4; }
  int16_t Orientation() const override { return kPortrait; }
  void StartDoc() override { NewPage(); }
  DrawTarget& Page() override { return *pages.back(); }
  void NewPage() override {
    pages.push_back(std::make_unique<RecordingTarget>(setup_));
    names.emplace_back();
  }
  void NamePage(const std::string& name) override { names.back() = name; }
  void EndDoc() override {}
  void KillDoc() noexcept override {}

  std::vector<std::unique_ptr<RecordingTarget>> pages;
  std::vector<std::string> names;
  SurfaceSetup setup_;
};

struct Segment {
  UserPoint a, b;
};

// A tile's lines in the sheet's millimetres.
std::vector<Segment> SheetLines(const RecordingTarget& page, const SheetWindow& w) {
  auto back = [&](DevicePoint p) {
    return UserPoint{(p.x / kPixelsPerMm - w.to.x) / w.scale + w.from.x,
                     (p.y / kPixelsPerMm - w.to.y) / w.scale + w.from.y};
  };
  std::vector<Segment> lines;
  for (const Record& r : page.Of(RecordOp::Line))
    lines.push_back({back(r.points[0]), back(r.points[1])});
  return lines;
}

bool Inside(UserPoint p, const SheetBox& box) {
  return p.x > box.left && p.x < box.right && p.y > box.top && p.y < box.bottom;
}

// The lines of `from` that lie within the box, each found in `in`.
int MatchedWithin(const std::vector<Segment>& from, const std::vector<Segment>& in,
                  const SheetBox& box) {
  constexpr double kTolerance = 0.1;  // millimetres: a pixel's rounding on either tile
  auto near = [](UserPoint p, UserPoint q) {
    return std::hypot(p.x - q.x, p.y - q.y) < kTolerance;
  };
  int count = 0;
  for (const Segment& s : from) {
    if (!Inside(s.a, box) || !Inside(s.b, box)) continue;
    bool found = false;
    for (const Segment& t : in) {
      found = found || (near(s.a, t.a) && near(s.b, t.b)) || (near(s.a, t.b) && near(s.b, t.a));
    }
    EXPECT_TRUE(found) << s.a.x << "," << s.a.y << " - " << s.b.x << "," << s.b.y;
    ++count;
  }
  return count;
}

TEST(TiledJobTest, NeighbouringTilesCarryTheSameLinesWhereTheyOverlap) {
  MainModel main;
  main.dialOption.picture.clear();
  main.Chart().Location().setLatitude(35);
  main.calcTime = {6, 18, 10};
  ASSERT_EQ(main.ApplySeason(), Status::Ok());
  main.dialOption.faceSize = 450;
  RecordingSheets sheets;
  ASSERT_EQ(PrintTiledSundial(main, sheets), Status::Ok()) << main.lastError.description;

  RecordingTarget paper(sheets.setup_);
  const TiledSheet tiled = PlanTiledSheet(main, paper, kPaperA4, kPortrait);
  const TileGrid& grid = tiled.grid;
  ASSERT_GE(grid.columns, 2);
  ASSERT_GE(grid.rows, 2);
  // The map first, every tile that carries a piece, the table of edges last.
  ASSERT_EQ(sheets.pages.size(), static_cast<size_t>(tiled.PrintedCount() + 2));
  EXPECT_EQ(sheets.names.front(), "map");
  EXPECT_EQ(sheets.names.back(), "edges");
  EXPECT_EQ(TileLabel(26, 3), "AA4");
  // The table's clock of a zone far from the place wraps into the day.
  EXPECT_EQ(ClockText(-11), "13:00");
  EXPECT_EQ(ClockText(24.5), "00:30");

  auto page = [&](int row, int column) -> const RecordingTarget* {
    for (size_t i = 0; i < sheets.names.size(); ++i) {
      if (sheets.names[i] == TileLabel(row, column)) return sheets.pages[i].get();
    }
    return nullptr;
  };
  int compared = 0;
  for (int row = 0; row < grid.rows; ++row) {
    for (int column = 0; column < grid.columns; ++column) {
      const RecordingTarget* here = page(row, column);
      if (!here) continue;
      const SheetBox piece = grid.Piece(row, column);
      const std::vector<Segment> mine = SheetLines(*here, grid.WindowOf(row, column));
      if (const RecordingTarget* right = page(row, column + 1)) {
        const std::vector<Segment> theirs = SheetLines(*right, grid.WindowOf(row, column + 1));
        const SheetBox overlap{piece.right - kTileOverlap, piece.top, piece.right, piece.bottom};
        compared += MatchedWithin(mine, theirs, overlap) + MatchedWithin(theirs, mine, overlap);
      }
      if (const RecordingTarget* below = page(row + 1, column)) {
        const std::vector<Segment> theirs = SheetLines(*below, grid.WindowOf(row + 1, column));
        const SheetBox overlap{piece.left, piece.bottom - kTileOverlap, piece.right, piece.bottom};
        compared += MatchedWithin(mine, theirs, overlap) + MatchedWithin(theirs, mine, overlap);
      }
    }
  }
  EXPECT_GT(compared, 20);

  // The edge of a horizontal dial is its outer ring, 450 mm across.
  for (const EdgeCrossing& c : DesignEdgeCrossings(main, kPaperA4, kPortrait)) {
    EXPECT_NEAR(std::hypot(c.x, c.y), 225, 1e-9);
  }
}

TEST(FaceSizeTest, TheFaceHasItsSizeOrIsRefusedAndIsStoredOnlyWhenSet) {
  MainModel main;
  main.dialOption.picture.clear();
  main.Chart().Location().setLatitude(35);
  ASSERT_EQ(main.ApplySeason(), Status::Ok());
  // The outer ring of a horizontal dial is the size across.
  main.dialOption.faceSize = 120;
  RecordingSheets fits;
  ASSERT_EQ(PrintSundial(main, fits, 1), Status::Ok()) << main.lastError.description;
  double widest = 0;
  for (const Record& r : fits.pages[0]->Of(RecordOp::Ellipse)) {
    widest = std::max(widest, double(r.points[1].x - r.points[0].x) / kPixelsPerMm);
  }
  EXPECT_NEAR(widest, 120, 0.2);
  main.dialOption.faceSize = 400;
  RecordingSheets tooLarge;
  EXPECT_FALSE(PrintSundial(main, tooLarge, 1).ok());
  EXPECT_EQ(main.lastError.description, FaceTooLargeText(400));
  EXPECT_NE(main.lastError.description.find("--tiles"), std::string::npos);
  // Two pages would not hold it either, so no split is offered before the refusal.
  std::ostringstream asked;
  EXPECT_EQ(CheckOutputForScript(main, kPaperA4, kPortrait, 1, false, asked).pageCount, 1);
  EXPECT_EQ(asked.str(), "");
  // One that two pages would hold: tiles lay it out as a sheet of their own.
  main.dialOption.faceSize = 160;
  EXPECT_EQ(CheckOutputForScript(main, kPaperA4, kPortrait, 1, false, asked).pageCount, 2);
  EXPECT_NE(asked.str(), "");
  asked.str("");
  EXPECT_EQ(CheckOutputForScript(main, kPaperA4, kPortrait, 1, true, asked).pageCount, 1);
  EXPECT_EQ(asked.str(), "");

  // A wall's face box takes the size across; a larger one than the sheet is refused.
  main.dialPlane = {180, 90};
  main.dialOption.faceSize = 80;
  const PlaneSheet wall = LayPlaneSheet(main, main.Chart(), 210, 297, PageMargins{}, 1.0, 1);
  EXPECT_FALSE(wall.oversize);
  EXPECT_NEAR(wall.faces.front().dial.face.Width(), 80, 1e-6);
  main.dialOption.faceSize = 900;
  EXPECT_FALSE(PrintSundial(main, tooLarge, 1).ok());
  EXPECT_EQ(main.lastError.description, FaceTooLargeText(900));

  // Old documents stay as they were: the key is written only when set.
  const std::string path = ::testing::TempDir() + "/face-size.ufx";
  auto saved = [&] {
    EXPECT_EQ(main.SaveDocument(path), Status::Ok());
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  };
  EXPECT_NE(saved().find("FaceSize=900"), std::string::npos);
  main.dialOption.faceSize = 0;
  EXPECT_EQ(saved().find("FaceSize"), std::string::npos);
  std::remove(path.c_str());
}

}  // namespace
