// What the plan view draws for a known sail, in which colour and order, and
// what it leaves out.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "view/plan_view.h"
#include "view_fixture.h"

namespace kes {
namespace {

using test::batten;
using test::opsOf;
using test::reef;

constexpr int kFore = 15;  // black scheme: Picture1 draws in bright white
constexpr double kPi = 3.141593;

void expectLine(const DrawOp& op, double x1, double y1, double x2, double y2, int colour) {
  EXPECT_EQ(op.kind, DrawOp::Line);
  EXPECT_EQ(op.colour, colour);
  EXPECT_NEAR(op.x1, x1, 1e-9);
  EXPECT_NEAR(op.y1, y1, 1e-9);
  EXPECT_NEAR(op.x2, x2, 1e-9);
  EXPECT_NEAR(op.y2, y2, 1e-9);
}

// The colours of the last `count` ops in runs: {colour, how many in a row}.
using Runs = std::vector<std::pair<int, int>>;
Runs lastRuns(const RecordingSurface& s, size_t count) {
  Runs runs;
  for (size_t i = s.ops().size() - count; i < s.ops().size(); ++i)
    if (!runs.empty() && runs.back().first == s.ops()[i].colour)
      ++runs.back().second;
    else
      runs.push_back({s.ops()[i].colour, 1});
  return runs;
}

class PlanViewTest : public ::testing::Test {
 protected:
  void SetUp() override { pic1.setForeColor(kFore); }
  PlanViewResult paint() { return paintPlanView(m, in, pic1, &pic2); }

  SailModel m = test::knownSail();
  PlanViewInputs in;
  RecordingSurface pic1, pic2{8775, 1755};
};

TEST_F(PlanViewTest, EdgesStripesAndDraftLineInOrderAndColour) {
  paint();
  ASSERT_EQ(pic1.ops().size(), 1u + 160u + 126u + 6u);
  EXPECT_EQ(pic1.ops()[0].kind, DrawOp::Clear);
  // Four edges, each a dot and its segments (the leech through every point
  // from 5); station 0 with its dot; each stripe after its chord, no dot; the
  // draft line. Nothing of the Mold frame, no battens, no reefs.
  const Runs runs = {{kFore, 4 + 20 + 20 + 96 + 20}, {12, 21}, {7, 1}, {12, 20}, {7, 1},
                     {12, 20}, {7, 1}, {12, 20}, {7, 1}, {12, 20}, {7, 1}, {12, 20}, {9, 6}};
  EXPECT_EQ(lastRuns(pic1, 292), runs);
  EXPECT_EQ(opsOf(pic1, DrawOp::Point).size(), 5u);
  EXPECT_TRUE(pic2.ops().empty());

  const Curve& L = m.LeechView;
  const auto edges = opsOf(pic1, DrawOp::Line, kFore);
  expectLine(edges[40], L(1, 1), L(2, 1), L(1, 5), L(2, 5), kFore);
  expectLine(edges[41], L(1, 5), L(2, 5), L(1, 6), L(2, 6), kFore);
  const Curve &s1 = m.MoldSections[1], &s4 = m.MoldSections[4], &s5 = m.MoldSections[5];
  expectLine(opsOf(pic1, DrawOp::Line, 7)[0], s1(1, 100), s1(2, 100), s1(1, 1), s1(2, 1), 7);
  const auto draft = opsOf(pic1, DrawOp::Line, 9);
  expectLine(draft[4], s4(1, 44), s4(2, 44), s5(1, 47), s5(2, 47), 9);
  expectLine(draft[5], s5(1, 47), s5(2, 47), m.HeadView(1, 47), m.HeadView(2, 47), 9);
}

TEST_F(PlanViewTest, DraftPointsRoundHalfToEvenZeroIsTheOriginOutOfRangeIsLeftOut) {
  m.DepthPositions[1] = 42.5;  // point 42
  m.DepthPositions[2] = 0;     // point 0: the origin
  paint();
  auto blue = opsOf(pic1, DrawOp::Line, 9);
  ASSERT_EQ(blue.size(), 6u);
  EXPECT_EQ(blue[0].x2, m.MoldSections[1](1, 42));
  EXPECT_EQ(blue[1].x2, 0.0);
  EXPECT_EQ(blue[1].y2, 0.0);
  m.DepthPositions[2] = 150;
  m.DepthPositions[5] = -3;
  paint();
  blue = opsOf(pic1, DrawOp::Line, 9);
  ASSERT_EQ(blue.size(), 2u);  // steps 1-2, 2-3, 4-5 and 5-head are left out
  EXPECT_EQ(blue[1].y2, m.MoldSections[4](2, 44));
}

TEST_F(PlanViewTest, PanelsModeLeavesOutStripesChordsAndDraftLineOnly) {
  in.panelsMode = true;
  batten(in, 0, "25", "10", "0");
  reef(in, 0, "2", "30");
  paint();
  // Edges with their dots, the leech chord, one batten, two reef points.
  EXPECT_EQ(lastRuns(pic1, pic1.ops().size() - 1), (Runs{{kFore, 160}, {1, 1}, {14, 3}}));
}

TEST_F(PlanViewTest, MoldFrameSelectedStripeSectionStripAndMarker) {
  in.sectionVisible = true;
  in.currentSection = 3;
  const PlanViewResult r = paint();
  EXPECT_TRUE(r.markerMoved);
  EXPECT_DOUBLE_EQ(r.markerTopTwips, 2550.0);
  EXPECT_TRUE(r.sectionDrawn);
  // Last: the selected stripe, a dot in the foreground colour, light green segments.
  EXPECT_EQ(lastRuns(pic1, 22), (Runs{{9, 1}, {kFore, 1}, {10, 20}}));
  const Curve& s3 = m.MoldSections[3];
  expectLine(pic1.ops().back(), s3(1, 95), s3(2, 95), s3(1, 100), s3(2, 100), 10);

  EXPECT_DOUBLE_EQ(sectionMarkerTop(0), 3630.0);
  EXPECT_DOUBLE_EQ(sectionMarkerTop(5), 1830.0);
  in.currentSection = 9;  // no such station: no selection
  paint();
  EXPECT_TRUE(opsOf(pic1, DrawOp::Line, 10).empty());
  in.sectionVisible = false;
  EXPECT_FALSE(paint().markerMoved);
}

TEST_F(PlanViewTest, BattensRunForwardFromTheirLeechPointAfterTheLeechChord) {
  batten(in, 0, "25", "10", "0");
  batten(in, 1, "50", "8", "10");
  paint();
  const Curve& L = m.LeechCurve;
  const auto& ops = pic1.ops();
  expectLine(ops[ops.size() - 3], L(1, 1), L(2, 1), L(1, 100), L(2, 100), 1);
  expectLine(ops[ops.size() - 2], L(1, 75), L(2, 75), L(1, 75) - 10, L(2, 75), 14);
  const double a = 10 * kPi / 180;  // a positive angle puts the inner end lower
  expectLine(ops.back(), L(1, 50), L(2, 50), L(1, 50) - 8 * std::cos(a),
             L(2, 50) - 8 * std::sin(a), 14);

  // Position p starts at leech point 100 - p, halves to even: 37.5 -> 62. A
  // row that is not all numbers or lies off the leech draws nothing.
  const struct { const char* pos; const char* len; const char* deg; int point; } rows[] = {
      {"0", "5", "0", 100}, {"25", "5", "0", 75}, {"37.5", "5", "0", 62},
      {"abc", "8", "0", 0}, {"50", "", "0", 0},   {"50", "8", "x", 0},
      {"50", "8", "", 0},   {"150", "8", "0", 0}};
  for (const auto& row : rows) {
    batten(in, 1, row.pos, row.len, row.deg);
    paint();
    const auto bat = opsOf(pic1, DrawOp::Line, 14);
    ASSERT_EQ(bat.size(), row.point ? 2u : 1u) << row.pos << "|" << row.len << "|" << row.deg;
    EXPECT_EQ(bat.back().y1, L(2, row.point ? row.point : 75)) << row.pos;
  }
}

TEST_F(PlanViewTest, NoFirstBattenLengthOrATurnedViewDropsBattensAndChord) {
  reef(in, 0, "3", "20");
  batten(in, 1, "50", "8", "0");
  for (const char* first : {"", "0", "abc"}) {
    batten(in, 0, "25", first, "0");
    paint();
    EXPECT_EQ(lastRuns(pic1, 4), (Runs{{9, 1}, {14, 3}})) << first;  // reef points still
  }
  batten(in, 0, "25", "10", "0");
  for (double SailModel::*angle :
       {&SailModel::ViewAngleX, &SailModel::ViewAngleY, &SailModel::ViewAngleZ}) {
    m.*angle = -2;
    paint();
    EXPECT_EQ(pic1.ops().back().colour, 9);  // nothing after the draft line
    m.*angle = 0;
  }
  paint();
  EXPECT_EQ(lastRuns(pic1, 7), (Runs{{9, 1}, {1, 1}, {14, 5}}));
}

TEST_F(PlanViewTest, ReefRowsRunOffTheFootAngleToOneDecimal) {
  test::fillLine(m.FootCurve, 50, 50 * std::tan(0.14), 0, 0);  // foot at 0.14 radian
  m.ClewY = 50 * std::tan(0.14);
  reef(in, 0, "3", "20");  // leech point 80: on the leech, halfway, the whole row
  reef(in, 1, "2", "40");  // leech point 60
  paint();
  const auto c = opsOf(pic1, DrawOp::Circle, 14);
  ASSERT_EQ(c.size(), 5u);
  const struct { int point; double part, degrees; } want[] = {
      {80, 0, 1}, {80, 0.5, 1}, {80, 1, 1}, {60, 0, 2}, {60, 1, 2}};
  for (int k = 0; k < 5; ++k) {
    const double px = m.LeechCurve(1, want[k].point), py = m.LeechCurve(2, want[k].point);
    const double d = px * want[k].part / std::cos(0.14), aR = 0.1 + want[k].degrees * kPi / 180;
    EXPECT_NEAR(c[k].x1, px - d * std::cos(aR), 1e-9) << k;
    EXPECT_NEAR(c[k].y1, py - d * std::sin(aR), 1e-9) << k;
    EXPECT_EQ(c[k].radius, 0.25);
  }
}

TEST_F(PlanViewTest, ReefCountsAndPositionsThatAreHugeOrNotNumbers) {
  const struct { const char* n; const char* pos; size_t circles; } cases[] = {
      {"1e12", "20", kMaxReefPointsDrawn}, {"99999999999999999999", "20", kMaxReefPointsDrawn},
      {"1", "20", 1},   {"2.5", "20", 2}, {"-5", "20", 0},  {"0", "20", 0},
      {"abc", "20", 0}, {"", "20", 0},    {"3", "0", 0},    {"3", "", 0},
      {"3", "abc", 0},  {"3", "20abc", 0}, {"3", "150", 0}, {"3", "-10", 0}};
  for (const auto& c : cases) {
    reef(in, 0, c.n, c.pos);
    paint();
    EXPECT_EQ(opsOf(pic1, DrawOp::Circle).size(), c.circles) << c.n << " at " << c.pos;
  }
}

TEST_F(PlanViewTest, NonFinitePointsAndAnEmptyModelDrawNoGarbage) {
  m.LuffView(1, 10) = std::numeric_limits<double>::quiet_NaN();
  m.MoldSections[2](2, 50) = std::numeric_limits<double>::infinity();
  m.LeechCurve(1, 75) = std::numeric_limits<double>::quiet_NaN();
  batten(in, 0, "25", "10", "0");
  in.sectionVisible = true;
  in.currentSection = 2;
  paint();
  EXPECT_TRUE(test::allFinite(pic1));
  EXPECT_TRUE(test::allFinite(pic2));
  size_t luffSegs = 0;  // the luff loses exactly the two segments at point 10
  for (const DrawOp& op : opsOf(pic1, DrawOp::Line, kFore)) luffSegs += op.x1 == 0 && op.x2 == 0;
  EXPECT_EQ(luffSegs, 18u);
  EXPECT_TRUE(opsOf(pic1, DrawOp::Line, 14).empty());

  m = SailModel{};  // a zero luff: nothing was ever computed
  in.trueShape = true;
  reef(in, 0, "3", "20");
  EXPECT_FALSE(paint().sectionDrawn);
  EXPECT_EQ(pic2.ops().size(), 1u);  // only cleared
  EXPECT_TRUE(test::allFinite(pic1));
  // With the clew at the origin the reef spacing divides by zero: only the
  // point on the leech is drawn.
  EXPECT_EQ(opsOf(pic1, DrawOp::Circle).size(), 1u);
}

}  // namespace
}  // namespace kes
