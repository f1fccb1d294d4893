#include "design/plot_scale.h"

#include <cmath>

#include "common/numbers.h"
#include "design/design_lines.h"

namespace kes {

namespace {

// Reads a data file field by field, as a sequential text file is read.
class Fields {
 public:
  explicit Fields(std::string_view text) : rest_(text) {}
  // The next field's number; fails past the end or when the number overflows.
  Num next() {
    if (rest_.empty()) return Num::fail();
    const std::size_t end = rest_.find_first_of(",\r\n");
    const std::string_view field = rest_.substr(0, end);
    std::size_t skip = end == std::string_view::npos ? rest_.size() : end + 1;
    if (end != std::string_view::npos && rest_[end] == '\r' && skip < rest_.size() &&
        rest_[skip] == '\n')
      ++skip;
    rest_.remove_prefix(skip);
    return lineNumber(field);
  }

 private:
  std::string_view rest_;
};

}  // namespace

PlotScale plotScaleChain(const std::string* vdxp, const std::string* vd32,
                         const std::string* varden, std::string_view xSetting,
                         std::string_view ySetting) {
  PlotScale s;
  if (vdxp || vd32 || varden) {
    const std::string& text = vdxp ? *vdxp : vd32 ? *vd32 : *varden;
    Fields f(text);
    const bool positive = !vdxp && !vd32;
    set(s.x, positive ? abs(f.next()) : f.next());
    set(s.y, positive ? abs(f.next()) : f.next());
  }
  set(s.x, abs(parseStrict(xSetting)));
  set(s.y, abs(parseStrict(ySetting)));
  if (s.x == 0) s.x = 500;
  if (s.y == 0) s.y = 500;
  return s;
}

}  // namespace kes
