// One page drawn onto an image at the preview's 200 % zoom (the page at twice
// its real size on a 96 dpi screen): the default design on A4, and on A3 a
// design with every line of the nodus (solar terms, halved hour curves), flat
// and on a wall facing south-south-west.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "GuiSession.h"
#include "ImageExport.h"
#include "MainModel.h"
#include "PrintJob.h"

namespace {

constexpr double kScreenDpi = 96;
constexpr double kZoom = 2.0;

void RenderAt200(benchmark::State& state, int16_t paper, bool allLines,
                 PlaneOrientation plane = {}) {
  EnsureGuiSession();
  MainModel main;
  main.dialPlane = plane;
  if (allLines) {
    main.Chart().Location().setTimeZone(9);
    main.Chart().setTimeSystem(1);
    main.dialOption.dateLines = 2;
    main.dialOption.hourCurves = 2;
  }
  if (!main.ApplySeason().ok()) {
    state.SkipWithError("ApplySeason failed");
    return;
  }
  const SheetSize sheet = PaperSheetSize(paper, kPortrait);
  QImage image(static_cast<int>(sheet.width / 25.4 * kScreenDpi * kZoom),
               static_cast<int>(sheet.height / 25.4 * kScreenDpi * kZoom), QImage::Format_RGB32);
  const PageRequest page{paper, kPortrait, 1, 1, kScreenDpi};
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    if (!RenderPreviewPage(main, painter, page, kZoom, true).ok()) {
      state.SkipWithError(main.lastError.description.c_str());
      break;
    }
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["width_px"] = image.width();
  state.counters["height_px"] = image.height();
}

void BM_PreviewRenderA4At200(benchmark::State& state) {
  RenderAt200(state, kPaperA4, false);
}
BENCHMARK(BM_PreviewRenderA4At200)->Unit(benchmark::kMillisecond);

void BM_PreviewRenderA3At200AllNodusLines(benchmark::State& state) {
  RenderAt200(state, kPaperA3, true);
}
BENCHMARK(BM_PreviewRenderA3At200AllNodusLines)->Unit(benchmark::kMillisecond);

void BM_PreviewRenderA3At200WallAllNodusLines(benchmark::State& state) {
  RenderAt200(state, kPaperA3, true, {202.5, 90});
}
BENCHMARK(BM_PreviewRenderA3At200WallAllNodusLines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
