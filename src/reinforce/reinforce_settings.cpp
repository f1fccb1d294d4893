#include "reinforce/reinforce_settings.h"

#include "common/numbers.h"

namespace kes {

PatchStyle developStyle(const PatchStyleButtons& b) {
  if (b.radials) return PatchStyle::Radials;
  if (b.square) return PatchStyle::Square;
  return PatchStyle::Triangle;
}

PatchStyle previewStyle(const PatchStyleButtons& b) {
  if (b.radials) return PatchStyle::Radials;
  if (b.triangle) return PatchStyle::Triangle;
  if (b.square) return PatchStyle::Square;
  return PatchStyle::None;
}

std::optional<std::string> percentNormalForm(std::string_view text) {
  const Num n = toInt16(Num(parseLenient(text)));
  if (!n.good()) return std::nullopt;
  return std::to_string(static_cast<int>(n.v));  // a rounded -0.4 is written "0"
}

Num quantityBarValue(std::string_view text) { return toInt16(Num(parseLenient(text))); }

int firstOverLimit(const double values[9]) {
  for (int i = 0; i < 9; ++i) {
    const double limit = isQuantityBox(kLimitedBoxes[i]) ? kQuantityLimit : kPercentLimit;
    if (values[i] > limit) return i;
  }
  return -1;
}

}  // namespace kes
