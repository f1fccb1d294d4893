// The window controls' event rules: handlers run on real changes only, from
// the user or from code, nest when a handler writes a control, and scroll
// bars refuse values outside their range instead of clamping them.

#include "platform/controls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWidget>
#include <memory>

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

TEST_F(Controls, TextBoxHandlerRunsOncePerRealChangeAndNestsWhenItRewritesItsBox) {
  // A count box whose handler clamps itself: -50 becomes 50, then 33, each
  // rewrite running the handler again inside the write.
  TextBox box(host.get(), "Text15", "10");
  Texts runs;
  box.onChange = [&] {
    runs.push_back(box.text());
    const double v = std::stod(box.text().empty() ? "0" : box.text());
    if (v < 0) box.setText(std::to_string(static_cast<int>(-v)));
    if (std::stod(box.text()) > 33) box.setText("33");
  };
  box.setText("10");  // the text it already holds
  EXPECT_TRUE(runs.empty());
  box.setText("-50");
  EXPECT_EQ(runs, (Texts{"-50", "50", "33"}));
  EXPECT_EQ(box.text(), "33");

  runs.clear();
  box.selectAll();
  type(&box, "40");  // every keystroke: "4" passes, "40" is cut to 33
  EXPECT_EQ(runs, (Texts{"4", "40", "33"}));
  EXPECT_EQ(box.QLineEdit::text().toStdString(), "33");
}

TEST_F(Controls, ScrollBarsRefuseValuesOutsideTheirRangeWhicheverEndIsLarger) {
  struct Case {
    int minEnd, maxEnd, good, badLow, badHigh;
  };
  for (const Case c : {Case{0, 10, 5, -1, 12}, Case{450, 0, 280, -1, 451}, Case{800, 200, 280, 150, 801},
                       Case{6, 1, 3, 0, 7}}) {
    ScrollBar bar(Qt::Vertical, host.get(), "VScroll1");
    bar.setMinMax(c.minEnd, c.maxEnd);
    int runs = 0;
    bar.onChange = [&] { ++runs; };
    EXPECT_TRUE(bar.setValue(c.good)) << c.minEnd;
    EXPECT_TRUE(bar.setValue(c.good));  // same value: accepted, no handler
    EXPECT_FALSE(bar.setValue(c.badLow)) << c.minEnd;
    EXPECT_FALSE(bar.setValue(c.badHigh)) << c.minEnd;
    EXPECT_EQ(bar.value(), c.good);
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
  clickAt(&mold, QPoint(8, 2));
  EXPECT_EQ(mold.value(), 281);
  clickAt(&mold, QPoint(8, 197));
  clickAt(&mold, QPoint(8, 197));
  EXPECT_EQ(mold.value(), 279);
  clickAt(&mold, QPoint(8, 22));  // the track between the upper arrow and the thumb
  EXPECT_EQ(mold.value(), 289);
  EXPECT_EQ(runs, 4);
  mold.setValue(450);
  clickAt(&mold, QPoint(8, 2));  // already at its top end: no change
  EXPECT_EQ(runs, 5);

  // Dragging the thumb scrolls; the change comes once, on release.
  int scrolls = 0;
  mold.onScroll = [&] { ++scrolls; };
  mold.setSliderDown(true);
  mold.setSliderPosition(100);
  mold.setSliderPosition(50);
  EXPECT_EQ(mold.value(), 400);  // the handlers read the thumb's value while dragging
  mold.setSliderDown(false);
  EXPECT_EQ(scrolls, 2);
  EXPECT_EQ(runs, 6);
}

TEST_F(Controls, HandlersChainAcrossControlsOnlyOnRealChanges) {
  // A bar writing a box whose handler writes another box.
  ScrollBar bar(Qt::Vertical, host.get(), "VScroll2");
  bar.setMinMax(350, 0);
  TextBox dep(host.get(), "dep", "9");
  TextBox area(host.get(), "Text46", "");
  Texts order;
  bar.onChange = [&] {
    order.push_back("bar");
    dep.setText(std::to_string(bar.value() / 10));
  };
  dep.onChange = [&] {
    order.push_back("dep");
    area.setText("area " + dep.text());
  };
  area.onChange = [&] { order.push_back("area"); };
  bar.setValue(120);
  EXPECT_EQ(order, (Texts{"bar", "dep", "area"}));
  EXPECT_EQ(area.text(), "area 12");
  order.clear();
  bar.setValue(125);  // writes "12" again: the box does not change
  EXPECT_EQ(order, (Texts{"bar"}));
}

TEST_F(Controls, CheckBoxHoldsZeroOneTwoAndClicksOnEveryChange) {
  CheckBox box(host.get(), "Check2", "Unlock");
  int clicks = 0;
  box.onClick = [&] { ++clicks; };
  EXPECT_TRUE(box.setValue(1));
  EXPECT_TRUE(box.setValue(1));
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(box.setValue(2));
  EXPECT_EQ(box.checkState(), Qt::PartiallyChecked);
  EXPECT_FALSE(box.setValue(3));
  EXPECT_EQ(box.value(), 2);
  box.click();  // the user's click from greyed ticks it
  EXPECT_EQ(box.value(), 1);
  box.click();
  EXPECT_EQ(box.value(), 0);
  box.click();  // greyed comes only from code
  EXPECT_EQ(box.value(), 1);
  EXPECT_EQ(clicks, 5);
}

TEST_F(Controls, OptionButtonsClickWhenSelectedAndMenuMarksChangeOnlyThroughCode) {
  OptionButton a(host.get(), "Option8", "Square");
  OptionButton b(host.get(), "Option9", "Triangle");
  int aClicks = 0, bClicks = 0;
  a.onClick = [&] { ++aClicks; };
  b.onClick = [&] { ++bClicks; };
  b.setValue(true);
  b.setValue(true);
  a.setValue(true);
  EXPECT_FALSE(b.value());
  EXPECT_EQ(aClicks + bClicks, 2);  // being cleared is no click
  a.setValue(false);                // a design load may clear every style
  EXPECT_FALSE(a.value() || b.value());

  QMenu menu;
  MenuItem inches(&menu, "Inches", "&Inches", true);
  int clicks = 0;
  inches.onClick = [&] { ++clicks; };
  inches.choose();
  EXPECT_TRUE(inches.isChecked());
  EXPECT_EQ(clicks, 1);
  inches.setCheckMark(false);
  EXPECT_FALSE(inches.checked() || inches.isChecked());
}

TEST_F(Controls, ButtonReportsMouseDownWithItsButtonCode) {
  CommandButton z(host.get(), "Command1", "Z", "Orientation");
  z.resize(20, 20);
  std::vector<int> downs;
  int clicks = 0;
  z.onMouseDown = [&](int b) { downs.push_back(b); };
  z.onClick = [&] { ++clicks; };
  for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) clickAt(&z, {10, 10}, b);
  EXPECT_EQ(downs, (std::vector<int>{1, 2, 4}));
  EXPECT_EQ(clicks, 1);
}

TEST_F(Controls, ComboKeepsTypedTextAndPickingRunsChangeThenClick) {
  // A new sail name that begins like a listed one stays as typed, so a save
  // does not go to the listed design's files.
  ComboBox combo(host.get(), "Combo1");
  Texts events;
  combo.onChange = [&] { events.push_back("change " + combo.text()); };
  combo.onClick = [&] { events.push_back("click " + combo.text()); };
  combo.addItem("genoa.sal");
  combo.addItem("");
  EXPECT_TRUE(events.empty());
  host->show();
  host->activateWindow();
  combo.setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(combo.lineEdit()->hasFocus());
  type(combo.lineEdit(), "ge");
  EXPECT_EQ(combo.currentText().toStdString(), "ge");
  combo.setText("ge");  // the text it holds: no change
  combo.pick(0);
  EXPECT_EQ(events, (Texts{"change g", "change ge", "change genoa.sal", "click genoa.sal"}));
  events.clear();
  combo.clearList();
  EXPECT_EQ(combo.listCount(), 0);
  EXPECT_EQ(events, (Texts{"change "}));
}

TEST_F(Controls, TwipPlacementRemembersTwipsAndRoundsEdges) {
  QWidget w(host.get());
  setTwipRect(&w, 120, 120, 6757.5, 6375);
  EXPECT_DOUBLE_EQ(twipRect(&w).width, 6757.5);
  EXPECT_EQ(w.geometry(), QRect(8, 8, 451, 425));  // each edge to the nearest pixel
  setTwipLeft(&w, 6502.5);
  EXPECT_DOUBLE_EQ(twipRect(&w).left, 6502.5);
  EXPECT_EQ(w.geometry(), QRect(434, 8, 450, 425));
}

}  // namespace
}  // namespace kes
