// The dial view at its own size on the offscreen platform: a character typed
// into the latitude box until the picture has been repainted, and one step
// of the time slider, for a horizontal dial and a wall. Run with
// --benchmark_repetitions=9 for the median.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSlider>

#include "ClockPictureView.h"
#include "DialView.h"
#include "MainFormModel.h"

namespace {

class SilentUi : public FormUi {
 public:
  FormAnswer Ask(const FormMessage&) override { return FormAnswer::Ok; }
  std::string OpenFileName(const FileChoice&) override { return {}; }
  std::string SaveFileName(const FileChoice&) override { return {}; }
  void ShowBusyStatus(std::string_view, std::string_view) override {}
  void SetBusy(bool) override {}
};

// Argument: 0 horizontal, 1 a wall facing south-south-west.
void Prepare(MainModel& main, int64_t plane) {
  main.clockOption.picture = true;
  if (plane == 1) main.dialPlane = PresetOrientation(PlanePreset::Vertical, 35, 200);
}

void ShowView(DialView& view) {
  view.resize(340, 420);
  view.show();
  view.Picture()->repaint();  // the first paint; the picture comes after it
  QCoreApplication::processEvents();
  view.Picture()->repaint();
}

// The picture drawn and painted: the offscreen platform may skip a repaint
// of a window it has not exposed, so the drawing is asked for here.
void Repaint(DialView& view, benchmark::State& state) {
  if (!view.Model().Draw(view.Picture()->Picture()).ok()) state.SkipWithError("not drawn");
  view.Picture()->repaint();
}

void BM_TypedLatitudeToRepaintedView(benchmark::State& state) {
  MainModel main;
  Prepare(main, state.range(0));
  SilentUi ui;
  MainFormModel form(main, ui);
  form.Load();
  DialView view(main);
  ShowView(view);
  const std::string texts[] = {"3", "35", "4", "40"};
  std::size_t next = 0;
  for (auto _ : state) {
    if (!view.Model().Typed(form, FormBox::Latitude0, texts[next++ % 4])) {
      state.SkipWithError("refused");
      break;
    }
    Repaint(view, state);
  }
}
BENCHMARK(BM_TypedLatitudeToRepaintedView)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_SliderStep(benchmark::State& state) {
  MainModel main;
  Prepare(main, state.range(0));
  DialView view(main);
  ShowView(view);
  auto* slider = view.findChild<QSlider*>();
  view.Model().SetMoment(std::chrono::year{2025} / 5 / 1, 9 * 60);
  view.Picture()->repaint();
  for (auto _ : state) {
    const int next = slider->value() + slider->singleStep();
    slider->setValue(next > 15 * 60 ? 9 * 60 : next);
    Repaint(view, state);
  }
}
BENCHMARK(BM_SliderStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
