// The report's batten row: every length stands under its own heading, also
// the long ones the batten calculators write into the boxes.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "develop/report.h"
#include "develop_fixture.h"

namespace kes {
namespace {

// The column (from 0) where each item of a row starts after its zone's blanks.
std::vector<std::size_t> starts(const std::string& line) {
  std::vector<std::size_t> at;
  for (std::size_t i = 0; i < line.size(); ++i)
    if (line[i] != ' ' && (i == 0 || line[i - 1] == ' ')) at.push_back(i);
  return at;
}

TEST(ReportBattenRow, ComputedLengthsStayUnderTheirHeadingsAndBlankBoxesStayBlank) {
  const std::string_view lengths[5] = {"23.5826690745694", " 24.1 ", "", "-31.0400000000001",
                                       "150000000000000000"};
  const std::vector<std::string> lines = allLines(ReportBattenTable(lengths));
  ASSERT_EQ(lines.size(), 4u);
  const std::string& heads = lines[1];
  const std::string& row = lines[3];
  EXPECT_EQ(row, "              23.6          24.1                        -31.0         " +
                     std::string("1500000000000"));
  // Each length starts in the column of its heading; zone 4 holds nothing.
  const std::vector<std::size_t> h = starts(heads);
  ASSERT_EQ(h.size(), 6u);
  EXPECT_EQ(starts(row), (std::vector<std::size_t>{h[1], h[2], h[4], h[5]}));
}

TEST(ReportBattenRow, LongTextThatIsNoNumberIsCutToItsZone) {
  const std::string_view lengths[5] = {"about twenty-four", "12", "", "", "36"};
  const std::vector<std::string> lines = allLines(ReportBattenTable(lengths));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[3], "              about twenty- 12" + std::string(40, ' ') + "36");
}

}  // namespace
}  // namespace kes
