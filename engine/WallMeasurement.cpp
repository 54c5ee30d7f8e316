#include "WallMeasurement.h"

#include <cmath>

#include "MathFunctions.h"
#include "PlaneOrientation.h"
#include "SolarFormulas.h"

SunAzimuthAltitude SunAtMoment(const WallMoment& m) {
  const int16_t leap = ToFlag(m.leapYear);
  double declination = 0;
  double equation = 0;
  GetSolarDeclination(m.day, leap, declination);
  GetEquationOfTime(m.day, leap, ToFlag(m.compatible), equation);
  const double solar = ConvStandardToSolar(m.clockTime, m.standardMeridian, m.longitude, equation);
  const Vector3 sun = SunDirection(m.latitude, declination, ConvTimeToHourAngle(solar));
  return {NormalizedAzimuth(RadToDeg(std::atan2(sun.x, sun.y))),
          RadToDeg(std::asin(std::fmax(-1.0, std::fmin(1.0, sun.z))))};
}

std::optional<double> WallFacing(double sunAzimuth, double nailLength, double offset) {
  if (!(nailLength > 0) || !std::isfinite(offset)) return std::nullopt;
  return NormalizedAzimuth(sunAzimuth - RadToDeg(std::atan2(offset, nailLength)));
}

std::optional<double> ShadowOffset(double sunAzimuth, double facing, double nailLength) {
  const double apart = DegToRad(sunAzimuth - facing);
  if (!(std::cos(apart) > 1e-9)) return std::nullopt;
  return nailLength * std::tan(apart);
}
