// The preview window at A3 and 200 %: a zoom or page change (layout and
// drawing into the cached picture, then the repaint) and a scroll step
// (the cached picture moved and repainted, the dial not drawn again).
#include <cstdlib>
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "FontSubstitutions.h"
#include "MainModel.h"
#include "PreviewWindow.h"
#include "PrintJob.h"

namespace {

// A3 portrait without a printer: the document's paper gives the sheet.
std::unique_ptr<PreviewWindow> OpenA3At200(MainModel& main) {
  main.Printer().setPaperSize(kPaperA3);
  auto window = std::make_unique<PreviewWindow>(main);
  window->resize(1000, 800);
  window->show();
  QApplication::processEvents();
  PreviewModel& model = window->Model();
  while (model.Zoom() < 2.0) model.ZoomAt(ZoomMode::In, 0, 0);
  return window;
}

void Repaint(QWidget* widget) {
  widget->repaint();
}

void BM_PreviewPageChangeA3At200(benchmark::State& state) {
  MainModel main;
  if (!main.ApplySeason().ok()) std::abort();
  auto window = OpenA3At200(main);
  QAction* divide = window->findChild<QAction*>("actDividePages");
  for (auto _ : state) {
    divide->trigger();  // page count and page change: layout, render, repaint
    Repaint(window->Picture());
  }
  state.counters["picture_px"] =
      window->Picture()->Page().width() * static_cast<double>(window->Picture()->Page().height());
}
BENCHMARK(BM_PreviewPageChangeA3At200)->Unit(benchmark::kMillisecond);

void BM_PreviewScrollA3At200(benchmark::State& state) {
  MainModel main;
  if (!main.ApplySeason().ok()) std::abort();
  auto window = OpenA3At200(main);
  QScrollBar* bar = window->findChild<QScrollBar*>("vscPreview");
  const qint64 page = window->Picture()->Page().cacheKey();
  bool forward = true;
  for (auto _ : state) {
    bar->triggerAction(forward ? QAbstractSlider::SliderSingleStepAdd
                               : QAbstractSlider::SliderSingleStepSub);
    forward = !forward;
    Repaint(window->Picture());
  }
  if (window->Picture()->Page().cacheKey() != page)
    state.SkipWithError("scrolling redrew the dial");
}
BENCHMARK(BM_PreviewScrollA3At200)->Unit(benchmark::kMillisecond);

// Peak resident memory of the process so far, in MiB.
double PeakMiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  InstallFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::printf("peak resident memory: %.1f MiB\n", PeakMiB());
  return 0;
}
