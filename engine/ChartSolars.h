// The series of sun positions built by Chart::AddSolars: an ordered
// collection keyed "1", "2", ... in insertion order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ChartSolar.h"
#include "EngineErrors.h"
#include "SolarFormulas.h"

struct ChartState;

class ChartSolars {
 public:
  explicit ChartSolars(ChartState& state);

  double StartTime() const;  // hours in the current TimeSystem; -1 until set
  double EndTime() const;
  int16_t Interval() const;  // minutes, 0..60; -1 until set

  // 1-based position or key; raise "Invalid index or key." when absent.
  const ChartSolar& Solar(int32_t position) const;
  const ChartSolar& Solar(std::string_view key) const;
  int32_t CountSolars() const;
  bool SolarExists(int32_t position) const;
  bool SolarExists(std::string_view key) const;
  void RemoveSolar(int32_t position);
  void RemoveSolar(std::string_view key);

  // Engine-internal: computes and appends one item (kind 0 sunrise, 1 sunset, else ordinary).
  // time in hours of the current TimeSystem; Ok or the failure's status.
  Status AddSolar(double time, int16_t kind);

  // NewEnum: iteration in insertion order.
  std::vector<ChartSolar>::const_iterator begin() const;
  std::vector<ChartSolar>::const_iterator end() const;

 private:
  friend class Chart;
  // Times are written in the current TimeSystem and kept as true solar time.
  void setStartTime(double time);
  void setEndTime(double time);
  ptrdiff_t FindKey(std::string_view key) const;
  size_t PositionOrRaise(int32_t position, const char* source) const;
  size_t KeyOrRaise(std::string_view key, const char* source) const;

  ChartState& state_;
  std::vector<ChartSolar> items_;
  bool removedAny_ = false;
  SolarDayAngles dayAngles_;  // keys stay "1".."n" until an item is removed
  double startTime_ = -1;     // held as true solar time
  double endTime_ = -1;
  int16_t interval_ = -1;
};
