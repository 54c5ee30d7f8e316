// The hour and minute lines of the dial with their time labels. Each line is
// found as a shadow falls: the shadow of the top of the gnomon's vertical
// edge on the dial plane, seen from the root of the style.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "DialRoutines.h"
#include "DrawPass.h"
#include "FaceLines.h"
#include "LabelFit.h"

namespace {

enum class PositionKind { Hour, Minute, RiseSet };

constexpr double kSmallestLabelPoints = 6;  // still read without a lens

struct TimeLabel {
  PositionKind kind;
  std::string text;
};

// A second row of hour numbers for summer time: on the printed sheet, when
// the design asks for it.
bool SummerRow(const DrawPass& pass) {
  return pass.OnPaper() && pass.design.settings.dialOption.summerTime;
}

// A drawing time as the hour a clock shows: times before midnight or past
// the day's end (a zone far from the place) wrap into 0 to 23.
double ClockHour(double time) {
  if (time >= 0 && time < 24) return time;
  const double wrapped = std::fmod(std::nearbyint(time * 1000) / 1000, 24.0);
  return wrapped < 0 ? wrapped + 24 : wrapped + 0.0;  // no "-0"
}

// Whole hours (to three decimals) carry a label; other times are minute
// lines, or sunrise and sunset points ("RS") when the sun is down.
TimeLabel LabelOf(Chart& chart, double time, double magnification, int32_t timeFormat) {
  const double rounded = std::nearbyint(time * 1000) / 1000;
  if (rounded - std::floor(rounded) != 0) {
    if (magnification < 0) return {PositionKind::RiseSet, "RS"};
    return {PositionKind::Minute, ""};
  }
  const double hour = ClockHour(time);
  std::string text = chart.FormatDegAngleS(hour, 0, "+- ");
  if (timeFormat == 1) text += ":" + chart.FormatDegAngleS(hour, 1, "");
  if (!text.empty()) text.erase(0, 1);  // the sign, a blank for 0
  // A label the chart could not format leaves a plain minute line.
  return {text.empty() ? PositionKind::Minute : PositionKind::Hour, text};
}

void SetLinePen(const DrawPass& pass, PositionKind kind, const std::optional<FaceColors>& colors) {
  DrawTarget& t = pass.target;
  const bool hour = kind == PositionKind::Hour;
  if (pass.SetsPens()) {
    if (hour) {
      SetDialPen(pass);
    } else if (pass.OnClock()) {
      SetPen(t, PenMode::CopyPen, PenStyle::Dot, 1);
    } else if (pass.design.settings.dialOption.lineStyle) {
      SetPen(t, PenMode::CopyPen, PenStyle::Dash, ThinnestPenWidth(pass));
    } else {
      SetDialPen(pass);
    }
    t.setFillStyle(BrushStyle::Transparent);
  }
  if (colors) t.setForeColor(hour ? colors->hourLine : colors->minuteLine);
}

// The label centred on the radius, its top facing outwards, unless that
// would stand it more than 90 degrees from upright: then it turns half round
// about its centre, so that no label is read upside down. `along` moves it
// that far in its reading direction (a summer-time number beside it).
void DrawLabel(const DrawPass& pass, double radius, const DialGeometry& dial, double theta,
               const std::string& label, const std::optional<FaceColors>& colors,
               double along = 0) {
  DrawTarget& t = pass.target;
  const UserPoint middle = dial.AtRadius(theta, radius);
  double turn = std::remainder(theta - 90, 360.0);  // in [-180, 180]
  if (std::abs(turn) > 90) turn = std::remainder(turn + 180, 360.0);
  const UserPoint corner{middle.x + along - t.TextWidth(label) / 2,
                         middle.y - t.TextHeight(label) / 2};
  const UserPoint turned = RotatePoint(middle, turn, corner);
  if (colors) t.setForeColor(colors->timeFont);
  RotatedText(t, turned.x, turned.y, label, turn);
}

// The hour in summer time, an hour later: the bare hour, which keeps the
// pair narrow where it stands beside its hour.
std::string SummerText(Chart& chart, double time) {
  return LabelOf(chart, time + 1, 0, 0).text;
}

// One line of the face as the first pass finds it.
struct FacePosition {
  TimeLabel label;
  std::string summer;  // the same hour in summer time, on paper when the design asks
  double time = 0;
  double theta = 0;
  double magnification = 0;
  UserPoint shadow, inner, outer;
  bool drawn = false;
};

// `summer`: each hour also as it reads in summer time.
std::vector<FacePosition> FacePositions(DialDesign design, const DialLayout& l,
                                        const ChartSolars& solars, int32_t timeFormat,
                                        bool summer = false) {
  const DialGeometry dial = DialGeometryOf(l, design.chart.Location().Latitude());
  const int32_t count = solars.CountSolars();
  std::vector<FacePosition> positions;
  int32_t k = 0;
  UserPoint first;
  for (const ChartSolar& solar : solars) {
    FacePosition p;
    p.time = solar.CalcTime();
    p.magnification = solar.Magnification();
    p.label = LabelOf(design.chart, solar.CalcTime(), p.magnification, timeFormat);
    if (summer && p.label.kind == PositionKind::Hour) {
      p.summer = SummerText(design.chart, solar.CalcTime());
    }
    if (p.magnification >= 0) {
      p.shadow = dial.ShadowTip(solar.Azimuth(), p.magnification * dial.edgeHeight);
      p.theta = VectorAngle(dial.centre, {p.shadow.x, 2 * l.centerY - p.shadow.y});
    } else {
      p.theta = ToCompassAngle(solar.Azimuth());
    }
    p.inner = dial.AtRadius(p.theta, l.innerRadius);
    p.outer = dial.AtRadius(p.theta, l.middleRadius);
    if (p.label.kind == PositionKind::RiseSet) continue;
    if (k == 0) first = p.inner;
    // A range that ends where it began (0:00 to 24:00) draws its last line
    // once only; a lone position is its own first and is drawn.
    const bool last = k >= count - 1;
    const bool repeatsFirst = static_cast<float>(p.inner.x) == static_cast<float>(first.x) &&
                              static_cast<float>(p.inner.y) == static_cast<float>(first.y);
    p.drawn = !last || k == 0 || !repeatsFirst;
    positions.push_back(p);
    ++k;
  }
  return positions;
}

// Where the labels stand: the radius of the hours, and of their summer-time
// numbers inside them, or beside them (`beside` apart) where the ring is too
// narrow for two rows of a readable size.
struct LabelPlaces {
  double hours = 0;
  double summer = 0;
  double beside = 0;
};

constexpr double kRowsAcross = 2.25;  // label heights of two rows and the gap between

// Fits the drawn hour labels into the time ring; the target keeps the font
// they are drawn in. Labels that give way lose their text. The labels stand
// in the middle of the ring, or on paper just outside the marks' rings
// where the ring is too narrow to centre them. Summer-time numbers take the
// ring's inner half where two rows fit, else they stand beside their hours.
LabelPlaces FitLabels(const DrawPass& pass, const DialLayout& l,
                      std::vector<FacePosition>& positions) {
  DrawTarget& t = pass.target;
  const double ring = l.outerRadius - l.middleRadius;
  const double centred = l.middleRadius + ring / 2;
  const FontSpec nominal = t.Font();
  const double readable = kSmallestLabelPoints * (pass.OnClock() ? 1.0 : pass.zoom);
  const double minScale = nominal.size > 0 ? readable / nominal.size : 1.0;
  const bool summer = SummerRow(pass);
  // On paper a label keeps clear of the placement marks' rings on the
  // middle circle; on the clock, a tenth of the ring from either circle.
  const double room = pass.OnPaper() ? ring - 2 * (kMarkRingRadius + 0.5) : 0.8 * ring;
  const double beside = summer ? t.TextHeight("0") / 2 : 0;
  const bool twoRows =
      summer && kRowsAcross * t.TextHeight("0") * minScale <= ring - (kMarkRingRadius + 1);
  const double rows = twoRows ? kRowsAcross : 1;
  std::vector<RingLabel> labels;
  std::vector<FacePosition*> labelled;
  for (FacePosition& p : positions) {
    if (!p.drawn || p.label.kind != PositionKind::Hour) continue;
    const double w = t.TextWidth(p.label.text), ws = summer ? t.TextWidth(p.summer) : 0;
    const double width = !summer ? w : twoRows ? std::max(w, ws) : w + beside + ws;
    labels.push_back({p.theta, width, t.TextHeight(p.label.text), std::atoi(p.label.text.c_str())});
    labelled.push_back(&p);
  }
  if (labels.empty()) return {centred, centred, 0};
  double tallest = 0;
  for (const RingLabel& label : labels) tallest = std::max(tallest, label.height);
  // The inner row is the more crowded one, so the fit is made there.
  const double fitRadius = twoRows ? centred - kRowsAcross / 4 * tallest : centred;
  const RingFit fit =
      FitRingLabels(labels, fitRadius, labels[0].height / 4, minScale, room / (rows * tallest));
  if (fit.scale < 1) {
    FontSpec smaller = nominal;
    smaller.size = RoundFontSize(nominal.size * fit.scale);
    t.setFont(smaller);
  }
  for (size_t i = 0; i < labelled.size(); ++i) {
    if (!fit.shown[i]) labelled[i]->label.kind = PositionKind::Minute;
  }
  const double height = tallest * fit.scale;
  double middle = centred;
  if (pass.OnPaper() && rows * height > room) {
    middle = std::max(centred, l.middleRadius + kMarkRingRadius + 0.5 + rows * height / 2);
  }
  if (!twoRows) return {middle, middle, beside * fit.scale};
  const double apart = kRowsAcross / 4 * height;  // half a label and half the gap between
  return {middle + apart, middle - apart, 0};
}

void DrawFace(const DrawPass& pass, const DialLayout& l) {
  const DialDesign& design = pass.design;
  DrawTarget& t = pass.target;
  SolarsLease lease(design.chart);
  const ChartSolars& solars =
      lease.Add(design.settings.calcTime.startTime, design.settings.calcTime.endTime,
                design.settings.calcTime.interval);

  t.setFont(ScaledFont(
      pass.OnClock() ? design.settings.clockTimeFont : design.settings.dialTimeFont, pass));
  const int32_t timeFormat = pass.OnClock() ? design.settings.clockOption.timeFormat
                                            : design.settings.dialOption.timeFormat;
  const std::optional<FaceColors> colors = FaceColorsFor(pass);
  const DialGeometry dial = DialGeometryOf(l, pass.Latitude());
  std::vector<FacePosition> positions =
      FacePositions(pass.design, l, solars, timeFormat, SummerRow(pass));
  const LabelPlaces places = FitLabels(pass, l, positions);
  std::optional<FaceColors> summerColors = colors;
  if (summerColors) summerColors->timeFont = summerColors->hourLine;

  for (const FacePosition& p : positions) {
    // An hour whose label gave way keeps its hour line's pen.
    const bool hourLine = p.label.kind == PositionKind::Hour || !p.label.text.empty();
    SetLinePen(pass, hourLine ? PositionKind::Hour : PositionKind::Minute, colors);
    if (design.settings.general.debugMode && p.magnification >= 0) {
      const UserPoint foot = dial.Foot();
      PixelLine(t, foot.x, foot.y, p.shadow.x, p.shadow.y);
      PixelLine(t, p.shadow.x, p.shadow.y, l.centerX, l.centerY);
    }
    if (!p.drawn) continue;
    {
      const LayerScope lines(t, DrawLayer::HourLines);
      PixelLine(t, p.inner.x, p.inner.y, p.outer.x, p.outer.y);
    }
    if (p.label.kind != PositionKind::Hour) continue;
    if (p.summer.empty()) {
      DrawLabel(pass, places.hours, dial, p.theta, p.label.text, colors);
      continue;
    }
    // Side by side, the pair is centred on the line.
    const double w = t.TextWidth(p.label.text), ws = t.TextWidth(p.summer);
    const double shift = places.beside > 0 ? (places.beside + ws) / 2 : 0;
    DrawLabel(pass, places.hours, dial, p.theta, p.label.text, colors, -shift);
    DrawLabel(pass, places.summer, dial, p.theta, p.summer, summerColors,
              places.beside > 0 ? (w + places.beside) / 2 : 0);
  }
}

}  // namespace

std::vector<double> FaceLineDirections(const DrawPass& pass, const DialLayout& layout) {
  SolarsLease lease(pass.design.chart);
  const CalcTimeSettings& range = pass.design.settings.calcTime;
  const ChartSolars& solars = lease.Add(range.startTime, range.endTime, range.interval);
  std::vector<double> directions;
  for (const FacePosition& p : FacePositions(pass.design, layout, solars, 0)) {
    if (p.drawn) directions.push_back(p.theta);
  }
  return directions;
}

std::vector<FaceLine> FaceLinesOf(DialDesign design, const DialLayout& layout) {
  SolarsLease lease(design.chart);
  const CalcTimeSettings& range = design.settings.calcTime;
  const ChartSolars& solars = lease.Add(range.startTime, range.endTime, range.interval);
  std::vector<FaceLine> lines;
  for (const FacePosition& p : FacePositions(design, layout, solars, 0)) {
    if (p.drawn) lines.push_back({p.time, p.theta});
  }
  return lines;
}

Status DrawDialFace(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom) {
  const DrawPass pass(design, target, zoom);
  return RunDrawRoutine(design, [&] { DrawFace(pass, layout); });
}

Status DrawDialFace(DialDesign design, ClockView& clock, const DialLayout& layout, double zoom) {
  const DrawPass pass(design, clock.picClock(), zoom, clock.ClockState());
  return RunDrawRoutine(design, [&] { DrawFace(pass, layout); });
}
