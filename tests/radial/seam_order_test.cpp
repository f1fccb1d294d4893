// Radial ends dragged onto and across their neighbours, on the plane sail
// of the fixture (divider from U(50) down to L(60)): a panel whose seams
// stand out of order at either end would lie over its neighbours' cloth
// and is refused as crossing; both ends on the neighbour's leave no cloth;
// one end on the neighbour's leaves a three-sided panel, which is cut.

#include "radial_fixture.h"

namespace kes::test {
namespace {

struct Case {
  const char* what;
  int section, n;
  std::vector<int> upper, lower;
  CutFault fault;
};

TEST_F(RadialPlane, SeamsOutOfOrderAreRefusedAsCrossing) {
  const Case cases[] = {
      // Tack fan: outer ends along seam line 1 (1..50), then down the divider.
      {"tack seam 1 dragged past seam 2", 0, 2, {1, 30, 20, 150}, {1, 1, 1, 60}, CutFault::SeamsCross},
      {"tack seam 1 on seam 2, all at the tack", 0, 2, {1, 20, 20, 150}, {1, 1, 1, 60}, CutFault::NoCloth},
      {"tack seam 1 on seam 2, staggered", 0, 2, {1, 20, 20, 150}, {1, 1, 2, 60}, CutFault::None},
      {"tack seam on the divider past one on seam line 1", 0, 2, {1, 110, 40, 150}, {1, 1, 2, 60},
       CutFault::SeamsCross},
      {"tack seams either side of the divider's top", 0, 2, {1, 40, 101, 150}, {1, 1, 2, 60}, CutFault::None},
      {"staggered tack seam past the divider's foot", 0, 3, {1, 20, 120, 150}, {1, 1, 70, 60},
       CutFault::SeamsCross},
      // Clew fan: outer ends from the leech forward to 50, then down the divider.
      {"clew seam 1 dragged forward past seam 2", 1, 2, {100, 60, 80, 150}, {100, 100, 100, 60},
       CutFault::SeamsCross},
      {"clew seam 2 on the divider above seam 1", 1, 2, {100, 130, 120, 150}, {100, 99, 98, 60},
       CutFault::SeamsCross},
      {"clew seams in order", 1, 2, {100, 80, 120, 150}, {100, 99, 98, 60}, CutFault::None},
      // Band 2: both ends from the luff aft.
      {"band seam 1's lower end past seam 2's", 2, 2, {1, 30, 60, 100}, {1, 70, 60, 100},
       CutFault::SeamsCross},
      {"band seam 1's upper end past seam 2's", 2, 2, {1, 70, 60, 100}, {1, 30, 60, 100},
       CutFault::SeamsCross},
      {"band seam 1 on seam 2 at both ends", 2, 2, {1, 60, 60, 100}, {1, 60, 60, 100}, CutFault::NoCloth},
      {"band seam 1's upper end on seam 2's", 2, 2, {1, 60, 60, 100}, {1, 30, 60, 100}, CutFault::None},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    setSection(c.section, c.upper, c.lower);
    refresh();
    const RadialPanelFile f = c.section == 0   ? WriteTackPanel(in, band(1), c.n)
                              : c.section == 1 ? WriteClewPanel(in, band(1), c.n)
                                               : WriteBandPanel(in, band(2), c.n);
    EXPECT_EQ(f.fault, c.fault) << f.fileName;
    // The panel before it, its seams in order, is cut.
    if (c.n > 1) {
      const RadialPanelFile before = c.section == 0   ? WriteTackPanel(in, band(1), c.n - 1)
                                     : c.section == 1 ? WriteClewPanel(in, band(1), c.n - 1)
                                                      : WriteBandPanel(in, band(2), c.n - 1);
      EXPECT_EQ(before.fault, CutFault::None) << before.fileName;
    }
    setSection(0, {1, 20, 150}, {1, 1, 60});  // the fixture's own ends again
    setSection(1, {100, 80, 150}, {100, 100, 60});
    setSection(2, {1, 40, 100}, {1, 60, 100});
  }
}

}  // namespace
}  // namespace kes::test
