#include "InfoListing.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "AngleMarks.h"
#include "AngleText.h"
#include "AsciiText.h"
#include "Chart.h"
#include "CompassDeclination.h"
#include "Preferences.h"
#include "UiText.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The listing's units, in the forms of the program's language; English puts
// the hemisphere after the angle and a space before every parenthesis.
struct ListingForms {
  bool english;
  std::string_view degree;  // after a decimal angle
  std::string_view hour;    // after decimal hours
  std::string_view hours;   // after decimal hours of a length of time
  std::string_view open;    // before a parenthesis
};

ListingForms Forms() {
  if (TextLanguage() == UiLanguage::Japanese) return {false, "度", "時", "時間", "("};
  return {true, "°", " h", " h", " ("};
}

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
  return std::string(Forms().open) + sign + text + std::string(unit) + ")";
}

enum class AngleSign { Signed, Latitude, Longitude };

std::string AngleText(Chart& chart, double value, AngleSign style) {
  const ListingForms forms = Forms();
  if (!forms.english) {
    const std::string_view prefix = style == AngleSign::Latitude    ? "南北"
                                    : style == AngleSign::Longitude ? "東西"
                                                                    : "+-";
    return chart.FormatDegAngle(value, prefix, AngleMarks());
  }
  if (style == AngleSign::Signed) return chart.FormatDegAngle(value, "+-", AngleMarks());
  std::string text = chart.FormatDegAngle(std::fabs(value), "", AngleMarks());
  if (value != 0) {
    const bool north = style == AngleSign::Latitude;
    text += value > 0 ? (north ? " N" : " E") : (north ? " S" : " W");
  }
  return text;
}

std::string DegreesValue(Chart& chart, double value, AngleSign style) {
  return AngleText(chart, value, style) + FormatDecimal(value, Forms().degree, true);
}

// A length of time in hours, minutes and seconds: "+0時間02分08秒" or
// "+0 h 02 min 08 s".
std::string Duration(Chart& chart, double hours, bool signedForm) {
  const std::string_view prefix = signedForm ? "+-" : "-";
  if (!Forms().english) {
    return ReplaceAll(chart.FormatDegAngle(hours, prefix, "時分秒"), "時", "時間");
  }
  return chart.FormatDegAngleS(hours, 0, prefix) + " h " + chart.FormatDegAngleS(hours, 1, "") +
         " min " + chart.FormatDegAngleS(hours, 2, "") + " s";
}

std::string HoursValue(Chart& chart, double value) {
  return Duration(chart, value, true) + FormatDecimal(value, Forms().hours, true);
}

// Standard time less true solar time, with which of the two is ahead.
std::string TimeDiffValue(Chart& chart, double hours) {
  const std::string value = HoursValue(chart, hours);
  if (std::lround(hours * 3600) == 0) return value;
  return FillText(hours < 0 ? TranslateText("InfoListing", "%1, the clock behind the sundial")
                            : TranslateText("InfoListing", "%1, the clock ahead of the sundial"),
                  {value});
}

std::string ClockValue(Chart& chart, double time) {
  return chart.FormatDegAngle(time, "-", ":: ") + FormatDecimal(time, Forms().hour, true);
}

std::string DaylightValue(Chart& chart, double hours) {
  return Duration(chart, hours, false) + FormatDecimal(hours, Forms().hours, false);
}

std::string Labelled(const std::string& label, std::string_view value) {
  return label + ": " + std::string(value);
}

std::string MagneticDeclinationLine(Chart& chart, int year) {
  const CompassDeclination declination = CompassDeclinationOf(chart, year);
  // The side of true north in words, so the decimal is the size alone.
  std::string text =
      Labelled(TranslateText("InfoListing", "Magnetic declination"),
               MagneticDeclinationText(declination.west) +
                   FormatDecimal(std::fabs(declination.west), Forms().degree, false));
  if (!declination.model.empty()) text += " (" + std::string(declination.model) + ")";
  return text;
}

// "12/22" in Japanese, "December 22" in English.
std::string DateText(const CalcDateArray& monthDay) {
  static constexpr std::array<std::string_view, 12> kMonths = {
      "January", "February", "March",     "April",   "May",      "June",
      "July",    "August",   "September", "October", "November", "December"};
  char text[32];
  if (!Forms().english || monthDay[0] < 1 || monthDay[0] > 12) {
    std::snprintf(text, sizeof text, "%d/%02d", monthDay[0], monthDay[1]);
  } else {
    std::snprintf(text, sizeof text, "%s %d",
                  kMonths[static_cast<std::size_t>(monthDay[0] - 1)].data(), monthDay[1]);
  }
  return text;
}

std::string DayLine(Chart& chart) {
  static constexpr std::array<const char*, 8> kSeasons = {
      UMBRAFEX_TEXT_NOOP("InfoListing", "Start of spring"),
      UMBRAFEX_TEXT_NOOP("InfoListing", "Spring equinox"),
      UMBRAFEX_TEXT_NOOP("InfoListing", "Start of summer"),
      UMBRAFEX_TEXT_NOOP("InfoListing", "Summer solstice"),
      UMBRAFEX_TEXT_NOOP("InfoListing", "Start of autumn"),
      UMBRAFEX_TEXT_NOOP("InfoListing", "Autumn equinox"),
      UMBRAFEX_TEXT_NOOP("InfoListing", "Start of winter"),
      UMBRAFEX_TEXT_NOOP("InfoListing", "Winter solstice")};
  const auto& season = chart.Season();
  CalcDateArray monthDay{};
  if (!chart.ConvCalcDate(season.CalcDate(), monthDay).ok()) RaiseChartError(chart);
  const std::string date = DateText(monthDay);

  const int32_t calcSeason = season.CalcSeason();
  if (calcSeason >= 1 && calcSeason <= 8) {
    const char* name = kSeasons[static_cast<std::size_t>(calcSeason - 1)];
    return Labelled(TranslateText("InfoListing", "Season"),
                    TranslateText("InfoListing", name) + std::string(Forms().open) + date + ")");
  }
  return Labelled(TranslateText("InfoListing", "Date"), date);
}

std::string AlmanacLabel() {
  //: The upper limb of the sun on the horizon, with refraction.
  return TranslateText("InfoListing", "Sunrise and sunset (almanac)");
}

// The almanac's rise and set as clock times, or the words for a sun that
// stays down or up: near the polar circles they may differ from the
// geometric ones.
std::string AlmanacValue(Chart& chart) {
  const auto times = chart.Season().AlmanacRiseSetTimes();
  if (!times) return TranslateText("InfoListing", "Polar night");
  if (times->second - times->first >= 24) return TranslateText("InfoListing", "Midnight sun");
  return chart.FormatDegAngle(times->first, "-", ":: ") + " / " +
         chart.FormatDegAngle(times->second, "-", ":: ");
}

void AppendSunLines(Chart& chart, std::string& text) {
  const auto& season = chart.Season();
  const auto line = [&text](const std::string& label, std::string_view value) {
    text += Labelled(label, value);
    text += kLineEnd;
  };
  const std::string sunrise = TranslateText("InfoListing", "Sunrise");
  const std::string sunset = TranslateText("InfoListing", "Sunset");
  const std::string daylight = TranslateText("InfoListing", "Day length");
  switch (season.NightState()) {
    case kNightStatePolarNight: {
      const std::string polarNight = TranslateText("InfoListing", "Polar night");
      line(sunrise, polarNight);
      line(sunset, polarNight);
      line(AlmanacLabel(), AlmanacValue(chart));
      line(daylight, Duration(chart, 0, false));
      return;
    }
    case kNightStateMidnightSun: {
      const std::string midnightSun = TranslateText("InfoListing", "Midnight sun");
      line(sunrise, midnightSun);
      line(sunset, midnightSun);
      break;
    }
    default: {
      //: The sun's centre on the horizon, without refraction.
      const std::string geometric = TranslateText("InfoListing", "%1 (geometric)");
      line(sunrise, FillText(geometric, {ClockValue(chart, season.SunRiseTime())}));
      line(sunset, FillText(geometric, {ClockValue(chart, season.SunSetTime())}));
      break;
    }
  }
  line(AlmanacLabel(), AlmanacValue(chart));
  line(daylight, DaylightValue(chart, season.SunSetTime() - season.SunRiseTime()));
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

  line(Labelled(TranslateText("InfoListing", "Place"), location.Name()));
  line(Labelled(TranslateText("InfoListing", "Latitude"),
                DegreesValue(chart, location.Latitude(), AngleSign::Latitude)));
  line(Labelled(TranslateText("InfoListing", "Longitude"),
                DegreesValue(chart, location.Longitude(), AngleSign::Longitude)));
  line(MagneticDeclinationLine(chart, year));
  line(Labelled(TranslateText("InfoListing", "Time zone"),
                "GMT" + chart.FormatDegAngle(location.TimeZone(), "+-+", ": ")));
  line("");
  line(DayLine(chart));
  line(Labelled(TranslateText("InfoListing", "Solar declination"),
                DegreesValue(chart, season.SolarDeclination(), AngleSign::Signed)));
  line(Labelled(TranslateText("InfoListing", "Equation of time"),
                HoursValue(chart, season.EquationOfTime())));
  line(Labelled(TranslateText("InfoListing", "Difference from standard time"),
                TimeDiffValue(chart, season.TimeDiff())));
  AppendSunLines(chart, text);
  switch (chart.TimeSystem()) {
    case kTrueSolarTime:
      line(Labelled(TranslateText("InfoListing", "Time system"),
                    TranslateText("InfoListing", "True solar time")));
      break;
    case kMeanStandardTime:
      line(Labelled(TranslateText("InfoListing", "Time system"),
                    TranslateText("InfoListing", "Mean standard time")));
      break;
    default:
      break;
  }
  return text;
}

std::string BuildInfoListing(Chart& chart, int year, const PlaneOrientation& plane) {
  std::string text = BuildInfoListing(chart, year);
  if (plane.IsHorizontal()) return text;
  const double latitude = chart.Location().Latitude();
  const StyleGeometry style = StyleOf(PlaneOfOrientation(plane), latitude);
  const std::string_view degree = Forms().degree;
  auto degrees = [&](double value) { return TenthsText(value) + std::string(degree); };
  const auto line = [&text](const char* label, const std::string& value) {
    text += Labelled(TranslateText("InfoListing", label), value);
    text += kLineEnd;
  };
  text += kLineEnd;
  line(UMBRAFEX_TEXT_NOOP("InfoListing", "Facing"),
       degrees(plane.facing) + std::string(Forms().open) + CompassPointText(plane.facing) + ")");
  line(UMBRAFEX_TEXT_NOOP("InfoListing", "Tilt"), degrees(plane.tilt));
  line(UMBRAFEX_TEXT_NOOP("InfoListing", "Style height"), degrees(style.styleHeight));
  line(UMBRAFEX_TEXT_NOOP("InfoListing", "Substyle distance"), degrees(style.substyleDistance));
  line(UMBRAFEX_TEXT_NOOP("InfoListing", "Substyle hour angle"), degrees(style.substyleHourAngle));
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
