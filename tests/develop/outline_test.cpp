// The winding test that keeps marks inside the cut and checks the knife,
// where records stand straight above or below the point: the directions
// of a quarter and three quarters of a turn taken without a slope.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "develop/outline.h"

namespace kes {
namespace {

CutOutline outlineThrough(const std::vector<Point2>& pts) {
  CutOutline cut;
  for (const Point2 p : pts) AppendRecord(cut, {p.x, p.y, 0, false});
  return cut;
}

// A C open towards +x: a lower arm y 0..2 and an upper arm y 8..10 joined
// at x 0..2, with records at x = 6 on every edge of the arms, straight
// above and below one another.
const std::vector<Point2> kC = {{0, 0}, {6, 0}, {10, 0}, {10, 2}, {6, 2}, {2, 2},  {2, 8},
                                {6, 8}, {10, 8}, {10, 10}, {6, 10}, {0, 10}};

TEST(OutlineWinding, RecordsStraightAboveAndBelowThePoint) {
  // One record straight above the point (a triangle's apex), then one
  // straight below (the triangle upside down): in, either way round.
  const CutOutline apexUp = outlineThrough({{-10, 0}, {10, 0}, {0, 10}});
  const CutOutline apexDown = outlineThrough({{-10, 10}, {0, 0}, {10, 10}});
  EXPECT_TRUE(InsideOutline(apexUp, {0, 5}));
  EXPECT_TRUE(InsideOutline(outlineThrough({{0, 10}, {10, 0}, {-10, 0}}), {0, 5}));
  EXPECT_TRUE(InsideOutline(apexDown, {0, 5}));
  EXPECT_TRUE(InsideOutline(outlineThrough({{10, 10}, {0, 0}, {-10, 10}}), {0, 5}));
  // Within the records' box, beside the triangle: out; the apex straight
  // above a point off the triangle's base line as well.
  EXPECT_FALSE(InsideOutline(apexUp, {8, 8}));
  EXPECT_FALSE(InsideOutline(apexDown, {8, 2}));
  // An arrowhead with a notch under its point: in the notch, a record
  // straight above (the notch's tip) and another above that (the point).
  const CutOutline arrow = outlineThrough({{-10, 0}, {0, 4}, {10, 0}, {0, 10}});
  EXPECT_FALSE(InsideOutline(arrow, {0, 2}));
  EXPECT_TRUE(InsideOutline(arrow, {0, 7}));  // one record below, one above
  // On the triangle's apex record: the two steps touching it are skipped,
  // the base seen from it turns less than a half turn: out.
  EXPECT_FALSE(InsideOutline(apexUp, {0, 10}));

  // A diamond round the origin, its corners straight above, below and to
  // either side.
  const CutOutline diamond = outlineThrough({{0, -10}, {10, 0}, {0, 10}, {-10, 0}});
  EXPECT_TRUE(InsideOutline(diamond, {0, 0}));
  EXPECT_TRUE(InsideOutline(diamond, {0, 9.5}));
  EXPECT_TRUE(InsideOutline(diamond, {0, -9.5}));
  EXPECT_FALSE(InsideOutline(diamond, {9, 9}));  // within the records' box, outside the diamond
  // The same diamond the other way round.
  EXPECT_TRUE(InsideOutline(outlineThrough({{-10, 0}, {0, 10}, {10, 0}, {0, -10}}), {0, 0}));

  const CutOutline c = outlineThrough(kC);
  const CutOutline reversed = outlineThrough({kC.rbegin(), kC.rend()});
  for (const CutOutline* cut : {&c, &reversed}) {
    // In either arm: records straight below and straight above.
    EXPECT_TRUE(InsideOutline(*cut, {6, 1}));
    EXPECT_TRUE(InsideOutline(*cut, {6, 9}));
    // In the opening between the arms: two records below and two above, out.
    EXPECT_FALSE(InsideOutline(*cut, {6, 5}));
    EXPECT_TRUE(InsideOutline(*cut, {1, 5}));
    // On a record of a straight edge: the two steps touching it are
    // skipped, the rest of the outline turns a half turn round it: out,
    // whichever records stand straight above and below.
    EXPECT_FALSE(InsideOutline(*cut, {6, 2}));
    EXPECT_FALSE(InsideOutline(*cut, {6, 8}));
    EXPECT_FALSE(InsideOutline(*cut, {6, 0}));
  }
}

// Between neighbouring x: inside or out of a polygon by counting the edges
// a ray to +x crosses; on an edge: neither.
bool onEdge(const std::vector<Point2>& poly, Point2 p) {
  for (std::size_t k = 0; k < poly.size(); ++k) {
    const Point2 a = poly[k], b = poly[(k + 1) % poly.size()];
    const double cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
    if (cross == 0 && p.x >= std::min(a.x, b.x) && p.x <= std::max(a.x, b.x) && p.y >= std::min(a.y, b.y) &&
        p.y <= std::max(a.y, b.y))
      return true;
  }
  return false;
}
bool crossingInside(const std::vector<Point2>& poly, Point2 p) {
  bool in = false;
  for (std::size_t k = 0; k < poly.size(); ++k) {
    const Point2 a = poly[k], b = poly[(k + 1) % poly.size()];
    if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y)) in = !in;
  }
  return in;
}

// Every whole point of a grid over each outline, most of them with a
// record straight above or below: the winding agrees with the crossing
// count wherever the point is off the outline's edges.
TEST(OutlineWinding, AgreesWithACrossingCountOnAWholeGrid) {
  const std::vector<std::vector<Point2>> outlines = {
      kC,
      // A comb of three teeth standing up from a base, x 0..12, y 0..10.
      {{0, 0}, {12, 0}, {12, 10}, {10, 10}, {10, 4}, {8, 4}, {8, 10}, {6, 10}, {6, 4}, {4, 4}, {4, 10}, {2, 10},
       {2, 4}, {0, 4}},
      // A star of six points about (6, 6), its tips on whole points.
      {{6, 0}, {7, 4}, {12, 1}, {8, 6}, {12, 11}, {7, 8}, {6, 12}, {5, 8}, {0, 11}, {4, 6}, {0, 1}, {5, 4}},
  };
  int checked = 0;
  for (std::size_t o = 0; o < outlines.size(); ++o) {
    const CutOutline cut = outlineThrough(outlines[o]);
    for (int x = -1; x <= 13; ++x)
      for (int y = -1; y <= 13; ++y) {
        const Point2 p{double(x), double(y)};
        if (onEdge(outlines[o], p)) continue;
        ++checked;
        EXPECT_EQ(InsideOutline(cut, p), crossingInside(outlines[o], p)) << "outline " << o << " at " << x << " " << y;
      }
  }
  EXPECT_GT(checked, 400);
}

}  // namespace
}  // namespace kes
