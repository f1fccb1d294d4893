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

// A camber section laid on the chord from a luff point P to a leech point Q:
// the seven-point spline of the station's entry angle (degrees), draft
// position and depth (percent of the chord) and exit angle (degrees), its
// camber sideways, lifted to the chord's direction at P's height and twisted
// about the vertical through P by the sail's twist less the angle P's
// sideways offset makes over the chord; what that leaves between its end and
// Q is then taken out along it, from nothing at P to all at Q. Point 1 is P
// and point 100 is Q. Used for the mold sections and for the seams of the
// panel layout.
struct Station {
  double entry = 0.0, position = 0.0, depth = 0.0, exit = 0.0;
};
// The chord's length, direction and twist offset: a statement that fails
// for one section (a chord of no length) keeps the value of the section
// before, so a run of sections carries them from one to the next.
struct ChordCarry {
  double length = 0.0, direction = 0.0, offset = 0.0;
};
void layChordSection(SailModel& m, Curve& out, const double (&P)[3], const double (&Q)[3],
                     const Station& st, ChordCarry& carry);

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
