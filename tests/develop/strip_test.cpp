#include "develop/strip.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

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

}  // namespace
}  // namespace kes
