// The plan view of the default sail as the recompute builds it lies inside
// the recompute's full view, and "View" frames the same sail.

#include <gtest/gtest.h>

#include <utility>

#include "default_sail.h"
#include "view/plan_view.h"
#include "view/zoom.h"
#include "view_fixture.h"

namespace kes {
namespace {

SailModel defaultSail() {
  SailInputs in = kes::testing::defaultInputs();
  in.battenHollow = 0.006;
  SailModel m;
  EXPECT_TRUE(recompute(in, m).completed);
  return m;
}

TEST(DefaultSail, PlanViewLiesInsideTheFullViewAndViewFramesTheSail) {
  const SailModel m = defaultSail();
  PlanViewInputs in;
  test::batten(in, 0, "25", "10", "0");
  test::reef(in, 0, "3", "20");
  in.sectionVisible = true;
  RecordingSurface pic1, pic2(8775, 1755);
  const ViewScale& v = m.fullView;
  ASSERT_TRUE(pic1.setScale(v.left, v.top, v.right, v.bottom));
  EXPECT_TRUE(paintPlanView(m, in, pic1, &pic2).sectionDrawn);
  // Clear, 160 edge ops, 126 stripe ops, 6 draft lines, 21 for the selected
  // stripe, the leech chord, one batten and three reef points.
  EXPECT_EQ(pic1.ops().size(), 1u + 160u + 126u + 6u + 21u + 1u + 1u + 3u);
  for (const DrawOp& op : pic1.ops()) {
    if (op.kind == DrawOp::Clear) continue;
    for (auto [x, y] : {std::pair{op.x1, op.y1}, std::pair{op.x2, op.y2}})
      EXPECT_TRUE(x >= v.left && x <= v.right && y <= v.top && y >= v.bottom) << x << ", " << y;
  }

  RecordingSurface pic;
  ASSERT_TRUE(applyFullView(m, pic));
  EXPECT_NEAR(pic.scaleTop(), m.HeadCurve(2, 100) + 1, 1e-12);
  EXPECT_NEAR(pic.scaleTop() + pic.scaleHeight(), -m.FootRound - 1, 1e-12);
  EXPECT_GT(pic.scaleWidth(), 0);
}

}  // namespace
}  // namespace kes
