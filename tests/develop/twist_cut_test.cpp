// Named sails with much twist, developed crosscut: their files can be cut
// and come out of the finishing turn lying along +X.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "common/lines.h"
#include "default_sail.h"
#include "develop/crosscut_run.h"
#include "develop/cut_check.h"
#include "develop_fixture.h"
#include "layout/crosscut.h"
#include "model/sail_fixture.h"

namespace kes {
namespace {

// One developed file: its fault, its flat panel and where the turn takes it.
struct TurnedFile {
  std::string name;
  CutFault fault = CutFault::None;
  Point2 lowerLeech, upperLeech;  // the flat leech corners after the turn
  double letters = 0;             // the lettering's angle after the turn
  double rightmost = -1e300;      // the largest X written in the finished file
};

Point2 turn(Point2 p, double a) { return {p.x * std::cos(a) - p.y * std::sin(a), p.x * std::sin(a) + p.y * std::cos(a)}; }

// Every file of the sail at n panels (default allowances and marks, both
// foot panels), the layout's default square seam ends; with onlyHeadTabling
// the seams and the luff, leech and foot go without allowance.
std::vector<TurnedFile> developAll(const SailInputs& in, int n, bool onlyHeadTabling = false) {
  SailModel m = testing::computed(in);
  static PanelLayout L;
  L = PanelLayout{};
  L.PanelCount = n;
  defaultSeamEnds(m, L, n, true);
  buildSeamLines(m, L);
  CrosscutSettings s = testing::defaultSettings(n);
  if (onlyHeadTabling)
    for (std::string* a : {&s.seamWidth, &s.luffTabling, &s.leechTabling, &s.footTabling}) *a = std::string("0");
  std::vector<TurnedFile> out;
  CrosscutRun run;
  run.start(s, nullptr);
  while (run.next() != CrosscutStep::Done) {
    if (run.next() == CrosscutStep::TwistFoot) buildSeamLines(m, L);
    run.develop(m, L, nullptr);
    run.finish(nullptr);
    const FlatStrip& f = run.panel().strip;
    const double a = FileAngle(f);
    TurnedFile t{run.file().name, run.file().fault, turn(f.L(100), a), turn(f.U(100), a),
                 run.panel().letterAngle + a};
    for (const std::string& line : allLines(run.file().turned))
      if (IsPointLine(line)) t.rightmost = std::max(t.rightmost, PointLineStep(SplitPointLine(line).x) / s.units.PlotScaleX);
    out.push_back(t);
    run.accept();
  }
  return out;
}

const TurnedFile& named(const std::vector<TurnedFile>& files, const std::string& name) {
  for (const TurnedFile& f : files)
    if (f.name == name) return f;
  static TurnedFile none;
  none.name = "<missing>";
  return none;
}

// Two seams meeting at the tack: the bottom panel's (or the twist foot's)
// luff rung is a short stretch along the foot, from the foot's tack end a
// hair fore of the luff's, so the flat panel lies along y with its lower
// edge bending back over the luff. The turn by -atan of the chord's slope
// laid such a panel onto -X, upside down; it now lies along +X, its upper
// edge above the lower one and its lettering along +X.
TEST(TwistedSails, BottomPanelsBetweenSeamsFromTheTackTurnOntoPlusX) {
  // The default sail with a 60 in foot and 17 degrees of twist, 10 panels:
  // the twist foot.
  SailInputs longFoot = testing::defaultInputs();
  longFoot.text[4] = 60;
  longFoot.text[14] = 17;
  // A gaff-headed main (luff 141.8, head 42.2 at 167.4 degrees, leech
  // 159.9, foot 86.9, aft bend -1.1, side bend 1, round 1.5, roach 7.1,
  // twist 17.1) whose foot station has an entry of 0, 17 panels: pnl1.
  SailInputs gaff = testing::defaultInputs();
  const double sizes[][2] = {{1, 141.8}, {2, 42.2}, {3, 159.9}, {4, 86.9}, {5, 167.4}, {6, -1.1},
                             {8, 1}, {10, 1.5}, {12, 7.1}, {14, 17.1}};
  for (const auto& [box, v] : sizes) gaff.text[static_cast<int>(box)] = v;
  gaff.ent[0] = 0;
  const struct {
    const char* what;
    SailInputs in;
    int n;
    const char* file;
  } cases[] = {{"long foot", longFoot, 10, "twstfoot.uc"}, {"gaff", gaff, 17, "pnl1.UC"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<TurnedFile> files = developAll(c.in, c.n);
    const TurnedFile& f = named(files, c.file);
    ASSERT_EQ(f.name, c.file);
    EXPECT_EQ(f.fault, CutFault::None);
    EXPECT_GT(f.lowerLeech.x, 0);
    EXPECT_NEAR(f.lowerLeech.y, 0, 1e-9);
    EXPECT_GT(f.upperLeech.y, 0);
    EXPECT_NEAR(std::remainder(f.letters, 2 * std::acos(-1.0)), 0, 1e-6);
    // The finished file reaches out to the lower leech corner.
    EXPECT_GT(f.rightmost, f.lowerLeech.x - 0.01);
  }
}

// The top panel's leech rung stands out of the sail's plane, so the leech
// seen in plan stops short of the flat upper leech corner; without a leech
// tabling the knife then ran from that corner straight to the first leech
// point, inside the sewing corner, and the top panel was refused.
TEST(TwistedSails, TopPanelsOfATwistedDefaultSailAreCut) {
  SailInputs in = testing::defaultInputs();
  in.text[14] = 20;
  for (int n = 1; n <= 12; ++n)
    for (const TurnedFile& f : developAll(in, n, true)) {
      EXPECT_EQ(f.fault, CutFault::None) << n << " " << f.name;
      EXPECT_GT(f.lowerLeech.x, 0) << n << " " << f.name;
    }
}

}  // namespace
}  // namespace kes
