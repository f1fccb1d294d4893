#pragma once
// The designed default sail and a layout over it, for the layout tests.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "common/panel_layout.h"
#include "default_sail.h"
#include "layout/crosscut.h"
#include "model/sail_model.h"
#include "platform/recording_surface.h"

namespace kes::test {

inline SailModel defaultSail() {
  SailModel m;
  recompute(testing::defaultInputs(), m);
  return m;
}

// Every coordinate of seam lines 0..34 and the divider is finite.
inline bool allFinite(const PanelLayout& L) {
  const auto finite = [](const double* b, const double* e) {
    return std::all_of(b, e, [](double v) { return std::isfinite(v); });
  };
  const double* d = &L.RadialDivider[0][0];
  return finite(d, d + 4 * (PanelLayout::kDividerPoints + 1)) &&
         std::all_of(std::begin(L.SeamLines), std::end(L.SeamLines),
                     [&](const Curve& c) { return finite(&c.c[0][0], &c.c[3][Curve::kPoints] + 1); });
}

// Every coordinate a surface was given is finite (a sum is finite only when every term is).
inline bool allFinite(const RecordingSurface& s) {
  return std::all_of(s.ops().begin(), s.ops().end(), [](const DrawOp& op) {
    return std::isfinite(op.x1 + op.y1 + op.x2 + op.y2 + op.radius);
  });
}

// The layout of n crosscut panels with the default ends, built.
inline PanelLayout crosscut(SailModel& m, int n, bool square = true) {
  PanelLayout L;
  L.PanelCount = n;
  defaultSeamEnds(m, L, n, square);
  buildSeamLines(m, L);
  return L;
}

}  // namespace kes::test
