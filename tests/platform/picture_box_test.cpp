#include "platform/picture_box.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "qt_app.h"

namespace {

using kes::PictureBox;

QRgb rgbOf(int colour) { return PictureBox::paletteColor(colour).rgb() & 0xFFFFFFu; }

class PictureBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    kes::test::qtApp();
    box = std::make_unique<PictureBox>();
    box->resize(200, 100);
  }

  QRgb px(int x, int y) const { return box->image().pixel(x, y) & 0xFFFFFFu; }

  int countColour(QRgb rgb) const {
    int n = 0;
    const QImage& im = box->image();
    for (int y = 0; y < im.height(); ++y)
      for (int x = 0; x < im.width(); ++x) n += (im.pixel(x, y) & 0xFFFFFFu) == rgb;
    return n;
  }

  // One pixel per user unit, y down: shapes are easy to check pixel by pixel.
  void pixelScale() {
    ASSERT_TRUE(box->setScale(0, 0, 200, 100));
    box->clear();
  }

  std::unique_ptr<PictureBox> box;
};

// ------------------------------------------------------------ user scale

TEST_F(PictureBoxTest, UserScaleWithYUpPutsPointsOnTheExpectedPixels) {
  ASSERT_TRUE(box->setScale(0, 10, 20, 0));  // 20 wide, 10 high, y grows upward
  EXPECT_DOUBLE_EQ(box->scaleWidth(), 20);
  EXPECT_DOUBLE_EQ(box->scaleHeight(), -10);
  box->clear();
  box->setForeColor(12);
  box->point(5, 2.5);
  EXPECT_EQ(box->pixelOf(5, 2.5), QPoint(50, 75));
  EXPECT_EQ(px(50, 75), rgbOf(12));
  EXPECT_EQ(px(50, 74), rgbOf(15));
  EXPECT_EQ(px(51, 75), rgbOf(15));
  // Higher up the sail is higher on the screen.
  box->point(5, 7.5);
  EXPECT_EQ(px(50, 25), rgbOf(12));
  EXPECT_EQ(box->pixelOf(0, 10), QPoint(0, 0));
  EXPECT_EQ(box->colourAt(5, 7.5), PictureBox::paletteColor(12));
  // Clearing puts the current position at the scale's upper-left corner.
  box->clear();
  EXPECT_DOUBLE_EQ(box->currentX(), 0);
  EXPECT_DOUBLE_EQ(box->currentY(), 10);
}

TEST_F(PictureBoxTest, DegenerateScaleIsRefusedAndTheOldOneStays) {
  ASSERT_TRUE(box->setScale(-1, 9, 19, -1));
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(box->setScale(3, 5, 3, 0));    // no width
  EXPECT_FALSE(box->setScale(0, 5, 10, 5));   // no height
  EXPECT_FALSE(box->setScale(0, 5, inf, 0));
  EXPECT_FALSE(box->setScale(nan, 5, 10, 0));
  EXPECT_FALSE(box->setScale(0, nan, 10, 0));
  EXPECT_FALSE(box->setScale(-1e308, 0, 1e308, 1));  // width overflows
  EXPECT_DOUBLE_EQ(box->scaleLeft(), -1);
  EXPECT_DOUBLE_EQ(box->scaleTop(), 9);
  EXPECT_DOUBLE_EQ(box->scaleWidth(), 20);
  EXPECT_DOUBLE_EQ(box->scaleHeight(), -10);
}

TEST_F(PictureBoxTest, GeometryAndSizeInTwips) {
  QWidget parent;
  auto* child = new PictureBox(&parent);
  child->setGeometryTwips(150, 300, 1500, 750);
  EXPECT_EQ(child->geometry(), QRect(10, 20, 100, 50));
  EXPECT_DOUBLE_EQ(child->widthTwips(), 1500);
  EXPECT_DOUBLE_EQ(child->heightTwips(), 750);
  child->setGeometryTwips(std::nan(""), 0, 1e300, 10);  // ignored
  EXPECT_EQ(child->geometry(), QRect(10, 20, 100, 50));
}

// ------------------------------------------------------------ refresh and overlays

TEST_F(PictureBoxTest, RefreshClearsAndRunsThePaintAtOnce) {
  ASSERT_TRUE(box->setScale(0, 10, 20, 0));
  int runs = 0;
  box->onPaint = [&] {
    ++runs;
    box->line(0, 5, 20, 5, 14);
  };
  box->point(1, 1, 12);  // something the refresh must wipe
  box->refresh();
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(px(100, 50), rgbOf(14));      // drawn before any event was processed
  EXPECT_EQ(box->colourAt(1, 1), PictureBox::paletteColor(15));
}

TEST_F(PictureBoxTest, OverlayStaysThroughExposesUntilTheNextRefresh) {
  ASSERT_TRUE(box->setScale(0, 10, 20, 0));
  int runs = 0;
  box->onPaint = [&] {
    ++runs;
    box->line(0, 5, 20, 5, 14);
  };
  box->show();
  QCoreApplication::processEvents();
  box->refresh();
  const int afterRefresh = runs;
  box->line(0, 2, 20, 2, 3);  // the overlay: row 80
  EXPECT_EQ(px(100, 80), rgbOf(3));

  // The window system's repaint only shows the image.
  box->repaint();
  const QImage shown = box->grab().toImage();
  QCoreApplication::processEvents();
  EXPECT_EQ(runs, afterRefresh);
  EXPECT_EQ(px(100, 80), rgbOf(3));
  EXPECT_EQ(shown.pixel(100, 80) & 0xFFFFFFu, rgbOf(3));
  EXPECT_EQ(shown.pixel(100, 50) & 0xFFFFFFu, rgbOf(14));

  box->refresh();
  EXPECT_EQ(runs, afterRefresh + 1);
  EXPECT_EQ(px(100, 80), rgbOf(15));
  EXPECT_EQ(px(100, 50), rgbOf(14));
}

TEST_F(PictureBoxTest, ResizeRecreatesTheImageAndRepaints) {
  ASSERT_TRUE(box->setScale(0, 10, 20, 0));
  int runs = 0;
  box->onPaint = [&] {
    ++runs;
    box->line(0, 5, 20, 5, 14);
  };
  box->show();
  QCoreApplication::processEvents();
  const int before = runs;
  box->resize(300, 160);
  QCoreApplication::processEvents();
  EXPECT_GT(runs, before);
  ASSERT_EQ(box->image().size(), QSize(300, 160));
  EXPECT_EQ(px(150, 80), rgbOf(14));  // same user line, new pixels
  EXPECT_DOUBLE_EQ(box->widthTwips(), 4500);
}

TEST_F(PictureBoxTest, APaintThatRefreshesItselfDoesNotRecurse) {
  int runs = 0;
  box->onPaint = [&] {
    ++runs;
    box->refresh();
  };
  box->refresh();
  EXPECT_EQ(runs, 1);
}

TEST_F(PictureBoxTest, BackColourClearsAndSetsTheBackground) {
  pixelScale();
  box->point(5, 5, 12);
  box->setBackColor(0);
  EXPECT_EQ(box->backColor(), 0);
  EXPECT_EQ(countColour(rgbOf(0)), 200 * 100);
  box->setBackColor(42);  // not a palette colour: ignored
  EXPECT_EQ(box->backColor(), 0);
}

// ------------------------------------------------------------ colours and pens

TEST_F(PictureBoxTest, TheSixteenColourPalette) {
  const QRgb expected[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                             0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                             0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  pixelScale();
  for (int c = 0; c < 16; ++c) {
    EXPECT_EQ(rgbOf(c), expected[c]) << "colour " << c;
    box->filledBox(c * 10, 0, c * 10 + 5, 5, c);
    EXPECT_EQ(px(c * 10 + 2, 2), expected[c]) << "colour " << c;
  }
  EXPECT_FALSE(PictureBox::paletteColor(16).isValid());
  EXPECT_FALSE(PictureBox::paletteColor(-2).isValid());
  // A colour outside the palette draws nothing; the foreground keeps its colour.
  box->setForeColor(9);
  box->setForeColor(99);
  EXPECT_EQ(box->foreColor(), 9);
  box->clear();
  box->line(0, 50, 200, 50, 16);
  EXPECT_EQ(countColour(rgbOf(15)), 200 * 100);
}

TEST_F(PictureBoxTest, ExclusiveOrPenCombinesWithWhatIsThere) {
  pixelScale();
  box->setDrawMode(kes::kDrawXorPen);
  box->setBackColor(0);
  box->point(10, 10, 3);
  EXPECT_EQ(px(10, 10), 0x008080u);  // cyan on black
  box->setBackColor(15);
  box->point(10, 10, 3);
  EXPECT_EQ(px(10, 10), 0xFF7F7Fu);  // cyan on white
  box->setDrawMode(kes::kDrawCopyPen);
  box->point(10, 10, 3);
  EXPECT_EQ(px(10, 10), 0x008080u);
}

// Draws a rubber-band set of shapes; twice in exclusive-or gives the picture back.
void rubber(PictureBox& b) {
  b.box(20, 20, 150, 80, 3);
  b.line(5, 5, 190, 95, 3);
  b.lineTo(30, 90, 3);
  b.lineTo(60, 10, 3);
  b.circle(100, 50, 30, 11);
  b.circle(100, 50, 0, 11);
  b.point(7, 93, 3);
  b.filledBox(160, 10, 180, 30, 13);
  b.line(-1e9, 40, 1e9, 60, 10);
}

TEST_F(PictureBoxTest, ExclusiveOrDrawingTwiceRestoresThePictureExactly) {
  ASSERT_TRUE(box->setScale(0, 0, 200, 100));
  box->onPaint = [&] {
    box->filledBox(0, 0, 100, 100, 1);
    box->line(0, 0, 200, 100, 12);
    box->circle(60, 40, 25, 14);
  };
  box->setBackColor(0);
  box->refresh();
  for (int width : {1, 3}) {
    const QImage before = box->image().copy();
    box->setDrawWidth(width);
    box->setDrawMode(kes::kDrawXorPen);
    rubber(*box);
    EXPECT_NE(box->image(), before) << "width " << width;
    rubber(*box);
    EXPECT_EQ(box->image(), before) << "width " << width;
    box->setDrawMode(kes::kDrawCopyPen);
  }
}

// ------------------------------------------------------------ shapes

TEST_F(PictureBoxTest, LineLeavesOutItsLastPixel) {
  pixelScale();
  box->setForeColor(0);
  box->line(10, 10, 20, 10);
  for (int x = 10; x < 20; ++x) EXPECT_EQ(px(x, 10), rgbOf(0)) << x;
  EXPECT_EQ(px(20, 10), rgbOf(15));
  EXPECT_EQ(px(9, 10), rgbOf(15));
  EXPECT_DOUBLE_EQ(box->currentX(), 20);
  // lineTo continues from there.
  box->lineTo(20, 30);
  EXPECT_EQ(px(20, 10), rgbOf(0));
  EXPECT_EQ(px(20, 29), rgbOf(0));
  EXPECT_EQ(px(20, 30), rgbOf(15));
  // A diagonal touches one pixel per column.
  box->clear();
  box->line(0, 0, 50, 25);
  EXPECT_EQ(countColour(rgbOf(0)), 50);
}

TEST_F(PictureBoxTest, BoxOutlineAndFilledBox) {
  pixelScale();
  box->setForeColor(4);
  box->box(40, 20, 30, 10);  // corners in any order
  for (QPoint p : {QPoint(30, 10), QPoint(40, 10), QPoint(30, 20), QPoint(40, 20), QPoint(35, 10),
                   QPoint(35, 20), QPoint(30, 15), QPoint(40, 15)})
    EXPECT_EQ(px(p.x(), p.y()), rgbOf(4)) << p.x() << "," << p.y();
  EXPECT_EQ(px(35, 15), rgbOf(15));
  EXPECT_EQ(countColour(rgbOf(4)), 2 * 11 + 2 * 9);
  box->filledBox(50, 10, 55, 15, 2);
  EXPECT_EQ(countColour(rgbOf(2)), 36);
  EXPECT_EQ(px(56, 12), rgbOf(15));
}

TEST_F(PictureBoxTest, CircleIsRoundInPixelsWithTheRadiusAlongX) {
  ASSERT_TRUE(box->setScale(0, 50, 100, 0));  // 2 pixels per unit across and down, y up
  box->clear();
  box->circle(50, 25, 10, 9);  // centre pixel (100, 50), radius 20 pixels
  EXPECT_EQ(px(120, 50), rgbOf(9));
  EXPECT_EQ(px(80, 50), rgbOf(9));
  EXPECT_EQ(px(100, 30), rgbOf(9));
  EXPECT_EQ(px(100, 70), rgbOf(9));
  EXPECT_EQ(px(100, 50), rgbOf(15));
  EXPECT_EQ(px(100, 29), rgbOf(15));
  const int n = countColour(rgbOf(9));
  EXPECT_GT(n, 100);  // about 2 pi r = 126
  EXPECT_LT(n, 140);
  EXPECT_DOUBLE_EQ(box->currentX(), 50);
  EXPECT_DOUBLE_EQ(box->currentY(), 25);
}

TEST_F(PictureBoxTest, WideLinesCoverTheirWidth) {
  pixelScale();
  box->setDrawWidth(5);
  box->line(20, 50, 180, 50, 0);
  EXPECT_EQ(px(100, 48), rgbOf(0));
  EXPECT_EQ(px(100, 52), rgbOf(0));
  EXPECT_EQ(px(100, 56), rgbOf(15));
}

TEST_F(PictureBoxTest, FarAndNonFiniteCoordinatesNeverCrashOrHang) {
  pixelScale();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  box->setForeColor(0);
  box->line(-1e300, 50, 1e300, 50);  // clipped: the whole row
  for (int x = 0; x < 200; ++x) ASSERT_EQ(px(x, 50), rgbOf(0)) << x;
  box->clear();
  box->line(nan, 0, 10, 10);
  box->line(0, 0, inf, 10);
  box->lineTo(5, 5);  // from a non-finite current position
  box->point(1e20, -1e20);
  box->point(nan, nan);
  box->circle(100, 50, 1e12);
  box->circle(1e200, 0, 1);
  box->circle(100, 50, -3);
  box->circle(100, 50, nan);
  box->box(nan, 0, 10, 10);
  box->box(-1e300, -1e300, 1e300, 1e300);  // outline far outside the picture
  box->print("far");
  EXPECT_EQ(countColour(rgbOf(15)), 200 * 100);
  // A filled box with far corners still covers what it covers.
  box->filledBox(-1e300, -1e300, 1e300, 20, 5);
  EXPECT_EQ(countColour(rgbOf(5)), 200 * 21);
  // A picture with no size takes every call.
  box->resize(0, 0);
  box->refresh();
  box->line(0, 0, 10, 10);
  box->circle(1, 1, 1);
  box->print("x");
  EXPECT_TRUE(box->image().isNull());
}

// ------------------------------------------------------------ text

TEST_F(PictureBoxTest, PrintDrawsAtTheCurrentPositionAndMovesToTheNextLine) {
  pixelScale();
  box->setForeColor(0);
  box->point(20, 20, 15);  // sets the current position, invisibly
  box->print("Zoom");
  const int ink = countColour(rgbOf(0));
  EXPECT_GT(ink, 10);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x)
      if (px(x, y) == rgbOf(0)) {
        ASSERT_GE(x, 18);
        ASSERT_GE(y, 18);
        ASSERT_LT(y, 40);
      }
  EXPECT_DOUBLE_EQ(box->currentX(), 0);
  EXPECT_DOUBLE_EQ(box->currentY(), 33);  // one 13-pixel line further down
  // Text keeps the copy pen: printing the same text again in exclusive-or leaves it.
  box->point(20, 20, 15);
  box->setDrawMode(kes::kDrawXorPen);
  box->print("Zoom");
  EXPECT_EQ(countColour(rgbOf(0)), ink);
}

// ------------------------------------------------------------ recording

TEST_F(PictureBoxTest, RecordingKeepsTheOperationsSinceTheLastClear) {
  ASSERT_TRUE(box->setScale(0, 10, 20, 0));
  box->setRecording(true);
  box->setForeColor(15);
  box->onPaint = [&] {
    box->point(2, 3);
    box->line(2, 3, 4, 5, 12);
    box->print("ft");
  };
  box->refresh();
  const auto& ops = box->ops();
  ASSERT_EQ(ops.size(), 4u);
  EXPECT_EQ(ops[0].kind, kes::DrawOp::Clear);
  EXPECT_EQ(ops[1].kind, kes::DrawOp::Point);
  EXPECT_EQ(ops[1].colour, 15);
  EXPECT_EQ(ops[2].kind, kes::DrawOp::Line);
  EXPECT_EQ(ops[2].colour, 12);
  EXPECT_DOUBLE_EQ(ops[2].x2, 4);
  EXPECT_EQ(ops[3].kind, kes::DrawOp::Text);
  EXPECT_EQ(ops[3].text, "ft");
  EXPECT_DOUBLE_EQ(ops[3].x1, 4);
  EXPECT_DOUBLE_EQ(ops[3].y1, 5);
  // The picture and its record agree on where the next line starts.
  EXPECT_DOUBLE_EQ(box->currentX(), 0);
  EXPECT_NEAR(box->currentY(), 5 - 1.3, 1e-12);
  box->refresh();
  EXPECT_EQ(box->ops().size(), 4u);
  box->setRecording(false);
  EXPECT_TRUE(box->ops().empty());
}

// ------------------------------------------------------------ mouse

struct MouseCall {
  int button, shift;
  double x, y;
};

void send(QWidget* w, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held,
          Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QMouseEvent e(type, at, w->mapToGlobal(at), button, held, mods);
  QCoreApplication::sendEvent(w, &e);
}

TEST_F(PictureBoxTest, MouseEventsArriveInUserUnitsWithButtonCodes) {
  ASSERT_TRUE(box->setScale(0, 10, 20, 0));
  std::vector<MouseCall> down, move, up;
  box->onMouseDown = [&](int b, int s, double x, double y) { down.push_back({b, s, x, y}); };
  box->onMouseMove = [&](int b, int s, double x, double y) { move.push_back({b, s, x, y}); };
  box->onMouseUp = [&](int b, int s, double x, double y) { up.push_back({b, s, x, y}); };

  send(box.get(), QEvent::MouseButtonPress, {50, 25}, Qt::LeftButton, Qt::LeftButton);
  send(box.get(), QEvent::MouseButtonPress, {100, 50}, Qt::RightButton, Qt::LeftButton | Qt::RightButton,
       Qt::ShiftModifier);
  send(box.get(), QEvent::MouseMove, {150, 75}, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
  send(box.get(), QEvent::MouseButtonRelease, {150, 75}, Qt::LeftButton, Qt::RightButton);
  send(box.get(), QEvent::MouseMove, {160, 80}, Qt::NoButton, Qt::RightButton, Qt::ControlModifier);
  send(box.get(), QEvent::MouseButtonRelease, {160, 80}, Qt::RightButton, Qt::NoButton);
  send(box.get(), QEvent::MouseMove, {0, 0}, Qt::NoButton, Qt::NoButton);
  send(box.get(), QEvent::MouseButtonPress, {10, 10}, Qt::MiddleButton, Qt::MiddleButton);
  send(box.get(), QEvent::MouseButtonPress, {10, 10}, Qt::BackButton, Qt::BackButton);  // not known

  ASSERT_EQ(down.size(), 3u);
  EXPECT_EQ(down[0].button, 1);
  EXPECT_EQ(down[0].shift, 0);
  EXPECT_DOUBLE_EQ(down[0].x, 5);
  EXPECT_DOUBLE_EQ(down[0].y, 7.5);
  EXPECT_EQ(down[1].button, 2);
  EXPECT_EQ(down[1].shift, 1);
  EXPECT_DOUBLE_EQ(down[1].x, 10);
  EXPECT_DOUBLE_EQ(down[1].y, 5);
  EXPECT_EQ(down[2].button, 4);

  ASSERT_EQ(move.size(), 3u);
  EXPECT_EQ(move[0].button, 3);  // both held
  EXPECT_DOUBLE_EQ(move[0].x, 15);
  EXPECT_DOUBLE_EQ(move[0].y, 2.5);
  EXPECT_EQ(move[1].button, 2);
  EXPECT_EQ(move[1].shift, 2);
  EXPECT_EQ(move[2].button, 0);

  ASSERT_EQ(up.size(), 2u);
  EXPECT_EQ(up[0].button, 1);
  EXPECT_EQ(up[1].button, 2);
  EXPECT_DOUBLE_EQ(up[1].x, 16);
  EXPECT_DOUBLE_EQ(up[1].y, 2);
}

}  // namespace
