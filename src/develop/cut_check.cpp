#include "develop/cut_check.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/lines.h"
#include "develop/strip.h"

namespace kes {

namespace {

bool has(std::string_view line, std::string_view what) { return line.find(what) != std::string_view::npos; }

// The square of the distance from p to the segment a-b.
double segmentDistance2(Point2 p, Point2 a, Point2 b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  const double ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
  return ex * ex + ey * ey;
}

// Within `reach` of the closed path? The search starts at segment `from`
// and spreads both ways (a knife point's neighbour on the outline lies near
// its predecessor's); `from` becomes the segment found.
bool near(const Point2* path, std::size_t n, Point2 p, double reach, std::size_t& from) {
  if (n == 0) return false;
  if (n == 1) return segmentDistance2(p, path[0], path[0]) <= reach * reach;
  const double reach2 = reach * reach;
  const auto seg = [&](std::size_t i) {
    return segmentDistance2(p, path[i % n], path[(i + 1) % n]) <= reach2;
  };
  from %= n;
  for (std::size_t d = 0; d <= n / 2; ++d) {
    if (seg(from + d)) {
      from = (from + d) % n;
      return true;
    }
    if (d > 0 && seg(from + n - d)) {
      from = (from + n - d) % n;
      return true;
    }
  }
  return false;
}

// Nonzero winding of the closed path about p.
bool inside(const Point2* path, std::size_t n, Point2 p) {
  int winding = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const Point2 a = path[i], b = path[(i + 1) % n];
    const double side = (b.x - a.x) * (p.y - a.y) - (p.x - a.x) * (b.y - a.y);
    if (a.y <= p.y) {
      if (b.y > p.y && side > 0) ++winding;
    } else if (b.y <= p.y && side < 0) {
      --winding;
    }
  }
  return winding != 0;
}

// A point appended unless it repeats the last one.
void push(std::vector<Point2>& path, Point2 p) {
  if (path.empty() || path.back().x != p.x || path.back().y != p.y) path.push_back(p);
}

}  // namespace

CutFault CheckCut(const PlotText& plot, TextRange sewingRange, double largestAllowance) {
  if (plot.dropped() > 0) return CutFault::Unwritable;
  const double sx = plot.scaleX(), sy = plot.scaleY();
  const double stepSize = 1.0 / std::min(std::fabs(sx), std::fabs(sy));
  if (!std::isfinite(stepSize) || !(stepSize > 0)) return CutFault::Unwritable;
  // Both paths are rounded down to whole steps, and along an edge without
  // allowance the knife runs through the midpoints of the outline's short
  // segments, cutting a hair off a kink: three steps and a hundredth of
  // the allowance.
  const double tolerance = 3 * stepSize + std::fabs(largestAllowance) / 100;

  // Reused from file to file: a run checks dozens of files.
  thread_local std::vector<Point2> sewing, knife;
  thread_local std::vector<std::size_t> knifeStarts;
  sewing.clear();
  knife.clear();
  knifeStarts.clear();

  const std::string& text = plot.text();
  LineReader lines(text);
  std::string_view line;
  bool cutting = false, havePoint = false, started = false;
  Point2 last{};
  std::size_t knifeCount = 0;
  while (lines.next(line)) {
    const std::size_t at = static_cast<std::size_t>(line.data() - text.data());
    if (IsPointLine(line)) {
      const PointLineParts parts = SplitPointLine(line);
      last = {PointLineStep(parts.x) / sx, PointLineStep(parts.y) / sy};
      havePoint = true;
      if (at >= sewingRange.from && at < sewingRange.to) push(sewing, last);
      if (cutting) {
        knife.push_back(last);
        ++knifeCount;
      }
      continue;
    }
    if (has(line, "0 pendown")) {
      if (cutting) continue;
      // A path of its own: from the point the knife was lowered at.
      cutting = true;
      started = true;
      knifeStarts.push_back(knife.size());
      knifeCount = 0;
      if (havePoint) {
        knife.push_back(last);
        ++knifeCount;
      }
    } else if (has(line, "penup") && cutting) {
      cutting = false;
      if (knifeCount < 3) return CutFault::NoKnife;
      const Point2 first = knife[knifeStarts.back()], end = knife.back();
      if (std::fabs(first.x - end.x) > tolerance || std::fabs(first.y - end.y) > tolerance)
        return CutFault::Open;
    }
  }
  if (!started) return CutFault::NoKnife;
  if (cutting) return CutFault::Open;  // never lifted
  if (sewing.empty()) return CutFault::None;

  // Each knife path as its own closed polygon.
  knifeStarts.push_back(knife.size());
  std::size_t hint = 0;
  for (const Point2 s : sewing) {
    bool in = false;
    for (std::size_t p = 0; p + 1 < knifeStarts.size() && !in; ++p) {
      const Point2* path = knife.data() + knifeStarts[p];
      const std::size_t n = knifeStarts[p + 1] - knifeStarts[p];
      in = inside(path, n, s) || near(path, n, s, tolerance, hint);
    }
    if (!in) return CutFault::OutlineOutside;
  }
  const double reach = kCutReach * std::fabs(largestAllowance) + tolerance;
  hint = 0;
  for (const Point2 k : knife)
    if (!near(sewing.data(), sewing.size(), k, reach, hint)) return CutFault::KnifeFarOff;
  return CutFault::None;
}

}  // namespace kes
