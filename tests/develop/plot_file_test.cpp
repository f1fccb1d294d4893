// Plot text: units and steps, lettering, the copy and turning passes.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <stdlib.h>

#include "develop/crosscut_run.h"
#include "develop/finish.h"
#include "develop/lettering.h"
#include "develop/plot_file.h"
#include "platform/recording_surface.h"

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

std::string label(const StrokeFont& font, std::string_view text, const PlotUnits& u, float angle = 0) {
  PlotText f(u.PlotScaleX, u.PlotScaleY);
  WritePlotLabel(f, font, {text, u.MarkSize, angle, u.LetterOriginX, u.LetterOriginY});
  return f.text();
}

TEST(Lettering, PointEightZeroOfTheSecondCharacterInEachUnit) {
  const StrokeFont font = ParseStrokeFont("\"A\",1,8,0\r\n");
  struct Case {
    bool mm, ft;
    const char* line;
  } cases[] = {{false, false, "500 125 acut"}, {true, false, "480 125 acut"},
               {false, true, "485 126 acut"}};  // MarkSize 0.03 as single precision
  for (const Case& c : cases)
    EXPECT_EQ(label(font, "xA", SetPlotUnits(500, 500, c.mm, c.ft)),
              std::string("1 penup\r\n") + c.line + "\r\n1 pendown\r\n1 penup\r\n");
}

TEST(Lettering, StrokesMatchOneCharacterNamesWithoutRegardToCase) {
  // Fields at commas and line ends, quotes removed, blanks around fields cut.
  const StrokeFont font = ParseStrokeFont(
      "\"p\",2,0,0,8,8\n"
      "N, 3 ,0,0,0,8,8,0\n"
      "\n"
      "\"PN\",1,4,4\n"  // two characters: never matches
      "\"3\",2,0,0,0,8\n");
  const PlotUnits u = SetPlotUnits(800, 800, false, false);  // 1/8 of the cell is 37.5 steps
  const std::string upper = label(font, "PNL3", u);
  EXPECT_EQ(upper, label(font, "pnl3", u));
  const std::vector<std::string> l = allLines(upper);
  ASSERT_EQ(l.size(), 16u);  // P: 5 lines, N: 6, L none, 3: 5
  EXPECT_EQ(l[1], "200 200 acut");
  EXPECT_EQ(l[12], "1100 200 acut");  // L has no strokes, but 3 still starts in the fourth cell
  EXPECT_EQ(label(StrokeFont{}, "PNL3", u), "");  // no font: no lettering
}

TEST(Lettering, TurnedAboutTheOriginAndNegativeStepsRoundDown) {
  const StrokeFont font = ParseStrokeFont("\"A\",2,0,0,8,0\n");
  PlotUnits u = SetPlotUnits(500, 500, false, false);
  // A quarter turn: the stroke runs up from the origin.
  EXPECT_EQ(label(font, "A", u, 1.5707964f), "1 penup\r\n125 125 acut\r\n1 pendown\r\n124 312 acut\r\n1 penup\r\n");
  u.LetterOriginX = u.LetterOriginY = -0.0006;  // -0.3 steps
  EXPECT_EQ(label(font, "A", u), "1 penup\r\n-1 -1 acut\r\n1 pendown\r\n187 -1 acut\r\n1 penup\r\n");
}

TEST(Lettering, RecordsCutShortAreDroppedWholeAndBadNumbersReadZero) {
  const StrokeFont cut = ParseStrokeFont("\"A\",1,8,8\n\"B\",3,1,1,2,2,3");
  ASSERT_EQ(cut.strokes.size(), 1u);
  EXPECT_EQ(cut.strokes[0].name, 'A');

  const StrokeFont odd = ParseStrokeFont("A,x,1,1\nB,-3\nC,1.5,q,2\nD,1e308,1,1");
  // A's count "x" reads 0, so "1,1" and "B,-3" make a record of their own;
  // C's count 1.5 takes one point, "q" reading 0; D's count runs past the text.
  ASSERT_EQ(odd.strokes.size(), 3u);
  EXPECT_EQ(odd.strokes[1].points, (std::vector<double>{0, -3}));
  EXPECT_EQ(odd.strokes[2].points, (std::vector<double>{0, 2}));
}

TEST(Lettering, UserFontFileIsPreferredAndAnUnreadableOneFallsBack) {
  namespace fs = std::filesystem;
  std::string tmpl = (fs::temp_directory_path() / "kes_font_XXXXXX").string();
  ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
  const fs::path dir = tmpl;
  const std::size_t builtin = BuiltinStrokeFont().strokes.size();
  EXPECT_EQ(LoadStrokeFont((dir / "user.fnt").string()).strokes.size(), builtin);  // missing
  std::ofstream(dir / "user.fnt", std::ios::binary) << "\"A\",1,0,0\r\n";
  EXPECT_EQ(LoadStrokeFont((dir / "user.fnt").string()).strokes.size(), 1u);
  fs::create_directories(dir / "sub.fnt");  // a folder where the font should be
  EXPECT_EQ(LoadStrokeFont((dir / "sub.fnt").string()).strokes.size(), builtin);
  fs::remove_all(dir);
}

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
