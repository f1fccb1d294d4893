// The main window's life cycle, layout, modes, menus and keys, as a user meets them.

#include <QMenuBar>
#include <QScreen>
#include <QStyle>

#include "app/form2.h"
#include "app_fixture.h"

namespace kes::test {
namespace {

using Mode = Form1::Mode;

// ---- Start-up and shut-down ---------------------------------------------------

TEST_F(AppTest, StartUpShowsTheTitledCentredWindowInSizeModeAndGreetsOnce) {
  Form1& f = start();
  const std::string title = "Vestrel Design Kestrova V" + std::to_string(KES_VERSION_MAJOR) + "." +
                            std::to_string(KES_VERSION_MINOR) + "." +
                            std::to_string(KES_VERSION_PATCH);
  EXPECT_EQ(f.windowTitle().toStdString(), title);
  EXPECT_TRUE(f.isVisible());
  // Centred by the designed outer size, 9720 x 7320 twips = 648 x 488 pixels.
  const QRect sc = f.screen()->geometry();
  EXPECT_EQ(f.frameGeometry().topLeft(),
            QPoint(sc.x() + (sc.width() - 648) / 2, sc.y() + (sc.height() - 488) / 2));
  EXPECT_EQ(f.designFrame(), Mode::Size);
  EXPECT_EQ(f.designLoads, 0);  // no lastsail.sal here
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].title, "Kestrova");
  EXPECT_EQ(messages[0].buttons, MsgButtons::Ok);

  touch("lastsail.sal");
  Form1& g = start();
  EXPECT_EQ(g.designLoads, 1);
  EXPECT_EQ(g.LoadingFlag, 0);
}

TEST_F(AppTest, SecondCopyEndsAtOnceWithoutTouchingAnything) {
  Form1::setInstanceProbe([] { return true; });
  touch("lastsail.sal");
  const QStringList before = files();
  form = std::make_unique<Form1>();
  EXPECT_FALSE(form->Form_Load());
  QCoreApplication::processEvents();
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(form->designLoads, 0);
  EXPECT_EQ(files(), before);
}

TEST_F(AppTest, NestItemWhoseProgramIsMissingStillClosesTheWindow) {
  programsStart = false;
  const struct {
    MenuItem* Form1::*item;
    const char* program;
  } nests[] = {{&Form1::dummy19, "ZAMREL.EXE"}, {&Form1::dummy20, "TESSIL.EXE"},
               {&Form1::dummy21, "QUILDA.EXE"}, {&Form1::dummy22, "VARDENW.EXE"}};
  for (const auto& n : nests) {
    Form1& f = start();
    startedPrograms.clear();
    (f.*n.item)->choose();
    EXPECT_EQ(startedPrograms, std::vector<std::string>{n.program});
    EXPECT_FALSE(f.isVisible()) << n.program;
    EXPECT_EQ(f.designSaves, 1) << n.program;
  }
}

TEST_F(AppTest, AnalyzeShowsOneAnalyserAndExitSavesTheLastUsedDesignAndClosesIt) {
  Form1& f = start();
  f.dummy31->choose();
  Form2* first = f.analyser();
  ASSERT_NE(first, nullptr);
  EXPECT_FALSE(first->isModal());
  first->close();
  f.dummy31->choose();
  EXPECT_EQ(f.analyser(), first);
  EXPECT_TRUE(first->isVisible());

  f.Combo1->setText("genoa.sal");
  f.dummy2->choose();  // File "&Exit"
  EXPECT_FALSE(f.isVisible());
  EXPECT_FALSE(first->isVisible());
  EXPECT_EQ(f.designSaves, 1);
  EXPECT_EQ(f.Combo1->text(), "lastsail.sal");
}

// ---- Layout ----------------------------------------------------------------------

void expectLeft(QWidget* w, double left) {
  EXPECT_DOUBLE_EQ(twipRect(w).left, left) << w->objectName().toStdString();
  EXPECT_NEAR(w->x(), left / 15, 1.0) << w->objectName().toStdString();  // 15 twips a pixel
}

TEST_F(AppTest, ResizeKeepsTheMinimumAndPlacesControlsFromTheRightAndBottomEdges) {
  Form1& f = start();
  // Dragged too small, the window keeps its designed 9720 x 7320 twips.
  const struct {
    double askW, askH, W, H;
  } sizes[] = {{6000, 5000, 9720, 7320}, {12000, 9000, 12000, 9000}};
  for (const auto& s : sizes) {
    SCOPED_TRACE(s.W);
    f.setOuterSizeTwips(s.askW, s.askH);
    QCoreApplication::processEvents();
    f.Form_Resize();
    EXPECT_DOUBLE_EQ(f.outerWidthTwips(), s.W);
    EXPECT_DOUBLE_EQ(f.outerHeightTwips(), s.H);
    expectLeft(f.FrameSize, s.W - 2760);
    expectLeft(f.FrameMold, s.W - 5160);
    const TwipRect p1 = twipRect(f.Picture1);
    EXPECT_DOUBLE_EQ(p1.height, s.H - 945);
    EXPECT_DOUBLE_EQ(p1.width, p1.height * 1.06);
    expectLeft(f.Command[3], p1.width + 120 - 375);
    EXPECT_DOUBLE_EQ(twipRect(f.Command[3]).top, s.H - 1200);
    expectLeft(f.Picture2, s.W - 9000);
    EXPECT_DOUBLE_EQ(twipRect(f.Picture2).top, s.H - 2520);
  }
  // A minimised window is not laid out.
  setTwipLeft(f.FrameSize, 0);
  f.setWindowState(Qt::WindowMinimized);
  f.Form_Resize();
  EXPECT_DOUBLE_EQ(twipRect(f.FrameSize).left, 0);
}

// Every caption can be read whole: no label, check box or option button cuts its text.
TEST_F(AppTest, EveryCaptionFitsItsControl) {
  Form1& f = start();
  for (Label* l : f.findChildren<Label*>()) {
    const std::string what = l->objectName().toStdString() + " \"" + l->caption() + "\"";
    // A caption may wrap at its blanks, but no word may be wider than the label.
    for (const QString& word : l->text().split(QLatin1Char(' ')))
      EXPECT_LE(l->fontMetrics().horizontalAdvance(word), l->width()) << what;
    const int wrappedHeight = l->wordWrap() ? l->heightForWidth(l->width()) : 0;
    EXPECT_LE(wrappedHeight, l->height()) << what;
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

// ---- Window modes and the Design menu ---------------------------------------------

TEST_F(AppTest, EachModeFromItsSelectorOrDesignItemShowsItsFrameAndMarksTheItem) {
  Form1& f = start();
  Frame* frames[6] = {f.FrameSize, f.FrameMold, f.FrameBat, f.FramePan, f.FrameRein, f.FrameFile};
  MenuItem* items[6] = {f.dummy13, f.dummy14, f.dummy17, f.dummy15, f.dummy24, f.dummy16};
  const struct {
    Mode mode;
    int selector;
    bool recomputes;  // a recompute unturns a turned view
    bool viewHidden;  // zoomed in, "View" shows until the Reinforcements mode hides it
  } cases[6] = {{Mode::Mold, 2, true, false},          {Mode::Battens, 6, false, false},
                {Mode::Panels, 3, true, false},        {Mode::Files, 4, false, false},
                {Mode::Reinforcements, 7, true, true}, {Mode::Size, 1, true, true}};
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
      for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(frames[i]->isHidden(), i != k) << "mode " << k << " frame " << i;
        EXPECT_EQ(items[i]->checked(), i == k) << "mode " << k << " item " << i;
      }
      EXPECT_EQ(f.Picture2->isHidden(), c.mode != Mode::Mold);
      EXPECT_EQ(f.HScroll[1]->isHidden(), c.mode != Mode::Size) << k;
      EXPECT_EQ(f.Command[3]->isHidden(), c.mode != Mode::Size) << k;
      EXPECT_EQ(f.Command[6]->isHidden(), c.viewHidden) << k;
      EXPECT_EQ(f.m.ViewAngleY, c.recomputes ? 0 : 30) << k;
    }
  }
}

TEST_F(AppTest, FirstFilesVisitListsTheDesignFilesAndLaterVisitsKeepTheBoxes) {
  touch("genoa.sal");
  touch("MAIN.SAL");
  touch("genoa.mld");
  Form1& f = start();
  f.Option[4]->click();
  EXPECT_EQ(f.Text[28]->text(), QDate::currentDate().toString("MM-dd-yyyy").toStdString());
  EXPECT_EQ(f.Combo1->text(), "lastsail.sal");
  ASSERT_EQ(f.Combo1->listCount(), 3);  // both sails whatever their case, then an empty entry
  EXPECT_EQ(f.Combo1->listItem(2), "");

  // Typing a sail name empties the recorded mold and panel names.
  f.Text[30]->setText("old.mld");
  f.Combo1->setText("genoa.sal");
  EXPECT_EQ(f.Text[30]->text(), "");
  f.Option[1]->click();
  f.Option[4]->click();
  EXPECT_EQ(f.Combo1->text(), "genoa.sal");
}

// ---- Menus ----------------------------------------------------------------------

TEST_F(AppTest, MenuBarHoldsEveryItemWithItsCaptionAndTogglesFlipTheirMarks) {
  Form1& f = start();
  QStringList menus;
  for (QAction* a : f.menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, (QStringList{"&File", "&Design", "&Options", "&Nest", "&Analyze"}));
  QStringList options;  // "*" marks a checked item
  for (QAction* a : f.menuBar()->actions()[2]->menu()->actions())
    options << (a->isSeparator() ? "-" + a->objectName()
                                 : a->objectName() + "=" + a->text() + (a->isChecked() ? "*" : ""));
  EXPECT_EQ(options, (QStringList{"Inches=&Inches*", "Feet=&Feet", "Millimeters=&Millimeters",
                                  "-dummy8", "color=&Black Background*", "-dummy32",
                                  "dummy33=&Show Results*", "-dummy35",
                                  "ShelfFoot=&Produce Shelf Foot*",
                                  "TwistFoot=P&roduce Twist Foot*", "-dummy36",
                                  "dummy37=Batten Hollow"}));
  for (MenuItem* item : {f.dummy33, f.ShelfFoot, f.TwistFoot, f.color}) {
    item->choose();
    EXPECT_FALSE(item->checked());
  }
}

TEST_F(AppTest, UnitsChangeOnlyTheMarksUntilTheNextRecompute) {
  Form1& f = start();
  const std::string area = f.Text[46]->text();
  EXPECT_NE(area.find(" ft2"), std::string::npos);
  f.Millimeters->choose();
  EXPECT_TRUE(f.Millimeters->checked());
  EXPECT_FALSE(f.Inches->checked());
  EXPECT_EQ(f.Text[46]->text(), area);  // nothing converted, nothing recomputed
  f.Text[12]->setText("13");  // the next recompute shows square metres
  EXPECT_NE(f.Text[46]->text().find(" m2"), std::string::npos);
}

TEST_F(AppTest, DeleteAllPlotFilesAsksAndDeletesOnlyOnYes) {
  Form1& f = start();
  touch("pnl1.UC");
  touch("a.pic");
  touch("keep.sal");
  messages.clear();
  msgAnswers = {MsgResult::No, MsgResult::Yes};
  f.dummy26->choose();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].prompt, "Delete All Plot files?");
  EXPECT_EQ(messages[0].buttons, MsgButtons::YesNo);
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
  EXPECT_EQ(f.m.ViewAngleY, 5);
  press(Qt::Key_Down);
  EXPECT_EQ(f.m.ViewAngleX, 5);
  press(Qt::Key_Left);
  press(Qt::Key_Left);  // beyond the bar's end: refused, still kept from the box
  EXPECT_EQ(f.HScroll[1]->value(), 0);
  EXPECT_EQ(luff->cursorPosition(), 1);  // the caret never moved

  f.Option[2]->click();  // in the Mold frame the arrows move the caret
  TextBox* twist = f.Text[14];
  focus(twist);
  twist->setCursorPosition(0);
  press(Qt::Key_Right);
  EXPECT_EQ(twist->cursorPosition(), 1);
  EXPECT_EQ(f.HScroll[1]->value(), 0);
  press(Qt::Key_Escape);
  EXPECT_EQ(f.StopRequest, 1);
}

}  // namespace
}  // namespace kes::test
