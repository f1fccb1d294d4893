// The view controls over the plan view: rotation bars and buttons, the full
// view, the section strip's size and the view check boxes.

#include "app/form1.h"

#include "view/plan_view.h"
#include "view/rotation.h"
#include "view/section_view.h"

namespace kes {

// ============================================================================
// Views
// ============================================================================

void Form1::turnedView() {
  Label40->setCaption(viewAnglesCaption(m));
  Picture1->refresh();
}

void Form1::HScroll1_Change() {
  scrollViewY(m, ViewStep, HScroll[1]->value());
  turnedView();
}

void Form1::HScroll1_Scroll() { HScroll1_Change(); }

void Form1::VScroll5_Change() {
  scrollViewX(m, ViewStep, VScroll[5]->value());
  turnedView();
}

void Form1::VScroll5_Scroll() { VScroll5_Change(); }

void Form1::Command1_MouseDown(int button) {
  pressViewZ(m, ViewStep, button);
  turnedView();
}

void Form1::Command2_Click() {
  recallView(m, ViewStep, HScroll[1]->value(), VScroll[5]->value());
  turnedView();
}

void Form1::runOverlays() {
  if (Option[3]->value()) LayoutCrosscutSeams();
  if (Option[7]->value()) Command22_Click();
}

void Form1::Command6_Click() {
  applyFullView(m, *Picture1);
  Picture1->refresh();
  Command[6]->hide();
  runOverlays();
}

void Form1::Command7_Click() {
  const MoldViewGeometry g = toggleMoldView(MoldViewLarge, outerWidthTwips(), outerHeightTwips());
  setTwipRect(Picture2, g.left, g.top, g.width, g.height);
  MoldViewLarge = g.moldViewLarge;
  Picture1->refresh();  // the strip's new image is drawn by the plan view's paint
}

void Form1::Check4_Click() { Picture1->refresh(); }
void Form1::Check5_Click() { Picture1->refresh(); }

}  // namespace kes
