#pragma once
// The helpers of the Battens and Size frames: the standard batten set-ups,
// the full-length battens, the leech diagonal from a clew height or a tack
// angle, and the batten hollow's question.
//
// The batten set-up lives only in the fifteen boxes of the Battens frame, and
// a press writes them one after the other: every write that changes a box's
// text runs that box's change handler (a recompute) before the next step,
// and later steps read the boxes and the model as those recomputes left them.
// So the calculators work on the boxes through BattenBoxes, which the window
// implements over its text boxes, and read the model the window's recompute
// keeps up to date.

#include <optional>
#include <string>
#include <string_view>

#include "model/sail_model.h"

namespace kes {

enum class BattenBox { Position, Length, Angle };  // BatPos, BatLngth, BatAngl

// The batten boxes, rows 0..4 (row 0 the lowest, "Lngth 1").
class BattenBoxes {
 public:
  virtual ~BattenBoxes() = default;
  virtual std::string text(BattenBox box, int row) const = 0;
  // Puts text into the box; when the text really changes, the box's change
  // handler (the recompute of the model) runs before this returns.
  virtual void setText(BattenBox box, int row, const std::string& text) = 0;
};

enum class StandardSetUp { Std3, Std4, Std5 };

// "Std 3", "Std 4", "Std 5" up to the final recompute: FootLength from the
// foot box's text, the five lengths emptied, the angle square to the leech
// chord in row 0 ("0.0"; kept when the head corner and the clew stand at one
// height) and copied to the rows in use, the positions, then each row's
// length as 3 x the roach's depth at its position (full precision), and the
// middle rows' common length. The window runs Command3_Click afterwards.
void standardBattens(StandardSetUp kind, std::string_view footText, SailModel& m,
                     BattenBoxes& boxes);

// "None": empties the five length boxes, rows 0..4 in order. No recompute
// of its own (each change runs the handler).
void noBattens(BattenBoxes& boxes);

// A row's "<" button (row 0 Command24 .. row 4 Command16): FootLength from
// the foot box's text; the row's angle = the foot chord's angle ("0.0"); its
// length = 99 % of the distance from its leech point to the luff along a line
// at that angle, written at full precision and then as "0.00". A step that
// cannot be computed leaves its box as it was.
void fullLengthBatten(int row, std::string_view footText, SailModel& m, BattenBoxes& boxes);

// The "?" button's input boxes.
inline constexpr const char* kClewHeightTitle = "Clew Height";
inline constexpr const char* kClewHeightPrompt =
    "If you don't know the diagonal length, enter the clew height over tack now or click "
    "'OK' to enter a tack angle:";
inline constexpr const char* kTackAngleTitle = "Tack Angle";
inline constexpr const char* kTackAnglePrompt =
    "If you don't know the diagonal length or clew height, enter the tack angle:";
inline constexpr const char* kTackAngleDefault = "90";

// The "?" button after its questions: sets LuffLength, HeadWidth and
// FootLength from the texts of Text1, Text2 and Text4, then the leech
// diagonal from the clew height (any non-empty answer; the rise of the foot
// goes into FootAngle) or, when that answer is empty, from the tack angle's
// answer (degrees; no number reads 0). Returns the text for Text3 ("0.00"),
// having set LeechDiagonal, or nothing when there is no triangle (a clew as
// high as the foot is long or higher) or no number to compute with: Text3
// is then kept.
std::optional<std::string> leechDiagonal(SailModel& m, std::string_view luffText,
                                         std::string_view headText, std::string_view footText,
                                         std::string_view clewHeightAnswer,
                                         std::string_view tackAngleAnswer);

// "Batten Hollow": the input box, its default text for the current hollow
// (the percent as plain text: "0.6" for 0.006, "0" for none), and the hollow
// an answer gives (|number| / 100; 0 for Cancel, empty text or no number).
// An answer whose number lies beyond a double's range leaves it as it was.
inline constexpr const char* kBattenHollowTitle = "Batten Hollow";
inline constexpr const char* kBattenHollowPrompt =
    "Batten hollow as a percent of leech segment length:";
std::string battenHollowDefault(double hollow);
double battenHollowFromAnswer(std::string_view answer, double hollowBefore);

}  // namespace kes
