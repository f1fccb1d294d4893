// Tack-fan panels: the fan of band 1 forward of the divider, its seams
// radiating from the tack. Panel n lies between radial seams n-1 (towards
// the luff; seam 0 is the luff) and n (aft; the last is the divider).

#include <algorithm>
#include <cmath>

#include "radial/radial_writer.h"

namespace kes {

using namespace radial;

RadialPanelFile WriteTackPanel(const RadialInput& in, const RadialBand& band, int n) {
  const PanelLayout& lay = *in.layout;
  const RadialStrip& s = band.strip;
  const Allowances w = FanAllowances(in.boxes);
  const int count = sectionCount(lay, 0);
  const int ua = lay.RadialUpperEnd[0][n - 1], ub = lay.RadialUpperEnd[0][n];

  RadialPanelFile f = panelFile(0, n, 1);
  PanelPlot p(in.units);

  PanelRecords rec;
  FanRecordEnds ends;
  Point2 prev{0, 0};

  // Upper edge: stations of seam line 1 (each written twice) with the seam
  // width outside them (above, whichever way a segment runs in x), then points of the divider with the seam width aft;
  // codes between the two kinds are passed over.
  const bool hasEndRadial = n < count;
  const double startAllowance = n == 1 ? w.LuffTabling : 0;
  p.edgeAllowance = startAllowance;  // the first point closes the start edge
  for (int k = std::max(ua, 1); k <= std::min(ub, 150); ++k) {
    if (k <= lay.DividerTopIndex) {
      const Point2 u = s.U(k);
      p.penPoint(u);
      p.edgeAllowance = w.SeamWidth;
      p.point(u);
      prev = u;
      const Point2 before = s.U(k - 1);
      if (finite(before) && before.x != u.x)
        rec.add(StationRecord(u, before, u, RunningSide(before, u) * w.SeamWidth, 0),
                PanelRecords::kUpper, ends.lastUpper, u);
    } else if (k >= 101) {
      const Point2 d = dividerPoint(s, lay, k), next = dividerPoint(s, lay, k + 1);
      prev = d;
      p.penPoint(d);
      p.edgeAllowance = w.SeamWidth;
      const double side = next.x > d.x ? 1 : next.x < d.x ? -1 : 0;
      rec.add(StationRecord(d, d, next, side * w.SeamWidth, w.SeamWidth), PanelRecords::kDivider,
              ends.lastDivider, d);
    }
  }

  // End radial and foot, from the panel's aft lower end towards the tack.
  // Every panel but the fan's last has an end radial, made once from the
  // seam itself, its radial seam width aft.
  p.edgeAllowance = hasEndRadial ? w.RadialSeamWidth : 0;
  const int F = lowerStation(lay.RadialLowerEnd[0][n]);
  const int la = lowerStation(lay.RadialLowerEnd[0][n - 1]);
  if (F > 1) {
    for (int k = std::min(F, 100); k >= std::max(la, 1); --k) {
      if (hasEndRadial && k == F)
        rec.add(EndRadialRecord(prev, s.L(k), w.RadialSeamWidth, 1), PanelRecords::kEndRadial,
                ends.endRadial, s.L(k));
      p.point(s.LPenFirst(k));
      p.edgeAllowance = 0;
      p.point(s.L(k));
      prev = s.L(k);
      rec.add(StationRecord(s.L(k), s.L(k), s.LNext(k), 0, 0), PanelRecords::kLower, ends.lastFoot);
    }
  } else {
    if (hasEndRadial)
      rec.add(EndRadialRecord(prev, s.L(1), w.RadialSeamWidth, 1), PanelRecords::kEndRadial,
              ends.endRadial, s.L(1));
    p.point(s.L(1));
    prev = s.L(1);
    rec.add(StationRecord(s.L(1), s.L(1), s.L(2), 0, 0), PanelRecords::kLower, ends.lastFoot);
  }

  // Back up the start radial (panel 1: the luff, with the luff tabling) to
  // the first point.
  const Point2 start = fanUpperPoint(s, lay, ua);
  p.edgeAllowance = startAllowance;
  p.point(start);
  if (n == 1) {
    const Point2 mid = midpoint(prev, start);
    rec.add(CutRecord{mid.x - w.LuffTabling, mid.y, 0, true}, PanelRecords::kStart);
  } else {
    rec.add(SegmentRecord(prev, start, 0, 0), PanelRecords::kStart);
  }
  p.penUp();

  // Lettering at the angle of the first record, from the third.
  {
    const CutRecord& r1 = rec.at(1);
    const CutRecord& r3 = rec.at(3);
    const float angle = r1.vertical ? 0.0f : static_cast<float>(std::atan(r1.slope));
    double ox = r3.x;
    if (!r1.vertical && r1.slope < 1)
      ox += w.RadialSeamWidth * std::sin(static_cast<double>(angle));
    const double oy = r3.y - w.SeamWidth * std::cos(static_cast<double>(angle));
    letter(p, in, f.label, angle, ox, oy);
  }

  panelMarks(p, in, band, rec);

  // Knife: panel 1 from record 1's point round through the luff corners
  // back to it; every other panel from and back to its start corner.
  const int c = rec.count();
  const CutRecord& r1 = rec.at(1);
  const double largest = largestOf({w.SeamWidth, n == 1 ? w.LuffTabling : 0, w.RadialSeamWidth});
  Point2 startCorner = rec.point(1), backTo = startCorner;
  if (n != 1) fanStartCorner(rec.at(c), r1, p, largest, startCorner, backTo);
  KnifePath knife;
  knife.corner(startCorner);
  for (int i = 2; i <= c; ++i) {
    const CutRecord& before = rec.at(i - 1);
    if (ends.turnsOnto(i))
      fanCorner(knife, before, rec.at(i), rec.sewingCorner(i - 1), p, largest);
    else if (n == 1 && ends.lastFoot && i == ends.lastFoot + 1)
      knife.corner({before.x - w.LuffTabling, before.y});
    knife.own(rec, i);
  }
  if (n == 1) {
    knife.corner({s.U(1).x - w.LuffTabling, s.U(1).y + w.SeamWidth});
    knife.corner({r1.x - w.LuffTabling, r1.y});
  }
  if (backTo.x != startCorner.x || backTo.y != startCorner.y) knife.corner(backTo);
  knife.corner(startCorner);
  endFanFile(f, p, knife, rec, in.units, largest, ends.endRadial);
  refuseSeamsOutOfOrder(f, lay, 0, n);
  return f;
}

}  // namespace kes
