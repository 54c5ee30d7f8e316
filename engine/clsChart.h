// The entry point of the solar engine: modes, location, season and the
// series of sun positions of one dial.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "ChartState.h"
#include "ChartLocation.h"
#include "ChartSeason.h"
#include "ChartSolar.h"
#include "ChartSolars.h"
#include "EngineErrors.h"

class Chart {
 public:
  Chart();
  ~Chart();
  Chart(const Chart&) = delete;
  Chart& operator=(const Chart&) = delete;

  bool Compatible() const;
  void setCompatible(bool value);
  bool LeapYear() const;
  void setLeapYear(bool value);
  int32_t TimeSystem() const;
  void setTimeSystem(int32_t value);
  bool IncludeRiseSet() const;
  void setIncludeRiseSet(bool value);

  ChartLocation& Location();
  const ChartLocation& Location() const;
  ChartSeason& Season();
  const ChartSeason& Season() const;
  // nullptr until AddSolars succeeds.
  ChartSolars* Solars();
  const ChartSolars* Solars() const;

  const std::string& ErrDescription() const;
  const std::string& ErrSource() const;
  int32_t ErrNumber() const;

  int32_t AddSolars(double StartTime, double EndTime, int16_t Interval);
  void RemoveSolars();
  bool SolarsExists() const;

  int32_t ConvDmsAngle(double degAngle, DmsAngle& dmsAngle);
  int32_t ConvDegAngle(const DmsAngle& dmsAngle, double& degAngle);
  // Raises when the array has fewer than three elements.
  std::string FormatDmsAngle(std::span<const int16_t> dmsAngle, std::string_view prefix,
                             std::string_view units);
  std::string FormatDegAngle(double degAngle, std::string_view prefix,
                             std::string_view units);
  std::string FormatDegAngleS(double degAngle, int32_t dmsMember, std::string_view prefix);

  int32_t ConvCalcDate(int16_t totalDays, CalcDateArray& calcDate);
  int32_t ConvTotalDays(const CalcDateArray& calcDate, int16_t& totalDays);
  bool IsLeapYear(int16_t year);  // raises for a year outside 1..9999
  bool IsJapanArea(double latitude, double longitude) const;

 private:
  void BuildSolars(double StartTime, double EndTime, int16_t Interval);
  static size_t EstimatedCount(double start, double end, int16_t Interval);

  std::unique_ptr<ChartState> state_;
  bool includeRiseSet_ = false;
  std::unique_ptr<ChartSolars> solars_;
};

// Raises the error that the chart's last failing routine recorded, for
// callers that go on by exception.
[[noreturn]] void RaiseChartError(const Chart& chart);
