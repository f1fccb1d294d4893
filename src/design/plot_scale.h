#pragma once
// The plotter's scale, in plotter steps per inch along x and y, from the
// plotter program's data files and settings.

#include <string>
#include <string_view>

namespace kes {

struct PlotScale {
  double x = 500, y = 500;
};

// The chain of sources: both 500; then the first data file given (nullptr
// when the file does not exist): vdxp.dat (fields 1 and 2 as they are),
// vd32.dat (fields 1 and 2 as they are), varden.dat (fields 1 and 2 made
// positive); then the settings "Xscale" and "Yscale", each made positive and
// taken only when its whole text is a number; last, a 0 becomes 500. The two
// axes are independent. A field ends at a comma or a line end and gives the
// number it begins with after blanks ("1000 1016" gives 1000), 0 when none;
// a field beyond the file's end, or one whose number overflows, leaves its
// scale as it was.
PlotScale plotScaleChain(const std::string* vdxp, const std::string* vd32,
                         const std::string* varden, std::string_view xSetting,
                         std::string_view ySetting);

}  // namespace kes
