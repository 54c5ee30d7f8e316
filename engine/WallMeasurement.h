// Which way a wall faces, measured with the sun: a nail held square to the
// wall at a known moment throws a shadow whose tip falls some way to the
// right or left of the nail's foot. With the sun's azimuth A at that moment,
// a nail of length L and the tip's horizontal offset x (right positive, as
// seen facing the wall), the wall's normal lies at
//   facing = A - atan(x / L)
// (the shadow of the nail's tip on a wall facing F lies L tan(A - F) to the
// right of its foot).
#pragma once

#include <cstdint>
#include <optional>

struct SunAzimuthAltitude {
  double azimuth = 0;   // degrees from north through east, 0..360
  double altitude = 0;  // degrees above the horizon
};

// The sun at a clock time (hours of the zone's standard time) of a day of the
// year, with the equation of time of that day.
struct WallMoment {
  double latitude = 0;
  double longitude = 0;
  double standardMeridian = 0;  // 15 x the zone's hours
  int16_t day = 1;              // 1..365 (366 in a leap year)
  bool leapYear = false;
  bool compatible = false;  // which equation-of-time formula
  double clockTime = 12;
};
SunAzimuthAltitude SunAtMoment(const WallMoment& moment);

// The facing (0..360) of a wall from a reading; none when the nail's length
// is not positive.
std::optional<double> WallFacing(double sunAzimuth, double nailLength, double offset);
// The reverse: where the tip of the nail's shadow falls on a wall facing that
// way; none when the sun is behind the wall.
std::optional<double> ShadowOffset(double sunAzimuth, double facing, double nailLength);
