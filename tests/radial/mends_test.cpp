// The radial develop on input the layout never makes and on the faults it
// mends: end radials, lower ends of 0, codes out of range, counts.

#include <cmath>

#include "develop/develop_fixture.h"
#include "radial_fixture.h"

namespace kes::test {
namespace {

using Lines = std::vector<std::string>;

// Every line is a command or "<X> <Y> acut" of two whole numbers.
void expectSoundFile(const std::string& text) {
  const Lines l = allLines(text);
  EXPECT_TRUE(l.size() >= 2 && l.front() == "start_plot" && l.back() == "end_plot");
  for (const std::string& s : l) EXPECT_TRUE(!IsPointLine(s) || testing::SoundPointLine(s)) << s;
}

std::vector<RadialPanelFile> runAll(const RadialInput& in) {
  std::vector<RadialPanelFile> out;
  RadialDevelop run(in);
  RadialPanelFile f;
  while (run.next(f) && out.size() < 400) out.push_back(f);
  return out;
}

// A tack seam whose lower end is the divider's foot index, though not the
// fan's last: it still gets its end radial and its turn.
TEST_F(RadialPlane, EndRadialOnEveryPanelButTheLast) {
  setSection(0, {1, 20, 40, 150}, {1, 60, 60, 60});
  for (int n = 1; n <= 2; ++n) EXPECT_NE(WriteTackPanel(in, band(1), n).angle, 0) << n;
  EXPECT_EQ(WriteTackPanel(in, band(1), 3).angle, 0);
  // The clew fan's middle seam on the divider's foot index, too.
  setSection(1, {100, 80, 60, 150}, {100, 100, 60, 60});
  EXPECT_NE(WriteClewPanel(in, band(1), 2).angle, 0);
}

// A vertical end radial is a vertical line: the panel is turned a quarter,
// and its corners lie on x = the seam's x plus the radial seam width; the
// foot segment beside it never becomes the end radial.
TEST_F(RadialPlane, VerticalEndRadialIsAVerticalLine) {
  setSection(0, {1, 20, 150}, {1, 20, 60});  // seam 1 from U(20) straight down to L(20)
  const RadialPanelFile f = WriteTackPanel(in, band(1), 1);
  EXPECT_DOUBLE_EQ(f.angle, -Pi / 2);
  const Lines l = allLines(f.text);
  EXPECT_NE(std::find(l.begin(), l.end(), "9750 5500 acut"), l.end());  // corner (19.5, 11)
  EXPECT_NE(std::find(l.begin(), l.end(), "9750 0 acut"), l.end());     // corner (19.5, 0)
}

// A band panel n > 1 whose start edge stands exactly upright takes its
// fixed corners at its own stations U(40) and L(40), not at the band's luff.
TEST_F(RadialPlane, UprightStartEdgeUsesItsOwnStations) {
  setSection(2, {1, 40, 100}, {1, 40, 100});
  const Lines k = knife(allLines(WriteBandPanel(in, band(2), 2).text));
  ASSERT_GE(k.size(), 3u);
  EXPECT_EQ(k.front(), "19500 7500 acut");  // (U(40).x, U(40).y + head tabling 5)
  EXPECT_EQ(k.back(), k.front());
  EXPECT_EQ(k[k.size() - 2], "19500 0 acut");  // L(40), no luff tabling past panel 1
}

// A lower end of 0 (unticked "Stagger" with "Unlock" ticked) is station 1.
TEST_F(RadialPlane, LowerEndZeroIsStationOne) {
  const std::string ones = WriteTackPanel(in, band(1), 1).text;
  setSection(0, {1, 20, 150}, {0, 0, 60});
  EXPECT_EQ(WriteTackPanel(in, band(1), 1).text, ones);
  setSection(2, {1, 40, 100}, {0, 60, 100});
  EXPECT_EQ(WriteBandPanel(in, band(2), 1).records, 39 + 59 + 2);
}

// Hand-edited ends of every kind: nothing crashes, every file is sound,
// every count is honoured (up to 33).
TEST_F(RadialPlane, AnyEndsGiveSoundFiles) {
  const std::vector<std::vector<int>> ends = {{0, -5, 250, 151, 32767, -32768, 99, 1},
                                              {150, 101, 100, 1, 0, 200, 50, 3}};
  for (const auto& e : ends) {
    for (int s = 0; s <= 2; ++s) {
      layout->RadialCount[s] = 33;
      for (int j = 0; j <= 33; ++j) {
        layout->RadialUpperEnd[s][j] = e[static_cast<std::size_t>(j) % e.size()];
        layout->RadialLowerEnd[s][j] = e[static_cast<std::size_t>(j + 3) % e.size()];
      }
    }
    layout->SeamLeechEnd[1] = -40;
    layout->DividerTopIndex = 0;
    layout->DividerFootIndex = 500;
    texts.Text16 = "1e308";
    texts.BatLngth[0] = "10";
    texts.BatPos[0] = "50";
    texts.NumReef[0] = "1e9";
    texts.ReefPos[0] = "40";
    refresh();
    const auto files = runAll(in);
    EXPECT_EQ(files.size(), 33u * 3);
    for (const auto& f : files) {
      expectSoundFile(f.text);
      EXPECT_TRUE(std::isfinite(f.angle));
    }
  }
}

TEST_F(RadialPlane, RunOrderAndNoFileWithoutBands) {
  const auto files = runAll(in);
  ASSERT_EQ(files.size(), 6u);
  EXPECT_TRUE(files[1].fileName == "rad0_2.UC" && files[2].fileName == "rad1_1.UC" && files[5].fileName == "rad2_2.UC");
  layout->PanelCount = 0;
  EXPECT_TRUE(runAll(in).empty());
  layout->PanelCount = 1;  // band 1 only: the fans
  EXPECT_EQ(runAll(in).size(), 4u);
}

}  // namespace
}  // namespace kes::test
