// Tracing, picking and dragging points, the marks, the photo fit and the
// zoom; the analyser's spline and the camber analysis on the worked cambers;
// the analysis file and the mold export, byte for byte, and the reader on
// damaged files.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "analyser/analysis_file.h"
#include "analyser/camber_analysis.h"
#include "analyser/camber_spline.h"
#include "analyser/mold_export.h"
#include "analyser/photo_zoom.h"
#include "analyser/tracing.h"
#include "common/lines.h"
#include "common/numbers.h"
#include "platform/recording_surface.h"

namespace {

using kes::AddResult;

TEST(Tracing, PressesAddPointsLeftToRight) {
  kes::Tracing t;
  const kes::PhotoZoom z;
  int n = 0;
  EXPECT_EQ(kes::addPoint(t, z, 2, 1000, 500, n), AddResult::Stored);
  EXPECT_EQ(kes::addPoint(t, z, 2, 1000, 900, n), AddResult::Stored);  // equal x passes
  // 10 twips left of the previous point: its x + 200, its height.
  EXPECT_EQ(kes::addPoint(t, z, 2, 990, 100, n), AddResult::MovedRight);
  EXPECT_TRUE(n == 3 && t.X[2][3] == 1200 && t.Y[2][3] == 900);
  for (int k = 4; k <= 25; ++k) kes::addPoint(t, z, 2, 1200.0 + 10 * k, 0, n);
  // The 26th press replaces point 25, compared with point 24 (at 1440).
  EXPECT_EQ(kes::addPoint(t, z, 2, 1445, 77, n), AddResult::Stored);
  EXPECT_TRUE(t.count[2] == 25 && t.X[2][25] == 1445);
  EXPECT_EQ(kes::addPoint(t, z, 2, 1400, 77, n), AddResult::MovedRight);
  EXPECT_EQ(t.X[2][25], 1440.0 + 200.0);
  EXPECT_EQ(kes::addPoint(t, z, 0, 1, 1, n), AddResult::Refused);
  EXPECT_TRUE(kes::addPoint(t, kes::PhotoZoom{0.0, 0, 0}, 1, 1, 1, n) == AddResult::Refused && t.count[1] == 0);
}

TEST(Tracing, ZoomedPressesAreStoredInImageUnitsAndMarkedInTwips) {
  kes::Tracing t;
  const kes::PhotoZoom z{2.5, -2500, -2500};
  int n = 0;
  kes::addPoint(t, z, 1, 3000, 3000, n);
  kes::addPoint(t, z, 1, 3500, 3000, n);
  EXPECT_TRUE(t.X[1][1] == 2200 && t.Y[1][1] == 2200);
  kes::RecordingSurface s;
  kes::DrawTracingMarker(t, z, 1, 1, s);
  kes::DrawCamberPoints(t, z, s);
  const auto& ops = s.ops();
  ASSERT_EQ(ops.size(), 4u);  // the marker, two squares, the number at the last one
  EXPECT_TRUE(ops[0].kind == kes::DrawOp::Circle && ops[0].radius == 100 && ops[0].colour == kes::kLightGreen);
  EXPECT_TRUE(ops[1].kind == kes::DrawOp::Box && ops[1].x1 == 2950);
  EXPECT_TRUE(ops[3].text == " 1 " && ops[3].x1 == 3550);  // the number at the last square's corner
}

TEST(Tracing, EditPicksTheNearestPointAndDragsIt) {
  kes::Tracing t;
  t.count[2] = 3, t.X[2][3] = 1000, t.Y[2][3] = 1000;
  t.count[4] = 1, t.X[4][1] = 1200, t.Y[4][1] = 1000;
  const kes::PhotoZoom z;
  // Exactly between: the first wins; 100000 away is never picked.
  for (const auto& [x, camber] : {std::pair{1100.0, 2}, {1101.0, 4}, {101200.0, 0}}) {
    int c = 0, p = 0;
    kes::pickPoint(t, z, x, 1000, c, p);
    EXPECT_EQ(c, camber) << x;
  }
  kes::dragPoint(t, kes::PhotoZoom{2, -100, 0}, 4, 1, 500, 700);
  EXPECT_TRUE(t.X[4][1] == 300 && t.Y[4][1] == 350);
  kes::dragPoint(t, z, 0, 0, 1, 1);  // nothing picked moves nothing
  kes::dragPoint(t, z, 4, 2, 1, 1);
  EXPECT_EQ(t.X[4][1], 300.0);
}

// ---- Fit and zoom ------------------------------------------------------------------

// A zoom box pressed at (x, y) and moved through each height in turn.
kes::ZoomBox boxFrom(double x, double y, std::initializer_list<double> moves, double w = 6735, double h = 6735) {
  kes::ZoomBox b;
  kes::startZoomBox(b, x, y);
  for (double to : moves) kes::moveZoomBox(b, to, w, h);
  return b;
}

TEST(PhotoZoom, PhotosFitByTheLongerSideAndTheBoxZoomsInEitherWayAndOutAgain) {
  EXPECT_NEAR(kes::fitPhoto(kes::aspectOf(2000, 3000), 6735, 6735).width, 4490, 1e-3);
  for (const double fromY : {1000.0, 3694.0}) {
    kes::Placement p = kes::fitPhoto(kes::aspectOf(3000, 2000), 6735, 6735);
    EXPECT_NEAR(p.height, 4490, 1e-3);
    kes::PhotoZoom z;
    const kes::ZoomBox b = boxFrom(1000, fromY, {2000, fromY == 1000 ? 3694.0 : 1000.0});  // a move on the way
    ASSERT_TRUE(kes::zoomIn(b, 6735, p, z));
    // 16837.5 to the even neighbour.
    EXPECT_TRUE(z.scale == 2.5 && p.width == 16838 && p.height == 11225) << fromY;
    EXPECT_TRUE(p.left == -2500 && p.top == -2500 && z.offsetX == -2500 && z.offsetY == -2500);
    kes::zoomOut(p, z, 6735, 6735, 1.5);
    EXPECT_NEAR(p.height, 4489.87, 0.005);  // from the rounded proportions
    EXPECT_TRUE(p.width == 6735 && z.scale == 1 && z.offsetX + z.offsetY + p.left + p.top == 0);
  }
  // The width is the height times the box's width, then over its height.
  EXPECT_EQ(boxFrom(0, 0, {5}, 1, 3).endX, 5.0 / 3.0);
}

TEST(PhotoZoom, ClickWithoutDragMovesAndTinyBoxesAreCapped) {
  kes::Placement p = kes::fitPhoto(1.5, 6735, 6735);
  kes::PhotoZoom z;
  ASSERT_TRUE(kes::zoomIn(boxFrom(1200, 800, {}), 6735, p, z));
  EXPECT_TRUE(z.scale == 1 && p.width == 6735 && p.left == -1200 && p.top == -800 && z.offsetX == -1200);

  // Tiny boxes, and one far down a tall photo: the scale stays where the
  // rounded placement fits in 16 bits.
  const struct {
    double aspect, x, y, height;
  } cases[] = {{1.5, 10, 10, 1.0}, {1.5, 10, 10, 0.001}, {0.5, 0, 6000, 100}};
  for (const auto& c : cases) {
    kes::Placement q = kes::fitPhoto(c.aspect, 6735, 6735);
    kes::PhotoZoom zq;
    ASSERT_TRUE(kes::zoomIn(boxFrom(c.x, c.y, {c.y + c.height}), 6735, q, zq)) << c.height;
    EXPECT_NEAR(zq.scale, 32767.0 / 6735.0, 1e-9) << c.height;
    EXPECT_TRUE(std::max(q.width, q.height) <= 32767 && std::min(q.left, q.top) >= -32768) << c.height;
  }
}

// ---- Camber spline -----------------------------------------------------------------

using kes::CamberSpline;
using Knots = std::initializer_list<std::pair<double, double>>;
const Knots kWorked = {{500, 1000}, {1200, 720}, {2480, 1000}};

int load(CamberSpline& w, Knots knots) {
  int n = 0;
  for (const auto& [x, y] : knots)
    if (++n <= kes::kCamberKnots) w.X[n] = x, w.Y[n] = y;
  return n;
}
bool fit(CamberSpline& w, Knots knots) { return kes::FitCamberSpline(w, load(w, knots)); }

// A camber traced through the points, in order.
void trace(kes::Tracing& t, int camber, Knots points) {
  int n = 0;
  for (const auto& [x, y] : points) ++n, t.X[camber][n] = x, t.Y[camber][n] = y;
  t.count[camber] = n;
}

TEST(FitCamberSpline, WorkedCambers) {
  CamberSpline w;
  ASSERT_TRUE(fit(w, kWorked));
  EXPECT_NEAR(w.moments[2], 0.0009375, 1e-15);
  EXPECT_TRUE(w.samples == 100 && w.outX[2] == 520 && w.outX[101] == 2480);  // step 20, the last knot
  // Sample 36 lies on knot 2 yet is still taken on segment 1; the next moves on.
  EXPECT_TRUE(w.outX[36] == 1200 && w.segment[36] == 1 && w.segment[37] == 2);

  // The summed steps decide the count; the last knot follows the samples.
  for (const auto& [x1, samples] : {std::pair{0.0, 99}, {500.0, 100}}) {
    CamberSpline s;
    ASSERT_TRUE(fit(s, {{x1, 0}, {x1 + 100, 30}, {x1 + 200, 0}}));
    EXPECT_TRUE(s.samples == samples && s.outX[samples + 1] == x1 + 200) << x1;
  }

  // The segment index moves at most one a sample: x about 3.03 lies past knot 3.
  CamberSpline lag;
  ASSERT_TRUE(fit(lag, {{0, 0}, {1, 5}, {2, 8}, {300, 0}}));
  EXPECT_TRUE(lag.segment[2] == 2 && lag.segment[3] == 3);
}

TEST(FitCamberSpline, CambersThatCannotBeFittedGetNoCurve) {
  const double nan = std::nan("");
  const struct {
    const char* what;
    Knots knots;
  } cases[] = {
      {"a zero-length segment", {{0, 0}, {100, 5}, {100, 9}, {200, 0}}},
      {"first and last at one x", {{100, 0}, {200, 5}, {100, 9}}},
      {"last left of first", {{300, 0}, {200, 5}, {100, 9}}},
      {"a zero pivot", {{0, 0}, {100, 5}, {0, 9}, {200, 0}}},
      {"a step too small to move x", {{1e17, 0}, {1e17 + 16, 5}, {1e17 + 32, 0}}},
      {"not a number", {{0, 0}, {100, nan}, {200, 0}}},
      {"overflowing", {{0, -1e308}, {1e-300, 1e308}, {1, -1e308}}},
  };
  for (const auto& c : cases) {
    CamberSpline w;
    EXPECT_FALSE(fit(w, c.knots)) << c.what;
  }
  CamberSpline w;  // more knots than the workspace holds
  for (int j = 1; j <= 25; ++j) w.X[j] = j;
  EXPECT_FALSE(kes::FitCamberSpline(w, 26));
}

TEST(FitCamberSplines, TogetherEachAsAlone) {
  // Different lengths side by side, one with a zero pivot between them: each
  // fitted camber bit for bit as fitted alone.
  const Knots cambers[3] = {
      kWorked, {{0, 0}, {100, 5}, {0, 9}, {200, 0}}, {{0, 0}, {300, 40}, {100, 10}, {250, 30}, {400, 0}, {500, -3}}};
  CamberSpline together[3], alone[3];
  int n[3];
  bool fitted[3];
  for (int c = 0; c < 3; ++c) n[c] = load(together[c], cambers[c]);
  kes::FitCamberSplines(together, n, fitted, 3);
  for (int c = 0; c < 3; ++c) {
    ASSERT_TRUE(fitted[c] == (c != 1) && fit(alone[c], cambers[c]) == fitted[c]) << c;
    EXPECT_TRUE(!fitted[c] || (together[c].samples == alone[c].samples &&
                               std::equal(alone[c].outY + 1, std::end(alone[c].outY), together[c].outY + 1)))
        << c;
  }
}

// ---- Camber analysis ---------------------------------------------------------------

using Row = std::vector<std::string>;
const Row kWorkedRow{"0.0", "15.1", "46.5", "26.9", "22.7"};

struct Analysis {
  kes::Tracing t;
  kes::PhotoZoom z;
  kes::CamberCurves work;
  kes::RecordingSurface s;
  kes::ResultGrid grid;

  void trace(int camber, Knots points) { ::trace(t, camber, points); }
  // Twist, depth, position, entry, exit of one camber.
  Row row(int camber) const {
    const int k = camber - 1;
    return {grid.text[kes::kTwist][k], grid.text[kes::kDepth][k], grid.text[kes::kPosition][k],
            grid.text[kes::kEntry][k], grid.text[kes::kExit][k]};
  }
  void run() { kes::AnalyseCambers(t, z, work, s, grid); }
};

TEST(AnalyseCambers, TwistAgainstCamberOneEndsAgainstTheirOwnChord) {
  // Over a level camber 1: camber 2 rising at 45 degrees, camber 3 turned
  // clockwise on the screen by 10, camber 4 a hair below level.
  Analysis a;
  a.trace(1, {{500, 1000}, {600, 1000}, {700, 1000}});
  a.trace(2, {{500, 1100}, {600, 1000}, {700, 900}});
  const double drop = std::tan(10 * kes::AnalyserPi / 180);
  a.trace(3, {{500, 2000}, {1500, 2000 + 1000 * drop - 300}, {2500, 2000 + 2000 * drop}});
  a.trace(4, {{500, 3000}, {1500, 2800}, {2500, 3000.001}});
  a.run();
  EXPECT_EQ(a.row(1), Row(5, "0.0"));
  Row r = a.row(2);
  r[2] = "";  // the position of a straight camber means nothing
  EXPECT_EQ(r, (Row{"45.0", "0.0", "", "0.0", "0.0"}));
  EXPECT_TRUE(a.grid.text[kes::kTwist][2] == "-10.0" && a.grid.text[kes::kTwist][3] == "-0.0");
  for (int c : {2, 3})  // ends, depth and position are never signed
    for (int col : {kes::kEntry, kes::kDepth, kes::kPosition, kes::kExit})
      EXPECT_EQ(a.grid.text[col][c].find('-'), std::string::npos) << c << ' ' << col;
}

TEST(AnalyseCambers, WorkedCamberIsMeasuredAndDrawnUnmeasuredOnesKeepTheirRows) {
  Analysis a;
  for (auto& column : a.grid.text)
    for (auto& box : column) box.assign(1, '0');
  a.grid.text[kes::kDepth][1] = std::string("12.5");  // typed by hand
  a.trace(2, {{500, 1000}, {600, 900}});              // two points
  a.trace(3, {{0, 0}, {100, 50}, {100, 60}});         // a zero-length segment
  a.t.count[4] = 30;                                  // more points than a camber holds
  a.trace(5, kWorked);
  a.z = {2.0, -100.0, -50.0};
  a.run();
  for (int c = 1; c <= 4; ++c) EXPECT_EQ(a.row(c), (Row{"0", c == 2 ? "12.5" : "0", "0", "0", "0"}));
  EXPECT_EQ(a.row(5), kWorkedRow);
  // Camber 5 alone drawn: a point at sample 1, then a line to each of the 100 samples, zoomed.
  const auto& ops = a.s.ops();
  ASSERT_EQ(ops.size(), 101u);
  EXPECT_TRUE(ops[0].kind == kes::DrawOp::Point && ops[0].x1 == 900 && ops[0].y1 == 1950);
  EXPECT_EQ(ops[100].x2, -100.0 + 2 * 2480.0);
  // The deepest sample is 47, at x = 1420.
  EXPECT_EQ(std::min_element(a.work.Y[5] + 1, std::end(a.work.Y[5])) - a.work.Y[5], 47);
  EXPECT_EQ(a.work.X[5][47], 1420.0);
}

// ---- Analysis file -----------------------------------------------------------------

kes::Tracing threeCambers() {
  kes::Tracing t;
  trace(t, 1, {{1234, 2345}, {1500.5, 2000.25}, {2200.1234567, 0.5}});
  trace(t, 3, {{-0.25, 12345678}});
  trace(t, 5, {{0.000123456789, -7}, {1e20, -0.0}});
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
  // What the reader took, seen directly, not only through the writer.
  EXPECT_EQ(comment, "Main, port side  ");
  const int counts[6] = {0, 3, 0, 1, 0, 2};
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(back.count[c], counts[c]) << c;
  EXPECT_TRUE(back.X[1][2] == 1500.5 && back.Y[1][2] == 2000.25 && back.X[5][1] == 0.0001234568);
  EXPECT_EQ(back.Y[3][1], 12345680.0);
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
      {"c\n3.5\n1 2\n3 4\n5 6\n7 8\n", {4, 0, 0, 0, 0}, 1},
      {"c\nthree\n1\n2 3\n", {0, 1, 0, 0, 0}, 2},  // no number: no points
      {"c\n\n 1\n 9 9\n", {0, 1, 0, 0, 0}, 9},     // an empty count line is 0
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
