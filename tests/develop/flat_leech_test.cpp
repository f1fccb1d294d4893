// Where the flat leech lies: the leech points of every panel file, read back
// from the finished file, against the designed leech in the plan. The
// expected places come from the sail's leech curve and seam ends and from
// the file's own flat leech corners, never from the develop's placing.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "develop_fixture.h"
#include "model/sail_fixture.h"
#include "random_sail.h"

namespace kes {
namespace {

using Sail = testing::RandomSail;

// The sewing outline of a finished file ("0 0 acut", "1 pendown" up to
// "1 penup"), every point in the sail's unit; empty when there is none.
std::vector<Point2> sewingOutline(const std::string& file, const PlotUnits& u) {
  const auto l = allLines(file);
  std::vector<Point2> pts;
  for (std::size_t k = 0; k + 1 < l.size(); ++k) {
    if (l[k] != "0 0 acut" || l[k + 1] != "1 pendown") continue;
    pts.push_back({0, 0});
    for (std::size_t j = k + 2; j < l.size() && l[j] != "1 penup"; ++j) {
      const PointLineParts p = SplitPointLine(l[j]);
      pts.push_back({PointLineStep(p.x) / u.PlotScaleX, PointLineStep(p.y) / u.PlotScaleY});
    }
    break;
  }
  return pts;
}

double dist(Point2 a, Point2 b) { return std::hypot(b.x - a.x, b.y - a.y); }

// Where p lies against the chord from a to b: its place along the chord
// from a, and its offset across it (positive to the left of a -> b: out of
// the sail, aft, for a leech chord running down from its upper end).
struct OnChord {
  double along, across;
};
OnChord onChord(Point2 a, Point2 b, Point2 p) {
  const double len = dist(a, b), tx = (b.x - a.x) / len, ty = (b.y - a.y) / len;
  const double dx = p.x - a.x, dy = p.y - a.y;
  return {dx * tx + dy * ty, tx * dy - ty * dx};
}

struct LeechTally {
  int turned = 0, fitted = 0;  // files whose leech lies as each way puts it
  int points = 0;
  std::vector<std::string> faults;
};

constexpr double kSteps = 3;  // the two roundings of the plot file, a step or two each

// The leech run of one panel file against the designed leech. The leech
// points stand on the sewing outline between the flat leech corners: after
// the upper edge (luff to leech), before the lower edge (leech to luff).
//
// The flat rung's length is the 3-D chord between the seam ends, longer
// than their plan chord where the sail twists. The leech lies one of two
// ways:
//  - turned: the plan leech turned onto the rung about the lower corner,
//    its plan lengths kept, so that each point's place along and offset
//    across the rung, from the lower corner, are the designed leech's from
//    the lower seam's end on its plan chord; the rung's stretch shows at
//    the upper corner only;
//  - fitted: the designed leech's own chord (its points at the two seam
//    ends) laid onto the rung, so that its place along and offset across
//    are the designed leech's on that chord times the stretch, flat rung
//    over plan chord.
// Either way within a few plotter steps; a leech turned by a wrong angle
// keeps every length and moves off both.
void checkLeech(const SailModel& m, const PanelLayout& L, const CrosscutRun& run, const PlotUnits& u,
                const std::string& where, LeechTally& tally) {
  const int i = run.file().index;
  const double endUp = L.SeamLeechEnd[i], endLow = L.SeamLeechEnd[i - 1];
  if (endUp != std::floor(endUp) || endLow != std::floor(endLow) || !(endUp >= 1 && endLow <= 100)) {
    tally.faults.push_back(where + ": seam ends not whole leech points");
    return;
  }
  const int up = static_cast<int>(endUp), low = static_cast<int>(endLow);
  const int count = std::max(low - up - 1, 0);
  const std::vector<Point2> sew = sewingOutline(run.file().turned, u);
  // The flat leech corners as the development lays them, turned as the
  // finishing turns the file: the upper one ends the upper edge, the lower
  // one follows the leech points.
  const double step = 1 / u.PlotScaleX;
  const FlatStrip& f = run.panel().strip;
  const Point2 upperAt = testing::turned(f.U(100), FileAngle(f)), lowerAt = testing::turned(f.L(100), FileAngle(f));
  std::size_t top = 0;
  while (top < sew.size() && !(dist(sew[top], upperAt) <= kSteps * step)) ++top;
  const std::size_t bottom = top + count + 1;
  if (bottom >= sew.size() || !(dist(sew[bottom], lowerAt) <= kSteps * step)) {
    tally.faults.push_back(where + ": not " + std::to_string(count) + " leech points between the flat corners");
    return;
  }
  const Point2 upper = sew[top], lower = sew[bottom];
  // The finishing turn lays the lower leech corner on +X.
  if (!(std::fabs(lower.y) <= kSteps * step && lower.x > 0)) tally.faults.push_back(where + ": lower corner off +X");
  const Point2 seamUp{L.SeamLines[i](1, 100), L.SeamLines[i](2, 100)};
  const Point2 seamLow{L.SeamLines[i - 1](1, 100), L.SeamLines[i - 1](2, 100)};
  const Point2 leechUp{m.LeechCurve(1, up), m.LeechCurve(2, up)}, leechLow{m.LeechCurve(1, low), m.LeechCurve(2, low)};
  const double rung = dist(upper, lower), seamChord = dist(seamUp, seamLow), leechChord = dist(leechUp, leechLow);
  double turnedOff = 0, fittedOff = 0;  // the worst miss of each way, in steps
  for (int k = up + 1; k < low; ++k) {
    ++tally.points;
    const Point2 p{m.LeechCurve(1, k), m.LeechCurve(2, k)};
    const OnChord flat = onChord(upper, lower, sew[top + (k - up)]);
    const OnChord plan = onChord(seamUp, seamLow, p), own = onChord(leechUp, leechLow, p);
    turnedOff = std::max({turnedOff, std::fabs((rung - flat.along) - (seamChord - plan.along)),
                          std::fabs(flat.across - plan.across)});
    const double stretch = rung / leechChord;
    fittedOff = std::max({fittedOff, std::fabs(flat.along - own.along * stretch),
                          std::fabs(flat.across - own.across * stretch)});
  }
  turnedOff /= step;
  fittedOff /= step;
  if (turnedOff <= kSteps) {
    ++tally.turned;
  } else if (fittedOff <= kSteps) {
    ++tally.fitted;
  } else {
    char b[160];
    std::snprintf(b, sizeof b, ": leech off by %.1f steps as turned, %.1f as fitted (stretch %.4f)", turnedOff,
                  fittedOff, rung - seamChord);
    tally.faults.push_back(where + b);
  }
}

// Every panel file of the sail at each count, on its default layout.
LeechTally developAndCheck(const Sail& s, const std::string& what, std::initializer_list<int> counts) {
  LeechTally tally;
  SailModel m = testing::computed(s.in);
  if (testing::firstNonFinite(m) >= 0) {
    tally.faults.push_back(what + ": no sail");
    return tally;
  }
  for (const int n : counts) {
    CrosscutSettings c = testing::defaultSettings(n, false);
    c.units = SetPlotUnits(500, 500, s.millimeters, s.feet);
    PanelLayout& L = testing::defaultLayout(m, n);
    CrosscutRun run;
    run.start(c, nullptr);
    while (run.next() != CrosscutStep::Done) {
      run.develop(m, L, nullptr);
      run.finish(nullptr);
      if (IsPanelFileName(run.file().name))
        checkLeech(m, L, run, c.units, what + ", " + std::to_string(n) + " panels, " + run.file().name, tally);
      run.accept();
    }
  }
  return tally;
}

constexpr std::initializer_list<int> kCounts = {1, 2, 3, 5, 7, 12, 20, 33};

TEST(FlatLeech, LeechPointsLieAsTheDesignedLeechBetweenTheFlatCorners) {
  struct Case {
    std::string what;
    Sail s;
    bool someFitted = false;  // the fitted way seen in some of its files
  };
  std::vector<Case> cases;
  cases.push_back({"default", testing::defaultMain()});
  // Twisted 20 degrees: the flat rungs are longer than their plan chords.
  cases.push_back({"twisted", testing::twistedMain(20)});
  Sail square = testing::mainSail(100, 14, 110, 50, 4, 12, 0);
  square.in.text[5] = 100;
  cases.push_back({"square top", square});
  // A 5.8 m main in millimetres.
  cases.push_back({"millimetres", testing::millimetreMain()});
  // A 44 ft main with an 18 ft gaff head twisted 24 degrees, in feet: its
  // seams end on their leech points, so its leeches turn onto their rungs.
  cases.push_back({"twisted gaff", testing::gaffMain(24)});
  // A drawn sail twisted 14 degrees whose top panel's leech passes the
  // upper flat corner along the rung: that one is fitted.
  cases.push_back({"drawn 35", testing::drawnSail(11, 35), true});
  for (const Case& c : cases) {
    const LeechTally t = developAndCheck(c.s, c.what, kCounts);
    for (const std::string& f : t.faults) ADD_FAILURE() << f;
    // Every panel file of every count checked: 1 + 2 + 3 + 5 + 7 + 12 + 20 + 33.
    EXPECT_EQ(t.turned + t.fitted, 83) << c.what;
    if (c.someFitted) {
      EXPECT_GT(t.fitted, 0) << c.what;
      EXPECT_GT(t.turned, 0) << c.what;
    }
    EXPECT_GT(t.points, 500) << c.what;
  }
}

}  // namespace
}  // namespace kes
