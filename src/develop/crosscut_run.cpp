#include "develop/crosscut_run.h"

#include <algorithm>
#include <cmath>

#include "common/numbers.h"
#include "develop/report.h"

namespace kes {

EdgeAllowances PanelAllowances(const CrosscutSettings& s, int i, int n) {
  const double seam = parseLenient(s.seamWidth);
  EdgeAllowances a{parseLenient(s.headTabling), parseLenient(s.leechTabling),
                   parseLenient(s.footTabling), parseLenient(s.luffTabling)};
  if (i == n) {
    if (n != 1) a.lower = 0;  // a single panel keeps the foot tabling on the sail's foot
  } else if (i == 1) {
    a.upper = seam;
  } else {
    a.upper = seam;
    a.lower = 0;
  }
  return a;
}

namespace {

// A stored seam end as the layout uses it for a point: within 1..100,
// rounded half to even.
double layoutEnd(double end) {
  if (!(end >= 1.0)) return 1.0;
  if (end > 100.0) return 100.0;
  return roundHalfEven(end);
}

}  // namespace

CutFault PanelSeamsFault(const PanelLayout& L, int i, int n) {
  const Index upper = checkIndex(i, 2, std::min(n, PanelLayout::kMaxPanels));
  if (!upper.ok) return CutFault::None;  // the bottom panel (or the only one): the foot bounds it
  const int j = upper.i;
  const bool head = j == n;  // the head runs straight from luff point 100 to leech point 1
  const double lowLuff = layoutEnd(L.SeamLuffEnd[j - 1]), upLuff = head ? 100.0 : layoutEnd(L.SeamLuffEnd[j]);
  const double lowLeech = layoutEnd(L.SeamLeechEnd[j - 1]), upLeech = head ? 1.0 : layoutEnd(L.SeamLeechEnd[j]);
  if (upLuff < lowLuff || upLeech > lowLeech) return CutFault::SeamsCross;
  if (upLuff == lowLuff && upLeech == lowLeech) return CutFault::NoCloth;
  return CutFault::None;
}

void CrosscutRun::start(const CrosscutSettings& settings, const StrokeFont* font) {
  s_ = settings;
  if (s_.PanelCount < 0) s_.PanelCount = 0;
  if (s_.PanelCount > PanelLayout::kMaxPanels) s_.PanelCount = PanelLayout::kMaxPanels;
  font_ = font;
  widths_ = WidthState{};
  totalArea_ = totalSeaming_ = 0;
  markMode_ = 1;
  i_ = 0;
  next_ = CrosscutStep::Panel;
  advance();
}

// From the step just done (or the start) to the next one that has work.
void CrosscutRun::advance() {
  if (next_ == CrosscutStep::Panel) {
    if (++i_ <= s_.PanelCount) return;
    next_ = CrosscutStep::ShelfFoot;
    if (s_.shelfFoot) return;
  }
  if (next_ == CrosscutStep::ShelfFoot) {
    next_ = CrosscutStep::TwistFoot;
    // The twist foot flattens seam line 1, which a layout of no panel never built.
    if (s_.twistFoot && s_.PanelCount > 0) return;
  }
  next_ = CrosscutStep::Done;
}

void CrosscutRun::develop(const SailModel& m, PanelLayout& layout, Surface* preview) {
  if (next_ == CrosscutStep::Done) return;
  PanelInput in;
  in.units = s_.units;
  in.font = font_;
  in.marks = &s_.marks;
  in.sail = {&m.LeechCurve, &m.FootCurve, m.ClewX, m.ClewY, m.FootLength};
  Curve* lines = layout.SeamLines;
  int i = i_;
  developed_ = false;
  if (next_ == CrosscutStep::Panel) {
    in.allowances = PanelAllowances(s_, i, s_.PanelCount);
    file_.name = "pnl" + std::to_string(i) + ".UC";
    file_.index = i;
    // Seams across each other or on each other are refused before anything
    // of the panel is drawn or written. The foot passes need no such look:
    // the shelf foot is built from the foot alone, and the twist foot lies
    // under panel 1, whose lower edge is the foot.
    file_.fault = PanelSeamsFault(layout, i, s_.PanelCount);
    if (file_.fault != CutFault::None) {
      file_.temp.clear();
      file_.turned.clear();
      file_.caption.clear();
      return;
    }
  } else {
    i = 1;
    markMode_ = 0;
    const double seam = parseLenient(s_.seamWidth);
    in.allowances = {seam, seam, seam, seam};
    if (next_ == CrosscutStep::ShelfFoot) {
      // A lens: seam line 1 is the foot section mirrored sideways, a little apart.
      const double apart = static_cast<double>(s_.units.MarkSize) / 10;
      for (int j = 1; j <= 100; ++j) {
        lines[1](1, j) = lines[0](1, j);
        lines[1](2, j) = lines[0](2, j);
        lines[1](3, j) = -lines[0](3, j) - apart;
      }
      file_.name = "lensfoot.uc";
    } else {
      // The plain foot without camber, tack first, under the layout's bottom panel.
      for (int j = 1; j <= 100; ++j)
        for (int k = 1; k <= 3; ++k) lines[0](k, j) = m.FootCurve(k, 101 - j);
      file_.name = "twstfoot.uc";
    }
  }
  std::string label = next_ == CrosscutStep::Panel ? "PNL" + std::to_string(i)
                      : next_ == CrosscutStep::ShelfFoot ? "foot"
                                                         : "twstft";
  in.letterText = label;
  in.fileName = file_.name;
  in.lower = &lines[i - 1];
  in.upper = &lines[i];
  in.leechEndLower = layout.SeamLeechEnd[i - 1];
  in.leechEndUpper = layout.SeamLeechEnd[i];
  file_.index = i;
  anchor_ = {lines[i - 1](1, 1), lines[i - 1](2, 1)};
  widths_.startFile();
  if (preview != nullptr) HighlightSeamLine(*preview, lines[i]);
  DevelopPanel(in, markMode_, panel_, preview);
  developed_ = true;
  const EdgeAllowances& a = in.allowances;
  const double largest = std::max({std::fabs(a.upper), std::fabs(a.leech), std::fabs(a.lower), std::fabs(a.luff)});
  file_.fault = CheckCut(panel_.plot, panel_.sewing, largest);
  if (file_.fault != CutFault::None && file_.fault != CutFault::Unwritable) {
    // The leech turned into the flat frame can miss its corners (a rung
    // much bent out of the sail's plane, a flat rung longer than its plan
    // chord), and a panel laid flat in a crescent defeats the knife's
    // one-axis run: such a panel is cut again with care.
    in.carefulCut = true;
    DevelopPanel(in, markMode_, panel_, nullptr);
    file_.fault = CheckCut(panel_.plot, panel_.sewing, largest);
  }
}

void CrosscutRun::finish(Surface* preview) {
  if (!developed_) return;  // refused before it was laid flat: nothing to finish
  CopyPass(panel_.plot.text(), s_.units.PlotScaleX, s_.units.PlotScaleY, anchor_, preview, file_.temp);
  const WidthState before = widths_;
  const bool whole = TurnPass(file_.temp, FileAngle(panel_.strip), s_.units.PlotScaleX,
                              s_.units.PlotScaleY, file_.index, widths_, file_.turned);
  if (!whole && file_.fault == CutFault::None) file_.fault = CutFault::Unwritable;
  if (file_.fault != CutFault::None) {
    // A refused file is measured (its caption says how wide it came out)
    // but never becomes the run's widest panel.
    widths_.WidestWidth = before.WidestWidth;
    widths_.WidestIndex = before.WidestIndex;
  }
  file_.caption = ProgressCaption(file_.index, widths_);
}

std::string CrosscutRun::accept() {
  if (file_.fault != CutFault::None) {
    // A refused file counts for nothing: no report line, no sums.
    advance();
    return {};
  }
  totalArea_ += panel_.area;
  totalSeaming_ += panel_.seaming;
  std::string line = ReportPanelLine(file_.name, widths_.width(), panel_.area, panel_.seaming, s_.units.UnitWord);
  advance();
  return line;
}

std::string CrosscutRun::heads() const { return ReportPanelHeads(); }

std::string CrosscutRun::battenTable() const {
  const std::string_view lengths[5] = {s_.batLngth[0], s_.batLngth[1], s_.batLngth[2], s_.batLngth[3],
                                       s_.batLngth[4]};
  return ReportBattenTable(lengths);
}

std::string CrosscutRun::widestCaption() const {
  std::string c = "Widest Panel";
  if (widths_.WidestIndex >= 0) c += ' ';
  c += std::to_string(widths_.WidestIndex);
  c += " is ";
  c += format0_00(widths_.WidestWidth);
  c += s_.units.UnitWord;
  return c;
}

std::string CrosscutRun::totals() const {
  return ReportTotals(widths_.WidestIndex, widths_.WidestWidth, totalArea_, totalSeaming_, s_.units.UnitWord);
}

}  // namespace kes
