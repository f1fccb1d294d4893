#pragma once
// The designed default sail and a layout over it, for the layout tests.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "common/panel_layout.h"
#include "layout/crosscut.h"
#include "model/sail_fixture.h"
#include "view/view_fixture.h"

namespace kes::test {

inline SailModel defaultSail() { return testing::computed(testing::defaultInputs()); }

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

// The layout of n crosscut panels with the default ends, built.
inline PanelLayout crosscut(SailModel& m, int n, bool square = true) {
  PanelLayout L;
  L.PanelCount = n;
  defaultSeamEnds(m, L, n, square);
  buildSeamLines(m, L);
  return L;
}

}  // namespace kes::test
