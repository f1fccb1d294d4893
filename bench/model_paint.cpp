// Painting the plan view of the default sail onto a recording surface of the
// designed drawing-area size: the edges, mold stripes, draft line, battens and
// reef points (Size frame), and the same with the selected stripe and the
// section strip (Mold frame).

#include <benchmark/benchmark.h>

#include <string>

#include "default_sail.h"
#include "model/sail_model.h"
#include "platform/recording_surface.h"
#include "view/plan_view.h"

namespace {

kes::SailModel defaultSail() {
  kes::SailInputs in = kes::testing::defaultInputs();
  const double batPos[4] = {20, 40, 60, 80}, batLen[4] = {12, 16, 14, 9};
  for (int r = 0; r < 4; ++r) {
    in.batten[r].position = batPos[r];
    in.batten[r].length = batLen[r];
  }
  in.battenHollow = 0.006;
  in.currentSection = 1;
  kes::SailModel m;
  kes::recompute(in, m);
  return m;
}

kes::PlanViewInputs paintInputs(bool mold) {
  kes::PlanViewInputs in;
  const char* pos[5] = {"20", "40", "60", "80", ""};
  const char* len[5] = {"12", "16", "14", "9", ""};
  const char* ang[5] = {"0", "0", "0", "0", ""};
  for (int b = 0; b < 5; ++b) {
    in.batPos[b] = std::string(pos[b]);
    in.batLngth[b] = std::string(len[b]);
    in.batAngl[b] = std::string(ang[b]);
  }
  // Built whole and moved in: assigning a literal to a string trips a false
  // overlap warning of GCC 12 at -O3.
  in.numReef[0] = std::string("4");
  in.reefPos[0] = std::string("15");
  in.numReef[1] = std::string("4");
  in.reefPos[1] = std::string("30");
  in.sectionVisible = mold;
  in.currentSection = 1;
  return in;
}

void paint(benchmark::State& state, bool mold) {
  const kes::SailModel m = defaultSail();
  const kes::PlanViewInputs in = paintInputs(mold);
  kes::RecordingSurface picture1;  // the drawing area's designed size
  kes::RecordingSurface picture2(8775, 1755);
  picture1.setForeColor(15);
  picture1.setScale(m.fullView.left, m.fullView.top, m.fullView.right, m.fullView.bottom);
  for (auto _ : state) {
    const kes::PlanViewResult r = kes::paintPlanView(m, in, picture1, &picture2);
    benchmark::DoNotOptimize(r);
    benchmark::DoNotOptimize(picture1.ops().data());
  }
  state.counters["ops"] = static_cast<double>(picture1.ops().size() + picture2.ops().size());
}

void BM_PaintPlanView(benchmark::State& state) { paint(state, false); }
void BM_PaintPlanViewMold(benchmark::State& state) { paint(state, true); }

}  // namespace

BENCHMARK(BM_PaintPlanView)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintPlanViewMold)->Unit(benchmark::kMicrosecond);
