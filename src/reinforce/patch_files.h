#pragma once
// The reinforcement develop's plot files, built in memory in the order the
// run writes them: one pocket per batten, one diamond per intermediate reef
// point, then the tack, clew and head (and peak) patches, each drawn in its
// corner's coordinates and turned into its cutting position, with its
// reef-size copy.
//
// The window writes what this hands it (and the scratch files "temp.txt" and
// "temp2.txt" of every patch), shows the progress and stops the run on Esc
// or on a file it cannot write.

#include <string>
#include <string_view>

#include "develop/cut_check.h"
#include "develop/lettering.h"
#include "develop/plot_file.h"
#include "model/sail_model.h"
#include "reinforce/reinforce_settings.h"

namespace kes {

// The scratch file that keeps each patch's reef-size copy (temp.txt keeps the turned file).
inline constexpr const char* kCopyTempFile = "temp2.txt";

// The most reef point diamonds one row gets: a row holds at most as many
// points as the plan view draws, its two end points without a diamond.
inline constexpr int kMaxReefPointsPerRow = 1000;

// Batten pocket i (row 0..4): a rectangle of the batten's length plus
// lengthPlus by width, cut from the origin, with pen lines across it at the
// batten's ends and its label "bat<i+1>". False when a coordinate cannot be written.
bool writeBattenPocket(PlotText& plot, const StrokeFont& font, const PlotUnits& units,
                       int row, double battenLength, double width, double lengthPlus);

// A reef point diamond: a square of side pointSize standing on a corner,
// centred on the origin.
bool writeReefDiamond(PlotText& plot, double pointSize);

// A patch file's finishing pass: every line holding "acut" is read back as
// whole plotter steps, turned counter-clockwise by angle about the origin
// and rounded (halves away from zero) into turned; copy gets the same point
// scaled by copyPercent / 100. Other lines pass unchanged; both end their
// lines in CR LF. False when a coordinate of either cannot be written.
struct FinishedPatch {
  std::string turned;  // the plot file, and "temp.txt"
  std::string copy;    // the reef-size copy, and "temp2.txt"
  bool turnedOk = true, copyOk = true;
};
void finishPatch(std::string_view firstPass, float angle, double scaleX, double scaleY,
                 double copyPercent, FinishedPatch& out);

// One patch file as the run hands it on.
struct PatchFile {
  std::string name;      // "tack1.uc"
  std::string copyName;  // "rtack1.uc", empty when no copy is kept
  std::string firstPass; // as drawn in the corner's coordinates, before the turn
  bool firstPassOk = true;
  // The plot file's knife: as first drawn, and again as turned into its
  // cutting position (whole steps rounded twice may close up a sliver).
  CutFault fault = CutFault::None;
  // The reef-size copy's knife, when a copy is kept: a patch that holds
  // cloth at full size may hold none when scaled down.
  CutFault copyFault = CutFault::None;
  float angle = 0;       // the turn, as held in single precision
  FinishedPatch finished;
  // Why the failed file cannot be cut, in a sailmaker's words ("its reach
  // rounds to nothing; the reach allows 5 layers", "a point lies beyond what
  // the plotter takes"); empty when all can be cut.
  std::string why;
  // The file the table could not cut (a knife path that is not closed or
  // encloses no cloth, a coordinate that cannot be written: Unwritable) and
  // its fault; no name when all can be cut.
  struct Failure {
    std::string name;
    CutFault fault = CutFault::None;
  };
  Failure failure() const;
  std::string failedName() const { return failure().name; }
};

// The reason a patch layer without cloth is refused: its reach (a radial
// patch: its share of the reach; the reef-size copy: at the copy's size)
// rounds to nothing, and how many layers the corner's reach does allow:
// "its reach rounds to nothing; the reach allows 5 layers".
std::string NoReachText(int allowedLayers, bool radialShare, bool reefCopy);

// The reason a batten pocket or reef point diamond without cloth is refused.
inline constexpr std::string_view kNoSizeText = "its size rounds to nothing";

class ReinforcementSink {
 public:
  virtual ~ReinforcementSink() = default;
  // A pocket or diamond file the table can cut, written as it stands. False
  // ends the run.
  virtual bool plainFile(const std::string& name, const std::string& text) = 0;
  // A pocket or diamond the table cannot cut (a coordinate that cannot be
  // written, a knife path that is not closed, no size), with the reason in a
  // sailmaker's words. False ends the run.
  virtual bool refusedPlainFile(const std::string& name, const std::string& text,
                                std::string_view why) = 0;
  // A finished patch file. False ends the run.
  virtual bool patchFile(const PatchFile& file) = 0;
};

// The whole develop after its old files are gone: pockets (battenPockets
// ticked, rows of positive length), diamonds (reefPoints ticked), then
// tack1, tack2, .., clew1, .., and head1, head2, .. at a narrow head or
// head1, peak1, head2, .. at a wide one; copies of the tack and clew files
// when reefPoints is ticked. Each file goes to the sink as soon as it stands;
// a patch file refused for want of cloth carries how many layers of its
// corner the reach allows: the most, below the count asked for, whose every
// file (and copy) encloses cloth, built as this run builds them.
void developReinforcements(const SailModel& m, const ReinforceSettings& rs,
                           const PlotUnits& units, const StrokeFont& font,
                           ReinforcementSink& sink);

}  // namespace kes
