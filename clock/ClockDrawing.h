// How the desktop sundial draws its picture for a date and time: the season
// follows the shown date, the time decides day or night, and the shadow
// goes over an inverted face or under a plain one.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

#include "AnalemmaticRoutines.h"
#include "DialDesign.h"
#include "DialRoutines.h"
#include "EngineErrors.h"
#include "NodusDrawing.h"
#include "PlaneDialRoutines.h"

class MainModel;
class Chart;

// The window side of the picture: the clock routines' view plus the two
// things the window itself does to its picture.
class ClockCanvas : public ClockView {
 public:
  virtual void setClockState(int32_t state) = 0;
  // Fills the whole picture with the background colour.
  virtual void Clear(ColorRef background) = 0;
};

// The shadow length limit the window hands to the shadow routine.
inline constexpr double kDefaultMaxMagnify = 100000;
inline constexpr int32_t kClockDay = 0;
inline constexpr int32_t kClockNight = 1;

// Sets Season.CalcDate to the shown date's day number. Ok, or the engine's
// failure status with the last-error record filled.
Status RecomputeClockSeason(MainModel& main, std::chrono::local_seconds shown);

// The time of day in decimal hours (0 <= h < 24).
double HourOfDay(std::chrono::local_seconds dateTime);

// The date and time the desktop sundial opens at: the present, or for a dial
// corrected for one day (season.adjustEquation) that day at the present
// time of day.
std::chrono::local_seconds ClockOpeningTime(const MainModel& main, std::chrono::local_seconds now);

// Day (0) or night (1) at hour h of the chart's current day.
int32_t ClockStateAt(const Chart& chart, double hour);

// Centre in the middle of the picture; radii 750, 650 and 300 of its units.
DialLayout ClockLayout(const DrawTarget& picture);

// The routines the picture is drawn with; tests replace them.
struct ClockRoutines {
  using Plain = std::function<Status(DialDesign, ClockView&, const DialLayout&)>;
  using Face = std::function<Status(DialDesign, ClockView&, const DialLayout&, double)>;
  static constexpr auto kClockRings =
      static_cast<Status (*)(DialDesign, ClockView&, const DialLayout&, double)>(DrawDialRings);
  static constexpr auto kClockFace =
      static_cast<Status (*)(DialDesign, ClockView&, const DialLayout&, double)>(DrawDialFace);

  Plain stateIcon = DrawClockStateIcon;
  Face dialRings = kClockRings;
  static constexpr auto kClockDialLines =
      static_cast<Status (*)(DialDesign, ClockView&, const DialLayout&, double)>(DrawDialLines);

  Face dialFace = kClockFace;
  std::function<Status(DialDesign, ClockView&, const DialLayout&, std::chrono::local_seconds,
                       double)>
      dateTime = DrawClockDateTime;
  std::function<Status(DialDesign, ClockView&, const DialLayout&, double, int32_t, bool, double)>
      shadow = DrawClockShadow;
  Plain nightState = DrawNightState;
  // The nodus's curves and its shadow, for a face of 65 mm times the factor.
  std::function<Status(DialDesign, ClockView&, const DialLayout&, double)> dialLines =
      kClockDialLines;
  std::function<Status(DialDesign, ClockView&, const DialLayout&, double, double)> nodusShadow =
      DrawNodusShadow;
  // A dial on another plane: its face and, when asked, the shadow at the time.
  std::function<Status(DialDesign, ClockView&, double, bool)> planeDial = DrawPlaneClock;
  // An analemmatic dial: the ellipse and, when asked, the person's shadow.
  std::function<Status(DialDesign, ClockView&, double, bool)> analemmaticDial =
      DrawAnalemmaticClock;
};

// Draws the picture for the shown date-time at hour h (in the chart's time
// system) on the canvas: day or night, background, then the elements in the
// window's order. The season must already follow the shown date. Ok, or
// the failure's status with the last-error record filled.
Status DrawClock(MainModel& main, ClockCanvas& canvas, std::chrono::local_seconds shown,
                 double hour, double maxMagnify = kDefaultMaxMagnify,
                 const ClockRoutines& routines = {});
