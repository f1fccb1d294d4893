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

void clickMouse(QWidget* w, Qt::MouseButton b) {
  clickAt(w, QPointF(w->width() / 2.0, w->height() / 2.0), b);
}

class Controls : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { test::qtApp(); }
  void SetUp() override { host = std::make_unique<QWidget>(); }
  std::unique_ptr<QWidget> host;
};

TEST_F(Controls, TextBoxRunsItsHandlerOncePerRealChange) {
  TextBox box(host.get(), "Text1", "100");
  int runs = 0;
  box.onChange = [&] { ++runs; };
  box.setText("100");  // the text it already holds
  EXPECT_EQ(runs, 0);
  box.setText("120");
  box.setText("120");
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(box.text(), "120");
  EXPECT_EQ(box.QLineEdit::text().toStdString(), "120");
}

TEST_F(Controls, TypedTextRunsTheHandlerForEveryKeystroke) {
  TextBox box(host.get(), "Text1", "");
  std::vector<std::string> seen;
  box.onChange = [&] { seen.push_back(box.text()); };
  type(&box, "12a");
  EXPECT_EQ(seen, (std::vector<std::string>{"1", "12", "12a"}));
}

TEST_F(Controls, HandlerRewritingItsOwnBoxRunsNestedAndSeesTheNewText) {
  // A count box whose handler clamps itself: a typed -50 becomes 50, then 33,
  // each rewrite running the handler again inside the write.
  TextBox box(host.get(), "Text15", "10");
  std::vector<std::string> runs;
  box.onChange = [&] {
    runs.push_back(box.text());
    const double v = std::stod(box.text().empty() ? "0" : box.text());
    if (v < 0) box.setText(std::to_string(static_cast<int>(-v)));
    if (std::stod(box.text()) > 33) box.setText("33");
  };
  box.setText("-50");
  EXPECT_EQ(runs, (std::vector<std::string>{"-50", "50", "33"}));
  EXPECT_EQ(box.text(), "33");

  runs.clear();
  box.selectAll();
  type(&box, "40");  // typed: "4" passes, "40" is cut to 33
  EXPECT_EQ(runs, (std::vector<std::string>{"4", "40", "33"}));
  EXPECT_EQ(box.QLineEdit::text().toStdString(), "33");
}

TEST_F(Controls, ScrollBarRefusesValuesOutsideItsRange) {
  ScrollBar bar(Qt::Horizontal, host.get(), "HScroll2");
  bar.setMinMax(0, 10);
  int runs = 0;
  bar.onChange = [&] { ++runs; };
  ASSERT_TRUE(bar.setValue(5));
  EXPECT_FALSE(bar.setValue(12));
  EXPECT_FALSE(bar.setValue(-1));
  EXPECT_EQ(bar.value(), 5);
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(bar.setValue(5));  // same value: accepted, no handler
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(bar.setValue(10));
  EXPECT_EQ(runs, 2);
}

TEST_F(Controls, ReversedBarsKeepTheLargerValueAtTheirLeftOrTopEnd) {
  ScrollBar mold(Qt::Vertical, host.get(), "VScroll1");
  mold.setMinMax(450, 0);
  EXPECT_EQ(mold.minEnd(), 450);
  EXPECT_EQ(mold.maxEnd(), 0);
  EXPECT_TRUE(mold.setValue(450));
  EXPECT_TRUE(mold.setValue(0));
  EXPECT_FALSE(mold.setValue(451));

  ScrollBar draft(Qt::Vertical, host.get(), "VScroll3");
  draft.setMinMax(800, 200);
  EXPECT_FALSE(draft.setValue(150));  // below the bottom end: refused
  EXPECT_TRUE(draft.setValue(280));

  ScrollBar ellipse(Qt::Horizontal, host.get(), "HScroll5");
  ellipse.setMinMax(6, 1);
  EXPECT_TRUE(ellipse.setValue(3));
  EXPECT_FALSE(ellipse.setValue(0));
  EXPECT_FALSE(ellipse.setValue(7));
  EXPECT_EQ(ellipse.value(), 3);
}

TEST_F(Controls, ReversedBarsArrowsAndTrackMoveTowardTheirOwnEnd) {
  // The entry-angle bar: 450 at the top, 0 at the bottom. Its upper arrow and
  // a click in the track above the thumb raise the value; its lower arrow
  // lowers it.
  ScrollBar mold(Qt::Vertical, host.get(), "VScroll1");
  mold.setMinMax(450, 0);
  mold.setSmallChange(1);
  mold.setLargeChange(10);
  mold.setGeometry(0, 0, 17, 200);
  host->show();
  mold.setValue(280);
  int runs = 0;
  mold.onChange = [&] { ++runs; };
  clickAt(&mold, QPoint(8, 2));
  EXPECT_EQ(mold.value(), 281);
  EXPECT_EQ(runs, 1);
  clickAt(&mold, QPoint(8, 197));
  clickAt(&mold, QPoint(8, 197));
  EXPECT_EQ(mold.value(), 279);
  clickAt(&mold, QPoint(8, 22));  // the track between the upper arrow and the thumb
  EXPECT_EQ(mold.value(), 289);
  EXPECT_EQ(runs, 4);

  // The view bar: 95 at the left end, 0 at the right end.
  ScrollBar view(Qt::Horizontal, host.get(), "HScroll1");
  view.setMinMax(95, 0);
  view.setGeometry(0, 220, 200, 17);
  EXPECT_EQ(view.value(), 0);
  clickAt(&view, QPoint(2, 8));
  EXPECT_EQ(view.value(), 1);
  clickAt(&view, QPoint(197, 8));
  EXPECT_EQ(view.value(), 0);
  clickAt(&view, QPoint(197, 8));  // already at its right end
  EXPECT_EQ(view.value(), 0);
}

TEST_F(Controls, ThumbDragScrollsAndChangesOnceOnRelease) {
  ScrollBar bar(Qt::Vertical, host.get(), "VScroll5");
  bar.setMinMax(0, 90);
  int changes = 0, scrolls = 0;
  bar.onChange = [&] { ++changes; };
  bar.onScroll = [&] { ++scrolls; };
  bar.setSliderDown(true);
  bar.setSliderPosition(10);
  bar.setSliderPosition(20);
  EXPECT_EQ(bar.value(), 20);  // the handlers read the thumb's value while dragging
  bar.setSliderDown(false);
  EXPECT_EQ(scrolls, 2);
  EXPECT_EQ(changes, 1);
}

TEST_F(Controls, HandlersChainAcrossControls) {
  // A bar writing a box whose handler writes another box.
  ScrollBar bar(Qt::Vertical, host.get(), "VScroll2");
  bar.setMinMax(350, 0);
  TextBox dep(host.get(), "dep", "9");
  TextBox area(host.get(), "Text46", "");
  std::vector<std::string> order;
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
  EXPECT_EQ(order, (std::vector<std::string>{"bar", "dep", "area"}));
  EXPECT_EQ(area.text(), "area 12");
  order.clear();
  bar.setValue(125);  // writes "12" again: the box does not change
  EXPECT_EQ(order, (std::vector<std::string>{"bar"}));
}

TEST_F(Controls, CheckBoxHoldsThreeValuesAndClicksOnEveryChange) {
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
  EXPECT_EQ(clicks, 2);
  box.click();  // the user's click from greyed ticks it
  EXPECT_EQ(box.value(), 1);
  box.click();
  EXPECT_EQ(box.value(), 0);
  EXPECT_EQ(clicks, 4);
}

TEST_F(Controls, OptionButtonsClickWhenTheyBecomeSelected) {
  OptionButton a(host.get(), "Option8", "Square");
  OptionButton b(host.get(), "Option9", "Triangle");
  int aClicks = 0, bClicks = 0;
  a.onClick = [&] { ++aClicks; };
  b.onClick = [&] { ++bClicks; };
  b.setValue(true);
  b.setValue(true);
  EXPECT_EQ(bClicks, 1);
  a.setValue(true);
  EXPECT_TRUE(a.value());
  EXPECT_FALSE(b.value());
  EXPECT_EQ(aClicks, 1);
  EXPECT_EQ(bClicks, 1);  // being cleared is no click
  a.setValue(false);      // a design load may clear every style
  EXPECT_FALSE(a.value());
  EXPECT_FALSE(b.value());
  b.click();
  EXPECT_EQ(bClicks, 2);
}

TEST_F(Controls, MenuCheckMarkChangesOnlyThroughCode) {
  QMenu menu;
  MenuItem inches(&menu, "Inches", "&Inches", true);
  MenuItem exitItem(&menu, "dummy2", "&Exit");
  int clicks = 0;
  inches.onClick = [&] { ++clicks; };
  inches.choose();
  EXPECT_TRUE(inches.checked());
  EXPECT_TRUE(inches.isChecked());
  EXPECT_EQ(clicks, 1);
  inches.setCheckMark(false);
  EXPECT_FALSE(inches.isChecked());
  exitItem.choose();
  EXPECT_FALSE(exitItem.checked());
  EXPECT_EQ(inches.text().toStdString(), "&Inches");
}

TEST_F(Controls, ButtonReportsMouseDownWithItsButtonCode) {
  CommandButton z(host.get(), "Command1", "Z", "Orientation");
  z.resize(20, 20);
  std::vector<int> downs;
  int clicks = 0;
  z.onMouseDown = [&](int b) { downs.push_back(b); };
  z.onClick = [&] { ++clicks; };
  clickMouse(&z, Qt::LeftButton);
  clickMouse(&z, Qt::RightButton);
  EXPECT_EQ(downs, (std::vector<int>{1, 2}));
  EXPECT_EQ(clicks, 1);
}

TEST_F(Controls, ComboListKeepsItsTextAndPickingRunsChangeThenClick) {
  ComboBox combo(host.get(), "Combo1");
  std::vector<std::string> events;
  combo.onChange = [&] { events.push_back("change " + combo.text()); };
  combo.onClick = [&] { events.push_back("click " + combo.text()); };
  combo.addItem("main.sal");
  combo.addItem("");
  EXPECT_EQ(combo.text(), "");
  EXPECT_TRUE(events.empty());
  combo.setText("lastsail.sal");
  combo.pick(0);
  EXPECT_EQ(events, (std::vector<std::string>{"change lastsail.sal", "change main.sal",
                                              "click main.sal"}));
  events.clear();
  combo.clearList();
  EXPECT_EQ(combo.listCount(), 0);
  EXPECT_EQ(events, (std::vector<std::string>{"change "}));
}

TEST_F(Controls, ComboKeepsTheNameAsTypedWithoutCompletingIt) {
  // A new sail name that begins like a listed one stays as typed, so a save
  // does not go to the listed design's files.
  ComboBox combo(host.get(), "Combo1");
  combo.addItem("genoa.sal");
  combo.addItem("");
  host->show();
  host->activateWindow();
  combo.setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(combo.lineEdit()->hasFocus());
  std::vector<std::string> seen;
  combo.onChange = [&] { seen.push_back(combo.text()); };
  type(combo.lineEdit(), "ge");
  EXPECT_EQ(combo.text(), "ge");
  EXPECT_EQ(combo.currentText().toStdString(), "ge");
  EXPECT_EQ(seen, (std::vector<std::string>{"g", "ge"}));
}

TEST_F(Controls, TwipPlacementRemembersTwipsAndRoundsEdges) {
  QWidget w(host.get());
  setTwipRect(&w, 120, 120, 6757.5, 6375);
  const TwipRect r = twipRect(&w);
  EXPECT_DOUBLE_EQ(r.width, 6757.5);
  EXPECT_EQ(w.x(), 8);
  EXPECT_NEAR(w.width(), 6757.5 / 15, 1.0);
  EXPECT_EQ(w.height(), 425);
  setTwipLeft(&w, 6502.5);
  EXPECT_DOUBLE_EQ(twipRect(&w).left, 6502.5);
  EXPECT_NEAR(w.x(), 433.5, 0.51);
  EXPECT_DOUBLE_EQ(twipRect(&w).height, 6375);
}

}  // namespace
}  // namespace kes
