#pragma once
// The panel count that covers the sail's height (the longer of the luff and
// the leech chord) with panels of a given maximum width, after the seam
// allowance, the foot round (0 when negative) and the foot tabling are taken
// off: height / (width - seam - round - foot tabling) + 0.5, made whole with
// a half to the even neighbour, written with a sign position (" 26").

#include <optional>
#include <string>
#include <string_view>

namespace kes {

inline constexpr const char* kPanelWidthPrompt =
    "If you don't know how many panels you need, enter the maxium panel width:";
inline constexpr const char* kPanelWidthTitle = "Panel Width";
inline constexpr const char* kPanelWidthDefault = "24";

// Nothing when the answer is no number (or none), when the width left is 0
// or below (the box keeps its count), or when the count passes 16 bits.
std::optional<std::string> PanelCountForWidth(std::string_view answer, double seamWidth,
                                              double footTabling, double footRound,
                                              double luffLength, double leechChord);

}  // namespace kes
