#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "develop/crosscut_run.h"
#include "develop/panel_count.h"
#include "develop/report.h"
#include "develop_fixture.h"
#include "plot_outline.h"

namespace kes {
namespace {

using testing::crossingInside;
using testing::pathArea;
using testing::stepsOf;


// ---------------------------------------------------------------- report

TEST(Report, ThreePanelsInMillimetresByteForByte) {
  std::string text = ReportPanelHeads(), want = "Panel         Width         Area          Seaming\r\n";
  want += std::string(63, '-') + "\r\n";
  for (const char* name : {"pnl1.UC", "pnl2.UC", "pnl3.UC"}) {
    text += ReportPanelLine(name, 9.25, 96.5, 61.9, " mm");
    want += std::string(name) + "       9.3           96.5          61.9           mm\r\n";
  }
  const std::string_view lengths[5] = {" 36 ", "", "40.5", "", ""};
  text += ReportBattenTable(lengths) + ReportTotals(3, 9.75, 289.5, 185.7, " mm");
  want += "\r\nBattens       1             2             3             4             5\r\n" +
          std::string(74, '-') + "\r\n              36                          40.5" + std::string(24, ' ') +
          "\r\n\r\nWidest:       Panel 3 is 9.8 mm\r\n\r\nSail Area:    289.5 sq. mm\r\n\r\n"
          "Seam Lngth:   185.7 mm\r\n";
  EXPECT_EQ(text, want);
  // A run with nothing written: panel 0, all sums 0.
  EXPECT_EQ(allLines(ReportTotals(0, 0, 0, 0, " inches"))[1], "Widest:       Panel 0 is 0.0 inches");
}

// Long computed lengths start under their headings, a blank box stays blank
// and text that is no number is cut to its zone.
TEST(Report, BattenRowOfLongLengthsAndText) {
  const std::string_view computed[5] = {"23.5826690745694", " 24.1 ", "", "-31.0400000000001", "150000000000000000"};
  EXPECT_EQ(allLines(ReportBattenTable(computed)).at(3),
            "              23.6          24.1                        -31.0         1500000000000");
  const std::string_view text[5] = {"about twenty-four", "12", "", "", "36"};
  EXPECT_EQ(allLines(ReportBattenTable(text)).at(3), "              about twenty- 12" + std::string(40, ' ') + "36");
}

// ---------------------------------------------------------------- "?"

TEST(PanelCount, WidthLeftAfterAllowancesDividesTheLongerSide) {
  struct Case {
    const char* answer;
    double round, luff, leech;
    std::optional<std::string> text;
  } cases[] = {
      {"24", 5, 400, 380, " 26"},
      {"21", -5, 400, 380, " 23"},  // a negative round counts as 0: 400/18 + .5
      {"24", 5, 380, 400, " 26"},   // the longer leech chord is divided
      {"8", 5, 400, 380, std::nullopt},  // nothing left of the width: kept
      {"6", 5, 400, 380, std::nullopt},  // less than nothing: kept (was a count up to 33)
      {"8.0001", 5, 400, 380, std::nullopt},  // beyond 16 bits
      {"1e308", 5, 400, 380, " 0"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PanelCountForWidth(c.answer, 1.5, 1.5, c.round, c.luff, c.leech), c.text) << c.answer;
}

// ---------------------------------------------------------------- one panel, line by line

// A planar panel 10 high and 49.5 long, its leech curve (two points between
// the seam ends) 0 to 0.5 aft of the straight rung, the whole x0 along x.
void planarPanel(PanelLayout& layout, SailModel& m, double x0) {
  for (int k = 1; k <= 100; ++k) {
    layout.SeamLines[0](1, k) = layout.SeamLines[1](1, k) = x0 + (k - 1) * 0.5;
    layout.SeamLines[1](2, k) = 10;
    m.LeechCurve(1, k) = x0 + 49.5;
    m.LeechCurve(2, k) = 10 - k * 0.1;
  }
  layout.SeamLeechEnd[0] = 100;
  layout.SeamLeechEnd[1] = 97;
}

TEST(PanelFile, APlanarStripWrittenAndFinished) {
  PanelLayout layout;
  SailModel m;
  planarPanel(layout, m, 0);
  CrosscutRun run;
  const StrokeFont none;
  run.start(testing::defaultSettings(1, false, "0"), &none);
  ASSERT_EQ(run.next(), CrosscutStep::Panel);
  run.develop(m, layout, nullptr);
  run.finish(nullptr);
  const auto first = allLines(run.panel().plot.text()), temp = allLines(run.file().temp),
             done = allLines(run.file().turned);

  // The first pass: the sewing outline from the origin, U(1) three times in a
  // row and a near repeat one step off, which the finishing keeps.
  ASSERT_GT(first.size(), 800u);
  using Lines = std::vector<std::string>;
  EXPECT_EQ(Lines(first.begin(), first.begin() + 6),
            (Lines{"start_plot", "0 0 acut", "1 pendown", "0 5000 acut", "0 5000 acut", "-1 5000 acut"}));
  // The leech curve between the seam ends (points 98 and 99), then the lower edge back to the origin.
  const auto at = [&](const char* l) { return std::find(first.begin(), first.end(), l) - first.begin(); };
  EXPECT_EQ(first[at("24749 100 acut") + 1], "24749 50 acut");
  const auto penUp = at("1 penup");
  EXPECT_EQ(first[penUp - 1], "0 0 acut");
  // The single panel has its head tabling above and the foot tabling on the sail's foot.
  const auto comment = at("/* cut edge plus seam widths */"), knife = at("0 pendown");
  EXPECT_LT(penUp, comment);
  EXPECT_LT(comment, knife);  // the marks between them
  EXPECT_EQ(first[knife - 1], "0 5750 acut");  // S: on the luff line, 10 + 1.5 up
  EXPECT_EQ(Lines(first.end() - 4, first.end()), (Lines{"0 -751 acut", "0 5750 acut", "0 penup", "end_plot"}));

  // temp.txt: every exact repeat of the previous point line gone, the near repeat kept.
  EXPECT_EQ(Lines(temp.begin() + 3, temp.begin() + 5), (Lines{"0 5000 acut", "-1 5000 acut"}));
  // The finished file: the same lines, the points turned by the chord's tiny slope.
  ASSERT_EQ(done.size(), temp.size());
  for (std::size_t k = 0; k < done.size(); ++k) {
    if (!IsPointLine(temp[k])) {
      EXPECT_EQ(done[k], temp[k]);
    } else {
      const Point2 a = stepsOf(temp[k]), b = stepsOf(done[k]);
      EXPECT_NEAR(a.x, b.x, 1.01);
      EXPECT_NEAR(a.y, b.y, 1.01 + std::fabs(a.x) * 2e-5);
    }
  }
  EXPECT_EQ(run.file().caption, "Developed: Crosscut 1 at 13.00 (max=13.00)");
  EXPECT_EQ(run.accept().substr(0, 28), "pnl1.UC       13.0          ");
  EXPECT_EQ(run.next(), CrosscutStep::Done);
}

// The whole run over the default sail laid out by hand into seven panels.
struct FullRun : ::testing::Test {
  SailModel m;
  PanelLayout layout;
  CrosscutRun run;
  std::vector<CrosscutFile> files;
  std::vector<PanelResult> panels;
  std::string report;

  void go(int n, bool feet, double topLeechEnd = 1) {
    files.clear();
    panels.clear();
    recompute(testing::defaultInputs(), m);
    testing::handLayout(m, layout, n);
    layout.SeamLeechEnd[n] = topLeechEnd;
    run.start(testing::defaultSettings(n, feet), &BuiltinStrokeFont());
    report = run.heads();
    while (run.next() != CrosscutStep::Done) {
      run.develop(m, layout, nullptr);
      run.finish(nullptr);
      files.push_back(run.file());
      panels.push_back(run.panel());
      report += run.accept();
    }
    report += run.battenTable() + run.totals();
  }
};

double edgeLength(const FlatStrip& f, bool upper) {
  double sum = 0;
  for (int k = 1; k < 100; ++k) {
    const Point2 a = upper ? f.U(k) : f.L(k), b = upper ? f.U(k + 1) : f.L(k + 1);
    sum += std::hypot(b.x - a.x, b.y - a.y);
  }
  return sum;
}

TEST_F(FullRun, DefaultSailInSevenPanelsAndBothFeet) {
  go(7, true);
  ASSERT_EQ(files.size(), 9u);
  EXPECT_TRUE(files[7].name == "lensfoot.uc" && files[8].name == "twstfoot.uc");
  EXPECT_EQ(files[8].index, 1);
  int markLines = 0, plainCuts = 0;
  double sewnArea = 0;
  for (std::size_t f = 0; f < files.size(); ++f) {
    const auto l = allLines(files[f].turned);
    for (const std::string& x : l) ASSERT_TRUE(!IsPointLine(x) || testing::SoundPointLine(x)) << x;
    // The sewing outline starts at the origin after the lettering and closes on it.
    const auto start = std::find(l.begin(), l.end(), "0 0 acut") - l.begin();
    ASSERT_LT(start + 1, static_cast<long>(l.size()));
    EXPECT_EQ(l[start + 1], "1 pendown") << files[f].name;
    EXPECT_GT(start, 5) << "lettered first";
    const auto end = std::find(l.begin() + start + 2, l.end(), "1 penup") - l.begin();
    EXPECT_EQ(l[end - 1], "0 0 acut") << files[f].name;
    // The lower leech corner lies on +X once turned.
    const Point2 c = testing::turned(panels[f].strip.L(100), FileAngle(panels[f].strip));
    EXPECT_NEAR(c.y, 0, 1e-9);
    EXPECT_GT(c.x, 0);
    // The knife runs round the sewing outline (the run's cut check).
    EXPECT_EQ(files[f].fault, CutFault::None) << files[f].name;
    // And so it does when the knife path is read back from the finished file
    // alone: every point of the sewing outline lies inside it, by a
    // crossing count and, where the path fits an outline's records (a
    // plain cut), by the winding test the marks use. A lower edge without
    // allowance (the middle panels') is cut on its line, a step or two
    // either way.
    const auto down = std::find(l.begin(), l.end(), "0 pendown") - l.begin();
    const auto up = std::find(l.begin() + down, l.end(), "0 penup") - l.begin();
    ASSERT_LT(up, static_cast<long>(l.size())) << files[f].name;
    ASSERT_TRUE(IsPointLine(l[down - 1])) << files[f].name;
    std::vector<Point2> path{stepsOf(l[down - 1])};
    for (auto k = down + 1; k < up; ++k) path.push_back(stepsOf(l[k]));
    EXPECT_GT(path.size(), 8u) << files[f].name;
    CutOutline knife;
    bool fits = true;
    for (const Point2 p : path) fits = fits && AppendRecord(knife, {p.x, p.y, 0, false});
    plainCuts += fits;
    std::vector<Point2> sewing;
    for (auto k = start; k < end; ++k) {
      if (!IsPointLine(l[k])) continue;
      const Point2 p = stepsOf(l[k]), above{p.x, p.y + 3};
      sewing.push_back(p);
      EXPECT_TRUE(crossingInside(path, p) || crossingInside(path, above)) << files[f].name << " " << l[k];
      if (fits) {
        EXPECT_TRUE(InsideOutline(knife, p) || InsideOutline(knife, above)) << files[f].name << " " << l[k];
      }
    }
    EXPECT_GT(sewing.size(), 200u) << files[f].name;
    // The area the sewing outline of the file encloses, in square inches at
    // 500 steps an inch: less than the cut's with its allowances.
    const double sewn = std::fabs(pathArea(sewing)) / (500.0 * 500.0);
    EXPECT_LT(sewn, panels[f].area) << files[f].name;
    if (f < 7) sewnArea += sewn;
    EXPECT_EQ(l.back(), "end_plot");
    // Marks between the comment and the knife: none in the foot files.
    const auto comment = std::find(l.begin(), l.end(), "/* cut edge plus seam widths */");
    const int marks = static_cast<int>(std::find(comment, l.end(), "0 pendown") - comment) - 2;
    if (f < 7) markLines += marks; else EXPECT_EQ(marks, 0) << files[f].name;
  }
  // Every file is a plain cut, its knife within an outline's records: the
  // winding test ran on each.
  EXPECT_EQ(plainCuts, 9);
  // A seam shared by two panels is as long in both, within a plotter step
  // (the stored Pi bends the upper edge by a few millionths).
  for (int i = 0; i + 1 < 7; ++i)
    EXPECT_NEAR(edgeLength(panels[i].strip, true), edgeLength(panels[i + 1].strip, false), 1.0 / 500) << i;
  // Every batten's inner end and every reef point inside the sail is marked in
  // one panel or, on a seam's allowance, in both of its panels.
  EXPECT_GE(markLines, 4 * 6 + 7 * 7);  // four crosses, most of the nine diamonds
  // The report: heads, nine files, battens, totals.
  EXPECT_EQ(allLines(report).size(), 2u + 9 + 4 + 6);
  EXPECT_GT(run.totalArea(), 0.9 * m.area);
  // The seven panels' sewing outlines, read from the files, cover the sail:
  // its curved surface laid flat, no less than its plan area and, at this
  // sail's camber of a tenth of the chord, within a few per cent more
  // (4323 against 4193 sq in).
  EXPECT_GT(sewnArea, m.area);
  EXPECT_LT(sewnArea, 1.05 * m.area);
  EXPECT_EQ(run.widestCaption().rfind("Widest Panel ", 0), 0u);
}

// A panel file whose top seam's leech end is below the head (a hand-edited
// panel file holding -1) takes the leech from its first point, as one
// holding 0 does: the empty slot before point 1 drew a spike to the sail's
// origin with pen and knife.
TEST_F(FullRun, ALeechEndBelowTheHeadStartsAtTheFirstLeechPoint) {
  go(3, false, 0);
  const std::string atHead = files.at(2).turned;
  ASSERT_FALSE(atHead.empty());
  for (const double end : {-1.0, -3.0}) {
    go(3, false, end);
    EXPECT_EQ(files.at(2).turned, atHead) << end;
  }
}

TEST_F(FullRun, NoPanelsGiveAShelfFootButNoTwistFoot) {
  go(0, true);
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].name, "lensfoot.uc");
  EXPECT_EQ(allLines(report).size(), 2u + 1 + 4 + 6);
}

}  // namespace
}  // namespace kes
