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

void tack(Surface& s, const SailModel& m, const ReinforceSettings& rs, PatchStyle style) {
  const Curve& luff = m.LuffCurve;
  const Curve& foot = m.FootCurve;
  const CornerSettings& c = rs.tack;
  if (style == PatchStyle::Radials) {
    const CornerIndices r = tackRadial(c);
    PatchArc arc;
    tackArc(m, r, rs.ellipticity, arc);
    drawArc(s, arc);
    for (int t = 1; layer(t, c.quantity); ++t) {
      const Sector sec = countSector(c.quantity, t);
      edge(s, edgePoint(luff, r.a3), arc.p[sec.ja]);
      edge(s, edgePoint(foot, r.b3), arc.p[sec.jb], kCyan);
    }
    return;
  }
  for (int t = 1; layer(t, c.quantity); ++t) {
    const CornerIndices r = tackLayer(c, t);
    if (style == PatchStyle::Triangle) {
      edge(s, edgePoint(luff, r.a), edgePoint(foot, r.b));
    } else {
      const Pt k = tackSquareCorner(m, r.a, r.b);
      edge(s, edgePoint(luff, r.a), k);
      edge(s, k, edgePoint(foot, r.b));
    }
  }
}

void clew(Surface& s, const SailModel& m, const ReinforceSettings& rs, PatchStyle style) {
  const Curve& leech = m.LeechCurve;
  const Curve& foot = m.FootCurve;
  const CornerSettings& c = rs.clew;
  if (style == PatchStyle::Radials) {
    const CornerIndices r = clewRadial(c);
    PatchArc arc;
    clewArc(m, r, rs.ellipticity, arc);
    drawArc(s, arc);
    for (int t = 1; layer(t, c.quantity); ++t) {
      const Sector sec = lengthSector(arc, c.quantity, t);
      edge(s, edgePoint(foot, r.b3), arc.p[sec.ja]);
      edge(s, edgePoint(leech, r.a3), arc.p[sec.jb], kCyan);
    }
    return;
  }
  for (int t = 1; layer(t, c.quantity); ++t) {
    const CornerIndices r = clewLayer(c, t);
    if (style == PatchStyle::Triangle) {
      edge(s, edgePoint(leech, r.a), edgePoint(foot, r.b));
    } else {
      const Pt k = clewSquareCorner(m, r.a, r.b);
      edge(s, edgePoint(leech, r.a), k);
      edge(s, k, edgePoint(foot, r.b));
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
      edge(s, edgePoint(leech, r.b3), arc.p[sec.jb]);
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
    tack(s, m, rs, style);
    clew(s, m, rs, style);
  }
  head(s, m, rs);
}

}  // namespace kes
