// The sheet options that the export and print commands share.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "CommonOptions.h"

struct SheetOptions {
  std::optional<int16_t> paper;        // --paper A3|A4|A5|B4|B5|Letter|Legal
  std::optional<int16_t> orientation;  // --orientation portrait|landscape
  std::optional<int16_t> pages;        // --pages 1|2
  bool tiles = false;                  // --tiles yes|no: the face size on many sheets
};

// Reads the sheet options when given; false with the reason when one is wrong.
bool ReadSheetOptions(const ParsedCommandLine& parsed, SheetOptions& sheet, std::string& reason);
