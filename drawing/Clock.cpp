// What only the desktop sundial draws: the day or night picture, the date
// and time caption, the gnomon's shadow and the midnight-sun or polar-night
// words, the captions on top of the shadow. Each routine draws on the window's clock picture in the
// clock colours of the window's ClockState.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>

#include "DialRoutines.h"
#include "DrawPass.h"

namespace {

// The day or night picture's side: 48 pixels on a screen of 96 dots per
// inch, and as large to the eye on a scaled screen.
constexpr double kStateIconPoints = 36;

void SetCaptionPen(DrawTarget& t, const ClockColorSettings* colors) {
  SetThinPen(t);
  if (colors) t.setForeColor(colors->clockFont);
}

// Half the width of the ring drawn around a caption.
constexpr double kHaloPoints = 1;

// A caption centred on the point, drawn over the shadow and ringed in the
// colour of the face beneath it, so that neither the shadow's fill nor its
// edge makes it unreadable.
void CentredText(DrawTarget& t, double x, double y, const std::string& text,
                 const ClockColorSettings* colors) {
  const double left = x - t.TextWidth(text) / 2;
  const double top = y - t.TextHeight(text) / 2;
  if (colors) {
    const ColorRef ink = t.ForeColor();
    const double dx = t.ScaleX(kHaloPoints, ScaleUnit::Points, t.ScaleMode());
    const double dy = t.ScaleY(kHaloPoints, ScaleUnit::Points, t.ScaleMode());
    t.setForeColor(colors->innerFill);
    for (int i = -1; i <= 1; ++i) {
      for (int j = -1; j <= 1; ++j) {
        if (i != 0 || j != 0) RotatedText(t, left + i * dx, top + j * dy, text, 0);
      }
    }
    t.setForeColor(ink);
  }
  RotatedText(t, left, top, text, 0);
}

// A drawing hour beyond the day of the shown date moves into the next (or
// previous) day; within 0 to 24 the shown date-time itself is captioned.
std::chrono::local_seconds CaptionTime(std::chrono::local_seconds shown, double hour) {
  using namespace std::chrono;
  if (!(hour > 24 || hour < 0)) return shown;
  const local_days day = floor<days>(shown);
  const double offsetSeconds = hour > 24 ? (hour - 24) * 3600 : (hour + 24) * 3600;
  if (!(std::fabs(offsetSeconds) < 1e12)) RaiseOverflow();
  const local_days base = hour > 24 ? day + days{1} : day - days{1};
  return base + seconds{std::llround(offsetSeconds)};
}

// "m/dd h:nn", as 3/05 9:07.
std::string CaptionText(std::chrono::local_seconds time) {
  using namespace std::chrono;
  const local_days day = floor<days>(time);
  const year_month_day date{day};
  const hh_mm_ss<seconds> clock{time - day};
  char text[32];
  std::snprintf(text, sizeof text, "%u/%02u %d:%02d", static_cast<unsigned>(date.month()),
                static_cast<unsigned>(date.day()), static_cast<int>(clock.hours().count()),
                static_cast<int>(clock.minutes().count()));
  return text;
}

void SetShadowPen(DrawTarget& t, int32_t mode, bool invert) {
  if (mode == 0 || mode == 2) {
    SetPen(t, invert ? PenMode::Invert : PenMode::CopyPen, PenStyle::Solid, 1);
    t.setFillStyle(BrushStyle::Solid);
  } else if (mode == 1) {
    SetThinPen(t);
  }
}

void DrawShadow(DialDesign design, ClockView& clock, const DialLayout& l, double time, int32_t mode,
                bool invert, double lengthLimit) {
  DrawTarget& t = clock.picClock();
  SolarsLease lease(design.chart);
  const ChartSolars& solars = lease.Add(time, time, 0);
  const DialGeometry dial = DialGeometryOf(l, design.chart.Location().Latitude());
  const ChartSolar& sun = solars.Solar(1);
  const double m = sun.Magnification();
  if (m < 0) return;  // the sun is not above the horizon

  const auto tip = [&](double length) { return dial.ShadowTip(sun.Azimuth(), length); };
  SetShadowPen(t, mode, invert);
  if (const ClockColorSettings* colors = ClockColorsFor(design.settings, clock.ClockState())) {
    t.setForeColor(colors->shadowFill);
    t.setFillColor(colors->shadowFill);
  }

  const UserPoint foot = dial.Foot();
  const UserPoint centre = dial.centre;
  const double length = m * dial.edgeHeight;
  if (std::fabs(length) <= lengthLimit) {
    const UserPoint triangle[] = {foot, tip(length), centre};
    PixelPolygon(t, triangle);
  } else {
    // A very low sun: the shadow is cut at the limit, its sides parallel to
    // the noon line.
    const UserPoint cut = tip(lengthLimit * SignOf(length));
    const UserPoint quadrilateral[] = {
        foot, {cut.x, cut.y - dial.sign * dial.middleRadius}, cut, centre};
    PixelPolygon(t, quadrilateral);
  }
}

}  // namespace

Status DrawClockStateIcon(DialDesign design, ClockView& clock, const DialLayout& /*layout*/) {
  return RunDrawRoutine(design, [&] {
    DrawTarget& t = clock.picClock();
    const int32_t state = clock.ClockState();
    if (state != 0 && state != 1) return;
    const double w = t.ScaleX(kStateIconPoints, ScaleUnit::Points, t.ScaleMode());
    const double h = t.ScaleY(kStateIconPoints, ScaleUnit::Points, t.ScaleMode());
    t.PaintPicture(state == 0 ? "#801" : "#802", t.ScaleLeft() + t.ScaleWidth() - w, t.ScaleTop(),
                   w, h);
  });
}

Status DrawClockDateTime(DialDesign design, ClockView& clock, const DialLayout& layout,
                         std::chrono::local_seconds dateTime, double hour) {
  return RunDrawRoutine(design, [&] {
    DrawTarget& t = clock.picClock();
    t.setFont(design.settings.clockClockFont);
    const std::string text = CaptionText(CaptionTime(dateTime, hour));
    const ClockColorSettings* colors = ClockColorsFor(design.settings, clock.ClockState());
    SetCaptionPen(t, colors);
    // Halfway between the dial centre and the inner end of the hour lines.
    CentredText(t, layout.centerX, layout.centerY + layout.innerRadius / 2, text, colors);
  });
}

Status DrawClockShadow(DialDesign design, ClockView& clock, const DialLayout& layout, double time,
                       int32_t mode, bool invert, double lengthLimit) {
  return RunDrawRoutine(
      design, [&] { DrawShadow(design, clock, layout, time, mode, invert, lengthLimit); });
}

Status DrawNightState(DialDesign design, ClockView& clock, const DialLayout& layout) {
  return RunDrawRoutine(design, [&] {
    DrawTarget& t = clock.picClock();
    t.setFont(design.settings.clockClockFont);
    const ClockColorSettings* colors = ClockColorsFor(design.settings, clock.ClockState());
    SetCaptionPen(t, colors);
    const int32_t night = design.chart.Season().NightState();
    if (night == kNightStateMidnightSun)
      CentredText(t, layout.centerX, layout.centerY, "Midnight Sun", colors);
    if (night == kNightStatePolarNight)
      CentredText(t, layout.centerX, layout.centerY, "Polar Night", colors);
  });
}
