// The reinforcement develop over many random sails, reaches (0, a hair, or
// anything up to the frame's 20 %), layer counts 0..10, the three styles,
// reef-size copies of any size and pockets and reef points of any size,
// read back from the files alone:
//   - every file written encloses cloth, by the knife's own shoelace area;
//   - the files come in the run's order, and a run that stops names the
//     very file it stopped on, next in that order;
//   - a patch refused for want of reach says how many layers the reach
//     allows, and that count is right: with it the corner cuts whole, with
//     one more it does not.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "model/sail_fixture.h"
#include "random_sail.h"
#include "run_record.h"

namespace kes {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kRuns = 200;
#else
constexpr int kRuns = 2000;
#endif
constexpr unsigned kSeed = 20261207;

using testing::develop;
using testing::RunRecord;
using Names = std::vector<std::string>;

struct Draw {
  SailModel m;
  ReinforceSettings rs;
  PlotUnits units;
};

// A reach along one edge: none, a hair that rounds to the corner or next
// to it, or anything the frame allows.
double reach(std::mt19937& rng) {
  std::uniform_real_distribution<double> u(0, 1);
  const double kind = u(rng), v = u(rng);
  return kind < 0.1 ? 0 : kind < 0.25 ? 1.5 * v : 20 * v;
}

CornerSettings corner(std::mt19937& rng) {
  const double first = reach(rng), second = reach(rng);
  return {first, second, static_cast<double>(rng() % 11)};
}

// False when the model makes no sail of the inputs.
bool draw(std::mt19937& rng, Draw& d) {
  std::uniform_real_distribution<double> u(0, 1);
  const testing::RandomSail s = testing::randomSail(rng);
  ReinforceSettings& rs = d.rs;
  rs.tack = corner(rng);
  rs.clew = corner(rng);
  rs.head = corner(rng);
  const int style = static_cast<int>(rng() % 3);
  rs.style = {style == 0, style == 1, style == 2};
  rs.ellipticity = 1 + static_cast<int>(rng() % 6);
  rs.reefPoints = u(rng) < 0.6;
  rs.copyPercent = u(rng) < 0.8 ? 20 + 80 * u(rng) : 3 * u(rng);
  rs.battenPockets = u(rng) < 0.5;
  rs.pocketWidth = (u(rng) < 0.15 ? 0.01 * u(rng) : 1 + 5 * u(rng)) * s.k;
  rs.lengthPlus = 3 * s.k;
  rs.pointSize = (u(rng) < 0.15 ? 0.005 * u(rng) : 1 + 3 * u(rng)) * s.k;
  for (int b = 0; b < 5; ++b) rs.battenLength[b] = s.batLngth[b].empty() ? 0 : std::stod(s.batLngth[b]);
  for (int r = 0; r < 2; ++r) rs.reefCount[r] = s.numReef[r].empty() ? 0 : std::stod(s.numReef[r]);
  d.units = SetPlotUnits(500, 500, s.millimeters, s.feet);
  d.m = testing::computed(s.in);
  return testing::firstNonFinite(d.m) < 0 && d.m.ClewX > 0;
}

std::string numbered(const char* stem, int n) { return stem + std::to_string(n) + ".uc"; }

// Every file the settings ask for, in the order the run writes them.
Names expectedNames(const SailModel& m, const ReinforceSettings& rs) {
  Names out;
  if (rs.battenPockets)
    for (int b = 0; b < 5; ++b)
      if (rs.battenLength[b] > 0) out.push_back(numbered("bat", b));
  if (rs.reefPoints) {
    int n = 0;
    for (const double count : rs.reefCount)
      for (int k = 1; k <= count - 2; ++k) out.push_back(numbered("reef", ++n));
  }
  const auto layers = [&out](const CornerSettings& c, const char* stem, const char* copy,
                             const char* peak) {
    for (int t = 1; t <= c.quantity; ++t) {
      out.push_back(numbered(stem, t));
      if (copy) out.push_back(numbered(copy, t));
      if (peak) out.push_back(numbered(peak, t));
    }
  };
  layers(rs.tack, "tack", rs.reefPoints ? "rtack" : nullptr, nullptr);
  layers(rs.clew, "clew", rs.reefPoints ? "rclew" : nullptr, nullptr);
  layers(rs.head, "head", nullptr, m.HeadWidth < 0.1 * m.LuffLength ? nullptr : "peak");
  return out;
}

// The corner a patch file belongs to, or none for a pocket or reef point.
CornerSettings* cornerOf(const std::string& name, ReinforceSettings& rs) {
  const auto starts = [&name](const char* s) { return name.rfind(s, 0) == 0; };
  if (starts("tack") || starts("rtack")) return &rs.tack;
  if (starts("clew") || starts("rclew")) return &rs.clew;
  if (starts("head") || starts("peak")) return &rs.head;
  return nullptr;
}

// What a run did wrong, as read from its files and its message.
struct Faults {
  Names noCloth, misnamed, wrongAllowance;
  int files = 0, refusals = 0, reachRefusals = 0;
};

// The run with one corner's layer count changed stops on none of that
// corner's files, and everything it wrote holds cloth; or (cuts false) it
// does stop on one of them.
bool cornerCuts(const Draw& d, CornerSettings ReinforceSettings::*c, int layers) {
  ReinforceSettings rs = d.rs;
  (rs.*c).quantity = layers;
  const RunRecord r = develop(d.m, rs, d.units);
  for (const testing::WrittenFile& f : r.written)
    if (!testing::holdsCloth(f.text)) return false;
  ReinforceSettings probe = rs;
  return r.refused.empty() || cornerOf(r.refused, probe) != &(probe.*c);
}

void check(const Draw& d, int run, Faults& faults) {
  const RunRecord r = develop(d.m, d.rs, d.units);
  const std::string tag = "run " + std::to_string(run) + ": ";
  faults.files += static_cast<int>(r.written.size());
  for (const testing::WrittenFile& f : r.written)
    if (!testing::holdsCloth(f.text)) faults.noCloth.push_back(tag + f.name);

  // In order; a stop names the file it stopped on: the next one, or the
  // copy of the next one.
  const Names expected = expectedNames(d.m, d.rs), got = r.names();
  const std::size_t k = got.size();
  const bool prefix = k <= expected.size() && Names(expected.begin(), expected.begin() + k) == got;
  if (r.refused.empty()) {
    if (got != expected) faults.misnamed.push_back(tag + "not every file written");
    return;
  }
  ++faults.refusals;
  const bool named = prefix && k < expected.size() &&
                     (r.refused == expected[k] ||
                      (k + 1 < expected.size() && r.refused == expected[k + 1] &&
                       r.refused == "r" + expected[k]));
  if (!named || r.message.rfind("Cannot cut " + r.refused + ": ", 0) != 0)
    faults.misnamed.push_back(tag + r.message);

  // "the reach allows n layers": n cut whole, n + 1 do not.
  const std::string allows = "; the reach allows ";
  const std::size_t at = r.message.find(allows);
  if (at == std::string::npos) return;
  ++faults.reachRefusals;
  const std::string count = r.message.substr(at + allows.size());
  const int n = count.rfind("no ", 0) == 0 ? 0 : std::stoi(count);
  ReinforceSettings probe = d.rs;
  const CornerSettings* c = cornerOf(r.refused, probe);
  if (!c) {
    faults.wrongAllowance.push_back(tag + r.message);
    return;
  }
  const auto member = c == &probe.tack   ? &ReinforceSettings::tack
                      : c == &probe.clew ? &ReinforceSettings::clew
                                         : &ReinforceSettings::head;
  const bool nCut = cornerCuts(d, member, n);
  const bool moreCut = n + 1 < c->quantity && cornerCuts(d, member, n + 1);
  if (!nCut || moreCut || !(n < c->quantity))
    faults.wrongAllowance.push_back(tag + r.message);
}

std::string listed(const Names& names) {
  std::string s;
  for (std::size_t i = 0; i < names.size() && i < 12; ++i) s += "\n  " + names[i];
  return s;
}

TEST(ClothProperty, EveryWrittenFileHoldsClothAndEveryStopNamesItsFile) {
  std::mt19937 rng(kSeed);
  Faults faults;
  int runs = 0;
  for (int i = 0; i < kRuns; ++i) {
    Draw d;
    if (!draw(rng, d)) continue;
    ++runs;
    check(d, i, faults);
  }
  // The draws reach every kind of run: the test is no test without them.
  EXPECT_GT(runs, kRuns * 3 / 4);
  EXPECT_GT(faults.files, runs * 5);
  EXPECT_GT(faults.reachRefusals, runs / 10);
  EXPECT_GT(faults.refusals - faults.reachRefusals, 0);  // pockets and reef points too
  EXPECT_LT(faults.refusals, runs);                      // and whole runs

  EXPECT_EQ(faults.noCloth.size(), 0u) << "written without cloth:" << listed(faults.noCloth);
  EXPECT_EQ(faults.misnamed.size(), 0u) << "stops not naming their file:" << listed(faults.misnamed);
  EXPECT_EQ(faults.wrongAllowance.size(), 0u)
      << "layers allowed, miscounted:" << listed(faults.wrongAllowance);
  std::printf("%d runs, %d files written, %d stopped (%d for want of reach)\n", runs, faults.files,
              faults.refusals, faults.reachRefusals);
}

}  // namespace
}  // namespace kes
