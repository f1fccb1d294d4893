// A fan panel's end radial: its radial seam width lies outside the panel,
// whichever way the seam leans, so the knife never cuts into the sewing line.

#include <cmath>

#include "radial_fixture.h"

namespace kes::test {
namespace {

bool inside(Pt q, const std::vector<Pt>& polygon) {
  bool in = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const Pt a = polygon[i], b = polygon[j];
    if ((a.y > q.y) != (b.y > q.y) && q.x < (b.x - a.x) * (q.y - a.y) / (b.y - a.y) + a.x) in = !in;
  }
  return in;
}

double distanceToOutline(Pt q, const std::vector<Pt>& polygon) {
  double d = 1e300;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++)
    d = std::min(d, segmentDistance(q, polygon[i], polygon[j]));
  return d;
}

// How far the knife cuts into the panel, in design units: the deepest of a
// knife point inside the closed pen outline (the sewing line) and of a pen
// point outside the closed knife path.
double knifeCutsIn(const std::string& text, double scale) {
  const std::vector<Pt> pen = pathPoints(text, "1 pendown", "1 penup", scale);
  const std::vector<Pt> knife = pathPoints(text, "0 pendown", "0 penup", scale);
  EXPECT_TRUE(pen.size() >= 3 && knife.size() >= 3);
  if (pen.size() < 3 || knife.size() < 3) return 1e9;
  double worst = 0;
  for (const Pt& q : knife)
    if (inside(q, pen)) worst = std::max(worst, distanceToOutline(q, pen));
  for (const Pt& q : pen)
    if (!inside(q, knife)) worst = std::max(worst, distanceToOutline(q, knife));
  return worst;
}

constexpr double kStep = 1.0 / 500;  // one plotter step, inches

// A tack seam from U(20) = (19, 10) to the foot, leaning aft or forward at
// its top or standing (nearly) upright; a clew seam from U(80) the same.
// Each panel's knife stays outside its sewing line.
TEST_F(RadialPlane, EndRadialAllowanceOutsideWhicheverWayTheSeamLeans) {
  const double tiny = 10 * std::tan(0.001 * Pi / 180);  // 0.001 degrees off upright
  const struct { int foot; double dx; } leans[] = {{19, 0}, {21, 0}, {20, 0}, {20, tiny}, {20, -tiny}};
  for (const auto& c : leans) {
    setSection(0, {1, 20, 150}, {1, c.foot, 60});
    const RadialPanelFile tack = WriteTackPanel(in, band(1, c.foot, c.dx), 1);
    EXPECT_LE(knifeCutsIn(tack.text, 500), 2 * kStep) << "tack foot " << c.foot << " " << c.dx;
    const int clewFoot = c.foot + 60;
    setSection(1, {100, 80, 150}, {100, clewFoot, 60});
    const RadialPanelFile clew = WriteClewPanel(in, band(1, clewFoot, c.dx), 1);
    EXPECT_LE(knifeCutsIn(clew.text, 500), 2 * kStep) << "clew foot " << clewFoot << " " << c.dx;
  }
}

// The designed sail laid out radially with 25 tack panels and "Stagger",
// the divider dragged to stations 10 and 25: the seams near the divider
// lean forward at their tops. No tack or clew panel is cut inside its
// sewing line.
TEST(RadialFans, StaggeredFanCutOutsideItsSewingLines) {
  SailModel m = testing::computed(testing::defaultInputs());
  static PanelLayout L;
  LayOutRadialSail(m, L, 6, 10, 25, {25, 5, 5, 5, 5, 4, 3}, 1);
  ASSERT_EQ(std::pair(L.DividerTopIndex, L.DividerFootIndex), std::pair(10, 25));
  const RadialInput in = RadialInputFor(L, m, kRadialBoxes);
  const RadialBand band = DevelopRadialBand(L, 1);
  for (int n = 1; n <= 25; ++n)
    EXPECT_LE(knifeCutsIn(WriteTackPanel(in, band, n).text, 500), 2 * kStep) << "rad0_" << n;
  for (int n = 1; n <= 5; ++n)
    EXPECT_LE(knifeCutsIn(WriteClewPanel(in, band, n).text, 500), 2 * kStep) << "rad1_" << n;
}

}  // namespace
}  // namespace kes::test
