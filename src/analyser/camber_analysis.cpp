#include "analyser/camber_analysis.h"

#include "common/checked.h"
#include "common/numbers.h"

namespace kes {

namespace {

// Writes a measure in the "0.0" form unless it could not be formed.
void put(std::string& box, Num value) {
  if (value.good()) box = format0_0(value.v);
}

Num degrees(Num radians) { return radians * 180.0 / AnalyserPi; }

// Draws the curve as a polyline through its samples, positions passed in
// single precision; the first line starts and ends at sample 1. The
// positions are formed first, in one pass over the samples.
void drawCurve(const double* x, const double* y, const PhotoZoom& z, Surface& s) {
  const PhotoZoom at = z;
  double px[kCamberSamples + 1], py[kCamberSamples + 1];
  for (int j = 1; j <= kCamberSamples; ++j) {
    px[j] = static_cast<double>(static_cast<float>(boxX(at, x[j])));
    py[j] = static_cast<double>(static_cast<float>(boxY(at, y[j])));
  }
  s.point(px[1], py[1]);
  for (int j = 1; j <= kCamberSamples; ++j) s.lineTo(px[j], py[j]);
}

}  // namespace

void AnalyseCambers(const Tracing& t, const PhotoZoom& z, CamberCurves& work, Surface& s,
                    ResultGrid& grid) {
  int n[kCambers];
  bool fitted[kCambers];
  for (int i = 1; i <= kCambers; ++i) {
    CamberSpline& w = work.spline[i - 1];
    n[i - 1] = t.count[i];
    if (n[i - 1] <= 2 || n[i - 1] > kCamberKnots) n[i - 1] = 0;  // not fitted
    for (int j = 1; j <= n[i - 1]; ++j) {
      w.X[j] = t.X[i][j];
      w.Y[j] = t.Y[i][j];
    }
  }
  FitCamberSplines(work.spline, n, fitted, kCambers);

  double R = 0.0;  // camber 1's chord angle, the twist reference
  for (int i = 1; i <= kCambers; ++i) {
    if (!fitted[i - 1]) continue;
    const CamberSpline& w = work.spline[i - 1];
    double* x = work.X[i];
    double* y = work.Y[i];
    for (int j = 1; j <= kCamberSamples; ++j) {
      x[j] = w.outX[j];
      y[j] = w.outY[j];
    }
    drawCurve(x, y, z, s);

    const int k = i - 1;
    const Num dx = Num(x[kCamberSamples]) - x[1], dy = Num(y[kCamberSamples]) - y[1];
    const Num L = sqrt(dx * dx + dy * dy);
    const Num a = -atan(dy / dx);
    if (!L.good() || !a.good() || L.v == 0.0) continue;  // no chord to measure against
    if (i == 1) R = a.v;
    put(grid.text[kTwist][k], degrees(a - R));

    // The greatest distance of a sample from the chord, in a frame turned to
    // it; the first of equally distant samples wins.
    const double ca = std::cos(a.v), sa = std::sin(a.v);
    double dMax = 0.0, pAt = 0.0;
    bool finite = true;
    for (int j = 1; j <= kCamberSamples; ++j) {
      const double u = x[j] - x[1], v = y[j] - y[1];
      const double along = u * ca - v * sa, across = u * sa + v * ca;
      finite = finite & std::isfinite(along) & std::isfinite(across);  // no branch per sample
      if (std::fabs(across) > dMax) {
        dMax = std::fabs(across);
        pAt = std::fabs(along);
      }
    }
    const Num d = finite ? Num(dMax) : Num::fail(), p = finite ? Num(pAt) : Num::fail();
    put(grid.text[kPosition][k], abs(p / L) * 100.0);
    put(grid.text[kDepth][k], abs(d / L) * 100.0);

    // Entry and exit: the end secants against the camber's own chord.
    const Num entry = atan((Num(y[5]) - y[1]) / (Num(x[5]) - x[1]));
    put(grid.text[kEntry][k], abs(degrees(entry + a)));
    const Num exit = atan((Num(y[95]) - y[100]) / (Num(x[95]) - x[100]));
    put(grid.text[kExit][k], abs(degrees(exit + a)));
  }
}

}  // namespace kes
