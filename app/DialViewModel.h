// The dial view without its widgets: a copy of the design as the form holds
// it (or as a box being typed would make it, once its text is a valid
// value), the moment whose shadow is drawn, and when the picture must be
// drawn again. Drawing goes through the desktop sundial's DrawClock on the
// copy, so the design's own chart and day are never moved.
#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "ClockDrawing.h"
#include "ClockModel.h"
#include "FormBoxes.h"
#include "MainModel.h"

class MainFormModel;

// The slider's steps and span, in minutes of standard clock time.
inline constexpr int kMomentLineStep = 10;
inline constexpr int kMomentPageStep = 60;
inline constexpr int kMinutesPerDay = 1440;

// Where the sun stands at the moment and what the dial shows of it.
struct SunAtMoment {
  bool up = false;       // above the horizon
  bool inFront = false;  // on the face's sunny side (always, when up, for a horizontal dial)
  double altitude = 0;   // degrees
  double azimuth = 0;    // degrees from north through east, 0..360
  double reading = 0;    // hours of the design's time system, 0..24
};

class DialViewModel {
 public:
  using UtcClock = std::function<std::chrono::sys_seconds()>;

  explicit DialViewModel(MainModel& main, UtcClock utcNow = SystemUtcNow);

  // Called whenever the picture must be drawn again; the widget repaints.
  void setRedraw(std::function<void()> redraw) { redraw_ = std::move(redraw); }

  // The form took a change (a choice, a box left, a document opened): the
  // copy follows the design, and the picture when the design differs.
  void DesignChanged();
  // A box's text while it is typed: when the form would accept it, the copy
  // takes the value and the picture follows; otherwise (a lone "-", a value
  // out of range) nothing changes and false is returned. No message.
  bool Typed(const MainFormModel& form, FormBox box, const std::string& text);

  // The moment: a date and minutes of the zone's standard clock time.
  void SetMoment(std::chrono::year_month_day date, int minutes);
  void SetMinutes(int minutes) { SetMoment(date_, minutes); }
  // The present at the dial's place.
  void Now();
  std::chrono::year_month_day Date() const { return date_; }
  int Minutes() const { return minutes_; }
  // The day's daylight in minutes of clock time for the slider; both 0
  // when the sun stays down all day.
  int DaylightStart() const { return daylightStart_; }
  int DaylightEnd() const { return daylightEnd_; }

  // The picture at the moment on the canvas. Ok, or the failure's status
  // with the copy's last-error record (Failure()) filled.
  Status Draw(ClockCanvas& canvas);
  const ErrorRecord& Failure() const { return design_.lastError; }
  const SunAtMoment& Sun() const { return sun_; }
  // The line under the picture: the sun's place and the reading, or why
  // there is no shadow.
  std::string MomentText() const;

  // The design the picture shows (tests).
  const MainModel& Design() const { return design_; }

 private:
  // Sets the copy's day to the moment's date and works out the sun and the
  // daylight; raises the engine's error.
  void FollowMoment();
  void Changed();

  MainModel& main_;
  MainModel design_;
  MainModel trial_;
  UtcClock utcNow_;
  std::function<void()> redraw_;
  std::chrono::year_month_day date_{};
  int minutes_ = 12 * 60;
  int daylightStart_ = 0;
  int daylightEnd_ = 0;
  double hour_ = 12;  // of the design's time system
  SunAtMoment sun_;
  // The picture shows a value still being typed, not the design's own.
  bool showingTrial_ = false;
};
