// umbrafex wall: which way a wall faces, from the shadow of a nail held
// square to it at a known moment.
#include <cmath>
#include <cstdio>
#include <optional>
#include <ostream>
#include <string>

#include "AngleText.h"
#include "CommandHelp.h"
#include "CommonOptions.h"
#include "MainModel.h"
#include "PlaneOrientation.h"
#include "Subcommands.h"
#include "UiText.h"
#include "WallMeasurement.h"

namespace {

constexpr std::string_view kSynopsis = kWallSynopsis;
constexpr ExtraOptionSpec kWallOptions[] = {{"--time", true}, {"--nail", true}, {"--offset", true}};

std::optional<double> NumberOf(const std::optional<std::string>& text) {
  return text ? ParseDecimalNumber(*text) : std::nullopt;
}

// "HH:MM" from 0:00 to 23:59 as hours.
std::optional<double> ClockTimeOf(const std::optional<std::string>& text) {
  if (!text) return std::nullopt;
  const auto colon = text->find(':');
  if (colon == std::string::npos) return std::nullopt;
  const auto hours = ParseWholeNumber<int>(std::string_view(*text).substr(0, colon));
  const auto minutes = ParseWholeNumber<int>(std::string_view(*text).substr(colon + 1));
  if (!hours || !minutes || *hours < 0 || *hours > 23 || *minutes < 0 || *minutes > 59) {
    return std::nullopt;
  }
  return *hours + *minutes / 60.0;
}

std::string Degrees(double value) {
  return TenthsText(value) + "°";
}

struct Reading {
  double clockTime = 0;
  double nail = 0;
  double offset = 0;
};

// The reading's own options, or the reason they are refused.
std::optional<Reading> ReadingOf(const ParsedCommandLine& parsed, std::string& reason) {
  const CommonOptions& o = parsed.common;
  if (!o.latitude || !o.longitude || !o.timeZone || !o.seasonDate) {
    reason = TranslateText("CommandLine", "wall needs --lat, --lon, --tz and --date");
    return std::nullopt;
  }
  const auto time = ClockTimeOf(parsed.Extra("--time"));
  const auto nail = NumberOf(parsed.Extra("--nail"));
  const auto offset = NumberOf(parsed.Extra("--offset"));
  if (!time)
    reason = TranslateText("CommandLine", "--time needs the clock time as HH:MM, 00:00 to 23:59");
  else if (!nail || !(*nail > 0))
    reason = TranslateText("CommandLine", "--nail needs the nail's length in mm, above 0");
  else if (!offset)
    reason = TranslateText("CommandLine", "--offset needs the shadow's offset in mm");
  if (!reason.empty()) return std::nullopt;
  return Reading{*time, *nail, *offset};
}

}  // namespace

int RunWallSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  MainModel model;
  ParsedCommandLine parsed;
  std::optional<Reading> reading;
  const auto setUp = [&](const ParsedCommandLine& p) {
    std::string reason;
    reading = ReadingOf(p, reason);
    return reason;
  };
  if (const int status = StartCommand(args, kWallOptions, 0, kSynopsis, model, parsed, err,
                                      IntervalRule::Dial, setUp);
      status != kExitOk) {
    return status;
  }
  Chart& chart = model.Chart();
  const auto [month, day] = *parsed.common.seasonDate;
  int16_t dayNumber = 0;
  if (!chart.ConvTotalDays({static_cast<int16_t>(month), static_cast<int16_t>(day)}, dayNumber)
           .ok()) {
    err << chart.ErrDescription() << '\n';
    return kExitFailure;
  }
  const ChartLocation& place = chart.Location();
  const SunAzimuthAltitude sun =
      SunAtMoment({place.Latitude(), place.Longitude(), place.StandardMeridian(), dayNumber,
                   chart.LeapYear(), chart.Compatible(), reading->clockTime});
  if (sun.altitude <= 0) {
    err << TranslateText("WallCommand", "The sun is below the horizon at that moment.") << '\n';
    return kExitUsage;
  }
  // Rounded first, so that 359.96 reads as 0.0 (N) rather than 360.0.
  const double facing = NormalizedAzimuth(
      std::nearbyint(*WallFacing(sun.azimuth, reading->nail, reading->offset) * 10) / 10);
  out << FillText(TranslateText("WallCommand", "Sun: azimuth %1, altitude %2"),
                  {Degrees(sun.azimuth), Degrees(sun.altitude)})
      << '\n';
  out << FillText(TranslateText("WallCommand", "Facing: %1 (%2)"),
                  {Degrees(facing), CompassPointText(facing)})
      << '\n';
  return kExitOk;
}
