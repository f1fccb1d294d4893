// The radial layout: divider, default fan and band ends, drawing.

#include <cmath>
#include <vector>

#include "layout/radial.h"
#include "layout_fixture.h"

namespace kes::test {
namespace {

RadialInputs defaultCounts(int unlock = 0, int stagger = 0) {
  RadialInputs in;
  const int counts[7] = {5, 5, 5, 5, 5, 4, 3};
  for (int k = 0; k < 7; ++k) in.counts[k] = counts[k];
  in.unlock = unlock;
  in.stagger = stagger;
  in.handleSize = 2.0;
  return in;
}

// Six bands over the default sail, with even seam ends.
struct RadialSail : ::testing::Test {
  SailModel m = defaultSail();
  PanelLayout L = crosscut(m, 6, false);
  RecordingSurface s;
  void run(const RadialInputs& in) {
    s.clear();
    layoutRadial(L, in, s);
  }
};

TEST_F(RadialSail, DividerEndsKeptWithin10To90) {
  struct Case {
    int top, foot, keptTop, keptFoot;
  };
  for (const Case c : {Case{5, 95, 50, 50}, Case{10, 90, 10, 90}, Case{0, 91, 50, 50},
                       Case{90, 10, 90, 10}}) {
    L.DividerTopIndex = c.top;
    L.DividerFootIndex = c.foot;
    run(defaultCounts());
    EXPECT_EQ(L.DividerTopIndex, c.keptTop);
    EXPECT_EQ(L.DividerFootIndex, c.keptFoot);
    // A straight line of 50 points from seam line 1 to the foot.
    for (int k = 1; k <= 3; ++k) {
      EXPECT_EQ(L.RadialDivider[k][1], L.SeamLines[1](k, c.keptTop));
      EXPECT_NEAR(L.RadialDivider[k][50], L.SeamLines[0](k, c.keptFoot), 1e-12);
      EXPECT_NEAR(L.RadialDivider[k][25], L.RadialDivider[k][1] +
                      (L.RadialDivider[k][50] - L.RadialDivider[k][1]) * 24 / 49, 1e-12);
    }
  }
}

// The tack fan sweeps from the luff down towards the middle of the foot, the
// clew fan from the leech round towards the aft part of the foot: each
// seam's outer end is the candidate nearest an evenly stepped angle.
TEST_F(RadialSail, FanSeamsEvenlyStepped) {
  run(defaultCounts());
  ASSERT_EQ(L.DividerTopIndex, 50);
  const Curve& line1 = L.SeamLines[1];
  const Curve& foot = L.SeamLines[0];
  const double deg = 180 / Pi;
  const double cx = foot(1, 100), cy = foot(2, 100);
  const auto angleAtTack = [&](LayoutPoint p) { return std::atan2(p.y, p.x) * deg; };
  const auto angleAtClew = [&](LayoutPoint p) {
    const double a = std::atan2(p.y - cy, p.x - cx) * deg;
    return a < 0 ? a + 360 : a;  // the foot forward of the clew lies near 180 degrees
  };
  const double tackStart = angleAtTack({line1(1, 1), line1(2, 1), true});
  const double tackEnd = angleAtTack({foot(1, 50), foot(2, 50), true});
  const double clewStart = angleAtClew({line1(1, 100), line1(2, 100), true});
  const double clewEnd = angleAtClew({foot(1, 80), foot(2, 80), true});
  for (int j = 1; j <= 4; ++j) {
    const LayoutPoint t = fanOuterPoint(L, L.RadialUpperEnd[0][j]);
    const LayoutPoint c = fanOuterPoint(L, L.RadialUpperEnd[1][j]);
    ASSERT_TRUE(t.ok && c.ok);
    // Candidates lie a degree or two apart on this sail.
    EXPECT_NEAR(angleAtTack(t), tackStart - j * (tackStart - tackEnd) * 1.001 / 5, 2.0) << j;
    EXPECT_NEAR(angleAtClew(c), clewStart - j * (clewStart - clewEnd) * 1.001 / 5, 2.0) << j;
    EXPECT_EQ(L.RadialLowerEnd[0][j], 1);
    EXPECT_EQ(L.RadialLowerEnd[1][j], 100);
  }
  // The tack fan's first seams end on seam line 1 forward of the divider,
  // its last on the divider; the clew fan's likewise from the leech.
  EXPECT_LE(L.RadialUpperEnd[0][1], 50);
  EXPECT_GE(L.RadialUpperEnd[0][4], 101);
  EXPECT_GE(L.RadialUpperEnd[1][1], 50);
  EXPECT_LE(L.RadialUpperEnd[1][1], 100);
  EXPECT_GE(L.RadialUpperEnd[1][4], 101);
  // The fans' edges: the luff and the leech, then the divider.
  EXPECT_EQ(L.RadialUpperEnd[0][0], 1);
  EXPECT_EQ(L.RadialUpperEnd[0][5], 150);
  EXPECT_EQ(L.RadialLowerEnd[0][5], 50);
  EXPECT_EQ(L.RadialUpperEnd[1][0], 100);
  EXPECT_EQ(L.RadialUpperEnd[1][5], 150);
  // Bands: even ends.
  const int band5[] = {1, 25, 50, 75, 100};
  for (int j = 0; j <= 4; ++j) EXPECT_EQ(L.RadialUpperEnd[5][j], band5[j]);
}

TEST_F(RadialSail, TackCountsFiveOneAndZero) {
  struct Case {
    int count, upper0, lower0, seams;
  };
  for (const Case c : {Case{5, 1, 1, 4}, Case{1, 1, 1, 0}, Case{0, 150, 50, 0}}) {
    L = crosscut(m, 6, false);
    for (int j = 0; j <= 6; ++j) L.RadialUpperEnd[0][j] = -1;
    RadialInputs in = defaultCounts();
    in.counts[0] = c.count;
    run(in);
    EXPECT_EQ(L.RadialCount[0], c.count);
    EXPECT_EQ(L.RadialUpperEnd[0][0], c.upper0) << c.count;
    EXPECT_EQ(L.RadialLowerEnd[0][0], c.lower0) << c.count;
    EXPECT_EQ(L.RadialUpperEnd[0][c.count], 150);
    int set = 0;
    for (int j = 1; j <= 5; ++j) set += L.RadialUpperEnd[0][j] > 0 && L.RadialUpperEnd[0][j] < 150;
    EXPECT_EQ(set, c.seams) << c.count;
  }
}

TEST_F(RadialSail, StaggeredFootEnds) {
  run(defaultCounts(0, 1));
  for (int j = 1; j <= 4; ++j) {
    EXPECT_EQ(L.RadialLowerEnd[0][j], j);
    EXPECT_EQ(L.RadialLowerEnd[1][j], 101 - j);
  }
}

// "Unlock" ticked: the stored ends stay, whatever they are, and the divider
// is still rebuilt and everything drawn.
TEST_F(RadialSail, UnlockedKeepsTheStoredEnds) {
  run(defaultCounts());
  const PanelLayout before = L;
  L.RadialUpperEnd[0][2] = 7;
  L.RadialUpperEnd[3][1] = 99;
  run(defaultCounts(1));
  EXPECT_EQ(L.RadialUpperEnd[0][2], 7);
  EXPECT_EQ(L.RadialUpperEnd[3][1], 99);
  EXPECT_EQ(L.RadialUpperEnd[1][3], before.RadialUpperEnd[1][3]);
}

// Drawing order and handles: the divider (a point, 49 lines, two squares),
// then every radial seam as a line with a circle round each end; a clew fan
// seam ending on the divider has half-size circles at both ends.
TEST_F(RadialSail, DrawnInOrderWithTheirHandles) {
  run(defaultCounts());
  const std::vector<DrawOp>& ops = s.ops();
  const int seams = 4 + 4 + 4 + 4 + 4 + 3 + 2;
  ASSERT_EQ(ops.size(), 1u + 1 + 49 + 2 + 3u * seams);
  EXPECT_EQ(ops[1].kind, DrawOp::Point);
  for (int k = 2; k <= 50; ++k) EXPECT_EQ(ops[k].colour, 13);
  EXPECT_EQ(ops[51].kind, DrawOp::FilledBox);
  EXPECT_EQ(ops[52].kind, DrawOp::FilledBox);
  for (int f = 0; f <= 1; ++f) {
    for (int j = 1; j <= 4; ++j) {
      const DrawOp* op = &ops[53 + 3 * (4 * f + j - 1)];
      EXPECT_EQ(op[0].kind, DrawOp::Line);
      EXPECT_EQ(op[0].colour, 13);
      EXPECT_EQ(op[1].radius, 1.0);
      const bool onDivider = L.RadialUpperEnd[f][j] >= 101;
      EXPECT_EQ(op[2].radius, f == 1 && onDivider ? 1.0 : 2.0) << f << " " << j;
      const LayoutPoint outer = fanOuterPoint(L, L.RadialUpperEnd[f][j]);
      EXPECT_NEAR(op[0].x2, outer.x, 1e-5);
      EXPECT_NEAR(op[2].x1, outer.x, 1e-5);
    }
  }
  // The last band seam: band 6's seam 2, from seam line 5 to seam line 6.
  const DrawOp& last = ops[ops.size() - 3];
  EXPECT_NEAR(last.x1, L.SeamLines[5](1, L.RadialLowerEnd[6][2]), 1e-5);
  EXPECT_NEAR(last.y2, L.SeamLines[6](2, L.RadialUpperEnd[6][2]), 1e-5);
  EXPECT_TRUE(allFinite(s));
}

// Ends a panel file may hold: an end with no point draws neither its line
// nor its circle; a lower end of 0 is the origin.
TEST_F(RadialSail, EndsWithNoPointAreNotDrawn) {
  RadialInputs in = defaultCounts(1);
  for (int k = 0; k < 7; ++k) in.counts[k] = 0;
  in.counts[0] = 4;
  const int codes[] = {0, 151, 175, 0};
  const int lower[] = {0, 0, 250, 0};
  for (int j = 1; j <= 3; ++j) {
    L.RadialUpperEnd[0][j] = codes[j];
    L.RadialLowerEnd[0][j] = lower[j];
  }
  run(in);
  const std::vector<DrawOp>& ops = s.ops();
  // After the divider: seam 1 (code 151) only its foot circle; seam 2 (code
  // 175, foot end 250) nothing; seam 3 (code 0) its line and both circles.
  std::vector<DrawOp> after(ops.begin() + 53, ops.end());
  ASSERT_EQ(after.size(), 1u + 0u + 3u);
  EXPECT_EQ(after[0].kind, DrawOp::Circle);
  EXPECT_EQ(after[0].x1, 0.0);
  EXPECT_EQ(after[1].kind, DrawOp::Line);
  EXPECT_EQ(after[1].x1, 0.0);  // seam 3: from the origin to seam line 1's point 0
}

// With no band there is no seam line 1 to build on: no divider, no fan, and
// the stored ends stay.
TEST_F(RadialSail, NoBandNoDividerNoFans) {
  L.PanelCount = 0;
  L.DividerTopIndex = 5;
  L.RadialUpperEnd[0][1] = 33;
  run(defaultCounts());
  EXPECT_EQ(s.ops().size(), 1u);
  EXPECT_EQ(L.DividerTopIndex, 5);
  EXPECT_EQ(L.RadialUpperEnd[0][1], 33);
  EXPECT_EQ(L.RadialCount[0], 5);
}

// Seam line 1's point DividerTopIndex and divider point 1 are one point:
// with the stored Pi their two angle forms differ by about 1e-5 degrees, and
// the seam-line code wins.
TEST(FanSweep, DividerTopKeepsItsSeamLineCode) {
  PanelLayout L;
  L.PanelCount = 1;
  for (int i = 1; i <= 100; ++i) {
    L.SeamLines[1](1, i) = i - 1;  // level at height 50 from the luff aft
    L.SeamLines[1](2, i) = 50;
    L.SeamLines[0](1, i) = 2.0 * (i - 1);  // the foot, level
  }
  L.DividerTopIndex = 50;  // (49, 50): 45.57 degrees from the tack
  L.DividerFootIndex = 90;  // (178, 0): the divider falls away aft
  RadialInputs in;
  in.counts[0] = 2;  // one seam, aimed at 90 - 90 x 1.001 / 2 = 44.955 degrees
  RecordingSurface s;
  layoutRadial(L, in, s);
  const Num onSeam = tackAngleOnSeam(49, 50), onDivider = tackAngle(49, 50);
  ASSERT_NEAR(onSeam.v - onDivider.v, 1.0e-5, 0.2e-5);
  EXPECT_EQ(L.RadialUpperEnd[0][1], 50);
}

// A fan whose start and end angles (nearly) coincide steps by (nearly) 0:
// still exactly count - 1 seams, each on a point, and the run ends.
TEST(FanSweep, TinyStepNeitherHangsNorMiscounts) {
  PanelLayout L;
  L.PanelCount = 1;
  for (int i = 1; i <= 100; ++i) {
    L.SeamLines[1](1, i) = 1;
    L.SeamLines[1](2, i) = 1;  // every point at 45 degrees
    L.SeamLines[0](1, i) = i;
    L.SeamLines[0](2, i) = i;  // and the foot too
  }
  RadialInputs in;
  in.counts[0] = 6;
  in.counts[1] = 33;
  RecordingSurface s;
  layoutRadial(L, in, s);
  for (int f = 0; f <= 1; ++f) {
    for (int j = 1; j <= in.counts[f] - 1; ++j) {
      const int code = L.RadialUpperEnd[f][j];
      EXPECT_TRUE((code >= 1 && code <= 100) || (code >= 102 && code <= 150)) << f << " " << j;
    }
  }
  EXPECT_EQ(L.RadialUpperEnd[0][6], 150);
  EXPECT_EQ(L.RadialUpperEnd[1][33], 150);
  EXPECT_TRUE(allFinite(s));
}

TEST(FanAngles, FailWhereTheirDivisionFails) {
  EXPECT_FALSE(tackAngleOnSeam(3, 0).good());
  EXPECT_FALSE(tackAngle(0, 3).good());
  EXPECT_FALSE(clewAngleOnSeam(5, 1, 2, 1).good());
  EXPECT_FALSE(clewAngle(5, 1, 5, 3).good());
  EXPECT_NEAR(tackAngle(1, 1).v, 45, 1e-4);
  EXPECT_NEAR(clewAngle(5, 0, 4, 1).v, 135, 1e-4);
  EXPECT_NEAR(clewAngleOnSeam(5, 0, 4, 1).v, 135, 1e-4);
}

}  // namespace
}  // namespace kes::test
