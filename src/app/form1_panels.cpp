// The Panels frame: the panel layout drawn over the plan view, the count
// boxes, "Radials", "Unlock" and "Stagger", the tilted check view "Chk", and
// the mouse on the plan view (seam, radial and divider ends dragged with the
// left button in this frame; the zoom box with the right button everywhere).

#include <cmath>
#include <cstring>

#include "app/form1.h"
#include "common/numbers.h"
#include "layout/check_view.h"
#include "layout/crosscut.h"
#include "layout/radial.h"
#include "view/pick_drag.h"

namespace kes {

namespace {

// The two steps every count box takes before its handler goes on: a negative
// count turns positive, then a count above 33 becomes "33". Each rewrite runs
// the box's handler again at once; this run then goes on with the rewritten
// box.
void clampCountBox(TextBox* box) {
  const double v = parseLenient(box->text());
  if (v < 0) box->setText(plainNumber(std::fabs(v)));
  if (parseLenient(box->text()) > PanelLayout::kMaxPanels) box->setText("33");
}

// The mouse position as the handles take it: single precision, like the
// picture's user units, so that a handle exactly the tolerance away from the
// pointer is held.
double singleCoord(double v) { return static_cast<float>(v); }

}  // namespace

// ---- The layout ----------------------------------------------------------------

void Form1::LayoutCrosscutSeams() {
  if (LoadingFlag == 1) return;
  PanelLayout& L = layout;
  L.PanelCount = layoutCount(Text[15]->text());
  L.SeamWidth = parseLenient(Text[16]->text());
  L.LuffTabling = parseLenient(Text[17]->text());
  L.LeechTabling = parseLenient(Text[18]->text());
  L.FootTabling = parseLenient(Text[19]->text());
  L.HeadTabling = parseLenient(Text[20]->text());
  // Whatever lays the seams out first (the Reinforcements frame's preview,
  // "Radials", the colour scheme, a panel file without ends) gives them the
  // default ends that the count box's change gives them, as the Panels
  // frame does on its first visit.
  if (!SeamsLaidOut(L)) defaultSeamEnds(m, L, L.PanelCount, Check[1]->value() == 0);
  m.HandleSize = layoutHandleSize(Picture1->scaleWidth());
  Picture1->refresh();
  buildSeamLines(m, L);
  drawSeamLines(L, m.HandleSize, *Picture1);
  if (Check[1]->value() == 1) {
    Command[10]->setEnabled(true);
    LayoutRadialPanels();
  } else {
    Command[10]->setEnabled(false);
  }
}

void Form1::LayoutRadialPanels() {
  if (LoadingFlag == 1) return;
  // At most six bands. The rewrite runs Text15_Change, and with it a whole
  // layout, before this run goes on with the new count.
  if (layoutCount(Text[15]->text()) > 6) Text[15]->setText("6");
  RadialInputs in;
  for (int k = 0; k <= 6; ++k) in.counts[k] = layoutCount(Text[21 + k]->text());
  in.unlock = Check[2]->value();
  in.stagger = Check[3]->value();
  in.handleSize = m.HandleSize;
  layoutRadial(layout, in, *Picture1);
}

// ---- Count boxes and options ---------------------------------------------------

void Form1::Text15_Change() {
  clampCountBox(Text[15]);
  const int n = layoutCount(Text[15]->text());
  layout.PanelCount = n;
  defaultSeamEnds(m, layout, n, Check[1]->value() == 0);
  LayoutCrosscutSeams();
}

// The fans' counts are read by every radial layout run; a new count brings
// back the default ends of both fans.
void Form1::Text21_Change() {
  clampCountBox(Text[21]);
  Check[2]->setValue(0);
  LayoutCrosscutSeams();
}

void Form1::Text22_Change() {
  clampCountBox(Text[22]);
  Check[2]->setValue(0);
  LayoutCrosscutSeams();
}

// A band's new count gives it even ends at once, "Unlock" or not.
void Form1::bandCount_Change(int band) {
  if (band < 2 || band > 6) return;
  TextBox* box = Text[21 + band];
  clampCountBox(box);
  const int n = layoutCount(box->text());
  layout.RadialCount[band] = n;
  bandEvenEnds(layout, band, n);
  LayoutCrosscutSeams();
}

// "Radials": ticked, the seams go back to even ends as band boundaries.
void Form1::Check1_Click() {
  if (Check[1]->value() == 1) Text15_Change();
  Check[2]->setValue(0);
  LayoutCrosscutSeams();
}

// "Unlock": ticked, the radial layout keeps the stored radial ends.
void Form1::Check2_Click() { LayoutCrosscutSeams(); }

// "Stagger": the fans' lower ends along the foot.
void Form1::Check3_Click() {
  staggerFanEnds(layout, Check[3]->value() == 1);
  LayoutCrosscutSeams();
}

// ---- "Chk" ------------------------------------------------------------------------

void Form1::Command11_MouseDown(int /*button*/) {
  tiltCheckView(m, layout);
  drawCheckView(m, layout, *Picture1);
}

void Form1::Command11_MouseUp(int /*button*/) {
  Command3_Click();
  LayoutCrosscutSeams();
}

// ---- The mouse on the plan view ---------------------------------------------------

void Form1::Picture1_MouseDown(int button, int /*shift*/, double x, double y) {
  switch (mouseBranch(Option[3]->value(), button)) {
    case MouseBranch::Handle:
      pickHandle(layout, singleCoord(x), singleCoord(y), m.HandleSize, Check[2]->value(), *Picture1);
      break;
    case MouseBranch::Zoom:
      zoomPress(zoom, x, y);
      break;
    case MouseBranch::None:
      break;
  }
}

void Form1::Picture1_MouseMove(int button, int /*shift*/, double x, double y) {
  switch (mouseBranch(Option[3]->value(), button)) {
    case MouseBranch::Handle:
      dragHandle(layout, m, singleCoord(x), singleCoord(y), m.HandleSize, *Picture1);
      break;
    case MouseBranch::Zoom:
      zoomMove(zoom, *Picture1, y);
      break;
    case MouseBranch::None:
      break;
  }
}

void Form1::Picture1_MouseUp(int button, int /*shift*/, double /*x*/, double /*y*/) {
  switch (mouseBranch(Option[3]->value(), button)) {
    case MouseBranch::Handle:
      if (holdsDivider(layout)) {
        // The fans are laid out anew about the moved divider with "Unlock"
        // clear, then locked again; the bands keep the ends they had.
        int upper[PanelLayout::kSections][PanelLayout::kRadialSeams];
        int lower[PanelLayout::kSections][PanelLayout::kRadialSeams];
        std::memcpy(upper, layout.RadialUpperEnd, sizeof upper);
        std::memcpy(lower, layout.RadialLowerEnd, sizeof lower);
        Check[2]->setValue(0);
        LayoutCrosscutSeams();
        const std::size_t fans = 2 * sizeof upper[0];  // sections 0 and 1 stay as laid out
        std::memcpy(&layout.RadialUpperEnd[2][0], &upper[2][0], sizeof upper - fans);
        std::memcpy(&layout.RadialLowerEnd[2][0], &lower[2][0], sizeof lower - fans);
        Check[2]->setValue(1);
      } else {
        LayoutCrosscutSeams();
      }
      return;
    case MouseBranch::Zoom:
      switch (zoomRelease(zoom, *Picture1)) {
        case ZoomOutcome::FullViewByRecompute:
          Command[6]->hide();
          Command3_Click();
          break;
        case ZoomOutcome::Zoomed:
          Picture1->refresh();
          Command[6]->show();
          break;
        case ZoomOutcome::Refused:
          Picture1->refresh();
          break;
      }
      runOverlays();
      return;
    case MouseBranch::None:
      return;
  }
}

}  // namespace kes
