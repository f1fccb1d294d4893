// The radial develop of the Panels frame ("Develop" while "Radials" is
// ticked): one plot file per tack-fan, clew-fan and band panel, each
// finished in place turned onto its end edge, previewed and measured.

#include "app/form1.h"
#include "develop/cut_check.h"
#include "develop/lettering.h"
#include "develop/plot_file.h"
#include "platform/system.h"
#include "radial/radial_develop.h"

namespace kes {

// "Develop": the radial panels' plot files.
void Form1::Command10_Click() {
  if (!beginDevelopRun({}, std::array{kTempFile})) return;  // the scratch file is written in place
  // Only the radial plot files of earlier runs go: rad<r>_<n>.uc, any case.
  for (const std::string& name : listFiles("rad*.*"))
    if (IsRadialPlotFileName(name)) deleteFiles(name);
  ReadPlotScale();

  RadialInput in;
  in.units = SetPlotUnits(PlotScaleX, PlotScaleY, Millimeters->checked(), Feet->checked());
  PlotScaleX = in.units.PlotScaleX;
  PlotScaleY = in.units.PlotScaleY;
  RadialBoxTexts t;
  t.Text16 = Text[16]->text();
  t.Text17 = Text[17]->text();
  t.Text18 = Text[18]->text();
  t.Text19 = Text[19]->text();
  t.Text20 = Text[20]->text();
  t.Text32 = Text[32]->text();
  for (int i = 0; i < 5; ++i) {
    t.BatPos[i] = BatPos[i]->text();
    t.BatLngth[i] = BatLngth[i]->text();
    t.BatAngl[i] = BatAngl[i]->text();
  }
  for (int i = 0; i < 2; ++i) {
    t.NumReef[i] = NumReef[i]->text();
    t.ReefPos[i] = ReefPos[i]->text();
  }
  in.boxes = ReadRadialBoxes(t);
  in.layout = &layout;
  in.model = &m;
  const StrokeFont font = LoadStrokeFont(strokeFontFile);
  in.font = &font;

  RadialDevelop run(in);
  RadialFinishState st;
  RadialPanelFile f;
  while (run.next(f)) {
    // A panel the table cannot cut is never written: the run stops on it.
    if (f.fault != CutFault::None) {
      failDevelopCut(f.fileName, CutFaultReason(f.fault));
      return stopDevelopRun();
    }
    // The flat file first; after the event pass its turned copy goes to
    // temp.txt and, unless Esc stopped the run, replaces it in one step.
    if (!writeDevelopFile(f.fileName, f.text)) return stopDevelopRun();
    developEvents();
    const Curve& luffEnd = layout.SeamLines[f.band - 1];
    const RadialFinished done = FinishRadialFile(f.text, f.angle, f.label, PlotScaleX, PlotScaleY,
                                                 st, Picture1, luffEnd(1, 1), luffEnd(2, 1));
    if (!done.whole) {  // a turned point too far out: the flat file goes too
      deleteFiles(f.fileName);
      failDevelopCut(f.fileName, CutFaultReason(CutFault::Unwritable));
      return stopDevelopRun();
    }
    if (!writeDevelopFile(kTempFile, done.text, DevelopWrite::Overwrite)) return stopDevelopRun();
    setCaption(done.caption);
    if (developStopRequested()) return stopDevelopRun();
    if (!writeDevelopFile(f.fileName, done.text)) return stopDevelopRun();
  }
  setCaption(WidestCaption(st, Inches->checked(), Millimeters->checked(), Feet->checked()));
  unsetCursor();  // the window's own pointer back to the default
  Command3_Click();
  LayoutCrosscutSeams();
  endDevelopRun();
}

}  // namespace kes
