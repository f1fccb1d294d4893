#pragma once
// The crosscut develop as a stepper, so that the window can let events run
// and stop between files: one plot file per panel of the layout
// (pnl<i>.UC, lettered PNL<i>), then, when asked, the shelf foot
// (lensfoot.uc, "foot") and the twist foot (twstfoot.uc, "twstft"), both
// developed as panel 1.
//
//   CrosscutRun run;
//   run.start(settings, font);           // report heads: run.heads()
//   while (run.next() != CrosscutStep::Done) {
//     // shelf foot: recompute the model first; twist foot: recompute and lay out
//     run.develop(model, layout, preview);
//     ...let events run...
//     run.finish(preview);               // run.file(): name, temp, turned, caption
//     ...write the files, stop on Esc...
//     report += run.accept();            // the file's report line, the sums
//   }
//   run.battenTable(), run.widestCaption(), run.totals()

#include <string>

#include "common/panel_layout.h"
#include "develop/finish.h"
#include "develop/lettering.h"
#include "develop/marks.h"
#include "develop/panel.h"
#include "develop/plot_file.h"
#include "model/sail_model.h"

namespace kes {

// What the run reads of the window's boxes and menus at its start.
struct CrosscutSettings {
  int PanelCount = 0;  // the whole count the layout settled on
  // Text16..Text20: seam width, luff, leech, foot and head tabling, parsed
  // for every file (0 for text that is no number).
  std::string seamWidth, luffTabling, leechTabling, footTabling, headTabling;
  MarkSetUp marks;
  std::string batLngth[5];  // the batten table's texts
  bool shelfFoot = false, twistFoot = false;
  PlotUnits units;
};

enum class CrosscutStep { Panel, ShelfFoot, TwistFoot, Done };

// One file of the run.
struct CrosscutFile {
  std::string name;     // pnl3.UC, lensfoot.uc, twstfoot.uc
  int index = 0;        // the panel number i (1 for the foot panels)
  std::string temp;     // the unturned copy without repeats (temp.txt)
  std::string turned;   // the finished plot file
  std::string caption;  // "Developed: Crosscut 3 at 9.25 (max=9.75)"
  CutFault fault = CutFault::None;  // anything but None: the file is not to be written
};

// The allowances of panel i of n: the seam allowance on the upper edge of
// every panel but the top one, the head tabling on the top one, the foot
// tabling on the bottom one only (also when it is the only one).
EdgeAllowances PanelAllowances(const CrosscutSettings& s, int i, int n);

// Whether panel i of n may be laid flat as its seams stand. The panel lies
// between seams i-1 and i, whose ends are taken as the layout takes them
// (kept within 1..100, rounded half to even). Luff ends rise from the tack
// (1) to the head (100), leech ends fall from the clew (100) to the head
// (1): an upper seam whose luff end lies below its lower seam's, or whose
// leech end lies below (numerically above) it, has crossed or passed its
// neighbour and the panels would share cloth (SeamsCross). Ends that meet
// at one end make a wedge; a seam with both ends on its neighbour's lies
// on the same chord and encloses no cloth (NoCloth). The head is a straight
// edge from luff point 100 to leech point 1, so the top panel's lower seam
// may not lie on both of its corners either. The foot is no chord: a seam
// from the tack to the clew still leaves the foot round's cloth below it,
// and the cut check weighs the bottom panel by its cloth.
CutFault PanelSeamsFault(const PanelLayout& L, int i, int n);

class CrosscutRun {
 public:
  void start(const CrosscutSettings& settings, const StrokeFont* font);
  CrosscutStep next() const { return next_; }

  // Lays the next file's panel flat and writes its first pass; draws the
  // highlighted seam line and the flat triangles on preview when given.
  // The foot passes rebuild their seam line (1 for the shelf foot, 0 for
  // the twist foot) in layout.SeamLines.
  void develop(const SailModel& m, PanelLayout& layout, Surface* preview);
  // The finishing pass of that file: temp text, turned text, widths, caption.
  void finish(Surface* preview);
  // The file counts: its report line, area and seaming added; on to the
  // next step. A refused file counts for nothing (an empty line, no sums).
  std::string accept();

  const CrosscutFile& file() const { return file_; }
  const PanelResult& panel() const { return panel_; }
  const WidthState& widths() const { return widths_; }
  double totalArea() const { return totalArea_; }
  double totalSeaming() const { return totalSeaming_; }

  std::string heads() const;
  std::string battenTable() const;
  // "Widest Panel 3 is 9.75 inches"
  std::string widestCaption() const;
  std::string totals() const;

 private:
  void advance();

  CrosscutSettings s_;
  const StrokeFont* font_ = nullptr;
  CrosscutStep next_ = CrosscutStep::Done;
  int i_ = 0;
  int markMode_ = 1;
  bool developed_ = false;  // the current file was laid flat and written (first pass)
  Point2 anchor_;
  WidthState widths_;
  double totalArea_ = 0, totalSeaming_ = 0;
  PanelResult panel_;
  CrosscutFile file_;
};

}  // namespace kes
