#pragma once
// Flat geometry of a radial band: its stations, the panels' cut-edge records
// with the edge each stands for, their corners and the knife path cut
// through them.
//
// A station or point that does not exist (an end code a hand-edited panel
// file made up) reads as "no point": not finite. Records of no point are
// never added (AppendRecord) and points of no point never written
// (PlotText::point): the point is skipped.

#include <vector>

#include "common/curve.h"
#include "develop/outline.h"
#include "develop/strip.h"

namespace kes {

class PlotText;

inline bool finite(Point2 p) { return std::isfinite(p.x) && std::isfinite(p.y); }
inline Point2 midpoint(Point2 a, Point2 b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }
inline constexpr Point2 kNoPoint{NAN, NAN};

// The flat stations of one band: U(k) on its upper seam line, L(k) on its
// lower one, k = 1..100 (L(1) at the origin, U(1) on +y).
struct RadialStrip {
  Point2 u[101], l[101];  // index 1..100

  static bool has(int k) { return k >= 1 && k <= 100; }
  Point2 U(int k) const { return has(k) ? u[k] : kNoPoint; }
  Point2 L(int k) const { return has(k) ? l[k] : kNoPoint; }
  // The lower station after k; the strip's last triangle (its copy after it
  // too) carries no further lower segment, so L(100) is its own next.
  Point2 LNext(int k) const { return k >= 100 ? L(100) : L(k + 1); }
  // The first of the two lower points the pen writes at station k: the
  // band's triangle before station 1 is a copy of its first, so at
  // station 1 that point is L(2).
  Point2 LPenFirst(int k) const { return k == 1 ? L(2) : L(k); }
};
RadialStrip RadialStripFrom(const FlatStrip& f);

// The records of one panel with the edge each stands for, numbered from 1;
// an index past the count (or 0) reads as an empty record.
struct PanelRecords {
  enum Edge { kUpper = 1, kDivider, kEndRadial, kLower, kStart };
  CutOutline cut;
  int edge[CutOutline::kMax + 1] = {};
  // The sewing point at which each record's edge turns onto the next edge
  // (no point where the writer gives none): the sewing corner the knife's
  // corner after the record stands for.
  Point2 sewingEnd[CutOutline::kMax + 1] = {};

  // Adds a record; its index, or 0 when it could not be formed.
  int add(const CutRecord& r, int kind, Point2 end = kNoPoint) {
    if (!AppendRecord(cut, r)) return 0;
    edge[cut.n] = kind;
    sewingEnd[cut.n] = end;
    return cut.n;
  }
  // The same, keeping the index in `last` when the record was added.
  void add(const CutRecord& r, int kind, int& last, Point2 end = kNoPoint) {
    if (int i = add(r, kind, end)) last = i;
  }
  // The sewing corner after record i (no point past the records).
  Point2 sewingCorner(int i) const { return (i >= 1 && i <= cut.n) ? sewingEnd[i] : kNoPoint; }
  int count() const { return cut.n; }
  const CutRecord& at(int i) const {
    static const CutRecord empty{};
    return (i >= 1 && i <= cut.n) ? cut.rec[i] : empty;
  }
  Point2 point(int i) const { return {at(i).x, at(i).y}; }
};

// (-sin θ, cos θ) of a segment's slope angle θ is its left side while it
// runs towards +x; a segment running back in x has it turned over. An edge
// whose outside lies on the left of a → b moves its record by
// RunningSide(a, b) times its allowance, whichever way the segment runs.
inline double RunningSide(Point2 a, Point2 b) { return b.x < a.x ? -1.0 : 1.0; }

// A record through `at` with the slope of the segment a -> b, moved by
// `by` along (-sin θ, cos θ), θ the slope's angle; a vertical segment gives
// a vertical record through `at` moved by verticalShift along x.
CutRecord StationRecord(Point2 at, Point2 a, Point2 b, double by, double verticalShift);
// The same about the segment's midpoint.
CutRecord SegmentRecord(Point2 a, Point2 b, double by, double verticalShift);

// Where two records' lines meet; parallel lines meet at b's own point.
Point2 CornerOf(const CutRecord& a, const CutRecord& b);

// The knife path of one panel, collected point by point and then written:
// its first point, "0 pendown", the rest, "0 penup". Corners are written as
// they stand; record points of one edge written in a row (two or more) are
// left out where they lie more than one plotter step behind the corner
// written just before them or beyond the corner just after them, measured
// along the run from its first to its last point: the knife never cuts a
// spur out past a corner and back. Points of no point are skipped.
class KnifePath {
 public:
  static constexpr int kCorner = -1, kLeech = 0;  // other kinds: PanelRecords::Edge
  void corner(Point2 p) { items_.push_back({p, kCorner}); }
  void own(const PanelRecords& rec, int i) { items_.push_back({rec.point(i), rec.edge[i]}); }
  void point(Point2 p, int kind) { items_.push_back({p, kind}); }

  // The points to be written; step is one plotter step in design units.
  std::vector<Point2> kept(double step) const;
  void write(PlotText& plot, double step) const;

 private:
  struct Item {
    Point2 p;
    int kind;
  };
  std::vector<Item> items_;
};

// The band's frames: the leech turn (leech points, batten ends, the knife's
// leech: the 3-D leech rung's lean less the flat rung's) and the luff lean
// (batten inner ends and reef points), both about the band's lower leech
// corner; `lean` is the 3-D leech rung's lean, whose normal (cos, sin)
// carries the knife's leech tabling.
struct BandFrames {
  FlatPlacement leech, luff;
  double lean = 0;
  Point2 leechPoint(const Curve& c, int k, double tabling = 0) const;
};
BandFrames MakeBandFrames(const Curve& lower, const Curve& upper, const RadialStrip& s);

}  // namespace kes
