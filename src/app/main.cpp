// Kestrova: the sail designer's main window, run in the current directory.

#include <QApplication>

#include "app/form1.h"
#include "platform/atomic_file.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kes::Form1 form;
  if (!form.Form_Load()) return 0;  // another copy is already running
  // Only copy running: a temporary file of a save that a kill cut short is
  // nobody's now.
  kes::removeStaleTemporaryFiles();
  return app.exec();
}
