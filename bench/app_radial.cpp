// The radial "Develop" in the window on the default sail laid out radially
// (6 bands; fans 5 and 5, bands 5, 5, 5, 4, 3): all 32 plot files and
// temp.txt written into a temporary folder, previews and turning included.
// Target: under 100 ms. The application and main() are app_keystroke.cpp's.

#include <benchmark/benchmark.h>

#include "app_window.h"

namespace {

void BM_RadialDevelopInWindow(benchmark::State& state) {
  kes::bench::Window w;
  kes::Form1& f = *w.form;
  f.Option3_Click();
  f.Check[1]->setValue(1);  // "Radials"
  QCoreApplication::processEvents();
  for (auto _ : state) f.Command10_Click();
}
BENCHMARK(BM_RadialDevelopInWindow)->Unit(benchmark::kMillisecond);

}  // namespace
