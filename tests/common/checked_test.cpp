#include "common/checked.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using kes::Num;

TEST(Checked, AStatementThatOverflowsMidwayKeepsItsTarget) {
  // The slope overflows although its arctangent would be a plain number.
  double angle = 0.25;
  EXPECT_FALSE(kes::set(angle, kes::atan(Num(1e300) / 1e-300)));
  EXPECT_FALSE(kes::set(angle, Num(1.0) / (Num(1e300) * 1e300)));
  EXPECT_FALSE(kes::set(angle, kes::atan2(Num(1e300) * 1e300, 1.0)));
  EXPECT_FALSE(kes::set(angle, kes::cos(Num(1e200) * 1e200)));
  EXPECT_FALSE(kes::set(angle, (Num(1.7e308) + 1e308) - 1e308));
  EXPECT_FALSE(kes::set(angle, Num(std::numeric_limits<double>::infinity()) * 0.0));
  EXPECT_EQ(angle, 0.25);
  // An underflow is no failure.
  EXPECT_TRUE(kes::set(angle, Num(1e-300) * 1e-300));
  EXPECT_EQ(angle, 0.0);
}

}  // namespace
