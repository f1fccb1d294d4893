#include "view/section_view.h"

#include <algorithm>

#include "view/draw.h"

namespace kes {

namespace {

using view::circle;
using view::dot;
using view::draftPoint;
using view::line;


// The station labels of the vertical shape: the digit with a blank in the
// sign's place before it and a blank after it.
constexpr const char* kStationLabels[6] = {"ft", " 1 ", " 2 ", " 3 ", " 4 ", " 5 "};

bool applyScale(Surface& s, Num left, Num top, Num right, Num bottom) {
  if (!left.good() || !top.good() || !right.good() || !bottom.good()) return false;
  return s.setScale(left.v, top.v, right.v, bottom.v);
}

// A dot at the point and its label printed from there; no label without its dot.
void label(Surface& s, Num x, Num y, const char* text) {
  if (dot(s, x, y, kForeColor)) s.print(text);
}

// The vertical shape: x on the strip is the height, y the camber.
bool paintVertical(const SailModel& m, const Curve* selected, Index selectedDraft, bool trueShape,
                   Surface& p) {
  const Curve* st = m.MoldSections;
  const Curve& head = m.HeadView;

  // Station 2's draft position stands for every station when the depth axis is sized.
  double V = 0.0;
  const Index d2 = draftPoint(m.DepthPositions, 2);
  if (d2.ok)
    for (int k = 0; k <= 5; ++k) V = std::max(V, st[k](3, d2.i));
  const double u = V / 10.0;

  Index D[6];
  for (int k = 0; k <= 5; ++k) D[k] = draftPoint(m.DepthPositions, k);
  const Num footY = st[0].get(2, D[0]);
  const Num headY = head.get(2, D[5]);
  if (trueShape) set(V, (headY - footY) / 5.0);

  if (!applyScale(p, footY - u, Num(V) + u, headY + 5.0 * u, Num(-2.0 * u))) return false;

  line(p, footY - u, 0.0, headY + 5.0 * u, 0.0, kGrey);
  for (int k = 0; k <= 4; ++k)
    line(p, st[k].get(2, D[k]), st[k].get(3, D[k]), st[k + 1].get(2, D[k + 1]),
         st[k + 1].get(3, D[k + 1]), kLightBlue);
  line(p, st[5].get(2, D[5]), st[5].get(3, D[5]), headY, head.get(3, D[5]), kLightBlue);

  for (int k = 0; k <= 5; ++k) label(p, st[k].get(2, D[k]), st[k].get(3, D[k]), kStationLabels[k]);
  label(p, headY, head.get(3, D[5]), "hd");

  if (selected) circle(p, selected->get(2, selectedDraft), selected->get(3, selectedDraft), u, kLightBlue);
  return true;
}

// The horizontal section of the selected station: x on the strip is fore
// and aft, y the camber.
void paintHorizontal(const Curve& sec, Index draft, double u, Surface& p) {
  line(p, sec(1, 100), sec(3, 100), sec(1, 1), sec(3, 1), kGrey);
  for (int i = 2; i <= Curve::kPoints; ++i)
    line(p, sec(1, i - 1), sec(3, i - 1), sec(1, i), sec(3, i), kLightRed);
  circle(p, sec.get(1, draft), sec.get(3, draft), u, kLightBlue);
}

}  // namespace

bool paintSectionView(const SailModel& m, int currentSection, bool trueShape, bool vertShape,
                      Surface& picture2) {
  Surface& p = picture2;
  p.clear();

  double M = 0.0;
  for (int k = 0; k <= 5; ++k)
    for (int i = 1; i <= Curve::kPoints; ++i) M = std::max(M, m.MoldSections[k](3, i));

  // Station 6 is a real, empty station; anything else selects none.
  const Index s = checkIndex(currentSection, 0, 6);
  const Curve* sec = s.ok ? &m.MoldSections[s.i] : nullptr;
  const Index draft = draftPoint(m.DepthPositions, currentSection);

  if (vertShape) return paintVertical(m, sec, draft, trueShape, p);

  double u = 0.0;
  if (sec) set(u, Num((*sec)(1, 100)) / 100.0);

  bool scaled = false;
  if (trueShape) {
    const double F = m.MoldSections[0](1, 100);
    scaled = applyScale(p, -2.0 * u, 2.0 * u + F / 5.0, F + 2.0 * u, -2.0 * u);
  } else if (sec) {
    scaled = applyScale(p, (*sec)(1, 1) - u, M + u, (*sec)(1, 100) + u, (*sec)(3, 1) - u);
  }
  if (!scaled || !sec) return false;
  paintHorizontal(*sec, draft, u, p);
  return true;
}

MoldViewGeometry toggleMoldView(int moldViewLarge, double windowWidthTwips,
                                double windowHeightTwips) {
  MoldViewGeometry g;
  if (moldViewLarge == 0) {
    g.left = 120.0;
    g.width = std::max(0.0, windowWidthTwips - 345.0);
    g.height = g.width / 5.0;
    g.top = windowHeightTwips - 830.0 - g.height;
    g.moldViewLarge = 1;
  } else {
    g.width = 8775.0;
    g.height = 1755.0;
    g.top = windowHeightTwips - 2520.0;
    g.moldViewLarge = 0;
    g.left = windowWidthTwips - 9000.0;
  }
  return g;
}

}  // namespace kes
