#include "WallModel.h"

#include <cmath>
#include <cstdio>

#include "AngleText.h"
#include "ClockModel.h"
#include "FormBoxes.h"
#include "MainModel.h"
#include "UiText.h"
#include "WallMeasurement.h"

namespace {

using std::chrono::local_days;
using std::chrono::year_month_day;

// "H:MM" or "HH:MM", 00:00 to 23:59, as hours.
std::optional<double> ReadClockTime(const std::string& typed) {
  const std::string text = NarrowDigits(typed);
  const std::size_t first = text.find_first_not_of(' ');
  const std::size_t last = text.find_last_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const std::string time = text.substr(first, last - first + 1);
  const std::size_t colon = time.find(':');
  if (colon == std::string::npos || colon == 0 || colon > 2 || time.size() != colon + 3) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < time.size(); ++i) {
    if (i != colon && (time[i] < '0' || time[i] > '9')) return std::nullopt;
  }
  const int hours = std::stoi(time.substr(0, colon));
  const int minutes = std::stoi(time.substr(colon + 1));
  if (hours > 23 || minutes > 59) return std::nullopt;
  return hours + minutes / 60.0;
}

// A whole number from 1 to 31, as a month or a day may be.
std::optional<unsigned> ReadDayOrMonth(const std::string& text) {
  const auto value = ReadNumber(text);
  if (!value || *value != std::floor(*value) || *value < 1 || *value > 31) return std::nullopt;
  return static_cast<unsigned>(*value);
}

// An azimuth to the tenth shown, 359.96 being north again.
double AzimuthToTenth(double azimuth) {
  const double tenths = std::round(azimuth * 10) / 10;
  return tenths >= 360 ? tenths - 360 : tenths;
}

std::string TwoDigits(long value) {
  char text[24];  // room for any long, though minutes and hours need two
  std::snprintf(text, sizeof text, "%02ld", value);
  return text;
}

}  // namespace

WallPlace WallPlaceOf(const MainModel& model) {
  const ChartLocation& location = model.Chart().Location();
  return {location.Name(), location.Latitude(), location.Longitude(), location.TimeZone(),
          model.Chart().Compatible()};
}

WallModel WallModelNow(const MainModel& model) {
  return WallModel(WallPlaceOf(model), ZoneStandardTime(model.Chart(), SystemUtcNow()));
}

WallModel::WallModel(WallPlace place, std::chrono::local_seconds start) : place_(std::move(place)) {
  const local_days day = std::chrono::floor<std::chrono::days>(start);
  const year_month_day date{day};
  const std::chrono::hh_mm_ss time{start - day};
  year_ = static_cast<int>(date.year());
  text_[static_cast<std::size_t>(WallBox::Month)] = std::to_string(unsigned(date.month()));
  text_[static_cast<std::size_t>(WallBox::Day)] = TwoDigits(unsigned(date.day()));
  text_[static_cast<std::size_t>(WallBox::Time)] =
      TwoDigits(time.hours().count()) + ":" + TwoDigits(time.minutes().count());
  Compute();
}

void WallModel::setText(WallBox box, std::string text) {
  text_[static_cast<std::size_t>(box)] = std::move(text);
  Compute();
}

std::string WallModel::PlaceText() const {
  const std::string where =
      "(" + DegreesText(place_.latitude) + "°, " + DegreesText(place_.longitude) + "°)";
  return place_.name.empty() ? where : place_.name + " " + where;
}

std::string WallModel::ZoneText() const {
  const long minutes = std::lround(std::fabs(place_.timeZone) * 60);
  const std::string zone = std::string("GMT") + (place_.timeZone < 0 ? "-" : "+") +
                           std::to_string(minutes / 60) + ":" + TwoDigits(minutes % 60);
  return FillText(TranslateText("WallModel", "standard time (%1)"), {zone});
}

bool WallModel::ReadMoment(int& dayOfYear, double& clockTime) {
  const auto month = ReadDayOrMonth(Text(WallBox::Month));
  const auto day = ReadDayOrMonth(Text(WallBox::Day));
  const std::chrono::year year{year_};
  const year_month_day date{year, std::chrono::month{month.value_or(0)},
                            std::chrono::day{day.value_or(0)}};
  if (!date.ok()) {
    result_ = TranslateText(
        "WallModel", "Enter a date of this year: a month from 1 to 12 and a day of that month.");
    return false;
  }
  dayOfYear = static_cast<int>((local_days{date} - local_days{year / 1 / 1}).count()) + 1;
  const auto time = ReadClockTime(Text(WallBox::Time));
  if (!time) {
    result_ =
        TranslateText("WallModel", "Enter the time as hours and minutes, from 00:00 to 23:59.");
    return false;
  }
  clockTime = *time;
  return true;
}

void WallModel::Compute() {
  sunAzimuth_.clear();
  sunAltitude_.clear();
  facing_.reset();
  WallMoment moment;
  int dayOfYear = 0;
  if (!ReadMoment(dayOfYear, moment.clockTime)) return;
  moment.latitude = place_.latitude;
  moment.longitude = place_.longitude;
  moment.standardMeridian = 15 * place_.timeZone;
  moment.day = static_cast<int16_t>(dayOfYear);
  moment.leapYear = std::chrono::year{year_}.is_leap();
  moment.compatible = place_.compatible;
  const SunAzimuthAltitude sun = SunAtMoment(moment);
  const double azimuth = AzimuthToTenth(sun.azimuth);
  sunAzimuth_ = TenthsText(azimuth) + "° (" + CompassPointText(azimuth) + ")";
  sunAltitude_ = TenthsText(sun.altitude) + "°";
  if (!(sun.altitude > 0)) {
    result_ = TranslateText("WallModel", "The sun is below the horizon at that moment.");
    return;
  }
  const auto length = ReadNumber(Text(WallBox::NailLength));
  if (!length || !(*length > 0)) {
    result_ = TranslateText("WallModel", "Enter the nail's length in millimetres, more than 0.");
    return;
  }
  const auto offset = ReadNumber(Text(WallBox::Offset));
  const auto facing = offset ? WallFacing(sun.azimuth, *length, *offset) : std::nullopt;
  if (!facing) {
    result_ = TranslateText(
        "WallModel",
        "Enter the offset in millimetres: + where the shadow's tip falls right of the nail, − "
        "where it falls left.");
    return;
  }
  // Rounded as shown, so that the design takes the facing the user read.
  const double shown = AzimuthToTenth(*facing);
  facing_ = shown;
  result_ = FillText(TranslateText("WallModel", "Facing: %1° (%2)"),
                     {TenthsText(shown), CompassPointText(shown)});
}
