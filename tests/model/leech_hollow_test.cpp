#include <gtest/gtest.h>

#include <cmath>

#include "common/numbers.h"
#include "model/sail_model.h"
#include "sail_fixture.h"

namespace {

using kes::Num;
using kes::SailInputs;
using kes::SailModel;
using namespace kes::testing;

// The default sail with batten rows (position, length), rows from 0.
SailModel withBattens(std::initializer_list<std::pair<Num, double>> rows, double hollow = 0.0) {
  SailInputs in = defaultInputs();
  in.battenHollow = hollow;
  int r = 0;
  for (const auto& [pos, len] : rows) in.batten[r].position = pos, in.batten[r++].length = len;
  return computed(in);
}

const SailModel& plain() {
  static const SailModel m = computed(defaultInputs());
  return m;
}

double slope(const SailModel& m, int a, int b) {
  return (m.LeechCurve(2, a) - m.LeechCurve(2, b)) / (m.LeechCurve(1, a) - m.LeechCurve(1, b));
}

// Points from..to (downward) lie on the line through point k of `at` with the slope.
void expectChord(const SailModel& m, int from, int to, const SailModel& at, int k, double s) {
  for (int i = from; i >= to; --i)
    EXPECT_NEAR(m.LeechCurve(1, i),
                at.LeechCurve(1, k) + (m.LeechCurve(2, i) - at.LeechCurve(2, k)) / s, 1e-9)
        << "point " << i;
}

TEST(LeechHollow, NoLengthInRowZeroMeansNoHollow) {
  EXPECT_EQ(firstDifference(plain(), withBattens({{25.0, 0.0}, {50.0, 30.0}}, 0.006)), -1);
  EXPECT_EQ(firstDifference(plain(), withBattens({{25.0, kes::parseLenient("x")}}, 0.006)), -1);
}

TEST(LeechHollow, OneBattenGivesTwoChords) {
  const SailModel& p = plain();
  const SailModel m = withBattens({{25.0, 20.0}});
  for (int i : {100, 75, 1}) EXPECT_NEAR(m.LeechCurve(1, i), p.LeechCurve(1, i), 1e-9) << i;
  expectChord(m, 100, 75, p, 100, slope(p, 75, 100));
  expectChord(m, 75, 1, p, 75, slope(p, 1, 75));
  for (int i = 1; i <= 100; ++i) EXPECT_EQ(m.LeechCurve(2, i), p.LeechCurve(2, i));
  EXPECT_EQ(m.LeechView(1, 90), m.LeechCurve(1, 90));

  // The hollow pulls each point forward by D sin(Pi u / N).
  const SailModel h = withBattens({{25.0, 20.0}}, 0.006);
  const double D = 0.006 * std::hypot(p.LeechCurve(1, 100) - p.LeechCurve(1, 75),
                                      p.LeechCurve(2, 100) - p.LeechCurve(2, 75));
  for (int i = 100; i >= 76; --i)
    EXPECT_NEAR(m.LeechCurve(1, i) - h.LeechCurve(1, i), D * std::sin(kes::Pi * (100 - i) / 25),
                1e-9);
}

TEST(LeechHollow, InnerStretchesTakeTheirSlopeOnePointAbove) {
  const SailModel& p = plain();
  const SailModel m = withBattens({{25.0, 20.0}, {50.0, 30.0}, {75.0, 20.0}});
  expectChord(m, 74, 50, m, 75, slope(p, 74, 49));
  expectChord(m, 49, 25, m, 50, slope(p, 49, 24));
  const double top = (p.LeechCurve(2, 1) - m.LeechCurve(2, 25)) /
                     (p.LeechCurve(1, 1) - m.LeechCurve(1, 25));
  expectChord(m, 24, 1, m, 25, top);
}

TEST(LeechHollow, EmptyRowBetweenFilledRows) {
  const SailModel& p = plain();
  // Position kept, length empty: the stretch of row 2 starts from row 1's
  // position and the top stretch from row `count` = 1, over points 50..1.
  SailModel m = withBattens({{25.0, 20.0}, {50.0, 0.0}, {75.0, 20.0}});
  for (int i = 74; i >= 51; --i) EXPECT_EQ(m.LeechCurve(1, i), p.LeechCurve(1, i)) << i;
  expectChord(m, 50, 1, p, 50, slope(p, 1, 50));
  // Position box empty too: only the first stretch is made.
  const SailModel one = withBattens({{25.0, 20.0}});
  m = withBattens({{25.0, 20.0}, {kes::parseStrict(""), 0.0}, {75.0, 20.0}});
  for (int i = 100; i >= 1; --i)
    EXPECT_EQ(m.LeechCurve(1, i), (i >= 75 ? one : p).LeechCurve(1, i)) << i;
}

TEST(LeechHollow, PositionsOutsideTheLeech) {
  for (Num pos : {Num(150.0), Num(-20.0), Num(1e300), Num(-1e300), Num(1e18), Num::fail()})
    EXPECT_EQ(firstDifference(plain(), withBattens({{pos, 20.0}}, 0.006)), -1) << pos.v;
  const double odd[][3] = {{25, 26, 27}, {25.5, 50.25, 74.75}, {0, 50, 100}, {100, 100, 100},
                           {-0.4, 100.4, 3}, {60, 40, 20}};
  for (const auto& c : odd)
    EXPECT_EQ(firstNonFinite(withBattens({{c[0], 9.0}, {c[1], 9.0}, {c[2], 9.0}}, 0.5)), -1);
}

}  // namespace
