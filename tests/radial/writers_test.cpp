// The three radial panel writers on the hand-worked plane layout.

#include <cmath>

#include "radial_fixture.h"

namespace kes::test {
namespace {

using Lines = std::vector<std::string>;

// Band panel 1 of band 2 (the top band): luff tabling 2, head tabling 5,
// its end radial from U(40) = (39, 10) to L(60) = (59, 0) carrying the
// radial seam width 0.5 aft.
TEST_F(RadialPlane, BandPanelOutlineRecordsAndKnife) {
  const RadialPanelFile f = WriteBandPanel(in, band(2), 1);
  EXPECT_EQ(f.fileName, "rad2_1.UC");
  EXPECT_EQ(f.records, (40 - 1) + (60 - 1) + 2);
  EXPECT_NEAR(f.angle, -std::atan(10.0 / (39 - 59)), 1e-12);  // end edge along X

  const Lines l = allLines(f.text);
  ASSERT_GE(l.size(), 10u);
  // Pen: U(1) twice with the pen going down between, ... U(40) twice, the
  // lower edge from L(60) back (L(2), L(1) at the luff), U(1), pen up.
  EXPECT_EQ(Lines(l.begin(), l.begin() + 6),
            (Lines{"start_plot", "0 5000 acut", "1 pendown", "0 5000 acut", "500 5000 acut", "500 5000 acut"}));
  const auto comment = std::find(l.begin(), l.end(), "/* cut edge plus seam widths */") - l.begin();
  ASSERT_EQ(comment, 1 + 1 + 2 * 40 + 2 * 60 + 1 + 1);
  EXPECT_EQ(Lines(l.begin() + comment - 4, l.begin() + comment),
            (Lines{"500 0 acut", "0 0 acut", "0 5000 acut", "1 penup"}));  // L(2), L(1), U(1)

  // Knife: S = (-2, 15) from the vertical luff; the upper records at
  // x = 1.5 .. 29.5 (those from 30.5 to 38.5 lie beyond the corner with the
  // leaning end radial at x = 30.118 and are left out); the corner at
  // y = 0 (x = 60.118); the lower records back to 0.5; the luff corners.
  const Lines k = knife(l);
  // The corner at y = 0 lies a hair below 0 on the end radial's line, rounded down.
  ASSERT_EQ(k.size(), 1 + 29 + 2 + 59 + 3u);
  EXPECT_EQ(Lines(k.begin(), k.begin() + 2), (Lines{"-1000 7500 acut", "750 7500 acut"}));
  EXPECT_EQ(Lines(k.begin() + 29, k.begin() + 33),
            (Lines{"14750 7500 acut", "15059 7500 acut", "30059 -1 acut", "29250 0 acut"}));
  EXPECT_EQ(Lines(k.end() - 4, k.end()), (Lines{"250 0 acut", "0 0 acut", "-1000 0 acut", "-1000 7500 acut"}));
}

// A band panel's knife starts and closes on corners taken on its start
// record's line: with the start edge from U(30) = (29, 10) to L(51) =
// (50, 0), S = (18.5, 15) lies a hair below 15 on that line and the closing
// corner (50, 0) a hair below 0, both rounded down.
TEST_F(RadialPlane, BandCornersOnTheStartLine) {
  setSection(2, {1, 30, 100}, {1, 51, 100});
  const Lines k = knife(allLines(WriteBandPanel(in, band(2), 2).text));
  ASSERT_GE(k.size(), 3u);
  EXPECT_EQ(k.front(), "9250 7499 acut");
  EXPECT_EQ(k[k.size() - 2], "25000 -1 acut");
  EXPECT_EQ(k.back(), k.front());
}

// Tack panel 1: pen U(1)..U(20) twice each, the tack once, U(1); records at
// the stations; the luff record vertical at x = -2; the end radial to the
// tack with the radial seam width aft; turned by minus its slope's angle.
TEST_F(RadialPlane, TackPanelOneRoundTheLuff) {
  const RadialPanelFile f = WriteTackPanel(in, band(1), 1);
  EXPECT_EQ(f.records, 19 + 1 + 1 + 1);
  EXPECT_NEAR(f.angle, -std::atan(10.0 / 19), 1e-12);
  const Lines l = allLines(f.text);
  // U(20), the tack once, back to U(1).
  EXPECT_EQ(Lines(l.begin() + 41, l.begin() + 45), (Lines{"9500 5000 acut", "0 0 acut", "0 5000 acut", "1 penup"}));
  const Lines k = knife(l);
  EXPECT_EQ(k.front(), "500 5500 acut");  // record 1: U(2) + (0, 1)
  // The corner with the end radial (21.97, 11), its own point, its corner
  // with the foot, the tack, the luff record and its corners, record 1.
  EXPECT_EQ(Lines(k.begin() + 19, k.end()),
            (Lines{"10986 5500 acut", "4866 2278 acut", "536 0 acut", "0 0 acut", "-1000 0 acut", "-1000 2500 acut",
                   "-1000 5500 acut", "-500 5500 acut", "500 5500 acut"}));
}

// Tack panel 2 runs up onto the divider: upper stations 20..50 (records
// 31), divider points once each (50 records, the seam width aft), the foot
// from L(60) back to the tack; no end radial (the fan's last), so no turn.
// Its knife starts and ends on the start corner (20.9, 11), not on record
// 1's point (19, 11) behind it.
TEST_F(RadialPlane, TackLastPanelAlongTheDivider) {
  const RadialPanelFile f = WriteTackPanel(in, band(1), 2);
  EXPECT_EQ(f.records, 31 + 50 + 60 + 1);
  EXPECT_EQ(f.angle, 0);
  const Lines k = knife(allLines(f.text));
  EXPECT_EQ(k.front(), "10450 5500 acut");
  EXPECT_EQ(k.back(), k.front());
  // Record 2 at (20, 11) lies behind the start corner: left out.
  EXPECT_EQ(k[1], "10500 5500 acut");
  EXPECT_EQ(k[30], "24707 5500 acut");  // upper line with the offset divider x + y = 60.414
}

// Clew panel 1: the leech panel. Upper stations 100..80, the end radial to
// the clew with the radial seam width forward, the clew, the leech points
// up, the vertical leech chord with the leech tabling at x = 102; the knife
// from (102, 11) round to it along the offset leech.
TEST_F(RadialPlane, ClewPanelOneAlongTheLeech) {
  const RadialPanelFile f = WriteClewPanel(in, band(1), 1);
  EXPECT_EQ(f.fileName, "rad1_1.UC");
  EXPECT_EQ(f.label, "1rad1");
  EXPECT_EQ(f.records, 21 + 1 + 1 + 1);
  EXPECT_NEAR(f.angle, std::atan(0.5), 1e-12);
  const Lines l = allLines(f.text);
  // U(80)'s second copy, the clew once, leech point 99 ... 51, back to U(100).
  EXPECT_EQ(Lines(l.begin() + 43, l.begin() + 46), (Lines{"39500 5000 acut", "49500 0 acut", "49500 100 acut"}));
  const Lines k = knife(l);
  EXPECT_EQ(k.front(), "51000 5500 acut");
  // The corner with the end radial, its own point, its corner with the foot,
  // the clew, the lower leech corner, offset leech point 99.
  EXPECT_EQ(Lines(k.begin() + 21, k.begin() + 27), (Lines{"37940 5500 acut", "44388 2276 acut", "48940 0 acut",
                                                          "49500 0 acut", "51000 0 acut", "51000 100 acut"}));
  EXPECT_EQ(k.back(), k.front());
  EXPECT_EQ(k.size(), 76u);

  // The leech is counted from the clew up in whole stations: a seam end of
  // 49.5 (a hand-edited panel file) stops the count at 51 as 50 does.
  layout->SeamLeechEnd[1] = 49.5;
  EXPECT_EQ(WriteClewPanel(in, band(1), 1).text, f.text);
}


// Tack panel 2 as a sliver: its start seam runs from U(20) = (19, 10) down
// to L(90) = (89, 0), its end edge the divider from U(30) to L(90), so it
// tapers to sharp points at U(20) (about 8 degrees) and at L(90). Where the
// offset lines would meet far out (7 and 6 seam widths off), the knife cuts
// the corner at the feet of the sewing corner on both lines instead.
TEST_F(RadialPlane, SharpFanCornersCutOff) {
  layout->DividerTopIndex = 30;
  layout->DividerFootIndex = 90;
  setSection(0, {1, 20, 150}, {1, 90, 90});
  const RadialPanelFile f = WriteTackPanel(in, band(1), 2);
  EXPECT_EQ(f.fault, CutFault::None);
  const Lines k = knife(allLines(f.text));
  ASSERT_GE(k.size(), 4u);
  const auto distance = [&](std::size_t i, double x, double y) {
    const PointLineParts p = SplitPointLine(k[i]);
    return std::hypot(PointLineStep(p.x) / 500 - x, PointLineStep(p.y) / 500 - y);
  };
  // The start corner cut at U(20): (19, 11) on the upper record, (19, 10)
  // on the start seam, which carries no allowance; nothing near (12, 11),
  // where the two lines meet.
  EXPECT_LE(distance(0, 19, 11), 0.005);
  EXPECT_LE(distance(k.size() - 2, 19, 10), 0.005);
  for (std::size_t i = 0; i < k.size(); ++i) EXPECT_GT(distance(i, 12, 11), 1) << k[i];
  // At L(90) the divider's offset line and the foot meet about 6 aft of it:
  // cut at the foot of L(90) on the divider's line, one seam width off, and
  // L(90) itself.
  const auto at = std::find(k.begin(), k.end(), "44500 0 acut");
  ASSERT_NE(at, k.end());
  ASSERT_NE(at, k.begin());
  EXPECT_NEAR(distance(static_cast<std::size_t>(at - k.begin()) - 1, 89, 0), 1, 0.005);
}

}  // namespace
}  // namespace kes::test
