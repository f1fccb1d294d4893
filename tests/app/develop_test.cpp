// The crosscut develop in the window: the files it writes, the report, the
// caption, Esc, a close during the run, failed writes, the event gate, the
// panel count from a width and the report shown in the desktop's viewer.

#include <QFile>
#include <QMouseEvent>

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
    QFile font(dir.filePath("test.fnt"));
    EXPECT_TRUE(font.open(QIODevice::WriteOnly) && font.write("\"P\",2,0,0,0,8\r\n\"1\",2,4,0,4,8\r\n") > 0);
    font.close();
    f.strokeFontFile = "test.fnt";
    f.Option3_Click();
    f.Text[15]->setText(n);
    return f;
  }

  std::string read(const char* name) const {
    QFile file(dir.filePath(QString::fromLatin1(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
  }
  std::vector<std::string> lines(const char* name) const { return allLines(read(name)); }
  bool exists(const char* name) const { return QFileInfo(dir.filePath(QString::fromLatin1(name))).isFile(); }
  std::string caption() const { return form->windowTitle().toStdString(); }
};

TEST_F(DevelopTest, ThreePanelsBothFeetTheReportAndTheViewer) {
  Form1& f = panels("3");
  f.StopRequest = 1;  // an Esc from before the run does not stop it
  f.Command8_Click();
  for (const char* name : {"pnl1.UC", "pnl2.UC", "pnl3.UC", "lensfoot.uc", "twstfoot.uc", "temp.txt"})
    EXPECT_TRUE(exists(name)) << name;
  EXPECT_FALSE(exists("pnl4.UC"));
  const std::string pnl1 = read("pnl1.UC");
  ASSERT_GT(pnl1.size(), 1000u);
  EXPECT_EQ(pnl1.substr(0, 21), "start_plot\r\n1 penup\r\n");  // lettered with the test font
  EXPECT_EQ(pnl1.substr(pnl1.size() - 10), "end_plot\r\n");
  const auto report = lines("results.txt");
  ASSERT_EQ(report.size(), 2u + 5 + 4 + 6);
  EXPECT_EQ(report[2].substr(0, 14), "pnl1.UC       ");
  EXPECT_EQ(report[5].substr(0, 11), "lensfoot.uc");
  EXPECT_EQ(report[6].substr(0, 11), "twstfoot.uc");
  EXPECT_EQ(caption().rfind("Widest Panel ", 0), 0u);
  EXPECT_NE(caption().find(" inches"), std::string::npos);
  EXPECT_EQ(f.StopRequest, 0);
  EXPECT_FALSE(busyPointer());
  EXPECT_FALSE(f.developRunning());
  EXPECT_EQ(openedDocuments, std::vector<std::string>{"results.txt"});
  // The layout stands again, seam line 1 rebuilt after the foot passes.
  EXPECT_EQ(f.layout.PanelCount, 3);

  // A second run appends a second table; without "&Show Results" no viewer.
  f.dummy33_Click();
  f.Command8_Click();
  EXPECT_EQ(lines("results.txt").size(), 2u * (2 + 5 + 4 + 6));
  EXPECT_EQ(openedDocuments.size(), 1u);
}

TEST_F(DevelopTest, ClearingTakesPlotFilesOnlyAndAStaleTwistFoot) {
  Form1& f = panels("1");
  for (const char* name : {"pnlsail.sal", "pnl.txt", "PNL7.UC", "panl2.pic", "twstfoot.uc", "other.uc"}) touch(name);
  f.ShelfFoot_Click();
  f.TwistFoot_Click();
  f.Command8_Click();
  for (const char* name : {"pnlsail.sal", "pnl.txt", "other.uc", "pnl1.UC"}) EXPECT_TRUE(exists(name)) << name;
  for (const char* name : {"PNL7.UC", "panl2.pic", "twstfoot.uc", "lensfoot.uc"}) EXPECT_FALSE(exists(name)) << name;
  // One panel: head tabling above, the foot tabling on the sail's foot.
  EXPECT_EQ(lines("results.txt").size(), 2u + 1 + 4 + 6);
}

// Esc and closing the window both stop the run after its first file: no
// totals, no viewer; closed, the window keeps the design as it closes.
TEST_F(DevelopTest, EscOrCloseStopsAfterTheCurrentFile) {
  for (const bool close : {true, false}) {
    for (const QString& name : files()) QFile::remove(name);
    Form1& f = panels("4");
    if (close) {
      QMetaObject::invokeMethod(&f, "close", Qt::QueuedConnection);
    } else {
      QCoreApplication::postEvent(f.Text[15],
                                  new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    }
    f.Command8_Click();
    EXPECT_TRUE(exists("pnl1.UC"));
    EXPECT_FALSE(exists("pnl2.UC") || exists("lensfoot.uc"));
    EXPECT_EQ(caption(), "Interrupted...");
    EXPECT_EQ(f.StopRequest, 0);
    EXPECT_FALSE(busyPointer());
    EXPECT_EQ(lines("results.txt").size(), 2u);  // the heads only: no line for the stopped file
    EXPECT_TRUE(openedDocuments.empty());
    EXPECT_EQ(f.isVisible(), !close);
    EXPECT_EQ(f.designSaves, close ? 1 : 0);
  }
  // The Esc went to the run, not to the box; the next run is whole.
  form->Command8_Click();
  EXPECT_TRUE(exists("pnl4.UC"));
}

TEST_F(DevelopTest, DuringARunOnlyRepaintsAndEscGetThrough) {
  Form1& f = panels("2");
  const std::string count = f.Text[15]->text();
  focus(f.Text[15]);
  QCoreApplication::postEvent(f.Text[15], new QKeyEvent(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, "7"));
  const QPoint at = f.Command[8]->rect().center();
  QCoreApplication::postEvent(f.Command[8], new QMouseEvent(QEvent::MouseButtonPress, at, f.Command[8]->mapToGlobal(at),
                                                             Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
  QCoreApplication::postEvent(f.Command[8], new QMouseEvent(QEvent::MouseButtonRelease, at, f.Command[8]->mapToGlobal(at),
                                                             Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
  f.Command8_Click();
  EXPECT_EQ(f.Text[15]->text(), count);
  EXPECT_EQ(lines("results.txt").size(), 2u + 4 + 4 + 6);  // one run, not two
  // A Develop click that arrives while a run is on starts nothing.
  f.beginDevelopRun({});
  f.Command8_Click();
  f.Command9_Click();
  f.endDevelopRun();
  EXPECT_TRUE(inputs.empty());
  EXPECT_EQ(lines("results.txt").size(), 2u + 4 + 4 + 6);
}

TEST_F(DevelopTest, AFailedWriteStopsTheRunAndSaysWhichFile) {
  struct Case {
    const char* folder;
    const char* written;  // a file the run still wrote
  } cases[] = {{"pnl2.UC", "pnl1.UC"}, {"temp.txt", nullptr}};
  for (const Case& c : cases) {
    Form1& f = panels("3");
    QFile::remove(dir.filePath(c.folder));
    ASSERT_TRUE(QDir(dir.path()).mkdir(c.folder));
    messages.clear();
    f.Command8_Click();
    EXPECT_EQ(caption(), std::string("Cannot write ") + c.folder);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, std::string("Cannot write ") + c.folder);
    EXPECT_TRUE(c.written == nullptr || exists(c.written));
    EXPECT_FALSE(exists("pnl3.UC"));
    EXPECT_FALSE(f.developRunning());
    EXPECT_FALSE(busyPointer());
    EXPECT_EQ(read("results.txt").find("Widest:"), std::string::npos);  // no totals
    QDir(dir.path()).rmdir(c.folder);
    QFile::remove(dir.filePath("results.txt"));
  }
}

TEST_F(DevelopTest, PanelCountFromAWidthAndTheViewerMessage) {
  Form1& f = panels("3");
  answers = {"24"};
  f.Command9_Click();
  ASSERT_EQ(inputs.size(), 1u);
  EXPECT_EQ(inputs[0].prompt, "If you don't know how many panels you need, enter the maxium panel width:");
  EXPECT_EQ(inputs[0].title, "Panel Width");
  EXPECT_EQ(inputs[0].defaultText, "24");
  const std::string counted = f.Text[15]->text();
  EXPECT_NE(counted, "3");
  EXPECT_EQ(f.layout.PanelCount, layoutCount(counted));
  answers = {"5", "abc"};  // nothing left of the width; no number; then cancelled
  for (int k = 0; k < 3; ++k) {
    f.Command9_Click();
    EXPECT_EQ(f.Text[15]->text(), counted) << k;
  }

  documentsOpen = false;
  messages.clear();
  f.showDocument("results.txt");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].title, "Kestrova");
  EXPECT_EQ(messages[0].prompt, "No program was found to show results.txt.");
}

}  // namespace
}  // namespace kes::test
