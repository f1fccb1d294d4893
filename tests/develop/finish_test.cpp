#include "develop/finish.h"

#include <gtest/gtest.h>

#include <cmath>

#include "develop/crosscut_run.h"
#include "platform/recording_surface.h"

namespace kes {
namespace {

TEST(Finish, CopyPassDropsExactRepeatsOnlyAndPreviewsInTheToolsColours) {
  const std::string first =
      "start_plot\r\n0 0 acut\r\n1 pendown\r\n10 0 acut\r\n10 0 acut\r\n10 1 acut\r\n1 penup\r\n"
      "10 1 acut\r\n0 pendown\r\n20 1 acut\r\n10 1 acut\r\n0 penup\r\nend_plot\r\n";
  RecordingSurface s;
  std::string temp;
  CopyPass(first, 10, 10, {100, 200}, &s, temp);
  // The repeat right after its twin goes, also across a tool line; the same
  // numbers again after another point stay.
  EXPECT_EQ(temp,
            "start_plot\r\n0 0 acut\r\n1 pendown\r\n10 0 acut\r\n10 1 acut\r\n1 penup\r\n"
            "0 pendown\r\n20 1 acut\r\n10 1 acut\r\n0 penup\r\nend_plot\r\n");
  // The flat panel over the plan view from its anchor: pen light blue, knife light red.
  ASSERT_EQ(s.ops().size(), 6u);
  EXPECT_TRUE(s.ops()[1].colour == kLightBlue && s.ops()[1].x2 == 101);
  EXPECT_TRUE(s.ops().back().colour == kLightRed && s.ops().back().x1 == 102);
}

TEST(Finish, TurnPassMeasuresToolDownPointsAndKeepsTheWidest) {
  WidthState w;
  std::string turned;
  // Lifted moves never count: no width at all.
  TurnPass("1 penup\r\n5 -3 acut\r\n", 0, 1, 1, 1, w, turned);
  EXPECT_EQ(ProgressCaption(1, w), "Developed: Crosscut 1 at -10000.00 (max=0.00)");
  // Tool-down points from y = -1 to 8: 9 wide, and at angle 0 the numbers stay.
  w.startFile();
  TurnPass("1 pendown\r\n2 -1 acut\r\n0 pendown\r\n7 8 acut\r\nend_plot\r\n", 0, 1, 1, 3, w, turned);
  EXPECT_EQ(turned, "1 pendown\r\n2 -1 acut\r\n0 pendown\r\n7 8 acut\r\nend_plot\r\n");
  EXPECT_EQ(ProgressCaption(3, w), "Developed: Crosscut 3 at 9.00 (max=9.00)");
  // A quarter turn: (10, 0) to (0, 10), halves away from zero.
  w.startFile();
  TurnPass("1 pendown\r\n10 0 acut\r\n5 -5 acut\r\n", std::atan(1.0) * 2, 2, 2, 4, w, turned);
  EXPECT_EQ(turned, "1 pendown\r\n0 10 acut\r\n5 5 acut\r\n");
  EXPECT_EQ(w.WidestIndex, 3);  // 2.5 wide: the earlier file stays the widest
}

TEST(Finish, EdgeRuleOfEachPanel) {
  CrosscutSettings s;
  std::string* boxes[5] = {&s.seamWidth, &s.luffTabling, &s.leechTabling, &s.footTabling, &s.headTabling};
  for (int b = 0; b < 5; ++b) *boxes[b] = std::to_string(b + 1);  // seam 1, luff 2, leech 3, foot 4, head 5
  struct Case {
    int i, n;
    double upper, lower;
  } cases[] = {{1, 1, 5, 4},  // one panel: head above, the sail's foot below
               {1, 4, 1, 4}, {2, 4, 1, 0}, {4, 4, 5, 0}};
  for (const Case& c : cases) {
    const EdgeAllowances a = PanelAllowances(s, c.i, c.n);
    EXPECT_EQ(a.upper, c.upper) << c.i << " of " << c.n;
    EXPECT_EQ(a.lower, c.lower) << c.i << " of " << c.n;
    EXPECT_TRUE(a.luff == 2 && a.leech == 3);
  }
}

}  // namespace
}  // namespace kes
