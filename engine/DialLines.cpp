#include "DialLines.h"

#include <algorithm>
#include <cmath>

#include "Chart.h"
#include "MathFunctions.h"
#include "SolarFormulas.h"

namespace {

constexpr double kHourAngleStep = 2.5;  // degrees: ten minutes of time
constexpr int kDayStep = 2;             // days between the points of an hour curve
constexpr int kBisections = 40;
// The auto nodus puts its lowest arc's noon point this far out on the face.
constexpr double kAutoReach = 0.85;
// Lower noon suns throw shadows too long to be worth a line.
constexpr double kLowestNoonAltitude = 10;
constexpr double kObliquity = 23.45;  // the engine's solstice declination

struct SeasonDay {
  int longitude;  // the sun's, of the season's solar term
  int16_t day;
  double declination;
};

// The engine's eight season days (立春 ... 冬至) with their solar longitudes.
std::vector<SeasonDay> SeasonDays() {
  static const int kLongitudes[8] = {315, 0, 45, 90, 135, 180, 225, 270};
  std::vector<SeasonDay> seasons;
  ErrorRecord error;
  for (int season = 1; season <= 8; ++season) {
    int16_t day = 0;
    double declination = 0;
    if (!GetSeasonSpec(error, season, day, declination).ok()) RaiseRecorded(error);
    seasons.push_back({kLongitudes[season - 1], day, declination});
  }
  return seasons;
}

int16_t DaysInYear(const Chart& chart) {
  return chart.LeapYear() ? 366 : 365;
}

double NormalizedHourAngle(double angle) {
  angle = std::fmod(angle, 360);
  if (angle > 180) angle -= 360;
  if (angle <= -180) angle += 360;
  return angle;
}

// Arcs whose declinations agree to single precision are one line.
std::vector<DateArc> Merged(std::vector<std::pair<int16_t, double>> days) {
  std::sort(days.begin(), days.end());
  std::vector<DateArc> arcs;
  for (const auto& [day, declination] : days) {
    const float single = Single(declination);  // a binding no lambda may capture
    auto same = std::find_if(arcs.begin(), arcs.end(), [single](const DateArc& a) {
      return Single(a.declination) == single;
    });
    if (same != arcs.end()) {
      same->days.push_back(day);
    } else {
      arcs.push_back({{day}, declination});
    }
  }
  return arcs;
}

double DeclinationOfDay(const Chart& chart, int16_t day) {
  double declination = 0;
  GetSolarDeclination(day, ToFlag(chart.LeapYear()), declination);
  return declination;
}

// Shadow of the nodus for one hour angle, when it falls on the face.
std::optional<PlanePoint> FacePoint(const NodusSetting& s, const Vector3& nodus, double declination,
                                    double hourAngle) {
  const auto at = ShadowOnPlane(s.plane, nodus, SunDirection(s.latitude, declination, hourAngle));
  if (!at || !s.OnFace(*at)) return std::nullopt;
  return at;
}

// The last hour angle on the face between a point on it and one off it.
LinePoint Boundary(const NodusSetting& s, const Vector3& nodus, const DateArc& arc, double inside,
                   double outside) {
  PlanePoint last = *FacePoint(s, nodus, arc.declination, inside);
  for (int i = 0; i < kBisections; ++i) {
    const double middle = (inside + outside) / 2;
    if (const auto at = FacePoint(s, nodus, arc.declination, middle)) {
      inside = middle;
      last = *at;
    } else {
      outside = middle;
    }
  }
  return {arc.days.front(), arc.declination, inside, last};
}

}  // namespace

double SolarTermDeclination(int longitude) {
  for (const SeasonDay& season : SeasonDays()) {
    if (season.longitude == ((longitude % 360) + 360) % 360) return season.declination;
  }
  // Folded into -90..90 so that both terms of a pair compute the same value.
  int folded = ((longitude % 360) + 360) % 360;
  if (folded > 90 && folded <= 270) folded = 180 - folded;
  if (folded > 270) folded -= 360;
  return RadToDeg(std::asin(std::sin(DegToRad(kObliquity)) * std::sin(DegToRad(folded))));
}

int16_t SolarTermDay(int longitude) {
  longitude = ((longitude % 360) + 360) % 360;
  const std::vector<SeasonDay> seasons = SeasonDays();
  // The season at or before the longitude, counted in the year's order of
  // longitudes from 春分 (0).
  for (size_t i = 0; i < seasons.size(); ++i) {
    const SeasonDay& from = seasons[i];
    const SeasonDay& to = seasons[(i + 1) % seasons.size()];
    const int span = ((to.longitude - from.longitude) + 360) % 360;
    const int offset = ((longitude - from.longitude) + 360) % 360;
    if (offset >= span) continue;
    int gap = to.day - from.day;
    if (gap <= 0) gap += 365;
    int day = from.day + static_cast<int>(std::lround(gap * offset / static_cast<double>(span)));
    if (day > 365) day -= 365;
    return static_cast<int16_t>(day);
  }
  return 0;
}

std::vector<DateArc> DateArcsOf(const Chart& chart, DateLineSet set,
                                std::optional<int16_t> designDay) {
  std::vector<std::pair<int16_t, double>> days;
  switch (set) {
    case DateLineSet::Seasons:
      for (const SeasonDay& season : SeasonDays())
        days.emplace_back(season.day, season.declination);
      break;
    case DateLineSet::Terms:
      for (int longitude = 0; longitude < 360; longitude += 15) {
        days.emplace_back(SolarTermDay(longitude), SolarTermDeclination(longitude));
      }
      break;
    case DateLineSet::Months: {
      ErrorRecord error;
      for (int16_t month = 1; month <= 12; ++month) {
        int16_t day = 0;
        if (!ConvTotalDays(error, {month, 1}, day, ToFlag(chart.LeapYear())).ok()) {
          RaiseRecorded(error);
        }
        days.emplace_back(day, DeclinationOfDay(chart, day));
      }
      break;
    }
    case DateLineSet::DesignDay:
      if (designDay) days.emplace_back(*designDay, DeclinationOfDay(chart, *designDay));
      break;
    case DateLineSet::None:
      break;
  }
  return Merged(std::move(days));
}

double AutomaticNodusHeight(const DialPlane& plane, double latitude, double faceRadius,
                            double highest) {
  const auto nodus = NodusOnStyle(plane, latitude, 1);
  if (!nodus || faceRadius <= 0) return 0;
  // The winter solstice's noon, or the first noon sun high enough toward summer.
  const double summer = latitude < 0 ? -1 : 1;
  for (double d = -kObliquity; d <= kObliquity; d += 0.25) {
    const double declination = summer * d;
    const Vector3 sun = SunDirection(latitude, declination, 0);
    if (RadToDeg(std::asin(std::clamp(sun.z, -1.0, 1.0))) < kLowestNoonAltitude) continue;
    const auto at = ShadowOnPlane(plane, *nodus, sun);
    if (!at) continue;
    const double reach = std::hypot(at->x, at->y);
    if (reach <= 0) return highest;
    return std::min(kAutoReach * faceRadius / reach, highest);
  }
  return 0;
}

DateLine TraceDateLine(const NodusSetting& s, const Vector3& nodus, const DateArc& arc) {
  DateLine line{arc, {}};
  const int steps = static_cast<int>(std::lround(360 / kHourAngleStep));
  LineRun run;
  double previous = -180;
  bool previousOn = false;
  for (int i = 0; i <= steps; ++i) {
    const double h = -180 + i * kHourAngleStep;
    const auto at = FacePoint(s, nodus, arc.declination, h);
    if (at && !previousOn && i > 0) run.push_back(Boundary(s, nodus, arc, h, previous));
    if (at) run.push_back({arc.days.front(), arc.declination, h, *at});
    if (!at && previousOn) {
      run.push_back(Boundary(s, nodus, arc, previous, h));
      line.runs.push_back(std::move(run));
      run.clear();
    }
    previous = h;
    previousOn = at.has_value();
  }
  if (!run.empty()) {
    // A line through midnight (midnight sun) continues into its first run.
    if (!line.runs.empty() && line.runs.front().front().hourAngle == -180) {
      run.insert(run.end(), line.runs.front().begin() + 1, line.runs.front().end());
      line.runs.front() = std::move(run);
    } else {
      line.runs.push_back(std::move(run));
    }
  }
  return line;
}

HourCurve TraceHourCurve(const Chart& chart, const NodusSetting& s, const Vector3& nodus,
                         double clockTime) {
  HourCurve curve{clockTime, {}, false};
  const ChartLocation& place = chart.Location();
  const int16_t leap = ToFlag(chart.LeapYear());
  const int16_t days = DaysInYear(chart);
  LineRun run;
  for (int16_t day = 1; day <= days; day = static_cast<int16_t>(day + kDayStep)) {
    double declination = 0;
    double equation = 0;
    GetSolarDeclination(day, leap, declination);
    GetEquationOfTime(day, leap, ToFlag(chart.Compatible()), equation);
    const double solar =
        ConvStandardToSolar(clockTime, place.StandardMeridian(), place.Longitude(), equation);
    const double h = NormalizedHourAngle(ConvTimeToHourAngle(solar));
    if (const auto at = FacePoint(s, nodus, declination, h)) {
      run.push_back({day, declination, h, *at});
    } else if (!run.empty()) {
      curve.runs.push_back(std::move(run));
      run.clear();
    }
  }
  if (!run.empty()) curve.runs.push_back(std::move(run));
  curve.wrapsYear = !curve.runs.empty() && curve.runs.front().front().day == 1 &&
                    curve.runs.back().back().day > days - kDayStep;
  return curve;
}

std::vector<double> WholeHoursOf(Chart& chart, double startTime, double endTime, int16_t interval) {
  chart.RemoveSolars();
  if (!chart.AddSolars(startTime, endTime, interval).ok()) RaiseChartError(chart);
  std::vector<double> hours;
  for (const ChartSolar& solar : *chart.Solars()) {
    const double rounded = std::nearbyint(solar.CalcTime() * 1000) / 1000;
    if (rounded != std::floor(rounded)) continue;
    const double hour = std::fmod(std::fmod(rounded, 24) + 24, 24);
    if (std::find(hours.begin(), hours.end(), hour) == hours.end()) hours.push_back(hour);
  }
  chart.RemoveSolars();
  return hours;
}
