// How the view moves: the turn of a known point about each axis, the steps
// and angles the buttons and bars give, Label40's caption; the zoom box
// through press, drag and release, the full view, and which branch a mouse
// event takes.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

#include "view/rotation.h"
#include "view/zoom.h"
#include "view_fixture.h"

namespace kes {
namespace {

using test::expectScale;

constexpr double kPi = 3.141593;  // the stored constant the angles use
using Turn = void (*)(SailModel&, double&);

TEST(Rotation, AboutEachAxisTurnsEveryViewCurveAndTheMoldSections) {
  const double t = 30 * kPi / 180, cs = std::cos(t), sn = std::sin(t);
  const struct { Turn rotate; double SailModel::*angle; double want[3]; } cases[] = {
      {rotateViewAboutX, &SailModel::ViewAngleX, {1, 2 * cs + 3 * sn, 3 * cs - 2 * sn}},
      {rotateViewAboutY, &SailModel::ViewAngleY, {1 * cs + 3 * sn, 2, 3 * cs - 1 * sn}},
      // A positive step about the viewing axis turns the drawing clockwise.
      {rotateViewAboutZ, &SailModel::ViewAngleZ, {1 * cs + 2 * sn, 2 * cs - 1 * sn, 3}},
  };
  for (const auto& c : cases) {
    SailModel m = test::knownSail();
    // Point 7 at (1, 2, 3) on turned curves and on station 6, which never turns.
    Curve* curves[] = {&m.LuffView, &m.HeadView, &m.LeechView, &m.FootView,
                       &m.MoldSections[0], &m.MoldSections[5], &m.MoldSections[6]};
    for (Curve* v : curves) std::tie((*v)(1, 7), (*v)(2, 7), (*v)(3, 7)) = std::tuple(1, 2, 3);
    double step = 30;
    c.rotate(m, step);
    EXPECT_DOUBLE_EQ(step, t);  // the step is left in radians
    EXPECT_EQ(m.*c.angle, 30);
    for (int k = 0; k < 7; ++k)
      for (int d = 1; d <= 3; ++d)
        EXPECT_NEAR((*curves[k])(d, 7), k < 6 ? c.want[d - 1] : d, 1e-12) << k << d;
    EXPECT_EQ(m.LeechCurve(1, 50), test::knownSail().LeechCurve(1, 50));  // the model's own stay
  }
}

TEST(Rotation, ButtonsAndBarsStepTheAnglesLabel40ShowsThemAndANonFiniteStepTurnsNothing) {
  SailModel m = test::knownSail();
  double step = 5;
  for (int i = 0; i < 3; ++i) pressViewZ(m, step, 1);
  const double z = m.ViewAngleZ;
  pressViewZ(m, step, 2);
  EXPECT_EQ(std::tuple(z, m.ViewAngleZ), std::tuple(6, 4));
  // The bars set absolute angles; the change event that ends a drag steps by 0.
  for (int angle : {30, 30}) scrollViewY(m, step, angle);
  EXPECT_EQ(step, 0);
  scrollViewX(m, step, 5);
  EXPECT_EQ(viewAnglesCaption(m), " 30    5    4");
  std::tie(m.ViewAngleY, m.ViewAngleX, m.ViewAngleZ) = std::tuple(10, 0, -2);
  EXPECT_EQ(viewAnglesCaption(m), " 10    0   -2");

  const double x = m.LeechView(1, 40);
  rotateViewAboutY(m, step = std::numeric_limits<double>::infinity());  // turns nothing
  EXPECT_EQ(std::tuple(m.ViewAngleY, m.LeechView(1, 40)), std::tuple(10.0, x));
}

TEST(Rotation, RecallTurnsAboutTheVerticalAxisFirstThenByZeroWithoutARecompute) {
  SailModel m = test::knownSail();
  double step = 0;
  recallView(m, step, 30, 20);
  EXPECT_EQ(viewAnglesCaption(m), " 30    20    0");
  // The aft head corner (10, 100, 0): z = -10 sin 30 after the first turn, then
  // y = 100 cos 20 + z sin 20. The other order would leave 100 cos 20.
  const double b = 20 * kPi / 180, y = m.HeadView(2, 100);
  EXPECT_NEAR(y, 100 * std::cos(b) - 5 * std::sin(b), 1e-6);
  recallView(m, step, 30, 20);
  EXPECT_EQ(std::tuple(step, m.HeadView(2, 100)), std::tuple(0.0, y));
}

TEST(Zoom, DragRedrawsTheBoxWithTheExclusiveOrPenAndAFlatBoxIsRefused) {
  RecordingSurface pic{6000, 4000};  // the box is 1.5 times as wide as high
  pic.setForeColor(15);
  ZoomState z;
  zoomPress(z, 10, 40);
  zoomMove(z, pic, 30);  // down by 10: width 15
  pic.clear();
  zoomMove(z, pic, 20);  // down by 20: width 30
  // The old box erased, the new box drawn, then the label at the start point.
  std::vector<std::tuple<DrawOp::Kind, int, int, double, double, double, double>> ops;
  for (const DrawOp& o : pic.ops()) ops.emplace_back(o.kind, o.colour, o.mode, o.x1, o.y1, o.x2, o.y2);
  ASSERT_EQ(ops.size(), 5u);
  EXPECT_EQ(std::vector(ops.begin() + 1, ops.end() - 1),
            (std::vector<std::tuple<DrawOp::Kind, int, int, double, double, double, double>>{
                {DrawOp::Box, 3, kDrawXorPen, 10, 40, 25, 30}, {DrawOp::Box, 3, kDrawXorPen, 10, 40, 40, 20},
                {DrawOp::Point, 15, kDrawXorPen, 10, 40, 10, 40}}));
  EXPECT_EQ(std::tuple(pic.ops()[4].text, pic.drawMode()), std::tuple("Zoom", kDrawCopyPen));

  pic.setSizeTwips(6000, 0);
  zoomMove(z, pic, 40);  // back level with the start point: no height, the width stays
  EXPECT_EQ(z.ZoomX2, 40.0f);
  EXPECT_EQ(zoomRelease(z, pic), ZoomOutcome::Refused);  // a flat box: the scale stays
  expectScale(pic, 0, 0, 1, 1);
}

TEST(Zoom, ReleaseSetsTheBoxWithYUpOrAsksForTheRecompute) {
  const struct { std::vector<double> moves; ZoomOutcome outcome; double l, t, r, b; } cases[] = {
      {{30, 20}, ZoomOutcome::Zoomed, 10, 40, 40, 20},
      {{55, 60}, ZoomOutcome::Zoomed, 10, 60, 40, 40},  // upward: as down from 60 to 40
      {{}, ZoomOutcome::FullViewByRecompute, -5, 105, 70, -5},  // a click without a drag
      {{39.5}, ZoomOutcome::FullViewByRecompute, -5, 105, 70, -5},  // 0.75 wide
  };
  for (const auto& c : cases) {
    RecordingSurface pic{6000, 4000};
    pic.setScale(-5, 105, 70, -5);
    ZoomState z;
    zoomPress(z, 10, 40);
    for (double y : c.moves) zoomMove(z, pic, y);
    EXPECT_EQ(zoomRelease(z, pic), c.outcome);
    expectScale(pic, c.l, c.t, c.r, c.b);
  }
}

TEST(FullView, ScaleFromHeadHeightClewRoundAndBendAndNoWidthRefused) {
  SailModel m;  // head height 100, clew at 50, round 4, bend 3
  std::tie(m.HeadCurve(2, 100), m.FootCurve(1, 1), m.FootRound, m.AftBend) = std::tuple(100, 50, 4, 3);
  RecordingSurface pic;
  ASSERT_TRUE(applyFullView(m, pic));
  // Shifted by T = ((100 + 4) - (50 + 3)) / 2 = 25.5 to centre the sail.
  expectScale(pic, -3 - 1 - 25.5, 101, 1.06 * (100 - 4) + 1 - 25.5, -5);

  SailModel flat;  // head height 0, no round: width 1.06 x 0 + 2 + AftBend
  flat.AftBend = -2;
  EXPECT_FALSE(applyFullView(flat, pic));
  EXPECT_EQ(pic.scaleTop(), 101);  // the last good scale stays
}

TEST(MouseBranch, LeftInPanelsHandlesRightZoomsEverywhereBothHeldDoNothing) {
  using enum MouseBranch;  // button 3: left and right held together
  EXPECT_EQ(std::tuple(mouseBranch(true, 1), mouseBranch(false, 1), mouseBranch(true, 2),
                       mouseBranch(false, 2), mouseBranch(true, 3)),
            std::tuple(Handle, None, Zoom, Zoom, None));
}

}  // namespace
}  // namespace kes
