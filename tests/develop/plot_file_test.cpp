#include "develop/plot_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kes {
namespace {

TEST(PlotUnits, EachUnitMarkSetsScalesSizeOriginAndWord) {
  struct Case {
    bool mm, ft;
    double scale;
    float size;
    double origin;
    const char* word;
  } cases[] = {
      {false, false, 500, 0.375f, 0.25, " inches"},
      {true, false, 500 / 25.4, 9.0f, 6.4, " mm"},
      {false, true, 6000, 0.03f, 0.021, " feet"},
      {true, true, 500 / 25.4 * 12, 0.03f, 0.021, " feet"},  // ÷25.4, then ×12
  };
  for (const Case& c : cases) {
    const PlotUnits u = SetPlotUnits(500, 500, c.mm, c.ft);
    EXPECT_DOUBLE_EQ(u.PlotScaleX, c.scale);
    EXPECT_DOUBLE_EQ(u.PlotScaleY, c.scale);
    EXPECT_EQ(u.MarkSize, c.size);
    EXPECT_EQ(u.LetterOriginX, c.origin);
    EXPECT_EQ(u.UnitWord, c.word);
  }
  // A mirrored plotter keeps its sign.
  EXPECT_DOUBLE_EQ(SetPlotUnits(-500, 400, true, false).PlotScaleX, -500 / 25.4);
}

TEST(PlotUnits, FirstPassRoundsDownAndTurningPassHalvesAwayFromZero) {
  struct Case {
    double v;
    std::int64_t floor, round;
  } cases[] = {{12.7, 12, 13}, {-12.2, -13, -12}, {-0.5, -1, -1}, {2.5, 2, 3}, {-2.5, -3, -3}, {-0.3, -1, 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(FloorStep(c.v), c.floor) << c.v;
    EXPECT_EQ(RoundStep(c.v), c.round) << c.v;
  }
  for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(), 2147483648.0, -2147483649.0}) {
    EXPECT_FALSE(FloorStep(bad)) << bad;
    EXPECT_FALSE(RoundStep(bad)) << bad;
  }
  EXPECT_EQ(FloorStep(-2147483648.0), -2147483648LL);
}

TEST(PlotText, LinesEndInCrLfAndUnwritablePointsAreSkipped) {
  PlotText f(500, 500);
  f.line(kPlotStart);
  EXPECT_TRUE(f.point(0.0254, -0.0244));  // 12.7 and -12.2 steps
  EXPECT_TRUE(f.point(-0.001, 0));        // -0.5 steps
  EXPECT_FALSE(f.point(std::nan(""), 1));
  EXPECT_FALSE(f.point(1, 5e6));  // 2.5e9 steps: beyond 32 bits
  f.line(kPlotEnd);
  EXPECT_EQ(f.text(), "start_plot\r\n12 -13 acut\r\n-1 0 acut\r\nend_plot\r\n");
  // The turning pass: never "-0", nothing unwritable.
  EXPECT_EQ(TurnedLine(-0.0004, 0.005, 500, 500, " acut"), "0 3 acut");
  EXPECT_EQ(TurnedLine(-0.005, -0.001, 500, 500, " acut"), "-3 -1 acut");
  EXPECT_FALSE(TurnedLine(1e10, 0, 500, 500, " acut"));
}

TEST(PlotText, TenMillimetresReadBackAndRewrittenAtAngleZeroStay196) {
  const PlotUnits u = SetPlotUnits(500, 500, true, false);
  PlotText f(u.PlotScaleX, u.PlotScaleY);
  f.point(10, 10);
  EXPECT_EQ(f.text(), "196 196 acut\r\n");
  EXPECT_EQ(TurnedLine(196 / u.PlotScaleX, 196 / u.PlotScaleY, u.PlotScaleX, u.PlotScaleY, " acut"), "196 196 acut");
}

TEST(PlotText, PointLinesSplitAndOtherLinesAreNotPointLines) {
  for (std::string_view point : {"12 -3 acut", "1 2 aline", "1 2 spline_pt"}) EXPECT_TRUE(IsPointLine(point));
  for (std::string_view other : {kPlotStart, kPenDown, kKnifeUp, kPlotComment, kPlotEnd, std::string_view("1 2 ACUT")})
    EXPECT_FALSE(IsPointLine(other)) << other;
  EXPECT_EQ(PointLineStep(SplitPointLine("acut").y), 0);  // no number: 0
}

}  // namespace
}  // namespace kes
