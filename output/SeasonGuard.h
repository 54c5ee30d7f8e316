// Puts the chart's season back as it was: the tables walk it through the
// year and the desktop sundial moves it with the shown date, while the main
// window's inputs and document still describe the design's own day.
#pragma once

#include <cstdint>

class Chart;

class SeasonGuard {
 public:
  explicit SeasonGuard(Chart& chart);
  ~SeasonGuard();
  SeasonGuard(const SeasonGuard&) = delete;
  SeasonGuard& operator=(const SeasonGuard&) = delete;

 private:
  Chart& chart_;
  int32_t calcSeason_;
  int16_t calcDate_;
  double equationOfTime_;
  double solarDeclination_;
};
