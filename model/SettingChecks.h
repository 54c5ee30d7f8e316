// The values a design may hold where the stored kind (an integer, a real)
// allows more than the setting means. Documents, preferences and the command
// line check with these before a value is used or saved.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "AnalemmaticDial.h"

// The values a numeric setting may take; each end belongs to the range
// unless it is open. Nothing outside, not a number above all, is contained.
struct ValueRange {
  double low;
  double high;
  bool lowOpen = false;
  bool highOpen = false;

  constexpr bool Contains(double value) const {
    const bool aboveLow = lowOpen ? value > low : value >= low;
    const bool belowHigh = highOpen ? value < high : value <= high;
    return aboveLow && belowHigh;
  }
};

// The ranges of the design's numeric keys, one table for documents,
// preferences, the command line and the options dialog (whose limits they
// are). The engine keeps its own checks of the place and the day; the
// ranges here match them so that a refusal can name the range.
inline constexpr ValueRange kNodusHeightRange{0, 1000};            // millimetres, 0 automatic
inline constexpr ValueRange kFaceSizeRange{0, 20000};              // millimetres, 0 fitted
inline constexpr ValueRange kDateLinesRange{0, 4};                 // none .. the design's day
inline constexpr ValueRange kHourCurvesRange{0, 2};                // none, whole, halves
inline constexpr ValueRange kLineWidthRange{0, 100, false, true};  // points
inline constexpr ValueRange kMaxPagesRange{1, 2};
inline constexpr ValueRange kTimeFormatRange{0, 1};
inline constexpr ValueRange kTimeSystemRange{0, 1};                // true solar, mean standard
inline constexpr ValueRange kColorRange{0, 0xFFFFFF};              // red, green, blue bytes
inline constexpr ValueRange kFontSizeRange{0, 2048, true, false};  // points
inline constexpr ValueRange kPlaneFacingRange{0, 360};             // 360 is north again
inline constexpr ValueRange kPlaneTiltRange{0, 180};
inline constexpr ValueRange kAnalemmaticMajorRange{10, 20000};  // millimetres, a desk to a square
inline constexpr ValueRange kLatitudeRange{-90, 90, true, true};
inline constexpr ValueRange kLongitudeRange{-180, 180, true, false};
inline constexpr ValueRange kTimeZoneRange{-12, 12};  // hours
inline constexpr ValueRange kCalcSeasonRange{0, 8};   // 0: the day, not a season
inline constexpr ValueRange kCalcDateRange{1, 366};   // 366 in a leap year only
inline constexpr ValueRange kSolarDeclinationRange{-23.45, 23.45};
inline constexpr ValueRange kEquationOfTimeRange{-20, 20, true, true};  // hours

// Minutes between the dial's hour lines.
inline constexpr std::array<int16_t, 5> kDialIntervals{10, 15, 20, 30, 60};

bool IsDialInterval(int minutes);
bool IsTimeSystem(int32_t value);
bool IsPlaneFacing(double degrees);
bool IsPlaneTilt(double degrees);
bool IsColorValue(int32_t value);

// The stored and typed names of the dial kinds ("gnomon", "analemmatic"), and
// the kind of such a name (letter case ignored).
const char* DialKindName(DialKind kind);
std::optional<DialKind> DialKindOfName(std::string_view name);

// What a refused value should have been: "must be from 0 to 1000".
std::string RangeText(const ValueRange& range);
std::string DialIntervalText();

// Raises "Invalid property value." (kInvalidPropertyValueError) unless valid.
void RequireValidValue(bool valid);
// Raises the same error with the range (RangeText) as its description.
void RequireInRange(double value, const ValueRange& range);
void RequireDialInterval(int minutes);
// Raises the same unless the text is free of control characters (line
// breaks above all), which would become lines of the file it is saved in.
void RequireSingleLineText(std::string_view text);
bool HasControlCharacters(std::string_view text);
// The text with each control character replaced by a space.
std::string WithoutControlCharacters(std::string_view text);
