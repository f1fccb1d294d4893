// The recompute of the sail from its boxes, the batten boxes' set-ups and
// answers, and bad input through both; the spline the sections are fitted with.

#include "model/battens.h"
#include "model/sail_model.h"
#include "model/spline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "common/numbers.h"
#include "model/steps.h"
#include "sail_fixture.h"

namespace {

using namespace kes;
using namespace kes::testing;

// The designed default sail, computed once.
const SailModel plain = computed(defaultInputs());

double gap(const Curve& a, int i, const Curve& b, int j) {
  return std::hypot(a(1, i) - b(1, j), a(2, i) - b(2, j));
}

TEST(Recompute, DefaultSailEdgesAndSectionsJoin) {
  const SailModel& m = plain;
  EXPECT_EQ(m.SideBend, -3.0);  // stored negated
  // The leech is laid out from the head corner before its twist and twisted
  // once, as the head is (from the twisted corner it missed by 0.07 in).
  EXPECT_NEAR(gap(m.LuffCurve, 1, m.FootCurve, 100), 0.0, 1e-3);
  EXPECT_NEAR(gap(m.LeechCurve, 1, m.HeadCurve, 100), 0.0, 1e-9);
  EXPECT_NEAR(gap(m.FootCurve, 1, m.LeechCurve, 100), 0.0, 0.01);
  for (int k = 1; k <= 5; ++k) EXPECT_NEAR(gap(m.MoldSections[k], 1, m.LuffCurve, 17 * k), 0, 1e-9);
}

TEST(Recompute, ClewAndRoach) {
  SailInputs in = straightInputs();
  const SailModel straight = computed(in);
  // The clew closes the triangle of luff, foot and diagonal.
  EXPECT_NEAR(std::hypot(straight.ClewX, straight.ClewY), 50.0, 1e-9);
  EXPECT_NEAR(std::hypot(straight.ClewX, 100.0 - straight.ClewY), 110.0, 1e-9);
  // The roach lies 12 aft of the leech chord, 45 percent of it down from the corner.
  in.text[12] = 12.0;
  const SailModel m = computed(in);
  EXPECT_NEAR(gap(m.LeechCurve, 46, straight.LeechCurve, 46), 12.0, 0.05);
  EXPECT_GT(m.LeechCurve(1, 46), straight.LeechCurve(1, 46));
}

// Each point turns about the axis by its own angle; the angles here run from
// inside the short-angle range to well past it.
TEST(Twist, TurnsEachPointByTheAngleOfItsHeight) {
  SailModel m;
  std::tie(m.Twist, m.LuffLength) = std::tuple(150.0, 100.0);
  Curve c;
  for (int i = 1; i <= 100; ++i) c(1, i) = 2.0, c(2, i) = i - 20.0, c(3, i) = 1.0;
  kes::steps::twistCurve(c, m, {.ox = 1.0, .oz = 3.0, .offset = 10.0, .zShift = 0.5});
  for (int i = 1; i <= 100; ++i) {
    const double t = (150.0 * (i - 20.0) / 100.0 - 10.0) * kes::Pi / 180.0;
    EXPECT_NEAR(c(1, i), 1.0 + 2.0 * std::cos(t) - std::sin(t), 1e-12) << i;
    EXPECT_NEAR(c(3, i), 2.5 + std::cos(t) + 2.0 * std::sin(t), 1e-12) << i;
  }
}

TEST(MoldSections, AChordTooLongToMeasureKeepsTheLengthBefore) {
  // Station 1's chord is 50 long; station 2's leech point lies so far aft
  // that the square of its chord overflows: station 2 is laid on a chord of
  // 50, and carried from there to end on its leech point, all of it finite.
  SailModel m;
  std::tie(m.LuffCurve(2, 17), m.LuffCurve(2, 34)) = std::tie(m.LeechCurve(2, 83), m.LeechCurve(2, 66)) = std::tuple(17.0, 34.0);
  std::tie(m.LeechCurve(1, 83), m.LeechCurve(1, 66)) = std::tuple(50.0, 1e200);
  for (int k = 1; k <= 5; ++k) m.DepthPositions[k] = 50.0;
  kes::steps::buildMoldSections(m);
  EXPECT_EQ(firstNonFinite(m), -1);
  EXPECT_EQ(std::tuple(m.MoldSections[2](1, 100), m.MoldSections[2](2, 100)), std::tuple(1e200, 34.0));
}

TEST(Area, ReadOutPerUnit) {
  EXPECT_EQ(std::tuple(kes::areaText(14400.0, kes::Unit::Inches), kes::areaText(2500000.0, kes::Unit::Millimeters),
                       kes::areaText(14400.0, kes::Unit::None)),
            std::tuple("100.00 ft2", "2.50 m2", ""));
  // A square sail (its leech vertical) has side^2 x 0.995 of area: the step
  // from the luff's head to the head's first point is not added.
  SailInputs in = straightInputs();
  const double side = 120.0 / std::sqrt(0.995);
  in.text[1] = in.text[2] = in.text[4] = side;
  in.text[3] = std::sqrt(2.0) * side;
  EXPECT_EQ(kes::areaText(computed(in).area, kes::Unit::Inches), "100.00 ft2");
}

TEST(RecomputeGuards, LoadingOrAZeroStopsAfterStoringWhatWasRead) {
  const SailModel& before = plain;
  SailModel m = before;
  SailInputs in = straightInputs();
  in.text[1] = 80, in.text[2] = 6, in.text[5] = 100, in.text[3] = 90, in.text[4] = 40;
  in.loading = true;
  EXPECT_FALSE(kes::recompute(in, m).completed);
  EXPECT_EQ(firstDifference(before, m), -1);
  in.loading = false;
  // Read in the order luff, head width, head angle, diagonal, foot.
  for (int box : {1, 2, 3, 4}) {
    SailInputs stop = in;
    stop.text[box] = kes::parseLenient("");
    SailModel expected = m = before;
    EXPECT_TRUE(kes::recompute(stop, m).stoppedEarly);
    std::tie(expected.LuffLength, expected.HandleSize) = std::tuple(stop.text[1], stop.text[1] / 200.0);
    if (box >= 2) expected.HeadWidth = stop.text[2];
    if (box >= 3) expected.HeadLuffAngle = 100, expected.LeechDiagonal = stop.text[3];
    if (box >= 4) expected.FootLength = 0;
    EXPECT_EQ(firstDifference(expected, m), -1) << "box " << box;
  }
}

TEST(RecomputeGuards, FailedStatementsKeepTheOldValue) {
  SailModel m = computed(defaultInputs());
  SailInputs in = defaultInputs();
  in.text[12] = std::numeric_limits<double>::infinity();
  in.ent[2] = std::nan("");
  in.currentSection = 9;  // the full view's margin fails as a whole
  kes::recompute(in, m);
  EXPECT_EQ(std::tuple(m.Roach, m.EntryAngles[2], m.fullView.bottom), std::tuple(12.0, 28.0, 0.0));
}

// The default sail with batten rows (position, length), rows from 0.
SailModel withBattens(std::initializer_list<std::pair<Num, double>> rows, double hollow = 0.0) {
  SailInputs in = defaultInputs();
  in.battenHollow = hollow;
  int r = 0;
  for (const auto& [pos, len] : rows) in.batten[r].position = pos, in.batten[r++].length = len;
  return computed(in);
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

TEST(LeechHollow, OneBatten) {
  const SailModel m = withBattens({{25.0, 20.0}});
  expectChord(m, 100, 75, plain, 100, slope(plain, 75, 100));
  expectChord(m, 75, 1, plain, 75, slope(plain, 1, 75));
  // The hollow pulls each point forward by D sin(Pi u / N), u points up from the clew.
  const SailModel h = withBattens({{25.0, 20.0}}, 0.006);
  const double D = 0.006 * std::hypot(plain.LeechCurve(1, 100) - plain.LeechCurve(1, 75),
                                      plain.LeechCurve(2, 100) - plain.LeechCurve(2, 75));
  EXPECT_NEAR(m.LeechCurve(1, 92) - h.LeechCurve(1, 92), D * std::sin(kes::Pi * 8 / 25), 1e-9);
}

TEST(LeechHollow, InnerStretchesTakeTheirSlopeOnePointAbove) {
  const SailModel m = withBattens({{25.0, 20.0}, {50.0, 30.0}, {75.0, 20.0}});
  for (int top : {75, 50}) expectChord(m, top - 1, top - 25, m, top, slope(plain, top - 1, top - 26));
  const double top = (plain.LeechCurve(2, 1) - m.LeechCurve(2, 25)) /
                     (plain.LeechCurve(1, 1) - m.LeechCurve(1, 25));
  expectChord(m, 24, 1, m, 25, top);
}

TEST(LeechHollow, EmptyRowBetweenFilledRows) {
  // Position kept, length empty: the stretch of row 2 starts from row 1's
  // position and the top stretch from row `count` = 1, over points 50..1.
  SailModel m = withBattens({{25.0, 20.0}, {50.0, 0.0}, {75.0, 20.0}});
  for (int i = 74; i >= 51; --i) EXPECT_EQ(m.LeechCurve(1, i), plain.LeechCurve(1, i)) << i;
  expectChord(m, 50, 1, plain, 50, slope(plain, 1, 50));
  // Position box empty too: only the first stretch is made.
  const SailModel one = withBattens({{25.0, 20.0}});
  m = withBattens({{25.0, 20.0}, {kes::parseStrict(""), 0.0}, {75.0, 20.0}});
  for (int i = 100; i >= 1; --i)
    EXPECT_EQ(m.LeechCurve(1, i), (i >= 75 ? one : plain).LeechCurve(1, i)) << i;
}

TEST(LeechHollow, RowsOffTheLeechOrWithoutLengthMakeNoStretch) {
  EXPECT_EQ(firstDifference(plain, withBattens({{25.0, 0.0}, {50.0, 30.0}}, 0.006)), -1);
  for (Num pos : {Num(150.0), Num(-20.0), Num(1e300), Num(1e18), Num::fail()})
    EXPECT_EQ(firstDifference(plain, withBattens({{pos, 20.0}}, 0.006)), -1) << pos.v;
}

TEST(BadInput, HugeNegativeAndMixedValuesNeverLeaveNaN) {
  // Extremes mixed over the size, mold, batten and hollow inputs.
  const double extremes[] = {0,     1,      -1,    3,       50,   97,      100, 1e-300,
                             1e300, -1e300, 1e154, 1.7e308, 1e15, -1e-300, -50, 90};
  std::minstd_rand rng(12345);
  const auto pick = [&] { return extremes[rng() % std::size(extremes)]; };
  SailModel m;
  for (int run = 0; run < 600; ++run) {
    SailInputs in = defaultInputs();
    for (int box = 1; box <= 14; ++box)
      if ((run + box) % 3 == 0) in.text[box] = pick();
    for (int i = 0; i < 6; ++i) in.pos[i] = pick(), in.dep[i] = pick(), in.ent[i] = pick(), in.ex[i] = pick();
    for (auto& row : in.batten) row.position = pick(), row.length = pick();
    in.battenHollow = pick();
    kes::recompute(in, m);
    ASSERT_EQ(firstNonFinite(m), -1) << "run " << run;
  }
}

TEST(BadInput, ClewForwardOfTheHeadCornerIsStillReached) {
  SailInputs in = straightInputs();
  // A wide gaff head: its aft corner lies aft of the clew.
  std::tie(in.text[2], in.text[5], in.text[12]) = std::tuple(80.0, 130.0, 8.0);
  const SailModel m = computed(in);
  ASSERT_LT(m.ClewX, m.HeadCurve(1, 100));
  EXPECT_NEAR(std::hypot(m.LeechCurve(1, 100) - m.ClewX, m.LeechCurve(2, 100) - m.ClewY), 0, 1e-9);
}

TEST(BadInput, ImpossibleTriangleAndMoldChordsRunningForward) {
  // A diagonal longer than luff and foot together lands the clew on the luff
  // line; with the luff bent far aft the lower mold chords then run forward
  // from the luff to the leech, and each section still ends on the leech.
  SailInputs in = straightInputs();
  std::tie(in.text[3], in.text[6]) = std::tuple(200.0, -30.0);
  for (int i = 0; i < 6; ++i) in.dep[i] = in.ent[i] = in.ex[i] = 0.0;
  const SailModel m = computed(in);
  bool forward = false;
  for (int k = 1; k <= 5; ++k) {
    const int tp = 100 - 17 * k;
    forward = forward || m.LeechCurve(1, tp) < m.LuffCurve(1, 17 * k);
    EXPECT_NEAR(gap(m.MoldSections[k], 100, m.LeechCurve, tp), 0.0, 1e-6) << k;
  }
  EXPECT_TRUE(forward);
}

TEST(BadInput, NextRunLeavesNoTraceOfSplinesOnTheirEndsOrATurnedView) {
  SailModel m = plain;
  for (double p : {0.0, 3.0, 97.0, 100.0}) {
    SailInputs in = defaultInputs();
    in.text[7] = in.text[9] = in.text[11] = in.text[13] = p;
    for (int i = 0; i < 6; ++i) in.pos[i] = p;
    kes::recompute(in, m);
  }
  m.ViewAngleX = 15;
  for (int i = 1; i <= 100; ++i) m.LuffView(1, i) += 5, m.MoldSections[3](2, i) *= 2;
  kes::recompute(defaultInputs(), m);
  EXPECT_EQ(firstDifference(plain, m), -1);
}

// ---- Batten boxes ----------------------------------------------------------------
constexpr BattenBox kPos = BattenBox::Position, kLen = BattenBox::Length, kAngle = BattenBox::Angle;

// The batten boxes as texts; a changed text runs onChange, as the box's
// change handler would.
struct FakeBoxes : kes::BattenBoxes {
  std::string texts[3][5];
  std::function<void()> onChange;
  std::vector<std::string> lengthWrites;

  std::string text(BattenBox box, int row) const override { return texts[int(box)][row]; }
  void setText(BattenBox box, int row, const std::string& t) override {
    std::string& cur = texts[int(box)][row];
    if (cur == t) return;
    cur = t;
    if (box == kLen) lengthWrites.push_back(t);
    if (onChange) onChange();
  }
};

// Leech chord 100, roach 12 at 55 percent; head corner (10, 100), clew (60, 0).
SailModel roachModel() {
  SailModel m;
  std::tie(m.LeechChord, m.Roach, m.RoachPos) = std::tuple(100.0, 12.0, 55.0);
  std::tie(m.LeechCurve(1, 1), m.LeechCurve(2, 1), m.LeechCurve(1, 100)) = std::tuple(10.0, 100.0, 60.0);
  return m;
}

TEST(StandardBattens, WorkedLengthsAndAngles) {
  struct Case {
    StandardSetUp kind;
    std::vector<double> lengths;
    std::vector<const char*> positions;
  };
  const Case cases[] = {
      {StandardSetUp::Std5, {17.4, 36.2, 36.2, 36.2, 17.5}, {"17", "33", "50", "67", "83"}},
      {StandardSetUp::Std4, {20.2, 34.5, 34.5, 20.5}, {"20", "40", "60", "80", ""}},
      {StandardSetUp::Std3, {24.5, 36.2, 25.0}, {"25", "50", "75", "", ""}}};
  FakeBoxes b;  // one set of boxes: each set-up follows the one before
  SailModel m;
  // Each write runs the recompute, which reuses the spline the roach is measured on.
  b.onChange = [&m] { m.spline = kes::Spline{}; };
  for (const Case& c : cases) {
    m = roachModel();
    kes::standardBattens(c.kind, "50", m, b);
    const int used = static_cast<int>(c.lengths.size());
    for (int r = 0; r < 5; ++r) {
      EXPECT_EQ(std::tuple(b.text(kPos, r), b.text(kAngle, r), b.text(kLen, r).empty()),
                std::tuple(std::string(c.positions[r]), std::string(r < used ? "26.6" : ""), r >= used)) << r;
      if (r < used) { EXPECT_NEAR(kes::parseStrict(b.text(kLen, r)).v, c.lengths[r], 0.05) << r; }
    }
  }
}

TEST(StandardBattens, NoRoachAndALevelLeech) {
  SailModel m = roachModel();
  m.Roach = m.LeechCurve(2, 1) = 0.0;  // corner and clew at one height: the angle is kept
  FakeBoxes b;
  b.setText(kAngle, 0, "12.5");
  kes::standardBattens(StandardSetUp::Std4, "50", m, b);
  for (int r = 0; r < 4; ++r) EXPECT_EQ(b.text(kLen, r) + " " + b.text(kAngle, r), "0 12.5") << r;
}

// The worked example: tack (0, 0), clew (60, 5.25), leech point 70 at
// (40, 50), luff point 47 at (0, 46.5), luff 100.
SailModel fullLengthModel() {
  SailModel m;
  m.LuffLength = 100.0;
  std::tie(m.FootCurve(1, 1), m.FootCurve(2, 1)) = std::tie(m.LeechCurve(1, 100), m.LeechCurve(2, 100)) = std::tuple(60.0, 5.25);
  std::tie(m.LeechCurve(1, 70), m.LeechCurve(2, 70), m.LuffCurve(2, 47)) = std::tuple(40.0, 50.0, 46.5);
  return m;
}

TEST(FullLengthBatten, WorkedExample) {
  SailModel m = fullLengthModel();
  FakeBoxes b;
  b.setText(kPos, 2, "30");
  kes::fullLengthBatten(2, "50", m, b);
  EXPECT_EQ(b.text(kAngle, 2), "5.0");
  EXPECT_EQ(b.lengthWrites, (std::vector<std::string>{"39.7513046955694", "39.75"}));
}

TEST(FullLengthBatten, EndsOfTheLeechAndStepsThatFail) {
  // Position, the length box before and after, and a change to the example.
  struct Case {
    const char *pos, *before, *after;
    int change;
  };
  const Case cases[] = {{"", "", "59.63", 0},          // no position: point 100, the clew
                        {"99.7", "", "0.00", 0},       // point 0, the origin
                        {"150", "long", "long", 0},    // off the leech
                        {"30", "long", "long", 1},     // meets the luff's line far above the head
                        {"30", "12.345", "12.35", 2},  // no luff length
                        {"30", "", "63.39", 3}};       // "steep" kept: no number, a level line
  for (const Case& c : cases) {
    SailModel m = fullLengthModel();
    if (c.change == 1) m.LeechCurve(2, 70) = 500.0;
    if (c.change == 2) m.LuffLength = 0.0;
    if (c.change == 3) m.FootCurve(1, 1) = 0.0;  // a foot without run
    FakeBoxes b;
    for (const auto& [box, text] : {std::pair(kPos, c.pos), std::pair(kLen, c.before), std::pair(kAngle, "steep")})
      b.setText(box, 1, text);
    kes::fullLengthBatten(1, "50", m, b);
    EXPECT_EQ(b.text(kLen, 1), c.after) << c.pos << " " << c.change;
    EXPECT_EQ(b.text(kAngle, 1) == "steep", c.change == 3) << c.change;
  }
}

TEST(LeechDiagonal, WorkedExamplesAndRefusals) {
  SailModel m;
  const auto diag = [&m](const char* clew, const char* tack) {
    return kes::leechDiagonal(m, "100", "10", "50", clew, tack).value_or("kept");
  };
  EXPECT_EQ(std::tuple(diag("", "90"), diag("", "100"), diag("10", "")), std::tuple("111.80", "119.32", "102.47"));
  EXPECT_NEAR(m.FootAngle * 180 / kes::Pi, 11.54, 0.01);
  EXPECT_EQ(diag("", ""), "50.00");  // a cancelled tack angle
  for (const char* h : {"0", "abc"}) EXPECT_EQ(diag(h, ""), "111.80") << h;
  // No triangle, or no number to compute with: nothing written.
  std::tie(m.LeechDiagonal, m.FootAngle) = std::tuple(110.0, -3.0);
  for (const char* h : {"50", "60", "-50", "1e400"}) EXPECT_EQ(diag(h, ""), "kept") << h;
  EXPECT_EQ(diag("", "1e400"), "kept");
  EXPECT_FALSE(kes::leechDiagonal(m, "1e200", "10", "1e200", "", "90").has_value());
  EXPECT_EQ(std::tuple(m.LeechDiagonal, m.FootAngle), std::tuple(110.0, -3.0));
}

TEST(BattenHollow, DefaultTextAndAnswers) {
  EXPECT_EQ(std::tuple(kes::battenHollowDefault(0.006), kes::battenHollowDefault(1.7e308)), std::tuple("0.6", "0"));
  EXPECT_DOUBLE_EQ(kes::battenHollowFromAnswer("-2", 0.006), 0.02);
  for (const char* none : {"", "abc"}) EXPECT_EQ(kes::battenHollowFromAnswer(none, 0.006), 0.0);
  EXPECT_EQ(kes::battenHollowFromAnswer("1e400", 0.006), 0.006);
}

// ---- Spline ------------------------------------------------------------------------

void expectFinite(const Spline& s) {
  for (int k = 0; k <= 101; ++k)
    ASSERT_TRUE(std::isfinite(s.outX[k]) && std::isfinite(s.outY[k])) << k;
}

Spline fitted(std::initializer_list<std::pair<double, double>> points, Spline s = {}) {
  int n = 0;
  for (const auto& [x, y] : points) s.X[++n] = x, s.Y[n] = y;
  s.n = n;
  kes::FitSpline(s);
  return s;
}

double cubic(const Spline& s, int seg, double x) {
  const double t = x - s.X[seg];
  return s.coef3[seg] * t * t * t + s.coef2[seg] * t * t + s.coef1[seg] * t + s.coef0[seg];
}

TEST(FitSpline, SampleCountsAndLastSample) {
  // A symmetric arch: 99 passes, index 100 holds (100, 0), 101 is not written.
  Spline s;
  s.outX[101] = -7.0;
  s = fitted({{0, 0}, {50, 10}, {100, 0}}, s);
  EXPECT_EQ(std::tuple(s.samples, s.outX[100], s.outY[100], s.outX[101]), std::tuple(100, 100.0, 0.0, -7.0));
  // A small arch: 100 passes, sample 100 just short of 10, then the last point at 101.
  s = fitted({{0, 0}, {5, 1}, {10, 0}});
  EXPECT_EQ(std::tuple(s.samples, s.outX[101]), std::tuple(101, 10.0));
}

// The segment that holds x: the first whose end is not before x.
int holding(const Spline& s, double x) {
  int g = 1;
  while (g < s.n - 1 && x > s.X[g + 1]) ++g;
  return g;
}

// Random control points from a fixed seed, the same on every machine: n in
// 3..10, spans from a hundredth of a unit to thousands.
struct Knots {
  std::mt19937_64 rng{20240611};
  double unit() { return static_cast<double>(rng() >> 11) * 0x1.0p-53; }
  // No segment shorter than a sampling step: no sample passes two control points.
  Spline spread() {
    Spline s;
    s.n = 3 + static_cast<int>(rng() % 8);
    const double span = std::pow(10.0, 4 * unit() - 2), scale = std::pow(10.0, 4 * unit() - 2);
    double w[11], total = 0;
    for (int i = 1; i < s.n; ++i) total += w[i] = 1 + unit();
    s.X[1] = (unit() - 0.5) * span;
    for (int i = 1; i <= s.n; ++i) {
      if (i > 1) s.X[i] = s.X[i - 1] + span * w[i - 1] / total;
      s.Y[i] = (unit() - 0.5) * scale;
    }
    return s;
  }
  // A patch arc's knots: three top points a quarter unit apart on a long chord.
  Spline arc() {
    Spline s;
    const double m = 30 + 3000 * unit(), mid = m * (0.4 + 0.3 * unit()), h = m * unit();
    s.setPoints3(0, 0, mid - 0.25, h, mid, h);
    s.X[4] = mid + 0.25, s.Y[4] = h, s.X[5] = m, s.Y[5] = 0, s.n = 5;
    return s;
  }
};

// Each sample lies on the cubic of the segment that holds it, bit for bit,
// even where a sampling step passes several control points at once (a
// patch arc's top points on a long chord; the sample after 49.7 and 50.2).
TEST(FitSpline, EachSampleOnTheSegmentThatHoldsIt) {
  Knots knots;
  std::vector<Spline> sets = {
      fitted({{0, 0}, {2, 1}, {49.7, 10}, {50.2, 10.2}, {52, 10}, {98, 1}, {100, 0}})};
  ASSERT_TRUE(sets[0].outX[50] < 49.7 && sets[0].outX[51] > 50.2);
  for (int i = 0; i < 500; ++i) {
    Spline s = i % 2 ? knots.arc() : knots.spread();
    kes::FitSpline(s);
    sets.push_back(s);
  }
  for (const Spline& s : sets)
    for (int k = 1; k < s.samples; ++k)
      ASSERT_EQ(s.outY[k], cubic(s, holding(s, s.outX[k]), s.outX[k])) << s.X[1] << " " << s.X[s.n] << " " << k;
}

// Where no sample passes two control points, every sample and the last
// point come out as they always have: a digest of 2000 random sets, recorded.
TEST(FitSpline, SpreadControlPointsSampleAsBefore) {
  Knots knots;
  std::uint64_t digest = 1469598103934665603u;
  const auto mix = [&digest](const void* bytes, std::size_t size) {
    const auto* b = static_cast<const unsigned char*>(bytes);
    for (std::size_t i = 0; i < size; ++i) digest = (digest ^ b[i]) * 1099511628211u;
  };
  for (int i = 0; i < 2000; ++i) {
    Spline s = knots.spread();
    kes::FitSpline(s);
    mix(&s.samples, sizeof s.samples);
    mix(&s.outX[1], sizeof(double) * static_cast<std::size_t>(s.samples));
    mix(&s.outY[1], sizeof(double) * static_cast<std::size_t>(s.samples));
  }
  EXPECT_EQ(digest, 17616927434678395556u);
}

TEST(FitSpline, EqualAbscissaeInsideOweNothingToAnEarlierCall) {
  // Two points on one abscissa (a draft position of 3 percent): the segment
  // between them is never formed, and its coefficients left by an earlier
  // call are never used.
  Spline dirty;
  for (int i = 0; i <= 10; ++i) dirty.coef3[i] = dirty.coef1[i] = 1e9;
  const std::initializer_list<std::pair<double, double>> section = {
      {0, 0}, {2, 1}, {2, 10}, {3, 10}, {4, 10}, {98, 1}, {100, 0}};
  const Spline a = fitted(section), b = fitted(section, dirty);
  for (int k = 1; k <= 101; ++k) EXPECT_EQ(a.outY[k], b.outY[k]) << k;
}

TEST(FitSpline, NoSpanGivesTheStraightLineBetweenTheEnds) {
  // Equal or decreasing end abscissae (a zero chord, a negative length).
  for (double xn : {0.0, -50.0}) {
    const Spline s = fitted({{0, 0}, {xn / 2, 3}, {xn, 0}});
    for (int k = 1; k <= 100; ++k) {
      EXPECT_EQ(s.outY[k], 0.0);
      EXPECT_NEAR(s.outX[k], xn * (k - 1) / 99.0, 1e-12);
    }
  }
  // Too many points: the first ten.
  Spline s;
  for (int i = 1; i <= 10; ++i) s.X[i] = 10.0 * i;
  s.n = 500;
  kes::FitSpline(s);
  EXPECT_EQ(s.outX[s.samples], 100.0);
}

TEST(FitSpline, HugeValuesEndAndStayFinite) {
  // A narrow spike of 1e306 swings the cubic beyond a double's range: each
  // such sample repeats the one before.
  const Spline s = fitted({{0, 0}, {100, 0}, {100.2, 1e306}, {100.4, 0}, {200, 0}});
  expectFinite(s);
  int overflowing = 0;
  for (int k = 2; k < s.samples; ++k) {
    if (std::isfinite(cubic(s, holding(s, s.outX[k]), s.outX[k]))) continue;
    ++overflowing;
    EXPECT_EQ(s.outY[k], s.outY[k - 1]) << k;
  }
  EXPECT_GT(overflowing, 10);
  // A step too small to move x, the middle point on the first or the last
  // abscissa, a NaN abscissa, abscissae out of order (a zero pivot).
  for (const Spline& e :
       {fitted({{1e16, 0}, {1e16 + 1, 1}, {1e16 + 2, 0}}), fitted({{0, 0}, {0, 5}, {100, 0}}),
        fitted({{0, 0}, {100, 5}, {100, 0}}), fitted({{0, 0}, {std::nan(""), 1}, {10, 0}}),
        fitted({{0, 0}, {1, 1}, {2, 0}, {1.125, 1}, {3.125, 0}})}) {
    expectFinite(e);
    EXPECT_LE(e.samples, 101);
  }
}

}  // namespace
