#pragma once
// The panel layout of the sail: the crosscut seams (or the bands of a radial
// layout), the radial seams of the fans and bands, the divider between the
// tack fan and the clew fan, and what the mouse holds while an end is dragged.
//
// One plain struct, held by the main window and shared by the layout, the
// design files, the views' pick and drag and the develops. Array bounds are
// the layout's own: every index computed from a box, a file or a drag is
// checked against them before use (see checked.h).

#include <string_view>

#include "common/curve.h"
#include "common/numbers.h"

namespace kes {

struct PanelLayout {
  static constexpr int kMaxPanels = 33;    // PanelCount at most
  static constexpr int kSeams = 35;        // seam lines 0..34
  static constexpr int kSections = 11;     // radial sections 0..10
  static constexpr int kRadialSeams = 34;  // radial seams 0..33 per section
  static constexpr int kDividerPoints = 50;

  // Number of panel rows of the crosscut layout, bands of a radial layout.
  int PanelCount = 0;

  // Seam line 0 is the foot, line PanelCount the head; point 1 lies on the
  // luff, point 100 on the leech.
  Curve SeamLines[kSeams];

  // Point index of each seam's ends on LuffCurve and LeechCurve. Doubles: a
  // luff end may be halved to a fraction (8.5) and keeps it; the layout
  // rounds an end half to even where it uses it as an index. Element 1 of
  // SeamLuffEnd is 0 until a seam layout has been made.
  double SeamLuffEnd[kSeams] = {};
  double SeamLeechEnd[kSeams] = {};

  // Radial layout. Section 0 is the tack fan, 1 the clew fan, 2..6 the bands
  // (7..10 carry nothing). End codes are 16-bit whole numbers: for bands a
  // point index on the band's seam lines; for the fans' upper ends 1..100 a
  // point of seam line 1 and 101..150 divider point (code - 100).
  int RadialCount[kSections] = {};
  int RadialUpperEnd[kSections][kRadialSeams] = {};
  int RadialLowerEnd[kSections][kRadialSeams] = {};

  // The divider: a straight line of 50 points (coordinates 1..3, points
  // 1..50) from seam line 1's point DividerTopIndex to the foot's point
  // DividerFootIndex, both kept within 10..90 by the radial layout.
  double RadialDivider[4][kDividerPoints + 1] = {};
  int DividerTopIndex = 0;
  int DividerFootIndex = 0;

  // The allowances as the last layout run read them from their boxes.
  double SeamWidth = 0, LuffTabling = 0, LeechTabling = 0, FootTabling = 0, HeadTabling = 0;

  // What the last press in the Panels frame grabbed, kept after the release;
  // at most one kind is set, all 0 when nothing is held.
  int GrabLuffSeam = 0;       // seam line whose luff end (point 1) is held
  int GrabLeechSeam = 0;      // seam line whose leech end (point 100) is held
  int GrabRadialSection = 0;  // 0 tack fan, 1 clew fan, 2.. a band
  int GrabRadialLower = 0;    // band: radial seam whose lower end is held
  int GrabRadialUpper = 0;    // band: seam whose upper end is held; fan: seam whose outer end is held
  int GrabDividerTop = 0;     // 1 while the divider's upper end is held
  int GrabDividerFoot = 0;    // 1 while the divider's foot end is held
  double DragX = 0, DragY = 0;  // the held handle's position, model units
};

// A plan point (coordinates 1 and 2) of the layout, or none.
struct LayoutPoint {
  double x = 0, y = 0;
  bool ok = false;
};

// Point `point` of seam line `line`: none outside lines 0..34 and points
// 0..100 (point 0 holds nothing and reads as the origin, the tack).
inline LayoutPoint seamPoint(const PanelLayout& L, int line, int point) {
  if (line < 0 || line >= PanelLayout::kSeams || !Curve::inBounds(1, point)) return {};
  const Curve& c = L.SeamLines[line];
  return {c(1, point), c(2, point), true};
}

// Point m (1..50) of the divider, or none.
inline LayoutPoint dividerPoint(const PanelLayout& L, int m) {
  if (m < 1 || m > PanelLayout::kDividerPoints) return {};
  return {L.RadialDivider[1][m], L.RadialDivider[2][m], true};
}

// The point a fan seam's outer-end code designates: up to 100 a point of
// seam line 1, 101..150 divider point code - 100; none otherwise.
inline LayoutPoint fanOuterPoint(const PanelLayout& L, int code) {
  return code >= 101 ? dividerPoint(L, code - 100) : seamPoint(L, 1, code);
}

// The one rule that turns a count box's text into a count, used by the
// layout, the design files and the develops alike: the number the text
// begins with, its absolute value, made whole (a half to the even
// neighbour), at most 33. "7.5" is 8, "-7" is 7, "abc" and "" are 0.
inline int layoutCount(std::string_view text) {
  const double v = roundHalfEven(std::fabs(parseLenient(text)));
  if (!(v >= 0.0)) return 0;
  return v > PanelLayout::kMaxPanels ? PanelLayout::kMaxPanels : static_cast<int>(v);
}

}  // namespace kes
