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

#include "mdlChartCommon.h"

struct ChartState;

// Boolean flags travel as 16-bit values: -1 True, 0 False, anything else neither.
inline constexpr int16_t kFlagTrue = -1;
inline constexpr int16_t kFlagFalse = 0;
inline int16_t ToFlag(bool value) {
  return value ? kFlagTrue : kFlagFalse;
}

// Day numbers.
int32_t gConvCalcDate(EngineErrorRecord& error, int16_t intTotalDays, CalcDateArray& intCalcDate,
                      int16_t leapFlag);
int32_t gConvTotalDays(EngineErrorRecord& error, const CalcDateArray& intCalcDate,
                       int16_t& intTotalDays, int16_t leapFlag);
bool gIsLeapYear(EngineErrorRecord& error, int16_t intYear);  // raises outside 1..9999

// Ephemeris.
int32_t gGetSeasonSpec(EngineErrorRecord& error, int32_t season, int16_t& totalDays,
                       double& declination);
int32_t gGetSolarDeclination(int16_t totalDays, int16_t leapFlag, double& declination);
int32_t gGetEquationOfTime(int16_t totalDays, int16_t leapFlag, int16_t compatibleFlag,
                           double& equation);

// Sunrise, sunset and time systems.
int32_t gGetNightState(double declination, double latitude);
int32_t gGetSunRiseSet(EngineErrorRecord& error, double latitude, double declination,
                       double& sunRise, double& sunSet);
double gConvTimeToHourAngle(double solarTime);
double gConvHourAngleToTime(double hourAngle);
// The longitude seen from the standard meridian's side of the 180th meridian.
double gUnwrapLongitude(double standardMeridian, double longitude);
double gConvStandardToSolar(double standardTime, double standardMeridian, double longitude,
                            double equationOfTime);
double gConvSolarToStandard(double solarTime, double standardMeridian, double longitude,
                            double equationOfTime);
// The chart's own time system <-> true solar time, with its current
// location and equation of time. A system other than 0 or 1 has no times:
// reads give 0 and ToSolarTime reports false.
bool gToSolarTime(const ChartState& state, double time, double& solarTime);
double gFromSolarTime(const ChartState& state, double solarTime);

// Sun position helpers (degrees).
double gGetMagnification(double altitude);
std::pair<double, double> gGetSolarAzimuth(double latitude, double declination, double altitude);

// Sines and cosines of a latitude and a declination, shared by the points of a series.
struct SolarDayAngles {
  SolarDayAngles() = default;
  SolarDayAngles(double latitude, double declination);
  double latitude = 0, declination = 0;
  double sinP = 0, cosP = 1, sinD = 0, cosD = 1;
};
// The altitude's sine: sin p sin d + cos p cos d cos h (h in degrees).
double gGetSinAltitude(const SolarDayAngles& day, double hourAngle);
std::pair<double, double> gGetSolarAzimuth(const SolarDayAngles& day, double altitude);

// Angles.
int32_t gConvDmsAngle(EngineErrorRecord& error, double dblDegAngle, DmsAngle& intDmsAngle);
int32_t gConvDegAngle(EngineErrorRecord& error, const DmsAngle& intDmsAngle, double& dblDegAngle);
std::string gFormatDmsAngle(EngineErrorRecord& error, std::span<const int16_t> intDmsAngle,
                            std::string_view strPrefix, std::string_view strUnits);
std::string gFormatDegAngle(EngineErrorRecord& error, double dblDegAngle,
                            std::string_view strPrefix, std::string_view strUnits);
std::string gFormatDegAngleS(EngineErrorRecord& error, double dblDegAngle, int32_t lngDmsMember,
                             std::string_view strPrefix);

// Magnetic declination around Japan; -999 outside the area.
inline constexpr double kNoNorthDiff = -999;
bool gIsJapanArea(double latitude, double longitude);
double gGetNorthDiff(double latitude, double longitude);   // epoch 1990.0
double gGetNorthDiff2(double latitude, double longitude);  // epoch 2000.0
