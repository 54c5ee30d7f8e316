// The desktop sundial without its window: the two modes, the shown time,
// the track bar's position and daylight band, the minute-by-minute timer and
// the present moment at the dial's own place.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <utility>

#include "ClockDrawing.h"
#include "EngineErrors.h"

class MainModel;

enum class ClockMode { RealTime = 0, Free = 1 };

// The track bar spans one day in minutes of true solar time.
inline constexpr int kTrackMinutes = 1440;
inline constexpr int kTrackLineStep = 10;
inline constexpr int kTrackPageStep = 60;
inline constexpr int kTrackTickInterval = 60;

// Where the track bar stands and which part of the day it marks as daylight.
struct TrackBarState {
  bool hasSelection = false;
  int selectionStart = 0;
  int selectionEnd = 0;
  int position = 0;

  bool operator==(const TrackBarState&) const = default;
};

// A usable shadow length limit: finite and above zero, else the default.
double ValidMaxMagnify(double value);

// The present moment in UTC, to the second.
std::chrono::sys_seconds SystemUtcNow();

// The standard time of the dial's zone at a moment: UTC plus the design's
// TimeZone, without summer time (a sundial knows none).
std::chrono::local_seconds ZoneStandardTime(const Chart& chart, std::chrono::sys_seconds utc);

class ClockModel {
 public:
  using UtcClock = std::function<std::chrono::sys_seconds()>;

  explicit ClockModel(MainModel& main, double maxMagnify = kDefaultMaxMagnify,
                      UtcClock utcNow = SystemUtcNow);

  // Hands over the opening date and mode: a dial corrected for one day opens
  // on that day in free mode, any other at the present in real-time mode; a
  // day of polar night always opens in real-time mode.
  Status Open();

  // The toolbar and popup commands.
  Status RealTimeCommand();
  Status FreeCommand();

  // One timer tick: `redraw` becomes true when the present has reached
  // another minute than the one shown.
  Status Tick(bool& redraw);

  // The track bar moved to a position (free mode only; ignored otherwise).
  Status MoveTrack(int position);

  // The picture of the shown time; the season follows the shown date first.
  Status Draw(ClockCanvas& canvas);
  // The drawing routines the picture is made with (tests replace them).
  void UseRoutines(ClockRoutines routines) { routines_ = std::move(routines); }

  ClockMode Mode() const { return mode_; }
  bool TimerOn() const { return mode_ == ClockMode::RealTime; }
  bool TrackEnabled() const;
  std::chrono::local_seconds Shown() const { return shown_; }
  std::chrono::local_seconds OpeningDate() const { return opening_; }
  // The hour the picture is drawn for; in free mode it may lie outside 0…24.
  double Hour() const { return hour_; }
  const TrackBarState& Track() const { return track_; }
  int32_t TimeSystem() const;
  double MaxMagnify() const { return maxMagnify_; }
  // Whether the last failure came from following the shown date.
  bool SeasonFailed() const { return seasonFailed_; }

 private:
  // These raise the engine's error; the commands turn it into a status.
  // The present date and time at the dial's place, in its time system.
  std::chrono::local_seconds Present();
  void FollowShownDate();
  void Synchronise();
  void SetShown(std::chrono::local_seconds shown);
  template <typename Step>
  Status Guarded(Step step);

  MainModel& main_;
  double maxMagnify_;
  UtcClock utcNow_;
  ClockRoutines routines_;
  ClockMode mode_ = ClockMode::RealTime;
  std::chrono::local_seconds shown_{};
  std::chrono::local_seconds opening_{};
  double hour_ = 0;
  TrackBarState track_;
  bool polarNight_ = false;
  bool seasonFailed_ = false;
};
