// Which day: season or day number, with the declination and equation of time
// derived from it, and the day's sunrise, sunset and night state.
#pragma once

#include <cstdint>
#include <utility>

struct ChartState;

// The values of NightState.
inline constexpr int32_t kNightStateDayAndNight = 0;  // the sun rises and sets
inline constexpr int32_t kNightStateMidnightSun = 1;  // the sun stays up all day
inline constexpr int32_t kNightStatePolarNight = 2;   // the sun stays down all day

class ChartSeason {
 public:
  explicit ChartSeason(ChartState& state);

  int32_t CalcSeason() const;
  void setCalcSeason(int32_t value);  // raises outside 0..8
  int16_t CalcDate() const;
  void setCalcDate(int16_t value);  // raises outside 1..365/366
  double SolarDeclination() const;
  void setSolarDeclination(double value);  // raises outside -23.45..23.45
  double EquationOfTime() const;
  void setEquationOfTime(double value);  // raises at or beyond +-20
  double TimeDiff() const;
  double SunRiseTime() const;  // raises on polar night
  double SunSetTime() const;   // raises on polar night
  // SunRiseTime and SunSetTime from one computation; raises on polar night.
  std::pair<double, double> SunRiseSetTimes() const;
  int32_t NightState() const;

 private:
  ChartState& state_;
  int32_t calcSeason_ = 8;
  int16_t calcDate_ = 356;
  double solarDeclination_ = -23.45;
  double equationOfTime_ = 0.0355813744882894;
};
