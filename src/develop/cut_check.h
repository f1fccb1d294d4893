#pragma once
// The last look at a plot file before it is written: can the table cut it?
//
// Every develop (crosscut, radial, reinforcement) hands its first-pass text
// here. A file passes when
//   - every point it meant to write was written (no coordinate that is not
//     finite or does not fit the plotter's 32 bits was dropped);
//   - it has a knife path (the point before "0 pendown" up to "0 penup") of
//     at least three points, closed on its first point;
//   - when the file has a sewing outline: every point of it lies inside the
//     knife path or within the tolerance of it;
//   - no knife point stands farther from the sewing outline than
//     kCutReach times the file's largest allowance, plus three plotter steps.
//     A mitred corner stands off its sewing corner by the allowance over the
//     sine of half the corner's angle; the develops cut any corner that
//     would stand off further than kMitreLimit allowances.
//
//   CutFault f = CheckCut(plot, {sewingFrom, sewingTo}, largestAllowance);
//
// The sewing outline is the part of the plot text between two byte offsets
// (the pen path the develop wrote for it); an empty range means the file has
// none (a patch, a pocket, a reef point: the knife is all there is).

#include <cstddef>
#include <string_view>

#include "develop/plot_file.h"

namespace kes {

// How far, in allowances, a knife corner may stand off the sewing corner
// before the develop cuts the corner instead.
inline constexpr double kMitreLimit = 4.0;
// How far, in allowances, the check lets a knife point stand off the outline.
inline constexpr double kCutReach = kMitreLimit + 0.5;

enum class CutFault {
  None,
  Unwritable,      // a coordinate could not be written
  NoKnife,         // no knife path, or one of fewer than three points
  Open,            // the knife does not come back to where it started
  OutlineOutside,  // the sewing outline crosses out of the knife path
  KnifeFarOff,     // the knife strays from the outline
};

struct TextRange {
  std::size_t from = 0, to = 0;
  bool empty() const { return to <= from; }
};

CutFault CheckCut(const PlotText& plot, TextRange sewing, double largestAllowance);

// The message the window shows for a file that fails: "Cannot cut <name>".
inline std::string CannotCutText(std::string_view name) { return "Cannot cut " + std::string(name); }

}  // namespace kes
