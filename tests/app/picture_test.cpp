// The plan view as the user sees it: the default sail painted by the running
// window, checked on the picture's pixels.

#include "app_fixture.h"

namespace kes::test {
namespace {

QColor palette(int n) { return PictureBox::paletteColor(n); }

// The colour painted at point i of a curve.
QColor at(const PictureBox& p, const Curve& c, int i) { return p.colourAt(c(1, i), c(2, i)); }

TEST_F(AppTest, DefaultSailIsPaintedOnTheBlackPlanViewAndTheWhiteSchemeInvertsIt) {
  Form1& f = start();
  const PictureBox& p = *f.Picture1;
  ASSERT_FALSE(p.image().isNull());
  // Edges in white at points their polylines pass through.
  EXPECT_EQ(at(p, f.m.LeechView, 40), palette(15));
  EXPECT_EQ(at(p, f.m.LuffView, 60), palette(15));
  EXPECT_EQ(at(p, f.m.FootView, 30), palette(15));
  // A mold stripe in light red, away from its chord and the draft line.
  EXPECT_EQ(at(p, f.m.MoldSections[3], 75), palette(12));
  // Black background aft of the upper leech, and forward of the luff.
  const double headY = f.m.HeadCurve(2, 100);
  EXPECT_EQ(p.colourAt(f.m.ClewX, 0.9 * headY), palette(0));
  EXPECT_EQ(p.colourAt(f.m.fullView.left + 2, 0.5 * headY), palette(0));

  f.color->choose();  // the white scheme, and the view banner in black
  EXPECT_EQ(at(p, f.m.LeechView, 40), palette(0));
  EXPECT_EQ(p.colourAt(f.m.ClewX, 0.9 * headY), palette(15));
  EXPECT_EQ(f.Label40->palette().color(QPalette::WindowText), palette(0));
}

}  // namespace
}  // namespace kes::test
