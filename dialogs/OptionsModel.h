// What the options dialog edits, without the window: a working copy of the
// dial's and the desktop sundial's drawing groups and of the time zone, the
// tables that tie each list item to its colour and font keys, the checks of
// the typed values with their messages, and the defaults. Nothing reaches
// the design until StoreOptions runs on OK.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "SettingChecks.h"
#include "Settings.h"
#include "UiText.h"

class Chart;

// The dialog's texts, translated where they are shown.
inline constexpr std::string_view kOptionsCaption = UMBRAFEX_TEXT_NOOP("OptionsDialog", "Options");
inline constexpr std::string_view kTimeZoneMessage =
    UMBRAFEX_TEXT_NOOP("OptionsDialog", "Enter a time from -12:00 to 12:00.");
inline constexpr std::string_view kLineWidthMessage = UMBRAFEX_TEXT_NOOP(
    "OptionsDialog", "Enter a line width of at least 0.0 points and less than 100.0 points.");
inline constexpr std::string_view kNoFontMessage =
    UMBRAFEX_TEXT_NOOP("OptionsDialog", "No font is selected.");
inline constexpr std::string_view kNoFontSource = "frmMain.cmdDialFont";

inline constexpr int kOptionPageCount = 5;
inline constexpr std::array<std::string_view, kOptionPageCount> kOptionPageNames = {
    UMBRAFEX_TEXT_NOOP("OptionsDialog", "Sundial 1"),
    UMBRAFEX_TEXT_NOOP("OptionsDialog", "Sundial 2"),
    UMBRAFEX_TEXT_NOOP("OptionsDialog", "Desktop sundial"),
    UMBRAFEX_TEXT_NOOP("OptionsDialog", "Time zone"),
    UMBRAFEX_TEXT_NOOP("OptionsDialog", "Date lines and hour curves")};
inline constexpr int kTimeZoneOptionPage = 3;
inline constexpr int kNodusOptionPage = 4;

struct OptionSettings {
  DialOptionSettings dialOption;
  DialColorSettings dialColor;
  FontSpec dialOrientationFont;
  FontSpec dialTimeFont;
  FontSpec dialInformationFont;
  ClockOptionSettings clockOption;
  ClockColorSettings clockDayColor = kClockDayColorDefaults;
  ClockColorSettings clockNightColor = kClockNightColorDefaults;
  FontSpec clockOrientationFont;
  FontSpec clockTimeFont;
  FontSpec clockClockFont;
  double timeZone = 9;  // hours
};

// The design's current options.
OptionSettings LoadOptions(const Settings& settings, const Chart& chart);
// Writes every group back, then the time zone. False when the chart refused
// the zone: it then keeps its old one, and the groups are written all the same.
bool StoreOptions(const OptionSettings& options, Settings& settings, Chart& chart);
// The groups' defaults with the dial's own background picture and the given
// (the computer's) time zone.
OptionSettings DefaultOptions(double timeZone);

// One entry of a colour and font list: the keys of its line colour, fill
// colour, font and font colour; null where the item has none.
template <typename Colors>
struct ColorFontItem {
  std::string_view name;
  ColorRef Colors::*line;
  ColorRef Colors::*fill;
  FontSpec OptionSettings::*font;
  ColorRef Colors::*fontColor;
};
using DialItem = ColorFontItem<DialColorSettings>;
using ClockItem = ColorFontItem<ClockColorSettings>;

extern const std::array<DialItem, 8> kDialItems;
extern const std::array<ClockItem, 8> kClockItems;
inline constexpr std::array<std::string_view, 2> kClockRecordNames = {
    UMBRAFEX_TEXT_NOOP("OptionsDialog", "Daytime settings"),
    UMBRAFEX_TEXT_NOOP("OptionsDialog", "Night settings")};

inline ClockColorSettings& ClockColors(OptionSettings& options, bool night) {
  return night ? options.clockNightColor : options.clockDayColor;
}

// The time-zone group: signed whole hours, minutes, and the standard
// meridian ("+82度30分00秒", "+82°30′00″"); a zone of -12 lies on +180.
struct TimeZoneTexts {
  std::string hours;
  std::string minutes;
  std::string meridian;
};
TimeZoneTexts FormatTimeZone(Chart& chart, double zone);
// Whole hours (the sign taken from a "-" anywhere in the hours text, so
// "-0" and 30 is -0.5) and minutes 0..59; nullopt for anything that is no
// number or lies beyond -12:00..12:00.
std::optional<double> ParseTimeZone(std::string_view hours, std::string_view minutes);

// The zones a design takes, -12:00 to 12:00. The computer's own zone may lie
// beyond them (+13, +14 in the Pacific).
inline bool IsSettableTimeZone(double zone) {
  return zone >= -12 && zone <= 12;
}

// 0 <= width < 100 points; nullopt otherwise.
std::optional<double> ParseLineWidth(std::string_view text);
std::string FormatLineWidth(double width);  // "0.00"

// A typed value against the working copy: the text already shown for it, a
// new value taken into the copy, or refused (the copy kept as it was).
enum class TypedValue { Unchanged, Taken, Refused };
TypedValue TakeLineWidth(OptionSettings& options, std::string_view text);
TypedValue TakeTimeZone(OptionSettings& options, Chart& chart, std::string_view hours,
                        std::string_view minutes);

// The boxes' texts when OK is pressed.
struct TypedOptions {
  std::string lineWidth;
  std::string zoneHours;
  std::string zoneMinutes;
};
// What OK found, in the order it looks: the line width, then the time zone
// (not looked at after a refused width), then whether the design takes the
// zone (the defaults take the computer's, which it may not). OK stores only
// when none is refused.
struct TypedOutcome {
  TypedValue lineWidth = TypedValue::Unchanged;
  TypedValue timeZone = TypedValue::Unchanged;
  bool settableZone = true;
};
TypedOutcome TakeTypedOptions(OptionSettings& options, Chart& chart, const TypedOptions& typed);

// Where the background picture's preview draws a picture of that natural
// size (none: the whole box): scaled to fit the box less a 4-pixel margin,
// keeping its proportions, and centred.
struct PreviewFrame {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};
PreviewFrame PicturePreviewFrame(double width, double height, double boxWidth, double boxHeight);
// What the preview says when it shows no picture.
inline constexpr std::string_view kNoPictureText = UMBRAFEX_TEXT_NOOP("OptionsDialog", "(none)");
inline constexpr std::string_view kUnshownPictureText =
    UMBRAFEX_TEXT_NOOP("OptionsDialog", "Cannot be shown");

// The page-arrangement box: ticked for one page.
inline bool MergesPages(const DialOptionSettings& option) {
  return option.maxPages <= 1;
}

// A box of millimetres shows "" for 0 (automatic), else "12.5".
std::string FormatMillimetres(double value);
// The nodus's height box: empty (or 0) for the automatic height, otherwise
// millimetres above 0 and at most 1000; nullopt for anything else.
std::optional<double> ParseNodusHeight(std::string_view text);
// The face-size box: empty (or 0) for a face fitted to the paper, otherwise
// the face's width at 100 %, 10 to 20000 mm; nullopt for anything else.
std::optional<double> ParseFaceSize(std::string_view text);
// The choices of the date-line and hour-curve lists, in stored order.
inline constexpr int kDateLineChoices = static_cast<int>(kDateLinesRange.high) + 1;
inline constexpr int kHourCurveChoices = static_cast<int>(kHourCurvesRange.high) + 1;
