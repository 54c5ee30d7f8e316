#include "DesignOptions.h"

#include <algorithm>
#include <array>
#include <optional>
#include <ostream>
#include <utility>
#include <vector>

#include "CommonOptions.h"
#include "MainModel.h"
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

// A value of a fixed set of words: true for the first, false for the second.
bool ParseTwoWords(std::string_view text, bool& value, std::string_view yes, std::string_view no) {
  if (text != yes && text != no) return false;
  value = text == yes;
  return true;
}

bool ParseYesNo(std::string_view text, bool& value) {
  return ParseTwoWords(text, value, "yes", "no");
}

bool ParseOnOff(std::string_view text, bool& value) {
  return ParseTwoWords(text, value, "on", "off");
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

bool ParsePreset(std::string_view text, PlanePreset& value) {
  const auto preset = PresetOfName(text);
  if (preset) value = *preset;
  return preset.has_value();
}

bool ParseDialKind(std::string_view text, DialKind& value) {
  const auto kind = DialKindOfName(text);
  if (kind) value = *kind;
  return kind.has_value();
}

bool ParseMajor(std::string_view text, double& value) {
  return ParseDouble(text, value) && kAnalemmaticMajorRange.Contains(value);
}

// The place of the word among the words, as the design stores a choice.
template <std::size_t N>
auto ParseWordIndex(const std::array<std::string_view, N>& words) {
  return [words](std::string_view text, int32_t& value) {
    const auto found = std::find(words.begin(), words.end(), text);
    value = static_cast<int32_t>(found - words.begin());
    return found != words.end();
  };
}

// A face of 10 mm to 20 m: smaller is no dial, larger no longer a sheet's.
bool ParseFaceSize(std::string_view text, double& value) {
  return ParseDouble(text, value) && value >= 10 && kFaceSizeRange.Contains(value);
}

bool ParseNodusHeight(std::string_view text, double& value) {
  if (text == "auto") {
    value = 0;
    return true;
  }
  return ParseDouble(text, value) && kNodusHeightRange.Contains(value);
}

template <typename T, typename Parse>
DesignValueReader Into(std::optional<T> CommonOptions::*member, Parse parse) {
  return [member, parse](std::string_view text, CommonOptions& options) {
    T value{};
    if (!parse(text, value)) return false;
    options.*member = value;
    return true;
  };
}

DesignValueReader DoubleInto(std::optional<double> CommonOptions::*member) {
  return Into(member, ParseDouble);
}

DesignValueReader BoolInto(std::optional<bool> CommonOptions::*member) {
  return Into(member, ParseYesNo);
}

// A key of one of the design's settings groups, set once the design is
// prepared (after its document): a new stored option is one row with it.
template <typename Group, typename T, typename Parse>
DesignValueReader SettingInto(Group Settings::*group, T Group::*key, Parse parse) {
  return [group, key, parse](std::string_view text, CommonOptions& options) {
    T value{};
    if (!parse(text, value)) return false;
    options.drawing.push_back(
        [group, key, value](MainModel& model, std::ostream&) { model.*group.*key = value; });
    return true;
  };
}

// A key of what the sheet draws.
template <typename T, typename Parse>
DesignValueReader DrawingInto(T DialOptionSettings::*key, Parse parse) {
  return SettingInto(&Settings::dialOption, key, parse);
}

// The hour curves follow the mean time; a true-solar dial's hour lines are
// already where the sun is, which the user is told.
DesignValueReader HourCurvesInto() {
  static constexpr std::array<std::string_view, 3> kStyles = {"none", "full", "halves"};
  return [read = DrawingInto(&DialOptionSettings::hourCurves, ParseWordIndex(kStyles))](
             std::string_view text, CommonOptions& options) {
    if (!read(text, options)) return false;
    if (text == "none") return true;
    options.drawing.push_back([](MainModel& model, std::ostream& err) {
      if (model.Chart().TimeSystem() != kTrueSolarTime) return;
      err << "umbrafex: "
          << TranslateText(
                 "CommandLine",
                 "note: a true solar time dial has no hour curves; --hour-curves is ignored")
          << '\n';
    });
    return true;
  };
}

// An analemmatic dial is drawn to scale and set out at its --major; the
// user is told that the face's size does not apply to it.
DesignValueReader FaceSizeInto() {
  return [read = DrawingInto(&DialOptionSettings::faceSize, ParseFaceSize)](
             std::string_view text, CommonOptions& options) {
    if (!read(text, options)) return false;
    options.drawing.push_back([](MainModel& model, std::ostream& err) {
      if (!model.IsAnalemmatic()) return;
      err << "umbrafex: "
          << TranslateText("CommandLine",
                           "note: an analemmatic dial's size is its --major; --size is ignored")
          << '\n';
    });
    return true;
  };
}

constexpr std::array<std::string_view, 5> kDateLineSets = {"none", "seasons", "terms", "months",
                                                           "day"};

std::vector<DesignOptionRow> MakeTable() {
  return {
      {"--lat", "DEG", "latitude, north positive", DoubleInto(&CommonOptions::latitude)},
      {"--lon", "DEG", "longitude, east positive", DoubleInto(&CommonOptions::longitude)},
      {"--tz", "HOURS", "time zone, hours ahead of UTC", DoubleInto(&CommonOptions::timeZone)},
      {"--name", "TEXT", "place name",
       [](std::string_view text, CommonOptions& o) {
         o.name = std::string(text);
         return true;
       }},
      {"--compatible", "yes|no", "compatible equation-of-time formula",
       BoolInto(&CommonOptions::compatible)},
      {"--leap", "yes|no", "the year has 366 days", BoolInto(&CommonOptions::leapYear)},
      {"--time-system", "0|1", "0 true solar time, 1 mean standard time",
       Into(&CommonOptions::timeSystem,
            [](std::string_view text, int32_t& value) {
              return ParseInteger(text, value) &&
                     (value == kTrueSolarTime || value == kMeanStandardTime);
            })},
      {"--rise-set", "yes|no", "include the sunrise and sunset points",
       BoolInto(&CommonOptions::includeRiseSet)},
      {"--adjust", "yes|no", "correct the dial by the equation of time of --date",
       BoolInto(&CommonOptions::adjustEquation)},
      {"--date", "M/D", "the day of the date basis",
       Into(&CommonOptions::seasonDate, ParseMonthDay)},
      {"--season", "N", "season 1..8, or 0 to keep the day",
       Into(&CommonOptions::season, ParseInteger<int32_t>)},
      {"--day", "N", "day number 1..365 (366)", Into(&CommonOptions::day, ParseInteger<int16_t>)},
      {"--start", "H", "first hour line (-999: sunrise)", DoubleInto(&CommonOptions::startTime)},
      {"--end", "H", "last hour line (-999: sunset)", DoubleInto(&CommonOptions::endTime)},
      {"--interval", "MIN",
       "minutes between hour lines: 10, 15, 20, 30 or 60\n"
       "(solars: 0 to 60)",
       Into(&CommonOptions::interval, ParseInteger<int16_t>)},
      {"--plane", "P", "horizontal, vertical, polar or equatorial",
       Into(&CommonOptions::planePreset, ParsePreset)},
      {"--facing", "DEG|NAME",
       "the way the face looks: degrees from north through\n"
       "east (180 south), or N, NNE, ... NNW",
       Into(&CommonOptions::facing, ParseFacing)},
      {"--tilt", "DEG",
       "the face from the horizontal: 0 flat, 90 a wall,\n"
       "up to 180 facing down",
       Into(&CommonOptions::tilt, ParseTilt)},
      {"--dial", "KIND",
       "gnomon (the default) or analemmatic: hour points on\n"
       "an ellipse, a person or a pencil as the gnomon",
       Into(&CommonOptions::dialKind, ParseDialKind),
       UMBRAFEX_TEXT_NOOP("CommandLine", "--dial must be gnomon or analemmatic")},
      {"--major", "MM",
       "the analemmatic dial's semi-major axis at full size,\n"
       "10 to 20000 mm (default 2000)",
       Into(&CommonOptions::major, ParseMajor),
       UMBRAFEX_TEXT_NOOP("CommandLine", "--major must be from 10 to 20000 mm")},
      {"--date-lines", "none|seasons|terms|months|day",
       "date lines: none, the eight season days, the 24 solar terms,\n"
       "the first of each month, or the design's own day",
       DrawingInto(&DialOptionSettings::dateLines, ParseWordIndex(kDateLineSets)),
       UMBRAFEX_TEXT_NOOP("CommandLine",
                          "--date-lines must be none, seasons, terms, months or day")},
      {"--hour-curves", "none|full|halves", "mean-time hour curves (mean standard time only)",
       HourCurvesInto(),
       UMBRAFEX_TEXT_NOOP("CommandLine", "--hour-curves must be none, full or halves")},
      {"--nodus", "MM|auto",
       "the nodus's height above the dial, 0 to 1000 mm;\n"
       "0 or auto: chosen by the dial (default)",
       DrawingInto(&DialOptionSettings::nodusHeight, ParseNodusHeight),
       UMBRAFEX_TEXT_NOOP("CommandLine",
                          "--nodus must be a height in millimetres from 0 to 1000, or auto")},
      {"--scale-bar", "on|off", "the 100 mm scale bar on every page",
       DrawingInto(&DialOptionSettings::scaleBar, ParseOnOff),
       UMBRAFEX_TEXT_NOOP("CommandLine", "--scale-bar must be on or off")},
      {"--size", "MM",
       "the face's width at 100 % (a horizontal dial's outer\n"
       "ring), 10 to 20000 mm; export and print tile a face\n"
       "larger than the paper",
       FaceSizeInto(),
       UMBRAFEX_TEXT_NOOP("CommandLine", "--size must be a width from 10 to 20000 mm")},
      {"--summer-time", "yes|no", "a second row of hour numbers, an hour later",
       DrawingInto(&DialOptionSettings::summerTime, ParseYesNo),
       UMBRAFEX_TEXT_NOOP("CommandLine", "--summer-time must be yes or no")},
  };
}

// Where the help of an option starts, after "  --name FORM".
constexpr std::size_t kHelpColumn = 22;

}  // namespace

std::span<const DesignOptionRow> DesignOptionTable() {
  static const std::vector<DesignOptionRow> table = MakeTable();
  return table;
}

const DesignOptionRow* FindDesignOption(std::string_view name) {
  const auto table = DesignOptionTable();
  const auto found = std::find_if(table.begin(), table.end(),
                                  [&](const DesignOptionRow& row) { return row.name == name; });
  return found == table.end() ? nullptr : &*found;
}

std::string DesignOptionsUsage(std::span<const std::string_view> own) {
  const std::string indent(kHelpColumn, ' ');
  std::string text;
  for (const DesignOptionRow& row : DesignOptionTable()) {
    if (std::find(own.begin(), own.end(), row.name) != own.end()) continue;
    std::string head = "  " + std::string(row.name) + ' ' + std::string(row.valueForm);
    head += head.size() < kHelpColumn ? std::string(kHelpColumn - head.size(), ' ') : '\n' + indent;
    text += head;
    for (const char c : row.help) text += c == '\n' ? '\n' + indent : std::string(1, c);
    text += '\n';
  }
  return text;
}
