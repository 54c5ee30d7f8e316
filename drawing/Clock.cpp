// What only the desktop sundial draws: the day or night picture, the date
// and time caption, the gnomon's shadow and the midnight-sun or polar-night
// words. Each routine draws on the window's clock picture in the clock
// colours of the window's ClockState.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>

#include "DialRoutines.h"
#include "DrawPass.h"

namespace {

constexpr double kStateIconPixels = 48;

void SetCaptionPen(DrawTarget& t, const ClockColorSettings* colors) {
  SetThinPen(t);
  if (colors) t.setForeColor(colors->ClockFont);
}

void CentredText(DrawTarget& t, double x, double y, const std::string& text) {
  RotatedText(t, x - t.TextWidth(text) / 2, y - t.TextHeight(text) / 2, text, 0);
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
    t.setForeColor(colors->ShadowFill);
    t.setFillColor(colors->ShadowFill);
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
    const double w = t.ScaleX(kStateIconPixels, ScaleUnit::Pixels, t.ScaleMode());
    const double h = t.ScaleY(kStateIconPixels, ScaleUnit::Pixels, t.ScaleMode());
    t.PaintPicture(state == 0 ? "#801" : "#802", t.ScaleLeft() + t.ScaleWidth() - w, t.ScaleTop(),
                   w, h);
  });
}

Status DrawClockDateTime(DialDesign design, ClockView& clock, const DialLayout& layout,
                         std::chrono::local_seconds dateTime, double hour) {
  return RunDrawRoutine(design, [&] {
    DrawTarget& t = clock.picClock();
    t.setFont(design.settings.ClockClockFont);
    const std::string text = CaptionText(CaptionTime(dateTime, hour));
    SetCaptionPen(t, ClockColorsFor(design.settings, clock.ClockState()));
    // Halfway between the dial centre and the inner end of the hour lines.
    CentredText(t, layout.CenterX, layout.CenterY + layout.InnerRadius / 2, text);
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
    t.setFont(design.settings.ClockClockFont);
    SetCaptionPen(t, ClockColorsFor(design.settings, clock.ClockState()));
    const int32_t night = design.chart.Season().NightState();
    if (night == kNightStateMidnightSun)
      CentredText(t, layout.CenterX, layout.CenterY, "Midnight Sun");
    if (night == kNightStatePolarNight)
      CentredText(t, layout.CenterX, layout.CenterY, "Polar Night");
  });
}
