// Trigonometric helpers of the engine. Angles are in radians unless the name
// says otherwise; pi is taken with the engine's fixed 15 digits.
#pragma once

#include <limits>
#include <utility>

inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;

// Single-precision view of a value: the engine compares many quantities only
// to the accuracy of a float.
inline float Single(double x) {
  return static_cast<float>(x);
}

inline double RadToDeg(double x) {
  return x * 180 / kPi;
}
inline double DegToRad(double x) {
  return x * kPi / 180;
}

// (-a, +a) with a = arccos x. Raises a domain error for |x| > 1 unless x is
// exactly +-1 in single precision.
std::pair<double, double> ArcCosPair(double x);
// (b, pi - b) with b = arcsin x; the same domain rule.
std::pair<double, double> ArcSinPair(double x);
double Cot(double x);
