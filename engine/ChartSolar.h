// One sun position of a series: a snapshot taken by AddSolar. Angles in
// degrees; a southern latitude gives the supplements noted below.
#pragma once

#include <cstdint>
#include <string>

struct ChartState;

class ChartSolar {
 public:
  explicit ChartSolar(const ChartState& state);

  int32_t Index() const { return index_; }
  const std::string& IndexKey() const { return indexKey_; }
  // Hours in the current TimeSystem; raises like the engine's computed reads.
  double CalcTime() const;
  // 15 * (true solar hour - 12): 0 at true noon, negative in the morning.
  double HourAngle() const { return hourAngle_; }
  // Above the horizon, 0..90; for a southern latitude 180 - altitude.
  double Altitude() const { return altitude_; }
  // From due south, negative toward the east (morning), positive toward the
  // west; 180 for a sun culminating in the north.
  double Azimuth() const { return azimuth_; }
  // Shadow length per unit gnomon height (cot altitude); -1 with the sun
  // down, 0 at the zenith.
  double Magnification() const { return magnification_; }

 private:
  friend class ChartSolars;
  const ChartState* state_;
  int32_t index_ = 1;
  std::string indexKey_ = "1";
  double solarTime_ = 0;  // held as true solar time
  double hourAngle_ = 0;
  double altitude_ = 0;
  double azimuth_ = 0;
  double magnification_ = 0;
};
