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
#include "clsChartLocation.h"
#include "clsChartSeason.h"
#include "clsChartSolar.h"
#include "clsChartSolars.h"
#include "mdlChartCommon.h"

class clsChart {
 public:
  clsChart();
  ~clsChart();
  clsChart(const clsChart&) = delete;
  clsChart& operator=(const clsChart&) = delete;

  bool Compatible() const;
  void setCompatible(bool value);
  bool LeapYear() const;
  void setLeapYear(bool value);
  int32_t TimeSystem() const;
  void setTimeSystem(int32_t value);
  bool IncludeRiseSet() const;
  void setIncludeRiseSet(bool value);

  clsChartLocation& Location();
  const clsChartLocation& Location() const;
  clsChartSeason& Season();
  const clsChartSeason& Season() const;
  // nullptr until AddSolars succeeds.
  clsChartSolars* Solars();
  const clsChartSolars* Solars() const;

  const std::string& ErrDescription() const;
  const std::string& ErrSource() const;
  int32_t ErrNumber() const;

  int32_t AddSolars(double StartTime, double EndTime, int16_t Interval);
  void RemoveSolars();
  bool SolarsExists() const;

  int32_t ConvDmsAngle(double dblDegAngle, DmsAngle& intDmsAngle);
  int32_t ConvDegAngle(const DmsAngle& intDmsAngle, double& dblDegAngle);
  // Raises when the array has fewer than three elements.
  std::string FormatDmsAngle(std::span<const int16_t> intDmsAngle, std::string_view strPrefix,
                             std::string_view strUnits);
  std::string FormatDegAngle(double dblDegAngle, std::string_view strPrefix,
                             std::string_view strUnits);
  std::string FormatDegAngleS(double dblDegAngle, int32_t lngDmsMember, std::string_view strPrefix);

  int32_t ConvCalcDate(int16_t intTotalDays, CalcDateArray& intCalcDate);
  int32_t ConvTotalDays(const CalcDateArray& intCalcDate, int16_t& intTotalDays);
  bool IsLeapYear(int16_t intYear);  // raises for a year outside 1..9999
  bool IsJapanArea(double dblLatitude, double dblLongitude) const;

 private:
  void BuildSolars(double StartTime, double EndTime, int16_t Interval);
  static size_t EstimatedCount(double start, double end, int16_t Interval);

  std::unique_ptr<ChartState> state_;
  bool includeRiseSet_ = false;
  std::unique_ptr<clsChartSolars> solars_;
};

// Raises the error that the chart's last failing routine recorded, for
// callers that go on by exception.
[[noreturn]] void RaiseChartError(const clsChart& chart);
