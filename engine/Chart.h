// The entry point of the solar engine: modes, location, season and the
// series of sun positions of one dial. Status-returning members give Ok
// or the failure's status, with ErrNumber/ErrSource/ErrDescription filled; they
// never raise. Units and formulas: SolarFormulas.h.
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

  // Which equation-of-time formula: true the compatible one, false the Fourier one.
  bool Compatible() const;
  void setCompatible(bool value);
  bool LeapYear() const;  // the year has 366 days
  void setLeapYear(bool value);
  // kTrueSolarTime or kMeanStandardTime; any other value makes every time read 0.
  int32_t TimeSystem() const;
  void setTimeSystem(int32_t value);
  // Whether AddSolars adds points at sunrise and sunset.
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

  // Sun positions from StartTime to EndTime (hours in TimeSystem; below
  // -100 means sunrise or sunset; kept inside daylight), every Interval
  // minutes (0..60) on whole-hour multiples. Ok or the failure's status
  // (kEngineErrorNumber for start after end, a bad interval or polar night);
  // no series after a failure.
  Status AddSolars(double StartTime, double EndTime, int16_t Interval);
  void RemoveSolars();
  bool SolarsExists() const;

  // Angles and their text: see ConvDmsAngle and the formatters in SolarFormulas.h.
  Status ConvDmsAngle(double degAngle, DmsAngle& dmsAngle);
  Status ConvDegAngle(const DmsAngle& dmsAngle, double& degAngle);
  // Raises when the array has fewer than three elements.
  std::string FormatDmsAngle(std::span<const int16_t> dmsAngle, std::string_view prefix,
                             std::string_view units);
  std::string FormatDegAngle(double degAngle, std::string_view prefix,
                             std::string_view units);
  std::string FormatDegAngleS(double degAngle, int32_t dmsMember, std::string_view prefix);

  // Day number 1..365/366 (by LeapYear) <-> {month, day}; Ok or an error of kEngineErrorNumber.
  Status ConvCalcDate(int16_t totalDays, CalcDateArray& calcDate);
  Status ConvTotalDays(const CalcDateArray& calcDate, int16_t& totalDays);
  bool IsLeapYear(int16_t year);  // raises for a year outside 1..9999
  // Degrees; the area of the magnetic declination formulas.
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
