#pragma once
// A three-dimensional polyline of 100 points: the edges, their view copies,
// the mold sections and the seam lines are all Curves.
//
// Points 1..100, coordinates 1..3 (1 fore and aft, growing aft; 2 height above
// the tack; 3 sideways). Index 0 of both is part of the array and reads 0: a
// computed index of 0 is in bounds and means the origin, as the sail's
// procedures expect. Outside 0..100 / 0..3 a read fails (see checked.h) and a
// write is refused.

#include "common/checked.h"

namespace kes {

struct Curve {
  static constexpr int kPoints = 100;
  double c[4][kPoints + 1] = {};  // [coordinate][point]

  // Unchecked access for loops whose bounds are fixed in the code.
  double& operator()(int coord, int point) { return c[coord][point]; }
  double operator()(int coord, int point) const { return c[coord][point]; }

  // Checked access for indices computed from typed input.
  static bool inBounds(int coord, int point) {
    return coord >= 0 && coord <= 3 && point >= 0 && point <= kPoints;
  }
  Num get(int coord, int point) const {
    if (!inBounds(coord, point)) return Num::fail();
    return Num(c[coord][point]);
  }
  Num get(int coord, Index point) const {
    if (!point.ok) return Num::fail();
    return get(coord, point.i);
  }
  bool put(int coord, int point, Num value) {
    if (!inBounds(coord, point)) return false;
    return set(c[coord][point], value);
  }
  bool put(int coord, Index point, Num value) {
    if (!point.ok) return false;
    return put(coord, point.i, value);
  }
  void clear() { *this = Curve{}; }
};

}  // namespace kes
