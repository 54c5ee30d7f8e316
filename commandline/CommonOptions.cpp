#include "CommonOptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <limits>
#include <ostream>

#include "AsciiText.h"
#include "MainModel.h"
#include "Paths.h"
#include "SettingChecks.h"
#include "UiText.h"

namespace {

bool ParseDouble(std::string_view text, double& value) {
  const std::optional<double> parsed = ParseDecimalNumber(text);
  if (parsed) value = *parsed;
  return parsed.has_value();
}

template <typename Int>
bool ParseInteger(std::string_view text, Int& value) {
  const std::optional<Int> parsed = ParseWholeNumber<Int>(text);
  if (parsed) value = *parsed;
  return parsed.has_value();
}

bool ParseYesNo(std::string_view text, bool& value) {
  if (text == "yes") {
    value = true;
    return true;
  }
  if (text == "no") {
    value = false;
    return true;
  }
  return false;
}

bool ParseMonthDay(std::string_view text, std::pair<int, int>& monthDay) {
  const auto slash = text.find('/');
  if (slash == std::string_view::npos) return false;
  return ParseInteger(text.substr(0, slash), monthDay.first) &&
         ParseInteger(text.substr(slash + 1), monthDay.second);
}

// Degrees from 0 to 360 (360 is north again) or one of the 16 compass names.
bool ParseFacing(std::string_view text, double& value) {
  if (const auto named = CompassAzimuth(text)) {
    value = *named;
    return true;
  }
  if (!ParseDouble(text, value) || !IsPlaneFacing(value)) return false;
  value = NormalizedAzimuth(value);
  return true;
}

bool ParseTilt(std::string_view text, double& value) {
  return ParseDouble(text, value) && IsPlaneTilt(value);
}

// A face of 10 mm to 20 m: smaller is no dial, larger no longer a sheet's.
bool ParseFaceSize(std::string_view text, double& value) {
  return ParseDouble(text, value) && value >= 10 && value <= 20000;
}

bool ParsePreset(std::string_view text, PlanePreset& value) {
  const auto preset = PresetOfName(text);
  if (preset) value = *preset;
  return preset.has_value();
}

// Each shared option reads its value into the options; false for a value
// that is not of the option's kind.
using ValueReader = std::function<bool(std::string_view, CommonOptions&)>;

template <typename T, typename Parse>
ValueReader Into(std::optional<T> CommonOptions::*member, Parse parse) {
  return [member, parse](std::string_view text, CommonOptions& options) {
    T value{};
    if (!parse(text, value)) return false;
    options.*member = value;
    return true;
  };
}

ValueReader DoubleInto(std::optional<double> CommonOptions::*member) {
  return Into(member, ParseDouble);
}

ValueReader BoolInto(std::optional<bool> CommonOptions::*member) {
  return Into(member, ParseYesNo);
}

struct CommonOptionEntry {
  std::string_view name;
  ValueReader read;
};

const std::vector<CommonOptionEntry>& CommonOptionTable() {
  static const std::vector<CommonOptionEntry> table = {
      {"--lat", DoubleInto(&CommonOptions::latitude)},
      {"--lon", DoubleInto(&CommonOptions::longitude)},
      {"--tz", DoubleInto(&CommonOptions::timeZone)},
      {"--name",
       [](std::string_view text, CommonOptions& o) {
         o.name = std::string(text);
         return true;
       }},
      {"--compatible", BoolInto(&CommonOptions::compatible)},
      {"--leap", BoolInto(&CommonOptions::leapYear)},
      {"--time-system", Into(&CommonOptions::timeSystem,
                             [](std::string_view text, int32_t& value) {
                               return ParseInteger(text, value) &&
                                      (value == kTrueSolarTime || value == kMeanStandardTime);
                             })},
      {"--rise-set", BoolInto(&CommonOptions::includeRiseSet)},
      {"--adjust", BoolInto(&CommonOptions::adjustEquation)},
      {"--date", Into(&CommonOptions::seasonDate, ParseMonthDay)},
      {"--season", Into(&CommonOptions::season, ParseInteger<int32_t>)},
      {"--day", Into(&CommonOptions::day, ParseInteger<int16_t>)},
      {"--start", DoubleInto(&CommonOptions::startTime)},
      {"--end", DoubleInto(&CommonOptions::endTime)},
      {"--interval", Into(&CommonOptions::interval, ParseInteger<int16_t>)},
      {"--plane", Into(&CommonOptions::planePreset, ParsePreset)},
      {"--facing", Into(&CommonOptions::facing, ParseFacing)},
      {"--tilt", Into(&CommonOptions::tilt, ParseTilt)},
      {"--size", Into(&CommonOptions::faceSize, ParseFaceSize)},
  };
  return table;
}

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
  if (o.faceSize) model.dialOption.faceSize = *o.faceSize;
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
  const auto& table = CommonOptionTable();
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    const bool hasNext = i + 1 < args.size();

    // A command's own option of a shared name (the clock's --size in pixels) wins.
    const bool own = std::any_of(extras.begin(), extras.end(),
                                 [&](const ExtraOptionSpec& e) { return e.name == word; });
    const auto common = std::find_if(table.begin(), table.end(),
                                     [&](const CommonOptionEntry& e) { return e.name == word; });
    if (!own && common != table.end()) {
      if (!hasNext) {
        error = "option " + word + " needs a value";
        return std::nullopt;
      }
      const std::string& value = args[++i];
      // Such a text would become lines of a saved document.
      if (HasControlCharacters(value)) {
        error = "option " + word + ": line breaks and other control characters are not allowed";
        return std::nullopt;
      }
      if (!common->read(value, parsed.common)) {
        error = "option " + word + ": invalid value \"" + value + "\"";
        return std::nullopt;
      }
      continue;
    }

    const auto extra = std::find_if(extras.begin(), extras.end(),
                                    [&](const ExtraOptionSpec& e) { return e.name == word; });
    if (extra != extras.end()) {
      if (extra->takesValue && !hasNext) {
        error = "option " + word + " needs a value";
        return std::nullopt;
      }
      parsed.extras.emplace_back(word, extra->takesValue ? args[++i] : std::string());
      continue;
    }

    if (word.size() > 1 && word[0] == '-') {
      error = "unknown option " + word;
      return std::nullopt;
    }
    if (EndsWithIgnoringCase(word, ".ufx")) {
      if (parsed.common.document) {
        error = "only one document may be given";
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
    return PrintUsage(err, synopsis, "unexpected argument " + result->positionals[wordCount]);
  }
  if (result->positionals.size() < wordCount) return PrintUsage(err, synopsis, "missing argument");
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

std::string_view CommonOptionsUsage() {
  return "options:\n"
         "  DOC.ufx             settings document to start from\n"
         "  --lat DEG           latitude, north positive\n"
         "  --lon DEG           longitude, east positive\n"
         "  --tz HOURS          time zone, hours ahead of UTC\n"
         "  --name TEXT         place name\n"
         "  --compatible yes|no compatible equation-of-time formula\n"
         "  --leap yes|no       the year has 366 days\n"
         "  --time-system 0|1   0 true solar time, 1 mean standard time\n"
         "  --rise-set yes|no   include the sunrise and sunset points\n"
         "  --adjust yes|no     correct the dial by the equation of time of --date\n"
         "  --date M/D          the day of the date basis\n"
         "  --season N          season 1..8, or 0 to keep the day\n"
         "  --day N             day number 1..365 (366)\n"
         "  --start H           first hour line (-999: sunrise)\n"
         "  --end H             last hour line (-999: sunset)\n"
         "  --interval MIN      minutes between hour lines: 10, 15, 20, 30 or 60\n"
         "                      (solars: 0 to 60)\n"
         "  --plane P           horizontal, vertical, polar or equatorial\n"
         "  --facing DEG|NAME   the way the face looks: degrees from north through\n"
         "                      east (180 south), or N, NNE, ... NNW\n"
         "  --tilt DEG          the face from the horizontal: 0 flat, 90 a wall,\n"
         "                      up to 180 facing down\n"
         "  --size MM           the face's width at 100 % (a horizontal dial's outer\n"
         "                      ring), 10 to 20000; larger than the paper needs --tiles\n";
}

int PrintUsage(std::ostream& err, std::string_view synopsis, std::string_view reason) {
  if (!reason.empty()) err << "umbrafex: " << reason << '\n';
  err << "usage: " << synopsis << '\n' << CommonOptionsUsage();
  return kExitUsage;
}
