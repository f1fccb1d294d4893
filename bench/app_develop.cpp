// "Develop" of the Panels frame in the window at its designed size: the
// default sail with four battens and two reef rows in 33 crosscut panels,
// both foot panels, previews, turning and the report, written into a fresh
// folder each time; "&Show Results" off.
// Target: under 100 ms. The application and main() are app_keystroke.cpp's.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "app/form1.h"
#include "platform/dialogs.h"
#include "platform/system.h"

namespace {

void BM_CrosscutDevelopClick33(benchmark::State& state) {
  auto home = std::make_unique<QTemporaryDir>();
  QDir::setCurrent(home->path());
  kes::setSingleInstanceCheckEnabled(false);
  kes::setMsgBoxAnswerer([](const kes::MsgBoxRequest&) { return kes::MsgResult::Ok; });
  auto form = std::make_unique<kes::Form1>();
  form->Form_Load();
  QCoreApplication::processEvents();
  form->Command4_Click();  // Std 4
  form->NumReef[0]->setText("3");
  form->ReefPos[0]->setText("15");
  form->NumReef[1]->setText("4");
  form->ReefPos[1]->setText("30");
  form->Option[3]->setValue(true);
  form->Text[15]->setText("33");
  form->dummy33_Click();  // "&Show Results" off
  for (auto _ : state) {
    state.PauseTiming();
    auto fresh = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(fresh->path());
    state.ResumeTiming();
    form->Command8_Click();
    state.PauseTiming();
    QDir::setCurrent(home->path());
    fresh.reset();
    state.ResumeTiming();
  }
  form.reset();
}
BENCHMARK(BM_CrosscutDevelopClick33)->Unit(benchmark::kMillisecond);

}  // namespace
