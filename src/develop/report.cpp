#include "develop/report.h"

#include "common/numbers.h"

namespace kes {

namespace {
constexpr std::size_t kZone = 14;

// Blanks only: any other character typed around a length stays in the report.
std::string_view trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// A batten length as it stands under its heading: the box's text as typed
// when it leaves a blank before the next zone; a longer number (a computed
// length carries 15 digits) in "0.0" as the panel table has it; anything
// still too long is cut to the zone, so no length pushes its neighbours on.
std::string battenItem(std::string_view box) {
  constexpr std::size_t kFits = kZone - 1;
  const std::string_view typed = trimmed(box);
  if (typed.size() <= kFits) return std::string(typed);
  std::string item(typed);
  if (const Num n = parseStrict(typed); n.good()) item = format0_0(n.v);
  if (item.size() > kFits) item.resize(kFits);
  return item;
}
}  // namespace

PrintLine& PrintLine::zone() {
  const std::size_t next = (s_.size() / kZone + 1) * kZone;
  s_.append(next - s_.size(), ' ');
  return *this;
}

std::string ReportPanelHeads() {
  return PrintLine().item("Panel").zone().item("Width").zone().item("Area").zone().item("Seaming").end() +
         PrintLine().item(std::string(63, '-')).end();
}

std::string ReportPanelLine(std::string_view fileName, double width, double area, double seaming,
                            std::string_view unitWord) {
  return PrintLine()
      .item(fileName)
      .zone()
      .item(format0_0(width))
      .zone()
      .item(format0_0(area))
      .zone()
      .item(format0_0(seaming))
      .zone()
      .item(unitWord)
      .end();
}

std::string ReportBattenTable(const std::string_view lengths[5]) {
  std::string out = "\r\n";
  PrintLine heads;
  heads.item("Battens");
  for (const char* n : {"1", "2", "3", "4", "5"}) heads.zone().item(n);
  out += heads.end();
  out += PrintLine().item(std::string(74, '-')).end();
  PrintLine row;
  for (int b = 0; b < 5; ++b) row.zone().item(battenItem(lengths[b]));
  out += row.end();
  return out;
}

std::string ReportTotals(int widestIndex, double widestWidth, double totalArea, double totalSeaming,
                         std::string_view unitWord) {
  std::string widest = "Panel";
  if (widestIndex >= 0) widest += ' ';
  widest += std::to_string(widestIndex);
  widest += " is ";
  widest += format0_0(widestWidth);
  widest += unitWord;
  std::string out = "\r\n";
  out += PrintLine().item("Widest:").zone().item(widest).end();
  out += "\r\n";
  out += PrintLine().item("Sail Area:").zone().item(format0_0(totalArea) + " sq." + std::string(unitWord)).end();
  out += "\r\n";
  out += PrintLine().item("Seam Lngth:").zone().item(format0_0(totalSeaming) + std::string(unitWord)).end();
  return out;
}

}  // namespace kes
