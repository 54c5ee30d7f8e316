#include "CorrectionTable.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "Chart.h"
#include "DialWords.h"
#include "InformationBlock.h"
#include "ScaleBar.h"
#include "SolarFormulas.h"
#include "UiText.h"

namespace {

constexpr double kNominalPoints = 8;   // as the key's
constexpr double kSmallestPoints = 6;  // still read without a lens
constexpr int kFirstDays[] = {1, 15};

// "+3", "−14", "0": whole minutes with their sign.
std::string SignedMinutes(double minutes) {
  const long whole = std::lround(minutes);
  if (whole == 0) return "0";
  return (whole > 0 ? "+" : "\u2212") + std::to_string(std::labs(whole));
}

// The table's texts: a heading line, then rows of cells; the first cell of
// each month's block is its name, the others its minutes.
struct TableText {
  std::string heading;
  std::vector<std::vector<std::string>> rows;
  size_t blockColumns = 3;  // month, 1st, 15th
};

TableText TableTextOf(Chart& chart, bool twoColumns) {
  const std::vector<ClockCorrection> corrections = ClockCorrections(chart);
  const std::vector<std::string> header{"", TranslateText("DialTexts", "1st"),
                                        TranslateText("DialTexts", "15th")};
  TableText table;
  table.heading = TranslateText("DialTexts", "Clock time = dial + minutes");
  const int rows = twoColumns ? 6 : 12;
  table.rows.assign(static_cast<size_t>(rows) + 1, {});
  for (int block = 0; block < (twoColumns ? 2 : 1); ++block) {
    table.rows[0].insert(table.rows[0].end(), header.begin(), header.end());
    for (int row = 0; row < rows; ++row) {
      const int month = block * rows + row + 1;
      std::vector<std::string>& cells = table.rows[static_cast<size_t>(row) + 1];
      cells.push_back(MonthName(month));
      for (size_t day = 0; day < std::size(kFirstDays); ++day) {
        cells.push_back(
            SignedMinutes(corrections[static_cast<size_t>(month - 1) * 2 + day].minutes));
      }
    }
  }
  return table;
}

// Where each column's cells begin and end, from the table's left edge, and
// the table's extent, in the target's font.
struct TableMeasure {
  std::vector<double> lefts;
  std::vector<double> rights;
  double rowHeight = 0;
  double width = 0;
  double height = 0;
};

TableMeasure Measure(DrawTarget& t, const TableText& table) {
  TableMeasure m;
  const size_t columns = table.rows[0].size();
  const double gap = 0.6 * t.TextHeight("0");
  m.rowHeight = 1.1 * t.TextHeight("Ag");
  double right = 0;
  for (size_t c = 0; c < columns; ++c) {
    double width = 0;
    for (const auto& row : table.rows) width = std::max(width, t.TextWidth(row[c]));
    // A second block of months stands further off than a column does.
    if (c > 0) right += c % table.blockColumns == 0 ? 3 * gap : gap;
    m.lefts.push_back(right);
    right += width;
    m.rights.push_back(right);
  }
  m.width = std::max(right, t.TextWidth(table.heading));
  m.height = m.rowHeight * static_cast<double>(table.rows.size() + 1);
  return m;
}

FontSpec TableFont(const DrawPass& pass, double points) {
  FontSpec font = LanguageFont(pass.design.settings.dialInformationFont);
  font.size = RoundFontSize(points * pass.zoom);
  font.bold = font.italic = font.underline = font.strikethrough = false;
  return font;
}

// The information block off the face and the scale bar, in the places they take.
std::vector<SheetBox> BlockAndBar(const DrawPass& pass, const PageShare& share) {
  std::vector<SheetBox> placed;
  const DialOptionSettings& options = pass.design.settings.dialOption;
  if (options.printInfo) {
    const BlockPlace block = PlaceBlock(pass, share);
    if (!block.onFace && block.box) placed.push_back(*block.box);
  }
  if (options.scaleBar && pass.OnPaper()) {
    const std::optional<BarPlace> bar = FreeBarPlace(pass, share);
    placed.push_back(bar ? bar->box : UsualBarPlace(pass).box);
  }
  return placed;
}

void DrawTable(const DrawPass& pass, const TablePlace& place) {
  DrawTarget& t = pass.target;
  t.setFont(TableFont(pass, place.points));
  const TableText table = TableTextOf(pass.design.chart, place.twoColumns);
  const TableMeasure m = Measure(t, table);
  SetThinPen(t);
  t.setForeColor(pass.design.settings.dialColor.informationFont);
  RotatedText(t, place.box.left, place.box.top, table.heading, 0);
  double y = place.box.top + m.rowHeight;
  for (const auto& row : table.rows) {
    for (size_t c = 0; c < row.size(); ++c) {
      // Month names stand at their column's left, numbers at its right.
      if (row[c].empty()) continue;
      const bool name = c % table.blockColumns == 0;
      const double x = name ? m.lefts[c] : m.rights[c] - t.TextWidth(row[c]);
      RotatedText(t, place.box.left + x, y, row[c], 0);
    }
    y += m.rowHeight;
  }
}

}  // namespace

std::vector<ClockCorrection> ClockCorrections(Chart& chart) {
  const ChartLocation& place = chart.Location();
  const int16_t leap = ToFlag(chart.LeapYear());
  const int16_t compatible = ToFlag(chart.Compatible());
  // The equation of time the lines were drawn for: none without a date.
  const double designEquation = chart.Season().EquationOfTime();
  std::vector<ClockCorrection> corrections;
  for (int month = 1; month <= 12; ++month) {
    for (int day : kFirstDays) {
      int16_t dayNumber = 0;
      if (!chart.ConvTotalDays({static_cast<int16_t>(month), static_cast<int16_t>(day)}, dayNumber)
               .ok()) {
        RaiseChartError(chart);
      }
      double equation = 0;
      GetEquationOfTime(dayNumber, leap, compatible, equation);
      const double hours =
          chart.TimeSystem() == kTrueSolarTime
              ? ConvSolarToStandard(0, place.StandardMeridian(), place.Longitude(), equation)
              : designEquation - equation;
      corrections.push_back({month, day, hours * 60});
    }
  }
  return corrections;
}

bool ShowsCorrectionTable(const DialDesign& design) {
  return design.settings.dialOption.printInfo && !design.settings.season.adjustEquation;
}

std::optional<TablePlace> PlaceCorrectionTable(const DrawPass& pass, const PageShare& share) {
  return PlaceCorrectionTable(pass, share, BlockAndBar(pass, share));
}

namespace {

// The first of the sizes, largest first, and of one column or two, that finds a place.
std::optional<TablePlace> FirstPlace(const DrawPass& pass, const PageShare& share,
                                     const std::vector<SheetBox>& placed, double largest) {
  DrawTarget& t = pass.target;
  SheetRoom room = SheetRoomOf(pass, share);
  room.texts.insert(room.texts.end(), placed.begin(), placed.end());
  const DialLayout& l = share.layout;
  const UserPoint near{l.centerX, l.centerY};
  for (double points = largest; points >= kSmallestPoints; points -= 1) {
    for (bool twoColumns : {false, true}) {
      t.setFont(TableFont(pass, points));
      const TableMeasure m = Measure(t, TableTextOf(pass.design.chart, twoColumns));
      if (const auto box = room.FreeBoxNear(m.width, m.height, near)) {
        return TablePlace{*box, points, twoColumns};
      }
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<TablePlace> PlaceCorrectionTable(const DrawPass& pass, const PageShare& share,
                                               const std::vector<SheetBox>& placed) {
  return FirstPlace(pass, share, placed, kNominalPoints);
}

bool RoomForCorrectionTable(const DrawPass& pass, const PageShare& share,
                            const std::vector<SheetBox>& placed) {
  // A smaller size takes less room every way, so the smallest decides.
  return FirstPlace(pass, share, placed, kSmallestPoints).has_value();
}

Status DrawCorrectionTable(DialDesign design, DrawTarget& target, const DialLayout& layout,
                           double zoom, double paperFactor, int16_t page, int16_t pageCount) {
  const DrawPass pass(design, target, zoom);
  return RunDrawRoutine(design, [&] {
    const PageShare share = ShareOfPage(layout, paperFactor, page, pageCount);
    if (!share.dial || !ShowsCorrectionTable(design)) return;
    // The sheet's fitting leaves room for the table; a page without it
    // (an unfitted preview) goes without the table rather than cover the dial.
    if (const auto place = PlaceCorrectionTable(pass, share)) DrawTable(pass, *place);
  });
}
