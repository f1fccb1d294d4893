// The recompute run on every change of a size, mold or batten box: reads the
// typed values, rebuilds the clew, the edges, the leech hollow and the mold
// sections, resets the view angles and works out the full view and the area.

#include <cmath>

#include "common/numbers.h"
#include "model/steps.h"

namespace kes {

namespace steps {

void setFullView(const SailInputs& in, SailModel& m) {
  const double headY = m.HeadCurve(2, 100);
  const double clewX = m.FootCurve(1, 1);
  double d = 0.0, E = 0.0;
  set(d, ((Num(headY) + m.FootRound) - (Num(clewX) + m.AftBend)) / 2.0);
  const Index section = checkIndex(in.currentSection, 0, 6);
  const Num lastX = section.ok ? Num(m.MoldSections[section.i](1, 100)) : Num::fail();
  set(E, abs(Num(m.FootRound)) + abs(Num(m.AftBend)) + lastX / 100.0);

  // The scale is set in one statement; a view of no width or no height
  // cannot be set and keeps the one before.
  const Num left = -Num(d) - E, top = Num(headY) + E;
  const Num right = Num(1.06) * headY - d - E, bottom = -Num(E);
  if (!left.good() || !top.good() || !right.good() || !bottom.good()) return;
  if (right.v == left.v || top.v == bottom.v) return;
  if (!std::isfinite(right.v - left.v) || !std::isfinite(top.v - bottom.v)) return;
  m.fullView = ViewScale{left.v, top.v, right.v, bottom.v};
}

void measureArea(SailModel& m) {
  // Shoelace sum along the four edges in turn; the short steps from one
  // edge's last point to the next edge's first are not added.
  double sum = 0.0;
  for (const Curve* c : {&m.LuffCurve, &m.HeadCurve, &m.LeechCurve, &m.FootCurve}) {
    for (int i = 1; i <= Curve::kPoints - 1; ++i) {
      const Curve& e = *c;
      set(sum, Num(sum) + Num(0.5) * (Num(e(1, i)) * e(2, i + 1) - Num(e(1, i + 1)) * e(2, i)));
    }
  }
  set(m.area, abs(Num(sum)));
}

}  // namespace steps

BattenRowInput readBattenRow(std::string_view positionText, std::string_view lengthText) {
  BattenRowInput row;
  row.position = parseStrict(positionText);
  row.length = parseLenient(lengthText);
  return row;
}

RecomputeResult recompute(const SailInputs& in, SailModel& m) {
  RecomputeResult result;
  if (in.loading) return result;

  const double* t = in.text;
  set(m.LuffLength, t[1]);
  set(m.HandleSize, Num(m.LuffLength) / 200.0);
  result.stoppedEarly = true;
  if (m.LuffLength == 0.0) return result;
  set(m.HeadWidth, t[2]);
  if (m.HeadWidth == 0.0) return result;
  set(m.HeadLuffAngle, t[5]);
  set(m.LeechDiagonal, t[3]);
  if (m.LeechDiagonal == 0.0) return result;
  set(m.FootLength, t[4]);
  if (m.FootLength == 0.0) return result;
  result.stoppedEarly = false;

  set(m.AftBend, t[6]);
  set(m.AftBendPos, t[7]);
  set(m.SideBend, -Num(t[8]));  // stored negated: a typed positive bend goes to minus z
  set(m.SideBendPos, t[9]);
  set(m.FootRound, t[10]);
  set(m.FootRoundPos, t[11]);
  set(m.Roach, t[12]);
  set(m.RoachPos, t[13]);
  set(m.Twist, t[14]);

  for (int i = 0; i <= 5; ++i) {
    set(m.EntryAngles[i], in.ent[i]);
    set(m.DepthPercents[i], in.dep[i]);
    set(m.DepthPositions[i], in.pos[i]);
    set(m.ExitAngles[i], in.ex[i]);
  }

  m.ViewAngleX = 0.0;
  m.ViewAngleY = 0.0;
  m.ViewAngleZ = 0.0;

  steps::placeClew(m);
  steps::buildLuff(m);
  steps::buildHead(m);
  steps::leechAndFootLines(m);
  steps::buildLeech(m);
  steps::hollowLeech(in, m);
  m.LeechView = m.LeechCurve;
  steps::buildFoot(m);
  steps::buildMoldSections(m);
  steps::setFullView(in, m);
  steps::measureArea(m);
  result.completed = true;
  return result;
}

std::string areaText(double area, Unit unit) {
  switch (unit) {
    case Unit::Inches: return format0_00(area / 144.0) + " ft2";
    case Unit::Feet: return format0_00(area) + " ft2";
    case Unit::Millimeters: return format0_00(area / 1000000.0) + " m2";
    case Unit::None: break;
  }
  return {};
}

}  // namespace kes
