#pragma once
// The one widget application of a test program, on the offscreen
// platform so that no display is needed. Any test that creates widgets calls
// qtApp() first; an application created elsewhere in the program is reused.

#include <QApplication>

namespace kes::test {

inline QApplication& qtApp() {
  if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) return *existing;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "kestrova_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

}  // namespace kes::test
