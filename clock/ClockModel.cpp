#include "ClockModel.h"

#include <algorithm>
#include <cmath>

#include "Chart.h"
#include "MainModel.h"

namespace {

using namespace std::chrono;

constexpr double kSecondsPerHour = 3600;

// Whole hours, halves to the even hour (10.5 -> 10, 11.5 -> 12).
int RoundHalfEven(double hours) {
  return static_cast<int>(std::nearbyint(hours));
}

int TrackMinutesOf(double hours) {
  return std::clamp(RoundHalfEven(hours) * 60, 0, kTrackMinutes);
}

// The time of day of an hour that may lie a little outside one day; the
// date stays the one given.
local_seconds OnSameDate(local_seconds date, double hour) {
  double wrapped = hour;
  if (wrapped < 0) wrapped += 24;
  if (wrapped > 24) wrapped -= 24;
  auto seconds = static_cast<long long>(std::llround(wrapped * kSecondsPerHour));
  seconds = std::clamp(seconds, 0LL, 86400LL) % 86400;
  return floor<days>(date) + std::chrono::seconds(seconds);
}

local_seconds DateWithTimeOf(local_seconds date, local_seconds time) {
  return floor<days>(date) + (time - floor<days>(time));
}

// Sets the season to the date's day. The 29th of February has no day
// number in a common-year chart; the 28th's sun stands in for it, so that
// a live clock keeps running on a leap day.
void SeasonOfDate(Chart& chart, local_seconds date) {
  const year_month_day ymd{floor<days>(date)};
  auto day = static_cast<int16_t>(static_cast<unsigned>(ymd.day()));
  const auto month = static_cast<int16_t>(static_cast<unsigned>(ymd.month()));
  if (month == 2 && day == 29 && !chart.LeapYear()) day = 28;
  int16_t dayNumber = 0;
  if (!chart.ConvTotalDays(CalcDateArray{month, day}, dayNumber).ok()) RaiseChartError(chart);
  chart.Season().setCalcDate(dayNumber);
}

}  // namespace

double ValidMaxMagnify(double value) {
  return std::isfinite(value) && value > 0 ? value : kDefaultMaxMagnify;
}

sys_seconds SystemUtcNow() {
  return floor<seconds>(system_clock::now());
}

local_seconds ZoneStandardTime(const Chart& chart, sys_seconds utc) {
  const auto offset = seconds(std::llround(chart.Location().TimeZone() * kSecondsPerHour));
  return local_seconds(utc.time_since_epoch()) + offset;
}

ClockModel::ClockModel(MainModel& main, double maxMagnify, UtcClock utcNow)
    : main_(main), maxMagnify_(ValidMaxMagnify(maxMagnify)), utcNow_(std::move(utcNow)) {}

template <typename Step>
Status ClockModel::Guarded(Step step) {
  main_.lastError.Clear();
  seasonFailed_ = false;
  return TrapStatus(main_.lastError, step);
}

int32_t ClockModel::TimeSystem() const {
  return main_.Chart().TimeSystem();
}

bool ClockModel::TrackEnabled() const {
  return mode_ == ClockMode::Free && !polarNight_;
}

local_seconds ClockModel::Present() {
  Chart& chart = main_.Chart();
  const local_seconds standard = ZoneStandardTime(chart, utcNow_());
  if (chart.TimeSystem() == kMeanStandardTime) return standard;
  // True solar time = standard time - TimeDiff of that day.
  SeasonOfDate(chart, standard);
  const double diff = chart.Season().TimeDiff();
  return standard - seconds(std::llround(diff * kSecondsPerHour));
}

void ClockModel::FollowShownDate() {
  ErrorRecord failure;
  if (!TrapStatus(failure, [&] { SeasonOfDate(main_.Chart(), shown_); }).ok()) {
    seasonFailed_ = true;
    RaiseRecorded(failure);
  }
  polarNight_ = main_.Chart().Season().NightState() == kNightStatePolarNight;
}

void ClockModel::SetShown(local_seconds shown) {
  shown_ = shown;
  hour_ = HourOfDay(shown);
  FollowShownDate();
}

void ClockModel::Synchronise() {
  const Chart& chart = main_.Chart();
  const ChartSeason& season = chart.Season();
  const double diff = chart.TimeSystem() == kMeanStandardTime ? season.TimeDiff() : 0;
  const int position = TrackMinutesOf(std::clamp(HourOfDay(shown_) - diff, 0.0, 24.0));
  switch (season.NightState()) {
    case kNightStatePolarNight:
      track_ = {};
      break;
    case kNightStateMidnightSun:
      track_ = {true, 0, kTrackMinutes, position};
      break;
    default: {
      const auto [rise, set] = season.SunRiseSetTimes();
      track_ = {true, TrackMinutesOf(rise - diff), TrackMinutesOf(set - diff), position};
      break;
    }
  }
}

Status ClockModel::Open() {
  return Guarded([&] {
    opening_ = ClockOpeningTime(main_, Present());
    SetShown(opening_);
    mode_ = main_.season.adjustEquation && !polarNight_ ? ClockMode::Free : ClockMode::RealTime;
    Synchronise();
  });
}

Status ClockModel::RealTimeCommand() {
  return Guarded([&] {
    mode_ = ClockMode::RealTime;
    SetShown(Present());
    Synchronise();
  });
}

Status ClockModel::FreeCommand() {
  return Guarded([&] {
    mode_ = ClockMode::Free;
    SetShown(main_.season.adjustEquation ? DateWithTimeOf(opening_, Present()) : shown_);
    Synchronise();
  });
}

Status ClockModel::Tick(bool& redraw) {
  redraw = false;
  if (mode_ != ClockMode::RealTime) return Status::Ok();
  return Guarded([&] {
    const local_seconds present = Present();
    // The whole date and minute: after a sleep of exactly an hour the
    // minute field alone would look unchanged.
    if (floor<minutes>(present) == floor<minutes>(shown_)) return;
    SetShown(present);
    Synchronise();
    redraw = true;
  });
}

Status ClockModel::MoveTrack(int position) {
  if (!TrackEnabled()) return Status::Ok();
  return Guarded([&] {
    FollowShownDate();
    double hour = std::clamp(position / 60.0, 0.0, 24.0);
    if (TimeSystem() == kMeanStandardTime) hour += main_.Chart().Season().TimeDiff();
    shown_ = OnSameDate(shown_, hour);
    hour_ = hour;
    track_.position = std::clamp(position, 0, kTrackMinutes);
  });
}

Status ClockModel::Draw(ClockCanvas& canvas) {
  if (const Status status = Guarded([&] { FollowShownDate(); }); !status.ok()) return status;
  return DrawClock(main_, canvas, shown_, hour_, maxMagnify_, routines_);
}
