// Damaged design files through the readers: 10,000 deterministic mutations of
// each file (lines cut, doubled, swapped; huge numbers, commas, any byte).
// Nothing may crash, index past an array, let a NaN or an infinity through,
// or change the number of lines a file is written back with.

#include <gtest/gtest.h>

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
  explicit Mutator(std::uint64_t seed) : state_(seed) {}

  std::string mutate(const std::string& original) {
    std::vector<std::string> ls = split(original);
    const int steps = 1 + pick(3);
    for (int s = 0; s < steps; ++s) {
      const std::size_t n = ls.size();
      const std::size_t i = n ? static_cast<std::size_t>(pick(static_cast<int>(n))) : 0;
      switch (pick(10)) {
        case 0: if (n) ls.erase(ls.begin() + static_cast<long>(i)); break;
        case 1: if (n) ls.insert(ls.begin() + static_cast<long>(i), ls[i]); break;
        case 2: if (n) std::swap(ls[i], ls[static_cast<std::size_t>(pick(static_cast<int>(n)))]); break;
        case 3: if (n) ls[i] = hugeNumbers[pick(6)]; break;
        case 4: if (n) ls[i] += ",,7,"; break;
        case 5: if (n && !ls[i].empty()) ls[i][static_cast<std::size_t>(pick(static_cast<int>(ls[i].size())))] = static_cast<char>(pick(256)); break;
        case 6: if (n) ls.resize(i); break;
        case 7: if (n) ls[i] = std::string(kMaxLineBytes + 10, '9'); break;
        case 8: if (n) ls[i].insert(0, std::string("\0\xEF\xBB\xBF", 4)); break;
        default: ls.push_back(" 1e300 "); break;
      }
    }
    const char* ends[] = {"\r\n", "\n", "\r"};
    const char* end = ends[pick(3)];
    std::string out;
    for (const std::string& l : ls) out += l + end;
    if (pick(4) == 0 && !out.empty()) out.resize(static_cast<std::size_t>(pick(static_cast<int>(out.size()))));
    return out;
  }

 private:
  static std::vector<std::string> split(const std::string& bytes) {
    std::vector<std::string> out;
    LineReader r(bytes);
    std::string_view l;
    while (r.next(l)) out.emplace_back(l);
    return out;
  }
  int pick(int n) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(n));
  }
  static constexpr const char* hugeNumbers[6] = {"1e999", "-1e999", "1e308", "99999999999999999999",
                                                 "-32769", "nan"};
  std::uint64_t state_;
};

int lineCountOf(const std::string& bytes) {
  LineReader r(bytes);
  std::string_view l;
  int n = 0;
  while (r.next(l)) ++n;
  return n;
}

bool finite(const double* v, int n) {
  for (int i = 0; i < n; ++i)
    if (!std::isfinite(v[i])) return false;
  return true;
}

constexpr int kMutations = 10000;

TEST(Mutations, SailFiles) {
  SailFile s;
  s.date = "05-07-2024";
  for (int i = 0; i < 13; ++i) s.size[i] = 10 + i;
  s.batLngth[2] = "24";
  const std::string original = writeSailFile(s);
  Mutator m(1);
  for (int t = 0; t < kMutations; ++t) {
    const SailRead r = readSailFile(m.mutate(original));
    ASSERT_TRUE(finite(r.sail.size, 13)) << t;
    ASSERT_EQ(lineCountOf(writeSailFile(r.sail)), kSailLines) << t;
  }
}

TEST(Mutations, MoldFiles) {
  MoldFile mold;
  for (int i = 0; i < 6; ++i) mold.dep[i] = 8 + i;
  const std::string original = writeMoldFile(mold);
  Mutator m(2);
  for (int t = 0; t < kMutations; ++t) {
    const MoldRead r = readMoldFile(m.mutate(original));
    ASSERT_TRUE(std::isfinite(r.mold.twist) && finite(r.mold.ent, 6) && finite(r.mold.dep, 6) &&
                finite(r.mold.pos, 6) && finite(r.mold.ex, 6))
        << t;
    ASSERT_EQ(lineCountOf(writeMoldFile(r.mold)), kMoldLines) << t;
  }
}

TEST(Mutations, PanelFiles) {
  PanelFile p;
  const double counts[8] = {7, 5, 5, 5, 5, 5, 4, 3};
  for (int k = 0; k < 8; ++k) p.line[6 + k] = counts[k];
  PanelLayout layout;
  for (int k = 0; k < 7; ++k) layout.RadialCount[k] = static_cast<int>(counts[k + 1]);
  const std::string original = writePanelFile(p, layout);
  Mutator m(3);
  for (int t = 0; t < kMutations; ++t) {
    PanelLayout into;
    into.RadialCount[8] = 40;  // a held count beyond the rule is bounded too
    const PanelRead r = readPanelFile(m.mutate(original), into.RadialCount);
    ASSERT_TRUE(finite(r.fixed.line, kPanelFixedLines + 1)) << t;
    ASSERT_LE(r.walk.seams, PanelLayout::kMaxPanels);
    ASSERT_EQ(static_cast<int>(r.ends.size()) + kPanelFixedLines, panelFileLines(r.walk)) << t;
    storeEnds(r, into, nullptr);
    ASSERT_TRUE(finite(into.SeamLuffEnd, PanelLayout::kSeams)) << t;
    ASSERT_TRUE(finite(into.SeamLeechEnd, PanelLayout::kSeams)) << t;
    PanelLayout held = into;
    for (int k = 0; k < 7; ++k) held.RadialCount[k] = r.walk.radial[k];
    ASSERT_EQ(lineCountOf(writePanelFile(r.fixed, held)), panelFileLines(r.walk)) << t;
  }
}

}  // namespace
}  // namespace kes
