#include "ChartLocation.h"

#include "ChartState.h"
#include "SolarFormulas.h"

ChartLocation::ChartLocation(ChartState& state) : state_(state) {}

const std::string& ChartLocation::Name() const {
  return name_;
}
void ChartLocation::setName(std::string value) {
  state_.error.Clear();
  int characters = 0;
  for (unsigned char byte : value) {
    if ((byte & 0xC0) != 0x80) ++characters;  // not a continuation byte
  }
  if (characters > kMaxPlaceNameLength) {
    RaiseError(state_.error, kEngineErrorNumber, "Location.Name",
               ENGINE_TEXT_NOOP("EngineErrors", "A place name may have at most 200 characters."));
  }
  name_ = std::move(value);
}

double ChartLocation::Latitude() const {
  return latitude_;
}

void ChartLocation::setLatitude(double value) {
  state_.error.Clear();
  if (!(value > -90 && value < 90)) {
    RaiseError(state_.error, kEngineErrorNumber, "Location.Latitude",
               ENGINE_TEXT_NOOP("EngineErrors", "Invalid latitude."));
  }
  latitude_ = value;
}

double ChartLocation::Longitude() const {
  return longitude_;
}

void ChartLocation::setLongitude(double value) {
  state_.error.Clear();
  if (!(value > -180 && value <= 180)) {
    RaiseError(state_.error, kEngineErrorNumber, "Location.Longitude",
               ENGINE_TEXT_NOOP("EngineErrors", "Invalid longitude."));
  }
  longitude_ = value;
}

double ChartLocation::StandardMeridian() const {
  return standardMeridian_;
}

void ChartLocation::setStandardMeridian(double value) {
  state_.error.Clear();
  if (!(value >= -180 && value <= 180)) {
    RaiseError(state_.error, kEngineErrorNumber, "Location.StandardMeridian",
               ENGINE_TEXT_NOOP("EngineErrors", "Invalid standard meridian."));
  }
  // -180 and 180 are the same meridian; the engine keeps it as 180.
  standardMeridian_ = value == -180 ? 180 : value;
  timeZone_ = value / 15;
}

double ChartLocation::TimeZone() const {
  return timeZone_;
}

void ChartLocation::setTimeZone(double value) {
  state_.error.Clear();
  if (!(value >= -12 && value <= 12)) {
    RaiseError(state_.error, kEngineErrorNumber, "Location.TimeZone",
               ENGINE_TEXT_NOOP("EngineErrors", "Invalid time zone."));
  }
  timeZone_ = value;
  standardMeridian_ = value == -12 ? 180 : 15 * value;
}

double ChartLocation::NorthDiff() const {
  return GetNorthDiff(latitude_, longitude_);
}
double ChartLocation::NorthDiff2() const {
  return GetNorthDiff2(latitude_, longitude_);
}
