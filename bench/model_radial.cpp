// The pure radial develop of the designed default sail laid out radially
// (6 bands; fans 5 and 5, bands 5, 5, 5, 4, 3): all 32 plot files built and
// finished in memory, lettering with the built-in font. Target: under 2 ms.

#include <benchmark/benchmark.h>

#include <memory>

#include "default_sail.h"
#include "layout/crosscut.h"
#include "layout/radial.h"
#include "platform/recording_surface.h"
#include "radial/radial_develop.h"

namespace {

struct RadialSail {
  kes::SailModel m;
  kes::PanelLayout L;
  RadialSail() {
    kes::SailInputs in = kes::testing::defaultInputs();
    kes::recompute(in, m);
    L.PanelCount = 6;
    kes::defaultSeamEnds(m, L, 6, false);
    kes::buildSeamLines(m, L);
    kes::RadialInputs r;
    const int counts[7] = {5, 5, 5, 5, 5, 4, 3};
    for (int i = 0; i < 7; ++i) r.counts[i] = counts[i];
    kes::RecordingSurface s;
    kes::layoutRadial(L, r, s);
  }
};

void BM_RadialDevelopDefaultLayout(benchmark::State& state) {
  static const auto sail = std::make_unique<RadialSail>();
  kes::RadialInput in;
  in.layout = &sail->L;
  in.model = &sail->m;
  kes::RadialBoxTexts t{"1.5", "1.5", "1.5", "1.5", "1.5", ".5", {}, {}, {}, {}, {}};
  in.boxes = kes::ReadRadialBoxes(t);
  in.units = kes::SetPlotUnits(500, 500, false, false);
  in.font = &kes::BuiltinStrokeFont();
  std::size_t files = 0;
  for (auto _ : state) {
    kes::RadialDevelop run(in);
    kes::RadialFinishState st;
    kes::RadialPanelFile f;
    files = 0;
    while (run.next(f)) {
      const kes::RadialFinished done =
          kes::FinishRadialFile(f.text, f.angle, f.label, 500, 500, st);
      benchmark::DoNotOptimize(done.text.data());
      ++files;
    }
  }
  state.counters["files"] = static_cast<double>(files);
}
BENCHMARK(BM_RadialDevelopDefaultLayout)->Unit(benchmark::kMillisecond);

}  // namespace
