// A latitude typed and the box left: validation, the chart, and the refresh
// of every box (ShowChart). Run with --benchmark_repetitions=9 for the median.
#include <benchmark/benchmark.h>

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

void TypeLatitudeAndLeave(benchmark::State& state) {
  MainModel model;
  SilentUi ui;
  MainFormModel form(model, ui);
  form.Load();
  const std::string values[] = {"35", "36"};
  std::size_t next = 0;
  for (auto _ : state) {
    form.Enter(FormBox::Latitude0);
    form.Edit(FormBox::Latitude0, values[next++ % 2]);
    benchmark::DoNotOptimize(form.Leave(FormBox::Latitude0));
  }
}
BENCHMARK(TypeLatitudeAndLeave)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
