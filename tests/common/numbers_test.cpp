#include "common/numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <tuple>

namespace {

TEST(Parse, LenientTakesTheLeadingNumber) {
  const std::pair<const char*, double> cases[] = {
      {"12abc", 12}, {"\t-3", -3}, {"+4", 4}, {"-.25", -0.25}, {"1.2.3", 1.2}, {"1,5", 1},
      {"5-", 5}, {"1E+3", 1000}, {"2.5e-2", 0.025}, {"1e", 1}, {"", 0}, {"abc", 0}, {"+-5", 0},
      {"inf", 0}, {"nan", 0}, {"1e400", 0}, {"1e-400", 0}, {"1e308", 1e308}, {" 1 2", 12},
      {"- 3", -3}, {"1 e 3", 1000}, {"2\t5\n.5x", 25.5}, {"12\r5", 12}};
  for (const auto& [text, value] : cases) EXPECT_EQ(kes::parseLenient(text), value) << text;
  EXPECT_EQ(std::tuple(std::signbit(kes::parseLenient("-0")), kes::parseLeading("1e400").good(),
                       kes::parseLeading("1e-400").good(), kes::parseLeading("abc").good()),
            std::tuple(false, false, true, true));
}

TEST(Parse, StrictWantsTheWholeText) {
  EXPECT_EQ(std::tuple(kes::parseStrict(" 12.5 ").v, kes::parseStrict("-.5").v, kes::parseStrict("1e2").v),
            std::tuple(12.5, -0.5, 100.0));
  for (const char* bad : {"12abc", "", "   ", "abc", "1,5", "1e", ".", "1e400", "inf", "1 2"})
    EXPECT_FALSE(kes::parseStrict(bad).good()) << bad;
}

TEST(Format, FixedDecimalsHalvesAwayFromZero) {
  const std::pair<double, const char*> two[] = {
      {1.005, "1.01"}, {-2.675, "-2.68"}, {9.995, "10.00"}, {0.004, "0.00"},
      {39.7513046955694, "39.75"}, {-1.5e20, "-150000000000000000000.00"}, {-0.001, "-0.00"},
      {std::numeric_limits<double>::infinity(), "0.00"}};
  for (const auto& [v, text] : two) EXPECT_EQ(kes::format0_00(v), text) << v;
  const std::pair<double, const char*> one[] = {
      {26.56505, "26.6"}, {-0.05, "-0.1"}, {-1e-20, "-0.0"}, {-0.0, "0.0"}, {99.96, "100.0"}};
  for (const auto& [v, text] : one) EXPECT_EQ(kes::format0_0(v), text) << v;
  // The 15-digit decimal decides: 0.15 (0.1499... in binary) rounds up, 9.95 too;
  // a tie at the 15th digit goes to the even digit first. Values from 0.001
  // to 1e14 and those beyond are formed by two ways that must agree.
  const struct {
    double v;
    const char *one, *two;
  } both[] = {{0.15, "0.2", "0.15"}, {9.95, "10.0", "9.95"}, {0.0499999999999999, "0.0", "0.05"},
              {12345678901234.25, "12345678901234.2", "12345678901234.20"},
              {12345678901234.75, "12345678901234.8", "12345678901234.80"},
              {99999999999999.98, "100000000000000.0", "100000000000000.00"}, {-0.00095, "-0.0", "-0.00"}};
  for (const auto& c : both) EXPECT_EQ(kes::format0_0(c.v) + " " + kes::format0_00(c.v), std::string(c.one) + " " + c.two) << c.v;
  const std::string big = kes::format0_0(1e300);
  EXPECT_EQ(big.size(), 303u);
  EXPECT_EQ(big.substr(0, 2) + big.substr(big.size() - 2), "10.0");
}

TEST(Format, PlainSignedAndDesignNumbers) {
  const std::pair<double, const char*> plain[] = {
      {12.5, "12.5"}, {0.5, "0.5"}, {-0.0, "0"}, {28.0 / 10, "2.8"}, {0.006 * 100, "0.6"},
      {1.0 / 3, "0.333333333333333"}, {0.99 * std::sqrt(1612.25), "39.7513046955694"},
      {123456789012345.0, "123456789012345"}, {1e15, "1E+15"}, {123456789012345678.0, "1.23456789012346E+17"},
      {-0.000123, "-0.000123"}, {-0.0000123, "-1.23E-05"}, {9.9999999999999999e-5, "0.0001"}, {1e-100, "1E-100"}};
  for (const auto& [v, text] : plain) EXPECT_EQ(kes::plainNumber(v), text) << v;
  const std::pair<double, const char*> design[] = {
      {100, " 100 "}, {0.5, " .5 "}, {0.006, " .006 "}, {-3, "-3 "}, {0, " 0 "}, {-0.25, "-.25 "},
      {0.0005, " .0005 "}, {0.00005, " 5E-05 "}};
  for (const auto& [v, text] : design) EXPECT_EQ(kes::designNumber(v), text) << v;
  EXPECT_EQ(kes::signedNumber(10), " 10");
}

// Every number text the boxes and the design files get reads back: as the
// value it was formed from (to its 15 digits) and, written again, as the same
// bytes. Doubles of every magnitude, the ends of the range among them.
TEST(Format, EveryNumberTextReadsBackToItsValue) {
  constexpr double kMax = std::numeric_limits<double>::max();
  std::vector<double> values = {kMax, std::nextafter(kMax, 0.0), 1.797693134862315e308, 1.7976931348623149e308,
                                std::numeric_limits<double>::min(), std::numeric_limits<double>::denorm_min(),
                                1e15, 999999999999999.9, 1e-5, 9.99999999999999e-5};
  std::mt19937_64 random(20240611);
  for (int i = 0; i < 8000; ++i) {
    const double v = std::bit_cast<double>(random());
    if (std::isfinite(v)) values.push_back(v);
  }
  for (const double magnitude : values) {
    for (const double v : {magnitude, -magnitude}) {
      const std::string plain = kes::plainNumber(v), design = kes::designNumber(v);
      const kes::Num fromPlain = kes::parseStrict(plain), fromDesign = kes::parseStrict(design);
      ASSERT_TRUE(fromPlain.good() && fromDesign.good()) << plain;
      EXPECT_LE(std::fabs(fromPlain.v - v), std::max(std::fabs(v) * 1e-14, 5e-324)) << plain;
      EXPECT_EQ(std::pair(kes::plainNumber(fromPlain.v), kes::designNumber(fromDesign.v)), std::pair(plain, design));
    }
  }
  // The largest double needs more than 15 digits: 15 would lie beyond the range.
  EXPECT_EQ(kes::designNumber(kMax), " 1.7976931348623157E+308 ");
  EXPECT_EQ(kes::plainNumber(-kMax), "-1.7976931348623157E+308");
}

}  // namespace
