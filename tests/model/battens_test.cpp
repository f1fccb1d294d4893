#include "model/battens.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <tuple>
#include <utility>
#include <vector>

#include "common/numbers.h"

namespace {

using namespace kes;
constexpr BattenBox kPos = BattenBox::Position, kLen = BattenBox::Length, kAngle = BattenBox::Angle;

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
    if (box == kLen) lengthWrites.push_back(t);
    if (onChange) onChange();
  }
};

// Leech chord 100, roach 12 at 55 percent; head corner (10, 100), clew (60, 0).
SailModel roachModel() {
  SailModel m;
  std::tie(m.LeechChord, m.Roach, m.RoachPos) = std::tuple(100.0, 12.0, 55.0);
  std::tie(m.LeechCurve(1, 1), m.LeechCurve(2, 1), m.LeechCurve(1, 100)) = std::tuple(10.0, 100.0, 60.0);
  return m;
}

TEST(StandardBattens, WorkedLengthsAndAngles) {
  struct Case {
    StandardSetUp kind;
    std::vector<double> lengths;
    std::vector<const char*> positions;
  };
  const Case cases[] = {
      {StandardSetUp::Std5, {17.4, 36.2, 36.2, 36.2, 17.5}, {"17", "33", "50", "67", "83"}},
      {StandardSetUp::Std4, {20.2, 34.5, 34.5, 20.5}, {"20", "40", "60", "80", ""}},
      {StandardSetUp::Std3, {24.5, 36.2, 25.0}, {"25", "50", "75", "", ""}}};
  FakeBoxes b;  // one set of boxes: each set-up follows the one before
  SailModel m;
  // Each write runs the recompute, which reuses the spline the roach is measured on.
  b.onChange = [&m] { m.spline = kes::Spline{}; };
  for (const Case& c : cases) {
    m = roachModel();
    kes::standardBattens(c.kind, "50", m, b);
    const int used = static_cast<int>(c.lengths.size());
    for (int r = 0; r < 5; ++r) {
      EXPECT_EQ(std::tuple(b.text(kPos, r), b.text(kAngle, r), b.text(kLen, r).empty()),
                std::tuple(std::string(c.positions[r]), std::string(r < used ? "26.6" : ""), r >= used)) << r;
      if (r < used) { EXPECT_NEAR(kes::parseStrict(b.text(kLen, r)).v, c.lengths[r], 0.05) << r; }
    }
  }
}

TEST(StandardBattens, NoRoachAndALevelLeech) {
  SailModel m = roachModel();
  m.Roach = m.LeechCurve(2, 1) = 0.0;  // corner and clew at one height: the angle is kept
  FakeBoxes b;
  b.setText(kAngle, 0, "12.5");
  kes::standardBattens(StandardSetUp::Std4, "50", m, b);
  for (int r = 0; r < 4; ++r) EXPECT_EQ(b.text(kLen, r) + " " + b.text(kAngle, r), "0 12.5") << r;
}

// The worked example: tack (0, 0), clew (60, 5.25), leech point 70 at
// (40, 50), luff point 47 at (0, 46.5), luff 100.
SailModel fullLengthModel() {
  SailModel m;
  m.LuffLength = 100.0;
  std::tie(m.FootCurve(1, 1), m.FootCurve(2, 1)) = std::tie(m.LeechCurve(1, 100), m.LeechCurve(2, 100)) = std::tuple(60.0, 5.25);
  std::tie(m.LeechCurve(1, 70), m.LeechCurve(2, 70), m.LuffCurve(2, 47)) = std::tuple(40.0, 50.0, 46.5);
  return m;
}

TEST(FullLengthBatten, WorkedExample) {
  SailModel m = fullLengthModel();
  FakeBoxes b;
  b.setText(kPos, 2, "30");
  kes::fullLengthBatten(2, "50", m, b);
  EXPECT_EQ(b.text(kAngle, 2), "5.0");
  EXPECT_EQ(b.lengthWrites, (std::vector<std::string>{"39.7513046955694", "39.75"}));
}

TEST(FullLengthBatten, EndsOfTheLeechAndStepsThatFail) {
  // Position, the length box before and after, and a change to the example.
  struct Case {
    const char *pos, *before, *after;
    int change;
  };
  const Case cases[] = {{"", "", "59.63", 0},          // no position: point 100, the clew
                        {"99.7", "", "0.00", 0},       // point 0, the origin
                        {"150", "long", "long", 0},    // off the leech
                        {"30", "long", "long", 1},     // meets the luff's line far above the head
                        {"30", "12.345", "12.35", 2},  // no luff length
                        {"30", "", "63.39", 3}};       // "steep" kept: no number, a level line
  for (const Case& c : cases) {
    SailModel m = fullLengthModel();
    if (c.change == 1) m.LeechCurve(2, 70) = 500.0;
    if (c.change == 2) m.LuffLength = 0.0;
    if (c.change == 3) m.FootCurve(1, 1) = 0.0;  // a foot without run
    FakeBoxes b;
    for (const auto& [box, text] : {std::pair(kPos, c.pos), std::pair(kLen, c.before), std::pair(kAngle, "steep")})
      b.setText(box, 1, text);
    kes::fullLengthBatten(1, "50", m, b);
    EXPECT_EQ(b.text(kLen, 1), c.after) << c.pos << " " << c.change;
    EXPECT_EQ(b.text(kAngle, 1) == "steep", c.change == 3) << c.change;
  }
}

TEST(LeechDiagonal, WorkedExamplesAndRefusals) {
  SailModel m;
  const auto diag = [&m](const char* clew, const char* tack) {
    return kes::leechDiagonal(m, "100", "10", "50", clew, tack).value_or("kept");
  };
  EXPECT_EQ(std::tuple(diag("", "90"), diag("", "100"), diag("10", "")), std::tuple("111.80", "119.32", "102.47"));
  EXPECT_NEAR(m.FootAngle * 180 / kes::Pi, 11.54, 0.01);
  EXPECT_EQ(diag("", ""), "50.00");  // a cancelled tack angle
  for (const char* h : {"0", "abc"}) EXPECT_EQ(diag(h, ""), "111.80") << h;
  // No triangle, or no number to compute with: nothing written.
  std::tie(m.LeechDiagonal, m.FootAngle) = std::tuple(110.0, -3.0);
  for (const char* h : {"50", "60", "-50", "1e400"}) EXPECT_EQ(diag(h, ""), "kept") << h;
  EXPECT_EQ(diag("", "1e400"), "kept");
  EXPECT_FALSE(kes::leechDiagonal(m, "1e200", "10", "1e200", "", "90").has_value());
  EXPECT_EQ(std::tuple(m.LeechDiagonal, m.FootAngle), std::tuple(110.0, -3.0));
}

TEST(BattenHollow, DefaultTextAndAnswers) {
  EXPECT_EQ(std::tuple(kes::battenHollowDefault(0.006), kes::battenHollowDefault(1.7e308)), std::tuple("0.6", "0"));
  EXPECT_DOUBLE_EQ(kes::battenHollowFromAnswer("-2", 0.006), 0.02);
  for (const char* none : {"", "abc"}) EXPECT_EQ(kes::battenHollowFromAnswer(none, 0.006), 0.0);
  EXPECT_EQ(kes::battenHollowFromAnswer("1e400", 0.006), 0.006);
}

}  // namespace
