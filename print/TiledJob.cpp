#include "TiledJob.h"

#include <algorithm>
#include <cmath>

#include "AnalemmaticSheet.h"
#include "MainModel.h"
#include "PdfExport.h"
#include "PlaneSheet.h"
#include "PrintDevice.h"
#include "PrintJob.h"
#include "SheetFit.h"
#include "SheetWindow.h"
#include "UiText.h"

namespace {

constexpr const char* kSource = "TiledJob";
constexpr int kSearchSteps = 14;  // halvings of the sheet's scale

// The sheet's scale to the paper: the least of the paper's proportions that
// holds the design (it only grows with the face size, so halving finds it).
double SheetScale(MainModel& main, DrawTarget& paper, double paperFactor, int16_t orientation) {
  const double w = paper.ScaleWidth(), h = paper.ScaleHeight();
  auto holds = [&](double s) {
    SheetWindowTarget sheet(paper, w * s, h * s);
    return HoldsFaceSize(main, sheet, paperFactor, orientation, 1);
  };
  double low = 0.05 * main.dialOption.faceSize / w;
  double high = 4 * main.dialOption.faceSize / w + 1;
  if (!holds(high))
    RaiseError(kInvalidCallNumber, kSource, FaceTooLargeText(main.dialOption.faceSize));
  if (holds(low)) return low;
  for (int i = 0; i < kSearchSteps; ++i) {
    const double mid = (low + high) / 2;
    (holds(mid) ? high : low) = mid;
  }
  return high;
}

double SheetFactor(MainModel& main, int16_t paperSize) {
  if (DrawsOnPlaneSheet(main, main.Chart())) return PaperFactor(paperSize);
  return FaceSizeFactor(main.dialOption.faceSize);
}

DialLayout SheetLayout(MainModel& main, const TiledSheet& sheet, int16_t orientation) {
  return LayoutPage(sheet.paperFactor, orientation, 1, main.Chart().Location().Latitude(),
                    sheet.grid.sheetWidth, sheet.grid.sheetHeight);
}

// The whole sheet small on the map's paper, under its title and above the note.
SheetWindow MapWindow(const DrawTarget& paper, const TileGrid& grid) {
  constexpr double kTextRoom = 12;
  const SheetBox area = TileWindowOf(paper);
  const double top = area.top + kTextRoom / 2, bottom = area.bottom - kTextRoom / 2;
  // The map shows the tiles' whole extent, which may pass the sheet's edge.
  const SheetBox all{grid.first.x, grid.first.y, grid.Piece(grid.rows - 1, grid.columns - 1).right,
                     grid.Piece(grid.rows - 1, grid.columns - 1).bottom};
  SheetWindow w;
  w.scale = std::min(area.Width() / all.Width(), (bottom - top) / all.Height());
  w.from = {all.left, all.top};
  w.to = {area.left + (area.Width() - all.Width() * w.scale) / 2,
          top + (bottom - top - all.Height() * w.scale) / 2};
  w.clip[0] = w.to.x;
  w.clip[1] = w.to.y;
  w.clip[2] = w.to.x + all.Width() * w.scale;
  w.clip[3] = w.to.y + all.Height() * w.scale;
  return w;
}

// A drawing routine's failure, recorded in the model, ends the job.
void Require(const MainModel& main, const Status& status) {
  if (!status.ok()) RaiseRecorded(main.lastError);
}

}  // namespace

int TiledSheet::PrintedCount() const {
  return static_cast<int>(std::count(printed.begin(), printed.end(), true));
}

std::string TilesNeedSizeText() {
  return TranslateText("TiledJob", "Printing on several sheets needs the face's size (--size).");
}

TiledSheet PlanTiledSheet(MainModel& main, DrawTarget& paper, int16_t paperSize,
                          int16_t orientation) {
  if (!(main.dialOption.faceSize > 0)) {
    RaiseError(kInvalidCallNumber, kSource, TilesNeedSizeText());
  }
  if (DrawsAnalemmatic(main)) {
    RaiseError(kInvalidCallNumber, kSource,
               TranslateText("TiledJob",
                             "An analemmatic dial is drawn to scale on one sheet; "
                             "--major sets its size on the ground."));
  }
  TiledSheet tiled;
  tiled.paperFactor = SheetFactor(main, paperSize);
  const double s = SheetScale(main, paper, PaperFactor(paperSize), orientation);
  tiled.grid = PlanTiles(paper.ScaleWidth() * s, paper.ScaleHeight() * s, TileWindowOf(paper));
  if (tiled.grid.Count() > kMostTiles) {
    RaiseError(kInvalidCallNumber, kSource,
               FillText(TranslateText("TiledJob",
                                      "This size needs %1 sheets; at most %2 are printed. "
                                      "Choose a smaller size or a larger paper."),
                        {std::to_string(tiled.grid.Count()), std::to_string(kMostTiles)}));
  }
  tiled.sheet =
      std::make_shared<SheetWindowTarget>(paper, tiled.grid.sheetWidth, tiled.grid.sheetHeight);
  SheetWindowTarget& sheet = *tiled.sheet;
  sheet.StartRecording();
  Require(main, DrawSundialPage(main, sheet, SheetLayout(main, tiled, orientation), 1.0,
                                tiled.paperFactor, 1, 1));
  sheet.StopRecording();
  // A survey of what the sheet draws tells the tiles that carry nothing.
  std::vector<SheetBox> boxes;
  sheet.setSurvey([&](const SheetBox& box) { boxes.push_back(box); });
  sheet.Replay();
  sheet.setSurvey(nullptr);
  for (int row = 0; row < tiled.grid.rows; ++row) {
    for (int column = 0; column < tiled.grid.columns; ++column) {
      const SheetBox piece = tiled.grid.Piece(row, column);
      tiled.printed.push_back(std::any_of(boxes.begin(), boxes.end(), [&](const SheetBox& b) {
        return b.left <= piece.right && piece.left <= b.right && b.top <= piece.bottom &&
               piece.top <= b.bottom;
      }));
    }
  }
  sheet.ResumeRecording();
  Require(main, DrawRegistrationCrosses(main, sheet, tiled.grid, tiled.printed));
  sheet.StopRecording();
  return tiled;
}

std::vector<EdgeCrossing> DesignEdgeCrossings(MainModel& main, int16_t paperSize,
                                              int16_t orientation) {
  const SheetSize paper = PaperSheetSize(paperSize, orientation);
  if (DrawsOnPlaneSheet(main, main.Chart())) {
    const PlaneSheet sheet = LayPlaneSheet(main, main.Chart(), paper.width, paper.height,
                                           PageMargins{}, PaperFactor(paperSize), 1);
    return EdgeCrossingsOf(sheet.faces.front().dial);
  }
  return EdgeCrossingsOf(main, PrintedDialLayout(main, paperSize, orientation));
}

DialLayout PrintedDialLayout(MainModel& main, int16_t paperSize, int16_t orientation) {
  int16_t pageCount = PrintedPageCount(main.dialOption.maxPages);
  if (pageCount == 1 && !OnePageHolds(main, paperSize, orientation)) pageCount = 2;
  if (main.dialOption.faceSize > 0 && !PagesHold(main, paperSize, orientation, pageCount)) {
    const SheetSize paper = PaperSheetSize(paperSize, orientation);
    return LayoutPage(SheetFactor(main, paperSize), orientation, 1,
                      main.Chart().Location().Latitude(), paper.width, paper.height);
  }
  return PlanPaperSheet(main, paperSize, orientation, pageCount).layout;
}

Status PrintTiledSundial(MainModel& main, PrintDevice& document) {
  return RunPrintDocument(main, document, [&] {
    DrawTarget& paper = document.Page();
    const int16_t orientation = document.Orientation();
    const TiledSheet tiled = PlanTiledSheet(main, paper, document.PaperSize(), orientation);
    const TileGrid& grid = tiled.grid;
    SheetWindowTarget& sheet = *tiled.sheet;
    auto drawSheet = [&](const SheetWindow& window) {
      sheet.setPage(document.Page());
      sheet.setWindow(window);
      sheet.Replay();
      sheet.ClearWindow();
    };
    document.NamePage("map");
    const SheetWindow map = MapWindow(paper, grid);
    drawSheet(map);
    Require(main, DrawAssemblyMap(main, document.Page(), grid, map, tiled.printed));
    for (int row = 0; row < grid.rows; ++row) {
      for (int column = 0; column < grid.columns; ++column) {
        if (!tiled.printed[static_cast<size_t>(row * grid.columns + column)]) continue;
        document.NewPage();
        document.NamePage(TileLabel(row, column));
        drawSheet(grid.WindowOf(row, column));
        Require(main, DrawTileMarks(main, document.Page(), grid, row, column));
      }
    }
    document.NewPage();
    document.NamePage("edges");
    Require(main, DrawEdgeTable(main, document.Page(),
                                DesignEdgeCrossings(main, document.PaperSize(), orientation)));
    return Status::Ok();
  });
}
