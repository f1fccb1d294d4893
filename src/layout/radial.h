#pragma once
// The radial layout over the crosscut seam lines: seam lines 0..PanelCount
// bound the bands; band 1, between the foot and seam line 1, is split by a
// straight divider into a tack fan and a clew fan; every band above holds
// radial seams from its lower line to its upper one. A run keeps the divider's
// ends in range and rebuilds it, gives every radial seam its default ends
// unless "Unlock" is ticked, and draws the divider, the radial seams and
// their handles.
//
// No allocation: this runs on every keystroke in a count box and every drag.

#include "common/panel_layout.h"
#include "platform/surface.h"

namespace kes {

// What a run reads from the Panels frame.
struct RadialInputs {
  int counts[7] = {};  // panels of the tack fan, clew fan and bands 2..6 (Text21..Text27)
  int unlock = 0;      // "Unlock" (Check2): 0 lays every radial end out anew
  int stagger = 0;     // "Stagger" (Check3): 1 spreads the fans' foot ends
  double handleSize = 0;
};

// Tack and clew angles in degrees, counter-clockwise from the fore-and-aft
// axis, as the fans measure them; each fails when its division does.
// The seam-line forms serve seam line 1, the others the divider and the foot.
Num tackAngleOnSeam(double x, double y);
Num tackAngle(double x, double y);
Num clewAngleOnSeam(double cx, double cy, double x, double y);
Num clewAngle(double cx, double cy, double x, double y);

// One run over the seam lines the crosscut layout left: RadialCount from the
// inputs, the divider, the default ends, the drawing. With no band
// (PanelCount 0) there is no seam line 1 to build on: no divider and no fan
// is built or drawn and the stored ends stay.
void layoutRadial(PanelLayout& L, const RadialInputs& in, Surface& s);

// Default fan ends alone (the sweep of the tack fan and the clew fan about
// the divider as it stands). Part of layoutRadial; apart for tests and for
// the benchmark.
void defaultFanEnds(PanelLayout& L, int stagger);

}  // namespace kes
