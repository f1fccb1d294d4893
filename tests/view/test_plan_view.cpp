// What the plan view draws for a known sail, in which colour and order, and
// what it leaves out.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "view/plan_view.h"
#include "view_fixture.h"

// Box texts are built as strings and moved in: assigning a literal straight to
// a string member trips a false overlap warning of GCC 12 at -O3.

namespace kes {
namespace {

using test::knownSail;
using test::opsOf;

constexpr int kFore = 15;  // black scheme: Picture1 draws in bright white

std::vector<int> everyFifth() {
  std::vector<int> v{1};
  for (int k = 5; k <= 100; k += 5) v.push_back(k);
  return v;
}
std::vector<int> leechPoints() {
  std::vector<int> v{1};
  for (int k = 5; k <= 100; ++k) v.push_back(k);
  return v;
}

// Checks a polyline at ops[pos...] through the listed points of curve c on
// coordinates (1, 2); returns the position after it.
size_t expectPolyline(const std::vector<DrawOp>& ops, size_t pos, const Curve& c,
                      const std::vector<int>& pts, bool withDot, int dotColour, int segColour,
                      const char* what) {
  SCOPED_TRACE(what);
  if (withDot) {
    EXPECT_LT(pos, ops.size());
    if (pos >= ops.size()) return pos;
    const DrawOp& d = ops[pos++];
    EXPECT_EQ(d.kind, DrawOp::Point);
    EXPECT_EQ(d.colour, dotColour);
    EXPECT_DOUBLE_EQ(d.x1, c(1, pts[0]));
    EXPECT_DOUBLE_EQ(d.y1, c(2, pts[0]));
  }
  for (size_t k = 1; k < pts.size(); ++k) {
    EXPECT_LT(pos, ops.size());
    if (pos >= ops.size()) return pos;
    const DrawOp& l = ops[pos++];
    EXPECT_EQ(l.kind, DrawOp::Line) << "segment " << k;
    EXPECT_EQ(l.colour, segColour) << "segment " << k;
    EXPECT_DOUBLE_EQ(l.x1, c(1, pts[k - 1]));
    EXPECT_DOUBLE_EQ(l.y1, c(2, pts[k - 1]));
    EXPECT_DOUBLE_EQ(l.x2, c(1, pts[k]));
    EXPECT_DOUBLE_EQ(l.y2, c(2, pts[k]));
  }
  return pos;
}

void expectLine(const DrawOp& op, double x1, double y1, double x2, double y2, int colour) {
  EXPECT_EQ(op.kind, DrawOp::Line);
  EXPECT_EQ(op.colour, colour);
  EXPECT_NEAR(op.x1, x1, 1e-9);
  EXPECT_NEAR(op.y1, y1, 1e-9);
  EXPECT_NEAR(op.x2, x2, 1e-9);
  EXPECT_NEAR(op.y2, y2, 1e-9);
}

class PlanViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pic1.setForeColor(kFore);
    pic1.setBackColor(0);
    pic1.setScale(-5, 105, 70, -5);
    pic2.setForeColor(0);
    pic2.setBackColor(15);
    pic2.forget();
  }
  PlanViewResult paint() { return paintPlanView(m, in, pic1, &pic2); }

  SailModel m = knownSail();
  PlanViewInputs in;
  RecordingSurface pic1, pic2{8775, 1755};
};

TEST_F(PlanViewTest, EdgesStripesAndDraftLineInOrderAndColour) {
  paint();
  const auto& ops = pic1.ops();
  ASSERT_FALSE(ops.empty());
  EXPECT_EQ(ops[0].kind, DrawOp::Clear);
  size_t p = 1;
  p = expectPolyline(ops, p, m.LuffView, everyFifth(), true, kFore, kFore, "luff");
  p = expectPolyline(ops, p, m.HeadView, everyFifth(), true, kFore, kFore, "head");
  p = expectPolyline(ops, p, m.LeechView, leechPoints(), true, kFore, kFore, "leech");
  p = expectPolyline(ops, p, m.FootView, everyFifth(), true, kFore, kFore, "foot");
  p = expectPolyline(ops, p, m.MoldSections[0], everyFifth(), true, 12, 12, "station 0");
  for (int k = 1; k <= 5; ++k) {
    const Curve& s = m.MoldSections[k];
    ASSERT_LT(p, ops.size());
    expectLine(ops[p++], s(1, 100), s(2, 100), s(1, 1), s(2, 1), 7);  // chord
    p = expectPolyline(ops, p, s, everyFifth(), false, 12, 12, "stripe");
  }
  // Draft line: station k's point D(k) to station k+1's, then to the head.
  const int D[6] = {42, 42, 42, 42, 44, 47};
  for (int k = 0; k <= 4; ++k) {
    ASSERT_LT(p, ops.size());
    const Curve &a = m.MoldSections[k], &b = m.MoldSections[k + 1];
    expectLine(ops[p++], a(1, D[k]), a(2, D[k]), b(1, D[k + 1]), b(2, D[k + 1]), 9);
  }
  ASSERT_LT(p, ops.size());
  const Curve& s5 = m.MoldSections[5];
  expectLine(ops[p++], s5(1, 47), s5(2, 47), m.HeadView(1, 47), m.HeadView(2, 47), 9);
  // Nothing of the Mold frame outside it; battens and reefs have no input.
  EXPECT_EQ(p, ops.size());
  EXPECT_EQ(pic2.ops().size(), 0u);
}

TEST_F(PlanViewTest, DraftPositionsRoundHalfToEvenAndZeroMeansOrigin) {
  m.DepthPositions[1] = 42.5;  // point 42
  m.DepthPositions[2] = 0;     // point 0: the origin
  paint();
  const auto blue = opsOf(pic1, DrawOp::Line, 9);
  ASSERT_EQ(blue.size(), 6u);
  EXPECT_DOUBLE_EQ(blue[0].x2, m.MoldSections[1](1, 42));
  EXPECT_DOUBLE_EQ(blue[1].x2, 0.0);
  EXPECT_DOUBLE_EQ(blue[1].y2, 0.0);
  EXPECT_DOUBLE_EQ(blue[2].x1, 0.0);
  EXPECT_DOUBLE_EQ(blue[2].y1, 0.0);
}

TEST_F(PlanViewTest, DraftPositionOutOfRangeDrawsNothingForItsSteps) {
  m.DepthPositions[2] = 150;
  m.DepthPositions[5] = -3;
  paint();
  const auto blue = opsOf(pic1, DrawOp::Line, 9);
  // Steps 1-2, 2-3 (station 2), 4-5 and 5-head (station 5) are left out.
  ASSERT_EQ(blue.size(), 2u);
  EXPECT_DOUBLE_EQ(blue[0].y1, m.MoldSections[0](2, 42));
  EXPECT_DOUBLE_EQ(blue[1].y1, m.MoldSections[3](2, 42));
  EXPECT_DOUBLE_EQ(blue[1].y2, m.MoldSections[4](2, 44));
}

TEST_F(PlanViewTest, PanelsModeLeavesOutStripesChordsAndDraftLine) {
  in.panelsMode = true;
  in.batPos[0] = std::string("25");
  in.batLngth[0] = std::string("10");
  in.batAngl[0] = std::string("0");
  in.numReef[0] = std::string("2");
  in.reefPos[0] = std::string("30");
  paint();
  EXPECT_TRUE(opsOf(pic1, DrawOp::Line, 12).empty());
  EXPECT_TRUE(opsOf(pic1, DrawOp::Point, 12).empty());
  EXPECT_TRUE(opsOf(pic1, DrawOp::Line, 7).empty());
  EXPECT_TRUE(opsOf(pic1, DrawOp::Line, 9).empty());
  EXPECT_EQ(opsOf(pic1, DrawOp::Line, kFore).size(), 20u + 20u + 96u + 20u);
  EXPECT_EQ(opsOf(pic1, DrawOp::Line, 14).size(), 1u);
  EXPECT_EQ(opsOf(pic1, DrawOp::Circle, 14).size(), 2u);
}

TEST_F(PlanViewTest, MoldModeDrawsSelectedStripeSectionStripAndMovesMarker) {
  in.sectionVisible = true;
  in.currentSection = 3;
  const PlanViewResult r = paint();
  EXPECT_TRUE(r.markerMoved);
  EXPECT_DOUBLE_EQ(r.markerTopTwips, 3270.0 - 360.0 * 2);
  EXPECT_TRUE(r.sectionDrawn);
  EXPECT_FALSE(pic2.ops().empty());

  const auto& ops = pic1.ops();
  // The selected stripe follows the draft line: a dot in the foreground
  // colour, then its segments in light green.
  size_t p = 0;
  while (p < ops.size() && !(ops[p].kind == DrawOp::Point && ops[p].colour == kFore &&
                             ops[p].y1 == m.MoldSections[3](2, 1)))
    ++p;
  ASSERT_LT(p, ops.size());
  EXPECT_EQ(ops[p - 1].colour, 9);  // the draft line ended just before
  p = expectPolyline(ops, p, m.MoldSections[3], everyFifth(), true, kFore, 10, "selected");
  EXPECT_EQ(p, ops.size());
}

TEST_F(PlanViewTest, MarkerTopsForFootAndTopStation) {
  EXPECT_DOUBLE_EQ(sectionMarkerTop(0), 3630.0);
  EXPECT_DOUBLE_EQ(sectionMarkerTop(5), 1830.0);
  in.sectionVisible = false;
  in.currentSection = 0;
  EXPECT_FALSE(paint().markerMoved);
  EXPECT_TRUE(opsOf(pic1, DrawOp::Line, 10).empty());
}

TEST_F(PlanViewTest, BattensRunForwardFromTheLeechWithTheLeechChord) {
  in.batPos[0] = std::string("25");
  in.batLngth[0] = std::string("10");
  in.batAngl[0] = std::string("0");
  in.batPos[1] = std::string("50");
  in.batLngth[1] = std::string("8");
  in.batAngl[1] = std::string("10");
  paint();
  const auto chord = opsOf(pic1, DrawOp::Line, 1);
  ASSERT_EQ(chord.size(), 1u);
  const Curve& L = m.LeechCurve;
  expectLine(chord[0], L(1, 1), L(2, 1), L(1, 100), L(2, 100), 1);

  const auto bat = opsOf(pic1, DrawOp::Line, 14);
  ASSERT_EQ(bat.size(), 2u);
  expectLine(bat[0], L(1, 75), L(2, 75), L(1, 75) - 10, L(2, 75), 14);
  const double a = 10 * 3.141593 / 180;
  expectLine(bat[1], L(1, 50), L(2, 50), L(1, 50) - 8 * std::cos(a), L(2, 50) - 8 * std::sin(a), 14);
  EXPECT_LT(bat[1].y2, bat[1].y1);  // a positive angle puts the inner end lower
  // The chord comes first, the battens after the plan's own lines.
  EXPECT_EQ(pic1.ops()[pic1.ops().size() - 3].colour, 1);
}

TEST_F(PlanViewTest, BattenPositionIndexRounding) {
  in.batLngth[0] = std::string("5");
  in.batAngl[0] = std::string("0");
  const struct { const char* pos; int point; } cases[] = {{"0", 100}, {"25", 75}, {"37.5", 62}};
  for (const auto& c : cases) {
    in.batPos[0] = std::string(c.pos);
    paint();
    const auto bat = opsOf(pic1, DrawOp::Line, 14);
    ASSERT_EQ(bat.size(), 1u) << c.pos;
    EXPECT_DOUBLE_EQ(bat[0].x1, m.LeechCurve(1, c.point)) << c.pos;
    EXPECT_DOUBLE_EQ(bat[0].y1, m.LeechCurve(2, c.point)) << c.pos;
  }
}

TEST_F(PlanViewTest, NoBattensWithoutAFirstLengthButReefsStill) {
  for (const char* first : {"", "0", "abc"}) {
    in.batLngth[0] = std::string(first);
    in.batPos[0] = std::string("25");
    in.batAngl[0] = std::string("0");
    in.batPos[1] = std::string("50");
    in.batLngth[1] = std::string("8");
    in.batAngl[1] = std::string("0");
    in.numReef[0] = std::string("3");
    in.reefPos[0] = std::string("20");
    paint();
    EXPECT_TRUE(opsOf(pic1, DrawOp::Line, 14).empty()) << first;
    EXPECT_TRUE(opsOf(pic1, DrawOp::Line, 1).empty()) << first;
    EXPECT_EQ(opsOf(pic1, DrawOp::Circle, 14).size(), 3u) << first;
  }
}

TEST_F(PlanViewTest, BattenRowWithoutNumbersDrawsNothingForThatRowOnly) {
  const char* bad[][3] = {
      {"abc", "8", "0"}, {"50", "", "0"}, {"50", "8", "x"}, {"50", "8", ""}, {"150", "8", "0"}};
  for (const auto& row : bad) {
    in.batPos[0] = std::string("25");
    in.batLngth[0] = std::string("10");
    in.batAngl[0] = std::string("0");
    in.batPos[1] = std::string(row[0]);
    in.batLngth[1] = std::string(row[1]);
    in.batAngl[1] = std::string(row[2]);
    in.batPos[2] = std::string("75");
    in.batLngth[2] = std::string("6");
    in.batAngl[2] = std::string("0");
    paint();
    const auto bat = opsOf(pic1, DrawOp::Line, 14);
    ASSERT_EQ(bat.size(), 2u) << row[0] << "|" << row[1] << "|" << row[2];
    EXPECT_DOUBLE_EQ(bat[0].y1, m.LeechCurve(2, 75));
    EXPECT_DOUBLE_EQ(bat[1].y1, m.LeechCurve(2, 25));
  }
}

TEST_F(PlanViewTest, NothingOfBattensOrReefsOnATurnedView) {
  in.batPos[0] = std::string("25");
  in.batLngth[0] = std::string("10");
  in.batAngl[0] = std::string("0");
  in.numReef[0] = std::string("3");
  in.reefPos[0] = std::string("20");
  for (int axis = 0; axis < 3; ++axis) {
    m.ViewAngleX = axis == 0 ? 5 : 0;
    m.ViewAngleY = axis == 1 ? -5 : 0;
    m.ViewAngleZ = axis == 2 ? 2 : 0;
    paint();
    EXPECT_TRUE(opsOf(pic1, DrawOp::Line, 14).empty());
    EXPECT_TRUE(opsOf(pic1, DrawOp::Line, 1).empty());
    EXPECT_TRUE(opsOf(pic1, DrawOp::Circle).empty());
  }
  m.ViewAngleX = m.ViewAngleY = m.ViewAngleZ = 0;
  paint();
  EXPECT_EQ(opsOf(pic1, DrawOp::Circle, 14).size(), 3u);
}

TEST_F(PlanViewTest, ReefRowsOfOneAndThreePoints) {
  in.numReef[0] = std::string("1");
  in.reefPos[0] = std::string("20");  // leech point 80
  in.numReef[1] = std::string("3");
  in.reefPos[1] = std::string("40");  // leech point 60
  paint();
  const auto c = opsOf(pic1, DrawOp::Circle, 14);
  ASSERT_EQ(c.size(), 4u);
  const Curve& L = m.LeechCurve;
  // Row 0: one point on the leech.
  EXPECT_DOUBLE_EQ(c[0].x1, L(1, 80));
  EXPECT_DOUBLE_EQ(c[0].y1, L(2, 80));
  EXPECT_DOUBLE_EQ(c[0].radius, 0.25);
  // Row 1: on the leech, halfway, and P.x forward along a row two degrees
  // off the (level) foot; cf = 1 with the clew on the base line.
  const double aR = 2 * 3.141593 / 180, px = L(1, 60), py = L(2, 60);
  for (int k = 0; k < 3; ++k) {
    const double d = px * k / 2.0;
    EXPECT_NEAR(c[1 + k].x1, px - d * std::cos(aR), 1e-12);
    EXPECT_NEAR(c[1 + k].y1, py - d * std::sin(aR), 1e-12);
    EXPECT_DOUBLE_EQ(c[1 + k].radius, 0.25);
  }
  EXPECT_NEAR(c[3].x1, 0.0, 0.05);  // the last point comes near the luff
}

TEST_F(PlanViewTest, ReefRowDirectionUsesTheFootAngleToOneDecimal) {
  // A foot sloping at 0.14 radian: its clew raised above the tack.
  test::fillLine(m.FootCurve, 50, 50 * std::tan(0.14), 0, 0);
  m.ClewY = 50 * std::tan(0.14);
  in.numReef[0] = std::string("2");
  in.reefPos[0] = std::string("20");
  in.numReef[1] = std::string("2");
  in.reefPos[1] = std::string("40");
  paint();
  const auto c = opsOf(pic1, DrawOp::Circle, 14);
  ASSERT_EQ(c.size(), 4u);
  const double cf = std::cos(std::atan(m.ClewY / m.ClewX));
  for (int r = 0; r < 2; ++r) {
    const double aR = 0.1 + (r + 1) * 3.141593 / 180;
    const int i = r == 0 ? 80 : 60;
    const double d = m.LeechCurve(1, i) / cf;
    EXPECT_NEAR(c[2 * r + 1].x1, m.LeechCurve(1, i) - d * std::cos(aR), 1e-9);
    EXPECT_NEAR(c[2 * r + 1].y1, m.LeechCurve(2, i) - d * std::sin(aR), 1e-9);
  }
}

TEST_F(PlanViewTest, ReefCountsThatAreHugeNegativeZeroOrNotNumbers) {
  in.reefPos[0] = std::string("20");
  const struct { const char* n; size_t circles; } cases[] = {
      {"1e12", kMaxReefPointsDrawn}, {"99999999999999999999", kMaxReefPointsDrawn},
      {"-5", 0}, {"0", 0}, {"abc", 0}, {"", 0}, {"2.5", 2}};
  for (const auto& c : cases) {
    in.numReef[0] = std::string(c.n);
    paint();
    EXPECT_EQ(opsOf(pic1, DrawOp::Circle).size(), c.circles) << c.n;
  }
}

TEST_F(PlanViewTest, ReefRowNeedsAPositionInRangeAndAPlainNumber) {
  in.numReef[0] = std::string("3");
  for (const char* pos : {"0", "", "abc", "20abc", "150", "-10"}) {
    in.reefPos[0] = std::string(pos);
    paint();
    EXPECT_TRUE(opsOf(pic1, DrawOp::Circle).empty()) << pos;
  }
}

TEST_F(PlanViewTest, NonFiniteViewPointsAreLeftOutNotDrawn) {
  m.LuffView(1, 10) = std::numeric_limits<double>::quiet_NaN();
  m.MoldSections[2](2, 50) = std::numeric_limits<double>::infinity();
  m.LeechCurve(1, 75) = std::numeric_limits<double>::quiet_NaN();
  in.batPos[0] = std::string("25");
  in.batLngth[0] = std::string("10");
  in.batAngl[0] = std::string("0");
  in.sectionVisible = true;
  in.currentSection = 2;
  paint();
  for (const RecordingSurface* s : {&pic1, &pic2})
    for (const DrawOp& op : s->ops()) {
      EXPECT_TRUE(std::isfinite(op.x1) && std::isfinite(op.y1) && std::isfinite(op.x2) &&
                  std::isfinite(op.y2) && std::isfinite(op.radius));
    }
  // The luff loses exactly the two segments at point 10.
  size_t luffSegs = 0;
  for (const DrawOp& op : opsOf(pic1, DrawOp::Line, kFore))
    if (op.x1 == 0.0 && op.x2 == 0.0) ++luffSegs;
  EXPECT_EQ(luffSegs, 18u);
  EXPECT_TRUE(opsOf(pic1, DrawOp::Line, 14).empty());
}

TEST_F(PlanViewTest, EmptyModelPaintsWithoutGarbage) {
  m = SailModel{};  // a zero luff: nothing was ever computed
  in.sectionVisible = true;
  in.trueShape = true;
  in.batPos[0] = std::string("25");
  in.batLngth[0] = std::string("10");
  in.batAngl[0] = std::string("0");
  in.numReef[0] = std::string("3");
  in.reefPos[0] = std::string("20");
  const PlanViewResult r = paint();
  EXPECT_FALSE(r.sectionDrawn);
  ASSERT_EQ(pic2.ops().size(), 1u);  // only cleared
  EXPECT_EQ(pic2.ops()[0].kind, DrawOp::Clear);
  for (const DrawOp& op : pic1.ops()) {
    EXPECT_TRUE(std::isfinite(op.x1) && std::isfinite(op.y1) && std::isfinite(op.x2) &&
                std::isfinite(op.y2));
  }
  // With the clew at the origin the reef spacing divides by zero: only the
  // point on the leech is drawn.
  EXPECT_EQ(opsOf(pic1, DrawOp::Circle).size(), 1u);
}

TEST_F(PlanViewTest, SelectedStationOutOfRangeDrawsNoSelection) {
  in.sectionVisible = true;
  in.currentSection = 9;
  paint();
  EXPECT_TRUE(opsOf(pic1, DrawOp::Line, 10).empty());
  in.currentSection = 6;  // the empty station: drawn at the origin
  paint();
  EXPECT_EQ(opsOf(pic1, DrawOp::Line, 10).size(), 20u);
}

}  // namespace
}  // namespace kes
