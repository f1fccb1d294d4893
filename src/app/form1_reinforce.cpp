// The Reinforcements frame: its box rules, the patch preview over the plan
// view and the develop that writes the pocket, reef point and patch files.

#include <string>
#include <string_view>

#include "app/form1.h"
#include "common/numbers.h"
#include "develop/lettering.h"
#include "develop/plot_file.h"
#include "platform/system.h"
#include "reinforce/patch_files.h"
#include "reinforce/patch_preview.h"

namespace kes {

namespace {

double number(const TextBox* box) { return parseLenient(box->text()); }

// Everything the preview and the develop read from the frame (and from the
// batten and reef boxes), as the controls stand.
ReinforceSettings reinforcementSettings(const Form1& f) {
  ReinforceSettings rs;
  rs.battenPockets = f.Check[6]->value() == 1;
  rs.reefPoints = f.Check[7]->value() == 1;
  rs.pocketWidth = number(f.Text[33]);
  rs.lengthPlus = number(f.Text[34]);
  rs.pointSize = number(f.Text[35]);
  rs.copyPercent = number(f.Text[36]);
  for (int i = 0; i < 5; ++i) rs.battenLength[i] = number(f.BatLngth[i]);
  for (int r = 0; r < 2; ++r) rs.reefCount[r] = number(f.NumReef[r]);
  rs.tack = {number(f.Text[37]), number(f.Text[38]), number(f.Text[43])};
  rs.clew = {number(f.Text[39]), number(f.Text[40]), number(f.Text[44])};
  rs.head = {number(f.Text[41]), number(f.Text[42]), number(f.Text[45])};
  rs.style = {f.Option[8]->value(), f.Option[9]->value(), f.Option[10]->value()};
  rs.ellipticity = f.HScroll[5]->value();
  return rs;
}

}  // namespace

// "Develop": the pockets', reef points' and patches' plot files, each patch
// turned into its cutting position with its reef-size copy. Esc finishes the
// file in hand and stops; a file that cannot be cut, with why ("Cannot cut
// tack6.uc: its reach rounds to nothing; the reach allows 5 layers"), or
// written ("Cannot write tack1.uc") stops the run too.
void Form1::Command21_Click() {
  if (!beginDevelopRun(kReinforcementPlotPatterns, std::array{kTempFile, kCopyTempFile})) return;
  ReadPlotScale();
  const PlotUnits units =
      SetPlotUnits(PlotScaleX, PlotScaleY, Millimeters->checked(), Feet->checked());
  PlotScaleX = units.PlotScaleX;
  PlotScaleY = units.PlotScaleY;
  const StrokeFont font = LoadStrokeFont(strokeFontFile);

  // Writes each file as the run hands it over; a local class, so that it
  // may use the window's failed-write path.
  struct Writer : ReinforcementSink {
    explicit Writer(Form1& window) : f(window) {}
    Form1& f;
    bool stopped = false;

    // Nothing stays behind half made: the file in hand and its copy go.
    bool removeHalfMade(const PatchFile& p) {
      deleteFiles(p.name);
      if (!p.copyName.empty()) deleteFiles(p.copyName);
      stopped = true;
      return false;
    }
    bool plainFile(const std::string& name, const std::string& text) override {
      stopped = !f.writeDevelopFile(name, text);
      return !stopped;
    }
    bool refusedPlainFile(const std::string& name, const std::string&, std::string_view why) override {
      f.failDevelopCut(name, why);
      stopped = true;
      return false;
    }
    bool patchFile(const PatchFile& p) override {
      f.developEvents();
      const std::string failed = p.failedName();
      if (!failed.empty()) {  // a cut the table cannot make: nothing of it is written
        f.failDevelopCut(failed, p.why);
        return removeHalfMade(p);
      }
      // The scratch files keep both passes; the plot file and its copy take
      // their text in one step each, never from a scratch file.
      if (!f.writeDevelopFile(kTempFile, p.finished.turned, DevelopWrite::Overwrite) ||
          !f.writeDevelopFile(kCopyTempFile, p.finished.copy, DevelopWrite::Overwrite) ||
          !f.writeDevelopFile(p.name, p.finished.turned) ||
          (!p.copyName.empty() && !f.writeDevelopFile(p.copyName, p.finished.copy)))
        return removeHalfMade(p);
      f.setCaption("Developing: " + p.name);
      stopped = f.developStopRequested();
      return !stopped;
    }
  } writer(*this);

  developReinforcements(m, reinforcementSettings(*this), units, font, writer);
  Command3_Click();
  if (!writer.stopped) Command22_Click();
  endDevelopRun();
}

// "V": repaints, lays the seams out, brings the first box over its limit
// down to it (which runs the preview again, nested) or else draws the patches.
void Form1::Command22_Click() {
  if (LoadingFlag == 1) return;
  Picture1->refresh();
  LayoutCrosscutSeams();
  double values[9];
  for (int i = 0; i < 9; ++i) values[i] = number(Text[kLimitedBoxes[i]]);
  const int over = firstOverLimit(values);
  if (over >= 0) {
    const int box = kLimitedBoxes[over];
    Text[box]->setText(isQuantityBox(box) ? "10" : "20");
    return;
  }
  previewPatches(*Picture1, m, reinforcementSettings(*this));
}

// Text37 .. Text42: the box holds a whole number; then the preview. A
// rewrite runs this again, nested, so the preview runs twice.
void Form1::percentBox_Change(int box) {
  if (const auto form = percentNormalForm(Text[box]->text())) Text[box]->setText(*form);
  Command22_Click();
}

// Text43 .. Text45: the quantity goes to its bar (which refuses anything
// outside 0..10 and then leaves the box as typed); then the preview.
void Form1::quantityBox_Change(int box) {
  const Num v = quantityBarValue(Text[box]->text());
  if (v.good()) HScroll[box - 41]->setValue(static_cast<int>(v.v));
  Command22_Click();
}

// The bars' patch quantities into Text43 .. Text45.
void Form1::HScroll2_Change() { Text[43]->setText(std::to_string(HScroll[2]->value())); }
void Form1::HScroll3_Change() { Text[44]->setText(std::to_string(HScroll[3]->value())); }
void Form1::HScroll4_Change() { Text[45]->setText(std::to_string(HScroll[4]->value())); }

// The radial patches' ellipticity and the patch styles: preview again.
void Form1::HScroll5_Change() { Command22_Click(); }
void Form1::Option8_Click() { Command22_Click(); }
void Form1::Option9_Click() { Command22_Click(); }
void Form1::Option10_Click() { Command22_Click(); }

}  // namespace kes
