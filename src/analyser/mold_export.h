#pragma once
// The mold file the analyser writes from its result grid: the design files'
// 25 lines of twist and, for stations 0..5, entry angle, depth, depth
// position and exit angle.

#include <string>

#include "analyser/camber_analysis.h"

namespace kes {

// The mold file's text. Each box is read by the lenient parse (0 for a box
// without a number). Line 1 is the twist of the highest of cambers 5..2 with
// a non-zero twist, else camber 1's; the foot takes camber 1; station k takes
// camber k when its depth is non-zero, otherwise the nearest camber below it
// with a depth (camber 1 at last).
std::string moldFileText(const ResultGrid& grid);

}  // namespace kes
