// The analyser's redraw work without the window: five cambers of 25 points
// fitted, drawn onto a recording surface and measured into the 25 grid texts,
// and the five fits and measures alone. Target: the whole under 10 µs.

#include <benchmark/benchmark.h>

#include "analyser/camber_analysis.h"
#include "analyser/camber_spline.h"
#include "five_cambers.h"
#include "platform/recording_surface.h"

namespace {

void BM_AnalyseFiveCambers(benchmark::State& state) {
  const kes::Tracing t = kes::bench::fiveCambers();
  kes::CamberCurves work;
  kes::RecordingSurface s;
  kes::ResultGrid grid;
  for (auto _ : state) {
    s.forget();
    kes::AnalyseCambers(t, kes::PhotoZoom{}, work, s, grid);
  }
  benchmark::DoNotOptimize(grid.text[1][4].data());
}
BENCHMARK(BM_AnalyseFiveCambers)->Unit(benchmark::kMicrosecond);

void BM_FitFiveCambers(benchmark::State& state) {
  const kes::Tracing t = kes::bench::fiveCambers();
  kes::CamberSpline w[5];
  const int n[5] = {25, 25, 25, 25, 25};
  bool fitted[5];
  for (auto _ : state) {
    for (int c = 1; c <= 5; ++c)
      for (int j = 1; j <= 25; ++j) w[c - 1].X[j] = t.X[c][j], w[c - 1].Y[j] = t.Y[c][j];
    kes::FitCamberSplines(w, n, fitted, 5);
    benchmark::DoNotOptimize(fitted);
  }
  benchmark::DoNotOptimize(w[4].outY[50]);
}
BENCHMARK(BM_FitFiveCambers)->Unit(benchmark::kMicrosecond);

// A surface that draws nothing: the fits, the measures and the 25 texts alone.
class NoSurface : public kes::RecordingSurface {
 public:
  void point(double, double, int) override {}
  void lineTo(double, double, int) override {}
};

void BM_MeasureFiveCambers(benchmark::State& state) {
  const kes::Tracing t = kes::bench::fiveCambers();
  kes::CamberCurves work;
  NoSurface s;
  kes::ResultGrid grid;
  for (auto _ : state) kes::AnalyseCambers(t, kes::PhotoZoom{}, work, s, grid);
  benchmark::DoNotOptimize(grid.text[1][4].data());
}
BENCHMARK(BM_MeasureFiveCambers)->Unit(benchmark::kMicrosecond);

}  // namespace
