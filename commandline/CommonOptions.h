// The options every subcommand shares: an optional settings document and the
// design options (DesignOptions: the place and modes, the date basis, engine
// overrides of the day, the time range of the hour lines, the plane and what
// the sheet draws). A command parses its arguments here, naming the
// options of its own, and then prepares the model in one fixed order.
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "AnalemmaticDial.h"
#include "Commands.h"
#include "PlaneOrientation.h"

class MainModel;

// Exit statuses of a subcommand: 1 when the command line cannot be read (an
// unknown option, a missing value, a value not of the option's form), 2 when
// a value of the right form is refused or a file cannot be read or written.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitFailure = 2;

// A leading "+" taken off, so that "+0" reads as "-0" does; "+-1" keeps its
// "+" and is refused.
inline std::string_view WithoutPlusSign(std::string_view text) {
  if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+') text.remove_prefix(1);
  return text;
}

// The whole text as a decimal integer of the type (sign allowed), or nullopt
// for anything else, an empty text included, or a number out of the type's range.
template <typename Int>
std::optional<Int> ParseWholeNumber(std::string_view text) {
  text = WithoutPlusSign(text);
  Int value{};
  const char* last = text.data() + text.size();
  const auto [end, ec] = std::from_chars(text.data(), last, value);
  if (text.empty() || ec != std::errc{} || end != last) return std::nullopt;
  return value;
}

// The whole text as a finite decimal number (sign allowed), or nullopt for
// anything else, an empty text, "nan" and "inf" included.
std::optional<double> ParseDecimalNumber(std::string_view text);

// A key of the design's settings that an option sets once the design is
// prepared: what the sheet draws (the date lines, the nodus's height, …).
using DesignSetting = std::function<void(MainModel& model, std::ostream& err)>;

// An option that one command adds to the shared ones ("--save", "-o").
struct ExtraOptionSpec {
  std::string_view name;
  bool takesValue = true;
};

// The shared options as given; absent ones leave the start-up state alone.
struct CommonOptions {
  std::optional<std::string> document;  // a path ending in ".ufx"

  std::optional<double> latitude;
  std::optional<double> longitude;
  std::optional<double> timeZone;
  std::optional<std::string> name;
  std::optional<bool> compatible;
  std::optional<bool> leapYear;
  std::optional<int32_t> timeSystem;
  std::optional<bool> includeRiseSet;

  std::optional<bool> adjustEquation;
  std::optional<std::pair<int, int>> seasonDate;  // month, day

  std::optional<int32_t> season;
  std::optional<int16_t> day;

  std::optional<double> startTime;
  std::optional<double> endTime;
  std::optional<int16_t> interval;

  // The dial's plane: a preset, then the facing and tilt given.
  std::optional<PlanePreset> planePreset;
  std::optional<double> facing;
  std::optional<double> tilt;
  // The kind of dial, and an analemmatic dial's semi-major axis (millimetres).
  std::optional<DialKind> dialKind;
  std::optional<double> major;

  // The settings keys given (what the sheet draws), in the order given.
  std::vector<DesignSetting> drawing;
};

struct ParsedCommandLine {
  CommonOptions common;
  // The command's own options in the order given, with their values ("" for flags).
  std::vector<std::pair<std::string, std::string>> extras;
  // Words that are neither options nor the document ("eot").
  std::vector<std::string> positionals;

  // The value of the last occurrence of an extra option, if given.
  std::optional<std::string> Extra(std::string_view name) const;
};

// Parses the arguments after the command's name. On a usage error (unknown
// option, missing or malformed value, a second document) returns nullopt and
// sets `error` to a one-line reason.
std::optional<ParsedCommandLine> ParseCommandLine(const CommandArgs& args,
                                                  std::span<const ExtraOptionSpec> extras,
                                                  std::string& error);

// Brings a model from its start-up state to what the options describe:
// document, place and modes, date basis, ApplySeason, engine overrides of the
// day, time range. Failures print the system's description on `err` and give
// kExitFailure; success gives kExitOk.
int PrepareModel(MainModel& model, const CommonOptions& options, std::ostream& err);

// A command's own step between reading the arguments and preparing the
// model: it checks the command's own options and may set the model up (a
// printer) before the document is read. A non-empty reason ends the command
// with its usage.
using CommandSetUp = std::function<std::string(const ParsedCommandLine& parsed)>;

// Which --interval values a command takes: a dial's (10, 15, 20, 30, 60
// minutes) for every command that draws or saves a design, or the engine's
// (0 to 60) for the sun positions alone.
enum class IntervalRule { Dial, Engine };

// The start every command shares: parse with the command's own options,
// insist on exactly `wordCount` words besides them, prepare the model. Gives
// kExitOk with `parsed` filled, or the status the command ends with.
// ReadCommandWords is its first half. The set-up, when given, runs between
// the two halves.
int ReadCommandWords(const CommandArgs& args, std::span<const ExtraOptionSpec> extras,
                     std::size_t wordCount, std::string_view synopsis, ParsedCommandLine& parsed,
                     std::ostream& err, IntervalRule intervals = IntervalRule::Dial);
int StartCommand(const CommandArgs& args, std::span<const ExtraOptionSpec> extras,
                 std::size_t wordCount, std::string_view synopsis, MainModel& model,
                 ParsedCommandLine& parsed, std::ostream& err,
                 IntervalRule intervals = IntervalRule::Dial, const CommandSetUp& setUp = {});

// Whether the path's file name ends in the extension (any letter case) and
// has a name before it: ".csv" or "out/.csv" would make a hidden file.
bool NamesFileWithExtension(std::string_view path, std::string_view extension);

// The lines describing the shared options, for a command's usage text,
// without those of the names the command takes as its own (the clock's --size).
std::string CommonOptionsUsage(std::span<const std::string_view> own = {});

// Prints "usage: <synopsis>", the reason and the shared options; kExitUsage.
int PrintUsage(std::ostream& err, std::string_view synopsis, std::string_view reason);
