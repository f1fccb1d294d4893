// The crosscut seams: default ends, the seam lines built from the model and
// the mold, and their drawing.

#include "layout/crosscut.h"

#include <algorithm>
#include <cmath>

#include "layout/layout_draw.h"
#include "model/steps.h"

namespace kes {

namespace {

// A stored end used as a point index: rounded half to even, checked.
Index endIndex(double end) { return toIndex(Num(end), 0, Curve::kPoints); }

// Rounded to the nearest whole number, a half to the even neighbour; fails
// when the value failed or is not finite.
Num whole(Num a) {
  if (!a.good()) return Num::fail();
  return Num(roundHalfEven(a.v));
}

// The mold's four station values at a luff end e (1..100): linear between
// the stations around it, station s standing at luff point 17 s; above 85
// the upper station is station 6, which reads 0, so the values fade.
steps::Station stationAt(const SailModel& m, double e) {
  steps::Station st;
  const Index sec = toIndex(Num(std::floor(e / 17.0)), 0, 5);
  if (!sec.ok) return st;
  const int s = sec.i;
  const double w0 = ((s + 1) * 17.0 - e) / 17.0, w1 = (e - 17.0 * s) / 17.0;
  st.entry = w0 * m.EntryAngles[s] + w1 * m.EntryAngles[s + 1];
  st.position = w0 * m.DepthPositions[s] + w1 * m.DepthPositions[s + 1];
  st.depth = w0 * m.DepthPercents[s] + w1 * m.DepthPercents[s + 1];
  st.exit = w0 * m.ExitAngles[s] + w1 * m.ExitAngles[s + 1];
  return st;
}

double clampEnd(double end) {
  if (!(end >= 1.0)) return 1.0;
  if (end > 100.0) return 100.0;
  return end;
}

}  // namespace

double layoutHandleSize(double scaleWidth) {
  const Num size = layout::single(Num(scaleWidth) / 125.0);
  return size.good() ? size.v : 0.0;
}

void defaultSeamEnds(const SailModel& m, PanelLayout& L, int n, bool square) {
  const Index count = checkIndex(n, 0, PanelLayout::kMaxPanels);
  if (!count.ok) return;
  n = count.i;
  for (int j = 1; j <= n - 1; ++j) {
    L.SeamLeechEnd[j] = roundHalfEven(100.0 - 100.0 * j / n);
    L.SeamLuffEnd[j] = roundHalfEven(100.0 * j / n);
  }
  L.SeamLuffEnd[0] = 1;
  L.SeamLeechEnd[0] = 100;
  L.SeamLuffEnd[n] = 100;
  L.SeamLeechEnd[n] = 1;
  if (!square) return;

  // The slope of a line square to the leech chord, from the aft head corner
  // (leech point 1) to the clew (point 100); 0 when the chord is level.
  const Curve& leech = m.LeechCurve;
  double t = 0.0;
  set(t, tan(atan((Num(leech(1, 100)) - leech(1, 1)) / (Num(leech(2, 1)) - leech(2, 100)))));
  for (int j = n - 1; j >= 1; --j) {
    // Where the square through the seam's leech end meets the luff's
    // vertical, in percent of the luff.
    const Index q = endIndex(L.SeamLeechEnd[j]);
    const Num h = leech.get(2, q) - leech.get(1, q) * t;
    set(L.SeamLuffEnd[j], whole(Num(100.0) * h / m.LuffLength));
    if (L.SeamLuffEnd[j] < 1.0) L.SeamLuffEnd[j] = L.SeamLuffEnd[j + 1] / 2.0;
  }
}

bool SeamsLaidOut(const PanelLayout& L) {
  if (L.SeamLuffEnd[1] == 0) return false;
  if (L.SeamLuffEnd[0] != 0 || L.SeamLeechEnd[0] != 0) return true;
  const int n = std::clamp(L.PanelCount, 0, PanelLayout::kMaxPanels);
  for (int j = 1; j <= n - 1; ++j)
    if (!(L.SeamLuffEnd[j] <= 1 && L.SeamLeechEnd[j] <= 1)) return true;
  return false;
}

void buildSeamLines(SailModel& m, PanelLayout& L) {
  const Index count = checkIndex(L.PanelCount, 0, PanelLayout::kMaxPanels);
  if (!count.ok) return;
  const int n = count.i;
  L.SeamLines[n] = m.HeadCurve;
  L.SeamLines[0] = m.MoldSections[0];

  steps::ChordCarry carry;
  for (int j = 1; j <= n - 1; ++j) {
    L.SeamLeechEnd[j] = clampEnd(L.SeamLeechEnd[j]);
    L.SeamLuffEnd[j] = clampEnd(L.SeamLuffEnd[j]);
    const double e = L.SeamLuffEnd[j];
    const Index pi = endIndex(e), qi = endIndex(L.SeamLeechEnd[j]);
    const double P[3] = {m.LuffCurve(1, pi.i), m.LuffCurve(2, pi.i), m.LuffCurve(3, pi.i)};
    const double Q[3] = {m.LeechCurve(1, qi.i), m.LeechCurve(2, qi.i), m.LeechCurve(3, qi.i)};
    steps::layChordSection(m, L.SeamLines[j], P, Q, stationAt(m, e), carry);
  }
}

void drawSeamLines(const PanelLayout& L, double handleSize, Surface& s) {
  const Index count = checkIndex(L.PanelCount, 0, PanelLayout::kMaxPanels);
  if (!count.ok) return;
  for (int j = 1; j <= count.i - 1; ++j) {
    const Curve& c = L.SeamLines[j];
    layout::drawCurve(s, c, kForeColor, kSeamColour);
    layout::handleSquare(s, layout::planPoint(c, 1), handleSize);
    layout::handleSquare(s, layout::planPoint(c, 100), handleSize);
  }
}

void bandEvenEnds(PanelLayout& L, int band, int n) {
  const Index k = checkIndex(band, 2, PanelLayout::kSections - 1);
  const Index count = checkIndex(n, 0, PanelLayout::kRadialSeams - 1);
  if (!k.ok || !count.ok) return;
  int* up = L.RadialUpperEnd[k.i];
  int* low = L.RadialLowerEnd[k.i];
  up[0] = low[0] = 1;
  for (int j = 1; j <= n - 1; ++j) up[j] = low[j] = static_cast<int>(roundHalfEven(100.0 * j / n));
  up[n] = low[n] = 100;
}

void staggerFanEnds(PanelLayout& L, bool stagger) {
  const int tack = std::min(L.RadialCount[0], PanelLayout::kRadialSeams);
  const int clew = std::min(L.RadialCount[1], PanelLayout::kRadialSeams);
  for (int j = 1; j <= tack - 1; ++j) L.RadialLowerEnd[0][j] = stagger ? j : 0;
  for (int j = 1; j <= clew - 1; ++j) L.RadialLowerEnd[1][j] = stagger ? 101 - j : 100;
}

}  // namespace kes
