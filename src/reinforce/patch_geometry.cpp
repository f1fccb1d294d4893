#include "reinforce/patch_geometry.h"

#include <cmath>
#include <initializer_list>

#include "common/numbers.h"
#include "model/spline.h"

namespace kes {

double layerFactor(int t) { return std::pow(kLayerFactor, t - 1); }

int edgeIndex(double v) {
  const double r = roundHalfEven(v);
  if (!(r >= 1.0)) return 1;  // also NaN
  if (r > 100.0) return 100;
  return static_cast<int>(r);
}

bool narrowHead(const SailModel& m) { return m.HeadWidth < 0.1 * m.LuffLength; }

namespace {

double whole(double v) { return roundHalfEven(v); }

void flatArc(Pt start, PatchArc& arc) {
  for (int k = 1; k <= 100; ++k) arc.p[k] = start;
}

// Failed angles become 0 where a value has to be used (the square corner's direction).
double orZero(Num a) { return a.good() ? a.v : 0.0; }

void add(PatchOutline& out, Pt p) {
  if (out.count < kMaxOutline) out.pts[out.count++] = p;
}

void addRun(PatchOutline& out, const Curve& c, int from, int to) {
  const int step = from <= to ? 1 : -1;
  for (int k = from;; k += step) {
    add(out, edgePoint(c, k));
    if (k == to) break;
  }
}

void addArc(PatchOutline& out, const PatchArc& arc, int ja, int jb) {
  for (int k = ja; k <= jb; ++k) add(out, arc.p[k]);  // none when ja > jb
}

// The slope angle of a straight side, laid parallel to x by turning it by minus this.
Num slopeAngle(Pt from, Pt to) { return atan((Num(to.y) - from.y) / (Num(to.x) - from.x)); }

}  // namespace

// ---- Arcs and sectors -----------------------------------------------------------

void buildArc(Corner corner, Pt start, Pt end, int ellipticity, PatchArc& arc) {
  const double dx = end.x - start.x, dy = end.y - start.y;
  const Num chord = sqrt(Num(dx) * dx + Num(dy) * dy);
  if (!chord.good() || chord.v == 0.0) {
    flatArc(start, arc);
    return;
  }
  const double m = chord.v;
  const bool clew = corner == Corner::Clew;
  double h = 0.0;
  set(h, clew ? Num(m) / double(ellipticity) : Num(m) / (1.4 * ellipticity));
  const double v = corner == Corner::Head ? -h : h;  // the head's arc sags away from the head
  const double mid = clew ? m / 1.5 : m / 2;
  // The top points span half a unit, unless the chord is too short to hold them in order.
  const double spread = m <= (clew ? 0.75 : 0.5) ? m / 8 : 0.25;

  Spline sp;
  const double xs[6] = {0, 0, mid - spread, mid, mid + spread, m};
  const double ys[6] = {0, 0, v, v, v, 0};
  for (int i = 1; i <= 5; ++i) {
    sp.X[i] = xs[i];
    sp.Y[i] = ys[i];
  }
  sp.n = 5;
  FitSpline(sp);

  // The chord's direction. Where the end lies aft of the start (at the clew,
  // and not below it) the slope's arctangent; elsewhere the quadrant is taken
  // too, so that the arc still ends at its end point.
  Num a = Num::fail();
  if (dx > 0.0 && (!clew || dy >= 0.0)) a = atan(Num(dy) / dx);
  if (!a.good()) a = atan2(Num(dy), Num(dx));
  const double ca = std::cos(a.v), sa = std::sin(a.v);
  for (int k = 1; k <= 100; ++k) {
    const double X = sp.outX[k], Y = sp.outY[k];
    const Pt p{start.x + X * ca - Y * sa, start.y + X * sa + Y * ca};
    arc.p[k] = std::isfinite(p.x) && std::isfinite(p.y) ? p : start;
  }
}

Sector countSector(double N, int t) {
  const double s = whole(100.0 / N);
  double ja = (t - 1) * s;
  if (ja < 1) ja = 1;
  double jb = t * s;
  if (jb > 95) jb = 100;
  return {edgeIndex(ja), jb < 1 ? 0 : edgeIndex(jb)};
}

Sector lengthSector(const PatchArc& arc, double N, int t) {
  double run[101];
  run[1] = 0.0;
  for (int k = 2; k <= 100; ++k) {
    const double dx = arc.p[k].x - arc.p[k - 1].x, dy = arc.p[k].y - arc.p[k - 1].y;
    run[k] = run[k - 1] + std::sqrt(dx * dx + dy * dy);
  }
  const double S = run[100];
  // The last point passed before the running length reaches the target.
  const auto passed = [&run](double target) {
    int last = 0;
    for (int k = 2; k <= 100; ++k) {
      if (run[k] >= target) break;
      last = k;
    }
    return last;
  };
  int ja = passed((t - 1) * S / N);
  if (ja == 0) ja = 1;
  int jb = passed(t * S / N);
  if (jb > 95) jb = 100;
  return {ja, jb};
}

// ---- Indices ----------------------------------------------------------------------

CornerIndices tackLayer(const CornerSettings& s, int t) {
  const double f = layerFactor(t);
  return {edgeIndex(whole(f * s.first)), edgeIndex(100 - whole(f * s.second)), 1, 1};
}

CornerIndices tackRadial(const CornerSettings& s) {
  return {edgeIndex(whole(s.first)), edgeIndex(100 - whole(s.second)),
          edgeIndex(whole(s.first / 3)), edgeIndex(100 - whole(s.second / 3))};
}

CornerIndices clewLayer(const CornerSettings& s, int t) {
  const double f = layerFactor(t);
  return {edgeIndex(100 - whole(f * s.first)), edgeIndex(whole(f * s.second)), 1, 1};
}

CornerIndices clewRadial(const CornerSettings& s) {
  return {edgeIndex(100 - whole(s.first)), edgeIndex(whole(s.second)),
          edgeIndex(100 - whole(s.first / 3)), edgeIndex(whole(s.second / 3))};
}

// A narrow head counts its reach as the clew does: back from point 100 of
// the luff, forward from point 1 of the leech.
CornerIndices narrowHeadLayer(const CornerSettings& s, int t) { return clewLayer(s, t); }
CornerIndices narrowHeadRadial(const CornerSettings& s) { return clewRadial(s); }

WideHeadIndices wideHeadLayer(const CornerSettings& s, int t) {
  const double f = layerFactor(t);
  return {edgeIndex(100 - whole(f * s.first)), edgeIndex(whole(f * s.second)),
          edgeIndex(whole(f * s.first)), edgeIndex(100 - whole(f * s.second))};
}

// ---- Square corners and arcs ---------------------------------------------------------

Pt tackSquareCorner(const SailModel& m, int L, int F) {
  const Pt l = edgePoint(m.LuffCurve, L), f = edgePoint(m.FootCurve, F);
  const double d = std::sqrt(f.x * f.x + f.y * f.y);
  const double q = orZero(atan(Num(m.ClewY) / m.ClewX));
  return {l.x + d * std::cos(q), l.y + d * std::sin(q)};
}

Pt clewSquareCorner(const SailModel& m, int L, int F) {
  const Pt l = edgePoint(m.LeechCurve, L), f = edgePoint(m.FootCurve, F);
  const double dx = m.ClewX - f.x, dy = m.ClewY - f.y;
  const double d = std::sqrt(dx * dx + dy * dy);
  const double q = orZero(atan(Num(m.ClewY) / m.ClewX));
  return {l.x - d * std::cos(q), l.y - d * std::sin(q)};
}

void tackArc(const SailModel& m, const CornerIndices& r, int ellipticity, PatchArc& arc) {
  buildArc(Corner::Tack, edgePoint(m.LuffCurve, r.a), edgePoint(m.FootCurve, r.b), ellipticity,
           arc);
}

void clewArc(const SailModel& m, const CornerIndices& r, int ellipticity, PatchArc& arc) {
  buildArc(Corner::Clew, edgePoint(m.FootCurve, r.b), edgePoint(m.LeechCurve, r.a), ellipticity,
           arc);
}

void headArc(const SailModel& m, const CornerIndices& r, int ellipticity, PatchArc& arc) {
  buildArc(Corner::Head, edgePoint(m.LuffCurve, r.a), edgePoint(m.LeechCurve, r.b), ellipticity,
           arc);
}

// ---- Outlines ---------------------------------------------------------------------------

namespace {

// A new outline measured from origin, lettered at labelAngle.
void begin(PatchOutline& out, Pt origin, bool runLabelOrigin, Num labelAngle) {
  out.origin = origin;
  out.runLabelOrigin = runLabelOrigin;
  out.labelAngle = labelAngle;
  out.count = 0;
}

// A layered patch: from its corner along one edge, across, back to the corner.
void cutCorner(PatchOutline& out, std::initializer_list<Pt> points) {
  add(out, out.origin);
  for (const Pt& p : points) add(out, p);
  add(out, out.origin);
}

// A stretch of an edge curve, every step-th point from one index to another.
struct Stretch {
  const Curve& curve;
  int from, to, step = 1;
};

// A radial patch: the knife goes down on its sector of the arc, follows it,
// runs along the core's edges and comes back to where it started.
void cutSectorPatch(PatchOutline& out, const PatchArc& arc, Sector sec,
              std::initializer_list<Stretch> core) {
  add(out, arc.p[sec.ja]);
  addArc(out, arc, sec.ja, sec.jb);
  for (const Stretch& st : core) {
    if (st.step == 1) {
      addRun(out, st.curve, st.from, st.to);
    } else {
      for (int k = st.from; st.step > 0 ? k <= st.to : k >= st.to; k += st.step)
        add(out, edgePoint(st.curve, k));
    }
  }
  add(out, arc.p[sec.ja]);
}

}  // namespace

void tackPatch(const SailModel& m, const CornerSettings& s, PatchStyle style, int ellipticity,
               int t, PatchOutline& out) {
  const Curve& luff = m.LuffCurve;
  const Curve& foot = m.FootCurve;
  begin(out, {0, 0}, true, Num(0.0));
  if (style == PatchStyle::Radials) {
    const CornerIndices r = tackRadial(s);
    PatchArc arc;
    tackArc(m, r, ellipticity, arc);
    const Sector sec = countSector(s.quantity, t);
    cutSectorPatch(out, arc, sec, {{foot, r.b3, 100}, {luff, 1, r.a3}});
    out.rotation = -slopeAngle(edgePoint(foot, r.b3), arc.p[sec.end()]);
    return;
  }
  const CornerIndices r = tackLayer(s, t);
  const Pt L = edgePoint(luff, r.a), F = edgePoint(foot, r.b);
  if (style == PatchStyle::Square) {
    cutCorner(out, {L, tackSquareCorner(m, r.a, r.b), F});
  } else {
    cutCorner(out, {L, F});
  }
  // Lays the luff edge from the tack towards luff point L onto +x.
  out.rotation =
      -(atan((Num(luff(1, 1)) - luff(1, r.a)) / (Num(luff(2, r.a)) - luff(2, 1))) + Pi / 2);
}

void clewPatch(const SailModel& m, const CornerSettings& s, PatchStyle style, int ellipticity,
               int t, PatchOutline& out) {
  const Curve& leech = m.LeechCurve;
  const Curve& foot = m.FootCurve;
  // Lettered along the straight line from the clew up to the aft head corner.
  begin(out, {m.ClewX, m.ClewY}, false,
        atan((Num(leech(1, 1)) - m.ClewX) / (Num(m.ClewY) - leech(2, 1))) + Pi / 2);
  if (style == PatchStyle::Radials) {
    const CornerIndices r = clewRadial(s);
    PatchArc arc;
    clewArc(m, r, ellipticity, arc);
    const Sector sec = lengthSector(arc, s.quantity, t);
    cutSectorPatch(out, arc, sec, {{leech, r.a3, 100}, {foot, 1, r.b3}});
    out.rotation = -slopeAngle(edgePoint(foot, r.b3), arc.p[sec.ja]);
    return;
  }
  const CornerIndices r = clewLayer(s, t);
  const Pt F = edgePoint(foot, r.b), L = edgePoint(leech, r.a);
  if (style == PatchStyle::Square) {
    cutCorner(out, {F, clewSquareCorner(m, r.a, r.b), L});
  } else {
    cutCorner(out, {F, L});
  }
  // Lays the leech edge from the clew towards leech point L onto +x.
  out.rotation =
      -(atan((Num(leech(1, 100)) - leech(1, r.a)) / (Num(leech(2, r.a)) - leech(2, 100))) +
        Pi / 2);
}

void narrowHeadPatch(const SailModel& m, const CornerSettings& s, PatchStyle style,
                     int ellipticity, int t, PatchOutline& out) {
  const Curve& luff = m.LuffCurve;
  const Curve& head = m.HeadCurve;
  const Curve& leech = m.LeechCurve;
  begin(out, edgePoint(head, 1), false, Num(-Pi / 2));  // read downwards from the throat
  if (style == PatchStyle::Radials) {
    const CornerIndices r = narrowHeadRadial(s);
    PatchArc arc;
    headArc(m, r, ellipticity, arc);
    const Sector sec = countSector(s.quantity, t);
    // Up the leech, forward along every tenth head point, down the luff.
    cutSectorPatch(out, arc, sec, {{leech, r.b3, 1}, {head, 100, 10, -10}, {luff, 100, r.a3}});
    out.rotation = -slopeAngle(edgePoint(leech, r.b3), arc.p[sec.end()]);
    return;
  }
  const CornerIndices r = narrowHeadLayer(s, t);
  cutCorner(out, {edgePoint(head, 100), edgePoint(leech, r.b), edgePoint(luff, r.a)});
  // Lays the luff stretch from the head down to luff point iL onto +x.
  out.rotation =
      atan((Num(luff(1, 100)) - luff(1, r.a)) / (Num(luff(2, 100)) - luff(2, r.a))) + Pi / 2;
}

void throatPatch(const SailModel& m, const CornerSettings& s, int t, PatchOutline& out) {
  const Curve& luff = m.LuffCurve;
  const WideHeadIndices r = wideHeadLayer(s, t);
  begin(out, edgePoint(m.HeadCurve, 1), false, Num(-Pi / 2));
  cutCorner(out, {edgePoint(m.HeadCurve, r.iH), edgePoint(luff, r.iL)});
  out.rotation =
      atan((Num(luff(1, 100)) - luff(1, r.iL)) / (Num(luff(2, 100)) - luff(2, r.iL))) + Pi / 2;
}

void peakPatch(const SailModel& m, const CornerSettings& s, int t, PatchOutline& out) {
  const Curve& head = m.HeadCurve;
  const Curve& leech = m.LeechCurve;
  const WideHeadIndices r = wideHeadLayer(s, t);
  // Lettered along the head from the peak towards the throat.
  begin(out, edgePoint(head, 100), false,
        atan((Num(head(2, 100)) - head(2, 1)) / (Num(head(1, 100)) - head(1, 1))) - Pi);
  cutCorner(out, {edgePoint(leech, r.jL), edgePoint(head, r.jH)});
  // Lays the leech stretch from the aft head corner down to leech point jL onto +x.
  out.rotation =
      Num(Pi / 2) - atan((Num(leech(1, r.jL)) - leech(1, 1)) / (Num(leech(2, 1)) - leech(2, r.jL)));
}

}  // namespace kes
