#pragma once
// A finished plot file read back alone, as the cutting table reads it: its
// knife path ("0 pendown" .. "0 penup", from the point line before it) and
// its sewing outline ("1 pendown" .. "1 penup", from the point line before
// it), in plotter steps; and whether the knife holds every sewing point, by
// a plain count of the knife's edges a ray from the point crosses, and
// encloses more area than the outline. None of it asks the develops' own
// cut check: a develop that builds knife and outline round the same wrong
// edge fails here.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/lines.h"
#include "develop/plot_file.h"
#include "develop/strip.h"

namespace kes::testing {

// A point line's numbers in plotter steps.
inline Point2 stepsOf(std::string_view line) {
  const PointLineParts p = SplitPointLine(line);
  return {PointLineStep(p.x), PointLineStep(p.y)};
}

struct PlotPaths {
  std::vector<Point2> knife, sewing;  // plotter steps
};

// The first knife path of the file and its sewing outline, each from the
// point the tool stands on when it is lowered (the last point line before
// it): the outline is the first pen path lowered on the point line
// `sewingStart` ("0 0 acut", where the crosscut's outline starts after its
// lettering), or the first pen path of all when `sewingStart` is empty (a
// radial file without lettering). A path never lifted is not read.
inline PlotPaths readPaths(std::string_view text, std::string_view sewingStart = {}) {
  PlotPaths out;
  enum { Before, On, Done } knife = Before, sewing = Before;
  std::string_view line, at;  // at: the last point line
  LineReader lines(text);
  while (lines.next(line)) {
    if (IsPointLine(line)) {
      at = line;
      if (knife == On) out.knife.push_back(stepsOf(line));
      if (sewing == On) out.sewing.push_back(stepsOf(line));
    } else if (line == kKnifeDown && knife == Before && !at.empty()) {
      knife = On;
      out.knife.push_back(stepsOf(at));
    } else if (line == kKnifeUp && knife == On) {
      knife = Done;
    } else if (line == kPenDown && sewing == Before && !at.empty() &&
               (sewingStart.empty() || at == sewingStart)) {
      sewing = On;
      out.sewing.push_back(stepsOf(at));
    } else if (line == kPenUp && sewing == On) {
      sewing = Done;
    }
  }
  if (knife != Done) out.knife.clear();
  if (sewing != Done) out.sewing.clear();
  return out;
}

// Does the edge from a to b cross the ray from p to +x?
inline bool rayCrosses(Point2 a, Point2 b, Point2 p) {
  return (a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
}

// Inside a closed path by the count of its edges a ray to +x crosses.
inline bool crossingInside(const std::vector<Point2>& path, Point2 p) {
  bool in = false;
  for (std::size_t k = 0; k < path.size(); ++k)
    if (rayCrosses(path[k], path[(k + 1) % path.size()], p)) in = !in;
  return in;
}

// The signed area of a closed path (shoelace).
inline double pathArea(const std::vector<Point2>& path) {
  double sum = 0;
  for (std::size_t k = 0; k < path.size(); ++k) {
    const Point2 a = path[k], b = path[(k + 1) % path.size()];
    sum += a.x * b.y - b.x * a.y;
  }
  return sum / 2;
}

// The distance of p from the segment a..b (any point type with x and y).
template <class P>
double segmentDistance(P p, P a, P b) {
  const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
  const double t = l2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l2, 0.0, 1.0) : 0.0;
  return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

// Does p lie within `reach` of an edge of the closed path?
inline bool nearPath(const std::vector<Point2>& path, Point2 p, double reach) {
  for (std::size_t k = 0; k < path.size(); ++k)
    if (segmentDistance(p, path[k], path[(k + 1) % path.size()]) <= reach) return true;
  return false;
}

// A closed path's edges sorted into horizontal bands, so that the crossing
// count about a point looks only at the edges of its band (every edge that
// spans the point's height lies in it). The same count as crossingInside.
class CrossingBands {
 public:
  explicit CrossingBands(const std::vector<Point2>& path) : path_(path) {
    const std::size_t n = path.size();
    if (n == 0) return;
    low_ = high_ = path[0].y;
    for (const Point2 q : path) low_ = std::min(low_, q.y), high_ = std::max(high_, q.y);
    bands_.resize(std::max<std::size_t>(n / 2, 1));
    perBand_ = high_ > low_ ? static_cast<double>(bands_.size()) / (high_ - low_) : 0;
    for (std::size_t k = 0; k < n; ++k) {
      const Point2 a = path[k], b = path[(k + 1) % n];
      for (std::size_t i = band(std::min(a.y, b.y)); i <= band(std::max(a.y, b.y)); ++i) bands_[i].push_back(k);
    }
  }
  bool inside(Point2 p) const {
    if (bands_.empty() || !(p.y >= low_ && p.y <= high_)) return false;
    bool in = false;
    for (const std::size_t k : bands_[band(p.y)])
      if (rayCrosses(path_[k], path_[(k + 1) % path_.size()], p)) in = !in;
    return in;
  }

 private:
  std::size_t band(double y) const {
    return std::min(static_cast<std::size_t>(std::max(0.0, (y - low_) * perBand_)), bands_.size() - 1);
  }
  const std::vector<Point2>& path_;
  std::vector<std::vector<std::size_t>> bands_;
  double low_ = 0, high_ = 0, perBand_ = 0;
};

// Do two edges of the closed path that share no end cross, each passing
// strictly through the other? Then it loops over itself: the crossing
// count and the shoelace say nothing of what the table cuts out (and two
// seams of a sewing outline that cross leave a panel no knife can cut round).
template <class P>
bool crossesItself(const std::vector<P>& o) {
  const std::size_t n = o.size();
  const auto side = [](P a, P b, P c) {
    const double s = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    return s > 0 ? 1 : s < 0 ? -1 : 0;
  };
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = i + 2; j < n; ++j) {
      if (i == 0 && j == n - 1) continue;  // neighbours round the end
      const P a = o[i], b = o[(i + 1) % n], c = o[j], d = o[(j + 1) % n];
      if (side(a, b, c) * side(a, b, d) < 0 && side(c, d, a) * side(c, d, b) < 0) return true;
    }
  return false;
}

inline constexpr std::string_view kKnifeLoops = "knife crosses itself: ";

// How far a knife through the midpoints of the outline's segments (as an
// edge without allowance is cut) passes outside bend point k: half its
// distance from the chord of its neighbours. `cut` gets the area it cuts
// off there, a quarter of the triangle of the three points.
inline double midpointHair(const std::vector<Point2>& o, std::size_t k, double& cut) {
  const std::size_t n = o.size();
  const Point2 a = o[(k + n - 1) % n], b = o[k], c = o[(k + 1) % n];
  const double twice = std::fabs((c.x - a.x) * (b.y - a.y) - (c.y - a.y) * (b.x - a.x));
  const double chord = std::sqrt((c.x - a.x) * (c.x - a.x) + (c.y - a.y) * (c.y - a.y));
  cut = twice / 8;
  return chord > 0 ? twice / chord / 2 : 0;
}

// What is wrong with the knife of a file read back alone; empty when every
// sewing point lies inside the knife by the crossing count, or no further
// off it than `slack` plotter steps (both paths rounded to whole steps)
// beyond the hair a knife through the midpoints of its segments leaves
// outside it; and when the knife encloses more area than the outline, less
// what that knife cuts off the bends and a step along the outline. A fault
// of a knife that loops over itself starts with kKnifeLoops.
inline std::string knifeFault(const PlotPaths& p, double slack = 3) {
  const auto fault = [&](const std::string& what) {
    return crossesItself(p.knife) ? std::string(kKnifeLoops) + what : what;
  };
  if (p.knife.size() < 3) return "no knife path";
  // The outline without repeated points, closed on its first point.
  std::vector<Point2> o;
  for (const Point2 q : p.sewing)
    if (o.empty() || o.back().x != q.x || o.back().y != q.y) o.push_back(q);
  while (o.size() > 1 && o.front().x == o.back().x && o.front().y == o.back().y) o.pop_back();
  if (o.size() < 3) return "no sewing outline";
  const CrossingBands knife(p.knife);
  double hairs = 0, length = 0;
  for (std::size_t k = 0; k < o.size(); ++k) {
    const Point2 a = o[(k + o.size() - 1) % o.size()], b = o[k];
    double cut = 0;
    const double hair = midpointHair(o, k, cut);
    hairs += cut;
    length += std::sqrt((b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y));
    if (knife.inside(b) || nearPath(p.knife, b, slack + hair)) continue;
    return fault("sewing point " + std::to_string(b.x) + " " + std::to_string(b.y) +
                 " outside the knife by over " + std::to_string(slack + hair) + " steps");
  }
  const double cut = std::fabs(pathArea(p.knife)), sewn = std::fabs(pathArea(o));
  if (!(cut > sewn - hairs - length))
    return fault("knife area " + std::to_string(cut) + " below the sewing area " + std::to_string(sewn));
  return {};
}

}  // namespace kes::testing
