// The Reinforcements frame in the window: its box chains and how often they
// preview, and the develop's files in a temporary folder, with Esc and a
// file that cannot be written.

#include "app_fixture.h"
#include "common/lines.h"

namespace kes::test {
namespace {

class ReinforceTest : public AppTest {
 protected:
  Form1& enter() {
    Form1& f = start();
    countRuns(f.Picture1->onPaint);
    f.Option[7]->setValue(true);
    return f;
  }
  // Each preview run repaints twice: its own refresh and the seam layout's.
  int previews() {
    const int n = runs / 2;
    runs = 0;
    return n;
  }
};

TEST_F(ReinforceTest, BoxChainsAndTheirPreviews) {
  Form1& f = enter();
  EXPECT_EQ(previews(), 1);  // entering the frame previews
  const struct {
    int box;
    const char *typed, *shown;
    int previews;
  } typing[] = {
      {37, "12.5", "12", 2},   // rewritten: the nested run previews too
      {37, "10", "10", 1},
      {38, "25", "20", 2},     // the clamp's nested run draws
      {39, "20.6", "20", 3},   // 21, then the clamp
      {41, "40000", "20", 2},  // too big for a whole number: kept, then clamped
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
  EXPECT_EQ(std::pair(f.Text[45]->text(), previews()), std::pair(std::string("6"), 1));
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
  previews();
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
  // The last patch's scratch file stays; the run ends with the preview.
  EXPECT_EQ(std::tuple(caption(), busyPointer(), read("temp.txt"), previews()),
            std::tuple("Developing: peak5.uc", false, read("peak5.uc"), 1));
  EXPECT_NE(read("bat0.uc").find("750 0 acut\r\n"), std::string::npos);
}

TEST_F(ReinforceTest, EscFinishesTheFileInHandThenStops) {
  Form1& f = enter();
  QCoreApplication::postEvent(f.Picture1, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  f.Command21_Click();
  EXPECT_EQ(std::pair(caption(), f.StopRequest), std::pair(std::string("Interrupted..."), 0));
  EXPECT_TRUE(has("tack1.uc") && has("rtack1.uc") && !has("tack2.uc") && !busyPointer() && !f.developRunning());
  // Turned, not left as first drawn.
  EXPECT_EQ(read("tack1.uc") + read("rtack1.uc"), read("temp.txt") + read("temp2.txt"));
}

// A plot file that cannot be written stops the run there (a scratch file
// that cannot be is in the develop tests' table).
TEST_F(ReinforceTest, AFileThatCannotBeWrittenStopsTheRun) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("clew2.uc"));  // a folder where the file must go
  Form1& f = enter();
  expectStops([&f] { f.Command21_Click(); }, "Cannot write clew2.uc");
  EXPECT_TRUE(has("clew1.uc") && !has("rclew2.uc") && !has("clew3.uc") && !has("head1.uc"));
}

// A patch whose points do not fit the plotter's numbers is a cut the table
// cannot make, not a disk fault: "Cannot cut rtack1.uc: a point lies beyond
// what the plotter takes", nothing of it written.
TEST_F(ReinforceTest, APatchThatCannotBeCutStopsTheRunNamingIt) {
  Form1& f = enter();
  f.Text[36]->setText("1e300");  // the reef-size copy's percentage
  f.Check[7]->setValue(1);       // reef points: copies kept
  f.NumReef[0]->setText("0");
  f.NumReef[1]->setText("0");
  expectStops([&f] { f.Command21_Click(); }, "Cannot cut rtack1.uc: a point lies beyond what the plotter takes");
  EXPECT_TRUE(!has("tack1.uc") && !has("rtack1.uc"));
}

}  // namespace
}  // namespace kes::test
