#include "Chart.h"

#include <cmath>

#include "MathFunctions.h"
#include "SolarFormulas.h"

Chart::Chart() : state_(std::make_unique<ChartState>()) {
  state_->error.Clear();
}
Chart::~Chart() = default;

bool Chart::Compatible() const {
  return state_->compatible;
}
void Chart::setCompatible(bool value) {
  state_->compatible = value;
}
bool Chart::LeapYear() const {
  return state_->leapYear;
}
void Chart::setLeapYear(bool value) {
  state_->leapYear = value;
}
int32_t Chart::TimeSystem() const {
  return state_->timeSystem;
}
void Chart::setTimeSystem(int32_t value) {
  state_->timeSystem = value;
}
bool Chart::IncludeRiseSet() const {
  return includeRiseSet_;
}
void Chart::setIncludeRiseSet(bool value) {
  includeRiseSet_ = value;
}

ChartLocation& Chart::Location() {
  return state_->location;
}
const ChartLocation& Chart::Location() const {
  return state_->location;
}
ChartSeason& Chart::Season() {
  return state_->season;
}
const ChartSeason& Chart::Season() const {
  return state_->season;
}
ChartSolars* Chart::Solars() {
  return solars_.get();
}
const ChartSolars* Chart::Solars() const {
  return solars_.get();
}

const std::string& Chart::ErrDescription() const {
  return state_->error.description;
}
const std::string& Chart::ErrSource() const {
  return state_->error.source;
}
int32_t Chart::ErrNumber() const {
  return state_->error.number;
}

namespace {

// Rounded to three decimal places, a half to the even neighbour: the
// stepping compares times only to the thousandth of an hour.
double Round3(double x) {
  return std::nearbyint(x * 1000) / 1000;
}

[[noreturn]] void RaiseAddSolars(ErrorRecord& error, const char* description) {
  RaiseError(error, kEngineErrorNumber, "Chart.AddSolars", description);
}

}  // namespace

Status Chart::AddSolars(double StartTime, double EndTime, int16_t Interval) {
  ErrorRecord& error = state_->error;
  error.Clear();
  const Status status = TrapStatus(error, [&] { BuildSolars(StartTime, EndTime, Interval); });
  // A failure at any step leaves no series at all.
  if (!status.ok()) solars_.reset();
  return status;
}

void Chart::BuildSolars(double StartTime, double EndTime, int16_t Interval) {
  ErrorRecord& error = state_->error;
  ChartSeason& season = state_->season;

  // Times below -100 stand for sunrise and sunset; others are kept inside them.
  const auto [sunRise, sunSet] = season.SunRiseSetTimes();
  double start = StartTime;
  bool atSunrise = false;
  if (StartTime < -100 || Single(sunRise) >= Single(StartTime)) {
    start = sunRise;
    atSunrise = true;
  }
  double end = EndTime;
  bool atSunset = false;
  if (EndTime < -100 || !(Single(sunSet) > Single(EndTime))) {
    end = sunSet;
    atSunset = true;
  }
  // A time that is not a number orders with nothing: it fails here as a
  // start after the end rather than stepping without end.
  if (!(Single(start) <= Single(end)))
    RaiseAddSolars(error,
                   ENGINE_TEXT_NOOP("EngineErrors", "The end time is not after the start time."));
  if (Interval < 0 || Interval > 60)
    RaiseAddSolars(error, ENGINE_TEXT_NOOP("EngineErrors", "Invalid time interval."));

  solars_ = std::make_unique<ChartSolars>(*state_);
  ChartSolars& solars = *solars_;
  solars.items_.reserve(EstimatedCount(start, end, Interval));
  const auto add = [&](double time, int16_t kind) {
    if (!solars.AddSolar(time, kind).ok()) RaiseRecorded(error);
  };

  // A sunrise start without its point waits for the first stepped point.
  bool toAlign = false;
  if (!atSunrise) {
    add(start, 2);
  } else if (includeRiseSet_) {
    add(start, 0);
  } else if (Interval == 0) {
    // Without a step no later point could stand in for the sunrise: the
    // single point is the sunrise itself.
    add(start, 0);
  } else {
    toAlign = true;
  }
  solars.setStartTime(start);
  if (!toAlign && Interval == 0) {
    solars.setEndTime(start);
    solars.interval_ = 0;
    return;
  }

  const double step = Interval / 60.0;
  const double start3 = Round3(start);
  const double end3 = Round3(end);
  for (double t = std::trunc(start);; t += step) {
    const double t3 = Round3(t);
    if (t3 > start3 && t3 < end3) {
      add(t, 2);
      if (toAlign) {
        solars.setStartTime(t);
        toAlign = false;
      }
    } else if (Single(t) >= Single(end)) {
      const bool nonEmpty = Single(start) < Single(end);
      if (atSunset && includeRiseSet_ && nonEmpty) {
        add(end, 1);
        solars.setEndTime(end);
      } else if (!atSunset && nonEmpty) {
        add(end, 2);
        solars.setEndTime(end);
      } else {
        solars.setEndTime(t);
      }
      solars.interval_ = Interval;
      return;
    }
    if (!toAlign && Interval == 0) {
      solars.setEndTime(t);
      solars.interval_ = 0;
      return;
    }
  }
}

// Room for the points of a series, so that building it allocates once.
size_t Chart::EstimatedCount(double start, double end, int16_t Interval) {
  if (Interval <= 0 || !(end > start) || end - start > 48) return 3;
  return static_cast<size_t>((end - start) * 60 / Interval) + 4;
}

void Chart::RemoveSolars() {
  solars_.reset();
}
bool Chart::SolarsExists() const {
  return solars_ != nullptr;
}

Status Chart::ConvDmsAngle(double degAngle, DmsAngle& dmsAngle) {
  return ::ConvDmsAngle(state_->error, degAngle, dmsAngle);
}

Status Chart::ConvDegAngle(const DmsAngle& dmsAngle, double& degAngle) {
  return ::ConvDegAngle(state_->error, dmsAngle, degAngle);
}

std::string Chart::FormatDmsAngle(std::span<const int16_t> dmsAngle, std::string_view prefix,
                                  std::string_view units) {
  return ::FormatDmsAngle(state_->error, dmsAngle, prefix, units);
}

std::string Chart::FormatDegAngle(double degAngle, std::string_view prefix,
                                  std::string_view units) {
  return ::FormatDegAngle(state_->error, degAngle, prefix, units);
}

std::string Chart::FormatDegAngleS(double degAngle, int32_t dmsMember, std::string_view prefix) {
  return ::FormatDegAngleS(state_->error, degAngle, dmsMember, prefix);
}

Status Chart::ConvCalcDate(int16_t totalDays, CalcDateArray& calcDate) {
  CalcDateArray result{};
  const Status status = ::ConvCalcDate(state_->error, totalDays, result, ToFlag(state_->leapYear));
  if (status.ok()) calcDate = result;
  return status;
}

Status Chart::ConvTotalDays(const CalcDateArray& calcDate, int16_t& totalDays) {
  return ::ConvTotalDays(state_->error, calcDate, totalDays, ToFlag(state_->leapYear));
}

bool Chart::IsLeapYear(int16_t year) {
  return ::IsLeapYear(state_->error, year);
}

bool Chart::IsJapanArea(double latitude, double longitude) const {
  return ::IsJapanArea(latitude, longitude);
}

void RaiseChartError(const Chart& chart) {
  RaiseError(chart.ErrNumber(), chart.ErrSource(), chart.ErrDescription());
}
