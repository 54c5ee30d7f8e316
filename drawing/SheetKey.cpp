#include "SheetKey.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "DialWords.h"
#include "DrawPass.h"
#include "Gnomon.h"
#include "SheetArea.h"
#include "TextPattern.h"
#include "UiText.h"

namespace {

constexpr double kKeyPoints = 8;       // the key's and labels' text size
constexpr double kSmallestPoints = 6;  // still read without a lens
constexpr double kSampleLength = 8;    // millimetres of each line sample
constexpr double kTextGap = 1;         // millimetres between a label and its line

FontSpec KeyFont(const DrawPass& pass, double points) {
  FontSpec font = LanguageFont(pass.design.settings.DialInformationFont);
  font.Size = RoundFontSize(points * pass.zoom);
  font.Bold = font.Italic = font.Underline = font.Strikethrough = false;
  return font;
}

void SetSheetPen(const DrawPass& pass, PenStyle style, double millimetres) {
  SetPen(pass.target, PenMode::CopyPen, style, SheetPenWidth(pass.target, millimetres));
  pass.target.setFillStyle(BrushStyle::Transparent);
  pass.target.setForeColor(pass.design.settings.DialColor.GnomonLine);
}

enum class KeyKind { Cut, Fold, Glue };

struct KeyRow {
  std::string text;
  PenStyle style;
  KeyKind kind;
};

constexpr const char* kGlueWord = UMBRAFEX_TEXT_NOOP("DialTexts", "Glue flap");

std::vector<KeyRow> KeyRows(const DrawPass& pass) {
  const KeyRow cut{TranslateText("DialTexts", "Cut line"), PenStyle::Solid, KeyKind::Cut};
  const KeyRow glue{TranslateText("DialTexts", kGlueWord), PenStyle::Solid, KeyKind::Glue};
  if (!pass.design.settings.DialOption.LineStyle) {
    return {cut, {TranslateText("DialTexts", "Fold line"), PenStyle::Solid, KeyKind::Fold}, glue};
  }
  return {cut,
          {TranslateText("DialTexts", "Mountain fold"), PenStyle::Dash, KeyKind::Fold},
          {TranslateText("DialTexts", "Valley fold"), PenStyle::DashDot, KeyKind::Fold},
          glue};
}

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
    taken.centre = {l.CenterX, l.CenterY};
    taken.radius = l.OuterRadius + letters;
  }
  if (gnomon) {
    const GnomonOutline g = GnomonOutlineFor(l, pass.Latitude(), paperFactor);
    taken.pattern = BoxAround(g.points);
    // Room for a label beside the pattern.
    taken.pattern.left -= 6;
    taken.pattern.right += 6;
  }
  return taken;
}

bool IsFree(const TakenAreas& taken, const SheetBox& box) {
  if (taken.dial && box.Meets(taken.centre, taken.radius)) return false;
  return !(taken.gnomon && box.Overlaps(taken.pattern));
}

// The corners inside the margins and clear of the corner sentences: bottom
// right first, where the page caption is short.
SheetBox KeyBox(const DrawPass& pass, const TakenAreas& taken, double width, double height) {
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
    if (IsFree(taken, box)) return box;
  }
  return corners[0];
}

void DrawKeyRow(const DrawPass& pass, const KeyRow& row, double x, double y, double rowHeight) {
  DrawTarget& t = pass.target;
  const double middle = y + rowHeight / 2;
  if (row.kind == KeyKind::Glue) {
    SetSheetPen(pass, PenStyle::Solid, kThinnestLineMm);
    t.setFillStyle(BrushStyle::Solid);
    t.setFillColor(pass.design.settings.DialColor.GnomonFill);
    PixelRectangle(t, x, middle - rowHeight / 4, x + kSampleLength, middle + rowHeight / 4);
  } else {
    SetSheetPen(pass, row.style, row.kind == KeyKind::Cut ? kCutLineMm : kFoldLineMm);
    PixelLine(t, x, middle, x + kSampleLength, middle);
  }
  t.setForeColor(pass.design.settings.DialColor.InformationFont);
  RotatedText(t, x + kSampleLength + 2 * kTextGap, middle - t.TextHeight(row.text) / 2, row.text,
              0);
}

void DrawKey(const DrawPass& pass, const DialLayout& l, double paperFactor, bool dial,
             bool gnomon) {
  DrawTarget& t = pass.target;
  const TakenAreas taken = TakenAreasOf(pass, l, paperFactor, dial, gnomon);
  t.setFont(KeyFont(pass, kKeyPoints));
  const std::vector<KeyRow> rows = KeyRows(pass);
  double textWidth = 0;
  for (const KeyRow& row : rows) textWidth = std::max(textWidth, t.TextWidth(row.text));
  const double rowHeight = 1.4 * t.TextHeight(rows.front().text);
  const double width = kSampleLength + 2 * kTextGap + textWidth;
  const SheetBox box = KeyBox(pass, taken, width, rowHeight * static_cast<double>(rows.size()));
  double y = box.top;
  for (const KeyRow& row : rows) {
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

// The label turned to run up the style, its foot kTextGap from the fold.
// Inside the left triangle when the triangle is wide enough along the
// label's length, else beside the pattern.
void DrawStyleLabel(const DrawPass& pass, const GnomonOutline& g, const std::string& label) {
  DrawTarget& t = pass.target;
  const UserPoint top = g.Top(), root = g.Root(), foot = g.LeftFoot();
  const double style = std::fabs(root.y - top.y);
  const double sign = root.y >= top.y ? 1 : -1;
  const double width = top.x - foot.x;                // the triangle's widest
  const double atWidest = std::fabs(foot.y - top.y);  // along the style from the top
  for (double points = kKeyPoints; points >= kSmallestPoints; points -= 1) {
    t.setFont(KeyFont(pass, points));
    const double needed = t.TextHeight(label) + kTextGap;
    const double length = t.TextWidth(label);
    // Where the triangle is at least `needed` wide, measured from the top.
    const double from = needed / width * atWidest;
    const double to = style - needed / width * (style - atWidest);
    if (width <= needed || to - from < length) continue;
    const double middle = top.y + sign * (from + to) / 2;
    RotatedText(t, top.x - needed, middle + length / 2, label, 90);
    return;
  }
  // Beside the pattern: on its right, or on its left where the margin is near.
  t.setFont(KeyFont(pass, kKeyPoints));
  const SheetBox box = BoxAround(g.points);
  const double middle = (top.y + root.y) / 2;
  const double height = t.TextHeight(label);
  double x = box.right + kTextGap;
  if (x + height > t.ScaleWidth() - PageMarginsOf(t).right) x = box.left - kTextGap - height;
  RotatedText(t, x, middle + t.TextWidth(label) / 2, label, 90);
}

void DrawLabels(const DrawPass& pass, const DialLayout& l, double paperFactor) {
  DrawTarget& t = pass.target;
  const GnomonOutline g = GnomonOutlineFor(l, pass.Latitude(), paperFactor);
  SetThinPen(t);
  t.setForeColor(pass.design.settings.DialColor.InformationFont);
  const std::string latitude = LatitudeText(pass.design.chart, pass.Latitude());
  DrawStyleLabel(
      pass, g, FillText(TranslateText("DialTexts", "Gnomon — mountain fold — for %1"), {latitude}));
  t.setFont(KeyFont(pass, kKeyPoints));
  DrawFlapWord(t, g.LeftFoot(), g.Root(), g.points[2]);
  DrawFlapWord(t, g.RightFoot(), g.Root(), g.points[6]);
}

}  // namespace

Status DrawSheetKey(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom,
                    double paperFactor, int16_t page, int16_t pageCount) {
  const DrawPass pass(design, target, zoom);
  return RunDrawRoutine(design, [&] {
    const bool onePage = pageCount < 2;
    DrawKey(pass, layout, paperFactor, onePage || page == 1, onePage || page == 2);
  });
}

Status DrawGnomonLabels(DialDesign design, DrawTarget& target, const DialLayout& layout,
                        double zoom, double paperFactor) {
  const DrawPass pass(design, target, zoom);
  return RunDrawRoutine(design, [&] { DrawLabels(pass, layout, paperFactor); });
}
