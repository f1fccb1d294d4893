// The Mold frame: the station buttons, the four bars and the mold boxes.

#include "app/form1.h"

#include "common/numbers.h"

namespace kes {

namespace {

// A box number set into a scroll bar: ten times the box (or the box itself),
// rounded half to even; a value outside a 16-bit whole number fails.
Num barValue(const std::string& text, double factor) {
  return toInt16(Num(parseLenient(text)) * factor);
}

}  // namespace

void Form1::setMoldBarsFromRow(int row) {
  if (row < 0 || row > 5) return;
  TextBox* boxes[4] = {ent[row], dep[row], pos[row], ex[row]};
  for (int k = 0; k < 4; ++k) {
    const Num v = barValue(boxes[k]->text(), 10.0);
    if (v.good()) VScroll[k + 1]->setValue(static_cast<int>(v.v));  // refused outside the range
  }
}

void Form1::Option5_Click(int row) {
  CurrentSection = row;
  setMoldBarsFromRow(row);
  Picture1->refresh();
}

void Form1::moldBarToBox(int column) {
  if (CurrentSection < 0 || CurrentSection > 5) return;
  TextBox* const* arrays[4] = {ent, dep, pos, ex};
  arrays[column][CurrentSection]->setText(plainNumber(VScroll[column + 1]->value() / 10.0));
}

void Form1::VScroll1_Change() { moldBarToBox(0); }
void Form1::VScroll2_Change() { moldBarToBox(1); }
void Form1::VScroll3_Change() { moldBarToBox(2); }
void Form1::VScroll4_Change() { moldBarToBox(3); }

void Form1::moldBox_Change(int row) {
  CurrentSection = row;
  Command3_Click();
}

void Form1::moldBox_GotFocus(int row) {
  CurrentSection = row;
  Option5[row]->setValue(true);
}

}  // namespace kes
