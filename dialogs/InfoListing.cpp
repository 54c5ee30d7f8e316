#include "InfoListing.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "AsciiText.h"
#include "Preferences.h"
#include "Chart.h"
#include "CompassDeclination.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The decimal after an angle text: "0.0#######" (one to eight decimals)
// followed by the unit, in parentheses. With `signedForm` a positive value
// gets "+", and zero has no sign; otherwise only negatives are marked.
std::string FormatDecimal(double value, std::string_view unit, bool signedForm) {
  char digits[64];
  std::snprintf(digits, sizeof digits, "%.8f", std::fabs(value));
  std::string text(digits);
  // Trailing zeros go, down to one decimal.
  const std::size_t point = text.find('.');
  std::size_t keep = text.size();
  while (keep > point + 2 && text[keep - 1] == '0') --keep;
  text.resize(keep);

  // The section is chosen by the rounded value, so that a tiny negative
  // number shown as zero carries no sign.
  const bool isZero = text.find_first_not_of("0.") == std::string::npos;
  std::string sign;
  if (!isZero && value < 0) {
    sign = "-";
  } else if (!isZero && signedForm) {
    sign = "+";
  }
  return "(" + sign + text + std::string(unit) + ")";
}

// Hours spelled out as "時間" in the value of a line (the label keeps its own).
std::string InHours(std::string text) {
  return ReplaceAll(std::move(text), "時", "時間");
}

std::string DegreesValue(Chart& chart, double value, std::string_view prefix) {
  return chart.FormatDegAngle(value, prefix, "度分秒") + FormatDecimal(value, "度", true);
}

std::string HoursValue(Chart& chart, double value) {
  return InHours(chart.FormatDegAngle(value, "+-", "時分秒") + FormatDecimal(value, "時", true));
}

std::string ClockValue(Chart& chart, double time) {
  return chart.FormatDegAngle(time, "-", ":: ") + FormatDecimal(time, "時", true);
}

std::string DaylightValue(Chart& chart, double hours) {
  return InHours(chart.FormatDegAngle(hours, "-", "時分秒") + FormatDecimal(hours, "時", false));
}

std::string MagneticDeclinationLine(Chart& chart, int year) {
  const CompassDeclination declination = CompassDeclinationOf(chart, year);
  std::string text = "磁気偏角: " + DegreesValue(chart, declination.west, "+-");
  if (!declination.model.empty()) text += " (" + std::string(declination.model) + ")";
  return text;
}

std::string DayLine(Chart& chart) {
  static constexpr std::array<std::string_view, 8> kSeasonPrefixes = {
      "季節: 立春(", "季節: 春分(", "季節: 立夏(", "季節: 夏至(",
      "季節: 立秋(", "季節: 秋分(", "季節: 立冬(", "季節: 冬至("};
  const auto& season = chart.Season();
  CalcDateArray monthDay{};
  if (!chart.ConvCalcDate(season.CalcDate(), monthDay).ok()) RaiseChartError(chart);
  char date[16];
  std::snprintf(date, sizeof date, "%d/%02d", monthDay[0], monthDay[1]);

  const int32_t calcSeason = season.CalcSeason();
  if (calcSeason >= 1 && calcSeason <= 8) {
    return std::string(kSeasonPrefixes[static_cast<std::size_t>(calcSeason - 1)]) + date + ")";
  }
  return std::string("日付: ") + date;
}

void AppendSunLines(Chart& chart, std::string& text) {
  const auto& season = chart.Season();
  const auto line = [&text](std::string_view content) {
    text += content;
    text += kLineEnd;
  };
  switch (season.NightState()) {
    case kNightStatePolarNight:
      line("日の出時刻: 極夜");
      line("日の入時刻: 極夜");
      line("可照時間: 0時間00分00秒");
      return;
    case kNightStateMidnightSun:
      line("日の出時刻: 白夜");
      line("日の入時刻: 白夜");
      break;
    default:
      line("日の出時刻: " + ClockValue(chart, season.SunRiseTime()));
      line("日の入時刻: " + ClockValue(chart, season.SunSetTime()));
      break;
  }
  line("可照時間: " + DaylightValue(chart, season.SunSetTime() - season.SunRiseTime()));
}

}  // namespace

std::string BuildInfoListing(Chart& chart, int year) {
  const auto& location = chart.Location();
  const auto& season = chart.Season();
  std::string text;
  const auto line = [&text](std::string_view content) {
    text += content;
    text += kLineEnd;
  };

  line("地域: " + location.Name());
  line("緯度: " + DegreesValue(chart, location.Latitude(), "南北"));
  line("経度: " + DegreesValue(chart, location.Longitude(), "東西"));
  line(MagneticDeclinationLine(chart, year));
  line("タイムゾーン: GMT" + chart.FormatDegAngle(location.TimeZone(), "+-", ": "));
  line("");
  line(DayLine(chart));
  line("太陽赤緯: " + DegreesValue(chart, season.SolarDeclination(), "+-"));
  line("均時差: " + HoursValue(chart, season.EquationOfTime()));
  line("標準時差: " + HoursValue(chart, season.TimeDiff()));
  AppendSunLines(chart, text);
  switch (chart.TimeSystem()) {
    case kTrueSolarTime:
      line("時刻方式: 真太陽時");
      break;
    case kMeanStandardTime:
      line("時刻方式: 中央標準時");
      break;
    default:
      break;
  }
  return text;
}

WindowPlacement LoadInfoWindowPlacement() {
  WindowPlacement placement{0, 0, 200, 200, kWindowNormal};
  LoadWindowPlacement(kInfoWindowSection, PlacementKeys::PositionSizeAndState, placement);
  return placement;
}

void SaveInfoWindowPlacement(const WindowPlacement& placement) {
  SaveWindowPlacement(kInfoWindowSection, PlacementKeys::PositionSizeAndState, placement);
}
