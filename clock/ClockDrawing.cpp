#include "ClockDrawing.h"

#include <initializer_list>

#include "AnalemmaticSheet.h"
#include "Chart.h"
#include "MainModel.h"
#include "PlaneSheet.h"
#include "PrintJob.h"
#include "RunInOrder.h"

namespace {

// The picture's units per unit of the dial radii.
constexpr double kClockRadiusUnit = 10;

}  // namespace

Status RecomputeClockSeason(MainModel& main, std::chrono::local_seconds shown) {
  main.lastError.Clear();
  return TrapStatus(main.lastError, [&] {
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
  if (!main.season.adjustEquation) return now;
  const CalendarDate& d = main.season.seasonDate;
  const year_month_day day{year(d.year), month(static_cast<unsigned>(d.month)),
                           std::chrono::day(static_cast<unsigned>(d.day))};
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
  layout.centerX = picture.ScaleLeft() + picture.ScaleWidth() / 2;
  layout.centerY = picture.ScaleTop() + picture.ScaleHeight() / 2;
  SetDialRadii(layout, kClockRadiusUnit);
  return layout;
}

Status DrawClock(MainModel& main, ClockCanvas& canvas, std::chrono::local_seconds shown,
                 double hour, double maxMagnify, const ClockRoutines& r) {
  main.lastError.Clear();
  int32_t nightState = kNightStateDayAndNight;
  int32_t state = kClockDay;
  const Status status = TrapStatus(main.lastError, [&] {
    nightState = main.Chart().Season().NightState();
    state = ClockStateAt(main.Chart(), hour);
  });
  if (!status.ok()) return status;
  canvas.setClockState(state);
  canvas.Clear(state == kClockDay ? main.clockDayColor.background
                                  : main.clockNightColor.background);

  const DialLayout layout = ClockLayout(canvas.picClock());
  const bool invert = main.clockOption.invertShadow;
  const bool shadow = nightState == kNightStateMidnightSun ||
                      (nightState == kNightStateDayAndNight && state == kClockDay);
  const bool face = nightState != kNightStatePolarNight;
  const bool caption = nightState == kNightStateMidnightSun || nightState == kNightStatePolarNight;
  auto when = [](bool condition, std::function<Status()> step) {
    return condition ? step : std::function<Status()>{};
  };

  auto icon = when(main.clockOption.picture, [&] { return r.stateIcon(main, canvas, layout); });
  auto rings = [&] { return r.dialRings(main, canvas, layout, 1.0); };
  auto dialFace = when(face, [&] { return r.dialFace(main, canvas, layout, 1.0); });
  // The nodus's curves and shadow follow the design's paper, as printed.
  const double paper = PaperFactor(main.Printer().Current().paperSize);
  auto lines = when(face, [&] { return r.dialLines(main, canvas, layout, paper); });
  auto nodus = when(shadow, [&] { return r.nodusShadow(main, canvas, layout, hour, paper); });
  auto dateTime = [&] { return r.dateTime(main, canvas, layout, shown, hour); };
  auto nightText = when(caption, [&] { return r.nightState(main, canvas, layout); });
  if (DrawsAnalemmatic(main)) {
    auto ground = when(face, [&] { return r.analemmaticDial(main, canvas, hour, shadow); });
    return RunInOrder({icon, ground, dateTime, nightText});
  }
  if (DrawsOnPlaneSheet(main, main.Chart())) {
    auto plane = when(face, [&] { return r.planeDial(main, canvas, hour, shadow); });
    return RunInOrder({icon, plane, dateTime, nightText});
  }

  if (invert) {
    // Filled and inverted over the face, then outlined; the captions go on
    // top, where the shadow cannot cross them.
    auto shadows = when(shadow, [&] {
      const Status status = r.shadow(main, canvas, layout, hour, 2, invert, maxMagnify);
      if (!status.ok()) return status;
      return r.shadow(main, canvas, layout, hour, 1, invert, maxMagnify);
    });
    return RunInOrder({icon, rings, dialFace, lines, shadows, nodus, dateTime, nightText});
  }
  auto plainShadow =
      when(shadow, [&] { return r.shadow(main, canvas, layout, hour, 0, invert, maxMagnify); });
  return RunInOrder({icon, rings, plainShadow, dialFace, lines, dateTime, nodus, nightText});
}
