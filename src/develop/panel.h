#pragma once
// One crosscut panel (or foot panel) developed into the text of its plot
// file: laid flat, lettered, its sewing outline drawn with the pen, batten
// and reef marks, the cut edge around it with the knife.
//
// File order: "start_plot"; the lettering; the sewing outline from the
// flat lower luff corner (the origin) along the upper edge, the leech and
// back along the lower edge; in "pnl" files the batten-end marks; the
// comment; in "pnl" files the batten and reef marks; the knife path;
// "end_plot". The text is the first pass (points rounded down); the
// finishing pass turns it.

#include <string_view>

#include "develop/cut_check.h"
#include "develop/lettering.h"
#include "develop/marks.h"
#include "develop/outline.h"
#include "develop/plot_file.h"
#include "develop/strip.h"
#include "platform/surface.h"

namespace kes {

struct PanelInput {
  const Curve* lower = nullptr;  // seam line i-1
  const Curve* upper = nullptr;  // seam line i
  double leechEndLower = 0, leechEndUpper = 0;  // SeamLeechEnd(i-1), SeamLeechEnd(i)
  MarkSail sail;                 // leech and foot curves, clew, foot length
  std::string_view fileName, letterText;
  EdgeAllowances allowances;
  const MarkSetUp* marks = nullptr;
  PlotUnits units;
  const StrokeFont* font = nullptr;
  // The careful cut, for a panel whose plain cut would not be sound: the
  // leech fitted between its flat corners whatever the turn gives; the
  // knife squared out from both sewing leech corners, through the moved
  // edges' own corners, and dropping only points that fall back along
  // their own edge (a crescent or a panel curled round keeps its edges).
  bool carefulCut = false;
};

struct PanelResult {
  FlatStrip strip;
  CutOutline cut;
  PlotText plot;
  TextRange sewing;           // where the sewing outline stands in plot's text
  double area = 0, seaming = 0;
  float letterAngle = 0;      // slope angle of the flat lower-edge chord
  double leechLean = 0, leechTurn = 0, luffLean = 0;
  // How the leech curve's points land in the flat frame: turned by
  // leechTurn about the lower leech corner; or, where that would carry them
  // past the flat leech corners (a leech that leaves the head at a sharp
  // turn), fitted between the two corners.
  FlatPlacement leech;
  bool leechFitted = false;
};

// Names holding "pnl" (exact case) are the layout's panels: they get the
// leech curve, the leech points of the cut and the marks.
bool IsPanelFileName(std::string_view fileName);

// Develops the panel into result (markMode as the run carries it: 1 for
// the layout's panels, 0 for the foot panels). The flat triangles are drawn
// on preview (light grey) over the plan view, when given.
void DevelopPanel(const PanelInput& in, int& markMode, PanelResult& result, Surface* preview);

// Seam line drawn over the plan view in light green through points 1, 5, 10, ..., 100.
void HighlightSeamLine(Surface& s, const Curve& line);

}  // namespace kes
