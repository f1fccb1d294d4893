#pragma once
// The main window under test: one widget application on the offscreen
// platform for the whole program, a fresh temporary current directory for
// each test (so last-used designs and plot files never leak between tests),
// every dialog answered by the test and every program start recorded.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/form1.h"
#include "qt_app.h"
#include "platform/dialogs.h"
#include "platform/system.h"

namespace kes::test {

// Programs the window asked to start, and whether starting them succeeds.
inline std::vector<std::string> startedPrograms;
inline bool programsStart = true;
inline bool recordStart(const std::string& name, const std::vector<std::string>&) {
  startedPrograms.push_back(name);
  return programsStart;
}

class AppTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    qtApp();
    setSingleInstanceCheckEnabled(false);
    setProgramStarterHook(&recordStart);
  }

  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    oldDir = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    startedPrograms.clear();
    programsStart = true;
    setMsgBoxAnswerer([this](const MsgBoxRequest& r) {
      messages.push_back(r);
      if (msgAnswers.empty()) return MsgResult::Ok;
      const MsgResult a = msgAnswers.front();
      msgAnswers.pop_front();
      return a;
    });
    setInputBoxAnswerer([this](const InputBoxRequest& r) {
      inputs.push_back(r);
      if (answers.empty()) return std::optional<std::string>();  // Cancel
      std::optional<std::string> a = answers.front();
      answers.pop_front();
      return a;
    });
  }

  void TearDown() override {
    form.reset();
    Form1::setInstanceProbe(nullptr);
    setMsgBoxAnswerer(nullptr);
    setInputBoxAnswerer(nullptr);
    QDir::setCurrent(oldDir);
  }

  // The window as the program starts it.
  Form1& start() {
    form = std::make_unique<Form1>();
    EXPECT_TRUE(form->Form_Load());
    QCoreApplication::processEvents();
    return *form;
  }

  QStringList files() const { return QDir(dir.path()).entryList(QDir::Files); }
  bool has(const char* name) const { return files().contains(name); }
  std::string caption() const { return form->windowTitle().toStdString(); }

  // A file's bytes, or "<missing>".
  std::string read(const char* name) const {
    QFile f(QDir(dir.path()).filePath(QString::fromLatin1(name)));
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "<missing>";
  }

  // Writes a file in the test's folder (a placeholder unless bytes are given).
  void touch(const char* name, const std::string& bytes = "x\r\n") const {
    QFile f(QDir(dir.path()).filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }

  // The Files frame's three design names.
  void nameDesign(const char* sail, const char* mold, const char* panels) {
    form->Combo1->setText(sail);
    form->Combo2->setText(mold);
    form->Combo3->setText(panels);
  }
  // The design stem.sal, stem.mld and stem.pnl named and saved with "Save".
  void saveDesign(const char* stem) {
    nameDesign(stem, stem, stem);
    form->Command13_Click();
  }

  // A develop run that stops naming `text` in the caption and in its one
  // message box, the window idle again.
  void expectStops(const std::function<void()>& run, const std::string& text) {
    messages.clear();
    run();
    EXPECT_EQ(caption(), text);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, text);
    EXPECT_TRUE(!busyPointer() && !form->developRunning());
  }

  // Gives a control the focus, as a click into it would.
  void focus(QWidget* w) {
    form->activateWindow();
    w->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), w);
  }

  // A key pressed on the keyboard goes to the control with the focus.
  static void press(Qt::Key key) {
    QWidget* to = QApplication::focusWidget();
    ASSERT_NE(to, nullptr);
    QKeyEvent ev(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(to, &ev);
  }

  // Counts the runs of a handler, the nested ones too: a box's change
  // handler, or the repaints every layout or preview run starts.
  int runs = 0;
  void countRuns(std::function<void()>& handler) {
    handler = [this, inner = handler] {
      ++runs;
      inner();
    };
  }

  // Clicks into a box behind its text and types key by key, each key going
  // to the control that has the focus; '\b' is BackSpace.
  static void clickAfterTextAndType(QWidget* box, const std::string& keys) {
    QApplication::setActiveWindow(box->window());
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(box->width() - 3, box->height() / 2));
    ASSERT_EQ(QApplication::focusWidget(), box);
    for (const char c : keys) {
      if (c == '\b')
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
      else
        QTest::keyClick(QApplication::focusWidget(), c);
    }
  }

  // A left-button click on a control at a point of its own.
  static void click(QWidget* w) { click(w, QRectF(w->rect()).center()); }
  static void click(QWidget* w, QPointF at) {
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QMouseEvent ev(type, at, w->mapToGlobal(at), Qt::LeftButton,
                     type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(w, &ev);
    }
  }

  QTemporaryDir dir;
  QString oldDir;
  std::unique_ptr<Form1> form;
  std::vector<MsgBoxRequest> messages;
  std::vector<InputBoxRequest> inputs;
  std::deque<std::optional<std::string>> answers;  // input box answers; nullopt = Cancel
  std::deque<MsgResult> msgAnswers;                // message box answers; OK when none left
};

}  // namespace kes::test
