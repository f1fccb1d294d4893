#pragma once
// The Reinforcements frame's settings as plain values, and the rules its
// boxes follow: a percent box holds a whole number, a quantity box mirrors
// its scroll bar, and the preview brings every box over its upper limit down
// to the limit before it draws.

#include <optional>
#include <string>
#include <string_view>

#include "common/checked.h"

namespace kes {

// The three style option buttons as they stand; loading a design may leave
// all three cleared.
struct PatchStyleButtons {
  bool square = false;    // Option8
  bool triangle = true;   // Option9
  bool radials = false;   // Option10
};

enum class PatchStyle { None, Triangle, Square, Radials };

// The develop tries Radials, then Square, and takes everything else as Triangle.
PatchStyle developStyle(const PatchStyleButtons& b);
// The preview tries Radials, then Triangle, then Square; with none selected
// it draws no tack or clew patch.
PatchStyle previewStyle(const PatchStyleButtons& b);

// One corner: its reach along its two edges in percent of the edge, and the
// number of layers (or radial patches). Tack: luff, foot. Clew: leech, foot.
// Head: luff, leech. No lower limit is applied anywhere.
struct CornerSettings {
  double first = 0, second = 0, quantity = 0;
};

struct ReinforceSettings {
  bool battenPockets = true;   // Check6 ticked
  bool reefPoints = true;      // Check7 ticked: diamonds and the reef-size copies
  double pocketWidth = 4.25;   // Text33
  double lengthPlus = 3;       // Text34
  double pointSize = 3;        // Text35
  double copyPercent = 60;     // Text36
  double battenLength[5] = {}; // BatLngth, the number each box begins with
  double reefCount[2] = {};    // NumReef
  CornerSettings tack{10, 10, 5};   // Text37, Text38, Text43
  CornerSettings clew{18, 15, 5};   // Text39, Text40, Text44
  CornerSettings head{15, 12, 5};   // Text41, Text42, Text45
  PatchStyleButtons style;
  int ellipticity = 3;         // HScroll5, 1..6: divides the height of a radial arc
};

// The normal form of a percent box: the number the text begins with, made
// whole (a half to the even neighbour), as plain digits ("12.5" -> "12",
// "-0.4" -> "0", "abc" -> "0"). No form for a number outside -32768..32767:
// the box then keeps its text.
std::optional<std::string> percentNormalForm(std::string_view text);

// The value a quantity box puts into its scroll bar: its number made whole,
// failed outside -32768..32767 (the bar itself refuses anything outside 0..10).
Num quantityBarValue(std::string_view text);

// The nine boxes the preview keeps within limits, in the order it checks them.
inline constexpr int kLimitedBoxes[9] = {37, 38, 43, 39, 40, 44, 41, 42, 45};
inline constexpr double kPercentLimit = 20.0;
inline constexpr double kQuantityLimit = 10.0;
inline bool isQuantityBox(int box) { return box >= 43 && box <= 45; }

// Position (0..8) in kLimitedBoxes of the first box whose number lies above
// its limit, -1 when all are within. values[i] is the number of box
// kLimitedBoxes[i].
int firstOverLimit(const double values[9]);

}  // namespace kes
