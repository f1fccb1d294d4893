#pragma once
// One shared way to say "this statement failed: skip it".
//
// The sail's arithmetic is written with Num, a double that remembers whether
// anything that went into it failed: a division by zero, the square root of a
// negative number, a curve index out of range, a text that is not a number, a
// result that is not finite. An overflow fails where it happens, even when a
// later step would bring the value back (the arctangent of an overflowing
// slope): the whole statement is skipped. A failed Num poisons everything
// computed from it, and set() refuses to store it, so the target of a failing
// statement keeps its old value and no NaN or infinity ever reaches the model.
//
//   set(LeechAngle, atan2(dy, dx));        // kept when dy, dx failed
//   set(x, Num(a) / b);                    // kept when b == 0
//
// No exception, no allocation: this runs on every keystroke.

#include <cmath>
#include <cstdint>
#include <limits>

namespace kes {

struct Num {
  double v = 0.0;
  bool ok = true;

  constexpr Num() = default;
  constexpr Num(double value) : v(value), ok(true) {}  // NOLINT: implicit on purpose
  static constexpr Num fail() { Num n; n.ok = false; return n; }

  // True when the value can be stored: nothing failed and it is finite.
  bool good() const { return ok && std::isfinite(v); }
};

// Sums, differences and products carry an overflow on as an infinity or a
// NaN, which good() refuses at the end of the statement. The steps that could
// bring such a value back to a plain number (a division by it, an
// arctangent) fail on it instead.
inline Num operator+(Num a, Num b) { Num r(a.v + b.v); r.ok = a.ok && b.ok; return r; }
inline Num operator-(Num a, Num b) { Num r(a.v - b.v); r.ok = a.ok && b.ok; return r; }
inline Num operator*(Num a, Num b) { Num r(a.v * b.v); r.ok = a.ok && b.ok; return r; }
inline Num operator/(Num a, Num b) {
  if (!a.good() || !b.good() || b.v == 0.0) return Num::fail();
  return Num(a.v / b.v);
}
inline Num operator-(Num a) { Num r(-a.v); r.ok = a.ok; return r; }

inline Num sqrt(Num a) {
  if (!a.ok || a.v < 0.0) return Num::fail();
  return Num(std::sqrt(a.v));
}
inline Num abs(Num a) { Num r(std::fabs(a.v)); r.ok = a.ok; return r; }
inline Num sin(Num a) { Num r(std::sin(a.v)); r.ok = a.ok; return r; }
inline Num cos(Num a) { Num r(std::cos(a.v)); r.ok = a.ok; return r; }
inline Num tan(Num a) { Num r(std::tan(a.v)); r.ok = a.ok; return r; }
inline Num atan(Num a) {
  if (!a.good()) return Num::fail();
  return Num(std::atan(a.v));
}
// Direction of the vector (x, y); fails only when the vector has no length.
inline Num atan2(Num y, Num x) {
  if (!y.good() || !x.good() || (y.v == 0.0 && x.v == 0.0)) return Num::fail();
  return Num(std::atan2(y.v, x.v));
}

// Stores value in target unless it failed or is not finite; tells whether it stored.
inline bool set(double& target, Num value) {
  if (!value.good()) return false;
  target = value.v;
  return true;
}

// Rounds to the nearest whole number, a half to the even neighbour.
inline double roundHalfEven(double x) { return std::nearbyint(x); }

// A whole number for an index or a 16-bit integer variable: rounded half to even,
// failed outside -32768..32767 (or when the value itself failed).
inline Num toInt16(Num a) {
  if (!a.good()) return Num::fail();
  const double r = roundHalfEven(a.v);
  if (r < -32768.0 || r > 32767.0) return Num::fail();
  return Num(r);
}

// Index into an array with bounds lo..hi, from a computed number.
// Fails when the number failed or the rounded index lies outside lo..hi.
struct Index {
  int i = 0;
  bool ok = false;
};
inline Index toIndex(Num a, int lo, int hi) {
  const Num r = toInt16(a);
  if (!r.ok || r.v < lo || r.v > hi) return {};
  return {static_cast<int>(r.v), true};
}
inline Index checkIndex(int i, int lo, int hi) {
  if (i < lo || i > hi) return {};
  return {i, true};
}

}  // namespace kes
