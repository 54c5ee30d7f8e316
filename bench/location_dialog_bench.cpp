// The location dialog with every city of the shipped database: opening it
// (regions and the default region's cities read and shown) and one key typed
// into its search box (the list filled again). Both against a frame budget:
// 150 ms to open, 16 ms a key.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <string>

#include "LocationDatabase.h"
#include "LocationDialog.h"
#include "MainModel.h"

namespace {

void BM_LocationDialogOpen(benchmark::State& state) {
  MainModel main;
  for (auto _ : state) {
    LocationDialog dialog(nullptr, main, LocationDatabaseFolder());
    dialog.Load();
    dialog.show();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_LocationDialogOpen)->Unit(benchmark::kMillisecond);

// Types "b", "be", "ber", "berl", "berli", "berlin", then clears it, and so
// on: the list is refilled once per key, the first key the broadest.
void BM_LocationSearchKey(benchmark::State& state) {
  MainModel main;
  LocationDialog dialog(nullptr, main, LocationDatabaseFolder());
  dialog.Load();
  dialog.show();
  auto* filter = dialog.findChild<QLineEdit*>("txtFilter");
  auto* list = dialog.findChild<QListWidget*>("lstCities");
  filter->setText("x");  // the first search reads every city; not a key's cost
  const QString word = QStringLiteral("berlin");
  int length = 0;
  for (auto _ : state) {
    length = length == word.size() ? 1 : length + 1;
    filter->setText(word.left(length));
    QApplication::processEvents();
  }
  if (list->count() == 0) state.SkipWithError("nothing found");
}
BENCHMARK(BM_LocationSearchKey)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
