// Every crosscut plot file of many random sails, at every panel count, can
// be cut: its knife closed round its sewing outline, never far off it, the
// panel turned with its lower leech corner on +X and no wider than the sail.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "default_sail.h"
#include "develop/crosscut_run.h"
#include "develop/cut_check.h"
#include "develop_fixture.h"
#include "layout/crosscut.h"
#include "model/sail_fixture.h"
#include "random_sail.h"

namespace kes {
namespace {

// Fewer sails under the sanitizers: the same stream, a shorter run.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kRandomSails = 4;
#else
constexpr int kRandomSails = 36;
#endif

constexpr unsigned kSeed = 20240611;

// Entry and exit at any angle the Mold frame allows, sections up to 20 %
// deep with the draft at 30 to 55 %. Deeper, or with the draft further
// forward or aft, the mold's section spline can overshoot between its
// close knots at the luff and the wide span to the draft: the section hooks
// back or loops, the sail's surface folds and its panels cannot be laid
// flat (see FoldedSurface below).
constexpr testing::MoldRange kWideMold{{0, 45}, {0, 20}, {30, 55}, {0, 45}};

using testing::mainSail;
using testing::randomSail;
using Sail = testing::RandomSail;

CrosscutSettings settingsFor(const Sail& s, int n) {
  CrosscutSettings c = testing::defaultSettings(n);
  c.seamWidth = s.seam;
  c.luffTabling = s.luff;
  c.leechTabling = s.leech;
  c.footTabling = s.foot;
  c.headTabling = s.head;
  c.shelfFoot = s.shelfFoot;
  c.twistFoot = s.twistFoot;
  c.units = SetPlotUnits(500, 500, s.millimeters, s.feet);
  if (s.ownMarks) {
    std::string_view pos[5], len[5], ang[5], reefN[2], reefP[2];
    for (int b = 0; b < 5; ++b) pos[b] = s.batPos[b], len[b] = s.batLngth[b], ang[b] = s.batAngl[b];
    for (int r = 0; r < 2; ++r) reefN[r] = s.numReef[r], reefP[r] = s.reefPos[r];
    c.marks = ReadMarkSetUp(pos, len, ang, reefN, reefP);
    for (int b = 0; b < 5; ++b) c.batLngth[b] = s.batLngth[b];
  }
  return c;
}

// Every file of every panel count 1..33 of one sail; each unsound file
// named in `faults`. False when the model makes no sail of the inputs.
bool developEveryCount(const Sail& s, const std::string& what, std::vector<std::string>& faults) {
  SailModel m = testing::computed(s.in);
  if (testing::firstNonFinite(m) >= 0 || !(m.ClewX > 0)) return false;  // no sail to lay out
  const double size = m.LuffLength + m.FootLength + m.HeadWidth;
  static PanelLayout L;
  for (int n = 1; n <= PanelLayout::kMaxPanels; ++n) {
    L = PanelLayout{};
    L.PanelCount = n;
    defaultSeamEnds(m, L, n, true);
    buildSeamLines(m, L);
    CrosscutRun run;
    run.start(settingsFor(s, n), nullptr);
    while (run.next() != CrosscutStep::Done) {
      if (run.next() == CrosscutStep::TwistFoot) buildSeamLines(m, L);
      run.develop(m, L, nullptr);
      run.finish(nullptr);
      const CrosscutFile& f = run.file();
      const std::string where = what + " n=" + std::to_string(n) + " " + f.name;
      if (f.fault != CutFault::None) faults.push_back(where + " fault " + std::to_string(static_cast<int>(f.fault)));
      // The finishing turn lays the lower-edge chord on +X, from the origin.
      const FlatStrip& strip = run.panel().strip;
      const double a = FileAngle(strip);
      const Point2 L100 = strip.L(100);
      if (!(L100.x * std::cos(a) - L100.y * std::sin(a) > 0)) faults.push_back(where + " on -X");
      if (!(run.widths().width() <= size)) faults.push_back(where + " wider than the sail");
      run.accept();
    }
  }
  return true;
}

TEST(CutProperty, EveryCrosscutFileOfRandomSailsCanBeCut) {
  std::vector<std::string> faults;
  developEveryCount(mainSail(100, 10, 110, 50, 4, 12, 0), "default", faults);
  std::mt19937 rng(kSeed);
  int developed = 0;
  for (int i = 0; i < kRandomSails; ++i) {
    const Sail s = randomSail(rng, kWideMold);
    // Named by its unit, luff, head width, head angle and twist.
    char name[120];
    std::snprintf(name, sizeof name, "sail %d (unit %d, luff %.1f, head %.1f at %.0f deg, twist %.1f)", i,
                  static_cast<int>(s.in.unit), s.in.text[1], s.in.text[2], s.in.text[5], s.in.text[14]);
    if (developEveryCount(s, name, faults)) ++developed;
  }
  for (const std::string& f : faults) ADD_FAILURE() << f;
  EXPECT_GE(developed, kRandomSails * 9 / 10);
}

// ---------------------------------------------------------------- the named sails

struct Developed {
  std::string widest;
  double width[36] = {};  // by file: panels 1..n, then shelf foot, twist foot
  CutFault fault[36] = {};
  double cornerX[36] = {};  // the lower leech corner's X after the turn
};

Developed develop(const Sail& s, int n) {
  SailModel m = testing::computed(s.in);
  static PanelLayout L;
  L = PanelLayout{};
  L.PanelCount = n;
  defaultSeamEnds(m, L, n, true);
  buildSeamLines(m, L);
  CrosscutSettings c = settingsFor(s, n);
  Developed d;
  CrosscutRun run;
  run.start(c, nullptr);
  for (int k = 1; run.next() != CrosscutStep::Done; ++k) {
    if (run.next() == CrosscutStep::TwistFoot) buildSeamLines(m, L);
    run.develop(m, L, nullptr);
    run.finish(nullptr);
    const FlatStrip& strip = run.panel().strip;
    const double a = FileAngle(strip);
    d.width[k] = run.widths().width();
    d.fault[k] = run.file().fault;
    d.cornerX[k] = strip.L(100).x * std::cos(a) - strip.L(100).y * std::sin(a);
    run.accept();
  }
  d.widest = run.widestCaption();
  return d;
}

TEST(WedgePanels, DefaultSailIn33PanelsLiesFlatAlongX) {
  const Developed d = develop(mainSail(100, 10, 110, 50, 4, 12, 0), 33);
  // Was "Widest Panel 33 is 59657.43 inches", pnl2 to pnl4 turned onto -X.
  EXPECT_EQ(d.widest, "Widest Panel 1 is 10.98 inches");
  for (int k = 1; k <= 35; ++k) {
    EXPECT_EQ(d.fault[k], CutFault::None) << k;
    EXPECT_GT(d.cornerX[k], 0) << k;
  }
}

TEST(WedgePanels, SeamsMeetingAtTheTackOfABigMain) {
  const Sail big = mainSail(400, 8, 420, 150, 6, 20, 0);
  // 9 panels: seam 1 starts at the tack, the twist foot's rung is 0.0004 in.
  const Developed nine = develop(big, 9);
  EXPECT_EQ(nine.fault[11], CutFault::None);
  EXPECT_GT(nine.cornerX[11], 0);
  // 18 panels: pnl2 between two seams from the tack (a rung of 0) was laid
  // upside down and 40.5 in wide.
  const Developed eighteen = develop(big, 18);
  EXPECT_EQ(eighteen.fault[2], CutFault::None);
  EXPECT_GT(eighteen.cornerX[2], 0);
  EXPECT_NEAR(eighteen.width[2], 23.3, 0.05);
}

}  // namespace
}  // namespace kes

namespace kes {
namespace {

// A 44 ft main with an 18 ft gaff head, much twisted, in one panel: the
// whole leech turned into the flat frame about the clew came 0.1 ft short
// of the head's flat corner and the cut ran across the head's sewing line
// near that corner.
TEST(SinglePanel, ATwistedGaffMainInFeetIsCutRoundItsHead) {
  for (const double twist : {12.0, 18.0, 24.0}) {
    Sail s = mainSail(528, 220, std::hypot(528.0, 300.0), 300, 4, 12, 2);
    s.in.text[5] = 130;
    s.in.text[14] = twist;
    const Developed d = develop(s, 1);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(d.fault[k], CutFault::None) << twist << " file " << k;
  }
}

// A 5.8 m main with a 2.4 m gaff head raised to 150, 165 and 176 degrees,
// in millimetres, sewn with no luff or leech tabling: the top panel's knife
// ran straight from its upper leech corner to the first point of the
// hollow leech and cut across the sewing corner.
TEST(WideHeads, SteepGaffHeadsAreCutRoundTheirTopPanels) {
  for (const double angle : {150.0, 165.0, 176.0}) {
    for (const int n : {5, 8, 12}) {
      Sail s = mainSail(228.5, 94, 248.6, 97.2, 7.4, 16.1, 1);
      s.in.text[5] = angle;
      s.seam = "50.9";
      s.head = "16.2";
      s.luff = std::string(1, '0');
      s.leech = s.foot = s.luff;
      const Developed d = develop(s, n);
      for (int k = 1; k <= n; ++k) EXPECT_EQ(d.fault[k], CutFault::None) << angle << " deg, " << n << " panels, file " << k;
    }
  }
}

// A small main of 8.5 ft with a 1.4 ft head, twisted 20 degrees, in one
// panel, in feet: its shelf foot lies flat as a crescent curling round, and
// a knife that ran on along one axis dropped the far side of its edges.
TEST(SinglePanel, AShelfFootLaidInACrescentIsCutRoundIt) {
  Sail s = mainSail(101.525, 16.307, std::hypot(101.525, 31.585), 31.585, 4, 12, 2);
  s.in.text[5] = 108.18;
  s.in.text[14] = 20.26;
  const Developed d = develop(s, 1);
  EXPECT_EQ(d.fault[2], CutFault::None);  // lensfoot.uc
  for (const int k : {1, 3}) EXPECT_EQ(d.fault[k], CutFault::None) << k;
}

// A 43 ft main with a 29 ft foot in feet, sewn without seam allowance: the
// shelf foot's lens stands 0.003 ft apart at the tack, a luff rung too
// short to set the panel's frame, so its lower edge is laid square to it
// and the upper edge's first point lands 0.001 ft behind the rung. The
// knife ran up the luff line inside that point and the lens was refused at
// every panel count.
TEST(ShelfFoot, ALensWithoutAllowanceIsCutRoundItsTack) {
  Sail s = mainSail(515.25, 79.07, 631.95, 348.35, 8.42, 13.44, 2);
  s.seam = std::string(1, '0');
  for (const int n : {1, 9, 33}) {
    const Developed d = develop(s, n);
    for (int k = 1; k <= n + 2; ++k) EXPECT_EQ(d.fault[k], CutFault::None) << n << " panels, file " << k;
  }
}

// A gaff head of 40 % of the luff: at 33 panels the top seams leave the
// luff at its head and the top panel is a sliver under the head whose luff
// rung lies along it; it was laid flat running back and turned with its
// lower leech corner onto -X.
TEST(WideHeads, TheSliverUnderAWideHeadIsTurnedOntoPlusX) {
  Sail s = mainSail(181, 73, std::hypot(181.0, 80.0), 80, 4, 12, 1);
  s.in.text[5] = 103;
  const Developed d = develop(s, 33);
  for (int k = 1; k <= 35; ++k) {
    EXPECT_GT(d.cornerX[k], 0) << k;
    EXPECT_EQ(d.fault[k], CutFault::None) << k;
  }
}

// A 197.6 in main with a 47.7 in gaff at 103 degrees, its top station
// 26.9 % deep with the draft at 28.7 % (a mold from the whole range of the
// Mold frame's bars): the chord sections near the head hook back at the luff
// (the seam line's points run back towards the luff), so the top panel's
// sewing outline crosses itself and no knife can go round it. It is
// refused, never written with a knife across it.
TEST(FoldedSurface, ATopPanelOverAHookedSectionIsRefused) {
  std::mt19937 rng(kSeed);
  Sail s;
  for (int i = 0; i <= 35; ++i) s = randomSail(rng, testing::kMoldBars);
  ASSERT_NEAR(s.in.text[1], 197.6, 0.05);
  SailModel m = testing::computed(s.in);
  static PanelLayout L;
  L = PanelLayout{};
  L.PanelCount = 29;
  defaultSeamEnds(m, L, 29, true);
  buildSeamLines(m, L);
  EXPECT_LT(L.SeamLines[28](1, 4), L.SeamLines[28](1, 3));  // the hook
  EXPECT_EQ(develop(s, 29).fault[29], CutFault::OutlineOutside);
}

TEST(CutCheck, AHugeSeamWidthIsRefusedNotDroppedSilently) {
  Sail s = mainSail(100, 10, 110, 50, 4, 12, 0);
  s.seam = "1e9";
  const Developed d = develop(s, 7);
  for (int k = 1; k <= 6; ++k) EXPECT_NE(d.fault[k], CutFault::None) << k;
  EXPECT_EQ(d.fault[7], CutFault::None);  // the top panel has no seam allowance
}

// A lens of 1 ft radius in 7.2 degree steps, its straight top sewn with
// 0.1 ft, its curved foot with none: the knife runs through the midpoints
// of the foot's segments and cuts 0.004 ft off each bend point, which the
// feet's tolerance of 0.0015 ft refused. A foot point pushed out into a
// spike of 0.2 ft is still refused.
TEST(CutCheck, AKnifeThroughTheMidpointsOfACurvedEdgeIsSound) {
  const double pi = std::acos(-1.0);
  const auto check = [&](double pushOut) {
    PlotText p(6000, 6000);
    p.line(kPlotStart);
    std::vector<Point2> foot;
    for (int k = 0; k <= 25; ++k) foot.push_back({std::cos(pi + k * pi / 25), std::sin(pi + k * pi / 25)});
    foot[12].y -= pushOut;
    p.point(-1, 0);
    p.line(kPenDown);
    for (const Point2 q : foot) p.point(q.x, q.y);
    p.point(-1, 0);
    p.line(kPenUp);
    const std::size_t to = p.text().size();
    p.point(-1.1, 0.1);
    p.line(kKnifeDown);
    p.point(1.1, 0.1);
    p.point(1.1, 0);
    for (int k = 25; k >= 1; --k)
      p.point((foot[k].x + foot[k - 1].x) / 2, (foot[k].y + foot[k - 1].y) / 2);
    p.point(-1.1, 0);
    p.point(-1.1, 0.1);
    p.line(kKnifeUp);
    return CheckCut(p, {0, to}, 0.1);
  };
  EXPECT_EQ(check(0), CutFault::None);
  EXPECT_EQ(check(0.2), CutFault::OutlineOutside);
}

TEST(CutCheck, EachKindOfBadKnifeIsNamed) {
  const auto check = [](const char* knife) {
    PlotText p(1, 1);
    p.line(kPlotStart);
    p.point(0, 0);
    p.line(kPenDown);
    for (Point2 q : {Point2{10, 0}, Point2{10, 10}, Point2{0, 10}, Point2{0, 0}}) p.point(q.x, q.y);
    p.line(kPenUp);
    const std::size_t to = p.text().size();
    p.line(knife);
    return CheckCut(p, {0, to}, 1);
  };
  EXPECT_EQ(check("-1 -1 acut\r\n0 pendown\r\n11 -1 acut\r\n11 11 acut\r\n-1 11 acut\r\n-1 -1 acut\r\n0 penup"),
            CutFault::None);
  EXPECT_EQ(check("-1 -1 acut\r\n0 pendown\r\n0 penup"), CutFault::NoKnife);
  EXPECT_EQ(check("-1 -1 acut\r\n0 pendown\r\n11 -1 acut\r\n11 11 acut\r\n-1 11 acut\r\n0 penup"), CutFault::Open);
  EXPECT_EQ(check("-1 -1 acut\r\n0 pendown\r\n11 -1 acut\r\n5 5 acut\r\n-1 11 acut\r\n-1 -1 acut\r\n0 penup"),
            CutFault::OutlineOutside);
  EXPECT_EQ(check("-1 -1 acut\r\n0 pendown\r\n11 -1 acut\r\n40 5 acut\r\n11 11 acut\r\n-1 11 acut\r\n-1 -1 acut\r\n0 penup"),
            CutFault::KnifeFarOff);
}

}  // namespace
}  // namespace kes
