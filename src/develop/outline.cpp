#include "develop/outline.h"

#include <algorithm>
#include <cmath>

namespace kes {

namespace {
bool finite(const CutRecord& r) {
  return std::isfinite(r.x) && std::isfinite(r.y) && (r.vertical || std::isfinite(r.slope));
}
}  // namespace

bool OffsetSegment(Point2 a, Point2 b, double by, CutRecord& out) {
  if (a.x == b.x) return false;
  const double m = (b.y - a.y) / (b.x - a.x);
  const double t = std::atan(m);
  const double mx = -std::sin(t) * by, my = std::cos(t) * by;
  // The midpoint of the two moved ends (each end moved first, then halved).
  out = {((a.x + mx) + (b.x + mx)) / 2, ((a.y + my) + (b.y + my)) / 2, m, false, {}};
  out.along = {b.x - a.x, b.y - a.y};
  return finite(out);
}

CutRecord VerticalRecord(Point2 a, Point2 b, double shiftX) {
  return {(a.x + b.x) / 2 + shiftX, (a.y + b.y) / 2, 0, true, {}};
}

bool AppendRecord(CutOutline& cut, const CutRecord& r) {
  if (cut.n >= CutOutline::kMax - 1 || !finite(r)) return false;  // keep room for n + 1
  cut.rec[++cut.n] = r;
  return true;
}

void OffsetEdge(const FlatStrip& f, const EdgeAllowances& a, CutOutline& cut) {
  cut.n = 0;
  cut.leech = 0;
  constexpr int T = FlatStrip::kTriangles;
  CutRecord r;
  // (-sin, cos) of the slope's angle is the outer side of a segment running
  // towards +x; one running back gets it turned over.
  const auto side = [](Point2 from, Point2 to) { return to.x < from.x ? -1.0 : 1.0; };
  for (int t = 1; t <= T; ++t)
    if (OffsetSegment(f.P1[t], f.P2[t], side(f.P1[t], f.P2[t]) * a.upper, r)) AppendRecord(cut, r);
  // The leech, from the upper to the lower flat leech corner, moved out of
  // the panel whichever way the rung leans; a vertical rung moves to +x.
  const Point2 top = f.P2[T], bottom = f.P3[T];
  const double dx = bottom.x - top.x;
  const double sign = dx > 0 ? 1.0 : -1.0;
  const bool added = dx != 0 ? (OffsetSegment(top, bottom, sign * a.leech, r) && AppendRecord(cut, r))
                             : AppendRecord(cut, VerticalRecord(top, bottom, a.leech));
  if (added) cut.leech = cut.n;
  for (int t = T; t >= 1; --t)
    if (OffsetSegment(f.P0[t], f.P3[t], -side(f.P0[t], f.P3[t]) * a.lower, r)) AppendRecord(cut, r);
}

bool Corner(const CutRecord& a, const CutRecord& b, Point2& out) {
  if (a.vertical && b.vertical) return false;
  if (a.vertical || b.vertical) {
    const CutRecord& v = a.vertical ? a : b;
    const CutRecord& s = a.vertical ? b : a;
    out = {v.x, s.y + s.slope * (v.x - s.x)};
  } else {
    if (a.slope == b.slope) return false;
    const double x = (a.slope * a.x - b.slope * b.x + b.y - a.y) / (a.slope - b.slope);
    out = {x, a.y + a.slope * (x - a.x)};
  }
  return std::isfinite(out.x) && std::isfinite(out.y);
}

Point2 Foot(const CutRecord& r, Point2 p) {
  if (r.vertical) return {r.x, p.y};
  const double len = std::sqrt(1 + r.slope * r.slope);
  const double ux = 1 / len, uy = r.slope / len;
  const double t = (p.x - r.x) * ux + (p.y - r.y) * uy;
  return {r.x + t * ux, r.y + t * uy};
}

int MitreCorner(const CutRecord& a, const CutRecord& b, Point2 c, double limit, Point2 at[2]) {
  if (Corner(a, b, at[0]) && std::hypot(at[0].x - c.x, at[0].y - c.y) <= limit) return 1;
  at[0] = Foot(a, c);
  at[1] = Foot(b, c);
  return 2;
}

bool LineYAt(const CutRecord& r, double x, double& y) {
  if (r.vertical) return false;
  const double v = r.y + r.slope * (x - r.x);
  if (!std::isfinite(v)) return false;
  y = v;
  return true;
}

double OutlineArea(const CutOutline& cut) {
  double sum = 0;
  for (int k = 1; k <= cut.n; ++k) {
    const CutRecord& a = cut.rec[k];
    const CutRecord& b = cut.rec[k == cut.n ? 1 : k + 1];
    sum += a.x * b.y - b.x * a.y;
  }
  return std::fabs(sum / 2);
}

namespace {
// Direction of q seen from p, degrees 0..360, converted with the stored 3.141593.
double direction(Point2 p, Point2 q) {
  const double dx = q.x - p.x, dy = q.y - p.y;
  double angle = dx == 0 ? (dy > 0 ? 90.0 : (dy < 0 ? -90.0 : 0.0)) : std::atan(dy / dx) * 180 / 3.141593;
  if (dx < 0) angle += 180;
  else if (dy < 0) angle += 360;
  return angle;
}
}  // namespace

bool InsideOutline(const CutOutline& cut, Point2 p) {
  if (cut.n < 1) return false;
  // Outside the records' box the winding is nought: no need to sum it.
  double left = cut.rec[1].x, right = left, low = cut.rec[1].y, high = low;
  for (int k = 2; k <= cut.n; ++k) {
    left = std::min(left, cut.rec[k].x);
    right = std::max(right, cut.rec[k].x);
    low = std::min(low, cut.rec[k].y);
    high = std::max(high, cut.rec[k].y);
  }
  if (!(p.x >= left && p.x <= right && p.y >= low && p.y <= high)) return false;
  double sum = 0;
  const auto same = [&](const CutRecord& r) { return r.x == p.x && r.y == p.y; };
  // Each record's direction is taken once: as B of one step and A of the next.
  double dirA = same(cut.rec[1]) ? 0 : direction(p, {cut.rec[1].x, cut.rec[1].y});
  for (int k = 1; k <= cut.n; ++k) {
    const CutRecord& ra = cut.rec[k];
    const CutRecord& rb = cut.rec[k == cut.n ? 1 : k + 1];
    const double dirB = same(rb) ? 0 : direction(p, {rb.x, rb.y});
    if (!same(ra) && !same(rb)) {
      double step = dirB - dirA;
      if (step > 180) step -= 360;
      if (step < -180) step += 360;
      sum += step;
    }
    dirA = dirB;
  }
  const double turns = roundHalfEven(sum);
  return turns == 360 || turns == -360;
}

}  // namespace kes
