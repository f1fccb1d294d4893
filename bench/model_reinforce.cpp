// The reinforcements without the window: the patch preview of the default
// sail in the Radials style with ten patches a corner on a recording surface
// (target 20 µs), and the text of every file of the heaviest develop, built
// in memory (target 2 ms).

#include <benchmark/benchmark.h>

#include "default_sail.h"
#include "develop/lettering.h"
#include "develop/plot_file.h"
#include "model/sail_model.h"
#include "platform/recording_surface.h"
#include "reinforce/patch_files.h"
#include "reinforce/patch_preview.h"

namespace {

kes::SailModel sail() {
  kes::SailModel m;
  kes::recompute(kes::testing::defaultInputs(), m);
  return m;
}

// Radials, every quantity 10, five pockets, two reef rows of ten points, copies.
kes::ReinforceSettings heaviest() {
  kes::ReinforceSettings rs;
  rs.style = {false, false, true};
  rs.tack.quantity = rs.clew.quantity = rs.head.quantity = 10;
  const double lengths[5] = {36, 40, 42, 38, 30};
  for (int i = 0; i < 5; ++i) rs.battenLength[i] = lengths[i];
  rs.reefCount[0] = rs.reefCount[1] = 10;
  return rs;
}

void BM_PatchPreview(benchmark::State& state) {
  const kes::SailModel m = sail();
  const kes::ReinforceSettings rs = heaviest();
  kes::RecordingSurface picture1;
  picture1.setScale(m.fullView.left, m.fullView.top, m.fullView.right, m.fullView.bottom);
  for (auto _ : state) {
    picture1.forget();
    kes::previewPatches(picture1, m, rs);
  }
  benchmark::DoNotOptimize(picture1.ops().size());
}
BENCHMARK(BM_PatchPreview)->Unit(benchmark::kMicrosecond);

struct Sizes : kes::ReinforcementSink {
  std::size_t bytes = 0;
  int files = 0;
  bool plainFile(const std::string&, const std::string& text) override {
    bytes += text.size();
    ++files;
    return true;
  }
  bool refusedPlainFile(const std::string& name, const std::string& text, std::string_view) override {
    return plainFile(name, text);
  }
  bool patchFile(const kes::PatchFile& f) override {
    bytes += f.finished.turned.size() + f.finished.copy.size();
    ++files;
    return true;
  }
};

void BM_ReinforcementFilesInMemory(benchmark::State& state) {
  const kes::SailModel m = sail();
  const kes::ReinforceSettings rs = heaviest();
  const kes::PlotUnits units = kes::SetPlotUnits(500, 500, false, false);
  const kes::StrokeFont& font = kes::BuiltinStrokeFont();
  Sizes sizes;
  for (auto _ : state) {
    sizes = Sizes();
    kes::developReinforcements(m, rs, units, font, sizes);
  }
  benchmark::DoNotOptimize(sizes.bytes);
  state.counters["files"] = sizes.files;
}
BENCHMARK(BM_ReinforcementFilesInMemory)->Unit(benchmark::kMillisecond);

}  // namespace
