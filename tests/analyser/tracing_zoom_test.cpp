// Tracing, picking and dragging points, the marks, the photo fit and the zoom.

#include <gtest/gtest.h>

#include <cmath>

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
  EXPECT_EQ(t.Y[2][2], 900.0);
  // 10 twips left of the previous point: its x + 200, its height.
  EXPECT_EQ(kes::addPoint(t, z, 2, 990, 100, n), AddResult::MovedRight);
  EXPECT_EQ(n, 3);
  EXPECT_EQ(t.X[2][3], 1200.0);
  EXPECT_EQ(t.Y[2][3], 900.0);
  for (int k = 4; k <= 25; ++k) kes::addPoint(t, z, 2, 1200.0 + 10 * k, 0, n);
  ASSERT_EQ(t.count[2], 25);
  // The 26th press replaces point 25, compared with point 24.
  EXPECT_EQ(kes::addPoint(t, z, 2, 1445, 77, n), AddResult::Stored);  // point 24 sits at 1440
  EXPECT_EQ(n, 25);
  EXPECT_EQ(t.count[2], 25);
  EXPECT_EQ(t.X[2][25], 1445.0);
  EXPECT_EQ(kes::addPoint(t, z, 2, 1400, 77, n), AddResult::MovedRight);
  EXPECT_EQ(t.X[2][25], 1440.0 + 200.0);
  EXPECT_EQ(kes::addPoint(t, z, 0, 1, 1, n), AddResult::Refused);
  EXPECT_EQ(kes::addPoint(t, kes::PhotoZoom{0.0, 0, 0}, 1, 1, 1, n), AddResult::Refused);
  EXPECT_EQ(t.count[1], 0);
}

TEST(Tracing, ZoomedPressesAreStoredInImageUnits) {
  kes::Tracing t;
  const kes::PhotoZoom z{2.5, -2500, -2500};
  int n = 0;
  kes::addPoint(t, z, 1, 3000, 3000, n);
  EXPECT_EQ(t.X[1][1], 2200.0);
  EXPECT_EQ(t.Y[1][1], 2200.0);
  kes::RecordingSurface s;
  kes::DrawTracingMarker(t, z, 1, 1, s);
  kes::DrawCamberPoints(t, z, s);
  ASSERT_EQ(s.ops().size(), 3u);
  EXPECT_EQ(s.ops()[0].kind, kes::DrawOp::Circle);
  EXPECT_EQ(s.ops()[0].x1, 3000.0);
  EXPECT_EQ(s.ops()[0].radius, 100.0);
  EXPECT_EQ(s.ops()[0].colour, kes::kLightGreen);
  EXPECT_EQ(s.ops()[1].kind, kes::DrawOp::Box);
  EXPECT_EQ(s.ops()[1].x1, 2950.0);
  EXPECT_EQ(s.ops()[1].y2, 3050.0);
  EXPECT_EQ(s.ops()[2].kind, kes::DrawOp::Text);
  EXPECT_EQ(s.ops()[2].text, " 1 ");
  EXPECT_EQ(s.ops()[2].x1, 3050.0);
  EXPECT_EQ(s.ops()[2].y1, 3050.0);
}

TEST(Tracing, EditPicksTheNearestPointAndDragsIt) {
  kes::Tracing t;
  t.count[2] = 3;
  t.X[2][3] = 1000, t.Y[2][3] = 1000;
  t.count[4] = 1;
  t.X[4][1] = 1200, t.Y[4][1] = 1000;
  const kes::PhotoZoom z;
  int c = 0, p = 0;
  kes::pickPoint(t, z, 1100, 1000, c, p);  // exactly between: the first wins
  EXPECT_EQ(c, 2);
  EXPECT_EQ(p, 3);
  c = p = 0;
  kes::pickPoint(t, z, 1101, 1000, c, p);
  EXPECT_EQ(c, 4);
  c = p = 0;
  kes::pickPoint(t, z, 1200 + 100000, 1000, c, p);  // 100000 away is never picked
  EXPECT_EQ(c, 0);
  kes::dragPoint(t, kes::PhotoZoom{2, -100, 0}, 4, 1, 500, 700);
  EXPECT_EQ(t.X[4][1], 300.0);
  EXPECT_EQ(t.Y[4][1], 350.0);
  kes::dragPoint(t, z, 0, 0, 1, 1);  // nothing picked moves nothing
  kes::dragPoint(t, z, 4, 2, 1, 1);
  EXPECT_EQ(t.X[4][1], 300.0);

  kes::Tracing none;
  c = p = 0;
  kes::pickPoint(none, z, 0, 0, c, p);
  EXPECT_EQ(c + p, 0);
}

TEST(Tracing, DragShowsStraightLinesAndSquaresOnly) {
  kes::Tracing t;
  t.count[1] = 3;
  for (int j = 1; j <= 3; ++j) t.X[1][j] = 100.0 * j, t.Y[1][j] = 50;
  kes::RecordingSurface s;
  kes::DrawDragLines(t, kes::PhotoZoom{}, s);
  int lines = 0, boxes = 0, texts = 0;
  for (const auto& op : s.ops()) {
    lines += op.kind == kes::DrawOp::Line;
    boxes += op.kind == kes::DrawOp::Box;
    texts += op.kind == kes::DrawOp::Text;
  }
  EXPECT_EQ(lines, 2);
  EXPECT_EQ(boxes, 3);
  EXPECT_EQ(texts, 0);
}

// ---- Fit and zoom ------------------------------------------------------------------

TEST(PhotoZoom, PhotosFitTheBoxByTheirLongerSide) {
  const struct {
    double w, h, width, height;
  } cases[] = {{3000, 2000, 6735, 4490}, {2000, 3000, 4490, 6735}, {500, 500, 6735, 6735}};
  for (const auto& c : cases) {
    const kes::Placement p = kes::fitPhoto(kes::aspectOf(c.w, c.h), 6735, 6735);
    EXPECT_NEAR(p.width, c.width, 1e-3) << c.w;
    EXPECT_NEAR(p.height, c.height, 1e-3) << c.w;
    EXPECT_EQ(p.left + p.top, 0.0);
  }
}

TEST(PhotoZoom, BoxZoomsInEitherWayAndOutAgain) {
  for (const double fromY : {1000.0, 3694.0}) {
    kes::Placement p = kes::fitPhoto(1.5, 6735, 6735);
    kes::PhotoZoom z;
    kes::ZoomBox b;
    kes::startZoomBox(b, 1000, fromY);
    kes::moveZoomBox(b, 2000, 6735, 6735);  // a move on the way
    kes::moveZoomBox(b, fromY == 1000 ? 3694 : 1000, 6735, 6735);
    EXPECT_EQ(b.endX, 3694.0);
    ASSERT_TRUE(kes::zoomIn(b, 6735, p, z));
    EXPECT_EQ(z.scale, 2.5);
    EXPECT_EQ(p.width, 16838.0);  // 16837.5 to the even neighbour
    EXPECT_EQ(p.height, 11225.0);
    EXPECT_EQ(p.left, -2500.0);
    EXPECT_EQ(p.top, -2500.0);
    EXPECT_EQ(z.offsetX, -2500.0);
    EXPECT_EQ(z.offsetY, -2500.0);
    kes::zoomOut(p, z, 6735, 6735, 1.5);
    EXPECT_EQ(p.width, 6735.0);
    EXPECT_NEAR(p.height, 4489.87, 0.005);  // from the rounded proportions
    EXPECT_EQ(z.scale, 1.0);
    EXPECT_EQ(z.offsetX + z.offsetY + p.left + p.top, 0.0);
  }
}

TEST(PhotoZoom, ClickWithoutDragMovesAndTinyBoxesAreCapped) {
  kes::Placement p = kes::fitPhoto(1.5, 6735, 6735);
  kes::PhotoZoom z;
  kes::ZoomBox b;
  kes::startZoomBox(b, 1200, 800);
  ASSERT_TRUE(kes::zoomIn(b, 6735, p, z));
  EXPECT_EQ(z.scale, 1.0);
  EXPECT_EQ(p.width, 6735.0);
  EXPECT_EQ(p.left, -1200.0);
  EXPECT_EQ(p.top, -800.0);
  EXPECT_EQ(z.offsetX, -1200.0);

  for (const double height : {1.0, 0.001}) {
    kes::Placement q = kes::fitPhoto(1.5, 6735, 6735);
    kes::PhotoZoom zq;
    kes::startZoomBox(b, 10, 10);
    kes::moveZoomBox(b, 10 + height, 6735, 6735);
    ASSERT_TRUE(kes::zoomIn(b, 6735, q, zq)) << height;
    EXPECT_NEAR(zq.scale, 32767.0 / 6735.0, 1e-9) << height;
    EXPECT_LE(q.width, 32767.0);
    EXPECT_EQ(q.left, zq.offsetX);
    EXPECT_EQ(q.left, std::nearbyint(-zq.scale * 10));
  }
  // A box far down a tall photo stays within the 16-bit placement too.
  kes::Placement q = kes::fitPhoto(0.5, 6735, 6735);
  kes::PhotoZoom zq;
  kes::startZoomBox(b, 0, 6000);
  kes::moveZoomBox(b, 6100, 6735, 6735);
  ASSERT_TRUE(kes::zoomIn(b, 6735, q, zq));
  EXPECT_GE(q.top, -32768.0);
  EXPECT_NEAR(zq.scale, 32767.0 / 6735.0, 1e-9);
}

}  // namespace
