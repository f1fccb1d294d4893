// The mold: camber sections laid on the chord from the luff to the leech at
// 17, 34, 51, 68 and 85 percent of the luff, lifted to the chord's direction
// and twisted; and the foot's own section.

#include "model/steps.h"

namespace kes::steps {

void layChordSection(SailModel& m, Curve& out, const double (&P)[3], const double (&Q)[3],
                     const Station& st, ChordCarry& carry) {
  Spline& sp = m.spline;
  const double Lx = P[0], Ly = P[1], Lz = P[2];
  const double Tx = Q[0], Ty = Q[1], Tz = Q[2];
  set(carry.length, sqrt(sq(Num(Tx) - Lx) + sq(Num(Ty) - Ly) + sq(Num(Tz) - Lz)));
  set(carry.direction, chordDirection(Num(Ty) - Ly, Num(Tx) - Lx));

  const Num e = radians(st.entry), a = radians(st.exit);
  const double p = st.position, q = st.depth;
  const Num c = carry.length;
  sp.X[1] = 0.0;
  sp.Y[1] = 0.0;
  set(sp.X[2], c / 50.0);
  set(sp.Y[2], c / 50.0 * tan(e));
  set(sp.X[3], c * p / 100.0 - c / 100.0);
  set(sp.Y[3], c * q / 100.0);
  set(sp.X[4], c * p / 100.0);
  set(sp.Y[4], c * q / 100.0);
  set(sp.X[5], c * p / 100.0 + c / 100.0);
  set(sp.Y[5], c * q / 100.0);
  set(sp.X[6], c - c / 50.0);
  set(sp.Y[6], c / 50.0 * tan(a));
  set(sp.X[7], c);
  sp.Y[7] = 0.0;
  sp.n = 7;
  FitSpline(sp);

  // The camber goes sideways; lift the section to the chord's direction.
  const Num cth = cos(Num(carry.direction)), sth = sin(Num(carry.direction));
  for (int i = 1; i <= Curve::kPoints; ++i) {
    out(1, i) = sp.outX[i];
    out(2, i) = 0.0;
    out(3, i) = sp.outY[i];
    const double x = out(1, i), y = out(2, i);
    set(out(1, i), Num(x) * cth - Num(y) * sth);
    set(out(2, i), Num(Ly) + Num(x) * sth + Num(y) * cth);
  }

  // Twist about the luff point: the sail's twist at each height less the
  // angle the luff's sideways offset makes over the chord.
  set(carry.offset, atan(Num(Lz) / carry.length) * 180.0 / Pi);
  TwistAxis axis;
  axis.ox = Lx;
  axis.oz = Lz;
  axis.offset = carry.offset;
  twistCurve(out, m, axis);

  // The section is laid at the 3-D chord's length along the plan direction
  // and twisted about the luff point, not about the tack as the leech is:
  // its end misses Q. The miss is taken out along the section, nothing of
  // it at the luff and all of it at the leech, so that the section keeps
  // its shape and ends on the leech point it was laid to.
  Num miss[3];
  for (int k = 1; k <= 3; ++k) miss[k - 1] = Num(Q[k - 1]) - out(k, Curve::kPoints);
  for (int i = 2; i <= Curve::kPoints; ++i) {
    const double share = (i - 1) / double(Curve::kPoints - 1);
    for (int k = 1; k <= 3; ++k) set(out(k, i), Num(out(k, i)) + miss[k - 1] * share);
  }
}

void buildMoldSections(SailModel& m) {
  Spline& sp = m.spline;
  // A zero chord keeps the chord angle and the twist offset of the station
  // before, a chord too long to measure keeps the length before.
  ChordCarry carry;
  for (int k = 1; k <= 5; ++k) {
    const int lp = 17 * k, tp = 100 - 17 * k;
    const double P[3] = {m.LuffCurve(1, lp), m.LuffCurve(2, lp), m.LuffCurve(3, lp)};
    const double Q[3] = {m.LeechCurve(1, tp), m.LeechCurve(2, tp), m.LeechCurve(3, tp)};
    const Station st{m.EntryAngles[k], m.DepthPositions[k], m.DepthPercents[k], m.ExitAngles[k]};
    layChordSection(m, m.MoldSections[k], P, Q, st, carry);
  }

  // Station 0 follows the foot from the tack to the clew, its camber added
  // to the foot's z; entry and exit one design unit from the ends.
  {
    Curve& ms = m.MoldSections[0];
    const Num F = m.FootLength;
    const double p = m.DepthPositions[0], q = m.DepthPercents[0];
    sp.X[1] = 0.0;
    sp.Y[1] = 0.0;
    sp.X[2] = 1.0;
    set(sp.Y[2], tan(radians(m.EntryAngles[0])));
    set(sp.X[3], F * p / 100.0);
    set(sp.Y[3], F * q / 100.0);
    set(sp.X[4], F - 1.0);
    set(sp.Y[4], tan(radians(m.ExitAngles[0])));
    set(sp.X[5], F);
    sp.Y[5] = 0.0;
    sp.n = 5;
    FitSpline(sp);
    for (int i = 1; i <= Curve::kPoints; ++i) {
      ms(1, i) = m.FootCurve(1, 101 - i);
      ms(2, i) = m.FootCurve(2, 101 - i);
      set(ms(3, i), Num(m.FootCurve(3, 101 - i)) + sp.outY[i]);
    }
  }
}

}  // namespace kes::steps
