#pragma once
// The designed default sail: the start texts of the size boxes and of the
// mold stations, as the recompute reads them.

#include "model/sail_model.h"

namespace kes::testing {

inline SailInputs defaultInputs() {
  SailInputs in;
  const double text[15] = {0, 100, 10, 110, 50, 130, 3, 60, 3, 40, 4, 50, 12, 55, 7};
  const double dep[6] = {8, 9, 10, 10, 9, 8}, pos[6] = {42, 42, 42, 42, 44, 47};
  const double ex[6] = {16, 18, 19, 16, 15, 14};
  for (int i = 0; i < 15; ++i) in.text[i] = text[i];
  for (int i = 0; i < 6; ++i) {
    in.ent[i] = 28;
    in.dep[i] = dep[i];
    in.pos[i] = pos[i];
    in.ex[i] = ex[i];
  }
  return in;
}

}  // namespace kes::testing
