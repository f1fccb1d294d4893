// The flat panel: its strip, its cut outline and the marks on it.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "develop/marks.h"
#include "develop/outline.h"
#include "develop/strip.h"

namespace kes {
namespace {

// Lower line (k-1, 0, 0) and upper line (k-1, 10, 0).
void parallelLines(Curve& lo, Curve& up) {
  for (int k = 1; k <= 100; ++k) {
    lo(1, k) = up(1, k) = k - 1;
    up(2, k) = 10;
  }
}

TEST(Strip, TheStoredPiBendsAPlanarRectangleMeasurably) {
  Curve lo, up;
  parallelLines(lo, up);
  FlatStrip f;
  DevelopStrip(lo, up, f);
  EXPECT_NEAR(f.U(100).x, 98.9998268, 1e-6);
  EXPECT_NEAR(f.U(100).y, 10.0008657, 1e-6);
  EXPECT_NEAR(f.L(100).y, 0.00086568, 1e-6);
  // L(1) is the origin, the luff rung on +y.
  EXPECT_TRUE(f.L(1).x == 0 && f.L(1).y == 0 && f.U(1).x == 0 && f.U(1).y == 10);
}

TEST(Strip, APanelInATiltedPlaneKeepsEveryTrueLength) {
  // A trapezium, bowed along its length, tilted out of every axis plane.
  Curve lo, up;
  for (int k = 1; k <= 100; ++k) {
    const double t = (k - 1) / 99.0, w = std::sin(3 * t);
    const double x[2] = {80 * t, 5 + 60 * t}, y[2] = {3 * w, 12 + 2 * w};
    Curve* c[2] = {&lo, &up};
    for (int e = 0; e < 2; ++e) {
      (*c[e])(1, k) = x[e] * 0.8;
      (*c[e])(2, k) = y[e];
      (*c[e])(3, k) = x[e] * 0.6 + y[e] * 0.3;
    }
  }
  FlatStrip f;
  DevelopStrip(lo, up, f);
  const auto flat = [](Point2 a, Point2 b) { return std::hypot(b.x - a.x, b.y - a.y); };
  // True within the stored Pi's bend (an apex off by (pi - Pi)/2 of a turn).
  for (int k = 1; k < 100; ++k) {
    EXPECT_NEAR(flat(f.U(k), f.U(k + 1)), Distance3(up, k, up, k + 1), 1e-5) << k;
    EXPECT_NEAR(flat(f.L(k), f.L(k + 1)), Distance3(lo, k, lo, k + 1), 1e-5) << k;
    EXPECT_NEAR(flat(f.L(k), f.U(k)), Distance3(lo, k, up, k), 1e-5) << k;
  }
  // Laid out again: the same strip (the slots are cleared first).
  FlatStrip again = f;
  DevelopStrip(lo, up, again);
  EXPECT_EQ(std::memcmp(&f, &again, sizeof f), 0);
}

TEST(Strip, SeamingCountsTheChordsOfEdgesWithAnAllowance) {
  Curve lo, up;
  parallelLines(lo, up);
  up(3, 1) = 5;  // luff rung sqrt(125)
  struct Case {
    EdgeAllowances a;
    double seaming;
  } cases[] = {{{0, 0, 0, 1}, std::sqrt(125.0)}, {{0, 1, 1, 0}, 10 + 99}, {{-1, 0, 0, 0}, 0}};
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(PanelSeaming(lo, up, c.a), c.seaming);
}

TEST(Strip, CoincidentAndCollapsedLinesGiveFiniteFlatPoints) {
  Curve lo, up, dot;
  parallelLines(lo, up);
  for (const Curve* upper : {&lo, &dot}) {
    FlatStrip f;
    DevelopStrip(lo, *upper, f);
    for (int t = 1; t <= 198; ++t)
      for (const Point2& p : {f.P0[t], f.P1[t], f.P2[t], f.P3[t]})
        ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << t;
  }
  EXPECT_NEAR(AtanRatio(-1, 0), -std::atan(1.0) * 2, 1e-15);
  EXPECT_EQ(AtanRatio(0, 0), 0);
}

// A flat strip of two rows of points: the lower edge along y = 0, the
// upper along y = h, the upper leech corner at x = top (the lower at 99).
FlatStrip flatPanel(double h, double top) {
  FlatStrip f;
  for (int j = 1; j <= 99; ++j) {
    const double ux = (j - 1) * top / 99.0, ux1 = j * top / 99.0;
    f.P0[2 * j - 1] = {j - 1.0, 0};
    f.P1[2 * j - 1] = f.P2[2 * j - 1] = {ux, h};
    f.P3[2 * j - 1] = f.P0[2 * j] = f.P3[2 * j] = {double(j), 0};
    f.P1[2 * j] = {ux, h};
    f.P2[2 * j] = {ux1, h};
  }
  return f;
}

std::vector<std::string> lines(const PlotText& p) { return allLines(p.text()); }

TEST(Outline, RecordsAreMidpointsMovedOutByEachEdgesAllowance) {
  const FlatStrip f = flatPanel(10, 99);
  CutOutline cut;
  OffsetEdge(f, {0, 0, 0, 0}, cut);
  ASSERT_EQ(cut.n, 199);
  EXPECT_EQ(cut.leech, 100);
  EXPECT_TRUE(cut.rec[1].x == 0.5 && cut.rec[1].y == 10);
  EXPECT_TRUE(cut.rec[100].vertical);  // an upright leech rung
  EXPECT_NEAR(OutlineArea(cut), 10 * 98 + 2.5, 1e-9);  // midpoint polygon with its leech tip

  // Both ends are moved, then halved: an edge at 0.04 moved up by 0.01 lies
  // at 0.05 exactly and is cut at step 25 (adding the moves after the first
  // end gave 0.049999999999999996, step 24).
  CutRecord r;
  ASSERT_TRUE(OffsetSegment({0, 0.04}, {1, 0.04}, 0.01, r));
  PlotText at(500, 500);
  at.point(r.x, r.y);
  EXPECT_EQ(at.text(), "250 25 acut\r\n");

  OffsetEdge(f, {2, 3, 1, 0}, cut);
  EXPECT_DOUBLE_EQ(cut.rec[100].x, 102);  // the upright rung's tabling goes to +X
  EXPECT_DOUBLE_EQ(cut.rec[199].y, -1);
  Point2 c;
  ASSERT_TRUE(Corner(cut.rec[99], cut.rec[100], c));  // a true corner on the upright rung
  EXPECT_TRUE(c.x == 102 && c.y == 12);
}

TEST(Outline, ALeaningLeechMovesTowardsPlusXAndIsKeyedWhereItsRecordLands) {
  for (double top : {90.0, 108.0}) {
    CutOutline bare, moved;
    OffsetEdge(flatPanel(10, top), {0, 0, 0, 0}, bare);
    OffsetEdge(flatPanel(10, top), {0, 2, 0, 0}, moved);
    EXPECT_FALSE(moved.rec[100].vertical);
    EXPECT_GT(moved.rec[100].x, bare.rec[100].x + 1) << top;
  }
  FlatStrip f = flatPanel(10, 99);
  f.P2[2] = f.P1[2];  // U(1) and U(2) coincide: that segment gives no record
  CutOutline cut;
  OffsetEdge(f, {0, 0, 0, 0}, cut);
  EXPECT_EQ(cut.n, 198);
  EXPECT_EQ(cut.leech, 99);
  EXPECT_TRUE(cut.rec[cut.leech].vertical);
}

TEST(Outline, WindingTestParallelLinesAndLeechPointsWithinTheCurve) {
  CutOutline sq;
  for (Point2 p : {Point2{0, 0}, Point2{10, 0}, Point2{10, 10}, Point2{0, 10}}) AppendRecord(sq, {p.x, p.y, 0, false});
  EXPECT_TRUE(InsideOutline(sq, {0.001, 9.999}));
  EXPECT_FALSE(InsideOutline(sq, {11, 5}));
  // On a corner record: the two steps touching it are skipped, a quarter turn remains.
  EXPECT_FALSE(InsideOutline(sq, {10, 10}));
  Point2 c;
  double y = 0;
  EXPECT_FALSE(Corner({0, 0, 1, false}, {0, 5, 1, false}, c));
  EXPECT_FALSE(LineYAt({0, 0, 0, true}, 1, y));
  EXPECT_FALSE(AppendRecord(sq, {std::nan(""), 0, 0, false}));

  // Leech points strictly between the seam ends, whatever a loaded file holds.
  struct Case {
    double upper, lower;
    std::vector<int> indices;
  } cases[] = {{10, 14, {11, 12, 13}}, {8.5, 12, {10, 10}},  // 9.5, 10.5 round to even
               {97, 1e9, {98, 99, 100}}, {std::nan(""), 50, {}},
               {-2, 3, {1, 2}}, {-1.6, 3, {1}}};  // the leech has no point 0
  for (const Case& k : cases) {
    std::vector<int> got;
    ForLeechPoints(k.upper, k.lower, [&](int i) { got.push_back(i); });
    EXPECT_EQ(got, k.indices) << k.upper << " " << k.lower;
  }
  int all = 0;
  ForLeechPoints(-1e300, 1e300, [&](int) { ++all; });
  EXPECT_EQ(all, 100);
}

struct MarkCase : ::testing::Test {
  Curve leech, foot;
  CutOutline cut;
  MarkSail sail;
  void SetUp() override {
    // A leech running straight down x = 50 from y = 100 (point 1) to 0 (point 100).
    for (int k = 0; k <= 100; ++k) {
      leech(1, k) = 50;
      leech(2, k) = 100 - k;
      foot(1, k) = 50 - 0.5 * k;
    }
    for (Point2 p : {Point2{-100, -100}, Point2{100, -100}, Point2{100, 200}, Point2{-100, 200}})
      AppendRecord(cut, {p.x, p.y, 0, false});
    sail = {&leech, &foot, 50, 0, 50};
  }
  using Row5 = std::array<std::string_view, 5>;
  static MarkSetUp setUp(Row5 pos, Row5 len, Row5 ang, std::string_view n0 = "", std::string_view p0 = "") {
    const std::string_view N[2] = {n0, ""}, R[2] = {p0, ""};
    return ReadMarkSetUp(pos.data(), len.data(), ang.data(), N, R);
  }
  std::vector<std::string> marks(const MarkSetUp& s, int mode = 1) {
    PlotText p(1, 1);
    PlaceMarks(p, s, sail, {}, cut, 2.0f, mode);
    EXPECT_EQ(mode, mode > 0 ? kMarkReef : 0);
    return lines(p);
  }
};

TEST_F(MarkCase, BattenEndMarksOnlyStrictlyBetweenTheSeamEnds) {
  const MarkSetUp s = setUp({"30", "50", "-10"}, {"10", "10", "10"}, {"0", "0", "0"});
  PlotText p(1, 1);
  // Seam ends 50 (upper) and 80 (lower): q = 70 is marked, q = 50 sits on the end, q = 110 is off the leech.
  BattenEndMarks(p, s, leech, 50, 80, {}, 2.0f);
  EXPECT_EQ(lines(p), (std::vector<std::string>{"1 penup", "51 31 acut", "1 pendown", "49 29 acut",
                                                "49 31 acut", "51 29 acut", "1 penup"}));
  PlotText none(1, 1);
  BattenEndMarks(none, s, leech, 40, 1e9, {}, 2.0f);  // a loaded end far past the clew
  EXPECT_EQ(lines(none).size(), 14u);                // q = 70 and 50; q = 110 is off the curve
}

TEST_F(MarkCase, BattenCrossesNeedTheFirstRowsLengthAndANumberAngle) {
  EXPECT_EQ(marks(setUp({"30"}, {"10"}, {"0"})),
            (std::vector<std::string>{"39 30 acut", "1 pendown", "41 30 acut", "40 29 acut", "40 31 acut", "1 penup"}));
  EXPECT_TRUE(marks(setUp({"30", "50"}, {"", "10"}, {"0", "0"})).empty());  // first row without length
  EXPECT_TRUE(marks(setUp({"30"}, {"10"}, {"x"})).empty());                 // angle no number
  EXPECT_TRUE(marks(setUp({"0"}, {"10"}, {"0"})).empty());                  // no position
  EXPECT_EQ(marks(setUp({"30"}, {"10"}, {"0"}), 0).size(), 0u);             // foot panels: no marks
  // A row with a position and no length is marked at its leech point.
  EXPECT_EQ(marks(setUp({"30", "40"}, {"10", "0"}, {"0", "0"}))[6], "49 40 acut");
}

TEST_F(MarkCase, ReefRowsOfOneFourAndPastAThousandPoints) {
  const auto reef = [&](std::string_view n) { return marks(setUp({}, {}, {}, n, "50")); };
  // One point: on the leech at (50, 50).
  EXPECT_EQ(reef("1"), (std::vector<std::string>{"49 50 acut", "1 pendown", "50 51 acut", "51 50 acut",
                                                 "50 49 acut", "49 50 acut", "1 penup"}));
  // Four points: 2 and 3 stand 1.5 % of the foot (0.75) off the line towards the foot.
  const auto four = reef("4");
  ASSERT_EQ(four.size(), 28u);
  const auto y = [&](int p) { return std::stod(four[7 * p].substr(four[7 * p].find(' '))); };
  EXPECT_EQ(y(0), 50);
  EXPECT_LT(y(1), y(0) - 0.5);
  EXPECT_EQ(reef("5000").size(), 7000u);
  EXPECT_TRUE(reef("0").empty());
  EXPECT_TRUE(reef("many").empty());
  // Point 5 of 12 is spaced (4/11 of the leech point's x) / the clew slope's
  // cosine, in that order, and stands off the line towards the foot: at this
  // scale the other order lands a step right.
  sail.ClewY = 46;
  PlotText p(520931.48906250001, 520931.48906250001);
  int mode = 1;
  PlaceMarks(p, setUp({}, {}, {}, "12", "50"), sail, {}, cut, 0.0f, mode);
  ASSERT_EQ(lines(p).size(), 84u);
  EXPECT_EQ(lines(p)[28], "13185285 25431321 acut");
}

}  // namespace
}  // namespace kes
