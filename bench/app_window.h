#pragma once
// The main window as the window benchmarks start it: in a temporary folder
// of its own (no last-used design is read or written), the single-instance
// test off, every message box answered OK.

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <memory>
#include <utility>
#include <vector>

#include "app/form1.h"
#include "platform/dialogs.h"
#include "platform/system.h"

namespace kes::bench {

struct Window {
  QTemporaryDir dir;
  std::unique_ptr<Form1> form;
  Window() {
    QDir::setCurrent(dir.path());
    setSingleInstanceCheckEnabled(false);
    setMsgBoxAnswerer([](const MsgBoxRequest&) { return MsgResult::Ok; });
    form = std::make_unique<Form1>();
    form->Form_Load();
    QCoreApplication::processEvents();
  }
};

// Windows kept from one benchmark to the next. main() closes them while the
// application still stands: a window left to the program's exit would be
// taken down after it.
inline std::vector<std::unique_ptr<Window>>& keptWindows() {
  static std::vector<std::unique_ptr<Window>> windows;
  return windows;
}
inline Window& keep(std::unique_ptr<Window> w) {
  keptWindows().push_back(std::move(w));
  return *keptWindows().back();
}
inline void closeKeptWindows() { keptWindows().clear(); }

}  // namespace kes::bench
