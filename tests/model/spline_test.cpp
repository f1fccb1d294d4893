#include "model/spline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>
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

// The segment that holds x: the first whose end is not before x.
int holding(const Spline& s, double x) {
  int g = 1;
  while (g < s.n - 1 && x > s.X[g + 1]) ++g;
  return g;
}

// Random control points from a fixed seed, the same on every machine: n in
// 3..10, spans from a hundredth of a unit to thousands.
struct Knots {
  std::mt19937_64 rng{20240611};
  double unit() { return static_cast<double>(rng() >> 11) * 0x1.0p-53; }
  // No segment shorter than a sampling step: no sample passes two control points.
  Spline spread() {
    Spline s;
    s.n = 3 + static_cast<int>(rng() % 8);
    const double span = std::pow(10.0, 4 * unit() - 2), scale = std::pow(10.0, 4 * unit() - 2);
    double w[11], total = 0;
    for (int i = 1; i < s.n; ++i) total += w[i] = 1 + unit();
    s.X[1] = (unit() - 0.5) * span;
    for (int i = 1; i <= s.n; ++i) {
      if (i > 1) s.X[i] = s.X[i - 1] + span * w[i - 1] / total;
      s.Y[i] = (unit() - 0.5) * scale;
    }
    return s;
  }
  // A patch arc's knots: three top points a quarter unit apart on a long chord.
  Spline arc() {
    Spline s;
    const double m = 30 + 3000 * unit(), mid = m * (0.4 + 0.3 * unit()), h = m * unit();
    s.setPoints3(0, 0, mid - 0.25, h, mid, h);
    s.X[4] = mid + 0.25, s.Y[4] = h, s.X[5] = m, s.Y[5] = 0, s.n = 5;
    return s;
  }
};

// Each sample lies on the cubic of the segment that holds it, bit for bit,
// even where a sampling step passes several control points at once (a
// patch arc's top points on a long chord; the sample after 49.7 and 50.2).
TEST(FitSpline, EachSampleOnTheSegmentThatHoldsIt) {
  Knots knots;
  std::vector<Spline> sets = {
      fitted({{0, 0}, {2, 1}, {49.7, 10}, {50.2, 10.2}, {52, 10}, {98, 1}, {100, 0}})};
  ASSERT_TRUE(sets[0].outX[50] < 49.7 && sets[0].outX[51] > 50.2);
  for (int i = 0; i < 500; ++i) {
    Spline s = i % 2 ? knots.arc() : knots.spread();
    kes::FitSpline(s);
    sets.push_back(s);
  }
  for (const Spline& s : sets)
    for (int k = 1; k < s.samples; ++k)
      ASSERT_EQ(s.outY[k], cubic(s, holding(s, s.outX[k]), s.outX[k])) << s.X[1] << " " << s.X[s.n] << " " << k;
}

// Where no sample passes two control points, every sample and the last
// point come out as they always have: a digest of 2000 random sets, recorded.
TEST(FitSpline, SpreadControlPointsSampleAsBefore) {
  Knots knots;
  std::uint64_t digest = 1469598103934665603u;
  const auto mix = [&digest](const void* bytes, std::size_t size) {
    const auto* b = static_cast<const unsigned char*>(bytes);
    for (std::size_t i = 0; i < size; ++i) digest = (digest ^ b[i]) * 1099511628211u;
  };
  for (int i = 0; i < 2000; ++i) {
    Spline s = knots.spread();
    kes::FitSpline(s);
    mix(&s.samples, sizeof s.samples);
    mix(&s.outX[1], sizeof(double) * static_cast<std::size_t>(s.samples));
    mix(&s.outY[1], sizeof(double) * static_cast<std::size_t>(s.samples));
  }
  EXPECT_EQ(digest, 17616927434678395556u);
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
  for (int k = 2; k < s.samples; ++k) {
    if (std::isfinite(cubic(s, holding(s, s.outX[k]), s.outX[k]))) continue;
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
