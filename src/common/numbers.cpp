#include "common/numbers.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace kes {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The extent of a number at the start of `t` (after the caller skipped blanks):
// sign, digits, a point, digits, an exponent. `end` is one past its last
// character; `digits` tells whether it had a mantissa digit at all. An exponent
// marker without digits after it is not part of the number.
struct Scan {
  std::size_t end = 0;
  bool digits = false;
  bool exponentIncomplete = false;  // "1e" or "1e+": marker present, no digits
};

Scan scanNumber(std::string_view t) {
  Scan s;
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  while (i < t.size() && isDigit(t[i])) { ++i; s.digits = true; }
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && isDigit(t[i])) { ++i; s.digits = true; }
  }
  if (!s.digits) return s;
  s.end = i;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    if (j < t.size() && isDigit(t[j])) {
      while (j < t.size() && isDigit(t[j])) ++j;
      s.end = j;
    } else {
      s.exponentIncomplete = true;
    }
  }
  return s;
}

// Converts a scanned number. Fails when it lies beyond the range of a double;
// a number too small to represent reads 0.
Num convert(std::string_view t) {
  const char* first = t.data();
  const char* last = t.data() + t.size();
  bool negative = false;
  if (first < last && (*first == '+' || *first == '-')) {
    negative = *first == '-';
    ++first;
  }
  double v = 0.0;
  const auto r = std::from_chars(first, last, v, std::chars_format::general);
  if (r.ec == std::errc::result_out_of_range) {
    // Overflow or underflow: tell them apart by the decimal magnitude.
    long exponent = 0;
    long leading = 0;  // position of the first significant digit relative to the point
    bool seenPoint = false, seenDigit = false;
    long intDigits = 0, zerosAfterPoint = 0;
    const char* p = first;
    for (; p < last && (isDigit(*p) || *p == '.'); ++p) {
      if (*p == '.') { seenPoint = true; continue; }
      if (!seenDigit && *p == '0') {
        if (seenPoint) ++zerosAfterPoint;
        continue;
      }
      seenDigit = true;
      if (!seenPoint) ++intDigits;
    }
    if (p < last && (*p == 'e' || *p == 'E')) {
      ++p;
      bool eneg = false;
      if (p < last && (*p == '+' || *p == '-')) { eneg = *p == '-'; ++p; }
      for (; p < last && isDigit(*p); ++p) {
        if (exponent < 100000) exponent = exponent * 10 + (*p - '0');
      }
      if (eneg) exponent = -exponent;
    }
    leading = intDigits > 0 ? intDigits : -zerosAfterPoint;
    if (seenDigit && leading + exponent > 0) return Num::fail();
    return Num(0.0);
  }
  if (r.ec != std::errc() || !std::isfinite(v)) return Num::fail();
  v = negative ? -v : v;
  return Num(v + 0.0);  // no negative zero
}

std::size_t skipBlanks(std::string_view t) {
  std::size_t i = 0;
  while (i < t.size() && (isBlank(t[i]) || t[i] == '\n')) ++i;
  return i;
}

// A value's decimal digits rounded to 15 significant digits:
// value = 0.d1 d2 ... d15 x 10^(exp10 + 1), i.e. d1 stands at the power exp10.
struct Decimal {
  char d[17] = {};  // 15 digits (17 for the top of the range), no terminator needed
  int count = 0;    // significant digits kept (trailing zeros dropped), 0 for zero
  int exp10 = 0;    // power of ten of the first digit
  bool negative = false;
};

// The digits and exponent of a scientific text d.ddde[+-]xx.
Decimal scientificDigits(const char* first, const char* last, bool negative) {
  Decimal r;
  r.negative = negative;
  const char* p = first;
  int n = 0;
  for (; p < last && *p != 'e'; ++p) {
    if (isDigit(*p) && n < static_cast<int>(sizeof r.d)) r.d[n++] = *p;
  }
  int e = 0;
  if (p < last) std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), last, e);
  r.exp10 = e;
  while (n > 0 && r.d[n - 1] == '0') --n;
  r.count = n;
  return r;
}

Decimal decimal15(double value) {
  if (value == 0.0 || !std::isfinite(value)) return {};
  char buf[40];
  const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                 std::chars_format::scientific, 14);
  return scientificDigits(buf, res.ptr, value < 0);
}

// decimal15, unless its 15 digits lie beyond the largest double (a value
// from 1.797693134862315E+308 up rounds to 1.79769313486232E+308, which no
// parse can read): then the shortest digits that read back as the value.
Decimal decimalReadBack(double value) {
  Decimal r = decimal15(value);
  if (r.exp10 == 308 && std::string_view(r.d, static_cast<std::size_t>(r.count)) == "179769313486232") {
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
    r = scientificDigits(buf, res.ptr, value < 0);
  }
  return r;
}

// Digit of the decimal at the given power of ten (0 beyond its digits).
int digitAt(const Decimal& v, int power) {
  const int idx = v.exp10 - power;
  if (idx < 0 || idx >= v.count) return 0;
  return v.d[idx] - '0';
}

__extension__ using Wide = unsigned __int128;

// 10^0 .. 10^19, the powers a 64-bit integer holds.
constexpr auto kPow10 = [] {
  std::array<std::uint64_t, 20> p{};
  p[0] = 1;
  for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
  return p;
}();

// The fixed form of a value from 0.001 up to 1e14 (and of zero) worked out in
// integers, without a text conversion: the same 15-digit decimal as
// decimal15 (the exact binary value rounded half to even), then the same
// rounding half away from zero. These are the grid's and the boxes' values,
// formed on every redraw. False for any other value.
bool formatFixedFast(double value, int decimals, char* out, std::size_t& len) {
  len = 0;
  const double a = std::fabs(value);
  std::uint64_t r = 0;  // the value in units of the last place, rounded
  if (a != 0.0) {
    if (!(a >= 1e-3 && a < 1e14)) return false;
    // a = m / 2^shift exactly, shift 6..63 in this range.
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(a);
    const int biased = static_cast<int>(bits >> 52);
    const std::uint64_t m = (bits & ((1ULL << 52) - 1)) | (1ULL << 52);
    const int shift = 1075 - biased;
    // s places after the point leave 15 digits before it: 10^14 <= a 10^s < 10^15.
    // From the binary exponent (times log10 2, rounded down) s comes out
    // right or one too many.
    int s = 14 - (((biased - 1023) * 1233) >> 12);
    if (s < 1 || s > 19 || shift < 1 || shift > 63) return false;
    Wide p = Wide(m) * kPow10[s];
    if ((p >> shift) >= kPow10[15]) p = Wide(m) * kPow10[--s];
    if (s < 1 || (p >> shift) < kPow10[14] || (p >> shift) >= kPow10[15]) return false;
    std::uint64_t n = static_cast<std::uint64_t>(p >> shift);
    const Wide rest = p & ((Wide(1) << shift) - 1), half = Wide(1) << (shift - 1);
    if (rest > half || (rest == half && (n & 1) != 0)) ++n;
    // n / 10^s is the 15-digit decimal; round it at `decimals` places.
    const int drop = s - decimals;
    r = drop > 0 ? (n + 5 * kPow10[drop - 1]) / kPow10[drop] : n * kPow10[-drop];
    if (value < 0) out[len++] = '-';
  }
  char digits[24];
  std::size_t k = 0;
  for (std::uint64_t whole = r / kPow10[decimals]; whole != 0 || k == 0; whole /= 10)
    digits[k++] = static_cast<char>('0' + whole % 10);
  while (k > 0) out[len++] = digits[--k];
  out[len++] = '.';
  std::uint64_t frac = r % kPow10[decimals];
  for (int d = decimals - 1; d >= 0; --d) {
    out[len++] = static_cast<char>('0' + frac / kPow10[d]);
    frac %= kPow10[d];
  }
  return true;
}

// "0.0" style with `decimals` places, halves away from zero, on the 15-digit
// decimal value.
std::string formatFixed(double value, int decimals) {
  char fast[40];
  std::size_t fastLen = 0;
  if (formatFixedFast(value, decimals, fast, fastLen)) return std::string(fast, fastLen);
  const Decimal v = decimal15(value);
  // Digits from the highest power down to -decimals, as numbers 0..9.
  const int top = v.count > 0 ? std::max(v.exp10, 0) : 0;
  const int width = top + decimals + 1;  // powers top .. -decimals
  std::string digits(static_cast<std::size_t>(width) + 1, '0');  // one spare for the carry
  for (int k = 0; k < width; ++k) {
    digits[static_cast<std::size_t>(k) + 1] = static_cast<char>('0' + digitAt(v, top - k));
  }
  if (digitAt(v, -decimals - 1) >= 5) {
    int k = width;
    while (k >= 0) {
      char& c = digits[static_cast<std::size_t>(k)];
      if (c == '9') { c = '0'; --k; continue; }
      ++c;
      break;
    }
  }
  const std::size_t intLen = static_cast<std::size_t>(width + 1 - decimals);  // with the spare
  std::string intPart = digits.substr(0, intLen);
  const std::string fracPart = digits.substr(intLen);
  const std::size_t nz = intPart.find_first_not_of('0');
  intPart = nz == std::string::npos ? "0" : intPart.substr(nz);
  std::string out;
  if (v.negative) out += '-';
  out += intPart;
  if (decimals > 0) {
    out += '.';
    out += fracPart;
  }
  return out;
}

// Up to 15 significant digits without trailing zeros (17 at the top of the
// range, where 15 would not read back); leadingZero chooses
// "0.5" or ".5". Exponent form when the first digit stands at 10^15 or
// higher or below 10^-4 (after the rounding to 15 digits): "1E+15", "1E-05".
std::string shortNumber(double value, bool leadingZero) {
  const Decimal v = decimalReadBack(value);
  if (v.count == 0) return "0";
  std::string out;
  if (v.negative) out += '-';
  const std::string_view d(v.d, static_cast<std::size_t>(v.count));
  if (v.exp10 >= 15 || v.exp10 < -4) {
    out += d[0];
    if (d.size() > 1) {
      out += '.';
      out += d.substr(1);
    }
    out += 'E';
    out += v.exp10 < 0 ? '-' : '+';
    const int e = v.exp10 < 0 ? -v.exp10 : v.exp10;
    if (e < 10) out += '0';
    out += std::to_string(e);
    return out;
  }
  if (v.exp10 < 0) {
    if (leadingZero) out += '0';
    out += '.';
    out.append(static_cast<std::size_t>(-v.exp10 - 1), '0');
    out += d;
    return out;
  }
  const std::size_t intDigits = static_cast<std::size_t>(v.exp10) + 1;
  if (d.size() <= intDigits) {
    out += d;
    out.append(intDigits - d.size(), '0');
  } else {
    out += d.substr(0, intDigits);
    out += '.';
    out += d.substr(intDigits);
  }
  return out;
}

}  // namespace

Num parseLeading(std::string_view text) {
  // Blanks, tabs and line feeds count for nothing anywhere in the text:
  // " 1 2.5" reads 12.5, "- 3" reads -3.
  std::string_view t = text.substr(skipBlanks(text));
  std::string compact;
  if (t.find_first_of(" \t\n") != std::string_view::npos) {
    compact.reserve(t.size());
    for (char c : t)
      if (!isBlank(c) && c != '\n') compact += c;
    t = compact;
  }
  const Scan s = scanNumber(t);
  if (!s.digits) return Num(0.0);
  return convert(t.substr(0, s.end));
}

double parseLenient(std::string_view text) {
  const Num n = parseLeading(text);
  return n.good() ? n.v : 0.0;
}

Num parseStrict(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && isBlank(text[b])) ++b;
  while (e > b && isBlank(text[e - 1])) --e;
  const std::string_view t = text.substr(b, e - b);
  const Scan s = scanNumber(t);
  if (!s.digits || s.exponentIncomplete || s.end != t.size()) return Num::fail();
  return convert(t);
}

std::string format0_0(double value) { return formatFixed(value, 1); }
std::string format0_00(double value) { return formatFixed(value, 2); }

std::string plainNumber(double value) { return shortNumber(value, true); }

std::string signedNumber(double value) {
  std::string s = shortNumber(value, false);
  if (s[0] != '-') s.insert(s.begin(), ' ');
  return s;
}

std::string designNumber(double value) { return signedNumber(value) + ' '; }

}  // namespace kes
