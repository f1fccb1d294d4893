// The tilted check view.

#include <cmath>

#include "layout/check_view.h"
#include "layout_fixture.h"

namespace kes::test {
namespace {

// PanelCount 0: only line 0 is turned and drawn, with the four edges; a
// second press turns everything once more.
TEST(CheckView, NoPanelsTurnsOnlyTheFootLine) {
  SailModel m = defaultSail();
  PanelLayout L = crosscut(m, 3);
  L.PanelCount = 0;
  const SailModel before = m;
  const PanelLayout seams = L;
  tiltCheckView(m, L);
  EXPECT_NE(L.SeamLines[0](2, 40), seams.SeamLines[0](2, 40));
  EXPECT_EQ(L.SeamLines[1](2, 40), seams.SeamLines[1](2, 40));
  EXPECT_EQ(m.LuffCurve(1, 40), before.LuffCurve(1, 40));  // the model's edges stay
  RecordingSurface s;
  s.setForeColor(15);
  s.point(1, 1);
  drawCheckView(m, L, s);
  ASSERT_EQ(s.ops().size(), 1u + 5 * 21);
  EXPECT_EQ(s.ops()[0].kind, DrawOp::Clear);
  EXPECT_EQ(s.ops()[2].colour, 15);        // the luff in the foreground colour
  EXPECT_EQ(s.ops()[4 * 21 + 2].colour, 13);  // the foot line in light magenta

  // Turned twice: y and z about x by 0.4, then x and z about y by -0.78, twice.
  double x = before.HeadView(1, 70), y = before.HeadView(2, 70), z = before.HeadView(3, 70);
  for (int k = 0; k < 2; ++k) {
    const double a = 0.4, b = -0.78;
    const double y1 = y * std::cos(a) + z * std::sin(a), z1 = z * std::cos(a) - y * std::sin(a);
    const double x2 = x * std::cos(b) + z1 * std::sin(b), z2 = z1 * std::cos(b) - x * std::sin(b);
    x = x2;
    y = y1;
    z = z2;
  }
  tiltCheckView(m, L);
  EXPECT_NEAR(m.HeadView(1, 70), x, 1e-9);
  EXPECT_NEAR(m.HeadView(2, 70), y, 1e-9);
  EXPECT_NEAR(m.HeadView(3, 70), z, 1e-9);
}

}  // namespace
}  // namespace kes::test
