// The engine's calculation library: day numbers, solar ephemeris, sunrise
// and sunset, time systems, sun positions, angle text and magnetic
// declination. Routines that return a status give Ok or the failure's
// status with the record filled; the others raise.
//
// Units throughout: angles in degrees (latitude north positive, longitude
// and meridian east positive); times of day and the equation of time in
// hours (6.5 = 06:30); day numbers 1..365, or 1..366 with the leap flag.
// Outputs are written only on success.
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

// Day numbers. ConvCalcDate: day 1..365/366 -> {month 1..12, day 1..31};
// ConvTotalDays the reverse. Both give Ok or an error of kEngineErrorNumber (day
// number, month or day out of range; a leap flag that is neither admits
// nothing).
Status ConvCalcDate(ErrorRecord& error, int16_t totalDays, CalcDateArray& calcDate,
                    int16_t leapFlag);
Status ConvTotalDays(ErrorRecord& error, const CalcDateArray& calcDate, int16_t& totalDays,
                     int16_t leapFlag);
// Gregorian rule for every year; raises kEngineErrorNumber outside 1..9999.
bool IsLeapYear(ErrorRecord& error, int16_t year);

// Ephemeris. No year enters: a day number stands for that day of any year.
//
// Season 1..8 (立春, 春分, 立夏, 夏至, 立秋, 秋分, 立冬, 冬至) -> its day number
// and a fixed declination in degrees (+-16.333, 0, +-23.45), not the series'.
// Ok, or an error of kEngineErrorNumber for another season number.
Status GetSeasonSpec(ErrorRecord& error, int32_t season, int16_t& totalDays, double& declination);
// The sun's declination in degrees, north positive, limited to
// -23.45..23.45. A six-term Fourier series in the day angle
// w*(day + 0.5), w = 2 pi / 365 (366 with the leap flag, 0 for a flag that is
// neither). Source: the coefficients are quoted in Japanese solar-energy and
// building-climate references, but no original author or year could be
// found. They are not Spencer's (Spencer 1971, Search 2(5):172), whose
// series has the same form with other values (0.396 - 22.913 cos + ...).
// Accuracy against the Astronomical Almanac's low-precision sun at noon at
// 135 E, every day 2000-2100: |error| < 0.36 deg. Most of it is the calendar
// drifting against the seasons through the leap-year cycle, which a series
// without a year cannot follow (tests/engine/SeriesAccuracyTest.cpp).
void GetSolarDeclination(int16_t totalDays, int16_t leapFlag, double& declination);
// The equation of time in hours: true minus mean solar time, positive when
// the sundial runs ahead of the clock; about -0.241..+0.275 h (-14.5..+16.5
// min), limited to -0.25..0.28333. compatibleFlag picks the
// formula:
// - kFlagTrue: three harmonics in amplitude-phase form of v = day * 2 pi /
//   366 (always 366, no half day). Source not found: its constant and
//   first two harmonics come within 0.4 min of Spencer's (1971) series in
//   hours (the constant with the opposite sign); Spencer has no third.
// - kFlagFalse: the six-term Fourier series that goes with the declination
//   above (same day angle); source not found, as for the declination.
// - anything else: 0.
// Accuracy as for the declination: |error| < 0.75 min (kFlagFalse) and
// < 0.91 min (kFlagTrue).
void GetEquationOfTime(int16_t totalDays, int16_t leapFlag, int16_t compatibleFlag,
                       double& equation);

// Sunrise, sunset and time systems.
//
// kNightStateDayAndNight, kNightStateMidnightSun or kNightStatePolarNight
// for a declination and a latitude in degrees.
int32_t GetNightState(double declination, double latitude);
// Sunrise and sunset in true solar hours (0..24) for a latitude strictly
// inside -90..90 and a declination in degrees: 12 -+ H/15 with
// cos H = -tan(latitude) tan(declination). Midnight sun gives (0, 24);
// polar night gives kEngineErrorNumber; otherwise Ok. This is the
// geometric rise of the sun's centre on the true horizon, without
// refraction or semi-diameter: the rising and setting formula of spherical
// astronomy (e.g. Meeus, Astronomical Algorithms, 2nd ed. 1998, ch. 15)
// with h0 = 0 instead of the almanac's -0.833 deg. Against the almanac's
// sunrise with h0 = -0.833 deg and its own declination, every fifth day of
// 2000-2100: the sun rises 2.9..6.6 min later and sets as much earlier at
// latitudes 20..45 north or south, 2.9..11.7 min at |latitude| <= 60.
Status GetSunRiseSet(ErrorRecord& error, double latitude, double declination, double& sunRise,
                     double& sunSet);
// The almanac's sunrise and sunset in true solar hours: the sun's upper limb
// on the horizon, 16' of semi-diameter and 34' of refraction below it, so
// cos H = (sin h0 - sin latitude sin declination) / (cos latitude cos
// declination) with h0 = kAlmanacHorizon (Meeus, ch. 15). A sun that never
// sinks that low gives (0, 24); one that never rises to it gives
// kEngineErrorNumber; otherwise Ok. Latitude strictly inside -90..90.
inline constexpr double kAlmanacHorizon = -0.833;  // degrees
Status GetAlmanacSunRiseSet(ErrorRecord& error, double latitude, double declination,
                            double& sunRise, double& sunSet);
// True solar hours <-> hour angle in degrees: 15 * (t - 12), 0 at true noon,
// negative in the morning.
double ConvTimeToHourAngle(double solarTime);
double ConvHourAngleToTime(double hourAngle);
// The longitude seen from the standard meridian's side of the 180th meridian.
double UnwrapLongitude(double standardMeridian, double longitude);
// Standard time <-> true solar time, both in hours: t_solar = t_standard +
// (longitude - meridian) / 15 + equation of time (hours). The result may
// fall outside 0..24.
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
//
// Shadow length of a gnomon of unit height, cot(altitude); -1 when the sun
// is at or below the horizon, 0 at 90. An altitude above 90 (the southern
// latitudes' supplement 180 - a) gives the value of 180 - altitude.
double GetMagnification(double altitude);
// (-A, +A): the azimuth in degrees from due south, 0..180, on either side
// (the morning takes -A); (0, 0) at altitude 90. Raises kInvalidCallNumber
// when the arguments admit no azimuth (|cos A| beyond 1).
std::pair<double, double> GetSolarAzimuth(double latitude, double declination, double altitude);

// Sines and cosines of a latitude and a declination (degrees), shared by the
// points of a series.
struct SolarDayAngles {
  SolarDayAngles() = default;
  SolarDayAngles(double latitude, double declination);
  double latitude = 0, declination = 0;
  double sinP = 0, cosP = 1, sinD = 0, cosD = 1;
};
// The altitude's sine: sin p sin d + cos p cos d cos h (h in degrees).
double GetSinAltitude(const SolarDayAngles& day, double hourAngle);
std::pair<double, double> GetSolarAzimuth(const SolarDayAngles& day, double altitude);

// Angles: decimal degrees (or hours) <-> {degrees, minutes, seconds}, the
// sign on the first non-zero member, seconds rounded half to even. Both
// give Ok or an error of kOverflowNumber (a member beyond 16 bits, |x| >= 32768).
Status ConvDmsAngle(ErrorRecord& error, double degAngle, DmsAngle& dmsAngle);
Status ConvDegAngle(ErrorRecord& error, const DmsAngle& dmsAngle, double& degAngle);
// Text of an angle: prefix names the sign words ("+-", "NS", "EW", "北南",
// "東西"; a third character is printed for zero), units holds up to three
// marks after degrees, minutes and seconds. FormatDmsAngle raises
// kSubscriptRangeNumber for fewer than three members and kOverflowNumber;
// the decimal forms give "" on failure. FormatDegAngleS gives one member:
// 0 signed degrees, 1 minutes, 2 seconds, else "".
std::string FormatDmsAngle(ErrorRecord& error, std::span<const int16_t> dmsAngle,
                           std::string_view prefix, std::string_view units);
std::string FormatDegAngle(ErrorRecord& error, double degAngle, std::string_view prefix,
                           std::string_view units);
std::string FormatDegAngleS(ErrorRecord& error, double degAngle, int32_t dmsMember,
                            std::string_view prefix);

// Magnetic declination around Japan; -999 outside the area.
//
// In degrees, positive when magnetic north lies west of true north (about
// 7 in central Japan). Source: the Geospatial Information Authority of Japan
// (国土地理院), whose magnetic charts come with a quadratic in dp = latitude -
// 37 and dl = longitude - 138 (degrees), coefficients in arc minutes, for
// the standard field over the Japanese islands. It ignores local anomalies
// and loses accuracy away from the main islands (the Authority's own
// caveat). No field model is at hand to measure it against: not measured.
// The field also drifts: the Authority reports about 0.3 deg more westerly
// declination from 2010 to 2015 alone, so a value grows stale with the
// years since its epoch.
inline constexpr double kNoNorthDiff = -999;
// Strictly 20.5 < latitude < 45.5 and 123 < longitude < 154 (degrees).
bool IsJapanArea(double latitude, double longitude);
// Epoch 1990.0: 7 deg 22.82' + 21.01' dp - 7.36' dl - 0.197' dp^2 +
// 0.587' dp dl - 0.961' dl^2. Taken to be the Authority's 1990.0 formula by
// its epoch and form; its published text could not be found to compare.
double GetNorthDiff(double latitude, double longitude);  // epoch 1990.0
// Epoch 2000.0, the Authority's 2000.0 formula: 7 deg 37.142' + 21.622' dp -
// 7.672' dl + 0.442' dp^2 - 0.320' dp dl - 0.675' dl^2. A quoted copy reads
// 0.422' for dp^2 (at most 5.5', 0.09 deg, apart at the area's edges);
// both give the Authority's worked example, Tokyo 6 deg 55.1'.
double GetNorthDiff2(double latitude, double longitude);  // epoch 2000.0
