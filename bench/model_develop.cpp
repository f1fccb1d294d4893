// The crosscut develop without the window: the default sail with four
// battens and two reef rows laid out in 33 panels, every panel, the shelf
// foot and the twist foot developed, lettered, marked, finished and turned,
// with the temp copies and the report lines, all in memory.
// Target: under 10 ms.

#include <benchmark/benchmark.h>

#include "default_sail.h"
#include "develop/crosscut_run.h"
#include "develop/develop_fixture.h"
#include "layout/crosscut.h"

namespace {

void BM_CrosscutDevelop33(benchmark::State& state) {
  kes::SailModel m;
  kes::recompute(kes::testing::defaultInputs(), m);
  static kes::PanelLayout L;  // kept out of the stack for its size
  L = kes::PanelLayout{};
  L.PanelCount = 33;
  kes::defaultSeamEnds(m, L, 33, true);
  kes::buildSeamLines(m, L);
  const kes::CrosscutSettings settings = kes::testing::defaultSettings(33);
  static kes::CrosscutRun run;
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::string report = run.heads();
    run.start(settings, &kes::BuiltinStrokeFont());
    while (run.next() != kes::CrosscutStep::Done) {
      // The twist foot's layout run before it rebuilds seam line 0; the
      // shelf foot's line 1 is rebuilt as the window's layout would.
      if (run.next() == kes::CrosscutStep::TwistFoot) kes::buildSeamLines(m, L);
      run.develop(m, L, nullptr);
      run.finish(nullptr);
      bytes += run.file().turned.size() + run.file().temp.size();
      report += run.accept();
    }
    report += run.battenTable();
    report += run.totals();
    benchmark::DoNotOptimize(report.data());
    kes::buildSeamLines(m, L);
  }
  state.counters["bytes/run"] = static_cast<double>(bytes) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_CrosscutDevelop33)->Unit(benchmark::kMillisecond);

}  // namespace
