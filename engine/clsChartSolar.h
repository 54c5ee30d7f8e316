// One sun position of a series: a snapshot taken by AddSolar.
#pragma once

#include <cstdint>
#include <string>

struct ChartState;

class ChartSolar {
 public:
  explicit ChartSolar(const ChartState& state);

  int32_t Index() const { return index_; }
  const std::string& IndexKey() const { return indexKey_; }
  double CalcTime() const;  // in the current TimeSystem; raises like the engine's computed reads
  double HourAngle() const { return hourAngle_; }
  double Altitude() const { return altitude_; }
  double Azimuth() const { return azimuth_; }
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
