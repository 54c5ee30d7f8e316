// The engine's calculation library: day numbers, solar ephemeris, sunrise
// and sunset, time systems, sun positions, angle text and magnetic
// declination. Routines that return a status give kTrue or the error
// number with the record filled; the others raise.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "EngineErrors.h"

struct ChartState;

// Boolean flags travel as 16-bit values: -1 True, 0 False, anything else neither.
inline constexpr int16_t kFlagTrue = -1;
inline constexpr int16_t kFlagFalse = 0;
inline int16_t ToFlag(bool value) {
  return value ? kFlagTrue : kFlagFalse;
}

// Day numbers.
int32_t ConvCalcDate(EngineErrorRecord& error, int16_t totalDays, CalcDateArray& calcDate,
                      int16_t leapFlag);
int32_t ConvTotalDays(EngineErrorRecord& error, const CalcDateArray& calcDate,
                       int16_t& totalDays, int16_t leapFlag);
bool IsLeapYear(EngineErrorRecord& error, int16_t year);  // raises outside 1..9999

// Ephemeris.
int32_t GetSeasonSpec(EngineErrorRecord& error, int32_t season, int16_t& totalDays,
                       double& declination);
int32_t GetSolarDeclination(int16_t totalDays, int16_t leapFlag, double& declination);
int32_t GetEquationOfTime(int16_t totalDays, int16_t leapFlag, int16_t compatibleFlag,
                           double& equation);

// Sunrise, sunset and time systems.
int32_t GetNightState(double declination, double latitude);
int32_t GetSunRiseSet(EngineErrorRecord& error, double latitude, double declination,
                       double& sunRise, double& sunSet);
double ConvTimeToHourAngle(double solarTime);
double ConvHourAngleToTime(double hourAngle);
// The longitude seen from the standard meridian's side of the 180th meridian.
double UnwrapLongitude(double standardMeridian, double longitude);
double ConvStandardToSolar(double standardTime, double standardMeridian, double longitude,
                            double equationOfTime);
double ConvSolarToStandard(double solarTime, double standardMeridian, double longitude,
                            double equationOfTime);
// The chart's own time system <-> true solar time, with its current
// location and equation of time. A system other than 0 or 1 has no times:
// reads give 0 and ToSolarTime reports false.
bool ToSolarTime(const ChartState& state, double time, double& solarTime);
double FromSolarTime(const ChartState& state, double solarTime);

// Sun position helpers (degrees).
double GetMagnification(double altitude);
std::pair<double, double> GetSolarAzimuth(double latitude, double declination, double altitude);

// Sines and cosines of a latitude and a declination, shared by the points of a series.
struct SolarDayAngles {
  SolarDayAngles() = default;
  SolarDayAngles(double latitude, double declination);
  double latitude = 0, declination = 0;
  double sinP = 0, cosP = 1, sinD = 0, cosD = 1;
};
// The altitude's sine: sin p sin d + cos p cos d cos h (h in degrees).
double GetSinAltitude(const SolarDayAngles& day, double hourAngle);
std::pair<double, double> GetSolarAzimuth(const SolarDayAngles& day, double altitude);

// Angles.
int32_t ConvDmsAngle(EngineErrorRecord& error, double degAngle, DmsAngle& dmsAngle);
int32_t ConvDegAngle(EngineErrorRecord& error, const DmsAngle& dmsAngle, double& degAngle);
std::string FormatDmsAngle(EngineErrorRecord& error, std::span<const int16_t> dmsAngle,
                            std::string_view prefix, std::string_view units);
std::string FormatDegAngle(EngineErrorRecord& error, double degAngle,
                            std::string_view prefix, std::string_view units);
std::string FormatDegAngleS(EngineErrorRecord& error, double degAngle, int32_t dmsMember,
                             std::string_view prefix);

// Magnetic declination around Japan; -999 outside the area.
inline constexpr double kNoNorthDiff = -999;
bool IsJapanArea(double latitude, double longitude);
double GetNorthDiff(double latitude, double longitude);   // epoch 1990.0
double GetNorthDiff2(double latitude, double longitude);  // epoch 2000.0
