#pragma once
// A small sail in feet (luff 3.7 ft, foot 1.7 ft) whose first band lies
// flat as a banana: the foot's camber, its entry and exit a design unit
// from the ends, swings the foot's depth far out, and laid flat the band
// rolls past a quarter turn, so that seam line 1 runs back in x near the
// leech and the leech rung points down from the clew.

#include <algorithm>
#include <iterator>

#include "default_sail.h"

namespace kes::testing {

inline SailInputs bentSail() {
  SailInputs in = defaultInputs();
  in.unit = Unit::Feet;
  const double text[15] = {0,          3.72590, 0.370641,  4.23792, 1.66785, 138.815, 0.0512174, 60,
                           -0.0481769, 40,      0.0693379, 50,      0.103389, 55,     6.17744};
  const double dep[6] = {9.26146, 6.52866, 6.87267, 5.15079, 4.94558, 5.79552};
  std::copy(std::begin(text), std::end(text), in.text);
  std::copy(std::begin(dep), std::end(dep), in.dep);
  return in;
}

}  // namespace kes::testing
