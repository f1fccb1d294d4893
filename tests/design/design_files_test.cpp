// The design files byte for byte: lines, sail, mold and panel files, names,
// the report header and the plot scale. Then damaged design files through
// the readers: 10,000 deterministic mutations of each file (lines cut,
// doubled, swapped; huge numbers, commas, any byte). Nothing may crash, index
// past an array, let a NaN or an infinity through, or change the number of
// lines a file is written back with.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <tuple>
#include <string>
#include <vector>

#include "common/numbers.h"
#include "design/design_lines.h"
#include "design/design_names.h"
#include "design/panel_file.h"
#include "design/plot_scale.h"
#include "design/sail_file.h"

namespace kes {
namespace {

using Lines = std::vector<std::string>;

std::string join(const Lines& ls, std::size_t count = SIZE_MAX) {
  std::string out;
  for (std::size_t i = 0; i < count && i < ls.size(); ++i) out += ls[i] + "\r\n";
  return out;
}

// ---- Lines ---------------------------------------------------------------------------

TEST(Lines, AnyLineEndByteOrderMarkAndHugeLines) {
  const std::pair<std::string, Lines> cases[] = {
      {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
      {"a\r\n\r\n", {"a", ""}},  // an empty last line counts; no line after the last end
      {"\r\r\n", {"", ""}},      // a CR alone, then a CR LF: two empty lines
      {"\xEF\xBB\xBF 7 \r\n", {" 7 "}},
      {"", {}},
      {std::string("a\0b", 3), {std::string("a\0b", 3)}},
      // 64 KiB of a line are kept, the rest of it is skipped: no line shifts.
      {std::string(kMaxLineBytes + 5000, 'x') + "\r\n 3 \r\n", {std::string(kMaxLineBytes, 'x'), " 3 "}},
  };
  for (const auto& [bytes, ls] : cases) EXPECT_EQ(allLines(bytes), ls) << bytes.substr(0, 9);
}

// A number line's field ends at a blank or a comma (the number parse itself
// is checked with the shared number texts).
TEST(Lines, NumbersCellsAndBoxNumbers) {
  const std::pair<const char*, double> numbers[] = {
      {" 100 ", 100}, {"1000 1016", 1000}, {"7,2", 7}, {"\t-.25x", -0.25}, {"abc", 0}, {"", 0},
      {" .5 ", 0.5},  {"-3 ", -3},         {"12.50", 12.5}, {"1E+20", 1e20}};
  for (const auto& [text, v] : numbers) EXPECT_TRUE(lineNumber(text).good() && lineNumber(text).v == v) << text;
  EXPECT_FALSE(lineNumber("1e999").good() || lineNumber(std::string(kMaxLineBytes, '9')).good());
  EXPECT_EQ(lineCell("   12, 5 "), "12, 5 ");
  EXPECT_TRUE(boxNumber("12 in") == 12 && boxNumber("1e999") == 0);  // cannot be formed: written as 0
  LineWriter w;
  for (const double v : {0.5, double(INFINITY), double(NAN)}) w.number(v);
  for (const bool on : {true, false}) w.flag(on);
  w.text("two\r\nlines");
  EXPECT_EQ(w.bytes(), " .5 \r\n 0 \r\n 0 \r\n-1 \r\n 0 \r\ntwo  lines\r\n");
  // Whole, small and negative numbers as a number line holds them.
  LineWriter plain;
  for (const double v : {100.0, 0.006, -3.0}) plain.number(v);
  EXPECT_EQ(plain.bytes(), " 100 \r\n .006 \r\n-3 \r\n");
}

// Every byte a file text can hold comes back from its box: bytes below 128
// stay one byte, each of the 128 above takes two in UTF-8.
TEST(Lines, Latin1SurvivesEveryByte) {
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  const std::string utf8 = latin1ToUtf8(all);
  EXPECT_EQ(utf8.size(), 127u + 2 * 128u);
  EXPECT_EQ(utf8ToLatin1(utf8), all);
  EXPECT_TRUE(fitsLatin1(utf8));
  EXPECT_EQ(latin1ToUtf8("\xE9"), "\xC3\xA9");
  EXPECT_EQ(latin1ToUtf8("\xFF"), "\xC3\xBF");
  EXPECT_EQ(utf8ToLatin1("\xE2\x82\xAC x \xC3"), "? x ?");  // beyond Latin-1, a broken sequence
  EXPECT_FALSE(fitsLatin1("\xE2\x82\xAC"));
  EXPECT_FALSE(fitsLatin1("x\xC3"));
}

// ---- Sail and mold ----------------------------------------------------------------------

SailFile defaultSail() {
  SailFile s;
  s.inches = s.black = true;
  const double size[13] = {100, 3, 60, 3, 40, 10, 130, 110, 12, 55, 50, 4, 50};
  std::copy(size, size + 13, s.size);
  s.moldName = "lastsail.mld", s.panelName = "lastsail.pnl";
  return s;
}

TEST(SailFile, DefaultSailByteForByteAndBack) {
  const std::string bytes = writeSailFile(defaultSail());
  EXPECT_EQ(bytes, "\r\n\r\n-1 \r\n 0 \r\n 0 \r\n 100 \r\n 3 \r\n 60 \r\n 3 \r\n 40 \r\n 10 \r\n 130 \r\n"
                   " 110 \r\n 12 \r\n 55 \r\n 50 \r\n 4 \r\n 50 \r\nlastsail.mld\r\nlastsail.pnl\r\n" +
                       join(Lines(19, "")) + "-1 \r\n");  // 19 empty batten and reef cells
  const SailRead r = readSailFile(bytes);
  EXPECT_TRUE(r.failures() == 0 && writeSailFile(r.sail) == bytes);
}

TEST(SailFile, WorkedLinesAndShortFiles) {
  SailFile s = defaultSail();
  s.date = "05-17-2024";
  s.comments = "Genoa, \xE9t\xE9 2";  // a comma and Latin-1 bytes in a text line
  s.batPos[3] = "abc", s.reefPos[1] = "45";
  s.inches = s.black = false;
  s.millimeters = true;
  s.size[0] = 12.5;
  s.batLngth[0] = "24, long";  // a comma in a cell shifts nothing
  const Lines ls = allLines(writeSailFile(s));
  ASSERT_EQ(ls.size(), 40u);
  EXPECT_TRUE(ls[5] == " 12.5 " && ls[39] == " 0 ");
  const SailRead r = readSailFile(join(ls));
  EXPECT_TRUE(r.failures() == 0 && writeSailFile(r.sail) == join(ls));
  // The values as read, each from its own line.
  EXPECT_EQ(ls[20], "24, long");
  EXPECT_EQ(std::tuple(r.sail.date, r.sail.comments, r.sail.moldName, r.sail.panelName),
            std::tuple(s.date, s.comments, s.moldName, s.panelName));
  EXPECT_TRUE(r.sail.millimeters && !r.sail.inches && !r.sail.feet && !r.sail.black);
  EXPECT_EQ(plainNumber(r.sail.size[0]), "12.5");
  for (int i = 1; i < 13; ++i) EXPECT_EQ(r.sail.size[i], s.size[i]) << i;
  EXPECT_EQ(r.sail.batLngth[0], "24, long");
  EXPECT_EQ(r.sail.batAngl[0], "");  // the next cell keeps its own line
  EXPECT_EQ(r.sail.batPos[3], "abc");
  EXPECT_EQ(r.sail.batLngth[4], "");
  EXPECT_EQ(r.sail.reefPos[1], "45");
  // A cell loses its leading blanks, a text line keeps them.
  Lines blanks = ls;
  blanks[1] = "  Genoa", blanks[20] = "  24, long", blanks[37] = "\t3";
  const SailRead b = readSailFile(join(blanks));
  EXPECT_EQ(b.failures(), 0);
  EXPECT_EQ(std::tuple(b.sail.comments, b.sail.batLngth[0], b.sail.numReef[1]),
            std::tuple(std::string("  Genoa"), std::string("24, long"), std::string("3")));

  // Line 40: only exactly -1 is black.
  Lines l40 = ls;
  for (const auto& [text, black] :
       {std::pair{"-1 ", true}, {" 1 ", false}, {"", false}, {"x", false}, {"-1.0", true}}) {
    l40[39] = text;
    EXPECT_EQ(readSailFile(join(l40)).sail.black, black) << text;
  }

  // 18 lines: the rest reads empty, each missing line reported.
  const SailRead cut = readSailFile(join(ls, 18));
  EXPECT_TRUE(cut.failures() == 22 && !cut.failed[18] && cut.failed[19] && cut.failed[40]);
  EXPECT_TRUE(cut.sail.moldName.empty() && cut.sail.size[12] == 50);
  EXPECT_EQ(cut.sail.size[11], 4);
  for (int n = 1; n <= kSailLines; ++n) EXPECT_EQ(cut.failed[n], n > 18) << n;
  // The black default sail cut short: line 40 is missing, so not black.
  const SailRead cutBlack = readSailFile(join(allLines(writeSailFile(defaultSail())), 18));
  EXPECT_TRUE(cutBlack.failures() == 22 && !cutBlack.sail.black && cutBlack.sail.inches);
  // A number beyond a double's range cannot be read either: its line alone fails and reads 0.
  Lines big = ls;
  big[5] = "1e999";
  const SailRead huge = readSailFile(join(big));
  EXPECT_TRUE(huge.failures() == 1 && huge.failed[6]);
  EXPECT_TRUE(huge.sail.size[0] == 0 && huge.sail.size[1] == 3 && huge.sail.moldName == "lastsail.mld");
}

TEST(MoldFile, WorkedLinesAndAShortFile) {
  MoldFile m;
  m.twist = 7;
  for (int s = 0; s < 6; ++s) m.ent[s] = 28, m.dep[s] = 8 + s;
  m.dep[3] = boxNumber("12.0");
  m.ex[0] = boxNumber("-5");
  m.pos[5] = 47.5;
  const std::string bytes = writeMoldFile(m);
  const Lines ls = allLines(bytes);
  ASSERT_EQ(ls.size(), 25u);
  EXPECT_EQ(Lines(ls.begin(), ls.begin() + 5), (Lines{" 7 ", " 28 ", " 8 ", " 0 ", "-5 "}));
  EXPECT_TRUE(ls[2 + 4 * 3] == " 12 " && ls[23] == " 47.5 ");
  const MoldRead r = readMoldFile(bytes);
  EXPECT_TRUE(r.failures() == 0 && writeMoldFile(r.mold) == bytes);
  // The values as read, station by station.
  EXPECT_EQ(r.mold.twist, 7);
  EXPECT_EQ(plainNumber(r.mold.dep[3]), "12");
  EXPECT_EQ(plainNumber(r.mold.ex[0]), "-5");
  for (int st = 0; st < 6; ++st)
    EXPECT_EQ(std::tuple(r.mold.ent[st], r.mold.dep[st], r.mold.pos[st], r.mold.ex[st]),
              std::tuple(28.0, st == 3 ? 12.0 : 8.0 + st, st == 5 ? 47.5 : 0.0, st == 0 ? -5.0 : 0.0))
        << st;

  // 21 lines: twist and stations 0..4; station 5 reads 0 and each line is reported.
  const MoldRead s = readMoldFile(join(ls, 21));
  EXPECT_TRUE(s.failures() == 4 && s.failed[22] && s.failed[25] && !s.failed[21]);
  EXPECT_TRUE(s.mold.ent[4] == 28 && s.mold.ent[5] == 0 && s.mold.dep[5] == 0);
  EXPECT_TRUE(s.mold.ex[5] == 0 && s.mold.pos[5] == 0 && s.mold.dep[4] == 12 && s.mold.twist == 7);
  for (int n = 1; n <= kMoldLines; ++n) EXPECT_EQ(s.failed[n], n > 21) << n;
}

// ---- Panel file ---------------------------------------------------------------------------

const int kNoneHeld[PanelLayout::kSections] = {};

PanelFile defaultPanel(double panels = 10) {
  PanelFile p;
  const double fixed[43] = {0, 1.5, 1.5, 1.5, 1.5, 1.5, panels, 5, 5, 5, 5, 5, 4, 3, .5, 0, 0, 0, 4.25, 3, 1, 3,
                            60, 1, 10, 10, 5, 5, 18, 15, 5, 5, 15, 12, 5, 5, 0, -1, 0, 3, -1, -1, 0};
  std::copy(fixed, fixed + 43, p.line);
  return p;
}

// The 7-panel crosscut design: counts 5,5,5,5,5,4,3 in lines 7..13.
PanelLayout sevenPanelLayout() {
  PanelLayout l;
  l.PanelCount = 7;
  for (int i = 0; i <= 7; ++i)
    l.SeamLeechEnd[i] = 100 - std::nearbyint(100.0 * i / 7), l.SeamLuffEnd[i] = i == 0 ? 1 : std::nearbyint(100.0 * i / 7);
  l.SeamLuffEnd[1] = 8.5;  // a halved luff end keeps its fraction
  l.DividerTopIndex = 50, l.DividerFootIndex = 45;
  const int counts[7] = {5, 5, 5, 5, 5, 4, 3};
  for (int k = 0; k < 7; ++k) {
    l.RadialCount[k] = counts[k];
    for (int j = 1; j < counts[k]; ++j) l.RadialUpperEnd[k][j] = 20 * j + k, l.RadialLowerEnd[k][j] = k == 1 ? 101 - j : j;
  }
  return l;
}

TEST(PanelFile, FreshStartWrites116LinesAndReadsThemBack) {
  const std::string bytes = writePanelFile(defaultPanel(), PanelLayout());  // no layout made yet
  const Lines ls = allLines(bytes);
  ASSERT_EQ(ls.size(), 116u);
  EXPECT_EQ(Lines(ls.begin() + 13, ls.begin() + 18), (Lines{" .5 ", " 0 ", " 0 ", " 0 ", " 4.25 "}));
  EXPECT_TRUE(ls[36] == "-1 " && ls[41] == " 0 ");
  const PanelRead r = readPanelFile(bytes, kNoneHeld);
  EXPECT_TRUE(r.failures() == 0 && panelFileLines(r.walk) == 116);
  EXPECT_EQ(ls[5], " 10 ");
  EXPECT_EQ(bytes.substr(bytes.size() - 7), "\r\n 0 \r\n");
  // Every fixed line as read: the value written, the hollow's 0 loads as 0.006.
  const PanelFile p = defaultPanel();
  for (int n = 1; n < kPanelFixedLines; ++n) EXPECT_TRUE(r.fixed.line[n] == p.line[n] && !r.failed[n]) << n;
  EXPECT_EQ(r.fixed.line[42], 0.006);
  EXPECT_EQ(r.walk.seams, 10);
  ASSERT_EQ(r.ends.size(), 116u - 42);
  for (const Field<double>& e : r.ends) EXPECT_TRUE(e.ok && e.value == 0);
}

TEST(PanelFile, SevenPanelCrosscutIs110LinesAndComesBackWhole) {
  PanelFile p = defaultPanel(7);
  p.line[42] = 0.02;
  const PanelLayout l = sevenPanelLayout();
  const std::string bytes = writePanelFile(p, l);
  const Lines ls = allLines(bytes);
  ASSERT_EQ(ls.size(), 110u);
  // Hollow, seam 0's leech and luff ends, seam 1's; the divider after seam 7.
  EXPECT_EQ(Lines(ls.begin() + 41, ls.begin() + 46), (Lines{" .02 ", " 100 ", " 1 ", " 86 ", " 8.5 "}));
  EXPECT_EQ(Lines(ls.begin() + 58, ls.begin() + 60), (Lines{" 50 ", " 45 "}));
  // Section 0's radial seams 1 and 2 (upper end, then lower), section 1's
  // first, and section 6's two at the file's end.
  EXPECT_EQ(Lines(ls.begin() + 60, ls.begin() + 64), (Lines{" 20 ", " 1 ", " 40 ", " 2 "}));
  EXPECT_EQ(Lines(ls.begin() + 68, ls.begin() + 70), (Lines{" 21 ", " 100 "}));
  EXPECT_EQ(Lines(ls.begin() + 106, ls.end()), (Lines{" 26 ", " 1 ", " 46 ", " 2 "}));
  const PanelRead r = readPanelFile(bytes, l.RadialCount);
  PanelLayout back;
  int failures = r.failures();
  storeEnds(r, back, [&] { ++failures; });
  EXPECT_EQ(failures, 0);
  EXPECT_EQ(writePanelFile(r.fixed, back), bytes);  // every end came back where it was
  // The same, element by element as read.
  EXPECT_EQ(r.failures(), 0);
  for (int n = 1; n <= kPanelFixedLines; ++n) EXPECT_EQ(r.fixed.line[n], p.line[n]) << n;
  for (int i = 0; i <= 7; ++i)
    EXPECT_TRUE(back.SeamLeechEnd[i] == l.SeamLeechEnd[i] && back.SeamLuffEnd[i] == l.SeamLuffEnd[i]) << i;
  EXPECT_TRUE(back.DividerTopIndex == 50 && back.DividerFootIndex == 45);
  for (int k = 0; k < 7; ++k)
    for (int j = 1; j < l.RadialCount[k]; ++j)
      EXPECT_TRUE(back.RadialUpperEnd[k][j] == l.RadialUpperEnd[k][j] &&
                  back.RadialLowerEnd[k][j] == l.RadialLowerEnd[k][j])
          << k << j;

  // Saved before any radial layout, its writer walking without radial counts:
  // 60 lines, read with 50 errors; seam and divider ends load, radial ends are 0.
  const PanelRead legacy = readPanelFile(join(ls, 60), l.RadialCount);
  EXPECT_TRUE(panelFileLines(legacy.walk) == 110 && legacy.failures() == 50);
  // The fixed lines and the 18 seam and divider ends read; each radial end failed.
  ASSERT_EQ(legacy.ends.size(), 68u);
  for (std::size_t e = 0; e < legacy.ends.size(); ++e) EXPECT_EQ(legacy.ends[e].ok, e < 18) << e;
  EXPECT_EQ(std::count(std::begin(legacy.failed), std::end(legacy.failed), true), 0);
  back = l;
  storeEnds(legacy, back, [&] { ++failures; });
  EXPECT_EQ(failures, 50);
  EXPECT_TRUE(back.SeamLuffEnd[1] == 8.5 && back.DividerFootIndex == 45);
  for (int k = 0; k < 7; ++k)
    for (int j = 1; j < l.RadialCount[k]; ++j)
      EXPECT_TRUE(back.RadialUpperEnd[k][j] == 0 && back.RadialLowerEnd[k][j] == 0) << k << j;
}

TEST(PanelFile, WalkFollowsTheCountRule) {
  const int held[PanelLayout::kSections] = {0, 0, 0, 0, 0, 0, 0, 2, 3, 0, 0};
  const struct {
    double panels, counts[7];
    int lines;
  } cases[] = {
      // Sections 7 and 8 hold counts 2 and 3 from before the load.
      {4, {3, 3, 5, 5, 5, 4, 3}, 86},                          // radial: fans of 3, bands 2..4 of 5
      {7, {5, 5, 5, 5, 5, 4, 3}, 42 + 16 + 2 + 50 + 2},        // section 7 visited: one more seam
      {7.5, {5, 5, 5, 5, 5, 4, 3}, 42 + 18 + 2 + 50 + 2 + 4},  // 7.5 is 8 panels
      {0, {5, 5, 0, 0, 0, 0, 0}, 42 + 2 + 2 + 16},             // no bands, the fans still
      {-4, {-4, 3, 5, 5, 5, 4, 3}, 42 + 10 + 2 + 34},          // negative counts count as positive
      {50, {40, 1, 1, 1, 1, 1, 1}, 42 + 68 + 2 + 64 + 2 + 4},  // at most 33; sections 0..10
      {1e300, {0, 0, 0, 0, 0, 0, 0}, 42 + 68 + 2 + 2 + 4},
  };
  for (const auto& c : cases) {
    PanelFile p;
    p.line[6] = c.panels;
    std::copy(c.counts, c.counts + 7, p.line + 7);
    EXPECT_EQ(panelFileLines(panelWalk(p, held)), c.lines) << c.panels;
  }
  EXPECT_EQ(lineCount(-4), 4);
  EXPECT_EQ(lineCount(2.5), 2);
  EXPECT_EQ(lineCount(3.5), 4);
  // The walk's counts seen directly: 7 panels visit sections 0..7, section 6's
  // -3.5 counts 4, section 7's count is the one held.
  PanelFile seven;
  seven.line[6] = 7;
  const double counts[7] = {5, 5, 5, 5, 5, 4, -3.5};
  std::copy(counts, counts + 7, seven.line + 7);
  const PanelWalk w = panelWalk(seven, held);
  EXPECT_EQ(w.seams, 7);
  EXPECT_EQ(std::vector<int>(w.radial, w.radial + PanelLayout::kSections),
            (std::vector<int>{5, 5, 5, 5, 5, 4, 4, 2, 0, 0, 0}));
}

TEST(PanelFile, FixedLinesAsTheirControlsTakeThem) {
  Lines ls = allLines(writePanelFile(defaultPanel(), PanelLayout()));
  ls[14] = " .5 ";     // Radials: a half rounds to the even 0
  ls[15] = " 1.5 ";    // Stagger: 2
  ls[30] = " 40000 ";  // beyond a whole number: left as it is and reported
  ls[6] = "-4 ";
  ls[26] = " 12 ";  // a bar line out of range: left to the bar to refuse
  ls[35] = " 7 ";   // any non-zero selects
  ls[40] = " .5 ";  // a menu line too
  const PanelRead r = readPanelFile(join(ls), kNoneHeld);
  EXPECT_TRUE(r.fixed.line[27] == 12 && !r.failed[27]);
  EXPECT_TRUE(r.fixed.line[36] == -1 && r.fixed.line[41] == -1 && r.fixed.line[7] == -4);
  EXPECT_EQ(r.failures(), 1);  // line 31 alone
  EXPECT_TRUE(r.fixed.line[15] == 0 && r.fixed.line[16] == 2 && r.fixed.line[31] == 40000 && r.failed[31]);
  EXPECT_EQ(r.walk.radial[0], 4);
  for (const auto& [hollow, loads] :
       {std::pair{" .02 ", 0.02}, {" 0 ", 0.006}, {" .08 ", 0.006}, {"-.01 ", -0.01}, {" .05 ", 0.05}}) {
    ls[41] = hollow;
    EXPECT_EQ(readPanelFile(join(ls), kNoneHeld).fixed.line[42], loads) << hollow;
  }
}

TEST(PanelFile, EndsStayAsReadAndWholeNumbersAreChecked) {
  Lines ls = allLines(writePanelFile(defaultPanel(2), PanelLayout()));
  ASSERT_EQ(ls.size(), 42u + 6 + 2 + 24u);
  ls[44] = " 150.25 ";  // a seam end outside 1..100 stays as read
  ls[48] = " 40000 ";   // divider top: beyond a whole number, kept as it was
  ls[49] = " 12.5 ";    // divider foot: half to even
  ls[50] = "abc";       // radial end: no number reads 0
  PanelLayout l;
  l.DividerTopIndex = 33, l.RadialUpperEnd[0][1] = 9;
  int failures = 0;
  storeEnds(readPanelFile(join(ls), kNoneHeld), l, [&] { ++failures; });
  EXPECT_TRUE(failures == 1 && l.SeamLeechEnd[1] == 150.25 && l.RadialUpperEnd[0][1] == 0);
  EXPECT_TRUE(l.DividerTopIndex == 33 && l.DividerFootIndex == 12);
}

// The ends of a double's range come back as they went out: seam 0's and seam
// N's ends and a negative batten hollow at the largest magnitude.
TEST(PanelFile, TheLargestNumbersComeBack) {
  constexpr double kMax = std::numeric_limits<double>::max();
  PanelFile p = defaultPanel(2);
  p.line[42] = -kMax;
  PanelLayout l;
  l.SeamLeechEnd[0] = kMax, l.SeamLuffEnd[2] = -kMax, l.SeamLuffEnd[0] = std::nextafter(kMax, 0.0);
  const std::string bytes = writePanelFile(p, l);
  const PanelRead r = readPanelFile(bytes, kNoneHeld);
  PanelLayout back;
  int failures = r.failures();
  storeEnds(r, back, [&] { ++failures; });
  EXPECT_EQ(failures, 0);
  EXPECT_EQ(std::tuple(r.fixed.line[42], back.SeamLeechEnd[0], back.SeamLuffEnd[2]), std::tuple(-kMax, kMax, -kMax));
  EXPECT_EQ(writePanelFile(r.fixed, back), bytes);
}

// ---- Names, header, plot scale ---------------------------------------------------------

TEST(Names, TheNameRuleStepByStep) {
  const std::pair<const char*, const char*> sails[] = {
      {"Main.old.sal", "Main.sal"}, {"verylongname", "verylong.sal"}, {"LASTSAIL.SAL", "LASTSAIL.sal"},
      {"Genoa 2.sal", "Genoa 2.sal"}, {"/x", "x.sal"}, {"a\\b/c.d", "c.sal"}, {"..", ".sal"},
      {"/", ".sal"}, {"*", "*.sal"}, {"Gr\xC3\xBCnsegelname", "Gr\xC3\xBCnsege.sal"}};
  for (const auto& [text, name] : sails) EXPECT_EQ(designNameSteps(text, ".sal")[3], name) << text;
  EXPECT_EQ(designNameSteps("", ".mld")[3], ".mld");
  EXPECT_EQ(designNameSteps("radial", ".pnl")[3], "radial.pnl");
  EXPECT_EQ(designNameSteps("dir/Main.old.sal", ".pnl"),
            (std::array<std::string, 4>{"Main.old.sal", "Main", "Main", "Main.pnl"}));
  for (const char* plain : {"a.sal", ".sal", "*.sal"}) EXPECT_TRUE(isPlainName(plain)) << plain;
  for (const char* not_plain : {"", ".", "..", "a/b.sal", "a\\b.sal", "/"})
    EXPECT_FALSE(isPlainName(not_plain)) << not_plain;
}

TEST(Names, ReportHeaderBytes) {
  const Clock c{2024, 5, 7, 9, 3, 41};
  EXPECT_EQ(dateText(c), "05-07-2024");
  EXPECT_EQ(reportHeader(c, "genoa.sal", "", "lastsail.pnl"),
            "05-07-2024    09:03:41\r\nLoaded Sail:  genoa.sal\r\nLoaded Mold:  \r\n"
            "Loaded Pnls:  lastsail.pnl\r\n\r\n");
}

TEST(PlotScale, TheChainOfSources) {
  const std::string varden = "-400\r\n400\r\n", vd32 = "-300,250";
  const std::string zeros = "0\r\n0\r\n", blanks = "1000 1016\r\n", huge = "1e999,7";
  const struct {
    const std::string *vd32, *varden;
    const char *x, *y;
    double sx, sy;
  } cases[] = {
      {nullptr, &varden, "", "", 400, 400},
      {&vd32, &varden, "", "", -300, 250},  // vd32.dat alone, negatives kept
      {&vd32, nullptr, "-800", "", 800, 250},
      {nullptr, &zeros, "", "", 500, 500},
      {&blanks, nullptr, "", "", 1000, 500},  // one field, then the file ends
      {&huge, nullptr, "", "", 500, 7},       // an overflowing field leaves x
      {nullptr, nullptr, "12abc", " 250 ", 500, 250},  // a setting counts only whole
      {nullptr, nullptr, "1e999", "0", 500, 500},
  };
  for (const auto& c : cases) {
    const PlotScale s = plotScaleChain(nullptr, c.vd32, c.varden, c.x, c.y);
    EXPECT_TRUE(s.x == c.sx && s.y == c.sy) << c.x << " gives " << s.x << ", " << s.y;
  }
  // vdxp.dat first of the files; the settings alone.
  const std::string vdxp = "1000,1016,7\r\n1,2";
  const PlotScale first = plotScaleChain(&vdxp, &vd32, &varden, "", "");
  EXPECT_TRUE(first.x == 1000 && first.y == 1016) << first.x << ", " << first.y;
  const std::string vdxpNegative = "-1000,-1016";  // vdxp.dat's fields as they are
  const PlotScale negative = plotScaleChain(&vdxpNegative, nullptr, &varden, "", "");
  EXPECT_TRUE(negative.x == -1000 && negative.y == -1016) << negative.x << ", " << negative.y;
  const PlotScale settings = plotScaleChain(nullptr, nullptr, nullptr, "1200", "");
  EXPECT_TRUE(settings.x == 1200 && settings.y == 500) << settings.x << ", " << settings.y;
}

// ---- Mutations -------------------------------------------------------------------------

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
