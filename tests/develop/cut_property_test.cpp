// Every crosscut plot file of many random sails, at every panel count, can
// be cut: its knife closed round its sewing outline, never far off it, the
// panel turned with its lower leech corner on +X and no wider than the sail.
// Named sails (much twist, wide heads, seams from the tack) likewise. Beside
// the run's own cut check, each accepted file is read back alone: its knife
// holds every sewing point and encloses more than the outline does.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "develop/cut_check.h"
#include "develop_fixture.h"
#include "model/sail_fixture.h"
#include "plot_outline.h"
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

// What is wrong with the knife of an accepted file read back from the
// finished file alone (its sewing outline from the origin, after any
// lettering); empty when it holds the outline.
std::string knifeRoundOutline(const CrosscutRun& run) {
  return testing::knifeFault(testing::readPaths(run.file().turned, "0 0 acut"));
}

// Every file of every panel count 1..33 of one sail; each unsound file
// named in `faults`. False when the model makes no sail of the inputs.
bool developEveryCount(const Sail& s, const std::string& what, std::vector<std::string>& faults) {
  SailModel m = testing::computed(s.in);
  if (testing::firstNonFinite(m) >= 0 || !(m.ClewX > 0)) return false;  // no sail to lay out
  const double size = m.LuffLength + m.FootLength + m.HeadWidth;
  for (int n = 1; n <= PanelLayout::kMaxPanels; ++n)
    testing::developFiles(m, testing::settingsFor(s, n), n, [&](const CrosscutRun& run) {
      const std::string where = what + " n=" + std::to_string(n) + " " + run.file().name;
      if (run.file().fault != CutFault::None)
        faults.push_back(where + " fault " + std::to_string(static_cast<int>(run.file().fault)));
      else if (const std::string knife = knifeRoundOutline(run); !knife.empty())
        faults.push_back(where + " read back: " + knife);
      // The finishing turn lays the lower-edge chord on +X, from the origin.
      const FlatStrip& f = run.panel().strip;
      if (!(testing::turned(f.L(100), FileAngle(f)).x > 0)) faults.push_back(where + " on -X");
      if (!(run.widths().width() <= size)) faults.push_back(where + " wider than the sail");
    });
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

// One developed file: its fault and width, and where the finishing turn takes it.
struct File {
  std::string name;
  CutFault fault = CutFault::None;
  double width = 0;
  Point2 lowerLeech, upperLeech;  // the flat leech corners after the turn
  double letters = 0;             // the lettering's angle after the turn
  double rightmost = -1e300;      // the largest X written in the finished file
  std::string knife;              // an accepted file's knife read back: what is wrong, empty when sound
};

struct Developed {
  std::string widest;
  std::vector<File> file = std::vector<File>(1);  // from 1: panels 1..n, then shelf foot, twist foot
};

Developed develop(const Sail& s, int n) {
  SailModel m = testing::computed(s.in);
  const CrosscutSettings c = testing::settingsFor(s, n);
  Developed d;
  d.widest = testing::developFiles(m, c, n, [&](const CrosscutRun& run) {
    const FlatStrip& f = run.panel().strip;
    const double a = FileAngle(f);
    File t{run.file().name, run.file().fault, run.widths().width(), testing::turned(f.L(100), a),
           testing::turned(f.U(100), a), run.panel().letterAngle + a, -1e300,
           run.file().fault == CutFault::None ? knifeRoundOutline(run) : ""};
    for (const std::string& line : allLines(run.file().turned))
      if (IsPointLine(line)) t.rightmost = std::max(t.rightmost, PointLineStep(SplitPointLine(line).x) / c.units.PlotScaleX);
    d.file.push_back(t);
  });
  return d;
}

TEST(WedgePanels, DefaultSailIn33PanelsLiesFlatAlongX) {
  const Developed d = develop(mainSail(100, 10, 110, 50, 4, 12, 0), 33);
  // Was "Widest Panel 33 is 59657.43 inches", pnl2 to pnl4 turned onto -X.
  // (Its files are cut and lie on +X: the property test's first sail.)
  EXPECT_EQ(d.widest, "Widest Panel 1 is 10.98 inches");
}

// 18 panels of a big main: pnl2 between two seams from the tack (a rung of
// 0) was laid upside down (see NamedSails) and 40.5 in wide.
TEST(WedgePanels, SeamsMeetingAtTheTackOfABigMain) {
  EXPECT_NEAR(develop(mainSail(400, 8, 420, 150, 6, 20, 0), 18).file[2].width, 23.3, 0.05);
}

// Named sails whose files were refused, or laid onto -X, before their mends:
// each file of each sail at each count is cut (and, where marked, lies on +X).
TEST(NamedSails, EveryFileIsCutRoundItsOutline) {
  struct Case {
    std::string what;
    Sail s;
    std::vector<int> counts;
    bool panelsOnly = false, onPlusX = false;  // the foot files left out; the lower leech corner on +X
    int curled = 0;  // a file whose sewing outline curls over itself: its knife, read back, loops too
  };
  std::vector<Case> cases;
  // A big main whose seams meet at the tack: at 9 panels seam 1 starts at the
  // tack and the twist foot's rung is 0.0004 in; at 18 pnl2 lies between two
  // seams from the tack, a rung of 0.
  cases.push_back({"big main", mainSail(400, 8, 420, 150, 6, 20, 0), {9, 18}, false, true});
  // A 44 ft main with an 18 ft gaff head, much twisted, in one panel: the
  // whole leech turned into the flat frame about the clew came 0.1 ft short
  // of the head's flat corner and the cut ran across the head's sewing line
  // near that corner.
  for (const double twist : {12.0, 18.0, 24.0})
    cases.push_back({"twisted gaff " + std::to_string(twist), testing::gaffMain(twist), {1}});
  // A 5.8 m main with a 2.4 m gaff head raised to 150, 165 and 176 degrees,
  // in millimetres, sewn with no luff or leech tabling: the top panel's knife
  // ran straight from its upper leech corner to the first point of the
  // hollow leech and cut across the sewing corner.
  for (const double angle : {150.0, 165.0, 176.0}) {
    Sail s = mainSail(228.5, 94, 248.6, 97.2, 7.4, 16.1, 1);
    s.in.text[5] = angle;
    s.seam = "50.9", s.head = "16.2";
    s.luff = s.leech = s.foot = std::string(1, '0');
    cases.push_back({"steep gaff " + std::to_string(angle), s, {5, 8, 12}, true});
  }
  // A small main of 8.5 ft with a 1.4 ft head, twisted 20 degrees, in one
  // panel, in feet: its shelf foot (file 2) lies flat as a crescent curling
  // round, and a knife that ran on along one axis dropped the far side of its
  // edges. Its outline curls over itself, and so does the knife round it.
  Sail crescent = mainSail(101.525, 16.307, std::hypot(101.525, 31.585), 31.585, 4, 12, 2);
  crescent.in.text[5] = 108.18, crescent.in.text[14] = 20.26;
  cases.push_back({"crescent", crescent, {1}, false, false, 2});
  // A 43 ft main with a 29 ft foot in feet, sewn without seam allowance: the
  // shelf foot's lens stands 0.003 ft apart at the tack, a luff rung too
  // short to set the panel's frame, so its lower edge is laid square to it
  // and the upper edge's first point lands 0.001 ft behind the rung. The
  // knife ran up the luff line inside that point and the lens was refused at
  // every panel count.
  Sail lens = mainSail(515.25, 79.07, 631.95, 348.35, 8.42, 13.44, 2);
  lens.seam = std::string(1, '0');
  cases.push_back({"lens", lens, {1, 9, 33}});
  // A gaff head of 40 % of the luff: at 33 panels the top seams leave the
  // luff at its head and the top panel is a sliver under the head whose luff
  // rung lies along it; it was laid flat running back and turned with its
  // lower leech corner onto -X.
  Sail sliver = mainSail(181, 73, std::hypot(181.0, 80.0), 80, 4, 12, 1);
  sliver.in.text[5] = 103;
  cases.push_back({"sliver", sliver, {33}, false, true});
  // The default sail twisted 20 degrees, only its head sewn with an
  // allowance: the top panel's leech rung stands out of the sail's plane, so
  // the leech seen in plan stops short of the flat upper leech corner; the
  // knife then ran from that corner straight to the first leech point, inside
  // the sewing corner, and the top panel was refused.
  Sail twisted;
  twisted.in = testing::defaultInputs();
  twisted.in.text[14] = 20;
  twisted.seam = twisted.luff = twisted.leech = twisted.foot = std::string(1, '0');
  cases.push_back({"twisted default", twisted, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, false, true});
  for (const Case& c : cases)
    for (const int n : c.counts) {
      const Developed d = develop(c.s, n);
      for (int k = 1; k <= (c.panelsOnly ? n : n + 2); ++k) {
        EXPECT_EQ(d.file.at(k).fault, CutFault::None) << c.what << ", " << n << " panels, file " << k;
        const std::string& knife = d.file.at(k).knife;
        EXPECT_TRUE(knife.empty() || (k == c.curled && knife.rfind(testing::kKnifeLoops, 0) == 0))
            << c.what << ", " << n << " panels, file " << k << ": " << knife;
        if (c.onPlusX) {
          EXPECT_GT(d.file.at(k).lowerLeech.x, 0) << c.what << ", " << n << " panels, file " << k;
        }
      }
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
  const PanelLayout& L = testing::defaultLayout(m, 29);
  EXPECT_LT(L.SeamLines[28](1, 4), L.SeamLines[28](1, 3));  // the hook
  EXPECT_EQ(develop(s, 29).file[29].fault, CutFault::OutlineOutside);
}

// Two seams meeting at the tack: the bottom panel's (or the twist foot's)
// luff rung is a short stretch along the foot, from the foot's tack end a
// hair fore of the luff's, so the flat panel lies along y with its lower
// edge bending back over the luff. The turn by -atan of the chord's slope
// laid such a panel onto -X, upside down; it now lies along +X, its upper
// edge above the lower one and its lettering along +X.
TEST(TwistedSails, BottomPanelsBetweenSeamsFromTheTackTurnOntoPlusX) {
  // The default sail with a 60 in foot and 17 degrees of twist, 10 panels:
  // the twist foot.
  Sail longFoot, gaff;
  longFoot.in = gaff.in = testing::defaultInputs();
  longFoot.in.text[4] = 60;
  longFoot.in.text[14] = 17;
  // A gaff-headed main (luff 141.8, head 42.2 at 167.4 degrees, leech
  // 159.9, foot 86.9, aft bend -1.1, side bend 1, round 1.5, roach 7.1,
  // twist 17.1) whose foot station has an entry of 0, 17 panels: pnl1.
  const double sizes[][2] = {{1, 141.8}, {2, 42.2}, {3, 159.9}, {4, 86.9}, {5, 167.4}, {6, -1.1},
                             {8, 1}, {10, 1.5}, {12, 7.1}, {14, 17.1}};
  for (const auto& [box, v] : sizes) gaff.in.text[static_cast<int>(box)] = v;
  gaff.in.ent[0] = 0;
  const struct {
    const char* what;
    Sail s;
    int n;
    const char* file;
  } cases[] = {{"long foot", longFoot, 10, "twstfoot.uc"}, {"gaff", gaff, 17, "pnl1.UC"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Developed d = develop(c.s, c.n);
    const auto f = std::find_if(d.file.begin(), d.file.end(), [&](const File& x) { return x.name == c.file; });
    ASSERT_NE(f, d.file.end());
    EXPECT_EQ(f->fault, CutFault::None);
    EXPECT_EQ(f->knife, "");
    EXPECT_GT(f->lowerLeech.x, 0);
    EXPECT_NEAR(f->lowerLeech.y, 0, 1e-9);
    EXPECT_GT(f->upperLeech.y, 0);
    EXPECT_NEAR(std::remainder(f->letters, 2 * std::acos(-1.0)), 0, 1e-6);
    // The finished file reaches out to the lower leech corner.
    EXPECT_GT(f->rightmost, f->lowerLeech.x - 0.01);
  }
}

// A plot of the sewing outline through `sewing`, then the knife through
// `knife` (from its first point), at `scale` steps a unit, checked.
CutFault cutRound(const std::vector<Point2>& sewing, const std::vector<Point2>& knife, double scale, double allowance) {
  PlotText p(scale, scale);
  p.line(kPlotStart);
  const auto path = [&](const std::vector<Point2>& pts, std::string_view down, std::string_view up) {
    for (std::size_t k = 0; k < pts.size(); ++k) {
      p.point(pts[k].x, pts[k].y);
      if (k == 0) p.line(down);
    }
    p.line(up);
  };
  path(sewing, kPenDown, kPenUp);
  const std::size_t to = p.text().size();
  path(knife, kKnifeDown, kKnifeUp);
  return CheckCut(p, {0, to}, allowance);
}

TEST(CutCheck, AHugeSeamWidthIsRefusedNotDroppedSilently) {
  Sail s = mainSail(100, 10, 110, 50, 4, 12, 0);
  s.seam = "1e9";
  const Developed d = develop(s, 7);
  for (int k = 1; k <= 6; ++k) EXPECT_NE(d.file[k].fault, CutFault::None) << k;
  EXPECT_EQ(d.file[7].fault, CutFault::None);  // the top panel has no seam allowance
  EXPECT_EQ(d.file[7].knife, "");
}

// A lens of 1 ft radius in 7.2 degree steps, its straight top sewn with
// 0.1 ft, its curved foot with none: the knife runs through the midpoints
// of the foot's segments and cuts 0.004 ft off each bend point, which the
// feet's tolerance of 0.0015 ft refused. A foot point pushed out into a
// spike of 0.2 ft is still refused.
TEST(CutCheck, AKnifeThroughTheMidpointsOfACurvedEdgeIsSound) {
  const double pi = std::acos(-1.0);
  const auto check = [&](double pushOut) {
    std::vector<Point2> sewing{{-1, 0}}, knife{{-1.1, 0.1}, {1.1, 0.1}, {1.1, 0}};
    for (int k = 0; k <= 25; ++k) sewing.push_back({std::cos(pi + k * pi / 25), std::sin(pi + k * pi / 25)});
    sewing[13].y -= pushOut;
    sewing.push_back({-1, 0});
    for (int k = 26; k >= 2; --k) knife.push_back({(sewing[k].x + sewing[k - 1].x) / 2, (sewing[k].y + sewing[k - 1].y) / 2});
    knife.insert(knife.end(), {{-1.1, 0}, {-1.1, 0.1}});
    return cutRound(sewing, knife, 6000, 0.1);
  };
  EXPECT_EQ(check(0), CutFault::None);
  EXPECT_EQ(check(0.2), CutFault::OutlineOutside);
}

TEST(CutCheck, EachKindOfBadKnifeIsNamed) {
  // A 10 by 10 sewing square; the knife from (-1, -1).
  const auto check = [](std::vector<Point2> knife) {
    knife.insert(knife.begin(), {-1, -1});
    return cutRound({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}, knife, 1, 1);
  };
  EXPECT_EQ(check({{11, -1}, {11, 11}, {-1, 11}, {-1, -1}}), CutFault::None);
  EXPECT_EQ(check({}), CutFault::NoKnife);
  EXPECT_EQ(check({{11, -1}}), CutFault::NoKnife);  // two points
  EXPECT_EQ(check({{11, -1}, {11, 11}, {-1, 11}}), CutFault::Open);
  EXPECT_EQ(check({{11, -1}, {5, 5}, {-1, 11}, {-1, -1}}), CutFault::OutlineOutside);
  EXPECT_EQ(check({{11, -1}, {40, 5}, {11, 11}, {-1, 11}, {-1, -1}}), CutFault::KnifeFarOff);
  // Past the plotter's 32 bits at a step a unit.
  EXPECT_EQ(check({{11, -1}, {3e9, 5}, {11, 11}, {-1, 11}, {-1, -1}}), CutFault::Unwritable);
  // Each says why.
  const std::pair<CutFault, std::string> said[] = {
      {CutFault::NoKnife, "it has no knife path to cut"},
      {CutFault::Open, "its knife path does not close"},
      {CutFault::OutlineOutside, "the knife would cut into its sewing line"},
      {CutFault::KnifeFarOff, "the knife strays from the panel"},
  };
  for (const auto& [fault, why] : said)
    EXPECT_EQ(CannotCutText("pnl1.UC", CutFaultReason(fault)), "Cannot cut pnl1.UC: " + why);
}

// A strip 3 steps wide holds no cloth, one of 4 does: with a sewing
// outline (seams a hair apart inside a knife of allowance) and without one
// (a patch's knife alone). An outline out along one line and back, as two
// seams laid on each other give, is no cloth however long.
TEST(CutCheck, AFileWithoutClothIsRefused) {
  const auto strip = [](double wide) {
    return std::vector<Point2>{{0, 0}, {1000, 0}, {1000, wide}, {0, wide}, {0, 0}};
  };
  const std::vector<Point2> knife{{-10, -10}, {1010, -10}, {1010, 20}, {-10, 20}, {-10, -10}};
  EXPECT_EQ(cutRound(strip(3.0), knife, 1, 10), CutFault::NoCloth);
  EXPECT_EQ(cutRound(strip(4), knife, 1, 10), CutFault::None);
  EXPECT_EQ(cutRound({{0, 0}, {500, 0}, {1000, 0}, {500, 0}, {0, 0}}, knife, 1, 10), CutFault::NoCloth);
  // A knife alone: a triangle of no area, then a real patch.
  PlotText patch(500, 500);
  const auto knifeOnly = [&](const std::vector<Point2>& pts) {
    patch.clear();
    patch.line(kPlotStart);
    for (std::size_t k = 0; k < pts.size(); ++k) {
      patch.point(pts[k].x, pts[k].y);
      if (k == 0) patch.line(kKnifeDown);
    }
    patch.line(kKnifeUp);
    patch.line(kPlotEnd);
    return CheckCut(patch, {}, 0);
  };
  EXPECT_EQ(knifeOnly({{0, 0}, {-0.002, 0}, {0, 0}}), CutFault::NoCloth);
  EXPECT_EQ(knifeOnly({{0, 0}, {5, 0}, {0, 0.01}, {0, 0}}), CutFault::NoCloth);  // 0.01 in at the wide end
  EXPECT_EQ(knifeOnly({{0, 0}, {5, 0}, {0, 5}, {0, 0}}), CutFault::None);
}

TEST(CutCheck, TheRefusalNamesTheFileAndWhy) {
  EXPECT_EQ(CannotCutText("pnl3.UC", CutFaultReason(CutFault::NoCloth)),
            "Cannot cut pnl3.UC: its seams lie on each other");
  EXPECT_EQ(CannotCutText("pnl5.UC", CutFaultReason(CutFault::SeamsCross)),
            "Cannot cut pnl5.UC: its seams cross each other");
  EXPECT_EQ(CannotCutText("pnl1.UC", CutFaultReason(CutFault::Unwritable)),
            "Cannot cut pnl1.UC: a point lies beyond what the plotter takes");
}

}  // namespace
}  // namespace kes
