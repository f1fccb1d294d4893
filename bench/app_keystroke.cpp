// What one keystroke in a size box costs at the designed window size: the
// box's change handler recomputes the whole sail and repaints the plan view.
// Target: under 5 ms a keystroke; the repaint alone under 2 ms.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "app_window.h"

namespace {

kes::Form1* window() {
  static kes::bench::Window& w = kes::bench::keep(std::make_unique<kes::bench::Window>());
  return w.form.get();
}

// Two texts typed into a box in turn, so every write is a real change; with
// `shown` the window also paints the pending screen update of the plan view.
void typeInTurn(benchmark::State& state, kes::Form1* f, kes::TextBox* box, const char* a,
                const char* b, bool shown) {
  bool flip = false;
  for (auto _ : state) {
    box->setText(flip ? a : b);
    flip = !flip;
    if (shown) QCoreApplication::processEvents();
  }
  benchmark::DoNotOptimize(f->m.area);
}

// Typing into the luff box.
void BM_KeystrokeInSizeBox(benchmark::State& state) {
  kes::Form1* f = window();
  typeInTurn(state, f, f->Text[1], "100", "101", false);
}
BENCHMARK(BM_KeystrokeInSizeBox)->Unit(benchmark::kMillisecond);

// The same with battens set, so the leech carries its hollow between them.
void BM_KeystrokeWithBattens(benchmark::State& state) {
  kes::Form1* f = window();
  f->Command4_Click();  // "Std 4"
  typeInTurn(state, f, f->Text[12], "12", "13", false);
  f->Command19_Click();  // "None"
}
BENCHMARK(BM_KeystrokeWithBattens)->Unit(benchmark::kMillisecond);

// The keystroke until the window has shown it: the pending screen update of
// the plan view is painted too.
void BM_KeystrokeShownOnScreen(benchmark::State& state) {
  kes::Form1* f = window();
  typeInTurn(state, f, f->Text[1], "100", "101", true);
}
BENCHMARK(BM_KeystrokeShownOnScreen)->Unit(benchmark::kMillisecond);

// Picture1's repaint alone (clear and the plan view's paint).
void BM_RepaintPlanView(benchmark::State& state) {
  kes::Form1* f = window();
  for (auto _ : state) f->Picture1->refresh();
  benchmark::DoNotOptimize(f->Picture1->image().constBits());
}
BENCHMARK(BM_RepaintPlanView)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  kes::bench::closeKeptWindows();
  return 0;
}
