// The tilted check view.

#include "layout/check_view.h"

#include <algorithm>
#include <cmath>

#include "layout/crosscut.h"
#include "layout/layout_draw.h"

namespace kes {

namespace {

constexpr double kAboutX = 0.4, kAboutY = -0.78;

int linesShown(const PanelLayout& L) { return std::clamp(L.PanelCount, 0, PanelLayout::kMaxPanels); }

// Turns coordinates u and v of points 1..100: u' = u cos a + v sin a,
// v' = v cos a - u sin a, both from the old values.
void turn(Curve& c, int u, int v, double a) {
  const double ca = std::cos(a), sa = std::sin(a);
  for (int i = 1; i <= Curve::kPoints; ++i) {
    const double pu = c(u, i), pv = c(v, i);
    set(c(u, i), Num(pu) * ca + Num(pv) * sa);
    set(c(v, i), Num(pv) * ca - Num(pu) * sa);
  }
}

}  // namespace

void tiltCheckView(SailModel& m, PanelLayout& L) {
  Curve* views[4] = {&m.LuffView, &m.HeadView, &m.LeechView, &m.FootView};
  const int n = linesShown(L);
  for (Curve* c : views) turn(*c, 2, 3, kAboutX);
  for (int k = 0; k <= n; ++k) turn(L.SeamLines[k], 2, 3, kAboutX);
  for (Curve* c : views) turn(*c, 1, 3, kAboutY);
  for (int k = 0; k <= n; ++k) turn(L.SeamLines[k], 1, 3, kAboutY);
}

void drawCheckView(const SailModel& m, const PanelLayout& L, Surface& s) {
  s.clear();
  for (const Curve* c : {&m.LuffView, &m.HeadView, &m.LeechView, &m.FootView})
    layout::drawCurve(s, *c, kForeColor, kForeColor);
  const int n = linesShown(L);
  for (int k = 0; k <= n; ++k) layout::drawCurve(s, L.SeamLines[k], kForeColor, kSeamColour);
}

}  // namespace kes
