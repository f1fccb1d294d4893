#pragma once
// How the layout puts its seams and handles on the plan view: every
// coordinate in single precision, and a point that is not finite (or does not
// exist) draws nothing, so the run goes on with the next seam.

#include <cmath>

#include "common/checked.h"
#include "common/curve.h"
#include "platform/surface.h"
#include "view/draw.h"

namespace kes::layout {

// A coordinate as the drawing takes it: single precision; fails when it
// failed already or does not fit.
inline Num single(Num a) {
  if (!a.good()) return Num::fail();
  const auto f = static_cast<float>(a.v);
  if (!std::isfinite(f)) return Num::fail();
  return Num(static_cast<double>(f));
}

// A plan point (coordinates 1 and 2) of a curve; fails outside points 0..100.
struct PlanPoint {
  Num x, y;
  bool good() const { return x.good() && y.good(); }
};
inline PlanPoint planPoint(const Curve& c, Index i) {
  return {single(c.get(1, i)), single(c.get(2, i))};
}
inline PlanPoint planPoint(const Curve& c, int i) { return planPoint(c, checkIndex(i, 0, 100)); }

inline void line(Surface& s, PlanPoint a, PlanPoint b, int colour) {
  view::line(s, a.x, a.y, b.x, b.y, colour);
}

// A curve as the layout draws it: a point at point 1 in dotColour, then
// lines on through points 5, 10, ..., 100 in lineColour.
inline void drawCurve(Surface& s, const Curve& c, int dotColour, int lineColour) {
  PlanPoint prev = planPoint(c, 1);
  view::dot(s, prev.x, prev.y, dotColour);
  for (int k = 1; k <= 20; ++k) {
    const PlanPoint next = planPoint(c, 5 * k);
    line(s, prev, next, lineColour);
    if (next.good()) prev = next;  // a point that cannot be drawn leaves the pen where it was
  }
}

// A filled square of side `side` centred on p, in the foreground colour.
inline void handleSquare(Surface& s, PlanPoint p, double side) {
  const Num h = Num(side) / 2.0;
  const Num x1 = single(p.x - h), y1 = single(p.y - h), x2 = single(p.x + h), y2 = single(p.y + h);
  if (x1.good() && y1.good() && x2.good() && y2.good()) s.filledBox(x1.v, y1.v, x2.v, y2.v, kForeColor);
}

inline void handleCircle(Surface& s, PlanPoint p, double radius) {
  view::circle(s, p.x, p.y, single(Num(radius)), kForeColor);
}

}  // namespace kes::layout
