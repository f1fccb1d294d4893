// Picking and dragging the layout's handles on a hand-built layout.

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

#include "platform/recording_surface.h"
#include "view/pick_drag.h"

namespace kes::test {
namespace {

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
}  // namespace kes::test
