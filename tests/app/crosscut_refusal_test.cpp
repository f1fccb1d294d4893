// The sample sail's crosscut seams on or across each other, through the
// window: a seam dragged onto its neighbour's ends with the mouse, seams
// that cross loaded from a panel file. A click on "Develop" stops at the
// panel with its file's name and why; nothing of that panel is written, no
// caption names a widest panel and the report counts only the panels cut
// before it.

#include <QTest>

#include "app_fixture.h"
#include "develop/plot_file.h"

namespace kes::test {
namespace {

class CrosscutRefusalTest : public AppTest {
 protected:
  // The window in the Panels frame with its first layout of ten panels and a test font.
  Form1& panels() {
    Form1& f = start();
    touch("test.fnt", "\"P\",2,0,0,0,8\r\n\"1\",2,4,0,4,8\r\n");
    f.strokeFontFile = "test.fnt";
    f.Option[3]->setValue(true);  // "P"
    return f;
  }

  // A handle of seam `seam` (point 1 on the luff, 100 on the leech) dragged
  // with the left button onto point `to` of the curve that carries it.
  void drag(int seam, bool luff, int to) {
    Form1& f = *form;
    const Curve& line = f.layout.SeamLines[seam];
    const Curve& carrier = luff ? f.m.LuffCurve : f.m.LeechCurve;
    const int at = luff ? 1 : 100;
    f.Picture1_MouseDown(1, 0, line(1, at), line(2, at));
    ASSERT_EQ(luff ? f.layout.GrabLuffSeam : f.layout.GrabLeechSeam, seam);
    f.Picture1_MouseMove(1, 0, carrier(1, to), carrier(2, to));
    f.Picture1_MouseUp(1, 0, carrier(1, to), carrier(2, to));
  }

  void clickDevelop() { QTest::mouseClick(form->Command[8], Qt::LeftButton); }

  std::vector<std::string> report() const { return allLines(read("results.txt")); }
};

// Seam 3 dragged onto seam 2's luff end (6) and leech end (80), as the drag
// lets a seam end meet its neighbour's point: pnl3.UC was written, 3.6 in
// of allowance round nothing, under "Widest Panel 4 is 26.12 inches".
TEST_F(CrosscutRefusalTest, ASeamDraggedOntoItsNeighbourStopsDevelopAtItsPanel) {
  Form1& f = panels();
  const PanelLayout& L = f.layout;
  ASSERT_EQ(std::tuple(L.PanelCount, L.SeamLuffEnd[2], L.SeamLeechEnd[2]), std::tuple(10, 6.0, 80.0));
  drag(3, true, 6);
  drag(3, false, 80);
  ASSERT_EQ(std::tuple(L.SeamLuffEnd[3], L.SeamLeechEnd[3]), std::tuple(6.0, 80.0));
  touch("pnl3.UC");  // an old plot file: cleared as every run clears it
  expectStops([&] { clickDevelop(); }, "Cannot cut pnl3.UC: its seams lie on each other");
  EXPECT_EQ(files(), (QStringList{"pnl1.UC", "pnl2.UC", "results.txt", "temp.txt", "test.fnt"}));
  const std::vector<std::string> lines = report();
  ASSERT_EQ(lines.size(), 2u + 2);  // the table's heads, pnl1.UC and pnl2.UC
  EXPECT_EQ(lines[3].substr(0, 7), "pnl2.UC");
}

// A panel file whose seams 3 and 4 both end at leech point 5 of ten panels:
// seam 4 runs across seams 5 to 9. Develop wrote every file over each other
// ("Widest Panel 3 is 89.99 inches", a sail of 8408.0 sq. inches for one of
// 6170.7); it now cuts panels 1 to 4 (4 a wedge between two seams ending at
// point 5) and stops at panel 5.
TEST_F(CrosscutRefusalTest, CrossingSeamsFromAPanelFileStopDevelopAtTheFirstPanelOverItsNeighbours) {
  Form1& f = panels();
  saveDesign("x");
  std::vector<std::string> pnl = allLines(read("x.pnl"));
  // After the 42 fixed lines, each seam's leech end then its luff end.
  ASSERT_EQ(std::tuple(pnl.at(42 + 2 * 3), pnl.at(42 + 2 * 4)), std::tuple(" 70 ", " 60 "));
  pnl[42 + 2 * 3] = pnl[42 + 2 * 4] = " 5 ";
  std::string text;
  for (const std::string& l : pnl) text += l + "\r\n";
  touch("x.pnl", text);
  f.Option[4]->setValue(true);  // "F": the design loaded there
  nameDesign("x.sal", "x.mld", "x.pnl");
  f.Command12_Click();
  f.Option[3]->setValue(true);  // "P": the seams laid out from the loaded ends
  ASSERT_EQ(std::tuple(f.layout.SeamLeechEnd[3], f.layout.SeamLeechEnd[4]), std::tuple(5.0, 5.0));
  expectStops([&] { clickDevelop(); }, "Cannot cut pnl5.UC: its seams cross each other");
  for (const char* name : {"pnl1.UC", "pnl2.UC", "pnl3.UC", "pnl4.UC"}) EXPECT_TRUE(has(name)) << name;
  for (const char* name : {"pnl5.UC", "pnl6.UC", "pnl10.UC", "lensfoot.uc", "twstfoot.uc"})
    EXPECT_FALSE(has(name)) << name;
  // The load wrote the report's header; the run added the table's heads and four lines.
  const std::vector<std::string> lines = report();
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines[lines.size() - 6].substr(0, 5), "Panel");
  EXPECT_EQ(lines.back().substr(0, 7), "pnl4.UC");
  EXPECT_EQ(read("results.txt").find("Widest"), std::string::npos);
}

}  // namespace
}  // namespace kes::test
