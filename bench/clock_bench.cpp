// The desktop sundial's picture at 500 x 500 px: one redraw after a move of
// the track bar, and a whole day of minute steps in free mode with the
// process's resident memory before and after.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "ClockModel.h"
#include "ClockPicture.h"
#include "GuiSession.h"
#include "MainModel.h"

namespace {

using namespace std::chrono;

constexpr int kSize = 500;

void PrepareFreeMode(MainModel& main, ClockModel& clock) {
  main.season.adjustEquation = true;
  main.season.seasonDate = {2026, 6, 21};
  main.clockOption.picture = true;
  main.clockOption.invertShadow = true;
  if (!clock.Open().ok()) std::abort();
}

double PeakRssKib() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss);
}

double CurrentRssKib() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1024;
}

void BM_ClockRedrawAfterTrackMove(benchmark::State& state) {
  EnsureGuiSession();
  MainModel main;
  ClockModel clock(main);
  PrepareFreeMode(main, clock);
  // Argument: the screen's device pixel ratio (2 on a high-DPI screen).
  ClockPicture picture(kSize, kSize, static_cast<double>(state.range(0)));
  int position = 6 * 60;
  for (auto _ : state) {
    position = position >= 18 * 60 ? 6 * 60 : position + kTrackLineStep;
    if (!clock.MoveTrack(position).ok() || !clock.Draw(picture).ok()) {
      state.SkipWithError(main.lastError.description.c_str());
      break;
    }
    benchmark::DoNotOptimize(picture.Image().constBits());
  }
}
BENCHMARK(BM_ClockRedrawAfterTrackMove)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Every minute of one day drawn once, as a long drag would; the growth of
// the resident set tells whether anything piles up per picture.
void BM_FreeModeDayOfMinuteSteps(benchmark::State& state) {
  EnsureGuiSession();
  MainModel main;
  ClockModel clock(main);
  PrepareFreeMode(main, clock);
  ClockPicture picture(kSize, kSize);
  if (!clock.Draw(picture).ok()) std::abort();  // fonts and caches made once before measuring
  const double peakBefore = PeakRssKib();
  const double currentBefore = CurrentRssKib();
  for (auto _ : state) {
    for (int minute = 0; minute < kTrackMinutes; ++minute) {
      if (!clock.MoveTrack(minute).ok() || !clock.Draw(picture).ok()) {
        state.SkipWithError(main.lastError.description.c_str());
        return;
      }
    }
    benchmark::DoNotOptimize(picture.Image().constBits());
  }
  state.counters["peak_rss_growth_kib"] = PeakRssKib() - peakBefore;
  state.counters["rss_growth_kib"] = CurrentRssKib() - currentBefore;
}
BENCHMARK(BM_FreeModeDayOfMinuteSteps)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
