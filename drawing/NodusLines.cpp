#include "NodusLines.h"

#include <cmath>
#include <cstdio>

#include "Chart.h"
#include "DialWords.h"
#include "MathFunctions.h"
#include "PlaneDial.h"
#include "SolarFormulas.h"
#include "UiText.h"

namespace {

constexpr const char* kSeasonNames[8] = {UMBRAFEX_TEXT_NOOP("DialTexts", "Start of spring"),
                                         UMBRAFEX_TEXT_NOOP("DialTexts", "Spring equinox"),
                                         UMBRAFEX_TEXT_NOOP("DialTexts", "Start of summer"),
                                         UMBRAFEX_TEXT_NOOP("DialTexts", "Summer solstice"),
                                         UMBRAFEX_TEXT_NOOP("DialTexts", "Start of autumn"),
                                         UMBRAFEX_TEXT_NOOP("DialTexts", "Autumn equinox"),
                                         UMBRAFEX_TEXT_NOOP("DialTexts", "Start of winter"),
                                         UMBRAFEX_TEXT_NOOP("DialTexts", "Winter solstice")};

template <typename Enum>
Enum Choice(int32_t value, int32_t last) {
  return value >= 0 && value <= last ? static_cast<Enum>(value) : Enum{};
}

std::optional<int16_t> DesignDay(const Settings& settings, const Chart& chart) {
  if (!settings.season.adjustEquation) return std::nullopt;
  ErrorRecord error;
  int16_t day = 0;
  const CalcDateArray date{static_cast<int16_t>(settings.season.seasonDate.month),
                           static_cast<int16_t>(settings.season.seasonDate.day)};
  if (!ConvTotalDays(error, date, day, ToFlag(chart.LeapYear())).ok()) return std::nullopt;
  return day;
}

CalcDateArray MonthDay(const Chart& chart, int16_t day) {
  ErrorRecord error;
  CalcDateArray date{0, 0};
  if (!ConvCalcDate(error, day, date, ToFlag(chart.LeapYear())).ok()) RaiseRecorded(error);
  return date;
}

}  // namespace

NodusPlan PlanNodus(const Settings& settings, const Chart& chart, double faceRadius) {
  const DialOptionSettings& option = settings.dialOption;
  NodusPlan plan;
  plan.dates = Choice<DateLineSet>(option.dateLines, 4);
  if (chart.TimeSystem() == 1) plan.curves = Choice<HourCurveStyle>(option.hourCurves, 2);
  plan.faceRadius = faceRadius;
  const double latitude = chart.Location().Latitude();
  plan.styleTop = faceRadius * std::tan(DegToRad(std::fabs(latitude)));
  plan.automatic = !(option.nodusHeight > 0);
  plan.height = plan.automatic
                    ? AutomaticNodusHeight(HorizontalPlane(), latitude, faceRadius, plan.styleTop)
                    : option.nodusHeight;
  return plan;
}

namespace {

void TraceCurves(NodusCurves& result, const Settings& settings, Chart& chart) {
  const NodusPlan& plan = result.plan;
  for (const DateArc& arc : DateArcsOf(chart, plan.dates, DesignDay(settings, chart))) {
    result.dates.push_back(TraceDateLine(result.setting, *result.nodus, arc));
  }
  if (plan.curves != HourCurveStyle::None) {
    const CalcTimeSettings& range = settings.calcTime;
    for (double hour : WholeHoursOf(chart, range.startTime, range.endTime, range.interval)) {
      result.curves.push_back(TraceHourCurve(chart, result.setting, *result.nodus, hour));
    }
  }
}

}  // namespace

NodusCurves TraceNodusCurves(const Settings& settings, Chart& chart, double faceRadius) {
  NodusCurves result;
  result.plan = PlanNodus(settings, chart, faceRadius);
  const NodusPlan& plan = result.plan;
  result.setting = {HorizontalPlane(), chart.Location().Latitude(), plan.height, faceRadius, {}};
  if (!plan.Wanted() || !(plan.height > 0)) return result;
  result.nodus = NodusOnStyle(result.setting.plane, result.setting.latitude, plan.height);
  if (result.nodus) TraceCurves(result, settings, chart);
  return result;
}

NodusCurves TracePlaneNodusCurves(const Settings& settings, Chart& chart, const PlaneDial& dial) {
  NodusCurves result;
  result.plan = PlanNodus(settings, chart, 0);
  result.plan.height = dial.nodusHeight;
  result.plan.styleTop = dial.nodusHeight;
  result.setting = {dial.plane, dial.latitude, dial.nodusHeight, 0, dial.face};
  result.nodus = dial.nodus;
  if (result.plan.Wanted()) TraceCurves(result, settings, chart);
  return result;
}

std::string MonthDayKey(const Chart& chart, int16_t day) {
  const CalcDateArray date = MonthDay(chart, day);
  char text[8];
  std::snprintf(text, sizeof text, "%02d-%02d", date[0] % 100, date[1] % 100);
  return text;
}

std::string DateLabel(const Chart& chart, int16_t day) {
  ErrorRecord error;
  for (int season = 1; season <= 8; ++season) {
    int16_t seasonDay = 0;
    double declination = 0;
    if (GetSeasonSpec(error, season, seasonDay, declination).ok() && seasonDay == day) {
      return TranslateText("DialTexts", kSeasonNames[season - 1]);
    }
  }
  const CalcDateArray date = MonthDay(chart, day);
  return ShortMonthDayText(date[0], date[1]);
}

bool InFirstHalf(const Chart& chart, int16_t day) {
  return MonthDay(chart, day)[0] <= 6;
}
