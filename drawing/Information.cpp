// The texts of a printed dial: the information block in the inner disc, the
// reading and turning sentences at the page corners, the page caption, and
// the margin frame.
#include <array>
#include <cstdio>
#include <string>

#include "AsciiText.h"
#include "Version.h"
#include "DialRoutines.h"
#include "DrawPass.h"

namespace {

constexpr const char* kLineBreak = "\r\n";
constexpr double kPageMargin = 15;  // millimetres from every paper edge

struct PageMargins {
  double left = kPageMargin;
  double top = kPageMargin;
  double right = kPageMargin;
  double bottom = kPageMargin;
};

// Distances from the edges of the user area. On the printer the user area
// starts at the physical offset, so the text area still ends 15 mm inside
// every edge of the paper.
PageMargins PageMarginsOf(const DrawTarget& t) {
  PageMargins m;
  if (t.Kind() != DrawTargetKind::PrinterPage) return m;
  const auto mm = ScaleUnit::Millimeters;
  m.left = kPageMargin - t.ScaleX(t.PhysicalOffsetX(), ScaleUnit::Pixels, mm);
  m.top = kPageMargin - t.ScaleY(t.PhysicalOffsetY(), ScaleUnit::Pixels, mm);
  m.right =
      (t.ScaleWidth() - m.left) - (t.ScaleX(t.Width(), ScaleUnit::Twips, mm) - 2 * kPageMargin);
  m.bottom =
      (t.ScaleHeight() - m.top) - (t.ScaleY(t.Height(), ScaleUnit::Twips, mm) - 2 * kPageMargin);
  return m;
}

// An hours text of the chart with "時" spelled "時間".
std::string HoursText(Chart& chart, double hours) {
  return ReplaceAll(chart.FormatDegAngle(hours, "+-", "時分秒"), "時", "時間");
}

std::string MonthDayText(const CalendarDate& date) {
  return std::to_string(date.Month) + "月" + std::to_string(date.Day) + "日";
}

std::string Join(const std::string* lines, size_t count) {
  std::string joined;
  for (size_t i = 0; i < count; ++i) {
    if (i > 0) joined += kLineBreak;
    joined += lines[i];
  }
  return joined;
}

void SetTextPen(DrawTarget& t, ColorRef color) {
  SetThinPen(t);
  t.setForeColor(color);
}

std::array<std::string, 7> InformationLines(DialDesign design) {
  Chart& chart = design.chart;
  const ChartLocation& place = chart.Location();
  const bool adjusted = design.settings.Season.AdjustEquation;
  std::array<std::string, 7> lines;
  lines[0] = "日付 : " +
             (adjusted ? MonthDayText(design.settings.Season.SeasonDate) : std::string("指定なし"));
  lines[1] = "地域 : " + place.Name();
  lines[2] = "緯度 : " + chart.FormatDegAngle(place.Latitude(), "+-", "度分秒");
  lines[3] = "経度 : " + chart.FormatDegAngle(place.Longitude(), "+-", "度分秒");
  if (chart.TimeSystem() == 0) lines[4] = "表示時刻 : 真太陽時";
  if (chart.TimeSystem() == 1) lines[4] = "表示時刻 : 中央標準時";
  lines[5] = "磁気偏角 : ";
  if (chart.IsJapanArea(place.Latitude(), place.Longitude())) {
    lines[5] += chart.FormatDegAngle(place.NorthDiff2(), "+- ", "度分秒");
  } else {
    lines[5] += "計算対象外地域";
  }
  lines[6] = "均時差 : " + (adjusted ? HoursText(chart, chart.Season().EquationOfTime())
                                     : std::string("指定なし"));
  return lines;
}

// The block sits in the inner disc on the side away from the gnomon.
void DrawInformationBlock(const DrawPass& pass, const DialLayout& l) {
  DrawTarget& t = pass.target;
  const std::array<std::string, 7> lines = InformationLines(pass.design);
  const std::string block = Join(lines.data(), lines.size());
  const double height = t.TextHeight(block);
  const double width = t.TextWidth(block);
  const double firstHeight = t.TextHeight(lines[0]);
  const double r = l.InnerRadius + (l.MiddleRadius - l.InnerRadius) / 2;
  const double middle = (r - firstHeight) * SignOf(pass.Latitude()) + l.CenterY;
  const double x = l.CenterX - width / 2;
  double y = middle - height / 2;
  for (const std::string& line : lines) {
    RotatedText(t, x, y, line, 0);
    y += t.TextHeight(line);
  }
}

// How to read the dial against clock time, at the top right corner.
void DrawReadingSentences(const DrawPass& pass, const PageMargins& margins) {
  DrawTarget& t = pass.target;
  const DialDesign& design = pass.design;
  Chart& chart = design.chart;
  std::string clock;
  if (chart.TimeSystem() == 0) {
    const double diff = chart.Season().TimeDiff();
    clock = (diff == 0 ? "+" : "") + HoursText(chart, diff) + "が";
  } else if (chart.TimeSystem() == 1) {
    clock = "は";
  }
  const std::array<std::string, 2> sentences{
      "日時計の時刻" + clock + "中央標準時です。",
      design.settings.Season.AdjustEquation
          ? MonthDayText(design.settings.Season.SeasonDate) + "の均時差による補正を行っています。"
          : std::string("ただし、観測日の均時差による補正が必要です。")};
  const double x = t.ScaleWidth() - t.TextWidth(Join(sentences.data(), 2)) - margins.right;
  RotatedText(t, x, margins.top, sentences[0], 0);
  RotatedText(t, x, margins.top + t.TextHeight(sentences[0]), sentences[1], 0);
}

// How far to turn the dial against magnetic north, at the bottom left; only
// where the magnetic declination is known.
void DrawTurningSentence(const DrawPass& pass, const PageMargins& margins) {
  DrawTarget& t = pass.target;
  Chart& chart = pass.design.chart;
  const ChartLocation& place = chart.Location();
  if (!chart.IsJapanArea(place.Latitude(), place.Longitude())) return;
  const double declination = place.NorthDiff2();
  std::string angle = chart.FormatDegAngle(declination, "+- ", "度分秒");
  if (!angle.empty()) angle.erase(0, 1);  // the sign
  const std::string sentence =
      (declination >= 0 ? "磁北に対して東に" : "磁北に対して西に") + angle + "回転して設置します。";
  RotatedText(t, margins.left, t.ScaleHeight() - t.TextHeight(sentence) - margins.bottom, sentence,
              0);
}

std::string ProductLine() {
  char minor[8];
  std::snprintf(minor, sizeof minor, "%02d", kVersionMinor);
  return std::string(kProductName) + " Version " + std::to_string(kVersionMajor) + "." + minor;
}

}  // namespace

Status DrawInformation(DialDesign design, DrawTarget& target, const DialLayout& layout,
                       double zoom) {
  const DrawPass pass(design, target, zoom);
  return RunDrawRoutine(design, [&] {
    const PageMargins margins = PageMarginsOf(target);
    if (!design.settings.DialOption.PrintInfo) return;
    target.setFont(ScaledFont(design.settings.DialInformationFont, pass));
    SetTextPen(target, design.settings.DialColor.InformationFont);
    DrawInformationBlock(pass, layout);
    DrawReadingSentences(pass, margins);
    DrawTurningSentence(pass, margins);
  });
}

Status DrawPageTitle(DialDesign design, DrawTarget& target, const DialLayout& /*layout*/,
                     double zoom, int16_t page, int16_t pageCount) {
  return RunDrawRoutine(design, [&] {
    const PageMargins margins = PageMarginsOf(target);
    target.setFont(FontSpec{"Arial", RoundFontSize(10 * zoom), true, false, false, false});
    SetTextPen(target, 0);
    RotatedText(target, margins.left, margins.top, ProductLine(), 0);
    const std::string pageLine = "Page " + std::to_string(page) + "/" + std::to_string(pageCount);
    RotatedText(target, target.ScaleWidth() - target.TextWidth(pageLine) - margins.right,
                target.ScaleHeight() - target.TextHeight(pageLine) - margins.bottom, pageLine, 0);
  });
}

Status DrawMarginFrame(DialDesign design, DrawTarget& target) {
  return RunDrawRoutine(design, [&] {
    const PageMargins margins = PageMarginsOf(target);
    SetThinPen(target);
    target.setForeColor(design.settings.General.DebugMode ? 0 : target.ButtonFaceColor());
    PixelRectangle(target, margins.left, margins.top, target.ScaleWidth() - margins.right,
                   target.ScaleHeight() - margins.bottom);
  });
}
