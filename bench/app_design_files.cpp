// Loading and saving the 7-panel crosscut design from a temporary folder at
// the designed window size. Targets: the load with its recompute and
// repaint under 2 ms; the save (three files written through temporary
// files, the three lists refreshed) under 3 ms.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "app/form1.h"
#include "platform/dialogs.h"
#include "platform/system.h"

namespace {

// The window with the 7-panel design saved as "seven" in its own folder.
kes::Form1* designWindow() {
  static std::unique_ptr<QTemporaryDir> dir;
  static std::unique_ptr<kes::Form1> form;
  if (!form) {
    dir = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(dir->path());
    kes::setSingleInstanceCheckEnabled(false);
    kes::setMsgBoxAnswerer([](const kes::MsgBoxRequest&) { return kes::MsgResult::Ok; });
    form = std::make_unique<kes::Form1>();
    form->Form_Load();
    QCoreApplication::processEvents();
    form->Millimeters_Click();
    form->Text[15]->setText("7");
    form->Command4_Click();  // "Std 4" battens
    form->Combo1->setText("seven");
    form->Combo2->setText("seven");
    form->Combo3->setText("seven");
    form->Command13_Click();
  }
  QDir::setCurrent(dir->path());
  return form.get();
}

void BM_LoadDesign(benchmark::State& state) {
  kes::Form1* f = designWindow();
  for (auto _ : state) f->Command12_Click();
  benchmark::DoNotOptimize(f->m.area);
}
BENCHMARK(BM_LoadDesign)->Unit(benchmark::kMillisecond);

void BM_SaveDesign(benchmark::State& state) {
  kes::Form1* f = designWindow();
  for (auto _ : state) f->Command13_Click();
  benchmark::DoNotOptimize(f->designSaves);
}
BENCHMARK(BM_SaveDesign)->Unit(benchmark::kMillisecond);

}  // namespace
