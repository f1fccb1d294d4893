// The crosscut develop in the window: the files it writes, the report, the
// caption, Esc, a close during the run, failed writes, a cut that cannot be
// made, the event gate, the panel count from a width and the report shown in
// the desktop's viewer.

#include <QFile>
#include <QMouseEvent>
#include <QTest>

#include "app_fixture.h"
#include "develop/plot_file.h"
#include "platform/documents.h"

namespace kes::test {
namespace {

inline std::vector<std::string> openedDocuments;
inline bool documentsOpen = true;
bool recordOpen(const std::string& name) {
  openedDocuments.push_back(name);
  return documentsOpen;
}

class DevelopTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    openedDocuments.clear();
    documentsOpen = true;
    setDocumentOpenerHook(&recordOpen);
  }
  void TearDown() override {
    setDocumentOpenerHook(nullptr);
    AppTest::TearDown();
  }

  // The window in the Panels frame with n panels laid out and a test font.
  Form1& panels(const char* n) {
    Form1& f = start();
    touch("test.fnt", "\"P\",2,0,0,0,8\r\n\"1\",2,4,0,4,8\r\n");
    f.strokeFontFile = "test.fnt";
    f.Option3_Click();
    f.Text[15]->setText(n);
    return f;
  }

  std::vector<std::string> lines(const char* name) const { return allLines(read(name)); }
};

TEST_F(DevelopTest, ThreePanelsBothFeetTheReportAndTheViewer) {
  Form1& f = panels("3");
  f.StopRequest = 1;  // an Esc from before the run does not stop it
  f.Command8_Click();
  EXPECT_EQ(files(), (QStringList{"lensfoot.uc", "pnl1.UC", "pnl2.UC", "pnl3.UC", "results.txt", "temp.txt",
                                   "test.fnt", "twstfoot.uc"}));
  EXPECT_EQ(read("pnl1.UC").substr(0, 21), "start_plot\r\n1 penup\r\n");  // lettered with the test font
  const auto report = lines("results.txt");
  ASSERT_EQ(report.size(), 2u + 5 + 4 + 6);
  EXPECT_EQ(std::tuple(report[5].substr(0, 11), caption().rfind("Widest Panel ", 0), openedDocuments),
            std::tuple("lensfoot.uc", 0u, std::vector<std::string>{"results.txt"}));
  EXPECT_TRUE(f.StopRequest == 0 && !busyPointer() && !f.developRunning());
  EXPECT_EQ(f.layout.PanelCount, 3);  // the layout stands again after the foot passes

  // A second run appends a second table; without "&Show Results" no viewer.
  f.dummy33_Click();
  f.Command8_Click();
  EXPECT_EQ(std::pair(lines("results.txt").size(), openedDocuments.size()), (std::pair<std::size_t, std::size_t>(2 * (2 + 5 + 4 + 6), 1)));
}

TEST_F(DevelopTest, ClearingTakesPlotFilesOnlyAndAStaleTwistFoot) {
  Form1& f = panels("1");
  for (const char* name : {"pnlsail.sal", "pnl.txt", "PNL7.UC", "panl2.pic", "twstfoot.uc", "other.uc"}) touch(name);
  f.ShelfFoot_Click();
  f.TwistFoot_Click();
  f.Command8_Click();
  for (const char* name : {"pnlsail.sal", "pnl.txt", "other.uc", "pnl1.UC"}) EXPECT_TRUE(has(name)) << name;
  for (const char* name : {"PNL7.UC", "panl2.pic", "twstfoot.uc", "lensfoot.uc"}) EXPECT_FALSE(has(name)) << name;
  // One panel: head tabling above, the foot tabling on the sail's foot.
  EXPECT_EQ(lines("results.txt").size(), 2u + 1 + 4 + 6);
}

// Esc and closing the window both stop the run after its first file: no
// totals, no viewer; closed, the window keeps the design as it closes.
TEST_F(DevelopTest, EscOrCloseStopsAfterTheCurrentFile) {
  for (const bool close : {true, false}) {
    for (const QString& name : files()) QFile::remove(name);
    Form1& f = panels("4");
    if (close)
      QMetaObject::invokeMethod(&f, "close", Qt::QueuedConnection);
    else
      QCoreApplication::postEvent(f.Text[15], new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    f.Command8_Click();
    EXPECT_TRUE(has("pnl1.UC") && !has("pnl2.UC") && !has("lensfoot.uc") && caption() == "Interrupted...");
    EXPECT_TRUE(f.StopRequest == 0 && !busyPointer() && openedDocuments.empty());
    EXPECT_EQ(lines("results.txt").size(), 2u);  // the heads only: no line for the stopped file
    EXPECT_EQ(std::pair(f.isVisible(), f.designSaves), std::pair(!close, close ? 1 : 0));
  }
  // The Esc went to the run, not to the box; the next run is whole.
  form->Command8_Click();
  EXPECT_TRUE(has("pnl4.UC"));
}

TEST_F(DevelopTest, DuringARunOnlyRepaintsAndEscGetThrough) {
  Form1& f = panels("2");
  const std::string count = f.Text[15]->text();
  focus(f.Text[15]);
  QCoreApplication::postEvent(f.Text[15], new QKeyEvent(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, "7"));
  const QPointF at = QRectF(f.Command[8]->rect()).center();
  for (const auto& [type, held] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton}, {QEvent::MouseButtonRelease, Qt::NoButton}})
    QCoreApplication::postEvent(f.Command[8], new QMouseEvent(type, at, f.Command[8]->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier));
  f.Command8_Click();
  EXPECT_EQ(f.Text[15]->text(), count);
  EXPECT_EQ(lines("results.txt").size(), 2u + 4 + 4 + 6);  // one run, not two
  f.beginDevelopRun({});  // a Develop or "?" click while a run is on starts nothing
  f.Command8_Click();
  f.Command9_Click();
  f.endDevelopRun();
  EXPECT_EQ(std::pair(inputs.size(), lines("results.txt").size()), (std::pair<std::size_t, std::size_t>(0, 2 + 4 + 4 + 6)));
}

// A plot file that cannot be written: the files before it stay, no totals.
TEST_F(DevelopTest, AFailedWriteStopsTheRunAndSaysWhichFile) {
  Form1& f = panels("3");
  ASSERT_TRUE(QDir(dir.path()).mkdir("pnl2.UC"));
  expectStops([&f] { f.Command8_Click(); }, "Cannot write pnl2.UC");
  EXPECT_TRUE(has("pnl1.UC") && !has("pnl3.UC"));
  EXPECT_EQ(read("results.txt").find("Widest:"), std::string::npos);
}

// A report or scratch file that cannot be written stops every develop before
// it deletes anything: the old plot file stays as it was. A folder stands in
// the file's place, which fails for root too (file modes do not stop root).
TEST_F(DevelopTest, AFileWrittenInPlaceThatCannotBeStopsTheRunBeforeItDeletes) {
  const struct {
    const char *blocked, *plot;
    void (Form1::*develop)();
  } cases[] = {{"results.txt", "pnl1.UC", &Form1::Command8_Click},
               {"temp.txt", "pnl2.UC", &Form1::Command8_Click},
               {"temp.txt", "rad0_1.UC", &Form1::Command10_Click},
               {"temp.txt", "tack1.uc", &Form1::Command21_Click},
               {"temp2.txt", "tack1.uc", &Form1::Command21_Click}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.blocked + std::string(" ") + c.plot);
    for (const QString& name : files()) QFile::remove(name);
    Form1& f = panels("3");
    if (c.develop == &Form1::Command10_Click) f.Check[1]->setValue(1);
    touch(c.plot);
    ASSERT_TRUE(QDir(dir.path()).mkdir(c.blocked));
    expectStops([&] { (f.*c.develop)(); }, std::string("Cannot write ") + c.blocked);
    EXPECT_EQ(read(c.plot), "x\r\n");
    ASSERT_TRUE(QDir(dir.path()).rmdir(c.blocked));
  }
}

// The plot-file editor's font letters the panels whatever the case of its name.
TEST_F(DevelopTest, TheUsersFontIsFoundInAnyCase) {
  Form1& f = panels("1");
  f.ShelfFoot_Click();
  f.TwistFoot_Click();
  ASSERT_TRUE(QFile::copy("test.fnt", "QUILDA.FNT"));
  f.strokeFontFile = "quilda.fnt";
  f.Command8_Click();
  const std::string upper = read("pnl1.UC");
  f.strokeFontFile = "test.fnt";
  f.Command8_Click();
  EXPECT_EQ(upper, read("pnl1.UC"));
}

// A seam allowance typed as 1e9 puts the knife of every panel below the head
// a billion inches off its outline: a real click on "Develop" stops at the
// first of them with its name and why in the caption and a message box. Nothing of
// that file is left, neither the plot file nor a scratch or half-written
// copy, and the report holds the table's heads only.
TEST_F(DevelopTest, ClickOnDevelopRefusesAPanelThatCannotBeCut) {
  Form1& f = panels("3");
  touch("pnl1.UC");  // an old plot file: cleared as every run clears it
  focus(f.Text[16]);
  f.Text[16]->selectAll();
  QTest::keyClicks(f.Text[16], "1e9");
  ASSERT_EQ(f.Text[16]->text(), "1e9");
  expectStops([&f] { QTest::mouseClick(f.Command[8], Qt::LeftButton); },
              "Cannot cut pnl1.UC: a point lies beyond what the plotter takes");
  EXPECT_EQ(messages[0].title, "Kestrova");
  EXPECT_EQ(files(), (QStringList{"results.txt", "test.fnt"}));
  EXPECT_TRUE(lines("results.txt").size() == 2u && openedDocuments.empty());
}

TEST_F(DevelopTest, PanelCountFromAWidthAndTheViewerMessage) {
  Form1& f = panels("3");
  answers = {"24"};
  f.Command9_Click();
  ASSERT_EQ(inputs.size(), 1u);
  EXPECT_EQ(inputs[0].prompt + "|" + inputs[0].title + "|" + inputs[0].defaultText,
            "If you don't know how many panels you need, enter the maxium panel width:|Panel Width|24");
  const std::string counted = f.Text[15]->text();
  EXPECT_TRUE(counted != "3" && f.layout.PanelCount == layoutCount(counted));
  f.Command9_Click();  // cancelled
  EXPECT_EQ(f.Text[15]->text(), counted);

  documentsOpen = false;
  messages.clear();
  f.showDocument("results.txt");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].title + ": " + messages[0].prompt, "Kestrova: No program was found to show results.txt.");
}

}  // namespace
}  // namespace kes::test
