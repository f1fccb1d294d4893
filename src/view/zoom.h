#pragma once
// Zoom by a right-button rubber box on the plan view, and the full view that
// "View" (Command6) restores.
//
// The box keeps the plan view's aspect: its height follows the mouse, its
// width is the height times the control's width over its height, and it
// always extends to the right of the point where the button went down. It is
// drawn with the exclusive-or pen, so drawing it a second time erases it and
// the sail underneath is never repainted while the box moves.

#include "model/sail_model.h"
#include "platform/surface.h"

namespace kes {

// Which branch a mouse event on Picture1 takes: the handle branch (left
// button in the Panels frame), the zoom branch (right button, every frame),
// or nothing (other buttons, both buttons held during a move).
enum class MouseBranch { Handle, Zoom, None };
MouseBranch mouseBranch(bool panelsMode, int button);

// The box's corners in Picture1's user units, single precision.
struct ZoomState {
  float ZoomX1 = 0, ZoomY1 = 0, ZoomX2 = 0, ZoomY2 = 0;
};

// Picture1_MouseDown with the right button: the box starts as the point.
// Nothing is drawn.
void zoomPress(ZoomState& z, double x, double y);

// Picture1_MouseMove with the right button: erases the previous box, takes
// the new height from y, draws the new box (colour 3, exclusive-or) and the
// label "Zoom" at the start point in the foreground colour, then puts the copy
// pen back. The mouse's x is not used. With a control height of 0 the width
// keeps its old value.
void zoomMove(ZoomState& z, Surface& picture1, double y);

enum class ZoomOutcome {
  // Narrower than one design unit (a click without a drag): the window hides
  // Command6 and runs the recompute Command3_Click, which sets its own full
  // view and repaints.
  FullViewByRecompute,
  // picture1's scale was set to the box: the window refreshes Picture1 and
  // shows Command6.
  Zoomed,
  // The box has no height or is not finite: the scale was refused and stays
  // as it was. The window refreshes Picture1 (to wipe the box) and leaves
  // Command6 as it is.
  Refused,
};

// Picture1_MouseUp with the right button: puts the corners in order and
// either sets picture1's scale to the box or asks for the recompute. In every
// case the window then runs the overlays of its frame: LayoutCrosscutSeams in
// the Panels frame, Command22_Click in the Reinforcements frame.
ZoomOutcome zoomRelease(ZoomState& z, Surface& picture1);

// Command6_Click's full view: one design unit of margin round the head's
// height and the foot's round, shifted to centre the sail.
ViewScale fullViewScale(const SailModel& m);

// Sets picture1's scale to fullViewScale(m). A scale with no width or height
// is refused and the old one stays (returns false). Either way the window then
// refreshes Picture1, hides Command6 and runs the overlays of its frame. The
// view angles and the model are left as they are.
bool applyFullView(const SailModel& m, Surface& picture1);

}  // namespace kes
