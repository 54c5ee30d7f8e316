// Which day: season or day number, with the declination and equation of time
// derived from it, and the day's sunrise, sunset and night state. Writers
// fill the chart's error record and raise kEngineErrorNumber; nothing is
// stored then. The formulas and their accuracy: SolarFormulas.h.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>

struct ChartState;

// The values of NightState.
inline constexpr int32_t kNightStateDayAndNight = 0;  // the sun rises and sets
inline constexpr int32_t kNightStateMidnightSun = 1;  // the sun stays up all day
inline constexpr int32_t kNightStatePolarNight = 2;   // the sun stays down all day

class ChartSeason {
 public:
  explicit ChartSeason(ChartState& state);

  // Season 1..8 (立春 .. 冬至) sets the day number, the table's declination and
  // the equation of time; 0 means none and changes nothing else.
  int32_t CalcSeason() const;
  void setCalcSeason(int32_t value);  // raises outside 0..8
  // Day number 1..365 (366 in a leap year); sets declination and equation of
  // time from the series and CalcSeason to 0.
  int16_t CalcDate() const;
  void setCalcDate(int16_t value);         // raises outside 1..365/366
  double SolarDeclination() const;         // degrees, north positive
  void setSolarDeclination(double value);  // raises outside -23.45..23.45 degrees
  double EquationOfTime() const;           // hours, true minus mean solar time
  void setEquationOfTime(double value);    // raises at or beyond +-20 hours
  // Hours to add to true solar time for standard time (true noon falls at
  // 12 + TimeDiff standard time), whatever the time system.
  double TimeDiff() const;
  // Hours in the chart's time system; 0 for a system other than 0 or 1;
  // (0, 24) before conversion under midnight sun.
  double SunRiseTime() const;  // raises on polar night
  double SunSetTime() const;   // raises on polar night
  // SunRiseTime and SunSetTime from one computation; raises on polar night.
  std::pair<double, double> SunRiseSetTimes() const;
  // The almanac's sunrise and sunset (GetAlmanacSunRiseSet) in the chart's
  // time system; 24 hours apart where the sun does not set, nothing where
  // it does not rise.
  std::optional<std::pair<double, double>> AlmanacRiseSetTimes() const;
  int32_t NightState() const;  // kNightState*

 private:
  ChartState& state_;
  int32_t calcSeason_ = 8;
  int16_t calcDate_ = 356;
  double solarDeclination_ = -23.45;
  double equationOfTime_ = 0.0355813744882894;
};
