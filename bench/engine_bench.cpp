// Cost of the engine's sun positions. The object model (AddSolars) is set
// against the floor, the same formulas inline in one loop, and against
// libnova's solar ephemeris with its horizontal transform, per position.
#include <cstdlib>
#include <benchmark/benchmark.h>
#include <libnova/solar.h>
#include <libnova/transform.h>

#include <cmath>
#include <vector>

#include "Chart.h"
#include "MagneticModel.h"
#include "MathFunctions.h"

namespace {

constexpr double kLatitude = 34.65;
constexpr double kLongitude = 135;
constexpr double kDeclination = -23.45;

// Reports the time per sun position computed.
void CountPositions(benchmark::State& state, int64_t positionsPerIteration) {
  state.SetItemsProcessed(state.iterations() * positionsPerIteration);
  state.counters["per_position"] = benchmark::Counter(
      static_cast<double>(positionsPerIteration),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The times of the full-day series at 10-minute steps, in true solar hours.
std::vector<double> FullDayTimes() {
  Chart chart;
  chart.setIncludeRiseSet(true);
  if (!chart.AddSolars(-999, -999, 10).ok()) std::abort();
  std::vector<double> times;
  for (const ChartSolar& solar : *chart.Solars()) times.push_back(solar.CalcTime());
  return times;
}

void BM_Engine_AddSolarsFullDay(benchmark::State& state) {
  Chart chart;
  chart.setIncludeRiseSet(true);
  int64_t count = 0;
  for (auto _ : state) {
    chart.RemoveSolars();
    if (!chart.AddSolars(-999, -999, 10).ok()) std::abort();
    count = chart.Solars()->CountSolars();
    benchmark::DoNotOptimize(chart.Solars()->Solar(1).Altitude());
  }
  CountPositions(state, count);
}
BENCHMARK(BM_Engine_AddSolarsFullDay);

void BM_Engine_AddSolarsSingle(benchmark::State& state) {
  Chart chart;
  double t = 9.5;
  for (auto _ : state) {
    chart.RemoveSolars();
    if (!chart.AddSolars(t, t, 0).ok()) std::abort();
    benchmark::DoNotOptimize(chart.Solars()->Solar(1).Azimuth());
    t = t < 15 ? t + 0.01 : 9.5;
  }
  CountPositions(state, 1);
}
BENCHMARK(BM_Engine_AddSolarsSingle);

void BM_Engine_EquationOfTimeYear(benchmark::State& state) {
  Chart chart;
  for (auto _ : state) {
    double sum = 0;
    for (int16_t day = 1; day <= 365; ++day) {
      chart.Season().setCalcDate(day);
      sum += chart.Season().EquationOfTime();
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * 365);
}
BENCHMARK(BM_Engine_EquationOfTimeYear);

// One sun position by the engine's formulas, with nothing around them.
struct BarePosition {
  double hourAngle, altitude, azimuth, magnification;
};

BarePosition BareSunPosition(double solarTime, double sinP, double cosP, double sinD, double cosD) {
  const double h = 15 * solarTime - 180;
  const double x = sinP * sinD + cosP * cosD * std::cos(DegToRad(h));
  const double b =
      std::fabs(x) >= 1 ? std::copysign(1.570796326794895, x) : std::atan(x / std::sqrt(1 - x * x));
  const double a = RadToDeg(b);
  const double sinA = std::sin(b);
  const double cosA = std::cos(b);
  const double y = (sinA * sinP - sinD) / (cosP * cosA);
  const double az = std::fabs(y) >= 1 ? (y > 0 ? 0 : kPi)
                                      : std::atan(-y / std::sqrt(1 - y * y)) + 2 * std::atan(1.0);
  return {h, a, h >= 0 ? RadToDeg(az) : -RadToDeg(az), a <= 0 ? -1 : 1 / std::tan(DegToRad(a))};
}

void BM_Floor_FullDay(benchmark::State& state) {
  const std::vector<double> times = FullDayTimes();
  std::vector<BarePosition> positions(times.size());
  for (auto _ : state) {
    // Per call, like AddSolars: the day's sines and cosines and the sunrise.
    const double p = DegToRad(kLatitude);
    const double d = DegToRad(kDeclination);
    const double sinP = std::sin(p), cosP = std::cos(p), sinD = std::sin(d), cosD = std::cos(d);
    const double x = -std::tan(p) * std::tan(d);
    benchmark::DoNotOptimize(std::atan(-x / std::sqrt(1 - x * x)));
    for (size_t i = 0; i < times.size(); ++i) {
      positions[i] = BareSunPosition(times[i], sinP, cosP, sinD, cosD);
    }
    benchmark::DoNotOptimize(positions.data());
    benchmark::ClobberMemory();
  }
  CountPositions(state, static_cast<int64_t>(times.size()));
}
BENCHMARK(BM_Floor_FullDay);

void BM_Libnova_FullDay(benchmark::State& state) {
  const std::vector<double> times = FullDayTimes();
  // 2026-12-22 at the same place; the dial's solar hours taken as JST.
  const double midnightJd = 2461396.5 - 9.0 / 24;
  ln_lnlat_posn observer{kLongitude, kLatitude};
  std::vector<ln_hrz_posn> positions(times.size());
  for (auto _ : state) {
    for (size_t i = 0; i < times.size(); ++i) {
      const double jd = midnightJd + times[i] / 24;
      ln_equ_posn equ;
      ln_get_solar_equ_coords(jd, &equ);
      ln_get_hrz_from_equ(&equ, &observer, jd, &positions[i]);
    }
    benchmark::DoNotOptimize(positions.data());
    benchmark::ClobberMemory();
  }
  CountPositions(state, static_cast<int64_t>(times.size()));
}
BENCHMARK(BM_Libnova_FullDay);

}  // namespace

// One magnetic declination of the World Magnetic Model (degree 12), at
// places spread over the globe so that no value is computed twice in a row.
void BM_Wmm2025Declination(benchmark::State& state) {
  double latitude = -80, longitude = -180, sum = 0;
  for (auto _ : state) {
    sum += Wmm2025Declination(latitude, longitude, 2027.5);
    latitude = latitude >= 80 ? -80 : latitude + 7.3;
    longitude = longitude >= 170 ? -180 : longitude + 13.1;
  }
  benchmark::DoNotOptimize(sum);
}
BENCHMARK(BM_Wmm2025Declination)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
