// The state of the main window without its widgets: the one chart, the
// settings groups, the document state and the last-error record. Every
// other window and command reads and writes the design through it.
#pragma once

#include <cstdint>
#include <string>

#include "LastError.h"
#include "Settings.h"
#include "clsChart.h"

class MainModel : public Settings, public LastErrorRecord {
public:
  // The start-up state: engine modes, default location with the computer's
  // time zone, today's date basis, every group at its default.
  MainModel();

  clsChart& Chart() { return chart_; }
  const clsChart& Chart() const { return chart_; }

  // Pushes the date basis (Season.AdjustEquation, Season.SeasonDate, the
  // latitude's hemisphere) into the chart. True or the error number.
  int32_t ApplySeason();

  // The settings document. True or the error number (last-error record filled).
  int32_t lOpenUfxAll(const std::string& path);
  int32_t lSaveUfxAll(const std::string& path);

  std::string DocumentPath;
  std::string LastDir;
  bool Modified = false;

private:
  clsChart chart_;
};
