#pragma once
// The sail model: the typed size and mold inputs turned into the clew, the
// four three-dimensional edge curves and their view copies, the leech hollow
// between battens, the camber-station tables, the mold sections, the
// full-view scale of the plan view and the sail area.

#include <string>
#include <string_view>

#include "common/checked.h"
#include "common/curve.h"
#include "model/spline.h"

namespace kes {

enum class Unit { None, Inches, Feet, Millimeters };

// One batten row as the recompute reads it from its boxes.
struct BattenRowInput {
  Num position;          // BatPos(r), strict parse (fails for text that is no number)
  double length = 0.0;   // BatLngth(r), lenient parse
};

// A batten row's position and length texts as the recompute reads them.
BattenRowInput readBattenRow(std::string_view positionText, std::string_view lengthText);

// Everything the recompute reads, already parsed from the boxes by the window.
struct SailInputs {
  bool loading = false;       // LoadingFlag = 1
  double text[15] = {};       // Text1..Text14 parsed leniently, index 1..14
  double ent[6] = {}, dep[6] = {}, pos[6] = {}, ex[6] = {};  // mold boxes, station 0..5
  BattenRowInput batten[5];   // rows 0..4
  double battenHollow = 0.0;  // BattenHollow
  int currentSection = 1;     // CurrentSection (full-view margin)
  Unit unit = Unit::Inches;   // checked unit menu item
};

// Picture1's user scale: upper-left (left, top), lower-right (right, bottom).
struct ViewScale {
  double left = 0.0, top = 0.0, right = 1.0, bottom = 0.0;
};

struct SailModel {
  // Size values.
  double LuffLength = 0, HeadWidth = 0, HeadLuffAngle = 0, LeechDiagonal = 0, FootLength = 0;
  double AftBend = 0, AftBendPos = 0, SideBend = 0, SideBendPos = 0;
  double FootRound = 0, FootRoundPos = 0, Roach = 0, RoachPos = 0, Twist = 0;
  // Derived.
  double ClewX = 0, ClewY = 0, LeechChord = 0, LeechAngle = 0, FootAngle = 0;
  // The aft head corner's x and y before the head's twist: the leech is laid
  // out from it in the untwisted plan, as the clew is, and then twisted
  // whole, so that it starts where the twisted head ends.
  double HeadCornerX = 0, HeadCornerY = 0;

  Curve LuffCurve, HeadCurve, LeechCurve, FootCurve;
  Curve LuffView, HeadView, LeechView, FootView;

  // Camber stations 0..5; index 6 is never written and reads 0.
  double EntryAngles[7] = {}, DepthPercents[7] = {}, DepthPositions[7] = {}, ExitAngles[7] = {};
  Curve MoldSections[7];

  double HandleSize = 0;
  double ViewAngleX = 0, ViewAngleY = 0, ViewAngleZ = 0;

  ViewScale fullView;  // the recompute's full-view scale of Picture1 (a view of no
                       // width or no height is not set: the one before stays)
  double area = 0;     // last area, square design units

  Spline spline;       // the shared spline arrays
};

// What one run of the recompute did.
struct RecomputeResult {
  bool completed = false;   // passed every guard and rebuilt the model
  bool stoppedEarly = false;// a zero luff, head width, diagonal or foot stopped it
};

// Command3_Click without the window: reads the inputs, rebuilds the model in
// place. Allocates nothing. A guard that stops the run leaves the values read
// before it updated and everything else as the previous run left it.
RecomputeResult recompute(const SailInputs& in, SailModel& m);

// The area read-out for the checked unit ("100.00 ft2", "2.50 m2"); empty
// text when no unit is checked (the box then keeps its text).
std::string areaText(double area, Unit unit);

// The fixed banner Label40 shows after a recompute.
inline constexpr const char* kViewBanner = "Plan view";

}  // namespace kes
