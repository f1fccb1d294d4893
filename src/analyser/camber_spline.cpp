#include "analyser/camber_spline.h"

#include <algorithm>
#include <cmath>

namespace kes {

namespace {

// Checks the knots and builds the tridiagonal system of the interior knots;
// false for knots that cannot be fitted or a system that is not finite.
bool setUp(CamberSpline& w, int n) {
  if (n < 3 || n > kCamberKnots) return false;
  const double* X = w.X;
  const double* Y = w.Y;
  for (int j = 1; j <= n; ++j)
    if (!std::isfinite(X[j]) || !std::isfinite(Y[j])) return false;
  for (int j = 1; j < n; ++j)
    if (X[j + 1] == X[j]) return false;
  if (!(X[n] > X[1])) return false;

  bool finite = true;
  double h = X[2] - X[1];
  double r = (Y[2] - Y[1]) / h * 6.0;
  for (int j = 1; j <= n - 2; ++j) {
    const double h2 = X[j + 2] - X[j + 1];
    const double r2 = (Y[j + 2] - Y[j + 1]) / h2 * 6.0;
    double* m = w.matrix[j];
    m[1] = h;
    m[2] = 2.0 * (h + h2);
    m[3] = h2;
    m[4] = r2 - r;
    finite = finite & std::isfinite(m[2]) & std::isfinite(m[4]);  // m[2] holds both spans
    h = h2;
    r = r2;
  }
  return finite;
}

// From the solved system on: the moments, the cubic of each segment and the
// samples.
bool sample(CamberSpline& w, int n) {
  const double* X = w.X;
  const double* Y = w.Y;
  double* S = w.moments;
  for (int j = 1; j <= n - 2; ++j) S[j + 1] = w.matrix[j][4];
  S[1] = 0.0;
  S[n] = 0.0;

  bool finite = true;
  for (int j = 1; j <= n - 1; ++j) {
    const double hj = X[j + 1] - X[j];
    w.coef3[j] = (S[j + 1] - S[j]) / (6.0 * hj);
    w.coef2[j] = S[j] / 2.0;
    w.coef1[j] = (Y[j + 1] - Y[j]) / hj - (2.0 * S[j] * hj + S[j + 1] * hj) / 6.0;
    w.coef0[j] = Y[j];
    finite = finite & std::isfinite(w.coef3[j]) & std::isfinite(w.coef2[j]) &
             std::isfinite(w.coef1[j]);
  }
  if (!finite) return false;

  // Sampling by repeated addition of the step; at most 100 samples.
  const double step = (X[n] - X[1]) / 99.0;
  if (!std::isfinite(step) || X[1] + step == X[1]) return false;
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

}  // namespace

void FitCamberSplines(CamberSpline* w, const int* n, bool* fitted, int count) {
  int rows = 0;
  for (int c = 0; c < count; ++c) {
    fitted[c] = setUp(w[c], n[c]);
    if (fitted[c]) rows = std::max(rows, n[c] - 2);
  }

  // Elimination without pivoting, the factor formed anew for each update.
  // Every step waits on the division of the row above; the cambers' rows are
  // taken in turn so that their divisions overlap. A zero pivot or a value
  // that is not finite ends that camber's fit.
  for (int j = 2; j <= rows; ++j) {
    for (int c = 0; c < count; ++c) {
      if (!fitted[c] || j > n[c] - 2) continue;
      double* m = w[c].matrix[j];
      const double* p = w[c].matrix[j - 1];
      if (p[2] == 0.0) {
        fitted[c] = false;
        continue;
      }
      const double f = m[1] / p[2];  // the same factor in both updates
      m[2] = m[2] - f * p[3];
      m[4] = m[4] - f * p[4];
      fitted[c] = std::isfinite(m[2]) & std::isfinite(m[4]);
    }
  }
  // Back substitution from each camber's last row up, in the same turns.
  for (int up = 0; up < rows; ++up) {
    for (int c = 0; c < count; ++c) {
      const int k = n[c] - 2 - up;
      if (!fitted[c] || k < 1) continue;
      double* m = w[c].matrix[k];
      if (m[2] == 0.0) {
        fitted[c] = false;
        continue;
      }
      m[4] = up == 0 ? m[4] / m[2] : (m[4] - m[3] * w[c].matrix[k + 1][4]) / m[2];
      fitted[c] = std::isfinite(m[4]);
    }
  }

  for (int c = 0; c < count; ++c) fitted[c] = fitted[c] && sample(w[c], n[c]);
}

bool FitCamberSpline(CamberSpline& w, int n) {
  bool fitted = false;
  FitCamberSplines(&w, &n, &fitted, 1);
  return fitted;
}

}  // namespace kes
