// The radial "Develop" in the window after the user dragged radial ends
// across their neighbours with the mouse ("Radials", "Unlock", a press on
// the end's handle, a move, a release), and the widest panel it names.

#include <QTest>
#include <algorithm>
#include <cmath>
#include <string>

#include "app_fixture.h"
#include "common/lines.h"
#include "develop/plot_file.h"
#include "radial/radial_develop.h"

namespace kes::test {
namespace {

class RadialRefusalTest : public AppTest {
 protected:
  // The default sail laid out radially, its radial ends unlocked for dragging.
  Form1& unlocked() {
    Form1& f = start();
    f.Option[3]->setValue(true);  // the "P" selector: the Panels frame
    f.Check[1]->setValue(1);      // "Radials"
    f.Check[2]->setValue(1);  // "Unlock"
    return f;
  }

  // A drag with the left button on the plan view from point `from` of seam
  // line `line` to its point `to`, as the mouse does it.
  static void drag(Form1& f, int line, int from, int to) {
    const Curve& c = f.layout.SeamLines[line];
    f.Picture1_MouseDown(1, 0, c(1, from), c(2, from));
    f.Picture1_MouseMove(1, 0, c(1, (from + to) / 2), c(2, (from + to) / 2));
    f.Picture1_MouseMove(1, 0, c(1, to), c(2, to));
    f.Picture1_MouseUp(1, 0, c(1, to), c(2, to));
  }

  void develop(Form1& f) { QTest::mouseClick(f.Command[10], Qt::LeftButton); }
};

// The tack fan's seam 1 dragged along seam line 1 from its point 13 past
// seam 2 (at 30) to 40: panel 2 would run from 40 back to 30, over the
// cloth of panels 1 and 3. The run writes rad0_1 and stops on rad0_2,
// naming it and why; no later file is written and no "Widest" is shown.
TEST_F(RadialRefusalTest, TackSeamDraggedAcrossItsNeighbourIsRefused) {
  Form1& f = unlocked();
  const PanelLayout& L = f.layout;
  ASSERT_EQ(std::tuple(L.RadialUpperEnd[0][1], L.RadialUpperEnd[0][2]), std::tuple(13, 30));
  drag(f, 1, 13, 40);
  ASSERT_EQ(std::tuple(L.GrabRadialSection, L.GrabRadialUpper, L.RadialUpperEnd[0][1]), std::tuple(0, 1, 40));
  ASSERT_EQ(f.Check[2]->value(), 1);  // the release kept the dragged end
  expectStops([&] { develop(f); }, "Cannot cut rad0_2.UC: its seams cross each other");
  EXPECT_TRUE(has("rad0_1.UC") && !has("rad0_2.UC") && !has("rad0_3.UC") && !has("rad1_1.UC"));

  // Dragged back to its place, the fan is cut whole.
  drag(f, 1, 40, 13);
  ASSERT_EQ(L.RadialUpperEnd[0][1], 13);
  develop(f);
  EXPECT_EQ(caption().rfind("Widest: Panel ", 0), 0u) << caption();
  EXPECT_TRUE(has("rad0_2.UC") && has("rad6_3.UC"));
}

// Dropped exactly on seam 2's end, seam 1 meets it at both ends (both run
// down to the tack): panel 2 holds no cloth.
TEST_F(RadialRefusalTest, TackSeamDroppedOnItsNeighbourHoldsNoCloth) {
  Form1& f = unlocked();
  drag(f, 1, 13, 30);
  ASSERT_EQ(f.layout.RadialUpperEnd[0][1], 30);
  expectStops([&] { develop(f); }, "Cannot cut rad0_2.UC: its seams lie on each other");
  EXPECT_TRUE(has("rad0_1.UC") && !has("rad0_2.UC"));
}

// Band 2's seam 1: its lower end (on seam line 1) dragged from 20 across
// seam 2's (at 40) to 50, its upper end left at 20. Seams 1 and 2 cross
// inside the band: panel 2 is refused by name; the fans and panel 1 of
// the band are written before it.
TEST_F(RadialRefusalTest, BandSeamLowerEndDraggedAcrossIsRefused) {
  Form1& f = unlocked();
  const PanelLayout& L = f.layout;
  ASSERT_EQ(std::tuple(L.RadialLowerEnd[2][1], L.RadialLowerEnd[2][2], L.RadialUpperEnd[2][1]),
            std::tuple(20, 40, 20));
  drag(f, 1, 20, 50);
  ASSERT_EQ(std::tuple(L.GrabRadialSection, L.GrabRadialLower, L.RadialLowerEnd[2][1]), std::tuple(2, 1, 50));
  expectStops([&] { develop(f); }, "Cannot cut rad2_2.UC: its seams cross each other");
  EXPECT_TRUE(has("rad0_5.UC") && has("rad1_5.UC") && has("rad2_1.UC"));
  EXPECT_TRUE(!has("rad2_2.UC") && !has("rad3_1.UC"));
}

// A finished file's span across: its largest turned y less its smallest,
// over the points drawn or cut with a tool down, in inches.
double span(const std::string& text) {
  double low = INFINITY, high = -INFINITY;
  bool down = false;
  for (const std::string& line : allLines(text)) {
    if (line == kPenDown || line == kKnifeDown) down = true;
    if (line == kPenUp || line == kKnifeUp) down = false;
    if (!down || !IsPointLine(line)) continue;
    const double y = PointLineStep(SplitPointLine(line).y) / 500;
    low = std::min(low, y);
    high = std::max(high, y);
  }
  return high - low;
}

// A roach of 55.61 puts the top bands' panels below the X axis once
// turned: the caption names the file widest across, at its span, not at
// its distance from the axis (3rad5 lies from y -86.12 up to -65.65, 20.47
// across: by its distance from the axis it would be named).
TEST_F(RadialRefusalTest, WidestIsTheSpanAcrossOfPanelsBelowTheAxis) {
  Form1& f = start();
  f.Text[12]->setText("55.61");  // "Roach"
  f.Option[3]->setValue(true);
  f.Check[1]->setValue(1);
  develop(f);

  std::string widest;
  double most = -1;
  for (const QString& name : files().filter(".UC")) {
    const double w = span(read(qPrintable(name)));
    if (w > most) {
      most = w;
      widest = name.toStdString();
    }
  }
  ASSERT_EQ(widest, "rad5_1.UC");
  EXPECT_NEAR(most, 20.48, 0.006);
  EXPECT_EQ(caption(), "Widest: Panel 5rad1 is 20.48 inches");
}

}  // namespace
}  // namespace kes::test
