// Kestrova: the sail designer's main window, run in the current directory.

#include <QApplication>

#include "app/form1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kes::Form1 form;
  if (!form.Form_Load()) return 0;  // another copy is already running
  return app.exec();
}
