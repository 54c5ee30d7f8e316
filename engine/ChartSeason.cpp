#include "ChartSeason.h"

#include "ChartState.h"
#include "SolarFormulas.h"

namespace {

// Sunrise and sunset of the state's day and place, in true solar time;
// raises the recorded error on polar night.
std::pair<double, double> SolarRiseSet(ChartState& state) {
  state.error.Clear();
  double rise = 0;
  double set = 0;
  const Status status = GetSunRiseSet(state.error, state.location.Latitude(),
                                      state.season.SolarDeclination(), rise, set);
  if (!status.ok()) RaiseRecorded(state.error);
  return {rise, set};
}

}  // namespace

ChartSeason::ChartSeason(ChartState& state) : state_(state) {}

int32_t ChartSeason::CalcSeason() const {
  return calcSeason_;
}

void ChartSeason::setCalcSeason(int32_t value) {
  state_.error.Clear();
  if (value != 0) {
    int16_t totalDays = 0;
    double declination = 0;
    if (!GetSeasonSpec(state_.error, value, totalDays, declination).ok())
      RaiseRecorded(state_.error);
    double equation = 0;
    GetEquationOfTime(totalDays, ToFlag(state_.leapYear), ToFlag(state_.compatible), equation);
    solarDeclination_ = declination;
    calcDate_ = totalDays;
    equationOfTime_ = equation;
  }
  calcSeason_ = value;
}

int16_t ChartSeason::CalcDate() const {
  return calcDate_;
}

void ChartSeason::setCalcDate(int16_t value) {
  state_.error.Clear();
  const int16_t maximum = state_.leapYear ? 366 : 365;
  if (value < 1 || value > maximum) {
    RaiseError(state_.error, kEngineErrorNumber, "Season.CalcDate",
               ENGINE_TEXT_NOOP("EngineErrors", "Invalid day of the year."));
  }
  calcSeason_ = 0;
  GetSolarDeclination(value, ToFlag(state_.leapYear), solarDeclination_);
  GetEquationOfTime(value, ToFlag(state_.leapYear), ToFlag(state_.compatible), equationOfTime_);
  calcDate_ = value;
}

double ChartSeason::SolarDeclination() const {
  return solarDeclination_;
}

void ChartSeason::setSolarDeclination(double value) {
  state_.error.Clear();
  if (!(value >= -23.45 && value <= 23.45)) {
    RaiseError(state_.error, kEngineErrorNumber, "Season.SolarDeclination",
               ENGINE_TEXT_NOOP("EngineErrors", "Invalid solar declination."));
  }
  solarDeclination_ = value;
}

double ChartSeason::EquationOfTime() const {
  return equationOfTime_;
}

void ChartSeason::setEquationOfTime(double value) {
  state_.error.Clear();
  if (!(value > -20 && value < 20)) {
    RaiseError(state_.error, kEngineErrorNumber, "Season.EquationOfTime",
               ENGINE_TEXT_NOOP("EngineErrors", "Invalid equation of time."));
  }
  equationOfTime_ = value;
}

double ChartSeason::TimeDiff() const {
  const double meridian = state_.location.StandardMeridian();
  const double longitude = UnwrapLongitude(meridian, state_.location.Longitude());
  const double noon = 12 - (longitude - meridian) / 15 - equationOfTime_;
  return noon - 12;
}

double ChartSeason::SunRiseTime() const {
  return FromSolarTime(state_, SolarRiseSet(state_).first);
}

double ChartSeason::SunSetTime() const {
  return FromSolarTime(state_, SolarRiseSet(state_).second);
}

std::pair<double, double> ChartSeason::SunRiseSetTimes() const {
  const auto [rise, set] = SolarRiseSet(state_);
  return {FromSolarTime(state_, rise), FromSolarTime(state_, set)};
}

std::optional<std::pair<double, double>> ChartSeason::AlmanacRiseSetTimes() const {
  ErrorRecord error;
  double rise = 0, set = 0;
  if (!GetAlmanacSunRiseSet(error, state_.location.Latitude(), solarDeclination_, rise, set).ok())
    return std::nullopt;
  return std::pair{FromSolarTime(state_, rise), FromSolarTime(state_, set)};
}

int32_t ChartSeason::NightState() const {
  return GetNightState(solarDeclination_, state_.location.Latitude());
}
