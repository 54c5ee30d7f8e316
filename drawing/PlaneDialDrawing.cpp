// A printed dial on any plane: the face with its hour lines and labels, the
// substyle, the noon and horizon lines, the style root, the nodus's curves;
// the gnomon pattern with its folds and nodus; the information block with the
// plane's figures and how to mount the face.
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "AngleText.h"
#include "DialWords.h"
#include "DrawPass.h"
#include "InformationBlock.h"
#include "NodusDrawing.h"
#include "NodusLines.h"
#include "PlaneDialRoutines.h"
#include "PlaneSheet.h"
#include "SheetFit.h"
#include "UiText.h"

namespace {

constexpr double kMarkRadius = 1.2;  // millimetres: the root and the foot
constexpr double kLabelGap = 1;      // millimetres between neighbouring labels

// Degrees to a tenth with their sign ("200.0°").
std::string TenthDegrees(double degrees) {
  return TenthsText(degrees) + "°";
}

// Millimetres to a tenth, or whole.
std::string Millimetres(double value, int decimals) {
  return decimals == 0 ? std::to_string(std::lround(value)) : TenthsText(value);
}

std::string HourLabel(double clockTime, int32_t timeFormat) {
  const int minutes = static_cast<int>(std::lround(clockTime * 60)) % (24 * 60);
  if (minutes % 60 != 0) return "";
  std::string text = std::to_string(minutes / 60);
  if (timeFormat == 1) text += ":00";
  return text;
}

void Line(DrawTarget& t, const FaceMap& map, const PlaneSegment& s) {
  const UserPoint a = map.At(s.from), b = map.At(s.to);
  PixelLine(t, a.x, a.y, b.x, b.y);
}

void UsePen(const DrawPass& pass, PenStyle style, double millimetres, ColorRef color) {
  SetPen(pass.target, PenMode::CopyPen, style, SheetPenWidth(pass.target, millimetres));
  pass.target.setFillStyle(BrushStyle::Transparent);
  pass.target.setForeColor(color);
}

void Text(DrawTarget& t, double x, double y, const std::string& text) {
  RotatedText(t, x, y, text, 0);
}

// An hour's label, and in summer time its number an hour later beyond it.
struct HourLabels {
  std::string hour;
  std::string summer;  // empty without summer time
};

// The face's box on the page.
SheetBox FaceOnPage(const PlacedFace& face) {
  const UserPoint corner1 = face.map.At({face.dial.face.left, face.dial.face.top});
  const UserPoint corner2 = face.map.At({face.dial.face.right, face.dial.face.bottom});
  return {corner1.x, corner1.y, corner2.x, corner2.y};
}

// Whether a label's box on the face stays clear of the face's lines: every
// hour line, the substyle, the noon line, the horizon, and the date lines
// and hour curves.
bool ClearOfFaceLines(const PlacedFace& face, const NodusCurves& curves, const SheetBox& box) {
  const auto meets = [&](const PlaneSegment& segment) {
    return box.Meets(face.map.At(segment.from), face.map.At(segment.to));
  };
  const PlaneDial& dial = face.dial;
  if (std::any_of(dial.hourLines.begin(), dial.hourLines.end(),
                  [&](const PlaneHourLine& line) { return meets(line.segment); })) {
    return false;
  }
  for (const auto& segment : {dial.substyle, dial.noonLine, dial.horizon}) {
    if (segment && meets(*segment)) return false;
  }
  const auto runMeets = [&](const LineRun& run) {
    for (size_t i = 1; i < run.size(); ++i) {
      if (box.Meets(face.map.At(run[i - 1].at), face.map.At(run[i].at))) return true;
    }
    return false;
  };
  for (const DateLine& line : curves.dates) {
    if (std::any_of(line.runs.begin(), line.runs.end(), runMeets)) return false;
  }
  for (const HourCurve& curve : curves.curves) {
    if (std::any_of(curve.runs.begin(), curve.runs.end(), runMeets)) return false;
  }
  return true;
}

// Where no band beyond either end has room (a line leaving through a narrow
// side of the face, or ending where the sun leaves it), the label stands on
// the face as near the line's outer end as it can, clear of every line and
// label: within three label heights of it, else nowhere.
void PlaceHourLabelInside(const DrawPass& pass, const PlacedFace& face, const NodusCurves& curves,
                          const PlaneHourLine& line, const std::string& label,
                          std::vector<SheetBox>& placed, double gap) {
  DrawTarget& t = pass.target;
  const UserPoint end = face.map.At(line.segment.to);
  const double w = t.TextWidth(label), h = t.TextHeight(label);
  const SheetBox onPage = FaceOnPage(face);
  const double room = h / 8;
  const SheetBox inside{onPage.left + room, onPage.top + room, onPage.right - room,
                        onPage.bottom - room};
  constexpr int kReach = 12;  // steps of a quarter of the label's height
  std::vector<UserPoint> centres;
  for (int i = -kReach; i <= kReach; ++i) {
    for (int j = -kReach; j <= kReach; ++j) {
      centres.push_back({end.x + i * h / 4, end.y + j * h / 4});
    }
  }
  const auto distance = [&](UserPoint c) { return std::hypot(c.x - end.x, c.y - end.y); };
  std::stable_sort(centres.begin(), centres.end(),
                   [&](UserPoint p, UserPoint q) { return distance(p) < distance(q); });
  for (const UserPoint c : centres) {
    const SheetBox box{c.x - w / 2, c.y - h / 2, c.x + w / 2, c.y + h / 2};
    const SheetBox apart{box.left - gap, box.top, box.right + gap, box.bottom};
    const bool inFace = box.left >= inside.left && box.right <= inside.right &&
                        box.top >= inside.top && box.bottom <= inside.bottom;
    const SheetBox clear{box.left - room, box.top - room, box.right + room, box.bottom + room};
    if (!inFace || !ClearOfFaceLines(face, curves, clear) ||
        std::any_of(placed.begin(), placed.end(),
                    [&](const SheetBox& other) { return other.Overlaps(apart); })) {
      continue;
    }
    placed.push_back(box);
    Text(t, box.left, box.top, label);
    return;
  }
}

// The labels beyond the outer end of an hour line, or where that is taken
// beyond the other end (not at a root on the face, where the lines meet),
// else, on a printed sheet, on the face near its end (PlaceHourLabelInside);
// labels that would cover one already placed give way. A summer-time
// number stands further out along the line, in the second colour, and its
// hour's label gives way with it.
void PlaceHourLabel(const DrawPass& pass, const PlacedFace& face, const PlaneHourLine& line,
                    const HourLabels& labels, std::vector<SheetBox>& placed, double gap,
                    const NodusCurves* curves = nullptr) {
  DrawTarget& t = pass.target;
  const UserPoint a = face.map.At(line.segment.from), b = face.map.At(line.segment.to);
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  if (!(length > 0)) return;
  const double h = t.TextHeight(labels.hour);
  const double ux = (b.x - a.x) / length, uy = (b.y - a.y) / length;
  // The face's lines, and a little room around them that labels keep clear of.
  const SheetBox onPage = FaceOnPage(face);
  const double room = h / 8;
  const SheetBox lines{onPage.left - room, onPage.top - room, onPage.right + room,
                       onPage.bottom + room};
  auto boxAt = [&](UserPoint c, const std::string& text) {
    const double w = t.TextWidth(text), th = t.TextHeight(text);
    return SheetBox{c.x - w / 2, c.y - th / 2, c.x + w / 2, c.y + th / 2};
  };
  auto free = [&](const SheetBox& box) {
    const SheetBox apart{box.left - gap, box.top, box.right + gap, box.bottom};
    const bool taken = std::any_of(placed.begin(), placed.end(),
                                   [&](const SheetBox& o) { return o.Overlaps(apart); });
    const bool inBand = box.left >= face.outline.left && box.right <= face.outline.right &&
                        box.top >= face.outline.top && box.bottom <= face.outline.bottom &&
                        !box.Overlaps(lines);
    return !taken && inBand;
  };
  // From a point outward along the line, just far enough to clear a box.
  auto beyond = [&](UserPoint centre, double sign, const std::string& text, const SheetBox& clear) {
    for (int step = 0; step < 80 && boxAt(centre, text).Overlaps(clear); ++step) {
      centre = {centre.x + sign * ux * h / 8, centre.y + sign * uy * h / 8};
    }
    return centre;
  };
  const struct {
    UserPoint end;
    double sign;
  } ends[2] = {{b, 1}, {a, -1}};
  const int endCount = face.dial.RootOnFace() ? 1 : 2;
  for (int end = 0; end < endCount; ++end) {
    const UserPoint centre = beyond(ends[end].end, ends[end].sign, labels.hour, lines);
    const SheetBox box = boxAt(centre, labels.hour);
    if (!free(box)) continue;
    std::optional<SheetBox> summer;
    if (!labels.summer.empty()) {
      const SheetBox apart{box.left - gap, box.top - gap, box.right + gap, box.bottom + gap};
      summer = boxAt(beyond(centre, ends[end].sign, labels.summer, apart), labels.summer);
      if (!free(*summer)) continue;
    }
    placed.push_back(box);
    Text(t, box.left, box.top, labels.hour);
    if (summer) {
      placed.push_back(*summer);
      t.setForeColor(pass.design.settings.dialColor.hourLine);
      Text(t, summer->left, summer->top, labels.summer);
      t.setForeColor(pass.design.settings.dialColor.timeFont);
    }
    return;
  }
  if (curves != nullptr && labels.summer.empty()) {
    PlaceHourLabelInside(pass, face, *curves, line, labels.hour, placed, gap);
  }
}

// The labels of the whole hours, in the band around the face.
void DrawHourLabels(const DrawPass& pass, const PlacedFace& face, const NodusCurves& curves,
                    std::vector<SheetBox>& placed) {
  DrawTarget& t = pass.target;
  const Settings& settings = pass.design.settings;
  t.setFont(ScaledFont(settings.dialTimeFont, pass));
  SetThinPen(t);
  t.setForeColor(settings.dialColor.timeFont);
  const int32_t format = settings.dialOption.timeFormat;
  for (const PlaneHourLine& line : face.dial.hourLines) {
    HourLabels labels{HourLabel(line.clockTime, format), ""};
    if (labels.hour.empty()) continue;
    if (settings.dialOption.summerTime) labels.summer = HourLabel(line.clockTime + 1, 0);
    PlaceHourLabel(pass, face, line, labels, placed, kLabelGap, &curves);
  }
}

// The root of the style as a small circle, or where it lies beyond the face
// an arrowhead where the substyle leaves toward it; the text block says which.
void DrawRoot(const DrawPass& pass, const PlacedFace& face) {
  DrawTarget& t = pass.target;
  const PlaneDial& dial = face.dial;
  if (dial.style.Parallel()) return;
  UsePen(pass, PenStyle::Solid, kThinnestLineMm, pass.design.settings.dialColor.markLine);
  if (dial.RootOnFace()) {
    const UserPoint root = face.map.At({0, 0});
    PixelCircle(t, root.x, root.y, kMarkRadius);
    return;
  }
  if (!dial.substyle) return;
  const UserPoint tip = face.map.At(dial.substyle->from);
  const UserPoint inner = face.map.At(dial.substyle->to);
  const double length = std::hypot(tip.x - inner.x, tip.y - inner.y);
  if (!(length > 0)) return;
  const double ux = (tip.x - inner.x) / length, uy = (tip.y - inner.y) / length;
  for (double side : {-1.0, 1.0}) {
    PixelLine(t, tip.x, tip.y, tip.x - 2 * ux - side * uy, tip.y - 2 * uy + side * ux);
  }
}

// Where the root is, for the text block.
std::string RootSentence(const PlaneDial& dial) {
  if (dial.style.Parallel()) return "";
  if (dial.RootOnFace()) {
    return TranslateText("DialTexts", "The small circle marks the style's root.");
  }
  if (!dial.substyle) return "";
  const double away = std::hypot(dial.substyle->from.x, dial.substyle->from.y);
  return FillText(TranslateText("DialTexts",
                                "The style's root lies %1 mm beyond the face, where the arrow on "
                                "the substyle points."),
                  {Millimetres(away, 0)});
}

void DrawFace(const DrawPass& pass, const PlacedFace& face) {
  DrawTarget& t = pass.target;
  const Settings& settings = pass.design.settings;
  const DialColorSettings& colors = settings.dialColor;
  const PlaneDial& dial = face.dial;
  // The face to cut out, filled with the face's colour.
  UsePen(pass, PenStyle::Solid, kCutLineMm, colors.timeLine);
  t.setFillStyle(BrushStyle::Solid);
  t.setFillColor(colors.timeFill);
  {
    const LayerScope cut(t, DrawLayer::Cut);
    PixelRectangle(t, face.outline.left, face.outline.top, face.outline.right, face.outline.bottom);
  }

  if (dial.horizon) {
    UsePen(pass, PenStyle::Dot, kThinnestLineMm, colors.orientationLine);
    Line(t, face.map, *dial.horizon);
  }
  if (dial.substyle) {
    UsePen(pass, PenStyle::DashDot, kThinnestLineMm, colors.orientationLine);
    Line(t, face.map, *dial.substyle);
  }
  for (const PlaneHourLine& line : dial.hourLines) {
    const bool whole = !HourLabel(line.clockTime, 0).empty();
    if (whole) {
      SetDialPen(pass);
      t.setFillStyle(BrushStyle::Transparent);
      t.setForeColor(colors.hourLine);
    } else {
      UsePen(pass, settings.dialOption.lineStyle ? PenStyle::Dash : PenStyle::Solid,
             kThinnestLineMm, colors.minuteLine);
    }
    const LayerScope lines(t, DrawLayer::HourLines);
    Line(t, face.map, line.segment);
  }
  if (dial.noonLine) {
    UsePen(pass, PenStyle::Solid, kFoldLineMm, colors.orientationLine);
    Line(t, face.map, *dial.noonLine);
  }
  // Where the gnomon stands: its base on the substyle, and the nodus's foot.
  if (dial.gnomonEnd > dial.gnomonStart) {
    const PlanePoint d = dial.SubstyleDirection();
    // From the root, or with a parallel style from the foot below it.
    UsePen(pass, PenStyle::Solid, kCutLineMm, colors.markLine);
    Line(t, face.map,
         {{d.x * dial.gnomonStart, d.y * dial.gnomonStart},
          {d.x * dial.gnomonEnd, d.y * dial.gnomonEnd}});
  }
  const UserPoint foot = face.map.At(dial.foot);
  UsePen(pass, PenStyle::Solid, kThinnestLineMm, colors.markLine);
  PixelLine(t, foot.x - kMarkRadius, foot.y, foot.x + kMarkRadius, foot.y);
  PixelLine(t, foot.x, foot.y - kMarkRadius, foot.x, foot.y + kMarkRadius);

  // The hour labels first: they say what the face is for.
  std::vector<SheetBox> placed;
  const NodusCurves curves = TracePlaneNodusCurves(settings, pass.design.chart, dial);
  DrawHourLabels(pass, face, curves, placed);
  DrawNodusCurves(pass, curves, face.map, std::max(dial.face.Width(), dial.face.Height()) / 2,
                  placed);
  DrawRoot(pass, face);
  if (!face.title.empty()) {
    t.setFont(ScaledFont(settings.dialInformationFont, pass));
    SetThinPen(t);
    t.setForeColor(colors.informationFont);
    const double h = t.TextHeight(face.title);
    Text(t, face.outline.left, face.outline.top - h - 0.5, face.title);
  }
}

void DrawGnomonPattern(const DrawPass& pass, const PlaneSheet& sheet) {
  if (!sheet.gnomon) return;
  DrawTarget& t = pass.target;
  const Settings& settings = pass.design.settings;
  const DialColorSettings& colors = settings.dialColor;
  const PlaneDial& dial = sheet.faces.front().dial;
  const LayerScope gnomon(t, DrawLayer::Gnomon);
  t.setFont(ScaledFont(settings.dialInformationFont, pass));
  if (dial.style.styleHeight > 89.9) {
    // A style square to the face: a pin through the centre.
    const UserPoint at = sheet.gnomon->styleStart;
    const double length = dial.nodusHeight * (sheet.faces.size() == 2 ? 2 : 1);
    UsePen(pass, PenStyle::Solid, kCutLineMm, colors.gnomonLine);
    PixelLine(t, at.x - length / 2, at.y, at.x + length / 2, at.y);
    SetThinPen(t);
    t.setForeColor(colors.informationFont);
    const std::string text =
        FillText(TranslateText("DialTexts", "Gnomon: a straight pin of %1 mm through the centre"),
                 {Millimetres(length, 1)});
    Text(t, at.x - t.TextWidth(text) / 2, at.y + 2, text);
    return;
  }
  const PlaneGnomonOutline g = PlaneGnomonOutlineOf(dial, *sheet.gnomon);
  UsePen(pass, PenStyle::Solid, kCutLineMm, colors.gnomonLine);
  t.setFillStyle(BrushStyle::Solid);
  t.setFillColor(colors.gnomonFill);
  {
    const LayerScope cut(t, DrawLayer::Cut);
    PixelPolygon(t, g.outline);
  }
  const bool styles = settings.dialOption.lineStyle;
  {
    const LayerScope fold(t, DrawLayer::Fold);
    UsePen(pass, styles ? PenStyle::Dash : PenStyle::Solid, kFoldLineMm, colors.gnomonLine);
    PixelLine(t, g.styleFrom.x, g.styleFrom.y, g.styleTo.x, g.styleTo.y);
    UsePen(pass, styles ? PenStyle::DashDot : PenStyle::Solid, kFoldLineMm, colors.gnomonLine);
    for (int side = 0; side < 2; ++side) {
      PixelLine(t, g.baseFrom[side].x, g.baseFrom[side].y, g.baseTo[side].x, g.baseTo[side].y);
    }
  }
  UsePen(pass, PenStyle::Solid, kThinnestLineMm, colors.markLine);
  PixelCircle(t, g.styleTo.x, g.styleTo.y, 1.0);
  SetThinPen(t);
  t.setForeColor(colors.informationFont);
  const std::string nodus =
      FillText(TranslateText("DialTexts", "Nodus %1 mm"), {Millimetres(dial.nodusHeight, 1)});
  Text(t, g.styleTo.x + 2, g.styleTo.y - t.TextHeight(nodus) - 1, nodus);
}

// The place and day in the left column, the plane in the right one, then the
// sentences on mounting and cutting across both, wrapped to the box; a
// smaller font where the box cannot hold them.
constexpr size_t kPlaceLines = 7;
constexpr size_t kSentences = 2;
// Rows a little apart, so that no rounding to device pixels makes them touch.
constexpr double kLineSpacing = 1.05;

// The text broken into lines no wider than the width: after a space where
// the line has one, else after any character (Japanese has no spaces).
std::vector<std::string> Wrapped(DrawTarget& t, const std::string& text, double width) {
  std::vector<std::string> lines;
  std::string line;
  size_t lastSpace = std::string::npos;
  for (size_t i = 0; i < text.size();) {
    size_t next = i + 1;
    while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80) ++next;
    const std::string character = text.substr(i, next - i);
    if (!line.empty() && t.TextWidth(line + character) > width) {
      if (lastSpace != std::string::npos && character != " ") {
        lines.push_back(line.substr(0, lastSpace));
        line = line.substr(lastSpace + 1);
      } else {
        lines.push_back(line);
        line.clear();
      }
      lastSpace = std::string::npos;
    }
    if (character == " ") {
      if (line.empty()) {
        i = next;
        continue;
      }
      lastSpace = line.size();
    }
    line += character;
    i = next;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

struct TextLayout {
  std::vector<std::string> sentences;  // wrapped
  double height = 0;
};

// The plane's column beside the place's, where the two fit side by side
// with a gap, else below it.
struct ColumnPlaces {
  double left[2];
  double top[2];
  double rowHeight;
};

ColumnPlaces PlaceColumns(DrawTarget& t, const SheetBox& box, const std::vector<std::string>& lines,
                          size_t columns) {
  double widths[2] = {0, 0};
  double row = 0;
  for (size_t i = 0; i < columns; ++i) {
    double& w = widths[i < kPlaceLines ? 0 : 1];
    w = std::max(w, t.TextWidth(lines[i]));
    row = std::max(row, t.TextHeight(lines[i]));
  }
  row *= kLineSpacing;
  const double gap = 2 * row;
  const double second = box.left + std::max(box.Width() / 2, widths[0] + gap);
  if (second + widths[1] <= box.right) return {{box.left, second}, {box.top, box.top}, row};
  const double below = box.top + row * static_cast<double>(kPlaceLines) + row / 2;
  return {{box.left, box.left}, {box.top, below}, row};
}

TextLayout LayText(DrawTarget& t, const SheetBox& box, const std::vector<std::string>& lines) {
  TextLayout layout;
  const size_t columns = lines.size() - kSentences;
  const ColumnPlaces places = PlaceColumns(t, box, lines, columns);
  const double rows[2] = {static_cast<double>(std::min(columns, kPlaceLines)),
                          static_cast<double>(columns - std::min(columns, kPlaceLines))};
  layout.height = std::max(places.top[0] + places.rowHeight * rows[0],
                           places.top[1] + places.rowHeight * rows[1]) -
                  box.top;
  for (size_t i = columns; i < lines.size(); ++i) {
    layout.height += t.TextHeight(lines[i]) / 2;
    for (std::string& line : Wrapped(t, lines[i], box.Width())) {
      layout.height += t.TextHeight(line) * kLineSpacing;
      layout.sentences.push_back(std::move(line));
    }
  }
  return layout;
}

}  // namespace

void DrawPlaneTextBlock(const DrawPass& pass, const SheetBox& box,
                        const std::vector<std::string>& lines, std::optional<size_t> secondColour) {
  DrawTarget& t = pass.target;
  FontSpec font = ScaledFont(pass.design.settings.dialInformationFont, pass);
  t.setFont(font);
  TextLayout layout = LayText(t, box, lines);
  if (layout.height > box.Height() && layout.height > 0) {
    font.size = std::max(RoundFontSize(font.size * box.Height() / layout.height), 6 * pass.zoom);
    t.setFont(font);
    layout = LayText(t, box, lines);
  }
  SetThinPen(t);
  t.setForeColor(pass.design.settings.dialColor.informationFont);
  const size_t columns = lines.size() - kSentences;
  const ColumnPlaces places = PlaceColumns(t, box, lines, columns);
  double bottom = box.top;
  for (size_t i = 0; i < columns; ++i) {
    const bool right = i >= kPlaceLines;
    const double y = places.top[right ? 1 : 0] +
                     places.rowHeight * static_cast<double>(right ? i - kPlaceLines : i);
    const DialColorSettings& colors = pass.design.settings.dialColor;
    t.setForeColor(i == secondColour ? colors.hourLine : colors.informationFont);
    Text(t, places.left[right ? 1 : 0], y, lines[i]);
    bottom = std::max(bottom, y + t.TextHeight(lines[i]));
  }
  double y = bottom + t.TextHeight(lines.back()) / 2;
  t.setForeColor(pass.design.settings.dialColor.informationFont);
  for (const std::string& line : layout.sentences) {
    Text(t, box.left, y, line);
    y += t.TextHeight(line) * kLineSpacing;
  }
}

std::string MountingSentence(const PlaneOrientation& plane, double latitude) {
  const std::string facing = DegreesText(plane.facing);
  const std::string compass = CompassPointText(plane.facing);
  if (IsEquatorialPlane(plane, latitude)) {
    return FillText(TranslateText("DialTexts",
                                  "Set the faces parallel to the equator, the upper face looking "
                                  "%1 and tilted %2° from the horizontal."),
                    {compass, DegreesText(plane.tilt)});
  }
  if (plane.IsHorizontal()) {
    return TranslateText("DialTexts", "Lay the face level, its top edge toward true north.");
  }
  if (plane.tilt == 90) {
    return FillText(
        TranslateText("DialTexts",
                      "Fix the face on a wall that faces %1° (%2), noon line vertical."),
        {facing, compass});
  }
  return FillText(TranslateText("DialTexts",
                                "Fix the face looking %1° (%2), tilted %3° from the horizontal, "
                                "the top edge uppermost."),
                  {facing, compass, DegreesText(plane.tilt)});
}

std::vector<std::string> PlaneInformationLines(const PlaneDial& dial) {
  const StyleGeometry& s = dial.style;
  return {
      FillText(TranslateText("DialTexts", "Facing: %1"),
               {TenthDegrees(dial.orientation.facing) + " (" +
                CompassPointText(dial.orientation.facing) + ")"}),
      FillText(TranslateText("DialTexts", "Tilt: %1"), {TenthDegrees(dial.orientation.tilt)}),
      FillText(TranslateText("DialTexts", "Style height: %1"), {TenthDegrees(s.styleHeight)}),
      FillText(TranslateText("DialTexts", "Substyle distance: %1"),
               {TenthDegrees(s.substyleDistance)}),
      FillText(TranslateText("DialTexts", "Substyle hour angle: %1"),
               {TenthDegrees(s.substyleHourAngle)}),
  };
}

Status DrawPlaneDialPage(DialDesign design, DrawTarget& target, double zoom, double paperFactor,
                         int16_t page, int16_t pageCount) {
  const DrawPass pass(design, target, zoom);
  return RunDrawRoutine(design, [&] {
    const PlaneSheet sheet =
        LayPlaneSheet(design.settings, design.chart, target.ScaleWidth(), target.ScaleHeight(),
                      PageMarginsOf(target), paperFactor, pageCount);
    RequireFaceFits(!sheet.oversize, design.settings.dialOption.faceSize);
    if (page == sheet.facePage) {
      for (const PlacedFace& face : sheet.faces) DrawFace(pass, face);
    }
    if (page == sheet.gnomonPage) DrawGnomonPattern(pass, sheet);
    if (page != sheet.facePage || !design.settings.dialOption.printInfo) return;
    const PlaneDial& dial = sheet.faces.front().dial;
    std::vector<std::string> lines = InformationLines(design, 0);
    lines.resize(7);
    for (std::string& line : PlaneInformationLines(dial)) lines.push_back(std::move(line));
    lines.push_back(FillText(TranslateText("DialTexts", "Nodus height: %1"),
                             {Millimetres(dial.nodusHeight, 1) + " mm"}));
    // The key to the second row of numbers, in their colour.
    std::optional<size_t> summerKey;
    if (design.settings.dialOption.summerTime) {
      summerKey = lines.size();
      lines.push_back(TranslateText("DialTexts", "Summer time (+1 h)"));
    }
    lines.push_back(MountingSentence(dial.orientation, dial.latitude) + " " + RootSentence(dial));
    lines.push_back(TranslateText("DialTexts",
                                  "Cut along the solid outlines, fold along the dashed lines, and "
                                  "glue the gnomon's flaps along the thick line on the face."));
    DrawPlaneTextBlock(pass, sheet.textBox, lines, summerKey);
  });
}

namespace {

// The desktop sundial's face: the dial fitted into the picture with room
// for its labels around it, in the clock colours.
PlacedFace ClockFace(const DrawPass& pass, const PlaneDial& unit) {
  DrawTarget& t = pass.target;
  const double band = 2.5 * t.TextHeight("00:00");
  // The top and bottom eighths stay free for the icon and the caption.
  const double width = t.ScaleWidth() - 2 * band;
  const double height = t.ScaleHeight() * 0.75 - 2 * band;
  const double scale = std::min(width / unit.face.Width(), height / unit.face.Height());
  const double left = t.ScaleLeft() + (t.ScaleWidth() - unit.face.Width() * scale) / 2;
  const double top = t.ScaleTop() + (t.ScaleHeight() - unit.face.Height() * scale) / 2;
  PlacedFace face{
      unit, {left - unit.face.left * scale, top + unit.face.top * scale, scale}, {}, {}};
  face.outline = {left - band, top - band, left + unit.face.Width() * scale + band,
                  top + unit.face.Height() * scale + band};
  return face;
}

void DrawClockFace(const DrawPass& pass, const PlacedFace& face) {
  DrawTarget& t = pass.target;
  const std::optional<FaceColors> colors = FaceColorsFor(pass);
  // The labels' band in the time ring's colour, the face inside it.
  SetPen(t, PenMode::CopyPen, PenStyle::Solid, 1);
  t.setFillStyle(BrushStyle::Solid);
  if (colors) {
    t.setForeColor(colors->timeLine);
    t.setFillColor(colors->timeFill);
  }
  PixelRectangle(t, face.outline.left, face.outline.top, face.outline.right, face.outline.bottom);
  if (colors) t.setFillColor(colors->innerFill);
  const FaceBox& box = face.dial.face;
  const UserPoint a = face.map.At({box.left, box.top}), b = face.map.At({box.right, box.bottom});
  PixelRectangle(t, a.x, a.y, b.x, b.y);
  for (const PlaneHourLine& line : face.dial.hourLines) {
    const bool whole = !HourLabel(line.clockTime, 0).empty();
    SetPen(t, PenMode::CopyPen, whole ? PenStyle::Solid : PenStyle::Dot, 1);
    if (colors) t.setForeColor(whole ? colors->hourLine : colors->minuteLine);
    Line(t, face.map, line.segment);
  }
  std::vector<SheetBox> placed;
  const Settings& settings = pass.design.settings;
  t.setFont(ScaledFont(settings.clockTimeFont, pass));
  SetThinPen(t);
  if (colors) t.setForeColor(colors->timeFont);
  for (const PlaneHourLine& line : face.dial.hourLines) {
    const std::string label = HourLabel(line.clockTime, settings.clockOption.timeFormat);
    if (!label.empty()) PlaceHourLabel(pass, face, line, {label, ""}, placed, 0);
  }
}

// The gnomon's shadow: the plate on the substyle between its two ends, cast
// through its style, and the nodus's dot at its tip.
void DrawClockShadow(const DrawPass& pass, const PlacedFace& face, const Vector3& sun) {
  const PlaneDial& dial = face.dial;
  const PlanePoint d = dial.SubstyleDirection();
  std::vector<UserPoint> shadow;
  for (double distance : {dial.gnomonStart, dial.gnomonEnd}) {
    shadow.push_back(face.map.At({d.x * distance, d.y * distance}));
  }
  for (double distance : {dial.gnomonEnd, dial.gnomonStart}) {
    const PlanePoint base{d.x * distance, d.y * distance};
    const double height = dial.StyleHeightAt(distance);
    const Vector3 top{
        base.x * dial.plane.across.x + base.y * dial.plane.upward.x + height * dial.plane.normal.x,
        base.x * dial.plane.across.y + base.y * dial.plane.upward.y + height * dial.plane.normal.y,
        base.x * dial.plane.across.z + base.y * dial.plane.upward.z + height * dial.plane.normal.z};
    const auto at = ShadowOnPlane(dial.plane, top, sun);
    if (!at) return;
    shadow.push_back(face.map.At(*at));
  }
  DrawTarget& t = pass.target;
  SetPen(t, PenMode::CopyPen, PenStyle::Solid, 1);
  t.setFillStyle(BrushStyle::Solid);
  if (const ClockColorSettings* c = ClockColorsFor(pass.design.settings, pass.clockState)) {
    t.setForeColor(c->shadowFill);
    t.setFillColor(c->shadowFill);
  }
  PixelPolygon(t, shadow);
  if (const auto tip = ShadowOnPlane(dial.plane, dial.nodus, sun)) {
    const UserPoint p = face.map.At(*tip);
    PixelCircle(t, p.x, p.y, face.map.scale * dial.nodusHeight / 20);
  }
}

}  // namespace

Status DrawPlaneClock(DialDesign design, ClockView& clock, double time, bool withShadow) {
  const DrawPass pass(design, clock.picClock(), 1.0, clock.ClockState());
  return RunDrawRoutine(design, [&] {
    const PlaneDial unit =
        LayPlaneDial(design.chart, design.settings.dialPlane, design.settings.calcTime.interval, 1);
    const PlacedFace face = ClockFace(pass, unit);
    DrawClockFace(pass, face);
    if (!withShadow) return;
    SolarsLease lease(design.chart);
    const ChartSolar& solar = *lease.Add(time, time, 0).begin();
    const Vector3 sun =
        SunDirection(unit.latitude, design.chart.Season().SolarDeclination(), solar.HourAngle());
    DrawClockShadow(pass, face, sun);
  });
}
