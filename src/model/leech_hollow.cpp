// The leech cut hollow between battens: between two batten roots the leech
// follows the straight chord between them, pulled forward by a sine-shaped
// hollow of BattenHollow times the chord's length. Only x changes.

#include <cmath>

#include "model/steps.h"

namespace kes::steps {

namespace {

// Working values shared by the stretches of one run; they start at 0, and a
// statement that fails leaves the value of the stretch before.
struct Stretch {
  double slope = 0.0;   // change of y per change of x along the chord
  double depth = 0.0;   // the hollow's depth D
  double anchor = 0.0;  // the point (unrounded) the chord passes through
};

Index point(Num i) { return toIndex(i, 0, Curve::kPoints); }

// One stretch's run of points: the counter goes from `start` down by 1 while
// it is not below `stop`; u runs from 0 at `start`; N is the hollow's span.
// Counter values whose point lies outside the curve change nothing, so the
// counter starts at the highest value that rounds into it and stops below
// the lowest: a huge or negative batten position cannot loop for long.
void hollowRun(Curve& c, Num start, Num stop, Num N, const Stretch& st) {
  if (!start.good() || !stop.good()) return;
  constexpr double kTop = Curve::kPoints + 0.5, kBottom = -0.5;
  double i = start.v;
  if (!(std::fabs(i) < 1e15)) return;  // subtracting 1 would not move such a counter
  if (i > kTop) i -= std::ceil(i - kTop);
  const Index k = point(st.anchor);
  for (; i >= stop.v && i >= kBottom; i -= 1.0) {
    const Index p = point(i);
    c.put(1, p, c.get(1, k) + (c.get(2, p) - c.get(2, k)) / st.slope);
    const Num u = start - i;
    c.put(1, p, c.get(1, p) - Num(st.depth) * sin(Num(Pi) * u / N));
  }
}

}  // namespace

void hollowLeech(const SailInputs& in, SailModel& m) {
  if (!(in.batten[0].length > 0.0)) return;
  Curve& c = m.LeechCurve;
  const double hollow = in.battenHollow;
  const auto x = [&c](Index i) { return c.get(1, i); };
  const auto y = [&c](Index i) { return c.get(2, i); };
  const auto B = [&in](int r) { return in.batten[r].position; };
  const Index clew = checkIndex(100, 0, Curve::kPoints);
  Stretch st;

  // Clew to batten 0.
  {
    const Index p0 = point(Num(100.0) - B(0));
    st.anchor = 100.0;
    set(st.slope, (y(p0) - y(clew)) / (x(p0) - x(clew)));
    set(st.depth, sqrt(sq(x(clew) - x(p0)) + sq(y(clew) - y(p0))) * hollow);
    hollowRun(c, 100.0, Num(100.0) - B(0), B(0), st);
  }

  // Batten j to batten j + 1, for each filled row above row 0. The chord's
  // slope is taken one point above both battens; the run starts one point
  // above batten j, which the stretch below has already placed.
  int count = 0;
  for (int j = 0; j <= 3; ++j) {
    if (!(in.batten[j + 1].length > 0.0)) continue;
    ++count;
    const Index q = point(Num(99.0) - B(j + 1));
    const Index r = point(Num(99.0) - B(j));
    const Index upper = point(Num(100.0) - B(j + 1));
    set(st.slope, (y(q) - y(r)) / (x(q) - x(r)));
    set(st.depth, sqrt(sq(x(upper) - x(r)) + sq(y(upper) - y(r))) * hollow);
    set(st.anchor, Num(100.0) - B(j));
    hollowRun(c, Num(99.0) - B(j), Num(100.0) - B(j + 1), B(j + 1) - B(j) - 1.0, st);
  }

  // Batten row `count` to the head corner, where the hollow ends. A batten
  // position with a fraction steps the run's counter onto point 1 short of
  // the hollow's end, which would pull the head corner forward off the head:
  // there the corner keeps its x, as it does from a whole position.
  {
    const Index head = checkIndex(1, 0, Curve::kPoints);
    const double cornerX = c(1, 1);
    const Num start = Num(100.0) - B(count);
    set(st.anchor, start);
    const Index k = point(st.anchor);
    set(st.slope, (y(head) - y(k)) / (x(head) - x(k)));
    set(st.depth, sqrt(sq(x(head) - x(k)) + sq(y(head) - y(k))) * hollow);
    hollowRun(c, start, 1.0, Num(99.0) - B(count), st);
    if (start.good() && start.v != std::floor(start.v)) c(1, 1) = cornerX;
  }
}

}  // namespace kes::steps
