// The plan view of the default sail as the recompute builds it: every line
// lies inside the recompute's full view, and a turn of the view and the full
// view of "View" behave on a real sail.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "default_sail.h"
#include "view/plan_view.h"
#include "view/rotation.h"
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

bool inside(const ViewScale& v, double x, double y) {
  return x >= v.left && x <= v.right && y <= v.top && y >= v.bottom;
}

TEST(DefaultSail, PlanViewLiesInsideTheFullView) {
  const SailModel m = defaultSail();
  PlanViewInputs in;
  in.batPos[0] = std::string("25");
  in.batLngth[0] = std::string("10");
  in.batAngl[0] = std::string("0");
  in.numReef[0] = std::string("3");
  in.reefPos[0] = std::string("20");
  RecordingSurface pic1, pic2(8775, 1755);
  pic1.setForeColor(15);
  const ViewScale& v = m.fullView;
  ASSERT_TRUE(pic1.setScale(v.left, v.top, v.right, v.bottom));
  in.sectionVisible = true;
  const PlanViewResult r = paintPlanView(m, in, pic1, &pic2);
  EXPECT_TRUE(r.sectionDrawn);
  // Edges, stripes, chords, the draft line and the selected stripe: 4 + 156
  // edge ops, 21 + 5 x 21 stripe ops, 6 draft lines, 21 selected-stripe ops,
  // the leech chord, one batten and three reef points.
  EXPECT_EQ(pic1.ops().size(), 1u + 160u + 126u + 6u + 21u + 1u + 1u + 3u);
  for (const DrawOp& op : pic1.ops()) {
    if (op.kind == DrawOp::Clear) continue;
    EXPECT_TRUE(inside(v, op.x1, op.y1)) << op.x1 << ", " << op.y1;
    EXPECT_TRUE(inside(v, op.x2, op.y2)) << op.x2 << ", " << op.y2;
  }
  // The section strip frames its section the same way.
  for (const DrawOp& op : pic2.ops()) {
    if (op.kind != DrawOp::Line) continue;
    const double l = pic2.scaleLeft(), r2 = l + pic2.scaleWidth();
    const double t = pic2.scaleTop(), b = t + pic2.scaleHeight();
    EXPECT_TRUE(op.x1 >= l && op.x1 <= r2 && op.y1 <= t && op.y1 >= b);
  }
}

TEST(DefaultSail, TurnedViewKeepsItsLengthsAndDropsTheBattens) {
  SailModel m = defaultSail();
  const SailModel before = m;
  double step = 0;
  recallView(m, step, 30, 20);
  pressViewZ(m, step, 1);
  // A turn moves points but keeps every distance along the leech.
  for (int i = 2; i <= 100; ++i) {
    auto len = [&](const Curve& c) {
      return std::hypot(c(1, i) - c(1, i - 1), c(2, i) - c(2, i - 1), c(3, i) - c(3, i - 1));
    };
    EXPECT_NEAR(len(m.LeechView), len(before.LeechView), 1e-9);
  }
  PlanViewInputs in;
  in.batPos[0] = std::string("25");
  in.batLngth[0] = std::string("10");
  in.batAngl[0] = std::string("0");
  RecordingSurface pic1;
  paintPlanView(m, in, pic1, nullptr);
  EXPECT_TRUE(test::opsOf(pic1, DrawOp::Line, 14).empty());
  EXPECT_EQ(viewAnglesCaption(m), " 30    20    2");
}

TEST(DefaultSail, ViewButtonFramesTheSail) {
  const SailModel m = defaultSail();
  RecordingSurface pic;
  ASSERT_TRUE(applyFullView(m, pic));
  EXPECT_NEAR(pic.scaleTop(), m.HeadCurve(2, 100) + 1, 1e-12);
  EXPECT_NEAR(pic.scaleTop() + pic.scaleHeight(), -m.FootRound - 1, 1e-12);
  EXPECT_GT(pic.scaleWidth(), 0);
}

}  // namespace
}  // namespace kes
