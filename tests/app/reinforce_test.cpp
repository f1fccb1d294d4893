// The Reinforcements frame in the window: its box chains and how often they
// preview, and the develop's files in a temporary folder, with Esc and a
// file that cannot be written.

#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>

#include "app_fixture.h"
#include "common/lines.h"

namespace kes::test {
namespace {

// No fraction, NaN or infinity in a plot file.
bool wholeNumbers(const std::string& text) {
  return text.find('.') == std::string::npos && text.find("nan") == std::string::npos &&
         text.find("inf") == std::string::npos;
}

class ReinforceTest : public AppTest {
 protected:
  Form1& enter() {
    Form1& f = start();
    f.Option[7]->setValue(true);
    const auto paint = f.Picture1->onPaint;
    f.Picture1->onPaint = [this, paint] {
      ++paints;
      paint();
    };
    return f;
  }
  // Each preview run repaints twice: its own refresh and the seam layout's.
  int previews() {
    const int n = paints / 2;
    paints = 0;
    return n;
  }
  // A light cyan pixel near the middle of the first tack layer's edge.
  bool tackLayerDrawn() const {
    const SailModel& m = form->m;
    const double x = (m.LuffCurve(1, 10) + m.FootCurve(1, 90)) / 2;
    const double y = (m.LuffCurve(2, 10) + m.FootCurve(2, 90)) / 2;
    const double px = form->Picture1->scaleWidth() / form->Picture1->width();
    for (int i = -3; i <= 3; ++i)
      for (int j = -3; j <= 3; ++j)
        if (form->Picture1->colourAt(x + i * px, y + j * px) == QColor(0, 255, 255)) return true;
    return false;
  }
  std::string read(const char* name) const {
    QFile f(QDir(dir.path()).filePath(QString::fromLatin1(name)));
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "(missing)";
  }
  std::string title() const { return form->windowTitle().toStdString(); }
  bool has(const char* name) const { return files().contains(name); }
  int paints = 0;
};

TEST_F(ReinforceTest, BoxChainsAndTheirPreviews) {
  Form1& f = enter();
  EXPECT_TRUE(tackLayerDrawn());  // entering the frame previews
  const struct {
    int box;
    const char *typed, *shown;
    int previews;
  } typing[] = {
      {37, "12.5", "12", 2},   // rewritten: the nested run previews too
      {37, "10", "10", 1},
      {38, "25", "20", 2},     // the clamp's nested run draws
      {38, "20.", "20", 2},    // a typed point vanishes
      {39, "20.6", "20", 3},   // 21, then the clamp
      {41, "40000", "20", 2},  // too big for a whole number: kept, then clamped
      {40, "-2.5", "-2", 2},
      {43, "7.2", "7", 2},     // bar to 7, which writes "7" back
      {43, "-3", "-3", 1},     // refused by the bar: the box keeps it
      {44, "12", "10", 2},     // refused, then clamped; the bar follows
  };
  for (const auto& t : typing) {
    previews();
    f.Text[t.box]->setText(t.typed);
    EXPECT_EQ(f.Text[t.box]->text(), t.shown) << t.box << " " << t.typed;
    EXPECT_EQ(previews(), t.previews) << t.box << " " << t.typed;
  }
  EXPECT_TRUE(f.HScroll[2]->value() == 7 && f.HScroll[3]->value() == 10);
  f.HScroll[4]->setValue(6);  // the bar's box follows and previews once
  EXPECT_EQ(f.Text[45]->text(), "6");
  EXPECT_EQ(previews(), 1);
  f.Text[36]->setText("80");  // settings of the develop only
  f.Check[6]->setValue(0);
  EXPECT_EQ(previews(), 0);

  // While a design loads the preview draws nothing; the next one clamps every
  // box over its limit, one nested run each, and draws once more.
  f.LoadingFlag = 1;
  f.Text[37]->setText("30");
  f.Text[45]->setText("15");
  f.Command22_Click();
  EXPECT_EQ(previews(), 0);
  f.LoadingFlag = 0;
  f.Option[10]->setValue(true);
  EXPECT_EQ(f.Text[37]->text() + " " + f.Text[45]->text(), "20 10");
  EXPECT_EQ(previews(), 3);
}

TEST_F(ReinforceTest, DevelopWritesEveryFileAndClearsOnlyItsOwnPatterns) {
  Form1& f = enter();
  for (const char* stale : {"tack9.uc", "PEAK7.UC", "bat3.uc", "Reef12.uc", "rclew8.uc"}) touch(stale);
  for (const char* other : {"pnl1.uc", "rad1_2.UC", "notes.txt", "tack.txt"}) touch(other);
  f.BatLngth[0]->setText("36");
  f.BatLngth[2]->setText("30");
  f.NumReef[0]->setText("4");
  f.StopRequest = 1;  // an Esc pressed before the run does not stop it
  f.Command21_Click();

  QStringList expected = {"bat0.uc",  "bat2.uc", "reef1.uc",  "reef2.uc", "temp.txt",
                          "temp2.txt", "pnl1.uc", "rad1_2.UC", "notes.txt", "tack.txt"};
  for (int t = 1; t <= 5; ++t)
    for (const char* stem : {"tack", "rtack", "clew", "rclew", "head", "peak"})
      expected << QString("%1%2.uc").arg(stem).arg(t);
  QStringList got = files();
  got.sort();
  expected.sort();
  EXPECT_EQ(got, expected);
  EXPECT_EQ(title(), "Developing: peak5.uc");
  EXPECT_EQ(read("temp.txt"), read("peak5.uc"));  // the last patch's scratch files stay
  EXPECT_FALSE(busyPointer());
  // Written as the run made them: whole coordinates, CR LF ends.
  EXPECT_EQ(read("rclew5.uc").rfind("start_plot\r\n", 0), 0u);
  EXPECT_TRUE(wholeNumbers(read("rclew5.uc")));
  EXPECT_NE(read("bat0.uc").find("750 0 acut\r\n"), std::string::npos);
  EXPECT_TRUE(tackLayerDrawn());  // the run ends with the preview

  f.Check[7]->setValue(0);  // no reef points: no diamonds, no copies
  f.Text[43]->setText("0");
  f.Command21_Click();
  EXPECT_TRUE(!has("reef1.uc") && !has("rclew1.uc") && !has("tack1.uc"));
  EXPECT_TRUE(has("clew1.uc") && has("temp2.txt"));
}

TEST_F(ReinforceTest, EscFinishesTheFileInHandThenStops) {
  Form1& f = enter();
  QCoreApplication::postEvent(f.Picture1, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  f.Command21_Click();
  EXPECT_EQ(title(), "Interrupted...");
  EXPECT_EQ(f.StopRequest, 0);
  EXPECT_TRUE(has("tack1.uc") && has("rtack1.uc") && !has("tack2.uc"));
  EXPECT_EQ(read("tack1.uc"), read("temp.txt"));  // turned, not left as first drawn
  EXPECT_EQ(read("rtack1.uc"), read("temp2.txt"));
  EXPECT_FALSE(busyPointer());
  EXPECT_FALSE(f.developRunning());
}

// While a run lets events through only repaints and Esc act: typing is
// swallowed, and closing the window stops the run as Esc does, then closes it.
TEST_F(ReinforceTest, OnlyEscAndCloseReachTheWindowDuringARun) {
  Form1& f = enter();
  focus(f.Text[37]);
  QCoreApplication::postEvent(f.Text[37], new QKeyEvent(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, "5"));
  f.Command21_Click();
  EXPECT_EQ(f.Text[37]->text(), "10");
  EXPECT_TRUE(has("head5.uc"));

  QCoreApplication::postEvent(&f, new QCloseEvent);
  f.Command21_Click();
  EXPECT_EQ(title(), "Interrupted...");
  EXPECT_FALSE(has("tack2.uc"));
  EXPECT_FALSE(f.isVisible());
}

// A recompute stopped at a zero luff leaves the model as it was; the
// preview and the develop still finish with whole coordinates.
TEST_F(ReinforceTest, ASailLeftByAStoppedRecompute) {
  Form1& f = enter();
  f.Text[1]->setText("0");
  f.Option[10]->setValue(true);
  f.Text[41]->setText("-1e300");
  f.Text[42]->setText("1");
  f.Command21_Click();
  EXPECT_EQ(title(), "Developing: peak5.uc");
  for (const char* name : {"tack5.uc", "clew5.uc", "head5.uc", "peak5.uc"})
    EXPECT_TRUE(wholeNumbers(read(name))) << name;
}

TEST_F(ReinforceTest, AFileThatCannotBeWrittenStopsTheRun) {
  Form1& f = enter();
  QDir d(dir.path());
  ASSERT_TRUE(d.mkdir("clew2.uc"));  // a folder where the file must go
  f.Command21_Click();
  EXPECT_EQ(title(), "Cannot write clew2.uc");
  ASSERT_EQ(messages.size(), 2u);  // the greeting, then the failure
  EXPECT_EQ(messages[1].prompt, "Cannot write clew2.uc");
  EXPECT_TRUE(has("clew1.uc") && !has("rclew2.uc") && !has("clew3.uc") && !has("head1.uc"));

  // A stale scratch file that cannot be replaced is never copied over a plot file.
  ASSERT_TRUE(d.rmdir("clew2.uc") && d.remove("temp.txt") && d.mkdir("temp.txt"));
  f.Command21_Click();
  EXPECT_EQ(title(), "Cannot write temp.txt");
  EXPECT_FALSE(has("tack1.uc"));

  // A copy size whose coordinates no plot file can hold.
  ASSERT_TRUE(d.rmdir("temp.txt"));
  f.Text[36]->setText("1e300");
  f.Command21_Click();
  EXPECT_EQ(title(), "Cannot write rtack1.uc");
  EXPECT_FALSE(has("tack1.uc"));
  EXPECT_FALSE(f.developRunning());
}

}  // namespace
}  // namespace kes::test
