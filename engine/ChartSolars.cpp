#include "ChartSolars.h"

#include <string>

#include "ChartState.h"
#include "MathFunctions.h"
#include "SolarFormulas.h"

namespace {

constexpr const char* kBadKeyText = ENGINE_TEXT_NOOP("EngineErrors", "Invalid index or key.");

}  // namespace

ChartSolars::ChartSolars(ChartState& state) : state_(state) {}

double ChartSolars::StartTime() const {
  return FromSolarTime(state_, startTime_);
}
double ChartSolars::EndTime() const {
  return FromSolarTime(state_, endTime_);
}
int16_t ChartSolars::Interval() const {
  return interval_;
}

void ChartSolars::setStartTime(double time) {
  ToSolarTime(state_, time, startTime_);
}
void ChartSolars::setEndTime(double time) {
  ToSolarTime(state_, time, endTime_);
}

// The collection's position of a key; -1 when absent.
ptrdiff_t ChartSolars::FindKey(std::string_view key) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].indexKey_ == key) return static_cast<ptrdiff_t>(i);
  }
  return -1;
}

// Absent positions and keys raise as the collection numbers them (9 for a
// position, 5 for a key) with the member's own source and text.
size_t ChartSolars::PositionOrRaise(int32_t position, const char* source) const {
  if (position < 1 || static_cast<size_t>(position) > items_.size()) {
    RaiseError(state_.error, kSubscriptRangeNumber, source, kBadKeyText);
  }
  return static_cast<size_t>(position - 1);
}

size_t ChartSolars::KeyOrRaise(std::string_view key, const char* source) const {
  const ptrdiff_t found = FindKey(key);
  if (found < 0) RaiseError(state_.error, kInvalidCallNumber, source, kBadKeyText);
  return static_cast<size_t>(found);
}

const ChartSolar& ChartSolars::Solar(int32_t position) const {
  state_.error.Clear();
  return items_[PositionOrRaise(position, "Solars.Solar")];
}

const ChartSolar& ChartSolars::Solar(std::string_view key) const {
  state_.error.Clear();
  return items_[KeyOrRaise(key, "Solars.Solar")];
}

int32_t ChartSolars::CountSolars() const {
  return static_cast<int32_t>(items_.size());
}

bool ChartSolars::SolarExists(int32_t position) const {
  return position >= 1 && static_cast<size_t>(position) <= items_.size();
}

bool ChartSolars::SolarExists(std::string_view key) const {
  return FindKey(key) >= 0;
}

void ChartSolars::RemoveSolar(int32_t position) {
  state_.error.Clear();
  items_.erase(items_.begin() +
               static_cast<ptrdiff_t>(PositionOrRaise(position, "Solars.RemoveSolar")));
  removedAny_ = true;
}

void ChartSolars::RemoveSolar(std::string_view key) {
  state_.error.Clear();
  items_.erase(items_.begin() + static_cast<ptrdiff_t>(KeyOrRaise(key, "Solars.RemoveSolar")));
  removedAny_ = true;
}

Status ChartSolars::AddSolar(double time, int16_t kind) {
  state_.error.Clear();
  return TrapStatus(state_.error, [&] {
    const ChartLocation& location = state_.location;
    const ChartSeason& season = state_.season;
    ChartSolar item(state_);

    double solarTime = 0;  // a time system without times keeps 0
    ToSolarTime(state_, time, solarTime);
    const double hourAngle = ConvTimeToHourAngle(solarTime);
    const double latitude = location.Latitude();
    const double declination = season.SolarDeclination();

    // A sunrise or sunset point sits on the horizon, unless the sun never sets.
    double altitude = 0;
    double supplement = 180;
    double magnification = -1;
    const bool onHorizon =
        (kind == 0 || kind == 1) && season.NightState() != kNightStateMidnightSun;
    // The day's sines and cosines are kept while place and day stay the same.
    if (dayAngles_.latitude != latitude || dayAngles_.declination != declination) {
      dayAngles_ = SolarDayAngles(latitude, declination);
    }
    if (!onHorizon) {
      const auto [b, piMinusB] = ArcSinPair(GetSinAltitude(dayAngles_, hourAngle));
      altitude = RadToDeg(b);
      supplement = RadToDeg(piMinusB);
      // South of the equator the supplement gives the same shadow, but only
      // while the sun is up: at or below the horizon it is no shadow (-1).
      const bool sunUp = Single(altitude) > 0.0f;
      magnification = GetMagnification(latitude < 0 && sunUp ? supplement : altitude);
    }
    const auto [minusA, plusA] = GetSolarAzimuth(dayAngles_, altitude);

    const size_t n = items_.size() + 1;
    std::string key = std::to_string(n);
    if (removedAny_ && FindKey(key) >= 0)
      RaiseError(state_.error, kDuplicateKeyNumber, "Solars.AddSolar", kDuplicateKeyText);
    item.index_ = static_cast<int32_t>(n);
    item.indexKey_ = std::move(key);
    item.solarTime_ = solarTime;
    item.hourAngle_ = hourAngle;
    item.altitude_ = latitude >= 0 ? altitude : supplement;
    item.azimuth_ = hourAngle >= 0 ? plusA : minusA;
    item.magnification_ = magnification;
    items_.push_back(std::move(item));
  });
}

std::vector<ChartSolar>::const_iterator ChartSolars::begin() const {
  return items_.begin();
}
std::vector<ChartSolar>::const_iterator ChartSolars::end() const {
  return items_.end();
}
