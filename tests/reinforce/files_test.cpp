// The develop's files: pockets and diamonds as written, the finishing pass
// that turns a patch and scales its copy, and a whole run's file set.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reinforce/patch_files.h"
#include "reinforce_fixture.h"

namespace kes {
namespace {

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find("\r\n", at);
    EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
    if (end == std::string::npos) break;
    out.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return out;
}

std::string crlf(const std::vector<std::string>& ls) {
  std::string s;
  for (const std::string& l : ls) s += l + "\r\n";
  return s;
}

// The point lines after the knife goes down, as numbers.
std::vector<std::pair<long, long>> cutPoints(const std::string& text) {
  std::vector<std::pair<long, long>> pts;
  bool down = false;
  for (const std::string& l : lines(text)) {
    if (l == "0 pendown") down = true;
    if (l == "0 penup") down = false;
    if (down && l.find("acut") != std::string::npos) {
      pts.emplace_back(std::stol(l), std::stol(l.substr(l.find(' ') + 1)));
    }
  }
  return pts;
}

const PlotUnits kInches = SetPlotUnits(500, 500, false, false);
const StrokeFont kNoFont;

TEST(PlainFiles, BattenPocketAsDrawn) {
  PlotText plot(500, 500);
  ASSERT_TRUE(writeBattenPocket(plot, kNoFont, kInches, 0, 36, 4.25, 3));
  EXPECT_EQ(plot.text(), crlf({"start_plot", "750 0 acut", "1 pendown", "750 2125 acut", "1 penup",
                               "18750 2125 acut", "1 pendown", "18750 0 acut", "1 penup",
                               "0 0 acut", "0 pendown", "19500 0 acut", "19500 2125 acut",
                               "0 2125 acut", "0 0 acut", "0 penup", "end_plot"}));
  // The label comes first, at the run's lettering origin: a font with one
  // stroke for "B" letters only the first character of "bat1".
  const StrokeFont font = ParseStrokeFont("B,2,0,0,0,8\r\n");
  plot.clear();
  ASSERT_TRUE(writeBattenPocket(plot, font, kInches, 0, 36, 4.25, 3));
  const std::vector<std::string> l = lines(plot.text());
  EXPECT_EQ(std::vector<std::string>(l.begin(), l.begin() + 6),
            (std::vector<std::string>{"start_plot", "1 penup", "125 125 acut", "1 pendown",
                                      "125 312 acut", "1 penup"}));
  EXPECT_EQ(l[6], "750 0 acut");

  plot.clear();
  EXPECT_FALSE(writeBattenPocket(plot, kNoFont, kInches, 0, 36, 1e300, 3));
}

TEST(PlainFiles, ReefDiamondRoundsDown) {
  PlotText plot(500, 500);
  ASSERT_TRUE(writeReefDiamond(plot, 3));
  EXPECT_EQ(plot.text(), crlf({"start_plot", "-1061 0 acut", "0 pendown", "0 1060 acut",
                               "1060 0 acut", "0 -1061 acut", "-1061 0 acut", "0 penup",
                               "end_plot"}));
  plot.clear();
  ASSERT_TRUE(writeReefDiamond(plot, 0));
  EXPECT_EQ(cutPoints(plot.text()), (std::vector<std::pair<long, long>>(4, {0, 0})));
}

TEST(FinishPatch, TurnsPointLinesOnly) {
  const std::string first = crlf({"start_plot", "1 penup", "125 125 acut", "0 pendown",
                                  "0 0 acut", "5 -5 acut", "1000 0 acut", "0 penup", "end_plot"});
  FinishedPatch f;
  finishPatch(first, 0.0f, 500, 500, 100, f);
  EXPECT_EQ(f.turned, first);  // angle 0 changes nothing
  EXPECT_EQ(f.copy, first);    // a 100 % copy equals the turned file
  EXPECT_TRUE(f.turnedOk && f.copyOk);

  finishPatch(first, 0.0f, 500, 500, 50, f);  // halves go away from zero
  EXPECT_EQ(lines(f.copy)[5], "3 -3 acut");
  EXPECT_EQ(lines(f.copy)[6], "500 0 acut");

  finishPatch(first, 0.0f, 500, 500, 0, f);  // 0 % puts every point at the origin
  for (const auto& p : cutPoints(f.copy)) EXPECT_EQ(p, (std::pair<long, long>(0, 0)));

  // A quarter turn: (1000, 0) goes to (0, 1000); no "-0".
  finishPatch(first, static_cast<float>(Pi / 2), 500, 500, 60, f);
  EXPECT_EQ(lines(f.turned)[6], "0 1000 acut");
  EXPECT_EQ(lines(f.turned)[4], "0 0 acut");
  EXPECT_EQ(lines(f.copy)[6], "0 600 acut");
  EXPECT_EQ(lines(f.turned)[0], "start_plot");
  EXPECT_EQ(lines(f.turned)[3], "0 pendown");

  // The scales divide the steps back into design units and multiply them out again.
  finishPatch(crlf({"7 -3 acut"}), 0.0f, 19.68503937007874, 6000, 100, f);
  EXPECT_EQ(f.turned, crlf({"7 -3 acut"}));

  finishPatch(first, 0.0f, 500, 500, 1e300, f);
  EXPECT_TRUE(f.turnedOk);
  EXPECT_FALSE(f.copyOk);
}

// Collects the run's files in order.
struct Recorder : ReinforcementSink {
  std::vector<std::string> names;
  std::vector<PatchFile> patches;
  std::vector<std::string> plain;
  int plainFailed = 0;
  int stopAfter = -1;
  bool plainFile(const std::string& name, const std::string& text, bool ok) override {
    names.push_back(name);
    plain.push_back(text);
    plainFailed += ok ? 0 : 1;
    return stopAfter < 0 || static_cast<int>(names.size()) < stopAfter;
  }
  bool patchFile(const PatchFile& f) override {
    names.push_back(f.name);
    if (!f.copyName.empty()) names.push_back(f.copyName);
    patches.push_back(f);
    return stopAfter < 0 || static_cast<int>(names.size()) < stopAfter;
  }
};

ReinforceSettings runSettings() {
  ReinforceSettings rs;
  const double lengths[5] = {36, 40, 0, 0, 30};
  for (int i = 0; i < 5; ++i) rs.battenLength[i] = lengths[i];
  rs.reefCount[0] = 4;
  rs.reefCount[1] = 3;
  rs.tack.quantity = 2;
  rs.clew.quantity = 1;
  rs.head.quantity = 2;
  return rs;
}

TEST(DevelopRun, FilesInOrder) {
  const SailModel wide = testing::defaultSail();
  Recorder r;
  developReinforcements(wide, runSettings(), kInches, kNoFont, r);
  EXPECT_EQ(r.plainFailed, 0);
  EXPECT_EQ(r.names, (std::vector<std::string>{
                         "bat0.uc", "bat1.uc", "bat4.uc", "reef1.uc", "reef2.uc", "reef3.uc",
                         "tack1.uc", "rtack1.uc", "tack2.uc", "rtack2.uc", "clew1.uc",
                         "rclew1.uc", "head1.uc", "peak1.uc", "head2.uc", "peak2.uc"}));

  ReinforceSettings rs = runSettings();
  rs.battenPockets = rs.reefPoints = false;
  rs.tack.quantity = -1;    // no lower limit: no file
  rs.clew.quantity = 0.5;
  rs.head.quantity = 2.5;   // runs while not above it
  Recorder n;
  developReinforcements(testing::narrowSail(), rs, kInches, kNoFont, n);
  EXPECT_EQ(n.names, (std::vector<std::string>{"head1.uc", "head2.uc"}));

  rs.reefPoints = true;
  rs.reefCount[0] = 2;
  rs.reefCount[1] = 1e9;  // at most a thousand points a row
  rs.head.quantity = 0;
  Recorder many;
  developReinforcements(wide, rs, kInches, kNoFont, many);
  EXPECT_EQ(many.names.size(), 998u);
  EXPECT_EQ(many.names.back(), "reef998.uc");

  Recorder stopped;
  stopped.stopAfter = 7;
  developReinforcements(wide, runSettings(), kInches, kNoFont, stopped);
  EXPECT_EQ(stopped.names.size(), 8u);  // tack1 and its copy, then nothing
}

TEST(DevelopRun, PatchesTurnedIntoPlace) {
  const SailModel m = testing::defaultSail();
  ReinforceSettings rs = runSettings();
  rs.battenPockets = rs.reefPoints = false;
  Recorder r;
  developReinforcements(m, rs, kInches, kNoFont, r);
  ASSERT_EQ(r.patches.size(), 7u);
  // Triangle tack: the luff point lies on +x; clew: the leech point.
  const auto tack = cutPoints(r.patches[0].finished.turned);
  ASSERT_EQ(tack.size(), 3u);
  EXPECT_GT(tack[0].first, 0);
  EXPECT_LE(std::abs(tack[0].second), 1);
  const auto clew = cutPoints(r.patches[2].finished.turned);
  ASSERT_EQ(clew.size(), 3u);
  EXPECT_GT(clew[1].first, 0);
  EXPECT_LE(std::abs(clew[1].second), 1);
  EXPECT_EQ(clew.back(), (std::pair<long, long>(0, 0)));  // "0 0 acut" stays
  // The first pass is in the clew's coordinates, before the turn.
  const auto clewFirst = cutPoints(r.patches[2].firstPass);
  EXPECT_EQ(clewFirst[0].first, static_cast<long>(std::floor((m.FootCurve(1, 15) - m.ClewX) * 500)));
  for (const PatchFile& f : r.patches) {
    EXPECT_EQ(f.failedName(), "");
    EXPECT_EQ(lines(f.finished.turned).back(), "end_plot");
    EXPECT_EQ(lines(f.finished.turned).size(), lines(f.firstPass).size());
  }
}

TEST(DevelopRun, HeldAnglesAndRadialHeads) {
  const SailModel m = testing::narrowSail();
  ReinforceSettings rs = runSettings();
  rs.battenPockets = rs.reefPoints = false;
  rs.tack = {0.4, 10, 1};  // luff point 1: no turn, the tack's 0 stays
  rs.clew = {0.4, 15, 1};  // leech point 100: turned by its lettering angle
  rs.head.quantity = 1;
  Recorder r;
  developReinforcements(m, rs, kInches, kNoFont, r);
  ASSERT_EQ(r.patches.size(), 3u);
  EXPECT_EQ(r.patches[0].angle, 0.0f);
  EXPECT_EQ(r.patches[0].finished.turned, r.patches[0].firstPass);
  const float clewLabel = static_cast<float>(
      std::atan((m.LeechCurve(1, 1) - m.ClewX) / (m.ClewY - m.LeechCurve(2, 1))) + Pi / 2);
  EXPECT_EQ(r.patches[1].angle, clewLabel);

  // A narrow head's radial patch starts on its arc and lifts the knife
  // before the end, like every outline.
  rs.style = {false, false, true};
  Recorder radial;
  developReinforcements(m, rs, kInches, kNoFont, radial);
  const std::vector<std::string> head = lines(radial.patches[2].finished.turned);
  EXPECT_NE(head[1], "0 0 acut");
  EXPECT_EQ(head[2], "0 pendown");
  EXPECT_EQ(head[head.size() - 2], "0 penup");
}

TEST(DevelopRun, UnwritableCoordinatesAreReported) {
  const SailModel m = testing::defaultSail();
  ReinforceSettings rs = runSettings();
  rs.battenPockets = rs.reefPoints = false;
  rs.copyPercent = 1e300;
  Recorder r;
  developReinforcements(m, rs, kInches, kNoFont, r);
  EXPECT_EQ(r.patches[0].failedName(), "temp2.txt");  // no copy kept: only the scratch copy fails
  rs.reefPoints = true;
  rs.reefCount[0] = rs.reefCount[1] = 0;
  Recorder c;
  developReinforcements(m, rs, kInches, kNoFont, c);
  EXPECT_EQ(c.patches[0].failedName(), "rtack1.uc");
  const PlotUnits huge = SetPlotUnits(1e300, 1e300, false, false);
  Recorder h;
  developReinforcements(m, runSettings(), huge, kNoFont, h);
  EXPECT_EQ(h.plainFailed, 6);
  for (const PatchFile& f : h.patches) EXPECT_EQ(f.failedName(), f.name);
}

}  // namespace
}  // namespace kes
