// The window controls' event rules: handlers run on real changes only, from
// the user or from code, nest when a handler writes a control, and scroll
// bars refuse values outside their range instead of clamping them.

#include "platform/controls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <memory>
#include <tuple>
#include <utility>

#include "qt_app.h"

namespace kes {
namespace {

using Texts = std::vector<std::string>;

// Typing and clicking as a person would, through the widgets' own events.
void type(QWidget* w, const QString& keys) {
  for (const QChar c : keys) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &release);
  }
}

void clickAt(QWidget* w, QPointF at, Qt::MouseButton b = Qt::LeftButton) {
  QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), b, b, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), b, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(w, &release);
}

class Controls : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { test::qtApp(); }
  void SetUp() override { host = std::make_unique<QWidget>(); }
  std::unique_ptr<QWidget> host;
};

TEST_F(Controls, ScrollBarsRefuseValuesOutsideTheirRangeWhicheverEndIsLarger) {
  // Each row: the min end, the max end, a value inside, one below, one above.
  const int cases[][5] = {{0, 10, 5, -1, 12}, {450, 0, 280, -1, 451}, {800, 200, 280, 150, 801}};
  for (const auto& c : cases) {
    ScrollBar bar(Qt::Vertical, host.get(), "VScroll1");
    bar.setMinMax(c[0], c[1]);
    int runs = 0;
    bar.onChange = [&] { ++runs; };
    // Inside, the same value again (accepted, no handler), below, above; in this order.
    EXPECT_EQ((std::tuple{bar.setValue(c[2]), bar.setValue(c[2]), bar.setValue(c[3]), bar.setValue(c[4])}),
              std::tuple(true, true, false, false)) << c[0];
    EXPECT_EQ(bar.value(), c[2]);
    EXPECT_EQ(runs, 1);
  }
}

TEST_F(Controls, ReversedBarsArrowsTrackAndThumbMoveTowardTheirOwnEnd) {
  // The entry-angle bar: 450 at the top, 0 at the bottom. Its upper arrow and
  // the track above the thumb raise the value; its lower arrow lowers it.
  ScrollBar mold(Qt::Vertical, host.get(), "VScroll1");
  mold.setMinMax(450, 0);
  mold.setLargeChange(10);
  mold.setGeometry(0, 0, 17, 200);
  host->show();
  mold.setValue(280);
  int runs = 0;
  mold.onChange = [&] { ++runs; };
  // The upper arrow, the lower arrow, the track between the upper arrow and the thumb.
  const std::pair<int, int> clicks[] = {{2, 281}, {197, 280}, {22, 290}};
  for (const auto& [y, value] : clicks) {
    clickAt(&mold, QPoint(8, y));
    EXPECT_EQ(mold.value(), value) << y;
  }
  mold.setValue(450);
  clickAt(&mold, QPoint(8, 2));  // already at its top end: no change
  EXPECT_EQ(runs, 4);

  // Dragging the thumb scrolls; the change comes once, on release.
  int scrolls = 0;
  mold.onScroll = [&] { ++scrolls; };
  mold.setSliderDown(true);
  mold.setSliderPosition(50);
  EXPECT_EQ(mold.value(), 400);  // the handlers read the thumb's value while dragging
  mold.setSliderDown(false);
  EXPECT_EQ(scrolls, 1);
  EXPECT_EQ(runs, 5);
}

TEST_F(Controls, CheckBoxHoldsZeroOneTwoAndClicksOnEveryChange) {
  CheckBox box(host.get(), "Check2", "Unlock");
  int clicks = 0;
  box.onClick = [&] { ++clicks; };
  EXPECT_TRUE(box.setValue(1) && box.setValue(1) && box.setValue(2));  // the same value: no click
  EXPECT_FALSE(box.setValue(3));
  EXPECT_EQ(std::tuple(box.value(), box.checkState(), clicks), std::tuple(2, Qt::PartiallyChecked, 2));
  box.click();  // the user's click from greyed ticks it
  const int ticked = box.value();
  box.click();
  box.click();  // greyed comes only from code
  EXPECT_EQ(std::tuple(ticked, box.value(), clicks), std::tuple(1, 1, 5));
}

TEST_F(Controls, ComboKeepsTypedTextAndPickingRunsChangeThenClick) {
  // A new sail name that begins like a listed one stays as typed, so a save
  // does not go to the listed design's files.
  ComboBox combo(host.get(), "Combo1");
  Texts events;
  combo.onChange = [&] { events.push_back("change " + combo.text()); };
  combo.onClick = [&] { events.push_back("click " + combo.text()); };
  combo.addItem("genoa.sal");
  host->show();
  host->activateWindow();
  combo.setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(combo.lineEdit()->hasFocus());
  type(combo.lineEdit(), "ge");
  combo.setText("ge");  // the text it holds: no change
  combo.pick(0);
  combo.clearList();
  EXPECT_EQ(events,
            (Texts{"change g", "change ge", "change genoa.sal", "click genoa.sal", "change "}));
}

}  // namespace
}  // namespace kes
