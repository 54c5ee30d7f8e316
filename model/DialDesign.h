// What the dial routines read of a design: its settings, its chart, and the
// record where a failed routine leaves its error.
#pragma once

#include "Chart.h"
#include "EngineErrors.h"
#include "Settings.h"

struct DialDesign {
  const Settings& settings;
  Chart& chart;
  ErrorRecord& errors;
};
