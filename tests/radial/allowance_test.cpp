// The knife's distance from the sewing line in every radial plot file, read
// back from the finished file alone: the tack-fan, clew-fan and band panels
// of radial layouts on several sails. Along each edge, away from its
// corners, the knife stands off the sewing outline by that edge's
// allowance, out of the panel, within a few plotter steps: the seam width
// above the fans and every band but the top, the head tabling above the
// top band, the radial seam width on the leech side of a band panel's end
// radial and on the outer side of a fan panel's, the tack fan's seam width
// along the divider, the luff tabling on the luff, the leech tabling on the
// leech (laid off square to its chord), nothing on a lower seam, the foot,
// the clew fan's side of the divider and a panel's start radial. Which edge
// is which comes from the layout's seam ends; the distances from the file.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "develop/lettering.h"
#include "knife_offset.h"
#include "radial_fixture.h"
#include "random_sail.h"

namespace kes {
namespace {

using Sail = testing::RandomSail;
using testing::EdgeRun;

constexpr double kTolerance = 3;    // plotter steps: the two roundings of both paths
constexpr double kCornerReach = 4;  // allowances about a corner left unmeasured

// Every edge its own allowance, in inches.
struct Boxes {
  double seam = 1.0, luff = 1.25, leech = 1.5, foot = 1.75, head = 0.75, radialSeam = 0.5;
};

int lowerStation(int end) { return std::max(end, 1); }  // 0 (no stagger) is the tack's station

// The whole leech points strictly between two seam ends on the leech.
int leechPointsBetween(double upper, double lower) {
  return std::max(static_cast<int>(std::lround(lower - upper)) - 1, 0);
}

// A fan panel's upper edge from code `from` to code `to`: stations of seam
// line 1 up to the divider's top (from the luff aft in the tack fan, from
// the leech forward in the clew fan), then divider points 101..150 down to
// its foot, the divider's first point (101) being the top station itself.
void fanUpperRuns(int stationsFrom, int stationsTo, int dividerFrom, int dividerTo, const char* upperName,
                  double upperAllowance, const char* dividerName, double dividerAllowance,
                  std::vector<EdgeRun>& edges) {
  const int stations = std::max(stationsTo - stationsFrom + 1, 0);
  const int divider = std::max(dividerTo - dividerFrom + 1, 0);
  if (stations > 0) edges.push_back({upperName, stations - 1, upperAllowance});
  if (divider > 0) edges.push_back({dividerName, divider - 1, dividerAllowance});
}

// Tack-fan panel n: upper edge and divider aft (the seam width), the end
// radial down to the foot (the radial seam width aft; the last panel's end
// is the divider), the foot back towards the tack (none), the start radial
// up to the first point (the luff tabling on panel 1's luff, else none).
std::vector<EdgeRun> tackEdges(const PanelLayout& L, const Boxes& b, double k, int n) {
  const int count = L.RadialCount[0], top = L.DividerTopIndex, dfoot = L.DividerFootIndex;
  const int ua = L.RadialUpperEnd[0][n - 1], ub = L.RadialUpperEnd[0][n];
  const int la = lowerStation(L.RadialLowerEnd[0][n - 1]), F = lowerStation(L.RadialLowerEnd[0][n]);
  std::vector<EdgeRun> e;
  fanUpperRuns(std::max(ua, 1), std::min(ub, top), std::max(ua, 101), std::min(ub, 150), "tack fan upper seam",
               b.seam * k, "tack fan divider", b.seam * k, e);
  const bool endOnDivider = ub == 150 && F == dfoot;  // its last divider point is the foot's station
  e.push_back({"tack fan end radial", endOnDivider ? 0 : 1, n < count ? b.radialSeam * k : 0});
  e.push_back({"tack fan foot", std::max(F - la, 0), 0});
  e.push_back({n == 1 ? "tack fan luff" : "tack fan start radial", 1, n == 1 ? b.luff * k : 0});
  return e;
}

// Clew-fan panel n: upper edge forward (the seam width), the divider (none:
// the tack fan carries that seam), the end radial to the foot or the clew
// (the radial seam width forward), the foot aft (none), then panel 1's leech
// up from the clew (the leech tabling) or a start radial (none).
std::vector<EdgeRun> clewEdges(const PanelLayout& L, const Boxes& b, double k, int n) {
  const int count = L.RadialCount[1], top = L.DividerTopIndex, dfoot = L.DividerFootIndex;
  const int su = L.RadialUpperEnd[1][n - 1], eu = L.RadialUpperEnd[1][n];
  const int sl = lowerStation(L.RadialLowerEnd[1][n - 1]), el = lowerStation(L.RadialLowerEnd[1][n]);
  std::vector<EdgeRun> e;
  // Stations from su forward (down in number) to eu, or to the divider's top.
  const int lowest = eu <= 100 ? eu : top;
  fanUpperRuns(lowest, su <= 100 ? su : lowest - 1, std::max(su, 101), std::min(eu, 150), "clew fan upper seam",
               b.seam * k, "clew fan divider", 0, e);
  const bool endOnDivider = eu == 150 && el == dfoot;
  e.push_back({"clew fan end radial", endOnDivider ? 0 : 1, n < count ? b.radialSeam * k : 0});
  e.push_back({"clew fan foot", el < 100 ? std::max(sl - el, 0) : 0, 0});
  if (n == 1)
    e.push_back({"clew fan leech", leechPointsBetween(L.SeamLeechEnd[1], L.SeamLeechEnd[0]) + 1, b.leech * k, true});
  else
    e.push_back({"clew fan start radial", 1, 0});
  return e;
}

// Band panel n of band r: its stretch of seam line r (the seam width, the
// head tabling on the top band), the end radial (the radial seam width) or
// on the last panel the leech (the leech tabling), its stretch of seam line
// r-1 back (none), the start radial (the luff tabling on panel 1's luff).
std::vector<EdgeRun> bandEdges(const PanelLayout& L, const Boxes& b, double k, int r, int n) {
  const int count = L.RadialCount[r];
  const int ua = L.RadialUpperEnd[r][n - 1], ub = L.RadialUpperEnd[r][n];
  const int la = lowerStation(L.RadialLowerEnd[r][n - 1]), lb = lowerStation(L.RadialLowerEnd[r][n]);
  const bool top = r == L.PanelCount, last = n == count;
  std::vector<EdgeRun> e;
  e.push_back({top ? "band head" : "band upper seam", ub - ua, (top ? b.head : b.seam) * k});
  if (last)
    e.push_back({"band leech", leechPointsBetween(L.SeamLeechEnd[r], L.SeamLeechEnd[r - 1]) + 1, b.leech * k, true});
  else
    e.push_back({"band end radial", 1, b.radialSeam * k});
  e.push_back({"band lower seam", lb - la, 0});
  e.push_back({n == 1 ? "band luff" : "band start radial", 1, n == 1 ? b.luff * k : 0});
  return e;
}

// Ring and panel of "rad<ring>_<n>.UC".
std::pair<int, int> ringOf(const std::string& name) {
  const std::size_t bar = name.find('_');
  return {std::stoi(name.substr(3, bar - 3)), std::stoi(name.substr(bar + 1))};
}

// Every file of the sail's radial layout, lettered and finished.
void developAndMeasure(const Sail& s, const std::string& what, int bands, const int (&counts)[7],
                       testing::OffsetTally& tally) {
  SailModel m = testing::computed(s.in);
  ASSERT_LT(testing::firstNonFinite(m), 0) << what;
  static PanelLayout L;
  test::LayOutRadialSail(m, L, bands, 0, 0, counts, 0);
  for (int j = 0; j <= bands; ++j)
    ASSERT_EQ(L.SeamLeechEnd[j], std::floor(L.SeamLeechEnd[j])) << what << ": seam ends not whole leech points";
  const Boxes b;
  const auto box = [&](double v) { return std::to_string(v * s.k); };
  const RadialBoxTexts texts{box(b.seam), box(b.luff), box(b.leech), box(b.foot), box(b.head), box(b.radialSeam),
                             {"20", "40", "60"}, {box(20), box(30), box(30)}, {}, {"3"}, {"25"}};
  RadialInput in = test::RadialInputFor(L, m, texts, s.millimeters, s.feet);
  in.font = &BuiltinStrokeFont();
  const double k = in.boxes.seamWidth / b.seam;  // as the run parsed the boxes
  RadialDevelop run(in);
  RadialPanelFile f;
  RadialFinishState st;
  int files = 0;
  while (run.next(f)) {
    ++files;
    const std::string where = what + ", " + f.fileName;
    if (f.fault != CutFault::None) {
      ADD_FAILURE() << where << ": not written, fault " << static_cast<int>(f.fault);
      continue;
    }
    const RadialFinished done =
        FinishRadialFile(f.text, f.angle, f.label, in.units.PlotScaleX, in.units.PlotScaleY, st);
    const auto [ring, n] = ringOf(f.fileName);
    const std::vector<EdgeRun> edges = ring == 0   ? tackEdges(L, b, k, n)
                                       : ring == 1 ? clewEdges(L, b, k, n)
                                                   : bandEdges(L, b, k, ring, n);
    testing::measureKnife(testing::readSewnPanel(done.text), edges, in.units.PlotScaleX, kTolerance, kCornerReach,
                          where, tally);
  }
  int expected = 0;
  for (int r = 0; r <= bands; ++r) expected += L.RadialCount[r];
  EXPECT_EQ(files, expected) << what;
}

TEST(RadialKnifeOffset, EveryRadialEdgeCutItsAllowanceOffTheSewingLine) {
  struct Case {
    std::string what;
    Sail s;
    int bands;
    int counts[7];  // tack fan, clew fan, bands 2..6
  };
  // Twisted 20 degrees: the flat rungs are longer than their plan chords.
  // The gaff twisted 24 degrees: its top band's last panel is cut to the
  // leech at the peak.
  const std::vector<Case> cases = {
      {"default", testing::defaultMain(), 6, {5, 5, 5, 5, 5, 4, 3}},
      {"twisted", testing::twistedMain(20), 5, {4, 6, 7, 5, 4, 3, 0}},
      {"millimetres", testing::millimetreMain(), 6, {3, 4, 6, 5, 4, 4, 2}},
      {"gaff", testing::gaffMain(24), 6, {6, 5, 8, 7, 6, 5, 5}},
  };
  testing::OffsetTally tally;
  for (const Case& c : cases) developAndMeasure(c.s, c.what, c.bands, c.counts, tally);
  for (const std::string& f : tally.faults) ADD_FAILURE() << f;
  EXPECT_EQ(tally.misses, 0);
  EXPECT_EQ(tally.files, 32 + 29 + 28 + 42);  // every panel of the four layouts
  // Every kind of edge measured, along the middle of its run.
  for (const char* edge :
       {"tack fan upper seam", "tack fan divider", "tack fan end radial", "tack fan foot", "tack fan luff",
        "tack fan start radial", "clew fan upper seam", "clew fan divider", "clew fan end radial", "clew fan foot",
        "clew fan leech", "clew fan start radial", "band upper seam", "band head", "band end radial", "band leech",
        "band lower seam", "band luff", "band start radial"})
    EXPECT_GT(tally.measured[edge], 100) << edge;
}

}  // namespace
}  // namespace kes
