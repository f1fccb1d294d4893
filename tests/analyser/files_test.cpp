// The analysis file and the mold export, byte for byte, and the reader on
// damaged files.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "analyser/analysis_file.h"
#include "analyser/camber_analysis.h"
#include "analyser/mold_export.h"
#include "common/numbers.h"
#include "platform/recording_surface.h"

namespace {

kes::Tracing threeCambers() {
  kes::Tracing t;
  t.count[1] = 3;
  t.X[1][1] = 1234, t.Y[1][1] = 2345;
  t.X[1][2] = 1500.5, t.Y[1][2] = 2000.25;
  t.X[1][3] = 2200.1234567, t.Y[1][3] = 0.5;
  t.count[3] = 1;
  t.X[3][1] = -0.25, t.Y[3][1] = 12345678;
  t.count[5] = 2;
  t.X[5][1] = 0.000123456789, t.Y[5][1] = -7;
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
  back.count[2] = 9;
  back.X[2][1] = 42;  // a previous photo's point, not counted any more
  std::string comment;
  kes::readAnalysis(kThreeCambers, comment, back);
  EXPECT_EQ(comment, "Main, port side  ");
  const int counts[6] = {0, 3, 0, 1, 0, 2};
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(back.count[c], counts[c]) << c;
  EXPECT_EQ(back.X[1][2], 1500.5);
  EXPECT_EQ(back.Y[1][2], 2000.25);
  EXPECT_EQ(back.X[1][3], 2200.123);
  EXPECT_EQ(back.X[3][1], -0.25);
  EXPECT_EQ(back.Y[3][1], 12345680.0);
  EXPECT_EQ(back.X[5][2], 1e20);
  // Written again, the file comes back the same.
  EXPECT_EQ(kes::writeAnalysis(comment, back), kThreeCambers);
}

TEST(AnalysisFile, NameReplacesTheLastExtension) {
  const struct {
    const char *photo, *analysis;
  } cases[] = {
      {"/sails/main.bmp", "/sails/main.anl"},
      {"/sails/main.new.bmp", "/sails/main.new.anl"},
      {"/boat.old/main.BMP", "/boat.old/main.anl"},
      {"/boat.old/main", "/boat.old/main.anl"},
      {"main.bmp", "main.anl"},
  };
  for (const auto& c : cases) EXPECT_EQ(kes::analysisFileName(c.photo), c.analysis) << c.photo;
}

TEST(AnalysisFile, CommentsAreKeptAsOneLineOfText) {
  EXPECT_EQ(kes::cleanComment("two\r\nlines"), "two  lines");
  EXPECT_EQ(kes::cleanComment("caf\xE9"), "caf\xC3\xA9");  // Latin-1
  EXPECT_EQ(kes::cleanComment("caf\xC3\xA9"), "caf\xC3\xA9");
  const std::string huge = "\xC3\xA9" + std::string(70000, 'x');
  EXPECT_EQ(kes::cleanComment(huge).size(), kes::kCommentLimit);
  const std::string cut = std::string(kes::kCommentLimit - 1, 'x') + "\xC3\xA9";
  EXPECT_EQ(kes::cleanComment(cut).size(), kes::kCommentLimit - 1);  // no half character

  // A huge comment line is read past; the points after it still count.
  kes::Tracing t;
  std::string comment;
  kes::readAnalysis(std::string(3'000'000, 'c') + "\n 1 \n 5 , 6\n", comment, t);
  EXPECT_EQ(comment.size(), kes::kCommentLimit);
  EXPECT_EQ(t.count[1], 1);
  EXPECT_EQ(t.Y[1][1], 6.0);
}

TEST(AnalysisFile, DamagedFilesStayWithinTheCambers) {
  const struct {
    const char* text;
    int counts[5];
    double x1;  // camber 1's first point
  } cases[] = {
      {"c\n-3\n1\n2 3\n", {0, 1, 0, 0, 0}, 0},        // negative: no points; "1" is the next count
      {"c\n2.5\n1 2\n3 4\n 0\n", {2, 0, 0, 0, 0}, 1},  // halves to even
      {"c\n3.5\n1 2\n3 4\n5 6\n7 8\n", {4, 0, 0, 0, 0}, 1},
      {"c\nthree\n1\n2 3\n", {0, 1, 0, 0, 0}, 0},
      {"c\n3\n1 2\n3 4\n5\n", {2, 0, 0, 0, 0}, 1},  // ends early: complete pairs only
      {"c\n2\nnan 1e999\n1e300 -1e300\n", {2, 0, 0, 0, 0}, 0},
      {"c\n\n 1\n 9 9\n", {0, 1, 0, 0, 0}, 0},      // an empty count line is 0
      {"c", {0, 0, 0, 0, 0}, 0},                    // no line end at all
      {"c\r\n1,2\r\n,3\r\n", {1, 0, 0, 0, 0}, 2},   // commas and empty fields
  };
  for (const auto& c : cases) {
    kes::Tracing t;
    for (int i = 1; i <= 5; ++i) t.count[i] = 7;
    std::string comment;
    kes::readAnalysis(c.text, comment, t);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(t.count[i], c.counts[i - 1]) << c.text << " camber " << i;
    if (t.count[1] > 0) {
      EXPECT_EQ(t.X[1][1], c.x1) << c.text;
    }
  }
  // Over 25: the first 25 pairs are kept, the rest skipped, the next camber read.
  std::string text = "c\n30\n";
  for (int j = 1; j <= 30; ++j) text += std::to_string(j) + " 0\n";
  text += "1\n77 78\n";
  kes::Tracing t;
  std::string comment;
  kes::readAnalysis(text, comment, t);
  EXPECT_EQ(t.count[1], 25);
  EXPECT_EQ(t.X[1][25], 25.0);
  EXPECT_EQ(t.count[2], 1);
  EXPECT_EQ(t.X[2][1], 77.0);
}

// Mutated files through the reader and the analysis: counts within 0..25,
// every point and every grid text a finite number.
TEST(AnalysisFile, MutatedFilesNeverBreakReaderOrAnalysis) {
  const std::string base = kes::writeAnalysis("seed", [] {
    kes::Tracing t;
    for (int c = 1; c <= 5; ++c) {
      t.count[c] = 3 + 4 * (c - 1);
      for (int j = 1; j <= t.count[c]; ++j) t.X[c][j] = 100.0 * j, t.Y[c][j] = 900 - 13.0 * j * j;
    }
    return t;
  }());
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
      ASSERT_GE(t.count[c], 0);
      ASSERT_LE(t.count[c], 25);
      for (int j = 1; j <= t.count[c]; ++j)
        ASSERT_TRUE(std::isfinite(t.X[c][j]) && std::isfinite(t.Y[c][j]));
      for (const auto& column : grid.text) {
        const std::string& v = column[c - 1];
        if (v.empty()) continue;
        ASSERT_TRUE(kes::parseStrict(v).good()) << v;
      }
    }
    const std::string again = kes::writeAnalysis(comment, t);
    ASSERT_EQ(again.find("nan"), std::string::npos);
    ASSERT_EQ(again.find("inf"), std::string::npos);
  }
}

// ---- Mold export -------------------------------------------------------------------

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find("\r\n", at);
    if (end == std::string::npos) {
      out.push_back("<no CR LF>" + text.substr(at));
      break;
    }
    out.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return out;
}

TEST(MoldExport, UnmeasuredGridWritesZeros) {
  kes::ResultGrid grid;
  EXPECT_EQ(lines(kes::moldFileText(grid)), std::vector<std::string>(25, " 0 "));
}

TEST(MoldExport, TwistLineFootAndStationFallback) {
  kes::ResultGrid g;
  const auto row = [&](int camber, const char* entry, const char* depth, const char* pos,
                       const char* twist, const char* exit) {
    const int k = camber - 1;
    g.text[kes::kEntry][k] = entry;
    g.text[kes::kDepth][k] = depth;
    g.text[kes::kPosition][k] = pos;
    g.text[kes::kTwist][k] = twist;
    g.text[kes::kExit][k] = exit;
  };
  row(1, "26.9", "15.1", "46.5", "-0.0", "22.7");
  row(2, "30", "12,3", "40", "-4", "20");
  row(3, "0", "0", "0", "0", "0");  // not measured: repeats camber 2
  row(4, "1", "8", "2", "2.5", "3");
  row(5, "0", "0", "0", "0.0", "0");
  const std::vector<std::string> expect = {
      " 2.5 ",                               // camber 5's twist is 0: camber 4's
      " 26.9 ", " 15.1 ", " 46.5 ", " 22.7 ",  // foot
      " 26.9 ", " 15.1 ", " 46.5 ", " 22.7 ",  // station 1: camber 1 again
      " 30 ",   " 12 ",   " 40 ",   " 20 ",    // "12,3" reads 12
      " 30 ",   " 12 ",   " 40 ",   " 20 ",    // station 3 falls back to camber 2
      " 1 ",    " 8 ",    " 2 ",    " 3 ",
      " 1 ",    " 8 ",    " 2 ",    " 3 ",
  };
  EXPECT_EQ(lines(kes::moldFileText(g)), expect);

  row(4, "1", "8", "2", "0", "3");
  row(2, "30", "12,3", "40", "0", "20");
  const auto out = lines(kes::moldFileText(g));
  EXPECT_EQ(out[0], " 0 ");  // none of 5..2 twisted: camber 1's "-0.0", never "-0"
  row(2, "30", "12,3", "40", "-4", "20");
  EXPECT_EQ(lines(kes::moldFileText(g))[0], "-4 ");
}

}  // namespace
