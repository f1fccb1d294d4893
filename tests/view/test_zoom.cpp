// The zoom box through press, drag and release, the full view, and which
// branch a mouse event takes.

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "view/zoom.h"
#include "view_fixture.h"

namespace kes {
namespace {

using test::expectScale;

TEST(Zoom, DragErasesAndRedrawsTheBoxWithTheExclusiveOrPen) {
  RecordingSurface pic{6000, 4000};  // the box is 1.5 times as wide as high
  pic.setForeColor(15);
  ZoomState z;
  zoomPress(z, 10, 40);
  EXPECT_TRUE(pic.ops().empty());  // a press draws nothing
  zoomMove(z, pic, 30);            // down by 10: width 15
  pic.clear();
  zoomMove(z, pic, 20);  // down by 20: width 30
  ASSERT_EQ(pic.ops().size(), 5u);
  auto op = [&](size_t i) {
    const DrawOp& o = pic.ops()[i];
    return std::tuple(o.kind, o.colour, o.mode, o.x1, o.y1, o.x2, o.y2);
  };
  const auto box = DrawOp::Box;
  EXPECT_EQ(op(1), std::tuple(box, 3, kDrawXorPen, 10.0, 40.0, 25.0, 30.0));  // erases the old
  EXPECT_EQ(op(2), std::tuple(box, 3, kDrawXorPen, 10.0, 40.0, 40.0, 20.0));  // the new box
  EXPECT_EQ(op(3), std::tuple(DrawOp::Point, 15, kDrawXorPen, 10.0, 40.0, 10.0, 40.0));
  EXPECT_EQ(pic.ops()[4].text, "Zoom");  // printed at the start point
  EXPECT_EQ(pic.drawMode(), kDrawCopyPen);
}

TEST(Zoom, ReleaseSetsTheBoxWithYUpOrAsksForTheRecompute) {
  const struct {
    std::vector<double> moves;
    ZoomOutcome outcome;
    double left, top, right, bottom;
  } cases[] = {
      {{30, 20}, ZoomOutcome::Zoomed, 10, 40, 40, 20},
      {{55, 60}, ZoomOutcome::Zoomed, 10, 60, 40, 40},  // upward: as down from 60 to 40
      {{}, ZoomOutcome::FullViewByRecompute, -5, 105, 70, -5},  // a click without a drag
      {{39.5}, ZoomOutcome::FullViewByRecompute, -5, 105, 70, -5},  // 0.75 wide
  };
  for (const auto& c : cases) {
    RecordingSurface pic{6000, 4000};
    pic.setScale(-5, 105, 70, -5);
    ZoomState z;
    zoomPress(z, 10, 40);
    for (double y : c.moves) zoomMove(z, pic, y);
    EXPECT_EQ(zoomRelease(z, pic), c.outcome);
    EXPECT_LE(z.ZoomY1, z.ZoomY2);  // corners put in order
    expectScale(pic, c.left, c.top, c.right, c.bottom);
  }
}

TEST(Zoom, ZeroControlHeightKeepsTheWidthAndAFlatBoxIsRefused) {
  RecordingSurface pic{6000, 4000};
  pic.setScale(-5, 105, 70, -5);
  ZoomState z;
  zoomPress(z, 10, 40);
  zoomMove(z, pic, 20);  // 30 wide
  pic.setSizeTwips(6000, 0);
  zoomMove(z, pic, 40);  // back level with the start point: the width stays
  EXPECT_EQ(z.ZoomX2, 40.0f);
  EXPECT_EQ(zoomRelease(z, pic), ZoomOutcome::Refused);
  expectScale(pic, -5, 105, 70, -5);
}

TEST(FullView, ScaleFromHeadHeightClewRoundAndBendAndNoWidthRefused) {
  SailModel m;
  m.HeadCurve(2, 100) = 100;
  m.FootCurve(1, 1) = 50;
  m.FootRound = 4;
  m.AftBend = 3;
  const double T = ((100 + 4) - (50 + 3)) / 2.0;
  RecordingSurface pic;
  ASSERT_TRUE(applyFullView(m, pic));
  expectScale(pic, -3 - 1 - T, 101, 1.06 * (100 - 4) + 1 - T, -5);

  SailModel flat;  // head height 0, no round: width 1.06 x 0 + 2 + AftBend
  flat.AftBend = -2;
  EXPECT_FALSE(applyFullView(flat, pic));
  expectScale(pic, -3 - 1 - T, 101, 1.06 * (100 - 4) + 1 - T, -5);
}

TEST(MouseBranch, LeftInPanelsHandlesRightZoomsEverywhere) {
  const struct { bool panels; int button; MouseBranch branch; } cases[] = {
      {true, 1, MouseBranch::Handle}, {false, 1, MouseBranch::None},
      {true, 2, MouseBranch::Zoom},   {false, 2, MouseBranch::Zoom},
      {true, 3, MouseBranch::None},   {false, 4, MouseBranch::None}};  // 3: both held
  for (const auto& c : cases) EXPECT_EQ(mouseBranch(c.panels, c.button), c.branch) << c.button;
}

}  // namespace
}  // namespace kes
