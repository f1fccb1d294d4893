#pragma once
// The number rules of the sail's text boxes and files, each in one place.

#include <string>
#include <string_view>

#include "common/checked.h"

namespace kes {

// The stored constant the sail's angles are converted with (not full precision).
inline constexpr double Pi = 3.141593;

// Lenient parse: the number a text begins with (an optional sign, digits, a
// decimal point, an exponent), 0 when there is none. Blanks, tabs and line
// feeds are left out wherever they stand ("1 2" gives 12).
// "12abc" gives 12, "" gives 0, "abc" gives 0, "1,5" gives 1.
// A number beyond the range of a double reads 0 (as a text without a number).
double parseLenient(std::string_view text);

// The same parse, but a number beyond the range of a double fails, so that a
// caller can keep its old value instead; a text without a number gives 0.
Num parseLeading(std::string_view text);

// Strict parse: the whole text (blanks around it allowed) must be a number;
// otherwise the result fails. "12" ok, " 12.5 " ok, "12abc" fails, "" fails.
// A number beyond the range of a double fails; one too small to hold reads 0.
Num parseStrict(std::string_view text);

// "0.0" and "0.00": rounded to one or two decimals, halves away from zero,
// decided on the decimal value as written to 15 significant digits
// (1.005 gives "1.01", -0.05 gives "-0.1"); a minus sign whenever the value
// is negative, also when it rounds to zero ("-0.04" gives "-0.0"; a negative
// zero gives "0.0"). Digits beyond the 15th of a huge value are written as
// zeros; a value that is not finite gives "0.0".
std::string format0_0(double value);
std::string format0_00(double value);

// Plain number text put back into a box: up to 15 significant digits, no
// leading blank, no trailing zeros, a leading zero before the point
// ("12.5", "0.5", "39.7513046955694", "-3", "0"). Exponent form for
// magnitudes from 1e15 up and below 1e-4 ("1E+15", "1.5E-05"). Every text
// reads back as its value: a value whose 15 digits would lie beyond the
// largest double gets the 17 that read back as it ("1.7976931348623157E+308").
std::string plainNumber(double value);

// Number text with a sign position: a blank before a number that is zero or
// positive, a minus sign otherwise; no leading zero before the point
// (" 10", "-2", " .5", "-.25", " 0"). Up to 15 significant digits; exponent
// form (" 1E+20", "-2.5E-05") as plainNumber has it, which both parses read back.
std::string signedNumber(double value);

// The design-file form: signedNumber followed by one blank (" 100 ", " .5 ",
// " .006 ", "-3 ").
std::string designNumber(double value);

}  // namespace kes
