// Crosscut panels whose seams lie on each other or cross: the run refuses
// the panel by its file's name before anything of it is drawn or written,
// and a refused file counts for nothing, nor becomes the widest. Seams that
// meet at one end, and a seam on the foot's two ends, are cut as before.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "develop/crosscut_run.h"
#include "develop/cut_check.h"
#include "develop_fixture.h"
#include "model/sail_fixture.h"
#include "platform/recording_surface.h"

namespace kes {
namespace {

// One file of a run that goes on past refusals: its name, verdict, the
// message the window would show and what it drew on the plan view.
struct RunFile {
  std::string name;
  CutFault fault = CutFault::None;
  std::string message;  // "Cannot cut ..." for a refused file, empty otherwise
  std::size_t drawn = 0;
};

struct Developed {
  std::vector<RunFile> files;
  std::string report;  // heads and the lines accept() gave
  double totalArea = 0;
};

// The default sail at n panels on its default seam ends, changed by `move`
// and laid out again as a release of a drag lays it out; every file
// developed and finished with a preview, the run going on past refusals.
template <class Move>
Developed developMoved(int n, Move move, bool feet = false) {
  SailModel m = testing::computed(testing::defaultInputs());
  PanelLayout& L = testing::defaultLayout(m, n);
  move(L);
  buildSeamLines(m, L);
  CrosscutRun run;
  run.start(testing::defaultSettings(n, feet), nullptr);
  RecordingSurface preview;
  Developed out;
  out.report = run.heads();
  while (run.next() != CrosscutStep::Done) {
    if (run.next() == CrosscutStep::TwistFoot) buildSeamLines(m, L);
    preview.forget();
    run.develop(m, L, &preview);
    run.finish(&preview);
    const CrosscutFile& f = run.file();
    out.files.push_back({f.name, f.fault,
                         f.fault == CutFault::None ? "" : CannotCutText(f.name, CutFaultReason(f.fault)),
                         preview.ops().size()});
    out.report += run.accept();
  }
  out.totalArea = run.totalArea();
  return out;
}

// The names of the refused files with their messages.
std::vector<std::string> refusals(const Developed& r) {
  std::vector<std::string> out;
  for (const RunFile& f : r.files)
    if (f.fault != CutFault::None) out.push_back(f.message);
  return out;
}

using Messages = std::vector<std::string>;

// The sample sail in ten panels, seam 3 dragged onto seam 2's ends (luff 6,
// leech 80), as the drag allows: pnl3.UC was written, 3.6 in wide and all
// of it allowance. It is refused, and nothing of it is drawn.
TEST(CrosscutRefusal, ASeamDraggedOntoItsNeighbourIsRefused) {
  SailModel m = testing::computed(testing::defaultInputs());
  const PanelLayout& L = testing::defaultLayout(m, 10);
  ASSERT_EQ(L.SeamLuffEnd[2], 6);
  ASSERT_EQ(L.SeamLeechEnd[2], 80);
  const Developed r = developMoved(10, [](PanelLayout& l) {
    l.SeamLuffEnd[3] = l.SeamLuffEnd[2];
    l.SeamLeechEnd[3] = l.SeamLeechEnd[2];
  });
  EXPECT_EQ(refusals(r), Messages{"Cannot cut pnl3.UC: its seams lie on each other"});
  ASSERT_EQ(r.files.size(), 10u);
  EXPECT_EQ(r.files[2].name, "pnl3.UC");
  EXPECT_EQ(r.files[2].drawn, 0u);  // neither its seam highlighted nor the flat panel shown
  EXPECT_GT(r.files[3].drawn, 0u);
}

// Seams 3 and 4 both ending at leech point 5 of ten panels (a panel file
// may hold ends in any order): seam 4 then runs from below seam 5 on the
// luff to far above it on the leech, across seams 5 to 9. Panels 3 and 4
// are sound (4 is a wedge, both its seams ending at point 5); panel 5 lies
// over its neighbours and is refused.
TEST(CrosscutRefusal, SeamsThatCrossTheirNeighboursAreRefused) {
  const Developed r = developMoved(10, [](PanelLayout& l) { l.SeamLeechEnd[3] = l.SeamLeechEnd[4] = 5; });
  EXPECT_EQ(refusals(r), Messages{"Cannot cut pnl5.UC: its seams cross each other"});
  EXPECT_EQ(r.files.at(4).drawn, 0u);
}

// The ends as the layout takes them: kept within 1..100 and rounded half to
// even where they are used as points, seam 3 against seam 2 of eight panels.
TEST(CrosscutRefusal, EndsAreComparedAsTheLayoutRoundsAndClampsThem) {
  struct Case {
    double luff2, leech2, luff3, leech3;
    const char* refused;  // pnl3.UC's message, or "" when it is cut
  } cases[] = {
      {30, 70, 30, 60, ""},                                              // meeting at the luff: a wedge
      {30, 70, 40, 70, ""},                                              // meeting at the leech
      {12.5, 70, 12, 70, "Cannot cut pnl3.UC: its seams lie on each other"},  // 12.5 is point 12
      {13.5, 70, 13, 60, "Cannot cut pnl3.UC: its seams cross each other"},   // 13.5 is point 14
      {30, 70, 31, 71, "Cannot cut pnl3.UC: its seams cross each other"},     // one point past on the leech
      {30, 70, 29, 60, "Cannot cut pnl3.UC: its seams cross each other"},     // one point past on the luff
      {-4, 90, 0.2, 90, "Cannot cut pnl3.UC: its seams lie on each other"},  // both from the tack
  };
  for (const Case& c : cases) {
    const Developed r = developMoved(8, [&](PanelLayout& l) {
      // Seams 1 and 4 out of the way, so that only panel 3 is in question.
      l.SeamLuffEnd[1] = 1, l.SeamLeechEnd[1] = 100;
      l.SeamLuffEnd[4] = 50, l.SeamLeechEnd[4] = 40;
      l.SeamLuffEnd[2] = c.luff2, l.SeamLeechEnd[2] = c.leech2;
      l.SeamLuffEnd[3] = c.luff3, l.SeamLeechEnd[3] = c.leech3;
    });
    const Messages want = *c.refused ? Messages{c.refused} : Messages{};
    EXPECT_EQ(refusals(r), want) << c.luff2 << " " << c.leech2 << " / " << c.luff3 << " " << c.leech3;
  }
}

// The foot bounds the bottom panel: a seam dragged onto the tack and the
// clew leaves the foot round's crescent (4 in deep) below it, cloth the cut
// check weighs, and the foot panels are cut as ever. The head is a straight
// edge between its corners: a seam dragged onto both of them lies on it,
// leaving a belly 0.1 in across under 1.5 in of allowance all round.
TEST(CrosscutRefusal, OnTheFootRoundIsCutOnTheHeadIsRefused) {
  const Developed r = developMoved(
      6,
      [](PanelLayout& l) {
        l.SeamLuffEnd[1] = 1, l.SeamLeechEnd[1] = 100;
        l.SeamLuffEnd[5] = 100, l.SeamLeechEnd[5] = 1;
      },
      true);
  EXPECT_EQ(refusals(r), Messages{"Cannot cut pnl6.UC: its seams lie on each other"});
  ASSERT_EQ(r.files.size(), 8u);
  for (const RunFile& f : r.files) {
    if (f.name != "pnl6.UC") {
      EXPECT_EQ(f.fault, CutFault::None) << f.name;
    }
  }
}

// A run that goes on past a refused panel: the panel's report line and its
// area are not counted, and the report's table holds every other panel.
TEST(CrosscutRefusal, ARefusedPanelCountsForNothing) {
  const auto seamOnNeighbour = [](PanelLayout& l) {
    l.SeamLuffEnd[3] = l.SeamLuffEnd[2];
    l.SeamLeechEnd[3] = l.SeamLeechEnd[2];
  };
  const Developed refused = developMoved(10, seamOnNeighbour);
  EXPECT_EQ(refused.report.find("pnl3.UC"), std::string::npos);
  for (const char* name : {"pnl2.UC", "pnl4.UC", "pnl10.UC"})
    EXPECT_NE(refused.report.find(name), std::string::npos) << name;
  // The same panels less the refused one: the area of the sound run's
  // panels 1, 2 and 4..10 where seam 3 lies on seam 2.
  const Developed sound = developMoved(10, [](PanelLayout&) {});
  EXPECT_LT(refused.totalArea, sound.totalArea);
}

// A seam allowance of 1e9 sets the knife of every panel below the head a
// billion inches off its outline: those files are refused, and a run that
// goes on past them names the top panel, the only one cut, as its widest;
// its width, not a refused panel's billion inches.
TEST(CrosscutRefusal, ARefusedFileIsNeverTheWidest) {
  SailModel m = testing::computed(testing::defaultInputs());
  CrosscutSettings s = testing::defaultSettings(7, false);
  s.seamWidth = "1e9";
  double top = 0;
  const std::string widest = testing::developFiles(m, s, 7, [&](const CrosscutRun& run) {
    EXPECT_EQ(run.file().fault == CutFault::None, run.file().name == "pnl7.UC") << run.file().name;
    if (run.file().name == "pnl7.UC") top = run.widths().width();
  });
  char want[64];
  std::snprintf(want, sizeof want, "Widest Panel 7 is %.2f inches", top);
  EXPECT_EQ(widest, want);
}

}  // namespace
}  // namespace kes
