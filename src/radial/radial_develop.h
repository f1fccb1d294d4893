#pragma once
// The radial develop: the tack fan, the clew fan and the band panels of a
// radial layout turned into plot files, one per panel, each then finished
// by turning it so that the panel's end edge lies along X.
//
// Pure: the run builds every file's text in memory and hands it to the
// window, which writes it, lets events run, finishes it and shows the
// captions:
//
//   RadialDevelop run(input);            // input: layout, model, boxes, units, font
//   RadialPanelFile f;
//   RadialFinishState st;
//   while (run.next(f)) {                // tack fan, clew fan, bands 2..PanelCount
//     ... write f.text to f.fileName ...
//     RadialFinished done = FinishRadialFile(f, units, st, preview);
//     ... write done.text to temp.txt, caption done.caption, stop on Esc ...
//   }
//   WidestCaption(st, unitWord)
//
// The panel writers can also be run one panel at a time (tests).

#include <string>
#include <string_view>

#include "common/panel_layout.h"
#include "develop/cut_check.h"
#include "develop/lettering.h"
#include "develop/marks.h"
#include "develop/plot_file.h"
#include "model/sail_model.h"
#include "radial/radial_geometry.h"

namespace kes {

class Surface;

// The texts of the boxes the radial develop reads.
struct RadialBoxTexts {
  std::string Text16, Text17, Text18, Text19, Text20, Text32;  // seam width, tablings, radial seam
  std::string BatPos[5], BatLngth[5], BatAngl[5];
  std::string NumReef[2], ReefPos[2];
};

// Each box as the number its text begins with, 0 when there is none.
struct RadialBoxes {
  double seamWidth = 0, luffTabling = 0, leechTabling = 0, footTabling = 0, headTabling = 0;
  double radialSeamWidth = 0;
  MarkSetUp marks;  // batten and reef rows
};
RadialBoxes ReadRadialBoxes(const RadialBoxTexts& t);

// The allowances of one panel's edges (the cut edge lies this far outside
// the sewing line).
struct Allowances {
  double SeamWidth = 0, LuffTabling = 0, LeechTabling = 0, FootTabling = 0, HeadTabling = 0;
  double RadialSeamWidth = 0;
};
// Band panel n of band r with `count` panels, `bands` bands: the luff
// tabling on panel 1 only, the leech tabling on the last panel and the
// radial seam width on every other end edge, no foot allowance, the head
// tabling on the top band and the seam width below it.
Allowances BandAllowances(const RadialBoxes& b, int r, int n, int count, int bands);
// The fans read every box as it stands; their writers pick what they use.
Allowances FanAllowances(const RadialBoxes& b);

// Everything one radial develop reads.
struct RadialInput {
  const PanelLayout* layout = nullptr;
  const SailModel* model = nullptr;  // LeechCurve, FootCurve, FootLength, ClewX, ClewY
  RadialBoxes boxes;
  PlotUnits units;
  const StrokeFont* font = nullptr;  // none: no lettering
};

// One band laid flat and the frames its writers place points in.
struct RadialBand {
  int r = 1;  // BandNumber: 1 for both fans, then 2..PanelCount
  RadialStrip strip;
  BandFrames frames;
};
// Lays band r (seam lines r-1 and r) flat.
RadialBand DevelopRadialBand(const PanelLayout& layout, int r);
// A band built from given flat stations (tests).
RadialBand RadialBandFromStrip(const PanelLayout& layout, int r, const RadialStrip& strip);

// One panel's plot file, first pass.
struct RadialPanelFile {
  std::string fileName;  // "rad3_2.UC"
  std::string label;     // "3rad2"
  std::string text;      // "start_plot" ... "end_plot", CR LF
  double angle = 0;      // FileAngle, radians
  int band = 1;          // BandNumber, anchors the preview
  int records = 0;       // cut-edge records made
  CutFault fault = CutFault::None;  // anything but None: the table cannot cut it, it is not written
};

// The three writers, one panel each (n = 1..the section's count).
RadialPanelFile WriteTackPanel(const RadialInput& in, const RadialBand& band, int n);
RadialPanelFile WriteClewPanel(const RadialInput& in, const RadialBand& band, int n);
RadialPanelFile WriteBandPanel(const RadialInput& in, const RadialBand& band, int n);

// The whole run, file by file: tack fan, clew fan, then bands 2..PanelCount.
// No file when PanelCount is below 1 (the layout then builds no fans).
class RadialDevelop {
 public:
  explicit RadialDevelop(const RadialInput& in);
  bool next(RadialPanelFile& out);

 private:
  RadialInput in_;
  RadialBand band_;
  int section_ = 0;  // 0 tack fan, 1 clew fan, 2.. bands
  int panel_ = 0;    // last panel written in the section
  bool bandBuilt_ = false;
};

// The run's finishing state: the tool carried from file to file and the
// widest panel so far.
struct RadialFinishState {
  int ToolState = 0;  // 0 none down, 1 pen, 2 knife
  double WidestWidth = 0;
  std::string WidestLabel = "0";
};

// A finished file: its turned text, its width and the progress caption.
struct RadialFinished {
  std::string text;
  bool whole = true;     // false: a turned point could not be written, the file cannot be cut
  double width = 0;
  std::string caption;  // "Developing: 2rad5 at 8.10 (max=9.25)"
};

// The radial finishing pass: every line written back (none dropped), point
// lines turned by the file's angle and rounded halves away from zero; the
// width the span across of the points read with a tool down, their largest
// turned y less their smallest (-10000 for a file with none); the widest
// test after every point line (strictly wider, the first kept). With a
// preview surface the flat, unturned panel is drawn from (anchorX, anchorY):
// pen in light blue, knife in light red.
RadialFinished FinishRadialFile(std::string_view text, double angle, std::string_view label,
                                double scaleX, double scaleY, RadialFinishState& st,
                                Surface* preview = nullptr, double anchorX = 0, double anchorY = 0);

// "Widest: Panel 3rad2 is 9.25" and the unit word of the checked unit.
std::string WidestCaption(const RadialFinishState& st, bool inches, bool millimeters, bool feet);

// "rad" & ring & "_" & n & ".UC" and ring & "rad" & n.
std::string RadialFileName(int ring, int n);
std::string RadialLabel(int ring, int n);
// A radial plot file's name as the run clears them: "rad", digits, "_",
// digits, ".uc", without regard to case (radar.txt is no plot file).
bool IsRadialPlotFileName(std::string_view name);

}  // namespace kes
