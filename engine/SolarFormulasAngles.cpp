// Decimal and sexagesimal angles, and their text.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "SolarFormulas.h"

namespace {

constexpr int32_t kMaxInt16 = 32767;

[[noreturn]] void RaiseOverflow(ErrorRecord& error, const char* source) {
  RaiseError(error, kOverflowNumber, source, kOverflowText);
}

// Splits UTF-8 text into its characters (each a view of its bytes).
std::vector<std::string_view> Characters(std::string_view text) {
  std::vector<std::string_view> chars;
  size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    size_t length = 1;
    if (lead >= 0xF0) {
      length = 4;
    } else if (lead >= 0xE0) {
      length = 3;
    } else if (lead >= 0xC0) {
      length = 2;
    }
    length = std::min(length, text.size() - i);
    chars.push_back(text.substr(i, length));
    i += length;
  }
  return chars;
}

std::string UpperAscii(std::string_view c) {
  std::string s(c);
  if (s.size() == 1 && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
  return s;
}

std::string_view TrimSpaces(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

struct SignWords {
  std::string_view positive;
  std::string_view negative;
  std::string zero;  // printed for an angle of exactly zero
};

SignWords SignWordsOf(std::string_view prefix) {
  const auto chars = Characters(prefix);
  std::string pair;
  for (size_t i = 0; i < chars.size() && i < 2; ++i) pair += UpperAscii(chars[i]);
  SignWords words{"", "-", chars.size() >= 3 ? std::string(chars[2]) : std::string()};
  if (pair == "+-" || pair == "-+") {
    words.positive = "+";
  } else if (pair == "NS" || pair == "SN") {
    words.positive = "N";
    words.negative = "S";
  } else if (pair == "EW" || pair == "WE") {
    words.positive = "E";
    words.negative = "W";
  } else if (pair == "北南" || pair == "南北") {
    words.positive = "北緯";
    words.negative = "南緯";
  } else if (pair == "東西" || pair == "西東") {
    words.positive = "東経";
    words.negative = "西経";
  }
  return words;
}

std::string TwoDigits(int32_t value) {
  std::string text = std::to_string(value);
  if (text.size() < 2) text.insert(0, 1, '0');
  return text;
}

struct DmsParts {
  std::string dd, mm, ss;
};

// |d|, |m|, |s| as text; the absolute values must fit a 16-bit integer.
DmsParts PartsOf(ErrorRecord& error, int32_t d, int32_t m, int32_t s, const char* source) {
  const int32_t ad = std::abs(d), am = std::abs(m), as = std::abs(s);
  if (ad > kMaxInt16 || am > kMaxInt16 || as > kMaxInt16) RaiseOverflow(error, source);
  return {std::to_string(ad), TwoDigits(am), TwoDigits(as)};
}

std::string Assemble(std::string_view sign, const DmsParts& parts, std::string_view units) {
  const auto chars = Characters(units);
  std::string text(sign);
  text += parts.dd;
  switch (chars.size()) {
    case 0:
      text += parts.mm;
      text += parts.ss;
      break;
    case 1:
      text += TrimSpaces(chars[0]);
      break;
    case 2:
      text += TrimSpaces(chars[0]);
      text += parts.mm;
      text += TrimSpaces(chars.back());
      break;
    default:
      text += TrimSpaces(chars[0]);
      text += parts.mm;
      text += TrimSpaces(chars[1]);
      text += parts.ss;
      text += TrimSpaces(chars.back());
      break;
  }
  return text;
}

std::string_view SignOfValue(double x, const SignWords& words) {
  if (x > 0) return words.positive;
  if (x < 0) return words.negative;
  return words.zero;
}

// The decimal angle converted, raising any conversion error.
DmsAngle ConvertOrRaise(ErrorRecord& error, double x) {
  DmsAngle dms{};
  if (!ConvDmsAngle(error, x, dms).ok()) RaiseRecorded(error);
  return dms;
}

}  // namespace

Status ConvDmsAngle(ErrorRecord& error, double degAngle, DmsAngle& dmsAngle) {
  error.Clear();
  return TrapStatus(error, [&] {
    constexpr const char* kSource = "mdlChartSolarlib.gConvDmsAngle";
    const int32_t sign = degAngle > 0 ? 1 : (degAngle < 0 ? -1 : 0);
    const double a = std::fabs(degAngle);
    if (!(a < kMaxInt16 + 1)) RaiseOverflow(error, kSource);
    int32_t d = static_cast<int32_t>(std::trunc(a));
    const double minutes = (a - d) * 60;
    int32_t m = static_cast<int32_t>(std::trunc(minutes));
    // nearbyint rounds a half to the even neighbour.
    int32_t s = static_cast<int32_t>(std::nearbyint((minutes - m) * 60));
    if (s >= 60) {
      s = 0;
      ++m;
    }
    if (m >= 60) {
      m = 0;
      ++d;
    }
    if (d > kMaxInt16) RaiseOverflow(error, kSource);
    if (d != 0) {
      dmsAngle = {static_cast<int16_t>(sign * d), static_cast<int16_t>(m),
                     static_cast<int16_t>(s)};
    } else if (m != 0) {
      dmsAngle = {0, static_cast<int16_t>(sign * m), static_cast<int16_t>(s)};
    } else {
      dmsAngle = {0, 0, static_cast<int16_t>(sign * s)};
    }
  });
}

Status ConvDegAngle(ErrorRecord& error, const DmsAngle& dmsAngle, double& degAngle) {
  error.Clear();
  return TrapStatus(error, [&] {
    constexpr const char* kSource = "mdlChartSolarlib.gConvDegAngle";
    // Every member is a 16-bit value: the magnitude of -32768 and a carry
    // into 32767 overflow, before any carry could hide them.
    const auto fitted = [&](int32_t value) {
      if (value > kMaxInt16) RaiseOverflow(error, kSource);
      return value;
    };
    int32_t d = fitted(std::abs(int32_t{dmsAngle[0]}));
    int32_t m = fitted(std::abs(int32_t{dmsAngle[1]}));
    int32_t s = fitted(std::abs(int32_t{dmsAngle[2]}));
    if (s >= 100) {
      s = 0;
      m = fitted(m + 1);
    }
    if (m >= 100) {
      m = 0;
      d = fitted(d + 1);
    }
    const bool negative = dmsAngle[0] < 0 || dmsAngle[1] < 0 || dmsAngle[2] < 0;
    degAngle = (m / 60.0 + d + s / 3600.0) * (negative ? -1 : 1);
  });
}

std::string FormatDmsAngle(ErrorRecord& error, std::span<const int16_t> dmsAngle,
                           std::string_view prefix, std::string_view units) {
  constexpr const char* kSource = "mdlChartSolarlib.gFormatDmsAngle";
  error.Clear();
  if (dmsAngle.size() < 3) {
    RaiseError(error, kSubscriptRangeNumber, kSource, kSubscriptRangeText);
  }
  const int32_t d = dmsAngle[0], m = dmsAngle[1], s = dmsAngle[2];
  const SignWords words = SignWordsOf(prefix);
  std::string_view sign = words.zero;
  if (d != 0 || m != 0 || s != 0)
    sign = (d < 0 || m < 0 || s < 0) ? words.negative : words.positive;
  return Assemble(sign, PartsOf(error, d, m, s, kSource), units);
}

std::string FormatDegAngle(ErrorRecord& error, double degAngle, std::string_view prefix,
                           std::string_view units) {
  std::string text;
  const Status status = TrapStatus(error, [&] {
    const DmsAngle dms = ConvertOrRaise(error, degAngle);
    const SignWords words = SignWordsOf(prefix);
    text = Assemble(SignOfValue(degAngle, words),
                    PartsOf(error, dms[0], dms[1], dms[2], "mdlChartSolarlib.gFormatDegAngle"),
                    units);
  });
  return status.ok() ? text : std::string();
}

std::string FormatDegAngleS(ErrorRecord& error, double degAngle, int32_t dmsMember,
                            std::string_view prefix) {
  std::string text;
  const Status status = TrapStatus(error, [&] {
    const DmsAngle dms = ConvertOrRaise(error, degAngle);
    const SignWords words = SignWordsOf(prefix);
    const DmsParts parts =
        PartsOf(error, dms[0], dms[1], dms[2], "mdlChartSolarlib.gFormatDegAngleS");
    switch (dmsMember) {
      case 0:
        text = std::string(SignOfValue(degAngle, words)) + parts.dd;
        break;
      case 1:
        text = parts.mm;
        break;
      case 2:
        text = parts.ss;
        break;
      default:
        break;
    }
  });
  return status.ok() ? text : std::string();
}
