// The section strip: its scales, what it draws for the horizontal section and
// the vertical shape, its labels, and the "View" button's geometry.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "view/section_view.h"
#include "view_fixture.h"

namespace kes {
namespace {

using test::knownSail;
using test::opsOf;

void expectScale(const Surface& s, double l, double t, double r, double b) {
  EXPECT_NEAR(s.scaleLeft(), l, 1e-9);
  EXPECT_NEAR(s.scaleTop(), t, 1e-9);
  EXPECT_NEAR(s.scaleWidth(), r - l, 1e-9);
  EXPECT_NEAR(s.scaleHeight(), b - t, 1e-9);
}

class SectionViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pic2.setForeColor(0);
    pic2.setBackColor(15);
  }
  SailModel m = knownSail();
  RecordingSurface pic2{8775, 1755};
};

TEST_F(SectionViewTest, TrueShapeScaleFollowsTheFootSectionWhicheverStation) {
  // The foot section's clew end at x = 200 and station 0 selected: u = 2.
  m.MoldSections[0](1, 100) = 200;
  ASSERT_TRUE(paintSectionView(m, 0, true, false, pic2));
  expectScale(pic2, -4, 44, 204, -4);
  // Station 3: u comes from its own clew end, the extent from the foot's.
  ASSERT_TRUE(paintSectionView(m, 3, true, false, pic2));
  const double u = m.MoldSections[3](1, 100) / 100;
  expectScale(pic2, -2 * u, 2 * u + 40, 200 + 2 * u, -2 * u);
}

TEST_F(SectionViewTest, NormalScaleLetsTheSelectedStationFillTheWidth) {
  const Curve& s = m.MoldSections[2];
  const double u = s(1, 100) / 100;
  ASSERT_TRUE(paintSectionView(m, 2, false, false, pic2));
  // M: the largest camber of all stations (station 0's, near 6).
  double M = 0;
  for (int k = 0; k <= 5; ++k)
    for (int i = 1; i <= 100; ++i) M = std::max(M, m.MoldSections[k](3, i));
  EXPECT_GT(M, 5.99);
  expectScale(pic2, s(1, 1) - u, M + u, s(1, 100) + u, s(3, 1) - u);
}

TEST_F(SectionViewTest, HorizontalSectionChordCamberAndDraftRing) {
  ASSERT_TRUE(paintSectionView(m, 4, false, false, pic2));
  const auto& ops = pic2.ops();
  const Curve& s = m.MoldSections[4];
  ASSERT_EQ(ops.size(), 1u + 1u + 99u + 1u);
  EXPECT_EQ(ops[0].kind, DrawOp::Clear);
  EXPECT_EQ(ops[1].kind, DrawOp::Line);
  EXPECT_EQ(ops[1].colour, 7);
  EXPECT_DOUBLE_EQ(ops[1].x1, s(1, 100));
  EXPECT_DOUBLE_EQ(ops[1].y1, s(3, 100));
  EXPECT_DOUBLE_EQ(ops[1].x2, s(1, 1));
  EXPECT_DOUBLE_EQ(ops[1].y2, s(3, 1));
  for (int i = 2; i <= 100; ++i) {
    const DrawOp& l = ops[i];
    EXPECT_EQ(l.colour, 12);
    EXPECT_DOUBLE_EQ(l.x1, s(1, i - 1));
    EXPECT_DOUBLE_EQ(l.y1, s(3, i - 1));
    EXPECT_DOUBLE_EQ(l.x2, s(1, i));
    EXPECT_DOUBLE_EQ(l.y2, s(3, i));
  }
  const DrawOp& ring = ops.back();
  EXPECT_EQ(ring.kind, DrawOp::Circle);
  EXPECT_EQ(ring.colour, 9);
  EXPECT_DOUBLE_EQ(ring.x1, s(1, 44));
  EXPECT_DOUBLE_EQ(ring.y1, s(3, 44));
  EXPECT_DOUBLE_EQ(ring.radius, s(1, 100) / 100);
}

TEST_F(SectionViewTest, VerticalShapeLinesLabelsAndRing) {
  const int D[6] = {42, 42, 42, 42, 44, 47};
  ASSERT_TRUE(paintSectionView(m, 3, false, true, pic2));
  // V: the largest camber at station 2's draft point over all stations.
  double V = 0;
  for (int k = 0; k <= 5; ++k) V = std::max(V, m.MoldSections[k](3, 42));
  const double u = V / 10;
  const double y0 = m.MoldSections[0](2, 42), yH = m.HeadView(2, 47);
  expectScale(pic2, y0 - u, V + u, yH + 5 * u, -2 * u);

  const auto grey = opsOf(pic2, DrawOp::Line, 7);
  ASSERT_EQ(grey.size(), 1u);
  EXPECT_DOUBLE_EQ(grey[0].x1, y0 - u);
  EXPECT_DOUBLE_EQ(grey[0].y1, 0.0);
  EXPECT_DOUBLE_EQ(grey[0].x2, yH + 5 * u);
  EXPECT_DOUBLE_EQ(grey[0].y2, 0.0);

  const auto blue = opsOf(pic2, DrawOp::Line, 9);
  ASSERT_EQ(blue.size(), 6u);
  for (int k = 0; k <= 4; ++k) {
    EXPECT_DOUBLE_EQ(blue[k].x1, m.MoldSections[k](2, D[k]));
    EXPECT_DOUBLE_EQ(blue[k].y1, m.MoldSections[k](3, D[k]));
    EXPECT_DOUBLE_EQ(blue[k].x2, m.MoldSections[k + 1](2, D[k + 1]));
    EXPECT_DOUBLE_EQ(blue[k].y2, m.MoldSections[k + 1](3, D[k + 1]));
  }
  EXPECT_DOUBLE_EQ(blue[5].x2, yH);
  EXPECT_DOUBLE_EQ(blue[5].y2, m.HeadView(3, 47));

  // Each label follows its dot, in the strip's foreground colour.
  const char* texts[7] = {"ft", " 1 ", " 2 ", " 3 ", " 4 ", " 5 ", "hd"};
  const auto& ops = pic2.ops();
  int n = 0;
  for (size_t p = 1; p < ops.size(); ++p) {
    if (ops[p].kind != DrawOp::Text) continue;
    ASSERT_LT(n, 7);
    EXPECT_EQ(ops[p].text, texts[n]);
    EXPECT_EQ(ops[p].colour, 0);
    EXPECT_EQ(ops[p - 1].kind, DrawOp::Point);
    EXPECT_EQ(ops[p - 1].colour, 0);
    EXPECT_DOUBLE_EQ(ops[p].x1, ops[p - 1].x1);
    EXPECT_DOUBLE_EQ(ops[p].y1, ops[p - 1].y1);
    ++n;
  }
  EXPECT_EQ(n, 7);

  const auto ring = opsOf(pic2, DrawOp::Circle, 9);
  ASSERT_EQ(ring.size(), 1u);
  EXPECT_DOUBLE_EQ(ring[0].x1, m.MoldSections[3](2, 42));
  EXPECT_DOUBLE_EQ(ring[0].y1, m.MoldSections[3](3, 42));
  EXPECT_DOUBLE_EQ(ring[0].radius, u);
}

TEST_F(SectionViewTest, VerticalShapeIsTheSameCurveForEveryStation) {
  ASSERT_TRUE(paintSectionView(m, 1, false, true, pic2));
  const auto first = opsOf(pic2, DrawOp::Line, 9);
  const auto ring1 = opsOf(pic2, DrawOp::Circle, 9);
  ASSERT_TRUE(paintSectionView(m, 5, false, true, pic2));
  const auto second = opsOf(pic2, DrawOp::Line, 9);
  const auto ring5 = opsOf(pic2, DrawOp::Circle, 9);
  ASSERT_EQ(first.size(), second.size());
  for (size_t k = 0; k < first.size(); ++k) {
    EXPECT_EQ(first[k].x1, second[k].x1);
    EXPECT_EQ(first[k].y2, second[k].y2);
  }
  ASSERT_EQ(ring1.size(), 1u);
  ASSERT_EQ(ring5.size(), 1u);
  EXPECT_NE(ring1[0].x1, ring5[0].x1);  // only the ring moves
}

TEST_F(SectionViewTest, VerticalTrueShapeDepthAxisIsAFifthOfTheHeight) {
  ASSERT_TRUE(paintSectionView(m, 2, true, true, pic2));
  double V = 0;
  for (int k = 0; k <= 5; ++k) V = std::max(V, m.MoldSections[k](3, 42));
  const double u = V / 10;
  const double y0 = m.MoldSections[0](2, 42), yH = m.HeadView(2, 47);
  expectScale(pic2, y0 - u, (yH - y0) / 5 + u, yH + 5 * u, -2 * u);
}

TEST_F(SectionViewTest, DegenerateScaleLeavesTheStripClearedAndItsScale) {
  pic2.setScale(0, 10, 50, 0);
  const SailModel empty;
  for (bool trueShape : {false, true})
    for (bool vert : {false, true}) {
      EXPECT_FALSE(paintSectionView(empty, 1, trueShape, vert, pic2));
      ASSERT_EQ(pic2.ops().size(), 1u);
      EXPECT_EQ(pic2.ops()[0].kind, DrawOp::Clear);
      expectScale(pic2, 0, 10, 50, 0);
    }
}

TEST_F(SectionViewTest, DraftPointOutOfRangeLosesOnlyItsSteps) {
  m.DepthPositions[4] = 140;
  ASSERT_TRUE(paintSectionView(m, 4, false, false, pic2));
  EXPECT_TRUE(opsOf(pic2, DrawOp::Circle).empty());
  EXPECT_EQ(opsOf(pic2, DrawOp::Line, 12).size(), 99u);

  ASSERT_TRUE(paintSectionView(m, 1, false, true, pic2));
  EXPECT_EQ(opsOf(pic2, DrawOp::Line, 9).size(), 4u);  // steps 3-4 and 4-5 lost
  EXPECT_EQ(opsOf(pic2, DrawOp::Text).size(), 6u);     // no " 4 " without its dot
}

TEST(MoldViewGeometry, EnlargeThenRestore) {
  const MoldViewGeometry big = toggleMoldView(0, 12000, 9000);
  EXPECT_DOUBLE_EQ(big.left, 120);
  EXPECT_DOUBLE_EQ(big.width, 11655);
  EXPECT_DOUBLE_EQ(big.height, 2331);
  EXPECT_DOUBLE_EQ(big.top, 9000 - 830 - 2331);
  EXPECT_EQ(big.moldViewLarge, 1);

  const MoldViewGeometry normal = toggleMoldView(1, 12000, 9000);
  EXPECT_DOUBLE_EQ(normal.left, 3000);
  EXPECT_DOUBLE_EQ(normal.width, 8775);
  EXPECT_DOUBLE_EQ(normal.height, 1755);
  EXPECT_DOUBLE_EQ(normal.top, 6480);
  EXPECT_EQ(normal.moldViewLarge, 0);
  EXPECT_DOUBLE_EQ(normal.width, 5 * normal.height);
}

TEST(MoldViewGeometry, TooNarrowWindowGivesNoNegativeSize) {
  const MoldViewGeometry g = toggleMoldView(0, 200, 3000);
  EXPECT_DOUBLE_EQ(g.width, 0);
  EXPECT_DOUBLE_EQ(g.height, 0);
  EXPECT_EQ(g.moldViewLarge, 1);
}

}  // namespace
}  // namespace kes
