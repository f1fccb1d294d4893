// The window parts. The controls' event rules: handlers run on real changes
// only, from the user or from code, nest when a handler writes a control, and
// scroll bars refuse values outside their range instead of clamping them.
// Modal windows in a test run: message boxes never wait offscreen, and the
// run gate lets only a box shown during a run be clicked. The picture box:
// its scale, palette, pens, shapes, repaints and mouse events.

#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/picture_box.h"
#include "platform/run_events.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QWidget>
#include <limits>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

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
  const int cleared = box.value();
  box.click();  // greyed comes only from code
  EXPECT_EQ(std::tuple(ticked, cleared, box.value(), clicks), std::tuple(1, 0, 1, 5));
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

// ---- Modal windows -----------------------------------------------------------------

TEST_F(Controls, TwipPlacementRemembersTwipsAndRoundsEdges) {
  QWidget w(host.get());
  setTwipRect(&w, 120, 120, 6757.5, 6375);
  EXPECT_DOUBLE_EQ(twipRect(&w).width, 6757.5);
  EXPECT_EQ(w.geometry(), QRect(8, 8, 451, 425));  // each edge to the nearest pixel
  setTwipLeft(&w, 6502.5);
  EXPECT_DOUBLE_EQ(twipRect(&w).left, 6502.5);
  EXPECT_EQ(w.geometry(), QRect(434, 8, 450, 425));
}

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

// ---- Picture box -------------------------------------------------------------------

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

QRgb rgbOf(int colour) { return PictureBox::paletteColor(colour).rgb() & 0xFFFFFFu; }

class PictureBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::qtApp();
    box = std::make_unique<PictureBox>();
    box->resize(200, 100);
  }

  QRgb px(int x, int y) const { return box->image().pixel(x, y) & 0xFFFFFFu; }

  // Pixels of one colour, in the whole picture or in a region of it.
  int countColour(QRgb rgb, QRect region = QRect(0, 0, 10000, 10000)) const {
    int n = 0;
    const QImage& im = box->image();
    const QRect r = region & im.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) n += (im.pixel(x, y) & 0xFFFFFFu) == rgb;
    return n;
  }

  // One pixel per user unit, y down.
  void pixelScale() {
    ASSERT_TRUE(box->setScale(0, 0, 200, 100));
    box->clear();
  }

  std::unique_ptr<PictureBox> box;
};

TEST_F(PictureBoxTest, UserScaleWithYUpAndRefusedDegenerateScales) {
  ASSERT_TRUE(box->setScale(0, 10, 20, 0));  // 20 wide, 10 high, y grows upward
  box->clear();
  box->point(5, 7.5, 12);  // higher up the sail is higher on the screen
  EXPECT_EQ(px(50, 25), rgbOf(12));
  box->clear();  // back to the upper-left corner
  EXPECT_DOUBLE_EQ(box->currentY(), 10);

  const double refused[][4] = {{3, 5, 3, 0},    {0, 5, 10, 5},   {0, 5, kInf, 0},
                               {kNan, 5, 10, 0}, {0, kNan, 10, 0}, {-1e308, 0, 1e308, 1}};
  for (const auto& s : refused) EXPECT_FALSE(box->setScale(s[0], s[1], s[2], s[3])) << s[0];
  EXPECT_EQ(std::tuple(box->scaleWidth(), box->scaleHeight()), std::tuple(20.0, -10.0));
}

TEST_F(PictureBoxTest, RefreshPaintsAtOnceAndOverlaysSurviveAnExposeUntilTheNextRefresh) {
  ASSERT_TRUE(box->setScale(0, 10, 20, 0));
  int runs = 0;
  box->onPaint = [&] {
    ++runs;
    box->line(0, 5, 20, 5, 14);
    box->refresh();  // a paint that refreshes itself must not recurse
  };
  box->show();
  QCoreApplication::processEvents();
  const int before = runs;
  box->refresh();
  EXPECT_EQ(runs, before + 1);
  EXPECT_EQ(px(100, 50), rgbOf(14));  // drawn before any event was processed
  box->line(0, 2, 20, 2, 3);          // the overlay: row 80

  box->repaint();  // the window system's expose only shows the image
  const QImage shown = box->grab().toImage();
  QCoreApplication::processEvents();
  EXPECT_EQ(runs, before + 1);
  EXPECT_EQ(shown.pixel(100, 80) & 0xFFFFFFu, rgbOf(3));
  box->refresh();
  EXPECT_EQ(px(100, 80), rgbOf(15));

  box->setGeometryTwips(150, 300, 1500, 750);
  box->setGeometryTwips(kNan, 0, 1e300, 10);  // ignored
  EXPECT_EQ(box->geometry(), QRect(10, 20, 100, 50));
}

TEST_F(PictureBoxTest, PaletteAndBackColour) {
  const QRgb expected[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
                             0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  for (int c = 0; c < 16; ++c) EXPECT_EQ(rgbOf(c), expected[c]) << "colour " << c;
  // Colours outside the palette are ignored.
  pixelScale();
  for (int c : {9, 99}) box->setForeColor(c);
  EXPECT_EQ(box->foreColor(), 9);
  for (int c : {0, 42}) box->setBackColor(c);  // clears, as a picture box does
  box->line(0, 50, 200, 50, 16);
  EXPECT_EQ(countColour(rgbOf(0)), 200 * 100);
}

// A rubber-band set of shapes; drawn twice with the exclusive-or pen it gives
// the picture back.
void rubber(PictureBox& b) {
  b.box(20, 20, 150, 80, 3);
  b.line(5, 5, 190, 95, 3);
  b.lineTo(30, 90, 3);
  b.circle(100, 50, 30, 11);
  b.circle(100, 50, 0, 11);
  b.point(7, 93, 3);
  b.filledBox(160, 10, 180, 30, 13);
  b.line(-1e9, 40, 1e9, 60, 10);
}

TEST_F(PictureBoxTest, ExclusiveOrDrawnTwiceRestoresEveryPixel) {
  pixelScale();
  box->setDrawMode(kDrawXorPen);
  box->point(10, 10, 3);
  EXPECT_EQ(px(10, 10), 0xFF7F7Fu);  // cyan on white
  box->setDrawMode(kDrawCopyPen);
  box->setBackColor(0);
  box->filledBox(0, 0, 100, 100, 1);
  box->line(0, 0, 200, 100, 12);
  box->circle(60, 40, 25, 14);
  for (int width : {1, 3}) {
    const QImage before = box->image().copy();
    box->setDrawWidth(width);
    box->setDrawMode(kDrawXorPen);
    rubber(*box);
    EXPECT_NE(box->image(), before) << "width " << width;
    rubber(*box);
    EXPECT_EQ(box->image(), before) << "width " << width;
    box->setDrawMode(kDrawCopyPen);
  }
}

TEST_F(PictureBoxTest, ShapesLinesLeavingOutTheirLastPixelBoxesCirclesAndText) {
  pixelScale();
  box->setForeColor(0);
  box->line(10, 10, 20, 10);
  box->lineTo(20, 30);  // continues from the end
  EXPECT_EQ(px(20, 30), rgbOf(15));
  EXPECT_EQ(countColour(rgbOf(0)), 30);
  box->box(40, 20, 30, 10, 4);  // corners in any order
  EXPECT_EQ(countColour(rgbOf(4)), 2 * 11 + 2 * 9);
  box->filledBox(50, 10, 55, 15, 2);
  EXPECT_EQ(countColour(rgbOf(2)), 36);
  box->circle(100, 50, 20, 9);
  EXPECT_EQ(std::tuple(px(120, 50), px(100, 30)), std::tuple(rgbOf(9), rgbOf(9)));
  EXPECT_NEAR(countColour(rgbOf(9)), 126, 14);  // about 2 pi r

  // Text at the current position, one 13-pixel line down after it, always with the copy pen.
  box->clear();
  box->setForeColor(12);
  box->point(20, 20, 15);  // sets the current position, invisibly
  box->print("Zoom");
  const int ink = countColour(rgbOf(12));
  EXPECT_GT(ink, 10);
  EXPECT_EQ(countColour(rgbOf(12), QRect(18, 18, 182, 22)), ink);  // below and right of (20, 20)
  EXPECT_DOUBLE_EQ(box->currentY(), 33);
  box->setDrawMode(kDrawXorPen);
  box->print("Zoom");
  EXPECT_EQ(countColour(rgbOf(12)), 2 * ink);
}

TEST_F(PictureBoxTest, FarAndNonFiniteCoordinatesNeverCrashOrHang) {
  pixelScale();
  box->setForeColor(0);
  box->line(-1e300, 50, 1e300, 50);  // clipped: the whole row
  EXPECT_EQ(countColour(rgbOf(0)), 200);
  box->clear();
  box->line(kNan, 0, kInf, 10);
  box->lineTo(5, 5);  // from a non-finite current position
  box->point(1e20, -1e20);
  for (double r : {1e12, -3.0, kNan}) box->circle(100, 50, r);  // none drawn
  box->box(-1e300, -1e300, 1e300, 1e300);
  box->print("far");
  EXPECT_EQ(countColour(rgbOf(15)), 200 * 100);
  box->filledBox(-1e300, -1e300, 1e300, 20, 5);
  EXPECT_EQ(countColour(rgbOf(5)), 200 * 21);
  box->resize(0, 0);  // a picture with no size takes every call
  box->refresh();
  box->line(0, 0, 10, 10);
  box->print("x");
  EXPECT_TRUE(box->image().isNull());
}

TEST_F(PictureBoxTest, MouseEventsArriveInUserUnitsWithButtonAndShiftCodes) {
  ASSERT_TRUE(box->setScale(0, 10, 20, 0));
  std::vector<QString> calls;  // kind, button code, shift code, x, y
  const auto rec = [&](char kind) {
    return [&calls, kind](int b, int s, double x, double y) {
      calls.push_back(QStringLiteral("%1 %2 %3 %4 %5").arg(kind).arg(b).arg(s).arg(x).arg(y));
    };
  };
  std::tie(box->onMouseDown, box->onMouseMove, box->onMouseUp) = std::tuple(rec('d'), rec('m'), rec('u'));
  const auto send = [&](QEvent::Type type, QPointF at, Qt::MouseButton b, Qt::MouseButtons held,
                        Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QMouseEvent e(type, at, box->mapToGlobal(at), b, held, mods);
    QCoreApplication::sendEvent(box.get(), &e);
  };
  using Qt::LeftButton, Qt::RightButton, Qt::NoButton;
  using enum QEvent::Type;
  send(MouseButtonPress, {50, 25}, LeftButton, LeftButton);
  send(MouseButtonPress, {100, 50}, RightButton, LeftButton | RightButton, Qt::ShiftModifier);
  send(MouseMove, {150, 75}, NoButton, LeftButton | RightButton, Qt::ControlModifier);
  send(MouseButtonRelease, {160, 80}, RightButton, LeftButton);
  send(MouseButtonPress, {10, 10}, Qt::MiddleButton, Qt::MiddleButton);
  send(MouseButtonPress, {10, 10}, Qt::BackButton, Qt::BackButton);  // not known
  EXPECT_EQ(calls, (std::vector<QString>{"d 1 0 5 7.5", "d 2 1 10 5", "m 3 2 15 2.5", "u 2 0 16 2",
                                         "d 4 0 1 9"}));
}

}  // namespace
}  // namespace kes
