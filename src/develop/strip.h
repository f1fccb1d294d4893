#pragma once
// A panel (or a radial band) laid flat: the doubly curved strip between two
// neighbouring seam lines cut into 198 triangles, each placed from its three
// true side lengths and chained edge to edge into one plane.
//
// The API, shared by the crosscut and radial develops:
//
//   FlatStrip f;
//   DevelopStrip(lowerLine, upperLine, f);   // seam lines i-1 and i
//   f.L(k), f.U(k)                           // flat station k = 1..100
//   f.P0[t] .. f.P3[t]                       // the corner slots, t = 1..198
//   PanelSeaming(lowerLine, upperLine, allowances)
//
// Slots of triangle t, j = 1..99: odd t = 2j-1 holds L(j), U(j), U(j),
// L(j+1); even t = 2j holds L(j+1), U(j), U(j+1), L(j+1). L(1) is the
// origin, the luff rung lies on +y, the panel on the side of +x.
//
// Angles use the stored Pi (3.141593), as the sail's procedures always did:
// it bends a strip slightly, and stored plot files rely on that bend.
// Degenerate triangles (a side of no length, three points in a row) take
// their limit: a flat triangle; an edge along x turns by a quarter. A luff
// rung of no length, or shorter than a hundredth of the lower edge's first
// step, is laid square to that step: the panel still lies along +x.

#include "common/curve.h"

namespace kes {

struct Point2 {
  double x = 0, y = 0;
};

struct FlatStrip {
  static constexpr int kTriangles = 198;
  // Index 0 is never written by DevelopStrip and reads (0, 0); index 199
  // is spare for a copy of the last triangle.
  Point2 P0[kTriangles + 2], P1[kTriangles + 2], P2[kTriangles + 2], P3[kTriangles + 2];

  // Flat station k = 1..100 of the upper and the lower seam line.
  Point2 U(int k) const { return k >= 100 ? P2[kTriangles] : P1[2 * k - 1]; }
  Point2 L(int k) const { return k >= 100 ? P3[kTriangles] : P0[2 * k - 1]; }
};

// The square of the distance from p to the segment a-b.
double SegmentDistance2(Point2 p, Point2 a, Point2 b);

// Lays the strip between lower (L) and upper (U) flat, points 1..100 of each.
void DevelopStrip(const Curve& lower, const Curve& upper, FlatStrip& out);

// The allowance each edge of a panel gets: upper edge, leech, lower edge, luff.
struct EdgeAllowances {
  double upper = 0, leech = 0, lower = 0, luff = 0;
};

// The seaming length: the straight 3-D chords of every edge whose allowance
// is above 0 (upper chord, leech rung, lower chord, luff rung).
double PanelSeaming(const Curve& lower, const Curve& upper, const EdgeAllowances& a);

// The 3-D distance between point p of a and point q of b.
double Distance3(const Curve& a, int p, const Curve& b, int q);

// atan(num / den) taking its limit where den is 0 (±quarter turn, 0 for 0/0).
double AtanRatio(double num, double den);
// The direction of the flat chord from a to b, the quadrant kept: atan(dy/dx)
// wherever b lies to the right of a; a chord running back towards -x (a
// panel laid along y whose lower edge bends back over its luff) points a
// half turn further round.
double ChordAngle(Point2 a, Point2 b);
// The lean of a rung from the vertical, atan(-dx / dy) for a rung (dx, dy)
// from its lower to its upper end, the quadrant kept: a rung that points
// down (a sliver laid along y has its upper leech corner below the lower
// one) leans by a further half turn.
double RungLean(double minusDx, double dy);

}  // namespace kes
