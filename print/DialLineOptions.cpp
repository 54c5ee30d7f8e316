#include "DialLineOptions.h"

#include <array>
#include <charconv>
#include <cmath>
#include <ostream>

#include "MainModel.h"
#include "SettingChecks.h"
#include "UiText.h"

namespace {

template <size_t N>
std::optional<int32_t> IndexOf(const std::array<std::string_view, N>& names,
                               std::string_view text) {
  for (size_t i = 0; i < N; ++i) {
    if (names[i] == text) return static_cast<int32_t>(i);
  }
  return std::nullopt;
}

std::optional<double> NodusHeightOf(std::string_view text) {
  if (text == "auto") return 0.0;
  double value = 0;
  const char* last = text.data() + text.size();
  const auto [end, ec] = std::from_chars(text.data(), last, value);
  if (text.empty() || ec != std::errc{} || end != last || !std::isfinite(value)) {
    return std::nullopt;
  }
  if (!kNodusHeightRange.Contains(value)) return std::nullopt;
  return value;
}

}  // namespace

bool ReadDialLineOptions(const ParsedCommandLine& parsed, DialLineOptions& options,
                         std::string& reason) {
  static constexpr std::array<std::string_view, 5> kDateSets = {"none", "seasons", "terms",
                                                                "months", "day"};
  static constexpr std::array<std::string_view, 3> kCurveStyles = {"none", "full", "halves"};
  if (const auto text = parsed.Extra("--date-lines")) {
    options.dateLines = IndexOf(kDateSets, *text);
    if (!options.dateLines) {
      reason = "--date-lines must be none, seasons, terms, months or day";
      return false;
    }
  }
  if (const auto text = parsed.Extra("--hour-curves")) {
    options.hourCurves = IndexOf(kCurveStyles, *text);
    if (!options.hourCurves) {
      reason = "--hour-curves must be none, full or halves";
      return false;
    }
  }
  if (const auto text = parsed.Extra("--nodus")) {
    options.nodusHeight = NodusHeightOf(*text);
    if (!options.nodusHeight) {
      reason = "--nodus must be a height in millimetres from 0 to 1000, or auto";
      return false;
    }
  }
  if (const auto text = parsed.Extra("--scale-bar")) {
    if (*text != "on" && *text != "off") {
      reason = "--scale-bar must be on or off";
      return false;
    }
    options.scaleBar = *text == "on";
  }
  return true;
}

void ApplyDialLineOptions(MainModel& model, const DialLineOptions& o, std::ostream& err) {
  // The hour curves follow the mean time; a true-solar dial's hour lines
  // are already where the sun is.
  if (o.hourCurves.value_or(0) != 0 && model.Chart().TimeSystem() == kTrueSolarTime) {
    err << "umbrafex: "
        << TranslateText(
               "CommandLine",
               "note: a true solar time dial has no hour curves; --hour-curves is ignored")
        << '\n';
  }
  if (o.dateLines) model.dialOption.dateLines = *o.dateLines;
  if (o.hourCurves) model.dialOption.hourCurves = *o.hourCurves;
  if (o.nodusHeight) model.dialOption.nodusHeight = *o.nodusHeight;
  if (o.scaleBar) model.dialOption.scaleBar = *o.scaleBar;
}
