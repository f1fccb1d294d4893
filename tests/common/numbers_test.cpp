#include "common/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using kes::format0_0;
using kes::format0_00;
using kes::parseLeading;
using kes::parseLenient;
using kes::parseStrict;

TEST(LenientParse, TakesTheNumberTheTextBeginsWith) {
  EXPECT_EQ(parseLenient("12"), 12.0);
  EXPECT_EQ(parseLenient("12abc"), 12.0);
  EXPECT_EQ(parseLenient("12 in"), 12.0);
  EXPECT_EQ(parseLenient("   7.25"), 7.25);
  EXPECT_EQ(parseLenient("\t-3"), -3.0);
  EXPECT_EQ(parseLenient("+4"), 4.0);
  EXPECT_EQ(parseLenient(".5"), 0.5);
  EXPECT_EQ(parseLenient("-.25"), -0.25);
  EXPECT_EQ(parseLenient("12."), 12.0);
  EXPECT_EQ(parseLenient("1.2.3"), 1.2);
  EXPECT_EQ(parseLenient("1,5"), 1.0);
  EXPECT_EQ(parseLenient("5-"), 5.0);
}

TEST(LenientParse, NoNumberReadsZero) {
  EXPECT_EQ(parseLenient(""), 0.0);
  EXPECT_EQ(parseLenient("abc"), 0.0);
  EXPECT_EQ(parseLenient("-"), 0.0);
  EXPECT_EQ(parseLenient("."), 0.0);
  EXPECT_EQ(parseLenient("+-5"), 0.0);
  EXPECT_EQ(parseLenient("inf"), 0.0);
  EXPECT_EQ(parseLenient("nan"), 0.0);
  EXPECT_FALSE(std::signbit(parseLenient("-0")));
}

TEST(LenientParse, Exponents) {
  EXPECT_EQ(parseLenient("1e3"), 1000.0);
  EXPECT_EQ(parseLenient("1E+3"), 1000.0);
  EXPECT_EQ(parseLenient("2.5e-2"), 0.025);
  EXPECT_EQ(parseLenient("1e"), 1.0);
  EXPECT_EQ(parseLenient("1e+"), 1.0);
  EXPECT_EQ(parseLenient("3e2x"), 300.0);
  EXPECT_EQ(parseLenient("1E+20"), 1e20);
}

TEST(LenientParse, HugeAndTinyNumbersStayFinite) {
  EXPECT_EQ(parseLenient("1e400"), 0.0);
  EXPECT_EQ(parseLenient("-1e400"), 0.0);
  EXPECT_FALSE(parseLeading("1e400").good());
  EXPECT_FALSE(parseLeading("123456789e308").good());
  EXPECT_EQ(parseLenient("1e-400"), 0.0);
  EXPECT_TRUE(parseLeading("1e-400").good());
  EXPECT_EQ(parseLenient("1e308"), 1e308);
  EXPECT_EQ(parseLeading("abc").v, 0.0);
  EXPECT_TRUE(parseLeading("abc").good());
}

TEST(StrictParse, WholeTextMustBeANumber) {
  EXPECT_EQ(parseStrict("12").v, 12.0);
  EXPECT_TRUE(parseStrict(" 12.5 ").good());
  EXPECT_EQ(parseStrict(" 12.5 ").v, 12.5);
  EXPECT_EQ(parseStrict("-.5").v, -0.5);
  EXPECT_EQ(parseStrict("1e2").v, 100.0);
  EXPECT_FALSE(parseStrict("12abc").good());
  EXPECT_FALSE(parseStrict("").good());
  EXPECT_FALSE(parseStrict("   ").good());
  EXPECT_FALSE(parseStrict("abc").good());
  EXPECT_FALSE(parseStrict("1,5").good());
  EXPECT_FALSE(parseStrict("1e").good());
  EXPECT_FALSE(parseStrict(".").good());
  EXPECT_FALSE(parseStrict("1e400").good());
  EXPECT_FALSE(parseStrict("inf").good());
}

TEST(FixedFormats, HalvesAwayFromZeroOnTheDecimalValue) {
  EXPECT_EQ(format0_00(1.005), "1.01");
  EXPECT_EQ(format0_00(2.675), "2.68");
  EXPECT_EQ(format0_00(-2.675), "-2.68");
  EXPECT_EQ(format0_00(100.0), "100.00");
  EXPECT_EQ(format0_00(2.5), "2.50");
  EXPECT_EQ(format0_00(39.7513046955694), "39.75");
  EXPECT_EQ(format0_00(9.995), "10.00");
  EXPECT_EQ(format0_00(0.0), "0.00");
  EXPECT_EQ(format0_00(0.004), "0.00");
  EXPECT_EQ(format0_00(0.005), "0.01");
  EXPECT_EQ(format0_0(26.56505), "26.6");
  EXPECT_EQ(format0_0(0.05), "0.1");
  EXPECT_EQ(format0_0(-0.05), "-0.1");
  EXPECT_EQ(format0_0(-0.04), "0.0");
  EXPECT_EQ(format0_0(-0.0), "0.0");
  EXPECT_EQ(format0_0(5.0006), "5.0");
  EXPECT_EQ(format0_0(99.96), "100.0");
  EXPECT_EQ(format0_0(1234567.25), "1234567.3");
}

TEST(FixedFormats, HugeAndNonFiniteValues) {
  const std::string big = format0_0(1e300);
  EXPECT_EQ(big.size(), 303u);
  EXPECT_EQ(big.substr(0, 2), "10");
  EXPECT_EQ(big.substr(big.size() - 2), ".0");
  EXPECT_EQ(format0_00(-1.5e20), "-150000000000000000000.00");
  EXPECT_EQ(format0_0(std::numeric_limits<double>::infinity()), "0.0");
  EXPECT_EQ(format0_00(std::nan("")), "0.00");
}

TEST(PlainNumber, FifteenDigitsLeadingZeroNoTrailingZeros) {
  EXPECT_EQ(kes::plainNumber(12.5), "12.5");
  EXPECT_EQ(kes::plainNumber(0.5), "0.5");
  EXPECT_EQ(kes::plainNumber(-0.5), "-0.5");
  EXPECT_EQ(kes::plainNumber(-3.0), "-3");
  EXPECT_EQ(kes::plainNumber(0.0), "0");
  EXPECT_EQ(kes::plainNumber(-0.0), "0");
  EXPECT_EQ(kes::plainNumber(100.0), "100");
  EXPECT_EQ(kes::plainNumber(28.0 / 10.0), "2.8");
  EXPECT_EQ(kes::plainNumber(0.006 * 100), "0.6");
  EXPECT_EQ(kes::plainNumber(0.99 * std::sqrt(40.0 * 40.0 + 3.5 * 3.5)), "39.7513046955694");
  EXPECT_EQ(kes::plainNumber(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(kes::plainNumber(0.001), "0.001");
  EXPECT_EQ(kes::plainNumber(123456789012345.0), "123456789012345");
  EXPECT_EQ(kes::plainNumber(1e15), "1E+15");
  EXPECT_EQ(kes::plainNumber(-2.5e-16), "-2.5E-16");
  EXPECT_EQ(kes::plainNumber(1e300), "1E+300");
}

TEST(SignedNumber, SignPositionAndNoLeadingZero) {
  EXPECT_EQ(kes::signedNumber(10.0), " 10");
  EXPECT_EQ(kes::signedNumber(-2.0), "-2");
  EXPECT_EQ(kes::signedNumber(0.5), " .5");
  EXPECT_EQ(kes::signedNumber(-0.25), "-.25");
  EXPECT_EQ(kes::signedNumber(0.0), " 0");
  EXPECT_EQ(kes::signedNumber(12.34), " 12.34");
}

TEST(DesignNumber, SignedNumberWithOneTrailingBlank) {
  EXPECT_EQ(kes::designNumber(100.0), " 100 ");
  EXPECT_EQ(kes::designNumber(0.5), " .5 ");
  EXPECT_EQ(kes::designNumber(0.006), " .006 ");
  EXPECT_EQ(kes::designNumber(-3.0), "-3 ");
  EXPECT_EQ(kes::designNumber(0.0), " 0 ");
}

TEST(NumberForms, ReadBackByBothParses) {
  for (double v : {100.0, 0.5, 0.006, -3.0, 12.5, -0.25, 1e20, -2.5e-16, 1.7e308, 1e-300,
                   39.7513046955694, 1.0 / 3.0}) {
    const double lenient = parseLenient(kes::designNumber(v));
    EXPECT_NEAR(lenient, v, std::fabs(v) * 1e-14) << v;
    EXPECT_TRUE(parseStrict(kes::designNumber(v)).good()) << v;
    EXPECT_EQ(parseStrict(kes::plainNumber(v)).v, lenient) << v;
  }
}

}  // namespace
