// Day numbers, ephemeris, sunrise and sunset, time systems, sun position
// helpers and magnetic declination.
#include "SolarFormulas.h"

#include <cmath>

#include "ChartState.h"
#include "MathFunctions.h"

namespace {

constexpr const char* kCalcDateSource = "mdlChartSolarlib.gConvCalcDate";
constexpr const char* kTotalDaysSource = "mdlChartSolarlib.gConvTotalDays";

// Days before each month in a common year.
constexpr std::array<int16_t, 12> kDaysBeforeMonth = {0,   31,  59,  90,  120, 151,
                                                      181, 212, 243, 273, 304, 334};
constexpr std::array<int16_t, 12> kMonthLength = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int16_t LeapDay(int16_t leapFlag) {
  return leapFlag == kFlagTrue ? 1 : 0;
}

// 366 or 365 by the flag; a flag that is neither admits no day at all.
int16_t MaxTotalDays(int16_t leapFlag) {
  if (leapFlag == kFlagTrue) return 366;
  if (leapFlag == kFlagFalse) return 365;
  return 0;
}

// Angular speed of the day number over the year, radians per day.
double YearRate(int16_t leapFlag) {
  if (leapFlag == kFlagFalse) return kTwoPi / 365;
  if (leapFlag == kFlagTrue) return kTwoPi / 366;
  return 0;
}

struct SeasonSpec {
  int16_t totalDays;
  double declination;
};

constexpr std::array<SeasonSpec, 8> kSeasons = {{{36, -16.3333333333333},
                                                 {79, 0},
                                                 {125, 16.3333333333333},
                                                 {172, 23.45},
                                                 {219, 16.3333333333333},
                                                 {266, 0},
                                                 {311, -16.3333333333333},
                                                 {356, -23.45}}};

}  // namespace

// ---- Day numbers -----------------------------------------------------------

Status ConvCalcDate(ErrorRecord& error, int16_t totalDays, CalcDateArray& calcDate,
                    int16_t leapFlag) {
  error.Clear();
  return TrapStatus(error, [&] {
    const int16_t leap = LeapDay(leapFlag);
    if (totalDays > MaxTotalDays(leapFlag)) {
      RaiseError(error, kEngineErrorNumber, kCalcDateSource,
                 ENGINE_TEXT_NOOP("EngineErrors", "Invalid day of the year."));
    }
    // From December backwards: the first month whose offset the day exceeds.
    for (int month = 12; month >= 2; --month) {
      const int threshold = kDaysBeforeMonth[month - 1] + (month >= 3 ? leap : 0);
      if (totalDays > threshold) {
        calcDate = {static_cast<int16_t>(month), static_cast<int16_t>(totalDays - threshold)};
        return;
      }
    }
    if (totalDays < 1) {
      RaiseError(error, kEngineErrorNumber, kCalcDateSource,
                 ENGINE_TEXT_NOOP("EngineErrors", "Invalid day of the year."));
    }
    calcDate = {1, totalDays};
  });
}

Status ConvTotalDays(ErrorRecord& error, const CalcDateArray& calcDate, int16_t& totalDays,
                     int16_t leapFlag) {
  error.Clear();
  return TrapStatus(error, [&] {
    const int month = calcDate[0];
    const int day = calcDate[1];
    if (month < 1 || month > 12) {
      RaiseError(error, kEngineErrorNumber, kTotalDaysSource,
                 ENGINE_TEXT_NOOP("EngineErrors", "Invalid date."));
    }
    int length = kMonthLength[month - 1];
    if (month == 2) length = leapFlag == kFlagTrue ? 29 : (leapFlag == kFlagFalse ? 28 : 0);
    if (day < 1 || day > length) {
      RaiseError(error, kEngineErrorNumber, kTotalDaysSource,
                 ENGINE_TEXT_NOOP("EngineErrors", "Invalid date."));
    }
    totalDays = static_cast<int16_t>(day + kDaysBeforeMonth[month - 1] +
                                     (month >= 3 ? LeapDay(leapFlag) : 0));
  });
}

bool IsLeapYear(ErrorRecord& error, int16_t year) {
  error.Clear();
  if (year < 1 || year > 9999) {
    RaiseError(error, kEngineErrorNumber, "Chart.IsLeapYear",
               ENGINE_TEXT_NOOP("EngineErrors", "Invalid year."));
  }
  return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
}

// ---- Ephemeris -------------------------------------------------------------

Status GetSeasonSpec(ErrorRecord& error, int32_t season, int16_t& totalDays, double& declination) {
  error.Clear();
  return TrapStatus(error, [&] {
    if (season < 1 || season > 8) {
      RaiseError(error, kEngineErrorNumber, "mdlChartSolarlib.gGetSeasonSpec",
                 ENGINE_TEXT_NOOP("EngineErrors", "Invalid season number."));
    }
    totalDays = kSeasons[season - 1].totalDays;
    declination = kSeasons[season - 1].declination;
  });
}

void GetSolarDeclination(int16_t totalDays, int16_t leapFlag, double& declination) {
  const double wj = YearRate(leapFlag) * (totalDays + 0.5);
  const double d = 0.33281 - 22.984 * std::cos(wj) - 0.3499 * std::cos(2 * wj) -
                   0.1398 * std::cos(3 * wj) + 3.7872 * std::sin(wj) + 0.0325 * std::sin(2 * wj) +
                   0.07187 * std::sin(3 * wj);
  if (Single(d) < Single(-23.45)) {
    declination = -23.45;
  } else if (Single(d) > Single(23.45)) {
    declination = 23.45;
  } else {
    declination = d;
  }
}

void GetEquationOfTime(int16_t totalDays, int16_t leapFlag, int16_t compatibleFlag,
                       double& equation) {
  double e = 0;
  if (compatibleFlag == kFlagTrue) {
    const double v = totalDays * kTwoPi / 366;
    e = 0.1227715 * std::cos(v + 1.498311) - 0.0002786049 - 0.1654575 * std::cos(2 * v - 1.261546) -
        0.0053538 * std::cos(3 * v - 1.1571);
  } else if (compatibleFlag == kFlagFalse) {
    const double wj = YearRate(leapFlag) * (totalDays + 0.5);
    e = 0.0072 * std::cos(wj) - 0.0528 * std::cos(2 * wj) - 0.0012 * std::cos(3 * wj) -
        0.1229 * std::sin(wj) - 0.1565 * std::sin(2 * wj) - 0.0041 * std::sin(3 * wj);
  }
  if (Single(e) < Single(-0.25)) {
    equation = -0.25;
  } else if (Single(e) > Single(0.2833333)) {
    equation = 0.28333333333333;
  } else {
    equation = e;
  }
}

// ---- Sunrise, sunset and time systems --------------------------------------

int32_t GetNightState(double declination, double latitude) {
  const double d = declination;
  const double p = latitude;
  if (d > 0) {
    if (p >= 90 - d) return kNightStateMidnightSun;
    if (p <= d - 90) return kNightStatePolarNight;
    return kNightStateDayAndNight;
  }
  if (d < 0) {
    if (p <= -90 - d) return kNightStateMidnightSun;
    if (p >= 90 + d) return kNightStatePolarNight;
    return kNightStateDayAndNight;
  }
  return (p == -90 || p == 90) ? kNightStateMidnightSun : kNightStateDayAndNight;
}

Status GetSunRiseSet(ErrorRecord& error, double latitude, double declination, double& sunRise,
                     double& sunSet) {
  error.Clear();
  return TrapStatus(error, [&] {
    switch (GetNightState(declination, latitude)) {
      case kNightStateMidnightSun:
        sunRise = 0;
        sunSet = 24;
        return;
      case kNightStatePolarNight:
        RaiseError(
            error, kEngineErrorNumber, "mdlChartSolarlib.gGetSunRiseSet",
            ENGINE_TEXT_NOOP("EngineErrors", "Polar night: the sun neither rises nor sets."));
      default:
        break;
    }
    // The sun rises: a product rounding a hair beyond +-1 right at the
    // night-state boundary is a rise at midnight or noon, not a fault.
    double x = -std::tan(DegToRad(latitude)) * std::tan(DegToRad(declination));
    if (x > 1) x = 1;
    if (x < -1) x = -1;
    const auto [minusH, plusH] = ArcCosPair(x);
    sunRise = (RadToDeg(minusH) + 180) / 15;
    sunSet = (RadToDeg(plusH) + 180) / 15;
  });
}

Status GetAlmanacSunRiseSet(ErrorRecord& error, double latitude, double declination,
                            double& sunRise, double& sunSet) {
  error.Clear();
  return TrapStatus(error, [&] {
    const double p = DegToRad(latitude), d = DegToRad(declination);
    const double x = (std::sin(DegToRad(kAlmanacHorizon)) - std::sin(p) * std::sin(d)) /
                     (std::cos(p) * std::cos(d));
    if (x > 1) {
      RaiseError(error, kEngineErrorNumber, "Chart.AlmanacSunRiseSet",
                 ENGINE_TEXT_NOOP("EngineErrors", "Polar night: the sun neither rises nor sets."));
    }
    if (x < -1) {
      sunRise = 0;
      sunSet = 24;
      return;
    }
    const double h = RadToDeg(std::acos(x)) / 15;
    sunRise = 12 - h;
    sunSet = 12 + h;
  });
}

double ConvTimeToHourAngle(double solarTime) {
  return 15 * solarTime - 180;
}
double ConvHourAngleToTime(double hourAngle) {
  return (hourAngle + 180) / 15;
}

double UnwrapLongitude(double standardMeridian, double longitude) {
  if (standardMeridian <= -90 || standardMeridian >= 90) {
    if (standardMeridian >= 0 && longitude < 0) return longitude + 360;
    if (standardMeridian < 0 && longitude >= 0) return longitude - 360;
  }
  return longitude;
}

double ConvStandardToSolar(double standardTime, double standardMeridian, double longitude,
                           double equationOfTime) {
  return standardTime + (UnwrapLongitude(standardMeridian, longitude) - standardMeridian) / 15 +
         equationOfTime;
}

double ConvSolarToStandard(double solarTime, double standardMeridian, double longitude,
                           double equationOfTime) {
  return solarTime - (UnwrapLongitude(standardMeridian, longitude) - standardMeridian) / 15 -
         equationOfTime;
}

bool ToSolarTime(const ChartState& state, double time, double& solarTime) {
  switch (state.timeSystem) {
    case kTrueSolarTime:
      solarTime = time;
      return true;
    case kMeanStandardTime:
      solarTime = ConvStandardToSolar(time, state.location.StandardMeridian(),
                                      state.location.Longitude(), state.season.EquationOfTime());
      return true;
    default:
      return false;
  }
}

double FromSolarTime(const ChartState& state, double solarTime) {
  switch (state.timeSystem) {
    case kTrueSolarTime:
      return solarTime;
    case kMeanStandardTime:
      return ConvSolarToStandard(solarTime, state.location.StandardMeridian(),
                                 state.location.Longitude(), state.season.EquationOfTime());
    default:
      return 0;
  }
}

// ---- Sun position helpers --------------------------------------------------

double GetMagnification(double altitude) {
  if (Single(altitude) <= 0.0f) return -1;
  if (Single(altitude) == 90.0f) return 0;
  const double a = Single(altitude) > 90.0f ? 180 - altitude : altitude;
  return Cot(DegToRad(a));
}

SolarDayAngles::SolarDayAngles(double latitudeDeg, double declinationDeg)
    : latitude(latitudeDeg), declination(declinationDeg) {
  const double p = DegToRad(latitude);
  const double d = DegToRad(declination);
  sinP = std::sin(p);
  cosP = std::cos(p);
  sinD = std::sin(d);
  cosD = std::cos(d);
}

double GetSinAltitude(const SolarDayAngles& day, double hourAngle) {
  return day.sinP * day.sinD + day.cosP * day.cosD * std::cos(DegToRad(hourAngle));
}

std::pair<double, double> GetSolarAzimuth(const SolarDayAngles& day, double altitude) {
  if (Single(altitude) == 90.0f) return {0, 0};
  const double a = DegToRad(altitude);
  const auto [minusA, plusA] =
      ArcCosPair((std::sin(a) * day.sinP - day.sinD) / (day.cosP * std::cos(a)));
  return {RadToDeg(minusA), RadToDeg(plusA)};
}

std::pair<double, double> GetSolarAzimuth(double latitude, double declination, double altitude) {
  return GetSolarAzimuth(SolarDayAngles(latitude, declination), altitude);
}

// ---- Magnetic declination --------------------------------------------------

bool IsJapanArea(double latitude, double longitude) {
  return latitude > 20.5 && latitude < 45.5 && longitude > 123 && longitude < 154;
}

double GetNorthDiff(double latitude, double longitude) {
  if (!IsJapanArea(latitude, longitude)) return kNoNorthDiff;
  const double p = latitude - 37;
  const double l = longitude - 138;
  return 7 + 22.82 / 60 + (21.01 / 60) * p - (7.36 / 60) * l - (0.197 / 60) * p * p +
         (0.587 / 60) * p * l - (0.961 / 60) * l * l;
}

double GetNorthDiff2(double latitude, double longitude) {
  if (!IsJapanArea(latitude, longitude)) return kNoNorthDiff;
  const double p = latitude - 37;
  const double l = longitude - 138;
  return 7 + 37.142 / 60 + (21.622 / 60) * p - (7.672 / 60) * l + (0.442 / 60) * p * p -
         (0.32 / 60) * p * l - (0.675 / 60) * l * l;
}
