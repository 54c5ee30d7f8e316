#include "TileSheets.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "DrawPass.h"
#include "FaceLines.h"
#include "PlaneDial.h"
#include "ScaleBar.h"
#include "UiText.h"

namespace {

constexpr double kFootBand = 12;  // millimetres under the window: label and bar
constexpr double kCropGap = 2;    // between a window's corner and its crop marks
constexpr double kCropLength = 6;
constexpr double kCrossRadius = 2.5;
constexpr double kCrossArm = 4;
constexpr double kLabelPoints = 16;
constexpr double kTextPoints = 9;

int TilesAlong(double length, double window) {
  const double step = window - kTileOverlap;
  if (length <= window || step <= 0) return 1;
  return static_cast<int>(std::ceil((length - kTileOverlap) / step));
}

void SetTextFont(const DrawPass& pass, double points, bool bold) {
  FontSpec font = pass.design.settings.dialInformationFont;
  font.size = points;
  font.bold = bold;
  pass.target.setFont(ScaledFont(font, pass));
  pass.target.setForeColor(0);
}

void Cross(DrawTarget& t, double x, double y) {
  PixelCircle(t, x, y, kCrossRadius);
  PixelLine(t, x - kCrossArm, y, x + kCrossArm, y);
  PixelLine(t, x, y - kCrossArm, x, y + kCrossArm);
}

}  // namespace

UserPoint TileGrid::Origin(int row, int column) const {
  const double stepX = window.Width() - kTileOverlap;
  const double stepY = window.Height() - kTileOverlap;
  return {first.x + column * stepX, first.y + row * stepY};
}

SheetBox TileGrid::Piece(int row, int column) const {
  const UserPoint o = Origin(row, column);
  return {o.x, o.y, o.x + window.Width(), o.y + window.Height()};
}

SheetWindow TileGrid::WindowOf(int row, int column) const {
  SheetWindow w;
  w.from = Origin(row, column);
  w.to = {window.left, window.top};
  w.clip[0] = window.left;
  w.clip[1] = window.top;
  w.clip[2] = window.right;
  w.clip[3] = window.bottom;
  return w;
}

TileGrid PlanTiles(double sheetWidth, double sheetHeight, const SheetBox& window) {
  TileGrid grid;
  grid.sheetWidth = sheetWidth;
  grid.sheetHeight = sheetHeight;
  grid.window = window;
  grid.columns = TilesAlong(sheetWidth, window.Width());
  grid.rows = TilesAlong(sheetHeight, window.Height());
  // What the tiles cover beyond the sheet is shared out on both sides.
  const double coverX = grid.columns * (window.Width() - kTileOverlap) + kTileOverlap;
  const double coverY = grid.rows * (window.Height() - kTileOverlap) + kTileOverlap;
  grid.first = {(sheetWidth - coverX) / 2, (sheetHeight - coverY) / 2};
  return grid;
}

SheetBox TileWindowOf(const DrawTarget& paper) {
  const PageMargins m = PageMarginsOf(paper);
  return {m.left, m.top, paper.ScaleWidth() - m.right, paper.ScaleHeight() - m.bottom - kFootBand};
}

std::string TileLabel(int row, int column) {
  std::string letters;
  for (int n = row + 1; n > 0; n = (n - 1) / 26) {
    letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
  }
  return letters + std::to_string(column + 1);
}

std::string ClockText(double hours) {
  // A zone far from the place puts its hours before midnight or past the day's end.
  constexpr int kDay = 24 * 60;
  const int minutes = (static_cast<int>(std::lround(hours * 60)) % kDay + kDay) % kDay;
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", minutes / 60, minutes % 60);
  return text;
}

Status DrawRegistrationCrosses(DialDesign design, DrawTarget& sheet, const TileGrid& grid,
                               const std::vector<bool>& printed) {
  auto shown = [&](int row, int column) {
    return printed[static_cast<size_t>(row * grid.columns + column)];
  };
  return RunDrawRoutine(design, [&] {
    SetThinPen(sheet);
    sheet.setForeColor(0);
    // Where two tiles overlap, a cross on the overlap's middle line at the
    // middle of each tile's side.
    for (int row = 0; row < grid.rows; ++row) {
      for (int column = 0; column < grid.columns; ++column) {
        const SheetBox p = grid.Piece(row, column);
        const double midX = (p.left + p.right) / 2, midY = (p.top + p.bottom) / 2;
        if (!shown(row, column)) continue;
        if (column + 1 < grid.columns && shown(row, column + 1)) {
          Cross(sheet, p.right - kTileOverlap / 2, midY);
        }
        if (row + 1 < grid.rows && shown(row + 1, column)) {
          Cross(sheet, midX, p.bottom - kTileOverlap / 2);
        }
      }
    }
  });
}

Status DrawTileMarks(DialDesign design, DrawTarget& paper, const TileGrid& grid, int row,
                     int column) {
  const DrawPass pass(design, paper, 1.0);
  return RunDrawRoutine(design, [&] {
    SetThinPen(paper);
    paper.setForeColor(0);
    const SheetBox& w = grid.window;
    for (double x : {w.left, w.right}) {
      for (double y : {w.top, w.bottom}) {
        const double sx = x == w.left ? -1 : 1, sy = y == w.top ? -1 : 1;
        PixelLine(paper, x + sx * kCropGap, y, x + sx * (kCropGap + kCropLength), y);
        PixelLine(paper, x, y + sy * kCropGap, x, y + sy * (kCropGap + kCropLength));
      }
    }
    DrawScaleBarAt(pass, BarSide::Bottom, w.left);
    SetTextFont(pass, kLabelPoints, true);
    const std::string label = TileLabel(row, column);
    const double bandTop = w.bottom + kCropGap;
    RotatedText(paper, w.right - paper.TextWidth(label), bandTop, label, 0);
    const double labelWidth = paper.TextWidth(label);
    SetTextFont(pass, kTextPoints, false);
    const std::string of = FillText(TranslateText("TileSheets", "of %1 rows x %2 columns"),
                                    {std::to_string(grid.rows), std::to_string(grid.columns)});
    RotatedText(paper, w.right - labelWidth - paper.TextWidth(of) - 3, bandTop + 1, of, 0);
  });
}

Status DrawAssemblyMap(DialDesign design, DrawTarget& paper, const TileGrid& grid,
                       const SheetWindow& map, const std::vector<bool>& printed) {
  const DrawPass pass(design, paper, 1.0);
  return RunDrawRoutine(design, [&] {
    auto at = [&](double x, double y) {
      return UserPoint{map.to.x + map.scale * (x - map.from.x),
                       map.to.y + map.scale * (y - map.from.y)};
    };
    SetTextFont(pass, kTextPoints, true);
    const PageMargins m = PageMarginsOf(paper);
    RotatedText(paper, m.left, m.top - 8,
                FillText(TranslateText("TileSheets", "Assembly map: %1 sheets"),
                         {std::to_string(std::count(printed.begin(), printed.end(), true))}),
                0);
    for (int row = 0; row < grid.rows; ++row) {
      for (int column = 0; column < grid.columns; ++column) {
        const bool shown = printed[static_cast<size_t>(row * grid.columns + column)];
        const SheetBox p = grid.Piece(row, column);
        const UserPoint a = at(p.left, p.top), b = at(p.right, p.bottom);
        SetPen(paper, PenMode::CopyPen, shown ? PenStyle::Solid : PenStyle::Dot, 1);
        paper.setForeColor(shown ? kColorRed : kColorGrey);
        PixelRectangle(paper, a.x, a.y, b.x, b.y);
        if (!shown) continue;
        const std::string label = TileLabel(row, column);
        RotatedText(paper, (a.x + b.x - paper.TextWidth(label)) / 2,
                    (a.y + b.y - paper.TextHeight(label)) / 2, label, 0);
      }
    }
    SetThinPen(paper);
    SetTextFont(pass, kTextPoints, false);
    const std::string how[] = {
        TranslateText("TileSheets", "Neighbouring sheets overlap by 10 mm."),
        TranslateText("TileSheets",
                      "Trim each sheet at its crop marks on the left and top, lay it over its"),
        TranslateText("TileSheets", "neighbours so that the crosses meet, and tape it.")};
    const double line = paper.TextHeight("0") * 1.3;
    double y = paper.ScaleHeight() - m.bottom - 3 * line;
    for (const std::string& text : how) {
      RotatedText(paper, m.left, y, text, 0);
      y += line;
    }
  });
}

Status DrawEdgeTable(DialDesign design, DrawTarget& paper,
                     const std::vector<EdgeCrossing>& crossings) {
  const DrawPass pass(design, paper, 1.0);
  return RunDrawRoutine(design, [&] {
    const PageMargins m = PageMarginsOf(paper);
    SetTextFont(pass, kTextPoints + 2, true);
    const std::string title = TranslateText(
        "TileSheets", "Where the hour lines meet the face's edge (mm from the style's root)");
    RotatedText(paper, m.left, m.top, title, 0);
    SetTextFont(pass, kTextPoints, false);
    const double line = paper.TextHeight("0") * 1.3;
    // Time, then X, Y and the distance each flush right in its cell.
    const double cell = paper.TextWidth("-0000.0") + 4;
    const double columnWidth = paper.TextWidth("00:00") + 3 * cell + 10;
    const double top = m.top + 3 * line;
    const double bottom = paper.ScaleHeight() - m.bottom;
    const auto perColumn = std::max(1, static_cast<int>((bottom - top) / line) - 1);
    auto number = [](double v) {
      char text[16];
      std::snprintf(text, sizeof text, "%.1f", std::fabs(v) < 0.05 ? 0.0 : v);
      return std::string(text);
    };
    auto row = [&](double x, double y, const std::string(&cells)[4]) {
      RotatedText(paper, x, y, cells[0], 0);
      for (int k = 1; k < 4; ++k) {
        const double right = x + paper.TextWidth("00:00") + k * cell;
        RotatedText(paper, right - paper.TextWidth(cells[k]), y, cells[k], 0);
      }
    };
    const std::string head[4] = {TranslateText("TileSheets", "Time"), "X", "Y",
                                 TranslateText("TileSheets", "Distance")};
    for (size_t i = 0; i < crossings.size(); ++i) {
      const auto column = static_cast<int>(i) / perColumn, place = static_cast<int>(i) % perColumn;
      const double x = m.left + column * columnWidth;
      if (place == 0) row(x, top, head);
      const EdgeCrossing& c = crossings[i];
      const std::string cells[4] = {ClockText(c.clockTime), number(c.x), number(c.y),
                                    number(std::hypot(c.x, c.y))};
      row(x, top + (place + 1) * line, cells);
    }
  });
}

std::vector<EdgeCrossing> EdgeCrossingsOf(DialDesign design, const DialLayout& layout) {
  std::vector<EdgeCrossing> crossings;
  const double r = layout.outerRadius;
  for (const FaceLine& line : FaceLinesOf(design, layout)) {
    const double a = line.theta * kRadiansPerDegree;
    crossings.push_back({line.clockTime, r * std::cos(a), r * std::sin(a)});
  }
  return crossings;
}

std::vector<EdgeCrossing> EdgeCrossingsOf(const PlaneDial& dial) {
  std::vector<EdgeCrossing> crossings;
  for (const PlaneHourLine& line : dial.hourLines) {
    crossings.push_back({line.clockTime, line.segment.to.x, line.segment.to.y});
  }
  return crossings;
}
