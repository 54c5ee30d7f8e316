#include "ValueText.h"

#include <locale.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "NumberText.h"
#include "SettingChecks.h"
#include "UiText.h"

namespace {

constexpr const char* kSource = "Umbrafex";

[[noreturn]] void RaiseTypeMismatch() {
  RaiseError(kTypeMismatchError, kSource, TranslateText("Settings", "Type mismatch."));
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view s, std::size_t i) {
  while (i < s.size() && IsDigit(s[i])) ++i;
  return i;
}

// [+-] digits [. digits] [(e|E) [+-] digits], at least one mantissa digit.
bool IsDecimalNumber(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t end = SkipDigits(s, i);
  std::size_t mantissaDigits = end - i;
  i = end;
  if (i < s.size() && s[i] == '.') {
    std::size_t fracEnd = SkipDigits(s, i + 1);
    mantissaDigits += fracEnd - i - 1;
    i = fracEnd;
  }
  if (mantissaDigits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t expEnd = SkipDigits(s, i);
    if (expEnd == i) return false;
    i = expEnd;
  }
  return i == s.size();
}

// strtod in the C locale, whatever locale the program runs in.
double ParseCLocale(const std::string& text, bool& outOfRange) {
  static locale_t cLocale = ::newlocale(LC_ALL_MASK, "C", nullptr);
  errno = 0;
  double value = ::strtod_l(text.c_str(), nullptr, cLocale);
  outOfRange = errno == ERANGE;
  return value;
}

double RoundHalfEven(double value) {
  double floor = std::floor(value);
  double diff = value - floor;
  if (diff > 0.5) return floor + 1;
  if (diff < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

}  // namespace

void RaiseOverflow() {
  RaiseError(kOverflowNumber, kSource, kOverflowText);
}

double RoundFontSize(double points) {
  return RoundHalfEven(points * 10000) / 10000;
}

std::string BoolText(bool value) {
  return value ? "True" : "False";
}

std::string RealText(double value) {
  return FormatGeneralNumber(value);
}

std::string SizeText(double points) {
  return FormatGeneralNumber(points);
}

bool ParseBoolText(std::string_view text) {
  text = TrimText(text);
  if (EqualsIgnoringCase(text, "True")) return true;
  if (EqualsIgnoringCase(text, "False")) return false;
  return ParseRealText(text) != 0;
}

double ParseRealText(std::string_view text) {
  text = TrimText(text);
  if (!IsDecimalNumber(text)) RaiseTypeMismatch();
  bool outOfRange = false;
  double value = ParseCLocale(std::string(text), outOfRange);
  if (outOfRange && std::fabs(value) >= 1) RaiseOverflow();
  return outOfRange ? 0.0 : value;  // an underflow reads as zero
}

int32_t ParseInt32Text(std::string_view text) {
  double value = RoundHalfEven(ParseRealText(text));
  if (value < -2147483648.0 || value > 2147483647.0) RaiseOverflow();
  return static_cast<int32_t>(value);
}

int16_t ParseInt16Text(std::string_view text) {
  double value = RoundHalfEven(ParseRealText(text));
  if (value < -32768.0 || value > 32767.0) RaiseOverflow();
  return static_cast<int16_t>(value);
}

double ParseSizeText(std::string_view text) {
  double value = ParseRealText(text);
  RequireInRange(value, kFontSizeRange);
  return RoundFontSize(value);
}
