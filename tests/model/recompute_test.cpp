#include "model/sail_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/numbers.h"
#include "model/steps.h"
#include "sail_fixture.h"

namespace {

using kes::Curve;
using kes::SailInputs;
using kes::SailModel;
using namespace kes::testing;

double gap(const Curve& a, int i, const Curve& b, int j) {
  return std::hypot(a(1, i) - b(1, j), a(2, i) - b(2, j));
}

TEST(Recompute, DefaultSailEdgesAndSectionsJoin) {
  SailModel m;
  const auto r = kes::recompute(defaultInputs(), m);
  EXPECT_TRUE(r.completed && !r.stoppedEarly);
  EXPECT_EQ(firstNonFinite(m), -1);
  EXPECT_EQ(m.SideBend, -3.0);  // stored negated
  // The leech and the foot start from a twisted corner and are twisted once more.
  EXPECT_NEAR(gap(m.LuffCurve, 1, m.FootCurve, 100), 0.0, 1e-3);
  EXPECT_NEAR(gap(m.LeechCurve, 1, m.HeadCurve, 100), 0.0, 0.2);
  EXPECT_NEAR(gap(m.FootCurve, 1, m.LeechCurve, 100), 0.0, 0.01);
  EXPECT_NEAR(m.FootCurve(3, 100), 0.0, 1e-9);
  for (int k = 1; k <= 5; ++k) EXPECT_NEAR(gap(m.MoldSections[k], 1, m.LuffCurve, 17 * k), 0, 1e-9);
  EXPECT_EQ(m.MoldSections[0](2, 100), m.FootCurve(2, 1));
  EXPECT_NEAR(m.MoldSections[0](3, 100), m.FootCurve(3, 1), 1e-12);
  EXPECT_EQ(m.EntryAngles[6], 0.0);  // station 6 is never written
  for (int i = 0; i <= 100; ++i) EXPECT_EQ(m.MoldSections[6](3, i), 0.0);
}

TEST(Recompute, StraightSail) {
  const SailModel m = computed(straightInputs());
  // The clew closes the triangle of luff, foot and diagonal.
  EXPECT_NEAR(std::hypot(m.ClewX, m.ClewY), 50.0, 1e-9);
  EXPECT_NEAR(std::hypot(m.ClewX, 100.0 - m.ClewY), 110.0, 1e-9);
  for (const Curve* c : {&m.LuffCurve, &m.HeadCurve, &m.LeechCurve, &m.FootCurve})
    for (int i = 1; i <= 100; ++i) EXPECT_EQ((*c)(3, i), 0.0);
  EXPECT_EQ(m.LeechCurve(1, 1), m.HeadCurve(1, 100));
  EXPECT_NEAR(m.LeechCurve(1, 100), m.ClewX, 1e-9);
  EXPECT_NEAR(m.LeechCurve(2, 100), m.ClewY, 1e-9);
  EXPECT_NEAR(gap(m.FootCurve, 100, m.LuffCurve, 1), 0.0, 1e-4);  // within the stored Pi
  EXPECT_NEAR(m.HeadCurve(1, 1), 0.1, 1e-4);  // a hundredth of the width aft
}

TEST(Recompute, BendsRoachAndFlatSections) {
  SailInputs in = straightInputs();
  in.text[6] = 3.0;   // aft bend: forward
  in.text[8] = -2.0;  // side bend, stored negated
  in.text[12] = 12.0;
  for (int i = 0; i < 6; ++i) in.ent[i] = in.dep[i] = in.ex[i] = 0.0;
  SailModel m = computed(in);
  EXPECT_LT(m.LuffCurve(1, 60), -2.9);
  EXPECT_GT(m.LuffCurve(3, 40), 1.9);
  // The roach lies 12 aft of the chord, 45 percent of it down from the corner.
  const double hx = m.HeadCurve(1, 100), hy = m.HeadCurve(2, 100);
  const double ux = (m.ClewX - hx) / m.LeechChord, uy = (m.ClewY - hy) / m.LeechChord;
  const double dx = m.LeechCurve(1, 46) - hx, dy = m.LeechCurve(2, 46) - hy;
  EXPECT_NEAR(dx * ux + dy * uy, 0.4545 * m.LeechChord, 0.3);
  EXPECT_NEAR(dy * ux - dx * uy, 12.0, 0.05);  // positive: aft of the chord
  // Without the side bend the flat sections run flat from luff point to leech point.
  in.text[8] = 0.0;
  m = computed(in);
  for (int k = 1; k <= 5; ++k) {
    EXPECT_NEAR(gap(m.MoldSections[k], 100, m.LeechCurve, 100 - 17 * k), 0.0, 1e-9);
    for (int i = 1; i <= 100; ++i) EXPECT_EQ(m.MoldSections[k](3, i), 0.0);
  }
}

TEST(MoldSections, AChordTooLongToMeasureKeepsTheLengthBefore) {
  // Station 1's chord is 50 long; station 2's leech point lies so far aft
  // that the square of its chord overflows: station 2 is laid on a chord of 50.
  SailModel m;
  m.LuffLength = 100.0;
  m.LuffCurve(2, 17) = m.LeechCurve(2, 83) = 17.0;
  m.LuffCurve(2, 34) = m.LeechCurve(2, 66) = 34.0;
  m.LeechCurve(1, 83) = 50.0;
  m.LeechCurve(1, 66) = 1e200;
  for (int k = 1; k <= 5; ++k) m.DepthPositions[k] = 50.0;
  kes::steps::buildMoldSections(m);
  EXPECT_EQ(firstNonFinite(m), -1);
  EXPECT_DOUBLE_EQ(m.MoldSections[1](1, 100), 50.0);
  EXPECT_DOUBLE_EQ(m.MoldSections[2](1, 100), 50.0);
  EXPECT_DOUBLE_EQ(m.MoldSections[2](2, 100), 34.0);
}

TEST(RecomputeGuards, LoadingOrAZeroStopsAfterStoringWhatWasRead) {
  SailModel m = computed(defaultInputs());
  const SailModel before = m;
  SailInputs in = straightInputs();
  in.loading = true;
  const auto r = kes::recompute(in, m);
  EXPECT_FALSE(r.completed || r.stoppedEarly);
  EXPECT_EQ(firstDifference(before, m), -1);
  // Read in the order luff, head width, head angle, diagonal, foot.
  for (int box : {1, 2, 3, 4}) {
    m = before;
    SailModel expected = m;
    in = straightInputs();
    in.text[1] = 80, in.text[2] = 6, in.text[5] = 100, in.text[3] = 90, in.text[4] = 40;
    in.text[box] = kes::parseLenient("");
    EXPECT_TRUE(kes::recompute(in, m).stoppedEarly);
    expected.LuffLength = in.text[1];
    expected.HandleSize = in.text[1] / 200.0;
    if (box >= 2) expected.HeadWidth = in.text[2];
    if (box >= 3) expected.HeadLuffAngle = 100, expected.LeechDiagonal = in.text[3];
    if (box >= 4) expected.FootLength = 0;
    EXPECT_EQ(firstDifference(expected, m), -1) << "box " << box;
  }
}

TEST(RecomputeGuards, RecomputeUndoesViewRotationAndKeepsFailedValues) {
  SailModel m = computed(defaultInputs());
  const SailModel fresh = m;
  m.ViewAngleX = 15;
  for (int i = 1; i <= 100; ++i) m.LuffView(1, i) += 5, m.MoldSections[3](2, i) *= 2;
  kes::recompute(defaultInputs(), m);
  EXPECT_EQ(firstDifference(fresh, m), -1);
  SailInputs in = defaultInputs();
  in.text[12] = std::numeric_limits<double>::infinity();
  in.ent[2] = std::nan("");
  kes::recompute(in, m);
  EXPECT_EQ(m.Roach, 12.0);
  EXPECT_EQ(m.EntryAngles[2], 28.0);
}

TEST(FullView, ScaleFromHeadHeightClewAndSection) {
  SailInputs in = defaultInputs();
  const SailModel m = computed(in);
  const double headY = m.HeadCurve(2, 100);
  const double d = ((headY + 4.0) - (m.FootCurve(1, 1) + 3.0)) / 2;
  const double E = 4.0 + 3.0 + m.MoldSections[1](1, 100) / 100;
  EXPECT_DOUBLE_EQ(m.fullView.left, -d - E);
  EXPECT_DOUBLE_EQ(m.fullView.top, headY + E);
  EXPECT_DOUBLE_EQ(m.fullView.right, 1.06 * headY - d - E);
  EXPECT_DOUBLE_EQ(m.fullView.bottom, -E);
  in.currentSection = 9;  // the margin's statement fails as a whole
  EXPECT_EQ(computed(in).fullView.bottom, 0.0);
}

TEST(Area, ReadOutPerUnit) {
  EXPECT_EQ(kes::areaText(14400.0, kes::Unit::Inches), "100.00 ft2");
  EXPECT_EQ(kes::areaText(2500000.0, kes::Unit::Millimeters), "2.50 m2");
  EXPECT_EQ(kes::areaText(12.345, kes::Unit::Feet), "12.35 ft2");
  EXPECT_EQ(kes::areaText(14400.0, kes::Unit::None), "");
  // A square sail (its leech vertical) has side^2 x 0.995 of area: the step
  // from the luff's head to the head's first point is not added.
  const auto square = [](double side) {
    SailInputs in = straightInputs();
    in.text[1] = in.text[2] = in.text[4] = side;
    in.text[3] = std::sqrt(2.0) * side;
    return computed(in).area;
  };
  EXPECT_EQ(kes::areaText(square(120.0 / std::sqrt(0.995)), kes::Unit::Inches), "100.00 ft2");
  EXPECT_EQ(kes::areaText(square(1000.0 * std::sqrt(2.5 / 0.995)), kes::Unit::Millimeters),
            "2.50 m2");
}

// The head edge is twisted about the tack by Twist x y / LuffLength degrees.
// Checked against the library's sine and cosine for twists whose angles stay
// small, reach almost an eighth of a turn, and go well past it.
TEST(Recompute, HeadTwistMatchesTheTurnAboutTheTack) {
  for (double twist : {7.0, -7.0, 40.0, 300.0}) {
    SailInputs in = defaultInputs();
    in.text[14] = twist;
    SailModel m;
    ASSERT_TRUE(kes::recompute(in, m).completed);
    const double turn = (in.text[5] - 90.0) * kes::Pi / 180.0;
    for (int i = 1; i <= 100; ++i) {
      const double x0 = i * in.text[2] / 100.0;
      const double x = x0 * std::cos(turn) + m.LuffCurve(1, 100);
      const double y = x0 * std::sin(turn) + m.LuffCurve(2, 100);
      const double z = m.LuffCurve(3, 100);
      const double t = twist * y / m.LuffLength * kes::Pi / 180.0;
      EXPECT_NEAR(m.HeadCurve(1, i), x * std::cos(t) - z * std::sin(t), 1e-12) << twist << " " << i;
      EXPECT_NEAR(m.HeadCurve(3, i), z * std::cos(t) + x * std::sin(t), 1e-12) << twist << " " << i;
      EXPECT_DOUBLE_EQ(m.HeadCurve(2, i), y);
    }
  }
}

}  // namespace
