// The Panels frame in the running window: count boxes, options, the layout
// over the plan view, "Chk", and handles dragged with the mouse.

#include <cmath>

#include "app_fixture.h"
#include "layout/radial.h"

namespace kes::test {
namespace {

class PanelsTest : public AppTest {
 protected:
  // The window in the Panels frame, its picture recording what is drawn.
  Form1& panels() {
    Form1& f = start();
    f.Picture1->setRecording(true);
    f.Option[3]->setValue(true);
    return f;
  }
  // Seam, divider and radial lines drawn since the last refresh.
  static int magentaLines(const Form1& f) {
    int n = 0;
    for (const DrawOp& op : f.Picture1->ops()) n += op.colour == 13 && op.kind == DrawOp::Line;
    return n;
  }
  static double handleSize(const Form1& f) { return static_cast<float>(f.Picture1->scaleWidth() / 125); }
};

// Entering the frame lays out the default ten panels: nine seams of 20 lines
// each over the plan view, handles a 125th of the view's width. While a
// design loads, the handlers set the counts and ends but nothing is built.
TEST_F(PanelsTest, EnteringTheFrameLaysOutTenPanelsButNotWhileLoading) {
  Form1& f = panels();
  EXPECT_EQ(std::tuple(f.layout.PanelCount, f.layout.SeamLeechEnd[1], f.Command[10]->isEnabled()),
            std::tuple(10, 90, false));
  EXPECT_EQ(std::tuple(f.m.HandleSize, magentaLines(f)), std::tuple(handleSize(f), 9 * 20));
  const Curve& c = f.layout.SeamLines[5];
  EXPECT_EQ(f.Picture1->colourAt(c(1, 50), c(2, 50)), PictureBox::paletteColor(13));

  f.LoadingFlag = 1;
  const double seam3 = f.layout.SeamLines[3](2, 1);
  f.Text[15]->setText("4");
  f.Check[1]->setValue(1);
  EXPECT_EQ(std::tuple(f.layout.PanelCount, f.layout.SeamLuffEnd[3], f.layout.SeamLines[3](2, 1)),
            std::tuple(4, 75, seam3));
  EXPECT_EQ(std::tuple(f.Command[10]->isEnabled(), magentaLines(f)), std::tuple(false, 9 * 20));
}

// The count clamp: each rewrite runs the handler again at once; the count is
// the box's number made whole, half to even, while the box keeps its text.
TEST_F(PanelsTest, CountBoxClamp) {
  Form1& f = panels();
  countRuns(f.Text[15]->onChange);
  const struct { const char *typed, *kept; int count, runs; } cases[] = {
      {"-7", "7", 7, 2}, {"40", "33", 33, 2}, {"33", "33", 33, 1}, {"abc", "abc", 0, 1}, {"-50", "33", 33, 3},
      {"7.5", "7.5", 8, 1}};
  for (const auto& c : cases) {
    f.Text[15]->setText("5");
    runs = 0;
    f.Text[15]->setText(c.typed);
    EXPECT_EQ(std::tuple(f.Text[15]->text(), f.layout.PanelCount, runs), std::tuple(c.kept, c.count, c.runs))
        << c.typed;
  }
  // "7.5" lays out 8 panels: seven seams, the head on line 8.
  EXPECT_EQ(std::tuple(f.layout.SeamLuffEnd[8], magentaLines(f)), std::tuple(100, 7 * 20));
}

// "Radials": the band count is capped at 6 for good, the seam ends go back
// to even spacing, "Develop" for radial panels is enabled, the divider and
// fans are drawn. A fan count unticks "Unlock"; a band count leaves it and
// sets even ends. Unticked, the seam ends stay for crosscut seams.
TEST_F(PanelsTest, RadialsCapsTheBandsAndLaysOutTheFans) {
  Form1& f = panels();
  PanelLayout& L = f.layout;
  f.Check[2]->setValue(1);
  f.Check[1]->setValue(1);
  EXPECT_EQ(std::tuple(f.Text[15]->text(), L.PanelCount, f.Check[2]->value(), f.Command[10]->isEnabled()),
            std::tuple("6", 6, 0, true));
  EXPECT_EQ(std::tuple(L.SeamLuffEnd[1], L.SeamLuffEnd[5], L.DividerTopIndex, L.RadialCount[6]),
            std::tuple(17, 83, 50, 3));
  EXPECT_EQ(magentaLines(f), 5 * 20 + 49 + (4 + 4 + 4 + 4 + 4 + 3 + 2));

  f.Check[2]->setValue(1);
  f.Text[24]->setText("4");
  EXPECT_EQ(std::tuple(f.Check[2]->value(), L.RadialUpperEnd[3][1], L.RadialLowerEnd[3][3]), std::tuple(1, 25, 75));
  f.Text[21]->setText("3");
  EXPECT_EQ(std::tuple(f.Check[2]->value(), L.RadialCount[0]), std::tuple(0, 3));

  f.Check[1]->setValue(0);
  EXPECT_EQ(std::tuple(f.Command[10]->isEnabled(), L.SeamLuffEnd[2], magentaLines(f)), std::tuple(false, 33, 5 * 20));
}

// "Stagger" with "Unlock" ticked (so the layout keeps what it writes): the
// fans' foot ends spread from the tack and the clew, or go back to the tack
// (0, the origin) and the clew.
TEST_F(PanelsTest, StaggerWritesTheFansFootEnds) {
  Form1& f = panels();
  for (int k : {1, 2, 3}) f.Check[k]->setValue(1);
  for (int stagger : {1, 0}) {
    f.Check[3]->setValue(stagger);
    EXPECT_EQ(std::tuple(f.layout.RadialLowerEnd[0][3], f.layout.RadialLowerEnd[1][3]),
              stagger ? std::tuple(3, 98) : std::tuple(0, 100));
  }
}

// "Chk": the press turns the view curves and seam lines 0..N, 0.4 about the
// fore-and-aft axis and then -0.78 about the vertical, and draws them on a
// cleared picture; mold sections, view angles and Label40 stay. A second
// press tilts again; the release rebuilds both from the model.
TEST_F(PanelsTest, CheckViewPressAndRelease) {
  Form1& f = panels();
  f.Text[15]->setText("6");
  const SailModel before = f.m;
  const PanelLayout seams = f.layout;
  const std::string banner = f.Label40->caption();
  f.Command[11]->onMouseDown(1);
  const double y = before.LeechView(2, 30), z = before.LeechView(3, 30);
  EXPECT_NEAR(f.m.LeechView(2, 30), y * std::cos(0.4) + z * std::sin(0.4), 1e-12);
  // Seam 6 turned, seam 7 (above N) untouched.
  EXPECT_TRUE(f.layout.SeamLines[6](1, 50) != seams.SeamLines[6](1, 50) &&
              f.layout.SeamLines[7](1, 50) == seams.SeamLines[7](1, 50));
  EXPECT_EQ(std::tuple(f.m.MoldSections[3](1, 50), f.m.ViewAngleX, f.Label40->caption()),
            std::tuple(before.MoldSections[3](1, 50), before.ViewAngleX, banner));
  ASSERT_EQ(f.Picture1->ops().size(), 1u + 4 * 21 + 7 * 21);
  EXPECT_EQ(std::tuple(f.Picture1->ops()[0].kind, magentaLines(f)), std::tuple(DrawOp::Clear, 7 * 20));
  const double once = f.m.LeechView(1, 30);
  f.Command[11]->onMouseDown(1);  // a second press tilts once more
  EXPECT_NE(f.m.LeechView(1, 30), once);

  f.Command[11]->onMouseUp(1);
  EXPECT_EQ(std::pair(f.m.LeechView(1, 30), f.layout.SeamLines[3](3, 50)),
            std::pair(before.LeechView(1, 30), seams.SeamLines[3](3, 50)));
  EXPECT_EQ(magentaLines(f), 5 * 20);
}

// A seam's luff end dragged with the left button: the release lays the seams
// out again from the new end (a release with nothing held too); the grab
// stays until the next press. The right button zooms in this frame too, and
// the handles follow the scale.
TEST_F(PanelsTest, DraggingASeamEndAndZooming) {
  Form1& f = panels();
  PanelLayout& L = f.layout;
  const Curve& luff = f.m.LuffCurve;
  f.Picture1_MouseDown(1, 0, L.SeamLines[5](1, 1), L.SeamLines[5](2, 1));
  const int target = static_cast<int>(L.SeamLuffEnd[6]) - 1;
  f.Picture1_MouseMove(1, 0, luff(1, target), luff(2, target));
  EXPECT_EQ(std::tuple(L.SeamLuffEnd[5], f.Picture1->drawMode()), std::tuple(target, kDrawCopyPen));
  f.Picture1_MouseUp(1, 0, 0, 0);
  EXPECT_EQ(L.GrabLuffSeam, 5);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(L.SeamLines[5](k, 1), luff(k, target));
  countRuns(f.Picture1->onPaint);
  f.Picture1_MouseDown(1, 0, 1e6, 1e6);
  f.Picture1_MouseUp(1, 0, 1e6, 1e6);
  EXPECT_EQ(runs, 1);

  f.Picture1_MouseDown(2, 0, 0, 0);
  f.Picture1_MouseMove(2, 0, 0, 40);
  f.Picture1_MouseUp(2, 0, 0, 40);
  EXPECT_TRUE(f.Command[6]->isVisibleTo(&f) && f.m.HandleSize == handleSize(f));

  // The pointer's position is single precision: a press a billionth beyond
  // the tolerance is, as the picture gives it, exactly the tolerance away.
  std::tie(L.SeamLines[1](1, 1), L.SeamLines[1](2, 1)) = std::tuple(0.0, 1e5);
  f.Picture1_MouseDown(1, 0, f.m.HandleSize * (1 + 1e-9), 1e5);
  EXPECT_EQ(std::tuple(L.GrabLuffSeam, L.DragX, L.DragY), std::tuple(1, 0.0, 1e5));
}

// A divider end's release: "Unlock" cleared, the layout, "Unlock" ticked
// again (three layout runs). The fans take the defaults about the moved
// divider; the bands keep the ends the user gave them.
TEST_F(PanelsTest, DividerReleaseRelaysTheFansAndKeepsTheBands) {
  Form1& f = panels();
  PanelLayout& L = f.layout;
  f.Check[1]->setValue(1);
  f.Check[2]->setValue(1);
  L.RadialUpperEnd[3][2] = 61;  // a band end the user dragged
  f.Picture1_MouseDown(1, 0, L.RadialDivider[1][1], L.RadialDivider[2][1]);
  f.Picture1_MouseMove(1, 0, L.SeamLines[1](1, 30), L.SeamLines[1](2, 30));
  countRuns(f.Picture1->onPaint);
  f.Picture1_MouseUp(1, 0, 0, 0);
  EXPECT_EQ(std::tuple(runs, f.Check[2]->value(), L.DividerTopIndex, L.RadialUpperEnd[3][2], L.RadialDivider[1][1]),
            std::tuple(3, 1, 30, 61, L.SeamLines[1](1, 30)));
  PanelLayout expected = L;
  defaultFanEnds(expected, 0);
  for (int s = 0; s <= 1; ++s)
    for (int j = 0; j <= 5; ++j) EXPECT_EQ(L.RadialUpperEnd[s][j], expected.RadialUpperEnd[s][j]);
}

}  // namespace
}  // namespace kes::test
