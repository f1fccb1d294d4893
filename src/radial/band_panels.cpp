// Band panels: the radial panels of bands 2 and up. Panel n of band r lies
// between radial n-1 (its start edge, towards the luff) and radial n (its
// end edge, towards the leech); the last panel's end edge is the leech.

#include <algorithm>
#include <cmath>

#include "radial/radial_writer.h"

namespace kes {

using namespace radial;

namespace {
double sign(double v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

// Where the lines of records i and j meet, x solved from j's side; y on
// j's line for the corners with the start record, on i's line for the
// corners inside the loop. Parallel lines meet at j's own point.
Point2 bandCorner(const CutRecord& i, const CutRecord& j, bool yOnJ) {
  Point2 p;
  if (!Corner(j, i, p)) return {j.x, j.y};
  if (!yOnJ && !i.vertical && !j.vertical) p.y = i.y + i.slope * (p.x - i.x);
  return p;
}

// Does the last panel's leech run forward of its start seam (from Ua to
// La), farther than the plot's rounding? A leech hollowed near the head
// can cross a radial laid close to it: the panel's cloth then lies over
// its neighbour's, and the knife along that seam cuts into the sewing line.
bool leechCrossesStartSeam(const std::vector<Point2>& leech, Point2 Ua, Point2 La, Point2 Ub, double step) {
  const double len = std::hypot(La.x - Ua.x, La.y - Ua.y);
  if (!(len > 0) || !std::isfinite(len)) return false;
  const auto across = [&](Point2 q) { return ((La.x - Ua.x) * (q.y - Ua.y) - (La.y - Ua.y) * (q.x - Ua.x)) / len; };
  const double inside = sign(across(Ub));  // the panel's side of its start seam
  for (const Point2 q : leech)
    if (finite(q) && -inside * across(q) > kNoClothSteps * step) return true;
  return false;
}
}  // namespace

RadialPanelFile WriteBandPanel(const RadialInput& in, const RadialBand& band, int n) {
  const PanelLayout& lay = *in.layout;
  const RadialStrip& s = band.strip;
  const int r = band.r;
  const int count = sectionCount(lay, r);
  const bool last = n == count;
  const Allowances w = BandAllowances(in.boxes, r, n, count, lay.PanelCount);
  const int ua = lay.RadialUpperEnd[r][n - 1], ub = lay.RadialUpperEnd[r][n];
  const int la = lowerStation(lay.RadialLowerEnd[r][n - 1]);
  const int lb = lowerStation(lay.RadialLowerEnd[r][n]);
  const Point2 Ua = s.U(ua), Ub = s.U(ub), La = s.L(la), Lb = s.L(lb);
  const std::vector<int> leech =
      last ? leechStations(lay.SeamLeechEnd[r], lay.SeamLeechEnd[r - 1], false)
           : std::vector<int>{};

  RadialPanelFile f = panelFile(r, n, r);
  PanelPlot p(in.units);

  // Lettering along the panel's first lower segment, from its lower start corner.
  {
    const Point2 next = s.LNext(la);
    const float angle = (finite(La) && finite(next) && La.x != next.x)
                            ? static_cast<float>(std::atan((next.y - La.y) / (next.x - La.x)))
                            : 0.0f;
    letter(p, in, f.label, angle, La.x, La.y);
  }

  // Sewing outline: the upper edge (each station twice), on the last panel
  // the sail's leech, the lower edge back, up the start edge.
  p.edgeAllowance = w.LuffTabling;  // the first point closes the start edge
  for (int k = std::max(ua, 1); k <= std::min(ub, 100); ++k) {
    p.penPoint(s.U(k));
    p.edgeAllowance = w.HeadTabling;
    p.point(s.U(k));
  }
  p.edgeAllowance = w.LeechTabling;
  std::vector<Point2> leechPoints;
  for (int k : leech) leechPoints.push_back(band.frames.leechPoint(in.model->LeechCurve, k));
  for (const Point2 q : leechPoints) p.point(q);
  for (int k = std::min(lb, 100); k >= std::max(la, 1); --k) {
    p.point(s.LPenFirst(k));
    p.edgeAllowance = w.FootTabling;
    p.point(s.L(k));
  }
  p.edgeAllowance = w.LuffTabling;
  p.point(Ua);
  p.penUp();

  if (last) battenEnds(p, in, band, lay.SeamLeechEnd[r], lay.SeamLeechEnd[r - 1]);
  p.plot.line(kPlotComment);

  // Records: each edge segment's midpoint moved out by its allowance (out
  // of the panel whichever way the segment runs in x). The
  // end edge's allowance lies aft of it, the start edge's forward of it
  // (vertical ones: straight aft, straight forward).
  PanelRecords rec;
  for (int i = std::max(ua, 1); i < std::min(ub, 100); ++i)
    if (s.U(i).x != s.U(i + 1).x)
      rec.add(SegmentRecord(s.U(i), s.U(i + 1), RunningSide(s.U(i), s.U(i + 1)) * w.HeadTabling, 0),
              PanelRecords::kUpper);
  const int endIndex =
      rec.add(SegmentRecord(Ub, Lb, sign(Lb.x - Ub.x) * w.LeechTabling, w.LeechTabling),
              PanelRecords::kEndRadial);
  for (int i = std::min(lb, 100) - 1; i >= std::max(la, 1); --i)
    if (s.L(i).x != s.L(i + 1).x)
      rec.add(SegmentRecord(s.L(i), s.L(i + 1), -RunningSide(s.L(i), s.L(i + 1)) * w.FootTabling, 0),
              PanelRecords::kLower);
  const int N = rec.add(SegmentRecord(Ua, La, -sign(La.x - Ua.x) * w.LuffTabling, -w.LuffTabling),
                        PanelRecords::kStart);

  panelMarks(p, in, band, rec);

  // Knife: from the upper start corner round the records and back. A
  // vertical start edge (the luff of panel 1) has fixed corners at its own
  // stations; so has a vertical end edge.
  const CutRecord& start = rec.at(N);
  const CutRecord& end = rec.at(endIndex);
  const bool startUpright = N && start.vertical;
  const bool endUpright = endIndex && end.vertical;
  const Point2 S = startUpright ? Point2{Ua.x - w.LuffTabling, Ua.y + w.HeadTabling}
                                : bandCorner(rec.at(1), start, true);
  KnifePath knife;
  knife.corner(S);
  for (int k = 2; k <= rec.count() - 1; ++k) {
    if (k == endIndex) {
      if (endUpright) {
        knife.corner({Ub.x, Ub.y + w.HeadTabling});
        knife.corner({Ub.x + w.LeechTabling, Ub.y + w.HeadTabling});
      } else {
        knife.corner(bandCorner(rec.at(k - 1), end, false));
      }
      for (int j : leech)
        knife.point(band.frames.leechPoint(in.model->LeechCurve, j, w.LeechTabling),
                    KnifePath::kLeech);
      continue;
    }
    if (endIndex && k == endIndex + 1) {
      if (endUpright) {
        const Point2 c{Lb.x + w.LeechTabling, Lb.y - w.FootTabling};
        knife.corner(c);
        knife.corner(c);
      } else {
        knife.corner(bandCorner(end, rec.at(k), false));
      }
    }
    knife.own(rec, k);
  }
  if (startUpright) {
    knife.corner({La.x, La.y - w.FootTabling});
    knife.corner({La.x - w.LuffTabling, La.y - w.FootTabling});
  } else {
    knife.corner(bandCorner(rec.at(rec.count() - 1), start, true));
  }
  knife.corner(S);
  endPanelFile(f, p, knife, rec, in.units,
               largestOf({w.HeadTabling, w.LeechTabling, w.FootTabling, w.LuffTabling}));
  refuseSeamsOutOfOrder(f, lay, r, n);
  if (f.fault == CutFault::None && n > 1 && leechCrossesStartSeam(leechPoints, Ua, La, Ub, plotStep(in.units)))
    f.fault = CutFault::SeamsCross;

  // Turned so that the end edge lies along X.
  if (finite(Ub) && finite(Lb))
    f.angle = Ub.x == Lb.x ? -Pi / 2 : -std::atan((Ub.y - Lb.y) / (Ub.x - Lb.x));
  return f;
}

}  // namespace kes
