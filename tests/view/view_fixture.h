#pragma once
// A small hand-built sail for the view tests: straight edges, a luff from the
// tack (0, 0) up to (0, 100), a head running aft to (10, 100), a leech from
// there to the clew (50, 0) and a foot back to the tack; camber stripes across
// at 17, 34, 51, 68, 85 percent of the luff with a sine-shaped camber.

#include <cmath>
#include <vector>

#include "model/sail_model.h"
#include "platform/recording_surface.h"

namespace kes::test {

inline void fillLine(Curve& c, double x1, double y1, double x2, double y2) {
  for (int i = 1; i <= 100; ++i) {
    const double t = (i - 1) / 99.0;
    c(1, i) = x1 + (x2 - x1) * t;
    c(2, i) = y1 + (y2 - y1) * t;
    c(3, i) = 0.0;
  }
}

inline double leechXAt(double y) { return 10.0 + 40.0 * (100.0 - y) / 100.0; }

inline SailModel knownSail() {
  SailModel m;
  m.LuffLength = 100;
  m.FootLength = 50;
  m.HandleSize = 0.5;
  m.ClewX = 50;
  m.ClewY = 0;
  fillLine(m.LuffCurve, 0, 0, 0, 100);
  for (int i = 1; i <= 100; ++i) {  // head: i/10 aft of the luff's head point
    m.HeadCurve(1, i) = i / 10.0;
    m.HeadCurve(2, i) = 100.0;
  }
  fillLine(m.LeechCurve, 10, 100, 50, 0);
  fillLine(m.FootCurve, 50, 0, 0, 0);
  m.LuffView = m.LuffCurve;
  m.HeadView = m.HeadCurve;
  m.LeechView = m.LeechCurve;
  m.FootView = m.FootCurve;

  const double pos[6] = {42, 42, 42, 42, 44, 47};
  for (int k = 0; k <= 5; ++k) {
    m.DepthPositions[k] = pos[k];
    Curve& s = m.MoldSections[k];
    const double h = 17.0 * k;
    if (k == 0)
      fillLine(s, 0, 0, 50, 0);
    else
      fillLine(s, 0, h, leechXAt(h), h);
    for (int i = 1; i <= 100; ++i) s(3, i) = (6.0 - k) * std::sin(3.14159 * (i - 1) / 99.0);
  }
  m.fullView = ViewScale{-5, 105, 70, -5};
  return m;
}

// Operations of one kind, or in one colour.
inline std::vector<DrawOp> opsOf(const RecordingSurface& s, DrawOp::Kind kind) {
  std::vector<DrawOp> out;
  for (const DrawOp& op : s.ops())
    if (op.kind == kind) out.push_back(op);
  return out;
}
inline std::vector<DrawOp> opsOf(const RecordingSurface& s, DrawOp::Kind kind, int colour) {
  std::vector<DrawOp> out;
  for (const DrawOp& op : s.ops())
    if (op.kind == kind && op.colour == colour) out.push_back(op);
  return out;
}

}  // namespace kes::test
