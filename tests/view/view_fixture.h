#pragma once
// A small hand-built sail: luff from the tack (0, 0) to (0, 100), head aft to
// (10, 100), leech to the clew (50, 0), foot back to the tack; stripes at
// heights 17, 34, 51, 68, 85 with a sine-shaped camber.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/sail_model.h"
#include "platform/recording_surface.h"
#include "view/plan_view.h"

namespace kes::test {

inline void fillLine(Curve& c, double x1, double y1, double x2, double y2) {
  for (int i = 1; i <= 100; ++i) {
    const double t = (i - 1) / 99.0;
    c(1, i) = x1 + (x2 - x1) * t;
    c(2, i) = y1 + (y2 - y1) * t;
    c(3, i) = 0.0;
  }
}

inline SailModel knownSail() {
  SailModel m;
  m.HandleSize = 0.5;
  m.ClewX = 50;
  fillLine(m.LuffView, 0, 0, 0, 100);
  fillLine(m.HeadView, 0.1, 100, 10, 100);  // point i at i / 10
  fillLine(m.LeechView, 10, 100, 50, 0);
  fillLine(m.FootView, 50, 0, 0, 0);
  m.LeechCurve = m.LeechView;
  m.FootCurve = m.FootView;
  const double pos[6] = {42, 42, 42, 42, 44, 47};
  for (int k = 0; k <= 5; ++k) {
    m.DepthPositions[k] = pos[k];
    Curve& s = m.MoldSections[k];
    const double h = 17.0 * k;
    fillLine(s, 0, h, k == 0 ? 50 : 10.0 + 0.4 * (100.0 - h), h);
    for (int i = 1; i <= 100; ++i) s(3, i) = (6.0 - k) * std::sin(3.14159 * (i - 1) / 99.0);
  }
  return m;
}

// Box texts are built as strings: assigning a literal straight to a string
// member trips a false overlap warning of GCC 12 at -O3.
inline void batten(PlanViewInputs& in, int row, const char* pos, const char* len, const char* deg) {
  in.batPos[row] = std::string(pos);
  in.batLngth[row] = std::string(len);
  in.batAngl[row] = std::string(deg);
}
inline void reef(PlanViewInputs& in, int row, const char* count, const char* pos) {
  in.numReef[row] = std::string(count);
  in.reefPos[row] = std::string(pos);
}

// Operations of one kind, optionally of one colour only.
inline std::vector<DrawOp> opsOf(const RecordingSurface& s, DrawOp::Kind kind, int colour = -1) {
  std::vector<DrawOp> out;
  for (const DrawOp& op : s.ops())
    if (op.kind == kind && (colour < 0 || op.colour == colour)) out.push_back(op);
  return out;
}

inline void expectScale(const Surface& s, double l, double t, double r, double b) {
  EXPECT_NEAR(s.scaleLeft(), l, 1e-9);
  EXPECT_NEAR(s.scaleTop(), t, 1e-9);
  EXPECT_NEAR(s.scaleWidth(), r - l, 1e-9);
  EXPECT_NEAR(s.scaleHeight(), b - t, 1e-9);
}

inline bool allFinite(const RecordingSurface& s) {
  for (const DrawOp& op : s.ops())
    if (!std::isfinite(op.x1) || !std::isfinite(op.y1) || !std::isfinite(op.x2) ||
        !std::isfinite(op.y2) || !std::isfinite(op.radius))
      return false;
  return true;
}

}  // namespace kes::test
