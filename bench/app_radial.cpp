// The radial "Develop" in the window on the default sail laid out radially:
// every plot file and temp.txt written into a temporary folder, previews and
// turning included. Target: under 100 ms.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "app/form1.h"
#include "platform/dialogs.h"
#include "platform/system.h"

namespace {

void BM_RadialDevelopClick(benchmark::State& state) {
  QTemporaryDir dir;
  const QString before = QDir::currentPath();
  QDir::setCurrent(dir.path());
  kes::setSingleInstanceCheckEnabled(false);
  kes::setMsgBoxAnswerer([](const kes::MsgBoxRequest&) { return kes::MsgResult::Ok; });
  auto form = std::make_unique<kes::Form1>();
  form->Form_Load();
  form->Option3_Click();
  form->Check[1]->setValue(1);  // "Radials"
  QCoreApplication::processEvents();
  for (auto _ : state) form->Command10_Click();
  form.reset();
  QDir::setCurrent(before);
}
BENCHMARK(BM_RadialDevelopClick)->Unit(benchmark::kMillisecond);

}  // namespace
