// Picking and dragging the layout's handles on a hand-built layout.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/recording_surface.h"
#include "view/pick_drag.h"

namespace kes::test {
namespace {

// Seam line k runs level at height 10 k from x = 0 (point 1) to x = 99
// (point 100); the luff and the leech are straight up at x = 0 and x = 99
// with LuffCurve point i at height i and LeechCurve point i at 101 - i. The
// divider falls from seam line 1's point 50 to the foot's point 50.
struct Layout : ::testing::Test {
  SailModel m;
  PanelLayout L;
  RecordingSurface s;
  Layout() {
    L.PanelCount = 4;
    for (int k = 0; k <= 4; ++k) {
      for (int i = 1; i <= 100; ++i) {
        L.SeamLines[k](1, i) = i - 1;
        L.SeamLines[k](2, i) = 10.0 * k;
      }
      L.SeamLuffEnd[k] = 10 * k;
      L.SeamLeechEnd[k] = 101 - 10 * k;
    }
    L.SeamLuffEnd[0] = 1;
    for (int i = 1; i <= 100; ++i) {
      m.LuffCurve(2, i) = i;
      m.LeechCurve(1, i) = 99;
      m.LeechCurve(2, i) = 101 - i;
    }
    L.DividerTopIndex = 50;
    L.DividerFootIndex = 50;
    for (int p = 1; p <= 50; ++p) {
      L.RadialDivider[1][p] = 49;
      L.RadialDivider[2][p] = 10.0 - 10.0 * (p - 1) / 49;
    }
    L.RadialCount[0] = L.RadialCount[1] = 3;
    L.RadialUpperEnd[0][1] = 20;   // seam line 1 at (19, 10)
    L.RadialUpperEnd[0][2] = 125;  // divider point 25
    L.RadialUpperEnd[1][1] = 80;
    L.RadialLowerEnd[0][1] = L.RadialLowerEnd[0][2] = 1;
    L.RadialCount[2] = 2;
    L.RadialLowerEnd[2][1] = 30;  // seam line 1 at (29, 10)
    L.RadialUpperEnd[2][1] = 40;  // seam line 2 at (39, 20)
  }
  bool pick(double x, double y, int unlock = 1, double size = 1.0) {
    s.clear();
    return pickHandle(L, x, y, size, unlock, s);
  }
  int grabs() const {
    return L.GrabLuffSeam + L.GrabLeechSeam + L.GrabRadialSection + L.GrabRadialLower +
           L.GrabRadialUpper + L.GrabDividerTop + L.GrabDividerFoot;
  }
};

TEST_F(Layout, PicksTheNearestHandleWithinTheTolerance) {
  struct Case {
    double x, y;
    int unlock;
    int luff, leech, section, lower, upper, top, foot;
    double dragX, dragY;
  };
  const Case cases[] = {
      {0.5, 20.2, 1, 2, 0, 0, 0, 0, 0, 0, 0, 20},      // seam 2's luff end
      {99, 30.9, 1, 0, 3, 0, 0, 0, 0, 0, 99, 30},      // seam 3's leech end
      {19, 11, 1, 0, 0, 0, 0, 1, 0, 0, 19, 10},        // exactly the tolerance away: held
      {49.2, 5, 1, 0, 0, 0, 0, 2, 0, 0, 49, 10 - 240.0 / 49},  // tack seam 2 on the divider
      {29, 10.5, 1, 0, 0, 2, 1, 0, 0, 0, 29, 10},      // band 2's lower end
      {39, 19.5, 1, 0, 0, 2, 0, 1, 0, 0, 39, 20},      // band 2's upper end
      {49, 10.3, 1, 0, 0, 0, 0, 0, 1, 0, 49, 10},      // divider top (no seam end there)
      {49, 0.4, 1, 0, 0, 0, 0, 0, 0, 1, 49, 0},        // divider foot
      {49, 10.3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},        // locked: radial handles are none
  };
  for (const Case& c : cases) {
    L.DragX = L.DragY = 0;
    const bool held = pick(c.x, c.y, c.unlock);
    EXPECT_EQ(held, grabs() != 0);
    EXPECT_EQ(L.GrabLuffSeam, c.luff) << c.x << "," << c.y;
    EXPECT_EQ(L.GrabLeechSeam, c.leech) << c.x << "," << c.y;
    EXPECT_EQ(L.GrabRadialSection, c.section) << c.x << "," << c.y;
    EXPECT_EQ(L.GrabRadialLower, c.lower) << c.x << "," << c.y;
    EXPECT_EQ(L.GrabRadialUpper, c.upper) << c.x << "," << c.y;
    EXPECT_EQ(L.GrabDividerTop, c.top) << c.x << "," << c.y;
    EXPECT_EQ(L.GrabDividerFoot, c.foot) << c.x << "," << c.y;
    EXPECT_NEAR(L.DragX, c.dragX, 1e-12);
    EXPECT_NEAR(L.DragY, c.dragY, 1e-12);
    // The held seam is highlighted in light green; nothing held draws nothing.
    ASSERT_EQ(s.ops().size(), held ? 2u : 1u);
    if (held) {
      EXPECT_EQ(s.ops()[1].colour, kPickColour);
    }
  }
}

TEST_F(Layout, EqualDistancesGoToTheEarlierCandidate) {
  // Seam 1's luff end at (0, 10) and leech end at (99, 10) are equally far
  // from the middle; a wide tolerance reaches both.
  pick(49.5, 10, 0, 60);
  EXPECT_EQ(L.GrabLuffSeam, 1);
  // A crosscut end before a radial end on the same point.
  L.RadialUpperEnd[0][1] = 1;  // seam line 1's point 1, (0, 10): seam 1's luff end
  pick(0, 10.5);
  EXPECT_EQ(L.GrabLuffSeam, 1);
  EXPECT_EQ(L.GrabRadialUpper, 0);
  // A band's lower end before its upper end on the same point.
  L.SeamLines[2](2, 30) = 10;  // seam line 2's point 30 brought down onto (29, 10)
  L.RadialUpperEnd[2][1] = 30;
  pick(29, 10.2);
  EXPECT_EQ(L.GrabRadialLower, 1);
  // Radial ends before the divider's ends.
  L.RadialUpperEnd[0][2] = 101;  // divider point 1, the divider's top end
  pick(49, 10.2);
  EXPECT_EQ(L.GrabRadialUpper, 2);
  EXPECT_EQ(L.GrabDividerTop, 0);
}

TEST_F(Layout, NoBandOrNoLineNothingToPick) {
  L.PanelCount = 1;  // no inner seam; the fans' ends still hold
  EXPECT_TRUE(pick(19, 10.1));
  L.PanelCount = 0;  // no band: no radial handle
  EXPECT_FALSE(pick(19, 10.1));
  L.PanelCount = 4;
  L.RadialUpperEnd[0][1] = 175;  // no point: not a candidate
  L.RadialUpperEnd[0][2] = -4;
  EXPECT_FALSE(pick(19, 10.1));
  L.RadialCount[0] = 900;  // a count beyond the arrays reads only what exists
  EXPECT_FALSE(pick(200, 200));
}

// A luff end dragged past its neighbour stops on the neighbour's point; the
// marker and the white rubber line are drawn twice with the exclusive-or pen
// and the copy pen is put back.
TEST_F(Layout, LuffEndStopsAtItsNeighbour) {
  pick(0, 20);  // seam 2's luff end, luff point 20
  for (double y : {25.0, 31.0, 45.0, 70.0}) {
    s.clear();
    dragHandle(L, m, 0, y, 1.0, s);
  }
  EXPECT_EQ(L.SeamLuffEnd[2], 30);  // seam 3's luff end
  EXPECT_EQ(L.DragY, 30);
  const std::vector<DrawOp>& ops = s.ops();
  ASSERT_EQ(ops.size(), 5u);
  EXPECT_EQ(ops[1].kind, DrawOp::Box);
  EXPECT_EQ(ops[1].colour, kMarkerColour);
  EXPECT_EQ(ops[2].colour, kRubberColour);
  EXPECT_EQ(ops[2].x2, 99);  // to the seam's leech end
  EXPECT_EQ(ops[4].x1, -1);  // the marker round (0, 30), half side 1
  EXPECT_EQ(ops[4].y2, 31);
  for (std::size_t k = 1; k < ops.size(); ++k) EXPECT_EQ(ops[k].mode, kDrawXorPen);
  EXPECT_EQ(s.drawMode(), kDrawCopyPen);

  // Downwards it stops on seam 1's end; the leech end likewise between its
  // neighbours (leech indices run from the head).
  dragHandle(L, m, 0, -50, 1.0, s);
  EXPECT_EQ(L.SeamLuffEnd[2], 10);
  pick(99, 30.5);  // seam 3's leech end, leech point 71 at height 30
  dragHandle(L, m, 99, 90, 1.0, s);
  EXPECT_EQ(L.SeamLeechEnd[3], 61);  // seam 4's leech end at height 40
}

// Fractional neighbours: the search steps from the lower neighbour's end by
// whole steps and keeps the fraction; an index is the end rounded half to
// even. Neighbours in reversed order leave the end where it was.
TEST_F(Layout, LuffEndBetweenFractionalOrReversedNeighbours) {
  L.SeamLuffEnd[1] = 12.5;
  pick(0, 20);
  dragHandle(L, m, 0, 13.2, 1.0, s);
  EXPECT_EQ(L.SeamLuffEnd[2], 13.5);  // point 14 at height 14, nearest 13.2 of 12, 14, 14, ...
  L.SeamLuffEnd[1] = 40;
  dragHandle(L, m, 0, 5, 1.0, s);
  EXPECT_EQ(L.SeamLuffEnd[2], 13.5);
  L.SeamLuffEnd[1] = -1e300;  // from a file: the points that exist are searched
  dragHandle(L, m, 0, 2, 1.0, s);
  EXPECT_EQ(L.SeamLuffEnd[2], 2);
}

// A tack fan's outer end passes from seam line 1 onto the divider: its code
// turns from a point index into 100 + the divider point; seam line 1's
// point DividerTopIndex and divider point 1 are one place, and the seam-line
// code wins there.
TEST_F(Layout, FanEndCrossesOntoTheDivider) {
  pick(19, 10.2);
  ASSERT_EQ(L.GrabRadialUpper, 1);
  dragHandle(L, m, 30, 10.4, 1.0, s);
  EXPECT_EQ(L.RadialUpperEnd[0][1], 31);
  dragHandle(L, m, 60, 10, 1.0, s);  // beyond the divider's top along line 1: stops there
  EXPECT_EQ(L.RadialUpperEnd[0][1], 50);
  dragHandle(L, m, 49.5, 3, 1.0, s);
  EXPECT_EQ(L.RadialUpperEnd[0][1], 100 + 35);  // divider point 35 at height 3.06
  EXPECT_NEAR(L.DragY, 10 - 340.0 / 49, 1e-12);
  // The clew fan searches line 1 from the leech end down to the divider's top.
  pick(79, 10.2);
  dragHandle(L, m, 10, 10, 1.0, s);
  EXPECT_EQ(L.RadialUpperEnd[1][1], 50);
}

TEST_F(Layout, BandAndDividerEnds) {
  pick(39, 20.2);  // band 2's upper end
  dragHandle(L, m, 70.4, 25, 1.0, s);
  EXPECT_EQ(L.RadialUpperEnd[2][1], 71);  // along the whole of seam line 2
  pick(49, 10.3);
  ASSERT_EQ(L.GrabDividerTop, 1);
  dragHandle(L, m, 0, 10, 1.0, s);
  EXPECT_EQ(L.DividerTopIndex, 10);  // kept within 10..90
  pick(49, 0.2);
  dragHandle(L, m, 99, 0, 1.0, s);
  EXPECT_EQ(L.DividerFootIndex, 90);
  EXPECT_TRUE(holdsDivider(L));
}

// A move with nothing held draws the marker twice at the same place.
TEST_F(Layout, MoveWithNothingHeld) {
  pick(500, 500);
  L.DragX = 3;
  L.DragY = 4;
  s.clear();
  const PanelLayout before = L;
  dragHandle(L, m, 10, 10, 1.0, s);
  ASSERT_EQ(s.ops().size(), 3u);
  EXPECT_EQ(s.ops()[1].x1, s.ops()[2].x1);
  EXPECT_EQ(L.SeamLuffEnd[2], before.SeamLuffEnd[2]);
  EXPECT_EQ(L.DragX, 3);
}

}  // namespace
}  // namespace kes::test
