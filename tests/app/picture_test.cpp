// The plan view as the user sees it: the default sail painted by the running
// window, checked on the picture's pixels.

#include "app_fixture.h"

namespace kes::test {
namespace {

QColor palette(int n) { return PictureBox::paletteColor(n); }

TEST_F(AppTest, DefaultSailIsPaintedOnTheBlackPlanView) {
  Form1& f = start();
  const PictureBox& p = *f.Picture1;
  ASSERT_FALSE(p.image().isNull());

  // The leech in white: drawn through every point, so point 40 is on it.
  EXPECT_EQ(p.colourAt(f.m.LeechView(1, 40), f.m.LeechView(2, 40)), palette(15));
  // The luff and the foot at points their polylines pass through.
  EXPECT_EQ(p.colourAt(f.m.LuffView(1, 60), f.m.LuffView(2, 60)), palette(15));
  EXPECT_EQ(p.colourAt(f.m.FootView(1, 30), f.m.FootView(2, 30)), palette(15));
  // A mold stripe in light red, away from its chord and the draft line.
  EXPECT_EQ(p.colourAt(f.m.MoldSections[3](1, 75), f.m.MoldSections[3](2, 75)), palette(12));
  // Black background aft of the upper leech, and forward of the luff.
  const double clewX = f.m.ClewX, headY = f.m.HeadCurve(2, 100);
  EXPECT_EQ(p.colourAt(clewX, 0.9 * headY), palette(0));
  EXPECT_EQ(p.colourAt(f.m.fullView.left + 2, 0.5 * headY), palette(0));
}

TEST_F(AppTest, MoldModeShowsTheSelectedStripeInGreenAndTheWhiteSchemeInverts) {
  Form1& f = start();
  f.Option[2]->click();
  const int s = f.CurrentSection;
  EXPECT_EQ(f.Picture1->colourAt(f.m.MoldSections[s](1, 75), f.m.MoldSections[s](2, 75)),
            palette(10));
  // The section strip shows the inverse scheme: white background.
  const QImage& strip = f.Picture2->image();
  ASSERT_FALSE(strip.isNull());
  EXPECT_EQ(QColor(strip.pixel(1, 1)), palette(15));

  f.color->choose();  // the white scheme
  EXPECT_EQ(f.Picture1->colourAt(f.m.LeechView(1, 40), f.m.LeechView(2, 40)), palette(0));
  EXPECT_EQ(f.Picture1->colourAt(f.m.ClewX, 0.9 * f.m.HeadCurve(2, 100)), palette(15));
}

}  // namespace
}  // namespace kes::test
