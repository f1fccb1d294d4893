#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "common/numbers.h"
#include "model/sail_model.h"
#include "sail_fixture.h"

namespace {

using kes::SailInputs;
using kes::SailModel;
using namespace kes::testing;

TEST(BadInput, HugeNegativeAndMixedValuesNeverLeaveNaN) {
  SailModel m;
  for (double v : {1e300, -1e300, 1.7e308, 1e154, -1e154, 1e-300, -50.0}) {
    for (int box = 1; box <= 14; ++box) {
      SailInputs in = defaultInputs();
      in.text[box] = v;
      kes::recompute(in, m);
      ASSERT_EQ(firstNonFinite(m), -1) << "box " << box << " = " << v;
    }
    SailInputs all = defaultInputs();
    for (double& t : all.text) t = v;
    for (int i = 0; i < 6; ++i) all.ent[i] = all.dep[i] = all.pos[i] = all.ex[i] = v;
    EXPECT_EQ(firstNonFinite(computed(all)), -1) << v;
  }
  // Extremes mixed over the size, draft, batten and hollow inputs.
  const double values[] = {0, 1, -1, 2, 3, 50, 97, 100, 1e-300, 1e300, -1e300, 1e15, 90};
  std::uint32_t seed = 12345;
  const auto pick = [&] {
    seed = seed * 1664525u + 1013904223u;
    return values[(seed >> 8) % (sizeof values / sizeof values[0])];
  };
  for (int run = 0; run < 400; ++run) {
    SailInputs in = defaultInputs();
    for (int box = 1; box <= 14; ++box)
      if ((run + box) % 3 == 0) in.text[box] = pick();
    for (int i = 0; i < 6; ++i) in.pos[i] = pick(), in.dep[i] = pick();
    for (auto& row : in.batten) row.position = pick(), row.length = pick();
    in.battenHollow = pick();
    in.currentSection = run % 8 - 1;
    kes::recompute(in, m);
    ASSERT_EQ(firstNonFinite(m), -1) << "run " << run;
  }
}

TEST(BadInput, ClewForwardOfTheHeadCornerIsStillReached) {
  SailInputs in = straightInputs();
  in.text[2] = 80.0;  // a wide gaff head: its aft corner lies aft of the clew
  in.text[5] = 130.0;
  in.text[12] = 8.0;
  const SailModel m = computed(in);
  ASSERT_LT(m.ClewX, m.HeadCurve(1, 100));
  EXPECT_NEAR(m.LeechCurve(1, 100), m.ClewX, 1e-9);
  EXPECT_NEAR(m.LeechCurve(2, 100), m.ClewY, 1e-9);
  for (int i = 1; i < 100; ++i) EXPECT_GT(m.LeechCurve(2, i), m.LeechCurve(2, i + 1)) << i;
  // With the clew aft the angles are the arctangents of the slopes, exactly.
  const SailModel d = computed(defaultInputs());
  const double hx = d.HeadCurve(1, 100), hy = d.HeadCurve(2, 100);
  EXPECT_EQ(d.LeechAngle, std::atan((d.ClewY - hy) / (d.ClewX - hx)));
  EXPECT_EQ(d.FootAngle, std::atan(d.ClewY / d.ClewX) - kes::Pi);
}

TEST(BadInput, ImpossibleTriangleAndMoldChordsRunningForward) {
  // A diagonal longer than luff and foot together lands the clew on the luff
  // line; with the luff bent far aft the lower mold chords then run forward
  // from the luff to the leech, and each section still ends on the leech.
  SailInputs in = straightInputs();
  in.text[3] = 200.0;
  in.text[6] = -30.0;
  for (int i = 0; i < 6; ++i) in.dep[i] = in.ent[i] = in.ex[i] = 0.0;
  const SailModel m = computed(in);
  EXPECT_EQ(m.ClewX, 0.0);
  EXPECT_EQ(m.ClewY, -100.0);
  EXPECT_EQ(firstNonFinite(m), -1);
  bool forward = false;
  for (int k = 1; k <= 5; ++k) {
    const int tp = 100 - 17 * k;
    forward = forward || m.LeechCurve(1, tp) < m.LuffCurve(1, 17 * k);
    EXPECT_NEAR(m.MoldSections[k](1, 100), m.LeechCurve(1, tp), 1e-6) << k;
    EXPECT_NEAR(m.MoldSections[k](2, 100), m.LeechCurve(2, tp), 1e-6) << k;
  }
  EXPECT_TRUE(forward);
}

TEST(BadInput, DegenerateSplinesLeaveNoTraceInTheNextRun) {
  const SailModel fresh = computed(defaultInputs());
  SailModel m = fresh;
  for (double p : {0.0, 3.0, 97.0, 100.0}) {
    SailInputs in = defaultInputs();
    in.text[7] = in.text[9] = in.text[11] = in.text[13] = p;
    for (int i = 0; i < 6; ++i) in.pos[i] = p;
    kes::recompute(in, m);
    ASSERT_EQ(firstNonFinite(m), -1) << p;
  }
  SailInputs twoUnitFoot = defaultInputs();  // station 0's inner points coincide
  twoUnitFoot.text[4] = 2.0;
  twoUnitFoot.text[3] = 100.0;
  twoUnitFoot.pos[0] = 50.0;
  kes::recompute(twoUnitFoot, m);
  ASSERT_EQ(firstNonFinite(m), -1);
  kes::recompute(defaultInputs(), m);
  for (int k = 0; k <= 5; ++k)
    for (int i = 1; i <= 100; ++i) ASSERT_EQ(m.MoldSections[k](3, i), fresh.MoldSections[k](3, i));
}

}  // namespace
