#include "AnalemmaticDial.h"

#include <algorithm>
#include <cmath>

#include "Chart.h"
#include "EngineErrors.h"
#include "MathFunctions.h"
#include "PlaneDial.h"
#include "SolarFormulas.h"

namespace {

constexpr double kSolstice = 23.45;  // the engine's solstice declination
// The engine's seasons that are equinoxes and solstices (GetSeasonSpec).
constexpr int32_t kSeasonDays[] = {2, 4, 6, 8};

// Whether the sun stands above the horizon at this hour angle on some day:
// on the summer solstice it does wherever cos H > -tan|phi| tan 23.45.
bool SunCanBeUp(double latitude, double hourAngle) {
  const double limit = -std::tan(DegToRad(std::fabs(latitude))) * std::tan(DegToRad(kSolstice));
  return std::cos(DegToRad(hourAngle)) > limit;
}

AnalemmaticDate DateOn(int16_t leap, int16_t day, double declination, bool season, double major,
                       double latitude) {
  ErrorRecord error;
  CalcDateArray monthDay{};
  static_cast<void>(ConvCalcDate(error, day, monthDay, leap));  // a day of the year
  AnalemmaticDate date;
  date.day = day;
  date.month = monthDay[0];
  date.dayOfMonth = monthDay[1];
  date.declination = declination;
  date.y = AnalemmaticGnomonPlace(major, latitude, declination);
  date.season = season;
  return date;
}

}  // namespace

PlanePoint AnalemmaticHourPoint(double major, double latitude, double hourAngle) {
  const double h = DegToRad(hourAngle);
  return {major * std::sin(h), major * std::sin(DegToRad(latitude)) * std::cos(h)};
}

double AnalemmaticGnomonPlace(double major, double latitude, double declination) {
  return major * std::tan(DegToRad(declination)) * std::cos(DegToRad(latitude));
}

AnalemmaticDial LayAnalemmaticDial(const Chart& chart, int16_t intervalMinutes, double major) {
  AnalemmaticDial dial;
  dial.latitude = chart.Location().Latitude();
  dial.major = major;
  dial.minor = major * std::fabs(std::sin(DegToRad(dial.latitude)));
  const int step = intervalMinutes > 0 ? intervalMinutes : 60;
  for (int minutes = 0; minutes < 24 * 60; minutes += step) {
    const double clockTime = minutes / 60.0;
    const double h = HourAngleOfClockTime(chart, clockTime);
    if (!SunCanBeUp(dial.latitude, h)) continue;
    dial.hours.push_back({clockTime, h, AnalemmaticHourPoint(major, dial.latitude, h)});
  }

  // The first of each month at the series' declination; the equinoxes and
  // solstices on the engine's own days and declinations, as the seasons of
  // the rest of the program.
  const int16_t leap = ToFlag(chart.LeapYear());
  ErrorRecord error;
  for (int month = 1; month <= 12; ++month) {
    int16_t day = 0;
    const CalcDateArray first{static_cast<int16_t>(month), 1};
    static_cast<void>(ConvTotalDays(error, first, day, leap));
    double declination = 0;
    GetSolarDeclination(day, leap, declination);
    dial.dates.push_back(DateOn(leap, day, declination, false, major, dial.latitude));
  }
  for (int32_t season : kSeasonDays) {
    int16_t day = 0;
    double declination = 0;
    static_cast<void>(GetSeasonSpec(error, season, day, declination));
    dial.dates.push_back(DateOn(leap, day, declination, true, major, dial.latitude));
  }
  std::stable_sort(
      dial.dates.begin(), dial.dates.end(),
      [](const AnalemmaticDate& a, const AnalemmaticDate& b) { return a.day < b.day; });
  return dial;
}
