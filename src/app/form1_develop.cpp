// The crosscut develop of the Panels frame ("Develop", "?") and the run
// machinery every develop shares: the event gate, the files written in one
// step, the caption, the hourglass, the stop on Esc or on a failed write,
// and the report shown in the desktop's viewer.

#include <QString>
#include <filesystem>
#include <system_error>

#include "app/form1.h"
#include "common/numbers.h"
#include "develop/crosscut_run.h"
#include "develop/cut_check.h"
#include "develop/lettering.h"
#include "develop/panel_count.h"
#include "develop/plot_file.h"
#include "platform/atomic_file.h"
#include "platform/dialogs.h"
#include "platform/documents.h"
#include "platform/system.h"

namespace kes {

namespace {
constexpr const char* kResultsFile = "results.txt";
// What the crosscut develop writes in place: the report and the scratch file.
constexpr const char* kCrosscutInPlaceFiles[] = {kResultsFile, kTempFile};
}  // namespace

// ---- The run machinery -----------------------------------------------------------

void Form1::setCaption(const std::string& text) { setWindowTitle(QString::fromStdString(text)); }

bool Form1::beginDevelopRun(std::span<const char* const> clearPatterns,
                            std::span<const char* const> writtenInPlace) {
  if (developRunning_) return false;
  developRunning_ = true;
  // A report or scratch file the run could not write would stop it after the
  // old plot files were gone: such a run stops before it deletes anything.
  // Opening an existing file to add nothing tells without changing it; a
  // missing one needs only the folder, which the plot files need as well.
  for (const char* name : writtenInPlace) {
    std::error_code ec;
    if (!std::filesystem::exists(name, ec) || appendToFile(name, "")) continue;
    failDevelopWrite(name);
    developRunning_ = false;
    return false;
  }
  closeAfterRun_ = false;
  StopRequest = 0;  // an Esc pressed before the run does not stop it
  for (const char* pattern : clearPatterns)
    if (fileExists(pattern)) deleteFiles(pattern);
  setBusyPointer(true);
  developGate_ = std::make_unique<RunEventGate>(
      this, [this] { StopRequest = 1; },
      [this] {
        StopRequest = 1;
        closeAfterRun_ = true;
      });
  return true;
}

void Form1::developEvents() {
  if (developGate_) developGate_->pump();
}

bool Form1::developStopRequested() {
  if (StopRequest != 1) return false;
  StopRequest = 0;
  setCaption("Interrupted...");
  setBusyPointer(false);
  return true;
}

// A run that cannot go on: the reason in the caption and in a message box.
bool Form1::failDevelopRun(const std::string& text) {
  setCaption(text);
  setBusyPointer(false);
  developGate_.reset();  // the message box needs the mouse and the keys
  msgBox(this, text, "Kestrova", MsgButtons::Ok, MsgIcon::Critical);
  return false;
}

bool Form1::failDevelopWrite(const std::string& name) { return failDevelopRun("Cannot write " + name); }

bool Form1::failDevelopCut(const std::string& name, std::string_view why) {
  return failDevelopRun(CannotCutText(name, why));
}

bool Form1::writeDevelopFile(const std::string& name, std::string_view text, DevelopWrite how) {
  // Plot files are written whole; the rotation pass's scratch files (written
  // over for every panel, where a rename each time would cost) and the report
  // are written in place.
  const bool ok = how == DevelopWrite::Replace     ? writeFileAtomically(name, text)
                  : how == DevelopWrite::Overwrite ? writeFileInPlace(name, text)
                                                   : appendToFile(name, text);
  return ok || failDevelopWrite(name);
}

void Form1::endDevelopRun() {
  developGate_.reset();
  setBusyPointer(false);
  developRunning_ = false;
  if (closeAfterRun_) {
    closeAfterRun_ = false;
    close();
  }
}

void Form1::showDocument(const std::string& name) {
  if (!openDocument(name))
    msgBox(this, "No program was found to show " + name + ".", "Kestrova", MsgButtons::Ok, MsgIcon::Information);
}

// A develop stopped by Esc or a failed write: the model and the layout
// rebuilt (which wipes the previews), the run ended.
void Form1::stopDevelopRun() {
  Command3_Click();
  LayoutCrosscutSeams();
  endDevelopRun();
}

// ---- The crosscut develop ----------------------------------------------------------

// "Develop": one plot file per crosscut panel, the foot panels the Options
// menu asks for, and the report's panel table, batten lengths and totals.
void Form1::Command8_Click() {
  if (!beginDevelopRun(kCrosscutPlotPatterns, kCrosscutInPlaceFiles)) return;
  ReadPlotScale();
  CrosscutSettings s;
  s.units = SetPlotUnits(PlotScaleX, PlotScaleY, Millimeters->checked(), Feet->checked());
  PlotScaleX = s.units.PlotScaleX;
  PlotScaleY = s.units.PlotScaleY;
  s.PanelCount = layout.PanelCount;
  s.seamWidth = Text[16]->text();
  s.luffTabling = Text[17]->text();
  s.leechTabling = Text[18]->text();
  s.footTabling = Text[19]->text();
  s.headTabling = Text[20]->text();
  // The batten and reef boxes' texts, held while the marks read them.
  std::string texts[19];
  std::string_view views[19];
  TextBox* const* rows[5] = {BatPos, BatLngth, BatAngl, NumReef, ReefPos};
  const int sizes[5] = {5, 5, 5, 2, 2};
  for (int r = 0, at = 0; r < 5; ++r)
    for (int k = 0; k < sizes[r]; ++k, ++at) views[at] = texts[at] = rows[r][k]->text();
  s.marks = ReadMarkSetUp(views, views + 5, views + 10, views + 15, views + 17);
  for (int b = 0; b < 5; ++b) s.batLngth[b] = texts[5 + b];
  s.shelfFoot = ShelfFoot->checked();
  s.twistFoot = TwistFoot->checked();
  const StrokeFont font = LoadStrokeFont(strokeFontFile);

  CrosscutRun run;
  run.start(s, &font);
  const auto report = [this](const std::string& lines) {
    return writeDevelopFile(kResultsFile, lines, DevelopWrite::Append);
  };
  if (!report(run.heads())) return stopDevelopRun();
  while (run.next() != CrosscutStep::Done) {
    if (run.next() == CrosscutStep::ShelfFoot) {
      Command3_Click();
    } else if (run.next() == CrosscutStep::TwistFoot) {
      Command3_Click();
      LayoutCrosscutSeams();
    }
    run.develop(m, layout, Picture1);
    developEvents();
    run.finish(Picture1);
    const CrosscutFile& f = run.file();
    if (f.fault != CutFault::None) {
      failDevelopCut(f.name, CutFaultReason(f.fault));
      return stopDevelopRun();
    }
    // temp.txt keeps the unturned copy; the plot file takes its finished text in one step.
    if (!writeDevelopFile(kTempFile, f.temp, DevelopWrite::Overwrite) || !writeDevelopFile(f.name, f.turned)) return stopDevelopRun();
    setCaption(f.caption);
    if (developStopRequested()) return stopDevelopRun();
    if (!report(run.accept())) return stopDevelopRun();
  }
  if (!report(run.battenTable())) return stopDevelopRun();
  setCaption(run.widestCaption());
  if (!report(run.totals())) return stopDevelopRun();
  setBusyPointer(false);
  beep();
  Command3_Click();
  LayoutCrosscutSeams();
  if (dummy33->checked()) showDocument(kResultsFile);
  endDevelopRun();
}

// "?": the panel count for a maximum panel width.
void Form1::Command9_Click() {
  if (developRunning_) return;
  const std::optional<std::string> answer =
      inputBox(this, kPanelWidthPrompt, kPanelWidthTitle, kPanelWidthDefault);
  layout.SeamWidth = parseLenient(Text[16]->text());
  layout.FootTabling = parseLenient(Text[19]->text());
  layout.HeadTabling = parseLenient(Text[20]->text());
  const std::optional<std::string> count =
      PanelCountForWidth(answer.value_or(""), layout.SeamWidth, layout.FootTabling,
                         parseLenient(Text[10]->text()), m.LuffLength, m.LeechChord);
  if (count) Text[15]->setText(*count);
}

}  // namespace kes
