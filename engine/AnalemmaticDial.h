// The analemmatic dial: a level ellipse of hour points and a vertical gnomon
// (a pencil, or a person) that stands on the north-south axis at the day's
// place on a date scale. With the semi-major axis M east-west and the hour
// angle H of a clock time,
//   x = M sin H,   y = M sin phi cos H        (hour points)
//   y = M tan delta cos phi                   (the gnomon's place, x = 0)
// so the semi-minor axis is M |sin phi|. Source: F. W. Sawyer, "Ideas for the
// design of analemmatic sundials", Bulletin of the British Sundial Society
// 94.2 (1994); R. R. J. Rohr, Sundials: History, Theory and Practice (1970),
// ch. 5. The formulas hold with the latitude's sign: south of the equator the
// noon point lies south of the centre, and the June place is still north of
// it, away from the noon point, as the winter sun casts the longer shadow.
// x runs east, y north, in millimetres from the ellipse's centre.
#pragma once

#include <cstdint>
#include <vector>

#include "PlaneProjection.h"

class Chart;

// Which dial a design is: the gnomon's shadow on a plane, or the analemmatic
// dial on level ground.
enum class DialKind { Gnomon, Analemmatic };

// Nearer the equator the ellipse flattens toward its major axis and the hour
// points crowd onto a line; such a design is refused (degrees of |latitude|).
inline constexpr double kAnalemmaticLowestLatitude = 10;

struct AnalemmaticHour {
  double clockTime = 0;  // hours of the chart's time system
  double hourAngle = 0;  // degrees, negative before noon
  PlanePoint at;
};

// A mark of the date scale: the first of a month, or a solstice or equinox.
struct AnalemmaticDate {
  int16_t day = 1;  // day number of the chart's year
  int month = 1;
  int dayOfMonth = 1;
  double declination = 0;  // degrees
  double y = 0;            // the gnomon's place north of the centre
  bool season = false;     // a solstice or an equinox
};

struct AnalemmaticDial {
  double latitude = 0;
  double major = 0;  // semi-axes, millimetres
  double minor = 0;
  std::vector<AnalemmaticHour> hours;
  std::vector<AnalemmaticDate> dates;  // in the order of the year
};

PlanePoint AnalemmaticHourPoint(double major, double latitude, double hourAngle);
double AnalemmaticGnomonPlace(double major, double latitude, double declination);

// The hour points of the clock times every intervalMinutes at which the sun
// can stand above the horizon on some day of the year, and the date scale.
// The hour angles are the chart's (HourAngleOfClockTime: in mean time with
// the longitude and the chart's equation of time). The latitude is the
// caller's to check against kAnalemmaticLowestLatitude.
AnalemmaticDial LayAnalemmaticDial(const Chart& chart, int16_t intervalMinutes, double major);
