#pragma once
// The crosscut layout: the seam lines of the sail from the luff to the leech,
// each laid on its chord with the camber of the mold interpolated at its luff
// end, bellied and twisted like the mold sections; the foot and head lines;
// the default seam ends a panel count gives; and their drawing with a handle
// at each end of every inner seam.
//
// No allocation: this runs on every keystroke in a count box and every drag.

#include "common/panel_layout.h"
#include "model/sail_model.h"
#include "platform/surface.h"

namespace kes {

// The handle size of a layout run: 1/125 of the drawing area's scale width,
// in single precision. It is the side of the seam-end handles, the radius of
// the radial handles and the pick tolerance of a drag.
double layoutHandleSize(double scaleWidth);

// The default seam ends of a count of n panels (n a whole number, 0..33):
// seams 1..n-1 evenly along the luff and the leech (each rounded half to
// even), the foot line from luff point 1 to leech point 100 and the head line
// from luff point 100 to leech point 1. With `square` (a crosscut layout,
// "Radials" unticked) each inner seam then leaves the luff square to the
// leech chord, from seam n-1 down; a seam whose square falls below the tack
// takes half the luff end of the seam above, fraction kept.
void defaultSeamEnds(const SailModel& m, PanelLayout& L, int n, bool square);

// Whether the layout holds seam ends at all. It does not before its first
// default ends (seam 1's luff end still 0), nor when a layout ran before
// any default ends were given and only kept the unset ends within the luff
// and leech: the foot line's ends then still read 0 and every inner seam
// lies at the tack, at point 1 of both curves. A design saved so loads so.
// Any other ends, dragged or loaded, are a layout and stay.
bool SeamsLaidOut(const PanelLayout& L);

// Builds the seam lines 0..PanelCount: line PanelCount is the head, then
// line 0 the foot (mold section 0 as it stands), then seams 1..PanelCount-1,
// whose ends are first kept within 1..100 (written back, leech end first).
// Uses the model's spline arrays as scratch.
void buildSeamLines(SailModel& m, PanelLayout& L);

// Draws the inner seams 1..PanelCount-1 in plan: a point at the luff end,
// lines through points 5, 10, ..., 100 in light magenta, then a filled square
// of side handleSize on each end in the foreground colour.
void drawSeamLines(const PanelLayout& L, double handleSize, Surface& s);

// The even radial ends of band k (2..6) for a count of n panels: seam 0 and
// seam n at points 1 and 100 of both lines (for n = 0 both end at 100), seams
// 1..n-1 at 100 j / n on both lines, rounded half to even.
void bandEvenEnds(PanelLayout& L, int band, int n);

// The fans' lower ends along the foot: with `stagger` the tack fan's seams at
// foot points 1, 2, 3, ... and the clew fan's at 100, 99, 98, ...; without,
// the tack fan's at 0 (the origin, the tack) and the clew fan's at 100.
void staggerFanEnds(PanelLayout& L, bool stagger);

// Colour of seams, divider and radial seams: light magenta.
inline constexpr int kSeamColour = 13;

}  // namespace kes
