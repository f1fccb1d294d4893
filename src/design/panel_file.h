#pragma once
// The panel file (<name>.pnl): 42 fixed lines of counts, allowances, options,
// reinforcement settings and batten hollow, then the layout's ends: for each
// seam 0..N its leech and luff end, the divider's two ends, and for each
// radial section visited the upper and lower end of its radial seams.
//
// The variable part holds no counts of its own: writer and reader walk it
// with the same counts, those of lines 6 to 13 taken by the one count rule
// (layoutCount: absolute value, whole number half to even, at most 33).
// Sections 0 and 1 (the fans) are always visited, then bands 2 up to N but
// no further than section 10; sections 7 to 10 use the counts the layout
// holds.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/panel_layout.h"
#include "design/design_lines.h"

namespace kes {

inline constexpr int kPanelFixedLines = 42;

// How a fixed line is written and read.
enum class PanelLine {
  Number,  // a box: its number, back as plain number text
  Check,   // a check box's value, read back rounded half to even
  Bar,     // a scroll bar's value, read back rounded half to even
  Option,  // an option button: -1 selected, 0 not
  Menu,    // a menu item's check mark: -1 checked, 0 not
  Hollow,  // the batten hollow: read back 0.006 when 0 or above 0.05
};

// Kind of each fixed line, by line number (index 0 unused).
inline constexpr PanelLine kPanelLineKinds[kPanelFixedLines + 1] = {
    PanelLine::Number,                                                   // (unused)
    PanelLine::Number, PanelLine::Number, PanelLine::Number, PanelLine::Number,  // 1-4 tablings
    PanelLine::Number, PanelLine::Number,                                // 5 seam width, 6 panels
    PanelLine::Number, PanelLine::Number, PanelLine::Number, PanelLine::Number,  // 7-10 counts
    PanelLine::Number, PanelLine::Number, PanelLine::Number,             // 11-13 counts
    PanelLine::Number,                                                   // 14 radial seam
    PanelLine::Check,  PanelLine::Check,  PanelLine::Check,              // 15-17
    PanelLine::Number, PanelLine::Number, PanelLine::Check,              // 18-20
    PanelLine::Number, PanelLine::Number, PanelLine::Check,              // 21-23
    PanelLine::Number, PanelLine::Number, PanelLine::Number, PanelLine::Bar,  // 24-27
    PanelLine::Number, PanelLine::Number, PanelLine::Number, PanelLine::Bar,  // 28-31
    PanelLine::Number, PanelLine::Number, PanelLine::Number, PanelLine::Bar,  // 32-35
    PanelLine::Option, PanelLine::Option, PanelLine::Option,             // 36-38
    PanelLine::Bar,                                                      // 39
    PanelLine::Menu,   PanelLine::Menu,                                  // 40-41
    PanelLine::Hollow,                                                   // 42
};

// The fixed part as numbers, by line number (index 0 unused): a box's number,
// a check box's or bar's value, -1/0 for an option or menu line, the hollow.
struct PanelFile {
  double line[kPanelFixedLines + 1] = {};
};

// The counts the variable part is walked with.
struct PanelWalk {
  int seams = 0;                               // N: seams 0..N
  int radial[PanelLayout::kSections] = {};     // C(k) of each section visited, 0 otherwise
};

// The count a count line gives: what its box shows, taken by layoutCount.
int lineCount(double lineValue);

// The walk for lines 6 to 13 of `fixed` and the counts the layout holds for
// sections 7 to 10.
PanelWalk panelWalk(const PanelFile& fixed, const int (&heldCounts)[PanelLayout::kSections]);

// One element of the variable part.
enum class PanelEnd { SeamLeech, SeamLuff, DividerTop, DividerFoot, RadialUpper, RadialLower };
struct EndSlot {
  PanelEnd kind;
  int section = 0;  // radial section k
  int index = 0;    // seam i or radial seam j
};
// Calls f for every element of the variable part in file order.
void walkEnds(const PanelWalk& walk, const std::function<void(const EndSlot&)>& f);
// Lines of the whole file.
int panelFileLines(const PanelWalk& walk);

std::string writePanelFile(const PanelFile& fixed, const PanelLayout& layout);

struct PanelRead {
  // Check-box and bar lines rounded (a value beyond a whole number left as it
  // is, which the control refuses), flags -1/0, the hollow corrected.
  PanelFile fixed;
  bool failed[kPanelFixedLines + 1] = {};
  PanelWalk walk;
  std::vector<Field<double>> ends;  // the variable part in walk order
  int failures() const;             // fixed lines and ends that could not be read
};

PanelRead readPanelFile(std::string_view bytes, const int (&heldCounts)[PanelLayout::kSections]);

// Puts the ends read into the layout in walk order. Seam ends keep their
// value as read (fractions too); divider ends and radial codes are whole
// numbers (half to even). An end whose line could not be read becomes 0; a
// whole number outside -32768..32767 leaves its element as it was. Each of
// these runs onFailure.
void storeEnds(const PanelRead& read, PanelLayout& layout, const std::function<void()>& onFailure);

}  // namespace kes
