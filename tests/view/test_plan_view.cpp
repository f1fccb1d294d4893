// What the plan view and the section strip under it draw for a known sail, in
// which colour and order, and what they leave out; and the strip's "View" size.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "view/plan_view.h"
#include "view/section_view.h"
#include "view_fixture.h"

namespace kes {
namespace {

using test::batten, test::expectScale, test::opsOf, test::reef;

constexpr int kFore = 15;  // black scheme: Picture1 draws in bright white

void expectLine(const DrawOp& op, double x1, double y1, double x2, double y2, int colour) {
  EXPECT_EQ(std::tuple(op.kind, op.colour), std::tuple(DrawOp::Line, colour));
  const double got[] = {op.x1, op.y1, op.x2, op.y2}, want[] = {x1, y1, x2, y2};
  for (int k = 0; k < 4; ++k) EXPECT_NEAR(got[k], want[k], 1e-9) << k;
}

// The colours of the last `count` ops in runs: {colour, how many in a row}.
using Runs = std::vector<std::pair<int, int>>;
Runs lastRuns(const RecordingSurface& s, size_t count) {
  Runs runs;
  for (size_t i = s.ops().size() - count; i < s.ops().size(); ++i) {
    const int c = s.ops()[i].colour;
    if (runs.empty() || runs.back().first != c) runs.emplace_back(c, 0);
    ++runs.back().second;
  }
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
  m.DepthPositions[1] = 42.5;  // point 42: halves go to the even neighbour
  m.DepthPositions[3] = 0;     // point 0: the origin
  paint();
  // Four edges, each a dot and its segments (the leech through every point
  // from 5); station 0 with its dot; each stripe after its chord, no dot; the
  // draft line. Nothing of the Mold frame, no battens, no reefs.
  const Runs runs = {{kFore, 4 + 20 + 20 + 96 + 20}, {12, 21}, {7, 1}, {12, 20}, {7, 1},
                     {12, 20}, {7, 1}, {12, 20}, {7, 1}, {12, 20}, {7, 1}, {12, 20}, {9, 6}};
  EXPECT_EQ(lastRuns(pic1, pic1.ops().size() - 1), runs);

  const Curve &L = m.LeechView, &s5 = m.MoldSections[5];
  expectLine(opsOf(pic1, DrawOp::Line, kFore).at(40), L(1, 1), L(2, 1), L(1, 5), L(2, 5), kFore);
  const auto draft = opsOf(pic1, DrawOp::Line, 9);
  expectLine(draft.at(5), s5(1, 47), s5(2, 47), m.HeadView(1, 47), m.HeadView(2, 47), 9);
  EXPECT_EQ(std::tuple(draft[0].x2, draft[2].x2, draft[2].y2),
            std::tuple(m.MoldSections[1](1, 42), 0.0, 0.0));

  // Off the stripe: steps 3-4 and 4-5 are left out, in the strip's shape line too.
  m.DepthPositions[4] = 140;
  in.sectionVisible = in.vertShape = true;
  paint();
  EXPECT_EQ(opsOf(pic1, DrawOp::Line, 9).size(), 4u);
  EXPECT_EQ(opsOf(pic2, DrawOp::Line, 9).size(), 4u);
}

TEST_F(PlanViewTest, MoldFrameSelectedStripeSectionStripAndMarker) {
  std::tie(in.sectionVisible, in.currentSection) = std::tuple(true, 3);
  const PlanViewResult r = paint();
  EXPECT_EQ(std::tuple(r.markerMoved, r.markerTopTwips, r.sectionDrawn),
            std::tuple(true, 2550.0, true));
  // Last: the selected stripe, a dot in the foreground colour, light green segments.
  EXPECT_EQ(lastRuns(pic1, 22), (Runs{{9, 1}, {kFore, 1}, {10, 20}}));
  EXPECT_EQ(pic1.ops().back().y2, m.MoldSections[3](2, 100));
  EXPECT_EQ(std::tuple(sectionMarkerTop(0), sectionMarkerTop(5)), std::tuple(3630.0, 1830.0));
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
  expectLine(pic1.ops().end()[-3], L(1, 1), L(2, 1), L(1, 100), L(2, 100), 1);
  const double a = 10 * kPi / 180;  // a positive angle puts the inner end lower
  expectLine(pic1.ops().back(), L(1, 50), L(2, 50), L(1, 50) - 8 * std::cos(a),
             L(2, 50) - 8 * std::sin(a), 14);

  // Position p starts at leech point 100 - p, halves to even: 37.5 -> 62. A
  // row that is not all numbers or lies off the leech draws nothing.
  const struct { const char* pos; const char* len; const char* deg; int point; } rows[] = {
      {"0", "5", "0", 100}, {"37.5", "5", "0", 62}, {"abc", "8", "0", 0},
      {"50", "", "0", 0},   {"50", "8", "x", 0},    {"150", "8", "0", 0}};
  for (const auto& row : rows) {
    batten(in, 1, row.pos, row.len, row.deg);
    paint();
    const auto bat = opsOf(pic1, DrawOp::Line, 14);  // batten 0 at point 75, then row 1
    ASSERT_EQ(bat.size(), row.point ? 2u : 1u) << row.pos << "|" << row.len << "|" << row.deg;
    EXPECT_EQ(bat.back().y1, L(2, row.point ? row.point : 75)) << row.pos;
  }
}

TEST_F(PlanViewTest, PanelsModeNoFirstBattenLengthAndTurnedViewsLeaveOutTheirParts) {
  in.panelsMode = true;
  batten(in, 0, "25", "10", "0");
  reef(in, 0, "2", "30");
  paint();
  // No stripes, chords or draft line: edges, the leech chord, a batten, two reef points.
  EXPECT_EQ(lastRuns(pic1, pic1.ops().size() - 1), (Runs{{kFore, 160}, {1, 1}, {14, 3}}));

  in.panelsMode = false;
  batten(in, 1, "50", "8", "0");  // later rows alone draw nothing
  for (const char* first : {"", "0", "abc"}) {  // no batten, no chord, reef points still
    batten(in, 0, "25", first, "0");
    paint();
    EXPECT_EQ(lastRuns(pic1, 3), (Runs{{9, 1}, {14, 2}})) << first;
  }
  batten(in, 0, "25", "10", "0");
  for (double* angle : {&m.ViewAngleX, &m.ViewAngleY, &m.ViewAngleZ}) {
    *angle = -2;
    paint();
    EXPECT_EQ(pic1.ops().back().colour, 9);  // nothing after the draft line
    *angle = 0;
  }
}

TEST_F(PlanViewTest, ReefRowsRunOffTheFootAngleToOneDecimalAndHugeCountsAreCapped) {
  test::fillLine(m.FootCurve, 50, m.ClewY = 50 * std::tan(0.14), 0, 0);  // foot at 0.14 radian, read as 0.1
  reef(in, 0, "3", "20");  // leech point 80: on the leech, halfway, the whole row
  reef(in, 1, "2", "40");  // leech point 60, two degrees off
  paint();
  const auto c = opsOf(pic1, DrawOp::Circle, 14);
  ASSERT_EQ(c.size(), 5u);
  const double px = m.LeechCurve(1, 60), py = m.LeechCurve(2, 60), d = px / std::cos(0.14), a = 0.1 + 2 * kPi / 180;
  EXPECT_EQ(std::tuple(c[0].x1, c[0].y1, c[3].x1, c[3].y1), std::tuple(m.LeechCurve(1, 80), m.LeechCurve(2, 80), px, py));
  EXPECT_NEAR(std::hypot(c[4].x1 - (px - d * std::cos(a)), c[4].y1 - (py - d * std::sin(a))), 0, 1e-9);
  EXPECT_NEAR(c[1].x1, (c[0].x1 + c[2].x1) / 2, 1e-9);

  // Counts and positions that are huge or not numbers.
  reef(in, 1, "0", "40");
  const struct { const char* n; const char* pos; size_t circles; } cases[] = {
      {"1e12", "20", kMaxReefPointsDrawn}, {"1", "20", 1}, {"2.5", "20", 2}, {"-5", "20", 0},
      {"abc", "20", 0}, {"3", "", 0}, {"3", "20abc", 0}, {"3", "150", 0}, {"3", "-10", 0}};
  for (const auto& row : cases) {
    reef(in, 0, row.n, row.pos);
    paint();
    EXPECT_EQ(opsOf(pic1, DrawOp::Circle).size(), row.circles) << row.n << " at " << row.pos;
  }
}

TEST_F(PlanViewTest, NonFinitePointsAndAnEmptyModelDrawNoGarbage) {
  m.LuffView(1, 10) = m.LeechCurve(1, 75) = std::numeric_limits<double>::quiet_NaN();
  m.MoldSections[2](1, 50) = std::numeric_limits<double>::infinity();
  batten(in, 0, "25", "10", "0");  // starts at the bad leech point: left out
  std::tie(in.sectionVisible, in.currentSection) = std::tuple(true, 2);
  EXPECT_TRUE(paint().sectionDrawn);  // the paint goes on past every failing step
  EXPECT_TRUE(test::allFinite(pic1) && test::allFinite(pic2));

  m = SailModel{};  // a zero luff: nothing was ever computed
  reef(in, 0, "3", "20");
  pic2.setScale(0, 10, 50, 0);
  for (bool shape : {false, true}) {
    in.trueShape = in.vertShape = shape;
    EXPECT_FALSE(paint().sectionDrawn);
    EXPECT_EQ(pic2.ops().size(), 1u);  // the strip only cleared, its scale kept
    expectScale(pic2, 0, 10, 50, 0);
    EXPECT_TRUE(test::allFinite(pic1));
  }
  // With the clew at the origin the reef spacing divides by zero: only the
  // point on the leech is drawn.
  EXPECT_EQ(opsOf(pic1, DrawOp::Circle).size(), 1u);
}

TEST_F(PlanViewTest, SectionHorizontalSectionChordCamberAndDraftRingAndTrueShapeScale) {
  m.MoldSections[2](3, 30) = 9;
  ASSERT_TRUE(paintSectionView(m, 4, false, false, pic2));
  const Curve& s = m.MoldSections[4];
  const double u = s(1, 100) / 100;
  // The top is set by the largest camber of all stations.
  expectScale(pic2, s(1, 1) - u, 9 + u, s(1, 100) + u, s(3, 1) - u);

  // Cleared, the chord from the leech end, the camber through every point, the ring.
  const auto& ops = pic2.ops();
  ASSERT_EQ(ops.size(), 1u + 1u + 99u + 1u);
  EXPECT_EQ(std::tuple(ops[1].colour, ops[1].x1), std::tuple(7, s(1, 100)));
  EXPECT_EQ(std::tuple(ops[51].colour, ops[51].y2), std::tuple(12, s(3, 51)));  // camber as y
  EXPECT_EQ(std::tuple(ops.back().kind, ops.back().colour, ops.back().x1, ops.back().y1, ops.back().radius),
            std::tuple(DrawOp::Circle, 9, s(1, 44), s(3, 44), u));

  // "True": the foot section's extent; u from the selected station's clew end.
  m.MoldSections[0](1, 100) = 200;
  ASSERT_TRUE(paintSectionView(m, 0, true, false, pic2));
  expectScale(pic2, -4, 44, 204, -4);
  ASSERT_TRUE(paintSectionView(m, 4, true, false, pic2));
  expectScale(pic2, -2 * u, 2 * u + 40, 200 + 2 * u, -2 * u);
}

TEST_F(PlanViewTest, SectionVerticalShapeScaleLinesLabelsAndRing) {
  ASSERT_TRUE(paintSectionView(m, 3, false, true, pic2));
  // V: the largest camber at station 2's draft point (42) over all stations.
  const double V = m.MoldSections[0](3, 42), u = V / 10;
  const double y0 = m.MoldSections[0](2, 42), yH = m.HeadView(2, 47);
  expectScale(pic2, y0 - u, V + u, yH + 5 * u, -2 * u);
  const auto blue = opsOf(pic2, DrawOp::Line, 9);
  ASSERT_EQ(blue.size(), 6u);
  // Height on the strip's x, camber on its y; the last step ends at the head.
  EXPECT_EQ(std::tuple(blue[4].x2, blue[4].y2, blue[5].x2),
            std::tuple(m.MoldSections[5](2, 47), m.MoldSections[5](3, 47), yH));
  std::vector<std::string> labels;
  for (const DrawOp& op : opsOf(pic2, DrawOp::Text)) labels.push_back(op.text);
  EXPECT_EQ(labels, (std::vector<std::string>{"ft", " 1 ", " 2 ", " 3 ", " 4 ", " 5 ", "hd"}));
  const DrawOp ring = pic2.ops().back();  // the selected station's draft, drawn last
  EXPECT_EQ(std::tuple(ring.kind, ring.x1, ring.radius), std::tuple(DrawOp::Circle, m.MoldSections[3](2, 42), u));

  // With "True" the depth axis spans a fifth of the height difference.
  ASSERT_TRUE(paintSectionView(m, 2, true, true, pic2));
  expectScale(pic2, y0 - u, (yH - y0) / 5 + u, yH + 5 * u, -2 * u);
}

TEST(MoldViewGeometry, EnlargeRestoreAndTooNarrowWindow) {
  auto g = [](int toggle, double w, double h) {
    const MoldViewGeometry r = toggleMoldView(toggle, w, h);
    return std::tuple(r.left, r.top, r.width, r.height, r.moldViewLarge);
  };
  EXPECT_EQ(g(0, 12000, 9000), std::tuple(120.0, 9000.0 - 830 - 2331, 11655.0, 2331.0, 1));
  EXPECT_EQ(g(1, 12000, 9000), std::tuple(3000.0, 6480.0, 8775.0, 1755.0, 0));
  EXPECT_EQ(g(0, 200, 3000), std::tuple(120.0, 2170.0, 0.0, 0.0, 1));  // no negative size
}

}  // namespace
}  // namespace kes
