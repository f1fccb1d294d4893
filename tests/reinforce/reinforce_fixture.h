#pragma once
// Sails for the reinforcement tests: the designed default sail (its head
// exactly a tenth of the luff, so wide) and the same with a narrow head;
// plot-file lines and turned points.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/lines.h"
#include "common/numbers.h"
#include "default_sail.h"
#include "model/sail_model.h"
#include "reinforce/patch_geometry.h"

namespace kes::testing {

inline SailModel sailWith(double headWidth) {
  SailInputs in = defaultInputs();
  in.text[2] = headWidth;
  SailModel m;
  recompute(in, m);
  return m;
}
inline SailModel defaultSail() { return sailWith(10); }
inline SailModel narrowSail() { return sailWith(5); }

inline double dist(Pt a, Pt b) { return std::hypot(a.x - b.x, a.y - b.y); }

// A point turned counter-clockwise about the origin by an angle held in single precision.
inline Pt turned(Pt p, float angle) {
  const double a = angle;
  return {p.x * std::cos(a) - p.y * std::sin(a), p.x * std::sin(a) + p.y * std::cos(a)};
}

// The lines of a plot text, each of which must end in CR LF.
inline std::vector<std::string> lines(const std::string& text) {
  const std::vector<std::string> out = allLines(text);
  std::size_t bytes = 0;
  for (const std::string& l : out) bytes += l.size() + 2;
  EXPECT_EQ(bytes, text.size()) << "every line ends in CR LF";
  return out;
}

}  // namespace kes::testing
