// Conversions between setting values and their text in documents and
// preferences. A text that is not a value of the wanted kind raises.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "AsciiText.h"
#include "EngineErrors.h"

// "Type mismatch.": a text that is no value of the wanted kind.
inline constexpr int32_t kTypeMismatchError = 13;
// "Invalid property value.": a value the setting cannot take.
inline constexpr int32_t kInvalidPropertyValueError = 380;

// The program's own overflow error (kOverflowNumber): a number outside the
// range of its kind.
[[noreturn]] void RaiseOverflow();
// Font sizes are kept to four decimals (halves to the even neighbour).
double RoundFontSize(double points);

// "True" or "False".
std::string BoolText(bool value);
// The general number-to-text form (34.65, 135, -999).
std::string RealText(double value);
// A font size: the shortest decimal form of its four-decimal value.
std::string SizeText(double points);

// Either word in any letter case, or a number (0 false, anything else true).
bool ParseBoolText(std::string_view text);
// A decimal number with "." and an optional exponent.
double ParseRealText(std::string_view text);
// A number rounded to the nearest integer, halves to even.
int32_t ParseInt32Text(std::string_view text);
int16_t ParseInt16Text(std::string_view text);
// A font size in points, rounded to four decimals; must be above 0 and at
// most 2048.
double ParseSizeText(std::string_view text);
