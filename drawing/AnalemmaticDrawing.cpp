// A printed analemmatic dial: a paper model to stand a pencil on, which is
// also the plan of a dial on the ground at full size.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "AnalemmaticRoutines.h"
#include "AnalemmaticSheet.h"
#include "DialRoutines.h"
#include "DialWords.h"
#include "DrawPass.h"
#include "InformationBlock.h"
#include "MathFunctions.h"
#include "PlaneDialRoutines.h"
#include "PlaneProjection.h"
#include "Settings.h"
#include "SolarFormulas.h"
#include "UiText.h"

namespace {

constexpr double kPointRadius = 1.0;  // millimetres on the page: an hour point
constexpr double kLabelGap = 0.8;     // millimetres between a mark and its label
constexpr double kTick = 2.5;         // millimetres: a date's tick on either side
constexpr int kEllipseSteps = 180;
constexpr double kSolstice = 23.45;
constexpr double kDateFontShare = 0.8;

void Text(DrawTarget& t, double x, double y, const std::string& text) {
  RotatedText(t, x, y, text, 0);
}

void UsePen(const DrawPass& pass, PenStyle style, double millimetres, ColorRef color) {
  SetPen(pass.target, PenMode::CopyPen, style, SheetPenWidth(pass.target, millimetres));
  pass.target.setFillStyle(BrushStyle::Transparent);
  pass.target.setForeColor(color);
}

std::vector<UserPoint> EllipseOutline(const FaceMap& map, double major, double minor) {
  std::vector<UserPoint> points;
  for (int i = 0; i <= kEllipseSteps; ++i) {
    const double a = 2 * kPi * i / kEllipseSteps;
    points.push_back(map.At({major * std::cos(a), minor * std::sin(a)}));
  }
  return points;
}

// The date scale's ends north of the centre (the south one negative).
std::pair<double, double> DateScaleSpan(const AnalemmaticDial& dial) {
  double low = 0, high = 0;
  for (const AnalemmaticDate& d : dial.dates) {
    low = std::min(low, d.y);
    high = std::max(high, d.y);
  }
  return {low, high};
}

bool WholeHour(double clockTime) {
  return static_cast<int>(std::lround(clockTime * 60)) % 60 == 0;
}

std::string HourLabel(double clockTime, int32_t timeFormat) {
  const int hour = static_cast<int>(std::lround(clockTime * 60)) / 60 % 24;
  return std::to_string(hour) + (timeFormat == 1 ? ":00" : "");
}

// The label's box just outside the ellipse along its outward normal at the
// point: the ellipse lies wholly inside the tangent there, so no part of it
// crosses the label.
SheetBox LabelBoxOutside(const AnalemmaticDial& dial, const FaceMap& map, PlanePoint at, double w,
                         double h, double clearance) {
  PlanePoint n{at.x / (dial.major * dial.major), at.y / (dial.minor * dial.minor)};
  const double length = std::hypot(n.x, n.y);
  n = length > 0 ? PlanePoint{n.x / length, n.y / length} : PlanePoint{0, 1};
  // How far the box reaches back along the normal from its centre: its
  // nearest corner then stands the clearance beyond the tangent.
  const double toEdge = std::fabs(n.x) * w / 2 + std::fabs(n.y) * h / 2;
  const UserPoint p = map.At(at);
  const double d = clearance + toEdge;
  const UserPoint c{p.x + n.x * d, p.y - n.y * d};
  return {c.x - w / 2, c.y - h / 2, c.x + w / 2, c.y + h / 2};
}

void DrawHours(const DrawPass& pass, const AnalemmaticSheet& sheet, std::vector<SheetBox>& placed) {
  DrawTarget& t = pass.target;
  const Settings& settings = pass.design.settings;
  const DialColorSettings& colors = settings.dialColor;
  UsePen(pass, PenStyle::Solid, kThinnestLineMm, colors.timeLine);
  PixelPolyline(t, EllipseOutline(sheet.map, sheet.dial.major, sheet.dial.minor));
  const double r = kPointRadius * pass.zoom;
  for (const AnalemmaticHour& hour : sheet.dial.hours) {
    const UserPoint p = sheet.map.At(hour.at);
    const bool whole = WholeHour(hour.clockTime);
    const ColorRef color = whole ? colors.hourLine : colors.minuteLine;
    UsePen(pass, PenStyle::Solid, kThinnestLineMm, color);
    t.setFillStyle(BrushStyle::Solid);
    t.setFillColor(color);
    PixelCircle(t, p.x, p.y, whole ? r : r / 2);
  }
  t.setFont(ScaledFont(settings.dialTimeFont, pass));
  SetThinPen(t);
  t.setForeColor(colors.timeFont);
  // Near the equator the date scale reaches beyond the ellipse: a label
  // moves on outward until it clears the scale and its ticks.
  const auto [low, high] = DateScaleSpan(sheet.dial);
  const UserPoint scaleTop = sheet.map.At({0, high}), scaleBottom = sheet.map.At({0, low});
  const double tick = kTick * pass.zoom;
  const SheetBox scale{scaleTop.x - tick - kLabelGap, scaleTop.y - kLabelGap,
                       scaleTop.x + tick + kLabelGap, scaleBottom.y + kLabelGap};
  for (const AnalemmaticHour& hour : sheet.dial.hours) {
    if (!WholeHour(hour.clockTime)) continue;
    const std::string label = HourLabel(hour.clockTime, settings.dialOption.timeFormat);
    const double w = t.TextWidth(label), h = t.TextHeight(label);
    double clearance = r + kLabelGap;
    SheetBox box = LabelBoxOutside(sheet.dial, sheet.map, hour.at, w, h, clearance);
    for (int step = 0; step < 100 && box.Overlaps(scale); ++step) {
      clearance += h / 4;
      box = LabelBoxOutside(sheet.dial, sheet.map, hour.at, w, h, clearance);
    }
    const bool taken = std::any_of(placed.begin(), placed.end(),
                                   [&](const SheetBox& o) { return o.Overlaps(box); });
    if (taken) continue;
    placed.push_back(box);
    Text(t, box.left, box.top, label);
  }
}

// The date scale: a tick for each mark, the half of the year with the
// declination rising (December to June) to the east, the other to the west,
// the solstices and equinoxes the longer; labels beside the ticks where they
// keep apart, the solstices and equinoxes first. The east-west axis stops
// short of the labels.
void DrawDateScale(const DrawPass& pass, const AnalemmaticSheet& sheet,
                   std::vector<SheetBox>& placed) {
  DrawTarget& t = pass.target;
  const Settings& settings = pass.design.settings;
  const DialColorSettings& colors = settings.dialColor;
  const AnalemmaticDial& dial = sheet.dial;
  const FaceMap& map = sheet.map;
  const auto [low, high] = DateScaleSpan(dial);
  const double tick = kTick * pass.zoom;
  UsePen(pass, PenStyle::Solid, kFoldLineMm, colors.markLine);
  const UserPoint a = map.At({0, low}), b = map.At({0, high});
  PixelLine(t, a.x, a.y, b.x, b.y);
  auto east = [](const AnalemmaticDate& d) {
    return d.month < 6 || (d.month == 6 && d.dayOfMonth < 21) ||
           (d.month == 12 && d.dayOfMonth >= 21);
  };
  for (const AnalemmaticDate& d : dial.dates) {
    const UserPoint p = map.At({0, d.y});
    const double side = east(d) ? 1 : -1;
    const double length = d.season ? tick : tick * 0.6;
    UsePen(pass, PenStyle::Solid, kThinnestLineMm, colors.markLine);
    PixelLine(t, p.x, p.y, p.x + side * length, p.y);
  }
  // A size smaller than the block's, so that the marks of neighbouring
  // months find room.
  FontSpec font = ScaledFont(settings.dialInformationFont, pass);
  font.size = RoundFontSize(font.size * kDateFontShare);
  t.setFont(font);
  SetThinPen(t);
  t.setForeColor(colors.informationFont);
  double widest = 0;
  for (bool seasons : {true, false}) {
    for (const AnalemmaticDate& d : dial.dates) {
      if (d.season != seasons) continue;
      const std::string label = ShortMonthDayText(d.month, d.dayOfMonth);
      const UserPoint p = map.At({0, d.y});
      const double w = t.TextWidth(label), h = t.TextHeight(label);
      const double x = east(d) ? p.x + tick + kLabelGap : p.x - tick - kLabelGap - w;
      const SheetBox box{x, p.y - h / 2, x + w, p.y + h / 2};
      const SheetBox apart{box.left, box.top - 0.2, box.right, box.bottom + 0.2};
      const bool taken = std::any_of(placed.begin(), placed.end(),
                                     [&](const SheetBox& o) { return o.Overlaps(apart); });
      if (taken) continue;
      placed.push_back(box);
      widest = std::max(widest, tick + kLabelGap + w + kLabelGap);
      Text(t, box.left, box.top, label);
    }
  }
  // The major axis, east and west of the labels.
  UsePen(pass, PenStyle::Dot, kThinnestLineMm, colors.orientationLine);
  const UserPoint centre = map.At({0, 0});
  const double reach = dial.major * map.scale;
  if (reach > widest) {
    PixelLine(t, centre.x - reach, centre.y, centre.x - widest, centre.y);
    PixelLine(t, centre.x + widest, centre.y, centre.x + reach, centre.y);
  }
}

void DrawNorthArrow(const DrawPass& pass, const AnalemmaticSheet& sheet) {
  DrawTarget& t = pass.target;
  const Settings& settings = pass.design.settings;
  const UserPoint foot = sheet.northArrow;
  const double tipY = foot.y - sheet.arrowLength;
  UsePen(pass, PenStyle::Solid, kFoldLineMm, settings.dialColor.orientationLine);
  PixelLine(t, foot.x, foot.y, foot.x, tipY);
  const double head = 2 * pass.zoom;
  PixelLine(t, foot.x, tipY, foot.x - head / 2, tipY + head);
  PixelLine(t, foot.x, tipY, foot.x + head / 2, tipY + head);
  t.setFont(ScaledFont(settings.dialOrientationFont, pass));
  SetThinPen(t);
  t.setForeColor(settings.dialColor.orientationFont);
  const std::string north = TranslateText("DialTexts", "N");
  Text(t, foot.x - t.TextWidth(north) / 2, tipY - t.TextHeight(north) - 1, north);
}

// Where the gnomon stands on the design's day, as a sentence's part:
// "0.41 m north of the centre".
std::string PlaceOfDay(double major, double latitude, double declination) {
  const double y = AnalemmaticGnomonPlace(major, latitude, declination);
  if (std::fabs(y) < 0.5) return TranslateText("DialTexts", "at the centre");
  return FillText(y > 0 ? TranslateText("DialTexts", "%1 north of the centre")
                        : TranslateText("DialTexts", "%1 south of the centre"),
                  {LengthText(std::fabs(y))});
}

std::vector<std::string> TextLines(DialDesign design, const AnalemmaticSheet& sheet) {
  const AnalemmaticDial& dial = sheet.dial;
  Chart& chart = design.chart;
  std::vector<std::string> lines = InformationLines(design, 0);
  lines.resize(7);
  lines.push_back(TranslateText("DialTexts", "Analemmatic dial"));
  lines.push_back(FillText(TranslateText("DialTexts", "Semi-major axis M (east-west): %1"),
                           {LengthText(dial.major)}));
  lines.push_back(FillText(TranslateText("DialTexts", "Semi-minor axis (north-south): %1"),
                           {LengthText(dial.minor)}));
  lines.push_back(
      FillText(TranslateText("DialTexts", "This sheet: %1"), {ScaleText(sheet.Scale())}));

  // Today's place: the design's own date, which the model keeps as today
  // where the design has none.
  const CalendarDate& today = design.settings.season.seasonDate;
  const std::string date = MonthDayText(today.month, today.day);
  double declination = chart.Season().SolarDeclination();
  ErrorRecord error;
  int16_t day = 0;
  const int16_t leap = ToFlag(chart.LeapYear());
  const CalcDateArray monthDay{static_cast<int16_t>(today.month), static_cast<int16_t>(today.day)};
  if (ConvTotalDays(error, monthDay, day, leap).ok()) GetSolarDeclination(day, leap, declination);
  lines.push_back(FillText(
      TranslateText("DialTexts",
                    "Desk model: lay the sheet level, the arrow toward true north, and stand a "
                    "pencil upright on the date scale at %1 (%2); its shadow points to the hour."),
      {date, PlaceOfDay(dial.major * sheet.Scale(), dial.latitude, declination)}));
  lines.push_back(FillText(
      TranslateText("DialTexts",
                    "On the ground at full size a person is the gnomon: on %1 stand on the date "
                    "scale %2. From a height of %3 the shadow reaches the hour points all year; a "
                    "shorter person's shadow still points toward them."),
      {date, PlaceOfDay(dial.major, dial.latitude, declination),
       LengthText(AnalemmaticGnomonHeight(dial))}));
  return lines;
}

}  // namespace

std::string LengthText(double millimetres) {
  if (millimetres >= 1000) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f m", millimetres / 1000);
    return text;
  }
  return std::to_string(std::lround(millimetres)) + " mm";
}

double AnalemmaticGnomonHeight(const AnalemmaticDial& dial) {
  const double phi = DegToRad(std::fabs(dial.latitude));
  return dial.major * (std::cos(phi) + std::sin(phi) * std::tan(DegToRad(kSolstice)));
}

Status DrawAnalemmaticPage(DialDesign design, DrawTarget& target, double zoom, double paperFactor,
                           int16_t page) {
  const DrawPass pass(design, target, zoom);
  return RunDrawRoutine(design, [&] {
    const AnalemmaticSheet sheet =
        LayAnalemmaticSheet(design.settings, design.chart, target.ScaleWidth(),
                            target.ScaleHeight(), PageMarginsOf(target), paperFactor);
    if (page != 1) return;
    // The hours' labels first: a date's label gives way to them.
    std::vector<SheetBox> placed;
    DrawHours(pass, sheet, placed);
    DrawDateScale(pass, sheet, placed);
    DrawNorthArrow(pass, sheet);
    if (design.settings.dialOption.printInfo) {
      DrawPlaneTextBlock(pass, sheet.textBox, TextLines(design, sheet));
    }
  });
}

Status DrawAnalemmaticClock(DialDesign design, ClockView& clock, double time, bool withShadow) {
  const DrawPass pass(design, clock.picClock(), 1.0, clock.ClockState());
  return RunDrawRoutine(design, [&] {
    DrawTarget& t = pass.target;
    const double latitude = design.chart.Location().Latitude();
    if (!AnalemmaticLatitudeProblem(latitude).empty()) return;  // the checks say why
    const AnalemmaticDial dial =
        LayAnalemmaticDial(design.chart, design.settings.calcTime.interval, 1);
    const std::optional<FaceColors> colors = FaceColorsFor(pass);
    // The ellipse fitted into the picture with room for its labels; the top
    // and bottom eighths stay free for the icon and the caption.
    const double band = 2.5 * t.TextHeight("00:00");
    double top = dial.minor, bottom = -dial.minor;
    for (const AnalemmaticHour& h : dial.hours) {
      top = std::max(top, h.at.y);
      bottom = std::min(bottom, h.at.y);
    }
    const double scale = std::min((t.ScaleWidth() - 2 * band) / 2,
                                  (t.ScaleHeight() * 0.75 - 2 * band) / (top - bottom));
    const double cx = t.ScaleLeft() + t.ScaleWidth() / 2;
    const double cy = t.ScaleTop() + t.ScaleHeight() / 2 + (top + bottom) / 2 * scale;
    const FaceMap map{cx, cy, scale};
    SetPen(t, PenMode::CopyPen, PenStyle::Solid, 1);
    t.setFillStyle(BrushStyle::Transparent);
    if (colors) t.setForeColor(colors->timeLine);
    PixelPolyline(t, EllipseOutline(map, dial.major, dial.minor));
    const UserPoint a = map.At({0, AnalemmaticGnomonPlace(1, latitude, -kSolstice)});
    const UserPoint b = map.At({0, AnalemmaticGnomonPlace(1, latitude, kSolstice)});
    PixelLine(t, a.x, a.y, b.x, b.y);
    const double r = std::max(2.0, scale / 40);
    t.setFillStyle(BrushStyle::Solid);
    for (const AnalemmaticHour& hour : dial.hours) {
      const bool whole = WholeHour(hour.clockTime);
      if (colors) {
        t.setForeColor(whole ? colors->hourLine : colors->minuteLine);
        t.setFillColor(whole ? colors->hourLine : colors->minuteLine);
      }
      const UserPoint p = map.At(hour.at);
      PixelCircle(t, p.x, p.y, whole ? r : r / 2);
    }
    // The labels stand on the background, as the compass letters do, not on
    // a time ring.
    t.setFont(ScaledFont(design.settings.clockTimeFont, pass));
    SetThinPen(t);
    if (colors) t.setForeColor(colors->orientationFont);
    std::vector<SheetBox> placed;
    for (const AnalemmaticHour& hour : dial.hours) {
      if (!WholeHour(hour.clockTime)) continue;
      const std::string label = HourLabel(hour.clockTime, design.settings.clockOption.timeFormat);
      const SheetBox box =
          LabelBoxOutside(dial, map, hour.at, t.TextWidth(label), t.TextHeight(label), r + 2);
      if (std::any_of(placed.begin(), placed.end(),
                      [&](const SheetBox& o) { return o.Overlaps(box); })) {
        continue;
      }
      placed.push_back(box);
      Text(t, box.left, box.top, label);
    }
    if (!withShadow) return;
    // The person's shadow: from the day's place toward the hour point of
    // the sun's hour angle, which it meets.
    SolarsLease lease(design.chart);
    const ChartSolar& solar = *lease.Add(time, time, 0).begin();
    const double declination = design.chart.Season().SolarDeclination();
    const UserPoint from = map.At({0, AnalemmaticGnomonPlace(1, latitude, declination)});
    const UserPoint to = map.At(AnalemmaticHourPoint(1, latitude, solar.HourAngle()));
    SetPen(t, PenMode::CopyPen, PenStyle::Solid, std::max(2, static_cast<int>(r / 2)));
    if (const ClockColorSettings* c = ClockColorsFor(design.settings, pass.clockState)) {
      t.setForeColor(c->shadowFill);
      t.setFillColor(c->shadowFill);
    }
    PixelLine(t, from.x, from.y, to.x, to.y);
    PixelCircle(t, from.x, from.y, r);
  });
}
