#include "develop/cut_check.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "common/lines.h"
#include "develop/strip.h"

namespace kes {

namespace {

bool has(std::string_view line, std::string_view what) { return line.find(what) != std::string_view::npos; }

// Within `reach` of the closed path? The search starts at segment `from`
// and spreads both ways (a knife point's neighbour on the outline lies near
// its predecessor's); `from` becomes the segment found.
bool near(const Point2* path, std::size_t n, Point2 p, double reach, std::size_t& from) {
  if (n == 0) return false;
  if (n == 1) return SegmentDistance2(p, path[0], path[0]) <= reach * reach;
  const double reach2 = reach * reach;
  const auto seg = [&](std::size_t i) {
    return SegmentDistance2(p, path[i % n], path[(i + 1) % n]) <= reach2;
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

// A closed path indexed in bands across its longer side, so that the
// winding about a point looks only at the few edges that span it. The
// points are stored with x and y swapped when the path is wider than tall:
// the ray then runs across the panel's short side. Reused from file to
// file; filling it allocates only when a path is longer than any before.
class BandedPath {
 public:
  void build(const Point2* path, std::size_t n) {
    n_ = n;
    pts_.clear();
    if (n == 0) return;
    double left = path[0].x, right = left, low = path[0].y, high = low;
    for (std::size_t i = 1; i < n; ++i) {
      left = std::min(left, path[i].x);
      right = std::max(right, path[i].x);
      low = std::min(low, path[i].y);
      high = std::max(high, path[i].y);
    }
    swap_ = right - left > high - low;
    for (std::size_t i = 0; i < n; ++i) pts_.push_back(swap_ ? Point2{path[i].y, path[i].x} : path[i]);
    low_ = swap_ ? left : low;
    const double span = swap_ ? right - left : high - low;
    bands_ = std::clamp<std::size_t>(n, 1, 4096);
    perBand_ = span > 0 ? static_cast<double>(bands_) / span : 0;
    if (!std::isfinite(perBand_)) perBand_ = 0;
    // Counting sort of the edges into the bands they span.
    start_.assign(bands_ + 1, 0);
    for (std::size_t i = 0; i < n; ++i) {
      const auto [b0, b1] = bandsOf(i);
      for (std::size_t b = b0; b <= b1; ++b) ++start_[b + 1];
    }
    for (std::size_t b = 0; b < bands_; ++b) start_[b + 1] += start_[b];
    edges_.resize(start_[bands_]);
    fill_.assign(start_.begin(), start_.end() - 1);
    for (std::size_t i = 0; i < n; ++i) {
      const auto [b0, b1] = bandsOf(i);
      for (std::size_t b = b0; b <= b1; ++b) edges_[fill_[b]++] = static_cast<std::uint32_t>(i);
    }
  }

  // Nonzero winding of the closed path about p.
  bool inside(Point2 q) const {
    if (n_ < 3) return false;
    const Point2 p = swap_ ? Point2{q.y, q.x} : q;
    const double at = (p.y - low_) * perBand_;
    if (!(at >= 0) || at >= static_cast<double>(bands_) + 1) return false;
    const std::size_t b = std::min(static_cast<std::size_t>(at), bands_ - 1);
    int winding = 0;
    for (std::size_t e = start_[b]; e < start_[b + 1]; ++e) {
      const std::size_t i = edges_[e];
      const Point2 a = pts_[i], c = pts_[i + 1 == n_ ? 0 : i + 1];
      const double side = (c.x - a.x) * (p.y - a.y) - (p.x - a.x) * (c.y - a.y);
      if (a.y <= p.y) {
        if (c.y > p.y && side > 0) ++winding;
      } else if (c.y <= p.y && side < 0) {
        --winding;
      }
    }
    return winding != 0;
  }

 private:
  std::pair<std::size_t, std::size_t> bandsOf(std::size_t i) const {
    const Point2 a = pts_[i], c = pts_[i + 1 == n_ ? 0 : i + 1];
    return {band(std::min(a.y, c.y)), band(std::max(a.y, c.y))};
  }
  std::size_t band(double y) const {
    const double at = (y - low_) * perBand_;
    if (!(at > 0)) return 0;
    return std::min(static_cast<std::size_t>(at), bands_ - 1);
  }

  std::vector<Point2> pts_;
  std::vector<std::size_t> start_, fill_;
  std::vector<std::uint32_t> edges_;
  std::size_t n_ = 0, bands_ = 1;
  bool swap_ = false;
  double low_ = 0, perBand_ = 0;
};

// Along an edge without allowance the knife runs through the midpoints of
// the outline's segments, so it cuts past each bend point b (between a and
// c) at half of b's distance from the chord a-c: the hair a smooth curve
// loses at each point. A sharp turn (over a third of a right angle either
// side) is a corner, never cut so: it gets none.
double kinkHair(Point2 a, Point2 b, Point2 c) {
  const double ux = b.x - a.x, uy = b.y - a.y, vx = c.x - b.x, vy = c.y - b.y;
  const double cross = ux * vy - uy * vx, dot = ux * vx + uy * vy;
  if (!(dot > 0) || std::fabs(cross) > dot * std::tan(std::atan(1.0) * 2 / 3)) return 0;
  const double chord = std::hypot(c.x - a.x, c.y - a.y);
  return chord > 0 ? std::fabs(cross) / chord / 2 : 0;
}

// A point appended unless it repeats the last one.
void push(std::vector<Point2>& path, Point2 p) {
  if (path.empty() || path.back().x != p.x || path.back().y != p.y) path.push_back(p);
}

}  // namespace

double MeanWidth(const Point2* path, std::size_t n) {
  if (n < 3) return 0;
  double area = 0, perimeter = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const Point2 a = path[i], b = path[i + 1 == n ? 0 : i + 1];
    area += a.x * b.y - b.x * a.y;
    perimeter += std::hypot(b.x - a.x, b.y - a.y);
  }
  const double width = std::fabs(area) / perimeter;  // twice the area (halved) over the perimeter
  return std::isfinite(width) ? width : 0;
}

std::string CannotCutText(std::string_view name, std::string_view why) {
  std::string text = "Cannot cut " + std::string(name);
  if (!why.empty()) text.append(": ").append(why);
  return text;
}

std::string_view CutFaultReason(CutFault f) {
  switch (f) {
    case CutFault::None:
      return {};
    case CutFault::Unwritable:
      return "a point lies beyond what the plotter takes";
    case CutFault::NoKnife:
      return "it has no knife path to cut";
    case CutFault::Open:
      return "its knife path does not close";
    case CutFault::OutlineOutside:
      return "the knife would cut into its sewing line";
    case CutFault::KnifeFarOff:
      return "the knife strays from the panel";
    case CutFault::NoCloth:
      return "its seams lie on each other";
    case CutFault::SeamsCross:
      return "its seams cross each other";
  }
  return {};
}

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
  // The cloth: the sewing outline, or all the knife paths of a file without one.
  knifeStarts.push_back(knife.size());
  const std::size_t paths = knifeStarts.size() - 1;
  if (sewing.empty()) {
    double cloth = 0;
    for (std::size_t p = 0; p < paths; ++p)
      cloth = std::max(cloth, MeanWidth(knife.data() + knifeStarts[p], knifeStarts[p + 1] - knifeStarts[p]));
    return cloth > kNoClothSteps * stepSize ? CutFault::None : CutFault::NoCloth;
  }
  if (!(MeanWidth(sewing.data(), sewing.size()) > kNoClothSteps * stepSize)) return CutFault::NoCloth;

  // Each knife path as its own closed polygon.
  thread_local std::vector<BandedPath> banded;
  if (banded.size() < paths) banded.resize(paths);
  for (std::size_t p = 0; p < paths; ++p)
    banded[p].build(knife.data() + knifeStarts[p], knifeStarts[p + 1] - knifeStarts[p]);
  std::size_t hint = 0;
  const std::size_t count = sewing.size();
  for (std::size_t i = 0; i < count; ++i) {
    const Point2& s = sewing[i];
    bool in = false;
    for (std::size_t p = 0; p < paths && !in; ++p) in = banded[p].inside(s);
    const double reachOut =
        in ? 0 : tolerance + kinkHair(sewing[i == 0 ? count - 1 : i - 1], s, sewing[i + 1 == count ? 0 : i + 1]);
    for (std::size_t p = 0; p < paths && !in; ++p) {
      const Point2* path = knife.data() + knifeStarts[p];
      in = near(path, knifeStarts[p + 1] - knifeStarts[p], s, reachOut, hint);
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
