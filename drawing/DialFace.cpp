// The hour and minute lines of the dial with their time labels. Each line is
// found as a shadow falls: the shadow of the top of the gnomon's vertical
// edge on the dial plane, seen from the root of the style.
#include <cmath>
#include <string>

#include "DialRoutines.h"
#include "DrawPass.h"

namespace {

enum class PositionKind { Hour, Minute, RiseSet };

struct TimeLabel {
  PositionKind kind;
  std::string text;
};

// Whole hours (to three decimals) carry a label; other times are minute
// lines, or sunrise and sunset points ("RS") when the sun is down.
TimeLabel LabelOf(Chart& chart, double time, double magnification, int32_t timeFormat) {
  const double rounded = std::nearbyint(time * 1000) / 1000;
  if (rounded - std::floor(rounded) != 0) {
    if (magnification < 0) return {PositionKind::RiseSet, "RS"};
    return {PositionKind::Minute, ""};
  }
  const double hour = time >= 24 ? 0 : time;
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
    } else if (pass.design.settings.DialOption.LineStyle) {
      SetPen(t, PenMode::CopyPen, PenStyle::Dash, 1);
    } else {
      SetDialPen(pass);
    }
    t.setFillStyle(BrushStyle::Transparent);
  }
  if (colors) t.setForeColor(hour ? colors->HourLine : colors->MinuteLine);
}

// The label centred in the middle of the time ring, its top facing outwards.
void DrawLabel(const DrawPass& pass, const DialLayout& l, const DialGeometry& dial, double theta,
               const std::string& label, const std::optional<FaceColors>& colors) {
  DrawTarget& t = pass.target;
  const UserPoint middle =
      dial.AtRadius(theta, l.MiddleRadius + (l.OuterRadius - l.MiddleRadius) / 2);
  const double turn = theta - 90;
  const double w = t.TextWidth(label) / 2;
  const double h = t.TextHeight(label) / 2;
  const double delta = std::atan2(h, w);
  const double d = std::sqrt(w * w + h * h);
  const UserPoint corner{middle.x - std::cos(delta) * d, middle.y - std::sin(delta) * d};
  const UserPoint turned = RotatePoint(middle, turn, corner);
  if (colors) t.setForeColor(colors->TimeFont);
  RotatedText(t, turned.x, turned.y, label, turn);
}

void DrawFace(const DrawPass& pass, const DialLayout& l) {
  const DialDesign& design = pass.design;
  DrawTarget& t = pass.target;
  Chart& chart = design.chart;
  SolarsLease lease(chart);
  const ChartSolars& solars =
      lease.Add(design.settings.CalcTime.StartTime, design.settings.CalcTime.EndTime,
                design.settings.CalcTime.Interval);

  t.setFont(ScaledFont(
      pass.OnClock() ? design.settings.ClockTimeFont : design.settings.DialTimeFont, pass));
  const int32_t timeFormat = pass.OnClock() ? design.settings.ClockOption.TimeFormat
                                            : design.settings.DialOption.TimeFormat;
  const std::optional<FaceColors> colors = FaceColorsFor(pass);

  const DialGeometry dial = DialGeometryOf(l, pass.Latitude());
  const int32_t count = solars.CountSolars();
  int32_t k = 0;
  UserPoint first;

  for (const ChartSolar& solar : solars) {
    const double m = solar.Magnification();
    const TimeLabel label = LabelOf(chart, solar.CalcTime(), m, timeFormat);

    double theta = 0;
    UserPoint shadow;
    if (m >= 0) {
      shadow = dial.ShadowTip(solar.Azimuth(), m * dial.edgeHeight);
      theta = VectorAngle(dial.centre, {shadow.x, 2 * l.CenterY - shadow.y});
    } else {
      theta = ToCompassAngle(solar.Azimuth());
    }
    const UserPoint inner = dial.AtRadius(theta, l.InnerRadius);
    const UserPoint outer = dial.AtRadius(theta, l.MiddleRadius);
    if (label.kind == PositionKind::RiseSet) continue;

    SetLinePen(pass, label.kind, colors);
    if (design.settings.General.DebugMode && m >= 0) {
      const UserPoint foot = dial.Foot();
      PixelLine(t, foot.x, foot.y, shadow.x, shadow.y);
      PixelLine(t, shadow.x, shadow.y, l.CenterX, l.CenterY);
    }
    if (k == 0) first = inner;

    // A range that ends where it began (0:00 to 24:00) draws its last line
    // once only; a lone position is its own first and is drawn.
    const bool last = k >= count - 1;
    const bool repeatsFirst = static_cast<float>(inner.x) == static_cast<float>(first.x) &&
                              static_cast<float>(inner.y) == static_cast<float>(first.y);
    if (!last || k == 0 || !repeatsFirst) {
      PixelLine(t, inner.x, inner.y, outer.x, outer.y);
      if (label.kind == PositionKind::Hour) DrawLabel(pass, l, dial, theta, label.text, colors);
    }
    ++k;
  }
}

}  // namespace

Status DrawDialFace(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom) {
  const DrawPass pass(design, target, zoom);
  return RunDrawRoutine(design, [&] { DrawFace(pass, layout); });
}

Status DrawDialFace(DialDesign design, ClockView& clock, const DialLayout& layout, double zoom) {
  const DrawPass pass(design, clock.picClock(), zoom, clock.ClockState());
  return RunDrawRoutine(design, [&] { DrawFace(pass, layout); });
}
