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

// Sine and cosine for |x| <= pi/4 with the polynomials of the classic fdlibm
// kernels (within an ulp of the exact values). Outside that range the result
// is replaced by the library's.
inline void kernelSinCos(double x, double& s, double& c) {
  const double z = x * x;
  const double v = z * x;
  const double rs = 8.33333333332248946124e-03 +
                    z * (-1.98412698298579493134e-04 +
                         z * (2.75573137070700676789e-06 +
                              z * (-2.50507602534068634195e-08 + z * 1.58969099521155010221e-10)));
  s = x + v * (-1.66666666666666324348e-01 + z * rs);
  const double w2 = z * z;
  const double rc = z * (4.16666666666666019037e-02 +
                         z * (-1.38888888888741095749e-03 + z * 2.48015872894767294178e-05)) +
                    w2 * w2 *
                        (-2.75573143513906633035e-07 +
                         z * (2.08757232129817482790e-09 + z * -1.13596475577881948265e-11));
  const double hz = 0.5 * z;
  const double w = 1.0 - hz;
  c = w + (((1.0 - w) - hz) + z * rc);
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
