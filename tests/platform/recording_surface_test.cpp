#include "platform/recording_surface.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using kes::DrawOp;
using kes::RecordingSurface;

TEST(RecordingSurface, RecordsInUserUnitsWithResolvedColoursAndPrintAdvancesOneLine) {
  RecordingSurface s(1500, 1500);  // 100 x 100 pixels
  ASSERT_TRUE(s.setScale(0, 10, 10, 0));
  EXPECT_FALSE(s.setScale(0, 0, 0, 5));
  EXPECT_FALSE(s.setScale(0, std::numeric_limits<double>::quiet_NaN(), 1, 0));
  EXPECT_DOUBLE_EQ(s.scaleHeight(), -10);
  s.setForeColor(15);
  s.clear();
  s.point(1, 2);
  s.lineTo(3, 4, 12);
  s.setDrawMode(kes::kDrawXorPen);
  s.circle(4, 6, 1);
  s.print("hd");
  ASSERT_EQ(s.ops().size(), 5u);
  EXPECT_EQ(s.ops()[1].colour, 15);
  EXPECT_EQ(s.ops()[2].kind, DrawOp::Line);
  EXPECT_DOUBLE_EQ(s.ops()[2].x1, 1);  // from the point
  EXPECT_EQ(s.ops()[3].mode, kes::kDrawXorPen);
  EXPECT_DOUBLE_EQ(s.currentX(), 0);
  EXPECT_NEAR(s.currentY(), 6 - 1.3, 1e-12);  // 195 twips of 1500, in a scale 10 high

  s.setBackColor(0);  // clears
  ASSERT_EQ(s.ops().size(), 1u);
  EXPECT_EQ(s.ops()[0].kind, DrawOp::Clear);
  EXPECT_EQ(s.ops()[0].colour, 0);
}

}  // namespace
