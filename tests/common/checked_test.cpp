#include "common/checked.h"
#include "common/curve.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(Checked, FailedStatementKeepsItsTarget) {
  double target = 7.0;
  EXPECT_FALSE(kes::set(target, kes::Num(1.0) / 0.0));
  EXPECT_FALSE(kes::set(target, kes::sqrt(kes::Num(-1.0))));
  EXPECT_FALSE(kes::set(target, kes::Num(1e308) * 10.0));
  EXPECT_FALSE(kes::set(target, kes::atan2(0.0, 0.0)));
  EXPECT_FALSE(kes::set(target, kes::Num::fail() + 1.0));
  EXPECT_EQ(target, 7.0);
  EXPECT_TRUE(kes::set(target, kes::Num(3.0) / 2.0));
  EXPECT_EQ(target, 1.5);
}

TEST(Checked, IndicesRoundHalfToEvenAndAreBounded) {
  EXPECT_EQ(kes::toIndex(12.5, 0, 100).i, 12);
  EXPECT_EQ(kes::toIndex(13.5, 0, 100).i, 14);
  EXPECT_TRUE(kes::toIndex(-0.5, 0, 100).ok);
  EXPECT_FALSE(kes::toIndex(-0.51, 0, 100).ok);
  EXPECT_TRUE(kes::toIndex(100.5, 0, 100).ok);
  EXPECT_FALSE(kes::toIndex(100.51, 0, 100).ok);
  EXPECT_FALSE(kes::toIndex(1e300, 0, 100).ok);
  EXPECT_FALSE(kes::toIndex(kes::Num::fail(), 0, 100).ok);
  EXPECT_FALSE(kes::toInt16(40000.0).ok);
}

TEST(Curve, IndexZeroReadsZeroAndOutsideFails) {
  kes::Curve c;
  EXPECT_TRUE(c.put(1, 5, 2.0));
  EXPECT_EQ(c.get(1, 5).v, 2.0);
  EXPECT_TRUE(c.get(2, 0).good());
  EXPECT_EQ(c.get(2, 0).v, 0.0);
  EXPECT_FALSE(c.get(1, 101).ok);
  EXPECT_FALSE(c.get(1, kes::toIndex(-3.0, 0, 100)).ok);
  EXPECT_FALSE(c.put(1, 101, 1.0));
  EXPECT_FALSE(c.put(1, 5, std::numeric_limits<double>::infinity()));
  EXPECT_EQ(c(1, 5), 2.0);
  EXPECT_TRUE(c.put(3, kes::toIndex(7.4, 0, 100), 4.0));
  EXPECT_EQ(c(3, 7), 4.0);
}

}  // namespace
