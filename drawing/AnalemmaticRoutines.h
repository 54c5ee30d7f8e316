// The printed page and the desktop sundial of an analemmatic dial, with the
// conventions of the routines in DialRoutines.h.
#pragma once

#include <cstdint>
#include <string>

#include "AnalemmaticDial.h"
#include "DialDesign.h"
#include "DrawTarget.h"
#include "EngineErrors.h"

// The page: the ellipse with its hour points and labels, the date scale on
// the north-south axis, the north arrow and the information block. Every
// page of a job after the first is left to its title.
Status DrawAnalemmaticPage(DialDesign design, DrawTarget& target, double zoom, double paperFactor,
                           int16_t page);

// The desktop sundial: the ellipse and hour points in the clock colours and,
// with the sun up, the shadow of a person standing at the day's place.
class ClockView;
Status DrawAnalemmaticClock(DialDesign design, ClockView& clock, double time, bool withShadow);

// Lengths at full size as a reader measures them: "850 mm", "2.40 m".
std::string LengthText(double millimetres);
// The height from which a vertical gnomon's shadow reaches the hour points
// all year: at noon of the summer solstice the sun stands highest,
//   h = M (cos phi + sin|phi| tan 23.45).
double AnalemmaticGnomonHeight(const AnalemmaticDial& dial);
