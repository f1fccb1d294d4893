#pragma once
// The main window as the window benchmarks start it: in a temporary folder
// of its own (no last-used design is read or written), the single-instance
// test off, every message box answered OK.

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <memory>

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

}  // namespace kes::bench
