// The Files frame: saving and loading a design as its sail, mold and panel
// files, the sail list's pick, the name lists, "Now", and the plotter's scale.

#include <QDateTime>
#include <filesystem>
#include <optional>

#include "app/form1.h"
#include "common/numbers.h"
#include "design/design_lines.h"
#include "design/design_names.h"
#include "design/panel_file.h"
#include "design/plot_scale.h"
#include "design/sail_file.h"
#include "platform/atomic_file.h"
#include "platform/dialogs.h"
#include "platform/system.h"

namespace kes {

namespace {

// More than any design or plotter data file holds; a larger file is read this far.
constexpr std::size_t kMaxFileBytes = 4u << 20;

// The control of each fixed panel-file line (index 0 unused), by the line's
// kind: Text n, Check n, HScroll n, Option n; for the two menu lines 0 is
// "&Produce Shelf Foot" and 1 "P&roduce Twist Foot".
constexpr int kPanelControl[kPanelFixedLines + 1] = {
    0,  20, 19, 18, 17, 16, 15, 21, 22, 23, 24, 25, 26, 27, 32, 1, 3, 2,  33, 34, 6, 35,
    36, 7,  37, 38, 43, 2,  39, 40, 44, 3,  41, 42, 45, 4,  8,  9, 10, 5, 0,  1,  0};

Clock clockNow() {
  const QDateTime t = QDateTime::currentDateTime();
  return {t.date().year(), t.date().month(), t.date().day(),
          t.time().hour(), t.time().minute(), t.time().second()};
}

// A box's text as the file's bytes, and back.
std::string fileText(const TextBox* b) { return utf8ToLatin1(b->text()); }
void setFromFile(TextBox* b, const std::string& latin1) { b->setText(latin1ToUtf8(latin1)); }

// The load's error procedure: the caption says so, "Radials" is unticked,
// "Unlock" ticked (each runs its click handler when it changes), and the
// load goes on.
void loadError(Form1& f) {
  f.setWindowTitle(QStringLiteral("Errors...wait"));
  f.Check[1]->setValue(0);
  f.Check[2]->setValue(1);
}

// The bytes of the design file a name box names, or nothing when there is no
// such file. A file that exists but cannot be read counts as missing, after
// the error procedure ran once: every control keeps its value.
std::optional<std::string> designFileBytes(Form1& f, const std::string& name) {
  const std::string file = findNamedFile(name);
  if (file.empty()) return std::nullopt;
  std::optional<std::string> bytes = readFileBytes(file, kMaxFileBytes);
  if (!bytes) loadError(f);
  return bytes;
}

// Fills a name box's list with the matching files of the current folder and
// one empty entry; the box's text becomes `text` after the first entry.
void fillList(ComboBox* box, const char* pattern, const std::string& text) {
  const std::vector<std::string> names = listFiles(pattern);
  box->clearList();
  box->addItem(names.empty() ? std::string() : names.front());
  box->setText(text);
  for (std::size_t i = 1; i < names.size(); ++i) box->addItem(names[i]);
  if (!names.empty()) box->addItem("");
}

}  // namespace

// ---- Files frame ---------------------------------------------------------------

void Form1::Command14_Click() { Text[28]->setText(dateText(clockNow())); }

void Form1::Combo1_Change() {
  Text[30]->setText("");
  Text[31]->setText("");
}

void Form1::listDesignFiles(bool firstVisit) {
  const struct {
    ComboBox* box;
    const char* pattern;
    const char* lastUsed;
  } lists[] = {{Combo1, "*.sal", "lastsail.sal"},
               {Combo2, "*.mld", "lastsail.mld"},
               {Combo3, "*.pnl", "lastsail.pnl"}};
  for (const auto& l : lists) fillList(l.box, l.pattern, firstVisit ? l.lastUsed : l.box->text());
}

void Form1::Combo1_Click() {
  const std::string file = findNamedFile(Combo1->text());
  if (file.empty()) return;
  const std::optional<std::string> bytes = readFileBytes(file, kMaxFileBytes);
  if (!bytes) return;  // unreadable: as if there were no such file
  const SailRead r = readSailFile(*bytes);
  const SailFile& s = r.sail;
  if (!r.failed[1]) setFromFile(Text[28], s.date);
  if (!r.failed[2]) setFromFile(Text[29], s.comments);
  if (!r.failed[19]) {
    setFromFile(Text[30], s.moldName);
    Combo2->setText(latin1ToUtf8(s.moldName));
  }
  if (!r.failed[20]) {
    setFromFile(Text[31], s.panelName);
    Combo3->setText(latin1ToUtf8(s.panelName));
  }
  Command12_Click();
}

// ---- Save ------------------------------------------------------------------------

void Form1::Command13_Click() {
  ++designSaves;
  const struct {
    ComboBox* box;
    const char* extension;
  } names[] = {{Combo1, ".sal"}, {Combo2, ".mld"}, {Combo3, ".pnl"}};
  for (const auto& n : names) {
    for (const std::string& step : designNameSteps(n.box->text(), n.extension)) n.box->setText(step);
    // A file whose name differs only in case is the same design: it is
    // written over under its own name, which the box then shows.
    n.box->setText(fileNameOnDisk(n.box->text()));
  }
  // The sail file records the mold and panel names in Latin-1: a name it
  // cannot hold would lead a later pick to no file. Such names are refused
  // before anything is written.
  for (const auto& n : names) {
    if (fitsLatin1(n.box->text())) continue;
    msgBox(this,
           "The design was not saved: the name " + n.box->text() +
               " holds a character a design file cannot record.\n\nUse letters, digits and signs of "
               "Western European languages only.",
           "Kestrova", MsgButtons::Ok, MsgIcon::Warning);
    return;
  }

  SailFile sail;
  sail.date = fileText(Text[28]);
  sail.comments = fileText(Text[29]);
  sail.inches = Inches->checked();
  sail.millimeters = Millimeters->checked();
  sail.feet = Feet->checked();
  for (int i = 0; i < 13; ++i) sail.size[i] = boxNumber(Text[kSailSizeBoxes[i]]->text());
  sail.moldName = utf8ToLatin1(Combo2->text());
  sail.panelName = utf8ToLatin1(Combo3->text());
  for (int b = 0; b < 5; ++b) {
    sail.batLngth[b] = fileText(BatLngth[b]);
    sail.batAngl[b] = fileText(BatAngl[b]);
    sail.batPos[b] = fileText(BatPos[b]);
  }
  for (int r = 0; r < 2; ++r) {
    sail.numReef[r] = fileText(NumReef[r]);
    sail.reefPos[r] = fileText(ReefPos[r]);
  }
  sail.black = color->checked();

  MoldFile mold;
  mold.twist = boxNumber(Text[14]->text());
  for (int s = 0; s < 6; ++s) {
    mold.ent[s] = boxNumber(ent[s]->text());
    mold.dep[s] = boxNumber(dep[s]->text());
    mold.pos[s] = boxNumber(pos[s]->text());
    mold.ex[s] = boxNumber(ex[s]->text());
  }

  PanelFile panel;
  for (int n = 1; n <= kPanelFixedLines; ++n) {
    const int c = kPanelControl[n];
    double& v = panel.line[n];
    switch (kPanelLineKinds[n]) {
      case PanelLine::Number: v = boxNumber(Text[c]->text()); break;
      case PanelLine::Check: v = Check[c]->value(); break;
      case PanelLine::Bar: v = HScroll[c]->value(); break;
      case PanelLine::Option: v = Option[c]->value() ? -1 : 0; break;
      case PanelLine::Menu: v = (c == 0 ? ShelfFoot : TwistFoot)->checked() ? -1 : 0; break;
      case PanelLine::Hollow: v = BattenHollow; break;
    }
  }

  // Each file replaces its old one only once it is complete.
  std::string notSaved;
  const struct {
    const ComboBox* box;
    std::string bytes;
  } files[] = {{Combo1, writeSailFile(sail)},
               {Combo2, writeMoldFile(mold)},
               {Combo3, writePanelFile(panel, layout)}};
  for (const auto& f : files) {
    std::string why;
    if (!writeFileAtomically(f.box->text(), f.bytes, &why)) notSaved += f.box->text() + ": " + why + "\n";
  }

  listDesignFiles(false);
  if (!notSaved.empty())
    msgBox(this, "These design files were not saved:\n\n" + notSaved, "Kestrova", MsgButtons::Ok,
           MsgIcon::Warning);
}

// ---- Load ------------------------------------------------------------------------

void Form1::Command12_Click() {
  ++designLoads;
  setBusyPointer(true);
  LoadingFlag = 1;  // the recompute, the layout and the patch preview wait

  const std::string header = reportHeader(clockNow(), utf8ToLatin1(Combo1->text()),
                                          utf8ToLatin1(Combo2->text()), utf8ToLatin1(Combo3->text()));
  if (!writeFileInPlace("results.txt", header)) loadError(*this);

  // Each control is set as its line is read, so its handlers run before the
  // next line; a line that could not be read runs the error procedure.
  if (const std::optional<std::string> bytes = designFileBytes(*this, Combo1->text())) {
    const SailRead r = readSailFile(*bytes);
    const SailFile& s = r.sail;
    const auto done = [&](int line) {
      if (r.failed[line]) loadError(*this);
    };
    setFromFile(Text[28], s.date);
    done(1);
    setFromFile(Text[29], s.comments);
    done(2);
    MenuItem* units[3] = {Inches, Millimeters, Feet};
    const bool marks[3] = {s.inches, s.millimeters, s.feet};
    for (int u = 0; u < 3; ++u) {
      units[u]->setCheckMark(marks[u]);  // one by one: a file may check none or several
      done(3 + u);
    }
    for (int i = 0; i < 13; ++i) {
      Text[kSailSizeBoxes[i]]->setText(plainNumber(s.size[i]));
      done(6 + i);
    }
    setFromFile(Text[30], s.moldName);
    done(19);
    setFromFile(Text[31], s.panelName);
    done(20);
    for (int b = 0; b < 5; ++b) {
      setFromFile(BatLngth[b], s.batLngth[b]);
      done(21 + 3 * b);
      setFromFile(BatAngl[b], s.batAngl[b]);
      done(22 + 3 * b);
      setFromFile(BatPos[b], s.batPos[b]);
      done(23 + 3 * b);
    }
    for (int k = 0; k < 2; ++k) {
      setFromFile(NumReef[k], s.numReef[k]);
      done(36 + 2 * k);
      setFromFile(ReefPos[k], s.reefPos[k]);
      done(37 + 2 * k);
    }
    setColorScheme(s.black);  // the colours and the mark only: no repaint
    done(40);
  }

  if (const std::optional<std::string> bytes = designFileBytes(*this, Combo2->text())) {
    const MoldRead r = readMoldFile(*bytes);
    Text[14]->setText(plainNumber(r.mold.twist));
    if (r.failed[1]) loadError(*this);
    for (int s = 0; s < 6; ++s) {
      const double values[4] = {r.mold.ent[s], r.mold.dep[s], r.mold.pos[s], r.mold.ex[s]};
      TextBox* boxes[4] = {ent[s], dep[s], pos[s], ex[s]};
      for (int k = 0; k < 4; ++k) {
        boxes[k]->setText(plainNumber(values[k]));  // the station becomes CurrentSection
        if (r.failed[2 + 4 * s + k]) loadError(*this);
      }
    }
  }

  if (const std::optional<std::string> bytes = designFileBytes(*this, Combo3->text())) {
    const PanelRead r = readPanelFile(*bytes, layout.RadialCount);
    for (int n = 1; n <= kPanelFixedLines; ++n) {
      const double v = r.fixed.line[n];
      const int c = kPanelControl[n];
      // A line that could not be read is reported before its control takes
      // the emptied value; a value the control refuses, after it refused it.
      if (r.failed[n]) loadError(*this);
      bool refused = false;
      const Num whole = toInt16(v);
      switch (kPanelLineKinds[n]) {
        case PanelLine::Number:
          Text[c]->setText(plainNumber(v));
          if (n == 6) layout.PanelCount = layoutCount(Text[15]->text());
          if (n >= 7 && n <= 13) layout.RadialCount[n - 7] = layoutCount(Text[c]->text());
          break;
        case PanelLine::Check:  // a value the control refuses leaves it as it was
          if (whole.ok) refused = !Check[c]->setValue(static_cast<int>(whole.v));
          break;
        case PanelLine::Bar:
          if (whole.ok) refused = !HScroll[c]->setValue(static_cast<int>(whole.v));
          break;
        case PanelLine::Option: Option[c]->setValue(v != 0); break;
        case PanelLine::Menu: (c == 0 ? ShelfFoot : TwistFoot)->setCheckMark(v != 0); break;
        case PanelLine::Hollow: BattenHollow = v; break;
      }
      if (refused) loadError(*this);
    }
    // The saved ends replace the defaults the count handlers just set.
    storeEnds(r, layout, [this] { loadError(*this); });
  }

  LoadingFlag = 0;
  Command3_Click();
  setBusyPointer(false);
}

// ---- Plot scale ------------------------------------------------------------------

void Form1::ReadPlotScale() {
  // The plotter program keeps vdxp.dat beside its settings file; vd32.dat and
  // varden.dat lie in the current folder. The first that exists is read.
  namespace fs = std::filesystem;
  const std::string vdxpPath =
      (fs::path(settingsFilePath("Vardeneth")).parent_path() / "vdxp.dat").string();
  std::error_code ec;
  std::optional<std::string> files[3];
  const std::string names[3] = {fs::is_regular_file(vdxpPath, ec) ? vdxpPath : std::string(),
                                findNamedFile("vd32.dat"), findNamedFile("varden.dat")};
  for (int i = 0; i < 3; ++i) {
    if (names[i].empty()) continue;
    files[i] = readFileBytes(names[i], kMaxFileBytes).value_or(std::string());  // unreadable: no fields
    break;
  }
  const PlotScale s =
      plotScaleChain(files[0] ? &*files[0] : nullptr, files[1] ? &*files[1] : nullptr,
                     files[2] ? &*files[2] : nullptr, getSetting("Vardeneth", "Settings", "Xscale"),
                     getSetting("Vardeneth", "Settings", "Yscale"));
  PlotScaleX = s.x;
  PlotScaleY = s.y;
}

}  // namespace kes
