// The Reinforcements frame in the window at its designed size, with the
// Radials style, ten patches a corner, five pockets, two reef rows of ten
// points and copies: the preview "V" (two repaints, the seams, the patches;
// target 1 ms) and "Develop" into a temporary folder (target 50 ms).
// The application and main() are app_keystroke.cpp's.

#include <benchmark/benchmark.h>

#include <memory>

#include "app_window.h"

namespace {

// Kept from one benchmark to the next; the folder it writes into is its own.
kes::Form1* reinforcementsWindow() {
  static kes::bench::Window* w = nullptr;
  if (!w) {
    w = &kes::bench::keep(std::make_unique<kes::bench::Window>());
    kes::Form1& f = *w->form;
    f.Option[7]->setValue(true);
    f.Option[10]->setValue(true);
    for (int box : {43, 44, 45}) f.Text[box]->setText("10");
    const char* lengths[5] = {"36", "40", "42", "38", "30"};
    for (int i = 0; i < 5; ++i) f.BatLngth[i]->setText(lengths[i]);
    for (int r = 0; r < 2; ++r) f.NumReef[r]->setText("10");
    QCoreApplication::processEvents();
  }
  QDir::setCurrent(w->dir.path());
  return w->form.get();
}

void BM_PatchPreviewInWindow(benchmark::State& state) {
  kes::Form1* f = reinforcementsWindow();
  for (auto _ : state) f->Command22_Click();
  benchmark::DoNotOptimize(f->Picture1->image().constBits());
}
BENCHMARK(BM_PatchPreviewInWindow)->Unit(benchmark::kMillisecond);

void BM_ReinforcementDevelop(benchmark::State& state) {
  kes::Form1* f = reinforcementsWindow();
  for (auto _ : state) f->Command21_Click();
  state.counters["files"] = static_cast<double>(kes::listFiles("*.uc").size());
}
BENCHMARK(BM_ReinforcementDevelop)->Unit(benchmark::kMillisecond);

}  // namespace
