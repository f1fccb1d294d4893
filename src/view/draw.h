#pragma once
// Small drawing helpers shared by the plan view and the section strip.
//
// Every coordinate goes through a Num, so a point taken from a curve with an
// index that is out of range, or a value that is not finite, makes the one
// drawing step it belongs to draw nothing, and the paint goes on with the
// next step. No NaN or infinity is ever handed to a surface.

#include <array>
#include <span>

#include "common/checked.h"
#include "common/curve.h"
#include "platform/surface.h"

namespace kes::view {

inline bool good(Num a, Num b) { return a.good() && b.good(); }

// A straight line; nothing when either end failed or is not finite.
inline void line(Surface& s, Num x1, Num y1, Num x2, Num y2, int colour) {
  if (good(x1, y1) && good(x2, y2)) s.line(x1.v, y1.v, x2.v, y2.v, colour);
}

// A single point (a dot), which also becomes the current position.
inline bool dot(Surface& s, Num x, Num y, int colour) {
  if (!good(x, y)) return false;
  s.point(x.v, y.v, colour);
  return true;
}

inline void circle(Surface& s, Num x, Num y, Num radius, int colour) {
  if (good(x, y) && radius.good() && radius.v >= 0.0) s.circle(x.v, y.v, radius.v, colour);
}

// Point i of a curve projected on two of its coordinates.
struct Projection {
  int across;  // coordinate drawn to the right
  int up;      // coordinate drawn upward
};
inline constexpr Projection kPlan{1, 2};  // x fore and aft, y height

// A polyline through the listed points of a curve: optionally a dot at the
// first point in dotColour, then straight segments from each listed point to
// the next in segColour. A segment with an end that is not finite is left out.
inline void polyline(Surface& s, const Curve& c, Projection p, std::span<const int> points,
                     bool withDot, int dotColour, int segColour) {
  if (points.empty()) return;
  if (withDot) dot(s, c.get(p.across, points[0]), c.get(p.up, points[0]), dotColour);
  for (std::size_t k = 1; k < points.size(); ++k) {
    line(s, c.get(p.across, points[k - 1]), c.get(p.up, points[k - 1]),
         c.get(p.across, points[k]), c.get(p.up, points[k]), segColour);
  }
}

// Points 1, 5, 10, 15, ..., 100: how the edges and stripes are drawn.
inline constexpr std::array<int, 21> kEveryFifth = [] {
  std::array<int, 21> a{};
  a[0] = 1;
  for (int k = 1; k <= 20; ++k) a[k] = 5 * k;
  return a;
}();

// Points 1, 5, 6, 7, ..., 100: the leech is drawn through every point so the
// hollow between battens shows.
inline constexpr std::array<int, 97> kLeechPoints = [] {
  std::array<int, 97> a{};
  a[0] = 1;
  for (int k = 1; k <= 96; ++k) a[k] = 4 + k;
  return a;
}();

// Draft point of a station: its draft position in percent of the chord,
// rounded half to even, used directly as a point index (0 is the origin).
inline Index draftPoint(const double (&depthPositions)[7], int station) {
  const Index st = checkIndex(station, 0, 6);
  if (!st.ok) return {};
  return toIndex(Num(depthPositions[st.i]), 0, Curve::kPoints);
}

}  // namespace kes::view
