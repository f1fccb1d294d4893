#include "radial/radial_geometry.h"

#include <cmath>

#include "develop/plot_file.h"

namespace kes {

RadialStrip RadialStripFrom(const FlatStrip& f) {
  RadialStrip s;
  for (int k = 1; k <= 100; ++k) {
    s.u[k] = f.U(k);
    s.l[k] = f.L(k);
  }
  return s;
}

CutRecord StationRecord(Point2 at, Point2 a, Point2 b, double by, double verticalShift) {
  if (!finite(a) || !finite(b) || !finite(at)) return {NAN, NAN, 0, false};
  if (a.x == b.x) return {at.x + verticalShift, at.y, 0, true};
  const double m = (b.y - a.y) / (b.x - a.x);
  const double t = std::atan(m);
  return {at.x - by * std::sin(t), at.y + by * std::cos(t), m, false};
}

CutRecord SegmentRecord(Point2 a, Point2 b, double by, double verticalShift) {
  if (!finite(a) || !finite(b)) return {NAN, NAN, 0, false};
  if (a.x == b.x) return VerticalRecord(a, b, verticalShift);
  // The segment's midpoint, then moved: the radial edges are offset from
  // their midpoints (the crosscut's records halve the two moved ends).
  const double m = (b.y - a.y) / (b.x - a.x);
  const double t = std::atan(m);
  const CutRecord r{(a.x + b.x) / 2 - by * std::sin(t), (a.y + b.y) / 2 + by * std::cos(t), m, false};
  if (!std::isfinite(r.x) || !std::isfinite(r.y) || !std::isfinite(r.slope)) return {NAN, NAN, 0, false};
  return r;
}

Point2 CornerOf(const CutRecord& a, const CutRecord& b) {
  Point2 p;
  if (Corner(a, b, p)) return p;
  return {b.x, b.y};
}

std::vector<Point2> KnifePath::kept(double step) const {
  const int n = static_cast<int>(items_.size());
  std::vector<bool> drop(items_.size(), false);
  for (int s = 0; s < n;) {
    int e = s + 1;
    while (e < n && items_[e].kind == items_[s].kind) ++e;
    int first = -1, last = -1;
    if (items_[s].kind != kCorner && e - s >= 2) {
      for (int k = s; k < e; ++k) {
        if (!finite(items_[k].p)) continue;
        if (first < 0) first = k;
        last = k;
      }
    }
    if (first >= 0) {
      const double dx = items_[last].p.x - items_[first].p.x;
      const double dy = items_[last].p.y - items_[first].p.y;
      const double len = std::hypot(dx, dy);
      auto cornerAt = [&](int k) -> const Item* {
        return (k >= 0 && k < n && items_[k].kind == kCorner && finite(items_[k].p)) ? &items_[k]
                                                                                     : nullptr;
      };
      const Item* before = cornerAt(s - 1);
      const Item* after = cornerAt(e);
      if (len > 0 && std::isfinite(len)) {
        for (int k = s; k < e; ++k) {
          const Point2 p = items_[k].p;
          auto along = [&](const Item* c) {
            return ((p.x - c->p.x) * dx + (p.y - c->p.y) * dy) / len;
          };
          if ((before && along(before) < -step) || (after && along(after) > step)) drop[k] = true;
        }
      }
    }
    s = e;
  }
  std::vector<Point2> out;
  out.reserve(items_.size());
  for (int k = 0; k < n; ++k)
    if (!drop[k] && finite(items_[k].p)) out.push_back(items_[k].p);
  return out;
}

void KnifePath::write(PlotText& plot, double step) const {
  bool down = false;
  for (const Point2& p : kept(step)) {
    if (!plot.point(p.x, p.y)) continue;
    if (!down) {
      plot.line(kKnifeDown);
      down = true;
    }
  }
  if (down) plot.line(kKnifeUp);
}

Point2 BandFrames::leechPoint(const Curve& c, int k, double tabling) const {
  if (!Curve::inBounds(1, k) || k < 1) return kNoPoint;
  // The point is taken from the lower leech corner first, then moved out.
  const Point2 a = leech.modelAnchor;
  const FlatPlacement fromCorner{{0, 0}, leech.flatAnchor, leech.phi};
  return fromCorner.place(
      {c(1, k) - a.x + tabling * std::cos(lean), c(2, k) - a.y + tabling * std::sin(lean)});
}

BandFrames MakeBandFrames(const Curve& lower, const Curve& upper, const RadialStrip& s) {
  BandFrames f;
  const Point2 corner3d{lower(1, 100), lower(2, 100)};
  const Point2 flatLow = s.L(100), flatUp = s.U(100);
  // The leans keep their quadrant: a band that lies flat rolled past a
  // quarter turn has its upper leech corner below the clew, and its leech
  // is still carried onto the rung, not turned away from it.
  f.lean = RungLean(lower(1, 100) - upper(1, 100), upper(2, 100) - lower(2, 100));
  const double flatLean = RungLean(flatLow.x - flatUp.x, flatUp.y - flatLow.y);
  f.leech = FlatPlacement{corner3d, flatLow, f.lean - flatLean};
  f.luff = FlatPlacement{corner3d, flatLow,
                         AtanRatio(lower(1, 1) - upper(1, 1), upper(2, 1) - lower(2, 1))};
  return f;
}

}  // namespace kes
