#include "view/zoom.h"

#include <cmath>
#include <utility>

namespace kes {

namespace {

bool finite(double a, double b, double c, double d) {
  return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

// Stores a double into a single-precision corner unless it does not fit.
void setFloat(float& target, Num value) {
  if (!value.good()) return;
  const auto f = static_cast<float>(value.v);
  if (std::isfinite(f)) target = f;
}
}  // namespace

MouseBranch mouseBranch(bool panelsMode, int button) {
  if (panelsMode && button == 1) return MouseBranch::Handle;
  if (button == 2) return MouseBranch::Zoom;
  return MouseBranch::None;
}

void zoomPress(ZoomState& z, double x, double y) {
  setFloat(z.ZoomX1, x);
  setFloat(z.ZoomX2, x);
  setFloat(z.ZoomY1, y);
  setFloat(z.ZoomY2, y);
}

void zoomMove(ZoomState& z, Surface& p, double y) {
  p.setDrawMode(kDrawXorPen);
  p.box(z.ZoomX1, z.ZoomY1, z.ZoomX2, z.ZoomY2, kCyan);
  setFloat(z.ZoomY2, y);
  setFloat(z.ZoomX2, Num(z.ZoomX1) + Num(std::fabs(double(z.ZoomY2) - double(z.ZoomY1))) *
                                         p.widthTwips() / p.heightTwips());
  p.box(z.ZoomX1, z.ZoomY1, z.ZoomX2, z.ZoomY2, kCyan);
  p.point(z.ZoomX1, z.ZoomY1, kForeColor);
  p.print("Zoom");
  p.setDrawMode(kDrawCopyPen);
}

ZoomOutcome zoomRelease(ZoomState& z, Surface& p) {
  if (z.ZoomY2 < z.ZoomY1) std::swap(z.ZoomY1, z.ZoomY2);
  if (z.ZoomX2 < z.ZoomX1) std::swap(z.ZoomX1, z.ZoomX2);
  if (std::fabs(double(z.ZoomX2) - double(z.ZoomX1)) < 1.0) return ZoomOutcome::FullViewByRecompute;
  // y grows upward: the box's upper edge is the scale's top.
  if (!p.setScale(z.ZoomX1, z.ZoomY2, z.ZoomX2, z.ZoomY1)) return ZoomOutcome::Refused;
  return ZoomOutcome::Zoomed;
}

ViewScale fullViewScale(const SailModel& m) {
  const double headY = m.HeadCurve(2, 100);
  const double clewX = m.FootCurve(1, 1);
  const double T = ((headY + m.FootRound) - (clewX + m.AftBend)) / 2.0;
  ViewScale v;
  v.left = -m.AftBend - 1.0 - T;
  v.top = headY + 1.0;
  v.right = 1.06 * (headY - m.FootRound) + 1.0 - T;
  v.bottom = -m.FootRound - 1.0;
  return v;
}

bool applyFullView(const SailModel& m, Surface& p) {
  const ViewScale v = fullViewScale(m);
  if (!finite(v.left, v.top, v.right, v.bottom)) return false;
  return p.setScale(v.left, v.top, v.right, v.bottom);
}

}  // namespace kes
