#pragma once
// The crosscut develop's lines of the report results.txt: the panel table,
// the batten lengths and the totals, laid out in 14-column print zones
// (zones start at columns 1, 15, 29, 43, 57, 71), every line ended by CR LF.
// Numbers are "0.0", halves away from zero.

#include <string>
#include <string_view>

namespace kes {

// A line built item by item; zone() moves to the start of the next print
// zone (always a later zone than the text before it).
class PrintLine {
 public:
  PrintLine& item(std::string_view text) {
    s_.append(text);
    return *this;
  }
  PrintLine& zone();
  std::string end() const { return s_ + "\r\n"; }

 private:
  std::string s_;
};

// "Panel", "Width", "Area", "Seaming" and the rule of 63 hyphens.
std::string ReportPanelHeads();
// The file's name, its width, area and seaming, the unit word.
std::string ReportPanelLine(std::string_view fileName, double width, double area, double seaming,
                            std::string_view unitWord);
// Empty line, "Battens" 1..5, the rule of 74 hyphens, the five length boxes'
// texts (blanks around them cut) in zones 2..6.
std::string ReportBattenTable(const std::string_view lengths[5]);
// Empty line, "Widest:" "Panel 3 is 9.8 inches", empty line, "Sail Area:",
// empty line, "Seam Lngth:".
std::string ReportTotals(int widestIndex, double widestWidth, double totalArea, double totalSeaming,
                         std::string_view unitWord);

}  // namespace kes
