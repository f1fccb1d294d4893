// The input boxes, the camber-station selector and its scroll bars, the batten
// buttons, the "?" and Batten Hollow commands and the view controls, driven
// through the window.

#include <cmath>
#include <random>

#include <QTest>

#include "app_fixture.h"
#include "common/numbers.h"
#include "view/rotation.h"

namespace kes::test {
namespace {

// ---- Recompute from the boxes --------------------------------------------------

TEST_F(AppTest, ASizeBoxRecomputesOnEveryKeystrokeUnlessTheLuffIsZero) {
  Form1& f = start();
  const double clewBefore = f.m.ClewX;
  f.Text[4]->setText("60");  // a longer foot moves the clew
  EXPECT_NE(f.m.ClewX, clewBefore);

  // A zero luff stops the recompute: the turned drawing and the area stay.
  f.HScroll[1]->setValue(30);
  const std::string shown = f.Label40->caption() + f.Text[46]->text();
  f.Text[1]->setText("");
  EXPECT_TRUE(f.m.HandleSize == 0 && f.Label40->caption() + f.Text[46]->text() == shown);
}

TEST_F(AppTest, JunkTypedIntoEveryBoxNeverReachesTheModel) {
  Form1& f = start();
  const char* junk[] = {"", "abc", "1e400", "-1e400", "1,5", "-", "9999999999", "-37.5", "NaN", "0", "1e308"};
  std::mt19937 rng(7);
  std::vector<TextBox*> boxes;
  for (QObject* o : f.findChildren<QLineEdit*>())
    if (auto* b = dynamic_cast<TextBox*>(o)) boxes.push_back(b);
  ASSERT_EQ(boxes.size(), 89u);  // Text1..46, 15 batten, 4 reef and 24 mold boxes
  for (int round = 0; round < 300; ++round)
    boxes[rng() % boxes.size()]->setText(junk[rng() % std::size(junk)]);
  // Every option of the window once more over the junk.
  f.Option[2]->click();
  f.Option5[0]->click();
  f.Command[4]->click();
  f.Command[24]->click();
  for (double v : {f.m.LeechDiagonal, f.m.LeechAngle, f.m.HandleSize, f.m.area, f.Picture1->scaleWidth()})
    EXPECT_TRUE(std::isfinite(v));
  std::vector<const Curve*> curves = {&f.m.LuffCurve, &f.m.HeadCurve, &f.m.LeechCurve,
                                      &f.m.FootCurve, &f.m.LuffView,  &f.m.LeechView};
  for (const Curve& s : f.m.MoldSections) curves.push_back(&s);
  for (const Curve* c : curves)
    for (int coord = 1; coord <= 3; ++coord)
      for (int i = 0; i <= 100; ++i) ASSERT_TRUE(std::isfinite((*c)(coord, i)));
}

// ---- Typing into boxes their handlers rewrite ------------------------------------

TEST_F(AppTest, TypingGoesOnBehindTheCaretWhenAHandlerRewritesTheBox) {
  Form1& f = start();
  f.Option[7]->setValue(true);  // Reinforcements
  // "10": two BackSpaces empty the box, which reads "0" at once; the 7 goes
  // behind that 0, not in front of it (70, clamped to 20).
  clickAfterTextAndType(f.Text[37], "\b\b7");
  EXPECT_EQ(f.Text[37]->text(), "7");
  // A layer box emptied reads "0" through its bar: 07 is 7 layers, not 70 clamped to 10.
  clickAfterTextAndType(f.Text[43], "\b7");
  EXPECT_EQ(std::pair(f.Text[43]->text(), f.HScroll[2]->value()), std::pair(std::string("7"), 7));

  // The panel count takes a typed -3 as 3, and the next digit follows it.
  f.Option[3]->setValue(true);
  clickAfterTextAndType(f.Text[15], "\b\b-30");
  EXPECT_EQ(f.Text[15]->text(), "30");
  // A box rewritten by code while the user types elsewhere shows its text from the start.
  f.Text[16]->setText("123456789012345678901234567890");
  EXPECT_EQ(f.Text[16]->cursorPosition(), 0);
}

// ---- Camber stations and the mold bars --------------------------------------------

TEST_F(AppTest, StationValuesEnterTheBarsRoundedHalfToEvenAndRefusedOutsideTheirRange) {
  Form1& f = start();
  f.ent[1]->setText("2.25");
  f.dep[1]->setText("2.75");
  f.pos[3]->setText("15");  // below 20 percent: the bar refuses 150
  f.CurrentSection = 1;  // typing selected station 3
  f.Option[2]->click();
  // The bars write their tenths back.
  EXPECT_EQ(std::tuple(f.VScroll[1]->value(), f.VScroll[2]->value(), f.ent[1]->text() + " " + f.dep[1]->text()),
            std::tuple(22, 28, "2.2 2.8"));
  f.Option5[3]->click();
  EXPECT_EQ(std::tuple(f.CurrentSection, f.VScroll[3]->value(), f.pos[3]->text()), std::tuple(3, 420, "15"));
}

TEST_F(AppTest, AMoldBoxSelectsItsStationAndABarStepEditsItInTenths) {
  Form1& f = start();
  f.Option[2]->click();
  f.moldBox_GotFocus(2);  // a click into a box of station 2 selects it and sets the bars
  EXPECT_TRUE(f.Option5[2]->value());
  ScrollBar* entry = f.VScroll[1];
  ASSERT_EQ(entry->value(), 280);
  f.ent[2]->setText("30");  // typing does not move the bar
  EXPECT_EQ(entry->value(), 280);
  click(entry, QPointF(entry->width() / 2, 2));  // its upper arrow raises the angle
  EXPECT_EQ(std::pair(f.ent[2]->text(), f.m.EntryAngles[2]), std::pair(std::string("28.1"), 28.1));
  // The draft-position bar's upper end is 80 percent: its upper arrow moves aft.
  click(f.VScroll[3], QPointF(f.VScroll[3]->width() / 2, 2));
  EXPECT_EQ(f.pos[2]->text(), "42.1");

  f.ex[4]->setText("20");  // a change selects the station but leaves the selector
  EXPECT_EQ(std::pair(f.CurrentSection, f.Option5[2]->value()), std::pair(4, true));
  // The foot's station too: its boxes set the bars (its exit angle 16).
  f.moldBox_GotFocus(0);
  EXPECT_EQ(std::tuple(f.CurrentSection, f.Option5[0]->value(), f.VScroll[4]->value()), std::tuple(0, true, 160));
}

// ---- Battens -------------------------------------------------------------------

TEST_F(AppTest, BattenButtonsRewriteTheirBoxesAndRecompute) {
  Form1& f = start();
  f.m.ViewAngleY = 30;    // a turned view shows whether the recompute ran
  f.Command[4]->click();  // "Std 4"
  EXPECT_EQ(f.BatPos[0]->text() + f.BatPos[3]->text() + "|" + f.BatPos[4]->text(), "2080|");
  EXPECT_TRUE(f.m.ViewAngleY == 0 && parseLenient(f.BatLngth[3]->text()) > 0);
  // Every row of "Std 4" filled: one angle to a tenth, each length its own.
  const char* positions[5] = {"20", "40", "60", "80", ""};
  for (int k = 0; k < 5; ++k) EXPECT_EQ(f.BatPos[k]->text(), positions[k]) << k;
  for (int k = 0; k < 4; ++k) {
    EXPECT_TRUE(QRegularExpression("^-?\\d+\\.\\d$").match(QString::fromStdString(f.BatAngl[k]->text())).hasMatch())
        << f.BatAngl[k]->text();
    EXPECT_EQ(f.BatAngl[k]->text(), f.BatAngl[0]->text());
    EXPECT_GT(parseLenient(f.BatLngth[k]->text()), 0) << k;
  }
  EXPECT_EQ(f.BatLngth[1]->text(), f.BatLngth[2]->text());
  EXPECT_EQ(f.BatAngl[4]->text() + f.BatLngth[4]->text(), "");

  f.Command[15]->click();  // "Std 3" after "Std 4" empties row 3
  EXPECT_EQ(f.BatPos[0]->text() + "|" + f.BatPos[3]->text() + f.BatAngl[3]->text() + f.BatLngth[3]->text(), "25|");

  f.Command[19]->click();  // "None" empties the lengths only
  EXPECT_EQ(f.BatLngth[0]->text() + f.BatLngth[2]->text() + "|" + f.BatPos[0]->text(), "|25");

  f.m.ViewAngleY = 30;
  f.Command[20]->click();  // "<" of row 2: full length, parallel to the foot; the other rows left alone
  // The boxes' handlers recomputed.
  EXPECT_TRUE(f.m.ViewAngleY == 0 && !f.BatAngl[2]->text().empty() && f.BatLngth[0]->text().empty());
}

// ---- "?" and Batten Hollow ----------------------------------------------------------

TEST_F(AppTest, DiagonalFromTheTackAngleAndCancelledInputBoxesChangeNothing) {
  Form1& f = start();
  const std::string diagonal = f.Text[3]->text();
  answers = {std::nullopt};  // the clew height cancelled: nothing more is asked
  f.Command[5]->click();
  EXPECT_EQ(std::pair(inputs.size(), f.Text[3]->text()), std::pair(std::size_t{1}, diagonal));

  f.Text[4]->setText("50");
  answers = {"", "90"};
  f.Command[5]->click();
  EXPECT_EQ(f.Text[3]->text(), "111.80");

  answers = {"1.5", std::nullopt};  // Cancel keeps the hollow
  f.dummy37->choose();
  f.dummy37->choose();
  EXPECT_DOUBLE_EQ(f.BattenHollow, 0.015);
}

// ---- View controls ----------------------------------------------------------------

TEST_F(AppTest, RightButtonBoxZoomsAndViewRestoresTheFullView) {
  Form1& f = start();
  f.Picture1_MouseDown(2, 0, 10, 20);
  f.Picture1_MouseMove(2, 0, 30, 60);
  f.Picture1_MouseUp(2, 0, 30, 60);
  EXPECT_TRUE(!f.Command[6]->isHidden() && std::abs(f.Picture1->scaleLeft() - 10) < 1e-4);
  f.Command[6]->click();
  EXPECT_TRUE(f.Command[6]->isHidden() && f.Picture1->scaleLeft() == fullViewScale(f.m).left);
}

}  // namespace
}  // namespace kes::test
