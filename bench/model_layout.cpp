// The panel layout of the default sail without the window: 33 crosscut
// panels with their seams square to the leech chord (each seam a spline,
// lifted and twisted), and the default radial layout (6 bands, fans of 5 and
// 5) over its seam lines, drawn onto a recording surface.
// Targets: the crosscut layout under 50 µs, the radial layout under 25 µs.

#include <benchmark/benchmark.h>

#include "default_sail.h"
#include "layout/crosscut.h"
#include "layout/radial.h"
#include "model/sail_model.h"
#include "platform/recording_surface.h"

namespace {

kes::SailModel defaultSail() {
  kes::SailModel m;
  kes::recompute(kes::testing::defaultInputs(), m);
  return m;
}

// A layout of n panels with its default ends (square to the leech chord for
// a crosscut sail), one per benchmark; kept out of the stack for its size.
kes::PanelLayout& withDefaultEnds(const kes::SailModel& m, int n, bool crosscut) {
  static kes::PanelLayout L;
  L = kes::PanelLayout{};
  L.PanelCount = n;
  kes::defaultSeamEnds(m, L, n, crosscut);
  return L;
}

void BM_CrosscutLayout33(benchmark::State& state) {
  kes::SailModel m = defaultSail();
  kes::PanelLayout& L = withDefaultEnds(m, 33, true);
  for (auto _ : state) {
    kes::buildSeamLines(m, L);
    benchmark::DoNotOptimize(L.SeamLines[16](1, 50));
  }
}
BENCHMARK(BM_CrosscutLayout33)->Unit(benchmark::kMicrosecond);

// The same with the seams and their handles drawn.
void BM_CrosscutLayout33Drawn(benchmark::State& state) {
  kes::SailModel m = defaultSail();
  kes::PanelLayout& L = withDefaultEnds(m, 33, true);
  kes::RecordingSurface s;
  for (auto _ : state) {
    s.forget();
    kes::buildSeamLines(m, L);
    kes::drawSeamLines(L, 1.0, s);
    benchmark::DoNotOptimize(s.ops().data());
  }
}
BENCHMARK(BM_CrosscutLayout33Drawn)->Unit(benchmark::kMicrosecond);

void BM_RadialLayoutDefault(benchmark::State& state) {
  kes::SailModel m = defaultSail();
  kes::PanelLayout& L = withDefaultEnds(m, 6, false);
  kes::buildSeamLines(m, L);
  kes::RadialInputs in;
  const int counts[7] = {5, 5, 5, 5, 5, 4, 3};
  for (int k = 0; k < 7; ++k) in.counts[k] = counts[k];
  in.handleSize = 1.0;
  kes::RecordingSurface s;
  for (auto _ : state) {
    s.forget();
    kes::layoutRadial(L, in, s);
    benchmark::DoNotOptimize(s.ops().data());
  }
}
BENCHMARK(BM_RadialLayoutDefault)->Unit(benchmark::kMicrosecond);

}  // namespace
