#pragma once
// Five arched camber stripes of 25 points, one above the other, each a
// little turned, on a photo fitted 6735 twips wide: the analyser's
// benchmarks measure them.

#include <cmath>

#include "analyser/tracing.h"

namespace kes::bench {

inline Tracing fiveCambers() {
  Tracing t;
  for (int c = 1; c <= 5; ++c) {
    t.count[c] = 25;
    for (int j = 1; j <= 25; ++j) {
      const double u = (j - 1) / 24.0;
      t.X[c][j] = 400 + 100 * c + 2400 * u;
      t.Y[c][j] = 4900 - 800 * c - 300 * std::sin(3.14159 * u) * (1.2 - 0.6 * u) + 40 * c * u;
    }
  }
  return t;
}

}  // namespace kes::bench
