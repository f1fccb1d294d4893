// Every crosscut plot file of many random sails, at every panel count, can
// be cut: its knife closed round its sewing outline, never far off it, the
// panel turned with its lower leech corner on +X and no wider than the sail.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "default_sail.h"
#include "develop/crosscut_run.h"
#include "develop/cut_check.h"
#include "develop_fixture.h"
#include "layout/crosscut.h"
#include "model/sail_fixture.h"

namespace kes {
namespace {

// Fewer sails under the sanitizers: the same seed, a shorter run.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kRandomSails = 2;
#else
constexpr int kRandomSails = 4;
#endif

constexpr unsigned kSeed = 20240611;

struct Sail {
  SailInputs in;
  bool millimeters = false, feet = false;
  std::string seam = "1.5", luff = "1.5", leech = "1.5", foot = "1.5", head = "1.5";
};

// A main of the given size in inches, turned into the chosen unit.
Sail mainSail(double luff, double head, double leech, double foot, double round, double roach, int unit) {
  Sail s;
  s.in = testing::defaultInputs();
  const double k = unit == 1 ? 25.4 : unit == 2 ? 1 / 12.0 : 1;
  s.millimeters = unit == 1;
  s.feet = unit == 2;
  s.in.unit = unit == 1 ? Unit::Millimeters : unit == 2 ? Unit::Feet : Unit::Inches;
  const double lengths[][2] = {{1, luff}, {2, head}, {3, leech}, {4, foot}, {10, round}, {12, roach}};
  for (const auto& [i, v] : lengths) s.in.text[static_cast<int>(i)] = v * k;
  for (int i : {6, 8}) s.in.text[i] *= k;
  for (std::string* a : {&s.seam, &s.luff, &s.leech, &s.foot, &s.head})
    *a = std::to_string(std::stod(*a) * k);
  return s;
}

Sail randomSail(std::mt19937& rng) {
  std::uniform_real_distribution<double> u(0, 1);
  const double luff = 40 + 560 * u(rng);
  const bool wide = u(rng) < 0.3;
  const double head = wide ? luff * (0.06 + 0.06 * u(rng)) : 0.5 + luff * 0.04 * u(rng);
  const double foot = luff * (0.25 + 0.45 * u(rng));
  const double leech = std::hypot(luff, foot) * (0.9 + 0.15 * u(rng));
  Sail s = mainSail(luff, head, leech, foot, foot * 0.08 * u(rng), luff * 0.08 * u(rng),
                    static_cast<int>(u(rng) * 3));
  s.in.text[5] = 90 + 50 * u(rng);                                  // head/luff angle
  s.in.text[6] = (u(rng) - 0.3) * luff * 0.03;                      // aft bend
  s.in.text[8] = (u(rng) - 0.5) * luff * 0.03;                      // side bend
  s.in.text[14] = 12 * u(rng);                                      // twist
  for (int st = 0; st < 6; ++st) s.in.dep[st] = 4 + 8 * u(rng);
  for (int b = 0; b < 4; ++b) s.in.batten[b] = readBattenRow(std::to_string(20 + 20 * b), std::to_string(luff * 0.1));
  return s;
}

CrosscutSettings settingsFor(const Sail& s, int n, std::mt19937& rng) {
  CrosscutSettings c = testing::defaultSettings(n);
  c.seamWidth = s.seam;
  c.luffTabling = s.luff;
  c.leechTabling = s.leech;
  c.footTabling = s.foot;
  c.headTabling = s.head;
  c.shelfFoot = c.twistFoot = true;
  c.units = SetPlotUnits(500, 500, s.millimeters, s.feet);
  if (rng() % 2 == 0) {  // and some without marks
    const std::string_view none[5] = {};
    c.marks = ReadMarkSetUp(none, none, none, none, none);
  }
  return c;
}

// Every file of every panel count 1..33 of one sail; failures named.
void developEveryCount(const Sail& s, std::mt19937& rng, const std::string& what) {
  SailModel m = testing::computed(s.in);
  if (testing::firstNonFinite(m) >= 0 || !(m.ClewX > 0)) return;  // no sail to lay out
  const double size = m.LuffLength + m.FootLength + m.HeadWidth;
  static PanelLayout L;
  for (int n = 1; n <= PanelLayout::kMaxPanels; ++n) {
    L = PanelLayout{};
    L.PanelCount = n;
    defaultSeamEnds(m, L, n, true);
    buildSeamLines(m, L);
    CrosscutRun run;
    run.start(settingsFor(s, n, rng), nullptr);
    while (run.next() != CrosscutStep::Done) {
      if (run.next() == CrosscutStep::TwistFoot) buildSeamLines(m, L);
      run.develop(m, L, nullptr);
      run.finish(nullptr);
      const CrosscutFile& f = run.file();
      const std::string where = what + " n=" + std::to_string(n) + " " + f.name;
      ASSERT_EQ(f.fault, CutFault::None) << where;
      // The finishing turn lays the lower-edge chord on +X, from the origin.
      const FlatStrip& strip = run.panel().strip;
      const double a = FileAngle(strip);
      const Point2 L100 = strip.L(100);
      ASSERT_GT(L100.x * std::cos(a) - L100.y * std::sin(a), 0) << where;
      ASSERT_LE(run.widths().width(), size) << where;
      run.accept();
    }
  }
}

TEST(CutProperty, EveryCrosscutFileOfRandomSailsCanBeCut) {
  std::mt19937 first(kSeed);
  developEveryCount(mainSail(100, 10, 110, 50, 4, 12, 0), first, "default");
  for (int i = 0; i < kRandomSails; ++i) {
    std::mt19937 rng(kSeed + i);  // each sail repeats on its own
    const Sail s = randomSail(rng);
    developEveryCount(s, rng, "sail " + std::to_string(i));
    if (HasFatalFailure()) return;
  }
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
  std::mt19937 rng(1);
  CrosscutSettings c = settingsFor(s, n, rng);
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
