#include "SheetOptions.h"

#include "PageExport.h"
#include "UiText.h"

bool ReadSheetOptions(const ParsedCommandLine& parsed, SheetOptions& sheet, std::string& reason) {
  if (const auto paper = parsed.Extra("--paper")) {
    sheet.paper = PaperCodeOfName(*paper);
    if (!sheet.paper) {
      reason = TranslateText("CommandLine", "--paper must be A3, A4, A5, B4, B5, Letter or Legal");
      return false;
    }
  }
  if (const auto orientation = parsed.Extra("--orientation")) {
    sheet.orientation = OrientationCodeOfName(*orientation);
    if (!sheet.orientation) {
      reason = TranslateText("CommandLine", "--orientation must be portrait or landscape");
      return false;
    }
  }
  if (const auto pages = parsed.Extra("--pages")) {
    const auto value = ParseWholeNumber<long>(*pages);
    if (!value || (*value != 1 && *value != 2)) {
      reason = TranslateText("CommandLine", "--pages must be 1 or 2");
      return false;
    }
    sheet.pages = static_cast<int16_t>(*value);
  }
  if (const auto tiles = parsed.Extra("--tiles")) {
    if (*tiles != "yes" && *tiles != "no") {
      reason = TranslateText("CommandLine", "--tiles must be yes or no");
      return false;
    }
    sheet.tiles = *tiles == "yes";
  }
  return true;
}
