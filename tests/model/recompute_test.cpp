#include "model/sail_model.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/numbers.h"
#include "sail_fixture.h"

namespace {

using kes::Curve;
using kes::SailInputs;
using kes::SailModel;
using kes::testing::defaultInputs;
using kes::testing::firstDifference;
using kes::testing::firstNonFinite;
using kes::testing::straightInputs;

SailModel computed(const SailInputs& in) {
  SailModel m;
  kes::recompute(in, m);
  return m;
}

double dist2(const Curve& a, int i, const Curve& b, int j) {
  return std::hypot(a(1, i) - b(1, j), a(2, i) - b(2, j));
}

TEST(Recompute, DefaultSailIsComplete) {
  SailModel m;
  const auto r = kes::recompute(defaultInputs(), m);
  EXPECT_TRUE(r.completed);
  EXPECT_FALSE(r.stoppedEarly);
  EXPECT_EQ(firstNonFinite(m), "");
  EXPECT_EQ(m.HandleSize, 0.5);
  EXPECT_EQ(m.SideBend, -3.0);
  // The edges join up: tack, head, head corner, clew, tack.
  EXPECT_NEAR(m.LuffCurve(1, 1), 0.0, 1e-12);
  EXPECT_NEAR(m.LuffCurve(2, 1), 0.0, 1e-12);
  EXPECT_NEAR(m.LuffCurve(2, 100), 100.0, 1e-9);
  // The leech and the foot start from the twisted corner and are twisted
  // once more, so with twist they start near, not on, the corner.
  EXPECT_NEAR(dist2(m.LeechCurve, 1, m.HeadCurve, 100), 0.0, 0.2);
  EXPECT_EQ(m.LeechCurve(2, 1), m.HeadCurve(2, 100));
  EXPECT_NEAR(dist2(m.FootCurve, 1, m.LeechCurve, 100), 0.0, 0.01);
  EXPECT_NEAR(m.FootCurve(1, 100), 0.0, 1e-3);
  EXPECT_NEAR(m.FootCurve(2, 100), 0.0, 1e-3);
  EXPECT_NEAR(m.FootCurve(3, 100), 0.0, 1e-9);
  // The views are the model's copies, the rotation is reset.
  EXPECT_EQ(firstDifference(m, m), "");
  for (int i = 1; i <= 100; ++i) {
    EXPECT_EQ(m.LeechView(1, i), m.LeechCurve(1, i));
    EXPECT_EQ(m.FootView(3, i), m.FootCurve(3, i));
  }
  // Station tables from the mold boxes, index 6 empty.
  EXPECT_EQ(m.DepthPositions[5], 47.0);
  EXPECT_EQ(m.ExitAngles[2], 19.0);
  EXPECT_EQ(m.EntryAngles[6], 0.0);
  for (int i = 0; i <= 100; ++i) EXPECT_EQ(m.MoldSections[6](3, i), 0.0);
  // A mold section starts on the luff.
  for (int k = 1; k <= 5; ++k) {
    EXPECT_NEAR(m.MoldSections[k](1, 1), m.LuffCurve(1, 17 * k), 1e-9) << k;
    EXPECT_NEAR(m.MoldSections[k](2, 1), m.LuffCurve(2, 17 * k), 1e-9) << k;
  }
  // The foot section follows the foot from tack to clew.
  EXPECT_EQ(m.MoldSections[0](1, 1), m.FootCurve(1, 100));
  EXPECT_EQ(m.MoldSections[0](2, 100), m.FootCurve(2, 1));
  EXPECT_NEAR(m.MoldSections[0](3, 100), m.FootCurve(3, 1), 1e-12);
  EXPECT_GT(m.area, 4000.0);
  EXPECT_LT(m.area, 7000.0);
}

TEST(Recompute, StraightSailTriangleAndEdges) {
  const SailModel m = computed(straightInputs());
  // The clew closes the triangle of luff, foot and diagonal.
  EXPECT_NEAR(std::hypot(m.ClewX, m.ClewY), 50.0, 1e-9);
  EXPECT_NEAR(std::hypot(m.ClewX, 100.0 - m.ClewY), 110.0, 1e-9);
  EXPECT_NEAR(m.ClewY, 2.0, 1e-9);
  for (const Curve* c : {&m.LuffCurve, &m.HeadCurve, &m.LeechCurve, &m.FootCurve})
    for (int i = 1; i <= 100; ++i) EXPECT_EQ((*c)(3, i), 0.0);
  // The leech runs from the head corner exactly to the clew.
  EXPECT_NEAR(m.LeechCurve(1, 100), m.ClewX, 1e-9);
  EXPECT_NEAR(m.LeechCurve(2, 100), m.ClewY, 1e-9);
  EXPECT_EQ(m.LeechCurve(1, 1), m.HeadCurve(1, 100));
  EXPECT_EQ(m.FootCurve(1, 1), m.LeechCurve(1, 100));
  // The foot ends at the tack within the stored Pi's rounding.
  EXPECT_NEAR(m.FootCurve(1, 100), 0.0, 1e-4);
  EXPECT_NEAR(m.FootCurve(2, 100), 0.0, 1e-4);
  // A square head: point 1 is a hundredth of the width aft of the head.
  EXPECT_NEAR(m.HeadCurve(1, 1), 0.1, 1e-4);
  EXPECT_NEAR(m.HeadCurve(2, 1), 100.0, 1e-4);
  EXPECT_NEAR(m.HeadCurve(2, 100), 100.0, 1e-4);
  // The area of the four straight edges, less the step from the luff's head
  // to the head's first point (0.1 aft at height 100), which is not added.
  const double x3 = m.ClewX, y3 = m.ClewY;
  const double quad = 0.5 * std::fabs(0 * 100 - 0 * 0 + 0 * 100 - 10 * 100 + 10 * y3 - x3 * 100 +
                                      x3 * 0 - 0 * y3);
  EXPECT_NEAR(m.area, quad - 0.5 * 0.1 * 100, 0.01);
}

TEST(Recompute, FlatMoldSectionsLieOnTheirChords) {
  SailInputs in = straightInputs();
  in.text[8] = 0.0;
  for (int i = 0; i < 6; ++i) in.ent[i] = in.dep[i] = in.ex[i] = 0.0;
  const SailModel m = computed(in);
  for (int k = 0; k <= 5; ++k)
    for (int i = 1; i <= 100; ++i) EXPECT_NEAR(m.MoldSections[k](3, i), 0.0, 1e-12) << k;
  // Without twist each section runs on its chord from the luff to the leech.
  for (int k = 1; k <= 5; ++k) {
    EXPECT_NEAR(dist2(m.MoldSections[k], 100, m.LeechCurve, 100 - 17 * k), 0.0, 1e-9) << k;
    const double dx = m.LeechCurve(1, 100 - 17 * k) - m.LuffCurve(1, 17 * k);
    const double dy = m.LeechCurve(2, 100 - 17 * k) - m.LuffCurve(2, 17 * k);
    for (int i = 1; i <= 100; ++i) {
      const double px = m.MoldSections[k](1, i) - m.LuffCurve(1, 17 * k);
      const double py = m.MoldSections[k](2, i) - m.LuffCurve(2, 17 * k);
      EXPECT_NEAR(px * dy - py * dx, 0.0, 1e-9);
    }
  }
}

TEST(Recompute, BendsGoWhereTheyAreTyped) {
  SailInputs in = straightInputs();
  in.text[6] = 3.0;  // aft bend forward
  in.text[8] = 2.0;  // side bend, stored negated
  SailModel m = computed(in);
  EXPECT_LT(m.LuffCurve(1, 60), -2.9);
  EXPECT_LT(m.LuffCurve(3, 40), -1.9);
  in.text[8] = -2.0;
  m = computed(in);
  EXPECT_GT(m.LuffCurve(3, 40), 1.9);
  EXPECT_EQ(m.SideBend, 2.0);
}

TEST(Recompute, RoachLiesAftOfTheStraightLeech) {
  SailInputs in = straightInputs();
  in.text[12] = 12.0;
  const SailModel m = computed(in);
  // Its control point lies 45 percent of the chord down from the head corner,
  // 12 square to the chord; leech point 46 is the sample next to it.
  const double hx = m.HeadCurve(1, 100), hy = m.HeadCurve(2, 100);
  const double ux = (m.ClewX - hx) / m.LeechChord, uy = (m.ClewY - hy) / m.LeechChord;
  const double along = (m.LeechCurve(1, 46) - hx) * ux + (m.LeechCurve(2, 46) - hy) * uy;
  const double square = (m.LeechCurve(1, 46) - hx) * uy - (m.LeechCurve(2, 46) - hy) * ux;
  EXPECT_NEAR(along, 45.45 * m.LeechChord / 100, 0.3);
  EXPECT_NEAR(std::fabs(square), 12.0, 0.05);
  // Aft of the chord at the same height.
  const double t = (m.LeechCurve(2, 46) - hy) / (m.ClewY - hy);
  EXPECT_GT(m.LeechCurve(1, 46), hx + t * (m.ClewX - hx) + 10.0);
}

TEST(Recompute, ImpossibleTriangleLandsTheClewOnTheLuff) {
  SailInputs in = straightInputs();
  in.text[3] = 200.0;  // diagonal longer than luff and foot together
  const SailModel m = computed(in);
  EXPECT_EQ(m.ClewX, 0.0);
  EXPECT_EQ(m.ClewY, -100.0);
  EXPECT_EQ(firstNonFinite(m), "");
}

TEST(RecomputeGuards, LoadingChangesNothing) {
  SailModel m = computed(defaultInputs());
  const SailModel before = m;
  SailInputs in = straightInputs();
  in.text[1] = 70.0;
  in.loading = true;
  const auto r = kes::recompute(in, m);
  EXPECT_FALSE(r.completed);
  EXPECT_FALSE(r.stoppedEarly);
  EXPECT_EQ(firstDifference(before, m), "");
}

TEST(RecomputeGuards, EmptyLuffStoresZeroAndStops) {
  SailModel m = computed(defaultInputs());
  SailModel expected = m;
  SailInputs in = straightInputs();
  in.text[1] = kes::parseLenient("");
  const auto r = kes::recompute(in, m);
  EXPECT_TRUE(r.stoppedEarly);
  EXPECT_FALSE(r.completed);
  expected.LuffLength = 0.0;
  expected.HandleSize = 0.0;
  EXPECT_EQ(firstDifference(expected, m), "");
}

TEST(RecomputeGuards, ZeroDiagonalUpdatesOnlyWhatWasReadBefore) {
  SailModel m = computed(defaultInputs());
  SailModel expected = m;
  SailInputs in = straightInputs();
  in.text[1] = 80.0;
  in.text[2] = 6.0;
  in.text[5] = 100.0;
  in.text[3] = 0.0;
  in.text[4] = 40.0;
  EXPECT_TRUE(kes::recompute(in, m).stoppedEarly);
  expected.LuffLength = 80.0;
  expected.HandleSize = 0.4;
  expected.HeadWidth = 6.0;
  expected.HeadLuffAngle = 100.0;
  expected.LeechDiagonal = 0.0;
  EXPECT_EQ(firstDifference(expected, m), "");
}

TEST(RecomputeGuards, ZeroHeadWidthAndZeroFoot) {
  SailModel m = computed(defaultInputs());
  SailInputs in = defaultInputs();
  in.text[2] = 0.0;
  in.text[5] = 95.0;
  EXPECT_TRUE(kes::recompute(in, m).stoppedEarly);
  EXPECT_EQ(m.HeadWidth, 0.0);
  EXPECT_EQ(m.HeadLuffAngle, 130.0);  // read after the head width's test

  m = computed(defaultInputs());
  in = defaultInputs();
  in.text[4] = 0.0;
  in.text[6] = 9.0;
  EXPECT_TRUE(kes::recompute(in, m).stoppedEarly);
  EXPECT_EQ(m.FootLength, 0.0);
  EXPECT_EQ(m.LeechDiagonal, 110.0);
  EXPECT_EQ(m.AftBend, 3.0);
}

TEST(RecomputeGuards, RecomputeUndoesViewRotation) {
  SailModel m = computed(defaultInputs());
  const SailModel fresh = m;
  m.ViewAngleX = 15;
  m.ViewAngleZ = -30;
  for (int i = 1; i <= 100; ++i) {
    m.LuffView(1, i) += 5;
    m.MoldSections[3](2, i) *= 2;
  }
  kes::recompute(defaultInputs(), m);
  EXPECT_EQ(firstDifference(fresh, m), "");
}

TEST(RecomputeGuards, NonFiniteInputKeepsTheOldValue) {
  SailModel m = computed(defaultInputs());
  SailInputs in = defaultInputs();
  in.text[12] = std::numeric_limits<double>::infinity();
  in.ent[2] = std::nan("");
  kes::recompute(in, m);
  EXPECT_EQ(m.Roach, 12.0);
  EXPECT_EQ(m.EntryAngles[2], 28.0);
  EXPECT_EQ(firstNonFinite(m), "");
}

TEST(FullView, ScaleFromHeadHeightClewAndSection) {
  const SailInputs in = defaultInputs();
  const SailModel m = computed(in);
  const double headY = m.HeadCurve(2, 100), clewX = m.FootCurve(1, 1);
  const double d = ((headY + 4.0) - (clewX + 3.0)) / 2;
  const double E = 4.0 + 3.0 + m.MoldSections[1](1, 100) / 100;
  EXPECT_DOUBLE_EQ(m.fullView.left, -d - E);
  EXPECT_DOUBLE_EQ(m.fullView.top, headY + E);
  EXPECT_DOUBLE_EQ(m.fullView.right, 1.06 * headY - d - E);
  EXPECT_DOUBLE_EQ(m.fullView.bottom, -E);
  EXPECT_NEAR(m.fullView.right - m.fullView.left, 1.06 * headY, 1e-9);
}

TEST(FullView, SectionOutOfRangeDropsItsMargin) {
  SailInputs in = defaultInputs();
  in.currentSection = 9;
  const SailModel m = computed(in);
  // The margin's statement fails as a whole, so the margin is 0.
  EXPECT_EQ(m.fullView.bottom, 0.0);
  EXPECT_EQ(firstNonFinite(m), "");
}

TEST(AreaText, ReadOutPerUnit) {
  EXPECT_EQ(kes::areaText(14400.0, kes::Unit::Inches), "100.00 ft2");
  EXPECT_EQ(kes::areaText(2500000.0, kes::Unit::Millimeters), "2.50 m2");
  EXPECT_EQ(kes::areaText(12.345, kes::Unit::Feet), "12.35 ft2");
  EXPECT_EQ(kes::areaText(14400.0, kes::Unit::None), "");
}

TEST(AreaText, SquareSailInInchesAndMillimetres) {
  // A square sail: the step from the luff's head to the head's first point
  // (a hundredth of the head width) is not added, so the area is
  // side^2 x 0.995. Its leech is vertical, the clew straight below the corner.
  const auto square = [](double side) {
    SailInputs in = straightInputs();
    in.text[1] = in.text[2] = in.text[4] = side;
    in.text[3] = std::sqrt(2.0) * side;
    return computed(in);
  };
  SailModel m = square(120.0 / std::sqrt(0.995));
  EXPECT_NEAR(m.area, 14400.0, 0.1);
  EXPECT_EQ(kes::areaText(m.area, kes::Unit::Inches), "100.00 ft2");
  EXPECT_NEAR(m.LeechCurve(1, 100), m.ClewX, 1e-9);
  EXPECT_NEAR(m.LeechCurve(2, 100), m.ClewY, 1e-9);
  m = square(1000.0 * std::sqrt(2.5 / 0.995));
  EXPECT_EQ(kes::areaText(m.area, kes::Unit::Millimeters), "2.50 m2");
}

}  // namespace
