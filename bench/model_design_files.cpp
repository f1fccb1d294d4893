// The three files of the 7-panel crosscut design written to memory and read
// back, the ends put into a layout. Target: under 40 µs.

#include <benchmark/benchmark.h>

#include "design/panel_file.h"
#include "design/sail_file.h"

namespace {

using namespace kes;

void BM_DesignFilesWrittenAndReadBack(benchmark::State& state) {
  SailFile sail;
  sail.date = "05-07-2024";
  sail.comments = "Seven-panel crosscut";
  sail.millimeters = true;
  const double size[13] = {9000, 300, 60, 250, 40, 300, 130, 9500, 900, 55, 4200, 200, 50};
  for (int i = 0; i < 13; ++i) sail.size[i] = size[i];
  sail.moldName = "seven.mld";
  sail.panelName = "seven.pnl";
  MoldFile mold;
  mold.twist = 7;
  for (int s = 0; s < 6; ++s) {
    mold.ent[s] = 28;
    mold.dep[s] = 8 + s * 0.5;
    mold.pos[s] = 42;
    mold.ex[s] = 16;
  }
  PanelFile panel;
  const double fixed[43] = {0,   15,  15, 15, 15, 15, 7,  5,  5,  5,  5, 5, 4, 3, 5,
                            0,   0,   0,  40, 30, 1,  30, 60, 1,  10, 10, 5, 5, 18, 15,
                            5,   5,   15, 12, 5,  5,  0,  -1, 0,  3,  -1, -1, .006};
  for (int n = 0; n <= kPanelFixedLines; ++n) panel.line[n] = fixed[n];
  static PanelLayout layout, back;
  for (int i = 0; i <= 7; ++i) {
    layout.SeamLeechEnd[i] = 100 - 14 * i;
    layout.SeamLuffEnd[i] = 1 + 14 * i;
  }
  const int counts[7] = {5, 5, 5, 5, 5, 4, 3};
  for (int k = 0; k < 7; ++k) layout.RadialCount[k] = counts[k];

  for (auto _ : state) {
    const std::string s = writeSailFile(sail), m = writeMoldFile(mold),
                      p = writePanelFile(panel, layout);
    const SailRead rs = readSailFile(s);
    const MoldRead rm = readMoldFile(m);
    const PanelRead rp = readPanelFile(p, layout.RadialCount);
    storeEnds(rp, back, nullptr);
    benchmark::DoNotOptimize(rs.sail.size[0] + rm.mold.twist + back.SeamLuffEnd[3]);
  }
}
BENCHMARK(BM_DesignFilesWrittenAndReadBack)->Unit(benchmark::kMicrosecond);

}  // namespace
