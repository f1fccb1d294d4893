#include "develop/lettering.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <stdlib.h>

namespace kes {
namespace {

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

}  // namespace
}  // namespace kes
