#include "ClockDrawing.h"

#include <initializer_list>

#include "MainModel.h"
#include "RunInOrder.h"
#include "Chart.h"
#include "PrintJob.h"

namespace {

// The picture's units per unit of the dial radii.
constexpr double kClockRadiusUnit = 10;

}  // namespace

Status RecomputeClockSeason(MainModel& main, std::chrono::local_seconds shown) {
  main.LastError.Clear();
  return TrapStatus(main.LastError, [&] {
    const std::chrono::year_month_day date{std::chrono::floor<std::chrono::days>(shown)};
    const CalcDateArray monthDay{static_cast<int16_t>(static_cast<unsigned>(date.month())),
                                 static_cast<int16_t>(static_cast<unsigned>(date.day()))};
    Chart& chart = main.Chart();
    int16_t dayNumber = 0;
    if (!chart.ConvTotalDays(monthDay, dayNumber).ok()) RaiseChartError(chart);
    chart.Season().setCalcDate(dayNumber);
  });
}

double HourOfDay(std::chrono::local_seconds dateTime) {
  const auto sinceMidnight = dateTime - std::chrono::floor<std::chrono::days>(dateTime);
  return std::chrono::duration<double, std::ratio<3600>>(sinceMidnight).count();
}

std::chrono::local_seconds ClockOpeningTime(const MainModel& main, std::chrono::local_seconds now) {
  using namespace std::chrono;
  if (!main.Season.AdjustEquation) return now;
  const CalendarDate& d = main.Season.SeasonDate;
  const year_month_day day{year(d.Year), month(static_cast<unsigned>(d.Month)),
                           std::chrono::day(static_cast<unsigned>(d.Day))};
  return local_days(day) + (now - floor<days>(now));
}

int32_t ClockStateAt(const Chart& chart, double hour) {
  const ChartSeason& season = chart.Season();
  switch (season.NightState()) {
    case kNightStateMidnightSun:
      return kClockDay;
    case kNightStatePolarNight:
      return kClockNight;
    default:
      break;
  }
  // Compared in single precision, as the window always has.
  const float h = static_cast<float>(hour);
  const bool night =
      static_cast<float>(season.SunRiseTime()) >= h || static_cast<float>(season.SunSetTime()) <= h;
  return night ? kClockNight : kClockDay;
}

DialLayout ClockLayout(const DrawTarget& picture) {
  DialLayout layout;
  layout.CenterX = picture.ScaleLeft() + picture.ScaleWidth() / 2;
  layout.CenterY = picture.ScaleTop() + picture.ScaleHeight() / 2;
  SetDialRadii(layout, kClockRadiusUnit);
  return layout;
}

Status DrawClock(MainModel& main, ClockCanvas& canvas, std::chrono::local_seconds shown,
                 double hour, double maxMagnify, const ClockRoutines& r) {
  main.LastError.Clear();
  int32_t nightState = kNightStateDayAndNight;
  int32_t state = kClockDay;
  const Status status = TrapStatus(main.LastError, [&] {
    nightState = main.Chart().Season().NightState();
    state = ClockStateAt(main.Chart(), hour);
  });
  if (!status.ok()) return status;
  canvas.setClockState(state);
  canvas.Clear(state == kClockDay ? main.ClockDayColor.Background
                                  : main.ClockNightColor.Background);

  const DialLayout layout = ClockLayout(canvas.picClock());
  const bool invert = main.ClockOption.InvertShadow;
  const bool shadow = nightState == kNightStateMidnightSun ||
                      (nightState == kNightStateDayAndNight && state == kClockDay);
  const bool face = nightState != kNightStatePolarNight;
  const bool caption = nightState == kNightStateMidnightSun || nightState == kNightStatePolarNight;
  auto when = [](bool condition, std::function<Status()> step) {
    return condition ? step : std::function<Status()>{};
  };

  auto icon = when(main.ClockOption.Picture, [&] { return r.StateIcon(main, canvas, layout); });
  auto rings = [&] { return r.DialRings(main, canvas, layout, 1.0); };
  auto dialFace = when(face, [&] { return r.DialFace(main, canvas, layout, 1.0); });
  // The nodus's curves and shadow follow the design's paper, as printed.
  const double paper = PaperFactor(main.Printer().Current().PaperSize);
  auto lines = when(face, [&] { return r.DialLines(main, canvas, layout, paper); });
  auto nodus = when(shadow, [&] { return r.NodusShadow(main, canvas, layout, hour, paper); });
  auto dateTime = [&] { return r.DateTime(main, canvas, layout, shown, hour); };
  auto nightText = when(caption, [&] { return r.NightState(main, canvas, layout); });

  if (invert) {
    // Filled and inverted over the face, then outlined; the captions go on
    // top, where the shadow cannot cross them.
    auto shadows = when(shadow, [&] {
      const Status status = r.Shadow(main, canvas, layout, hour, 2, invert, maxMagnify);
      if (!status.ok()) return status;
      return r.Shadow(main, canvas, layout, hour, 1, invert, maxMagnify);
    });
    return RunInOrder({icon, rings, dialFace, lines, shadows, nodus, dateTime, nightText});
  }
  auto plainShadow =
      when(shadow, [&] { return r.Shadow(main, canvas, layout, hour, 0, invert, maxMagnify); });
  return RunInOrder({icon, rings, plainShadow, dialFace, lines, dateTime, nodus, nightText});
}
