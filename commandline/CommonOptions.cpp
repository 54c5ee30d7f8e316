#include "CommonOptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <limits>
#include <ostream>

#include "AsciiText.h"
#include "DesignOptions.h"
#include "MainModel.h"
#include "Paths.h"
#include "SettingChecks.h"
#include "UiText.h"

namespace {

// The location and mode options; the engine raises on values it refuses.
void ApplyPlaceAndModes(Chart& chart, const CommonOptions& o) {
  auto& location = chart.Location();
  if (o.latitude) location.setLatitude(*o.latitude);
  if (o.longitude) location.setLongitude(*o.longitude);
  if (o.timeZone) location.setTimeZone(*o.timeZone);
  if (o.name) location.setName(*o.name);
  if (o.compatible) chart.setCompatible(*o.compatible);
  if (o.leapYear) chart.setLeapYear(*o.leapYear);
  if (o.timeSystem) chart.setTimeSystem(*o.timeSystem);
  if (o.includeRiseSet) chart.setIncludeRiseSet(*o.includeRiseSet);
}

void ApplyDateBasis(MainModel& model, const CommonOptions& o) {
  if (o.adjustEquation) model.season.adjustEquation = *o.adjustEquation;
  if (o.seasonDate) {
    model.season.seasonDate.month = o.seasonDate->first;
    model.season.seasonDate.day = o.seasonDate->second;
  }
}

// The day number of a --date, raising the engine's error for a date the
// chart's year does not have (2/30, or 2/29 outside a leap year).
int16_t DayOfDate(Chart& chart, std::pair<int, int> monthDay) {
  // Beyond any month or day, yet still a 16-bit number for the engine.
  const auto part = [](int value) { return static_cast<int16_t>(std::clamp(value, -1, 99)); };
  int16_t day = 0;
  if (!chart.ConvTotalDays({part(monthDay.first), part(monthDay.second)}, day).ok())
    RaiseChartError(chart);
  return day;
}

// --season 0 keeps the design's day, which a date given then names; the
// equation of time follows --adjust as a document's day does.
void ApplyDayOverrides(MainModel& model, const CommonOptions& o) {
  ChartSeason& season = model.Chart().Season();
  if (o.season) season.setCalcSeason(*o.season);
  if (o.season == 0 && o.seasonDate && !o.day && !model.season.adjustEquation) {
    season.setCalcDate(DayOfDate(model.Chart(), *o.seasonDate));
    season.setEquationOfTime(0);
  }
  if (o.day) season.setCalcDate(*o.day);
}

// A date that a season or a day number overrides is said to have no effect.
void NoteUnusedDate(const CommonOptions& o, std::ostream& err) {
  if (!o.seasonDate) return;
  std::string overriding;
  if (o.day)
    overriding = "--day " + std::to_string(*o.day);
  else if (o.season && *o.season != 0)
    overriding = "--season " + std::to_string(*o.season);
  if (overriding.empty()) return;
  err << "umbrafex: "
      << FillText(TranslateText("CommandLine", "note: --date has no effect with %1"), {overriding})
      << '\n';
}

void ApplyTimeRange(MainModel& model, const CommonOptions& o) {
  if (o.startTime) model.calcTime.startTime = *o.startTime;
  if (o.endTime) model.calcTime.endTime = *o.endTime;
  if (o.interval) model.calcTime.interval = *o.interval;
}

// The plane options after the place, whose latitude the presets follow. A
// wall with no facing given looks toward the equator.
void ApplyPlane(MainModel& model, const CommonOptions& o) {
  const double latitude = model.Chart().Location().Latitude();
  PlaneOrientation& plane = model.dialPlane;
  if (o.planePreset) {
    double facing = plane.facing;
    if (plane.IsHorizontal() && !o.facing) facing = latitude < 0 ? 0 : 180;
    plane = PresetOrientation(*o.planePreset, latitude, facing);
  }
  if (o.facing) plane.facing = *o.facing;
  if (o.tilt) plane.tilt = *o.tilt;
  if (o.dialKind) model.dialKind = *o.dialKind;
  if (o.major) model.analemmaticMajor = *o.major;
}

const std::string& ModelErrorText(const MainModel& model) {
  return model.lastError.description.empty() ? model.Chart().ErrDescription()
                                             : model.lastError.description;
}

}  // namespace

std::optional<double> ParseDecimalNumber(std::string_view text) {
  text = WithoutPlusSign(text);
  if (text.empty()) return std::nullopt;
  double value = 0;
  const char* last = text.data() + text.size();
  const auto [end, ec] = std::from_chars(text.data(), last, value);
  if (ec != std::errc{} || end != last || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<std::string> ParsedCommandLine::Extra(std::string_view name) const {
  std::optional<std::string> value;
  for (const auto& [option, text] : extras) {
    if (option == name) value = text;
  }
  return value;
}

std::optional<ParsedCommandLine> ParseCommandLine(const CommandArgs& args,
                                                  std::span<const ExtraOptionSpec> extras,
                                                  std::string& error) {
  ParsedCommandLine parsed;
  const auto say = [&](const char* reason, std::initializer_list<std::string_view> values) {
    error = FillText(TranslateText("CommandLine", reason), values);
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    const bool hasNext = i + 1 < args.size();

    // A command's own option of a shared name (the clock's --size in pixels) wins.
    const bool own = std::any_of(extras.begin(), extras.end(),
                                 [&](const ExtraOptionSpec& e) { return e.name == word; });
    if (const DesignOptionRow* design = own ? nullptr : FindDesignOption(word)) {
      if (!hasNext) {
        say(UMBRAFEX_TEXT_NOOP("CommandLine", "option %1 needs a value"), {word});
        return std::nullopt;
      }
      const std::string& value = args[++i];
      // Such a text would become lines of a saved document.
      if (HasControlCharacters(value)) {
        say(UMBRAFEX_TEXT_NOOP(
                "CommandLine",
                "option %1: line breaks and other control characters are not allowed"),
            {word});
        return std::nullopt;
      }
      if (!design->read(value, parsed.common)) {
        if (*design->refusal != '\0')
          say(design->refusal, {});
        else
          say(UMBRAFEX_TEXT_NOOP("CommandLine", "option %1: invalid value \"%2\""), {word, value});
        return std::nullopt;
      }
      continue;
    }

    const auto extra = std::find_if(extras.begin(), extras.end(),
                                    [&](const ExtraOptionSpec& e) { return e.name == word; });
    if (extra != extras.end()) {
      if (extra->takesValue && !hasNext) {
        say(UMBRAFEX_TEXT_NOOP("CommandLine", "option %1 needs a value"), {word});
        return std::nullopt;
      }
      parsed.extras.emplace_back(word, extra->takesValue ? args[++i] : std::string());
      continue;
    }

    if (word.size() > 1 && word[0] == '-') {
      say(UMBRAFEX_TEXT_NOOP("CommandLine", "unknown option %1"), {word});
      return std::nullopt;
    }
    if (EndsWithIgnoringCase(word, ".ufx")) {
      if (parsed.common.document) {
        say(UMBRAFEX_TEXT_NOOP("CommandLine", "only one document may be given"), {});
        return std::nullopt;
      }
      parsed.common.document = word;
      continue;
    }
    parsed.positionals.push_back(word);
  }
  return parsed;
}

int PrepareModel(MainModel& model, const CommonOptions& options, std::ostream& err) {
  if (options.document && !model.OpenDocument(*options.document).ok()) {
    err << model.lastError.description << '\n';
    return kExitFailure;
  }
  ErrorRecord refused;
  bool seasonApplied = false;
  const Status status = TrapStatus(refused, [&] {
    ApplyPlaceAndModes(model.Chart(), options);
    // Every date given is checked, whether or not the design then uses it.
    if (options.seasonDate) static_cast<void>(DayOfDate(model.Chart(), *options.seasonDate));
    ApplyPlane(model, options);
    ApplyDateBasis(model, options);
    seasonApplied = model.ApplySeason().ok();
    if (seasonApplied) ApplyDayOverrides(model, options);
  });
  if (!status.ok()) {
    err << refused.description << '\n';
    return kExitFailure;
  }
  if (!seasonApplied) {
    err << ModelErrorText(model) << '\n';
    return kExitFailure;
  }
  ApplyTimeRange(model, options);
  for (const DesignSetting& set : options.drawing) set(model, err);
  NoteUnusedDate(options, err);
  return kExitOk;
}

int ReadCommandWords(const CommandArgs& args, std::span<const ExtraOptionSpec> extras,
                     std::size_t wordCount, std::string_view synopsis, ParsedCommandLine& parsed,
                     std::ostream& err, IntervalRule intervals) {
  std::string reason;
  auto result = ParseCommandLine(args, extras, reason);
  if (!result) return PrintUsage(err, synopsis, reason);
  // A number the dial does not take is a refused value, as the engine's
  // refusal of one for the sun positions is.
  if (const auto interval = result->common.interval;
      interval && intervals == IntervalRule::Dial && !IsDialInterval(*interval)) {
    err << "umbrafex: --interval " << *interval << ": " << DialIntervalText() << '\n';
    return kExitFailure;
  }
  if (result->positionals.size() > wordCount) {
    return PrintUsage(err, synopsis,
                      FillText(TranslateText("CommandLine", "unexpected argument %1"),
                               {result->positionals[wordCount]}));
  }
  if (result->positionals.size() < wordCount)
    return PrintUsage(err, synopsis, TranslateText("CommandLine", "missing argument"));
  parsed = std::move(*result);
  return kExitOk;
}

int StartCommand(const CommandArgs& args, std::span<const ExtraOptionSpec> extras,
                 std::size_t wordCount, std::string_view synopsis, MainModel& model,
                 ParsedCommandLine& parsed, std::ostream& err, IntervalRule intervals,
                 const CommandSetUp& setUp) {
  if (const int status =
          ReadCommandWords(args, extras, wordCount, synopsis, parsed, err, intervals);
      status != kExitOk) {
    return status;
  }
  if (const std::string refused = setUp ? setUp(parsed) : ""; !refused.empty()) {
    return PrintUsage(err, synopsis, refused);
  }
  return PrepareModel(model, parsed.common, err);
}

bool NamesFileWithExtension(std::string_view path, std::string_view extension) {
  const std::string name = GetFileName(path);
  return name.size() > extension.size() && EndsWithIgnoringCase(name, extension);
}

std::string CommonOptionsUsage(std::span<const std::string_view> own) {
  return "options:\n"
         "  DOC.ufx             settings document to start from\n" +
         DesignOptionsUsage(own);
}

int PrintUsage(std::ostream& err, std::string_view synopsis, std::string_view reason) {
  if (!reason.empty()) err << "umbrafex: " << reason << '\n';
  err << "usage: " << synopsis << '\n' << CommonOptionsUsage();
  return kExitUsage;
}
