// The knife's distance from the sewing line in every crosscut plot file,
// read back from the finished file alone: along the luff, the upper edge,
// the leech and the lower edge of every panel, and round the shelf foot's
// lens and the twist foot, the knife stands off the sewing outline by that
// edge's allowance, out of the panel, within a few plotter steps. Which
// edge is which and what it carries come from the sail (its layout's seam
// ends, its allowance boxes); the distances come from the file.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "develop_fixture.h"
#include "knife_offset.h"
#include "model/sail_fixture.h"
#include "random_sail.h"

namespace kes {
namespace {

using Sail = testing::RandomSail;
using testing::EdgeRun;

constexpr double kTolerance = 3;    // plotter steps: the two roundings of both paths
constexpr double kCornerReach = 4;  // allowances about a corner left unmeasured

// Every edge its own allowance, in inches, so that an edge cut with
// another's shows.
struct Boxes {
  double seam = 1.0, luff = 1.25, leech = 1.5, foot = 1.75, head = 0.75;
};

// The rung of the outline between the points k of two seam lines.
EdgeRun rungAt(std::string name, const Curve& lower, const Curve& upper, int k, double scale, double allowance) {
  return testing::rung(std::move(name),
                       std::hypot(upper(1, k) - lower(1, k), upper(2, k) - lower(2, k), upper(3, k) - lower(3, k)),
                       scale, allowance);
}

// The outline of panel i of n as the file draws it from the flat lower luff
// corner: the luff rung, the upper edge (100 stations), the leech with its
// points between the two seam ends, the lower edge back (100 stations).
// The seam allowance lies on the upper edge of every panel but the top one
// (the head tabling); the foot tabling on the bottom panel's lower edge.
std::vector<EdgeRun> panelEdges(const Boxes& b, double k, int i, int n, EdgeRun luff, int leechPoints,
                                const char* leech) {
  const double upper = i < n ? b.seam : b.head, lower = i == 1 ? b.foot : 0;
  return {std::move(luff),
          {i < n ? "upper seam" : "head", 99, upper * k},
          {leech, leechPoints + 1, b.leech * k, true},
          {i == 1 ? "foot" : "lower seam", 99, lower * k}};
}

// The foot panels: a straight leech, the seam width all round.
std::vector<EdgeRun> footPanelEdges(const Boxes& b, double k, const PanelLayout& L, double scale) {
  return {rungAt("foot panel luff", L.SeamLines[0], L.SeamLines[1], 1, scale, b.seam * k),
          {"foot panel upper", 99, b.seam * k},
          rungAt("foot panel leech", L.SeamLines[0], L.SeamLines[1], 100, scale, b.seam * k),
          {"foot panel lower", 99, b.seam * k}};
}

// Every file of the sail at each panel count, with both foot panels. A
// leech is named after the way the develop placed it (turned onto the flat
// rung, or fitted between the flat corners), so that both are seen to be
// measured.
void developAndMeasure(const Sail& s, const std::string& what, std::initializer_list<int> counts,
                       testing::OffsetTally& tally) {
  SailModel m = testing::computed(s.in);
  ASSERT_LT(testing::firstNonFinite(m), 0) << what;
  const Boxes b;
  for (const int n : counts) {
    CrosscutSettings c = testing::defaultSettings(n, true);
    c.seamWidth = std::to_string(b.seam * s.k);
    c.luffTabling = std::to_string(b.luff * s.k);
    c.leechTabling = std::to_string(b.leech * s.k);
    c.footTabling = std::to_string(b.foot * s.k);
    c.headTabling = std::to_string(b.head * s.k);
    c.units = SetPlotUnits(500, 500, s.millimeters, s.feet);
    const double k = parseLenient(c.seamWidth) / b.seam;  // inches to the unit, as the boxes read
    const double scale = c.units.PlotScaleX;
    PanelLayout& L = testing::defaultLayout(m, n);
    const auto measure = [&](const CrosscutRun& run) {
      const CrosscutFile& f = run.file();
      const std::string where = what + ", " + std::to_string(n) + " panels, " + f.name;
      const testing::SewnPanel sewn = testing::readSewnPanel(f.turned);
      if (f.fault != CutFault::None) {
        ADD_FAILURE() << where << ": not written, fault " << static_cast<int>(f.fault);
      } else if (IsPanelFileName(f.name)) {
        const int i = f.index;
        const double up = L.SeamLeechEnd[i], low = L.SeamLeechEnd[i - 1];
        if (up != std::floor(up) || low != std::floor(low)) {
          ADD_FAILURE() << where << ": seam ends not whole leech points";
          return false;
        }
        const int leechPoints = std::max(static_cast<int>(low - up) - 1, 0);
        const EdgeRun luff = rungAt("luff", L.SeamLines[i - 1], L.SeamLines[i], 1, scale, b.luff * k);
        testing::measureKnife(
            sewn, panelEdges(b, k, i, n, luff, leechPoints, run.panel().leechFitted ? "fitted leech" : "leech"),
            scale, kTolerance, kCornerReach, where, tally);
      } else {
        testing::measureKnife(sewn, footPanelEdges(b, k, L, scale), scale, kTolerance, kCornerReach, where, tally);
      }
      return true;
    };
    testing::developLayout(m, L, c, measure, &BuiltinStrokeFont());
  }
}

TEST(KnifeOffset, EveryCrosscutEdgeCutItsAllowanceOffTheSewingLine) {
  struct Case {
    std::string what;
    Sail s;
  };
  std::vector<Case> cases;
  cases.push_back({"default", testing::defaultMain()});
  // Twisted 20 degrees: the flat rungs are longer than their plan chords.
  cases.push_back({"twisted", testing::twistedMain(20)});
  cases.push_back({"millimetres", testing::millimetreMain()});
  cases.push_back({"twisted gaff", testing::gaffMain(24)});
  // The seams end on their leech points, so the named sails' leeches all
  // turn onto their rungs. Two drawn sails, twisted 14 and 22 degrees,
  // have top panels whose leech passes the upper flat corner along the
  // rung: those are fitted between the corners.
  for (int i : {35, 182}) cases.push_back({"drawn " + std::to_string(i), testing::drawnSail(11, i)});

  testing::OffsetTally tally;
  for (const Case& c : cases) developAndMeasure(c.s, c.what, {3, 7, 12}, tally);
  for (const std::string& f : tally.faults) ADD_FAILURE() << f;
  EXPECT_EQ(tally.misses, 0);
  // 6 sails at 3, 7 and 12 panels, each with its two foot panels.
  EXPECT_EQ(tally.files, 6 * (3 + 7 + 12 + 3 * 2));
  // Every kind of edge measured, along the middle of its run.
  for (const char* edge : {"luff", "upper seam", "head", "leech", "fitted leech", "lower seam", "foot",
                           "foot panel luff", "foot panel upper", "foot panel leech", "foot panel lower"})
    EXPECT_GT(tally.measured[edge], 100) << edge;
}

}  // namespace
}  // namespace kes
