// The analysis file and the mold export, byte for byte, and the reader on
// damaged files.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "analyser/analysis_file.h"
#include "analyser/camber_analysis.h"
#include "analyser/mold_export.h"
#include "common/lines.h"
#include "common/numbers.h"
#include "platform/recording_surface.h"

namespace {

kes::Tracing threeCambers() {
  kes::Tracing t;
  t.count[1] = 3, t.X[1][1] = 1234, t.Y[1][1] = 2345;
  t.X[1][2] = 1500.5, t.Y[1][2] = 2000.25;
  t.X[1][3] = 2200.1234567, t.Y[1][3] = 0.5;
  t.count[3] = 1, t.X[3][1] = -0.25, t.Y[3][1] = 12345678;
  t.count[5] = 2, t.X[5][1] = 0.000123456789, t.Y[5][1] = -7;
  t.X[5][2] = 1e20, t.Y[5][2] = -0.0;
  return t;
}

// x at column 1, y at the next 14-column zone: column 15, or 29 after a long x.
const char* const kThreeCambers =
    "Main, port side  \r\n"
    " 3 \r\n"
    " 1234          2345 \r\n"
    " 1500.5        2000.25 \r\n"
    " 2200.123      .5 \r\n"
    " 0 \r\n"
    " 1 \r\n"
    "-.25           12345680 \r\n"
    " 0 \r\n"
    " 2 \r\n"
    " .0001234568  -7 \r\n"
    " 1E+20         0 \r\n";

TEST(AnalysisFile, ThreeCambersByteForByteAndBack) {
  EXPECT_EQ(kes::writeAnalysis("Main, port side  ", threeCambers()), kThreeCambers);

  kes::Tracing back;
  back.count[2] = 9;  // a previous photo's camber, not in the file
  std::string comment;
  kes::readAnalysis(kThreeCambers, comment, back);
  EXPECT_EQ(kes::writeAnalysis(comment, back), kThreeCambers);  // camber 2 emptied too
}

TEST(AnalysisFile, NameReplacesTheLastExtension) {
  for (const auto& [photo, analysis] : {std::pair{"/sails/main.new.bmp", "/sails/main.new.anl"},
                                        {"/boat.old/main.BMP", "/boat.old/main.anl"},
                                        {"/boat.old/main", "/boat.old/main.anl"}})
    EXPECT_EQ(kes::analysisFileName(photo), analysis) << photo;
}

TEST(AnalysisFile, CommentsAreKeptAsOneLineOfText) {
  EXPECT_TRUE(kes::cleanComment("two\r\nlines") == "two  lines" && kes::cleanComment("caf\xE9") == "caf\xC3\xA9");
  const std::string cut = std::string(kes::kCommentLimit - 1, 'x') + "\xC3\xA9";
  EXPECT_EQ(kes::cleanComment(cut).size(), kes::kCommentLimit - 1);  // no half character

  // A huge comment line is read past; the points after it still count.
  kes::Tracing t;
  std::string comment;
  kes::readAnalysis(std::string(3'000'000, 'c') + "\n 1 \n 5 , 6\n", comment, t);
  EXPECT_TRUE(comment.size() == kes::kCommentLimit && t.count[1] == 1 && t.Y[1][1] == 6);
}

TEST(AnalysisFile, DamagedFilesStayWithinTheCambers) {
  std::string over = "c\n30\n";  // over 25: 25 pairs kept, the rest skipped
  for (int j = 1; j <= 30; ++j) over += std::to_string(j) + " 0\n";
  over += "1\n77 78\n";
  const struct {
    std::string text;
    int counts[5];
    double x1;  // camber 1's first point, or camber 2's when camber 1 has none
  } cases[] = {
      {"c\n-3\n1\n2 3\n", {0, 1, 0, 0, 0}, 2},        // negative: no points; "1" is the next count
      {"c\n2.5\n1 2\n3 4\n 0\n", {2, 0, 0, 0, 0}, 1},  // halves to even
      {"c\n3\n1 2\n3 4\n5\n", {2, 0, 0, 0, 0}, 1},  // ends early: complete pairs only
      {"c\n2\nnan 1e999\n1e300 -1e300\n", {2, 0, 0, 0, 0}, 0},
      {"c", {0, 0, 0, 0, 0}, 0},                    // no line end at all
      {"c\r\n1,2\r\n,3\r\n", {1, 0, 0, 0, 0}, 2},   // commas and empty fields
      {over, {25, 1, 0, 0, 0}, 1},
  };
  for (const auto& c : cases) {
    kes::Tracing t;
    for (int i = 1; i <= 5; ++i) t.count[i] = 7;
    std::string comment;
    kes::readAnalysis(c.text, comment, t);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(t.count[i], c.counts[i - 1]) << c.text << " camber " << i;
    const int first = t.count[1] > 0 ? 1 : 2;
    EXPECT_TRUE(t.count[first] == 0 || t.X[first][1] == c.x1) << c.text;
  }
}

// Mutated files through the reader and the analysis: counts within 0..25,
// every point and every grid text a finite number.
TEST(AnalysisFile, MutatedFilesNeverBreakReaderOrAnalysis) {
  kes::Tracing seed;
  for (int c = 1; c <= 5; ++c) {
    seed.count[c] = 3 + 4 * (c - 1);
    for (int j = 1; j <= seed.count[c]; ++j) seed.X[c][j] = 100.0 * j, seed.Y[c][j] = 900 - 13.0 * j * j;
  }
  const std::string base = kes::writeAnalysis("seed", seed);
  const std::string alphabet = " ,\r\n-.0123456789eE+naI";
  std::mt19937 rng(20261207);
  kes::CamberCurves work;
  kes::RecordingSurface s;
  for (int round = 0; round < 3000; ++round) {
    std::string text = base;
    const int edits = 1 + static_cast<int>(rng() % 12);
    for (int e = 0; e < edits && !text.empty(); ++e) {
      const std::size_t at = rng() % text.size();
      switch (rng() % 4) {
        case 0: text[at] = alphabet[rng() % alphabet.size()]; break;
        case 1: text.erase(at, 1 + rng() % 20); break;
        case 2: text.insert(at, std::to_string(static_cast<int>(rng() % 200000) - 100000)); break;
        default: text[at] = static_cast<char>(rng() % 256); break;
      }
    }
    kes::Tracing t;
    std::string comment;
    kes::readAnalysis(text, comment, t);
    kes::ResultGrid grid;
    s.forget();
    kes::AnalyseCambers(t, kes::PhotoZoom{}, work, s, grid);
    for (int c = 1; c <= 5; ++c) {
      ASSERT_TRUE(t.count[c] >= 0 && t.count[c] <= 25) << t.count[c];
      for (int j = 1; j <= t.count[c]; ++j)
        ASSERT_TRUE(std::isfinite(t.X[c][j]) && std::isfinite(t.Y[c][j]));
      for (const auto& column : grid.text)
        ASSERT_TRUE(column[c - 1].empty() || kes::parseStrict(column[c - 1]).good()) << column[c - 1];
    }
    const std::string again = kes::writeAnalysis(comment, t);
    ASSERT_TRUE(again.find("nan") == std::string::npos && again.find("inf") == std::string::npos);
  }
}

// ---- Mold export -------------------------------------------------------------------

// The mold's lines, each checked to end in CR LF.
std::vector<std::string> moldLines(const kes::ResultGrid& g) {
  const std::string text = kes::moldFileText(g);
  const std::vector<std::string> out = kes::allLines(text);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r') + std::count(text.begin(), text.end(), '\n'),
            static_cast<std::ptrdiff_t>(2 * out.size()));
  return out;
}

TEST(MoldExport, TwistLineFootAndStationFallback) {
  kes::ResultGrid g;
  EXPECT_EQ(moldLines(g), std::vector<std::string>(25, " 0 "));  // an unmeasured grid

  const auto row = [&](int camber, std::array<const char*, 5> entryDepthPositionTwistExit) {
    for (int col = kes::kEntry; col <= kes::kExit; ++col)
      g.text[col][camber - 1] = entryDepthPositionTwistExit[col];
  };
  row(1, {"26.9", "15.1", "46.5", "-0.0", "22.7"});
  row(2, {"30", "12,3", "40", "-4", "20"});
  row(3, {"0", "0", "0", "0", "0"});  // not measured: repeats camber 2
  row(4, {"1", "8", "2", "2.5", "3"});
  row(5, {"0", "0", "0", "0.0", "0"});
  const std::vector<std::string> expect = {
      " 2.5 ",                               // camber 5's twist is 0: camber 4's
      " 26.9 ", " 15.1 ", " 46.5 ", " 22.7 ",  // foot
      " 26.9 ", " 15.1 ", " 46.5 ", " 22.7 ",  // station 1: camber 1 again
      " 30 ",   " 12 ",   " 40 ",   " 20 ",    // "12,3" reads 12
      " 30 ",   " 12 ",   " 40 ",   " 20 ",    // station 3 falls back to camber 2
      " 1 ",    " 8 ",    " 2 ",    " 3 ",    " 1 ", " 8 ", " 2 ", " 3 ",  // stations 4 and 5
  };
  EXPECT_EQ(moldLines(g), expect);

  g.text[kes::kTwist][3].assign(1, '0');
  EXPECT_EQ(moldLines(g)[0], "-4 ");
  g.text[kes::kTwist][1].assign(1, '0');
  EXPECT_EQ(moldLines(g)[0], " 0 ");  // none of 5..2 twisted: camber 1's "-0.0", never "-0"
}

}  // namespace
