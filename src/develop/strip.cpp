#include "develop/strip.h"

#include <algorithm>
#include <cmath>

#include "common/numbers.h"

namespace kes {

double Distance3(const Curve& a, int p, const Curve& b, int q) {
  const double dx = b(1, q) - a(1, p), dy = b(2, q) - a(2, p), dz = b(3, q) - a(3, p);
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

double AtanRatio(double num, double den) {
  if (den == 0) {
    const double quarter = std::atan(1.0) * 2;
    return num > 0 ? quarter : (num < 0 ? -quarter : 0.0);
  }
  return std::atan(num / den);
}

double ChordAngle(Point2 a, Point2 b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double angle = AtanRatio(dy, dx);
  if (!(dx < 0)) return angle;
  const double half = std::acos(-1.0);
  return dy < 0 ? angle - half : angle + half;
}

double RungLean(double minusDx, double dy) {
  const double lean = AtanRatio(minusDx, dy);
  if (!(dy < 0)) return lean;
  const double half = std::acos(-1.0);
  return minusDx < 0 ? lean - half : lean + half;
}

namespace {

// The angle of a triangle with sides a, b, c opposite side x, from its
// in-radius: 2·atan(r / (s - x)). A flat triangle gives 0 or a half turn.
double angleOpposite(double a, double b, double c, double x) {
  const double s = (a + b + c) / 2;
  if (!(s > 0)) return 0;
  const double product = (s - a) * (s - b) * (s - c);
  const double r = product > 0 ? std::sqrt(product / s) : 0.0;
  const double rest = s - x;
  if (!(rest > 0)) return std::acos(-1.0);  // x as long as the other two: a flat half turn
  return 2 * std::atan(r / rest);
}

// A luff rung shorter than this part of the first step of the lower edge
// is no rung.
constexpr double kNegligibleRung = 100;

// The apex at distance d from the origin, angle alpha from +y towards +x.
Point2 apex(double d, double alpha) {
  return {d * std::cos(Pi / 2 - alpha), d * std::sin(Pi / 2 - alpha)};
}

}  // namespace

void DevelopStrip(const Curve& lower, const Curve& upper, FlatStrip& out) {
  out = FlatStrip{};
  // Step 1: every triangle in its own frame.
  for (int j = 1; j <= 99; ++j) {
    const int odd = 2 * j - 1, even = 2 * j;
    {
      const double rung = Distance3(lower, j, upper, j);
      const double d = Distance3(lower, j, lower, j + 1);
      const double diag = Distance3(upper, j, lower, j + 1);
      out.P1[odd] = out.P2[odd] = {0, rung};
      // A luff rung of no length, or one so short against the panel that its
      // direction is rounding noise (two seams meeting at the tack), gives the
      // panel no frame of its own: the lower edge is laid square to it, along
      // +x, as every other panel lies.
      const bool noRung = j == 1 && !(rung * kNegligibleRung > d);
      out.P3[odd] = apex(d, noRung ? Pi / 2 : angleOpposite(rung, d, diag, diag));
    }
    {
      const double diag = Distance3(lower, j + 1, upper, j);
      const double d = Distance3(lower, j + 1, upper, j + 1);
      const double top = Distance3(upper, j, upper, j + 1);
      out.P1[even] = {0, diag};
      out.P2[even] = apex(d, angleOpposite(diag, d, top, top));
    }
  }
  // Step 2: each triangle onto the edge P3 -> P2 of the one before.
  for (int t = 2; t <= FlatStrip::kTriangles; ++t) {
    const double dx = out.P2[t - 1].x - out.P3[t - 1].x;
    const double dy = out.P2[t - 1].y - out.P3[t - 1].y;
    double theta = -AtanRatio(dx, dy);
    if (dy < 0) theta -= Pi;
    const double c = std::cos(theta), s = std::sin(theta);
    const Point2 o = out.P3[t - 1];
    for (Point2* slot : {&out.P0[t], &out.P1[t], &out.P2[t], &out.P3[t]}) {
      const Point2 p = *slot;
      *slot = {p.x * c - p.y * s + o.x, p.x * s + p.y * c + o.y};
    }
  }
}

double PanelSeaming(const Curve& lower, const Curve& upper, const EdgeAllowances& a) {
  double sum = 0;
  if (a.upper > 0) sum += Distance3(upper, 100, upper, 1);
  if (a.leech > 0) sum += Distance3(lower, 100, upper, 100);
  if (a.lower > 0) sum += Distance3(lower, 100, lower, 1);
  if (a.luff > 0) sum += Distance3(lower, 1, upper, 1);
  return sum;
}

double SegmentDistance2(Point2 p, Point2 a, Point2 b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  const double ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
  return ex * ex + ey * ey;
}

}  // namespace kes
