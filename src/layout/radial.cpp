// The radial layout: divider, default fan and band ends, drawing.

#include "layout/radial.h"

#include <algorithm>
#include <cmath>

#include "layout/crosscut.h"
#include "layout/layout_draw.h"

namespace kes {

namespace {

constexpr double kDegrees = 180.0 / Pi;

// A count used as a bound over radial seams 0..33.
int seamsOf(int count) { return std::clamp(count, 0, PanelLayout::kRadialSeams - 1); }

// A divider end outside 10..90 (or never set) goes to the middle.
int keepDividerEnd(int end) { return end < 10 || end > 90 ? 50 : end; }

layout::PlanPoint plan(LayoutPoint p) {
  if (!p.ok) return {Num::fail(), Num::fail()};
  return {layout::single(Num(p.x)), layout::single(Num(p.y))};
}

// The straight divider from seam line 1's point DividerTopIndex to the
// foot's point DividerFootIndex, 50 points, drawn as it is built.
void buildDivider(PanelLayout& L, double handleSize, Surface& s) {
  const Curve& top = L.SeamLines[1];
  const Curve& foot = L.SeamLines[0];
  const int t = L.DividerTopIndex, f = L.DividerFootIndex;
  auto& d = L.RadialDivider;
  for (int k = 1; k <= 3; ++k) d[k][1] = top(k, t);
  view::dot(s, layout::single(Num(d[1][1])), layout::single(Num(d[2][1])), kForeColor);
  for (int m = 2; m <= PanelLayout::kDividerPoints; ++m) {
    for (int k = 1; k <= 3; ++k) {
      set(d[k][m], Num(top(k, t)) + (Num(foot(k, f)) - top(k, t)) * (m - 1) / 49.0);
    }
    layout::line(s, plan(dividerPoint(L, m - 1)), plan(dividerPoint(L, m)), kSeamColour);
  }
  layout::handleSquare(s, plan(dividerPoint(L, 1)), handleSize);
  layout::handleSquare(s, plan(dividerPoint(L, PanelLayout::kDividerPoints)), handleSize);
}

// One fan's seams: each seam j = 1..p-1 aims at the angle a_start - j step
// and takes the candidate whose angle lies nearest (strictly nearer wins, so
// the first of equals stays): first seam line 1's points from `from` to
// `to`, then the divider's points. Divider point 1 is seam line 1's point
// DividerTopIndex, already a candidate: it is left out, so that point keeps
// its seam-line code.
struct Fan {
  int section;
  Num start, end;  // angles at the fan's first edge and towards its last
  int from, to;    // seam line 1's candidates, in search order
  Num (*seamAngle)(double cx, double cy, double x, double y);
  Num (*otherAngle)(double cx, double cy, double x, double y);
  double cx, cy;  // the point the angles are taken about
};

void sweep(PanelLayout& L, const Fan& fan, int p, int stagger) {
  // Every candidate's angle, once.
  constexpr int kDiv = PanelLayout::kDividerPoints;
  double seamA[Curve::kPoints + 1] = {};
  bool seamOk[Curve::kPoints + 1] = {};
  double divA[kDiv + 1] = {};
  bool divOk[kDiv + 1] = {};
  const int dirn = fan.to >= fan.from ? 1 : -1;
  for (int m = fan.from;; m += dirn) {
    const LayoutPoint q = seamPoint(L, 1, m);
    if (q.ok) {
      const Num a = fan.seamAngle(fan.cx, fan.cy, q.x, q.y);
      seamOk[m] = a.good();
      seamA[m] = a.v;
    }
    if (m == fan.to) break;
  }
  for (int m = 2; m <= kDiv; ++m) {
    const LayoutPoint q = dividerPoint(L, m);
    const Num a = fan.otherAngle(fan.cx, fan.cy, q.x, q.y);
    divOk[m] = a.good();
    divA[m] = a.v;
  }

  const Num step = (fan.start - fan.end) * 1.001 / p;
  if (!step.good() || !fan.start.good()) return;
  for (int j = 1; j <= p - 1; ++j) {
    const double a = fan.start.v - j * step.v;
    double best = 10000.0;
    int& code = L.RadialUpperEnd[fan.section][j];
    for (int m = fan.from;; m += dirn) {
      if (seamOk[m] && std::fabs(seamA[m] - a) < best) {
        best = std::fabs(seamA[m] - a);
        code = m;
      }
      if (m == fan.to) break;
    }
    for (int m = 2; m <= kDiv; ++m) {
      if (divOk[m] && std::fabs(divA[m] - a) < best) {
        best = std::fabs(divA[m] - a);
        code = 100 + m;
      }
    }
    L.RadialLowerEnd[fan.section][j] =
        fan.section == 0 ? (stagger == 1 ? j : 1) : (stagger == 1 ? 101 - j : 100);
  }
}

Num tackOnSeam(double, double, double x, double y) { return tackAngleOnSeam(x, y); }
Num tackOther(double, double, double x, double y) { return tackAngle(x, y); }

// A radial seam: a line from its lower end to its upper end, a circle round
// each; an end with no point draws neither its circle nor the line.
void drawRadialSeam(Surface& s, LayoutPoint lower, LayoutPoint upper, double lowerRadius,
                    double upperRadius) {
  const layout::PlanPoint a = plan(lower), b = plan(upper);
  layout::line(s, a, b, kSeamColour);
  layout::handleCircle(s, a, lowerRadius);
  layout::handleCircle(s, b, upperRadius);
}

void drawRadialSeams(const PanelLayout& L, double handleSize, Surface& s) {
  const double full = handleSize, half = handleSize / 2.0;
  for (int f = 0; f <= 1; ++f) {
    for (int j = 1; j <= seamsOf(L.RadialCount[f]) - 1; ++j) {
      const int code = L.RadialUpperEnd[f][j];
      const double upperRadius = f == 1 && code >= 101 ? half : full;
      drawRadialSeam(s, seamPoint(L, 0, L.RadialLowerEnd[f][j]), fanOuterPoint(L, code), half,
                     upperRadius);
    }
  }
  const int bands = std::min(L.PanelCount, PanelLayout::kSections - 1);
  for (int g = 2; g <= bands; ++g) {
    for (int j = 1; j <= seamsOf(L.RadialCount[g]) - 1; ++j) {
      drawRadialSeam(s, seamPoint(L, g - 1, L.RadialLowerEnd[g][j]),
                     seamPoint(L, g, L.RadialUpperEnd[g][j]), half, full);
    }
  }
}

}  // namespace

Num tackAngleOnSeam(double x, double y) { return Num(90.0) - atan(Num(x) / y) * kDegrees; }
Num tackAngle(double x, double y) { return atan(Num(y) / x) * kDegrees; }
Num clewAngleOnSeam(double cx, double cy, double x, double y) {
  return Num(90.0) + atan((Num(cx) - x) / (Num(y) - cy)) * kDegrees;
}
Num clewAngle(double cx, double cy, double x, double y) {
  return Num(180.0) + atan((Num(y) - cy) / (Num(x) - cx)) * kDegrees;
}

void defaultFanEnds(PanelLayout& L, int stagger) {
  const int top = std::clamp(L.DividerTopIndex, 0, Curve::kPoints);
  const int p = seamsOf(L.RadialCount[0]), q = seamsOf(L.RadialCount[1]);

  // Tack fan: from the luff (seam line 1's luff end) round towards the
  // middle of the foot; its edges are the luff and the divider.
  L.RadialUpperEnd[0][0] = L.RadialLowerEnd[0][0] = 1;
  L.RadialUpperEnd[0][p] = 150;
  L.RadialLowerEnd[0][p] = L.DividerFootIndex;
  if (p != 0) {
    const LayoutPoint s = seamPoint(L, 1, 1), e = seamPoint(L, 0, 50);
    const Fan fan{0, tackAngleOnSeam(s.x, s.y), tackAngle(e.x, e.y), 1, top, tackOnSeam, tackOther,
                  0.0, 0.0};
    sweep(L, fan, p, stagger);
  }

  // Clew fan: from the leech (seam line 1's leech end) round towards the
  // aft part of the foot; its edges are the leech and the divider.
  L.RadialUpperEnd[1][0] = L.RadialLowerEnd[1][0] = 100;
  L.RadialUpperEnd[1][q] = 150;
  L.RadialLowerEnd[1][q] = L.DividerFootIndex;
  if (q != 0) {
    const LayoutPoint c = seamPoint(L, 0, 100);
    const LayoutPoint s = seamPoint(L, 1, 100), e = seamPoint(L, 0, 80);
    const Fan fan{1, clewAngleOnSeam(c.x, c.y, s.x, s.y), clewAngle(c.x, c.y, e.x, e.y), 100, top,
            clewAngleOnSeam, clewAngle, c.x, c.y};
    sweep(L, fan, q, stagger);
  }
}

void layoutRadial(PanelLayout& L, const RadialInputs& in, Surface& s) {
  for (int k = 0; k <= 6; ++k) L.RadialCount[k] = in.counts[k];
  if (L.PanelCount < 1) return;

  L.DividerTopIndex = keepDividerEnd(L.DividerTopIndex);
  L.DividerFootIndex = keepDividerEnd(L.DividerFootIndex);
  buildDivider(L, in.handleSize, s);

  if (in.unlock == 0) {
    defaultFanEnds(L, in.stagger);
    const int bands = std::min(L.PanelCount, PanelLayout::kSections - 1);
    for (int g = 2; g <= bands; ++g) bandEvenEnds(L, g, seamsOf(L.RadialCount[g]));
  }
  drawRadialSeams(L, in.handleSize, s);
}

}  // namespace kes
