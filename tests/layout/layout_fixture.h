#pragma once
// The designed default sail and a layout over it, for the layout tests.

#include <gtest/gtest.h>

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
  for (const Curve& c : L.SeamLines)
    for (const auto& row : c.c)
      for (double v : row)
        if (!std::isfinite(v)) return false;
  for (const auto& row : L.RadialDivider)
    for (double v : row)
      if (!std::isfinite(v)) return false;
  return true;
}

// Every coordinate a surface was given is finite.
inline bool allFinite(const RecordingSurface& s) {
  for (const DrawOp& op : s.ops())
    for (double v : {op.x1, op.y1, op.x2, op.y2, op.radius})
      if (!std::isfinite(v)) return false;
  return true;
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
