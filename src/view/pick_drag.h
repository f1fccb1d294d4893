#pragma once
// Picking and dragging the layout's handles on the plan view (Panels frame,
// left button): the ends of the crosscut seams always; the radial seams'
// ends and the divider's two ends while "Unlock" is ticked.
//
// The press picks the nearest handle within the handle size and highlights
// its seam; each move snaps the held end to the nearest point of the line
// that carries it and writes the new index straight into the layout, showing
// it with a marker box (and for a crosscut end a rubber line to the seam's
// other end) drawn with the exclusive-or pen, so nothing is repainted while
// the mouse moves. The release is the window's: it lays the panels out again.

#include "common/panel_layout.h"
#include "model/sail_model.h"
#include "platform/surface.h"

namespace kes {

// Colours of the drag: the highlight of the picked seam, the marker box and
// the rubber line.
inline constexpr int kPickColour = 10;
inline constexpr int kMarkerColour = 3;
inline constexpr int kRubberColour = 15;

// The press at (x, y): sets the grab fields of the nearest handle within
// handleSize (a handle exactly that far is held; of equally near handles the
// first in the order luff end, leech end of each seam, tack fan, clew fan,
// band lower and upper ends, divider top, divider foot), draws the
// highlight and sets DragX, DragY to the held handle. Radial and divider
// handles are candidates only while `unlock` is 1 and a band exists. When
// nothing is held all grab fields are 0, nothing is drawn and DragX, DragY
// stay. True when a handle is held.
bool pickHandle(PanelLayout& L, double x, double y, double handleSize, int unlock, Surface& s);

// One move to (x, y) with the button held: moves the held end to the nearest
// point of its carrier (a crosscut end between its neighbours' ends, a band
// end along its line, a fan's outer end along seam line 1 to the divider's
// top and then along the divider, a divider end within points 10..90) and
// redraws the marker (half side handleSize) and rubber line with the
// exclusive-or pen, putting the copy pen back at the end.
void dragHandle(PanelLayout& L, const SailModel& m, double x, double y, double handleSize,
                Surface& s);

// Whether the held handle is an end of the divider: its release lays the
// fans out anew for the moved divider before the ends are locked again.
inline bool holdsDivider(const PanelLayout& L) {
  return L.GrabDividerTop != 0 || L.GrabDividerFoot != 0;
}

}  // namespace kes
