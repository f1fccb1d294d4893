#pragma once
// A small hand-built sail: luff from the tack (0, 0) to (0, 100), head aft to
// (10, 100), leech to the clew (50, 0), foot back to the tack; stripes at
// heights 17, 34, 51, 68, 85 with a sine-shaped camber.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "model/sail_model.h"
#include "platform/recording_surface.h"
#include "view/plan_view.h"

namespace kes {
constexpr double kPi = 3.141593;  // the stored constant the angles use
}  // namespace kes

namespace kes::test {

inline void fillLine(Curve& c, double x1, double y1, double x2, double y2) {
  for (int i = 1; i <= 100; ++i) {
    const double t = (i - 1) / 99.0;
    c(1, i) = x1 + (x2 - x1) * t;
    c(2, i) = y1 + (y2 - y1) * t;
  }
}

inline SailModel knownSail() {
  SailModel m;
  m.ClewX = 50;
  fillLine(m.LuffView, 0, 0, 0, 100);
  fillLine(m.HeadView, 0.1, 100, 10, 100);  // point i at i / 10
  fillLine(m.LeechView, 10, 100, 50, 0);
  fillLine(m.FootView, 50, 0, 0, 0);
  std::tie(m.LeechCurve, m.FootCurve) = std::tie(m.LeechView, m.FootView);
  for (int k = 0; k <= 5; ++k) {
    m.DepthPositions[k] = k < 4 ? 42 : 32 + 3 * k;  // 42, 42, 42, 42, 44, 47
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
  std::tie(in.batPos[row], in.batLngth[row], in.batAngl[row]) = std::tuple(std::string(pos), std::string(len), std::string(deg));
}
inline void reef(PlanViewInputs& in, int row, const char* count, const char* pos) {
  std::tie(in.numReef[row], in.reefPos[row]) = std::tuple(std::string(count), std::string(pos));
}

// Operations of one kind, optionally of one colour only.
inline std::vector<DrawOp> opsOf(const RecordingSurface& s, DrawOp::Kind kind, int colour = -1) {
  std::vector<DrawOp> out;
  for (const DrawOp& op : s.ops())
    if (op.kind == kind && (colour < 0 || op.colour == colour)) out.push_back(op);
  return out;
}

inline void expectScale(const Surface& s, double l, double t, double r, double b) {
  const double got[] = {s.scaleLeft(), s.scaleTop(), s.scaleWidth(), s.scaleHeight()};
  const double want[] = {l, t, r - l, b - t};
  for (int k = 0; k < 4; ++k) EXPECT_NEAR(got[k], want[k], 1e-9) << k;
}

// A sum is finite only when every term is.
inline bool allFinite(const RecordingSurface& s) {
  return std::all_of(s.ops().begin(), s.ops().end(), [](const DrawOp& op) {
    return std::isfinite(op.x1 + op.y1 + op.x2 + op.y2 + op.radius);
  });
}

}  // namespace kes::test
