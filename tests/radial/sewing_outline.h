#pragma once
// A radial plot file's pen paths; its sewing outline (the pen path from the
// point before the first "1 pendown" to the first "1 penup"), and
// whether it crosses itself: two seams of the panel that cross in the flat
// leave a panel no knife can cut round.

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "common/lines.h"
#include "develop/plot_file.h"
#include "plot_outline.h"

namespace kes::test {

struct Pt {
  double x, y;
};

// The points of a pen path in design units: the point before `down` and
// every point after it up to `up`.
inline std::vector<Pt> pathPoints(const std::string& text, const char* down, const char* up, double scale) {
  const std::vector<std::string> l = allLines(text);
  std::vector<Pt> out;
  const auto at = std::find(l.begin(), l.end(), down);
  if (at == l.end() || at == l.begin()) return out;
  for (auto it = at - 1; it != l.end() && *it != up; ++it)
    if (IsPointLine(*it)) {
      const PointLineParts p = SplitPointLine(*it);
      out.push_back({PointLineStep(p.x) / scale, PointLineStep(p.y) / scale});
    }
  return out;
}

inline std::vector<Pt> sewingOutline(const std::string& text, double scale) {
  std::vector<Pt> out;
  for (const Pt q : pathPoints(text, "1 pendown", "1 penup", scale))
    if (out.empty() || out.back().x != q.x || out.back().y != q.y) out.push_back(q);
  if (out.size() > 1 && out.front().x == out.back().x && out.front().y == out.back().y) out.pop_back();
  return out;
}

using testing::crossesItself;
using testing::segmentDistance;

// Does the outline fold back onto itself: a point of it within `reach` of
// an edge it does not touch, where the shorter way round between them turns
// by more than a half turn? Then the two seams' allowances overlap (the
// sail's seam line rolled into a spike towards the panel's other seam). A
// sharp tip turns by less than a half turn between its two sides, and
// is no fold.
inline bool foldsBack(const std::vector<Pt>& o, double reach) {
  const std::size_t n = o.size();
  if (n < 4) return false;
  const double pi = std::acos(-1.0);
  std::vector<double> turn(n), length(n);  // at vertex i; of edge i (i -> i+1)
  for (std::size_t i = 0; i < n; ++i) {
    const Pt a = o[(i + n - 1) % n], b = o[i], c = o[(i + 1) % n];
    double t = std::atan2(c.y - b.y, c.x - b.x) - std::atan2(b.y - a.y, b.x - a.x);
    while (t > pi) t -= 2 * pi;
    while (t < -pi) t += 2 * pi;
    turn[i] = t;
    length[i] = std::hypot(c.x - b.x, c.y - b.y);
  }
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = 0; j < n; ++j) {
      if (j == i || (j + 1) % n == i) continue;  // edges touching vertex i
      if (segmentDistance(o[i], o[j], o[(j + 1) % n]) >= reach) continue;
      // Forward from i to edge j, and backward from i to edge j.
      double fwdLen = 0, fwdTurn = 0;
      for (std::size_t k = i; k != j; k = (k + 1) % n) {
        fwdLen += length[k];
        fwdTurn += turn[(k + 1) % n];
      }
      double backLen = 0, backTurn = 0;
      for (std::size_t k = (j + 1) % n; k != i; k = (k + 1) % n) {
        backLen += length[k];
        backTurn += turn[k];
      }
      const double turned = fwdLen <= backLen ? fwdTurn : backTurn;
      if (std::fabs(turned) > pi + 0.2) return true;
    }
  return false;
}

}  // namespace kes::test
