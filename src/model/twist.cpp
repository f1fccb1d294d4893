// The twist of a curve about a vertical axis: every point turns by an angle
// of its own, some nine hundred per recompute. The angles are worked out
// first and their sines and cosines taken in one pass, so the work of one
// point does not wait for the one before.

#include <array>
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
//
// Coefficient k of a series in z = x^2 is (-1)^k / (2k + first)!.
template <int Terms, int First>
constexpr std::array<double, Terms> seriesInSquare() {
  std::array<double, Terms> a{};
  double factorial = 1.0;
  for (int n = 2; n <= First; ++n) factorial *= n;
  for (int k = 0; k < Terms; ++k) {
    a[k] = (k % 2 == 0 ? 1.0 : -1.0) / factorial;
    const int n = 2 * k + First;
    factorial *= (n + 1) * (n + 2);
  }
  return a;
}
constexpr auto kSinSeries = seriesInSquare<9, 1>();   // sin x = x (1 - z/3! + ... + z^8/17!)
constexpr auto kCosSeries = seriesInSquare<10, 0>();  // cos x = 1 - z/2! + ... - z^9/18!

template <std::size_t N>
inline double horner(const std::array<double, N>& a, double z) {
  double p = a[N - 1];
  for (std::size_t k = N - 1; k-- > 0;) p = p * z + a[k];
  return p;
}

inline void kernelSinCos(double x, double& s, double& c) {
  const double z = x * x;
  s = x * horner(kSinSeries, z);
  c = horner(kCosSeries, z);
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
