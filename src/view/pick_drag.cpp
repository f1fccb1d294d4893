// Picking and dragging the layout's handles.

#include "view/pick_drag.h"

#include <algorithm>
#include <cmath>

#include "view/draw.h"

namespace kes {

namespace {

constexpr int kLastBand = PanelLayout::kSections - 1;  // bands beyond have no radial data
constexpr int kLastRadialSeam = PanelLayout::kRadialSeams - 1;

// A coordinate as the picture takes it: single precision.
Num single(double v) {
  const auto f = static_cast<float>(v);
  return std::isfinite(f) ? Num(static_cast<double>(f)) : Num::fail();
}

void drawLine(Surface& s, LayoutPoint a, LayoutPoint b, int colour) {
  if (a.ok && b.ok) view::line(s, single(a.x), single(a.y), single(b.x), single(b.y), colour);
}

// The marker: a box outline of half side h round (x, y).
void marker(Surface& s, double x, double y, double h) {
  const Num x1 = single(x - h), y1 = single(y - h), x2 = single(x + h), y2 = single(y + h);
  if (x1.good() && y1.good() && x2.good() && y2.good()) s.box(x1.v, y1.v, x2.v, y2.v, kMarkerColour);
}

// Distance in plan from (x, y); not finite when the point has none.
double distance(LayoutPoint p, double x, double y) {
  if (!p.ok) return INFINITY;
  return std::sqrt((p.x - x) * (p.x - x) + (p.y - y) * (p.y - y));
}

LayoutPoint curvePoint(const Curve& c, Index i) {
  if (!i.ok) return {};
  return {c(1, i.i), c(2, i.i), true};
}

void clearGrabs(PanelLayout& L) {
  L.GrabLuffSeam = L.GrabLeechSeam = 0;
  L.GrabRadialSection = L.GrabRadialLower = L.GrabRadialUpper = 0;
  L.GrabDividerTop = L.GrabDividerFoot = 0;
}

int lastSeam(int count) { return std::clamp(count, 0, kLastRadialSeam + 1) - 1; }

// Radial and divider handles exist while "Unlock" is ticked and there is a
// band to hold them.
bool radialHandles(const PanelLayout& L, int unlock) { return unlock == 1 && L.PanelCount >= 1; }

// The nearest point so far of a drag's search: strictly nearer replaces it.
struct Nearest {
  double x, y;
  double best = 10000.0;
  bool closer(LayoutPoint p) {
    const double d = distance(p, x, y);
    if (!(d < best)) return false;
    best = d;
    return true;
  }
};

// A crosscut end's search: the curve's points k = from, from + 1, ... up to
// `to` (ends may hold fractions; k keeps them and is rounded half to even as
// an index). Indices that cannot exist are passed over without stepping
// through them one by one.
void searchEnd(const Curve& c, double from, double to, Nearest& n, double& end) {
  double k = from;
  if (k < -1.0) k += std::ceil(-1.0 - k);
  for (; k <= to && k <= Curve::kPoints + 1.0; k += 1.0) {
    if (n.closer(curvePoint(c, toIndex(Num(k), 0, Curve::kPoints)))) end = k;
  }
}

// A search along seam line `line`, points from..to in either direction.
void searchLine(const PanelLayout& L, int line, int from, int to, Nearest& n, int& code) {
  const int step = to >= from ? 1 : -1;
  for (int k = from;; k += step) {
    if (n.closer(seamPoint(L, line, k))) code = k;
    if (k == to) break;
  }
}

void searchDivider(const PanelLayout& L, Nearest& n, int& code) {
  for (int k = 1; k <= PanelLayout::kDividerPoints; ++k) {
    if (n.closer(dividerPoint(L, k))) code = 100 + k;
  }
}

void dragTo(PanelLayout& L, LayoutPoint p) {
  if (!p.ok) return;
  L.DragX = p.x;
  L.DragY = p.y;
}

}  // namespace

bool pickHandle(PanelLayout& L, double x, double y, double handleSize, int unlock, Surface& s) {
  clearGrabs(L);
  double best = 10000.0;
  const auto wins = [&](LayoutPoint p) {
    const double d = distance(p, x, y);
    if (!(d < best)) return false;
    best = d;
    clearGrabs(L);
    return true;
  };

  const int n = std::clamp(L.PanelCount, 0, PanelLayout::kMaxPanels);
  for (int i = 1; i <= n - 1; ++i) {
    if (wins(seamPoint(L, i, 1))) L.GrabLuffSeam = i;
    if (wins(seamPoint(L, i, 100))) L.GrabLeechSeam = i;
  }
  if (radialHandles(L, unlock)) {
    for (int f = 0; f <= 1; ++f) {
      for (int j = 1; j <= lastSeam(L.RadialCount[f]); ++j) {
        if (wins(fanOuterPoint(L, L.RadialUpperEnd[f][j]))) {
          L.GrabRadialSection = f;
          L.GrabRadialUpper = j;
        }
      }
    }
    for (int g = 2; g <= std::min(n, kLastBand); ++g) {
      for (int j = 1; j <= lastSeam(L.RadialCount[g]); ++j) {
        if (wins(seamPoint(L, g - 1, L.RadialLowerEnd[g][j]))) {
          L.GrabRadialSection = g;
          L.GrabRadialLower = j;
        }
        if (wins(seamPoint(L, g, L.RadialUpperEnd[g][j]))) {
          L.GrabRadialSection = g;
          L.GrabRadialUpper = j;
        }
      }
    }
    if (wins(dividerPoint(L, 1))) L.GrabDividerTop = 1;
    if (wins(dividerPoint(L, PanelLayout::kDividerPoints))) L.GrabDividerFoot = 1;
  }
  if (best > handleSize) {
    clearGrabs(L);
    return false;
  }

  // The highlight of the held seam, and the drag's start.
  const int g = L.GrabRadialSection;
  if (L.GrabLuffSeam != 0 || L.GrabLeechSeam != 0) {
    const int i = L.GrabLuffSeam != 0 ? L.GrabLuffSeam : L.GrabLeechSeam;
    drawLine(s, seamPoint(L, i, 1), seamPoint(L, i, 100), kPickColour);
    dragTo(L, seamPoint(L, i, L.GrabLuffSeam != 0 ? 1 : 100));
  } else if (g >= 2) {
    const int j = std::max(L.GrabRadialLower, L.GrabRadialUpper);
    const LayoutPoint lower = seamPoint(L, g - 1, L.RadialLowerEnd[g][j]);
    const LayoutPoint upper = seamPoint(L, g, L.RadialUpperEnd[g][j]);
    drawLine(s, lower, upper, kPickColour);
    dragTo(L, L.GrabRadialLower != 0 ? lower : upper);
  } else if (L.GrabRadialUpper != 0) {
    const int j = L.GrabRadialUpper;
    const LayoutPoint outer = fanOuterPoint(L, L.RadialUpperEnd[g][j]);
    drawLine(s, seamPoint(L, 0, L.RadialLowerEnd[g][j]), outer, kPickColour);
    dragTo(L, outer);
  } else {
    const LayoutPoint top = dividerPoint(L, 1), foot = dividerPoint(L, PanelLayout::kDividerPoints);
    drawLine(s, top, foot, kPickColour);
    dragTo(L, L.GrabDividerTop != 0 ? top : foot);
  }
  return true;
}

void dragHandle(PanelLayout& L, const SailModel& m, double x, double y, double handleSize,
                Surface& s) {
  s.setDrawMode(kDrawXorPen);
  marker(s, L.DragX, L.DragY, handleSize);

  Nearest n{x, y};
  const int g = L.GrabRadialSection;
  const bool band = g >= 2 && g <= kLastBand;
  const int i = L.GrabLuffSeam != 0 ? L.GrabLuffSeam : L.GrabLeechSeam;
  if (i >= 1 && i <= PanelLayout::kMaxPanels) {
    // A crosscut end, between its neighbours' ends, with a rubber line to the
    // seam's other end as the last layout left it.
    const bool luff = L.GrabLuffSeam != 0;
    const LayoutPoint other = seamPoint(L, i, luff ? 100 : 1);
    const LayoutPoint old{L.DragX, L.DragY, true};
    drawLine(s, old, other, kRubberColour);
    if (luff) {
      searchEnd(m.LuffCurve, L.SeamLuffEnd[i - 1], L.SeamLuffEnd[i + 1], n, L.SeamLuffEnd[i]);
      dragTo(L, curvePoint(m.LuffCurve, toIndex(Num(L.SeamLuffEnd[i]), 0, Curve::kPoints)));
    } else {
      searchEnd(m.LeechCurve, L.SeamLeechEnd[i + 1], L.SeamLeechEnd[i - 1], n, L.SeamLeechEnd[i]);
      dragTo(L, curvePoint(m.LeechCurve, toIndex(Num(L.SeamLeechEnd[i]), 0, Curve::kPoints)));
    }
    drawLine(s, LayoutPoint{L.DragX, L.DragY, true}, other, kRubberColour);
  } else if (band && L.GrabRadialLower >= 1 && L.GrabRadialLower <= kLastRadialSeam) {
    int& end = L.RadialLowerEnd[g][L.GrabRadialLower];
    searchLine(L, g - 1, 1, 100, n, end);
    dragTo(L, seamPoint(L, g - 1, end));
  } else if (band && L.GrabRadialUpper >= 1 && L.GrabRadialUpper <= kLastRadialSeam) {
    int& end = L.RadialUpperEnd[g][L.GrabRadialUpper];
    searchLine(L, g, 1, 100, n, end);
    dragTo(L, seamPoint(L, g, end));
  } else if ((g == 0 || g == 1) && L.GrabRadialUpper >= 1 && L.GrabRadialUpper <= kLastRadialSeam) {
    // A fan's outer end: along seam line 1 from the fan's own edge to the
    // divider's top, then down the divider, the best carried over.
    int& code = L.RadialUpperEnd[g][L.GrabRadialUpper];
    const int top = std::clamp(L.DividerTopIndex, 0, Curve::kPoints);
    searchLine(L, 1, g == 0 ? 1 : 100, top, n, code);
    searchDivider(L, n, code);
    dragTo(L, fanOuterPoint(L, code));
  } else if (L.GrabDividerTop != 0) {
    searchLine(L, 1, 10, 90, n, L.DividerTopIndex);
    dragTo(L, seamPoint(L, 1, L.DividerTopIndex));
  } else if (L.GrabDividerFoot != 0) {
    searchLine(L, 0, 10, 90, n, L.DividerFootIndex);
    dragTo(L, seamPoint(L, 0, L.DividerFootIndex));
  }

  marker(s, L.DragX, L.DragY, handleSize);
  s.setDrawMode(kDrawCopyPen);
}

}  // namespace kes
