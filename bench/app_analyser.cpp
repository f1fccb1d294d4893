// The analyser window with a 4000 x 3000 photo and five traced cambers of 25
// points: a redraw, a drag step in Edit mode, each zoom release with its
// rescale and redraws, and opening the photo with its analysis file.
// Targets: redraw and drag step under 1 ms, a zoom release under 8 ms,
// opening under 120 ms.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QImage>
#include <memory>

#include "analyser/analysis_file.h"
#include "app/form2.h"
#include "app_window.h"
#include "five_cambers.h"
#include "platform/atomic_file.h"

namespace {

// The analyser of a main window kept for the run, in that window's folder,
// with the photo open and its analysis file read.
kes::Form2* analyser() {
  static kes::Form2* form = nullptr;
  if (form) return form;
  kes::bench::Window& w = kes::bench::keep(std::make_unique<kes::bench::Window>());
  QImage photo(4000, 3000, QImage::Format_RGB32);
  for (int y = 0; y < photo.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
    for (int x = 0; x < photo.width(); ++x) line[x] = qRgb(x % 256, y % 256, (x ^ y) % 256);
  }
  const QDir here(w.dir.path());
  photo.save(here.filePath(QStringLiteral("sail.bmp")), "BMP");
  kes::writeFileAtomically(here.filePath(QStringLiteral("sail.anl")).toStdString(),
                   kes::writeAnalysis("five cambers", kes::bench::fiveCambers()));
  w.form->dummy31_Click();  // "&Analyze"
  form = w.form->analyser();
  form->File1->setPath(w.dir.path().toStdString());
  form->File1->click(0);
  return form;
}

void BM_AnalyserRedraw(benchmark::State& state) {
  kes::Form2* f = analyser();
  for (auto _ : state) f->redraw();
  benchmark::DoNotOptimize(f->Text1[4]->text().data());
}
BENCHMARK(BM_AnalyserRedraw)->Unit(benchmark::kMillisecond);

void BM_AnalyserDragStep(benchmark::State& state) {
  kes::Form2* f = analyser();
  f->Option1[0]->setValue(true);
  const double x = f->cambers.X[3][12], y = f->cambers.Y[3][12];
  f->Image1_MouseDown(1, 0, x, y);
  bool flip = false;
  for (auto _ : state) {
    f->Image1_MouseMove(1, 0, x, y + (flip ? 40 : -40));
    flip = !flip;
  }
  f->Image1_MouseUp(1, 0, x, y);
}
BENCHMARK(BM_AnalyserDragStep)->Unit(benchmark::kMillisecond);

// A right-button box from (1000, 1000) down to y = 3694, released: zoom in.
void zoomIn(kes::Form2* f) {
  f->Image1_MouseDown(2, 0, 1000, 1000);
  f->Image1_MouseMove(2, 0, 1000, 3694);
  f->Image1_MouseUp(2, 0, 1000, 3694);
}
void zoomOut(kes::Form2* f) {
  f->Image1_MouseDown(2, 0, 100, 100);
  f->Image1_MouseUp(2, 0, 100, 100);
}

void BM_AnalyserZoomInRelease(benchmark::State& state) {
  kes::Form2* f = analyser();
  for (auto _ : state) {
    state.PauseTiming();
    f->Image1_MouseDown(2, 0, 1000, 1000);
    f->Image1_MouseMove(2, 0, 1000, 3694);
    state.ResumeTiming();
    f->Image1_MouseUp(2, 0, 1000, 3694);
    state.PauseTiming();
    zoomOut(f);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AnalyserZoomInRelease)->Unit(benchmark::kMillisecond);

void BM_AnalyserZoomOutRelease(benchmark::State& state) {
  kes::Form2* f = analyser();
  for (auto _ : state) {
    state.PauseTiming();
    zoomIn(f);
    f->Image1_MouseDown(2, 0, 100, 100);
    state.ResumeTiming();
    f->Image1_MouseUp(2, 0, 100, 100);
  }
}
BENCHMARK(BM_AnalyserZoomOutRelease)->Unit(benchmark::kMillisecond);

void BM_AnalyserOpenPhoto(benchmark::State& state) {
  kes::Form2* f = analyser();
  for (auto _ : state) f->File1->click(0);
  benchmark::DoNotOptimize(f->cambers.count[5]);
}
BENCHMARK(BM_AnalyserOpenPhoto)->Unit(benchmark::kMillisecond);

}  // namespace
