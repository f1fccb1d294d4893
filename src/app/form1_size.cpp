// The Size and Battens frames' commands: the leech diagonal and batten
// hollow boxes, the standard and full-length batten set-ups.

#include "app/form1.h"

#include <optional>

#include "common/numbers.h"
#include "model/battens.h"
#include "platform/dialogs.h"

namespace kes {

// ============================================================================
// Size frame: leech diagonal and batten hollow
// ============================================================================

void Form1::Command5_Click() {
  // Cancel in either box leaves the diagonal as it is; OK with no clew height
  // asks for the tack angle, and OK with no tack angle means 0 degrees.
  const std::optional<std::string> clewHeight = inputBox(this, kClewHeightPrompt, kClewHeightTitle);
  if (!clewHeight) return;
  std::optional<std::string> tackAngle = std::string();
  if (clewHeight->empty()) {
    tackAngle = inputBox(this, kTackAnglePrompt, kTackAngleTitle, kTackAngleDefault);
    if (!tackAngle) return;
  }
  const std::optional<std::string> diagonal = leechDiagonal(
      m, Text[1]->text(), Text[2]->text(), Text[4]->text(), *clewHeight, *tackAngle);
  if (diagonal) Text[3]->setText(*diagonal);
}

void Form1::dummy37_Click() {
  const std::optional<std::string> answer =
      inputBox(this, kBattenHollowPrompt, kBattenHollowTitle, battenHollowDefault(BattenHollow));
  if (!answer) return;  // Cancel keeps the hollow and the drawing
  BattenHollow = battenHollowFromAnswer(*answer, BattenHollow);
  Command3_Click();
  if (Option[3]->value()) LayoutCrosscutSeams();
  if (Option[7]->value()) Command22_Click();
}

// ============================================================================
// Battens
// ============================================================================

namespace {
// The batten boxes of the Battens frame as the batten calculators see them.
class FrameBattenBoxes : public BattenBoxes {
 public:
  FrameBattenBoxes(TextBox* const* pos, TextBox* const* lngth, TextBox* const* angl)
      : pos_(pos), lngth_(lngth), angl_(angl) {}
  std::string text(BattenBox box, int row) const override {
    const TextBox* b = find(box, row);
    return b ? b->text() : std::string();
  }
  void setText(BattenBox box, int row, const std::string& text) override {
    if (TextBox* b = find(box, row)) b->setText(text);
  }

 private:
  TextBox* find(BattenBox box, int row) const {
    if (row < 0 || row > 4) return nullptr;
    switch (box) {
      case BattenBox::Position: return pos_[row];
      case BattenBox::Length: return lngth_[row];
      case BattenBox::Angle: return angl_[row];
    }
    return nullptr;
  }
  TextBox* const* pos_;
  TextBox* const* lngth_;
  TextBox* const* angl_;
};
}  // namespace

void Form1::standardBattenSetUp(int kind) {
  FrameBattenBoxes boxes(BatPos, BatLngth, BatAngl);
  const StandardSetUp setUp =
      kind == 3 ? StandardSetUp::Std3 : kind == 4 ? StandardSetUp::Std4 : StandardSetUp::Std5;
  standardBattens(setUp, Text[4]->text(), m, boxes);
  Command3_Click();
}

void Form1::Command15_Click() { standardBattenSetUp(3); }
void Form1::Command4_Click() { standardBattenSetUp(4); }
void Form1::Command18_Click() { standardBattenSetUp(5); }

void Form1::Command19_Click() {
  FrameBattenBoxes boxes(BatPos, BatLngth, BatAngl);
  noBattens(boxes);
}

void Form1::fullLengthRow(int row) {
  FrameBattenBoxes boxes(BatPos, BatLngth, BatAngl);
  fullLengthBatten(row, Text[4]->text(), m, boxes);
}

void Form1::Command24_Click() { fullLengthRow(0); }
void Form1::Command23_Click() { fullLengthRow(1); }
void Form1::Command20_Click() { fullLengthRow(2); }
void Form1::Command17_Click() { fullLengthRow(3); }
void Form1::Command16_Click() { fullLengthRow(4); }

// ============================================================================
// Camber stations and the mold scroll bars
// ============================================================================

}  // namespace kes
