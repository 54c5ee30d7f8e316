#include "DialWords.h"

#include "Chart.h"
#include "UiText.h"

namespace {

// Degrees (or hours), minutes and seconds put into a translated pattern.
std::string DmsText(Chart& chart, double value, const char* signs, const std::string& pattern) {
  const std::string whole = chart.FormatDegAngleS(value, 0, signs);
  if (whole.empty()) return whole;
  return FillText(
      pattern, {whole, chart.FormatDegAngleS(value, 1, ""), chart.FormatDegAngleS(value, 2, "")});
}

constexpr const char* kMonthNames[12] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};

bool IsMonth(int month) {
  return month >= 1 && month <= 12;
}

}  // namespace

std::string AngleText(Chart& chart, double degrees, const char* signs) {
  //: Degrees, minutes and seconds of an angle.
  return DmsText(chart, degrees, signs, TranslateText("DialTexts", "%1°%2′%3″"));
}

std::string HoursText(Chart& chart, double hours) {
  //: Hours, minutes and seconds of a time difference.
  return DmsText(chart, hours, "+-", TranslateText("DialTexts", "%1h %2m %3s"));
}

std::string LatitudeText(Chart& chart, double latitude) {
  std::string angle = AngleText(chart, latitude, "+-");
  if (angle.empty() || latitude == 0) return angle;
  angle.erase(0, 1);  // the sign, which the hemisphere replaces
  return FillText(
      latitude > 0 ? TranslateText("DialTexts", "%1 N") : TranslateText("DialTexts", "%1 S"),
      {angle});
}

// The month by its name in English, by its number in Japanese.
std::string MonthDayText(int month, int day) {
  if (TextLanguage() == UiLanguage::Japanese) {
    return std::to_string(month) + "月" + std::to_string(day) + "日";
  }
  if (!IsMonth(month)) return std::to_string(month) + "/" + std::to_string(day);
  return kMonthNames[month - 1] + (" " + std::to_string(day));
}

std::string MonthName(int month) {
  if (!IsMonth(month)) return std::to_string(month);
  if (TextLanguage() == UiLanguage::Japanese) return std::to_string(month) + "月";
  return kMonthNames[month - 1];
}

std::string ShortMonthDayText(int month, int day) {
  if (TextLanguage() == UiLanguage::Japanese || !IsMonth(month)) {
    return std::to_string(month) + "/" + std::to_string(day);
  }
  return std::string(kMonthNames[month - 1], 3) + " " + std::to_string(day);
}
