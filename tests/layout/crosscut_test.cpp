// The crosscut layout: default ends, seam lines from the model and the mold,
// their drawing.

#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

#include "layout/crosscut.h"
#include "layout_fixture.h"
#include "model/steps.h"

namespace kes::test {
namespace {

// Eight panels evenly; counts 0 and 1 set only the foot and head lines (with
// 0 the head's ends win on line 0); a band's even ends, count 0 both at 100.
TEST(DefaultSeamEnds, EvenEndsCountsZeroAndOneAndBandEnds) {
  const SailModel m = defaultSail();
  PanelLayout L;
  defaultSeamEnds(m, L, 8, false);
  const double leech[] = {100, 88, 75, 62, 50, 38, 25, 12, 1};
  for (int j = 0; j <= 8; ++j)
    EXPECT_EQ(std::tuple(L.SeamLeechEnd[j], L.SeamLuffEnd[j]), std::tuple(leech[j], leech[8 - j]));
  L.SeamLuffEnd[1] = 7;
  defaultSeamEnds(m, L, 0, true);
  EXPECT_EQ(std::tuple(L.SeamLuffEnd[0], L.SeamLeechEnd[0], L.SeamLuffEnd[1]), std::tuple(100, 1, 7));
  defaultSeamEnds(m, L, 1, true);
  EXPECT_EQ(std::tuple(L.SeamLuffEnd[0], L.SeamLeechEnd[0], L.SeamLuffEnd[1], L.SeamLeechEnd[1]),
            std::tuple(1, 100, 100, 1));

  // Band 11 and a count of 34 do not exist: nothing written.
  for (const auto& [band, count] : {std::pair(3, 4), std::pair(4, 0), std::pair(11, 5), std::pair(5, 34)})
    bandEvenEnds(L, band, count);
  const int even[] = {1, 25, 50, 75, 100};
  for (int j = 0; j <= 4; ++j)
    EXPECT_EQ(std::tuple(L.RadialUpperEnd[3][j], L.RadialLowerEnd[3][j]), std::tuple(even[j], even[j]));
  EXPECT_EQ(std::tuple(L.RadialUpperEnd[4][0], L.RadialLowerEnd[4][0], L.RadialUpperEnd[5][1]),
            std::tuple(100, 100, 0));
}

// Crosscut: each seam leaves the luff's vertical square to the leech chord.
// The default sail's clew lies low and far aft: its three lowest squares fall
// below the tack and take half the luff end above, fraction kept.
TEST(DefaultSeamEnds, SquareToTheLeechChordAndHalvedBelowTheTack) {
  const SailModel m = defaultSail();
  PanelLayout L;
  defaultSeamEnds(m, L, 20, true);
  const Curve& c = m.LeechCurve;
  const double cx = c(1, 100) - c(1, 1), cy = c(2, 100) - c(2, 1);
  for (int j = 4; j <= 19; ++j) {
    const int q = 100 - 5 * j;
    EXPECT_EQ(L.SeamLeechEnd[j], q);
    // Square to within the luff end's rounding to a whole percent.
    const double dot = c(1, q) * cx + (c(2, q) - L.SeamLuffEnd[j] * m.LuffLength / 100) * cy;
    EXPECT_LE(std::fabs(dot), 0.005 * m.LuffLength * std::fabs(cy) + 1e-9) << j;
  }
  const double lowest[] = {0.75, 1.5, 3, 6, 12};
  for (int j = 1; j <= 5; ++j) EXPECT_EQ(L.SeamLuffEnd[j], lowest[j - 1]) << j;
}

// A seam from luff point 17k to leech point 100 - 17k is mold section k;
// line 0 is mold section 0 as it stands, line N the head.
TEST(SeamLines, SeamOnAStationIsItsMoldSection) {
  SailModel m = defaultSail();
  PanelLayout L;
  L.PanelCount = 6;
  for (int k = 1; k <= 5; ++k) std::tie(L.SeamLuffEnd[k], L.SeamLeechEnd[k]) = std::tuple(17 * k, 100 - 17 * k);
  buildSeamLines(m, L);
  for (int c = 1; c <= 3; ++c)
    for (int i = 1; i <= 100; ++i) {
      for (int k = 1; k <= 5; ++k) ASSERT_NEAR(L.SeamLines[k](c, i), m.MoldSections[k](c, i), 1e-9) << k;
      ASSERT_EQ(std::tuple(L.SeamLines[0](c, i), L.SeamLines[6](c, i)), std::tuple(m.MoldSections[0](c, i), m.HeadCurve(c, i)));
    }
}

// The mold values at a stored luff end between stations: linear between
// them, and above 85 fading towards station 6, which reads 0; the curves are
// indexed by the end rounded half to even (42.5: point 42).
TEST(SeamLines, MoldValuesInterpolatedAtTheStoredLuffEnd) {
  const struct { double luffEnd; int lower; double w0, w1; } cases[] = {
      {34, 2, 1, 0}, {42.5, 2, 0.5, 0.5}, {100, 5, 2.0 / 17, 15.0 / 17}};
  for (const auto& c : cases) {
    SailModel m = defaultSail();
    PanelLayout L;
    L.PanelCount = 2;
    std::tie(L.SeamLuffEnd[1], L.SeamLeechEnd[1]) = std::tuple(c.luffEnd, 40);
    buildSeamLines(m, L);
    EXPECT_EQ(L.SeamLuffEnd[1], c.luffEnd);  // the fraction stays

    const auto mix = [&](const double* t) { return c.w0 * t[c.lower] + c.w1 * t[c.lower + 1]; };
    const steps::Station st{mix(m.EntryAngles), mix(m.DepthPositions), mix(m.DepthPercents),
                            mix(m.ExitAngles)};
    const int e = c.luffEnd == 42.5 ? 42 : static_cast<int>(c.luffEnd);
    const double P[3] = {m.LuffCurve(1, e), m.LuffCurve(2, e), m.LuffCurve(3, e)};
    const double Q[3] = {m.LeechCurve(1, 40), m.LeechCurve(2, 40), m.LeechCurve(3, 40)};
    Curve expected;
    steps::ChordCarry carry;
    steps::layChordSection(m, expected, P, Q, st, carry);
    for (int k = 1; k <= 3; ++k)
      for (int i = 1; i <= 100; ++i) ASSERT_NEAR(L.SeamLines[1](k, i), expected(k, i), 1e-9) << c.luffEnd;
  }
}

// Untwisted, with straight luff and leech: each seam starts on its luff point
// and runs flat in plan to its leech point, also one moved forward of the
// luff. Ends outside 1..100 are kept within them, written back.
TEST(SeamLines, SeamRunsFromTheLuffPointToTheLeechPointWithinTheCurves) {
  SailInputs in = testing::defaultInputs();
  for (int i : {6, 8, 14}) in.text[i] = 0;
  SailModel m = testing::computed(in);
  m.LeechCurve(1, 50) = -30;
  PanelLayout L;
  L.PanelCount = 5;
  const double luff[] = {0, -5, 140, 8.5, 30}, leech[] = {0, 250, -3, 0, 50};
  for (int j = 1; j <= 4; ++j) std::tie(L.SeamLuffEnd[j], L.SeamLeechEnd[j]) = std::tuple(luff[j], leech[j]);
  buildSeamLines(m, L);
  const double luffKept[] = {0, 1, 100, 8.5, 30}, leechKept[] = {0, 100, 1, 1, 50};
  for (int j = 1; j <= 4; ++j) {
    EXPECT_EQ(std::tuple(L.SeamLuffEnd[j], L.SeamLeechEnd[j]), std::tuple(luffKept[j], leechKept[j]));
    const int p = j == 3 ? 8 : static_cast<int>(luffKept[j]), q = static_cast<int>(leechKept[j]);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(L.SeamLines[j](k, 1), m.LuffCurve(k, p)) << j;
    for (int k = 1; k <= 2; ++k) EXPECT_NEAR(L.SeamLines[j](k, 100), m.LeechCurve(k, q), 1e-6) << j;
  }
}

// A zero luff (nothing computed), chords standing upright, a handle size
// that does not fit in single precision, a count beyond the arrays.
TEST(SeamLines, DegenerateSailsAndCountsBuildAndDrawOnlyFiniteValues) {
  SailInputs zeroLuff = testing::defaultInputs(), upright = testing::defaultInputs();
  zeroLuff.text[1] = 0;
  upright.text[4] = 1e-9;
  for (const SailInputs& in : {zeroLuff, upright}) {
    SailModel m = testing::computed(in);
    PanelLayout L = crosscut(m, 33);
    RecordingSurface s;
    drawSeamLines(L, 1.0, s);
    EXPECT_TRUE(allFinite(L) && allFinite(s));
    L.PanelCount = 900;
    buildSeamLines(m, L);
    drawSeamLines(L, 1.0, s);
  }
  EXPECT_EQ(std::tuple(layoutHandleSize(125.0), layoutHandleSize(100.0), layoutHandleSize(1e300)),
            std::tuple(1.0, static_cast<double>(0.8f), 0.0));
}

// N = 10: each inner seam is a point at its luff end, lines through points
// 5, 10, ..., 100 in light magenta, then a handle square on each end; the
// foot and head lines are not drawn. Coordinates in single precision.
TEST(DrawSeamLines, TenPanels) {
  SailModel m = defaultSail();
  const PanelLayout L = crosscut(m, 10);
  RecordingSurface s;
  s.setForeColor(15);
  drawSeamLines(L, 2.0, s);
  ASSERT_EQ(s.ops().size(), 9u * 23u);
  // Coordinates one at a time: in a tuple, GCC 12 at -O3 compared these rounded values wrongly.
  const auto f = [](double v) { return static_cast<double>(static_cast<float>(v)); };
  for (int j = 1; j <= 9; ++j) {
    const Curve& c = L.SeamLines[j];
    const DrawOp* op = &s.ops()[23 * (j - 1)];
    EXPECT_EQ(std::tuple(op[0].kind, op[0].colour), std::tuple(DrawOp::Point, 15));
    EXPECT_EQ(op[0].x1, f(c(1, 1)));
    EXPECT_EQ(op[1].y1, f(c(2, 1)));
    for (int k = 1; k <= 20; ++k) {
      EXPECT_EQ(std::tuple(op[k].kind, op[k].colour), std::tuple(DrawOp::Line, 13));
      EXPECT_EQ(op[k].x2, f(c(1, 5 * k)));
      EXPECT_EQ(op[k].y2, f(c(2, 5 * k)));
    }
    for (const auto& [box, i] : {std::pair(op[21], 1), std::pair(op[22], 100)}) {
      EXPECT_EQ(std::tuple(box.kind, box.colour), std::tuple(DrawOp::FilledBox, 15));
      EXPECT_NEAR(std::hypot(box.x1 - (c(1, i) - 1.0), box.y2 - (c(2, i) + 1.0)), 0, 1e-5);
    }
  }
}

}  // namespace
}  // namespace kes::test
