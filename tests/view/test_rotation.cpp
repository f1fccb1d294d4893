// Turning the view: the steps and angles the buttons and bars give, the turn
// of known points about each axis, and Label40's caption.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "view/rotation.h"
#include "view_fixture.h"

namespace kes {
namespace {

constexpr double kPi = 3.141593;  // the stored constant the angles use

SailModel pointSail() {
  SailModel m = test::knownSail();
  // Point 7 of every turned curve at (1, 2, 3).
  for (Curve* c : {&m.LuffView, &m.HeadView, &m.LeechView, &m.FootView}) {
    (*c)(1, 7) = 1;
    (*c)(2, 7) = 2;
    (*c)(3, 7) = 3;
  }
  for (int k = 0; k <= 6; ++k) {
    m.MoldSections[k](1, 7) = 1;
    m.MoldSections[k](2, 7) = 2;
    m.MoldSections[k](3, 7) = 3;
  }
  return m;
}

void expectPoint(const Curve& c, int i, double x, double y, double z) {
  EXPECT_NEAR(c(1, i), x, 1e-12);
  EXPECT_NEAR(c(2, i), y, 1e-12);
  EXPECT_NEAR(c(3, i), z, 1e-12);
}

TEST(Rotation, AboutEachAxisTurnsEveryViewCurveAndTheMoldSections) {
  const double t = 30 * kPi / 180, cs = std::cos(t), sn = std::sin(t);
  struct Case {
    void (*rotate)(SailModel&, double&);
    double x, y, z;
    double SailModel::*angle;
  } cases[] = {
      {rotateViewAboutX, 1, 2 * cs + 3 * sn, 3 * cs - 2 * sn, &SailModel::ViewAngleX},
      {rotateViewAboutY, 1 * cs + 3 * sn, 2, 3 * cs - 1 * sn, &SailModel::ViewAngleY},
      {rotateViewAboutZ, 1 * cs + 2 * sn, 2 * cs - 1 * sn, 3, &SailModel::ViewAngleZ},
  };
  for (const Case& c : cases) {
    SailModel m = pointSail();
    const SailModel before = m;
    double step = 30;
    c.rotate(m, step);
    EXPECT_DOUBLE_EQ(step, t);  // the step is left in radians
    EXPECT_EQ(m.*c.angle, 30);
    EXPECT_EQ(m.ViewAngleX + m.ViewAngleY + m.ViewAngleZ, 30);
    for (const Curve* v : {&m.LuffView, &m.HeadView, &m.LeechView, &m.FootView})
      expectPoint(*v, 7, c.x, c.y, c.z);
    for (int k = 0; k <= 5; ++k) expectPoint(m.MoldSections[k], 7, c.x, c.y, c.z);
    // Station 6 and the model curves are not touched.
    expectPoint(m.MoldSections[6], 7, 1, 2, 3);
    EXPECT_EQ(m.LeechCurve(1, 50), before.LeechCurve(1, 50));
  }
}

TEST(Rotation, PositiveStepAboutTheViewingAxisTurnsClockwise) {
  SailModel m;
  m.LuffView(1, 1) = 1;  // one unit aft, at tack height
  double step = 90;
  rotateViewAboutZ(m, step);
  EXPECT_NEAR(m.LuffView(1, 1), 0.0, 1e-6);
  EXPECT_NEAR(m.LuffView(2, 1), -1.0, 1e-12);  // now below: clockwise
  EXPECT_EQ(m.LuffView(1, 0), 0.0);
}

TEST(Rotation, ZButtonStepsAndScrollBarsSetAbsoluteAngles) {
  SailModel m = test::knownSail();
  double step = 5;
  for (int i = 0; i < 3; ++i) pressViewZ(m, step, 1);
  EXPECT_EQ(m.ViewAngleZ, 6);
  pressViewZ(m, step, 2);
  EXPECT_EQ(m.ViewAngleZ, 4);
  EXPECT_DOUBLE_EQ(step, -2 * kPi / 180);

  scrollViewY(m, step, 30);
  EXPECT_EQ(m.ViewAngleY, 30);
  EXPECT_DOUBLE_EQ(step, 30 * kPi / 180);
  scrollViewY(m, step, 30);  // the change event after a drag: step 0
  EXPECT_EQ(m.ViewAngleY, 30);
  EXPECT_EQ(step, 0);
  scrollViewX(m, step, 20);
  scrollViewX(m, step, 5);
  EXPECT_EQ(m.ViewAngleX, 5);
  EXPECT_EQ(viewAnglesCaption(m), " 30    5    4");
}

TEST(Rotation, ThumbDragEndsWhereASingleJumpDoes) {
  SailModel a = test::knownSail(), b = a;
  double step = 0;
  scrollViewY(a, step, 30);
  for (int v = 1; v <= 30; ++v) scrollViewY(b, step, v);
  EXPECT_EQ(a.ViewAngleY, b.ViewAngleY);
  for (int i = 1; i <= 100; ++i) {
    EXPECT_NEAR(a.LeechView(1, i), b.LeechView(1, i), 1e-9);
    EXPECT_NEAR(a.LeechView(3, i), b.LeechView(3, i), 1e-9);
  }
}

TEST(Rotation, RecallAppliesBothBarsVerticalFirst) {
  SailModel m = test::knownSail();
  SailModel byHand = m;
  double step = 0;
  recallView(m, step, 30, 20);
  EXPECT_EQ(viewAnglesCaption(m), " 30    20    0");
  double s1 = 30, s2 = 20;
  rotateViewAboutY(byHand, s1);
  rotateViewAboutX(byHand, s2);
  for (int i = 1; i <= 100; ++i) {
    EXPECT_DOUBLE_EQ(m.HeadView(1, i), byHand.HeadView(1, i));
    EXPECT_DOUBLE_EQ(m.HeadView(2, i), byHand.HeadView(2, i));
  }
  // Without a recompute in between, "R" turns by 0 twice.
  const SailModel again = m;
  recallView(m, step, 30, 20);
  EXPECT_EQ(step, 0);
  EXPECT_EQ(m.HeadView(2, 50), again.HeadView(2, 50));
}

TEST(Rotation, CaptionNumberForms) {
  SailModel m;
  m.ViewAngleY = 10;
  m.ViewAngleX = 0;
  m.ViewAngleZ = -2;
  EXPECT_EQ(viewAnglesCaption(m), " 10    0   -2");
  m.ViewAngleY = -30;
  m.ViewAngleX = 90;
  m.ViewAngleZ = 0;
  EXPECT_EQ(viewAnglesCaption(m), "-30    90    0");
}

TEST(Rotation, NonFiniteStepTurnsNothing) {
  SailModel m = test::knownSail();
  const SailModel before = m;
  double step = std::numeric_limits<double>::infinity();
  rotateViewAboutY(m, step);
  EXPECT_EQ(m.ViewAngleY, 0);
  EXPECT_EQ(m.LeechView(1, 40), before.LeechView(1, 40));
  EXPECT_EQ(m.LeechView(3, 40), before.LeechView(3, 40));
}

}  // namespace
}  // namespace kes
