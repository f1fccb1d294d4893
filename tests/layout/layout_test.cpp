// The crosscut layout: default ends, seam lines from the model and the mold,
// their drawing. The radial layout: divider, default fan and band ends,
// drawing.

#include <cmath>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

#include "layout/radial.h"
#include "layout_fixture.h"
#include "model/steps.h"
#include "random_sail.h"

namespace kes::test {
namespace {

// Seams 1.. from the given (luff end, leech end) pairs, built.
PanelLayout withSeams(SailModel& m, const std::vector<std::pair<double, double>>& ends) {
  PanelLayout L;
  L.PanelCount = static_cast<int>(ends.size()) + 1;
  for (std::size_t j = 0; j < ends.size(); ++j) std::tie(L.SeamLuffEnd[j + 1], L.SeamLeechEnd[j + 1]) = ends[j];
  buildSeamLines(m, L);
  return L;
}

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
  const PanelLayout L = withSeams(m, {{17, 83}, {34, 66}, {51, 49}, {68, 32}, {85, 15}});
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
    const PanelLayout L = withSeams(m, {{c.luffEnd, 40}});
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
  const PanelLayout L = withSeams(m, {{-5, 250}, {140, -3}, {8.5, 0}, {30, 50}});
  const double luffKept[] = {0, 1, 100, 8.5, 30}, leechKept[] = {0, 100, 1, 1, 50};
  for (int j = 1; j <= 4; ++j) {
    EXPECT_EQ(std::tuple(L.SeamLuffEnd[j], L.SeamLeechEnd[j]), std::tuple(luffKept[j], leechKept[j]));
    const int p = j == 3 ? 8 : static_cast<int>(luffKept[j]), q = static_cast<int>(leechKept[j]);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(L.SeamLines[j](k, 1), m.LuffCurve(k, p)) << j;
    for (int k = 1; k <= 3; ++k) EXPECT_NEAR(L.SeamLines[j](k, 100), m.LeechCurve(k, q), 1e-9) << j;
  }
}

// Whatever the sail (twist up to 30 degrees; pointed, square-topped and
// gaff heads; any unit), the leech starts at the head's aft corner, and
// every mold section and seam runs from its luff point to the leech point
// it was laid to, in all three coordinates. Before, the leech was twisted
// twice (0.75 in forward of the default head at 24 degrees) and a section
// laid at its 3-D chord's length and twisted about its luff point missed
// its leech point (0.2 in on the default sail, 1 in on the 44 ft gaff
// twisted 7 degrees).
TEST(SeamLines, EdgesSectionsAndSeamsMeetWhereTheyAreLaidUnderAnyTwist) {
  std::mt19937 rng(20261208);
  std::uniform_real_distribution<double> end(1, 100);
  const auto gap = [](const Curve& a, int i, const Curve& b, int j) {
    return std::hypot(a(1, i) - b(1, j), a(2, i) - b(2, j), a(3, i) - b(3, j));
  };
  int sails = 0;
  for (int i = 0; i < 200; ++i) {
    const testing::RandomSail s = testing::randomSail(rng);
    SailModel m = testing::computed(s.in);
    std::vector<std::pair<double, double>> ends;
    for (int j = 0; j < 8; ++j) ends.emplace_back(std::round(end(rng) * 2) / 2, std::round(end(rng)));
    if (testing::firstNonFinite(m) >= 0 || !(m.ClewX > m.HeadCornerX)) continue;  // no sail to lay out
    const PanelLayout L = withSeams(m, ends);
    const double within = 0.001 * s.k;  // a thousandth of an inch in the sail's unit
    ASSERT_LE(gap(m.LeechCurve, 1, m.HeadCurve, 100), within) << i;
    for (int k = 1; k <= 5; ++k) ASSERT_LE(gap(m.MoldSections[k], 100, m.LeechCurve, 100 - 17 * k), within) << i;
    for (int j = 1; j <= 8; ++j) {
      ASSERT_EQ(gap(L.SeamLines[j], 1, m.LuffCurve, static_cast<int>(std::nearbyint(L.SeamLuffEnd[j]))), 0) << i;
      ASSERT_LE(gap(L.SeamLines[j], 100, m.LeechCurve, static_cast<int>(L.SeamLeechEnd[j])), within) << i << " " << j;
    }
    ++sails;
  }
  EXPECT_GE(sails, 150);
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

// ---------------------------------------------------------------- radial

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
    EXPECT_EQ(std::count_if(L.RadialUpperEnd[0] + 1, L.RadialUpperEnd[0] + 6, [](int e) { return e > 0 && e < 150; }),
              c.seams) << c.count;
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

// One band: seam line 1 and the foot (line 0) through line1(i) and foot(i), i = 1..100.
template <class Line1, class Foot>
PanelLayout oneBand(Line1 line1, Foot foot) {
  PanelLayout L;
  L.PanelCount = 1;
  for (int i = 1; i <= 100; ++i)
    std::tie(L.SeamLines[1](1, i), L.SeamLines[1](2, i), L.SeamLines[0](1, i), L.SeamLines[0](2, i)) =
        std::tuple_cat(line1(i), foot(i));
  return L;
}

// Seam line 1's point DividerTopIndex and divider point 1 are one point:
// with the stored Pi their two angle forms differ by about 1e-5 degrees, and
// the seam-line code wins. The angles fail where their division does.
TEST(FanSweep, DividerTopKeepsItsSeamLineCode) {
  // Seam line 1 level from the luff aft, the foot level.
  PanelLayout L = oneBand([](int i) { return std::tuple(i - 1.0, 50.0); }, [](int i) { return std::tuple(2.0 * (i - 1), 0.0); });
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
  // Every point of seam line 1 and of the foot at 45 degrees.
  PanelLayout L = oneBand([](int) { return std::tuple(1.0, 1.0); }, [](int i) { return std::tuple(1.0 * i, 1.0 * i); });
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
