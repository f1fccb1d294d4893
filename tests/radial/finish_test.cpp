// The radial finishing pass, the closing caption, names, allowances and
// the knife path's corners and spurs.

#include <cmath>

#include "platform/recording_surface.h"
#include "radial_fixture.h"

namespace kes::test {
namespace {

const std::string kHandFile =
    "start_plot\r\n1000 0 acut\r\n1 pendown\r\n1000 500 acut\r\n1 penup\r\nend_plot\r\n";

// A hand-written file turned by -Pi/2 (Pi = 3.141593): points turn onto -y,
// rounded halves away from zero, never "-0"; only the pen-down point
// counts, and one point alone spans nothing (not its distance from the axis).
TEST(RadialFinish, TurnsAQuarterAndMeasuresTheSpanAcross) {
  RadialFinishState st;
  const RadialFinished f = FinishRadialFile(kHandFile, -Pi / 2, "2rad1", 500, 500, st);
  EXPECT_EQ(f.text, "start_plot\r\n0 -1000 acut\r\n1 pendown\r\n500 -1000 acut\r\n1 penup\r\nend_plot\r\n");
  EXPECT_NEAR(f.width, 0.0, 1e-6);
  EXPECT_EQ(f.caption, "Developing: 2rad1 at 0.00 (max=0.00)");
  EXPECT_EQ(st.WidestLabel, "0");
  EXPECT_EQ(st.ToolState, 0);
}

// Widths are spans from the lowest to the highest point under a tool, the
// widest test is strict (the first of equal widths stays), the tool carries
// over from file to file, repeated points stay.
TEST(RadialFinish, WidthRulesAndToolCarriedOver) {
  const char* below = "0 -1500 acut\r\n1 pendown\r\n0 -500 acut\r\n0 -1500 acut\r\n1 penup\r\n";
  RadialFinishState st;
  EXPECT_DOUBLE_EQ(FinishRadialFile(below, 0, "0rad1", 500, 500, st).width, 2.0);  // -3 .. -1
  const RadialFinished up = FinishRadialFile("0 1000 acut\r\n0 3000 acut\r\n", 0, "0rad2", 500, 500, st);
  EXPECT_DOUBLE_EQ(up.width, -10000.0);  // no tool down: nothing widens
  EXPECT_EQ(up.caption, "Developing: 0rad2 at -10000.00 (max=2.00)");
  FinishRadialFile(below, 0, "1rad1", 500, 500, st);  // as wide again: the first stays
  EXPECT_EQ(st.WidestLabel, "0rad1");
  // A file that ends with the pen down leaves it down for the next one.
  FinishRadialFile("1 pendown\r\n0 0 acut\r\n", 0, "1rad2", 500, 500, st);
  EXPECT_EQ(st.ToolState, 1);
  const RadialFinished c = FinishRadialFile("0 -4000 acut\r\n0 -4000 acut\r\n", 0, "1rad3", 500, 500, st);
  EXPECT_DOUBLE_EQ(c.width, 0.0);  // measured (the pen is down): one place spans nothing
  EXPECT_EQ(c.text, "0 -4000 acut\r\n0 -4000 acut\r\n");
  EXPECT_EQ(st.WidestLabel, "0rad1");
}

// The preview: the flat, unturned panel from the band's lower luff end,
// the pen in light blue, the knife in light red, moves not drawn.
TEST(RadialFinish, PreviewFromTheBandsLuffEnd) {
  RecordingSurface s;
  RadialFinishState st;
  FinishRadialFile("500 0 acut\r\n0 pendown\r\n1000 0 acut\r\n0 penup\r\n", 1.0, "x", 500, 500, st, &s, 10, 20);
  ASSERT_EQ(s.ops().size(), 2u);
  EXPECT_TRUE(s.ops()[1].kind == DrawOp::Line && s.ops()[1].x2 == 12 && s.ops()[1].colour == kLightRed);
}

TEST(RadialFinish, ClosingCaptionByUnit) {
  RadialFinishState st;
  EXPECT_EQ(WidestCaption(st, true, false, false), "Widest: Panel 0 is 0.00 inches");
  st.WidestLabel = "3rad2";
  st.WidestWidth = 9.25;
  EXPECT_EQ(WidestCaption(st, false, false, true), "Widest: Panel 3rad2 is 9.25 feet");
}

TEST(RadialNames, FileNamesLabelsAndWhatIsCleared) {
  EXPECT_EQ(RadialFileName(0, 10), "rad0_10.UC");
  EXPECT_EQ(RadialLabel(0, 10), "0rad10");
  for (const char* yes : {"rad0_1.UC", "RAD12_33.uc", "rad3_2.Uc"}) EXPECT_TRUE(IsRadialPlotFileName(yes)) << yes;
  for (const char* no : {"radar.txt", "rad1_.uc", "rad_1.uc", "rad1_2.uc.bak", "rad1_2.pic", "xrad1_2.uc", ""})
    EXPECT_FALSE(IsRadialPlotFileName(no)) << no;
}

// Boxes: seam 1, luff 2, leech 3, foot 4, head 5, radial seam 0.5.
TEST(RadialAllowances, EveryEdgeKind) {
  const RadialBoxTexts t{"1", "2", "3", "4", "5abc", ".5", {}, {}, {}, {}, {}};
  const RadialBoxes b = ReadRadialBoxes(t);
  struct Case {
    int r, n, count, bands;
    double luff, leech, head;
  } cases[] = {
      {2, 1, 3, 4, 2, 0.5, 1},  // first panel of a lower band: luff tabling, radial seam aft
      {2, 3, 3, 4, 0, 3, 1},    // last panel: the leech tabling
      {4, 1, 1, 4, 2, 3, 5},    // the top band's only panel: luff, leech and head tablings
      {6, 2, 3, 6, 0, 0.5, 5},  // top band, middle panel
  };
  for (const Case& c : cases) {
    const Allowances w = BandAllowances(b, c.r, c.n, c.count, c.bands);
    EXPECT_TRUE(w.SeamWidth == 1 && w.FootTabling == 0 && w.RadialSeamWidth == 0.5);
    EXPECT_EQ(w.LuffTabling, c.luff) << c.r << " " << c.n;
    EXPECT_EQ(w.LeechTabling, c.leech) << c.r << " " << c.n;
    EXPECT_EQ(w.HeadTabling, c.head) << c.r << " " << c.n;
  }
  EXPECT_TRUE(FanAllowances(b).FootTabling == 4 && FanAllowances(b).HeadTabling == 5);
  EXPECT_EQ(ReadRadialBoxes(RadialBoxTexts{}).seamWidth, 0);  // empty boxes read 0
}

TEST(RadialCorners, VerticalAndParallelRecords) {
  const CutRecord flat{0, 2, 0, false}, rising{1, 1, 1, false}, upright{5, 0, 0, true};
  struct Case {
    CutRecord a, b;
    double x, y;
  } cases[] = {
      {flat, rising, 2, 2},
      {flat, upright, 5, 2},  // a vertical record is the line x = its x
      {upright, rising, 5, 5},
      {flat, {7, 3, 0, false}, 7, 3},  // parallel: the later record's point
  };
  for (const Case& c : cases) {
    const Point2 p = CornerOf(c.a, c.b);
    EXPECT_NEAR(p.x, c.x, 1e-12) << c.x << " " << c.y;
    EXPECT_NEAR(p.y, c.y, 1e-12) << c.x << " " << c.y;
  }
}

// Record points of one edge past the corners either side are left out (by
// more than one plotter step, along the run); corners, single points and
// points of no point are handled as they stand.
TEST(RadialKnife, SpursPastCornersLeftOut) {
  KnifePath k;
  k.corner({0, 0});
  k.point({-0.5, 0}, PanelRecords::kUpper);    // behind the corner before
  k.point({-0.001, 0}, PanelRecords::kUpper);  // within a step: kept
  k.point({4, 0}, PanelRecords::kUpper);
  k.point({kNoPoint}, PanelRecords::kUpper);  // no point: skipped
  k.point({6, 0}, PanelRecords::kUpper);      // beyond the corner after
  k.corner({5, 0});
  k.point({9, 9}, PanelRecords::kEndRadial);  // alone: never tested
  k.corner({0, 0});
  PlotText plot(500, 500);
  k.write(plot, 0.002);
  EXPECT_EQ(plot.text(),
            "0 0 acut\r\n0 pendown\r\n-1 0 acut\r\n2000 0 acut\r\n2500 0 acut\r\n4500 4500 acut\r\n"
            "0 0 acut\r\n0 penup\r\n");
}

}  // namespace
}  // namespace kes::test
