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
//   - it holds cloth: its sewing outline (or, for a file without one, its
//     knife path) is on average wider than kNoClothSteps plotter steps,
//     the average width being twice the enclosed area over the perimeter
//     (a strip w wide and much longer than wide gives w). Seams laid on
//     each other, or a patch layer whose reach rounds to its corner, leave
//     an outline of no area: a cut of nothing but allowance;
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
#include <string>
#include <string_view>

#include "develop/plot_file.h"
#include "develop/strip.h"

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
  NoCloth,         // the outline (or the knife, without one) encloses no cloth
  SeamsCross,      // the panel's seams cross or pass a neighbour's: panels would share cloth
};

// Thinner than this on average, in plotter steps, and a file holds no cloth:
// no plotter cuts a hundredth of an inch, while the thinnest true panel
// (a fan's sliver) is wider than that over most of its length.
inline constexpr double kNoClothSteps = 3.0;

struct TextRange {
  std::size_t from = 0, to = 0;
  bool empty() const { return to <= from; }
};

CutFault CheckCut(const PlotText& plot, TextRange sewing, double largestAllowance);

// Twice the area over the perimeter of a closed path (the closing edge
// included): the average width of what it encloses, in its own units; 0
// for fewer than three points or a path that does not add up.
double MeanWidth(const Point2* path, std::size_t n);

// The message the window shows for a file that fails: "Cannot cut <name>"
// and, after a colon, why: "Cannot cut pnl3.UC: its seams lie on each other".
// Every refusal has a why (CutFaultReason, or a patch's own).
std::string CannotCutText(std::string_view name, std::string_view why);

// Why the table cannot cut a file, in a sailmaker's words, for every kind
// of fault the cut check finds; empty for None. A patch, a pocket or a reef
// point without cloth says instead how its reach or size rounds to nothing
// (see reinforce/patch_files.h).
std::string_view CutFaultReason(CutFault f);

}  // namespace kes
