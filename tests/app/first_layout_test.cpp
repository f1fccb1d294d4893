// The first seam layout, whatever runs it: a new user who opens the
// Reinforcements frame before the Panels frame gets the
// seams, the plot files and the report of one who opens the Panels frame
// first; a design saved before any layout was made is laid out when loaded.

#include <QTest>
#include <map>

#include "app_fixture.h"
#include "common/lines.h"

namespace kes::test {
namespace {

class FirstLayoutTest : public AppTest {
 protected:
  // The frame selectors clicked in order, then "Develop"; every file of the
  // folder afterwards, by name, with its bytes.
  std::map<std::string, std::string> developAfter(std::initializer_list<int> selectors, int developButton = 8) {
    Form1& f = *form;
    if (f.dummy33->checked()) f.dummy33_Click();  // no viewer for the report
    for (const int k : selectors) click(f.Option[k]);
    EXPECT_TRUE(f.Option[3]->value());
    QTest::mouseClick(f.Command[developButton], Qt::LeftButton);
    std::map<std::string, std::string> out;
    for (const QString& name : files()) out[name.toStdString()] = read(name.toLatin1().constData());
    return out;
  }

  std::vector<std::pair<double, double>> ends() const {
    std::vector<std::pair<double, double>> e;
    for (int j = 0; j <= form->layout.PanelCount; ++j) e.emplace_back(form->layout.SeamLuffEnd[j], form->layout.SeamLeechEnd[j]);
    return e;
  }
};

TEST_F(FirstLayoutTest, ReinforcementsFirstGivesTheSeamsFilesAndReportOfPanelsFirst) {
  start();
  const auto panelsFirst = developAfter({3});
  const auto seams = ends();
  ASSERT_TRUE(panelsFirst.count("pnl10.UC") && panelsFirst.count("results.txt"));
  const std::string widest = caption();

  // A new window in an empty folder: "R", then "P", then "Develop".
  for (const auto& [name, bytes] : panelsFirst) ASSERT_TRUE(QFile::remove(QDir(dir.path()).filePath(QString::fromStdString(name))));
  form.reset();
  start();
  EXPECT_EQ(files(), QStringList());
  click(form->Option[7]);
  EXPECT_EQ(ends(), seams);  // laid out by the preview already
  const auto reinforcementsFirst = developAfter({3});
  EXPECT_EQ(caption(), widest);
  ASSERT_EQ(reinforcementsFirst.size(), panelsFirst.size());
  for (const auto& [name, bytes] : panelsFirst)
    EXPECT_TRUE(reinforcementsFirst.count(name) && reinforcementsFirst.at(name) == bytes) << name;
}

// A panel file saved while its seam ends held nothing but the tack: its
// foot and head lines at 0 and every inner seam at point 1 of the luff and
// the leech. Loaded and developed, it gives the default seams' files.
TEST_F(FirstLayoutTest, ADesignSavedWithoutALayoutDevelopsLikeALaidOutOne) {
  start();
  const auto laidOut = developAfter({3});
  saveDesign("boat");
  std::vector<std::string> pnl = allLines(read("boat.pnl"));
  ASSERT_GE(pnl.size(), 42u + 2 * 11 + 2);
  std::string bytes;
  for (std::size_t i = 0; i < pnl.size(); ++i) {
    const bool end = i >= 42 && i < 42 + 2 * 11;  // seams 0..10, leech end then luff end
    const bool footOrHead = i < 44 || i >= 42 + 2 * 10;
    bytes.append(!end ? pnl[i] : footOrHead ? "0" : "1").append("\r\n");
  }
  touch("flat.pnl", bytes);
  for (const auto& [name, b] : laidOut)
    if (name != "results.txt") QFile::remove(QDir(dir.path()).filePath(QString::fromStdString(name)));

  // The next start, the unlaid design picked in the Files frame.
  form.reset();
  Form1& g = start();
  click(g.Option[4]);
  nameDesign("boat.sal", "boat.mld", "flat.pnl");
  g.Command12_Click();
  const auto loaded = developAfter({3});
  for (const auto& [name, b] : laidOut) {
    if (name.find(".uc") != std::string::npos || name.find(".UC") != std::string::npos) {
      EXPECT_TRUE(loaded.count(name) && loaded.at(name) == b) << name;
    }
  }
}

}  // namespace
}  // namespace kes::test
