#pragma once
// How far the knife stands off the sewing line, read from a written plot
// file alone: the sewing outline is the pen path before the knife's comment
// that encloses the most (the lettering's strokes and the batten-end
// crosses enclose next to nothing), the knife the tool 0 path. The test
// says which run of the outline is which edge and what allowance that edge
// carries; every knife point, and points every kSampleSteps along each cut,
// is measured square to the sewing edge nearest to it, which must be the
// edge's allowance out of the panel. Where the nearest sewing point lies
// close to a corner between two edges (a mitre, a cut corner, the knife
// turning from one edge's line onto the next) nothing is measured.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/lines.h"
#include "develop/plot_file.h"
#include "plot_outline.h"

namespace kes::testing {

// A plot file's sewing outline (without repeated points, not closed on its
// first point) and its knife path, in plotter steps.
struct SewnPanel {
  std::vector<Point2> outline, knife;
};

// Points no more than this apart in either coordinate are one point.
inline constexpr double kSamePointSteps = 1;

inline SewnPanel readSewnPanel(std::string_view text) {
  SewnPanel out;
  std::vector<Point2> pen;
  bool penOn = false, knifeOn = false, knifeDone = false, penWork = true;
  double bestArea = 0;
  Point2 at{};
  bool haveAt = false;
  std::string_view line;
  LineReader lines(text);
  while (lines.next(line)) {
    if (IsPointLine(line)) {
      at = stepsOf(line);
      haveAt = true;
      if (penOn) pen.push_back(at);
      if (knifeOn) out.knife.push_back(at);
    } else if (line == kPlotComment) {
      penWork = false;  // the marks after it are no sewing line
    } else if (line == kPenDown && haveAt && penWork) {
      penOn = true;
      pen.assign(1, at);
    } else if (line == kPenUp && penOn) {
      penOn = false;
      // A closed path: the largest is the sewing outline.
      if (pen.size() > 3 && pen.front().x == pen.back().x && pen.front().y == pen.back().y &&
          std::fabs(pathArea(pen)) > bestArea) {
        bestArea = std::fabs(pathArea(pen));
        out.outline = pen;
      }
    } else if (line == kKnifeDown && haveAt && !knifeDone) {
      penWork = false;
      knifeOn = true;
      out.knife.assign(1, at);
    } else if (line == kKnifeUp && knifeOn) {
      knifeOn = false;
      knifeDone = true;
    }
  }
  if (!knifeDone) out.knife.clear();
  // A point the pen writes twice can differ in its last step (the strip's
  // two triangles at a station place it each in its own float error).
  const auto same = [](Point2 a, Point2 b) {
    return std::fabs(a.x - b.x) <= kSamePointSteps && std::fabs(a.y - b.y) <= kSamePointSteps;
  };
  std::vector<Point2> o;
  for (const Point2 q : out.outline)
    if (o.empty() || !same(o.back(), q)) o.push_back(q);
  while (o.size() > 1 && same(o.front(), o.back())) o.pop_back();
  out.outline = o;
  return out;
}

// One edge of the outline as the sail has it: the number of outline
// segments it runs over (from the outline's first point on, edge after
// edge) and its allowance in the sail's unit. A leech's tabling is laid off
// square to its chord (from corner to corner), not to each bit of the
// curve: a segment of it at an angle to the chord stands that much nearer
// the knife (`squareToChord`). A rung a step or two long (the lens foot's
// ends) may be drawn, or its two ends may round onto one point
// (`mayVanish`).
struct EdgeRun {
  std::string name;
  int segments = 0;
  double allowance = 0;
  bool squareToChord = false, mayVanish = false;
};

// A rung between two 3-D points `length` apart drawn at `scale` steps a
// unit: none where its ends meet (a bottom panel whose seam runs into the
// tack); one that may round onto a point when it is a few steps long.
inline EdgeRun rung(std::string name, double length, double scale, double allowance) {
  const double steps = length * scale;
  return {std::move(name), steps > 0.5 ? 1 : 0, allowance, false, steps > 0.5 && steps < 4};
}

// What the measuring found over many files: per edge name the number of
// points measured; the faults met (the first few, one a file at most for
// its misses) and the number of points that missed.
struct OffsetTally {
  std::map<std::string, int> measured;
  std::vector<std::string> faults;
  int files = 0, misses = 0;
};

inline constexpr double kSampleSteps = 100;  // a fifth of an inch between measured points along a cut

// The knife of one file against its outline's edges. `scale`: plotter
// steps per unit of the sail; `tolerance`: the miss allowed, in steps.
//
// Left unmeasured, as corners: a point whose nearest sewing point lies on
// the first or last segment of an edge of more than one (where the knife
// turns from the edge's line onto its corner), or within `cornerReach`
// times the larger allowance of the two edges meeting at a corner (plus a
// few steps) of that corner. Where the outline bends inside an edge, the
// knife through its moved segments' midpoints passes inside the bend by up
// to half the bend point's distance from its neighbours' chord: that much
// more is allowed there.
inline void measureKnife(const SewnPanel& p, std::vector<EdgeRun> edges, double scale, double tolerance,
                         double cornerReach, const std::string& where, OffsetTally& tally) {
  ++tally.files;
  const std::vector<Point2>& o = p.outline;
  const std::size_t n = o.size();
  int planned = 0, vanishing = 0;
  for (const EdgeRun& e : edges) {
    planned += e.segments;
    vanishing += e.mayVanish;
  }
  // Rungs whose ends rounded onto one point: all of them, or none.
  if (vanishing > 0 && planned - vanishing == static_cast<int>(n)) {
    for (EdgeRun& e : edges)
      if (e.mayVanish) e.segments = 0;
    planned -= vanishing;
  }
  if (n < 3 || p.knife.size() < 3) {
    tally.faults.push_back(where + ": no sewing outline or no knife");
    return;
  }
  if (planned != static_cast<int>(n)) {
    tally.faults.push_back(where + ": the outline has " + std::to_string(n) + " segments, its edges " +
                           std::to_string(planned));
    return;
  }
  // Segment k runs from o[k] to o[k + 1].
  struct Segment {
    std::size_t edge = 0;
    bool end = false;    // the first or last of an edge of more than one
    double want = 0;     // the knife's distance from it, steps
    double slack = 0;    // the midpoint knife's sag at its bends, steps
  };
  std::vector<Segment> segs(n);
  std::vector<std::size_t> cornerAt;  // outline points where one edge meets the next
  std::vector<double> cornerReachSteps;
  std::size_t k = 0;
  for (std::size_t e = 0; e < edges.size(); ++e) {
    const EdgeRun& run = edges[e];
    if (run.segments == 0) continue;
    cornerAt.push_back(k);
    std::size_t before = e;  // the edge before this one, round the end for the first
    do before = (before + edges.size() - 1) % edges.size();
    while (edges[before].segments == 0 && before != e);
    const double larger = std::max(std::fabs(run.allowance), std::fabs(edges[before].allowance));
    cornerReachSteps.push_back(cornerReach * larger * scale + 5);
    const Point2 from = o[k], to = o[(k + run.segments) % n];
    const double chord = std::hypot(to.x - from.x, to.y - from.y);
    for (int s = 0; s < run.segments; ++s, ++k) {
      Segment& g = segs[k];
      g.edge = e;
      g.end = run.segments > 1 && (s == 0 || s == run.segments - 1);
      const Point2 a = o[k], b = o[(k + 1) % n];
      const double length = std::hypot(b.x - a.x, b.y - a.y);
      double cosine = 1;
      if (run.squareToChord && chord > 0 && length > 0)
        cosine = std::fabs((b.x - a.x) * (to.x - from.x) + (b.y - a.y) * (to.y - from.y)) / (length * chord);
      g.want = run.allowance * scale * cosine;
      // The bends at its two ends inside the edge.
      double unused = 0;
      if (s > 0) g.slack = std::max(g.slack, midpointHair(o, k, unused));
      if (s + 1 < run.segments) g.slack = std::max(g.slack, midpointHair(o, (k + 1) % n, unused));
    }
  }
  // Outside lies on the right of a counter-clockwise run.
  const double turn = pathArea(o) > 0 ? 1 : -1;
  bool told = false;
  const auto measure = [&](Point2 q) {
    double best = INFINITY;
    std::size_t seg = 0;
    Point2 foot{};
    for (std::size_t j = 0; j < n; ++j) {
      const Point2 a = o[j], b = o[j + 1 < n ? j + 1 : 0];
      const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
      const double t = l2 > 0 ? std::clamp(((q.x - a.x) * dx + (q.y - a.y) * dy) / l2, 0.0, 1.0) : 0.0;
      const Point2 f{a.x + t * dx, a.y + t * dy};
      const double d2 = (q.x - f.x) * (q.x - f.x) + (q.y - f.y) * (q.y - f.y);
      if (d2 < best) {
        best = d2;
        seg = j;
        foot = f;
      }
    }
    const Point2 a = o[seg], b = o[(seg + 1) % n];
    const double cross = (b.x - a.x) * (q.y - a.y) - (b.y - a.y) * (q.x - a.x);  // > 0: left of a -> b
    const double off = (cross * turn > 0 ? -1 : 1) * std::sqrt(best);           // out of the panel: positive
    const Segment& g = segs[seg];
    if (g.end) return;
    for (std::size_t c = 0; c < cornerAt.size(); ++c) {
      const Point2 v = o[cornerAt[c]];
      if (std::hypot(foot.x - v.x, foot.y - v.y) <= cornerReachSteps[c]) return;
    }
    const EdgeRun& e = edges[g.edge];
    ++tally.measured[e.name];
    if (!(std::fabs(off - g.want) <= tolerance + g.slack)) {
      ++tally.misses;
      if (told || tally.faults.size() >= 40) return;
      told = true;
      char text[200];
      std::snprintf(text, sizeof text, ": the knife at %.0f %.0f stands %.1f steps off the %s, not %.1f", q.x, q.y,
                    off, e.name.c_str(), g.want);
      tally.faults.push_back(where + text);
    }
  };
  const std::vector<Point2>& kn = p.knife;
  for (std::size_t i = 0; i + 1 < kn.size(); ++i) {
    const Point2 a = kn[i], b = kn[i + 1];
    const int pieces = std::max(1, static_cast<int>(std::ceil(std::hypot(b.x - a.x, b.y - a.y) / kSampleSteps)));
    for (int s = 0; s < pieces; ++s) measure({a.x + (b.x - a.x) * s / pieces, a.y + (b.y - a.y) * s / pieces});
  }
}

}  // namespace kes::testing
