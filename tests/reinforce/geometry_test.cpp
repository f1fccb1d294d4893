// Layer indices, radial arcs and sectors, and each corner's outline and angles.

#include <algorithm>
#include <memory>

#include "reinforce_fixture.h"

namespace kes {
namespace {

using testing::dist;
using testing::turned;
using Ints = std::vector<int>;

Ints of(const CornerIndices& c) { return {c.a, c.b, c.a3, c.b3}; }
Ints of(const WideHeadIndices& w) { return {w.iL, w.iH, w.jL, w.jH}; }

TEST(PatchIndices, LayersShrinkByTheFactorAndRoundHalfToEven) {
  using Layer = CornerIndices (*)(const CornerSettings&, int);
  const struct {
    Layer layer;
    CornerSettings s;
    std::vector<std::pair<int, int>> layers;  // the two indices of layers 1, 2, ...
  } cases[] = {
      {tackLayer, {10, 10, 3}, {{10, 90}, {7, 93}, {4, 96}}},
      {tackLayer, {15, 10, 3}, {{15, 90}, {10, 93}, {7, 96}}},  // 0.667 x 15 = 10.005
      {clewLayer, {18, 15, 5}, {{82, 15}, {88, 10}, {92, 7}, {95, 4}, {96, 3}}},
      {narrowHeadLayer, {15, 12, 5}, {{85, 12}, {90, 8}, {93, 5}, {96, 4}, {97, 2}}},
      {narrowHeadLayer, {20, 20, 10},
       {{80, 20}, {87, 13}, {91, 9}, {94, 6}, {96, 4}, {97, 3}, {98, 2}, {99, 1}, {99, 1}, {99, 1}}},
  };
  for (const auto& c : cases)
    for (int t = 1; t <= static_cast<int>(c.layers.size()); ++t) {
      const CornerIndices r = c.layer(c.s, t);
      EXPECT_EQ(std::make_pair(r.a, r.b), c.layers[t - 1]) << c.s.first << " layer " << t;
    }
  // Wide head, defaults: throat luff and head points, peak leech and head points.
  EXPECT_EQ(of(wideHeadLayer({15, 12, 5}, 1)), (Ints{85, 12, 15, 88}));
  // Radial cores ignore the layer factor.
  EXPECT_EQ(of(tackRadial({10, 10, 5})), (Ints{10, 90, 3, 97}));
  EXPECT_EQ(of(clewRadial({18, 15, 5})), (Ints{82, 15, 94, 5}));
  EXPECT_EQ(of(narrowHeadRadial({15, 12, 5})), (Ints{85, 12, 95, 4}));
}

// Runs that round to nothing, or leave the curve, stay on their own corner
// instead of reading point 0, the tack.
TEST(PatchIndices, ComeIntoOneToAHundred) {
  EXPECT_EQ(clewLayer({18, 15, 10}, 10).b, 1);       // 15 x 0.667^9 = 0.39
  EXPECT_EQ(narrowHeadLayer({15, 12, 10}, 9).b, 1);  // 12 x 0.667^8 = 0.47
  EXPECT_EQ(of(wideHeadLayer({15, 12, 10}, 10)), (Ints{100, 1, 1, 100}));  // every run rounds to 0
  EXPECT_EQ(narrowHeadRadial({15, 1.5, 5}).b3, 1);   // a head run of 1.5 %
  EXPECT_EQ(of(tackLayer({-30, -30, 1}, 1)), (Ints{1, 100, 1, 1}));
  EXPECT_TRUE(clewRadial({1e300, -1e300, 1}).a == 1 && clewRadial({1e300, -1e300, 1}).b == 1);
  EXPECT_TRUE(edgeIndex(0.5) == 1 && edgeIndex(100.5) == 100);
}

TEST(PatchSectors, CountSectorsCoverTheArc) {
  const int step[11] = {0, 100, 50, 33, 25, 20, 17, 14, 12, 11, 10};
  for (int N = 1; N <= 10; ++N)
    for (int t = 1; t <= N; ++t) {
      const Sector s = countSector(N, t);
      EXPECT_EQ(s.ja, t == 1 ? 1 : (t - 1) * step[N]) << N << " " << t;
      EXPECT_EQ(s.jb, t == N ? 100 : t * step[N]) << N << " " << t;
    }
  // A fraction left in the box: two patches, the arc's end belongs to none.
  EXPECT_EQ(countSector(2.5, 1).jb, 40);
  EXPECT_TRUE(countSector(2.5, 2).ja == 40 && countSector(2.5, 2).jb == 80);
  // More patches than points (only the develop sees such a count): a
  // sector of no step cuts no arc point and ends on the arc's first point.
  EXPECT_TRUE(countSector(300, 1).jb == 0 && countSector(300, 1).end() == 1);
  EXPECT_EQ(countSector(150, 149).ja, 100);
}

// The arc leaves its start point, ends on its end point and stands h off the chord.
TEST(PatchArcs, EndsOnTheChordAndBulgesByTheEllipticity) {
  const struct {
    Corner corner;
    Pt start, end;
    int E;
    double height;  // of the chord
  } cases[] = {
      {Corner::Tack, {0.5, 10}, {10, 0.3}, 1, 0.714},
      {Corner::Tack, {0.5, 10}, {10, 0.3}, 3, 0.238},
      {Corner::Tack, {0.5, 10}, {10, 0.3}, 6, 0.119},
      {Corner::Clew, {40, 0.5}, {46, 12}, 3, 1.0 / 3},
      // End forward of or below the start: the arc still ends there.
      {Corner::Clew, {40, 0.5}, {36, 12}, 3, 1.0 / 3},  // a sail without roach
      {Corner::Clew, {40, 12}, {46, 0.5}, 3, 1.0 / 3},
      {Corner::Tack, {10, 0.3}, {0.5, 10}, 3, 0.238},
      {Corner::Head, {5, 90}, {5, 80}, 3, 0.238},  // a vertical chord
  };
  for (const auto& c : cases) {
    PatchArc arc;
    buildArc(c.corner, c.start, c.end, c.E, arc);
    const double m = dist(c.start, c.end);
    EXPECT_NEAR(dist(arc.p[1], c.start), 0, 1e-9);
    EXPECT_NEAR(dist(arc.p[100], c.end), 0, 1e-9 * m);
    double most = 0;
    for (int k = 1; k <= 100; ++k) {
      const double off = ((arc.p[k].x - c.start.x) * (c.end.y - c.start.y) -
                          (arc.p[k].y - c.start.y) * (c.end.x - c.start.x)) / m;
      if (std::fabs(off) > std::fabs(most)) most = off;
    }
    // Relative to the chord: the head's arc sags to the right of it, the others bulge to the left.
    const double expected = (c.corner == Corner::Head ? 1 : -1) * c.height * m;
    EXPECT_NEAR(most / expected, 1.0, 0.02) << static_cast<int>(c.corner) << " E " << c.E;
  }
}

TEST(PatchArcs, ShortAndZeroChords) {
  for (const double m : {0.5, 0.3, 0.75, 0.01})
    for (const Corner corner : {Corner::Tack, Corner::Clew, Corner::Head}) {
      PatchArc arc;
      buildArc(corner, {2, 3}, {2 + m, 3}, 3, arc);
      EXPECT_NEAR(arc.p[100].x, 2 + m, 1e-12);
      // The fit accepted its knots: every sample lies along the chord in order.
      for (int k = 2; k <= 100; ++k) EXPECT_GT(arc.p[k].x, arc.p[k - 1].x) << m << " " << k;
    }
  PatchArc arc;
  buildArc(Corner::Clew, {2, 3}, {2, 3}, 3, arc);
  for (int k = 1; k <= 100; ++k) EXPECT_TRUE(arc.p[k].x == 2 && arc.p[k].y == 3) << k;
  // An arc of no length: every clew sector starts at point 1 and passes none.
  for (int t = 1; t <= 3; ++t) EXPECT_TRUE(lengthSector(arc, 3, t).ja == 1 && lengthSector(arc, 3, t).jb == 0) << t;
}

TEST(PatchOutlines, RadialPatchesRunAlongTheirCorner) {
  const SailModel m = testing::narrowSail();
  PatchOutline o;
  tackPatch(m, {10, 10, 5}, PatchStyle::Radials, 3, 2, o);  // arc 20..40
  // Lead point, arc 20..40, foot 97..100, luff 1..3, back to the lead point.
  ASSERT_EQ(o.count, 1 + 21 + 4 + 3 + 1);
  EXPECT_TRUE(o.pts[22].x == m.FootCurve(1, 97) && o.pts[28].y == m.LuffCurve(2, 3));
  // Its turn lays the side from foot point F3 to arc point jb along x.
  const Pt side{o.pts[21].x - o.pts[22].x, o.pts[21].y - o.pts[22].y};
  EXPECT_NEAR(turned(side, static_cast<float>(o.rotation.v)).y, 0, 1e-6);

  narrowHeadPatch(m, {15, 12, 5}, PatchStyle::Radials, 3, 5, o);  // arc 80..100
  // Leech 4..1, head 100, 90, .., 10, luff 100..95.
  ASSERT_EQ(o.count, 1 + 21 + 4 + 10 + 6 + 1);
  EXPECT_TRUE(o.pts[22].y == m.LeechCurve(2, 4) && o.pts[35].x == m.HeadCurve(1, 10));

  // A clew sector shorter than the arc's first step cuts no arc point:
  // lead point, leech 94..100, foot 1..5, back to the lead point.
  clewPatch(m, {18, 15, 200}, PatchStyle::Radials, 3, 1, o);
  EXPECT_EQ(o.count, 1 + 7 + 5 + 1);
}

// How far the arc turns against its bend: the largest distance of a point
// from the line through its two neighbours, on the side where a smooth arc
// bulging to `side` (+1 left of its way, -1 right) never puts it.
double worstCounterTurn(const PatchArc& arc, int side) {
  double worst = 0;
  for (int k = 2; k <= 99; ++k) {
    const Pt a = arc.p[k - 1], b = arc.p[k + 1], p = arc.p[k];
    const double chord = dist(a, b);
    if (chord == 0) continue;
    const double left = ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x)) / chord;
    worst = std::max(worst, -side * left);
  }
  return worst;
}

// The designed sail in millimetres, its head narrow: chords of hundreds of
// units, so a whole sampling step passes the arc's three top points, a
// quarter unit apart, at once. Every arc still runs smooth.
TEST(PatchArcs, LongChordsRunSmooth) {
  SailInputs in = testing::defaultInputs();
  const int lengths[] = {1, 3, 4, 6, 8, 10, 12};  // luff, leech, foot, bends, round, roach
  for (int i : lengths) in.text[i] *= 25.4;
  in.text[2] = 127;
  in.unit = Unit::Millimeters;
  const auto m = std::make_unique<SailModel>();
  recompute(in, *m);
  ASSERT_TRUE(narrowHead(*m));
  const ReinforceSettings s;
  for (int E : {1, 3}) {
    PatchArc tack, clew, head;
    tackArc(*m, tackRadial(s.tack), E, tack);
    clewArc(*m, clewRadial(s.clew), E, clew);
    headArc(*m, narrowHeadRadial(s.head), E, head);
    EXPECT_LT(worstCounterTurn(tack, 1), 0.01) << "tack E " << E;
    EXPECT_LT(worstCounterTurn(clew, 1), 0.01) << "clew E " << E;
    EXPECT_LT(worstCounterTurn(head, -1), 0.01) << "head E " << E;
  }
}

}  // namespace
}  // namespace kes
