#include "SheetKey.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "DialWords.h"
#include "DrawPass.h"
#include "Gnomon.h"
#include "InformationBlock.h"
#include "NodusLines.h"
#include "SheetArea.h"
#include "SheetRoom.h"
#include "UiText.h"

namespace {

constexpr double kKeyPoints = 8;       // the key's and labels' text size
constexpr double kSmallestPoints = 6;  // still read without a lens
constexpr double kSampleLength = 8;    // millimetres of each line sample
constexpr double kTextGap = 1;         // millimetres between a label and its line

FontSpec KeyFont(const DrawPass& pass, double points) {
  FontSpec font = LanguageFont(pass.design.settings.dialInformationFont);
  font.size = RoundFontSize(points * pass.zoom);
  font.bold = font.italic = font.underline = font.strikethrough = false;
  return font;
}

void SetSheetPen(const DrawPass& pass, PenStyle style, double millimetres) {
  SetPen(pass.target, PenMode::CopyPen, style, SheetPenWidth(pass.target, millimetres));
  pass.target.setFillStyle(BrushStyle::Transparent);
  pass.target.setForeColor(pass.design.settings.dialColor.gnomonLine);
}

enum class KeyKind { Cut, Fold, Glue, FirstHalf, SecondHalf, Summer };

struct KeyRow {
  std::string text;
  PenStyle style;
  KeyKind kind;
};

constexpr const char* kGlueWord = UMBRAFEX_TEXT_NOOP("DialTexts", "Glue flap");

// The rows of the cut and fold lines, and where the page shows a dial whose
// hour curves are drawn in halves of the year, the two halves' line styles.
std::vector<KeyRow> KeyRows(const DrawPass& pass, bool dial) {
  const KeyRow cut{TranslateText("DialTexts", "Cut line"), PenStyle::Solid, KeyKind::Cut};
  const KeyRow glue{TranslateText("DialTexts", kGlueWord), PenStyle::Solid, KeyKind::Glue};
  std::vector<KeyRow> rows{cut};
  if (!pass.design.settings.dialOption.lineStyle) {
    rows.push_back({TranslateText("DialTexts", "Fold line"), PenStyle::Solid, KeyKind::Fold});
  } else {
    rows.push_back({TranslateText("DialTexts", "Mountain fold"), PenStyle::Dash, KeyKind::Fold});
    rows.push_back({TranslateText("DialTexts", "Valley fold"), PenStyle::DashDot, KeyKind::Fold});
  }
  rows.push_back(glue);
  if (pass.design.settings.dialOption.summerTime) {
    rows.push_back(
        {TranslateText("DialTexts", "Summer time (+1 h)"), PenStyle::Solid, KeyKind::Summer});
  }
  if (dial &&
      PlanNodus(pass.design.settings, pass.design.chart, 1).curves == HourCurveStyle::Halves) {
    rows.push_back({TranslateText("DialTexts", "Jan–Jun"), PenStyle::Solid, KeyKind::FirstHalf});
    rows.push_back({TranslateText("DialTexts", "Jul–Dec"), PenStyle::Solid, KeyKind::SecondHalf});
  }
  return rows;
}

// The hour curves' line: whole for the first half of the year, in dashes
// for the second, as the curves on the face are drawn.
void DrawCurveSample(const DrawPass& pass, KeyKind kind, double x, double y) {
  constexpr double kDash = 2, kGap = 1.2;  // millimetres
  DrawTarget& t = pass.target;
  SetPen(t, PenMode::CopyPen, PenStyle::Solid, std::max(1, DialPenWidth(pass) / 2));
  t.setFillStyle(BrushStyle::Transparent);
  t.setForeColor(pass.design.settings.dialColor.hourLine);
  if (kind == KeyKind::FirstHalf) {
    PixelLine(t, x, y, x + kSampleLength, y);
    return;
  }
  for (double from = 0; from < kSampleLength; from += kDash + kGap) {
    PixelLine(t, x + from, y, x + std::min(from + kDash, kSampleLength), y);
  }
}

// The summer-time row's sample: an hour number as the face's second row
// shows it.
constexpr const char* kSummerSample = "13";

// What the page shows of the model: the dial with its letters, the pattern.
struct TakenAreas {
  bool dial = false;
  UserPoint centre;
  double radius = 0;
  bool gnomon = false;
  SheetBox pattern;
};

TakenAreas TakenAreasOf(const DrawPass& pass, const DialLayout& l, double paperFactor, bool dial,
                        bool gnomon) {
  DrawTarget& t = pass.target;
  TakenAreas taken;
  taken.dial = dial;
  taken.gnomon = gnomon;
  if (dial) {
    t.setFont(OrientationLetterFont(pass, l));
    const double letters = 1.25 * t.TextHeight("N") + t.TextWidth("W");
    taken.centre = {l.centerX, l.centerY};
    taken.radius = l.outerRadius + letters;
  }
  if (gnomon) {
    const GnomonOutline g = GnomonOutlineFor(l, pass.Latitude(), paperFactor);
    taken.pattern = BoxAround(g.points);
    taken.pattern.left -= kStyleLabelRoom;
    taken.pattern.right += kStyleLabelRoom;
  }
  return taken;
}

bool IsFree(const TakenAreas& taken, const SheetBox& box) {
  if (taken.dial && box.Meets(taken.centre, taken.radius)) return false;
  return !(taken.gnomon && box.Overlaps(taken.pattern));
}

bool ClearOf(const std::vector<SheetBox>& texts, const SheetBox& box) {
  for (const SheetBox& text : texts) {
    if (text.Overlaps(box)) return false;
  }
  return true;
}

// The corners inside the margins and clear of the corner sentences: bottom
// right first, where the page caption is short. Where a narrow page stacks
// its corner texts higher, a corner moves inwards until it is clear.
std::optional<SheetBox> KeyBox(const DrawPass& pass, const TakenAreas& taken,
                               const std::vector<SheetBox>& texts, double width, double height) {
  DrawTarget& t = pass.target;
  const PageMargins m = PageMarginsOf(t);
  const double band = 2.5 * t.TextHeight("Ag");  // a corner's sentences
  const double left = m.left, right = t.ScaleWidth() - m.right;
  const double top = m.top + band, bottom = t.ScaleHeight() - m.bottom - band;
  const std::array<SheetBox, 4> corners{{
      {right - width, bottom - height, right, bottom},
      {left, bottom - height, left + width, bottom},
      {left, top, left + width, top + height},
      {right - width, top, right, top + height},
  }};
  for (const SheetBox& box : corners) {
    if (IsFree(taken, box) && ClearOf(texts, box)) return box;
  }
  constexpr double kStep = 1;  // millimetres
  for (double shift = kStep; shift < bottom - top - height; shift += kStep) {
    for (size_t i = 0; i < corners.size(); ++i) {
      const double by = i < 2 ? -shift : shift;  // the bottom corners move up
      const SheetBox box{corners[i].left, corners[i].top + by, corners[i].right,
                         corners[i].bottom + by};
      if (IsFree(taken, box) && ClearOf(texts, box)) return box;
    }
  }
  return std::nullopt;
}

void DrawKeyRow(const DrawPass& pass, const KeyRow& row, double x, double y, double rowHeight) {
  DrawTarget& t = pass.target;
  const double middle = y + rowHeight / 2;
  if (row.kind == KeyKind::FirstHalf || row.kind == KeyKind::SecondHalf) {
    DrawCurveSample(pass, row.kind, x, middle);
  } else if (row.kind == KeyKind::Summer) {
    t.setForeColor(pass.design.settings.dialColor.hourLine);
    RotatedText(t, x + (kSampleLength - t.TextWidth(kSummerSample)) / 2,
                middle - t.TextHeight(kSummerSample) / 2, kSummerSample, 0);
  } else if (row.kind == KeyKind::Glue) {
    SetSheetPen(pass, PenStyle::Solid, kThinnestLineMm);
    t.setFillStyle(BrushStyle::Solid);
    t.setFillColor(pass.design.settings.dialColor.gnomonFill);
    PixelRectangle(t, x, middle - rowHeight / 4, x + kSampleLength, middle + rowHeight / 4);
  } else {
    SetSheetPen(pass, row.style, row.kind == KeyKind::Cut ? kCutLineMm : kFoldLineMm);
    PixelLine(t, x, middle, x + kSampleLength, middle);
  }
  t.setForeColor(pass.design.settings.dialColor.informationFont);
  RotatedText(t, x + kSampleLength + 2 * kTextGap, middle - t.TextHeight(row.text) / 2, row.text,
              0);
}

// A line's height does not depend on its letters.
double KeyRowHeight(DrawTarget& t) {
  return 1.4 * t.TextHeight("X");
}

void DrawKey(const DrawPass& pass, const DialLayout& l, double paperFactor, bool dial,
             bool gnomon) {
  const SheetBox box = PlaceKey(pass, l, paperFactor, dial, gnomon).box;
  const double rowHeight = KeyRowHeight(pass.target);
  double y = box.top;
  for (const KeyRow& row : KeyRows(pass, dial)) {
    DrawKeyRow(pass, row, box.left, y, rowHeight);
    y += rowHeight;
  }
}

// Text centred on a point, turned counter-clockwise by the angle.
void CentredText(DrawTarget& t, UserPoint centre, const std::string& text, double angle) {
  const UserPoint corner{centre.x - t.TextWidth(text) / 2, centre.y - t.TextHeight(text) / 2};
  const UserPoint turned = RotatePoint(centre, angle, corner);
  RotatedText(t, turned.x, turned.y, text, angle);
}

// An angle turned into (-90, 90], so that text along a line reads upright.
double Upright(double angle) {
  while (angle > 90) angle -= 180;
  while (angle <= -90) angle += 180;
  return angle;
}

// The word on a flap: centred on it, along its fold.
void DrawFlapWord(DrawTarget& t, UserPoint foot, UserPoint root, UserPoint flapFoot) {
  const UserPoint middle{(foot.x + root.x) / 2 + (flapFoot.x - foot.x) / 2,
                         (foot.y + root.y) / 2 + (flapFoot.y - foot.y) / 2};
  const double angle = Upright(VectorAngle(foot, {root.x, 2 * foot.y - root.y}));
  CentredText(t, middle, TranslateText("DialTexts", kGlueWord), angle);
}

// A label of the gnomon turned to run up the page, and the box it takes.
struct StyleLabel {
  std::string text;
  double points = kKeyPoints;
  UserPoint origin;  // where RotatedText puts it, turned 90 degrees
  SheetBox box;
  bool beside = false;  // outside the pattern
};

// The label turned to run up the page, its lines' height across from x to
// the right, centred on `middle` down the page, in the target's font.
StyleLabel UpwardLabel(DrawTarget& t, const std::string& text, double points, double x,
                       double middle, bool beside) {
  const double length = t.TextWidth(text), height = t.TextHeight(text);
  return {text,
          points,
          {x, middle + length / 2},
          {x, middle - length / 2, x + height, middle + length / 2},
          beside};
}

// The stretch of [from, to] that holds `length` and keeps clear of the
// nodus's notch at `nodus`: the longer of the two sides where the notch lies
// within it.
std::optional<std::pair<double, double>> StretchBeside(double from, double to, double length,
                                                       std::optional<double> nodus) {
  constexpr double kNotchClearance = 3.5;  // millimetres: the notch's half width and a gap
  std::vector<std::pair<double, double>> stretches{{from, to}};
  if (nodus && *nodus + kNotchClearance > from && *nodus - kNotchClearance < to) {
    stretches = {{from, *nodus - kNotchClearance}, {*nodus + kNotchClearance, to}};
    if (stretches[1].second - stretches[1].first > stretches[0].second - stretches[0].first) {
      std::swap(stretches[0], stretches[1]);
    }
  }
  for (const auto& stretch : stretches) {
    if (stretch.second - stretch.first >= length) return stretch;
  }
  return std::nullopt;
}

// A label beside the pattern, centred on the style's middle, no longer than
// the style where a readable size allows; `out` millimetres off the
// pattern's right side, or off its left side.
StyleLabel BesidePattern(const DrawPass& pass, const GnomonOutline& g, const std::string& label,
                         bool right, double out) {
  DrawTarget& t = pass.target;
  const double style = std::fabs(g.Root().y - g.Top().y);
  double points = kKeyPoints;
  for (;; points -= 1) {
    t.setFont(KeyFont(pass, points));
    if (t.TextWidth(label) <= style || points <= kSmallestPoints) break;
  }
  const SheetBox box = BoxAround(g.points);
  const double x = right ? box.right + out : box.left - out - t.TextHeight(label);
  return UpwardLabel(t, label, points, x, (g.Top().y + g.Root().y) / 2, true);
}

// A label turned to run up the style, its foot kTextGap from the fold and
// clear of the nodus's notch, inside one of the pattern's two triangles
// where it is wide enough along the label's length; none where it is not.
std::optional<StyleLabel> InTriangle(const DrawPass& pass, const GnomonOutline& g,
                                     const std::string& label, std::optional<double> nodus,
                                     bool leftOfStyle) {
  // Millimetres kept from the cut line's middle: half its width, and the
  // device's rounding of where the label stands.
  constexpr double kEdgeGap = kCutLineMm / 2 + 0.05;
  DrawTarget& t = pass.target;
  const UserPoint top = g.Top(), root = g.Root(), foot = g.LeftFoot();
  const double style = std::fabs(root.y - top.y);
  const double sign = root.y >= top.y ? 1 : -1;
  const double width = std::fabs(top.x - foot.x);     // the triangle's widest
  const double atWidest = std::fabs(foot.y - top.y);  // along the style from the top
  for (double points = kKeyPoints; points >= kSmallestPoints; points -= 1) {
    t.setFont(KeyFont(pass, points));
    const double height = t.TextHeight(label);
    const double needed = kTextGap + height + kEdgeGap;
    const double length = t.TextWidth(label);
    // Where the triangle is at least `needed` wide, measured from the top.
    const double from = needed / width * atWidest;
    const double to = style - needed / width * (style - atWidest);
    if (width <= needed) continue;
    const auto stretch = StretchBeside(from, to, length, nodus);
    if (!stretch) continue;
    const double middle = top.y + sign * (stretch->first + stretch->second) / 2;
    const double x = leftOfStyle ? top.x - kTextGap - height : top.x + kTextGap;
    return UpwardLabel(t, label, points, x, middle, false);
  }
  return std::nullopt;
}

// The style's label, with the nodus's height where it has one: together in
// the first triangle (left of the style in the north, right of it in the
// south); else the label there and the height in the other triangle; else
// the label beside the pattern, on its right (its left where the margin is
// near), and the height in the other triangle, or in a column beyond the
// label's, or beside the other side where the margin leaves no room for it.
std::vector<StyleLabel> PlanStyleLabels(const DrawPass& pass, const GnomonOutline& g,
                                        const std::string& styleText, const std::string& nodusText,
                                        std::optional<double> nodus) {
  DrawTarget& t = pass.target;
  const bool first = g.LeftFoot().x < g.Top().x;
  if (nodusText.empty()) {
    if (auto label = InTriangle(pass, g, styleText, nodus, first)) return {*label};
  } else {
    if (auto both = InTriangle(pass, g, styleText + "  " + nodusText, nodus, first)) return {*both};
    if (auto label = InTriangle(pass, g, styleText, nodus, first)) {
      if (auto height = InTriangle(pass, g, nodusText, nodus, !first)) return {*label, *height};
      return {*label, BesidePattern(pass, g, nodusText, first, kTextGap)};
    }
  }
  t.setFont(KeyFont(pass, kSmallestPoints));
  const PageMargins m = PageMarginsOf(t);
  const double rightEdge = t.ScaleWidth() - m.right;
  const bool right = BoxAround(g.points).right + kTextGap + t.TextHeight(styleText) <= rightEdge;
  std::vector<StyleLabel> labels{BesidePattern(pass, g, styleText, right, kTextGap)};
  if (nodusText.empty()) return labels;
  if (auto height = InTriangle(pass, g, nodusText, nodus, !first)) {
    labels.push_back(*height);
    return labels;
  }
  const double beyond = 2 * kTextGap + labels[0].box.Width();
  StyleLabel height = BesidePattern(pass, g, nodusText, right, beyond);
  if (height.box.left < m.left || height.box.right > rightEdge) {
    height = BesidePattern(pass, g, nodusText, !right, kTextGap);
  }
  labels.push_back(height);
  return labels;
}

// Moves a label beside the pattern along the style, to the place nearest
// the middle that keeps inside the margins and clear of `taken`, no farther
// than it leaves a few millimetres of the style without it; false where none
// does, and the label stays centred.
bool SlideClear(StyleLabel& label, double style, const SheetBox& area,
                const std::vector<SheetBox>& taken) {
  constexpr double kStep = 0.5;  // millimetres
  constexpr double kLeeway = 3;  // millimetres of the style's length
  const SheetBox centred = label.box;
  const double farthest = kLeeway + std::max(0.0, (centred.Height() - style) / 2);
  for (double shift = 0; shift <= farthest; shift += kStep) {
    for (double by : {-shift, shift}) {
      const SheetBox box{centred.left, centred.top + by, centred.right, centred.bottom + by};
      const bool clear = box.top >= area.top && box.bottom <= area.bottom &&
                         std::none_of(taken.begin(), taken.end(), [&](const SheetBox& other) {
                           return box.Overlaps({other.left - kTextGap, other.top - kTextGap,
                                                other.right + kTextGap, other.bottom + kTextGap});
                         });
      if (clear) {
        label.origin.y += by;
        label.box = box;
        return true;
      }
    }
  }
  return false;
}

// The labels of the page's pattern, those beside it clear of the key and
// the corner texts where they can be (`clear` says whether they are).
std::vector<StyleLabel> PlanLabels(const DrawPass& pass, const PageShare& share,
                                   const SheetBox& key, bool& clear) {
  DrawTarget& t = pass.target;
  const DialLayout& l = share.layout;
  const GnomonOutline g = GnomonOutlineFor(l, pass.Latitude(), share.paperFactor);
  const std::string latitude = LatitudeText(pass.design.chart, pass.Latitude());
  // The nodus's notch, measured along the style from its top as the mark puts it.
  const NodusPlan plan = PlanNodus(pass.design.settings, pass.design.chart, l.middleRadius);
  std::optional<double> nodus;
  if (plan.Wanted() && plan.OnStyle()) {
    const GnomonOutline marked = GnomonOutlineFor(l, pass.Latitude(), 1.0);
    nodus = (1 - plan.height / plan.styleTop) * std::fabs(marked.Root().y - marked.Top().y);
  }
  std::string nodusText;
  if (nodus) {
    char height[16];
    std::snprintf(height, sizeof height, "%.1f", plan.height);
    nodusText = FillText(TranslateText("DialTexts", "Nodus %1 mm"), {height});
  }
  std::vector<StyleLabel> labels = PlanStyleLabels(
      pass, g, FillText(TranslateText("DialTexts", "Gnomon — mountain fold — for %1"), {latitude}),
      nodusText, nodus);
  clear = true;
  if (std::none_of(labels.begin(), labels.end(), [](const StyleLabel& x) { return x.beside; })) {
    return labels;
  }
  std::vector<SheetBox> taken = CornerTextBoxes(pass, share.page, share.pageCount);
  taken.push_back(key);
  const PageMargins m = PageMarginsOf(t);
  const SheetBox area{m.left, m.top, t.ScaleWidth() - m.right, t.ScaleHeight() - m.bottom};
  const double style = std::fabs(g.Root().y - g.Top().y);
  for (StyleLabel& label : labels) {
    if (label.beside) clear = SlideClear(label, style, area, taken) && clear;
  }
  return labels;
}

void DrawLabels(const DrawPass& pass, const PageShare& share) {
  DrawTarget& t = pass.target;
  const DialLayout& l = share.layout;
  SetThinPen(t);
  t.setForeColor(pass.design.settings.dialColor.informationFont);
  const SheetBox key = PlaceKey(pass, l, share.paperFactor, share.dial, share.gnomon).box;
  bool clear = true;
  for (const StyleLabel& label : PlanLabels(pass, share, key, clear)) {
    t.setFont(KeyFont(pass, label.points));
    RotatedText(t, label.origin.x, label.origin.y, label.text, 90);
  }
  const GnomonOutline g = GnomonOutlineFor(l, pass.Latitude(), share.paperFactor);
  t.setFont(KeyFont(pass, kKeyPoints));
  DrawFlapWord(t, g.LeftFoot(), g.Root(), g.points[2]);
  DrawFlapWord(t, g.RightFoot(), g.Root(), g.points[6]);
}

}  // namespace

BesideLabels LabelsBesidePattern(const DrawPass& pass, const PageShare& share,
                                 const SheetBox& key) {
  BesideLabels beside;
  for (const StyleLabel& label : PlanLabels(pass, share, key, beside.clear)) {
    if (label.beside) beside.boxes.push_back(label.box);
  }
  return beside;
}

KeyPlace PlaceKey(const DrawPass& pass, const DialLayout& l, double paperFactor, bool dial,
                  bool gnomon) {
  DrawTarget& t = pass.target;
  const TakenAreas taken = TakenAreasOf(pass, l, paperFactor, dial, gnomon);
  const std::vector<SheetBox> texts = CornerTextBoxes(pass, 1, 2);
  t.setFont(KeyFont(pass, kKeyPoints));
  const std::vector<KeyRow> rows = KeyRows(pass, dial);
  double textWidth = 0;
  for (const KeyRow& row : rows) textWidth = std::max(textWidth, t.TextWidth(row.text));
  const double width = kSampleLength + 2 * kTextGap + textWidth;
  const double height = KeyRowHeight(t) * static_cast<double>(rows.size());
  if (const auto box = KeyBox(pass, taken, texts, width, height)) return {*box, true};
  // The sheet's fitting leaves room for the key; without it, bottom right.
  const PageMargins m = PageMarginsOf(t);
  const double right = t.ScaleWidth() - m.right;
  const double bottom = t.ScaleHeight() - m.bottom - 2.5 * t.TextHeight("Ag");
  return {{right - width, bottom - height, right, bottom}, false};
}

Status DrawSheetKey(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom,
                    double paperFactor, int16_t page, int16_t pageCount) {
  const DrawPass pass(design, target, zoom);
  return RunDrawRoutine(design, [&] {
    const bool onePage = pageCount < 2;
    DrawKey(pass, layout, paperFactor, onePage || page == 1, onePage || page == 2);
  });
}

Status DrawGnomonLabels(DialDesign design, DrawTarget& target, const DialLayout& layout,
                        double zoom, double paperFactor, int16_t page, int16_t pageCount) {
  const DrawPass pass(design, target, zoom);
  return RunDrawRoutine(
      design, [&] { DrawLabels(pass, ShareOfPage(layout, paperFactor, page, pageCount)); });
}
