#pragma once
// A reinforcement develop as the window runs it, kept in memory: each file
// the window would write, in order, with its text, and the one message of
// the file that stopped the run ("Cannot cut tack6.uc: ..."), if any. A
// knife read back from a written text alone tells whether it holds cloth.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "develop/cut_check.h"
#include "plot_outline.h"
#include "reinforce/patch_files.h"

namespace kes::testing {

struct WrittenFile {
  std::string name, text;
};

struct RunRecord : ReinforcementSink {
  std::vector<WrittenFile> written;
  std::string refused, message;  // the file the run stopped on, and the window's words

  bool plainFile(const std::string& name, const std::string& text) override {
    written.push_back({name, text});
    return true;
  }
  bool refusedPlainFile(const std::string& name, const std::string&, std::string_view why) override {
    return refuse(name, why);
  }
  bool patchFile(const PatchFile& p) override {
    const std::string failed = p.failedName();
    if (!failed.empty()) return refuse(failed, p.why);
    written.push_back({p.name, p.finished.turned});
    if (!p.copyName.empty()) written.push_back({p.copyName, p.finished.copy});
    return true;
  }
  bool refuse(const std::string& name, std::string_view why) {
    refused = name;
    message = CannotCutText(name, why);
    return false;
  }

  std::vector<std::string> names() const {
    std::vector<std::string> out;
    for (const WrittenFile& f : written) out.push_back(f.name);
    return out;
  }
  bool wrote(const std::string& name) const {
    for (const WrittenFile& f : written)
      if (f.name == name) return true;
    return false;
  }
};

inline RunRecord develop(const SailModel& m, const ReinforceSettings& rs, const PlotUnits& units) {
  RunRecord r;
  developReinforcements(m, rs, units, StrokeFont{}, r);
  return r;
}

// The knife path of a written file, in plotter steps: its enclosed area
// (shoelace) over half its length, the average width of the cloth it cuts
// out. 0 for a file without a closed knife of three points.
inline double knifeWidthSteps(const std::string& text) {
  const std::vector<Point2> knife = readPaths(text).knife;
  if (knife.size() < 3) return 0;
  double length = 0;
  for (std::size_t k = 0; k < knife.size(); ++k) {
    const Point2 a = knife[k], b = knife[(k + 1) % knife.size()];
    length += std::hypot(b.x - a.x, b.y - a.y);
  }
  return length > 0 ? 2 * std::fabs(pathArea(knife)) / length : 0;
}

// Cloth a cutting table can cut out: on average wider than two steps.
inline bool holdsCloth(const std::string& text) { return knifeWidthSteps(text) > 2; }

}  // namespace kes::testing
