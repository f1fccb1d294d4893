// The clew and the sail's four edges: the luff with its aft and side bends,
// the head, the leech with its roach and the foot with its round, each turned
// into place and twisted about the vertical through the tack.

#include "model/steps.h"

namespace kes::steps {

namespace {

// Turns point i of c in the x-y plane by the angle whose cosine and sine are
// given, then moves it by (dx, dy).
void turnPoint(Curve& c, int i, Num ca, Num sa, Num dx, Num dy) {
  const double x = c(1, i), y = c(2, i);
  set(c(1, i), Num(x) * ca - Num(y) * sa + dx);
  set(c(2, i), Num(x) * sa + Num(y) * ca + dy);
}

// One bend, round or roach: three control points, the middle one at
// `middleX` with depth `depth`, the span `span`.
void fitThree(Spline& sp, Num middleX, double depth, double span) {
  sp.X[1] = 0.0;
  sp.Y[1] = 0.0;
  set(sp.X[2], middleX);
  set(sp.Y[2], depth);
  set(sp.X[3], span);
  sp.Y[3] = 0.0;
  sp.n = 3;
  FitSpline(sp);
}

}  // namespace

void placeClew(SailModel& m) {
  const double L = m.LuffLength, F = m.FootLength, D = m.LeechDiagonal;
  double s = 0.0, r = 0.0, H = 0.0;
  set(s, (Num(L) + F + D) / 2.0);
  set(r, sqrt((Num(s) - L) * (Num(s) - F) * (Num(s) - D) / s));
  set(H, Num(2.0) * atan(Num(r) / (Num(s) - F)));
  set(m.ClewX, Num(D) * sin(Num(H)));
  set(m.ClewY, Num(L) - Num(D) * cos(Num(H)));
}

void buildLuff(SailModel& m) {
  Curve& c = m.LuffCurve;
  Spline& sp = m.spline;
  fitThree(sp, Num(m.LuffLength) * m.AftBendPos / 100.0, m.AftBend, m.LuffLength);
  for (int i = 1; i <= Curve::kPoints; ++i) {
    c(1, i) = sp.outX[i];
    c(2, i) = sp.outY[i];
  }
  fitThree(sp, Num(m.LuffLength) * m.SideBendPos / 100.0, m.SideBend, m.LuffLength);
  for (int i = 1; i <= Curve::kPoints; ++i) c(3, i) = sp.outY[i];

  // Stand the luff up: afterwards y runs along the luff and x is minus the
  // aft bend's offset, so a positive aft bend bends the luff forward.
  const Num a = radians(90.0);
  const Num ca = cos(a), sa = sin(a);
  for (int i = 1; i <= Curve::kPoints; ++i) turnPoint(c, i, ca, sa, 0.0, 0.0);
  m.LuffView = c;
}

void buildHead(SailModel& m) {
  Curve& c = m.HeadCurve;
  const Curve& luff = m.LuffCurve;
  for (int i = 1; i <= Curve::kPoints; ++i) {
    set(c(1, i), Num(i) * m.HeadWidth / 100.0);
    c(2, i) = 0.0;
    c(3, i) = luff(3, 100);
  }
  const Num a = radians(Num(m.HeadLuffAngle) - 90.0);
  const Num ca = cos(a), sa = sin(a);
  for (int i = 1; i <= Curve::kPoints; ++i) turnPoint(c, i, ca, sa, luff(1, 100), luff(2, 100));
  m.HeadCornerX = c(1, 100);
  m.HeadCornerY = c(2, 100);
  twistCurve(c, m, {});
  m.HeadView = c;
}

// The leech's chord runs in the untwisted plan from the aft head corner to
// the clew, both before their twist: the leech twisted once lands on the
// twisted head corner. From the twisted corner it would be twisted twice
// and start forward of the head's end.
void leechAndFootLines(SailModel& m) {
  const double hx = m.HeadCornerX, hy = m.HeadCornerY;
  const Num dx = Num(m.ClewX) - hx, dy = Num(m.ClewY) - hy;
  set(m.LeechChord, sqrt(sq(dx) + sq(dy)));
  set(m.LeechAngle, chordDirection(dy, dx));
  set(m.FootAngle, chordDirection(m.ClewY, m.ClewX) - Pi);
}

void buildLeech(SailModel& m) {
  Curve& c = m.LeechCurve;
  Spline& sp = m.spline;
  // The roach curve runs along the chord from the head corner; its position
  // is typed from the clew.
  fitThree(sp, Num(m.LeechChord) * (Num(100.0) - m.RoachPos) / 100.0, m.Roach, m.LeechChord);
  for (int i = 1; i <= Curve::kPoints; ++i) {
    c(1, i) = sp.outX[i];
    c(2, i) = sp.outY[i];
    c(3, i) = 0.0;
  }
  const double hx = m.HeadCornerX, hy = m.HeadCornerY;
  const Num a = m.LeechAngle;
  const Num ca = cos(a), sa = sin(a);
  for (int i = 1; i <= Curve::kPoints; ++i) turnPoint(c, i, ca, sa, hx, hy);
  twistCurve(c, m, {});
}

void buildFoot(SailModel& m) {
  Curve& c = m.FootCurve;
  const Curve& leech = m.LeechCurve;
  Spline& sp = m.spline;
  // The round's curve runs from the clew; a positive round lies below the
  // straight foot once turned.
  fitThree(sp, Num(m.FootLength) * (Num(100.0) - m.FootRoundPos) / 100.0, m.FootRound,
           m.FootLength);
  const double clewZ = leech(3, 100);
  for (int i = 1; i <= Curve::kPoints; ++i) {
    c(1, i) = sp.outX[i];
    c(2, i) = sp.outY[i];
    c(3, i) = clewZ;
  }
  const Num a = m.FootAngle;
  const Num ca = cos(a), sa = sin(a);
  for (int i = 1; i <= Curve::kPoints; ++i) turnPoint(c, i, ca, sa, leech(1, 100), leech(2, 100));
  TwistAxis axis;
  axis.zShift = clewZ;  // brings the tack back to z = 0
  twistCurve(c, m, axis);
  m.FootView = c;
}

}  // namespace kes::steps
