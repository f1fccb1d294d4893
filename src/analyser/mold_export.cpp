#include "analyser/mold_export.h"

#include "common/numbers.h"

namespace kes {

std::string moldFileText(const ResultGrid& grid) {
  const auto value = [&](int column, int row) { return parseLenient(grid.text[column][row]) + 0.0; };
  std::string out;
  const auto line = [&](double v) {
    out += designNumber(v);
    out += "\r\n";
  };
  const auto station = [&](int row) {
    for (int column : {kEntry, kDepth, kPosition, kExit}) line(value(column, row));
  };

  int twistRow = 0;
  for (int k = kCambers - 1; k >= 1 && twistRow == 0; --k)
    if (value(kTwist, k) != 0.0) twistRow = k;
  line(value(kTwist, twistRow));

  station(0);
  int r = 0;
  for (int k = 0; k < kCambers; ++k) {
    if (value(kDepth, k) != 0.0) r = k;
    station(r);
  }
  return out;
}

}  // namespace kes
