// The main window's life cycle, layout, modes, menus and keys, as a user meets them.

#include <QMenuBar>
#include <QScreen>
#include <algorithm>

#include "app/form2.h"
#include "app_fixture.h"

namespace kes::test {
namespace {

using Mode = Form1::Mode;

// ---- Start-up and shut-down ---------------------------------------------------

TEST_F(AppTest, StartUpShowsTheTitledCentredWindowInSizeModeAndGreetsOnce) {
  Form1& f = start();
  EXPECT_EQ(caption(), "Vestrel Design Kestrova V" + std::to_string(KES_VERSION_MAJOR) + "." +
                           std::to_string(KES_VERSION_MINOR) + "." + std::to_string(KES_VERSION_PATCH));
  // Centred by the designed outer size, 9720 x 7320 twips = 648 x 488 pixels.
  const QRect sc = f.screen()->geometry();
  EXPECT_EQ(f.frameGeometry().topLeft(),
            QPoint(sc.x() + (sc.width() - 648) / 2, sc.y() + (sc.height() - 488) / 2));
  EXPECT_EQ(std::tuple(f.isVisible(), f.designFrame(), f.designLoads), std::tuple(true, Mode::Size, 0));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(std::pair(messages[0].title, messages[0].buttons), std::pair(std::string("Kestrova"), MsgButtons::Ok));
}

TEST_F(AppTest, SecondCopyEndsAtOnceWithoutTouchingAnything) {
  Form1::setInstanceProbe([] { return true; });
  touch("lastsail.sal");
  const QStringList before = files();
  form = std::make_unique<Form1>();
  EXPECT_FALSE(form->Form_Load());
  QCoreApplication::processEvents();
  EXPECT_TRUE(!form->isVisible() && messages.empty() && form->designLoads == 0 && files() == before);
}

TEST_F(AppTest, NestItemWhoseProgramIsMissingStillClosesTheWindow) {
  programsStart = false;
  const struct { MenuItem* Form1::*item; const char* program; } nests[] = {{&Form1::dummy19, "ZAMREL.EXE"}, {&Form1::dummy20, "TESSIL.EXE"},
               {&Form1::dummy21, "QUILDA.EXE"}, {&Form1::dummy22, "VARDENW.EXE"}};
  for (const auto& n : nests) {
    Form1& f = start();
    startedPrograms.clear();
    (f.*n.item)->choose();
    EXPECT_EQ(std::tuple(startedPrograms, f.isVisible(), f.designSaves),
              std::tuple(std::vector<std::string>{n.program}, false, 1));
  }
}

TEST_F(AppTest, AnalyzeShowsOneAnalyserAndExitSavesTheLastUsedDesignAndClosesIt) {
  Form1& f = start();
  f.dummy31->choose();
  Form2* first = f.analyser();
  ASSERT_TRUE(first != nullptr && !first->isModal());
  first->close();
  f.dummy31->choose();
  EXPECT_TRUE(f.analyser() == first && first->isVisible());

  f.Combo1->setText("genoa.sal");
  f.dummy2->choose();  // File "&Exit"
  EXPECT_TRUE(!f.isVisible() && !first->isVisible() && f.designSaves == 1 && f.Combo1->text() == "lastsail.sal");
}

// ---- Layout ----------------------------------------------------------------------

TEST_F(AppTest, ResizeKeepsTheMinimumAndPlacesControlsFromTheRightAndBottomEdges) {
  Form1& f = start();
  // Dragged too small, the window keeps its designed 9720 x 7320 twips.
  for (const double W : {6000.0, 12000.0}) {
    const double w = std::max(W, 9720.0), h = std::max(W * 0.75, 7320.0);
    f.setOuterSizeTwips(W, W * 0.75);
    QCoreApplication::processEvents();
    f.Form_Resize();
    EXPECT_EQ(std::pair(f.outerWidthTwips(), f.outerHeightTwips()), std::pair(w, h));
    EXPECT_NEAR(f.FrameSize->x(), (w - 2760) / 15, 1.0);  // 15 twips a pixel
    const TwipRect p1 = twipRect(f.Picture1);
    EXPECT_EQ(std::tuple(p1.height, p1.width, twipRect(f.Command[3]).left, twipRect(f.Picture2).left, twipRect(f.Picture2).top),
              std::tuple(h - 945, (h - 945) * 1.06, p1.width + 120 - 375, w - 9000, h - 2520));
  }
  // A minimised window is not laid out.
  setTwipLeft(f.FrameSize, 0);
  f.setWindowState(Qt::WindowMinimized);
  f.Form_Resize();
  EXPECT_DOUBLE_EQ(twipRect(f.FrameSize).left, 0);
}

// Every label's caption can be read whole.
TEST_F(AppTest, EveryCaptionFitsItsControl) {
  Form1& f = start();
  for (Label* l : f.findChildren<Label*>()) {
    // A caption may wrap at its blanks, but no word may be wider than the label.
    for (const QString& word : l->text().split(QLatin1Char(' ')))
      EXPECT_LE(l->fontMetrics().horizontalAdvance(word), l->width()) << l->caption();
    EXPECT_LE(l->wordWrap() ? l->heightForWidth(l->width()) : 0, l->height()) << l->caption();
  }
}

// ---- Window modes and the Design menu ---------------------------------------------

TEST_F(AppTest, EachModeFromItsSelectorOrDesignItemShowsItsFrameAndMarksTheItem) {
  Form1& f = start();
  Frame* frames[6] = {f.FrameSize, f.FrameMold, f.FrameBat, f.FramePan, f.FrameRein, f.FrameFile};
  MenuItem* items[6] = {f.dummy13, f.dummy14, f.dummy17, f.dummy15, f.dummy24, f.dummy16};
  // Selector; whether a recompute unturns a turned view; whether "View", shown when zoomed, is hidden.
  const struct { Mode mode; int selector; bool recomputes, viewHidden; } cases[6] = {
      {Mode::Mold, 2, true, false},  {Mode::Battens, 6, false, false},      {Mode::Panels, 3, true, false},
      {Mode::Files, 4, false, false}, {Mode::Reinforcements, 7, true, true}, {Mode::Size, 1, true, true}};
  for (bool viaMenu : {false, true}) {
    f.Command[6]->show();
    for (const auto& c : cases) {
      const int k = static_cast<int>(c.mode);
      f.m.ViewAngleY = 30;
      if (viaMenu)
        items[k]->choose();
      else
        f.Option[c.selector]->click();
      EXPECT_EQ(f.designFrame(), c.mode);
      for (int i = 0; i < 6; ++i)
        EXPECT_EQ(std::pair(frames[i]->isHidden(), items[i]->checked()), std::pair(i != k, i == k)) << k << i;
      EXPECT_EQ(std::tuple(f.Picture2->isHidden(), f.HScroll[1]->isHidden(), f.Command[3]->isHidden(),
                           f.Command[6]->isHidden(), f.m.ViewAngleY),
                std::tuple(c.mode != Mode::Mold, c.mode != Mode::Size, c.mode != Mode::Size, c.viewHidden,
                           c.recomputes ? 0.0 : 30.0)) << k;
    }
  }
}

TEST_F(AppTest, FirstFilesVisitListsTheDesignFilesAndLaterVisitsKeepTheBoxes) {
  for (const char* name : {"genoa.sal", "MAIN.SAL", "genoa.mld"}) touch(name);
  Form1& f = start();
  f.Option[4]->click();
  EXPECT_EQ(f.Text[28]->text(), QDate::currentDate().toString("MM-dd-yyyy").toStdString());
  // Both sails whatever their case, then an empty entry.
  EXPECT_EQ(std::pair(f.Combo1->text(), f.Combo1->listCount()), std::pair(std::string("lastsail.sal"), 3));

  // Typing a sail name empties the recorded mold and panel names.
  f.Text[30]->setText("old.mld");
  f.Combo1->setText("genoa.sal");
  EXPECT_EQ(f.Text[30]->text(), "");
  f.Option[1]->click();
  f.Option[4]->click();
  EXPECT_EQ(f.Combo1->text(), "genoa.sal");
}

// ---- Menus ----------------------------------------------------------------------

TEST_F(AppTest, MenuBarTogglesThatStartTickedAndTheWhiteScheme) {
  Form1& f = start();
  QStringList menus;
  for (QAction* a : f.menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, (QStringList{"&File", "&Design", "&Options", "&Nest", "&Analyze"}));
  const auto background = [&f] { return f.Picture1->colourAt(f.m.ClewX, 0.9 * f.m.HeadCurve(2, 100)); };
  EXPECT_EQ(background(), PictureBox::paletteColor(0));
  for (MenuItem* item : {f.Inches, f.dummy33, f.ShelfFoot, f.TwistFoot, f.color}) {
    EXPECT_TRUE(item->checked());
    if (item == f.Inches) continue;
    item->choose();
    EXPECT_FALSE(item->checked());
  }
  // The white scheme: the plan view on white, the view banner in black.
  EXPECT_EQ(std::pair(background(), f.Label40->palette().color(QPalette::WindowText)),
            std::pair(PictureBox::paletteColor(15), PictureBox::paletteColor(0)));
}

TEST_F(AppTest, UnitsChangeOnlyTheMarksUntilTheNextRecompute) {
  Form1& f = start();
  const std::string area = f.Text[46]->text();
  EXPECT_NE(area.find(" ft2"), std::string::npos);
  f.Millimeters->choose();  // nothing converted, nothing recomputed
  EXPECT_TRUE(f.Millimeters->checked() && !f.Inches->checked() && f.Text[46]->text() == area);
  f.Text[12]->setText("13");  // the next recompute shows square metres
  EXPECT_NE(f.Text[46]->text().find(" m2"), std::string::npos);
}

TEST_F(AppTest, DeleteAllPlotFilesAsksAndDeletesOnlyOnYes) {
  Form1& f = start();
  for (const char* name : {"pnl1.UC", "a.pic", "keep.sal"}) touch(name);
  messages.clear();
  msgAnswers = {MsgResult::No, MsgResult::Yes};
  f.dummy26->choose();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(std::pair(messages[0].prompt, messages[0].buttons), std::pair(std::string("Delete All Plot files?"), MsgButtons::YesNo));
  EXPECT_EQ(files().size(), 3);
  f.dummy26->choose();
  EXPECT_EQ(files(), QStringList{"keep.sal"});
}

// ---- Keys --------------------------------------------------------------------------

TEST_F(AppTest, ArrowsTurnTheViewOnlyInSizeModeAndEscAlwaysAsksForAStop) {
  Form1& f = start();
  TextBox* luff = f.Text[1];
  focus(luff);
  luff->setCursorPosition(1);
  press(Qt::Key_Right);
  press(Qt::Key_Down);
  EXPECT_EQ(std::pair(f.m.ViewAngleY, f.m.ViewAngleX), std::pair(5.0, 5.0));
  press(Qt::Key_Left);
  press(Qt::Key_Left);  // beyond the bar's end: refused, still kept from the box
  EXPECT_EQ(std::pair(f.HScroll[1]->value(), luff->cursorPosition()), std::pair(0, 1));  // the caret never moved

  f.Option[2]->click();  // in the Mold frame the arrows move the caret
  TextBox* twist = f.Text[14];
  focus(twist);
  twist->setCursorPosition(0);
  press(Qt::Key_Right);
  EXPECT_EQ(std::pair(twist->cursorPosition(), f.HScroll[1]->value()), std::pair(1, 0));
  press(Qt::Key_Escape);
  EXPECT_EQ(f.StopRequest, 1);
}

}  // namespace
}  // namespace kes::test
