#include "develop/panel_count.h"

#include "common/checked.h"
#include "common/numbers.h"

namespace kes {

std::optional<std::string> PanelCountForWidth(std::string_view answer, double seamWidth,
                                              double footTabling, double footRound,
                                              double luffLength, double leechChord) {
  const Num w = parseStrict(answer);
  if (!w.good()) return std::nullopt;
  const double round = footRound < 0 ? 0 : footRound;
  const double height = leechChord > luffLength ? leechChord : luffLength;
  const Num divisor = w - Num(seamWidth) - Num(round) - Num(footTabling);
  if (!divisor.good() || divisor.v <= 0) return std::nullopt;
  const Num n = toInt16(Num(height) / divisor + Num(0.5));
  if (!n.good()) return std::nullopt;
  return signedNumber(n.v);
}

}  // namespace kes
