#include "reinforce/patch_preview.h"

#include "reinforce/patch_geometry.h"

namespace kes {

namespace {

// The plan view takes its coordinates in single precision.
double single(double v) { return static_cast<float>(v); }

void edge(Surface& s, Pt a, Pt b, int colour = kLightCyan) {
  s.line(single(a.x), single(a.y), single(b.x), single(b.y), colour);
}

void drawArc(Surface& s, const PatchArc& arc) {
  s.point(single(arc.p[1].x), single(arc.p[1].y), kLightCyan);
  for (int k = 2; k <= 100; ++k) s.lineTo(single(arc.p[k].x), single(arc.p[k].y), kLightCyan);
}

// Layers 1 up to the quantity; never more than the frame's limit.
bool layer(int t, double quantity) { return t <= quantity && t <= kQuantityLimit; }

// What differs between the tack and the clew: the edge from the corner
// (luff or leech) and the foot, their indices and arc, and the sectors.
struct FootCorner {
  const CornerSettings& c;
  const Curve& edge;  // luff (tack) or leech (clew); the other edge is the foot
  CornerIndices (*layer)(const CornerSettings&, int);
  CornerIndices (*radial)(const CornerSettings&);
  void (*arc)(const SailModel&, const CornerIndices&, int, PatchArc&);
  Pt (*square)(const SailModel&, int, int);
  bool clew;
};

void footCorner(Surface& s, const SailModel& m, const ReinforceSettings& rs, PatchStyle style,
                const FootCorner& k) {
  const Curve& foot = m.FootCurve;
  const double N = k.c.quantity;
  if (style == PatchStyle::Radials) {
    const CornerIndices r = k.radial(k.c);
    PatchArc arc;
    k.arc(m, r, rs.ellipticity, arc);
    drawArc(s, arc);
    const Pt edgeCore = edgePoint(k.edge, r.a3), footCore = edgePoint(foot, r.b3);
    for (int t = 1; layer(t, N); ++t) {
      // The tack's patches run from the luff to the start of their sector, the clew's from the foot.
      const Sector sec = k.clew ? lengthSector(arc, N, t) : countSector(N, t);
      edge(s, k.clew ? footCore : edgeCore, arc.p[sec.ja]);
      edge(s, k.clew ? edgeCore : footCore, arc.p[sec.end()], kCyan);
    }
    return;
  }
  for (int t = 1; layer(t, N); ++t) {
    const CornerIndices r = k.layer(k.c, t);
    const Pt a = edgePoint(k.edge, r.a), b = edgePoint(foot, r.b);
    if (style == PatchStyle::Triangle) {
      edge(s, a, b);
    } else {
      const Pt K = k.square(m, r.a, r.b);
      edge(s, a, K);
      edge(s, K, b);
    }
  }
}

void head(Surface& s, const SailModel& m, const ReinforceSettings& rs) {
  const Curve& luff = m.LuffCurve;
  const Curve& leech = m.LeechCurve;
  const CornerSettings& c = rs.head;
  if (!narrowHead(m)) {
    for (int t = 1; layer(t, c.quantity); ++t) {
      const WideHeadIndices r = wideHeadLayer(c, t);
      edge(s, edgePoint(luff, r.iL), edgePoint(m.HeadCurve, r.iH));
      edge(s, edgePoint(m.HeadCurve, r.jH), edgePoint(leech, r.jL));
    }
    return;
  }
  if (rs.style.radials) {
    const CornerIndices r = narrowHeadRadial(c);
    PatchArc arc;
    headArc(m, r, rs.ellipticity, arc);
    drawArc(s, arc);
    for (int t = 1; layer(t, c.quantity); ++t) {
      const Sector sec = countSector(c.quantity, t);
      edge(s, edgePoint(leech, r.b3), arc.p[sec.end()]);
      edge(s, edgePoint(luff, r.a3), arc.p[sec.ja], kCyan);
    }
    return;
  }
  for (int t = 1; layer(t, c.quantity); ++t) {
    const CornerIndices r = narrowHeadLayer(c, t);
    edge(s, edgePoint(luff, r.a), edgePoint(leech, r.b));
  }
}

}  // namespace

void previewPatches(Surface& s, const SailModel& m, const ReinforceSettings& rs) {
  const PatchStyle style = previewStyle(rs.style);
  if (style != PatchStyle::None) {
    footCorner(s, m, rs, style,
               {rs.tack, m.LuffCurve, tackLayer, tackRadial, tackArc, tackSquareCorner, false});
    footCorner(s, m, rs, style,
               {rs.clew, m.LeechCurve, clewLayer, clewRadial, clewArc, clewSquareCorner, true});
  }
  head(s, m, rs);
}

}  // namespace kes
