#include "analyser/camber_spline.h"

#include <cmath>

#include "common/checked.h"

namespace kes {

bool FitCamberSpline(CamberSpline& w, int n) {
  if (n < 3 || n > kCamberKnots) return false;
  const double* X = w.X;
  const double* Y = w.Y;
  for (int j = 1; j <= n; ++j)
    if (!std::isfinite(X[j]) || !std::isfinite(Y[j])) return false;
  for (int j = 1; j < n; ++j)
    if (X[j + 1] == X[j]) return false;
  if (!(X[n] > X[1])) return false;

  // Every statement must hold: a single one that cannot be carried out
  // leaves the camber without a curve.
  bool ok = true;

  // The tridiagonal system of the interior knots.
  Num h = Num(X[2]) - X[1];
  Num r = (Num(Y[2]) - Y[1]) / h * 6.0;
  for (int j = 1; j <= n - 2; ++j) {
    const Num h2 = Num(X[j + 2]) - X[j + 1];
    const Num r2 = (Num(Y[j + 2]) - Y[j + 1]) / h2 * 6.0;
    double* m = w.matrix[j];
    ok = set(m[1], h) && ok;
    ok = set(m[2], Num(2.0) * (h + h2)) && ok;
    ok = set(m[3], h2) && ok;
    ok = set(m[4], r2 - r) && ok;
    h = h2;
    r = r2;
  }
  if (!ok) return false;

  // Elimination without pivoting, the factor formed anew for each update.
  for (int j = 2; j <= n - 2; ++j) {
    double* m = w.matrix[j];
    const double* p = w.matrix[j - 1];
    ok = set(m[2], Num(m[2]) - Num(m[1]) / p[2] * p[3]) && ok;
    ok = set(m[4], Num(m[4]) - Num(m[1]) / p[2] * p[4]) && ok;
  }
  ok = set(w.matrix[n - 2][4], Num(w.matrix[n - 2][4]) / w.matrix[n - 2][2]) && ok;
  for (int k = n - 3; k >= 1; --k) {
    double* m = w.matrix[k];
    ok = set(m[4], (Num(m[4]) - Num(m[3]) * w.matrix[k + 1][4]) / m[2]) && ok;
  }
  if (!ok) return false;

  double* S = w.moments;
  for (int j = 1; j <= n - 2; ++j) S[j + 1] = w.matrix[j][4];
  S[1] = 0.0;
  S[n] = 0.0;

  for (int j = 1; j <= n - 1; ++j) {
    const Num hj = Num(X[j + 1]) - X[j];
    ok = set(w.coef3[j], (Num(S[j + 1]) - S[j]) / (Num(6.0) * hj)) && ok;
    ok = set(w.coef2[j], Num(S[j]) / 2.0) && ok;
    ok = set(w.coef1[j], (Num(Y[j + 1]) - Y[j]) / hj -
                             (Num(2.0) * S[j] * hj + Num(S[j + 1]) * hj) / 6.0) && ok;
    w.coef0[j] = Y[j];
  }
  if (!ok) return false;

  // Sampling by repeated addition of the step; at most 100 samples.
  double step = 0.0;
  if (!set(step, (Num(X[n]) - X[1]) / 99.0) || X[1] + step == X[1]) return false;
  int j = 1;
  int k = 0;
  double x = X[1];
  while (x <= X[n] && k < kCamberSamples) {
    if (x > X[j + 1] && j < n - 1) ++j;
    const double t = x - X[j];
    const double y = w.coef3[j] * t * t * t + w.coef2[j] * t * t + w.coef1[j] * t + w.coef0[j];
    if (!std::isfinite(y)) return false;
    ++k;
    w.outX[k] = x;
    w.outY[k] = y;
    w.segment[k] = j;
    x += step;
  }
  // Steps that overshoot early would leave samples of an earlier fit in the curve.
  if (k < kCamberSamples - 1) return false;
  w.samples = k;
  w.outX[k + 1] = X[n];
  w.outY[k + 1] = Y[n];
  return true;
}

}  // namespace kes
