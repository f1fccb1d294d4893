#include "model/spline.h"

#include "common/checked.h"

namespace kes {

namespace {

constexpr int kMaxPoints = 10;
constexpr int kSamples = 100;

// No span to sample (fewer than three points, last abscissa not beyond the
// first, or a step that is not a usable number): samples 1..100 run evenly on
// the straight line from the first control point to the last one, so that
// sample 1 is the first point and sample 100 the last. With two points this
// is the natural spline itself; with one, every sample is that point.
void sampleStraight(Spline& s, int n) {
  const double x1 = s.X[1], y1 = s.Y[1];
  const double xn = s.X[n], yn = s.Y[n];
  for (int k = 1; k <= kSamples; ++k) {
    const double f = (k - 1) / 99.0;
    set(s.outX[k], Num(x1) * (1.0 - f) + Num(xn) * f);
    set(s.outY[k], Num(y1) * (1.0 - f) + Num(yn) * f);
  }
  s.samples = kSamples;
}

}  // namespace

void FitSpline(Spline& s) {
  int n = s.n;
  if (n > kMaxPoints) n = kMaxPoints;
  if (n < 1) n = 1;
  if (n < 3 || !(s.X[n] > s.X[1])) {
    sampleStraight(s, n);
    return;
  }
  const double* X = s.X;
  const double* Y = s.Y;

  // Rows of the tridiagonal system. The segment length and slope term of
  // segment i+1 are carried into the next row as those of its segment i; a
  // zero-length segment's slope term cannot be formed and keeps the value the
  // variable held (0 before the first row).
  double h1 = 0.0, s1 = 0.0, h2 = 0.0, s2 = 0.0;
  set(h1, Num(X[2]) - X[1]);
  set(s1, Num(6.0) * (Num(Y[2]) - Y[1]) / h1);
  for (int i = 1; i <= n - 2; ++i) {
    set(h2, Num(X[i + 2]) - X[i + 1]);
    set(s2, Num(6.0) * (Num(Y[i + 2]) - Y[i + 1]) / h2);
    set(s.matrix[i][1], h1);
    set(s.matrix[i][2], Num(2.0) * (Num(h1) + h2));
    set(s.matrix[i][3], h2);
    set(s.matrix[i][4], Num(s2) - s1);
    h1 = h2;
    s1 = s2;
  }

  // Forward elimination and back substitution, natural end conditions. A
  // factor that cannot be formed (a zero pivot, from abscissae out of order)
  // keeps the factor of the row before.
  double f = 0.0;
  for (int i = 2; i <= n - 2; ++i) {
    set(f, Num(s.matrix[i][1]) / s.matrix[i - 1][2]);
    set(s.matrix[i][2], Num(s.matrix[i][2]) - Num(f) * s.matrix[i - 1][3]);
    set(s.matrix[i][4], Num(s.matrix[i][4]) - Num(f) * s.matrix[i - 1][4]);
  }
  set(s.matrix[n - 2][4], Num(s.matrix[n - 2][4]) / s.matrix[n - 2][2]);
  for (int j = n - 3; j >= 1; --j) {
    set(s.matrix[j][4],
        (Num(s.matrix[j][4]) - Num(s.matrix[j][3]) * s.matrix[j + 1][4]) / s.matrix[j][2]);
  }
  for (int i = 1; i <= n - 2; ++i) s.moments[i + 1] = s.matrix[i][4];
  s.moments[1] = 0.0;
  s.moments[n] = 0.0;

  // Coefficients of each segment; a zero-length segment's cubic and linear
  // coefficients cannot be formed and are left as they were.
  for (int k = 1; k <= n - 1; ++k) {
    const Num h = Num(X[k + 1]) - X[k];
    const double mk = s.moments[k], mk1 = s.moments[k + 1];
    set(s.coef3[k], (Num(mk1) - mk) / (Num(6.0) * h));
    set(s.coef2[k], Num(mk) / 2.0);
    set(s.coef1[k], (Num(Y[k + 1]) - Y[k]) / h - h * (Num(2.0) * mk + mk1) / 6.0);
    set(s.coef0[k], Y[k]);
  }

  // Sampling: x accumulates the step; each sample is taken on the segment
  // that holds it, the index moving on past every control point the sample
  // has passed (a patch arc's top points, a quarter unit apart, lie well
  // within one step of a long chord; a cubic taken beyond its own segment
  // would throw a spike). A sample that would fall beyond the start of a
  // zero-length segment (one that is neither the first nor the last of three
  // points) is taken on the next segment instead, whose cubic is formed. At
  // most 100 passes, so a step too small to move x cannot loop forever.
  const double step = (X[n] - X[1]) / 99.0;
  if (!(step > 0.0) || !std::isfinite(step)) {
    sampleStraight(s, n);
    return;
  }
  // First the abscissae and their segments, then the cubics, so that the
  // evaluations do not wait on one another.
  int seg[kSamples + 1];
  int j = 1;
  int k = 0;
  double x = X[1];
  while (x <= X[n] && k < kSamples) {
    while (j < n - 1 && x > X[j + 1]) ++j;
    while (j < n - 1 && X[j + 1] == X[j] && x > X[j]) ++j;
    ++k;
    s.outX[k] = x;
    seg[k] = j;
    x += step;
  }
  for (int i = 1; i <= k; ++i) {
    const int g = seg[i];
    const double t = s.outX[i] - X[g];
    s.outY[i] = s.coef3[g] * t * t * t + s.coef2[g] * t * t + s.coef1[g] * t + s.coef0[g];
  }
  // A sample whose cubic overflows takes the ordinate of the sample before
  // (0 before the first): the statement forming it failed and kept its value.
  double y = 0.0;
  for (int i = 1; i <= k; ++i) {
    if (std::isfinite(s.outY[i])) y = s.outY[i];
    s.outY[i] = y;
  }
  ++k;
  s.outX[k] = X[n];
  set(s.outY[k], Y[n]);
  s.samples = k;
}

}  // namespace kes
