#include "MathFunctions.h"

#include <cmath>

#include "EngineErrors.h"

namespace {

// Outside [-1, 1] the square root below has no value: the runtime's
// "invalid procedure call".
double SqrtOneMinusSquare(double x, const char* source) {
  const double radicand = 1 - x * x;
  if (!(radicand > 0)) RaiseError(kInvalidCallNumber, source, kInvalidCallText);
  return std::sqrt(radicand);
}

}  // namespace

std::pair<double, double> ArcCosPair(double x) {
  double a;
  if (Single(x) == -1.0f) {
    a = kPi;
  } else if (Single(x) == 1.0f) {
    a = 0;
  } else {
    a = std::atan(-x / SqrtOneMinusSquare(x, "mdlChartMathLib.ArcCosPair")) + 2 * std::atan(1.0);
  }
  return {-a, a};
}

std::pair<double, double> ArcSinPair(double x) {
  double b;
  if (Single(x) == -1.0f) {
    b = -1.570796326794895;
  } else if (Single(x) == 1.0f) {
    b = 1.570796326794895;
  } else {
    b = std::atan(x / SqrtOneMinusSquare(x, "mdlChartMathLib.ArcSinPair"));
  }
  return {b, kPi - b};
}

double Cot(double x) {
  return 1 / std::tan(x);
}
