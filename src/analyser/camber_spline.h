#pragma once
// The analyser's own cubic spline: a natural spline through up to 25 traced
// points of one camber, sampled into 100 points. The workspace is fixed and
// reused by every fit; element 0 of every array carries nothing.

namespace kes {

inline constexpr int kCamberKnots = 25;
inline constexpr int kCamberSamples = 100;

struct CamberSpline {
  double X[kCamberKnots + 1] = {};  // knots 1..n, filled by the caller
  double Y[kCamberKnots + 1] = {};
  double matrix[kCamberKnots + 1][5] = {};  // rows 1..n-2: sub, diagonal, super, right side
  double moments[kCamberKnots + 1] = {};    // second derivative at knots 1..n
  double coef3[kCamberKnots + 1] = {}, coef2[kCamberKnots + 1] = {};
  double coef1[kCamberKnots + 1] = {}, coef0[kCamberKnots + 1] = {};
  double outX[kCamberSamples + 2] = {};  // samples 1..K, then the last knot at K + 1
  double outY[kCamberSamples + 2] = {};
  int segment[kCamberSamples + 1] = {};  // the segment each loop sample was taken on
  int samples = 0;                       // K: 100, or 99 when the summed steps overshoot
};

// Fits knots 1..n and samples the curve: x runs from the first knot by
// repeated addition of a 99th of the span, the segment index moves on by at
// most one segment per sample, and the last knot is appended after the
// samples. False, with no curve, for a camber that cannot be fitted: fewer
// than 3 or more than 25 knots, a segment of zero length, the last knot not
// right of the first, a step too small to move x, a zero pivot or anything
// that is not a finite number. Knots out of order otherwise run as they
// stand, the segment index kept within 1..n-1.
bool FitCamberSpline(CamberSpline& w, int n);

// Fits count cambers at once, w[c] with knots 1..n[c], each exactly as
// FitCamberSpline does; fitted[c] tells whether w[c] got a curve. Their
// eliminations, chains of divisions each waiting on the one before, run side
// by side.
void FitCamberSplines(CamberSpline* w, const int* n, bool* fitted, int count);

}  // namespace kes
