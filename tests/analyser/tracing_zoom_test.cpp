// Tracing, picking and dragging points, the marks, the photo fit and the zoom.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "analyser/photo_zoom.h"
#include "analyser/tracing.h"
#include "platform/recording_surface.h"

namespace {

using kes::AddResult;

TEST(Tracing, PressesAddPointsLeftToRight) {
  kes::Tracing t;
  const kes::PhotoZoom z;
  int n = 0;
  EXPECT_EQ(kes::addPoint(t, z, 2, 1000, 500, n), AddResult::Stored);
  EXPECT_EQ(kes::addPoint(t, z, 2, 1000, 900, n), AddResult::Stored);  // equal x passes
  // 10 twips left of the previous point: its x + 200, its height.
  EXPECT_EQ(kes::addPoint(t, z, 2, 990, 100, n), AddResult::MovedRight);
  EXPECT_TRUE(n == 3 && t.X[2][3] == 1200 && t.Y[2][3] == 900);
  for (int k = 4; k <= 25; ++k) kes::addPoint(t, z, 2, 1200.0 + 10 * k, 0, n);
  // The 26th press replaces point 25, compared with point 24 (at 1440).
  EXPECT_EQ(kes::addPoint(t, z, 2, 1445, 77, n), AddResult::Stored);
  EXPECT_TRUE(t.count[2] == 25 && t.X[2][25] == 1445);
  EXPECT_EQ(kes::addPoint(t, z, 2, 1400, 77, n), AddResult::MovedRight);
  EXPECT_EQ(t.X[2][25], 1440.0 + 200.0);
  EXPECT_EQ(kes::addPoint(t, z, 0, 1, 1, n), AddResult::Refused);
  EXPECT_TRUE(kes::addPoint(t, kes::PhotoZoom{0.0, 0, 0}, 1, 1, 1, n) == AddResult::Refused && t.count[1] == 0);
}

TEST(Tracing, ZoomedPressesAreStoredInImageUnitsAndMarkedInTwips) {
  kes::Tracing t;
  const kes::PhotoZoom z{2.5, -2500, -2500};
  int n = 0;
  kes::addPoint(t, z, 1, 3000, 3000, n);
  kes::addPoint(t, z, 1, 3500, 3000, n);
  EXPECT_TRUE(t.X[1][1] == 2200 && t.Y[1][1] == 2200);
  kes::RecordingSurface s;
  kes::DrawTracingMarker(t, z, 1, 1, s);
  kes::DrawCamberPoints(t, z, s);
  const auto& ops = s.ops();
  ASSERT_EQ(ops.size(), 4u);  // the marker, two squares, the number at the last one
  EXPECT_TRUE(ops[0].kind == kes::DrawOp::Circle && ops[0].radius == 100 && ops[0].colour == kes::kLightGreen);
  EXPECT_TRUE(ops[1].kind == kes::DrawOp::Box && ops[1].x1 == 2950);
  EXPECT_TRUE(ops[3].text == " 1 " && ops[3].x1 == 3550);  // the number at the last square's corner
}

TEST(Tracing, EditPicksTheNearestPointAndDragsIt) {
  kes::Tracing t;
  t.count[2] = 3, t.X[2][3] = 1000, t.Y[2][3] = 1000;
  t.count[4] = 1, t.X[4][1] = 1200, t.Y[4][1] = 1000;
  const kes::PhotoZoom z;
  // Exactly between: the first wins; 100000 away is never picked.
  for (const auto& [x, camber] : {std::pair{1100.0, 2}, {1101.0, 4}, {101200.0, 0}}) {
    int c = 0, p = 0;
    kes::pickPoint(t, z, x, 1000, c, p);
    EXPECT_EQ(c, camber) << x;
  }
  kes::dragPoint(t, kes::PhotoZoom{2, -100, 0}, 4, 1, 500, 700);
  EXPECT_TRUE(t.X[4][1] == 300 && t.Y[4][1] == 350);
  kes::dragPoint(t, z, 0, 0, 1, 1);  // nothing picked moves nothing
  kes::dragPoint(t, z, 4, 2, 1, 1);
  EXPECT_EQ(t.X[4][1], 300.0);
}

// ---- Fit and zoom ------------------------------------------------------------------

TEST(PhotoZoom, PhotosFitByTheLongerSideAndTheBoxZoomsInEitherWayAndOutAgain) {
  EXPECT_NEAR(kes::fitPhoto(kes::aspectOf(2000, 3000), 6735, 6735).width, 4490, 1e-3);
  for (const double fromY : {1000.0, 3694.0}) {
    kes::Placement p = kes::fitPhoto(kes::aspectOf(3000, 2000), 6735, 6735);
    EXPECT_NEAR(p.height, 4490, 1e-3);
    kes::PhotoZoom z;
    kes::ZoomBox b;
    kes::startZoomBox(b, 1000, fromY);
    kes::moveZoomBox(b, 2000, 6735, 6735);  // a move on the way
    kes::moveZoomBox(b, fromY == 1000 ? 3694 : 1000, 6735, 6735);
    ASSERT_TRUE(kes::zoomIn(b, 6735, p, z));
    // 16837.5 to the even neighbour.
    EXPECT_TRUE(z.scale == 2.5 && p.width == 16838 && p.height == 11225) << fromY;
    EXPECT_TRUE(p.left == -2500 && p.top == -2500 && z.offsetX == -2500 && z.offsetY == -2500);
    kes::zoomOut(p, z, 6735, 6735, 1.5);
    EXPECT_NEAR(p.height, 4489.87, 0.005);  // from the rounded proportions
    EXPECT_TRUE(p.width == 6735 && z.scale == 1 && z.offsetX + z.offsetY + p.left + p.top == 0);
  }
  // The width is the height times the box's width, then over its height.
  kes::ZoomBox b;
  kes::startZoomBox(b, 0, 0);
  kes::moveZoomBox(b, 5, 1, 3);
  EXPECT_EQ(b.endX, 5.0 / 3.0);
}

TEST(PhotoZoom, ClickWithoutDragMovesAndTinyBoxesAreCapped) {
  kes::Placement p = kes::fitPhoto(1.5, 6735, 6735);
  kes::PhotoZoom z;
  kes::ZoomBox b;
  kes::startZoomBox(b, 1200, 800);
  ASSERT_TRUE(kes::zoomIn(b, 6735, p, z));
  EXPECT_TRUE(z.scale == 1 && p.width == 6735 && p.left == -1200 && p.top == -800 && z.offsetX == -1200);

  // Tiny boxes, and one far down a tall photo: the scale stays where the
  // rounded placement fits in 16 bits.
  const struct {
    double aspect, x, y, height;
  } cases[] = {{1.5, 10, 10, 1.0}, {1.5, 10, 10, 0.001}, {0.5, 0, 6000, 100}};
  for (const auto& c : cases) {
    kes::Placement q = kes::fitPhoto(c.aspect, 6735, 6735);
    kes::PhotoZoom zq;
    kes::startZoomBox(b, c.x, c.y);
    kes::moveZoomBox(b, c.y + c.height, 6735, 6735);
    ASSERT_TRUE(kes::zoomIn(b, 6735, q, zq)) << c.height;
    EXPECT_NEAR(zq.scale, 32767.0 / 6735.0, 1e-9) << c.height;
    EXPECT_TRUE(std::max(q.width, q.height) <= 32767 && std::min(q.left, q.top) >= -32768) << c.height;
  }
}

}  // namespace
