#include "model/spline.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace {

using kes::Spline;

void expectFinite(const Spline& s) {
  for (int k = 0; k <= 101; ++k)
    ASSERT_TRUE(std::isfinite(s.outX[k]) && std::isfinite(s.outY[k])) << k;
}

Spline fitted(std::initializer_list<std::pair<double, double>> points, Spline s = {}) {
  int n = 0;
  for (const auto& [x, y] : points) s.X[++n] = x, s.Y[n] = y;
  s.n = n;
  kes::FitSpline(s);
  return s;
}

double cubic(const Spline& s, int seg, double x) {
  const double t = x - s.X[seg];
  return s.coef3[seg] * t * t * t + s.coef2[seg] * t * t + s.coef1[seg] * t + s.coef0[seg];
}

TEST(FitSpline, SampleCountsAndLastSample) {
  // A symmetric arch: 99 passes, index 100 holds (100, 0), 101 is not written.
  Spline s;
  s.outX[101] = -7.0;
  s = fitted({{0, 0}, {50, 10}, {100, 0}}, s);
  EXPECT_EQ(s.samples, 100);
  EXPECT_EQ(s.outX[1], 0.0);
  EXPECT_EQ(s.outX[100], 100.0);
  EXPECT_EQ(s.outY[100], 0.0);
  EXPECT_EQ(s.outX[101], -7.0);
  for (int k = 1; k <= 99; ++k) EXPECT_NEAR(s.outY[k], s.outY[101 - k], 1e-9) << k;
  EXPECT_NEAR(s.coef0[2], 10.0, 1e-12);  // top of 10 at x = 50, no slope there
  EXPECT_NEAR(s.coef1[2], 0.0, 1e-12);
  // A small arch: 100 passes, sample 100 just short of 10, then (10, 0) at 101.
  s = fitted({{0, 0}, {5, 1}, {10, 0}});
  EXPECT_EQ(s.samples, 101);
  EXPECT_LT(s.outX[100], 10.0);
  EXPECT_NEAR(s.outX[100], 10.0, 1e-12);
  EXPECT_EQ(s.outX[101], 10.0);
  EXPECT_EQ(s.outY[101], 0.0);
}

TEST(FitSpline, SegmentIndexAdvancesOncePerSample) {
  // Sample 51 passes 49.7 and 50.2 at once: it is taken on segment 3,
  // extended, and sample 52 catches up to segment 4.
  const Spline s = fitted({{0, 0}, {2, 1}, {49.7, 10}, {50.2, 10.2}, {52, 10}, {98, 1}, {100, 0}});
  ASSERT_TRUE(s.outX[50] < 49.7 && s.outX[51] > 50.2 && s.outX[52] < 52.0);
  EXPECT_DOUBLE_EQ(s.outY[51], cubic(s, 3, s.outX[51]));
  EXPECT_DOUBLE_EQ(s.outY[52], cubic(s, 4, s.outX[52]));
  EXPECT_GT(std::fabs(s.outY[51] - cubic(s, 4, s.outX[51])), 1e-6);
}

TEST(FitSpline, EqualNeighbouringAbscissae) {
  // Middle point on the first abscissa: sample 1 is the first point, then the
  // cubic from (0, 5) to (100, 0), flat at 0.
  Spline s = fitted({{0, 0}, {0, 5}, {100, 0}});
  expectFinite(s);
  EXPECT_EQ(s.outY[1], 0.0);
  EXPECT_NEAR(s.coef1[2], 0.0, 1e-12);
  EXPECT_NEAR(s.outY[2], 5.0, 0.01);
  // On the last abscissa: every loop sample on the cubic from (0, 0) to
  // (100, 5), flat at 100; the unformed segment keeps an earlier call's values.
  s.coef3[2] = 1e6;
  s = fitted({{0, 0}, {100, 5}, {100, 0}}, s);
  expectFinite(s);
  for (int k = 1; k < s.samples; ++k) EXPECT_NEAR(s.outY[k], cubic(s, 1, s.outX[k]), 1e-12);
  EXPECT_NEAR(s.outY[s.samples - 1], 5.0, 0.01);
  EXPECT_EQ(s.outY[s.samples], 0.0);
  EXPECT_EQ(s.coef3[2], 1e6);
  // Inside (a draft position of 3 percent): the samples owe nothing to the
  // coefficients an earlier call left behind.
  Spline dirty;
  for (int i = 0; i <= 10; ++i) dirty.coef3[i] = dirty.coef1[i] = 1e9;
  const std::initializer_list<std::pair<double, double>> section = {
      {0, 0}, {2, 1}, {2, 10}, {3, 10}, {4, 10}, {98, 1}, {100, 0}};
  const Spline a = fitted(section), b = fitted(section, dirty);
  expectFinite(a);
  for (int k = 1; k <= 101; ++k) EXPECT_EQ(a.outY[k], b.outY[k]) << k;
}

TEST(FitSpline, NoSpanGivesTheStraightLineBetweenTheEnds) {
  // Equal or decreasing end abscissae (a zero chord, a negative length).
  for (double xn : {0.0, -50.0}) {
    const Spline s = fitted({{0, 0}, {xn / 2, 3}, {xn, 0}});
    EXPECT_EQ(s.samples, 100);
    EXPECT_EQ(s.outX[100], xn);
    for (int k = 1; k <= 100; ++k) {
      EXPECT_EQ(s.outY[k], 0.0);
      EXPECT_NEAR(s.outX[k], xn * (k - 1) / 99.0, 1e-12);
    }
  }
  // Two points: the line; none: the first point; too many: the first ten.
  Spline s = fitted({{0, 0}, {10, 5}});
  EXPECT_NEAR(s.outY[50], 5.0 * 49 / 99, 1e-12);
  s.n = 0;
  kes::FitSpline(s);
  EXPECT_EQ(s.outX[100], 0.0);
  for (int i = 1; i <= 10; ++i) s.X[i] = 10.0 * i;
  s.n = 500;
  kes::FitSpline(s);
  EXPECT_EQ(s.outX[s.samples], 100.0);
}

TEST(FitSpline, ZeroPivotCarriesTheFactorBefore) {
  // Abscissae out of order make row 2's pivot 0 once row 1 is eliminated:
  // row 3 is eliminated with row 2's factor 1/4 all the same, and row 2's
  // back substitution keeps its eliminated right-hand side.
  const Spline s = fitted({{0, 0}, {1, 1}, {2, 0}, {1.125, 1}, {3.125, 0}});
  expectFinite(s);
  EXPECT_NEAR(s.moments[4], 1.345388788426763, 1e-12);
  EXPECT_NEAR(s.moments[3], 15.0 / 7.0, 1e-12);
}

TEST(FitSpline, HugeValuesEndAndStayFinite) {
  // A narrow spike of 1e306 swings the cubic beyond a double's range: each
  // such sample repeats the one before.
  const Spline s = fitted({{0, 0}, {100, 0}, {100.2, 1e306}, {100.4, 0}, {200, 0}});
  expectFinite(s);
  int overflowing = 0;
  for (int k = 2, seg = 1; k < s.samples; ++k) {
    if (s.outX[k] > s.X[seg + 1]) ++seg;
    if (std::isfinite(cubic(s, seg, s.outX[k]))) continue;
    ++overflowing;
    EXPECT_EQ(s.outY[k], s.outY[k - 1]) << k;
  }
  EXPECT_GT(overflowing, 10);
  for (const auto& p : {std::array<double, 6>{1e16, 0, 1e16 + 1, 1, 1e16 + 2, 0},  // step too small
                        std::array<double, 6>{-1e308, 0, 0, 1e308, 1e308, 0},
                        std::array<double, 6>{0, 0, 1e300, 1e300, 2e300, 0},
                        std::array<double, 6>{0, 0, std::nan(""), 1, 10, 0}}) {
    const Spline e = fitted({{p[0], p[1]}, {p[2], p[3]}, {p[4], p[5]}});
    expectFinite(e);
    EXPECT_LE(e.samples, 101);
  }
}

}  // namespace
