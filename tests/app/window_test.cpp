// The main window's life cycle, layout, modes and menus, as a user meets them.

#include <QMenuBar>
#include <QScreen>
#include <QStyle>

#include "app/form2.h"
#include "app_fixture.h"

namespace kes::test {
namespace {

using Mode = Form1::Mode;

// ---- Start-up and shut-down ---------------------------------------------------

TEST_F(AppTest, StartUpShowsTheTitledWindowInSizeModeAndGreetsOnce) {
  Form1& f = start();
  const std::string title = "Vestrel Design Kestrova V" + std::to_string(KES_VERSION_MAJOR) + "." +
                            std::to_string(KES_VERSION_MINOR) + "." +
                            std::to_string(KES_VERSION_PATCH);
  EXPECT_EQ(f.windowTitle().toStdString(), title);
  EXPECT_TRUE(f.isVisible());
  EXPECT_EQ(f.ViewStep, 5);
  EXPECT_EQ(f.CurrentSection, 1);
  EXPECT_EQ(f.designFrame(), Mode::Size);
  EXPECT_FALSE(f.FrameSize->isHidden());
  for (Frame* fr : {f.FrameMold, f.FramePan, f.FrameFile, f.FrameBat, f.FrameRein})
    EXPECT_TRUE(fr->isHidden()) << fr->objectName().toStdString();
  EXPECT_TRUE(f.Picture2->isHidden());
  EXPECT_TRUE(f.Command[6]->isHidden());
  EXPECT_TRUE(f.color->checked());  // the black scheme
  EXPECT_EQ(f.Picture1->backColor(), 0);
  EXPECT_EQ(f.PlotScaleX, 500);
  EXPECT_EQ(f.Combo1->text(), "lastsail.sal");
  EXPECT_EQ(f.Combo3->text(), "lastsail.pnl");
  EXPECT_EQ(f.designLoads, 0);  // no lastsail.sal here
  EXPECT_FALSE(f.Text[46]->text().empty());  // the recompute showed the area

  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].title, "Kestrova");
  EXPECT_EQ(messages[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(messages[0].icon, MsgIcon::None);
  EXPECT_FALSE(messages[0].prompt.empty());
}

TEST_F(AppTest, StartUpCentresTheDesignedWindowOnTheScreen) {
  Form1& f = start();
  const QRect screen = f.screen()->geometry();
  // The designed outer size is 9720 x 7320 twips, 648 x 488 pixels.
  EXPECT_EQ(f.frameGeometry().topLeft(),
            QPoint(screen.x() + (screen.width() - 648) / 2, screen.y() + (screen.height() - 488) / 2));
}

TEST_F(AppTest, StartUpLoadsTheLastDesignOnlyWhenItExists) {
  touch("lastsail.sal");
  Form1& f = start();
  EXPECT_EQ(f.designLoads, 1);
  EXPECT_EQ(f.LoadingFlag, 0);
}

TEST_F(AppTest, SecondCopyEndsAtOnceWithoutTouchingAnything) {
  Form1::setInstanceProbe([] { return true; });
  touch("lastsail.sal");
  const QStringList before = files();
  form = std::make_unique<Form1>();
  const QString designedTitle = form->windowTitle();
  EXPECT_FALSE(form->Form_Load());
  QCoreApplication::processEvents();
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(form->windowTitle(), designedTitle);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(form->designLoads, 0);
  EXPECT_EQ(files(), before);
}

TEST_F(AppTest, ClosingSavesTheLastUsedDesignWhicheverWayItCloses) {
  Form1& f = start();
  f.Combo1->setText("genoa.sal");
  f.close();
  EXPECT_EQ(f.designSaves, 1);
  EXPECT_EQ(f.Combo1->text(), "lastsail.sal");
  EXPECT_EQ(f.Combo2->text(), "lastsail.mld");
  EXPECT_FALSE(f.isVisible());

  Form1& g = start();
  g.dummy2->choose();  // File "&Exit"
  EXPECT_EQ(g.designSaves, 1);
  EXPECT_FALSE(g.isVisible());
}

TEST_F(AppTest, NestItemWhoseProgramIsMissingStillClosesTheWindow) {
  Form1& f = start();
  programsStart() = false;
  f.dummy19->choose();
  ASSERT_EQ(startedPrograms().size(), 1u);
  EXPECT_EQ(startedPrograms()[0], "ZAMREL.EXE");
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(f.designSaves, 1);

  Form1& g = start();
  g.dummy22_Click();
  EXPECT_EQ(startedPrograms().back(), "VARDENW.EXE");
  EXPECT_FALSE(g.isVisible());
}

TEST_F(AppTest, AnalyzeShowsOneAnalyserWindowBesideTheMainWindow) {
  Form1& f = start();
  EXPECT_EQ(f.analyser(), nullptr);  // not created at start-up
  f.dummy31->choose();
  Form2* first = f.analyser();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->isVisible());
  EXPECT_FALSE(first->isModal());
  EXPECT_EQ(first->windowTitle().toStdString(), "Vestrel Design Sail Analyzer");
  first->close();
  f.dummy31_Click();
  EXPECT_EQ(f.analyser(), first);
  EXPECT_TRUE(first->isVisible());
  f.close();  // ending the program closes the analyser too
  EXPECT_FALSE(first->isVisible());
}

// ---- Layout ----------------------------------------------------------------------

void expectPlaced(QWidget* w, double left, double top, const char* what) {
  EXPECT_DOUBLE_EQ(twipRect(w).left, left) << what;
  EXPECT_DOUBLE_EQ(twipRect(w).top, top) << what;
  EXPECT_NEAR(w->x(), left / 15, 1.0) << what;
  EXPECT_NEAR(w->y(), top / 15, 1.0) << what;
}

TEST_F(AppTest, WindowKeepsItsDesignedMinimumAndPlacesEveryControlInTwips) {
  Form1& f = start();
  f.setOuterSizeTwips(6000, 5000);  // dragged too small
  QCoreApplication::processEvents();
  EXPECT_DOUBLE_EQ(f.outerWidthTwips(), 9720);
  EXPECT_DOUBLE_EQ(f.outerHeightTwips(), 7320);
  f.Form_Resize();
  for (Frame* fr : {f.FrameSize, f.FramePan, f.FrameFile, f.FrameBat, f.FrameRein})
    expectPlaced(fr, 6960, 360, "frame");
  expectPlaced(f.FrameMold, 4560, 360, "FrameMold");
  const double selectors[6] = {6960, 7380, 7830, 8280, 8700, 9150};
  const int order[6] = {1, 2, 6, 3, 7, 4};
  for (int i = 0; i < 6; ++i) expectPlaced(f.Option[order[i]], selectors[i], 120, "selector");
  const TwipRect p1 = twipRect(f.Picture1);
  EXPECT_DOUBLE_EQ(p1.height, 6375);
  EXPECT_DOUBLE_EQ(p1.width, 6757.5);
  EXPECT_NEAR(f.Picture1->height(), 6375 / 15.0, 1.0);
  EXPECT_NEAR(f.Picture1->width(), 6757.5 / 15, 1.0);
  for (QWidget* w : {static_cast<QWidget*>(f.Command[1]), static_cast<QWidget*>(f.Command[2]),
                     static_cast<QWidget*>(f.VScroll[5])})
    EXPECT_DOUBLE_EQ(twipRect(w).left, 6502.5);
  expectPlaced(f.Command[3], 6502.5, 6120, "Command3");
  expectPlaced(f.Command[6], 240, 6120, "Command6");
  EXPECT_DOUBLE_EQ(twipRect(f.HScroll[1]).left, 3622.5);
  expectPlaced(f.Picture2, 720, 4800, "Picture2");
}

TEST_F(AppTest, MinimisedWindowIsNotLaidOut) {
  Form1& f = start();
  setTwipLeft(f.FrameSize, 0);
  f.setWindowState(Qt::WindowMinimized);
  f.Form_Resize();
  EXPECT_DOUBLE_EQ(twipRect(f.FrameSize).left, 0);
  f.setWindowState(Qt::WindowNoState);
  f.Form_Resize();
  EXPECT_DOUBLE_EQ(twipRect(f.FrameSize).left, 6960);
}

TEST_F(AppTest, EnlargingKeepsFramesAtTheRightEdgeAndThePlanViewsAspect) {
  Form1& f = start();
  f.setOuterSizeTwips(12000, 9000);
  QCoreApplication::processEvents();
  f.Form_Resize();
  EXPECT_DOUBLE_EQ(twipRect(f.FrameSize).left, 12000 - 2760);
  EXPECT_DOUBLE_EQ(twipRect(f.FrameMold).left, 12000 - 5160);
  EXPECT_DOUBLE_EQ(twipRect(f.Option[4]).left, 12000 - 570);
  const TwipRect p1 = twipRect(f.Picture1);
  EXPECT_DOUBLE_EQ(p1.height, 9000 - 945);
  EXPECT_DOUBLE_EQ(p1.width, (9000 - 945) * 1.06);
  EXPECT_DOUBLE_EQ(twipRect(f.Command[2]).left, p1.width + 120 - 375);
  EXPECT_DOUBLE_EQ(twipRect(f.Command[3]).top, 9000 - 1200);
  // The resize recomputes: the plan view's scale is the full view of the new size.
  EXPECT_DOUBLE_EQ(f.Picture1->scaleLeft(), f.m.fullView.left);
}

// ---- Window modes and the Design menu ---------------------------------------------

struct ModeCase {
  Mode mode;
  int selector;
};

TEST_F(AppTest, EachModeShowsItsFrameAndMarksItsDesignItem) {
  Form1& f = start();
  Frame* frames[6] = {f.FrameSize, f.FrameMold, f.FrameBat, f.FramePan, f.FrameRein, f.FrameFile};
  MenuItem* items[6] = {f.dummy13, f.dummy14, f.dummy17, f.dummy15, f.dummy24, f.dummy16};
  const ModeCase cases[6] = {{Mode::Mold, 2},  {Mode::Battens, 6},        {Mode::Panels, 3},
                             {Mode::Files, 4}, {Mode::Reinforcements, 7}, {Mode::Size, 1}};
  for (const ModeCase& c : cases) {
    f.Option[c.selector]->click();
    const int k = static_cast<int>(c.mode);
    EXPECT_EQ(f.designFrame(), c.mode);
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(frames[i]->isHidden(), i != k) << "mode " << k << " frame " << i;
      EXPECT_EQ(items[i]->checked(), i == k) << "mode " << k << " item " << i;
    }
    EXPECT_EQ(f.Picture2->isHidden(), c.mode != Mode::Mold);
    for (QWidget* w : {static_cast<QWidget*>(f.HScroll[1]), static_cast<QWidget*>(f.VScroll[5]),
                       static_cast<QWidget*>(f.Command[1]), static_cast<QWidget*>(f.Command[2]),
                       static_cast<QWidget*>(f.Command[3])})
      EXPECT_EQ(w->isHidden(), c.mode != Mode::Size) << w->objectName().toStdString();
  }
}

TEST_F(AppTest, DesignMenuAndFileOpenSaveSelectTheFrames) {
  Form1& f = start();
  f.dummy15->choose();
  EXPECT_EQ(f.designFrame(), Mode::Panels);
  EXPECT_TRUE(f.dummy15->checked());
  EXPECT_FALSE(f.dummy13->checked());
  f.dummy10->choose();  // File "&Open" only shows the Files frame
  EXPECT_EQ(f.designFrame(), Mode::Files);
  EXPECT_EQ(f.designLoads, 0);
  f.Option[1]->click();
  f.dummy11->choose();
  EXPECT_EQ(f.designFrame(), Mode::Files);
  EXPECT_EQ(f.designSaves, 0);
}

TEST_F(AppTest, ReinforcementsModeHidesTheFullViewButtonEvenWhenZoomed) {
  Form1& f = start();
  f.Command[6]->show();
  f.Option[2]->click();
  EXPECT_FALSE(f.Command[6]->isHidden());  // other modes leave it alone
  f.Option[7]->click();
  EXPECT_TRUE(f.Command[6]->isHidden());
}

TEST_F(AppTest, BattensModeRunsNoRecompute) {
  Form1& f = start();
  f.HScroll[1]->setValue(30);  // turn the view
  ASSERT_EQ(f.m.ViewAngleY, 30);
  f.Option[6]->click();
  EXPECT_EQ(f.m.ViewAngleY, 30);  // still turned: nothing recomputed
  f.Option[1]->click();
  EXPECT_EQ(f.m.ViewAngleY, 0);  // the Size frame recomputes
  EXPECT_EQ(f.Label40->caption(), kViewBanner);
}

TEST_F(AppTest, FirstFilesVisitListsTheDesignFilesAndLaterVisitsKeepTheBoxes) {
  touch("genoa.sal");
  touch("MAIN.SAL");
  touch("genoa.mld");
  Form1& f = start();
  f.Option[4]->click();
  EXPECT_EQ(f.FilesListed, 1);
  EXPECT_EQ(f.Text[28]->text(), QDate::currentDate().toString("MM-dd-yyyy").toStdString());
  EXPECT_EQ(f.Combo1->text(), "lastsail.sal");
  ASSERT_EQ(f.Combo1->listCount(), 3);
  EXPECT_EQ(f.Combo1->listItem(2), "");
  EXPECT_EQ(f.Combo2->listCount(), 2);
  EXPECT_EQ(f.Combo2->listItem(0), "genoa.mld");
  ASSERT_EQ(f.Combo3->listCount(), 1);  // no panel files: only the empty entry
  EXPECT_EQ(f.Combo3->listItem(0), "");
  EXPECT_EQ(f.Combo3->text(), "lastsail.pnl");

  f.Combo1->setText("genoa.sal");
  f.Text[28]->setText("01-02-2003");
  f.Option[1]->click();
  f.Option[4]->click();
  EXPECT_EQ(f.Combo1->text(), "genoa.sal");
  EXPECT_EQ(f.Text[28]->text(), "01-02-2003");
}

TEST_F(AppTest, TypingASailNameEmptiesTheRecordedNames) {
  Form1& f = start();
  f.Text[30]->setText("old.mld");
  f.Text[31]->setText("old.pnl");
  f.Combo1->setText("g");
  EXPECT_EQ(f.Text[30]->text(), "");
  EXPECT_EQ(f.Text[31]->text(), "");
}

// ---- Options menu ---------------------------------------------------------------

TEST_F(AppTest, UnitsChangeOnlyTheMarksUntilTheNextRecompute) {
  Form1& f = start();
  const std::string area = f.Text[46]->text();
  EXPECT_NE(area.find(" ft2"), std::string::npos);
  const std::string luff = f.Text[1]->text();
  f.Millimeters->choose();
  EXPECT_TRUE(f.Millimeters->checked());
  EXPECT_FALSE(f.Inches->checked());
  EXPECT_FALSE(f.Feet->checked());
  EXPECT_EQ(f.Text[46]->text(), area);  // nothing converted, nothing recomputed
  EXPECT_EQ(f.Text[1]->text(), luff);
  f.Text[12]->setText("13");  // the next recompute shows square metres
  EXPECT_EQ(f.Text[46]->text(), areaText(f.m.area, Unit::Millimeters));
  EXPECT_NE(f.Text[46]->text().find(" m2"), std::string::npos);
  f.Feet->choose();
  f.Text[12]->setText("12");
  EXPECT_EQ(f.Text[46]->text(), areaText(f.m.area, Unit::Feet));
  f.Inches->choose();
  f.Text[12]->setText("11");
  EXPECT_EQ(f.Text[46]->text(), areaText(f.m.area, Unit::Inches));
}

TEST_F(AppTest, TogglesFlipTheirCheckMarks) {
  Form1& f = start();
  for (MenuItem* item : {f.dummy33, f.ShelfFoot, f.TwistFoot}) {
    EXPECT_TRUE(item->checked());
    item->choose();
    EXPECT_FALSE(item->checked());
    item->choose();
    EXPECT_TRUE(item->checked());
  }
}

TEST_F(AppTest, BlackBackgroundTwiceGivesTheSchemeBack) {
  Form1& f = start();
  f.color->choose();
  EXPECT_FALSE(f.color->checked());
  EXPECT_EQ(f.Picture1->backColor(), 15);
  EXPECT_EQ(f.Picture1->foreColor(), 0);
  EXPECT_EQ(f.Picture2->backColor(), 0);
  EXPECT_EQ(f.Label40->palette().color(QPalette::WindowText), PictureBox::paletteColor(0));
  f.color->choose();
  EXPECT_EQ(f.Picture1->backColor(), 0);
  EXPECT_EQ(f.Picture2->foreColor(), 0);
  EXPECT_EQ(f.Label40->palette().color(QPalette::WindowText), PictureBox::paletteColor(15));
}

TEST_F(AppTest, DeleteAllPlotFilesAsksAndDeletesOnlyOnYes) {
  Form1& f = start();
  touch("pnl1.UC");
  touch("a.pic");
  touch("keep.sal");
  messages.clear();
  msgAnswers = {MsgResult::No};
  f.dummy26->choose();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].prompt, "Delete All Plot files?");
  EXPECT_EQ(messages[0].title, "Delete All");
  EXPECT_EQ(messages[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(messages[0].icon, MsgIcon::Question);
  EXPECT_TRUE(files().contains("pnl1.UC"));
  EXPECT_TRUE(files().contains("a.pic"));
  msgAnswers = {MsgResult::Yes};
  f.dummy26_Click();
  EXPECT_EQ(files(), QStringList{"keep.sal"});
}

TEST_F(AppTest, MenuBarHoldsEveryItemWithItsCaption) {
  Form1& f = start();
  QStringList menus;
  for (QAction* a : f.menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, (QStringList{"&File", "&Design", "&Options", "&Nest", "&Analyze"}));
  QStringList options;
  for (QAction* a : f.menuBar()->actions()[2]->menu()->actions())
    options << (a->isSeparator() ? "-" + a->objectName() : a->objectName() + "=" + a->text());
  EXPECT_EQ(options, (QStringList{"Inches=&Inches", "Feet=&Feet", "Millimeters=&Millimeters",
                                  "-dummy8", "color=&Black Background", "-dummy32",
                                  "dummy33=&Show Results", "-dummy35",
                                  "ShelfFoot=&Produce Shelf Foot", "TwistFoot=P&roduce Twist Foot",
                                  "-dummy36", "dummy37=Batten Hollow"}));
}

// ---- Keys --------------------------------------------------------------------------

TEST_F(AppTest, EscAsksForAStopInEveryMode) {
  Form1& f = start();
  f.Option[6]->click();
  focus(f.BatPos[0]);
  press(Qt::Key_Escape);
  EXPECT_EQ(f.StopRequest, 1);
}

TEST_F(AppTest, ArrowsTurnTheViewInSizeModeAndAreKeptFromTheBox) {
  Form1& f = start();
  TextBox* luff = f.Text[1];
  focus(luff);
  luff->setCursorPosition(1);
  press(Qt::Key_Right);
  EXPECT_EQ(f.HScroll[1]->value(), 5);
  EXPECT_EQ(f.m.ViewAngleY, 5);
  EXPECT_EQ(luff->cursorPosition(), 1);  // the caret did not move
  press(Qt::Key_Down);
  EXPECT_EQ(f.VScroll[5]->value(), 5);
  EXPECT_EQ(f.m.ViewAngleX, 5);
  press(Qt::Key_Up);
  press(Qt::Key_Left);
  EXPECT_EQ(f.HScroll[1]->value(), 0);
  EXPECT_EQ(f.VScroll[5]->value(), 0);
  press(Qt::Key_Left);  // beyond the bar's end: refused, still kept from the box
  EXPECT_EQ(f.HScroll[1]->value(), 0);
  EXPECT_EQ(luff->cursorPosition(), 1);
}

TEST_F(AppTest, ArrowsMoveTheCaretInOtherModes) {
  Form1& f = start();
  f.Option[2]->click();
  TextBox* twist = f.Text[14];
  focus(twist);
  twist->setCursorPosition(0);
  press(Qt::Key_Right);
  EXPECT_EQ(twist->cursorPosition(), 1);
  EXPECT_EQ(f.HScroll[1]->value(), 0);
  EXPECT_EQ(f.StopRequest, 0);
}

}  // namespace
}  // namespace kes::test

namespace kes::test {
namespace {

// Every caption of the window can be read whole: no label, check box or
// option button cuts its text.
TEST_F(AppTest, EveryCaptionFitsItsControl) {
  Form1& f = start();
  for (Label* l : f.findChildren<Label*>()) {
    if (l->caption().empty()) continue;
    const std::string what = l->objectName().toStdString() + " \"" + l->caption() + "\"";
    // A caption may wrap at its blanks, but no word may be wider than the label.
    for (const QString& word : l->text().split(QLatin1Char(' '))) {
      EXPECT_LE(l->fontMetrics().horizontalAdvance(word), l->width()) << what;
    }
    if (l->wordWrap()) {
      EXPECT_LE(l->heightForWidth(l->width()), l->height()) << what;
    }
  }
  // A check box or option button shows its caption to the right of its mark.
  for (QAbstractButton* b : f.findChildren<QAbstractButton*>()) {
    const bool option = dynamic_cast<OptionButton*>(b) != nullptr;
    if (!option && !dynamic_cast<CheckBox*>(b)) continue;
    QStyle* st = b->style();
    const int mark = st->pixelMetric(option ? QStyle::PM_ExclusiveIndicatorWidth
                                            : QStyle::PM_IndicatorWidth, nullptr, b);
    const int gap = st->pixelMetric(option ? QStyle::PM_RadioButtonLabelSpacing
                                           : QStyle::PM_CheckBoxLabelSpacing, nullptr, b);
    EXPECT_LE(mark + gap + b->fontMetrics().horizontalAdvance(b->text()), b->width())
        << b->objectName().toStdString() << " \"" << b->text().toStdString() << "\"";
  }
}

}  // namespace
}  // namespace kes::test
