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

std::string readAll(const char* name) {
  QFile f(QString::fromLatin1(name));
  return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

// Writes the first `count` of the lines, CR LF ended.
void writeLines(const char* name, const std::vector<std::string>& ls, std::size_t count = SIZE_MAX) {
  std::string bytes;
  for (std::size_t i = 0; i < count && i < ls.size(); ++i) bytes += ls[i] + "\r\n";
  QFile f(QString::fromLatin1(name));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void nameDesign(Form1& f, const char* sail, const char* mold, const char* panels) {
  f.Combo1->setText(sail);
  f.Combo2->setText(mold);
  f.Combo3->setText(panels);
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
  const std::string sal = readAll("lastsail.sal"), mld = readAll("lastsail.mld");
  const std::vector<std::string> pnl = allLines(readAll("lastsail.pnl"));
  EXPECT_EQ(allLines(sal).size(), 40u);
  EXPECT_EQ(allLines(sal)[1], "Caf\xE9 genoa");
  EXPECT_EQ(allLines(sal)[5], " 120 ");
  EXPECT_EQ(allLines(mld).size(), 25u);
  EXPECT_EQ(pnl.size(), 110u);  // 7 panels, fans and bands 5,5,5,5,5,4,3

  // The next start loads every control back: saved again, the files come out the same.
  Form1& g = start();
  EXPECT_FALSE(errorCaption(g));
  EXPECT_EQ(g.Text[29]->text(), "Caf\xC3\xA9 genoa");
  EXPECT_TRUE(g.Millimeters->checked() && !g.Inches->checked());
  EXPECT_EQ(g.layout.PanelCount, 7);
  EXPECT_EQ(g.BattenHollow, 0.006);  // hollow 0 at start loads as 0.006
  EXPECT_EQ(allLines(readAll("results.txt"))[1], "Loaded Sail:  lastsail.sal");
  g.close();
  EXPECT_EQ(readAll("lastsail.sal"), sal);
  EXPECT_EQ(readAll("lastsail.mld"), mld);
  const std::vector<std::string> again = allLines(readAll("lastsail.pnl"));
  EXPECT_EQ(again.size(), 110u);
  EXPECT_EQ(std::vector<std::string>(again.begin(), again.begin() + 41),
            std::vector<std::string>(pnl.begin(), pnl.begin() + 41));
}

TEST_F(AppTest, LoadingWithAMissingMoldKeepsTheMoldBoxesAndStillRecomputes) {
  Form1& f = start();
  nameDesign(f, "a", "a", "a");
  f.Text[1]->setText("150");
  f.Command13_Click();
  EXPECT_EQ(f.Combo1->text(), "a.sal");
  QFile::remove("a.mld");
  f.Text[1]->setText("100");
  f.dep[2]->setText("13");
  f.Command12_Click();
  EXPECT_EQ(f.dep[2]->text(), "13");
  EXPECT_EQ(f.LoadingFlag, 0);
  EXPECT_EQ(f.m.LuffLength, 150);  // recomputed with the loaded luff
  EXPECT_FALSE(errorCaption(f));
  EXPECT_EQ(allLines(readAll("results.txt"))[2], "Loaded Mold:  a.mld");
  f.Text[1]->setText("160");  // later edits recompute as usual
  EXPECT_EQ(f.m.LuffLength, 160);
}

TEST_F(AppTest, AFailedSaveIsShownAndKeepsTheOldFile) {
  Form1& f = start();
  nameDesign(f, "keep", "keep", "keep");
  f.Command13_Click();
  const std::string oldPanels = readAll("keep.pnl");
  ASSERT_FALSE(oldPanels.empty());
  messages.clear();
  setFileFaultHook([](const std::string& n) { return n == "keep.pnl"; });
  f.Text[15]->setText("7");
  f.Text[1]->setText("140");
  f.Command13_Click();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].title, "Kestrova");
  EXPECT_EQ(messages[0].buttons, MsgButtons::Ok);
  EXPECT_NE(messages[0].prompt.find("keep.pnl: No space left on device"), std::string::npos);
  EXPECT_EQ(messages[0].prompt.find("keep.sal"), std::string::npos);
  EXPECT_EQ(readAll("keep.pnl"), oldPanels);
  EXPECT_EQ(allLines(readAll("keep.sal"))[5], " 140 ");

  // A name the file system refuses: a folder stands there.
  setFileFaultHook(nullptr);
  ASSERT_TRUE(QDir().mkdir("taken.sal"));
  f.Combo1->setText("taken");
  messages.clear();
  f.Command13_Click();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].prompt.find("taken.sal: "), std::string::npos);

  // At exit too; the program still ends.
  setFileFaultHook([](const std::string& n) { return n == "lastsail.mld"; });
  messages.clear();
  f.close();
  setFileFaultHook(nullptr);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].prompt.find("lastsail.mld"), std::string::npos);
  EXPECT_FALSE(f.isVisible());
  EXPECT_TRUE(QFile::exists("lastsail.sal") && !QFile::exists("lastsail.mld"));
}

TEST_F(AppTest, PickingASailLoadsItWithTheMoldAndPanelsItNames) {
  Form1& f = start();
  nameDesign(f, "genoa", "shape", "cut");
  f.Text[29]->setText("for the regatta");
  f.Text[15]->setText("8");
  f.Command13_Click();
  f.Text[29]->setText("");
  f.Text[15]->setText("10");
  nameDesign(f, "other", "lastsail.mld", "lastsail.pnl");
  f.Option[4]->click();
  int genoa = -1;
  for (int i = 0; i < f.Combo1->listCount(); ++i)
    if (f.Combo1->listItem(i) == "genoa.sal") genoa = i;
  ASSERT_GE(genoa, 0);
  EXPECT_EQ(f.Combo1->listItem(f.Combo1->listCount() - 1), "");
  f.Combo1->pick(genoa);
  EXPECT_EQ(f.Combo2->text() + " " + f.Text[30]->text(), "shape.mld shape.mld");
  EXPECT_EQ(f.Combo3->text() + " " + f.Text[31]->text(), "cut.pnl cut.pnl");
  EXPECT_EQ(f.Text[29]->text(), "for the regatta");
  EXPECT_EQ(f.Text[15]->text(), "8");

  // The empty last entry, a pattern or a folder part open nothing.
  const int loads = f.designLoads;
  f.Combo1->pick(f.Combo1->listCount() - 1);
  for (const char* name : {"*.sal", "GENOA.SA?", "./genoa.sal"}) {
    f.Combo1->setText(name);
    f.Combo1_Click();
  }
  EXPECT_EQ(f.designLoads, loads);
  f.Combo1->setText("GENOA.SAL");  // names match without regard to case
  f.Combo1_Click();
  EXPECT_EQ(f.designLoads, loads + 1);
}

TEST_F(AppTest, DamagedFilesLoadWhatTheyHoldAndSayErrors) {
  Form1& f = start();
  nameDesign(f, "d", "d", "d");
  f.Command13_Click();
  writeLines("d.mld", allLines(readAll("d.mld")), 21);  // twist and stations 0..4
  std::vector<std::string> panels = allLines(readAll("d.pnl"));
  panels[26] = " 12 ";  // the tack quantity bar refuses 12
  writeLines("d.pnl", panels);
  f.ent[5]->setText("33");
  f.Check[1]->setValue(1);
  f.Command12_Click();
  EXPECT_TRUE(errorCaption(f));
  EXPECT_EQ(f.Check[1]->value(), 0);
  EXPECT_EQ(f.Check[2]->value(), 1);
  EXPECT_EQ(f.ent[4]->text() + " " + f.ent[5]->text() + " " + f.ex[5]->text(), "28 0 0");
  EXPECT_EQ(f.HScroll[2]->value(), 5);
  EXPECT_EQ(f.LoadingFlag, 0);

  // A report that cannot be written is an error too; the design still loads.
  // A sail file that cannot be read is passed over: every box keeps its text.
  for (const auto& [fails, luff] : {std::pair{"results.txt", "100"}, {"d.sal", "77"}}) {
    static std::string failing;
    failing = fails;
    setFileFaultHook([](const std::string& n) { return n == failing; });
    f.setWindowTitle("title");
    f.Text[1]->setText("77");
    f.Command12_Click();
    setFileFaultHook(nullptr);
    EXPECT_TRUE(errorCaption(f)) << fails;
    EXPECT_EQ(f.Text[1]->text(), luff) << fails;
  }

  // Bytes that are no design at all.
  writeLines("d.sal", {std::string("\0\xFF\r1e999,\n", 10) + std::string(100000, 'x')});
  writeLines("d.pnl", {"\xEF\xBB\xBF-1e400"});
  f.Command12_Click();
  EXPECT_EQ(f.Text[1]->text() + " " + f.Text[15]->text(), "0 0");
  EXPECT_EQ(f.BattenHollow, 0.006);
  EXPECT_EQ(f.LoadingFlag, 0);

  // An unreadable line is reported before its control takes the emptied
  // value: "Unlock" ends unticked by its own line, not ticked by the report.
  nameDesign(f, "u", "u", "u");
  f.Check[2]->setValue(1);
  f.Command13_Click();
  std::vector<std::string> unlock = allLines(readAll("u.pnl"));
  unlock[16] = "1e999";
  writeLines("u.pnl", unlock);
  f.setWindowTitle("title");
  f.Command12_Click();
  EXPECT_TRUE(errorCaption(f));
  EXPECT_EQ(f.Check[2]->value(), 0);
}

TEST_F(AppTest, PlotScaleComesFromThePlotterFilesAndSettings) {
  const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
  ASSERT_TRUE(QDir().mkdir("config"));
  qputenv("XDG_CONFIG_HOME", (dir.path() + "/config").toLocal8Bit());
  Form1& f = start();  // start-up reads it: nothing there gives 500
  EXPECT_TRUE(f.PlotScaleX == 500 && f.PlotScaleY == 500);
  writeLines("varden.dat", {"-400", "400"});
  writeLines("VD32.DAT", {"-300,250"});
  writeLines("config/vdxp.dat", {"1000,1016,7"});
  const struct {
    const char* removed;  // before the read
    double x, y;
  } steps[] = {{nullptr, 1000, 1016}, {"config/vdxp.dat", -300, 250}, {"VD32.DAT", 400, 400}};
  for (const auto& s : steps) {
    if (s.removed) QFile::remove(QString::fromLatin1(s.removed));
    f.ReadPlotScale();
    EXPECT_TRUE(f.PlotScaleX == s.x && f.PlotScaleY == s.y) << f.PlotScaleX << ", " << f.PlotScaleY;
  }
  saveSetting("Vardeneth", "Settings", "Xscale", "-800");
  f.ReadPlotScale();
  EXPECT_TRUE(f.PlotScaleX == 800 && f.PlotScaleY == 400);
  if (oldConfig.isEmpty())
    qunsetenv("XDG_CONFIG_HOME");
  else
    qputenv("XDG_CONFIG_HOME", oldConfig);
}

// ---- Main-window mends --------------------------------------------------------------

TEST_F(AppTest, ReclickingTheShownStationBringsItBackAfterALoad) {
  Form1& f = start();
  f.Option[2]->click();
  nameDesign(f, "s", "s", "s");
  f.Command13_Click();
  for (int r = 0; r < 6; ++r) f.ent[r]->setText("40");
  f.Option5[1]->click();
  f.Command12_Click();  // writes all six rows back: the last changed is station 5
  EXPECT_EQ(f.CurrentSection, 5);
  ASSERT_TRUE(f.Option5[1]->value());
  QWidget* w = f.Option5[1];
  const QPointF at(w->width() / 2.0, w->height() / 2.0);
  for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent click(type, at, w->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &click);
  }
  EXPECT_EQ(f.CurrentSection, 1);
  EXPECT_EQ(f.VScroll[1]->value(), 280);  // ten times the loaded entry angle 28
}

TEST_F(AppTest, MoldViewButtonRepaintsTheSectionStripAtOnce) {
  Form1& f = start();
  f.Option[2]->click();
  const auto stripDrawn = [&f] {
    const QImage& img = f.Picture2->image();
    const QRgb back = PictureBox::paletteColor(f.Picture2->backColor()).rgb();
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if (img.pixel(x, y) != back) return true;
    return false;
  };
  ASSERT_TRUE(stripDrawn());
  for (int press = 0; press < 2; ++press) {
    const int width = f.Picture2->width();
    f.Command[7]->click();
    EXPECT_NE(f.Picture2->width(), width);
    EXPECT_TRUE(stripDrawn()) << press;
  }
}

TEST_F(AppTest, ScrollBarsAndNameBoxesTakeNoWheelAndShowNoMenu) {
  Form1& f = start();
  f.Option[2]->click();
  nameDesign(f, "w", "w", "w");
  f.Command13_Click();
  nameDesign(f, "v", "v", "v");
  f.Command13_Click();  // the sail list holds v.sal, w.sal and the empty entry
  const int loads = f.designLoads, bar = f.VScroll[1]->value();
  for (QWidget* w : {static_cast<QWidget*>(f.VScroll[1]), static_cast<QWidget*>(f.Combo1)}) {
    const QPointF at(4, 4);
    QWheelEvent wheel(at, w->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &wheel);
    EXPECT_EQ(w->contextMenuPolicy(), Qt::NoContextMenu);
  }
  EXPECT_EQ(f.Combo1->lineEdit()->contextMenuPolicy(), Qt::NoContextMenu);
  EXPECT_EQ(f.VScroll[1]->value(), bar);
  EXPECT_EQ(f.Combo1->text(), "v.sal");
  EXPECT_EQ(f.designLoads, loads);
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
