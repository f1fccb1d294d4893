// The radial "Develop" in the window: the default sail laid out radially
// (the band count capped to 6; fans 5 and 5, bands 5, 5, 5, 4, 3) and
// developed into a temporary folder.

#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QKeyEvent>

#include "app_fixture.h"
#include "common/lines.h"
#include "develop/plot_file.h"
#include "radial/radial_develop.h"

namespace kes::test {
namespace {

std::string readFile(const QString& name) {
  QFile f(name);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll().toStdString();
}

class RadialDevelopTest : public AppTest {
 protected:
  Form1& radial() {
    Form1& f = start();
    f.Option3_Click();
    f.Check[1]->setValue(1);  // "Radials": the layout caps the 10 bands to 6
    return f;
  }
  static std::string caption(const Form1& f) { return f.windowTitle().toStdString(); }
  static void pressEsc(Form1& f) {
    QCoreApplication::postEvent(&f,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  }
};

std::vector<std::string> expectedNames() {
  std::vector<std::string> names;
  const int counts[7] = {5, 5, 5, 5, 5, 4, 3};
  for (int s = 0; s < 7; ++s)
    for (int n = 1; n <= counts[s]; ++n) names.push_back(RadialFileName(s, n));
  return names;
}

TEST_F(RadialDevelopTest, DefaultRunWritesThirtyTwoTurnedFiles) {
  touch("radar.txt");
  touch("RAD9_9.uc");
  Form1& f = radial();
  ASSERT_EQ(f.layout.PanelCount, 6);
  f.StopRequest = 1;  // an Esc pressed before the run does not stop it
  f.Command10_Click();

  const std::vector<std::string> names = expectedNames();
  ASSERT_EQ(names.size(), 32u);
  QStringList want;
  for (const auto& n : names) want << QString::fromStdString(n);
  want << "radar.txt"
       << "temp.txt";
  QStringList got = files();
  got.removeAll("lastsail.sal");
  got.removeAll("lastsail.mld");
  got.removeAll("lastsail.pnl");
  got.sort(Qt::CaseInsensitive);
  want.sort(Qt::CaseInsensitive);
  EXPECT_EQ(got, want);

  for (const auto& name : names) {
    SCOPED_TRACE(name);
    const std::string text = readFile(QString::fromStdString(name));
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.rfind("start_plot\r\n", 0), 0u);
    EXPECT_EQ(text.substr(text.size() - 10), "end_plot\r\n");
    // CR LF after every line and nowhere else.
    std::size_t crlf = 0, lf = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
      if (text[i] == '\n') {
        ++lf;
        if (i > 0 && text[i - 1] == '\r') ++crlf;
      }
    EXPECT_EQ(crlf, lf);
    // One knife path, ending on its first point.
    const auto l = allLines(text);
    int knives = 0;
    for (std::size_t i = 1; i < l.size(); ++i)
      if (l[i] == "0 pendown") {
        ++knives;
        std::size_t up = i;
        while (up < l.size() && l[up] != "0 penup") ++up;
        ASSERT_LT(up, l.size());
        EXPECT_EQ(l[up - 1], l[i - 1]);
      }
    EXPECT_EQ(knives, 1);
    for (const auto& s : l) EXPECT_EQ(s.find("-0 "), std::string::npos) << s;
  }
  EXPECT_EQ(readFile("temp.txt"), readFile("rad6_3.UC"));
  EXPECT_EQ(caption(f).rfind("Widest: Panel ", 0), 0u) << caption(f);
  EXPECT_EQ(caption(f).substr(caption(f).size() - 7), " inches");
  EXPECT_FALSE(busyPointer());
  EXPECT_EQ(f.cursor().shape(), Qt::ArrowCursor);
  EXPECT_FALSE(f.developRunning());
}

TEST_F(RadialDevelopTest, EscStopsAfterTheCurrentFile) {
  Form1& f = radial();
  pressEsc(f);  // seen at the first file's event pass
  f.Command10_Click();
  EXPECT_EQ(caption(f), "Interrupted...");
  EXPECT_EQ(f.StopRequest, 0);
  QStringList plots = files().filter(".UC");
  EXPECT_EQ(plots, QStringList{"rad0_1.UC"});
  // The file stays unturned; temp.txt holds its turned copy.
  const std::string flat = readFile("rad0_1.UC"), turned = readFile("temp.txt");
  EXPECT_NE(flat, turned);
  EXPECT_EQ(allLines(flat).size(), allLines(turned).size());
  EXPECT_FALSE(busyPointer());
  EXPECT_FALSE(f.developRunning());
}

// Closing the window during a run stops it as Esc does, then closes it.
TEST_F(RadialDevelopTest, CloseStopsTheRunThenCloses) {
  Form1& f = radial();
  ASSERT_TRUE(f.isVisible());
  QCoreApplication::postEvent(&f, new QCloseEvent);
  f.Command10_Click();
  EXPECT_EQ(files().filter(".UC"), QStringList{"rad0_1.UC"});
  EXPECT_FALSE(f.isVisible());
  EXPECT_FALSE(f.developRunning());
}

TEST_F(RadialDevelopTest, FailedWriteStopsWithItsName) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("rad0_2.UC"));  // a folder where a plot file goes
  Form1& f = radial();
  messages.clear();
  f.Command10_Click();
  EXPECT_EQ(caption(f), "Cannot write rad0_2.UC");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].prompt, "Cannot write rad0_2.UC");
  EXPECT_FALSE(QFile::exists("rad0_3.UC"));
  EXPECT_FALSE(f.developRunning());
}

TEST_F(RadialDevelopTest, MillimetresInTheClosingCaption) {
  Form1& f = radial();
  f.Millimeters_Click();
  f.Check[1]->setValue(0);
  f.Check[1]->setValue(1);
  f.Command10_Click();
  EXPECT_EQ(caption(f).substr(caption(f).size() - 3), " mm") << caption(f);
}

}  // namespace
}  // namespace kes::test
