#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "common/numbers.h"
#include "model/sail_model.h"
#include "sail_fixture.h"

namespace {

using kes::SailInputs;
using kes::SailModel;
using kes::testing::defaultInputs;
using kes::testing::firstNonFinite;
using kes::testing::straightInputs;

SailModel computed(const SailInputs& in) {
  SailModel m;
  kes::recompute(in, m);
  return m;
}

TEST(BadInput, LettersAndEmptyBoxesStopWithoutHarm) {
  SailModel m = computed(defaultInputs());
  for (const char* text : {"", "abc", "-", ".", ","}) {
    for (int box : {1, 2, 3, 4}) {
      SailInputs in = defaultInputs();
      in.text[box] = kes::parseLenient(text);
      EXPECT_TRUE(kes::recompute(in, m).stoppedEarly) << box;
      EXPECT_EQ(firstNonFinite(m), "");
    }
  }
  // Letters in the other boxes read 0 and the run goes through.
  SailInputs in = defaultInputs();
  for (int box = 5; box <= 14; ++box) in.text[box] = kes::parseLenient("x");
  for (int i = 0; i < 6; ++i) in.ent[i] = in.dep[i] = in.pos[i] = in.ex[i] = 0.0;
  EXPECT_TRUE(kes::recompute(in, m).completed);
  EXPECT_EQ(firstNonFinite(m), "");
}

TEST(BadInput, HugeValuesInEveryBox) {
  for (double huge : {1e300, -1e300, 1.7e308, 1e154, -1e154, 1e-300}) {
    for (int box = 1; box <= 14; ++box) {
      SailModel m = computed(defaultInputs());
      SailInputs in = defaultInputs();
      in.text[box] = huge;
      kes::recompute(in, m);
      EXPECT_EQ(firstNonFinite(m), "") << "box " << box << " = " << huge;
    }
    SailInputs all = defaultInputs();
    for (int box = 1; box <= 14; ++box) all.text[box] = huge;
    for (int i = 0; i < 6; ++i) all.ent[i] = all.dep[i] = all.pos[i] = all.ex[i] = huge;
    SailModel m = computed(all);
    EXPECT_EQ(firstNonFinite(m), "") << huge;
    EXPECT_TRUE(kes::areaText(m.area, kes::Unit::Inches).size() > 0);
  }
}

TEST(BadInput, NegativeLengths) {
  for (int box = 1; box <= 14; ++box) {
    SailInputs in = defaultInputs();
    in.text[box] = -in.text[box];
    const SailModel m = computed(in);
    EXPECT_EQ(firstNonFinite(m), "") << box;
  }
  SailInputs in = defaultInputs();
  for (int box = 1; box <= 4; ++box) in.text[box] = -in.text[box];
  EXPECT_EQ(firstNonFinite(computed(in)), "");
}

TEST(BadInput, MixedExtremesNeverLeaveNaN) {
  const double values[] = {0.0, 1.0, -1.0, 3.0, 50.0, 97.0, 100.0, 1e-300, 1e300, -1e300, 1e15, 90.0};
  std::uint32_t seed = 12345;
  const auto pick = [&] {
    seed = seed * 1664525u + 1013904223u;
    return values[(seed >> 8) % (sizeof values / sizeof values[0])];
  };
  SailModel m;
  for (int run = 0; run < 400; ++run) {
    SailInputs in = defaultInputs();
    for (int box = 1; box <= 14; ++box)
      if ((run + box) % 3 == 0) in.text[box] = pick();
    for (int i = 0; i < 6; ++i) {
      in.pos[i] = pick();
      in.dep[i] = pick();
    }
    for (int r = 0; r < 5; ++r) kes::testing::setBatten(in, r, pick(), pick());
    in.battenHollow = pick();
    in.currentSection = run % 8 - 1;
    kes::recompute(in, m);
    ASSERT_EQ(firstNonFinite(m), "") << "run " << run;
  }
}

TEST(BadInput, ClewForwardOfTheHeadCornerIsStillReached) {
  // A wide gaff head puts its aft corner aft of the clew.
  SailInputs in = straightInputs();
  in.text[2] = 80.0;
  in.text[5] = 130.0;
  in.text[12] = 8.0;  // with a roach, to see the leech take the right side
  const SailModel m = computed(in);
  ASSERT_LT(m.ClewX, m.HeadCurve(1, 100));
  EXPECT_NEAR(m.LeechCurve(1, 100), m.ClewX, 1e-9);
  EXPECT_NEAR(m.LeechCurve(2, 100), m.ClewY, 1e-9);
  EXPECT_NEAR(m.LeechChord, std::hypot(m.ClewX - m.HeadCurve(1, 100), m.ClewY - m.HeadCurve(2, 100)),
              1e-9);
  // The leech runs down from the head corner to the clew.
  for (int i = 1; i < 100; ++i) EXPECT_GT(m.LeechCurve(2, i), m.LeechCurve(2, i + 1)) << i;
  EXPECT_NEAR(m.FootCurve(1, 100), 0.0, 1e-4);
  EXPECT_NEAR(m.FootCurve(2, 100), 0.0, 1e-4);
}

TEST(BadInput, ClewAftKeepsTheArctangentOfTheSlope) {
  const SailModel m = computed(defaultInputs());
  const double hx = m.HeadCurve(1, 100), hy = m.HeadCurve(2, 100);
  ASSERT_GT(m.ClewX, hx);
  EXPECT_EQ(m.LeechAngle, std::atan((m.ClewY - hy) / (m.ClewX - hx)));
  EXPECT_EQ(m.FootAngle, std::atan(m.ClewY / m.ClewX) - kes::Pi);
}

TEST(BadInput, MoldChordRunningForwardIsStillReached) {
  // The clew on the luff line (no triangle) with the luff bent far aft: the
  // chords of the lower sections run forward from the luff to the leech.
  SailInputs in = straightInputs();
  in.text[3] = 200.0;
  in.text[6] = -30.0;
  for (int i = 0; i < 6; ++i) in.dep[i] = in.ent[i] = in.ex[i] = 0.0;
  const SailModel m = computed(in);
  bool sawForward = false;
  for (int k = 1; k <= 5; ++k) {
    const int lp = 17 * k, tp = 100 - 17 * k;
    if (m.LeechCurve(1, tp) < m.LuffCurve(1, lp)) sawForward = true;
    EXPECT_NEAR(m.MoldSections[k](1, 100), m.LeechCurve(1, tp), 1e-6) << k;
    EXPECT_NEAR(m.MoldSections[k](2, 100), m.LeechCurve(2, tp), 1e-6) << k;
  }
  EXPECT_TRUE(sawForward);
}

TEST(BadInput, SplinePositionsAtTheEnds) {
  // Bend, round and roach positions of 0 and 100 make zero-length segments;
  // draft positions of 3 and 97 percent (and a foot of 2) make them inside
  // the mold sections.
  for (double p : {0.0, 100.0}) {
    SailInputs in = defaultInputs();
    in.text[7] = in.text[9] = in.text[11] = in.text[13] = p;
    EXPECT_EQ(firstNonFinite(computed(in)), "") << p;
  }
  for (double p : {1.0, 2.0, 3.0, 97.0, 98.0, 100.0}) {
    SailInputs in = defaultInputs();
    for (int i = 0; i < 6; ++i) in.pos[i] = p;
    EXPECT_EQ(firstNonFinite(computed(in)), "") << p;
  }
  SailInputs in = defaultInputs();
  in.text[4] = 2.0;
  in.text[3] = 100.0;
  in.pos[0] = 50.0;
  EXPECT_EQ(firstNonFinite(computed(in)), "");
}

TEST(BadInput, RepeatedRunsGiveTheSameModel) {
  // Nothing of one run leaks into the next: a degenerate run in between
  // leaves no trace once the good inputs are back.
  const SailModel fresh = computed(defaultInputs());
  SailModel m = fresh;
  SailInputs odd = defaultInputs();
  for (int i = 0; i < 6; ++i) odd.pos[i] = 3.0;
  odd.text[13] = 100.0;
  kes::recompute(odd, m);
  kes::recompute(defaultInputs(), m);
  for (int k = 0; k <= 5; ++k)
    for (int i = 1; i <= 100; ++i)
      for (int c = 1; c <= 3; ++c) ASSERT_EQ(m.MoldSections[k](c, i), fresh.MoldSections[k](c, i));
  for (int i = 1; i <= 100; ++i) ASSERT_EQ(m.LeechCurve(1, i), fresh.LeechCurve(1, i));
}

}  // namespace
