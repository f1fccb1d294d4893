#include "model/spline.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using kes::Spline;

void expectAllFinite(const Spline& s) {
  for (int k = 0; k <= 101; ++k) {
    ASSERT_TRUE(std::isfinite(s.outX[k])) << k;
    ASSERT_TRUE(std::isfinite(s.outY[k])) << k;
  }
}

TEST(FitSpline, SymmetricArchMakes99Passes) {
  Spline s;
  s.outX[101] = -7.0;  // a sentinel the fit must not touch
  s.outY[101] = -7.0;
  s.setPoints3(0, 0, 50, 10, 100, 0);
  kes::FitSpline(s);
  EXPECT_EQ(s.samples, 100);
  EXPECT_EQ(s.outX[100], 100.0);
  EXPECT_EQ(s.outY[100], 0.0);
  EXPECT_EQ(s.outX[101], -7.0);
  EXPECT_EQ(s.outY[101], -7.0);
  EXPECT_EQ(s.outX[1], 0.0);
  EXPECT_EQ(s.outY[1], 0.0);
  // Symmetric about x = 50 with its top of 10 there and no slope.
  const double step = 100.0 / 99.0;
  for (int k = 1; k <= 99; ++k) {
    EXPECT_NEAR(s.outX[k], (k - 1) * step, 1e-9);
    EXPECT_NEAR(s.outY[k], s.outY[101 - k], 1e-9) << k;
    EXPECT_LE(s.outY[k], 10.0);
  }
  EXPECT_NEAR(s.outY[50], 10.0, 2e-3);
  EXPECT_NEAR(s.coef1[2], 0.0, 1e-12);
  EXPECT_NEAR(s.coef0[2], 10.0, 1e-12);
}

TEST(FitSpline, SmallArchMakes100Passes) {
  Spline s;
  s.setPoints3(0, 0, 5, 1, 10, 0);
  kes::FitSpline(s);
  EXPECT_EQ(s.samples, 101);
  EXPECT_LT(s.outX[100], 10.0);
  EXPECT_NEAR(s.outX[100], 10.0, 1e-12);
  EXPECT_EQ(s.outX[101], 10.0);
  EXPECT_EQ(s.outY[101], 0.0);
}

TEST(FitSpline, SegmentIndexAdvancesOncePerSample) {
  // Two short segments around x = 50 are both passed by one sample, which is
  // then taken on the extended cubic of the segment after the previous one.
  Spline s;
  const double xs[] = {0, 2, 49.7, 50.2, 52, 98, 100};
  const double ys[] = {0, 1, 10, 10.2, 10, 1, 0};
  for (int i = 0; i < 7; ++i) {
    s.X[i + 1] = xs[i];
    s.Y[i + 1] = ys[i];
  }
  s.n = 7;
  kes::FitSpline(s);
  const auto cubic = [&](int seg, double x) {
    const double t = x - s.X[seg];
    return s.coef3[seg] * t * t * t + s.coef2[seg] * t * t + s.coef1[seg] * t + s.coef0[seg];
  };
  // Sample 50 lies on segment 2; sample 51 has passed 49.7 and 50.2 but is
  // evaluated on segment 3, extended; sample 52 catches up to segment 4.
  ASSERT_LT(s.outX[50], 49.7);
  ASSERT_GT(s.outX[51], 50.2);
  ASSERT_LT(s.outX[52], 52.0);
  EXPECT_DOUBLE_EQ(s.outY[50], cubic(2, s.outX[50]));
  EXPECT_DOUBLE_EQ(s.outY[51], cubic(3, s.outX[51]));
  EXPECT_DOUBLE_EQ(s.outY[52], cubic(4, s.outX[52]));
  EXPECT_GT(std::fabs(s.outY[51] - cubic(4, s.outX[51])), 1e-6);
}

TEST(FitSpline, MiddlePointOnTheFirstAbscissa) {
  Spline s;
  s.setPoints3(0, 0, 0, 5, 100, 0);
  kes::FitSpline(s);
  expectAllFinite(s);
  EXPECT_EQ(s.outX[1], 0.0);
  EXPECT_EQ(s.outY[1], 0.0);
  // From sample 2 on: the cubic from (0, 5) to (100, 0), flat at x = 0.
  EXPECT_NEAR(s.coef1[2], 0.0, 1e-12);
  EXPECT_NEAR(s.outY[2], 5.0, 0.01);
  for (int k = 2; k < s.samples; ++k) {
    EXPECT_LE(s.outY[k + 1], s.outY[k] + 1e-12) << k;
  }
}

TEST(FitSpline, MiddlePointOnTheLastAbscissa) {
  Spline s;
  s.coef3[2] = 1e6;  // an earlier call's leftovers must not show in the result
  s.coef1[2] = 1e6;
  s.setPoints3(0, 0, 100, 5, 100, 0);
  kes::FitSpline(s);
  expectAllFinite(s);
  // Every loop sample is on the cubic from (0, 0) to (100, 5), flat at 100.
  const int last = s.samples;
  for (int k = 1; k < last; ++k) {
    EXPECT_LE(s.outY[k], 5.0 + 1e-9);
    EXPECT_GE(s.outY[k], 0.0);
  }
  EXPECT_EQ(s.outX[last], 100.0);
  EXPECT_EQ(s.outY[last], 0.0);
  EXPECT_EQ(s.coef3[2], 1e6);
}

TEST(FitSpline, NoSpanGivesTheStraightLineBetweenTheEnds) {
  // Equal first and last abscissae (a zero chord) and decreasing ones (a
  // negative length) used to loop forever or leave stale samples.
  for (double xn : {0.0, -50.0}) {
    Spline s;
    for (int k = 0; k <= 101; ++k) s.outY[k] = 123.0;
    s.setPoints3(0, 0, xn / 2, 3, xn, 0);
    kes::FitSpline(s);
    expectAllFinite(s);
    EXPECT_EQ(s.samples, 100);
    for (int k = 1; k <= 100; ++k) {
      EXPECT_EQ(s.outY[k], 0.0);
      EXPECT_NEAR(s.outX[k], xn * (k - 1) / 99.0, 1e-12);
    }
    EXPECT_EQ(s.outX[100], xn);
  }
}

TEST(FitSpline, PointCountOutsideThreeToTen) {
  Spline s;
  s.X[1] = 0; s.Y[1] = 0;
  s.X[2] = 10; s.Y[2] = 5;
  s.n = 2;
  kes::FitSpline(s);
  EXPECT_DOUBLE_EQ(s.outY[100], 5.0);
  EXPECT_NEAR(s.outY[50], 5.0 * 49 / 99, 1e-12);

  s.n = 0;
  kes::FitSpline(s);
  for (int k = 1; k <= 100; ++k) EXPECT_EQ(s.outX[k], 0.0);

  for (int i = 1; i <= 10; ++i) {
    s.X[i] = 10.0 * (i - 1);
    s.Y[i] = (i % 2) ? 0.0 : 1.0;
  }
  s.n = 500;  // more than the arrays hold: the first ten points are used
  kes::FitSpline(s);
  expectAllFinite(s);
  EXPECT_EQ(s.outX[s.samples], 90.0);
}

TEST(FitSpline, InteriorZeroLengthSegmentDependsOnlyOnThisCall) {
  // A draft position of 3 percent puts two mold control points on one abscissa.
  Spline a, b;
  const double xs[] = {0, 2, 2, 3, 4, 98, 100};
  const double ys[] = {0, 1, 10, 10, 10, 1, 0};
  for (int i = 0; i < 7; ++i) {
    a.X[i + 1] = b.X[i + 1] = xs[i];
    a.Y[i + 1] = b.Y[i + 1] = ys[i];
  }
  a.n = b.n = 7;
  for (int i = 0; i <= 10; ++i) b.coef3[i] = b.coef1[i] = 1e9;
  kes::FitSpline(a);
  kes::FitSpline(b);
  expectAllFinite(a);
  for (int k = 1; k <= 101; ++k) {
    EXPECT_EQ(a.outX[k], b.outX[k]) << k;
    EXPECT_EQ(a.outY[k], b.outY[k]) << k;
  }
}

TEST(FitSpline, HugeAndTinySpansStayFiniteAndEnd) {
  Spline s;
  s.setPoints3(1e16, 0, 1e16 + 1, 1, 1e16 + 2, 0);  // the step cannot move x
  kes::FitSpline(s);
  expectAllFinite(s);
  EXPECT_LE(s.samples, 101);

  s.setPoints3(-1e308, 0, 0, 1e308, 1e308, 0);
  kes::FitSpline(s);
  expectAllFinite(s);

  s.setPoints3(0, 0, 1e300, 1e300, 2e300, 0);
  kes::FitSpline(s);
  expectAllFinite(s);

  s.setPoints3(0, 0, std::nan(""), 1, 10, 0);
  kes::FitSpline(s);
  expectAllFinite(s);
}

}  // namespace
