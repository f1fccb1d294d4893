// Every control of the main window wired to its procedure: for each control of
// the six frames and for the view buttons, a user's act on the control itself
// (keys typed into the focused box, a mouse click on a button, an arrow of a
// scroll bar, a check box ticked, an entry picked from a list), and the effect
// of its procedure seen from outside the window: the whole sail shown again
// after a recompute, a repainted picture, seams and radial seams laid out
// anew, a rewritten neighbour box, the angles over the plan view, files.
//
// One table per frame; a row's effect is one of the common kinds below, with
// the control's own check where the kind alone would not tell one control's
// procedure from another's.

#include <QDate>
#include <QTest>
#include <cmath>
#include <cstdio>

#include "app_fixture.h"
#include "common/numbers.h"
#include "view/zoom.h"

namespace kes::test {
namespace {

enum class Effect {
  Recomputes,  // the model rebuilt: a zoomed plan view shows the whole sail again
  Repaints,    // the plan view drawn anew, the model not: a mark left on it is gone, the zoom stays
  LaysOut,     // the seams laid out anew over a repainted view
  Nothing,     // no procedure: the mark and the zoom stay
  Own,         // the row's own check alone
};

struct Row {
  std::string control;
  std::function<void()> act;
  Effect effect = Effect::Own;
  std::function<void()> check = {};  // what this control's procedure shows beyond its kind
};

class WiringTest : public AppTest {
 protected:
  // The window as started, its picture recording what is drawn, the report
  // not shown after a develop (Options, "Show Results" cleared).
  Form1& window() {
    Form1& f = start();
    f.Picture1->setRecording(true);
    QApplication::setActiveWindow(&f);
    f.dummy33->choose();
    EXPECT_FALSE(f.dummy33->checked());
    return f;
  }

  // A frame selector clicked: its frame is shown.
  void enter(OptionButton* selector, Form1::Mode mode) {
    QTest::mouseClick(selector, Qt::LeftButton);
    ASSERT_EQ(form->designFrame(), mode) << selector->objectName().toStdString();
  }

  // Clicks into a box, selects its text and types over it key by key.
  static void type(QLineEdit* box, const std::string& keys) {
    QApplication::setActiveWindow(box->window());
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(box->width() / 2, box->height() / 2));
    // A name box's text field gives the focus to the box it belongs to.
    QWidget* focus = QApplication::focusWidget();
    ASSERT_TRUE(focus == box || focus == box->focusProxy() || focus->focusProxy() == box)
        << box->objectName().toStdString();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, QString::fromStdString(keys));
  }
  static void type(ComboBox* box, const std::string& keys) { type(box->lineEdit(), keys); }

  static void press(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

  // A click on a scroll bar's arrow at its left or top end, or at its other end.
  static void arrow(ScrollBar* bar, bool atStart) {
    const bool across = bar->orientation() == Qt::Horizontal;
    const int w = bar->width(), h = bar->height();
    const QPoint at = across ? QPoint(atStart ? 2 : w - 3, h / 2) : QPoint(w / 2, atStart ? 2 : h - 3);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, at);
  }

  // An entry of a name box's list picked with the arrow keys, as the user
  // steps through the closed list.
  static void pickFromList(ComboBox* box, const std::string& entry) {
    const int want = box->findText(QString::fromStdString(entry));
    ASSERT_GE(want, 0) << entry;
    if (box->currentIndex() == want)  // step away first: staying puts nothing
      QTest::keyClick(box, want + 1 < box->count() ? Qt::Key_Down : Qt::Key_Up);
    while (box->currentIndex() != want) {
      const int at = box->currentIndex();
      QTest::keyClick(box, at < want ? Qt::Key_Down : Qt::Key_Up);
      ASSERT_NE(box->currentIndex(), at);
    }
  }

  // A mouse event on the plan view at a pixel of its own.
  void mouseOnPicture(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at) {
    QWidget* p = form->Picture1;
    QMouseEvent ev(type, QPointF(at), QPointF(p->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(p, &ev);
  }
  // A box dragged with the right button over the plan view's upper left part,
  // from the whole sail: a right click without a drag shows it first.
  void zoomIn() {
    if (!wholeSail()) {
      mouseOnPicture(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, QPoint(20, 60));
      mouseOnPicture(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, QPoint(20, 60));
    }
    const QPoint from(20, 60), to(20, 160);
    mouseOnPicture(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, from);
    mouseOnPicture(QEvent::MouseMove, Qt::NoButton, Qt::RightButton, to);
    mouseOnPicture(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, to);
  }
  // The plan view shows the recompute's full view of the sail.
  bool wholeSail() const {
    const ViewScale& v = form->m.fullView;
    const PictureBox& p = *form->Picture1;
    return p.scaleLeft() == v.left && p.scaleTop() == v.top && p.scaleWidth() == v.right - v.left;
  }

  // A mark drawn on the plan view: it stays until the picture is repainted.
  void leaveMark() {
    PictureBox& p = *form->Picture1;
    markRadius = p.scaleWidth() / 7.25;
    p.circle(p.scaleLeft() + p.scaleWidth() / 2, p.scaleTop() + p.scaleHeight() / 2, markRadius, 12);
    ASSERT_TRUE(markShown());
  }
  bool isMark(const DrawOp& op) const {
    return op.kind == DrawOp::Circle && op.colour == 12 && op.radius == markRadius;
  }
  bool markShown() const {
    for (const DrawOp& op : form->Picture1->ops())
      if (isMark(op)) return true;
    return false;
  }

  // What the window drew on the plan view since its last repaint, as text.
  std::string drawing() const {
    std::string s;
    char buf[128];
    for (const DrawOp& op : form->Picture1->ops()) {
      if (isMark(op)) continue;
      std::snprintf(buf, sizeof buf, "%d %d %.4g %.4g %.4g %.4g %.4g|", op.kind, op.colour, op.x1, op.y1,
                    op.x2, op.y2, op.radius);
      s += buf;
    }
    return s;
  }
  int count(DrawOp::Kind kind, int colour) const {
    int n = 0;
    for (const DrawOp& op : form->Picture1->ops()) n += op.kind == kind && op.colour == colour;
    return n;
  }
  // Crosscut seams drawn: 20 light magenta lines each (radials unticked).
  int seamsDrawn() const { return count(DrawOp::Line, 13) / 20; }
  // Radial seams drawn: a handle circle in the foreground colour at each end.
  int radialSeamsDrawn() const { return count(DrawOp::Circle, form->Picture1->foreColor()) / 2; }
  // The radial seams the count boxes ask for: both fans, and the bands 2..6 up to the count of bands.
  int radialSeamsAsked() const {
    const double bands = parseLenient(form->Text[15]->text());
    int n = 0;
    for (int k = 0; k <= 6; ++k)
      if (k < 2 || k <= bands)
        n += std::max(0, static_cast<int>(parseLenient(form->Text[21 + k]->text())) - 1);
    return n;
  }
  // Patch edges and arcs of the preview: light cyan lines.
  int patchLines() const { return count(DrawOp::Line, 11); }

  // Rows for the common acts.
  static Row typed(const std::string& control, QLineEdit* box, const std::string& keys, Effect effect,
                   std::function<void()> check = {}) {
    return {control + " typed " + keys, [box, keys] { type(box, keys); }, effect, std::move(check)};
  }
  static Row clicked(const std::string& control, QAbstractButton* b, Effect effect,
                     std::function<void()> check = {}) {
    return {control + " clicked", [b] { press(b); }, effect, std::move(check)};
  }

  // Each row: the act on the control, then its effect.
  void run(const std::vector<Row>& rows) {
    for (const Row& r : rows) {
      SCOPED_TRACE(r.control);
      if (r.effect != Effect::Own) {
        zoomIn();
        ASSERT_FALSE(wholeSail());
        leaveMark();
      }
      r.act();
      switch (r.effect) {
        case Effect::Recomputes: EXPECT_TRUE(wholeSail()) << "no recompute"; break;
        case Effect::Repaints:
          EXPECT_FALSE(markShown()) << "no repaint";
          EXPECT_FALSE(wholeSail()) << "recomputed";
          break;
        case Effect::LaysOut:
          EXPECT_FALSE(markShown()) << "no repaint";
          EXPECT_GT(count(DrawOp::Line, 13), 0) << "no seams drawn";
          break;
        case Effect::Nothing: EXPECT_TRUE(markShown() && !wholeSail()) << "a procedure ran"; break;
        case Effect::Own: break;
      }
      if (r.check) r.check();
    }
  }

  double markRadius = 0;
};

using Mode = Form1::Mode;

std::string name(const char* stem, int n) { return stem + std::to_string(n); }

// Today's date as "Now" writes it.
std::string today() { return QDate::currentDate().toString("MM-dd-yyyy").toStdString(); }

// ---- The view buttons over the plan view (Size frame) ---------------------------

// The bars and "Z" turn the view and write its angles over the plan view; "N"
// recomputes the unturned sail; "R" turns it again by the bars' angles; "View"
// brings back the full view of a zoomed plan view.
TEST_F(WiringTest, ViewButtons) {
  Form1& f = window();
  const auto angles = [&f](const char* shown) {
    return [&f, shown] { EXPECT_EQ(f.Label40->caption(), shown); };
  };
  run({
      {"HScroll1 left arrow", [&] { arrow(f.HScroll[1], true); }, Effect::Own, angles(" 1    0    0")},
      {"VScroll5 down key", [&] { QTest::keyClick(f.VScroll[5], Qt::Key_Down); }, Effect::Own,
       angles(" 1    5    0")},
      clicked("Command1 Z", f.Command[1], Effect::Own, angles(" 1    5    2")),
      clicked("Command3 N", f.Command[3], Effect::Recomputes, angles(kViewBanner)),
      clicked("Command2 R", f.Command[2], Effect::Own, angles(" 1    5    0")),
      {"Command6 View after a zoom",
       [&] {
         zoomIn();
         ASSERT_TRUE(f.Command[6]->isVisible());
         press(f.Command[6]);
       },
       Effect::Own,
       [&] { EXPECT_TRUE(f.Command[6]->isHidden() && f.Picture1->scaleLeft() == fullViewScale(f.m).left); }},
  });
}

// ---- The frame selectors ------------------------------------------------------------

// Each selector shows its frame and runs its frame's preparation: a recompute
// for Mold, Panels, Reinforcements and Size, with the section strip, the
// seams and the patch preview of its frame; Battens and Files neither
// recompute nor repaint, and the first visit of Files dates the design.
TEST_F(WiringTest, FrameSelectors) {
  Form1& f = window();
  const auto shows = [&f](Mode mode, Frame* frame) {
    return [&f, mode, frame] { EXPECT_TRUE(f.designFrame() == mode && frame->isVisible()); };
  };
  run({
      clicked("Option2 M", f.Option[2], Effect::Recomputes,
              [&, mold = shows(Mode::Mold, f.FrameMold)] {
                mold();
                EXPECT_TRUE(f.Picture2->isVisible() && f.Command[3]->isHidden());
                EXPECT_EQ(QApplication::focusWidget(), f.Text[14]);
              }),
      clicked("Option6 B", f.Option[6], Effect::Nothing,
              [&, battens = shows(Mode::Battens, f.FrameBat)] {
                battens();
                EXPECT_TRUE(f.Picture2->isHidden());
              }),
      clicked("Option3 P", f.Option[3], Effect::Recomputes,
              [&, panels = shows(Mode::Panels, f.FramePan)] {
                panels();
                EXPECT_EQ(seamsDrawn(), 9);
                EXPECT_EQ(QApplication::focusWidget(), f.Text[15]);
              }),
      clicked("Option7 R", f.Option[7], Effect::Recomputes,
              [&, reinforcements = shows(Mode::Reinforcements, f.FrameRein)] {
                reinforcements();
                EXPECT_TRUE(patchLines() > 0 && f.Command[6]->isHidden());
              }),
      clicked("Option4 F", f.Option[4], Effect::Nothing,
              [&, files = shows(Mode::Files, f.FrameFile)] {
                files();
                EXPECT_EQ(f.Text[28]->text(), today());
              }),
      clicked("Option1 S", f.Option[1], Effect::Recomputes,
              [&, size = shows(Mode::Size, f.FrameSize)] {
                size();
                EXPECT_TRUE(f.Command[3]->isVisible() && f.HScroll[1]->isVisible());
                EXPECT_EQ(QApplication::focusWidget(), f.Text[1]);
              }),
  });
}

// ---- Size frame ----------------------------------------------------------------

// Every size box recomputes; "?" writes the leech diagonal, whose box recomputes.
TEST_F(WiringTest, SizeFrame) {
  Form1& f = window();
  std::vector<Row> rows;
  rows.push_back({"Command5 ? with a tack angle of 90",
                  [&] {
                    answers = {"", "90"};
                    press(f.Command[5]);
                  },
                  Effect::Recomputes, [&] { EXPECT_EQ(f.Text[3]->text(), "111.80"); }});
  const char* keys[14] = {"", "120", "12", "130", "55", "120", "4", "50", "2", "45", "5", "45", "10", "50"};
  std::string area;
  for (int n = 1; n <= 13; ++n)
    rows.push_back(typed(name("Text", n), f.Text[n], keys[n], Effect::Recomputes));
  // The foot's new length shows in the area read-out.
  rows[4].act = [&, act = rows[4].act] {
    area = f.Text[46]->text();
    act();
  };
  rows[4].check = [&] { EXPECT_NE(f.Text[46]->text(), area); };
  run(rows);
}

// ---- Mold frame ----------------------------------------------------------------

// A station button sets the four bars from its row and repaints; a bar's arrow
// writes a tenth more into the selected station's box, which recomputes; a
// click into a mold box selects its station, typing into it recomputes; "True"
// and "Vert. Shape" repaint; "View" enlarges the section strip.
TEST_F(WiringTest, MoldFrame) {
  Form1& f = window();
  enter(f.Option[2], Mode::Mold);
  TextBox** columns[4] = {f.ent, f.dep, f.pos, f.ex};
  const char* columnNames[4] = {"ent", "dep", "pos", "ex"};
  std::vector<Row> rows;
  for (int r = 0; r < 6; ++r) {
    rows.push_back(clicked(name("Option5 station ", r), f.Option5[r], Effect::Repaints, [&f, r] {
      for (int k = 0; k < 4; ++k) {
        const TextBox* box = (k == 0 ? f.ent : k == 1 ? f.dep : k == 2 ? f.pos : f.ex)[r];
        EXPECT_EQ(f.VScroll[k + 1]->value(), std::lround(10 * parseLenient(box->text()))) << k;
      }
    }));
  }
  // Station 5 is selected: its entry 28, depth 8, position 47, exit 14.
  const char* tenthMore[4] = {"28.1", "8.1", "47.1", "14.1"};
  for (int k = 0; k < 4; ++k) {
    rows.push_back({name("VScroll", k + 1) + " upper arrow", [&f, k] { arrow(f.VScroll[k + 1], true); },
                    Effect::Recomputes,
                    [&f, k, columns, tenthMore] { EXPECT_EQ(columns[k][5]->text(), tenthMore[k]); }});
  }
  rows.push_back(typed("Text14", f.Text[14], "9", Effect::Recomputes));
  const char* keys[4] = {"30", "11", "45", "17"};
  for (int k = 0; k < 4; ++k) {
    for (int r = 0; r < 6; ++r) {
      rows.push_back(typed(std::string(columnNames[k]) + "(" + std::to_string(r) + ")", columns[k][r],
                           keys[k], Effect::Recomputes,
                           [&f, r] { EXPECT_TRUE(f.Option5[r]->value()) << "station not selected"; }));
    }
  }
  rows.push_back(clicked("Check4 True", f.Check[4], Effect::Repaints));
  rows.push_back(clicked("Check5 Vert. Shape", f.Check[5], Effect::Repaints));
  double stripHeight = 0;
  rows.push_back({"Command7 View",
                  [&] {
                    stripHeight = twipRect(f.Picture2).height;
                    press(f.Command[7]);
                  },
                  Effect::Own, [&] { EXPECT_GT(twipRect(f.Picture2).height, stripHeight); }});
  run(rows);
}

// ---- Battens frame ---------------------------------------------------------------

// The standard set-ups fill three, four or five rows, "None" empties the
// lengths, each "<" fills its own row; every batten box recomputes; a reef box
// only repaints.
TEST_F(WiringTest, BattensFrame) {
  Form1& f = window();
  enter(f.Option[6], Mode::Battens);
  const auto filledRows = [&f](int n) {
    return [&f, n] {
      std::string filled;
      for (int k = 0; k < 5; ++k) filled += f.BatLngth[k]->text().empty() ? '-' : 'x';
      EXPECT_EQ(filled, std::string(n, 'x') + std::string(5 - n, '-'));
    };
  };
  std::vector<Row> rows = {
      clicked("Command15 Std 3", f.Command[15], Effect::Recomputes, filledRows(3)),
      clicked("Command4 Std 4", f.Command[4], Effect::Recomputes, filledRows(4)),
      clicked("Command18 Std 5", f.Command[18], Effect::Recomputes, filledRows(5)),
      clicked("Command19 None", f.Command[19], Effect::Recomputes, filledRows(0)),
  };
  // The full-length buttons of rows 0 .. 4.
  const int fullLength[5] = {24, 23, 20, 17, 16};
  for (int k = 0; k < 5; ++k)
    rows.push_back(clicked(name("Command", fullLength[k]) + " < of row " + std::to_string(k),
                           f.Command[fullLength[k]], Effect::Recomputes, filledRows(k + 1)));
  for (int k = 0; k < 5; ++k) {
    rows.push_back(typed(name("BatLngth", k), f.BatLngth[k], "21", Effect::Recomputes));
    rows.push_back(typed(name("BatAngl", k), f.BatAngl[k], "4", Effect::Recomputes));
    rows.push_back(typed(name("BatPos", k), f.BatPos[k], "33", Effect::Recomputes));
  }
  for (int r = 0; r < 2; ++r) {
    rows.push_back(typed(name("NumReef", r), f.NumReef[r], "3", Effect::Repaints));
    rows.push_back(typed(name("ReefPos", r), f.ReefPos[r], "40", Effect::Repaints));
  }
  run(rows);
}

// ---- Panels frame ----------------------------------------------------------------

// The count box lays out its panels and "?" finds a count from a width; the
// allowances have no procedure; "Chk" tilts the view while held and rebuilds
// it on release; "Develop" writes the panels' plot files. "Radials" caps the
// bands at six and lays out the fans; each fan or band count lays its radial
// seams out anew; "Unlock" lays out keeping the ends, "Stagger" moves the
// fans' lower ends along the foot.
TEST_F(WiringTest, PanelsFrame) {
  Form1& f = window();
  enter(f.Option[3], Mode::Panels);
  EXPECT_EQ(seamsDrawn(), 9);
  const auto seamsOfTheCount = [&f, this] {
    EXPECT_EQ(seamsDrawn(), static_cast<int>(parseLenient(f.Text[15]->text())) - 1);
  };
  const auto radialSeamsOfTheCounts = [&f, this] {
    EXPECT_EQ(radialSeamsDrawn(), radialSeamsAsked());
    EXPECT_EQ(f.Check[2]->value(), 0);
  };
  std::string before;
  std::vector<Row> rows = {typed("Text15", f.Text[15], "7", Effect::LaysOut, seamsOfTheCount)};
  for (const int n : {16, 17, 18, 19, 20, 32})
    rows.push_back(typed(name("Text", n), f.Text[n], "2", Effect::Nothing));
  rows.push_back({"Command9 ? with a width of 20",
                  [&] {
                    answers = {"20"};
                    press(f.Command[9]);
                  },
                  Effect::LaysOut,
                  [&, seamsOfTheCount] {
                    EXPECT_NE(f.Text[15]->text(), "7");
                    seamsOfTheCount();
                  }});
  rows.push_back({"Command11 Chk held, then let go",
                  [&] {
                    QTest::mousePress(f.Command[11], Qt::LeftButton);
                    EXPECT_EQ(count(DrawOp::FilledBox, f.Picture1->foreColor()), 0)
                        << "handles drawn while tilted";
                    EXPECT_GT(count(DrawOp::Line, 13), 0) << "no tilted seams";
                    QTest::mouseRelease(f.Command[11], Qt::LeftButton);
                  },
                  Effect::Recomputes, seamsOfTheCount});
  rows.push_back({"Command8 Develop", [&] { press(f.Command[8]); }, Effect::Own,
                  [&] {
                    const int n = static_cast<int>(parseLenient(f.Text[15]->text()));
                    for (int i = 1; i <= n; ++i) EXPECT_TRUE(has(name("pnl", i).append(".UC").c_str())) << i;
                    EXPECT_FALSE(has(name("pnl", n + 1).append(".UC").c_str()));
                  }});
  rows.push_back(clicked("Check1 Radials", f.Check[1], Effect::LaysOut, [&f, radialSeamsOfTheCounts] {
    EXPECT_TRUE(f.Text[15]->text() == "6" && f.Command[10]->isEnabled());
    radialSeamsOfTheCounts();
  }));
  // The fans' counts untick "Unlock" and lay out default fan ends.
  rows.push_back(typed("Text21", f.Text[21], "3", Effect::LaysOut, radialSeamsOfTheCounts));
  rows.push_back(typed("Text22", f.Text[22], "4", Effect::LaysOut, radialSeamsOfTheCounts));
  rows.push_back({"Command10 Develop radials", [&] { press(f.Command[10]); }, Effect::Own,
                  [&] {
                    EXPECT_TRUE(has("rad0_1.UC") && has("rad1_1.UC") && has("rad2_1.UC"))
                        << files().join(' ').toStdString();
                  }});
  rows.push_back(clicked("Check2 Unlock", f.Check[2], Effect::LaysOut, [&] {
    EXPECT_EQ(std::pair(f.Check[2]->value(), radialSeamsDrawn()), std::pair(1, radialSeamsAsked()));
  }));
  // A band's count gives it even ends at once while "Unlock" keeps the
  // others: the picture is the one "Unlock" cleared lays out afresh.
  const auto evenEndsKeptUnlocked = [&] {
    EXPECT_EQ(std::pair(f.Check[2]->value(), radialSeamsDrawn()), std::pair(1, radialSeamsAsked()));
    const std::string laidOut = drawing();
    press(f.Check[2]);
    EXPECT_EQ(laidOut, drawing()) << "not the default ends";
    press(f.Check[2]);
  };
  const char* bandCounts[5] = {"3", "4", "2", "3", "2"};
  for (int k = 2; k <= 6; ++k)
    rows.push_back(typed(name("Text", 21 + k), f.Text[21 + k], bandCounts[k - 2], Effect::LaysOut,
                         evenEndsKeptUnlocked));
  rows.push_back({"Check3 Stagger",
                  [&] {
                    before = drawing();
                    press(f.Check[3]);
                  },
                  Effect::LaysOut, [&] { EXPECT_NE(drawing(), before); }});
  run(rows);
}

// ---- Reinforcements frame ----------------------------------------------------------

// "V" and every box, bar and style draw the patch preview; a percent box takes
// a whole number, a layer box sets its bar and a bar its box; the pocket and
// reef settings have no procedure; "Develop" writes the patches' plot files.
TEST_F(WiringTest, ReinforcementsFrame) {
  Form1& f = window();
  enter(f.Option[7], Mode::Reinforcements);
  const auto previewDrawn = [this] { EXPECT_GT(patchLines(), 0); };
  int lines = 0;
  std::string before;
  std::vector<Row> rows = {clicked("Command22 V", f.Command[22], Effect::Repaints, previewDrawn)};
  for (int n = 37; n <= 42; ++n)
    rows.push_back(typed(name("Text", n), f.Text[n], "17a", Effect::Repaints, [&f, n, previewDrawn] {
      EXPECT_EQ(f.Text[n]->text(), "17");
      previewDrawn();
    }));
  for (int n = 43; n <= 45; ++n)
    rows.push_back(typed(name("Text", n), f.Text[n], "3", Effect::Repaints,
                         [&f, n] { EXPECT_EQ(f.HScroll[n - 41]->value(), 3); }));
  for (int k = 2; k <= 4; ++k)
    rows.push_back({name("HScroll", k) + " right arrow", [&f, k] { arrow(f.HScroll[k], false); },
                    Effect::Repaints,
                    [&f, k, previewDrawn] {
                      EXPECT_EQ(f.Text[41 + k]->text(), "4");
                      previewDrawn();
                    }});
  // Each style draws its own patch lines.
  const auto style = [&](const char* control, OptionButton* b) {
    return Row{control,
               [&, b] {
                 lines = patchLines();
                 press(b);
               },
               Effect::Repaints, [&, b] { EXPECT_TRUE(b->value() && patchLines() != lines) << lines; }};
  };
  rows.push_back(style("Option8 Square", f.Option[8]));
  rows.push_back(style("Option10 Radials", f.Option[10]));
  rows.push_back({"HScroll5 right arrow",
                  [&] {
                    before = drawing();
                    arrow(f.HScroll[5], false);
                  },
                  Effect::Repaints, [&] { EXPECT_NE(drawing(), before); }});
  rows.push_back(style("Option9 Triangle", f.Option[9]));
  rows.push_back(clicked("Check6 Batten Pockets", f.Check[6], Effect::Nothing));
  rows.push_back(clicked("Check7 Reef Points", f.Check[7], Effect::Nothing));
  for (int n = 33; n <= 36; ++n) rows.push_back(typed(name("Text", n), f.Text[n], "5", Effect::Nothing));
  rows.push_back({"Command21 Develop", [&] { press(f.Command[21]); }, Effect::Own,
                  [&] {
                    EXPECT_TRUE(has("tack4.uc") && has("clew4.uc") && !has("tack5.uc"))
                        << files().join(' ').toStdString();
                  }});
  run(rows);
}

// ---- Files frame -------------------------------------------------------------------

// "Now" dates the design; typing a sail name empties the recorded names;
// "Save" writes the three files; "Load" and a pick from the sail list read
// them back. The other boxes have no procedure.
TEST_F(WiringTest, FilesFrame) {
  Form1& f = window();
  enter(f.Option[4], Mode::Files);
  const auto commentBack = [&f] { EXPECT_EQ(f.Text[29]->text(), "mainsail"); };
  run({
      typed("Text28", f.Text[28], "x", Effect::Nothing),
      clicked("Command14 Now", f.Command[14], Effect::Own, [&] { EXPECT_EQ(f.Text[28]->text(), today()); }),
      typed("Text29", f.Text[29], "mainsail", Effect::Nothing),
      typed("Text30", f.Text[30], "a.mld", Effect::Nothing),
      typed("Text31", f.Text[31], "a.pnl", Effect::Nothing),
      typed("Combo1", f.Combo1->lineEdit(), "genoa", Effect::Nothing,
            [&] { EXPECT_EQ(f.Text[30]->text() + f.Text[31]->text(), ""); }),
      typed("Combo2", f.Combo2->lineEdit(), "genoa", Effect::Nothing),
      typed("Combo3", f.Combo3->lineEdit(), "genoa", Effect::Nothing),
      clicked("Command13 Save", f.Command[13], Effect::Own,
              [&] { EXPECT_TRUE(has("genoa.sal") && has("genoa.mld") && has("genoa.pnl")); }),
      {"Command12 Load",
       [&] {
         type(f.Text[29], "other");
         press(f.Command[12]);
       },
       Effect::Recomputes, commentBack},
      {"Combo1 list pick",
       [&] {
         type(f.Text[29], "other");
         type(f.Combo1, "x");
         pickFromList(f.Combo1, "genoa.sal");
       },
       Effect::Recomputes,
       [&] {
         commentBack();
         EXPECT_EQ(f.Text[30]->text(), "genoa.mld");
       }},
  });
}

}  // namespace
}  // namespace kes::test
