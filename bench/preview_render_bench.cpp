// One A4 page of the default design drawn onto an A4 image at the preview's
// 200 % zoom (the page at twice its real size on a 96 dpi screen).
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

void BM_PreviewRenderA4At200(benchmark::State& state) {
  EnsureGuiSession();
  MainModel main;
  if (!main.ApplySeason().ok()) {
    state.SkipWithError("ApplySeason failed");
    return;
  }
  const SheetSize sheet = PaperSheetSize(kPaperA4, kPortrait);
  QImage image(static_cast<int>(sheet.Width / 25.4 * kScreenDpi * kZoom),
               static_cast<int>(sheet.Height / 25.4 * kScreenDpi * kZoom), QImage::Format_RGB32);
  const PageRequest page{kPaperA4, kPortrait, 1, 1, kScreenDpi};
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    if (!RenderPreviewPage(main, painter, page, kZoom, true).ok()) {
      state.SkipWithError(main.LastError.Description.c_str());
      break;
    }
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["width_px"] = image.width();
  state.counters["height_px"] = image.height();
}
BENCHMARK(BM_PreviewRenderA4At200)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
