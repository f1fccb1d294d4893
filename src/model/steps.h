#pragma once
// The recompute's steps, in the order recompute() runs them. Each writes its
// results through kes::set / Curve::put, so a statement that fails (a
// division by zero, the root of a negative number, a result that is not
// finite, an index out of range) keeps its target's old value.

#include "common/checked.h"
#include "common/numbers.h"
#include "model/sail_model.h"

namespace kes::steps {

// Direction of the chord (dx, dy), radians. While the chord runs aft (dx > 0)
// this is the arctangent of its slope, exactly; otherwise the real direction,
// so a clew forward of the point the chord starts from is still reached.
// Fails only for a chord of no length.
inline Num chordDirection(Num dy, Num dx) {
  if (dx.ok && dx.v > 0.0) return atan(dy / dx);
  return atan2(dy, dx);
}

inline Num sq(Num a) { return a * a; }

// Degrees to radians with the stored Pi.
inline Num radians(Num degrees) { return degrees * Pi / 180.0; }

// The twist about a vertical axis of points 1..100 of a curve: each point is
// turned by t = Twist x y / LuffLength - offset degrees, y its height, then
//   x = ox + (x cos t - z sin t),  z = oz + (z cos t + x sin t) - zShift.
// The edges turn about the tack (ox = oz = offset = 0), the mold sections
// about their luff point. A point whose angle fails keeps its x and z.
struct TwistAxis {
  double ox = 0.0, oz = 0.0;  // the axis
  double offset = 0.0;        // degrees taken off the sail's twist
  double zShift = 0.0;        // taken off the twisted z
};
void twistCurve(Curve& c, const SailModel& m, const TwistAxis& axis);

void placeClew(SailModel& m);                       // ClewX, ClewY
void buildLuff(SailModel& m);                       // LuffCurve, LuffView
void buildHead(SailModel& m);                       // HeadCurve, HeadView
void leechAndFootLines(SailModel& m);               // LeechChord, LeechAngle, FootAngle
void buildLeech(SailModel& m);                      // LeechCurve (before its hollow)
void hollowLeech(const SailInputs& in, SailModel& m);  // hollow between battens
void buildFoot(SailModel& m);                       // FootCurve, FootView
void buildMoldSections(SailModel& m);               // MoldSections 1..5, then 0
void setFullView(const SailInputs& in, SailModel& m);  // fullView
void measureArea(SailModel& m);                     // area

}  // namespace kes::steps
