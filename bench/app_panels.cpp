// The Panels frame in the window at its designed size: a keystroke in the
// panel count box reaching 33 crosscut panels, a keystroke in a band count
// box of the radial layout (each: layout and repaint), one move of a dragged
// seam end, and a press of "Chk".
// Targets: each keystroke under 0.5 ms, a drag move under 20 µs, a "Chk"
// press under 0.3 ms. The application and main() are app_keystroke.cpp's.

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "app_window.h"

namespace {

// A fresh window in the Panels frame for each benchmark.
struct Window : kes::bench::Window {
  Window() { form->Option[3]->setValue(true); }
};

void typeInTurn(benchmark::State& state, kes::TextBox* box, const char* a, const char* b) {
  bool flip = false;
  for (auto _ : state) {
    box->setText(flip ? a : b);
    flip = !flip;
  }
}

void BM_PanelCountKeystroke33(benchmark::State& state) {
  Window w;
  typeInTurn(state, w.form->Text[15], "32", "33");
}
BENCHMARK(BM_PanelCountKeystroke33)->Unit(benchmark::kMillisecond);

void BM_BandCountKeystroke(benchmark::State& state) {
  Window w;
  w.form->Check[1]->setValue(1);
  typeInTurn(state, w.form->Text[23], "4", "5");
}
BENCHMARK(BM_BandCountKeystroke)->Unit(benchmark::kMillisecond);

// A luff end held and moved back and forth between its neighbours.
void BM_DragMove(benchmark::State& state) {
  Window w;
  kes::Form1& f = *w.form;
  const kes::Curve& seam = f.layout.SeamLines[5];
  f.Picture1_MouseDown(1, 0, seam(1, 1), seam(2, 1));
  const kes::Curve& luff = f.m.LuffCurve;
  bool flip = false;
  for (auto _ : state) {
    const int i = flip ? 45 : 55;
    f.Picture1_MouseMove(1, 0, luff(1, i), luff(2, i));
    flip = !flip;
  }
  f.Picture1_MouseUp(1, 0, 0, 0);
}
BENCHMARK(BM_DragMove)->Unit(benchmark::kMicrosecond);

// Each press turns the sail once more; the release after the run rebuilds it.
void BM_CheckViewPress(benchmark::State& state) {
  Window w;
  for (auto _ : state) w.form->Command11_MouseDown(1);
  w.form->Command11_MouseUp(1);
}
BENCHMARK(BM_CheckViewPress)->Unit(benchmark::kMillisecond);

}  // namespace
