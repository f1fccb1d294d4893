// Random crosscut layouts of random sails, their inner seam ends dragged
// about: within the drag's limits, onto a neighbour's end, and across
// neighbours (as a panel file may hold them). Each layout is developed as
// "Develop" runs, stopping at the first refused file. Read from the written
// files alone, by the test's own arithmetic:
//   - every file written encloses cloth: its sewing outline's mean width
//     (twice its shoelace area over its perimeter) is over three plotter
//     steps;
//   - the written panels lie over no cloth twice: the layout's panels
//     divide the sail between the foot and the head, so the sewing areas of
//     those written add up to no more than the whole sail's, as the same
//     sail at the same count with its default, ordered seams gives it;
//     where panels lie over each other that cloth counts twice. A panel is
//     laid flat as one strip from its own two seams, so the same cloth cut
//     as one wide panel comes out somewhat larger than cut as several
//     narrow ones (one panel fanning from the tack across most of a twisted
//     sail, which the drags allow, measured up to 13 % over the ordered
//     panels here); kOverlapSlack allows 20 %. Seams pulled across their
//     neighbours cover the crossed cloth two or three times: a quarter to
//     twice the sail again;
//   - every refusal names the file the run was on, the panel after the
//     last one written, and says why.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "develop/cut_check.h"
#include "develop_fixture.h"
#include "model/sail_fixture.h"
#include "plot_outline.h"
#include "random_sail.h"

namespace kes {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kSails = 4;
#else
constexpr int kSails = 30;
#endif
constexpr int kLayoutsPerSail = 8;
constexpr unsigned kSeed = 20250414;
constexpr double kClothSteps = 3.0;
constexpr double kOverlapSlack = 0.2;

// The sails of the develop's cut property test: any mold the Mold frame
// gives whose sections do not fold.
constexpr testing::MoldRange kMold{{0, 45}, {0, 20}, {30, 55}, {0, 45}};

using Sail = testing::RandomSail;

// What one run left: the files written (name and finished text), and the
// message of the refusal that stopped it, if one did.
struct Written {
  std::vector<std::pair<std::string, std::string>> files;
  std::string refusal;
  std::string refusedName;  // the file the run was on when it was refused
};

// As "Develop" runs: file after file until one is refused.
Written developUntilRefused(SailModel& m, PanelLayout& L, const CrosscutSettings& s) {
  Written w;
  testing::developLayout(m, L, s, [&w](const CrosscutRun& run) {
    const CrosscutFile& f = run.file();
    if (f.fault != CutFault::None) {
      w.refusal = CannotCutText(f.name, CutFaultReason(f.fault));
      w.refusedName = f.name;
      return false;
    }
    w.files.emplace_back(f.name, f.turned);
    return true;
  });
  return w;
}

// The sewing outline of a finished crosscut file: from the origin, after
// the lettering, in plotter steps, without repeated points.
std::vector<Point2> sewingOf(const std::string& text) {
  std::vector<Point2> o;
  for (const Point2 p : testing::readPaths(text, "0 0 acut").sewing)
    if (o.empty() || o.back().x != p.x || o.back().y != p.y) o.push_back(p);
  return o;
}

double perimeter(const std::vector<Point2>& o) {
  double sum = 0;
  for (std::size_t k = 0; k < o.size(); ++k)
    sum += std::hypot(o[(k + 1) % o.size()].x - o[k].x, o[(k + 1) % o.size()].y - o[k].y);
  return sum;
}

bool isPanel(const std::string& name) { return name.rfind("pnl", 0) == 0; }

// The summed sewing area of the written panels of the layout (not the foot
// panels, which lie over the bottom panel by design), in square steps.
double panelArea(const Written& w) {
  double sum = 0;
  for (const auto& [name, text] : w.files)
    if (isPanel(name)) sum += std::fabs(testing::pathArea(sewingOf(text)));
  return sum;
}

// One inner seam end moved: within the drag's limits (between the
// neighbours' ends), onto a neighbour's end, or anywhere on its edge.
void moveEnds(std::mt19937& rng, PanelLayout& L, int n) {
  std::uniform_real_distribution<double> u(0, 1);
  const int j = 1 + static_cast<int>(u(rng) * (n - 1));
  const bool luff = u(rng) < 0.5, both = u(rng) < 0.3;
  // The foot's and the head's ends are fixed by the sail's corners.
  const double luffBelow = j == 1 ? 1 : L.SeamLuffEnd[j - 1], luffAbove = j == n - 1 ? 100 : L.SeamLuffEnd[j + 1];
  const double leechBelow = j == 1 ? 100 : L.SeamLeechEnd[j - 1], leechAbove = j == n - 1 ? 1 : L.SeamLeechEnd[j + 1];
  const double kind = u(rng);
  const bool above = u(rng) < 0.5;
  for (const bool onLuff : {luff, !luff}) {
    if (onLuff != luff && !both) continue;
    double& end = onLuff ? L.SeamLuffEnd[j] : L.SeamLeechEnd[j];
    const double lo = onLuff ? luffBelow : leechAbove, hi = onLuff ? luffAbove : leechBelow;
    if (kind < 0.35) {  // onto a neighbour
      end = onLuff ? (above ? luffAbove : luffBelow) : (above ? leechAbove : leechBelow);
    } else if (kind < 0.7) {  // a drag within the limits, to a whole point
      end = std::round(std::min(lo, hi) + u(rng) * std::fabs(hi - lo));
    } else {  // across: anywhere on the edge
      end = 1 + std::floor(u(rng) * 100);
    }
  }
}

TEST(CrosscutRefusalProperty, RandomLayoutsWriteClothOnceAndNameEveryRefusal) {
  std::mt19937 rng(kSeed);
  std::uniform_real_distribution<double> u(0, 1);
  int layouts = 0, refused = 0, complete = 0;
  for (int i = 0; i < kSails; ++i) {
    const Sail s = testing::randomSail(rng, kMold);
    SailModel m = testing::computed(s.in);
    if (testing::firstNonFinite(m) >= 0 || !(m.ClewX > 0)) continue;  // no sail to lay out
    for (int k = 0; k < kLayoutsPerSail; ++k) {
      const int n = 3 + static_cast<int>(u(rng) * 18);
      const int moves = 1 + static_cast<int>(u(rng) * 4);
      const CrosscutSettings c = testing::settingsFor(s, n);
      PanelLayout& L = testing::defaultLayout(m, n);
      const Written ordered = developUntilRefused(m, L, c);
      const double whole = panelArea(ordered);
      for (int mv = 0; mv < moves; ++mv) moveEnds(rng, L, n);
      buildSeamLines(m, L);
      const Written w = developUntilRefused(m, L, c);
      ++layouts;
      const std::string where = "sail " + std::to_string(i) + " layout " + std::to_string(k) + " (" +
                                std::to_string(n) + " panels)";
      for (const auto& [name, text] : w.files) {
        const std::vector<Point2> o = sewingOf(text);
        const double width = o.size() < 3 ? 0 : 2 * std::fabs(testing::pathArea(o)) / perimeter(o);
        EXPECT_GT(width, kClothSteps) << where << ": " << name << " encloses no cloth";
      }
      // Against the ordered layout's whole sail, only when that ran through.
      if (ordered.refusal.empty()) {
        EXPECT_LE(panelArea(w), whole * (1 + kOverlapSlack))
            << where << ": the written panels cover " << panelArea(w) / whole << " of the sail";
      }
      if (w.refusal.empty()) {
        ++complete;
        continue;
      }
      ++refused;
      int panels = 0;
      for (const auto& f : w.files) panels += isPanel(f.first) ? 1 : 0;
      const std::string next = panels < n ? "pnl" + std::to_string(panels + 1) + ".UC" : w.refusedName;
      EXPECT_EQ(w.refusedName, next) << where;
      const std::string named = "Cannot cut " + next + ": ";
      EXPECT_TRUE(w.refusal.rfind(named, 0) == 0 && w.refusal.size() > named.size()) << where << ": " << w.refusal;
    }
  }
  // The layouts hold both outcomes in numbers.
  EXPECT_GE(layouts, kSails * kLayoutsPerSail * 9 / 10);
  EXPECT_GE(refused, layouts / 5);
  EXPECT_GE(complete, layouts / 5);
}

}  // namespace
}  // namespace kes
