#pragma once
// What the three radial panel writers share: the pen, the lettering, the
// marks, the fans' end codes. Internal to the radial develop.

#include <string>
#include <vector>

#include "develop/cut_check.h"
#include "radial/radial_develop.h"

namespace kes::radial {

// The plot file of one panel as it is written, from its "start_plot" on,
// with the pen's state and where its sewing outline stands in the text
// (from the outline's first point to its "1 penup"; the marks' and the
// lettering's pen strokes are no part of it).
struct PanelPlot {
  PlotText plot;
  bool penDown = false;
  TextRange sewing;
  bool outlineStarted = false, outlineDone = false;
  std::vector<Point2> outline;  // the sewing outline's points, as meant
  // The allowance of the edge that arrives at each outline point (the
  // first point's: that of the edge closing the outline on it).
  std::vector<double> allowance;
  double edgeAllowance = 0;  // the allowance of the edge being written

  explicit PanelPlot(const PlotUnits& u) : plot(u.PlotScaleX, u.PlotScaleY) {
    plot.line(kPlotStart);
    outline.reserve(256);
    allowance.reserve(256);
  }
  void point(Point2 p) {
    if (outlineStarted && !outlineDone && finite(p)) {
      outline.push_back(p);
      allowance.push_back(edgeAllowance);
    }
    plot.point(p.x, p.y);
  }
  // A pen point; the first one of the outline is followed by "1 pendown".
  void penPoint(Point2 p) {
    if (!penDown && !outlineStarted) {
      sewing.from = plot.text().size();
      outlineStarted = true;
    }
    point(p);
    if (!penDown) {
      plot.line(kPenDown);
      penDown = true;
    }
  }
  // Lifts the pen; the first lift closes the sewing outline.
  void penUp() {
    plot.line(kPenUp);
    if (outlineStarted && !outlineDone) {
      sewing.to = plot.text().size();
      outlineDone = true;
    }
    penDown = false;
  }
};

// A fan's knife corner where the lines of records a and b meet. A corner
// that would stand off its own sewing corner `own` (where a's edge turns
// onto b's on the outline) by more than kMitreLimit times the panel's
// largest allowance (two seams meeting at a sliver's sharp point, or lines
// a few degrees apart meeting far back behind a short edge) is cut, as a
// mitred join is: the feet of that point on both lines. Without `own` (no
// point) the nearest sewing point stands for it. Adds one or two points to
// the knife.
void fanCorner(KnifePath& knife, const CutRecord& a, const CutRecord& b, Point2 own,
               const PanelPlot& p, double largestAllowance);
// The same for the knife's start corner, where the closing record a meets
// record 1 (b) at the outline's first point: `from` gets the point the
// knife starts on (on b's line) and `to` the point it comes back to before
// closing on `from` (the same point where the corner is not cut).
void fanStartCorner(const CutRecord& a, const CutRecord& b, const PanelPlot& p,
                    double largestAllowance, Point2& from, Point2& to);

// Panel n of a ring (0 tack fan, 1 clew fan, else the band) in band r:
// its file name and label.
RadialPanelFile panelFile(int ring, int n, int r);

// A section's panel count from the layout, at most the layout's 33.
int sectionCount(const PanelLayout& layout, int section);
// A lower end as a station: 0 (what unticking "Stagger" leaves while
// "Unlock" is ticked) is station 1.
int lowerStation(int end);
// A fan's upper-end code as a flat point: 1..100 a station of seam line 1,
// 101..151 a point of the straight divider (151, one step beyond its foot,
// only gives the last segment's direction). Any other code has no point.
Point2 dividerPoint(const RadialStrip& s, const PanelLayout& layout, int code);
Point2 fanUpperPoint(const RadialStrip& s, const PanelLayout& layout, int code);

// The end radial from its upper end p down to its foot end q, moved by
// width square to itself towards the panel's outside: aft (outside +1, the
// tack fan, whose panels lie forward of their end seams) or forward
// (outside -1, the clew fan). Which normal that is follows from the seam's
// own lean, as for the divider: a seam whose top lies forward of its foot
// runs the other way along its slope's direction.
CutRecord EndRadialRecord(Point2 p, Point2 q, double width, int outside);

// Where a seam's ends lie along its section's two edges, counted in the
// order the section's panels run, so that the seams of panels that share no
// cloth have ends that never step back:
//   - tack fan (section 0): the upper end from the luff aft along seam line 1
//     to the divider's top, then down the divider (code 101, the divider's
//     top, is the same place as station DividerTopIndex); the lower end from
//     the tack aft along the foot;
//   - clew fan (section 1): the upper end from the leech forward along seam
//     line 1 to the divider's top, then down the divider; the lower end from
//     the clew forward along the foot;
//   - a band: both ends from the luff aft.
// A fan's station of seam line 1 beyond the divider's top (on the other
// fan's side) lies past the divider's foot end.
struct SeamPlaces {
  int upper = 0, lower = 0;
};
SeamPlaces seamPlaces(const PanelLayout& layout, int section, int j);
// Panel n of a section against its two seams n-1 and n: NoCloth when they
// lie on each other at both ends, SeamsCross when seam n stands back of
// seam n-1 at either end (an end dragged across its neighbour), so that the
// panel would lie over its neighbours' cloth; None otherwise. Seams that
// meet at one end only (a fan's seams at the tack, an end dropped on its
// neighbour's) leave a three-sided panel, which is cut.
CutFault seamOrderFault(const PanelLayout& layout, int section, int n);
// The seams' verdict over the cut check's: a panel whose seams are out of
// order is refused for that, whatever its outline looks like.
void refuseSeamsOutOfOrder(RadialPanelFile& f, const PanelLayout& layout, int section, int n);

// One plotter step in design units (the coarser axis).
double plotStep(const PlotUnits& u);

// Where a fan panel's kinds of records end (0: none of that kind): the
// knife turns a corner onto the record after the last of the upper edge,
// of the divider and the end radial.
struct FanRecordEnds {
  int lastUpper = 0, lastDivider = 0, endRadial = 0, lastFoot = 0;
  bool turnsOnto(int k) const {
    return (lastUpper && k == lastUpper + 1) || (lastDivider && k == lastDivider + 1) ||
           (endRadial && k == endRadial + 1);
  }
};

// A knife round the whole sewing outline: each of its segments moved out by
// the allowance of its edge, neighbours joined where their moved lines
// meet (a sharp outside corner no further off than kMitreLimit times the
// largest allowance) and otherwise by a short cut between the two moved
// ends. It follows a seam line however it bends, even where it curls
// into a hook. False when the outline has no area or crosses itself by
// more than `step` (one plotter step).
bool OutlineKnife(const std::vector<Point2>& outline, const std::vector<double>& allowance,
                  double largestAllowance, double step, KnifePath& knife);

// The rest of a panel's file: the knife path, "end_plot", the text, the
// record count and whether the table can cut it (the knife round the sewing
// outline, within `largestAllowance` of the panel's allowances). A knife
// the table cannot cut round the outline is replaced by the OutlineKnife,
// where that one can be cut. A fan's
// file is turned so that its end radial lies along X, and stays as it lies
// without one.
void endPanelFile(RadialPanelFile& f, PanelPlot& p, const KnifePath& knife, const PanelRecords& rec,
                  const PlotUnits& u, double largestAllowance);
void endFanFile(RadialPanelFile& f, PanelPlot& p, const KnifePath& knife, const PanelRecords& rec,
                const PlotUnits& u, double largestAllowance, int endRadial);
// The largest of the given allowances, by size.
double largestOf(std::initializer_list<double> allowances);

// Letters text at the angle (single precision, as stored) and origin.
void letter(PanelPlot& p, const RadialInput& in, const std::string& text, float angle, double ox,
            double oy);
// The batten and reef marks inside the panel's record polygon.
void panelMarks(PanelPlot& p, const RadialInput& in, const RadialBand& band,
                const PanelRecords& rec);
// The batten-end marks of the band's stretch of leech.
void battenEnds(PanelPlot& p, const RadialInput& in, const RadialBand& band, double endUpper,
                double endLower);
// The leech stations between two seam ends, from endUpper + 1 down the
// leech to endLower - 1; upwards from endLower - 1 to endUpper + 1. Each
// count steps by 1 from where it starts, kept in 1..100.
std::vector<int> leechStations(double endUpper, double endLower, bool upwards);

}  // namespace kes::radial
