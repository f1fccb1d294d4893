#include "analyser/camber_spline.h"

#include <cmath>


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

  // Checked once at the end: a division by zero or an overflow anywhere
  // leaves a value that is not finite, and the camber gets no curve.
  bool finite = true;
  const auto keep = [&finite](double& target, double value) {
    finite = finite && std::isfinite(value);
    target = value;
  };

  // The tridiagonal system of the interior knots.
  double h = X[2] - X[1];
  double r = (Y[2] - Y[1]) / h * 6.0;
  for (int j = 1; j <= n - 2; ++j) {
    const double h2 = X[j + 2] - X[j + 1];
    const double r2 = (Y[j + 2] - Y[j + 1]) / h2 * 6.0;
    double* m = w.matrix[j];
    keep(m[1], h);
    keep(m[2], 2.0 * (h + h2));
    keep(m[3], h2);
    keep(m[4], r2 - r);
    h = h2;
    r = r2;
  }
  if (!finite) return false;

  // Elimination without pivoting, the factor formed anew for each update.
  for (int j = 2; j <= n - 2; ++j) {
    double* m = w.matrix[j];
    const double* p = w.matrix[j - 1];
    if (p[2] == 0.0) return false;
    const double f = m[1] / p[2];  // the same factor in both updates
    keep(m[2], m[2] - f * p[3]);
    keep(m[4], m[4] - f * p[4]);
  }
  for (int k = n - 2; k >= 1; --k) {
    double* m = w.matrix[k];
    if (m[2] == 0.0) return false;
    keep(m[4], k == n - 2 ? m[4] / m[2] : (m[4] - m[3] * w.matrix[k + 1][4]) / m[2]);
  }
  if (!finite) return false;

  double* S = w.moments;
  for (int j = 1; j <= n - 2; ++j) S[j + 1] = w.matrix[j][4];
  S[1] = 0.0;
  S[n] = 0.0;

  for (int j = 1; j <= n - 1; ++j) {
    const double hj = X[j + 1] - X[j];
    keep(w.coef3[j], (S[j + 1] - S[j]) / (6.0 * hj));
    keep(w.coef2[j], S[j] / 2.0);
    keep(w.coef1[j], (Y[j + 1] - Y[j]) / hj - (2.0 * S[j] * hj + S[j + 1] * hj) / 6.0);
    w.coef0[j] = Y[j];
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

}  // namespace kes
