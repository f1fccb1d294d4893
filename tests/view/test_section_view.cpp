// The section strip: its scales, what it draws for the horizontal section and
// the vertical shape, its labels, and the "View" button's geometry.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "view/section_view.h"
#include "view_fixture.h"

namespace kes {
namespace {

using test::expectScale;
using test::opsOf;

// The texts printed right after a dot in the foreground colour 0.
std::vector<std::string> labelsAfterDots(const RecordingSurface& s) {
  std::vector<std::string> out;
  for (size_t p = 1; p < s.ops().size(); ++p)
    if (s.ops()[p].kind == DrawOp::Text && s.ops()[p - 1].kind == DrawOp::Point &&
        s.ops()[p - 1].colour == 0)
      out.push_back(s.ops()[p].text);
  return out;
}

class SectionViewTest : public ::testing::Test {
 protected:
  void SetUp() override { pic2.setForeColor(0); }
  SailModel m = test::knownSail();
  RecordingSurface pic2{8775, 1755};
};

TEST_F(SectionViewTest, TrueShapeScaleFollowsTheFootSectionWhicheverStation) {
  m.MoldSections[0](1, 100) = 200;  // station 0 selected: u = 2
  ASSERT_TRUE(paintSectionView(m, 0, true, false, pic2));
  expectScale(pic2, -4, 44, 204, -4);
  // Station 3: u from its own clew end, the extent from the foot's.
  ASSERT_TRUE(paintSectionView(m, 3, true, false, pic2));
  const double u = m.MoldSections[3](1, 100) / 100;
  expectScale(pic2, -2 * u, 2 * u + 40, 200 + 2 * u, -2 * u);
}

TEST_F(SectionViewTest, HorizontalSectionFillsTheWidthWithChordCamberAndDraftRing) {
  ASSERT_TRUE(paintSectionView(m, 4, false, false, pic2));
  const Curve& s = m.MoldSections[4];
  const double u = s(1, 100) / 100;
  // The top is set by the largest camber of all stations: station 0's, near 6.
  double M = 0;
  for (int i = 1; i <= 100; ++i) M = std::max(M, m.MoldSections[0](3, i));
  expectScale(pic2, s(1, 1) - u, M + u, s(1, 100) + u, s(3, 1) - u);

  const auto& ops = pic2.ops();
  ASSERT_EQ(ops.size(), 1u + 1u + 99u + 1u);
  EXPECT_EQ(ops[1].colour, 7);  // the chord from the leech end
  EXPECT_EQ(ops[1].x1, s(1, 100));
  EXPECT_EQ(opsOf(pic2, DrawOp::Line, 12).size(), 99u);
  EXPECT_EQ(ops[51].y2, s(3, 51));  // camber on the strip's y
  const DrawOp& ring = ops.back();
  EXPECT_EQ(std::tuple(ring.kind, ring.colour, ring.x1, ring.y1),
            std::tuple(DrawOp::Circle, 9, s(1, 44), s(3, 44)));
  EXPECT_DOUBLE_EQ(ring.radius, u);
}

TEST_F(SectionViewTest, VerticalShapeScaleLinesLabelsAndRing) {
  ASSERT_TRUE(paintSectionView(m, 3, false, true, pic2));
  // V: the largest camber at station 2's draft point (42) over all stations.
  const double V = m.MoldSections[0](3, 42), u = V / 10;
  const double y0 = m.MoldSections[0](2, 42), yH = m.HeadView(2, 47);
  expectScale(pic2, y0 - u, V + u, yH + 5 * u, -2 * u);
  const auto blue = opsOf(pic2, DrawOp::Line, 9);
  ASSERT_EQ(blue.size(), 6u);
  EXPECT_EQ(blue[4].x2, m.MoldSections[5](2, 47));  // height on the strip's x
  EXPECT_EQ(blue[4].y2, m.MoldSections[5](3, 47));  // camber on its y
  EXPECT_EQ(blue[5].x2, yH);
  EXPECT_EQ(opsOf(pic2, DrawOp::Line, 7).size(), 1u);  // the base line

  // Each label follows its dot, in the strip's foreground colour.
  const std::vector<std::string> labels = {"ft", " 1 ", " 2 ", " 3 ", " 4 ", " 5 ", "hd"};
  EXPECT_EQ(labelsAfterDots(pic2), labels);

  // The same curve for every station; only the ring moves.
  const auto ring3 = opsOf(pic2, DrawOp::Circle, 9);
  ASSERT_TRUE(paintSectionView(m, 5, false, true, pic2));
  const auto ring5 = opsOf(pic2, DrawOp::Circle, 9);
  EXPECT_EQ(opsOf(pic2, DrawOp::Line, 9)[0].y2, blue[0].y2);
  ASSERT_EQ(ring3.size(), 1u);
  ASSERT_EQ(ring5.size(), 1u);
  EXPECT_EQ(std::tuple(ring3[0].x1, ring3[0].radius), std::tuple(m.MoldSections[3](2, 42), u));
  EXPECT_EQ(ring5[0].x1, m.MoldSections[5](2, 47));

  // With "True" the depth axis spans a fifth of the height difference.
  ASSERT_TRUE(paintSectionView(m, 2, true, true, pic2));
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
  EXPECT_EQ(opsOf(pic2, DrawOp::Text).size(), 6u);  // no " 4 " without its dot
}

TEST(MoldViewGeometry, EnlargeRestoreAndTooNarrowWindow) {
  auto g = [](int toggle, double w, double h) {
    const MoldViewGeometry r = toggleMoldView(toggle, w, h);
    return std::tuple(r.left, r.top, r.width, r.height, r.moldViewLarge);
  };
  EXPECT_EQ(g(0, 12000, 9000), std::tuple(120.0, 9000.0 - 830 - 2331, 11655.0, 2331.0, 1));
  EXPECT_EQ(g(1, 12000, 9000), std::tuple(3000.0, 6480.0, 8775.0, 1755.0, 0));
  EXPECT_EQ(g(0, 200, 3000), std::tuple(120.0, 2170.0, 0.0, 0.0, 1));  // no negative size
}

}  // namespace
}  // namespace kes
