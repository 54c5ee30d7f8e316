// The options of the nodus's curves and the scale bar, shared by the
// export, print and lines commands.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "CommonOptions.h"

class MainModel;

struct DialLineOptions {
  std::optional<int32_t> dateLines;   // --date-lines none|seasons|terms|months|day
  std::optional<int32_t> hourCurves;  // --hour-curves none|full|halves
  std::optional<double> nodusHeight;  // --nodus MM (0 or "auto": automatic)
  std::optional<bool> scaleBar;       // --scale-bar on|off
};

// Reads the options when given; false with the reason when one is wrong.
bool ReadDialLineOptions(const ParsedCommandLine& parsed, DialLineOptions& options,
                         std::string& reason);
// Sets the design's keys that the options name; an option the design does
// not draw (hour curves in true solar time) is noted on `err`.
void ApplyDialLineOptions(MainModel& model, const DialLineOptions& options, std::ostream& err);
