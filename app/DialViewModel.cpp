#include "DialViewModel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "AngleText.h"
#include "DesignCopy.h"
#include "MainFormModel.h"
#include "MathFunctions.h"
#include "PlaneDial.h"
#include "UiText.h"

namespace {

using namespace std::chrono;

// The design's paper, read but never set: the nodus's curves in the
// picture follow it, as printed.
class PaperOfDesign : public PrinterSetup {
 public:
  explicit PaperOfDesign(const MainModel& main) : main_(main) {}
  bool IsPrinterAvailable() const override { return false; }
  PrinterProperties Current() const override { return main_.Printer().Current(); }
  bool SelectPrinter(const std::string&) override { return false; }
  bool setPaperSize(int16_t) override { return false; }
  bool setPaperBin(int16_t) override { return false; }
  bool setPrintQuality(int16_t) override { return false; }
  bool setColorMode(int16_t) override { return false; }
  bool setDuplex(int16_t) override { return false; }
  bool setOrientation(int16_t) override { return false; }
  bool setZoom(int32_t) override { return false; }
  bool setCopies(int16_t) override { return false; }

 private:
  const MainModel& main_;
};

// Asked nothing when a typed value is good; any question means it is not.
class SilentUi : public FormUi {
 public:
  FormAnswer Ask(const FormMessage& message) override {
    asked = true;
    return message.defaultAnswer;
  }
  std::string OpenFileName(const FileChoice&) override { return {}; }
  std::string SaveFileName(const FileChoice&) override { return {}; }
  void ShowBusyStatus(std::string_view, std::string_view) override {}
  void SetBusy(bool) override {}

  bool asked = false;
};

// The chart's day of a date; the 29th of February of a common-year chart
// takes the 28th's sun, as the desktop sundial does.
void SeasonOfDate(Chart& chart, year_month_day date) {
  auto day = static_cast<int16_t>(static_cast<unsigned>(date.day()));
  const auto month = static_cast<int16_t>(static_cast<unsigned>(date.month()));
  if (month == 2 && day == 29 && !chart.LeapYear()) day = 28;
  int16_t dayNumber = 0;
  if (!chart.ConvTotalDays(CalcDateArray{month, day}, dayNumber).ok()) RaiseChartError(chart);
  chart.Season().setCalcDate(dayNumber);
}

// Minutes of a time in hours, on the slider's steps, kept inside one day.
int StepMinutes(double hours, bool up) {
  const double steps = hours * 60 / kMomentLineStep;
  const double whole = up ? std::ceil(steps) : std::floor(steps);
  return std::clamp(static_cast<int>(whole) * kMomentLineStep, 0, kMinutesPerDay);
}

double WithinDay(double hours) {
  const double h = std::fmod(hours, 24.0);
  return h < 0 ? h + 24 : h;
}

std::string ClockText(double hours) {
  int minutes = static_cast<int>(std::lround(WithinDay(hours) * 60)) % kMinutesPerDay;
  char text[8];
  std::snprintf(text, sizeof text, "%d:%02d", minutes / 60, minutes % 60);
  return text;
}

}  // namespace

DialViewModel::DialViewModel(MainModel& main, UtcClock utcNow)
    : main_(main), utcNow_(std::move(utcNow)) {
  const auto paper = std::make_shared<PaperOfDesign>(main_);
  design_.setPrinter(paper);
  trial_.setPrinter(paper);
  CopyDesign(main_, design_);
  Now();
}

void DialViewModel::Changed() {
  if (redraw_) redraw_();
}

void DialViewModel::DesignChanged() {
  CopyDesign(main_, design_);
  showingTrial_ = false;
  Changed();
}

bool DialViewModel::Typed(const MainFormModel& form, FormBox box, const std::string& text) {
  // The form's own check on a copy: the same rules, and the form itself,
  // its "before" texts and the design stay as they are.
  CopyDesign(main_, trial_);
  SilentUi ui;
  MainFormModel trialForm(trial_, ui);
  if (!trialForm.Load()) return false;
  if (form.PlaneChoice() == kCustomPlane) trialForm.ChoosePlane(kCustomPlane);
  trialForm.Enter(box);
  trialForm.Edit(box, text);
  if (!trialForm.Leave(box) || ui.asked) return false;
  // Taken without a change: the box holds the design's own value again, or
  // it is one the form ignores (a box that is off).
  if (!trial_.modified && !showingTrial_) return false;
  CopyDesign(trial_.modified ? trial_ : main_, design_);
  showingTrial_ = trial_.modified;
  Changed();
  return true;
}

void DialViewModel::SetMoment(year_month_day date, int minutes) {
  if (date.ok()) date_ = date;
  minutes_ = std::clamp(minutes, 0, kMinutesPerDay - 1);
  Changed();
}

void DialViewModel::Now() {
  const local_seconds standard = ZoneStandardTime(design_.Chart(), utcNow_());
  const local_days day = floor<days>(standard);
  date_ = year_month_day(day);
  minutes_ = static_cast<int>(duration_cast<minutes>(standard - day).count());
  Changed();
}

void DialViewModel::FollowMoment() {
  Chart& chart = design_.Chart();
  SeasonOfDate(chart, date_);
  const ChartSeason& season = chart.Season();
  // Standard time = true solar time + TimeDiff.
  const double diff = chart.TimeSystem() == kTrueSolarTime ? season.TimeDiff() : 0;
  hour_ = minutes_ / 60.0 - diff;
  switch (season.NightState()) {
    case kNightStatePolarNight:
      daylightStart_ = daylightEnd_ = 0;
      break;
    case kNightStateMidnightSun:
      daylightStart_ = 0;
      daylightEnd_ = kMinutesPerDay;
      break;
    default: {
      const auto [rise, set] = season.SunRiseSetTimes();
      daylightStart_ = StepMinutes(rise + diff, false);
      daylightEnd_ = StepMinutes(set + diff, true);
      break;
    }
  }
  const double latitude = chart.Location().Latitude();
  const Vector3 sun =
      SunDirection(latitude, season.SolarDeclination(), HourAngleOfClockTime(chart, hour_));
  sun_.altitude = RadToDeg(std::asin(std::clamp(sun.z, -1.0, 1.0)));
  sun_.azimuth = NormalizedAzimuth(RadToDeg(std::atan2(sun.x, sun.y)));
  sun_.up = sun.z > 0;
  const DialPlane plane = PlaneOfOrientation(design_.dialPlane);
  sun_.inFront = sun_.up && (design_.dialPlane.IsHorizontal() || Dot(plane.normal, sun) > 0);
  sun_.reading = WithinDay(hour_);
}

Status DialViewModel::Draw(ClockCanvas& canvas) {
  design_.lastError.Clear();
  const Status status = TrapStatus(design_.lastError, [&] { FollowMoment(); });
  if (!status.ok()) return status;
  const local_seconds shown = local_days(date_) + seconds(std::llround(sun_.reading * 3600));
  return DrawClock(design_, canvas, shown, hour_);
}

std::string DialViewModel::MomentText() const {
  const std::string altitude = TenthsText(sun_.altitude);
  const std::string azimuth = TenthsText(sun_.azimuth);
  if (!sun_.up) {
    return TranslateText("DialViewModel", "The sun is below the horizon: no shadow.");
  }
  if (!sun_.inFront) {
    return FillText(
        TranslateText("DialViewModel", "Sun %1° high, azimuth %2°: behind the face, no shadow."),
        {altitude, azimuth});
  }
  const bool trueSolar = design_.Chart().TimeSystem() == kTrueSolarTime;
  const std::string system = trueSolar ? TranslateText("DialViewModel", "true solar time")
                                       : TranslateText("DialViewModel", "standard time");
  return FillText(
      TranslateText("DialViewModel", "Sun %1° high, azimuth %2° (%3). The dial reads %4 (%5)."),
      {altitude, azimuth, CompassPointText(sun_.azimuth), ClockText(sun_.reading), system});
}
