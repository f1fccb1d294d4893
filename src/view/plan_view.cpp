#include "view/plan_view.h"

#include <cmath>

#include "common/numbers.h"
#include "view/draw.h"
#include "view/section_view.h"

namespace kes {

namespace {

using view::circle;
using view::draftPoint;
using view::kEveryFifth;
using view::kLeechPoints;
using view::kPlan;
using view::line;
using view::polyline;


// Leech point of a batten or reef position typed in percent of the leech from
// the clew: 100 - p rounded half to even; fails outside 0..100.
Index leechPoint(Num percent) { return toIndex(Num(100.0) - percent, 0, Curve::kPoints); }

void paintEdges(const SailModel& m, Surface& s) {
  polyline(s, m.LuffView, kPlan, kEveryFifth, true, kForeColor, kForeColor);
  polyline(s, m.HeadView, kPlan, kEveryFifth, true, kForeColor, kForeColor);
  polyline(s, m.LeechView, kPlan, kLeechPoints, true, kForeColor, kForeColor);
  polyline(s, m.FootView, kPlan, kEveryFifth, true, kForeColor, kForeColor);
}

void paintStripes(const SailModel& m, Surface& s) {
  const Curve* st = m.MoldSections;
  polyline(s, st[0], kPlan, kEveryFifth, true, kLightRed, kLightRed);
  for (int k = 1; k <= 5; ++k) {
    line(s, st[k](1, 100), st[k](2, 100), st[k](1, 1), st[k](2, 1), kGrey);
    polyline(s, st[k], kPlan, kEveryFifth, false, kLightRed, kLightRed);
  }
  // The draft line from the foot's draft point up through every station's to
  // the head curve's point at station 5's draft position.
  for (int k = 0; k <= 4; ++k) {
    const Index a = draftPoint(m.DepthPositions, k);
    const Index b = draftPoint(m.DepthPositions, k + 1);
    line(s, st[k].get(1, a), st[k].get(2, a), st[k + 1].get(1, b), st[k + 1].get(2, b), kLightBlue);
  }
  const Index d5 = draftPoint(m.DepthPositions, 5);
  line(s, st[5].get(1, d5), st[5].get(2, d5), m.HeadView.get(1, d5), m.HeadView.get(2, d5),
       kLightBlue);
}

void paintSelectedStripe(const SailModel& m, int currentSection, Surface& s) {
  const Index k = checkIndex(currentSection, 0, 6);
  if (!k.ok) return;
  polyline(s, m.MoldSections[k.i], kPlan, kEveryFifth, true, kForeColor, kLightGreen);
}

// Battens run forward from their leech point; a positive angle puts the inner
// end lower than the leech end. A row whose position, length or angle is not
// a number draws nothing.
void paintBattens(const SailModel& m, const PlanViewInputs& in, Surface& s) {
  const Curve& L = m.LeechCurve;
  line(s, L(1, 1), L(2, 1), L(1, 100), L(2, 100), kBlue);
  for (int b = 0; b <= 4; ++b) {
    const Num pos = parseStrict(in.batPos[b]);
    const Num len = parseStrict(in.batLngth[b]);
    const Num deg = parseStrict(in.batAngl[b]);
    if (!pos.good() || !len.good() || !deg.good()) continue;
    const Index i = leechPoint(pos);
    const Num a = deg * Pi / 180.0;
    const Num x = L.get(1, i), y = L.get(2, i);
    line(s, x, y, x - len * cos(a), y - len * sin(a), kYellow);
  }
}

// Reef rows: N points from the leech forward along a line one degree (row 0)
// or two degrees (row 1) off the foot's direction, the last one near the luff.
void paintReefRows(const SailModel& m, const PlanViewInputs& in, Surface& s) {
  const Curve& F = m.FootCurve;
  const Curve& L = m.LeechCurve;
  // Held across the rows: a step that fails keeps the value it had.
  double footAngle = 0.0, cf = 0.0;
  for (int r = 0; r <= 1; ++r) {
    if (!(parseLenient(in.reefPos[r]) > 0.0)) continue;
    set(footAngle, atan(Num(F(2, 100) - F(2, 1)) / (F(1, 100) - F(1, 1))));
    // The foot angle is taken to one decimal as the number form "0.0" gives it.
    const double rowAngle = parseLenient(format0_0(footAngle)) + (r + 1) * Pi / 180.0;

    const Num N = parseStrict(in.numReef[r]);
    const Index i = leechPoint(parseStrict(in.reefPos[r]));
    const Num px = L.get(1, i), py = L.get(2, i);
    set(cf, cos(atan(Num(m.ClewY) / m.ClewX)));
    if (!N.good() || !i.ok) continue;

    // The count is capped at kMaxReefPointsDrawn; the spacing still follows
    // the typed count, so a huge count draws its first points near the leech.
    const double radius = m.HandleSize / 2.0;
    for (int k = 1; k <= kMaxReefPointsDrawn && k <= N.v; ++k) {
      // The first point sits on the leech (also for a single point).
      const Num d = k == 1 ? Num(0.0) : px * double(k - 1) / (N - 1.0) / cf;
      if (!d.good()) continue;
      circle(s, px - d * std::cos(rowAngle), py - d * std::sin(rowAngle), radius, kYellow);
    }
  }
}

}  // namespace

PlanViewResult paintPlanView(const SailModel& m, const PlanViewInputs& in, Surface& picture1,
                             Surface* picture2) {
  PlanViewResult result;
  Surface& s = picture1;
  s.clear();

  paintEdges(m, s);
  if (!in.panelsMode) paintStripes(m, s);

  if (in.sectionVisible) {
    paintSelectedStripe(m, in.currentSection, s);
    if (picture2)
      result.sectionDrawn =
          paintSectionView(m, in.currentSection, in.trueShape, in.vertShape, *picture2);
    result.markerMoved = true;
    result.markerTopTwips = sectionMarkerTop(in.currentSection);
  }

  if (m.ViewAngleX == 0.0 && m.ViewAngleY == 0.0 && m.ViewAngleZ == 0.0) {
    if (parseLenient(in.batLngth[0]) > 0.0) paintBattens(m, in, s);
    paintReefRows(m, in, s);
  }
  return result;
}

}  // namespace kes
