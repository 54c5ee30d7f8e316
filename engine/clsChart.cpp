#include "clsChart.h"

#include <cmath>

#include "mdlChartMathLib.h"
#include "mdlChartSolarLib.h"

clsChart::clsChart() : state_(std::make_unique<ChartState>()) {
  state_->Error.Clear();
}
clsChart::~clsChart() = default;

bool clsChart::Compatible() const {
  return state_->Compatible;
}
void clsChart::setCompatible(bool value) {
  state_->Compatible = value;
}
bool clsChart::LeapYear() const {
  return state_->LeapYear;
}
void clsChart::setLeapYear(bool value) {
  state_->LeapYear = value;
}
int32_t clsChart::TimeSystem() const {
  return state_->TimeSystem;
}
void clsChart::setTimeSystem(int32_t value) {
  state_->TimeSystem = value;
}
bool clsChart::IncludeRiseSet() const {
  return includeRiseSet_;
}
void clsChart::setIncludeRiseSet(bool value) {
  includeRiseSet_ = value;
}

clsChartLocation& clsChart::Location() {
  return state_->Location;
}
const clsChartLocation& clsChart::Location() const {
  return state_->Location;
}
clsChartSeason& clsChart::Season() {
  return state_->Season;
}
const clsChartSeason& clsChart::Season() const {
  return state_->Season;
}
clsChartSolars* clsChart::Solars() {
  return solars_.get();
}
const clsChartSolars* clsChart::Solars() const {
  return solars_.get();
}

const std::string& clsChart::ErrDescription() const {
  return state_->Error.Description;
}
const std::string& clsChart::ErrSource() const {
  return state_->Error.Source;
}
int32_t clsChart::ErrNumber() const {
  return state_->Error.Number;
}

namespace {

// Rounded to three decimal places, a half to the even neighbour: the
// stepping compares times only to the thousandth of an hour.
double Round3(double x) {
  return std::nearbyint(x * 1000) / 1000;
}

[[noreturn]] void RaiseAddSolars(EngineErrorRecord& error, const char* description) {
  RaiseEngineError(error, kEngineErrorNumber, "Chart.AddSolars", description);
}

}  // namespace

int32_t clsChart::AddSolars(double StartTime, double EndTime, int16_t Interval) {
  EngineErrorRecord& error = state_->Error;
  error.Clear();
  const int32_t status = TrapStatus(error, [&] { BuildSolars(StartTime, EndTime, Interval); });
  // A failure at any step leaves no series at all.
  if (status != kTrue) solars_.reset();
  return status;
}

void clsChart::BuildSolars(double StartTime, double EndTime, int16_t Interval) {
  EngineErrorRecord& error = state_->Error;
  clsChartSeason& season = state_->Season;

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
    RaiseAddSolars(error, "計算終了時刻が計算開始時刻以前に指定されています。");
  if (Interval < 0 || Interval > 60)
    RaiseAddSolars(error, "計算時間間隔に不正な時間が指定されています。");

  solars_ = std::make_unique<clsChartSolars>(*state_);
  clsChartSolars& solars = *solars_;
  solars.items_.reserve(EstimatedCount(start, end, Interval));
  const auto add = [&](double time, int16_t kind) {
    if (solars.AddSolar(time, kind) != kTrue) RaiseRecorded(error);
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
size_t clsChart::EstimatedCount(double start, double end, int16_t Interval) {
  if (Interval <= 0 || !(end > start) || end - start > 48) return 3;
  return static_cast<size_t>((end - start) * 60 / Interval) + 4;
}

void clsChart::RemoveSolars() {
  solars_.reset();
}
bool clsChart::SolarsExists() const {
  return solars_ != nullptr;
}

int32_t clsChart::ConvDmsAngle(double dblDegAngle, DmsAngle& intDmsAngle) {
  return gConvDmsAngle(state_->Error, dblDegAngle, intDmsAngle);
}

int32_t clsChart::ConvDegAngle(const DmsAngle& intDmsAngle, double& dblDegAngle) {
  return gConvDegAngle(state_->Error, intDmsAngle, dblDegAngle);
}

std::string clsChart::FormatDmsAngle(std::span<const int16_t> intDmsAngle,
                                     std::string_view strPrefix, std::string_view strUnits) {
  return gFormatDmsAngle(state_->Error, intDmsAngle, strPrefix, strUnits);
}

std::string clsChart::FormatDegAngle(double dblDegAngle, std::string_view strPrefix,
                                     std::string_view strUnits) {
  return gFormatDegAngle(state_->Error, dblDegAngle, strPrefix, strUnits);
}

std::string clsChart::FormatDegAngleS(double dblDegAngle, int32_t lngDmsMember,
                                      std::string_view strPrefix) {
  return gFormatDegAngleS(state_->Error, dblDegAngle, lngDmsMember, strPrefix);
}

int32_t clsChart::ConvCalcDate(int16_t intTotalDays, CalcDateArray& intCalcDate) {
  CalcDateArray result{};
  const int32_t status =
      gConvCalcDate(state_->Error, intTotalDays, result, ToFlag(state_->LeapYear));
  if (status == kTrue) intCalcDate = result;
  return status;
}

int32_t clsChart::ConvTotalDays(const CalcDateArray& intCalcDate, int16_t& intTotalDays) {
  return gConvTotalDays(state_->Error, intCalcDate, intTotalDays, ToFlag(state_->LeapYear));
}

bool clsChart::IsLeapYear(int16_t intYear) {
  return gIsLeapYear(state_->Error, intYear);
}

bool clsChart::IsJapanArea(double dblLatitude, double dblLongitude) const {
  return gIsJapanArea(dblLatitude, dblLongitude);
}

void RaiseChartError(const clsChart& chart) {
  throw RaisedError(chart.ErrNumber(), chart.ErrSource(), chart.ErrDescription());
}
