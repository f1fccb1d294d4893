#pragma once
// The cut outline of a flat panel: every edge moved outward by its
// allowance, kept as straight-line records (a point and a slope), from
// which the knife path, the panel's area and the marks' inside test are
// taken; and the placing of model-plane points into a panel's flat frame.
//
// The API, shared by the crosscut and radial develops:
//
//   CutOutline cut;
//   OffsetEdge(strip, allowances, cut);       // crosscut panels: 1..n, cut.leech
//   AppendRecord(cut, OffsetSegment(a, b, by)) // radial writers build their own
//   Corner(cut.rec[k - 1], cut.rec[k], p)     // knife corners
//   OutlineArea(cut)
//   InsideOutline(cut, point)                 // winding test of the marks
//   FlatPlacement{modelAnchor, flatAnchor, phi}.place(p)
//   ForLeechPoints(endUpper, endLower, f)     // leech indices between two seam ends
//
// A record is a straight line through (x, y) with slope dy/dx, or a
// vertical line through (x, y). Records are never NaN: a record that cannot
// be formed is not added.

#include <cmath>

#include "common/checked.h"
#include "develop/strip.h"

namespace kes {

struct CutRecord {
  double x = 0, y = 0;
  double slope = 0;
  bool vertical = false;  // a line x = const; slope carries nothing
  Point2 along{};         // the segment's own direction: b - a (0 when unknown)
};

struct CutOutline {
  static constexpr int kMax = 396;
  CutRecord rec[kMax + 1];  // records 1..n
  int n = 0;
  int leech = 0;            // index of the leech record; 0 when there is none
};

// The segment a -> b moved by `by` along (-sin θ, cos θ), θ the segment's
// slope angle (to the left of a left-to-right segment); its midpoint and
// slope. A vertical segment (a.x == b.x) has no slope: `verticalShift` then
// moves it along x, and the record is vertical.
bool OffsetSegment(Point2 a, Point2 b, double by, CutRecord& out);
CutRecord VerticalRecord(Point2 a, Point2 b, double shiftX);

// Adds a record; false (nothing added) when the outline is full or the
// record is not finite.
bool AppendRecord(CutOutline& cut, const CutRecord& r);

// The crosscut panel's records: the upper edge's segments moved up by
// a.upper (luff to leech), one leech record moved out of the panel by
// a.leech (towards +x; a vertical flat rung too), the lower edge's segments
// moved down by a.lower (leech back to luff). Exactly vertical upper or
// lower segments give no record; cut.leech is where the leech record went.
// Each segment's allowance lies outward whichever way it runs: a segment
// running back towards the luff (a panel laid along y) keeps it outside.
void OffsetEdge(const FlatStrip& strip, const EdgeAllowances& a, CutOutline& cut);

// The intersection of two record lines; false for parallel lines.
bool Corner(const CutRecord& a, const CutRecord& b, Point2& out);
// The point of a record's line nearest to p.
Point2 Foot(const CutRecord& r, Point2 p);
// A knife corner of the sewing corner c: `at` where the lines meet, when
// that lies within `limit` of c; else (or when they do not meet) the corner
// is cut, as drawing programs cut a sharp mitred join: the feet of c on a's
// line and on b's line. Returns the number of points, 1 or 2.
int MitreCorner(const CutRecord& a, const CutRecord& b, Point2 c, double limit, Point2 at[2]);
// The point of a record's line at x; false for a vertical line.
bool LineYAt(const CutRecord& r, double x, double& y);

// Area of the polygon through the record points 1..n, closed on record 1.
double OutlineArea(const CutOutline& cut);

// Winding test: the sum of the direction steps (degrees, converted with
// 3.141593) of the record points seen from p, closed on record 1; inside
// when the sum, rounded half to even, is ±360. Steps where p coincides with
// a record point are skipped.
bool InsideOutline(const CutOutline& cut, Point2 p);

// A model-plane point turned by -phi about modelAnchor, stretched by scale
// (1 but where a leech is fitted between its flat corners) and moved onto
// flatAnchor.
struct FlatPlacement {
  Point2 modelAnchor, flatAnchor;
  double phi = 0;
  double scale = 1;
  Point2 place(Point2 p) const {
    const double u = (p.x - modelAnchor.x) * scale, v = (p.y - modelAnchor.y) * scale;
    const double c = std::cos(-phi), s = std::sin(-phi);
    return {u * c - v * s + flatAnchor.x, u * s + v * c + flatAnchor.y};
  }
};

// For k = endUpper + 1 up to endLower - 1 in steps of 1 (the seam ends as
// stored, a fraction kept), calls f(index) with k rounded half to even;
// an index outside the leech's points 1..100 is skipped (slot 0 holds no
// point), and the loop never runs beyond that range whatever the ends hold.
template <class F>
void ForLeechPoints(double endUpper, double endLower, F&& f) {
  double k = endUpper + 1, last = endLower - 1;
  if (!std::isfinite(k) || !std::isfinite(last)) return;
  if (k < 0) k += std::ceil(-k);
  if (last > 101) last = 101;
  for (; k <= last; k += 1) {
    const Index i = toIndex(Num(k), 1, 100);
    if (i.ok) f(i.i);
  }
}

}  // namespace kes
