#include "analyser/photo_zoom.h"

#include <algorithm>
#include <cmath>

#include "common/checked.h"

namespace kes {

namespace {
constexpr double kTwipLimit = 32767.0;
}

Placement fitPhoto(double a, double boxWidth, double boxHeight) {
  Placement p;
  if (!std::isfinite(a) || a <= 0.0) a = 1.0;
  if (a > 1.0) {
    p.width = boxWidth;
    p.height = boxWidth / a;
  } else {
    p.height = boxHeight;
    p.width = boxHeight * a;
  }
  return p;
}

void startZoomBox(ZoomBox& b, double x, double y) {
  b.startX = b.endX = x;
  b.startY = b.endY = y;
}

void moveZoomBox(ZoomBox& b, double y, double boxWidth, double boxHeight) {
  double endX = b.endX;
  if (!set(endX, Num(b.startX) + Num(std::fabs(y - b.startY)) * boxWidth / boxHeight)) return;
  b.endY = y;
  b.endX = endX;
}

double zoomScaleLimit(const Placement& p, const ZoomBox& b) {
  const double top = std::min(b.startY, b.endY);
  double limit = HUGE_VAL;
  for (double q : {p.width, p.height, b.startX, top}) {
    const double m = std::fabs(q);
    if (m > 0.0) limit = std::min(limit, kTwipLimit / m);
  }
  return limit;
}

bool zoomIn(const ZoomBox& b, double boxWidth, Placement& p, PhotoZoom& z) {
  const double across = std::fabs(b.endX - b.startX);
  Num s = across > 0.0 ? Num(boxWidth) / across : Num(1.0);
  if (!s.good() || s.v <= 0.0) return false;
  s = std::min(s.v, zoomScaleLimit(p, b));
  const Num w = toInt16(Num(p.width) * s), h = toInt16(Num(p.height) * s);
  const Num left = toInt16(-s * b.startX), top = toInt16(-s * std::min(b.startY, b.endY));
  if (!w.ok || !h.ok || !left.ok || !top.ok) return false;
  if (across > 0.0) {
    p.width = w.v;
    p.height = h.v;
    z.scale = s.v;
  }
  p.left = z.offsetX = left.v;
  p.top = z.offsetY = top.v;
  return true;
}

void zoomOut(Placement& p, PhotoZoom& z, double boxWidth, double boxHeight, double naturalAspect) {
  double a = naturalAspect;
  set(a, Num(p.width) / p.height);
  if (!(a > 0.0)) a = naturalAspect;
  p = fitPhoto(a, boxWidth, boxHeight);
  z = PhotoZoom{};
}

}  // namespace kes
