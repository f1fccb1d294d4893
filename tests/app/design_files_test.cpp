// Saving, loading and picking designs in the Files frame, and the window's
// mends that matter once designs load, as a user meets them.

#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QWheelEvent>

#include "app_fixture.h"
#include "common/lines.h"
#include "platform/atomic_file.h"

namespace kes::test {
namespace {

// Picks the named entry of the sail list.
void pickSail(Form1& f, const std::string& name) {
  for (int i = 0; i < f.Combo1->listCount(); ++i)
    if (f.Combo1->listItem(i) == name) return f.Combo1->pick(i);
  ADD_FAILURE() << name << " not listed";
}

bool errorCaption(const Form1& f) { return f.windowTitle() == QLatin1String("Errors...wait"); }

TEST_F(AppTest, ExitSavesTheDesignAndTheNextStartBringsItBackByteForByte) {
  Form1& f = start();
  f.Text[1]->setText("120");
  f.Text[29]->setText("Caf\xC3\xA9 genoa");  // a Latin-1 character in a text line
  f.BatLngth[0]->setText("24, long");
  f.ent[3]->setText("30.5");
  f.Millimeters->choose();
  f.Text[15]->setText("7");
  f.Check[3]->setValue(1);
  f.Option[8]->setValue(true);
  f.HScroll[5]->setValue(5);
  f.ShelfFoot->choose();
  f.close();
  const std::string sal = read("lastsail.sal"), mld = read("lastsail.mld");
  const std::vector<std::string> pnl = allLines(read("lastsail.pnl"));
  EXPECT_EQ(std::tuple(allLines(sal).size(), allLines(sal)[1], allLines(mld).size(), pnl.size()),
            std::tuple(40u, "Caf\xE9 genoa", 25u, 110u));  // 7 panels: fans and bands 5,5,5,5,5,4,3

  // The next start loads every control back: saved again, the files come out the same.
  Form1& g = start();
  EXPECT_TRUE(!errorCaption(g) && g.Millimeters->checked() && !g.Inches->checked() && g.layout.PanelCount == 7);
  EXPECT_EQ(g.Text[29]->text(), "Caf\xC3\xA9 genoa");
  EXPECT_EQ(g.BattenHollow, 0.006);  // hollow 0 at start loads as 0.006
  EXPECT_EQ(allLines(read("results.txt"))[1], "Loaded Sail:  lastsail.sal");
  g.close();
  EXPECT_EQ(read("lastsail.sal") + read("lastsail.mld"), sal + mld);
  const std::vector<std::string> again = allLines(read("lastsail.pnl"));
  EXPECT_EQ(again.size(), 110u);
  EXPECT_EQ(std::vector(again.begin(), again.begin() + 41), std::vector(pnl.begin(), pnl.begin() + 41));
}

// Exit right after a pick in the sail list, the box still holding the
// keyboard: the last-used design is saved and nothing runs after it, so the
// report still begins with the picked design's header.
TEST_F(AppTest, NothingRunsAfterTheSaveAtExit) {
  Form1& f = start();
  saveDesign("genoa");
  click(f.Option[4]);
  focus(f.Combo1);
  for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Up}) press(key);  // through the list to genoa.sal
  ASSERT_EQ(f.Combo1->text(), "genoa.sal");
  ASSERT_EQ(allLines(read("results.txt"))[1], "Loaded Sail:  genoa.sal");
  const int loads = f.designLoads;
  f.close();
  EXPECT_EQ(std::tuple(f.designLoads, allLines(read("results.txt"))[1], allLines(read("lastsail.sal")).size()),
            std::tuple(loads, "Loaded Sail:  genoa.sal", 40u));
}

TEST_F(AppTest, LoadingWithAMissingMoldKeepsTheMoldBoxesAndStillRecomputes) {
  Form1& f = start();
  f.Text[1]->setText("150");
  saveDesign("a");
  QFile::remove("a.mld");
  f.Text[1]->setText("100");
  f.dep[2]->setText("13");
  f.Command12_Click();
  EXPECT_EQ(std::tuple(f.dep[2]->text(), f.LoadingFlag, f.m.LuffLength, errorCaption(f)),
            std::tuple("13", 0, 150, false));  // recomputed with the loaded luff
  EXPECT_EQ(allLines(read("results.txt"))[2], "Loaded Mold:  a.mld");
  f.Text[1]->setText("160");  // later edits recompute as usual
  EXPECT_EQ(f.m.LuffLength, 160);
}

TEST_F(AppTest, PickingASailLoadsItWithTheMoldAndPanelsItNames) {
  Form1& f = start();
  nameDesign("genoa", "shape", "cut");
  f.Text[29]->setText("for the regatta");
  f.Text[15]->setText("8");
  f.Command13_Click();
  f.Text[29]->setText("");
  f.Text[15]->setText("10");
  nameDesign("other", "lastsail.mld", "lastsail.pnl");
  f.Option[4]->click();
  EXPECT_EQ(f.Combo1->listItem(f.Combo1->listCount() - 1), "");
  pickSail(f, "genoa.sal");
  EXPECT_EQ(f.Combo2->text() + " " + f.Text[30]->text() + " " + f.Combo3->text() + " " + f.Text[31]->text(),
            "shape.mld shape.mld cut.pnl cut.pnl");
  EXPECT_EQ(f.Text[29]->text() + " " + f.Text[15]->text(), "for the regatta 8");

  // The empty last entry, a pattern or a folder part open nothing; case does not matter.
  const int loads = f.designLoads;
  f.Combo1->pick(f.Combo1->listCount() - 1);
  for (const char* name : {"*.sal", "./genoa.sal", "GENOA.SAL"}) {
    f.Combo1->setText(name);
    f.Combo1_Click();
  }
  EXPECT_EQ(f.designLoads, loads + 1);
}

// A name differing only in case means the file already there: its design is
// saved into it, under its own name, and picked again it comes back edited.
TEST_F(AppTest, SavingOverANameInOtherCaseWritesThatFile) {
  Form1& f = start();
  saveDesign("GENOA");
  for (const char* ext : {".sal", ".mld", ".pnl"})
    ASSERT_TRUE(QFile::rename(QString("GENOA") + ext, QString("GENOA") + QString(ext).toUpper()));
  f.Option[4]->click();
  pickSail(f, "GENOA.SAL");
  ASSERT_EQ(f.Text[1]->text(), "100");
  f.Text[1]->setText("88");
  click(f.Command[13]);
  EXPECT_EQ(files(), (QStringList{"GENOA.MLD", "GENOA.PNL", "GENOA.SAL", "results.txt"}));
  EXPECT_EQ(f.Combo1->text() + " " + f.Combo2->text() + " " + f.Combo3->text(), "GENOA.SAL GENOA.MLD GENOA.PNL");
  const std::vector<std::string> sail = allLines(read("GENOA.SAL"));
  EXPECT_EQ(std::tuple(sail[5], sail[18], sail[19]), std::tuple(" 88 ", "GENOA.MLD", "GENOA.PNL"));
  f.Text[1]->setText("50");
  pickSail(f, "GENOA.SAL");
  EXPECT_EQ(f.Text[1]->text(), "88");
}

// The sail file keeps the mold's and panels' names in Latin-1: a name it
// cannot hold is refused before any file is written; one it can comes back.
TEST_F(AppTest, ANameTheSailFileCannotRecordIsRefused) {
  Form1& f = start();
  nameDesign("sail", "\xCE\xA9mold", "cut");  // Omega
  messages.clear();
  f.Command13_Click();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].prompt.find("\xCE\xA9mold.mld") != std::string::npos && files().isEmpty());

  nameDesign("sail", "caf\xC3\xA9", "cut");
  f.dep[2]->setText("13");
  f.Command13_Click();
  f.dep[2]->setText("9");
  f.Combo2->setText("lastsail.mld");
  f.Option[4]->click();
  f.Combo1->pick(0);
  EXPECT_EQ(f.Combo1->text() + " " + f.Combo2->text() + " " + f.dep[2]->text(), "sail.sal caf\xC3\xA9.mld 13");
  EXPECT_EQ(messages.size(), 1u);
}

// The readers' own tests cover short and damaged files; here what the window does with an error.
TEST_F(AppTest, DamagedFilesLoadWhatTheyHoldAndSayErrors) {
  Form1& f = start();
  f.Check[2]->setValue(1);
  saveDesign("d");

  // A sail file that cannot be read is passed over: every box keeps its text.
  setFileFaultHook([](const std::string& n) { return n == "d.sal"; });
  f.setWindowTitle("title");
  f.Text[1]->setText("77");
  f.Command12_Click();
  setFileFaultHook(nullptr);
  EXPECT_TRUE(errorCaption(f) && f.Text[1]->text() == "77");

  // An unreadable line is reported before its control takes the emptied
  // value: "Unlock" ends unticked by its own line, not ticked by the report.
  std::vector<std::string> unlock = allLines(read("d.pnl"));
  unlock[16] = "1e999";
  std::string pnl;
  for (const std::string& l : unlock) pnl += l + "\r\n";
  touch("d.pnl", pnl);
  f.setWindowTitle("title");
  f.Command12_Click();
  EXPECT_TRUE(errorCaption(f) && f.Check[2]->value() == 0);
}

TEST_F(AppTest, PlotScaleComesFromThePlotterFilesAndSettings) {
  const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
  ASSERT_TRUE(QDir().mkdir("config"));
  qputenv("XDG_CONFIG_HOME", (dir.path() + "/config").toLocal8Bit());
  Form1& f = start();  // start-up reads it: nothing there gives 500
  EXPECT_TRUE(f.PlotScaleX == 500 && f.PlotScaleY == 500);
  touch("VD32.DAT", "-300,250\r\n");  // in the current folder, whatever its case
  touch("config/vdxp.dat", "1000,1016,7\r\n");
  f.ReadPlotScale();
  EXPECT_TRUE(f.PlotScaleX == 1000 && f.PlotScaleY == 1016);
  QFile::remove("config/vdxp.dat");
  saveSetting("Vardeneth", "Settings", "Xscale", "-800");
  f.ReadPlotScale();
  EXPECT_TRUE(f.PlotScaleX == 800 && f.PlotScaleY == 250);
  oldConfig.isEmpty() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oldConfig);
}

// ---- Main-window mends --------------------------------------------------------------

TEST_F(AppTest, ReclickingTheShownStationBringsItBackAfterALoad) {
  Form1& f = start();
  f.Option[2]->click();
  saveDesign("s");
  for (int r = 0; r < 6; ++r) f.ent[r]->setText("40");
  f.Option5[1]->click();
  f.Command12_Click();  // writes all six rows back: the last changed is station 5
  ASSERT_TRUE(f.CurrentSection == 5 && f.Option5[1]->value());
  click(f.Option5[1]);
  EXPECT_EQ(std::pair(f.CurrentSection, f.VScroll[1]->value()), std::pair(1, 280));  // ten times entry 28
}

TEST_F(AppTest, MoldViewButtonRepaintsTheSectionStripAtOnce) {
  Form1& f = start();
  f.Option[2]->click();
  const auto stripDrawn = [&f] {  // any pixel off the background
    QImage blank(f.Picture2->image().size(), f.Picture2->image().format());
    blank.fill(PictureBox::paletteColor(f.Picture2->backColor()));
    return f.Picture2->image() != blank;
  };
  ASSERT_TRUE(stripDrawn());
  for (int press = 0; press < 2; ++press) {
    const int width = f.Picture2->width();
    f.Command[7]->click();
    EXPECT_TRUE(f.Picture2->width() != width && stripDrawn()) << press;
  }
}

TEST_F(AppTest, ScrollBarsAndNameBoxesTakeNoWheelAndShowNoMenu) {
  Form1& f = start();
  f.Option[2]->click();
  saveDesign("w");
  saveDesign("v");  // the sail list holds v.sal, w.sal and the empty entry
  const int loads = f.designLoads, bar = f.VScroll[1]->value();
  for (QWidget* w : {static_cast<QWidget*>(f.VScroll[1]), static_cast<QWidget*>(f.Combo1)}) {
    QWheelEvent wheel(QPointF(4, 4), w->mapToGlobal(QPointF(4, 4)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &wheel);
    EXPECT_EQ(w->contextMenuPolicy(), Qt::NoContextMenu);
  }
  EXPECT_EQ(f.Combo1->lineEdit()->contextMenuPolicy(), Qt::NoContextMenu);
  EXPECT_EQ(std::tuple(f.VScroll[1]->value(), f.Combo1->text(), f.designLoads), std::tuple(bar, "v.sal", loads));
}

TEST_F(AppTest, MessageBoxesShowPlainButtons) {
  for (MsgButtons b : {MsgButtons::Ok, MsgButtons::YesNo, MsgButtons::YesNoCancel}) {
    const std::unique_ptr<QMessageBox> box = makeMessageBox(nullptr, "Hello", "Kestrova", b, MsgIcon::None);
    ASSERT_FALSE(box->buttons().isEmpty());
    for (QAbstractButton* button : box->buttons()) EXPECT_TRUE(button->icon().isNull());
  }
}

}  // namespace
}  // namespace kes::test
