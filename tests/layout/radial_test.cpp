// The radial layout: divider, default fan and band ends, drawing.

#include <cmath>
#include <tuple>
#include <vector>

#include "layout/radial.h"
#include "layout_fixture.h"

namespace kes::test {
namespace {

// Six bands over the default sail with even seam ends; fans 5 and 5, bands
// 5, 5, 5, 4, 3; handles of size 2.
struct RadialSail : ::testing::Test {
  SailModel m = defaultSail();
  PanelLayout L = crosscut(m, 6, false);
  RadialInputs in{{5, 5, 5, 5, 5, 4, 3}, 0, 0, 2.0};
  RecordingSurface s;
  void run() {
    s.clear();
    layoutRadial(L, in, s);
  }
};

// Divider ends outside 10..90 (or unset) go to 50; the divider runs straight
// in 50 points from seam line 1 to the foot.
TEST_F(RadialSail, DividerEndsKeptWithin10To90) {
  const struct { int top, foot, keptTop, keptFoot; } cases[] = {
      {5, 95, 50, 50}, {10, 90, 10, 90}, {0, 91, 50, 50}, {90, 10, 90, 10}};
  for (const auto& c : cases) {
    std::tie(L.DividerTopIndex, L.DividerFootIndex) = std::tuple(c.top, c.foot);
    run();
    EXPECT_EQ(std::tuple(L.DividerTopIndex, L.DividerFootIndex), std::tuple(c.keptTop, c.keptFoot));
    for (int k = 1; k <= 3; ++k) {
      const double* d = L.RadialDivider[k];
      EXPECT_EQ(d[1], L.SeamLines[1](k, c.keptTop));
      EXPECT_NEAR(std::fabs(d[50] - L.SeamLines[0](k, c.keptFoot)) + std::fabs(d[25] - (d[1] + (d[50] - d[1]) * 24 / 49)), 0, 1e-12);
    }
  }
}

// The tack fan sweeps from the luff towards the middle of the foot, the clew
// fan from the leech towards the foot's point 80: each seam's outer end is the
// candidate nearest an evenly stepped angle, first along seam line 1, then
// down the divider. The fans' edges are the luff or leech and the divider.
TEST_F(RadialSail, FanSeamsEvenlyStepped) {
  run();
  const Curve &line1 = L.SeamLines[1], &foot = L.SeamLines[0];
  const double cx = foot(1, 100), cy = foot(2, 100);
  const auto angle = [&](int fan, LayoutPoint p) {
    if (fan == 0) return std::atan2(p.y, p.x) * 180 / M_PI;
    const double a = std::atan2(p.y - cy, p.x - cx);  // the foot forward of the clew lies near 180
    return (a < 0 ? a + 2 * M_PI : a) * 180 / M_PI;
  };
  for (int fan = 0; fan <= 1; ++fan) {
    const int edge = fan == 0 ? 1 : 100;
    const double start = angle(fan, {line1(1, edge), line1(2, edge), true});
    const double end = angle(fan, {foot(1, fan == 0 ? 50 : 80), foot(2, fan == 0 ? 50 : 80), true});
    for (int j = 1; j <= 4; ++j) {
      const LayoutPoint p = fanOuterPoint(L, L.RadialUpperEnd[fan][j]);
      ASSERT_TRUE(p.ok);
      // Candidates lie a degree or two apart on this sail.
      EXPECT_NEAR(angle(fan, p), start - j * (start - end) * 1.001 / 5, 2.0) << fan << " " << j;
      EXPECT_EQ(L.RadialLowerEnd[fan][j], edge);
    }
    // The first on seam line 1, the last on the divider.
    EXPECT_TRUE(L.RadialUpperEnd[fan][1] < 101 && L.RadialUpperEnd[fan][4] >= 101) << fan;
    EXPECT_EQ(std::tuple(L.RadialUpperEnd[fan][0], L.RadialUpperEnd[fan][5], L.RadialLowerEnd[fan][5]),
              std::tuple(edge, 150, 50));
  }
}

TEST_F(RadialSail, TackCountsFiveOneAndZero) {
  const struct { int count, upper0, lower0, seams; } cases[] = {{5, 1, 1, 4}, {1, 1, 1, 0}, {0, 150, 50, 0}};
  for (const auto& c : cases) {
    for (int j = 0; j <= 6; ++j) L.RadialUpperEnd[0][j] = -1;
    in.counts[0] = c.count;
    run();
    EXPECT_EQ(std::tuple(L.RadialCount[0], L.RadialUpperEnd[0][0], L.RadialLowerEnd[0][0],
                         L.RadialUpperEnd[0][c.count]),
              std::tuple(c.count, c.upper0, c.lower0, 150));
    int set = 0;
    for (int j = 1; j <= 5; ++j) set += L.RadialUpperEnd[0][j] > 0 && L.RadialUpperEnd[0][j] < 150;
    EXPECT_EQ(set, c.seams) << c.count;
  }
}

// Drawing order and handles: the divider (a point, 49 lines, two squares),
// then every radial seam as a line with a circle round each end, the lower of
// half size; a clew fan seam ending on the divider has half-size circles at
// both ends. With "Unlock" ticked the stored ends stay and are drawn.
TEST_F(RadialSail, DrawnInOrderWithTheirHandlesAndUnlockKeepsTheEnds) {
  run();
  in.unlock = 1;
  L.RadialUpperEnd[3][1] = 99;
  run();
  EXPECT_EQ(L.RadialUpperEnd[3][1], 99);
  const std::vector<DrawOp>& ops = s.ops();
  ASSERT_EQ(ops.size(), 1u + 1 + 49 + 2 + 3u * (4 + 4 + 4 + 4 + 4 + 3 + 2));
  EXPECT_EQ(std::tuple(ops[1].kind, ops[2].colour, ops[50].colour, ops[51].kind, ops[52].kind),
            std::tuple(DrawOp::Point, 13, 13, DrawOp::FilledBox, DrawOp::FilledBox));
  for (int f = 0; f <= 1; ++f)
    for (int j = 1; j <= 4; ++j) {
      const DrawOp* op = &ops[53 + 3 * (4 * f + j - 1)];
      const double outer = fanOuterPoint(L, L.RadialUpperEnd[f][j]).x;
      const double radius = f == 1 && L.RadialUpperEnd[f][j] >= 101 ? 1.0 : 2.0;
      EXPECT_EQ(std::tuple(op[0].kind, op[0].colour, op[1].radius, op[2].radius), std::tuple(DrawOp::Line, 13, 1.0, radius)) << f << j;
      EXPECT_NEAR(std::fabs(op[0].x2 - outer) + std::fabs(op[2].x1 - outer), 0, 1e-5);
    }
  // Band 3's first seam, after 12 others, to seam line 3's point 99.
  EXPECT_NEAR(ops[53 + 3 * 12].y2, L.SeamLines[3](2, 99), 1e-5);
  EXPECT_TRUE(allFinite(s));
}

// Ends a panel file may hold: an end with no point draws neither its line
// nor its circle; a lower end of 0 is the origin.
TEST_F(RadialSail, EndsWithNoPointAreNotDrawn) {
  in = RadialInputs{{4}, 1, 0, 2.0};
  const int codes[] = {0, 151, 175, 0}, lower[] = {0, 0, 250, 0};
  for (int j = 1; j <= 3; ++j) std::tie(L.RadialUpperEnd[0][j], L.RadialLowerEnd[0][j]) = std::tuple(codes[j], lower[j]);
  run();
  // After the divider: seam 1 (code 151) only its foot circle; seam 2 (code
  // 175, foot end 250) nothing; seam 3 (code 0) its line and both circles.
  ASSERT_EQ(s.ops().size(), 53u + 1 + 0 + 3);
  const DrawOp &circle = s.ops()[53], &line = s.ops()[54];
  EXPECT_EQ(std::tuple(circle.kind, circle.x1, line.kind, line.x1), std::tuple(DrawOp::Circle, 0.0, DrawOp::Line, 0.0));
}

// Seam line 1's point DividerTopIndex and divider point 1 are one point:
// with the stored Pi their two angle forms differ by about 1e-5 degrees, and
// the seam-line code wins. The angles fail where their division does.
TEST(FanSweep, DividerTopKeepsItsSeamLineCode) {
  PanelLayout L;
  L.PanelCount = 1;
  for (int i = 1; i <= 100; ++i) {
    std::tie(L.SeamLines[1](1, i), L.SeamLines[1](2, i)) = std::tuple(i - 1, 50);  // level, from the luff aft
    L.SeamLines[0](1, i) = 2.0 * (i - 1);  // the foot, level
  }
  // Top (49, 50): 45.57 degrees from the tack; foot (178, 0): the divider falls away aft.
  std::tie(L.DividerTopIndex, L.DividerFootIndex) = std::tuple(50, 90);
  RecordingSurface s;
  layoutRadial(L, RadialInputs{{2}}, s);  // one seam, aimed at 90 - 90 x 1.001 / 2 = 44.955 degrees
  ASSERT_NEAR(tackAngleOnSeam(49, 50).v - tackAngle(49, 50).v, 1.0e-5, 0.2e-5);
  EXPECT_EQ(L.RadialUpperEnd[0][1], 50);

  EXPECT_FALSE(tackAngleOnSeam(3, 0).good() || tackAngle(0, 3).good() ||
               clewAngleOnSeam(5, 1, 2, 1).good() || clewAngle(5, 1, 5, 3).good());
  for (const Num a : {clewAngleOnSeam(5, 0, 4, 1), clewAngle(5, 0, 4, 1)}) EXPECT_NEAR(a.v, 135, 1e-4);
}

// A fan whose start and end angles coincide steps by 0: still exactly
// count - 1 seams, each on a point, and the run ends. With no band there is
// no seam line 1: no divider, no fan, and the stored ends stay.
TEST(FanSweep, NoStepNeitherHangsNorMiscountsAndNoBandBuildsNothing) {
  PanelLayout L;
  L.PanelCount = 1;
  for (int i = 1; i <= 100; ++i) {
    std::tie(L.SeamLines[1](1, i), L.SeamLines[1](2, i)) = std::tuple(1, 1);  // every point at 45 degrees
    std::tie(L.SeamLines[0](1, i), L.SeamLines[0](2, i)) = std::tuple(i, i);  // and the foot too
  }
  RecordingSurface s;
  layoutRadial(L, RadialInputs{{6, 33}}, s);
  for (int f = 0; f <= 1; ++f)
    for (int j = 1; j < (f == 0 ? 6 : 33); ++j) {
      const int code = L.RadialUpperEnd[f][j];
      EXPECT_TRUE((code >= 1 && code <= 100) || (code >= 102 && code <= 150)) << f << " " << j;
    }
  EXPECT_EQ(std::tuple(L.RadialUpperEnd[0][6], L.RadialUpperEnd[1][33]), std::tuple(150, 150));
  EXPECT_TRUE(allFinite(s));

  L.PanelCount = 0;
  std::tie(L.DividerTopIndex, L.RadialUpperEnd[0][1]) = std::tuple(5, 33);
  s.clear();
  layoutRadial(L, RadialInputs{{5, 5}}, s);
  EXPECT_EQ(std::tuple(s.ops().size(), L.DividerTopIndex, L.RadialUpperEnd[0][1], L.RadialCount[0]),
            std::tuple(1u, 5, 33, 5));
}

}  // namespace
}  // namespace kes::test
