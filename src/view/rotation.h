#pragma once
// Turning the view: the display copies of the four edges (LuffView, HeadView,
// LeechView, FootView) and the mold sections are turned in place about the
// fore-aft axis (x), the vertical axis (y) or the viewing axis (z). The
// angles are the per-axis sums of the steps taken; the next recompute
// rebuilds the unturned curves and sets them back to 0.
//
// None of these repaints: after a turn the window sets Label40's caption to
// viewAnglesCaption() and refreshes Picture1.

#include <string>

#include "model/sail_model.h"

namespace kes {

// RotateViewAboutX / Y / Z: add viewStep (degrees) to the axis's angle,
// convert viewStep in place to radians, and turn points 1..100 of the four
// view curves and of mold sections 0..5 by it. A step that is not finite
// turns nothing and leaves the angle as it was.
void rotateViewAboutX(SailModel& m, double& viewStep);
void rotateViewAboutY(SailModel& m, double& viewStep);
void rotateViewAboutZ(SailModel& m, double& viewStep);

// Label40's caption: the angle about the vertical axis, the fore-aft axis and
// the viewing axis, each with a blank in place of a plus sign, three blanks
// between them (" 10    0   -2" for 10, 0, -2).
std::string viewAnglesCaption(const SailModel& m);

// HScroll1_Change / HScroll1_Scroll: turn about the vertical axis so that its
// angle becomes the bar's value.
void scrollViewY(SailModel& m, double& viewStep, int hscroll1Value);
// VScroll5_Change / VScroll5_Scroll: the same about the fore-aft axis.
void scrollViewX(SailModel& m, double& viewStep, int vscroll5Value);
// Command1_MouseDown ("Z"): 2 degrees about the viewing axis for the left
// button (code 1), -2 for any other button.
void pressViewZ(SailModel& m, double& viewStep, int button);
// Command2_Click ("R"): apply both bars' angles again (vertical axis first,
// then fore-aft). The angle about the viewing axis is not recalled.
void recallView(SailModel& m, double& viewStep, int hscroll1Value, int vscroll5Value);

}  // namespace kes
