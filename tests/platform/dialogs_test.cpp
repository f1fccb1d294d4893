// Modal windows in a test run: message boxes that never wait offscreen, and
// the run gate that lets only a box shown during a run be clicked.

#include "platform/dialogs.h"
#include "platform/run_events.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QMouseEvent>
#include <QPushButton>

#include "qt_app.h"

namespace {

using namespace kes;

TEST(Dialogs, WithoutAnAnswererNothingWaitsOffscreen) {
  test::qtApp();
  ASSERT_EQ(QGuiApplication::platformName(), QLatin1String("offscreen"));
  // Each of these would hang the test run if a dialog opened.
  EXPECT_EQ(msgBox(nullptr, "Welcome", "Kestrova"), MsgResult::Ok);
  EXPECT_EQ(msgBox(nullptr, "Delete All Plot files?", "Delete All", MsgButtons::YesNo),
            MsgResult::No);  // the answer that deletes nothing
  EXPECT_EQ(msgBox(nullptr, "Go on?", "Kestrova", MsgButtons::OkCancel), MsgResult::Cancel);
  EXPECT_EQ(inputBox(nullptr, "Batten hollow:", "Batten Hollow", "0.6"), std::nullopt);
}

// A press sent to the button: true when it got through to the button.
bool pressReaches(QPushButton& button) {
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  press.setAccepted(false);
  QCoreApplication::sendEvent(&button, &press);
  const bool reached = button.isDown();
  button.setDown(false);
  return reached;
}

TEST(RunEventGate, KeepsClicksFromTheWindowButNotFromAMessageBoxItShows) {
  test::qtApp();
  QWidget window;
  QPushButton develop("Develop", &window);
  window.show();
  int escapes = 0;
  RunEventGate gate(&window, [&] { ++escapes; }, nullptr);

  // A second "Develop" click during the run is swallowed; Esc is heard.
  EXPECT_FALSE(pressReaches(develop));
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &esc);
  EXPECT_EQ(escapes, 1);

  // A modal box shown during the run (a failed write, no viewer) answers its OK.
  QDialog box(&window);
  QPushButton ok("OK", &box);
  box.setWindowModality(Qt::ApplicationModal);
  box.show();
  EXPECT_TRUE(pressReaches(ok));
  box.hide();
  EXPECT_FALSE(pressReaches(develop));
}

}  // namespace
