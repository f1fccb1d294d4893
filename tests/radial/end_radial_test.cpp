// A fan panel's end radial: its radial seam width lies outside the panel,
// whichever way the seam leans, so the knife never cuts into the sewing line.

#include <algorithm>
#include <cmath>
#include <memory>

#include "default_sail.h"
#include "develop/plot_file.h"
#include "layout/crosscut.h"
#include "layout/radial.h"
#include "model/sail_model.h"
#include "platform/recording_surface.h"
#include "radial_fixture.h"

namespace kes::test {
namespace {

struct P {
  double x, y;
};

std::vector<P> pointsOf(const std::vector<std::string>& lines, std::size_t from, std::size_t to,
                        double scale) {
  std::vector<P> out;
  for (std::size_t i = from; i < to && i < lines.size(); ++i)
    if (IsPointLine(lines[i])) {
      const PointLineParts s = SplitPointLine(lines[i]);
      out.push_back({PointLineStep(s.x) / scale, PointLineStep(s.y) / scale});
    }
  return out;
}

double distanceToSegment(P p, P a, P b) {
  const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
  const double t = l2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l2, 0.0, 1.0) : 0.0;
  return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

bool inside(P q, const std::vector<P>& polygon) {
  bool in = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const P a = polygon[i], b = polygon[j];
    if ((a.y > q.y) != (b.y > q.y) && q.x < (b.x - a.x) * (q.y - a.y) / (b.y - a.y) + a.x) in = !in;
  }
  return in;
}

double distanceToOutline(P q, const std::vector<P>& polygon) {
  double d = 1e300;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++)
    d = std::min(d, distanceToSegment(q, polygon[i], polygon[j]));
  return d;
}

// How far the knife cuts into the panel, in design units: the deepest of a
// knife point inside the closed pen outline (the sewing line) and of a pen
// point outside the closed knife path.
double knifeCutsIn(const std::string& text, double scale) {
  const std::vector<std::string> l = allLines(text);
  const auto at = [&](const char* s, std::size_t from) {
    return static_cast<std::size_t>(std::find(l.begin() + static_cast<long>(from), l.end(), s) - l.begin());
  };
  const std::size_t penDown = at("1 pendown", 0), penUp = at("1 penup", penDown);
  const std::size_t knifeDown = at("0 pendown", 0), knifeUp = at("0 penup", knifeDown);
  EXPECT_TRUE(penDown > 0 && penUp < l.size() && knifeDown > 0 && knifeUp < l.size());
  if (penDown == 0 || knifeDown == 0) return 1e9;
  const std::vector<P> pen = pointsOf(l, penDown - 1, penUp, scale);
  const std::vector<P> knife = pointsOf(l, knifeDown - 1, knifeUp, scale);
  double worst = 0;
  for (const P& q : knife)
    if (inside(q, pen)) worst = std::max(worst, distanceToOutline(q, pen));
  for (const P& q : pen)
    if (!inside(q, knife)) worst = std::max(worst, distanceToOutline(q, knife));
  return worst;
}

constexpr double kStep = 1.0 / 500;  // one plotter step, inches

// The plane band with its foot point k moved aft by dx.
RadialBand leaningBand(const PanelLayout& layout, int k, double dx) {
  RadialStrip s;
  for (int i = 1; i <= 100; ++i) {
    s.l[i] = {i - 1.0, 0};
    s.u[i] = {i - 1.0, 10};
  }
  s.l[k].x += dx;
  return RadialBandFromStrip(layout, 1, s);
}

// A tack seam from U(20) = (19, 10) to the foot, leaning aft or forward at
// its top or standing (nearly) upright; a clew seam from U(80) the same.
// Each panel's knife stays outside its sewing line.
TEST_F(RadialPlane, EndRadialAllowanceOutsideWhicheverWayTheSeamLeans) {
  const double tiny = 10 * std::tan(0.001 * Pi / 180);  // 0.001 degrees off upright
  const struct { int foot; double dx; } leans[] = {{19, 0}, {21, 0}, {20, 0}, {20, tiny}, {20, -tiny}};
  for (const auto& c : leans) {
    setSection(0, {1, 20, 150}, {1, c.foot, 60});
    const RadialPanelFile tack = WriteTackPanel(in, leaningBand(*layout, c.foot, c.dx), 1);
    EXPECT_LE(knifeCutsIn(tack.text, 500), 2 * kStep) << "tack foot " << c.foot << " " << c.dx;
    const int clewFoot = c.foot + 60;
    setSection(1, {100, 80, 150}, {100, clewFoot, 60});
    const RadialPanelFile clew = WriteClewPanel(in, leaningBand(*layout, clewFoot, c.dx), 1);
    EXPECT_LE(knifeCutsIn(clew.text, 500), 2 * kStep) << "clew foot " << clewFoot << " " << c.dx;
  }
}

// The designed sail laid out radially with 25 tack panels and "Stagger",
// the divider dragged to stations 10 and 25: the seams near the divider
// lean forward at their tops. No tack or clew panel is cut inside its
// sewing line.
TEST(RadialFans, StaggeredFanCutOutsideItsSewingLines) {
  const auto sail = std::make_unique<SailModel>();
  const auto layout = std::make_unique<PanelLayout>();
  SailModel& m = *sail;
  PanelLayout& L = *layout;
  recompute(testing::defaultInputs(), m);
  LayOutRadialSail(m, L, 6, 10, 25, {25, 5, 5, 5, 5, 4, 3}, 1);
  ASSERT_EQ(std::pair(L.DividerTopIndex, L.DividerFootIndex), std::pair(10, 25));

  RadialInput in;
  in.layout = &L;
  in.model = &m;
  in.boxes = ReadRadialBoxes({"1.5", "1.5", "1.5", "1.5", "1.5", ".5", {}, {}, {}, {}, {}});
  in.units = SetPlotUnits(500, 500, false, false);
  const RadialBand band = DevelopRadialBand(L, 1);
  for (int n = 1; n <= 25; ++n)
    EXPECT_LE(knifeCutsIn(WriteTackPanel(in, band, n).text, 500), 2 * kStep) << "rad0_" << n;
  for (int n = 1; n <= 5; ++n)
    EXPECT_LE(knifeCutsIn(WriteClewPanel(in, band, n).text, 500), 2 * kStep) << "rad1_" << n;
}

}  // namespace
}  // namespace kes::test
