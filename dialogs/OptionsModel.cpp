#include "OptionsModel.h"

#include <charconv>
#include <cstdlib>

#include "AngleMarks.h"
#include "Chart.h"
#include "Paths.h"

const std::array<DialItem, 8> kDialItems = {{
    {UMBRAFEX_TEXT_NOOP("OptionsDialog", "Dial face (outer)"), &DialColorSettings::timeLine,
     &DialColorSettings::timeFill, nullptr, nullptr},
    {UMBRAFEX_TEXT_NOOP("OptionsDialog", "Dial face (inner)"), &DialColorSettings::timeLine,
     &DialColorSettings::innerFill, nullptr, nullptr},
    {UMBRAFEX_TEXT_NOOP("OptionsDialog", "Compass points"), &DialColorSettings::orientationLine,
     nullptr, &OptionSettings::dialOrientationFont, &DialColorSettings::orientationFont},
    {UMBRAFEX_TEXT_NOOP("OptionsDialog", "Hours"), &DialColorSettings::hourLine, nullptr,
     &OptionSettings::dialTimeFont, &DialColorSettings::timeFont},
    {UMBRAFEX_TEXT_NOOP("OptionsDialog", "Minutes"), &DialColorSettings::minuteLine, nullptr,
     &OptionSettings::dialTimeFont, &DialColorSettings::timeFont},
    {UMBRAFEX_TEXT_NOOP("OptionsDialog", "Gnomon"), &DialColorSettings::gnomonLine,
     &DialColorSettings::gnomonFill, nullptr, nullptr},
    {UMBRAFEX_TEXT_NOOP("OptionsDialog", "Placement marks"), &DialColorSettings::markLine, nullptr,
     nullptr, nullptr},
    {UMBRAFEX_TEXT_NOOP("OptionsDialog", "Information"), nullptr, nullptr,
     &OptionSettings::dialInformationFont, &DialColorSettings::informationFont},
}};

const std::array<ClockItem, 8> kClockItems = {{
    {UMBRAFEX_TEXT_NOOP("OptionsDialog", "Dial face (outer)"), &ClockColorSettings::timeLine,
     &ClockColorSettings::timeFill, nullptr, nullptr},
    {UMBRAFEX_TEXT_NOOP("OptionsDialog", "Dial face (inner)"), nullptr,
     &ClockColorSettings::innerFill, nullptr, nullptr},
    {UMBRAFEX_TEXT_NOOP("OptionsDialog", "Compass points"), &ClockColorSettings::orientationLine,
     nullptr, &OptionSettings::clockOrientationFont, &ClockColorSettings::orientationFont},
    {UMBRAFEX_TEXT_NOOP("OptionsDialog", "Hours"), &ClockColorSettings::hourLine, nullptr,
     &OptionSettings::clockTimeFont, &ClockColorSettings::timeFont},
    {UMBRAFEX_TEXT_NOOP("OptionsDialog", "Minutes"), &ClockColorSettings::minuteLine, nullptr,
     &OptionSettings::clockTimeFont, &ClockColorSettings::timeFont},
    {UMBRAFEX_TEXT_NOOP("OptionsDialog", "Shadow"), &ClockColorSettings::shadowFill, nullptr,
     nullptr, nullptr},
    {UMBRAFEX_TEXT_NOOP("OptionsDialog", "Clock"), &ClockColorSettings::clockFont, nullptr,
     &OptionSettings::clockClockFont, &ClockColorSettings::clockFont},
    {UMBRAFEX_TEXT_NOOP("OptionsDialog", "Background"), &ClockColorSettings::background, nullptr,
     nullptr, nullptr},
}};

OptionSettings LoadOptions(const Settings& s, const Chart& chart) {
  return {s.dialOption,    s.dialColor,           s.dialOrientationFont,
          s.dialTimeFont,  s.dialInformationFont, s.clockOption,
          s.clockDayColor, s.clockNightColor,     s.clockOrientationFont,
          s.clockTimeFont, s.clockClockFont,      chart.Location().TimeZone()};
}

bool StoreOptions(const OptionSettings& o, Settings& s, Chart& chart) {
  s.dialOption = o.dialOption;
  s.dialColor = o.dialColor;
  s.dialOrientationFont = o.dialOrientationFont;
  s.dialTimeFont = o.dialTimeFont;
  s.dialInformationFont = o.dialInformationFont;
  s.clockOption = o.clockOption;
  s.clockDayColor = o.clockDayColor;
  s.clockNightColor = o.clockNightColor;
  s.clockOrientationFont = o.clockOrientationFont;
  s.clockTimeFont = o.clockTimeFont;
  s.clockClockFont = o.clockClockFont;
  return TrapStatus([&] { chart.Location().setTimeZone(o.timeZone); }).ok();
}

OptionSettings DefaultOptions(double timeZone) {
  const Settings defaults;
  OptionSettings options = LoadOptions(defaults, Chart());
  options.dialOption.picture = FindDataFile("bkgcolor.wmf");
  options.timeZone = timeZone;
  return options;
}

namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool IsDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// A whole number with an optional sign; its magnitude (capped, so that
// long digit runs cannot overflow and are refused by the ranges instead).
std::optional<int> WholeMagnitude(std::string_view text) {
  text = Trimmed(text);
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
  if (!IsDigits(text)) return std::nullopt;
  const std::size_t first = text.find_first_not_of('0');
  if (first == std::string_view::npos) return 0;
  text.remove_prefix(first);
  if (text.size() > 6) return 1000000;
  return std::atoi(std::string(text).c_str());
}

}  // namespace

TimeZoneTexts FormatTimeZone(Chart& chart, double zone) {
  const double meridian = zone == -12 ? 180 : 15 * zone;
  return {chart.FormatDegAngleS(zone, 0, "+-"), chart.FormatDegAngleS(zone, 1, ""),
          chart.FormatDegAngle(meridian, "+-", AngleMarks())};
}

std::optional<double> ParseTimeZone(std::string_view hours, std::string_view minutes) {
  const auto h = WholeMagnitude(hours);
  const auto m = WholeMagnitude(minutes);
  if (!h || !m || *h > 12 || *m > 59) return std::nullopt;
  // Minutes run from 0 to 59; only the hours carry the sign (a pasted
  // "-30" is no minute count).
  if (*m > 0 && minutes.find('-') != std::string_view::npos) return std::nullopt;
  // Whole minutes only, so 12:00 is the last zone and 12:01 is beyond it.
  if (*h * 60 + *m > 12 * 60) return std::nullopt;
  const double sign = hours.find('-') != std::string_view::npos ? -1 : 1;
  return sign * (*h + *m / 60.0);
}

std::optional<double> ParseLineWidth(std::string_view text) {
  text = Trimmed(text);
  std::string_view number = text;
  if (!number.empty() && number.front() == '+') number.remove_prefix(1);
  const std::size_t point = number.find('.');
  const std::string_view whole = number.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view{} : number.substr(point + 1);
  const bool wholeOk = whole.empty() || IsDigits(whole);
  const bool fractionOk = fraction.empty() || IsDigits(fraction);
  if (!wholeOk || !fractionOk || (whole.empty() && fraction.empty())) return std::nullopt;
  if (whole.size() > 6) return std::nullopt;
  double value = 0;
  std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::fixed);
  if (!kLineWidthRange.Contains(value)) return std::nullopt;
  return value;
}

TypedValue TakeLineWidth(OptionSettings& options, std::string_view text) {
  double& width = options.dialOption.lineWidth;
  if (text == FormatLineWidth(width)) return TypedValue::Unchanged;
  const auto typed = ParseLineWidth(text);
  if (!typed) return TypedValue::Refused;
  width = *typed;
  return TypedValue::Taken;
}

TypedValue TakeTimeZone(OptionSettings& options, Chart& chart, std::string_view hours,
                        std::string_view minutes) {
  const TimeZoneTexts shown = FormatTimeZone(chart, options.timeZone);
  if (hours == shown.hours && minutes == shown.minutes) return TypedValue::Unchanged;
  const auto zone = ParseTimeZone(hours, minutes);
  if (!zone) return TypedValue::Refused;
  options.timeZone = *zone;
  return TypedValue::Taken;
}

TypedOutcome TakeTypedOptions(OptionSettings& options, Chart& chart, const TypedOptions& typed) {
  TypedOutcome outcome;
  outcome.lineWidth = TakeLineWidth(options, typed.lineWidth);
  if (outcome.lineWidth == TypedValue::Refused) return outcome;
  outcome.timeZone = TakeTimeZone(options, chart, typed.zoneHours, typed.zoneMinutes);
  if (outcome.timeZone == TypedValue::Refused) return outcome;
  outcome.settableZone = IsSettableTimeZone(options.timeZone);
  return outcome;
}

PreviewFrame PicturePreviewFrame(double width, double height, double boxWidth, double boxHeight) {
  constexpr double kMargin = 4;
  if (width <= 0 || height <= 0) {
    width = boxWidth;
    height = boxHeight;
  }
  const double fitWidth = boxWidth - 2 * kMargin, fitHeight = boxHeight - 2 * kMargin;
  // The whole height when the width then still fits, else the whole width.
  double scaledWidth = fitHeight * width / height, scaledHeight = fitHeight;
  if (scaledWidth > fitWidth) {
    scaledWidth = fitWidth;
    scaledHeight = fitWidth * height / width;
  }
  return {(boxWidth - scaledWidth) / 2, (boxHeight - scaledHeight) / 2, scaledWidth, scaledHeight};
}

std::string FormatLineWidth(double width) {
  // Not printf: the desktop's locale may use a decimal comma.
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, width, std::chars_format::fixed, 2);
  return std::string(text, result.ptr);
}

namespace {

// Millimetres as a plain decimal ("12.5"), or 0 for an empty box; nullopt
// for anything else, or for a value outside `range` other than 0.
std::optional<double> ParseMillimetresOrEmpty(std::string_view text, ValueRange range) {
  text = Trimmed(text);
  if (text.empty()) return 0.0;
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
  if ((!whole.empty() && !IsDigits(whole)) || (!fraction.empty() && !IsDigits(fraction)) ||
      (whole.empty() && fraction.empty()) || whole.size() > 6) {
    return std::nullopt;
  }
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (value != 0 && !range.Contains(value)) return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> ParseNodusHeight(std::string_view text) {
  return ParseMillimetresOrEmpty(text, kNodusHeightRange);
}

std::optional<double> ParseFaceSize(std::string_view text) {
  return ParseMillimetresOrEmpty(text, {10, kFaceSizeRange.high});
}

std::string FormatMillimetres(double height) {
  if (!(height > 0)) return {};
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, height, std::chars_format::fixed, 1);
  return std::string(text, result.ptr);
}
