#include "analyser/tracing.h"

#include <cmath>

#include "common/checked.h"

namespace kes {

namespace {

constexpr double kMarkHalf = 50.0;      // half the side of a point's square
constexpr double kMarkerRadius = 100.0;  // the tracing marker
constexpr double kPickFar = 100000.0;   // no point this far away is picked
constexpr double kStepRight = 200.0;    // where a press left of the last point goes

bool validCamber(int m) { return m >= 1 && m <= kCambers; }
int pointsOf(const Tracing& t, int i) {
  const int n = t.count[i];
  return n < 0 ? 0 : (n > kCamberPoints ? kCamberPoints : n);
}

void square(Surface& s, double px, double py) {
  s.box(px - kMarkHalf, py - kMarkHalf, px + kMarkHalf, py + kMarkHalf);
}

}  // namespace

bool imageFromBox(const PhotoZoom& z, double px, double py, double& x, double& y) {
  double nx = 0.0, ny = 0.0;
  if (!set(nx, (Num(px) - z.offsetX) / z.scale) || !set(ny, (Num(py) - z.offsetY) / z.scale))
    return false;
  x = nx;
  y = ny;
  return true;
}

AddResult addPoint(Tracing& t, const PhotoZoom& z, int m, double px, double py, int& n) {
  n = 0;
  double x = 0.0, y = 0.0;
  if (!validCamber(m) || !imageFromBox(z, px, py, x, y)) return AddResult::Refused;
  n = pointsOf(t, m) + 1;
  if (n > kCamberPoints) n = kCamberPoints;
  t.count[m] = n;
  t.X[m][n] = x;
  t.Y[m][n] = y;
  if (n > 1 && x < t.X[m][n - 1]) {
    t.X[m][n] = t.X[m][n - 1] + kStepRight;
    t.Y[m][n] = t.Y[m][n - 1];
    return AddResult::MovedRight;
  }
  return AddResult::Stored;
}

void pickPoint(const Tracing& t, const PhotoZoom& z, double px, double py, int& camber, int& point) {
  double best = kPickFar;
  for (int i = 1; i <= kCambers; ++i) {
    for (int j = 1; j <= pointsOf(t, i); ++j) {
      const double dx = boxX(z, t.X[i][j]) - px, dy = boxY(z, t.Y[i][j]) - py;
      const double d = std::sqrt(dx * dx + dy * dy);
      if (d < best) {
        camber = i;
        point = j;
        best = d;
      }
    }
  }
}

void dragPoint(Tracing& t, const PhotoZoom& z, int camber, int point, double px, double py) {
  if (!validCamber(camber) || point < 1 || point > pointsOf(t, camber)) return;
  imageFromBox(z, px, py, t.X[camber][point], t.Y[camber][point]);
}

void DrawCamberPoints(const Tracing& t, const PhotoZoom& z, Surface& s) {
  char number[4] = {' ', '0', ' ', '\0'};
  for (int i = 1; i <= kCambers; ++i) {
    const int n = pointsOf(t, i);
    for (int j = 1; j <= n; ++j) square(s, boxX(z, t.X[i][j]), boxY(z, t.Y[i][j]));
    if (n != 0) {
      number[1] = static_cast<char>('0' + i);
      s.print(number);  // at the last square's second corner
    }
  }
}

void DrawDragLines(const Tracing& t, const PhotoZoom& z, Surface& s) {
  for (int i = 1; i <= kCambers; ++i) {
    const int n = pointsOf(t, i);
    for (int j = 1; j < n; ++j)
      s.line(boxX(z, t.X[i][j]), boxY(z, t.Y[i][j]), boxX(z, t.X[i][j + 1]), boxY(z, t.Y[i][j + 1]));
    for (int j = 1; j <= n; ++j) square(s, boxX(z, t.X[i][j]), boxY(z, t.Y[i][j]));
  }
}

void DrawTracingMarker(const Tracing& t, const PhotoZoom& z, int m, int n, Surface& s) {
  if (!validCamber(m) || n < 1 || n > kCamberPoints) return;
  s.circle(boxX(z, t.X[m][n]), boxY(z, t.Y[m][n]), kMarkerRadius, kLightGreen);
}

}  // namespace kes
