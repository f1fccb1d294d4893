// Damaged design files through the readers: 10,000 deterministic mutations of
// each file (lines cut, doubled, swapped; huge numbers, commas, any byte).
// Nothing may crash, index past an array, let a NaN or an infinity through,
// or change the number of lines a file is written back with.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "design/design_lines.h"
#include "design/panel_file.h"
#include "design/sail_file.h"

namespace kes {
namespace {

class Mutator {
 public:
  Mutator(const std::string& original, std::uint64_t seed) : lines_(allLines(original)), state_(seed) {}

  std::string next() {
    std::vector<std::string> ls = lines_;
    for (int s = 0, steps = 1 + pick(3); s < steps; ++s) {
      const int n = static_cast<int>(ls.size());
      if (n == 0) break;
      std::string& l = ls[static_cast<std::size_t>(pick(n))];
      switch (pick(10)) {
        case 0: ls.erase(ls.begin() + pick(n)); break;
        case 1: ls.insert(ls.begin() + pick(n), l); break;
        case 2: std::swap(l, ls[static_cast<std::size_t>(pick(n))]); break;
        case 3: l = kHugeNumbers[pick(6)]; break;
        case 4: l += ",,7,"; break;
        case 5: if (!l.empty()) l[static_cast<std::size_t>(pick(static_cast<int>(l.size())))] = static_cast<char>(pick(256)); break;
        case 6: ls.resize(static_cast<std::size_t>(pick(n))); break;
        // A line past 64 KiB, its number ended by a comma so that only the
        // line's length costs time (a 64 KiB number is checked in Lines).
        case 7: l = "-32769," + std::string(kMaxLineBytes + 10, 'x'); break;
        case 8: l.insert(0, std::string("\0\xEF\xBB\xBF", 4)); break;
        default: ls.push_back(" 1e300 "); break;
      }
    }
    const char* end = pick(3) == 0 ? "\r\n" : pick(2) == 0 ? "\n" : "\r";
    std::string out;
    for (const std::string& l : ls) (out += l) += end;
    if (pick(4) == 0 && !out.empty()) out.resize(static_cast<std::size_t>(pick(static_cast<int>(out.size()))));
    return out;
  }

 private:
  int pick(int n) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(n));
  }
  static constexpr const char* kHugeNumbers[6] = {"1e999", "-1e999", "1e308", "99999999999999999999", "-32769", "nan"};
  std::vector<std::string> lines_;
  std::uint64_t state_;
};

// The lines a writer gave: each ends in CR LF, no CR or LF stands alone; -1 otherwise.
int lineCountOf(const std::string& bytes) {
  int n = 0;
  for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) ++n;
  const auto count = [&](char c) { return static_cast<int>(std::count(bytes.begin(), bytes.end(), c)); };
  return count('\r') == n && count('\n') == n ? n : -1;
}

template <std::size_t N>
bool finite(const double (&v)[N]) {
  return std::all_of(v, v + N, [](double x) { return std::isfinite(x); });
}

constexpr int kMutations = 10000;

TEST(Mutations, SailFiles) {
  SailFile s;
  s.date = "05-07-2024";
  for (int i = 0; i < 13; ++i) s.size[i] = 10 + i;
  s.batLngth[2] = "24";
  Mutator m(writeSailFile(s), 1);
  for (int t = 0; t < kMutations; ++t) {
    const SailRead r = readSailFile(m.next());
    ASSERT_TRUE(finite(r.sail.size)) << t;
    ASSERT_EQ(lineCountOf(writeSailFile(r.sail)), kSailLines) << t;
  }
}

TEST(Mutations, MoldFiles) {
  MoldFile mold;
  for (int i = 0; i < 6; ++i) mold.dep[i] = 8 + i;
  Mutator m(writeMoldFile(mold), 2);
  for (int t = 0; t < kMutations; ++t) {
    const MoldFile r = readMoldFile(m.next()).mold;
    ASSERT_TRUE(std::isfinite(r.twist) && finite(r.ent) && finite(r.dep) && finite(r.pos) && finite(r.ex)) << t;
    ASSERT_EQ(lineCountOf(writeMoldFile(r)), kMoldLines) << t;
  }
}

TEST(Mutations, PanelFiles) {
  PanelFile p;
  const double counts[8] = {7, 5, 5, 5, 5, 5, 4, 3};
  std::copy(counts, counts + 8, p.line + 6);
  PanelLayout layout;
  std::copy(counts + 1, counts + 8, layout.RadialCount);
  Mutator m(writePanelFile(p, layout), 3);
  PanelLayout into;
  for (int t = 0; t < kMutations; ++t) {
    into.RadialCount[8] = 40;  // a held count beyond the rule is bounded too
    const PanelRead r = readPanelFile(m.next(), into.RadialCount);
    ASSERT_TRUE(finite(r.fixed.line)) << t;
    ASSERT_LE(r.walk.seams, PanelLayout::kMaxPanels);
    ASSERT_EQ(static_cast<int>(r.ends.size()) + kPanelFixedLines, panelFileLines(r.walk)) << t;
    storeEnds(r, into, nullptr);
    ASSERT_TRUE(finite(into.SeamLuffEnd) && finite(into.SeamLeechEnd)) << t;
    std::copy(r.walk.radial, r.walk.radial + 7, into.RadialCount);
    ASSERT_EQ(lineCountOf(writePanelFile(r.fixed, into)), panelFileLines(r.walk)) << t;
  }
}

}  // namespace
}  // namespace kes
