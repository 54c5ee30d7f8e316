// Date lines, hour curves and their key on the dial face; the nodus's mark
// on the gnomon and its moving shadow on the desktop sundial.
#include "NodusDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

#include "DrawPass.h"
#include "FaceMap.h"
#include "Gnomon.h"
#include "InformationBlock.h"
#include "NodusLines.h"
#include "SheetArea.h"
#include "UiText.h"

namespace {

// Draws a line solid, or dashed in lengths of the face, carrying the dash
// phase from one segment to the next so that short segments still show it.
// What is drawn goes out as polylines, one for each unbroken stretch.
class Stroker {
 public:
  Stroker(DrawTarget& target, double faceRadius)
      : t_(target), on_(faceRadius / 30), off_(faceRadius / 50) {}
  ~Stroker() { Flush(); }
  Stroker(const Stroker&) = delete;
  Stroker& operator=(const Stroker&) = delete;

  void Segment(UserPoint a, UserPoint b, bool dashed) {
    if (!dashed) {
      Draw(a, b);
      return;
    }
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    double done = 0;
    while (done < length) {
      const double step = std::min((drawing_ ? on_ : off_) - phase_, length - done);
      if (drawing_) Draw(Along(a, b, done / length), Along(a, b, (done + step) / length));
      done += step;
      phase_ += step;
      if (phase_ >= (drawing_ ? on_ : off_)) {
        phase_ = 0;
        drawing_ = !drawing_;
        if (!drawing_) Flush();
      }
    }
  }

  // Ends the stretch: the next segment starts a new polyline.
  void Flush() {
    if (points_.size() >= 2) PixelPolyline(t_, points_);
    points_.clear();
  }

 private:
  static UserPoint Along(UserPoint a, UserPoint b, double f) {
    return {a.x + (b.x - a.x) * f, a.y + (b.y - a.y) * f};
  }
  void Draw(UserPoint a, UserPoint b) {
    if (points_.empty() || points_.back().x != a.x || points_.back().y != a.y) {
      Flush();
      points_.push_back(a);
    }
    points_.push_back(b);
  }

  DrawTarget& t_;
  double on_, off_;
  double phase_ = 0;
  bool drawing_ = true;
  std::vector<UserPoint> points_;
};

struct LinePens {
  ColorRef dateLine = 0;
  ColorRef curve = 0;
  ColorRef text = 0;
  int32_t width = 1;
};

LinePens PensOf(const DrawPass& pass) {
  LinePens pens;
  if (const auto colors = FaceColorsFor(pass)) {
    // The clock's time font is meant for the time ring; these texts stand on
    // the inner face or beside the dial, in the orientation font's place.
    const ColorRef text = pass.OnClock() ? colors->orientationFont : colors->timeFont;
    pens = {colors->timeLine, colors->hourLine, text, 1};
  }
  if (!pass.OnClock()) pens.width = std::max(1, DialPenWidth(pass) / 2);
  return pens;
}

void UsePen(const DrawPass& pass, ColorRef color, int32_t width) {
  if (!pass.SetsPens()) return;
  SetPen(pass.target, PenMode::CopyPen, PenStyle::Solid, width);
  pass.target.setFillStyle(BrushStyle::Transparent);
  pass.target.setForeColor(color);
}

std::string ArcLabel(const Chart& chart, const DateArc& arc) {
  std::string label;
  for (int16_t day : arc.days) {
    const std::string next = DateLabel(chart, day);
    //: Two days whose date lines coincide.
    label = label.empty() ? next : FillText(TranslateText("DialTexts", "%1 / %2"), {label, next});
  }
  return label;
}

// The label sits inside the face at one end of the line: neighbouring lines
// take turns between the morning and the evening end, so that labels of arcs
// that run close together do not cover each other. One that would cover a
// box already placed tries the other end, then gives way.
// A round face keeps its labels inside its disc of that radius (none: any face).
bool InsideDisc(const SheetBox& box, const FaceMap& map, double disc) {
  if (disc <= 0) return true;
  for (const UserPoint p : {UserPoint{box.left, box.top}, UserPoint{box.right, box.top},
                            UserPoint{box.left, box.bottom}, UserPoint{box.right, box.bottom}}) {
    if (std::hypot(p.x - map.cx, p.y - map.cy) > disc) return false;
  }
  return true;
}

void LabelDateLine(DrawTarget& t, const FaceMap& map, double disc, const DateLine& line,
                   const std::string& label, bool evening, std::vector<SheetBox>* placed,
                   const ColorRef* face) {
  const LineRun* longest = nullptr;
  for (const LineRun& run : line.runs) {
    if (!longest || run.size() > longest->size()) longest = &run;
  }
  if (!longest || longest->empty()) return;
  const double width = t.TextWidth(label), height = t.TextHeight(label);
  const auto boxAt = [&](bool atEvening) {
    const UserPoint end = map.At(atEvening ? longest->back().at : longest->front().at);
    const double gap = height / 3;
    const double x = end.x < map.cx ? end.x + gap : end.x - gap - width;
    const double y = end.y - height / 2;
    return SheetBox{x, y, x + width, y + height};
  };
  const auto isFree = [&](const SheetBox& box) {
    if (!InsideDisc(box, map, disc)) return false;
    return !placed || std::none_of(placed->begin(), placed->end(),
                                   [&](const SheetBox& other) { return other.Overlaps(box); });
  };
  SheetBox box = boxAt(evening);
  if (!isFree(box)) box = boxAt(!evening);
  if (!isFree(box)) return;
  if (placed) placed->push_back(box);
  if (face != nullptr) {
    TextOnCleared(t, box.left, box.top, label, *face);
  } else {
    RotatedText(t, box.left, box.top, label, 0);
  }
}

void DrawCurve(const FaceMap& map, Stroker& stroker, const Chart& chart, const HourCurve& curve,
               bool halves) {
  auto dashed = [&](const LinePoint& p) { return halves && !InFirstHalf(chart, p.day); };
  for (const LineRun& run : curve.runs) {
    for (size_t i = 1; i < run.size(); ++i) {
      stroker.Segment(map.At(run[i - 1].at), map.At(run[i].at), dashed(run[i - 1]));
    }
    stroker.Flush();
  }
  if (curve.wrapsYear) {
    const LinePoint& last = curve.runs.back().back();
    stroker.Segment(map.At(last.at), map.At(curve.runs.front().front().at), dashed(last));
  }
}

// Which half of the year each line style shows, at the top left of the dial.
void DrawCurveKey(const DrawPass& pass, const DialLayout& l, const LinePens& pens) {
  DrawTarget& t = pass.target;
  // Short enough to stay in the corner outside the time ring.
  const std::string rows[2] = {TranslateText("DialTexts", "Jan–Jun"),
                               TranslateText("DialTexts", "Jul–Dec")};
  const double sample = l.outerRadius * 0.12;
  const double x = l.centerX - l.outerRadius;
  double y = l.centerY - l.outerRadius;
  for (int row = 0; row < 2; ++row) {
    const double h = t.TextHeight(rows[row]);
    UsePen(pass, pens.curve, pens.width);
    {
      Stroker stroker(t, l.middleRadius);
      stroker.Segment({x, y + h / 2}, {x + sample, y + h / 2}, row == 1);
    }
    if (pass.SetsPens()) t.setForeColor(pens.text);
    RotatedText(t, x + sample + h / 2, y, rows[row], 0);
    y += h * 1.2;
  }
}

// The curves and their labels; the key of the halves at the corner of the
// layout's dial, where one is given. Dashes are in lengths of dashScale.
void DrawCurves(const DrawPass& pass, const NodusCurves& curves, const FaceMap& map, double disc,
                double dashScale, const DialLayout* keyAt, std::vector<SheetBox>* placed) {
  const DialDesign& design = pass.design;
  DrawTarget& t = pass.target;
  const LinePens pens = PensOf(pass);

  UsePen(pass, pens.dateLine, pens.width);
  std::vector<UserPoint> points;
  for (const DateLine& line : curves.dates) {
    const LayerScope dateLayer(t, DrawLayer::DateLines);
    for (const LineRun& run : line.runs) {
      points.clear();
      for (const LinePoint& p : run) points.push_back(map.At(p.at));
      PixelPolyline(t, points);
    }
  }
  const bool halves = curves.plan.curves == HourCurveStyle::Halves;
  UsePen(pass, pens.curve, pens.width);
  bool anyCurve = false;
  for (const HourCurve& curve : curves.curves) {
    const LayerScope curveLayer(t, DrawLayer::HourCurves);
    Stroker stroker(t, dashScale);
    DrawCurve(map, stroker, design.chart, curve, halves);
    anyCurve = anyCurve || !curve.runs.empty();
  }

  t.setFont(ScaledFont(
      pass.OnClock() ? design.settings.clockTimeFont : design.settings.dialInformationFont, pass));
  if (pass.SetsPens()) SetThinPen(t);
  if (pass.SetsPens()) t.setForeColor(pens.text);
  // By declination, so that neighbours on the face alternate.
  std::vector<const DateLine*> byDeclination;
  for (const DateLine& line : curves.dates) byDeclination.push_back(&line);
  std::sort(byDeclination.begin(), byDeclination.end(), [](const DateLine* a, const DateLine* b) {
    return a->arc.declination < b->arc.declination;
  });
  // The labels stand over the lines on a patch of the face's own colour.
  const auto colors = FaceColorsFor(pass);
  const ColorRef* face = colors ? &colors->innerFill : nullptr;
  for (size_t i = 0; i < byDeclination.size(); ++i) {
    const DateLine& line = *byDeclination[i];
    LabelDateLine(t, map, disc, line, ArcLabel(design.chart, line.arc), i % 2 == 1, placed, face);
  }
  if (halves && anyCurve && keyAt) DrawCurveKey(pass, *keyAt, pens);
}

// The placement marks at the style's root and the foot of the gnomon's
// edge, which are drawn over the face after its lines.
std::vector<SheetBox> MarkBoxes(const DrawPass& pass, const DialLayout& l) {
  const double s = SignOf(pass.Latitude());
  const double r = kMarkRingRadius;
  std::vector<SheetBox> boxes;
  for (const UserPoint p :
       {UserPoint{l.centerX, l.centerY - s * l.middleRadius}, UserPoint{l.centerX, l.centerY}}) {
    boxes.push_back({p.x - r, p.y - r, p.x + r, p.y + r});
  }
  return boxes;
}

// The lines of a round face, their names inside its disc and clear of the
// boxes given; the halves' key at the dial's corner where asked (the clock:
// a sheet has it in the key to its lines, SheetKey.h).
void DrawLines(const DrawPass& pass, const DialLayout& l, double faceRadius, bool curveKey,
               std::vector<SheetBox> placed) {
  const NodusCurves curves = TraceNodusCurves(pass.design.settings, pass.design.chart, faceRadius);
  if (!curves.nodus) return;
  DrawCurves(pass, curves, {l.centerX, l.centerY, l.middleRadius / faceRadius}, l.middleRadius,
             l.middleRadius, curveKey ? &l : nullptr, &placed);
}

// What a sheet draws over its face after the lines: the placement marks and
// the information block.
std::vector<SheetBox> SheetBoxesOverFace(const DrawPass& pass, const DialLayout& l) {
  std::vector<SheetBox> boxes;
  if (pass.design.settings.dialOption.printMark) boxes = MarkBoxes(pass, l);
  if (pass.design.settings.dialOption.printInfo) {
    if (const auto block = FaceBlockBox(pass, l)) boxes.push_back(*block);
  }
  return boxes;
}

}  // namespace

void DrawNodusCurves(const DrawPass& pass, const NodusCurves& curves, const FaceMap& map,
                     double dashScale, std::vector<SheetBox>& placed) {
  if (curves.nodus) DrawCurves(pass, curves, map, 0, dashScale, nullptr, &placed);
}

Status DrawDialLines(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom) {
  const DrawPass pass(design, target, zoom);
  return RunDrawRoutine(design, [&] {
    DrawLines(pass, layout, layout.middleRadius, false, SheetBoxesOverFace(pass, layout));
  });
}

Status DrawDialLines(DialDesign design, ClockView& clock, const DialLayout& layout,
                     double paperFactor) {
  const DrawPass pass(design, clock.picClock(), 1.0, clock.ClockState());
  return RunDrawRoutine(design, [&] { DrawLines(pass, layout, 65 * paperFactor, true, {}); });
}

Status DrawNodusMark(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom) {
  const DrawPass pass(design, target, zoom);
  return RunDrawRoutine(design, [&] {
    const NodusPlan plan = PlanNodus(design.settings, design.chart, layout.middleRadius);
    if (!plan.Wanted() || !plan.OnStyle()) return;
    const GnomonOutline g = GnomonOutlineFor(layout, pass.Latitude(), 1.0);
    const double f = plan.height / plan.styleTop;
    const UserPoint root = g.Root(), top = g.Top();
    const UserPoint p{root.x + (top.x - root.x) * f, root.y + (top.y - root.y) * f};
    SetDialPen(pass);
    target.setFillStyle(BrushStyle::Transparent);
    target.setForeColor(design.settings.dialColor.markLine);
    const LayerScope gnomon(target, DrawLayer::Gnomon);
    // The style runs up the page; the notch crosses it.
    PixelLine(target, p.x - 2.5, p.y, p.x + 2.5, p.y);
    PixelCircle(target, p.x, p.y, 1.0);
    // Its height is given in the style's label (SheetKey.h), placed clear of the pattern.
  });
}

Status DrawNodusShadow(DialDesign design, ClockView& clock, const DialLayout& layout, double time,
                       double paperFactor) {
  const DrawPass pass(design, clock.picClock(), 1.0, clock.ClockState());
  return RunDrawRoutine(design, [&] {
    const double faceRadius = 65 * paperFactor;
    const NodusPlan plan = PlanNodus(design.settings, design.chart, faceRadius);
    if (!plan.Wanted() || !(plan.height > 0)) return;
    const double latitude = pass.Latitude();
    const auto nodus = NodusOnStyle(HorizontalPlane(), latitude, plan.height);
    if (!nodus) return;
    SolarsLease lease(design.chart);
    const ChartSolar& solar = *lease.Add(time, time, 0).begin();
    const Vector3 sun =
        SunDirection(latitude, design.chart.Season().SolarDeclination(), solar.HourAngle());
    const auto at = ShadowOnPlane(HorizontalPlane(), *nodus, sun);
    if (!at || std::hypot(at->x, at->y) > faceRadius) return;
    const FaceMap map{layout.centerX, layout.centerY, layout.middleRadius / faceRadius};
    const UserPoint p = map.At(*at);
    DrawTarget& t = pass.target;
    SetPen(t, PenMode::CopyPen, PenStyle::Solid, 1);
    t.setFillStyle(BrushStyle::Solid);
    const ColorRef color = PensOf(pass).curve;
    t.setForeColor(color);
    t.setFillColor(color);
    PixelCircle(t, p.x, p.y, layout.middleRadius / 60);
  });
}
