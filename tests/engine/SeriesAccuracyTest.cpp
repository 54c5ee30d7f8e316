// Accuracy of the engine's short series against the low-precision solar
// coordinates of the Astronomical Almanac (good to 0.01 deg, about 2 s of
// time), taken at noon at 135 E (03h UT) of every day of 2000-2100. The
// bounds are the figures that SolarFormulas.h states; a changed
// coefficient or day count breaks them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "SolarFormulas.h"

namespace {

constexpr double kDeg = 3.14159265358979323846 / 180;

bool IsLeap(int year) {
  return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
}

struct SunAt {
  double declination;  // degrees
  double equation;     // hours, true minus mean solar time
};

// The almanac's sun at n days from 2000 January 1, 12h UT.
SunAt Almanac(double n) {
  const double mean = 280.460 + 0.9856474 * n;
  const double g = (357.528 + 0.9856003 * n) * kDeg;
  const double lambda = (mean + 1.915 * std::sin(g) + 0.020 * std::sin(2 * g)) * kDeg;
  const double epsilon = (23.439 - 0.0000004 * n) * kDeg;
  const double alpha = std::atan2(std::cos(epsilon) * std::sin(lambda), std::cos(lambda)) / kDeg;
  const double e = std::remainder(mean - alpha, 360.0);
  return {std::asin(std::sin(epsilon) * std::sin(lambda)) / kDeg, e / 15};
}

// Calls body(n, day, leapFlag) for 03h UT of every day of 2000-2100.
template <typename Body>
void ForEachDay(Body&& body) {
  double n = -0.375;
  for (int year = 2000; year <= 2100; ++year) {
    const int days = IsLeap(year) ? 366 : 365;
    for (int day = 1; day <= days; ++day, ++n)
      body(n, static_cast<int16_t>(day), ToFlag(IsLeap(year)));
  }
}

// Sunrise in true solar hours for the sun's centre at altitude h0 (degrees).
double Rise(double latitude, double declination, double h0) {
  const double p = latitude * kDeg, d = declination * kDeg;
  const double cosH =
      (std::sin(h0 * kDeg) - std::sin(p) * std::sin(d)) / (std::cos(p) * std::cos(d));
  return 12 - std::acos(cosH) / kDeg / 15;
}

}  // namespace

TEST(SeriesAccuracy, DeclinationAndEquationOfTimeOverTwoCenturies) {
  double declination = 0, fourier = 0, compatible = 0;
  ForEachDay([&](double n, int16_t day, int16_t leap) {
    const SunAt sun = Almanac(n);
    double d = 0, e = 0, c = 0;
    GetSolarDeclination(day, leap, d);
    GetEquationOfTime(day, leap, kFlagFalse, e);
    GetEquationOfTime(day, leap, kFlagTrue, c);
    declination = std::max(declination, std::fabs(d - sun.declination));
    fourier = std::max(fourier, std::fabs(e - sun.equation) * 60);
    compatible = std::max(compatible, std::fabs(c - sun.equation) * 60);
  });
  EXPECT_LT(declination, 0.36);  // degrees
  EXPECT_LT(fourier, 0.75);      // minutes
  EXPECT_LT(compatible, 0.91);   // minutes
}

// The engine's sunrise is the geometric one (the centre on the horizon, no
// refraction): always later than the almanac's, which takes h0 = -0.833 deg.
// Every fifth day, latitudes -60..60 in steps of 5.
TEST(SeriesAccuracy, SunriseAgainstTheAlmanacsHorizon) {
  double temperateMin = 99, temperateMax = 0, wideMin = 99, wideMax = 0;  // minutes
  ForEachDay([&](double n, int16_t day, int16_t leap) {
    if (day % 5 != 0) return;
    double d = 0;
    GetSolarDeclination(day, leap, d);
    const double reference = Almanac(n).declination;
    for (int latitude = -60; latitude <= 60; latitude += 5) {
      ErrorRecord error;
      double rise = 0, set = 0;
      ASSERT_EQ(GetSunRiseSet(error, latitude, d, rise, set), Status::Ok());
      const double late = (rise - Rise(latitude, reference, -0.833)) * 60;
      wideMin = std::min(wideMin, late);
      wideMax = std::max(wideMax, late);
      if (std::abs(latitude) >= 20 && std::abs(latitude) <= 45) {
        temperateMin = std::min(temperateMin, late);
        temperateMax = std::max(temperateMax, late);
      }
    }
  });
  // Minutes later at sunrise (and, by symmetry, earlier at sunset).
  EXPECT_GT(temperateMin, 2.9);
  EXPECT_LT(temperateMax, 6.6);
  EXPECT_GT(wideMin, 2.9);
  EXPECT_LT(wideMax, 11.7);
}

// The survey's own worked example for its 2000.0 formula: Tokyo (35.68 N,
// 139.70 E) has 6 deg 55.1 min west.
TEST(SeriesAccuracy, MagneticDeclinationMatchesTheSurveysExample) {
  EXPECT_NEAR(GetNorthDiff2(35.68, 139.70) * 60, 6 * 60 + 55.1, 0.05);
}
