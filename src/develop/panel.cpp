#include "develop/panel.h"

#include <algorithm>
#include <cmath>

namespace kes {

bool IsPanelFileName(std::string_view fileName) { return fileName.find("pnl") != std::string_view::npos; }

void HighlightSeamLine(Surface& s, const Curve& line) {
  s.point(line(1, 1), line(2, 1));
  for (int k = 5; k <= 100; k += 5) s.lineTo(line(1, k), line(2, k), kLightGreen);
}

namespace {

void drawTriangles(Surface& s, const FlatStrip& f, Point2 at) {
  for (int t = 1; t <= FlatStrip::kTriangles; ++t) {
    const Point2 c[5] = {f.P0[t], f.P1[t], f.P2[t], f.P3[t], f.P0[t]};
    for (int e = 0; e < 4; ++e)
      s.line(c[e].x + at.x, c[e].y + at.y, c[e + 1].x + at.x, c[e + 1].y + at.y, kGrey);
  }
}

// The leech's placement in the flat frame: the turn about the lower leech
// corner, unless that carries a leech point past either flat leech corner
// along the rung (a leech that leaves the head at a sharp turn); turned as
// they are, the points would then overshoot the corner and the sewing leech
// run out of the panel. Such a leech is fitted between the corners instead:
// the plan chord between the seam ends on the leech laid onto the flat rung.
FlatPlacement LeechPlacement(const PanelInput& in, const PanelResult& r, Point2 lowerLeech,
                             Point2 corner, bool& fitted) {
  fitted = false;
  const FlatPlacement turned{lowerLeech, corner, r.leechTurn};
  const FlatStrip& f = r.strip;
  const Point2 top = f.U(100);
  const double rx = corner.x - top.x, ry = corner.y - top.y;
  const double rung2 = rx * rx + ry * ry;
  if (!(rung2 > 0) || !std::isfinite(rung2)) return turned;
  const Curve& lc = *in.sail.LeechCurve;
  bool past = false;
  ForLeechPoints(in.leechEndUpper, in.leechEndLower, [&](int k) {
    const Point2 p = turned.place({lc(1, k), lc(2, k)});
    const double along = (p.x - top.x) * rx + (p.y - top.y) * ry;
    if (along < 0 || along > rung2) past = true;
  });
  if (!past && !in.carefulCut) return turned;
  const Index hi = toIndex(Num(in.leechEndUpper), 1, 100), lo = toIndex(Num(in.leechEndLower), 1, 100);
  if (!hi.ok || !lo.ok) return turned;
  const Point2 a{lc(1, lo.i), lc(2, lo.i)}, b{lc(1, hi.i), lc(2, hi.i)};
  const double cx = b.x - a.x, cy = b.y - a.y;
  const double chord = std::hypot(cx, cy);
  if (!(chord > 0) || !std::isfinite(chord)) return turned;
  // Turned by -phi the plan chord a->b takes the flat rung's direction.
  const double phi = std::atan2(cy, cx) - std::atan2(-ry, -rx);
  const FlatPlacement fit{a, corner, phi, std::sqrt(rung2) / chord};
  if (!std::isfinite(fit.phi) || !std::isfinite(fit.scale)) return turned;
  fitted = true;
  return fit;
}

// The knife: from S on the luff allowance line along the upper records, the
// two leech corners (with the leech points between them in panel files),
// back along the lower records to E, then straight up the luff line to S.
// A corner that would stand off its sewing corner by more than kMitreLimit
// allowances (edges meeting at a sliver's sharp point) is cut instead.
void writeKnifePath(PlotText& plot, const PanelInput& in, PanelResult& r, bool panelFile) {
  const CutOutline& cut = r.cut;
  const Curve& lower = *in.lower;
  const EdgeAllowances& a = in.allowances;
  const FlatStrip& f = r.strip;
  const double luffX = -a.luff;
  // Where the luff rung is too short to set the panel's frame (a shelf
  // foot's lens is a hair apart at the tack) the lower edge is laid square
  // to it, and the next triangle leaves the upper edge's first point a hair
  // behind the rung: the careful cut starts on the upper edge's line
  // outside that point (when it stands more than a plotter step behind) and closes from the luff line's lower end straight
  // to it.
  const double step = 1 / std::fabs(plot.scaleX());
  const double startX = in.carefulCut && f.P1[2].x - a.luff < luffX - step ? f.P1[2].x - a.luff : luffX;
  const auto limit = [](double u, double v) { return kMitreLimit * std::max(std::fabs(u), std::fabs(v)) + 1e-6; };
  const auto far = [](Point2 p, Point2 c, double lim) { return !(std::hypot(p.x - c.x, p.y - c.y) <= lim); };
  // The luff corners: on the luff line, or cut with a second point on the edge's line.
  const CutRecord luffLine{luffX, 0, 0, true};
  Point2 S{startX, 0}, E{luffX, 0}, S2{}, E2{};
  bool haveS = cut.n > 0 && LineYAt(cut.rec[1], startX, S.y);
  bool haveE = cut.n > 0 && LineYAt(cut.rec[cut.n], luffX, E.y);
  const bool behind = haveS && startX < luffX;
  bool cutS = false, cutE = false;
  if (cut.n > 0 && !behind && (!haveS || far(S, f.U(1), limit(a.luff, a.upper)))) {
    S = Foot(luffLine, f.U(1));
    S2 = Foot(cut.rec[1], f.U(1));
    haveS = cutS = true;
  }
  if (cut.n > 0 && (!haveE || far(E, f.L(1), limit(a.luff, a.lower)))) {
    E = Foot(luffLine, f.L(1));
    E2 = Foot(cut.rec[cut.n], f.L(1));
    haveE = cutE = true;
  }
  // The upper edge runs on from the luff, the lower edge back to it, along
  // the axis the panel lies along: x, or y for a panel laid along y.
  const Point2 chord{f.L(100).x - f.L(1).x, f.L(100).y - f.L(1).y};
  const bool alongY = std::fabs(chord.y) > std::fabs(chord.x);
  const double ySign = chord.y < 0 ? -1.0 : 1.0;
  const auto progress = [&](Point2 p) { return alongY ? ySign * p.y : p.x; };

  if (haveS) plot.point(S.x, S.y);
  plot.line(kKnifeDown);
  if (cutS) plot.point(S2.x, S2.y);
  const int leech = cut.leech;
  const Point2 corner = f.P0[FlatStrip::kTriangles];
  const Point2 lowerLeech{lower(1, 100), lower(2, 100)};
  double prev = progress(cutS ? S2 : S);
  Point2 prevAt = cutS ? S2 : S;
  for (int k = 2; k <= cut.n; ++k) {
    if (panelFile && leech > 0 && k == leech + 1) {
      // The leech curve moved out by the leech tabling, square to the
      // straight 3-D rung and aft, then turned into the flat frame.
      // The point is taken from the lower leech corner first, then moved out.
      const double tab = a.leech;
      const FlatPlacement place{{0, 0}, corner, r.leechTurn};
      const Curve& lc = *in.sail.LeechCurve;
      // A fitted leech gets its tabling square to the flat rung, as the
      // turn carries the 3-D rung's square onto it.
      const double flatLean = r.leechLean - r.leechTurn;
      ForLeechPoints(in.leechEndUpper, in.leechEndLower, [&](int j) {
        Point2 p;
        if (r.leechFitted) {
          p = r.leech.place({lc(1, j), lc(2, j)});
          p = {p.x + tab * std::cos(flatLean), p.y + tab * std::sin(flatLean)};
        } else {
          p = place.place({lc(1, j) - lowerLeech.x + tab * std::cos(r.leechLean),
                           lc(2, j) - lowerLeech.y + tab * std::sin(r.leechLean)});
        }
        plot.point(p.x, p.y);
      });
    }
    if (leech > 0 && (k == leech || k == leech + 1)) {
      // The leech corners are always written.
      const bool top = k == leech;
      Point2 at[2];
      const int count = MitreCorner(cut.rec[k - 1], cut.rec[k], top ? f.U(100) : f.L(100),
                                    top ? limit(a.upper, a.leech) : limit(a.leech, a.lower), at);
      // Square out from the sewing corner on the leech's line, so that the
      // straight knife to the first leech point never cuts into that corner.
      const Point2 c = top ? f.U(100) : f.L(100);
      const Point2 onLeech = Foot(cut.rec[leech], c);
      const bool squareOut = in.carefulCut && count == 1 && std::isfinite(onLeech.x) && std::isfinite(onLeech.y);
      if (squareOut && !top) plot.point(onLeech.x, onLeech.y);
      for (int i = 0; i < count; ++i) plot.point(at[i].x, at[i].y);
      if (squareOut && top) plot.point(onLeech.x, onLeech.y);
      prev = progress(at[count - 1]);
      prevAt = at[count - 1];
      continue;
    }
    const bool upperEdge = leech > 0 && k < leech;
    const bool onEdge = upperEdge || k > leech + 1;
    // The plain cut drops a point that falls back along the panel's axis;
    // the careful one a point that falls back along its own edge (the lower
    // edge runs back, against its segments).
    const Point2 travel = upperEdge ? cut.rec[k].along : Point2{-cut.rec[k].along.x, -cut.rec[k].along.y};
    const auto back = [&](Point2 q) {
      if (!onEdge) return false;
      if (in.carefulCut) return (q.x - prevAt.x) * travel.x + (q.y - prevAt.y) * travel.y < 0;
      const double p = progress(q);
      return upperEdge ? p < prev : p > prev;
    };
    const auto passed = [&](Point2 q) {
      prev = progress(q);
      prevAt = q;
    };
    if (in.carefulCut) {
      // Through the moved edge's own corners as well, so that a sharp bend
      // is cut round, not across (on an edge without allowance the corner
      // is the sewing point itself); a corner flung out past the bend (a
      // loop of the moved edge) is left out.
      const Point2 m0{cut.rec[k - 1].x, cut.rec[k - 1].y}, m1{cut.rec[k].x, cut.rec[k].y};
      const double allowance = std::fabs(upperEdge ? a.upper : a.lower);
      Point2 at;
      if (Corner(cut.rec[k - 1], cut.rec[k], at) &&
          std::sqrt(SegmentDistance2(at, m0, m1)) <=
              kMitreLimit * allowance + std::hypot(m1.x - m0.x, m1.y - m0.y) / 2 &&
          !back(at)) {
        plot.point(at.x, at.y);
        passed(at);
      }
    }
    const Point2 c{cut.rec[k].x, cut.rec[k].y};
    if (!back(c)) plot.point(c.x, c.y);
    passed(c);
  }
  if (cutE) plot.point(E2.x, E2.y);
  if (haveE) plot.point(E.x, E.y);
  if (haveS) plot.point(S.x, S.y);
  plot.line(kKnifeUp);
}

}  // namespace

void DevelopPanel(const PanelInput& in, int& markMode, PanelResult& r, Surface* preview) {
  const Curve& lower = *in.lower;
  const Curve& upper = *in.upper;
  constexpr int T = FlatStrip::kTriangles;
  const bool panelFile = IsPanelFileName(in.fileName) && in.sail.LeechCurve != nullptr;

  r.seaming = PanelSeaming(lower, upper, in.allowances);
  DevelopStrip(lower, upper, r.strip);
  const FlatStrip& f = r.strip;
  if (preview != nullptr) drawTriangles(*preview, f, {lower(1, 1), lower(2, 1)});

  PlotText& plot = r.plot;
  plot.clear();
  plot.setScale(in.units.PlotScaleX, in.units.PlotScaleY);
  plot.reserve(24 * 1024);
  plot.line(kPlotStart);

  // Lettering along the flat lower-edge chord, so the finishing turn lays it on +X.
  const Point2 L1 = f.L(1), L100 = f.L(100), U100 = f.U(100);
  r.letterAngle = static_cast<float>(ChordAngle(L1, L100));
  if (in.font != nullptr)
    WritePlotLabel(plot, *in.font,
                   {in.letterText, in.units.MarkSize, r.letterAngle, in.units.LetterOriginX,
                    in.units.LetterOriginY});

  // Sewing outline: luff rung and upper edge, the leech, the lower edge back.
  r.sewing.from = plot.text().size();
  plot.point(0, 0);
  plot.line(kPenDown);
  for (int t = 1; t <= T; ++t) {
    plot.point(f.P1[t].x, f.P1[t].y);
    plot.point(f.P2[t].x, f.P2[t].y);
  }
  const Point2 lowerLeech{lower(1, 100), lower(2, 100)};
  const Point2 corner = f.P0[T];
  if (panelFile) {
    const double flatLean = RungLean(L100.x - U100.x, U100.y - L100.y);
    r.leechLean = RungLean(lower(1, 100) - upper(1, 100), upper(2, 100) - lower(2, 100));
    r.leechTurn = r.leechLean - flatLean;
    r.leech = LeechPlacement(in, r, lowerLeech, corner, r.leechFitted);
    const Curve& lc = *in.sail.LeechCurve;
    ForLeechPoints(in.leechEndUpper, in.leechEndLower, [&](int k) {
      const Point2 p = r.leech.place({lc(1, k), lc(2, k)});
      plot.point(p.x, p.y);
    });
  }
  for (int t = T; t >= 1; --t) {
    plot.point(f.P3[t].x, f.P3[t].y);
    plot.point(f.P0[t].x, f.P0[t].y);
  }
  plot.line(kPenUp);
  r.sewing.to = plot.text().size();

  const MarkSetUp noMarks;
  const MarkSetUp& marks = in.marks != nullptr ? *in.marks : noMarks;
  if (panelFile)
    BattenEndMarks(plot, marks, *in.sail.LeechCurve, in.leechEndUpper, in.leechEndLower, r.leech,
                   in.units.MarkSize);

  plot.line(kPlotComment);
  OffsetEdge(f, in.allowances, r.cut);
  if (panelFile) {
    r.luffLean = AtanRatio(lower(1, 1) - upper(1, 1), upper(2, 1) - lower(2, 1));
    PlaceMarks(plot, marks, in.sail, {lowerLeech, corner, r.luffLean}, r.cut, in.units.MarkSize,
               markMode);
  }
  r.area = OutlineArea(r.cut);
  writeKnifePath(plot, in, r, panelFile);
  plot.line(kPlotEnd);
}

}  // namespace kes
