#include "develop/marks.h"

#include <cmath>

#include "common/numbers.h"

namespace kes {

MarkSetUp ReadMarkSetUp(const std::string_view batPos[5], const std::string_view batLngth[5],
                        const std::string_view batAngl[5], const std::string_view numReef[2],
                        const std::string_view reefPos[2]) {
  MarkSetUp s;
  for (int b = 0; b < 5; ++b) {
    s.batPos[b] = parseLenient(batPos[b]);
    s.batLngth[b] = parseLenient(batLngth[b]);
    s.batLngthNum[b] = parseStrict(batLngth[b]);
    s.batAnglNum[b] = parseStrict(batAngl[b]);
  }
  for (int r = 0; r < 2; ++r) {
    s.reefPos[r] = parseLenient(reefPos[r]);
    s.numReef[r] = parseStrict(numReef[r]);
  }
  return s;
}

void BattenEndMarks(PlotText& plot, const MarkSetUp& set, const Curve& leechCurve, double endUpper,
                    double endLower, const FlatPlacement& leech, float markSize,
                    bool penUpFirst) {
  const double d = static_cast<double>(markSize) / 2;
  for (int b = 0; b < 5; ++b) {
    const double q = 100 - set.batPos[b];
    if (!(endUpper < q && q < endLower) || !(set.batLngth[b] > 0)) continue;
    const Index j = toIndex(Num(q), 0, 100);
    if (!j.ok) continue;
    const Point2 p = leech.place({leechCurve(1, j.i), leechCurve(2, j.i)});
    if (penUpFirst) plot.line(kPenUp);
    plot.point(p.x + d, p.y + d);
    plot.line(kPenDown);
    plot.point(p.x - d, p.y - d);
    plot.point(p.x - d, p.y + d);
    plot.point(p.x + d, p.y - d);
    plot.line(kPenUp);
  }
}

void DrawPanelMark(PlotText& plot, int markMode, Point2 p, float markSize, const CutOutline& cut) {
  if (!InsideOutline(cut, p)) return;
  const double h = static_cast<double>(markSize) / 2;
  if (markMode == kMarkBatten) {
    plot.point(p.x - h, p.y);
    plot.line(kPenDown);
    plot.point(p.x + h, p.y);
    plot.point(p.x, p.y - h);
    plot.point(p.x, p.y + h);
    plot.line(kPenUp);
  } else if (markMode == kMarkReef) {
    plot.point(p.x - h, p.y);
    plot.line(kPenDown);
    plot.point(p.x, p.y + h);
    plot.point(p.x + h, p.y);
    plot.point(p.x, p.y - h);
    plot.point(p.x - h, p.y);
    plot.line(kPenUp);
  }
}

void PlaceMarks(PlotText& plot, const MarkSetUp& set, const MarkSail& sail, const FlatPlacement& luff,
                const CutOutline& cut, float markSize, int& markMode) {
  if (markMode <= 0 || sail.LeechCurve == nullptr || sail.FootCurve == nullptr) return;
  const Curve& leech = *sail.LeechCurve;
  const Curve& foot = *sail.FootCurve;

  markMode = kMarkBatten;
  if (set.batLngth[0] > 0) {
    for (int b = 0; b < 5; ++b) {
      if (!(set.batPos[b] > 0)) continue;
      const Index j = toIndex(Num(100 - set.batPos[b]), 0, 100);
      const Num len = set.batLngthNum[b], theta = set.batAnglNum[b] * Num(Pi) / Num(180);
      if (!j.ok || !len.good() || !theta.good()) continue;
      const Num x = Num(leech(1, j.i)) - len * cos(theta), y = Num(leech(2, j.i)) - len * sin(theta);
      if (!x.good() || !y.good()) continue;
      DrawPanelMark(plot, markMode, luff.place({x.v, y.v}), markSize, cut);
    }
  }

  markMode = kMarkReef;
  for (int r = 0; r < 2; ++r) {
    if (!(set.reefPos[r] > 0) || !set.numReef[r].good()) continue;
    const double chordAngle = AtanRatio(foot(2, 100) - foot(2, 1), foot(1, 100) - foot(1, 1));
    // The chord's angle taken to one decimal as the number form "0.0" gives it.
    const double a = parseLenient(format0_0(chordAngle)) + (r + 1) * Pi / 180;
    const double n = set.numReef[r].v;
    const Index j = toIndex(Num(100 - set.reefPos[r]), 0, 100);
    if (!j.ok) continue;
    const Num clewCos = cos(Num(AtanRatio(sail.ClewY, sail.ClewX)));
    // Past kMaxReefPoints the first points are marked, spaced for the typed count.
    for (double p = 1; p <= n && p <= kMaxReefPoints; ++p) {
      // A row of one point stands on the leech.
      const Num dist = n == 1 ? Num(0) : Num(p - 1) / Num(n - 1) * Num(leech(1, j.i)) / clewCos;
      Num x = Num(leech(1, j.i)) - dist * Num(std::cos(a));
      Num y = Num(leech(2, j.i)) - dist * Num(std::sin(a));
      if (1 < p && p < n) {
        x = x + Num(0.015 * sail.FootLength * std::sin(a));
        y = y - Num(0.015 * sail.FootLength * std::cos(a));
      }
      if (!x.good() || !y.good()) continue;
      DrawPanelMark(plot, markMode, luff.place({x.v, y.v}), markSize, cut);
    }
  }
}

}  // namespace kes
