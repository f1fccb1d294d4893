// Turning the view: the turn of a known point about each axis, the steps and
// angles the buttons and bars give, and Label40's caption.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "view/rotation.h"
#include "view_fixture.h"

namespace kes {
namespace {

constexpr double kPi = 3.141593;  // the stored constant the angles use

TEST(Rotation, AboutEachAxisTurnsEveryViewCurveAndTheMoldSections) {
  const double t = 30 * kPi / 180, cs = std::cos(t), sn = std::sin(t);
  const struct {
    void (*rotate)(SailModel&, double&);
    double x, y, z;
    double SailModel::*angle;
  } cases[] = {
      {rotateViewAboutX, 1, 2 * cs + 3 * sn, 3 * cs - 2 * sn, &SailModel::ViewAngleX},
      {rotateViewAboutY, 1 * cs + 3 * sn, 2, 3 * cs - 1 * sn, &SailModel::ViewAngleY},
      // A positive step about the viewing axis turns the drawing clockwise.
      {rotateViewAboutZ, 1 * cs + 2 * sn, 2 * cs - 1 * sn, 3, &SailModel::ViewAngleZ},
  };
  for (const auto& c : cases) {
    SailModel m = test::knownSail();
    // Point 7 at (1, 2, 3) on turned curves and on station 6, which never turns.
    Curve* curves[] = {&m.LuffView, &m.HeadView, &m.LeechView, &m.FootView,
                       &m.MoldSections[0], &m.MoldSections[5], &m.MoldSections[6]};
    for (Curve* v : curves) std::tie((*v)(1, 7), (*v)(2, 7), (*v)(3, 7)) = std::tuple(1, 2, 3);
    const double leech = m.LeechCurve(1, 50);
    double step = 30;
    c.rotate(m, step);
    EXPECT_DOUBLE_EQ(step, t);  // the step is left in radians
    EXPECT_EQ(m.*c.angle, 30);
    EXPECT_EQ(m.ViewAngleX + m.ViewAngleY + m.ViewAngleZ, 30);
    for (int k = 0; k < 7; ++k) {
      const Curve& v = *curves[k];
      EXPECT_NEAR(v(1, 7), k < 6 ? c.x : 1, 1e-12) << k;
      EXPECT_NEAR(v(2, 7), k < 6 ? c.y : 2, 1e-12) << k;
      EXPECT_NEAR(v(3, 7), k < 6 ? c.z : 3, 1e-12) << k;
    }
    EXPECT_EQ(m.LeechCurve(1, 50), leech);  // the model's own curves stay
  }
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
  scrollViewY(m, step, 30);  // the change event after a drag: step 0
  EXPECT_EQ(step, 0);
  scrollViewX(m, step, 20);
  scrollViewX(m, step, 5);
  EXPECT_EQ(viewAnglesCaption(m), " 30    5    4");
}

TEST(Rotation, RecallAppliesBothBarsVerticalFirst) {
  SailModel m = test::knownSail(), byHand = m;
  double step = 0, s1 = 30, s2 = 20;
  recallView(m, step, 30, 20);
  EXPECT_EQ(viewAnglesCaption(m), " 30    20    0");
  rotateViewAboutY(byHand, s1);
  rotateViewAboutX(byHand, s2);
  for (int i = 1; i <= 100; ++i) EXPECT_DOUBLE_EQ(m.HeadView(2, i), byHand.HeadView(2, i));
  // Without a recompute in between, "R" turns by 0 twice.
  const double y50 = m.HeadView(2, 50);
  recallView(m, step, 30, 20);
  EXPECT_EQ(step, 0);
  EXPECT_EQ(m.HeadView(2, 50), y50);

  m.ViewAngleY = 10;
  m.ViewAngleX = 0;
  m.ViewAngleZ = -2;
  EXPECT_EQ(viewAnglesCaption(m), " 10    0   -2");
}

TEST(Rotation, NonFiniteStepTurnsNothing) {
  SailModel m = test::knownSail();
  const double x = m.LeechView(1, 40), z = m.LeechView(3, 40);
  double step = std::numeric_limits<double>::infinity();
  rotateViewAboutY(m, step);
  EXPECT_EQ(m.ViewAngleY, 0);
  EXPECT_EQ(m.LeechView(1, 40), x);
  EXPECT_EQ(m.LeechView(3, 40), z);
}

}  // namespace
}  // namespace kes
