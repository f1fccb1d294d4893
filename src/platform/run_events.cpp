#include "platform/run_events.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace kes {

class RunEventGate::Filter : public QObject {
 public:
  Filter(QWidget* window, std::function<void()> onEsc, std::function<void()> onClose)
      : window_(window), onEsc_(std::move(onEsc)), onClose_(std::move(onClose)) {}

  bool eventFilter(QObject* watched, QEvent* e) override {
    // A message box the run shows (a failed write, no viewer for the report)
    // takes the mouse and the keys: Qt already keeps them from the window
    // behind it, and gating them too would leave the box unanswerable.
    if (QApplication::activeModalWidget() != nullptr) return false;
    switch (e->type()) {
      case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape && !static_cast<QKeyEvent*>(e)->isAutoRepeat() && onEsc_)
          onEsc_();
        return true;
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::Wheel:
      case QEvent::ContextMenu:
      case QEvent::DragEnter:
      case QEvent::DragMove:
      case QEvent::Drop:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
      case QEvent::TabletPress:
      case QEvent::TabletMove:
      case QEvent::TabletRelease:
        return true;
      case QEvent::Close:
        if (watched == window_) {
          if (onClose_) onClose_();
          e->ignore();
          return true;
        }
        return false;
      default:
        return false;
    }
  }

 private:
  QWidget* window_;
  std::function<void()> onEsc_, onClose_;
};

RunEventGate::RunEventGate(QWidget* window, std::function<void()> onEsc, std::function<void()> onClose)
    : filter_(std::make_unique<Filter>(window, std::move(onEsc), std::move(onClose))) {
  if (QCoreApplication::instance() != nullptr) QCoreApplication::instance()->installEventFilter(filter_.get());
}

RunEventGate::~RunEventGate() {
  if (QCoreApplication::instance() != nullptr) QCoreApplication::instance()->removeEventFilter(filter_.get());
}

void RunEventGate::pump() {
  if (QCoreApplication::instance() != nullptr) QCoreApplication::processEvents();
}

void beep() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) QApplication::beep();
}

}  // namespace kes
