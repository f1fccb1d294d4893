// Clew-fan panels: the fan of band 1 aft of the divider, its seams radiating
// from the clew. Panel n lies between seam n-1 (aft; seam 0 is the leech)
// and seam n (forward; the last is the divider). Panel 1 carries the sail's
// leech, cut along the leech curve moved out by the leech tabling.

#include <algorithm>
#include <cmath>

#include "radial/radial_writer.h"

namespace kes {

using namespace radial;

RadialPanelFile WriteClewPanel(const RadialInput& in, const RadialBand& band, int n) {
  const PanelLayout& lay = *in.layout;
  const RadialStrip& s = band.strip;
  const Allowances w = FanAllowances(in.boxes);
  const int count = sectionCount(lay, 1);
  const int startUpper = lay.RadialUpperEnd[1][n - 1], endUpper = lay.RadialUpperEnd[1][n];
  const int startLower = lowerStation(lay.RadialLowerEnd[1][n - 1]);
  const int endLower = lowerStation(lay.RadialLowerEnd[1][n]);
  const Point2 K = s.L(100);  // the clew
  const std::vector<int> leech =
      n == 1 ? leechStations(lay.SeamLeechEnd[1], lay.SeamLeechEnd[0], true) : std::vector<int>{};

  RadialPanelFile f = panelFile(1, n, 1);
  PanelPlot p(in.units);

  PanelRecords rec;
  FanRecordEnds ends;
  bool started = false;
  Point2 first{0, 0}, cur{0, 0};
  auto penStart = [&](Point2 q) {
    if (!started) first = q;
    started = true;
  };

  // The first point closes the start edge: panel 1's leech chord.
  p.edgeAllowance = n == 1 ? w.LeechTabling : 0;
  // Upper edge along seam line 1 from the leech side forward, the seam
  // width outside it (above it, or aft of it where the seam runs back in
  // x near a leech that the flat band rolls over).
  for (int k = 100; k >= std::max(lay.DividerTopIndex, 1); --k) {
    if (!(k <= startUpper && (k >= endUpper || (endUpper > 100 && startUpper <= 100)))) continue;
    const Point2 u = s.U(k);
    penStart(u);
    p.penPoint(u);
    p.edgeAllowance = w.SeamWidth;
    p.point(u);
    cur = u;
    const Point2 below = s.U(k - 1);
    if (finite(below) && below.x != u.x)
      rec.add(StationRecord(u, below, u, RunningSide(below, u) * w.SeamWidth, 0),
              PanelRecords::kUpper, ends.lastUpper, u);
  }

  // The divider, top to foot, without allowance.
  for (int k = std::max(startUpper, 101); k <= std::min(endUpper, 150); ++k) {
    const Point2 d = dividerPoint(s, lay, k);
    cur = d;
    penStart(d);
    p.edgeAllowance = 0;
    p.penPoint(d);
    rec.add(StationRecord(d, d, dividerPoint(s, lay, k + 1), 0, 0), PanelRecords::kDivider,
            ends.lastDivider, d);
  }

  // Every panel but the fan's last has an end radial, made once from the
  // seam itself, its radial seam width forward.
  const bool hasEndRadial = n < count;
  p.edgeAllowance = hasEndRadial ? w.RadialSeamWidth : 0;
  if (endLower < 100) {
    // The end seam meets the foot short of the clew: along the foot aft to
    // the start seam's lower end.
    for (int k = std::max(endLower, 1); k <= std::min(startLower, 100); ++k) {
      if (hasEndRadial && k == endLower)
        rec.add(EndRadialRecord(cur, s.L(k), w.RadialSeamWidth, -1), PanelRecords::kEndRadial,
                ends.endRadial, s.L(k));
      p.point(s.L(k));
      p.edgeAllowance = 0;
      p.point(s.L(k));
      cur = s.L(k);
      rec.add(StationRecord(s.L(k), s.L(k - 1), s.L(k), 0, 0), PanelRecords::kLower, ends.lastFoot);
    }
  } else {
    // The end seam runs to the clew.
    if (hasEndRadial)
      rec.add(EndRadialRecord(cur, K, w.RadialSeamWidth, -1), PanelRecords::kEndRadial,
              ends.endRadial, K);
    p.point(K);
    cur = K;
    rec.add(StationRecord(K, s.L(99), K, 0, 0), PanelRecords::kLower, ends.lastFoot);
  }

  // Panel 1: the sail's leech from the clew up to seam line 1.
  p.edgeAllowance = n == 1 ? w.LeechTabling : 0;
  for (int k : leech) p.point(band.frames.leechPoint(in.model->LeechCurve, k));

  // Close the outline back to its first point. Panel 1's closing edge is the
  // leech chord, its leech tabling outside it: on the right going up from
  // the clew, which is +x while the chord rises, and stays outside where
  // the flat band rolls the chord past level. The others carry none (the
  // start seam's allowance lies on the previous panel's end radial).
  p.point(first);
  if (n == 1) {
    rec.add(SegmentRecord(cur, first, -RunningSide(cur, first) * w.LeechTabling, w.LeechTabling),
            PanelRecords::kStart);
  } else {
    rec.add(SegmentRecord(cur, first, 0, 0), PanelRecords::kStart);
  }
  p.penUp();

  if (n == 1) battenEnds(p, in, band, lay.SeamLeechEnd[1], lay.SeamLeechEnd[0]);

  // Lettering at the first record's angle, one design unit back from the
  // fourth record's point and across by the radial seam width.
  {
    const CutRecord& r1 = rec.at(1);
    const CutRecord& r4 = rec.at(4);
    const float angle = r1.vertical ? 0.0f : static_cast<float>(std::atan(r1.slope));
    const double sa = std::sin(static_cast<double>(angle)),
                 ca = std::cos(static_cast<double>(angle));
    letter(p, in, f.label, angle, r4.x - 1 * ca + std::fabs(w.RadialSeamWidth * sa),
           r4.y - 1 * sa - w.RadialSeamWidth * ca);
  }

  panelMarks(p, in, band, rec);

  // Knife: from the start corner (the closing record with record 1) round
  // the records back to it; panel 1 along the offset leech.
  const int N = rec.count();
  const CutRecord& r1 = rec.at(1);
  const CutRecord& rN = rec.at(N);
  const double largest = largestOf({w.SeamWidth, n == 1 ? w.LeechTabling : 0, w.RadialSeamWidth});
  Point2 startCorner{r1.x + w.LeechTabling, r1.y}, backTo = startCorner;
  if (!(n == 1 && rN.vertical)) fanStartCorner(rN, r1, p, largest, startCorner, backTo);
  KnifePath knife;
  knife.corner(startCorner);
  for (int k = 2; k <= N; ++k) {
    const CutRecord& before = rec.at(k - 1);
    if (ends.turnsOnto(k)) {
      fanCorner(knife, before, rec.at(k), rec.sewingCorner(k - 1), p, largest);
      knife.own(rec, k);
    } else if (n == 1 && ends.lastFoot && k == ends.lastFoot + 1) {
      knife.corner(rec.at(k).vertical ? Point2{before.x + w.LeechTabling, before.y}
                                      : CornerOf(before, rec.at(k)));
    } else {
      knife.own(rec, k);
    }
  }
  for (int k : leech)
    knife.point(band.frames.leechPoint(in.model->LeechCurve, k, w.LeechTabling), KnifePath::kLeech);
  if (backTo.x != startCorner.x || backTo.y != startCorner.y) knife.corner(backTo);
  knife.corner(startCorner);
  endFanFile(f, p, knife, rec, in.units, largest, ends.endRadial);
  refuseSeamsOutOfOrder(f, lay, 1, n);
  return f;
}

}  // namespace kes
