// What the plan view and the section strip under it draw for a known sail, in
// which colour and order, and what they leave out; and the strip's "View" size.
// How the view moves: the turn of a known point about each axis, the steps
// and angles the buttons and bars give, Label40's caption; the zoom box
// through press, drag and release, the full view, and which branch a mouse
// event takes; and picking and dragging the layout's handles on a
// hand-built layout.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "view/pick_drag.h"
#include "view/plan_view.h"
#include "view/rotation.h"
#include "view/section_view.h"
#include "view/zoom.h"
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
  // Each step runs from one station's draft point to the next station's.
  const Curve& s4 = m.MoldSections[4];
  expectLine(draft.at(4), s4(1, 44), s4(2, 44), s5(1, 47), s5(2, 47), 9);
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

// ---- Moving the view ---------------------------------------------------------------


using Turn = void (*)(SailModel&, double&);

TEST(Rotation, AboutEachAxisTurnsEveryViewCurveAndTheMoldSections) {
  const double t = 30 * kPi / 180, cs = std::cos(t), sn = std::sin(t);
  const struct { Turn rotate; double SailModel::*angle; double want[3]; } cases[] = {
      {rotateViewAboutX, &SailModel::ViewAngleX, {1, 2 * cs + 3 * sn, 3 * cs - 2 * sn}},
      {rotateViewAboutY, &SailModel::ViewAngleY, {1 * cs + 3 * sn, 2, 3 * cs - 1 * sn}},
      // A positive step about the viewing axis turns the drawing clockwise.
      {rotateViewAboutZ, &SailModel::ViewAngleZ, {1 * cs + 2 * sn, 2 * cs - 1 * sn, 3}},
  };
  for (const auto& c : cases) {
    SailModel m = test::knownSail();
    // Point 7 at (1, 2, 3) on turned curves and on station 6, which never turns.
    Curve* curves[] = {&m.LuffView, &m.HeadView, &m.LeechView, &m.FootView,
                       &m.MoldSections[0], &m.MoldSections[5], &m.MoldSections[6]};
    for (Curve* v : curves) std::tie((*v)(1, 7), (*v)(2, 7), (*v)(3, 7)) = std::tuple(1, 2, 3);
    double step = 30;
    c.rotate(m, step);
    EXPECT_DOUBLE_EQ(step, t);  // the step is left in radians
    EXPECT_EQ(m.*c.angle, 30);
    for (int k = 0; k < 7; ++k)
      for (int d = 1; d <= 3; ++d)
        EXPECT_NEAR((*curves[k])(d, 7), k < 6 ? c.want[d - 1] : d, 1e-12) << k << d;
    EXPECT_EQ(m.LeechCurve(1, 50), test::knownSail().LeechCurve(1, 50));  // the model's own stay
  }
}

TEST(Rotation, ButtonsAndBarsStepTheAnglesLabel40ShowsThemAndANonFiniteStepTurnsNothing) {
  SailModel m = test::knownSail();
  double step = 5;
  for (int i = 0; i < 3; ++i) pressViewZ(m, step, 1);
  const double z = m.ViewAngleZ;
  pressViewZ(m, step, 2);
  EXPECT_EQ(std::tuple(z, m.ViewAngleZ), std::tuple(6, 4));
  // The bars set absolute angles; the change event that ends a drag steps by 0.
  for (int angle : {30, 30}) scrollViewY(m, step, angle);
  EXPECT_EQ(step, 0);
  scrollViewX(m, step, 5);
  EXPECT_EQ(viewAnglesCaption(m), " 30    5    4");
  std::tie(m.ViewAngleY, m.ViewAngleX, m.ViewAngleZ) = std::tuple(10, 0, -2);
  EXPECT_EQ(viewAnglesCaption(m), " 10    0   -2");

  const double x = m.LeechView(1, 40);
  rotateViewAboutY(m, step = std::numeric_limits<double>::infinity());  // turns nothing
  EXPECT_EQ(std::tuple(m.ViewAngleY, m.LeechView(1, 40)), std::tuple(10.0, x));
}

TEST(Rotation, RecallTurnsAboutTheVerticalAxisFirstThenByZeroWithoutARecompute) {
  SailModel m = test::knownSail();
  double step = 0;
  recallView(m, step, 30, 20);
  EXPECT_EQ(viewAnglesCaption(m), " 30    20    0");
  // The aft head corner (10, 100, 0): z = -10 sin 30 after the first turn, then
  // y = 100 cos 20 + z sin 20. The other order would leave 100 cos 20.
  const double b = 20 * kPi / 180, y = m.HeadView(2, 100);
  EXPECT_NEAR(y, 100 * std::cos(b) - 5 * std::sin(b), 1e-6);
  recallView(m, step, 30, 20);
  EXPECT_EQ(std::tuple(step, m.HeadView(2, 100)), std::tuple(0.0, y));
}

TEST(Zoom, DragRedrawsTheBoxWithTheExclusiveOrPenAndAFlatBoxIsRefused) {
  RecordingSurface pic{6000, 4000};  // the box is 1.5 times as wide as high
  pic.setForeColor(15);
  ZoomState z;
  zoomPress(z, 10, 40);
  zoomMove(z, pic, 30);  // down by 10: width 15
  pic.clear();
  zoomMove(z, pic, 20);  // down by 20: width 30
  // The old box erased, the new box drawn, then the label at the start point.
  using Ops = std::vector<std::tuple<DrawOp::Kind, int, int, double, double, double, double>>;
  Ops ops;
  for (const DrawOp& o : pic.ops()) ops.emplace_back(o.kind, o.colour, o.mode, o.x1, o.y1, o.x2, o.y2);
  ASSERT_EQ(ops.size(), 5u);
  EXPECT_EQ(Ops(ops.begin() + 1, ops.end() - 1), (Ops{{DrawOp::Box, 3, kDrawXorPen, 10, 40, 25, 30},
      {DrawOp::Box, 3, kDrawXorPen, 10, 40, 40, 20}, {DrawOp::Point, 15, kDrawXorPen, 10, 40, 10, 40}}));
  EXPECT_EQ(std::tuple(pic.ops()[4].text, pic.drawMode()), std::tuple("Zoom", kDrawCopyPen));

  pic.setSizeTwips(6000, 0);
  zoomMove(z, pic, 40);  // back level with the start point: no height, the width stays
  EXPECT_EQ(z.ZoomX2, 40.0f);
  EXPECT_EQ(zoomRelease(z, pic), ZoomOutcome::Refused);  // a flat box: the scale stays
  expectScale(pic, 0, 0, 1, 1);
}

TEST(Zoom, ReleaseSetsTheBoxWithYUpOrAsksForTheRecompute) {
  const struct { std::vector<double> moves; ZoomOutcome outcome; double l, t, r, b; } cases[] = {
      {{30, 20}, ZoomOutcome::Zoomed, 10, 40, 40, 20},
      {{55, 60}, ZoomOutcome::Zoomed, 10, 60, 40, 40},  // upward: as down from 60 to 40
      {{}, ZoomOutcome::FullViewByRecompute, -5, 105, 70, -5},  // a click without a drag
      {{39.5}, ZoomOutcome::FullViewByRecompute, -5, 105, 70, -5},  // 0.75 wide
  };
  for (const auto& c : cases) {
    RecordingSurface pic{6000, 4000};
    pic.setScale(-5, 105, 70, -5);
    ZoomState z;
    zoomPress(z, 10, 40);
    for (double y : c.moves) zoomMove(z, pic, y);
    EXPECT_EQ(zoomRelease(z, pic), c.outcome);
    expectScale(pic, c.l, c.t, c.r, c.b);
  }
}

TEST(FullView, ScaleFromHeadHeightClewRoundAndBendAndNoWidthRefused) {
  SailModel m;  // head height 100, clew at 50, round 4, bend 3
  std::tie(m.HeadCurve(2, 100), m.FootCurve(1, 1), m.FootRound, m.AftBend) = std::tuple(100, 50, 4, 3);
  RecordingSurface pic;
  ASSERT_TRUE(applyFullView(m, pic));
  // Shifted by T = ((100 + 4) - (50 + 3)) / 2 = 25.5 to centre the sail.
  expectScale(pic, -3 - 1 - 25.5, 101, 1.06 * (100 - 4) + 1 - 25.5, -5);

  SailModel flat;  // head height 0, no round: width 1.06 x 0 + 2 + AftBend
  flat.AftBend = -2;
  EXPECT_FALSE(applyFullView(flat, pic));
  EXPECT_EQ(pic.scaleTop(), 101);  // the last good scale stays
}

TEST(MouseBranch, LeftInPanelsHandlesRightZoomsEverywhereBothHeldDoNothing) {
  using enum MouseBranch;  // button 3: left and right held together
  EXPECT_EQ(std::tuple(mouseBranch(true, 1), mouseBranch(false, 1), mouseBranch(true, 2),
                       mouseBranch(false, 2), mouseBranch(true, 3)),
            std::tuple(Handle, None, Zoom, Zoom, None));
}

// ---- Picking and dragging handles -----------------------------------------------

// Seam line k runs level at height 10 k from x = 0 (point 1) to x = 99
// (point 100); the luff and the leech stand straight up at x = 0 and x = 99,
// LuffCurve point i at height i, LeechCurve point i at 101 - i. The divider
// falls from seam line 1's point 50 to the foot's point 50. Tack fan seam 1
// ends on line 1 at (19, 10), seam 2 on divider point 25; band 2's seam runs
// from line 1 at (29, 10) to line 2 at (39, 20).
struct Layout : ::testing::Test {
  SailModel m;
  PanelLayout L;
  RecordingSurface s;
  Layout() {
    L.PanelCount = 4;
    for (int k = 0; k <= 4; ++k) {
      for (int i = 1; i <= 100; ++i) std::tie(L.SeamLines[k](1, i), L.SeamLines[k](2, i)) = std::tuple(i - 1, 10 * k);
      std::tie(L.SeamLuffEnd[k], L.SeamLeechEnd[k]) = std::tuple(k == 0 ? 1 : 10 * k, 101 - 10 * k);
    }
    for (int i = 1; i <= 100; ++i) std::tie(m.LuffCurve(2, i), m.LeechCurve(1, i), m.LeechCurve(2, i)) = std::tuple(i, 99, 101 - i);
    L.DividerTopIndex = L.DividerFootIndex = 50;
    for (int p = 1; p <= 50; ++p) std::tie(L.RadialDivider[1][p], L.RadialDivider[2][p]) = std::tuple(49, 10.0 - 10.0 * (p - 1) / 49);
    std::tie(L.RadialCount[0], L.RadialCount[1], L.RadialCount[2]) = std::tuple(3, 3, 2);
    std::tie(L.RadialUpperEnd[0][1], L.RadialUpperEnd[0][2], L.RadialUpperEnd[1][1]) = std::tuple(20, 125, 80);
    std::tie(L.RadialLowerEnd[2][1], L.RadialUpperEnd[2][1]) = std::tuple(30, 40);
  }
  bool pick(double x, double y, int unlock = 1, double size = 1.0) {
    s.clear();
    return pickHandle(L, x, y, size, unlock, s);
  }
  void drag(double x, double y) { dragHandle(L, m, x, y, 1.0, s); }
  // luff, leech, section, lower, upper, divider top, divider foot
  std::array<int, 7> grabs() const {
    return {L.GrabLuffSeam, L.GrabLeechSeam, L.GrabRadialSection, L.GrabRadialLower,
            L.GrabRadialUpper, L.GrabDividerTop, L.GrabDividerFoot};
  }
};

TEST_F(Layout, PicksTheNearestHandleWithinTheTolerance) {
  const struct { double x, y; int unlock; std::array<int, 7> grab; double dragX, dragY; } cases[] = {
      {0.5, 20.2, 1, {2, 0, 0, 0, 0, 0, 0}, 0, 20},                  // seam 2's luff end
      {19, 11, 1, {0, 0, 0, 0, 1, 0, 0}, 19, 10},                    // exactly the tolerance away: held
      {49.2, 5, 1, {0, 0, 0, 0, 2, 0, 0}, 49, 10 - 240.0 / 49},      // tack seam 2 on the divider
      {29, 10.5, 1, {0, 0, 2, 1, 0, 0, 0}, 29, 10},                  // band 2's lower end
      {49, 10.3, 1, {0, 0, 0, 0, 0, 1, 0}, 49, 10},                  // divider top
      {49, 0.4, 1, {0, 0, 0, 0, 0, 0, 1}, 49, 0},                    // divider foot
      {49, 10.3, 0, {}, 7, 7},                                       // locked: no radial handle
  };
  for (const auto& c : cases) {
    L.DragX = L.DragY = 7;
    const bool held = pick(c.x, c.y, c.unlock);
    EXPECT_EQ(grabs(), c.grab) << c.x << "," << c.y;
    EXPECT_NEAR(L.DragX, c.dragX, 1e-12);
    EXPECT_NEAR(L.DragY, c.dragY, 1e-12);
    // The held seam is highlighted in light green; nothing held draws nothing.
    ASSERT_EQ(s.ops().size(), held ? 2u : 1u);
    EXPECT_EQ(held ? s.ops()[1].colour : kPickColour, kPickColour);
  }
}

// Of equally near handles the earlier candidate wins: a luff end before a
// leech end, a crosscut end before a radial end, a band's lower end before
// its upper end, radial ends before the divider's.
TEST_F(Layout, EqualDistancesGoToTheEarlierCandidate) {
  pick(49.5, 10, 0, 60);  // seam 1's luff end (0, 10) and leech end (99, 10)
  EXPECT_EQ(L.GrabLuffSeam, 1);
  L.RadialUpperEnd[0][1] = 1;  // onto seam 1's luff end
  pick(0, 10.5);
  EXPECT_EQ(std::tuple(L.GrabLuffSeam, L.GrabRadialUpper), std::tuple(1, 0));
  // Band 2's upper end brought down onto its lower end (29, 10).
  std::tie(L.SeamLines[2](2, 30), L.RadialUpperEnd[2][1]) = std::tuple(10, 30);
  pick(29, 10.2);
  EXPECT_EQ(L.GrabRadialLower, 1);
  L.RadialUpperEnd[0][2] = 101;  // onto the divider's top end
  pick(49, 10.2);
  EXPECT_EQ(std::tuple(L.GrabRadialUpper, L.GrabDividerTop), std::tuple(2, 0));
}

// A luff end dragged past its neighbour stops on the neighbour's end; the
// marker and the white rubber line are drawn twice with the exclusive-or pen
// and the copy pen is put back. Leech ends likewise (indices from the head).
TEST_F(Layout, EndStopsAtItsNeighbour) {
  pick(0, 20);  // seam 2's luff end
  for (double y : {25.0, 31.0, 45.0, 70.0}) {
    s.clear();
    drag(0, y);
  }
  EXPECT_EQ(std::tuple(L.SeamLuffEnd[2], L.DragY), std::tuple(30, 30));  // seam 3's luff end
  const std::vector<DrawOp>& ops = s.ops();
  ASSERT_EQ(ops.size(), 5u);
  EXPECT_EQ(std::tuple(ops[1].kind, ops[1].colour, ops[2].colour, ops[2].x2, ops[4].x1, ops[4].y2),
            std::tuple(DrawOp::Box, kMarkerColour, kRubberColour, 99, -1, 31));  // marker round (0, 30)
  for (std::size_t k = 1; k < ops.size(); ++k) EXPECT_EQ(ops[k].mode, kDrawXorPen);
  EXPECT_EQ(s.drawMode(), kDrawCopyPen);
  drag(0, -50);
  EXPECT_EQ(L.SeamLuffEnd[2], 10);
  pick(99, 30.5);  // seam 3's leech end, leech point 71 at height 30
  drag(99, 90);
  EXPECT_EQ(L.SeamLeechEnd[3], 61);  // seam 4's leech end at height 40

  // Between fractional neighbours the search steps from the lower one's end
  // and keeps the fraction (13.5 indexes point 14, nearest 13.2).
  L.SeamLuffEnd[1] = 12.5;
  pick(0, 20);
  drag(0, 13.2);
  EXPECT_EQ(L.SeamLuffEnd[2], 13.5);
}

// A tack fan's outer end passes from seam line 1 onto the divider: its code
// turns from a point index into 100 + the divider point; seam line 1's
// point DividerTopIndex keeps the seam-line code. Band ends run along their
// whole line, divider ends within 10..90; the clew fan searches line 1 from
// the leech end down to the divider's top.
TEST_F(Layout, FanBandAndDividerEnds) {
  pick(19, 10.2);
  // Along line 1, held at the divider's top point, then divider point 35 at height 3.06.
  for (const auto& [x, y, code] : {std::tuple(30.0, 10.4, 31), std::tuple(60.0, 10.0, 50), std::tuple(49.5, 3.0, 135)}) {
    drag(x, y);
    EXPECT_EQ(L.RadialUpperEnd[0][1], code) << x;
  }
  EXPECT_NEAR(L.DragY, 10 - 340.0 / 49, 1e-12);
  pick(39, 20.2);
  drag(70.4, 25);
  EXPECT_EQ(L.RadialUpperEnd[2][1], 71);
  pick(49, 10.3);
  drag(0, 10);
  pick(49, 0.2);
  drag(99, 0);
  EXPECT_EQ(std::tuple(L.DividerTopIndex, L.DividerFootIndex, holdsDivider(L)), std::tuple(10, 90, true));
  pick(79, 10.2);
  drag(0, 10);
  EXPECT_EQ(L.RadialUpperEnd[1][1], 10);  // stops at the moved divider's top
}

// What a panel file or a bad count may leave: ends and codes with no point
// are not candidates, counts beyond the arrays read only what exists, no
// band offers no radial handle, reversed or huge neighbours leave the end or
// search only the points that exist; a move with nothing held moves nothing.
TEST_F(Layout, BadEndsAndCountsNeitherPickNorMoveOutsideTheArrays) {
  const bool oneBand = (L.PanelCount = 1, pick(19, 10.1));  // no inner seam; the fans' ends still hold
  const bool noBand = (L.PanelCount = 0, pick(19, 10.1));
  EXPECT_EQ(std::tuple(oneBand, noBand), std::tuple(true, false));
  L.PanelCount = 4;
  std::tie(L.RadialUpperEnd[0][1], L.RadialUpperEnd[0][2]) = std::tuple(175, -4);
  EXPECT_FALSE(pick(19, 10.1));
  L.RadialLowerEnd[2][1] = -1;  // before the line's first point: read unchecked, (0, 99)
  EXPECT_FALSE(pick(0, 99.5));
  L.RadialCount[0] = 900;
  EXPECT_FALSE(pick(200, 200));
  drag(L.DragX = 3, 10);
  EXPECT_EQ(std::tuple(L.SeamLuffEnd[2], L.DragX), std::tuple(20, 3));

  pick(0, 20);
  for (const auto& [below, y, kept] : {std::tuple(40.0, 5.0, 20.0), std::tuple(-1e300, 2.0, 2.0)}) {
    L.SeamLuffEnd[1] = below;  // neighbours in reversed order, then a huge one
    drag(0, y);
    EXPECT_EQ(L.SeamLuffEnd[2], kept) << below;
  }
}

}  // namespace
}  // namespace kes
