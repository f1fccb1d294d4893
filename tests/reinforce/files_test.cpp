// The develop's files: pockets and diamonds as written, the finishing pass
// that turns a patch and scales its copy, and a whole run's file set.

#include "reinforce/patch_files.h"
#include "reinforce_fixture.h"

namespace kes {
namespace {

using testing::lines;
using Lines = std::vector<std::string>;
using Point = std::pair<long, long>;

std::string crlf(const Lines& ls) {
  std::string s;
  for (const std::string& l : ls) s += l + "\r\n";
  return s;
}

// The point lines after the knife goes down, as numbers.
std::vector<Point> cutPoints(const std::string& text) {
  std::vector<Point> pts;
  bool down = false;
  for (const std::string& l : lines(text)) {
    if (l == "0 pendown" || l == "0 penup") down = l == "0 pendown";
    if (down && l.find("acut") != std::string::npos)
      pts.emplace_back(std::stol(l), std::stol(l.substr(l.find(' ') + 1)));
  }
  return pts;
}

const PlotUnits kInches = SetPlotUnits(500, 500, false, false);
const StrokeFont kNoFont;

TEST(PlainFiles, BattenPocketAndReefDiamondAsDrawn) {
  PlotText plot(500, 500);
  ASSERT_TRUE(writeBattenPocket(plot, kNoFont, kInches, 0, 36, 4.25, 3));
  EXPECT_EQ(plot.text(), crlf({"start_plot", "750 0 acut", "1 pendown", "750 2125 acut", "1 penup",
                               "18750 2125 acut", "1 pendown", "18750 0 acut", "1 penup",
                               "0 0 acut", "0 pendown", "19500 0 acut", "19500 2125 acut",
                               "0 2125 acut", "0 0 acut", "0 penup", "end_plot"}));
  plot.clear();
  EXPECT_FALSE(writeBattenPocket(plot, kNoFont, kInches, 0, 36, 1e300, 3));

  plot.clear();  // point size 3: the diamond's corners round down
  ASSERT_TRUE(writeReefDiamond(plot, 3));
  EXPECT_EQ(plot.text(), crlf({"start_plot", "-1061 0 acut", "0 pendown", "0 1060 acut",
                               "1060 0 acut", "0 -1061 acut", "-1061 0 acut", "0 penup",
                               "end_plot"}));
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

  finishPatch(first, 0.0f, 500, 500, 0, f);  // 0 % puts every point at the origin
  EXPECT_EQ(cutPoints(f.copy), std::vector<Point>(3, {0, 0}));

  // A quarter turn: (1000, 0) goes to (0, 1000), (0, 0) stays, no "-0"; other lines pass.
  finishPatch(first, static_cast<float>(Pi / 2), 500, 500, 60, f);
  const Lines t = lines(f.turned);
  EXPECT_EQ(Lines(t.begin() + 3, t.begin() + 5), (Lines{"0 pendown", "0 0 acut"}));
  EXPECT_EQ(t[6], "0 1000 acut");
  EXPECT_EQ(lines(f.copy)[6], "0 600 acut");

  finishPatch(first, 0.0f, 500, 500, 1e300, f);
  EXPECT_TRUE(f.turnedOk && !f.copyOk);
}

// Collects the run's files in order.
struct Recorder : ReinforcementSink {
  Lines names;
  std::vector<PatchFile> patches;
  Lines plainFailed;  // why each refused pocket or diamond cannot be cut
  int stopAfter = -1;
  bool plainFile(const std::string& name, const std::string&) override {
    names.push_back(name);
    return stopAfter < 0 || static_cast<int>(names.size()) < stopAfter;
  }
  bool refusedPlainFile(const std::string& name, const std::string& text, std::string_view why) override {
    plainFailed.emplace_back(why);
    return plainFile(name, text);
  }
  bool patchFile(const PatchFile& f) override {
    names.push_back(f.name);
    if (!f.copyName.empty()) names.push_back(f.copyName);
    patches.push_back(f);
    return stopAfter < 0 || static_cast<int>(names.size()) < stopAfter;
  }
};

ReinforceSettings runSettings(bool plainFiles = true) {
  ReinforceSettings rs;
  rs.battenPockets = rs.reefPoints = plainFiles;
  rs.battenLength[0] = 36, rs.battenLength[1] = 40, rs.battenLength[4] = 30;
  rs.reefCount[0] = 4, rs.reefCount[1] = 3;
  rs.tack.quantity = rs.head.quantity = 2;
  rs.clew.quantity = 1;
  return rs;
}

Recorder run(const SailModel& m, const ReinforceSettings& rs, int stopAfter = -1,
             const PlotUnits& units = kInches) {
  Recorder r;
  r.stopAfter = stopAfter;
  developReinforcements(m, rs, units, kNoFont, r);
  return r;
}

TEST(DevelopRun, FilesInOrder) {
  const SailModel wide = testing::defaultSail();
  const Recorder r = run(wide, runSettings());
  EXPECT_EQ(r.plainFailed, Lines{});
  EXPECT_EQ(r.names, (Lines{"bat0.uc", "bat1.uc", "bat4.uc", "reef1.uc", "reef2.uc", "reef3.uc",
                            "tack1.uc", "rtack1.uc", "tack2.uc", "rtack2.uc", "clew1.uc",
                            "rclew1.uc", "head1.uc", "peak1.uc", "head2.uc", "peak2.uc"}));
  EXPECT_EQ(run(wide, runSettings(), 7).names.size(), 8u);  // stopped: tack1 and its copy, then nothing

  ReinforceSettings rs = runSettings(false);
  rs.tack.quantity = -1;  // no lower limit: no file
  rs.clew.quantity = 0.5;
  rs.head.quantity = 2.5;  // runs while not above it
  EXPECT_EQ(run(testing::narrowSail(), rs).names, (Lines{"head1.uc", "head2.uc"}));

  rs.reefPoints = true;
  rs.reefCount[0] = 2;
  rs.reefCount[1] = 1e9;  // at most a thousand points a row
  rs.head.quantity = 0;
  const Recorder many = run(wide, rs);
  EXPECT_EQ(many.names.size(), 998u);
  EXPECT_EQ(many.names.back(), "reef998.uc");
}

TEST(DevelopRun, PatchesTurnedIntoPlace) {
  const SailModel m = testing::defaultSail();
  const Recorder r = run(m, runSettings(false));
  ASSERT_EQ(r.patches.size(), 7u);
  // Triangle tack: the luff point lies on +x; clew: the leech point, its corner stays at 0 0.
  const auto tack = cutPoints(r.patches[0].finished.turned);
  const auto clew = cutPoints(r.patches[2].finished.turned);
  ASSERT_TRUE(tack.size() == 3 && clew.size() == 3);
  EXPECT_TRUE(tack[0].first > 0 && std::abs(tack[0].second) <= 1) << tack[0].second;
  EXPECT_TRUE(clew[1].first > 0 && std::abs(clew[1].second) <= 1) << clew[1].second;
  EXPECT_EQ(clew[2], Point(0, 0));
  for (const PatchFile& f : r.patches) {
    EXPECT_EQ(f.failedName(), "");
    EXPECT_EQ(lines(f.finished.turned).back(), "end_plot");
    EXPECT_EQ(lines(f.finished.turned).size(), lines(f.firstPass).size());
  }
}

TEST(DevelopRun, HeldAnglesAndRadialHeads) {
  const SailModel m = testing::narrowSail();
  ReinforceSettings rs = runSettings(false);
  rs.tack = {0.4, 10, 1};  // luff point 1: no turn, the tack's 0 stays
  rs.clew.quantity = 0;
  rs.head.quantity = 1;
  const Recorder r = run(m, rs);
  ASSERT_EQ(r.patches.size(), 2u);
  EXPECT_EQ(r.patches[0].angle, 0.0f);
  EXPECT_EQ(r.patches[0].finished.turned, r.patches[0].firstPass);
  // A clew patch held at leech point 100 is turned by the leech chord's
  // angle from the clew, a quarter turn on.
  rs.clew = {0.4, 15, 1};
  const Recorder c = run(m, rs);
  ASSERT_EQ(c.patches.size(), 3u);
  EXPECT_EQ(c.patches[1].angle, static_cast<float>(std::atan((m.LeechCurve(1, 1) - m.ClewX) /
                                                             (m.ClewY - m.LeechCurve(2, 1))) + Pi / 2));
  rs.clew.quantity = 0;

  // A narrow head's radial patch starts on its arc and lifts the knife
  // before the end, like every outline.
  rs.style = {false, false, true};
  const Lines head = lines(run(m, rs).patches[1].finished.turned);
  EXPECT_NE(head[1], "0 0 acut");
  EXPECT_EQ(head[2], "0 pendown");
  EXPECT_EQ(head[head.size() - 2], "0 penup");
}

TEST(DevelopRun, UnwritableCoordinatesAreReported) {
  const std::string beyond = "a point lies beyond what the plotter takes";
  const SailModel m = testing::defaultSail();
  ReinforceSettings rs = runSettings(false);
  rs.copyPercent = 1e300;
  const PatchFile scratch = run(m, rs).patches[0];  // no copy kept: only the scratch copy fails
  EXPECT_EQ(scratch.failedName() + ": " + scratch.why, "temp2.txt: " + beyond);
  rs.reefPoints = true;
  rs.reefCount[0] = rs.reefCount[1] = 0;
  EXPECT_EQ(run(m, rs).patches[0].failedName(), "rtack1.uc");
  const Recorder h = run(m, runSettings(), -1, SetPlotUnits(1e300, 1e300, false, false));
  EXPECT_EQ(h.plainFailed, Lines(6, beyond));
  for (const PatchFile& f : h.patches) EXPECT_EQ(f.failedName() + ": " + f.why, f.name + ": " + beyond);
}

}  // namespace
}  // namespace kes
