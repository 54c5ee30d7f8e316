#include "clsChartLocation.h"

#include "ChartState.h"
#include "mdlChartSolarLib.h"

clsChartLocation::clsChartLocation(ChartState& state) : state_(state) {}

const std::string& clsChartLocation::Name() const {
  return name_;
}
void clsChartLocation::setName(std::string value) {
  name_ = std::move(value);
}

double clsChartLocation::Latitude() const {
  return latitude_;
}

void clsChartLocation::setLatitude(double value) {
  state_.Error.Clear();
  if (!(value > -90 && value < 90)) {
    RaiseEngineError(state_.Error, kEngineErrorNumber, "Location.Latitude",
                     "不正な緯度の値が指定されています。");
  }
  latitude_ = value;
}

double clsChartLocation::Longitude() const {
  return longitude_;
}

void clsChartLocation::setLongitude(double value) {
  state_.Error.Clear();
  if (!(value > -180 && value <= 180)) {
    RaiseEngineError(state_.Error, kEngineErrorNumber, "Location.Longitude",
                     "不正な経度の値が指定されています。");
  }
  longitude_ = value;
}

double clsChartLocation::StandardMeridian() const {
  return standardMeridian_;
}

void clsChartLocation::setStandardMeridian(double value) {
  state_.Error.Clear();
  if (!(value >= -180 && value <= 180)) {
    RaiseEngineError(state_.Error, kEngineErrorNumber, "Location.StandardMeridian",
                     "不正な標準時子午線の値が指定されています。");
  }
  // -180 and 180 are the same meridian; the engine keeps it as 180.
  standardMeridian_ = value == -180 ? 180 : value;
  timeZone_ = value / 15;
}

double clsChartLocation::TimeZone() const {
  return timeZone_;
}

void clsChartLocation::setTimeZone(double value) {
  state_.Error.Clear();
  if (!(value >= -12 && value <= 12)) {
    RaiseEngineError(state_.Error, kEngineErrorNumber, "Location.TimeZone",
                     "不正なタイムゾーンの値が指定されています。");
  }
  timeZone_ = value;
  standardMeridian_ = value == -12 ? 180 : 15 * value;
}

double clsChartLocation::NorthDiff() const {
  return gGetNorthDiff(latitude_, longitude_);
}
double clsChartLocation::NorthDiff2() const {
  return gGetNorthDiff2(latitude_, longitude_);
}
