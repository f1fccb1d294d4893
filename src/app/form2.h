#pragma once
// The sail analyser window. It shares nothing with the main window: its
// result reaches the main window only as a mold file. For now it is the
// empty window the Analyze menu shows.

#include <QWidget>

namespace kes {

class Form2 : public QWidget {
 public:
  Form2();

  // The window's show operation: loads it (Form_Load) the first time, then
  // shows it without blocking the main window.
  void Form_Show();
  void Form_Load();

  bool loaded() const { return loaded_; }

 private:
  bool loaded_ = false;
};

}  // namespace kes
