// The zoom box through press, drag and release, the full view, and which
// branch a mouse event takes.

#include <gtest/gtest.h>

#include "view/zoom.h"
#include "view_fixture.h"

namespace kes {
namespace {

using test::opsOf;

class ZoomTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pic.setForeColor(15);
    pic.setBackColor(0);
    pic.setScale(-5, 105, 70, -5);
  }
  // Control 6000 x 4000 twips: the box is 1.5 times as wide as high.
  RecordingSurface pic{6000, 4000};
  ZoomState z;
};

TEST_F(ZoomTest, PressSetsBothCornersAndDrawsNothing) {
  pic.clear();
  zoomPress(z, 10.25, 40.5);
  EXPECT_EQ(z.ZoomX1, 10.25f);
  EXPECT_EQ(z.ZoomX2, 10.25f);
  EXPECT_EQ(z.ZoomY1, 40.5f);
  EXPECT_EQ(z.ZoomY2, 40.5f);
  EXPECT_EQ(pic.ops().size(), 1u);
}

TEST_F(ZoomTest, MoveErasesAndRedrawsTheBoxWithTheExclusiveOrPen) {
  zoomPress(z, 10, 40);
  zoomMove(z, pic, 30);  // down by 10: width 15
  pic.clear();
  zoomMove(z, pic, 20);  // down by 20: width 30
  const auto& ops = pic.ops();
  ASSERT_EQ(ops.size(), 5u);
  // The previous box, erased.
  EXPECT_EQ(ops[1].kind, DrawOp::Box);
  EXPECT_EQ(ops[1].colour, 3);
  EXPECT_EQ(ops[1].mode, kDrawXorPen);
  EXPECT_DOUBLE_EQ(ops[1].x2, 25);
  EXPECT_DOUBLE_EQ(ops[1].y2, 30);
  // The new one.
  EXPECT_EQ(ops[2].kind, DrawOp::Box);
  EXPECT_EQ(ops[2].mode, kDrawXorPen);
  EXPECT_DOUBLE_EQ(ops[2].x1, 10);
  EXPECT_DOUBLE_EQ(ops[2].y1, 40);
  EXPECT_DOUBLE_EQ(ops[2].x2, 40);
  EXPECT_DOUBLE_EQ(ops[2].y2, 20);
  // "Zoom" at the start point in the foreground colour.
  EXPECT_EQ(ops[3].kind, DrawOp::Point);
  EXPECT_EQ(ops[3].colour, 15);
  EXPECT_EQ(ops[4].kind, DrawOp::Text);
  EXPECT_EQ(ops[4].text, "Zoom");
  EXPECT_DOUBLE_EQ(ops[4].x1, 10);
  EXPECT_DOUBLE_EQ(ops[4].y1, 40);
  EXPECT_EQ(pic.drawMode(), kDrawCopyPen);
  EXPECT_EQ(z.ZoomX2, 40.0f);
  EXPECT_EQ(z.ZoomY2, 20.0f);
}

TEST_F(ZoomTest, ReleaseSetsTheScaleToTheBoxWithYUp) {
  zoomPress(z, 10, 40);
  zoomMove(z, pic, 20);
  EXPECT_EQ(zoomRelease(z, pic), ZoomOutcome::Zoomed);
  EXPECT_EQ(z.ZoomY1, 20.0f);  // corners put in order
  EXPECT_EQ(z.ZoomY2, 40.0f);
  EXPECT_DOUBLE_EQ(pic.scaleLeft(), 10);
  EXPECT_DOUBLE_EQ(pic.scaleTop(), 40);
  EXPECT_DOUBLE_EQ(pic.scaleWidth(), 30);
  EXPECT_DOUBLE_EQ(pic.scaleHeight(), -20);
}

TEST_F(ZoomTest, UpwardDragZoomsLikeTheSameDownwardDrag) {
  ZoomState up, down;
  RecordingSurface a{6000, 4000}, b{6000, 4000};
  zoomPress(up, 10, 40);
  zoomMove(up, a, 55);
  zoomMove(up, a, 60);
  zoomPress(down, 10, 60);
  zoomMove(down, b, 45);
  zoomMove(down, b, 40);
  ASSERT_EQ(zoomRelease(up, a), ZoomOutcome::Zoomed);
  ASSERT_EQ(zoomRelease(down, b), ZoomOutcome::Zoomed);
  EXPECT_DOUBLE_EQ(a.scaleLeft(), b.scaleLeft());
  EXPECT_DOUBLE_EQ(a.scaleTop(), b.scaleTop());
  EXPECT_DOUBLE_EQ(a.scaleWidth(), b.scaleWidth());
  EXPECT_DOUBLE_EQ(a.scaleHeight(), b.scaleHeight());
  EXPECT_DOUBLE_EQ(a.scaleWidth(), 30);
}

TEST_F(ZoomTest, NarrowerThanOneUnitAsksForTheRecomputeAndKeepsTheScale) {
  zoomPress(z, 10, 40);  // a click without a drag
  EXPECT_EQ(zoomRelease(z, pic), ZoomOutcome::FullViewByRecompute);
  zoomPress(z, 10, 40);
  zoomMove(z, pic, 39.5);  // 0.75 wide
  EXPECT_EQ(zoomRelease(z, pic), ZoomOutcome::FullViewByRecompute);
  EXPECT_DOUBLE_EQ(pic.scaleLeft(), -5);
  EXPECT_DOUBLE_EQ(pic.scaleWidth(), 75);
}

TEST_F(ZoomTest, ZeroControlHeightKeepsTheWidthAndNeverMakesAFlatScale) {
  zoomPress(z, 10, 40);
  pic.setSizeTwips(6000, 0);
  zoomMove(z, pic, 20);
  EXPECT_EQ(z.ZoomX2, 10.0f);
  EXPECT_EQ(z.ZoomY2, 20.0f);
  EXPECT_EQ(zoomRelease(z, pic), ZoomOutcome::FullViewByRecompute);

  // Corners left from before with a width but no height: refused.
  ZoomState flat{0, 10, 30, 10};
  EXPECT_EQ(zoomRelease(flat, pic), ZoomOutcome::Refused);
  EXPECT_DOUBLE_EQ(pic.scaleTop(), 105);
  EXPECT_DOUBLE_EQ(pic.scaleHeight(), -110);
}

TEST(FullView, ScaleFromHeadHeightClewRoundAndBend) {
  SailModel m;
  m.HeadCurve(2, 100) = 100;
  m.FootCurve(1, 1) = 50;
  m.FootRound = 4;
  m.AftBend = 3;
  const ViewScale v = fullViewScale(m);
  const double T = ((100 + 4) - (50 + 3)) / 2.0;
  EXPECT_DOUBLE_EQ(v.left, -3 - 1 - T);
  EXPECT_DOUBLE_EQ(v.top, 101);
  EXPECT_DOUBLE_EQ(v.right, 1.06 * (100 - 4) + 1 - T);
  EXPECT_DOUBLE_EQ(v.bottom, -5);

  RecordingSurface pic;
  ASSERT_TRUE(applyFullView(m, pic));
  EXPECT_DOUBLE_EQ(pic.scaleLeft(), v.left);
  EXPECT_DOUBLE_EQ(pic.scaleTop(), v.top);
  EXPECT_DOUBLE_EQ(pic.scaleWidth(), v.right - v.left);
  EXPECT_DOUBLE_EQ(pic.scaleHeight(), v.bottom - v.top);
}

TEST(FullView, NoWidthIsRefusedAndTheOldScaleStays) {
  SailModel m;  // head height 0, no round: width 1.06 x 0 + 2 + AftBend
  m.AftBend = -2;
  RecordingSurface pic;
  pic.setScale(-5, 105, 70, -5);
  EXPECT_FALSE(applyFullView(m, pic));
  EXPECT_DOUBLE_EQ(pic.scaleLeft(), -5);
  EXPECT_DOUBLE_EQ(pic.scaleWidth(), 75);
}

TEST(MouseBranch, LeftInPanelsHandlesRightZoomsEverywhere) {
  EXPECT_EQ(mouseBranch(true, 1), MouseBranch::Handle);
  EXPECT_EQ(mouseBranch(false, 1), MouseBranch::None);
  EXPECT_EQ(mouseBranch(true, 2), MouseBranch::Zoom);
  EXPECT_EQ(mouseBranch(false, 2), MouseBranch::Zoom);
  EXPECT_EQ(mouseBranch(true, 3), MouseBranch::None);  // both held
  EXPECT_EQ(mouseBranch(false, 4), MouseBranch::None);
}

}  // namespace
}  // namespace kes
