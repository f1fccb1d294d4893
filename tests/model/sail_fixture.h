#pragma once
// The designed default sail and a look at every value of a model.

#include <algorithm>
#include <cmath>
#include <vector>

#include "default_sail.h"
#include "model/sail_model.h"

namespace kes::testing {

// Every bend, round, roach and twist 0 and a square head.
inline SailInputs straightInputs() {
  SailInputs in = defaultInputs();
  for (int i : {6, 8, 10, 12, 14}) in.text[i] = 0.0;
  in.text[5] = 90.0;
  return in;
}

inline SailModel computed(const SailInputs& in) {
  SailModel m;
  recompute(in, m);
  return m;
}

// Every number the model holds, in a fixed order.
inline std::vector<double> values(const SailModel& m) {
  std::vector<double> v = {m.LuffLength, m.HeadWidth, m.HeadLuffAngle, m.LeechDiagonal,
                           m.FootLength, m.AftBend, m.AftBendPos, m.SideBend, m.SideBendPos,
                           m.FootRound, m.FootRoundPos, m.Roach, m.RoachPos, m.Twist, m.ClewX,
                           m.ClewY, m.LeechChord, m.LeechAngle, m.FootAngle, m.HandleSize,
                           m.ViewAngleX, m.ViewAngleY, m.ViewAngleZ, m.fullView.left,
                           m.fullView.top, m.fullView.right, m.fullView.bottom, m.area};
  const auto add = [&v](const double* p, std::size_t n) { v.insert(v.end(), p, p + n); };
  for (const Curve* c : {&m.LuffCurve, &m.HeadCurve, &m.LeechCurve, &m.FootCurve, &m.LuffView,
                         &m.HeadView, &m.LeechView, &m.FootView})
    add(&c->c[0][0], 4 * 101);
  for (const Curve& c : m.MoldSections) add(&c.c[0][0], 4 * 101);
  for (const double* t : {m.EntryAngles, m.DepthPercents, m.DepthPositions, m.ExitAngles})
    add(t, 7);
  const Spline& s = m.spline;
  for (const double* a : {s.X, s.Y, s.moments, s.coef3, s.coef2, s.coef1, s.coef0}) add(a, 11);
  add(&s.matrix[0][0], 55);
  add(s.outX, 102);
  add(s.outY, 102);
  return v;
}

// Position of the first value that is not finite, -1 when all are.
inline int firstNonFinite(const SailModel& m) {
  const std::vector<double> v = values(m);
  const auto it = std::find_if(v.begin(), v.end(), [](double x) { return !std::isfinite(x); });
  return it == v.end() ? -1 : static_cast<int>(it - v.begin());
}

// Position of the first value in which two models differ, -1 when none.
inline int firstDifference(const SailModel& a, const SailModel& b) {
  const std::vector<double> u = values(a), v = values(b);
  const auto it = std::mismatch(u.begin(), u.end(), v.begin()).first;
  return it == u.end() ? -1 : static_cast<int>(it - u.begin());
}

}  // namespace kes::testing
