#pragma once
// The tilted check view ("Chk"): while the button is held, the sail's view
// curves and the seam lines 0..PanelCount are turned in space, 0.4 radians
// about the fore-and-aft axis and then -0.78 about the vertical, and drawn in
// plan, so the run of the seams over the curved sail shows. The mold
// sections, the model's edges and the view angles are left alone; the
// release rebuilds the view curves and the seam lines from the model.

#include "common/panel_layout.h"
#include "model/sail_model.h"
#include "platform/surface.h"

namespace kes {

// Turns LuffView, HeadView, LeechView, FootView and seam lines
// 0..PanelCount in place. A second call turns them once more.
void tiltCheckView(SailModel& m, PanelLayout& L);

// Clears the surface (no repaint) and draws the four view curves in the
// foreground colour, then seam lines 0..PanelCount (foot and head too) in
// light magenta, each from a point at its point 1 through points 5, 10,
// ..., 100.
void drawCheckView(const SailModel& m, const PanelLayout& L, Surface& s);

}  // namespace kes
