// umbrafex clock: the desktop sundial's picture for a date and time, as a
// PNG file.
#include "ClockSubcommand.h"

#include <chrono>
#include <ctime>
#include <optional>
#include <ostream>
#include <string>

#include "AsciiText.h"
#include "ClockPicture.h"
#include "CommandHelp.h"
#include "CommonOptions.h"
#include "GuiSession.h"
#include "MainModel.h"
#include "OutputChecks.h"
#include "SavedImage.h"
#include "UiText.h"

namespace {

constexpr std::string_view kSynopsis = kClockSynopsis;
constexpr ExtraOptionSpec kClockOptions[] = {{"--at", true}, {"-o", true}, {"--size", true}};
constexpr int kDefaultSize = 500;
constexpr int kMinSize = 32;
constexpr int kMaxSize = 8000;

std::optional<int> Number(std::string_view text) {
  return ParseWholeNumber<int>(text);
}

// "YYYY-MM-DD HH:MM" with optional ":SS"; a "T" may stand for the space.
std::optional<std::chrono::local_seconds> ParseDateTime(const std::string& text) {
  if (text.size() != 16 && text.size() != 19) return std::nullopt;
  if (text[4] != '-' || text[7] != '-' || (text[10] != ' ' && text[10] != 'T') || text[13] != ':' ||
      (text.size() == 19 && text[16] != ':')) {
    return std::nullopt;
  }
  const std::string_view view(text);
  const auto year = Number(view.substr(0, 4));
  const auto month = Number(view.substr(5, 2));
  const auto day = Number(view.substr(8, 2));
  const auto hour = Number(view.substr(11, 2));
  const auto minute = Number(view.substr(14, 2));
  const auto second = text.size() == 19 ? Number(view.substr(17, 2)) : std::optional<int>(0);
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year(*year),
                                         std::chrono::month(static_cast<unsigned>(*month)),
                                         std::chrono::day(static_cast<unsigned>(*day))};
  if (!date.ok() || *hour > 23 || *minute > 59 || *second > 59) return std::nullopt;
  return std::chrono::local_days(date) + std::chrono::hours(*hour) + std::chrono::minutes(*minute) +
         std::chrono::seconds(*second);
}

// The computer's present local date and time.
std::chrono::local_seconds Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const std::chrono::year_month_day date{
      std::chrono::year(local.tm_year + 1900),
      std::chrono::month(static_cast<unsigned>(local.tm_mon + 1)),
      std::chrono::day(static_cast<unsigned>(local.tm_mday))};
  return std::chrono::local_days(date) + std::chrono::hours(local.tm_hour) +
         std::chrono::minutes(local.tm_min) + std::chrono::seconds(local.tm_sec);
}

}  // namespace

int RunClockSubcommand(const CommandArgs& args, std::ostream&, std::ostream& err) {
  std::string out;
  std::optional<std::chrono::local_seconds> at;
  int size = kDefaultSize;
  const auto readOptions = [&](const ParsedCommandLine& parsed) -> std::string {
    const auto path = parsed.Extra("-o");
    if (!path || !NamesFileWithExtension(*path, ".png")) {
      return TranslateText("CommandLine", "an output file ending in .png is needed (-o OUT.png)");
    }
    out = *path;
    if (const auto text = parsed.Extra("--at")) {
      at = ParseDateTime(*text);
      if (!at) return TranslateText("CommandLine", "--at must read \"YYYY-MM-DD HH:MM\"");
    }
    if (const auto text = parsed.Extra("--size")) {
      const auto value = Number(*text);
      if (!value || *value < kMinSize || *value > kMaxSize) {
        return TranslateText("CommandLine", "--size must be a whole number from 32 to 8000");
      }
      size = *value;
    }
    return {};
  };
  MainModel model;
  ParsedCommandLine parsed;
  if (const int status = StartCommand(args, kClockOptions, 0, kSynopsis, model, parsed, err,
                                      IntervalRule::Dial, readOptions);
      status != kExitOk) {
    return status;
  }
  CheckClockForScript(model, err);
  // Without --at the picture opens as the window does: now, or the date
  // basis's day at the present time of day.
  const std::chrono::local_seconds shown = at ? *at : ClockOpeningTime(model, Now());

  EnsureGuiSession();
  ClockPicture picture(size, size);
  if (!picture.Render(model, shown).ok()) {
    err << model.lastError.description << '\n';
    return kExitFailure;
  }
  if (!WriteImageFile(out, picture.Image(), "PNG")) {
    err << FillText(TranslateText("ClockSubcommand", "Cannot write the file %1."), {out}) << '\n';
    return kExitFailure;
  }
  return kExitOk;
}
