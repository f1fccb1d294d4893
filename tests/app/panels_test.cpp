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
    f.Option[3]->setValue(true);
    f.Picture1->setRecording(true);
    return f;
  }
  // Counts the runs of a box's change handler, the nested ones too.
  int runs = 0;
  void countRuns(TextBox* box) {
    const std::function<void()> handler = box->onChange;
    box->onChange = [this, handler] {
      ++runs;
      handler();
    };
  }
  // Counts the layout runs by the repaints they start.
  int paints = 0;
  void countPaints(Form1& f) {
    const std::function<void()> paint = f.Picture1->onPaint;
    f.Picture1->onPaint = [this, paint] {
      ++paints;
      paint();
    };
  }
  static int opsOfColour(const Form1& f, int colour) {
    int n = 0;
    for (const DrawOp& op : f.Picture1->ops()) n += op.colour == colour && op.kind == DrawOp::Line;
    return n;
  }
};

// Entering the frame lays out the default ten panels: nine seams of 20 lines
// each over the plan view, handles a 125th of the view's width.
TEST_F(PanelsTest, EnteringTheFrameLaysOutTenPanels) {
  Form1& f = start();
  ASSERT_EQ(f.layout.SeamLuffEnd[1], 0);
  f.Option[3]->setValue(true);
  EXPECT_EQ(f.layout.PanelCount, 10);
  EXPECT_EQ(f.layout.SeamLeechEnd[1], 90);
  EXPECT_EQ(f.m.HandleSize, static_cast<double>(static_cast<float>(f.Picture1->scaleWidth() / 125)));
  EXPECT_FALSE(f.Command[10]->isEnabled());
  f.Picture1->setRecording(true);
  f.LayoutCrosscutSeams();
  EXPECT_EQ(opsOfColour(f, 13), 9 * 20);
  // A seam in light magenta on the screen, at its point 50.
  const Curve& c = f.layout.SeamLines[5];
  EXPECT_EQ(f.Picture1->colourAt(c(1, 50), c(2, 50)), PictureBox::paletteColor(13));

  // A design loading: the handlers set the counts and ends, the layout
  // neither builds nor draws.
  f.LoadingFlag = 1;
  const Curve seam3 = f.layout.SeamLines[3];
  f.Text[15]->setText("4");
  f.Check[1]->setValue(1);
  EXPECT_EQ(f.layout.PanelCount, 4);
  EXPECT_EQ(f.layout.SeamLuffEnd[3], 75);
  EXPECT_EQ(f.layout.SeamLines[3](2, 1), seam3(2, 1));
  EXPECT_FALSE(f.Command[10]->isEnabled());
  EXPECT_EQ(opsOfColour(f, 13), 9 * 20);
}

// The count clamp: each rewrite runs the handler again at once; the count is
// the box's number made whole, half to even, while the box keeps its text.
TEST_F(PanelsTest, CountBoxClamp) {
  Form1& f = panels();
  countRuns(f.Text[15]);
  struct Case {
    const char* typed;
    const char* kept;
    int count, runs;
  };
  const Case cases[] = {{"-7", "7", 7, 2},      {"40", "33", 33, 2},  {"33", "33", 33, 1},
                        {"abc", "abc", 0, 1},   {"-50", "33", 33, 3}, {"7.5", "7.5", 8, 1},
                        {"", "", 0, 1},         {"-", "-", 0, 1},     {"1e999", "1e999", 0, 1},
                        {"-0", "-0", 0, 1},     {"-2.5", "2.5", 2, 2}};
  for (const Case& c : cases) {
    f.Text[15]->setText("5");
    runs = 0;
    f.Text[15]->setText(c.typed);
    EXPECT_EQ(f.Text[15]->text(), c.kept) << c.typed;
    EXPECT_EQ(f.layout.PanelCount, c.count) << c.typed;
    EXPECT_EQ(runs, c.runs) << c.typed;
  }
  // "7.5" lays out 8 panels: seven seams, the head on line 8.
  f.Text[15]->setText("7.5");
  EXPECT_EQ(f.layout.SeamLuffEnd[8], 100);
  EXPECT_EQ(opsOfColour(f, 13), 7 * 20);
  for (int k = 1; k <= 3; ++k)
    for (int i = 1; i <= 100; ++i) ASSERT_EQ(f.layout.SeamLines[8](k, i), f.m.HeadCurve(k, i));

  countRuns(f.Text[23]);
  runs = 0;
  f.Text[23]->setText("-50");
  EXPECT_EQ(f.Text[23]->text(), "33");
  EXPECT_EQ(runs, 3);
  EXPECT_EQ(f.layout.RadialCount[2], 33);
}

// "Radials": the band count is capped at 6 for good, the seam ends go back
// to even spacing, "Develop" for radial panels is enabled, and the divider
// and fans are drawn.
TEST_F(PanelsTest, RadialsCapsTheBandsAndLaysOutTheFans) {
  Form1& f = panels();
  f.Check[2]->setValue(1);
  f.Check[1]->setValue(1);
  EXPECT_EQ(f.Text[15]->text(), "6");
  EXPECT_EQ(f.layout.PanelCount, 6);
  EXPECT_EQ(f.Check[2]->value(), 0);
  EXPECT_TRUE(f.Command[10]->isEnabled());
  const double even[] = {0, 17, 33, 50, 67, 83};
  for (int j = 1; j <= 5; ++j) EXPECT_EQ(f.layout.SeamLuffEnd[j], even[j]);
  EXPECT_EQ(f.layout.DividerTopIndex, 50);
  EXPECT_EQ(f.layout.RadialCount[6], 3);
  // Seams 1..5, the divider's 49 lines and 4 + 4 + 4 + 4 + 4 + 3 + 2 radial seams.
  EXPECT_EQ(opsOfColour(f, 13), 5 * 20 + 49 + 25);

  // A fan count unticks "Unlock"; a band count leaves it and sets even ends.
  f.Check[2]->setValue(1);
  f.Text[24]->setText("4");
  EXPECT_EQ(f.Check[2]->value(), 1);
  const int ends[] = {1, 25, 50, 75, 100};
  for (int j = 0; j <= 4; ++j) EXPECT_EQ(f.layout.RadialUpperEnd[3][j], ends[j]);
  f.Text[21]->setText("3");
  EXPECT_EQ(f.Check[2]->value(), 0);
  EXPECT_EQ(f.layout.RadialCount[0], 3);

  // Unticking "Radials" keeps the seam ends and lays out crosscut seams.
  f.Check[1]->setValue(0);
  EXPECT_FALSE(f.Command[10]->isEnabled());
  EXPECT_EQ(f.layout.SeamLuffEnd[2], 33);
  EXPECT_EQ(opsOfColour(f, 13), 5 * 20);
}

// "Stagger" with "Unlock" ticked (so the layout keeps what it writes): the
// fans' foot ends spread from the tack and the clew, or go back to the tack
// (0, the origin) and the clew.
TEST_F(PanelsTest, StaggerWritesTheFansFootEnds) {
  Form1& f = panels();
  f.Check[1]->setValue(1);
  f.Check[2]->setValue(1);
  f.Check[3]->setValue(1);
  for (int j = 1; j <= 4; ++j) {
    EXPECT_EQ(f.layout.RadialLowerEnd[0][j], j);
    EXPECT_EQ(f.layout.RadialLowerEnd[1][j], 101 - j);
  }
  f.Check[3]->setValue(0);
  for (int j = 1; j <= 4; ++j) {
    EXPECT_EQ(f.layout.RadialLowerEnd[0][j], 0);
    EXPECT_EQ(f.layout.RadialLowerEnd[1][j], 100);
  }
}

// No band: nothing radial is built, drawn or offered, and the stored ends stay.
TEST_F(PanelsTest, RadialsWithNoBand) {
  Form1& f = panels();
  f.Check[1]->setValue(1);
  const int stored = f.layout.RadialUpperEnd[0][2];
  f.Check[2]->setValue(1);
  f.Text[15]->setText("0");
  EXPECT_EQ(f.layout.PanelCount, 0);
  EXPECT_EQ(opsOfColour(f, 13), 0);
  EXPECT_EQ(f.layout.RadialUpperEnd[0][2], stored);
  f.Picture1_MouseDown(1, 0, f.layout.RadialDivider[1][1], f.layout.RadialDivider[2][1]);
  EXPECT_EQ(f.layout.GrabDividerTop, 0);
}

// "Chk": the press tilts the view curves and seam lines 0..N and draws them
// on a cleared picture; the release rebuilds both from the model.
TEST_F(PanelsTest, CheckViewPressAndRelease) {
  Form1& f = panels();
  f.Text[15]->setText("6");
  const SailModel before = f.m;
  const PanelLayout seams = f.layout;
  const std::string banner = f.Label40->caption();
  f.Command[11]->onMouseDown(1);
  // A point turned 0.4 about the fore-and-aft axis, then -0.78 about the vertical.
  const double x = before.LeechView(1, 30), y = before.LeechView(2, 30), z = before.LeechView(3, 30);
  const double y1 = y * std::cos(0.4) + z * std::sin(0.4), z1 = z * std::cos(0.4) - y * std::sin(0.4);
  EXPECT_NEAR(f.m.LeechView(1, 30), x * std::cos(-0.78) + z1 * std::sin(-0.78), 1e-12);
  EXPECT_NEAR(f.m.LeechView(2, 30), y1, 1e-12);
  EXPECT_NE(f.layout.SeamLines[6](1, 50), seams.SeamLines[6](1, 50));
  EXPECT_EQ(f.layout.SeamLines[7](1, 50), seams.SeamLines[7](1, 50));  // above N: untouched
  for (int i = 1; i <= 100; ++i) ASSERT_EQ(f.m.MoldSections[3](1, i), before.MoldSections[3](1, i));
  EXPECT_EQ(f.m.ViewAngleX, before.ViewAngleX);
  EXPECT_EQ(f.Label40->caption(), banner);
  const std::vector<DrawOp>& ops = f.Picture1->ops();
  ASSERT_EQ(ops.size(), 1u + 4 * 21 + 7 * 21);
  EXPECT_EQ(ops[0].kind, DrawOp::Clear);
  EXPECT_EQ(opsOfColour(f, 13), 7 * 20);

  f.Command[11]->onMouseUp(1);
  for (int i = 1; i <= 100; ++i) {
    ASSERT_EQ(f.m.LeechView(1, i), before.LeechView(1, i));
    ASSERT_EQ(f.layout.SeamLines[3](3, i), seams.SeamLines[3](3, i));
  }
  EXPECT_EQ(opsOfColour(f, 13), 5 * 20);
}

// A seam's luff end dragged with the left button: the release lays the seams
// out again from the new end; the grab stays until the next press.
TEST_F(PanelsTest, DraggingASeamEnd) {
  Form1& f = panels();
  PanelLayout& L = f.layout;
  const Curve& luff = f.m.LuffCurve;
  f.Picture1_MouseDown(1, 0, L.SeamLines[5](1, 1), L.SeamLines[5](2, 1));
  ASSERT_EQ(L.GrabLuffSeam, 5);
  const double target = L.SeamLuffEnd[6] - 1;
  f.Picture1_MouseMove(1, 0, luff(1, static_cast<int>(target)), luff(2, static_cast<int>(target)));
  EXPECT_EQ(L.SeamLuffEnd[5], target);
  EXPECT_EQ(f.Picture1->drawMode(), kDrawCopyPen);
  f.Picture1_MouseUp(1, 0, 0, 0);
  EXPECT_EQ(L.GrabLuffSeam, 5);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(L.SeamLines[5](k, 1), luff(k, static_cast<int>(target)));
  // A release with nothing held still lays out once.
  countPaints(f);
  f.Picture1_MouseDown(1, 0, 1e6, 1e6);
  f.Picture1_MouseUp(1, 0, 1e6, 1e6);
  EXPECT_EQ(paints, 1);
  // The right button zooms in this frame too; the handles follow the scale.
  f.Picture1_MouseDown(2, 0, 0, 0);
  f.Picture1_MouseMove(2, 0, 0, 40);
  f.Picture1_MouseUp(2, 0, 0, 40);
  EXPECT_TRUE(f.Command[6]->isVisibleTo(&f));
  EXPECT_EQ(f.m.HandleSize, static_cast<double>(static_cast<float>(f.Picture1->scaleWidth() / 125)));
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
  ASSERT_EQ(L.GrabDividerTop, 1);
  f.Picture1_MouseMove(1, 0, L.SeamLines[1](1, 30), L.SeamLines[1](2, 30));
  EXPECT_EQ(L.DividerTopIndex, 30);
  countPaints(f);
  f.Picture1_MouseUp(1, 0, 0, 0);
  EXPECT_EQ(paints, 3);
  EXPECT_EQ(f.Check[2]->value(), 1);
  EXPECT_EQ(L.DividerTopIndex, 30);
  EXPECT_EQ(L.RadialUpperEnd[3][2], 61);
  PanelLayout expected = L;
  defaultFanEnds(expected, 0);
  for (int s = 0; s <= 1; ++s)
    for (int j = 0; j <= 5; ++j) EXPECT_EQ(L.RadialUpperEnd[s][j], expected.RadialUpperEnd[s][j]);
  EXPECT_EQ(L.RadialDivider[1][1], L.SeamLines[1](1, 30));
}

}  // namespace
}  // namespace kes::test
