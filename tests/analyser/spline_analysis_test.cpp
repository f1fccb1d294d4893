// Tracing, picking and dragging points, the marks, the photo fit and the
// zoom; the analyser's spline and the camber analysis on the worked cambers.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "analyser/camber_analysis.h"
#include "analyser/camber_spline.h"
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

// A zoom box pressed at (x, y) and moved through each height in turn.
kes::ZoomBox boxFrom(double x, double y, std::initializer_list<double> moves, double w = 6735, double h = 6735) {
  kes::ZoomBox b;
  kes::startZoomBox(b, x, y);
  for (double to : moves) kes::moveZoomBox(b, to, w, h);
  return b;
}

TEST(PhotoZoom, PhotosFitByTheLongerSideAndTheBoxZoomsInEitherWayAndOutAgain) {
  EXPECT_NEAR(kes::fitPhoto(kes::aspectOf(2000, 3000), 6735, 6735).width, 4490, 1e-3);
  for (const double fromY : {1000.0, 3694.0}) {
    kes::Placement p = kes::fitPhoto(kes::aspectOf(3000, 2000), 6735, 6735);
    EXPECT_NEAR(p.height, 4490, 1e-3);
    kes::PhotoZoom z;
    const kes::ZoomBox b = boxFrom(1000, fromY, {2000, fromY == 1000 ? 3694.0 : 1000.0});  // a move on the way
    ASSERT_TRUE(kes::zoomIn(b, 6735, p, z));
    // 16837.5 to the even neighbour.
    EXPECT_TRUE(z.scale == 2.5 && p.width == 16838 && p.height == 11225) << fromY;
    EXPECT_TRUE(p.left == -2500 && p.top == -2500 && z.offsetX == -2500 && z.offsetY == -2500);
    kes::zoomOut(p, z, 6735, 6735, 1.5);
    EXPECT_NEAR(p.height, 4489.87, 0.005);  // from the rounded proportions
    EXPECT_TRUE(p.width == 6735 && z.scale == 1 && z.offsetX + z.offsetY + p.left + p.top == 0);
  }
  // The width is the height times the box's width, then over its height.
  EXPECT_EQ(boxFrom(0, 0, {5}, 1, 3).endX, 5.0 / 3.0);
}

TEST(PhotoZoom, ClickWithoutDragMovesAndTinyBoxesAreCapped) {
  kes::Placement p = kes::fitPhoto(1.5, 6735, 6735);
  kes::PhotoZoom z;
  ASSERT_TRUE(kes::zoomIn(boxFrom(1200, 800, {}), 6735, p, z));
  EXPECT_TRUE(z.scale == 1 && p.width == 6735 && p.left == -1200 && p.top == -800 && z.offsetX == -1200);

  // Tiny boxes, and one far down a tall photo: the scale stays where the
  // rounded placement fits in 16 bits.
  const struct {
    double aspect, x, y, height;
  } cases[] = {{1.5, 10, 10, 1.0}, {1.5, 10, 10, 0.001}, {0.5, 0, 6000, 100}};
  for (const auto& c : cases) {
    kes::Placement q = kes::fitPhoto(c.aspect, 6735, 6735);
    kes::PhotoZoom zq;
    ASSERT_TRUE(kes::zoomIn(boxFrom(c.x, c.y, {c.y + c.height}), 6735, q, zq)) << c.height;
    EXPECT_NEAR(zq.scale, 32767.0 / 6735.0, 1e-9) << c.height;
    EXPECT_TRUE(std::max(q.width, q.height) <= 32767 && std::min(q.left, q.top) >= -32768) << c.height;
  }
}

// ---- Camber spline -----------------------------------------------------------------

using kes::CamberSpline;
using Knots = std::initializer_list<std::pair<double, double>>;
const Knots kWorked = {{500, 1000}, {1200, 720}, {2480, 1000}};

int load(CamberSpline& w, Knots knots) {
  int n = 0;
  for (const auto& [x, y] : knots)
    if (++n <= kes::kCamberKnots) w.X[n] = x, w.Y[n] = y;
  return n;
}
bool fit(CamberSpline& w, Knots knots) { return kes::FitCamberSpline(w, load(w, knots)); }

TEST(FitCamberSpline, WorkedCambers) {
  CamberSpline w;
  ASSERT_TRUE(fit(w, kWorked));
  EXPECT_NEAR(w.moments[2], 0.0009375, 1e-15);
  EXPECT_TRUE(w.samples == 100 && w.outX[2] == 520 && w.outX[101] == 2480);  // step 20, the last knot
  // Sample 36 lies on knot 2 yet is still taken on segment 1; the next moves on.
  EXPECT_TRUE(w.outX[36] == 1200 && w.segment[36] == 1 && w.segment[37] == 2);

  // The summed steps decide the count; the last knot follows the samples.
  for (const auto& [x1, samples] : {std::pair{0.0, 99}, {500.0, 100}}) {
    CamberSpline s;
    ASSERT_TRUE(fit(s, {{x1, 0}, {x1 + 100, 30}, {x1 + 200, 0}}));
    EXPECT_TRUE(s.samples == samples && s.outX[samples + 1] == x1 + 200) << x1;
  }

  // The segment index moves at most one a sample: x about 3.03 lies past knot 3.
  CamberSpline lag;
  ASSERT_TRUE(fit(lag, {{0, 0}, {1, 5}, {2, 8}, {300, 0}}));
  EXPECT_TRUE(lag.segment[2] == 2 && lag.segment[3] == 3);
}

TEST(FitCamberSpline, CambersThatCannotBeFittedGetNoCurve) {
  const double nan = std::nan("");
  const struct {
    const char* what;
    Knots knots;
  } cases[] = {
      {"a zero-length segment", {{0, 0}, {100, 5}, {100, 9}, {200, 0}}},
      {"first and last at one x", {{100, 0}, {200, 5}, {100, 9}}},
      {"last left of first", {{300, 0}, {200, 5}, {100, 9}}},
      {"a zero pivot", {{0, 0}, {100, 5}, {0, 9}, {200, 0}}},
      {"a step too small to move x", {{1e17, 0}, {1e17 + 16, 5}, {1e17 + 32, 0}}},
      {"not a number", {{0, 0}, {100, nan}, {200, 0}}},
      {"overflowing", {{0, -1e308}, {1e-300, 1e308}, {1, -1e308}}},
  };
  for (const auto& c : cases) {
    CamberSpline w;
    EXPECT_FALSE(fit(w, c.knots)) << c.what;
  }
  CamberSpline w;  // more knots than the workspace holds
  for (int j = 1; j <= 25; ++j) w.X[j] = j;
  EXPECT_FALSE(kes::FitCamberSpline(w, 26));
}

TEST(FitCamberSplines, TogetherEachAsAlone) {
  // Different lengths side by side, one with a zero pivot between them: each
  // fitted camber bit for bit as fitted alone.
  const Knots cambers[3] = {
      kWorked, {{0, 0}, {100, 5}, {0, 9}, {200, 0}}, {{0, 0}, {300, 40}, {100, 10}, {250, 30}, {400, 0}, {500, -3}}};
  CamberSpline together[3], alone[3];
  int n[3];
  bool fitted[3];
  for (int c = 0; c < 3; ++c) n[c] = load(together[c], cambers[c]);
  kes::FitCamberSplines(together, n, fitted, 3);
  for (int c = 0; c < 3; ++c) {
    ASSERT_TRUE(fitted[c] == (c != 1) && fit(alone[c], cambers[c]) == fitted[c]) << c;
    EXPECT_TRUE(!fitted[c] || (together[c].samples == alone[c].samples &&
                               std::equal(alone[c].outY + 1, std::end(alone[c].outY), together[c].outY + 1)))
        << c;
  }
}

// ---- Camber analysis ---------------------------------------------------------------

using Row = std::vector<std::string>;
const Row kWorkedRow{"0.0", "15.1", "46.5", "26.9", "22.7"};

struct Analysis {
  kes::Tracing t;
  kes::PhotoZoom z;
  kes::CamberCurves work;
  kes::RecordingSurface s;
  kes::ResultGrid grid;

  void trace(int camber, Knots points) {
    int n = 0;
    for (const auto& [x, y] : points) ++n, t.X[camber][n] = x, t.Y[camber][n] = y;
    t.count[camber] = n;
  }
  // Twist, depth, position, entry, exit of one camber.
  Row row(int camber) const {
    const int k = camber - 1;
    return {grid.text[kes::kTwist][k], grid.text[kes::kDepth][k], grid.text[kes::kPosition][k],
            grid.text[kes::kEntry][k], grid.text[kes::kExit][k]};
  }
  void run() { kes::AnalyseCambers(t, z, work, s, grid); }
};

TEST(AnalyseCambers, TwistAgainstCamberOneEndsAgainstTheirOwnChord) {
  // Over a level camber 1: camber 2 rising at 45 degrees, camber 3 turned
  // clockwise on the screen by 10, camber 4 a hair below level.
  Analysis a;
  a.trace(1, {{500, 1000}, {600, 1000}, {700, 1000}});
  a.trace(2, {{500, 1100}, {600, 1000}, {700, 900}});
  const double drop = std::tan(10 * kes::AnalyserPi / 180);
  a.trace(3, {{500, 2000}, {1500, 2000 + 1000 * drop - 300}, {2500, 2000 + 2000 * drop}});
  a.trace(4, {{500, 3000}, {1500, 2800}, {2500, 3000.001}});
  a.run();
  EXPECT_EQ(a.row(1), Row(5, "0.0"));
  Row r = a.row(2);
  r[2] = "";  // the position of a straight camber means nothing
  EXPECT_EQ(r, (Row{"45.0", "0.0", "", "0.0", "0.0"}));
  EXPECT_TRUE(a.grid.text[kes::kTwist][2] == "-10.0" && a.grid.text[kes::kTwist][3] == "-0.0");
  for (int c : {2, 3})  // ends, depth and position are never signed
    for (int col : {kes::kEntry, kes::kDepth, kes::kPosition, kes::kExit})
      EXPECT_EQ(a.grid.text[col][c].find('-'), std::string::npos) << c << ' ' << col;
}

TEST(AnalyseCambers, WorkedCamberIsMeasuredAndDrawnUnmeasuredOnesKeepTheirRows) {
  Analysis a;
  for (auto& column : a.grid.text)
    for (auto& box : column) box.assign(1, '0');
  a.grid.text[kes::kDepth][1] = std::string("12.5");  // typed by hand
  a.trace(2, {{500, 1000}, {600, 900}});              // two points
  a.trace(3, {{0, 0}, {100, 50}, {100, 60}});         // a zero-length segment
  a.t.count[4] = 30;                                  // more points than a camber holds
  a.trace(5, kWorked);
  a.z = {2.0, -100.0, -50.0};
  a.run();
  for (int c = 1; c <= 4; ++c) EXPECT_EQ(a.row(c), (Row{"0", c == 2 ? "12.5" : "0", "0", "0", "0"}));
  EXPECT_EQ(a.row(5), kWorkedRow);
  // Camber 5 alone drawn: a point at sample 1, then a line to each of the 100 samples, zoomed.
  const auto& ops = a.s.ops();
  ASSERT_EQ(ops.size(), 101u);
  EXPECT_TRUE(ops[0].kind == kes::DrawOp::Point && ops[0].x1 == 900 && ops[0].y1 == 1950);
  EXPECT_EQ(ops[100].x2, -100.0 + 2 * 2480.0);
  // The deepest sample is 47, at x = 1420.
  EXPECT_EQ(std::min_element(a.work.Y[5] + 1, std::end(a.work.Y[5])) - a.work.Y[5], 47);
  EXPECT_EQ(a.work.X[5][47], 1420.0);
}

}  // namespace
