// A small sail in feet whose first band lies flat as a banana: seam line 1
// turns past upright near the leech, so that its flat stations run back in
// x there, and the band's leech rung points down from the clew. The seam
// allowance of each upper segment must still lie outside the panel, the
// leech tabling outside the leech chord, and the leech itself must be
// carried onto the rung, not turned away from it.

#include "bent_sail.h"
#include "develop/cut_check.h"
#include "radial_fixture.h"

namespace kes {
namespace {

struct Laid {
  SailModel m;
  PanelLayout L;
};

// The window's default radial layout: 6 bands, fans 5 and 5, bands 5, 5, 5, 4, 3.
std::unique_ptr<Laid> laidOut(int stagger) {
  auto s = std::make_unique<Laid>();
  recompute(testing::bentSail(), s->m);
  test::LayOutRadialSail(s->m, s->L, 6, 0, 0, {5, 5, 5, 5, 5, 4, 3}, stagger);
  return s;
}

// The clew fan's leech panels are cut; a panel is refused only where the
// straight seam to the clew crosses the rolled seam line 1 in the flat, or
// seam line 1 folds into a spike within a seam allowance of it.
TEST(RadialBentSeam, DefaultLayoutCutsEveryPanelWhoseSeamsDoNotCross) {
  for (int stagger : {0, 1}) {
    const auto s = laidOut(stagger);
    if (stagger == 0) {  // the geometry this test is about: seam line 1 runs back in x near the leech
      const RadialBand band = DevelopRadialBand(s->L, 1);
      int back = 0;
      for (int k = 80; k <= 100; ++k) back += band.strip.U(k).x < band.strip.U(k - 1).x;
      EXPECT_GE(back, 3);
    }
    // 1.5 in of seam and tablings, 0.5 in of radial seam, in feet.
    RadialDevelop run(test::RadialInputFor(
        s->L, s->m, {"0.125", "0.125", "0.125", "0.125", "0.125", "0.0416667", {}, {}, {}, {}, {}}, false, true));
    RadialPanelFile f;
    int files = 0;
    while (run.next(f)) {
      ++files;
      const std::string what = f.fileName + (stagger ? " staggered" : "");
      if (f.fileName == "rad1_1.UC" || f.fileName == "rad1_2.UC") {
        EXPECT_EQ(f.fault, CutFault::None) << what;
      }
      if (f.fault != CutFault::None) {
        const std::vector<test::Pt> sewing = test::sewingOutline(f.text, 6000);
        EXPECT_TRUE(test::crossesItself(sewing) || test::foldsBack(sewing, 0.125)) << what << " refused";
      }
    }
    EXPECT_EQ(files, 32);
  }
}

}  // namespace
}  // namespace kes
