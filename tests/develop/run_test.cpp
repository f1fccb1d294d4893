#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "develop/crosscut_run.h"
#include "develop/panel_count.h"
#include "develop/report.h"
#include "develop_fixture.h"
#include "common/numbers.h"
#include "platform/recording_surface.h"

namespace kes {
namespace {

Point2 pointOf(const std::string& line) {
  const PointLineParts p = SplitPointLine(line);
  return {PointLineStep(p.x), PointLineStep(p.y)};
}

// ---------------------------------------------------------------- report

TEST(Report, ThreePanelsAppendFifteenLinesInPrintZones) {
  std::string text = ReportPanelHeads();
  for (const char* name : {"pnl1.UC", "pnl2.UC", "pnl3.UC"}) text += ReportPanelLine(name, 9.25, 96.5, 61.9, " mm");
  const std::string_view lengths[5] = {" 36 ", "", "40.5", "", ""};
  text += ReportBattenTable(lengths);
  text += ReportTotals(3, 9.75, 289.5, 185.7, " mm");
  const std::vector<std::string> l = allLines(text);
  ASSERT_EQ(l.size(), 15u);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  EXPECT_EQ(l[0], "Panel         Width         Area          Seaming");
  EXPECT_EQ(l[1], std::string(63, '-'));
  EXPECT_EQ(l[3], "pnl2.UC       9.3           96.5          61.9           mm");
  EXPECT_EQ(l[5], "");
  EXPECT_EQ(l[6], "Battens       1             2             3             4             5");
  EXPECT_EQ(l[7], std::string(74, '-'));
  std::string lengthsLine = "              36                          40.5";
  lengthsLine.append(24, ' ');
  EXPECT_EQ(l[8], lengthsLine);
  EXPECT_EQ(l[8].size(), 70u);
  EXPECT_EQ(l[10], "Widest:       Panel 3 is 9.8 mm");
  EXPECT_EQ(l[12], "Sail Area:    289.5 sq. mm");
  EXPECT_EQ(l[14], "Seam Lngth:   185.7 mm");
  // A run with nothing written: panel 0, all sums 0.
  EXPECT_EQ(allLines(ReportTotals(0, 0, 0, 0, " inches"))[1], "Widest:       Panel 0 is 0.0 inches");
}

// ---------------------------------------------------------------- "?"

TEST(PanelCount, WidthLeftAfterAllowancesDividesTheLongerSide) {
  struct Case {
    const char* answer;
    double seam, foot, round, luff, leech;
    std::optional<std::string> text;
  } cases[] = {
      {"24", 1.5, 1.5, 5, 400, 380, " 26"},
      {"21", 1.5, 1.5, 5, 400, 380, " 31"},
      {"21", 1.5, 1.5, -5, 400, 380, " 23"},   // a negative round counts as 0: 400/18 + .5
      {"24", 1.5, 1.5, 5, 380, 400, " 26"},    // the longer leech chord is divided
      {"8", 1.5, 1.5, 5, 400, 380, std::nullopt},   // nothing left of the width: kept
      {"6", 1.5, 1.5, 5, 400, 380, std::nullopt},   // less than nothing: kept (was a count up to 33)
      {"abc", 1.5, 1.5, 5, 400, 380, std::nullopt},
      {"", 1.5, 1.5, 5, 400, 380, std::nullopt},
      {"8.0001", 1.5, 1.5, 5, 400, 380, std::nullopt},  // beyond 16 bits
      {"1e308", 1.5, 1.5, 5, 400, 380, " 0"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PanelCountForWidth(c.answer, c.seam, c.foot, c.round, c.luff, c.leech), c.text) << c.answer;
}

// ---------------------------------------------------------------- one panel, line by line

TEST(PanelFile, APlanarStripWrittenAndFinished) {
  PanelLayout layout;
  SailModel m;
  for (int k = 1; k <= 100; ++k) {
    layout.SeamLines[0](1, k) = layout.SeamLines[1](1, k) = (k - 1) * 0.5;
    layout.SeamLines[1](2, k) = 10;
    m.LeechCurve(1, k) = 49.5;
    m.LeechCurve(2, k) = 10 - k * 0.1;
  }
  layout.SeamLeechEnd[0] = 100;
  layout.SeamLeechEnd[1] = 97;  // two leech points between the ends
  const CrosscutSettings s = testing::defaultSettings(1, false, "0");
  CrosscutRun run;
  const StrokeFont none;
  run.start(s, &none);
  ASSERT_EQ(run.next(), CrosscutStep::Panel);
  run.develop(m, layout, nullptr);
  run.finish(nullptr);
  const auto first = allLines(run.panel().plot.text());
  const auto temp = allLines(run.file().temp);
  const auto done = allLines(run.file().turned);
  EXPECT_EQ(run.file().name, "pnl1.UC");

  // The first pass: the sewing outline from the origin, U(1) three times in a
  // row and a near repeat one step off, which the finishing keeps.
  ASSERT_GT(first.size(), 800u);
  EXPECT_EQ(first[0], "start_plot");
  EXPECT_EQ(first[1], "0 0 acut");
  EXPECT_EQ(first[2], "1 pendown");
  EXPECT_EQ(first[3], "0 5000 acut");
  EXPECT_EQ(first[4], "0 5000 acut");
  EXPECT_EQ(first[5], "-1 5000 acut");
  // The leech curve between the seam ends (points 98 and 99), then the lower edge back to the origin.
  const auto at = [&](const std::vector<std::string>& v, const std::string& l) {
    return std::find(v.begin(), v.end(), l) - v.begin();
  };
  const auto leech = at(first, "24749 100 acut");
  EXPECT_EQ(first[leech + 1], "24749 50 acut");
  const auto penUp = at(first, "1 penup");
  EXPECT_EQ(first[penUp - 1], "0 0 acut");
  // The single panel has its head tabling above and the foot tabling on the sail's foot.
  const auto comment = at(first, "/* cut edge plus seam widths */"), knife = at(first, "0 pendown");
  EXPECT_LT(penUp, comment);
  EXPECT_LT(comment, knife);  // the marks between them
  EXPECT_EQ(first[knife - 1], "0 5750 acut");  // S: on the luff line, 10 + 1.5 up
  const std::vector<std::string> tail(first.end() - 4, first.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"0 -751 acut", "0 5750 acut", "0 penup", "end_plot"}));

  // temp.txt: every exact repeat of the previous point line gone, the near repeat kept.
  // The outline writes U(2)..U(99) and L(2)..L(99) four times each: most repeats are exact.
  EXPECT_LT(temp.size(), first.size() - 550);
  EXPECT_EQ(temp[3], "0 5000 acut");
  EXPECT_EQ(temp[4], "-1 5000 acut");
  std::string prev;
  for (const std::string& l : temp) {
    if (!IsPointLine(l)) continue;
    EXPECT_NE(l, prev);
    prev = l;
  }
  // The finished file: the same lines, the points turned by the chord's tiny slope.
  ASSERT_EQ(done.size(), temp.size());
  for (std::size_t k = 0; k < done.size(); ++k) {
    if (!IsPointLine(temp[k])) {
      EXPECT_EQ(done[k], temp[k]);
    } else {
      const Point2 a = pointOf(temp[k]), b = pointOf(done[k]);
      EXPECT_NEAR(a.x, b.x, 1.01);
      EXPECT_NEAR(a.y, b.y, 1.01 + std::fabs(a.x) * 2e-5);
    }
  }
  EXPECT_EQ(done[1], "0 0 acut");
  EXPECT_EQ(run.file().caption, "Developed: Crosscut 1 at 13.00 (max=13.00)");
  EXPECT_EQ(run.widths().WidestIndex, 1);
  EXPECT_EQ(run.accept(), "pnl1.UC       13.0          " + format0_0(run.panel().area) + "         " +
                              format0_0(run.panel().seaming) + "          inches\r\n");
  EXPECT_EQ(run.next(), CrosscutStep::Done);
}

}  // namespace
}  // namespace kes

namespace kes {
namespace {

// The whole run over the default sail laid out by hand into seven panels.
struct FullRun : ::testing::Test {
  SailModel m;
  PanelLayout layout;
  CrosscutRun run;
  std::vector<CrosscutFile> files;
  std::vector<PanelResult> panels;
  std::string report;

  void go(int n, bool feet) {
    recompute(testing::defaultInputs(), m);
    testing::handLayout(m, layout, n);
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
  EXPECT_EQ(files[2].name, "pnl3.UC");
  EXPECT_EQ(files[7].name, "lensfoot.uc");
  EXPECT_EQ(files[8].name, "twstfoot.uc");
  EXPECT_EQ(files[8].index, 1);
  for (std::size_t f = 0; f < files.size(); ++f) {
    const auto l = allLines(files[f].turned);
    // The sewing outline starts at the origin after the lettering and closes on it.
    const auto start = std::find(l.begin(), l.end(), "0 0 acut") - l.begin();
    ASSERT_LT(start + 1, static_cast<long>(l.size()));
    EXPECT_EQ(l[start + 1], "1 pendown") << files[f].name;
    EXPECT_GT(start, 5) << "lettered first";
    const auto end = std::find(l.begin() + start + 2, l.end(), "1 penup") - l.begin();
    EXPECT_EQ(l[end - 1], "0 0 acut") << files[f].name;
    // The lower leech corner lies on +X once turned.
    const FlatStrip& s = panels[f].strip;
    const double a = FileAngle(s);
    const Point2 c = s.L(100);
    EXPECT_NEAR(c.x * std::sin(a) + c.y * std::cos(a), 0, 1e-9);
    EXPECT_GT(c.x * std::cos(a) - c.y * std::sin(a), 0);
    // The knife runs around every point of the sewing outline; a lower edge
    // without allowance (the middle panels') is cut on its line, a step or
    // two either way.
    CutOutline knife;
    const auto down = std::find(l.begin(), l.end(), "0 pendown") - l.begin();
    AppendRecord(knife, {pointOf(l[down - 1]).x, pointOf(l[down - 1]).y, 0, false});
    for (auto k = down + 1; l[k] != "0 penup"; ++k) AppendRecord(knife, {pointOf(l[k]).x, pointOf(l[k]).y, 0, false});
    for (auto k = start; k < end; ++k) {
      if (!IsPointLine(l[k])) continue;
      const Point2 p = pointOf(l[k]);
      EXPECT_TRUE(InsideOutline(knife, p) || InsideOutline(knife, {p.x, p.y + 3})) << files[f].name << " " << l[k];
    }
    EXPECT_EQ(l.back(), "end_plot");
  }
  // A seam shared by two panels is as long in both, within a plotter step
  // (the stored Pi bends the upper edge by a few millionths).
  for (int i = 0; i + 1 < 7; ++i)
    EXPECT_NEAR(edgeLength(panels[i].strip, true), edgeLength(panels[i + 1].strip, false), 1.0 / 500) << i;
  // Marks only in the layout's panels: the foot files go straight from the comment to the knife.
  for (std::size_t f : {7u, 8u}) {
    const auto l = allLines(files[f].turned);
    const auto c = std::find(l.begin(), l.end(), "/* cut edge plus seam widths */");
    EXPECT_EQ(*(c + 2), "0 pendown");
  }
  // Every batten's inner end and every reef point inside the sail is marked in
  // one panel or, on a seam's allowance, in both of its panels.
  int markLines = 0;
  for (std::size_t f = 0; f < 7; ++f) {
    const auto l = allLines(files[f].turned);
    const auto c = std::find(l.begin(), l.end(), "/* cut edge plus seam widths */");
    const auto d = std::find(c, l.end(), "0 pendown");
    markLines += static_cast<int>(d - c) - 2;
  }
  EXPECT_GE(markLines, 4 * 6 + 7 * 7);  // four crosses, most of the nine diamonds
  // The report: heads, nine files, battens, totals.
  EXPECT_EQ(allLines(report).size(), 2u + 9 + 4 + 6);
  EXPECT_NE(report.find("lensfoot.uc"), std::string::npos);
  EXPECT_GT(run.totalArea(), 0.9 * m.area);
  EXPECT_EQ(run.widestCaption().rfind("Widest Panel ", 0), 0u);
}

TEST_F(FullRun, NoPanelsGiveAShelfFootButNoTwistFoot) {
  go(0, true);
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].name, "lensfoot.uc");
  EXPECT_EQ(allLines(report).size(), 2u + 1 + 4 + 6);
}

TEST_F(FullRun, ThirtyThreePanelsEveryPointAWholeNumberOfSteps) {
  go(33, true);
  ASSERT_EQ(files.size(), 35u);
  for (const CrosscutFile& f : files) {
    for (const std::string& l : allLines(f.turned)) {
      if (!IsPointLine(l)) continue;
      const PointLineParts p = SplitPointLine(l);
      ASSERT_EQ(p.tail, " acut");
      ASSERT_EQ(parseStrict(p.x).ok && parseStrict(p.y).ok, true) << l;
      ASSERT_EQ(l.find("-0 "), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace kes
