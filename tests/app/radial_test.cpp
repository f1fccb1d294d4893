// The radial "Develop" in the window: the default sail laid out radially
// (the band count capped to 6; fans 5 and 5, bands 5, 5, 5, 4, 3) and
// developed into a temporary folder.

#include <QTest>
#include <algorithm>
#include <tuple>

#include "app_fixture.h"
#include "common/lines.h"
#include "radial/radial_develop.h"

namespace kes::test {
namespace {

class RadialDevelopTest : public AppTest {
 protected:
  Form1& radial() {
    Form1& f = start();
    f.Option3_Click();
    f.Check[1]->setValue(1);  // "Radials": the layout caps the 10 bands to 6
    return f;
  }
};

TEST_F(RadialDevelopTest, DefaultRunWritesThirtyTwoTurnedFiles) {
  touch("radar.txt");
  touch("RAD9_9.uc");
  Form1& f = radial();
  ASSERT_EQ(f.layout.PanelCount, 6);
  f.StopRequest = 1;  // an Esc pressed before the run does not stop it
  f.Command10_Click();

  QStringList want{"radar.txt", "temp.txt"}, got = files();
  const int counts[7] = {5, 5, 5, 5, 5, 4, 3};
  for (int s = 0; s < 7; ++s)
    for (int n = 1; n <= counts[s]; ++n) want << QString::fromStdString(RadialFileName(s, n));
  ASSERT_EQ(want.size(), 34);
  for (const char* design : {"lastsail.sal", "lastsail.mld", "lastsail.pnl"}) got.removeAll(design);
  got.sort(Qt::CaseInsensitive);
  want.sort(Qt::CaseInsensitive);
  EXPECT_EQ(got, want);

  for (const QString& name : want.filter(".UC")) {
    SCOPED_TRACE(name.toStdString());
    const std::string text = read(qPrintable(name));
    const auto l = allLines(text);
    ASSERT_GT(l.size(), 2u);
    EXPECT_EQ(l.front() + "|" + l.back(), "start_plot|end_plot");
    std::string crlf;  // CR LF after every line and nowhere else
    for (const auto& s : l) crlf += s + "\r\n";
    EXPECT_EQ(crlf, text);
    // One knife path, ending on its first point.
    const auto down = std::find(l.begin(), l.end(), "0 pendown"), up = std::find(down, l.end(), "0 penup");
    ASSERT_TRUE(down != l.begin() && up != l.end());
    EXPECT_EQ(std::count(l.begin(), l.end(), "0 pendown"), 1);
    EXPECT_EQ(*(up - 1), *(down - 1));
    EXPECT_EQ(text.find("-0 "), std::string::npos);
  }
  EXPECT_EQ(read("temp.txt"), read("rad6_3.UC"));
  EXPECT_EQ(caption().rfind("Widest: Panel ", 0), 0u) << caption();
  EXPECT_TRUE(!busyPointer() && !f.developRunning());
}

// Esc, seen at the first file's event pass, stops the run after that file;
// the file stays unturned, temp.txt holds its turned copy.
TEST_F(RadialDevelopTest, EscStopsAfterTheCurrentFile) {
  Form1& f = radial();
  QCoreApplication::postEvent(&f, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  f.Command10_Click();
  EXPECT_EQ(files().filter(".UC"), QStringList{"rad0_1.UC"});
  const std::string flat = read("rad0_1.UC"), turned = read("temp.txt");
  EXPECT_TRUE(flat != turned && allLines(flat).size() == allLines(turned).size());
  EXPECT_TRUE(caption() == "Interrupted..." && f.StopRequest == 0 && !busyPointer() && !f.developRunning());
}

TEST_F(RadialDevelopTest, FailedWriteStopsWithItsName) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("rad0_2.UC"));  // a folder where a plot file goes
  Form1& f = radial();
  expectStops([&f] { f.Command10_Click(); }, "Cannot write rad0_2.UC");
  EXPECT_FALSE(has("rad0_3.UC"));
}

// "Stagger" with 20 tack panels and the divider dragged to stations 10 and
// 15 (set as a drag leaves them): a real click on "Develop" stops at the first panel whose seams cross
// the divider so that its knife would cut into its sewing line, with its name and why in the caption
// and a message box; that file is
// never written, the ones before it are (rad0_16, a thin wedge, is cut round its outline).
TEST_F(RadialDevelopTest, ClickOnDevelopRefusesAPanelThatCannotBeCut) {
  Form1& f = radial();
  f.Check[3]->setValue(1);  // "Stagger"
  f.Text[21]->setText("20");
  PanelLayout& L = f.layout;
  L.DividerTopIndex = 10;  // where a drag leaves the divider's ends
  L.DividerFootIndex = 15;
  f.LayoutCrosscutSeams();
  ASSERT_EQ(std::tuple(L.DividerTopIndex, L.DividerFootIndex, L.RadialCount[0]), std::tuple(10, 15, 20));
  expectStops([&f] { QTest::mouseClick(f.Command[10], Qt::LeftButton); },
              "Cannot cut rad0_17.UC: the knife would cut into its sewing line");
  EXPECT_TRUE(has("rad0_16.UC") && !has("rad0_17.UC") && !has("rad1_1.UC"));
}

}  // namespace
}  // namespace kes::test
