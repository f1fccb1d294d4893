#include "model/spline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <tuple>
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
  EXPECT_EQ(std::tuple(s.samples, s.outX[100], s.outY[100], s.outX[101]), std::tuple(100, 100.0, 0.0, -7.0));
  // A small arch: 100 passes, sample 100 just short of 10, then the last point at 101.
  s = fitted({{0, 0}, {5, 1}, {10, 0}});
  EXPECT_EQ(std::tuple(s.samples, s.outX[101]), std::tuple(101, 10.0));
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

TEST(FitSpline, EqualAbscissaeInsideOweNothingToAnEarlierCall) {
  // Two points on one abscissa (a draft position of 3 percent): the segment
  // between them is never formed, and its coefficients left by an earlier
  // call are never used.
  Spline dirty;
  for (int i = 0; i <= 10; ++i) dirty.coef3[i] = dirty.coef1[i] = 1e9;
  const std::initializer_list<std::pair<double, double>> section = {
      {0, 0}, {2, 1}, {2, 10}, {3, 10}, {4, 10}, {98, 1}, {100, 0}};
  const Spline a = fitted(section), b = fitted(section, dirty);
  for (int k = 1; k <= 101; ++k) EXPECT_EQ(a.outY[k], b.outY[k]) << k;
}

TEST(FitSpline, NoSpanGivesTheStraightLineBetweenTheEnds) {
  // Equal or decreasing end abscissae (a zero chord, a negative length).
  for (double xn : {0.0, -50.0}) {
    const Spline s = fitted({{0, 0}, {xn / 2, 3}, {xn, 0}});
    for (int k = 1; k <= 100; ++k) {
      EXPECT_EQ(s.outY[k], 0.0);
      EXPECT_NEAR(s.outX[k], xn * (k - 1) / 99.0, 1e-12);
    }
  }
  // Too many points: the first ten.
  Spline s;
  for (int i = 1; i <= 10; ++i) s.X[i] = 10.0 * i;
  s.n = 500;
  kes::FitSpline(s);
  EXPECT_EQ(s.outX[s.samples], 100.0);
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
  // A step too small to move x, the middle point on the first or the last
  // abscissa, a NaN abscissa, abscissae out of order (a zero pivot).
  for (const Spline& e :
       {fitted({{1e16, 0}, {1e16 + 1, 1}, {1e16 + 2, 0}}), fitted({{0, 0}, {0, 5}, {100, 0}}),
        fitted({{0, 0}, {100, 5}, {100, 0}}), fitted({{0, 0}, {std::nan(""), 1}, {10, 0}}),
        fitted({{0, 0}, {1, 1}, {2, 0}, {1.125, 1}, {3.125, 0}})}) {
    expectFinite(e);
    EXPECT_LE(e.samples, 101);
  }
}

}  // namespace
