#include "MagneticModel.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int kSize = kMagneticModelDegree + 1;
constexpr double kReferenceRadius = 6371.2;  // km, the model's geomagnetic reference sphere
constexpr double kEquatorRadius = 6378.137;  // km, WGS 84
constexpr double kFlattening = 1 / 298.257223563;
constexpr double kDegree = std::numbers::pi / 180;

// Schmidt semi-normalised associated Legendre functions P[n][m] of cos(theta)
// and their derivatives by theta, theta being the geocentric colatitude.
struct Legendre {
  double p[kSize][kSize] = {};
  double dp[kSize][kSize] = {};
};

void FillLegendre(Legendre& l, double cosTheta, double sinTheta) {
  l.p[0][0] = 1;
  for (int n = 1; n < kSize; ++n) {
    // The sectoral term from the one below it.
    const double k = n == 1 ? 1 : std::sqrt(1 - 1.0 / (2 * n));
    l.p[n][n] = k * sinTheta * l.p[n - 1][n - 1];
    l.dp[n][n] = k * (sinTheta * l.dp[n - 1][n - 1] + cosTheta * l.p[n - 1][n - 1]);
    for (int m = 0; m < n; ++m) {
      const double below = n >= 2 ? std::sqrt(double((n - 1) * (n - 1) - m * m)) : 0;
      const double twoBelowP = n >= 2 ? l.p[n - 2][m] : 0;
      const double twoBelowDp = n >= 2 ? l.dp[n - 2][m] : 0;
      const double scale = 1 / std::sqrt(double(n * n - m * m));
      l.p[n][m] = ((2 * n - 1) * cosTheta * l.p[n - 1][m] - below * twoBelowP) * scale;
      l.dp[n][m] = ((2 * n - 1) * (cosTheta * l.dp[n - 1][m] - sinTheta * l.p[n - 1][m]) -
                    below * twoBelowDp) *
                   scale;
    }
  }
}

}  // namespace

MagneticField Wmm2025Field(double latitude, double longitude, double heightKm, double year) {
  // Geodetic to geocentric spherical coordinates on WGS 84.
  const double phi = latitude * kDegree;
  const double lambda = longitude * kDegree;
  const double e2 = kFlattening * (2 - kFlattening);
  const double sinPhi = std::sin(phi);
  const double primeVertical = kEquatorRadius / std::sqrt(1 - e2 * sinPhi * sinPhi);
  const double p = (primeVertical + heightKm) * std::cos(phi);
  const double z = (primeVertical * (1 - e2) + heightKm) * sinPhi;
  const double r = std::hypot(p, z);
  const double geocentric = std::asin(z / r);

  Legendre l;
  const double cosTheta = std::sin(geocentric);
  const double sinTheta = std::cos(geocentric);
  FillLegendre(l, cosTheta, sinTheta);

  double cosM[kSize], sinM[kSize];
  for (int m = 0; m < kSize; ++m) {
    cosM[m] = std::cos(m * lambda);
    sinM[m] = std::sin(m * lambda);
  }

  const double t = year - kWmm2025Epoch;
  const double ratio = kReferenceRadius / r;
  double north = 0, east = 0, down = 0;
  double power = ratio * ratio;  // (a/r)^(n+2), from n = 1
  int n = 0;
  for (const MagneticCoefficient& c : kWmm2025Coefficients) {
    if (c.n != n) {
      n = c.n;
      power *= ratio;
    }
    const double g = c.g + t * c.gDot;
    const double h = c.h + t * c.hDot;
    const double along = g * cosM[c.m] + h * sinM[c.m];
    north += power * along * l.dp[c.n][c.m];
    east += power * c.m * (g * sinM[c.m] - h * cosM[c.m]) * l.p[c.n][c.m];
    down -= power * (c.n + 1) * along * l.p[c.n][c.m];
  }
  // sinTheta is 0 only at a pole, which the callers' latitudes (strictly
  // inside -90..90) never reach.
  east /= sinTheta;

  // Back from the geocentric to the geodetic frame.
  const double turn = geocentric - phi;
  return {north * std::cos(turn) - down * std::sin(turn), east,
          north * std::sin(turn) + down * std::cos(turn)};
}

double Wmm2025Declination(double latitude, double longitude, double year) {
  const MagneticField field = Wmm2025Field(latitude, longitude, 0, year);
  return std::atan2(field.east, field.north) / kDegree;
}
