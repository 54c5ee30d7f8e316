// The dial routines: each draws one element of a sundial onto a DrawTarget
// and returns Ok, or the failure's status with the last-error record filled.
#pragma once

#include <chrono>
#include <cstdint>

#include "DrawTarget.h"
#include "EngineErrors.h"

struct DialDesign;

// Positions one drawing pass; radii always in the ratio 75 : 65 : 30.
struct DialLayout {
  double centerX = 0;
  double centerY = 0;
  double outerRadius = 0;
  double middleRadius = 0;
  double innerRadius = 0;
  double gnomonX = 0;
  double gnomonY = 0;
};

// Sets the three radii of the ratio in a unit: millimetres times the paper
// factor on a printed page, tens of the picture's units on the clock.
inline void SetDialRadii(DialLayout& layout, double unit) {
  layout.outerRadius = 75 * unit;
  layout.middleRadius = 65 * unit;
  layout.innerRadius = 30 * unit;
}

// What the clock routines need of the desktop sundial window.
class ClockView {
 public:
  virtual ~ClockView() = default;
  virtual DrawTarget& picClock() = 0;
  virtual int32_t ClockState() const = 0;  // 0 day, 1 night
};

Status DrawDialRings(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom);
Status DrawBackPicture(DialDesign design, DrawTarget& target, const DialLayout& layout);
Status DrawDialFace(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom);
Status DrawGnomon(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom,
                  double paperFactor);
Status DrawDialMarks(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom);
Status DrawGnomonMarks(DialDesign design, DrawTarget& target, const DialLayout& layout,
                       double zoom);
// The information block (on the face, or off it where the face has no clear
// place), the reading and turning sentences; page as a job of pageCount
// pages counts it.
Status DrawInformation(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom,
                       double paperFactor = 1, int16_t page = 1, int16_t pageCount = 1);
Status DrawPageTitle(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom,
                     int16_t page, int16_t pageCount);
Status DrawMarginFrame(DialDesign design, DrawTarget& target);

// The same face on the desktop sundial's picture, in the clock colours of the
// window's ClockState. (The plain forms above take the day colours when the
// target is a clock picture.)
Status DrawDialRings(DialDesign design, ClockView& clock, const DialLayout& layout, double zoom);
Status DrawDialFace(DialDesign design, ClockView& clock, const DialLayout& layout, double zoom);

Status DrawClockStateIcon(DialDesign design, ClockView& clock, const DialLayout& layout);
Status DrawClockDateTime(DialDesign design, ClockView& clock, const DialLayout& layout,
                         std::chrono::local_seconds dateTime, double hour);
Status DrawClockShadow(DialDesign design, ClockView& clock, const DialLayout& layout, double time,
                       int32_t mode, bool invert, double lengthLimit);
Status DrawNightState(DialDesign design, ClockView& clock, const DialLayout& layout);

ColorRef InvertColor(ColorRef color);
