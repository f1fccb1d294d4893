// A clew-fan sliver whose end radial and short start seam lie some ten
// degrees apart: the knife's corner where the moved end radial meets the
// foot's line stands far back behind the end radial's start, within the
// mitre limit of the divider's foot at the sliver's other end but far off
// the end radial's own foot. That corner is mitred at its own sewing
// corner, so the knife never runs back along the end radial and loops
// round behind the panel.

#include <algorithm>
#include <cmath>

#include "plot_outline.h"
#include "radial_fixture.h"

namespace kes::test {
namespace {

// A small main in feet (luff 8.1 ft, a gaff head, battens of its own, no
// foot tabling), as the random sails of the cut property run draw one.
SailModel slimFanSail() {
  SailInputs s = FeetSailInputs(
      {{0, 8.1166470811263842, 0.069282918228093626, 8.3507551172845922, 2.5939690923136176, 165.56122585781907,
        0.038340584701417144, 33.463539756501852, 0.11608912631077134, 58.829957058524428, 0.12036109556390304,
        44.90655985626595, 0.63058920371905858, 26.778060642748265, 14.899540894638733},
       {11.950404353328901, 19.183268755873957, 19.344374940917717, 30.199761904899304, 21.47385100286521,
        36.25542879107806},
       {8.2510862998473335, 12.904259322010788, 10.269839929814875, 14.966957221188213, 15.330195781882459,
        7.0973849282728683},
       {39.639603901065939, 51.239757197672162, 37.922193013880637, 36.539910691774942, 39.432778596679505,
        42.659726560536058},
       {23.743050267246954, 11.623677802819682, 23.544024597255657, 13.118924897314431, 23.044400620103254,
        5.3943491685843066}});
  s.battenHollow = 0.017364850233701636;
  s.batten[0] = readBattenRow("61.476071", "1.987352");
  s.batten[1] = readBattenRow("84.984315", "0.439404");
  s.batten[2] = readBattenRow("81.754870", "2.489341");
  return testing::computed(s);
}

RadialBoxTexts slimFanBoxes() {
  RadialBoxTexts b{"0.206607", "0.148901", "0.249150", "0.000000", "0.213113", "0.206607",
                   {}, {}, {}, {}, {}};
  b.BatPos[0] = "61.476071", b.BatLngth[0] = "1.987352", b.BatAngl[0] = "-5.860188";
  b.BatPos[1] = "84.984315", b.BatLngth[1] = "0.439404", b.BatAngl[1] = "3.560184";
  b.BatPos[2] = "81.754870", b.BatLngth[2] = "2.489341", b.BatAngl[2] = "-9.393017";
  return b;
}

// Five bands, the divider from station 26 of seam line 1 to station 69 of
// the foot, "Stagger", 17 clew panels: clew panel 16 is a sliver between
// the divider's foot and the clew whose start seam is much shorter than
// its end radial. Its file read back alone: the knife holds the sewing
// outline, encloses more and does not cross itself.
TEST(RadialKnifeLoop, ClewSliverCornerFarBehindItsEndRadialIsMitred) {
  SailModel m = slimFanSail();
  static PanelLayout L;
  LayOutRadialSail(m, L, 5, 26, 69, {2, 17, 8, 2, 1, 29, 9}, 1);
  const RadialInput in = RadialInputFor(L, m, slimFanBoxes(), false, true);
  RadialDevelop run(in);
  RadialPanelFile f;
  int seen = 0;
  while (run.next(f)) {
    if (f.fileName != "rad1_16.UC") continue;
    ++seen;
    ASSERT_EQ(f.fault, CutFault::None);
    const testing::PlotPaths p = testing::readPaths(f.text);
    ASSERT_FALSE(p.sewing.empty());
    EXPECT_EQ(testing::knifeFault(p), "");
    EXPECT_FALSE(testing::crossesItself(p.knife));
    // Every knife point stands within the cut's reach of the sewing
    // outline's corners (its largest allowance is the seam width, 0.206607
    // ft, in plotter steps).
    const double reach = kCutReach * 0.206607 * std::fabs(in.units.PlotScaleX);
    for (const Point2 k : p.knife) {
      double nearest = INFINITY;
      for (const Point2 q : p.sewing) nearest = std::min(nearest, std::hypot(k.x - q.x, k.y - q.y));
      EXPECT_LE(nearest, reach) << k.x << ' ' << k.y;
    }
  }
  EXPECT_EQ(seen, 1);
}

}  // namespace
}  // namespace kes::test
