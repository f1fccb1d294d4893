#pragma once
// The window during a develop run. A develop is one event handler that lets
// pending events run once per plot file; while it runs, only repaints and
// Esc may act: another Develop click, typing, dragging, the mouse wheel and
// the menus are swallowed, Esc calls onEsc, and closing the window calls
// onClose instead of closing it (the run stops as on Esc and the window
// closes when the run has ended).
//
//   RunEventGate gate(window, [&] { StopRequest = 1; }, [&] { ... });
//   ...
//   gate.pump();   // once per plot file
//   // the gate lifts when it goes out of scope

#include <functional>
#include <memory>

class QWidget;

namespace kes {

class RunEventGate {
 public:
  RunEventGate(QWidget* window, std::function<void()> onEsc, std::function<void()> onClose);
  ~RunEventGate();
  RunEventGate(const RunEventGate&) = delete;
  RunEventGate& operator=(const RunEventGate&) = delete;

  // Runs the pending events once, through the gate.
  void pump();

 private:
  class Filter;
  std::unique_ptr<Filter> filter_;
};

// The system's beep.
void beep();

}  // namespace kes
