// The twist of a curve about a vertical axis: every point turns by an angle
// of its own, some nine hundred per recompute. The angles are worked out
// first and their sines and cosines taken in one pass, so the work of one
// point does not wait for the one before.

#include <cmath>

#include "model/steps.h"

namespace kes::steps {

namespace {

constexpr int kN = Curve::kPoints + 1;
constexpr double kQuarterPi = 0.7853981633974483;

// Sine and cosine for |x| <= pi/4 from their Taylor series, to the x^17 and
// x^18 terms: the first term left out is below 5e-17 there, under one unit in
// the last place. The twist of any real sail stays well inside this range;
// larger angles go to the library.
constexpr double inverseFactorial(int n) {
  double f = 1.0;
  for (int k = 2; k <= n; ++k) f *= k;
  return 1.0 / f;
}

inline void kernelSinCos(double x, double& s, double& c) {
  const double z = x * x;
  double ps = -inverseFactorial(17);
  double pc = inverseFactorial(18);
  // Horner from the highest term down; the signs alternate.
  ps = ps * z + inverseFactorial(15);
  ps = ps * z - inverseFactorial(13);
  ps = ps * z + inverseFactorial(11);
  ps = ps * z - inverseFactorial(9);
  ps = ps * z + inverseFactorial(7);
  ps = ps * z - inverseFactorial(5);
  ps = ps * z + inverseFactorial(3);
  pc = pc * z - inverseFactorial(16);
  pc = pc * z + inverseFactorial(14);
  pc = pc * z - inverseFactorial(12);
  pc = pc * z + inverseFactorial(10);
  pc = pc * z - inverseFactorial(8);
  pc = pc * z + inverseFactorial(6);
  pc = pc * z - inverseFactorial(4);
  pc = pc * z + inverseFactorial(2);
  s = x - x * z * ps;
  c = 1.0 - z * pc;
}

}  // namespace

void twistCurve(Curve& c, const SailModel& m, const TwistAxis& axis) {
  // Plain arithmetic so the loops run two points at a time. A statement that
  // fails (a division by a zero luff, an overflow) shows as a value that is
  // not finite: such a point keeps its x and z.
  const double twist = m.Twist, luff = m.LuffLength, offset = axis.offset;
  double t[kN], sn[kN], cs[kN];
  const double* y = &c.c[2][0];
  for (int i = 1; i < kN; ++i) t[i] = (twist * y[i] / luff - offset) * Pi / 180.0;
  for (int i = 1; i < kN; ++i) kernelSinCos(t[i], sn[i], cs[i]);
  for (int i = 1; i < kN; ++i) {
    if (!(std::fabs(t[i]) <= kQuarterPi) && std::isfinite(t[i])) {
      sn[i] = std::sin(t[i]);
      cs[i] = std::cos(t[i]);
    }
  }
  double* x = &c.c[1][0];
  double* z = &c.c[3][0];
  for (int i = 1; i < kN; ++i) {
    if (!std::isfinite(t[i])) continue;
    const double nx = axis.ox + (x[i] * cs[i] - z[i] * sn[i]);
    const double nz = axis.oz + (z[i] * cs[i] + x[i] * sn[i]) - axis.zShift;
    if (std::isfinite(nx)) x[i] = nx;
    if (std::isfinite(nz)) z[i] = nz;
  }
}

}  // namespace kes::steps
