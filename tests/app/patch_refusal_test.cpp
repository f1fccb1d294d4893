// Patch layers of no reach in the window: typed into the Reinforcements
// frame as a sailmaker would, "Develop" stops on the first layer without
// cloth, names it and says why, and leaves nothing of it on the disk.

#include <cmath>
#include <string>

#include <QTest>

#include "app_fixture.h"
#include "common/lines.h"
#include "develop/plot_file.h"

namespace kes::test {
namespace {

class PatchRefusalTest : public AppTest {
 protected:
  Form1& enter() {
    Form1& f = start();
    click(f.Option[7]);  // Reinforcements
    EXPECT_TRUE(f.FrameRein->isVisible());
    return f;
  }

  void develop(Form1& f, const std::string& message) {
    expectStops([&f] { QTest::mouseClick(f.Command[21], Qt::LeftButton); }, message);
  }

  // The knife path of a file on the disk encloses cloth: its own shoelace
  // area, in square plotter steps, over a strip two steps wide along it.
  bool holdsCloth(const char* name) const {
    double area = 0, length = 0;
    bool down = false, have = false;
    double x0 = 0, y0 = 0, px = 0, py = 0;
    const std::string bytes = read(name);
    LineReader lines(bytes);
    std::string_view line;
    while (lines.next(line)) {
      if (line == kKnifeDown) {
        down = true;
        x0 = px, y0 = py;
        continue;
      }
      if (line == kKnifeUp) break;
      if (line.find("acut") == std::string_view::npos) continue;
      const std::string l(line);
      const double x = std::stod(l), y = std::stod(l.substr(l.find(' ') + 1));
      if (down) {
        area += px * y - x * py;
        length += std::hypot(x - px, y - py);
        have = true;
      }
      px = x, py = y;
    }
    area += px * y0 - x0 * py;
    length += std::hypot(x0 - px, y0 - py);
    return have && std::fabs(area) / 2 > length;
  }
};

// "Tack %Luff" and "Tack %Foot" emptied to 0, three layers: every layer of
// the tack lies on its corner. Refused at the first, nothing of the tack
// written; the pockets and reef points before it stand.
TEST_F(PatchRefusalTest, ZeroTackReachTypedIsRefusedAtTheFirstLayer) {
  Form1& f = enter();
  clickAfterTextAndType(f.Text[37], "\b\b");
  clickAfterTextAndType(f.Text[38], "\b\b");
  clickAfterTextAndType(f.Text[43], "\b3");
  ASSERT_EQ(f.Text[37]->text() + " " + f.Text[38]->text() + " " + f.Text[43]->text(), "0 0 3");
  develop(f, "Cannot cut tack1.uc: its reach rounds to nothing; the reach allows no layers");
  for (const char* gone : {"tack1.uc", "rtack1.uc", "tack2.uc", "tack3.uc", "clew1.uc", "head1.uc"})
    EXPECT_FALSE(has(gone)) << gone;

  // A reach typed back lets the same run through.
  clickAfterTextAndType(f.Text[37], "\b5");
  clickAfterTextAndType(f.Text[38], "\b5");
  messages.clear();
  QTest::mouseClick(f.Command[21], Qt::LeftButton);
  EXPECT_TRUE(messages.empty());
  for (const char* name : {"tack1.uc", "rtack1.uc", "tack3.uc", "rtack3.uc", "clew5.uc", "peak5.uc"})
    EXPECT_TRUE(has(name) && holdsCloth(name)) << name;
}

// Ten tack layers at the default 10 %: from the sixth on the reach rounds
// to the tack. The five before it are written with their reef-size copies.
TEST_F(PatchRefusalTest, TenTackLayersStopAtTheSixthNamingWhatTheReachAllows) {
  Form1& f = enter();
  clickAfterTextAndType(f.Text[43], "\b10");
  ASSERT_EQ(f.HScroll[2]->value(), 10);
  develop(f, "Cannot cut tack6.uc: its reach rounds to nothing; the reach allows 5 layers");
  for (const char* name : {"tack1.uc", "rtack1.uc", "tack5.uc", "rtack5.uc"})
    EXPECT_TRUE(has(name) && holdsCloth(name)) << name;
  for (const char* gone : {"tack6.uc", "rtack6.uc", "tack7.uc", "clew1.uc"}) EXPECT_FALSE(has(gone)) << gone;
}

// The reef-size copy is the file that holds no cloth: named by its own name.
TEST_F(PatchRefusalTest, AReefCopyWithoutClothIsNamed) {
  Form1& f = enter();
  clickAfterTextAndType(f.Text[36], "\b\b0.5");  // "%Copy Size"
  develop(f, "Cannot cut rtack3.uc: at the reef size its reach rounds to nothing; the reach allows 2 layers");
  EXPECT_TRUE(has("tack2.uc") && has("rtack2.uc") && !has("tack3.uc") && !has("rtack3.uc"));
}

// A batten pocket of no width cuts nothing.
TEST_F(PatchRefusalTest, APocketOfNoWidthIsRefused) {
  Form1& f = enter();
  f.BatLngth[0]->setText("36");
  clickAfterTextAndType(f.Text[33], "\b\b\b\b0");  // "Width"
  develop(f, "Cannot cut bat0.uc: its size rounds to nothing");
  EXPECT_FALSE(has("bat0.uc") || has("tack1.uc"));
}

}  // namespace
}  // namespace kes::test
