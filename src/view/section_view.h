#pragma once
// The section strip (Picture2) under the plan view in the Mold frame: the
// selected camber station as a horizontal section (chord, camber curve and a
// ring at the draft point), or with "Vert. Shape" the curve through the draft
// points of all stations from the foot to the head. It has no paint of its
// own: the plan view's paint draws it while the strip is visible.

#include "model/sail_model.h"
#include "platform/surface.h"

namespace kes {

// Clears picture2, sets its scale afresh and draws the section view of
// station currentSection (0 = foot, 1..5 up the sail).
//   trueShape = "True" (Check4) ticked: the foot section's extent at its true
//               proportions instead of the selected station filling the strip;
//   vertShape = "Vert. Shape" (Check5) ticked: the vertical shape through the
//               draft points.
// When the scale would have no width or height (no model yet) or cannot be
// formed, the strip is left cleared with its old scale and false is returned.
bool paintSectionView(const SailModel& m, int currentSection, bool trueShape, bool vertShape,
                      Surface& picture2);

// Placement of the strip in twips within the main window.
struct MoldViewGeometry {
  double left = 0, top = 0, width = 0, height = 0;
  int moldViewLarge = 0;  // the toggle's new value
};

// Command7_Click ("View" in the Mold frame): from the toggle's current value
// and the main window's outer size in twips, the strip's new rectangle and the
// new toggle value. 0 enlarges (the window's width less 345 wide, a fifth of
// that high, 830 above the window's bottom edge); anything else restores the
// normal 8775 x 1755 strip. A window too narrow for the enlarged strip gives
// it width and height 0 rather than a negative size.
MoldViewGeometry toggleMoldView(int moldViewLarge, double windowWidthTwips,
                                double windowHeightTwips);

}  // namespace kes
