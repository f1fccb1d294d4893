#pragma once
// The batten and leech-diagonal calculators of the Battens and Size frames.
// They compute the texts to write; the window writes them into the boxes in
// the order given (each write of a changed text runs that box's handler).

#include <string>
#include <vector>

#include "model/sail_model.h"

namespace kes {

enum class BattenBox { Position, Length, Angle };

// One write into a batten box: row 0..4.
struct BoxWrite {
  BattenBox box;
  int row;
  std::string text;
};

enum class StandardSetUp { Std3, Std4, Std5 };

// "Std 3", "Std 4", "Std 5": the writes of steps 2 to 7 in order, computed
// from the model as the last recompute left it. angle0Before is the text
// BatAngl(0) holds before the press (kept when the angle cannot be computed).
std::vector<BoxWrite> standardBattenWrites(StandardSetUp kind, SailModel& m,
                                           const std::string& angle0Before);

// Full-length batten of one row: the three texts the press writes, in order.
struct FullLengthBatten {
  std::string angle;        // BatAngl(k), "0.0" form
  std::string length;       // BatLngth(k), full precision (or the old text when skipped)
  std::string lengthFinal;  // BatLngth(k), "0.00" form of length (or length unchanged)
};
FullLengthBatten fullLengthBatten(const SailModel& m, const std::string& positionText,
                                  const std::string& angleBefore,
                                  const std::string& lengthBefore);

// The "?" button: the leech diagonal from a clew height or a tack angle.
// clewHeightAnswer empty means the tack-angle box was asked; tackAngleAnswer
// is its answer. Returns the text for Text3, or empty text when the answer has
// no triangle and Text3 must be kept.
std::string leechDiagonalText(double luff, double foot, const std::string& clewHeightAnswer,
                              const std::string& tackAngleAnswer);

// "Batten Hollow": the default text of the input box for the current hollow,
// and the hollow an answer gives (|num| / 100; 0 for no number). An answer
// whose number is not finite leaves the hollow as it was.
std::string battenHollowDefault(double hollow);
double battenHollowFromAnswer(const std::string& answer, double hollowBefore);

}  // namespace kes
