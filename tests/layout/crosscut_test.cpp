// The crosscut layout: default ends, seam lines from the model and the mold,
// their drawing.

#include <cmath>
#include <vector>

#include "layout/crosscut.h"
#include "layout_fixture.h"
#include "model/steps.h"

namespace kes::test {
namespace {

TEST(DefaultSeamEnds, EvenEndsOfEightPanels) {
  const SailModel m = defaultSail();
  PanelLayout L;
  defaultSeamEnds(m, L, 8, false);
  const double leech[] = {100, 88, 75, 62, 50, 38, 25, 12, 1};
  const double luff[] = {1, 12, 25, 38, 50, 62, 75, 88, 100};
  for (int j = 0; j <= 8; ++j) {
    EXPECT_EQ(L.SeamLeechEnd[j], leech[j]) << j;
    EXPECT_EQ(L.SeamLuffEnd[j], luff[j]) << j;
  }
}

TEST(DefaultSeamEnds, CountsZeroAndOneSetOnlyTheFootAndHead) {
  const SailModel m = defaultSail();
  PanelLayout L;
  L.SeamLuffEnd[1] = 7;
  defaultSeamEnds(m, L, 0, true);  // line 0 is both foot and head: the head's ends win
  EXPECT_EQ(L.SeamLuffEnd[0], 100);
  EXPECT_EQ(L.SeamLeechEnd[0], 1);
  EXPECT_EQ(L.SeamLuffEnd[1], 7);
  defaultSeamEnds(m, L, 1, true);
  EXPECT_EQ(L.SeamLuffEnd[0], 1);
  EXPECT_EQ(L.SeamLeechEnd[0], 100);
  EXPECT_EQ(L.SeamLuffEnd[1], 100);
  EXPECT_EQ(L.SeamLeechEnd[1], 1);
}

// Crosscut: each seam leaves the luff square to the leech chord; a square
// that meets the luff's vertical below the tack takes half the luff end of
// the seam above, fraction kept.
TEST(DefaultSeamEnds, SquareToTheLeechChordAndHalvedBelowTheTack) {
  const SailModel m = defaultSail();
  PanelLayout L;
  defaultSeamEnds(m, L, 20, true);
  const Curve& leech = m.LeechCurve;
  const double slope = (leech(1, 100) - leech(1, 1)) / (leech(2, 1) - leech(2, 100));
  int halved = 0;
  for (int j = 19; j >= 1; --j) {
    const int q = static_cast<int>(std::nearbyint(100 - 5 * j));
    EXPECT_EQ(L.SeamLeechEnd[j], q);
    const double h = leech(2, q) - leech(1, q) * slope;
    const double square = std::nearbyint(100 * h / m.LuffLength);
    if (square >= 1) {
      EXPECT_EQ(L.SeamLuffEnd[j], square) << j;
    } else {
      EXPECT_EQ(L.SeamLuffEnd[j], L.SeamLuffEnd[j + 1] / 2) << j;
      ++halved;
    }
  }
  // The default sail's clew lies low and far aft: its three lowest seams fall
  // below the tack and halve the end above them down to fractions.
  EXPECT_EQ(halved, 3);
  const double lowest[] = {0.75, 1.5, 3, 6, 12};
  for (int j = 1; j <= 5; ++j) EXPECT_EQ(L.SeamLuffEnd[j], lowest[j - 1]) << j;
}

// A seam from luff point 17k to leech point 100 - 17k is mold section k.
TEST(SeamLines, SeamOnAStationIsItsMoldSection) {
  SailModel m = defaultSail();
  PanelLayout L;
  L.PanelCount = 6;
  for (int k = 1; k <= 5; ++k) {
    L.SeamLuffEnd[k] = 17 * k;
    L.SeamLeechEnd[k] = 100 - 17 * k;
  }
  buildSeamLines(m, L);
  for (int k = 1; k <= 5; ++k)
    for (int c = 1; c <= 3; ++c)
      for (int i = 1; i <= 100; ++i)
        ASSERT_NEAR(L.SeamLines[k](c, i), m.MoldSections[k](c, i), 1e-9) << k << " " << c << " " << i;
  for (int c = 1; c <= 3; ++c) {
    for (int i = 1; i <= 100; ++i) {
      EXPECT_EQ(L.SeamLines[0](c, i), m.MoldSections[0](c, i));
      EXPECT_EQ(L.SeamLines[6](c, i), m.HeadCurve(c, i));
    }
  }
}

// The mold values at a luff end between stations: linear between them, and
// above 85 fading towards station 6, which reads 0. The seam equals the
// section laid with those values by hand.
TEST(SeamLines, MoldValuesInterpolatedAtTheStoredLuffEnd) {
  struct Case {
    double luffEnd;
    int lower;
    double w0, w1;  // weights of station `lower` and the one above
  };
  for (const Case c : {Case{34, 2, 1, 0}, Case{42.5, 2, 0.5, 0.5}, Case{100, 5, 2.0 / 17, 15.0 / 17}}) {
    SailModel m = defaultSail();
    PanelLayout L;
    L.PanelCount = 2;
    L.SeamLuffEnd[1] = c.luffEnd;
    L.SeamLeechEnd[1] = 40;
    buildSeamLines(m, L);
    EXPECT_EQ(L.SeamLuffEnd[1], c.luffEnd);  // the fraction stays

    const int s = c.lower;
    const auto mix = [&](const double* t) { return c.w0 * t[s] + c.w1 * t[s + 1]; };
    const steps::Station st{mix(m.EntryAngles), mix(m.DepthPositions), mix(m.DepthPercents),
                            mix(m.ExitAngles)};
    const int e = static_cast<int>(std::nearbyint(c.luffEnd));  // 42.5 indexes point 42
    const double P[3] = {m.LuffCurve(1, e), m.LuffCurve(2, e), m.LuffCurve(3, e)};
    const double Q[3] = {m.LeechCurve(1, 40), m.LeechCurve(2, 40), m.LeechCurve(3, 40)};
    Curve expected;
    steps::ChordCarry carry;
    steps::layChordSection(m, expected, P, Q, st, carry);
    for (int k = 1; k <= 3; ++k)
      for (int i = 1; i <= 100; ++i)
        ASSERT_NEAR(L.SeamLines[1](k, i), expected(k, i), 1e-9) << c.luffEnd << " " << k << " " << i;
  }
}

// Ends outside 1..100 are kept within them, leech end and luff end, and the
// kept values stay; point 1 is the luff point itself.
TEST(SeamLines, EndsKeptWithinTheCurvesAndTheSeamStartsOnTheLuff) {
  SailModel m = defaultSail();
  PanelLayout L;
  L.PanelCount = 4;
  const double luff[] = {0, -5, 140, 8.5}, leech[] = {0, 250, -3, 0};
  for (int j = 1; j <= 3; ++j) {
    L.SeamLuffEnd[j] = luff[j];
    L.SeamLeechEnd[j] = leech[j];
  }
  buildSeamLines(m, L);
  const double luffKept[] = {0, 1, 100, 8.5}, leechKept[] = {0, 100, 1, 1};
  for (int j = 1; j <= 3; ++j) {
    EXPECT_EQ(L.SeamLuffEnd[j], luffKept[j]);
    EXPECT_EQ(L.SeamLeechEnd[j], leechKept[j]);
  }
  const int index[] = {0, 1, 100, 8};
  for (int j = 1; j <= 3; ++j)
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(L.SeamLines[j](k, 1), m.LuffCurve(k, index[j])) << j;
  EXPECT_TRUE(allFinite(L));
}

// Without twist and luff bends the seam runs flat in plan from the luff
// point to the leech point.
TEST(SeamLines, UntwistedSeamEndsOnTheLeechPoint) {
  SailInputs in = testing::defaultInputs();
  for (int i : {6, 8, 14}) in.text[i] = 0;
  SailModel m;
  recompute(in, m);
  const PanelLayout L = crosscut(m, 5);
  for (int j = 1; j <= 4; ++j) {
    const int q = static_cast<int>(L.SeamLeechEnd[j]);
    EXPECT_NEAR(L.SeamLines[j](1, 100), m.LeechCurve(1, q), 1e-6) << j;
    EXPECT_NEAR(L.SeamLines[j](2, 100), m.LeechCurve(2, q), 1e-6) << j;
  }
}

TEST(SeamLines, DegenerateSailsBuildFiniteLines) {
  SailInputs zeroLuff = testing::defaultInputs();
  zeroLuff.text[1] = 0;  // the recompute stops: the curves stay empty
  SailInputs vertical = testing::defaultInputs();
  vertical.text[4] = 1e-9;  // a foot so short the chords stand almost upright
  for (const SailInputs& in : {zeroLuff, vertical}) {
    SailModel m;
    recompute(in, m);
    PanelLayout L = crosscut(m, 33);
    EXPECT_TRUE(allFinite(L));
    RecordingSurface s;
    drawSeamLines(L, 1.0, s);
    EXPECT_TRUE(allFinite(s));
  }
}

// N = 10: each inner seam is a point at its luff end, lines through points
// 5, 10, ..., 100 in light magenta, then a handle square on each end; the
// foot and head lines are not drawn.
TEST(DrawSeamLines, TenPanels) {
  SailModel m = defaultSail();
  const PanelLayout L = crosscut(m, 10);
  RecordingSurface s;
  s.setForeColor(15);
  s.clear();
  drawSeamLines(L, 2.0, s);
  const std::vector<DrawOp>& ops = s.ops();
  ASSERT_EQ(ops.size(), 1u + 9u * 23u);
  const auto f = [](double v) { return static_cast<double>(static_cast<float>(v)); };
  for (int j = 1; j <= 9; ++j) {
    const Curve& c = L.SeamLines[j];
    const DrawOp* op = &ops[1 + 23 * (j - 1)];
    EXPECT_EQ(op[0].kind, DrawOp::Point);
    EXPECT_EQ(op[0].colour, 15);
    EXPECT_EQ(op[0].x1, f(c(1, 1)));
    for (int k = 1; k <= 20; ++k) {
      EXPECT_EQ(op[k].kind, DrawOp::Line);
      EXPECT_EQ(op[k].colour, 13);
      EXPECT_EQ(op[k].x1, f(c(1, k == 1 ? 1 : 5 * (k - 1))));
      EXPECT_EQ(op[k].x2, f(c(1, 5 * k)));
      EXPECT_EQ(op[k].y2, f(c(2, 5 * k)));
    }
    for (int e = 0; e < 2; ++e) {
      const DrawOp& box = op[21 + e];
      const int i = e == 0 ? 1 : 100;
      EXPECT_EQ(box.kind, DrawOp::FilledBox);
      EXPECT_EQ(box.colour, 15);
      EXPECT_NEAR(box.x1, c(1, i) - 1.0, 1e-5);
      EXPECT_NEAR(box.y2, c(2, i) + 1.0, 1e-5);
    }
  }
}

TEST(LayoutHandleSize, A125thOfTheScaleWidthInSinglePrecision) {
  EXPECT_EQ(layoutHandleSize(125.0), 1.0);
  EXPECT_EQ(layoutHandleSize(100.0), static_cast<double>(0.8f));
  EXPECT_EQ(layoutHandleSize(1e300), 0.0);  // does not fit: no size rather than infinity
}

TEST(BandEvenEnds, EvenEndsAndTheCountZero) {
  PanelLayout L;
  bandEvenEnds(L, 3, 4);
  const int ends[] = {1, 25, 50, 75, 100};
  for (int j = 0; j <= 4; ++j) {
    EXPECT_EQ(L.RadialUpperEnd[3][j], ends[j]);
    EXPECT_EQ(L.RadialLowerEnd[3][j], ends[j]);
  }
  bandEvenEnds(L, 4, 0);
  EXPECT_EQ(L.RadialUpperEnd[4][0], 100);
  EXPECT_EQ(L.RadialLowerEnd[4][0], 100);
  bandEvenEnds(L, 11, 5);  // no such band: nothing written
  bandEvenEnds(L, 5, 34);
  EXPECT_EQ(L.RadialUpperEnd[5][1], 0);
}

}  // namespace
}  // namespace kes::test
