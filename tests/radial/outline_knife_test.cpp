// Panels whose knife from the edge records cannot go round the sewing
// outline: a seam line that curls into a hook, a hollow leech without
// tabling. They are cut round the outline itself, each edge moved out by
// its own allowance; a panel whose seams cross is still refused.

#include <algorithm>
#include <cmath>

#include "radial/radial_writer.h"
#include "radial_fixture.h"

namespace kes::test {
namespace {

// A dinghy main in feet (luff 3.3 ft, seams of 2.4 in, no tablings but
// the head's): laid out in five bands, the divider from station 73 of seam
// line 1 to station 39 of the foot, "Stagger", four tack panels. Seam line
// 1 bends up into a tight hook where it meets the divider, tighter than
// the seam width, and tack panel 3's knife from its edge records cut
// across the hook's inside and back round.
TEST(RadialHook, TackPanelUnderAHookedSeamLineIsCut) {
  SailInputs s = FeetSailInputs(
      {{0, 3.3134432500166158, 0.46543619254450541, 3.8417831102611348, 2.1553312863196186, 103.37984811618568,
        -0.0060513543274276398, 60.346542513736736, -0.0191706147407626, 31.559487457276802, 0.13630940183343154,
        76.580616942014473, 0.12564825602759488, 50.496096500096392, 15.44596112640299},
       {32.020286136406867, 20.136664102064795, 13.339844013550017, 23.068854622502158, 26.283842819956174,
        23.708497282980236},
       {10.103929936292911, 15.510422194993239, 14.235564964691848, 6.2164236402814304, 8.7136045596012384,
        14.682256790754497},
       {54.376386614601884, 46.437976930025741, 43.384932845290912, 45.117400404850486, 32.925293858776335,
        54.102087238721957},
       {19.982610595317862, 16.113859945421478, 22.493426562176786, 9.5854259611236223, 22.990506874520495,
        6.5140851223260787}});
  s.battenHollow = 0.012111541812202403;
  RadialBoxTexts boxes{"0.202224", "0", "0", "0", "0.234197", "0.202224", {}, {}, {}, {}, {}};
  boxes.BatPos[0] = "73.684903", boxes.BatLngth[0] = "0.548448", boxes.BatAngl[0] = "2.337115";
  boxes.BatPos[1] = "67.599000", boxes.BatLngth[1] = "0.451876", boxes.BatAngl[1] = "6.148841";
  for (int b = 0; b < 5; ++b) s.batten[b] = readBattenRow(boxes.BatPos[b], boxes.BatLngth[b]);
  SailModel m = testing::computed(s);

  static PanelLayout L;
  LayOutRadialSail(m, L, 5, 73, 39, {4, 8, 15, 17, 3, 3, 12}, 1);

  const RadialInput in = RadialInputFor(L, m, boxes, false, true);
  RadialDevelop run(in);
  RadialPanelFile f;
  int files = 0;
  while (run.next(f)) {
    ++files;
    EXPECT_EQ(f.fault, CutFault::None) << f.fileName;
    if (f.fileName == "rad0_3.UC") {
      const std::vector<Pt> sewing = sewingOutline(f.text, in.units.PlotScaleX);
      EXPECT_FALSE(crossesItself(sewing));
      EXPECT_FALSE(foldsBack(sewing, 0.234197));
    }
  }
  EXPECT_GT(files, 40);
}

// Band 2's leech falls in by 2 between its seams (a hollow leech), and
// the leech has no tabling: the last panel's knife along the chord from the
// head-tabling corner would leave the upper leech corner outside.
TEST_F(RadialPlane, HollowLeechWithoutTablingIsCutAlongIt) {
  for (int k = 1; k <= 50; ++k) model->LeechCurve(1, k) = 99 - 2 * std::sin(Pi * (k - 1) / 49);
  texts.Text18 = std::to_string(0);
  refresh();
  const RadialPanelFile f = WriteBandPanel(in, band(2), 2);
  EXPECT_EQ(f.fault, CutFault::None);
  // With leech tabling the records' knife stands: its square corner over
  // the upright leech chord, the tabling aft of the seam's end.
  texts.Text18 = std::to_string(3);
  refresh();
  const RadialPanelFile g = WriteBandPanel(in, band(2), 2);
  EXPECT_EQ(g.fault, CutFault::None);
  const std::vector<Pt> r = pathPoints(g.text, "0 pendown", "0 penup", 500);
  EXPECT_TRUE(std::any_of(r.begin(), r.end(), [](Pt p) { return p.x == 102 && p.y == 15; }));
}

// The knife round an outline: each edge moved out by its own allowance,
// corners where the moved lines meet; a seam without allowance stays on
// its line. Either way round.
TEST(OutlineKnife, MovesEachEdgeByItsAllowance) {
  const struct {
    std::vector<Point2> outline;
    std::vector<double> allowance;  // of the edge arriving at each point
    std::vector<Point2> want;
  } cases[] = {
      // The closing edge (left side) 2, the foot 1, the aft side 0, the top 3.
      {{{0, 0}, {10, 0}, {10, 5}, {0, 5}, {0, 0}}, {2, 1, 0, 3, 2}, {{-2, -1}, {10, -1}, {10, 8}, {-2, 8}, {-2, -1}}},
      // The same outline run clockwise.
      {{{0, 0}, {0, 5}, {10, 5}, {10, 0}, {0, 0}}, {1, 2, 3, 0, 1}, {{-2, -1}, {-2, 8}, {10, 8}, {10, -1}, {-2, -1}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.allowance[0]);
    KnifePath knife;
    ASSERT_TRUE(radial::OutlineKnife(c.outline, c.allowance, 3, 0.002, knife));
    const std::vector<Point2> k = knife.kept(0.002);
    ASSERT_EQ(k.size(), c.want.size());
    for (std::size_t i = 0; i < k.size(); ++i) {
      EXPECT_NEAR(k[i].x, c.want[i].x, 1e-12) << i;
      EXPECT_NEAR(k[i].y, c.want[i].y, 1e-12) << i;
    }
  }
}

// A corner sharper than the mitre limit allows is cut short between the
// two moved ends; an outline whose edges cross, or one of no area, gets
// no knife.
TEST(OutlineKnife, CutsSharpCornersAndRefusesCrossedOutlines) {
  const std::vector<Point2> sliver{{0, 0}, {100, 0.5}, {0, 1}, {0, 0}};
  KnifePath knife;
  ASSERT_TRUE(radial::OutlineKnife(sliver, {1, 1, 1, 1}, 1, 0.002, knife));
  for (const Point2 p : knife.kept(0.002)) EXPECT_LE(p.x, 100 + kMitreLimit) << p.y;
  const std::vector<Point2> bow{{0, 0}, {10, 10}, {10, 0}, {0, 10}, {0, 0}};
  KnifePath none;
  EXPECT_FALSE(radial::OutlineKnife(bow, {1, 1, 1, 1, 1}, 1, 0.002, none));
  const std::vector<Point2> flat{{0, 0}, {10, 0}, {5, 0}, {0, 0}};
  EXPECT_FALSE(radial::OutlineKnife(flat, {1, 1, 1, 1}, 1, 0.002, none));
}

}  // namespace
}  // namespace kes::test
