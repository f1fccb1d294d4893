#include "model/battens.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "common/numbers.h"
#include "sail_fixture.h"

namespace {

using kes::BattenBox;
using kes::SailModel;
using kes::StandardSetUp;

// The batten boxes as plain texts; a change runs onChange, as a box's change
// handler would.
class FakeBoxes : public kes::BattenBoxes {
 public:
  std::string texts[3][5];
  std::function<void()> onChange;
  std::vector<std::string> lengthWrites;  // every changed length text, in order
  int changes = 0;

  std::string text(BattenBox box, int row) const override {
    return texts[static_cast<int>(box)][row];
  }
  void setText(BattenBox box, int row, const std::string& t) override {
    std::string& cur = texts[static_cast<int>(box)][row];
    if (cur == t) return;
    cur = t;
    ++changes;
    if (box == BattenBox::Length) lengthWrites.push_back(t);
    if (onChange) onChange();
  }
  std::string& at(BattenBox box, int row) { return texts[static_cast<int>(box)][row]; }
};

// A model with the leech chord of the worked examples.
SailModel roachModel() {
  SailModel m;
  m.LeechChord = 100.0;
  m.Roach = 12.0;
  m.RoachPos = 55.0;
  m.LeechCurve(1, 1) = 10.0;
  m.LeechCurve(2, 1) = 100.0;
  m.LeechCurve(1, 100) = 60.0;
  m.LeechCurve(2, 100) = 0.0;
  return m;
}

double lengthOf(const FakeBoxes& b, int row) {
  return kes::parseStrict(b.text(BattenBox::Length, row)).v;
}

TEST(StandardBattens, Std3LengthsAndAngles) {
  SailModel m = roachModel();
  FakeBoxes b;
  kes::standardBattens(StandardSetUp::Std3, "50", m, b);
  EXPECT_EQ(m.FootLength, 50.0);
  EXPECT_NEAR(lengthOf(b, 0), 24.5, 0.05);
  EXPECT_NEAR(lengthOf(b, 1), 36.2, 0.05);
  EXPECT_NEAR(lengthOf(b, 2), 25.0, 0.05);
  for (int r = 0; r < 3; ++r) EXPECT_EQ(b.text(BattenBox::Angle, r), "26.6");
  EXPECT_EQ(b.text(BattenBox::Position, 0), "25");
  EXPECT_EQ(b.text(BattenBox::Position, 2), "75");
  for (int r = 3; r < 5; ++r) {
    EXPECT_EQ(b.text(BattenBox::Position, r), "");
    EXPECT_EQ(b.text(BattenBox::Length, r), "");
    EXPECT_EQ(b.text(BattenBox::Angle, r), "");
  }
  // Full precision, as plain number text.
  const std::string t = b.text(BattenBox::Length, 0);
  EXPECT_GT(t.size(), 8u);
  EXPECT_EQ(t, kes::plainNumber(lengthOf(b, 0)));
}

TEST(StandardBattens, Std4CopiesTheMiddleLength) {
  SailModel m = roachModel();
  FakeBoxes b;
  kes::standardBattens(StandardSetUp::Std4, "50", m, b);
  EXPECT_NEAR(lengthOf(b, 0), 20.2, 0.05);
  EXPECT_NEAR(lengthOf(b, 2), 34.5, 0.05);
  EXPECT_NEAR(lengthOf(b, 3), 20.5, 0.05);
  EXPECT_EQ(b.text(BattenBox::Length, 1), b.text(BattenBox::Length, 2));
  EXPECT_EQ(b.text(BattenBox::Length, 4), "");
  EXPECT_EQ(b.text(BattenBox::Angle, 3), "26.6");
  EXPECT_EQ(b.text(BattenBox::Angle, 4), "");
  EXPECT_EQ(b.text(BattenBox::Position, 3), "80");
}

TEST(StandardBattens, Std5CopiesTheMiddleLengthTwice) {
  SailModel m = roachModel();
  FakeBoxes b;
  kes::standardBattens(StandardSetUp::Std5, "50", m, b);
  EXPECT_NEAR(lengthOf(b, 0), 17.4, 0.05);
  EXPECT_NEAR(lengthOf(b, 2), 36.2, 0.05);
  EXPECT_NEAR(lengthOf(b, 4), 17.5, 0.05);
  EXPECT_EQ(b.text(BattenBox::Length, 1), b.text(BattenBox::Length, 2));
  EXPECT_EQ(b.text(BattenBox::Length, 3), b.text(BattenBox::Length, 2));
  for (int r = 0; r < 5; ++r) EXPECT_EQ(b.text(BattenBox::Angle, r), "26.6");
  EXPECT_EQ(b.text(BattenBox::Position, 4), "83");
}

TEST(StandardBattens, Std3AfterStd5EmptiesTheUpperRows) {
  SailModel m = roachModel();
  FakeBoxes b;
  kes::standardBattens(StandardSetUp::Std5, "50", m, b);
  kes::standardBattens(StandardSetUp::Std3, "50", m, b);
  for (int r = 3; r < 5; ++r)
    for (BattenBox box : {BattenBox::Position, BattenBox::Length, BattenBox::Angle})
      EXPECT_EQ(b.text(box, r), "") << r;
}

TEST(StandardBattens, NoRoachAndLevelLeech) {
  SailModel m = roachModel();
  m.Roach = 0.0;
  m.LeechCurve(2, 1) = m.LeechCurve(2, 100) = 0.0;  // corner and clew at one height
  FakeBoxes b;
  b.at(BattenBox::Angle, 0) = "12.5";
  kes::standardBattens(StandardSetUp::Std4, "50", m, b);
  for (int r = 0; r < 4; ++r) {
    EXPECT_EQ(b.text(BattenBox::Length, r), "0") << r;
    EXPECT_EQ(b.text(BattenBox::Angle, r), "12.5") << r;  // kept, then copied
  }
}

TEST(StandardBattens, NoneEmptiesOnlyTheLengths) {
  SailModel m = roachModel();
  FakeBoxes b;
  kes::standardBattens(StandardSetUp::Std4, "50", m, b);
  kes::noBattens(b);
  for (int r = 0; r < 5; ++r) EXPECT_EQ(b.text(BattenBox::Length, r), "");
  EXPECT_EQ(b.text(BattenBox::Position, 1), "40");
  EXPECT_EQ(b.text(BattenBox::Angle, 1), "26.6");
}

// The window: every changed box recomputes the default sail from the boxes.
struct Window {
  kes::SailInputs inputs = kes::testing::defaultInputs();
  SailModel model;
  FakeBoxes boxes;
  int recomputes = 0;
  Window() {
    boxes.onChange = [this] { recompute(); };
    recompute();
  }
  void recompute() {
    for (int r = 0; r < 5; ++r)
      inputs.batten[r] = kes::readBattenRow(boxes.text(BattenBox::Position, r),
                                            boxes.text(BattenBox::Length, r));
    kes::recompute(inputs, model);
    ++recomputes;
  }
};

TEST(StandardBattens, OnTheDefaultSailWithItsRecomputes) {
  Window w;
  w.inputs.battenHollow = 0.006;
  const SailModel noHollow = w.model;
  w.recomputes = 0;
  kes::standardBattens(StandardSetUp::Std4, "50", w.model, w.boxes);
  w.recompute();  // the press's own final recompute
  EXPECT_LE(w.recomputes, 21);
  EXPECT_EQ(kes::testing::firstNonFinite(w.model), "");
  for (int r = 0; r < 4; ++r) EXPECT_GT(lengthOf(w.boxes, r), 10.0) << r;
  // The battens now hollow the leech.
  EXPECT_NE(w.model.LeechCurve(1, 90), noHollow.LeechCurve(1, 90));
  // Pressed again: nothing changes, so no recompute runs until the last.
  w.recomputes = 0;
  kes::standardBattens(StandardSetUp::Std4, "50", w.model, w.boxes);
  EXPECT_LE(w.recomputes, 10);
}

TEST(StandardBattens, FootLengthTakenEvenWhenTheRecomputeStops) {
  Window w;
  w.inputs.text[1] = 0.0;  // empty luff box
  kes::standardBattens(StandardSetUp::Std3, "44", w.model, w.boxes);
  EXPECT_EQ(w.model.FootLength, 44.0);
}

// The worked example of the full-length batten.
SailModel fullLengthModel() {
  SailModel m;
  m.FootCurve(1, 100) = 0.0;
  m.FootCurve(2, 100) = 0.0;
  m.FootCurve(1, 1) = 60.0;
  m.FootCurve(2, 1) = 5.25;
  m.LeechCurve(1, 70) = 40.0;
  m.LeechCurve(2, 70) = 50.0;
  m.LuffLength = 100.0;
  m.LuffCurve(2, 47) = 46.5;
  return m;
}

TEST(FullLengthBatten, WorkedExample) {
  SailModel m = fullLengthModel();
  FakeBoxes b;
  b.at(BattenBox::Position, 2) = "30";
  kes::fullLengthBatten(2, "50", m, b);
  EXPECT_EQ(m.FootLength, 50.0);
  EXPECT_EQ(b.text(BattenBox::Angle, 2), "5.0");
  ASSERT_EQ(b.lengthWrites.size(), 2u);
  EXPECT_EQ(b.lengthWrites[0], "39.7513046955694");
  EXPECT_EQ(b.lengthWrites[1], "39.75");
  EXPECT_EQ(b.text(BattenBox::Position, 2), "30");
}

TEST(FullLengthBatten, EmptyPositionRunsAlongTheFoot) {
  SailModel m = fullLengthModel();
  m.LeechCurve(1, 100) = 60.0;  // the clew
  m.LeechCurve(2, 100) = 5.25;
  FakeBoxes b;
  kes::fullLengthBatten(0, "50", m, b);
  EXPECT_EQ(b.text(BattenBox::Length, 0), kes::format0_00(0.99 * std::hypot(60.0, 5.25)));
}

TEST(FullLengthBatten, PositionAtTheHeadGivesZero) {
  SailModel m = fullLengthModel();
  FakeBoxes b;
  b.at(BattenBox::Position, 1) = "99.7";
  kes::fullLengthBatten(1, "50", m, b);
  EXPECT_EQ(b.text(BattenBox::Length, 1), "0.00");
}

TEST(FullLengthBatten, OutOfRangeKeepsTheLengthText) {
  SailModel m = fullLengthModel();
  FakeBoxes b;
  b.at(BattenBox::Position, 3) = "150";  // leech point outside the curve
  b.at(BattenBox::Length, 3) = "12.345";
  kes::fullLengthBatten(3, "50", m, b);
  EXPECT_EQ(b.text(BattenBox::Angle, 3), "5.0");
  EXPECT_EQ(b.text(BattenBox::Length, 3), "12.35");

  b.at(BattenBox::Length, 3) = "long";
  kes::fullLengthBatten(3, "50", m, b);
  EXPECT_EQ(b.text(BattenBox::Length, 3), "long");

  // A line that reaches the tack's vertical far above the head.
  m.LeechCurve(2, 70) = 500.0;
  b.at(BattenBox::Position, 3) = "30";
  b.at(BattenBox::Length, 3) = "";
  kes::fullLengthBatten(3, "50", m, b);
  EXPECT_EQ(b.text(BattenBox::Length, 3), "");
}

TEST(FullLengthBatten, NoLuffLengthWritesNoLength) {
  SailModel m = fullLengthModel();
  m.LuffLength = 0.0;
  FakeBoxes b;
  b.at(BattenBox::Position, 0) = "30";
  b.at(BattenBox::Length, 0) = "7";
  kes::fullLengthBatten(0, "50", m, b);
  EXPECT_EQ(b.text(BattenBox::Length, 0), "7.00");
}

TEST(FullLengthBatten, FootWithoutRunUsesTheAngleInTheBox) {
  SailModel m = fullLengthModel();
  m.FootCurve(1, 1) = 0.0;  // clew straight above the tack
  FakeBoxes b;
  b.at(BattenBox::Position, 0) = "30";
  b.at(BattenBox::Angle, 0) = "0";
  kes::fullLengthBatten(0, "50", m, b);
  EXPECT_EQ(b.text(BattenBox::Angle, 0), "0");
  // Horizontal line from (40, 50): luff point 50, which reads 0 here.
  EXPECT_EQ(b.text(BattenBox::Length, 0), kes::format0_00(0.99 * std::hypot(40.0, 50.0)));

  b.at(BattenBox::Angle, 0) = "steep";  // no number: the line is horizontal too
  b.at(BattenBox::Length, 0) = "";
  kes::fullLengthBatten(0, "50", m, b);
  EXPECT_EQ(b.text(BattenBox::Length, 0), kes::format0_00(0.99 * std::hypot(40.0, 50.0)));
}

TEST(FullLengthBatten, RisingAndFallingFoot) {
  SailModel m = fullLengthModel();
  FakeBoxes b;
  kes::fullLengthBatten(4, "50", m, b);
  EXPECT_EQ(b.text(BattenBox::Angle, 4), "5.0");
  m.FootCurve(2, 1) = -5.25;
  kes::fullLengthBatten(4, "50", m, b);
  EXPECT_EQ(b.text(BattenBox::Angle, 4), "-5.0");
}

TEST(LeechDiagonal, WorkedExamples) {
  SailModel m;
  EXPECT_EQ(kes::leechDiagonal(m, "100", "10", "50", "", "90"), "111.80");
  EXPECT_EQ(m.LuffLength, 100.0);
  EXPECT_EQ(m.HeadWidth, 10.0);
  EXPECT_EQ(m.FootLength, 50.0);
  EXPECT_NEAR(m.LeechDiagonal, 111.803, 1e-3);
  EXPECT_EQ(kes::leechDiagonal(m, "100", "10", "50", "", "100"), "119.32");
  EXPECT_EQ(kes::leechDiagonal(m, "100", "10", "50", "10", ""), "102.47");
  EXPECT_NEAR(m.FootAngle * 180 / kes::Pi, 11.54, 0.01);
  EXPECT_EQ(kes::leechDiagonal(m, "100", "10", "50", "", ""), "50.00");
  EXPECT_EQ(kes::leechDiagonal(m, "100", "10", "50", "", "abc"), "50.00");
}

TEST(LeechDiagonal, ClewHeights) {
  SailModel m;
  EXPECT_EQ(kes::leechDiagonal(m, "100", "10", "50", "0", ""), "111.80");
  EXPECT_EQ(kes::leechDiagonal(m, "100", "10", "50", "abc", ""), "111.80");
  EXPECT_EQ(kes::leechDiagonal(m, "100", "10", "50", " ", ""), "111.80");
  const auto below = kes::leechDiagonal(m, "100", "10", "50", "-10", "");
  ASSERT_TRUE(below.has_value());
  EXPECT_GT(kes::parseLenient(*below), 111.80);
}

TEST(LeechDiagonal, NoTriangleKeepsText3) {
  SailModel m;
  m.LeechDiagonal = 110.0;
  m.FootAngle = -3.0;
  for (const char* h : {"50", "60", "-50", "-1e300", "1e400"}) {
    EXPECT_FALSE(kes::leechDiagonal(m, "100", "10", "50", h, "").has_value()) << h;
    EXPECT_EQ(m.LeechDiagonal, 110.0);
    EXPECT_EQ(m.FootAngle, -3.0);
  }
  EXPECT_FALSE(kes::leechDiagonal(m, "1e200", "10", "1e200", "", "90").has_value());
  EXPECT_FALSE(kes::leechDiagonal(m, "100", "10", "50", "", "1e400").has_value());
  EXPECT_EQ(m.LeechDiagonal, 110.0);
}

TEST(BattenHollow, DefaultTextAndAnswers) {
  EXPECT_EQ(kes::battenHollowDefault(0.006), "0.6");
  EXPECT_EQ(kes::battenHollowDefault(0.0), "0");
  EXPECT_EQ(kes::battenHollowDefault(1.7e308), "0");
  EXPECT_DOUBLE_EQ(kes::battenHollowFromAnswer("1.5", 0.006), 0.015);
  EXPECT_DOUBLE_EQ(kes::battenHollowFromAnswer("-2", 0.006), 0.02);
  EXPECT_EQ(kes::battenHollowFromAnswer("", 0.006), 0.0);
  EXPECT_EQ(kes::battenHollowFromAnswer("abc", 0.006), 0.0);
  EXPECT_EQ(kes::battenHollowFromAnswer("1e400", 0.006), 0.006);
}

}  // namespace
