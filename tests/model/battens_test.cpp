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

// The batten boxes as texts; a changed text runs onChange, as the box's
// change handler would.
struct FakeBoxes : kes::BattenBoxes {
  std::string texts[3][5];
  std::function<void()> onChange;
  std::vector<std::string> lengthWrites;

  std::string text(BattenBox box, int row) const override { return texts[int(box)][row]; }
  void setText(BattenBox box, int row, const std::string& t) override {
    std::string& cur = texts[int(box)][row];
    if (cur == t) return;
    cur = t;
    if (box == BattenBox::Length) lengthWrites.push_back(t);
    if (onChange) onChange();
  }
  std::string& at(BattenBox box, int row) { return texts[int(box)][row]; }
  double length(int row) const { return kes::parseStrict(text(BattenBox::Length, row)).v; }
};

// Leech chord 100, roach 12 at 55 percent; head corner (10, 100), clew (60, 0).
SailModel roachModel() {
  SailModel m;
  m.LeechChord = 100.0;
  m.Roach = 12.0;
  m.RoachPos = 55.0;
  m.LeechCurve(1, 1) = 10.0;
  m.LeechCurve(2, 1) = 100.0;
  m.LeechCurve(1, 100) = 60.0;
  return m;
}

TEST(StandardBattens, WorkedLengthsAndAngles) {
  struct Case {
    StandardSetUp kind;
    std::vector<double> lengths;
    std::vector<const char*> positions;
  };
  const Case cases[] = {
      {StandardSetUp::Std3, {24.5, 36.2, 25.0}, {"25", "50", "75", "", ""}},
      {StandardSetUp::Std4, {20.2, 34.5, 34.5, 20.5}, {"20", "40", "60", "80", ""}},
      {StandardSetUp::Std5, {17.4, 36.2, 36.2, 36.2, 17.5}, {"17", "33", "50", "67", "83"}}};
  FakeBoxes b;  // one set of boxes: each set-up follows the one before
  for (const Case& c : cases) {
    SailModel m = roachModel();
    kes::standardBattens(c.kind, "50", m, b);
    EXPECT_EQ(m.FootLength, 50.0);
    const int used = static_cast<int>(c.lengths.size());
    for (int r = 0; r < 5; ++r) {
      EXPECT_EQ(b.text(BattenBox::Position, r), c.positions[r]);
      EXPECT_EQ(b.text(BattenBox::Angle, r), r < used ? "26.6" : "") << r;
      EXPECT_EQ(b.text(BattenBox::Length, r).empty(), r >= used) << r;
      if (r < used) { EXPECT_NEAR(b.length(r), c.lengths[r], 0.05) << r; }
    }
    // Full precision; the middle rows carry row 2's text.
    EXPECT_GT(b.text(BattenBox::Length, 0).size(), 8u);
    if (used > 3) { EXPECT_EQ(b.text(BattenBox::Length, 1), b.text(BattenBox::Length, 2)); }
    if (used > 4) { EXPECT_EQ(b.text(BattenBox::Length, 3), b.text(BattenBox::Length, 2)); }
  }
  // Std 3 after Std 5: rows 3 and 4 end empty.
  SailModel m = roachModel();
  kes::standardBattens(StandardSetUp::Std3, "50", m, b);
  for (BattenBox box : {BattenBox::Position, BattenBox::Length, BattenBox::Angle})
    EXPECT_EQ(b.text(box, 3) + b.text(box, 4), "");
  // None empties only the lengths.
  kes::noBattens(b);
  for (int r = 0; r < 5; ++r) EXPECT_EQ(b.text(BattenBox::Length, r), "");
  EXPECT_EQ(b.text(BattenBox::Angle, 1) + b.text(BattenBox::Position, 1), "26.650");
}

TEST(StandardBattens, NoRoachAndALevelLeech) {
  SailModel m = roachModel();
  m.Roach = 0.0;
  m.LeechCurve(2, 1) = 0.0;  // corner and clew at one height: the angle is kept
  FakeBoxes b;
  b.at(BattenBox::Angle, 0) = "12.5";
  kes::standardBattens(StandardSetUp::Std4, "50", m, b);
  for (int r = 0; r < 4; ++r)
    EXPECT_EQ(b.text(BattenBox::Length, r) + " " + b.text(BattenBox::Angle, r), "0 12.5") << r;
}

TEST(StandardBattens, WithTheWindowsRecomputes) {
  kes::SailInputs in = kes::testing::defaultInputs();
  in.battenHollow = 0.006;
  SailModel m = kes::testing::computed(in);
  const SailModel noHollow = m;
  FakeBoxes b;
  int recomputes = 0;
  b.onChange = [&] {
    for (int r = 0; r < 5; ++r)
      in.batten[r] = kes::readBattenRow(b.text(BattenBox::Position, r), b.text(BattenBox::Length, r));
    kes::recompute(in, m);
    ++recomputes;
  };
  kes::standardBattens(StandardSetUp::Std4, "50", m, b);
  b.onChange();  // the press's final recompute
  EXPECT_LE(recomputes, 21);
  EXPECT_EQ(kes::testing::firstNonFinite(m), -1);
  for (int r = 0; r < 4; ++r) EXPECT_GT(b.length(r), 10.0) << r;
  EXPECT_NE(m.LeechCurve(1, 90), noHollow.LeechCurve(1, 90));  // now hollow between battens
  // FootLength comes from the foot box even when the recomputes stop early.
  in.text[1] = 0.0;
  kes::standardBattens(StandardSetUp::Std3, "44", m, b);
  EXPECT_EQ(m.FootLength, 44.0);
}

// The worked example: tack (0, 0), clew (60, 5.25), leech point 70 at
// (40, 50), luff point 47 at (0, 46.5), luff 100.
SailModel fullLengthModel() {
  SailModel m;
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
  EXPECT_EQ(b.lengthWrites, (std::vector<std::string>{"39.7513046955694", "39.75"}));
  m.FootCurve(2, 1) = -5.25;  // a falling foot
  kes::fullLengthBatten(2, "50", m, b);
  EXPECT_EQ(b.text(BattenBox::Angle, 2), "-5.0");
}

TEST(FullLengthBatten, EndsOfTheLeechAndStepsThatFail) {
  SailModel m = fullLengthModel();
  m.LeechCurve(1, 100) = 60.0;  // the clew
  m.LeechCurve(2, 100) = 5.25;
  FakeBoxes b;
  kes::fullLengthBatten(0, "50", m, b);  // empty position: along the foot
  EXPECT_EQ(b.text(BattenBox::Length, 0), kes::format0_00(0.99 * std::hypot(60.0, 5.25)));
  b.at(BattenBox::Position, 1) = "99.7";  // leech point 0, the origin
  kes::fullLengthBatten(1, "50", m, b);
  EXPECT_EQ(b.text(BattenBox::Length, 1), "0.00");

  // A foot without run keeps the angle in the box; no number there is a level line.
  SailModel level = fullLengthModel();
  level.FootCurve(1, 1) = 0.0;
  b.at(BattenBox::Position, 2) = "30";
  b.at(BattenBox::Angle, 2) = "steep";
  kes::fullLengthBatten(2, "50", level, b);
  EXPECT_EQ(b.text(BattenBox::Angle, 2), "steep");
  EXPECT_EQ(b.text(BattenBox::Length, 2), kes::format0_00(0.99 * std::hypot(40.0, 50.0)));

  // Leech point outside the curve, a line that meets the luff's vertical far
  // above the head, no luff length: the length text is kept ("0.00" when a number).
  const char* positions[] = {"150", "30", "30"};
  for (int c = 0; c < 3; ++c) {
    SailModel odd = fullLengthModel();
    if (c == 1) odd.LeechCurve(2, 70) = 500.0;
    if (c == 2) odd.LuffLength = 0.0;
    b.at(BattenBox::Position, 3) = positions[c];
    b.at(BattenBox::Length, 3) = "12.345";
    kes::fullLengthBatten(3, "50", odd, b);
    EXPECT_EQ(b.text(BattenBox::Length, 3), "12.35") << c;
    b.at(BattenBox::Length, 3) = "long";
    kes::fullLengthBatten(3, "50", odd, b);
    EXPECT_EQ(b.text(BattenBox::Length, 3), "long") << c;
  }
}

TEST(LeechDiagonal, WorkedExamplesAndRefusals) {
  SailModel m;
  const auto diag = [&m](const char* clew, const char* tack) {
    return kes::leechDiagonal(m, "100", "10", "50", clew, tack).value_or("kept");
  };
  EXPECT_EQ(diag("", "90"), "111.80");
  EXPECT_EQ(m.LuffLength + m.HeadWidth + m.FootLength, 160.0);
  EXPECT_EQ(diag("", "100"), "119.32");
  EXPECT_EQ(diag("10", ""), "102.47");
  EXPECT_NEAR(m.FootAngle * 180 / kes::Pi, 11.54, 0.01);
  EXPECT_EQ(diag("", ""), "50.00");  // a cancelled tack angle
  for (const char* h : {"0", "abc"}) EXPECT_EQ(diag(h, ""), "111.80") << h;
  EXPECT_GT(kes::parseLenient(diag("-10", "")), 111.80);
  // No triangle, or no number to compute with: nothing written.
  m.LeechDiagonal = 110.0;
  m.FootAngle = -3.0;
  for (const char* h : {"50", "60", "-50", "1e400"}) EXPECT_EQ(diag(h, ""), "kept") << h;
  EXPECT_EQ(diag("", "1e400"), "kept");
  EXPECT_FALSE(kes::leechDiagonal(m, "1e200", "10", "1e200", "", "90").has_value());
  EXPECT_EQ(m.LeechDiagonal, 110.0);
  EXPECT_EQ(m.FootAngle, -3.0);
}

TEST(BattenHollow, DefaultTextAndAnswers) {
  EXPECT_EQ(kes::battenHollowDefault(0.006), "0.6");
  EXPECT_EQ(kes::battenHollowDefault(0.0), "0");
  EXPECT_EQ(kes::battenHollowDefault(1.7e308), "0");
  EXPECT_DOUBLE_EQ(kes::battenHollowFromAnswer("1.5", 0.006), 0.015);
  EXPECT_DOUBLE_EQ(kes::battenHollowFromAnswer("-2", 0.006), 0.02);
  for (const char* none : {"", "abc"}) EXPECT_EQ(kes::battenHollowFromAnswer(none, 0.006), 0.0);
  EXPECT_EQ(kes::battenHollowFromAnswer("1e400", 0.006), 0.006);
}

}  // namespace
