#include <gtest/gtest.h>

#include <cmath>

#include "common/numbers.h"
#include "model/sail_model.h"
#include "sail_fixture.h"

namespace {

using kes::Num;
using kes::SailInputs;
using kes::SailModel;
using kes::testing::defaultInputs;
using kes::testing::firstDifference;
using kes::testing::firstNonFinite;
using kes::testing::setBatten;

SailModel computed(const SailInputs& in) {
  SailModel m;
  kes::recompute(in, m);
  return m;
}

// The leech as the roach curve leaves it: no battens at all.
SailModel plain() { return computed(defaultInputs()); }

// Point i of the leech lies on the line through (x0, y0) with slope m.
void expectOnLine(const SailModel& m, int i, double x0, double y0, double slope) {
  EXPECT_NEAR(m.LeechCurve(1, i), x0 + (m.LeechCurve(2, i) - y0) / slope, 1e-9) << "point " << i;
}

double slopeOf(const SailModel& m, int a, int b) {
  return (m.LeechCurve(2, a) - m.LeechCurve(2, b)) / (m.LeechCurve(1, a) - m.LeechCurve(1, b));
}

TEST(LeechHollow, NoLengthInRowZeroMeansNoHollow) {
  SailInputs in = defaultInputs();
  in.battenHollow = 0.006;
  setBatten(in, 0, 25.0, 0.0);
  setBatten(in, 1, 50.0, 30.0);
  setBatten(in, 2, 75.0, 30.0);
  EXPECT_EQ(firstDifference(plain(), computed(in)), "");
  setBatten(in, 0, 25.0, kes::parseLenient("abc"));
  EXPECT_EQ(firstDifference(plain(), computed(in)), "");
}

TEST(LeechHollow, OneBattenStraightChordsWithoutHollow) {
  const SailModel before = plain();
  SailInputs in = defaultInputs();
  setBatten(in, 0, 25.0, 20.0);
  const SailModel m = computed(in);
  // Clew, batten point and head corner keep their place.
  for (int i : {100, 75, 1}) EXPECT_NEAR(m.LeechCurve(1, i), before.LeechCurve(1, i), 1e-9) << i;
  const double s1 = slopeOf(before, 75, 100), s2 = slopeOf(before, 1, 75);
  for (int i = 100; i >= 75; --i)
    expectOnLine(m, i, before.LeechCurve(1, 100), before.LeechCurve(2, 100), s1);
  for (int i = 75; i >= 1; --i)
    expectOnLine(m, i, before.LeechCurve(1, 75), before.LeechCurve(2, 75), s2);
  // y and z do not move.
  for (int i = 1; i <= 100; ++i) {
    EXPECT_EQ(m.LeechCurve(2, i), before.LeechCurve(2, i));
    EXPECT_EQ(m.LeechCurve(3, i), before.LeechCurve(3, i));
  }
  EXPECT_EQ(m.LeechView(1, 90), m.LeechCurve(1, 90));
}

TEST(LeechHollow, HollowIsASineOfTheChordsDepth) {
  SailInputs in = defaultInputs();
  setBatten(in, 0, 25.0, 20.0);
  const SailModel flat = computed(in);
  in.battenHollow = 0.006;
  const SailModel hollow = computed(in);
  const SailModel before = plain();
  const double chord = std::hypot(before.LeechCurve(1, 100) - before.LeechCurve(1, 75),
                                  before.LeechCurve(2, 100) - before.LeechCurve(2, 75));
  for (int i = 100; i >= 76; --i) {
    const double expected = chord * 0.006 * std::sin(kes::Pi * (100 - i) / 25.0);
    EXPECT_NEAR(flat.LeechCurve(1, i) - hollow.LeechCurve(1, i), expected, 1e-9) << i;
  }
  // The deepest point moves forward by the whole depth.
  EXPECT_NEAR(flat.LeechCurve(1, 88) - hollow.LeechCurve(1, 88), chord * 0.006, chord * 1e-4);
}

TEST(LeechHollow, InnerStretchesTakeTheirSlopeOnePointAbove) {
  const SailModel before = plain();
  SailInputs in = defaultInputs();
  setBatten(in, 0, 25.0, 20.0);
  setBatten(in, 1, 50.0, 30.0);
  setBatten(in, 2, 75.0, 20.0);
  const SailModel m = computed(in);
  // Points 74..50: through the placed point 75, slope of points 74 and 49.
  const double s1 = slopeOf(before, 74, 49);
  for (int i = 74; i >= 50; --i) expectOnLine(m, i, m.LeechCurve(1, 75), m.LeechCurve(2, 75), s1);
  // Points 49..25: through point 50 as placed, slope of points 49 and 24,
  // which no stretch has moved yet.
  const double s2 = slopeOf(before, 49, 24);
  for (int i = 49; i >= 25; --i) expectOnLine(m, i, m.LeechCurve(1, 50), m.LeechCurve(2, 50), s2);
  EXPECT_EQ(firstNonFinite(m), "");
  // The top stretch runs from batten 2's point to the head corner.
  const double s3 = (before.LeechCurve(2, 1) - m.LeechCurve(2, 25)) /
                    (before.LeechCurve(1, 1) - m.LeechCurve(1, 25));
  for (int i = 24; i >= 1; --i) expectOnLine(m, i, m.LeechCurve(1, 25), m.LeechCurve(2, 25), s3);
}

TEST(LeechHollow, EmptyRowBetweenFilledRowsUsesItsPositionBox) {
  const SailModel before = plain();
  SailInputs in = defaultInputs();
  setBatten(in, 0, 25.0, 20.0);
  setBatten(in, 1, 50.0, 0.0);  // position kept, length empty
  setBatten(in, 2, 75.0, 20.0);
  const SailModel m = computed(in);
  // The stretch of row 2 starts from row 1's position (points 49..25), and
  // the top stretch starts at row `count` = 1 (points 50..1), overwriting it.
  for (int i = 74; i >= 51; --i) EXPECT_EQ(m.LeechCurve(1, i), before.LeechCurve(1, i)) << i;
  const double s = slopeOf(before, 1, 50);
  for (int i = 50; i >= 1; --i)
    expectOnLine(m, i, before.LeechCurve(1, 50), before.LeechCurve(2, 50), s);
}

TEST(LeechHollow, EmptyPositionBoxSkipsItsStretches) {
  SailInputs in = defaultInputs();
  setBatten(in, 0, 25.0, 20.0);
  const SailModel oneStretch = [&] {
    SailInputs one = defaultInputs();
    setBatten(one, 0, 25.0, 20.0);
    return computed(one);
  }();
  setBatten(in, 1, kes::parseStrict(""), 0.0);
  setBatten(in, 2, 75.0, 20.0);
  const SailModel m = computed(in);
  const SailModel before = plain();
  for (int i = 100; i >= 75; --i) EXPECT_EQ(m.LeechCurve(1, i), oneStretch.LeechCurve(1, i)) << i;
  for (int i = 74; i >= 1; --i) EXPECT_EQ(m.LeechCurve(1, i), before.LeechCurve(1, i)) << i;
}

TEST(LeechHollow, PositionsOutsideTheLeechChangeNothing) {
  const SailModel before = plain();
  for (Num pos : {Num(150.0), Num(-20.0), Num(1e300), Num(-1e300), Num(1e18), Num::fail()}) {
    SailInputs in = defaultInputs();
    in.battenHollow = 0.006;
    setBatten(in, 0, pos, 20.0);
    const SailModel m = computed(in);
    EXPECT_EQ(firstNonFinite(m), "") << pos.v;
    EXPECT_EQ(firstDifference(before, m), "") << pos.v;
  }
}

TEST(LeechHollow, OddPositionsStayFinite) {
  const double cases[][3] = {{25, 26, 27}, {25.5, 50.25, 74.75}, {0, 50, 100}, {100, 100, 100},
                             {99.6, 50, 10}, {-0.4, 100.4, 3}, {60, 40, 20}};
  for (const auto& c : cases) {
    SailInputs in = defaultInputs();
    in.battenHollow = 0.5;
    for (int r = 0; r < 3; ++r) setBatten(in, r, c[r], 10.0);
    const SailModel m = computed(in);
    EXPECT_EQ(firstNonFinite(m), "") << c[0] << " " << c[1] << " " << c[2];
  }
}

}  // namespace
