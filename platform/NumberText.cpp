#include "NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

constexpr int kSignificantDigits = 15;

void StripTrailingZeros(std::string& digits) {
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
}

std::string ExponentForm(std::string_view digits, int exponent) {
  std::string text(1, digits[0]);
  if (digits.size() > 1) {
    text += '.';
    text += digits.substr(1);
  }
  char tail[16];
  std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
  return text + tail;
}

std::string FixedForm(std::string_view digits, int exponent) {
  if (exponent < 0)
    return "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + std::string(digits);
  const auto integerLength = static_cast<size_t>(exponent) + 1;
  std::string text(digits.substr(0, std::min(integerLength, digits.size())));
  if (digits.size() < integerLength) text.append(integerLength - digits.size(), '0');
  if (digits.size() > integerLength) {
    text += '.';
    text += digits.substr(integerLength);
  }
  return text;
}

}  // namespace

std::string FormatGeneralNumber(double value) {
  if (std::isnan(value)) return "-1.#IND";
  if (std::isinf(value)) return value < 0 ? "-1.#INF" : "1.#INF";
  if (value == 0) return "0";

  // d.dddddddddddddde+XX: the value rounded to 15 significant digits.
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, std::fabs(value));
  const std::string_view text(buffer);
  const size_t e = text.find('e');
  std::string digits = std::string(1, text[0]) + std::string(text.substr(2, e - 2));
  const int exponent = std::atoi(buffer + e + 1);
  StripTrailingZeros(digits);

  const std::string sign = value < 0 ? "-" : "";
  if (exponent >= kSignificantDigits || exponent < -4) return sign + ExponentForm(digits, exponent);
  return sign + FixedForm(digits, exponent);
}
