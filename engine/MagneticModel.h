// The World Magnetic Model 2025: the main field of the Earth as a spherical-
// harmonic series of degree 12 with a linear secular variation (NOAA NCEI and
// the British Geological Survey, "The US/UK World Magnetic Model for
// 2025-2030", technical report). Coefficients: resources/magnetic/.
//
// Accuracy: against the model's 100 test points (2025.0 to 2029.5, heights 0
// to 100 km) the components agree within 0.01 nT and the declination within
// the table's 0.01 deg. The model itself is good to about 0.3-0.5 deg of
// declination away from the magnetic poles and local anomalies.
#pragma once

#include <array>

struct MagneticCoefficient {
  int n, m;
  double g, h;        // nT at the epoch
  double gDot, hDot;  // nT per year
};

inline constexpr int kMagneticModelDegree = 12;
inline constexpr int kMagneticCoefficientCount = 90;  // n = 1..12, m = 0..n
inline constexpr double kWmm2025Epoch = 2025.0;
inline constexpr double kWmm2025End = 2030.0;
extern const std::array<MagneticCoefficient, kMagneticCoefficientCount> kWmm2025Coefficients;

// North, east and down components in nT, in the geodetic frame.
struct MagneticField {
  double north = 0, east = 0, down = 0;
};

// The field at a geodetic latitude and longitude (degrees, WGS 84), a height
// above the ellipsoid (km) and a decimal year (2025.5 is the middle of
// 2025). Years outside 2025.0..2030.0 are extrapolated linearly; callers
// keep to the model's span.
MagneticField Wmm2025Field(double latitude, double longitude, double heightKm, double year);

// Magnetic declination in degrees, east positive, at height 0.
double Wmm2025Declination(double latitude, double longitude, double year);
