// The design files byte for byte: lines, sail, mold and panel files, names,
// the report header and the plot scale.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
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

std::vector<std::string> lines(std::string_view bytes) {
  std::vector<std::string> out;
  LineReader r(bytes);
  std::string_view l;
  while (r.next(l)) out.emplace_back(l);
  return out;
}

std::string join(const std::vector<std::string>& ls) {
  std::string out;
  for (const std::string& l : ls) out += l + "\r\n";
  return out;
}

// ---- Lines ---------------------------------------------------------------------------

TEST(Lines, AnyLineEndByteOrderMarkAndHugeLines) {
  EXPECT_EQ(lines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(lines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(lines("\r\r\n"), (std::vector<std::string>{"", ""}));
  EXPECT_EQ(lines("\xEF\xBB\xBF 7 \r\n"), (std::vector<std::string>{" 7 "}));
  EXPECT_TRUE(lines("").empty());
  EXPECT_EQ(lines(std::string("a\0b", 3)), (std::vector<std::string>{std::string("a\0b", 3)}));
  const std::string huge = std::string(kMaxLineBytes + 5000, 'x') + "\r\n 3 \r\n";
  const auto hl = lines(huge);
  ASSERT_EQ(hl.size(), 2u);
  EXPECT_EQ(hl[0].size(), kMaxLineBytes);
  EXPECT_EQ(hl[1], " 3 ");
}

TEST(Lines, NumbersCellsAndBoxNumbers) {
  const std::pair<const char*, double> numbers[] = {
      {" 100 ", 100}, {" .5 ", 0.5}, {"-3 ", -3}, {"12.50", 12.5}, {"1000 1016", 1000},
      {"7,2", 7},     {"abc", 0},    {"", 0},     {"\t-.25x", -0.25}, {"1E+20", 1e20}};
  for (const auto& [text, v] : numbers) {
    EXPECT_TRUE(lineNumber(text).good()) << text;
    EXPECT_EQ(lineNumber(text).v, v) << text;
  }
  EXPECT_FALSE(lineNumber("1e999").good());
  EXPECT_EQ(lineCell("   12, 5 "), "12, 5 ");
  EXPECT_EQ(boxNumber("12 in"), 12);
  EXPECT_EQ(boxNumber("1e999"), 0);  // cannot be formed: written as 0
  LineWriter w;
  w.number(100);
  w.number(0.5);
  w.number(0.006);
  w.number(-3);
  w.number(std::numeric_limits<double>::infinity());
  w.number(std::nan(""));
  w.flag(true);
  w.flag(false);
  w.text("two\r\nlines");
  EXPECT_EQ(w.bytes(), " 100 \r\n .5 \r\n .006 \r\n-3 \r\n 0 \r\n 0 \r\n-1 \r\n 0 \r\ntwo  lines\r\n");
}

TEST(Lines, Latin1SurvivesEveryByte) {
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  const std::string utf8 = latin1ToUtf8(all);
  EXPECT_EQ(utf8ToLatin1(utf8), all);
  EXPECT_EQ(latin1ToUtf8("\xE9"), "\xC3\xA9");
  EXPECT_EQ(utf8ToLatin1("\xE2\x82\xAC x \xC3"), "? x ?");  // beyond Latin-1, a broken sequence
}

// ---- Sail and mold ----------------------------------------------------------------------

SailFile defaultSail() {
  SailFile s;
  s.inches = true;
  const double size[13] = {100, 3, 60, 3, 40, 10, 130, 110, 12, 55, 50, 4, 50};
  for (int i = 0; i < 13; ++i) s.size[i] = size[i];
  s.moldName = "lastsail.mld";
  s.panelName = "lastsail.pnl";
  s.black = true;
  return s;
}

TEST(SailFile, DefaultSailByteForByteAndBack) {
  const std::string bytes = writeSailFile(defaultSail());
  const std::string expected =
      "\r\n\r\n-1 \r\n 0 \r\n 0 \r\n 100 \r\n 3 \r\n 60 \r\n 3 \r\n 40 \r\n 10 \r\n 130 \r\n"
      " 110 \r\n 12 \r\n 55 \r\n 50 \r\n 4 \r\n 50 \r\nlastsail.mld\r\nlastsail.pnl\r\n" +
      join(std::vector<std::string>(19, "")) + "-1 \r\n";  // 19 empty batten and reef cells
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(lines(bytes).size(), 40u);
  const SailRead r = readSailFile(bytes);
  EXPECT_EQ(r.failures(), 0);
  EXPECT_EQ(writeSailFile(r.sail), bytes);
}

TEST(SailFile, WorkedLines) {
  SailFile s = defaultSail();
  s.date = "05-17-2024";
  s.comments = "Genoa, \xE9t\xE9 2";  // a comma and Latin-1 bytes in a text line
  s.inches = false;
  s.millimeters = true;
  s.size[0] = 12.5;
  s.batLngth[0] = "  24, long";  // a comma in a cell shifts nothing; leading blanks go
  s.batPos[3] = "abc";
  s.batLngth[4] = "";
  s.reefPos[1] = "45";
  s.black = false;
  const std::string bytes = writeSailFile(s);
  const auto ls = lines(bytes);
  ASSERT_EQ(ls.size(), 40u);
  EXPECT_EQ(ls[5], " 12.5 ");
  EXPECT_EQ(ls[20], "  24, long");
  EXPECT_EQ(ls[39], " 0 ");
  const SailRead r = readSailFile(bytes);
  EXPECT_EQ(r.failures(), 0);
  EXPECT_EQ(r.sail.comments, s.comments);
  EXPECT_TRUE(r.sail.millimeters);
  EXPECT_FALSE(r.sail.inches);
  EXPECT_FALSE(r.sail.feet);
  EXPECT_EQ(plainNumber(r.sail.size[0]), "12.5");
  EXPECT_EQ(r.sail.batLngth[0], "24, long");
  EXPECT_EQ(r.sail.batAngl[0], "");  // the next cell keeps its own line
  EXPECT_EQ(r.sail.batPos[3], "abc");
  EXPECT_EQ(r.sail.batLngth[4], "");
  EXPECT_EQ(r.sail.reefPos[1], "45");
  EXPECT_FALSE(r.sail.black);

  // Line 40: only exactly -1 is black.
  auto ls40 = ls;
  for (const auto& [text, black] : {std::pair{"-1 ", true}, std::pair{" 1 ", false},
                                    std::pair{"", false}, std::pair{"x", false},
                                    std::pair{"-1.0", true}}) {
    ls40[39] = text;
    EXPECT_EQ(readSailFile(join(ls40)).sail.black, black) << text;
  }
}

TEST(SailFile, ShortFileEmptiesTheRestAndReportsEachLine) {
  const auto ls = lines(writeSailFile(defaultSail()));
  const SailRead r = readSailFile(join({ls.begin(), ls.begin() + 18}));
  EXPECT_EQ(r.failures(), 22);
  EXPECT_FALSE(r.failed[18]);
  EXPECT_TRUE(r.failed[19] && r.failed[40]);
  EXPECT_EQ(r.sail.moldName, "");
  EXPECT_FALSE(r.sail.black);
  EXPECT_EQ(r.sail.size[12], 50);
  // A number beyond a double's range cannot be read either.
  auto big = ls;
  big[5] = "1e999";
  const SailRead b = readSailFile(join(big));
  EXPECT_EQ(b.failures(), 1);
  EXPECT_TRUE(b.failed[6]);
  EXPECT_EQ(b.sail.size[0], 0);
}

TEST(MoldFile, WorkedLinesAndAShortFile) {
  MoldFile m;
  m.twist = 7;
  for (int s = 0; s < 6; ++s) {
    m.ent[s] = 28;
    m.dep[s] = 8 + s;
    m.pos[s] = 42;
    m.ex[s] = 16;
  }
  m.dep[3] = boxNumber("12.0");
  m.ex[0] = boxNumber("-5");
  m.pos[5] = 47.5;
  const std::string bytes = writeMoldFile(m);
  const auto ls = lines(bytes);
  ASSERT_EQ(ls.size(), 25u);
  EXPECT_EQ(ls[0], " 7 ");
  EXPECT_EQ(ls[2 + 4 * 3], " 12 ");
  EXPECT_EQ(ls[4], "-5 ");
  EXPECT_EQ(ls[23], " 47.5 ");
  const MoldRead r = readMoldFile(bytes);
  EXPECT_EQ(r.failures(), 0);
  EXPECT_EQ(plainNumber(r.mold.dep[3]), "12");
  EXPECT_EQ(plainNumber(r.mold.ex[0]), "-5");
  EXPECT_EQ(writeMoldFile(r.mold), bytes);

  // 21 lines: twist and stations 0..4; station 5 reads 0 and each line is reported.
  const MoldRead s = readMoldFile(join({ls.begin(), ls.begin() + 21}));
  EXPECT_EQ(s.failures(), 4);
  EXPECT_EQ(s.mold.ent[4], 28);
  EXPECT_EQ(s.mold.ent[5], 0);
  EXPECT_EQ(s.mold.ex[5], 0);
  EXPECT_TRUE(s.failed[22] && s.failed[25] && !s.failed[21]);
}

// ---- Panel file ---------------------------------------------------------------------------

PanelFile defaultPanel() {
  PanelFile p;
  const double fixed[43] = {0,   1.5, 1.5, 1.5, 1.5, 1.5, 10, 5,  5,  5,  5, 5, 4, 3, .5,
                            0,   0,   0,   4.25, 3,  1,  3,  60, 1,  10, 10, 5, 5, 18, 15,
                            5,   5,   15,  12,  5,   5,  0,  -1, 0,  3,  -1, -1, 0};
  for (int n = 0; n <= kPanelFixedLines; ++n) p.line[n] = fixed[n];
  return p;
}

TEST(PanelFile, FreshStartWrites116LinesAndReadsThemBack) {
  const PanelLayout layout;  // no layout made yet
  const std::string bytes = writePanelFile(defaultPanel(), layout);
  const auto ls = lines(bytes);
  ASSERT_EQ(ls.size(), 116u);
  EXPECT_EQ(ls[5], " 10 ");
  EXPECT_EQ(ls[13], " .5 ");
  EXPECT_EQ(ls[17], " 4.25 ");
  EXPECT_EQ(ls[36], "-1 ");
  EXPECT_EQ(ls[41], " 0 ");
  EXPECT_EQ(bytes.substr(bytes.size() - 7), "\r\n 0 \r\n");
  const int held[PanelLayout::kSections] = {};
  const PanelRead r = readPanelFile(bytes, held);
  EXPECT_EQ(r.failures(), 0);
  EXPECT_EQ(panelFileLines(r.walk), 116);
  EXPECT_EQ(r.fixed.line[42], 0.006);  // hollow 0 loads as 0.006
}

// The 7-panel crosscut design: counts 5,5,5,5,5,4,3 in lines 7..13.
PanelLayout sevenPanelLayout() {
  PanelLayout l;
  l.PanelCount = 7;
  for (int i = 0; i <= 7; ++i) {
    l.SeamLeechEnd[i] = i == 0 ? 100 : 100 - std::nearbyint(100.0 * i / 7);
    l.SeamLuffEnd[i] = i == 0 ? 1 : std::nearbyint(100.0 * i / 7);
  }
  l.SeamLuffEnd[1] = 8.5;  // a halved luff end keeps its fraction
  l.DividerTopIndex = 50;
  l.DividerFootIndex = 45;
  const int counts[7] = {5, 5, 5, 5, 5, 4, 3};
  for (int k = 0; k < 7; ++k) {
    l.RadialCount[k] = counts[k];
    for (int j = 1; j < counts[k]; ++j) {
      l.RadialUpperEnd[k][j] = 20 * j + k;
      l.RadialLowerEnd[k][j] = k == 1 ? 101 - j : j;
    }
  }
  return l;
}

TEST(PanelFile, SevenPanelCrosscutIs110LinesAndComesBackWhole) {
  PanelFile p = defaultPanel();
  p.line[6] = 7;
  p.line[42] = 0.02;
  const PanelLayout l = sevenPanelLayout();
  const std::string bytes = writePanelFile(p, l);
  const auto ls = lines(bytes);
  ASSERT_EQ(ls.size(), 110u);
  EXPECT_EQ(ls[41], " .02 ");
  EXPECT_EQ(ls[42], " 100 ");  // seam 0's leech end, then its luff end
  EXPECT_EQ(ls[43], " 1 ");
  EXPECT_EQ(ls[45], " 8.5 ");
  EXPECT_EQ(ls[58], " 50 ");
  EXPECT_EQ(ls[59], " 45 ");

  const PanelRead r = readPanelFile(bytes, l.RadialCount);
  EXPECT_EQ(r.failures(), 0);
  EXPECT_EQ(r.fixed.line[42], 0.02);
  PanelLayout back;
  int failures = 0;
  storeEnds(r, back, [&] { ++failures; });
  EXPECT_EQ(failures, 0);
  for (int i = 0; i <= 7; ++i) {
    EXPECT_EQ(back.SeamLeechEnd[i], l.SeamLeechEnd[i]) << i;
    EXPECT_EQ(back.SeamLuffEnd[i], l.SeamLuffEnd[i]) << i;
  }
  EXPECT_EQ(back.DividerTopIndex, 50);
  EXPECT_EQ(back.DividerFootIndex, 45);
  for (int k = 0; k < 7; ++k)
    for (int j = 1; j < l.RadialCount[k]; ++j) {
      EXPECT_EQ(back.RadialUpperEnd[k][j], l.RadialUpperEnd[k][j]);
      EXPECT_EQ(back.RadialLowerEnd[k][j], l.RadialLowerEnd[k][j]);
    }
}

TEST(PanelFile, LegacySixtyLineCrosscutLoadsWithFiftyErrors) {
  // Saved before any radial layout: its writer walked without radial counts.
  PanelFile p = defaultPanel();
  p.line[6] = 7;
  const PanelLayout l = sevenPanelLayout();
  const auto full = lines(writePanelFile(p, l));
  const std::string legacy = join({full.begin(), full.begin() + 60});
  const PanelRead r = readPanelFile(legacy, l.RadialCount);
  EXPECT_EQ(panelFileLines(r.walk), 110);
  EXPECT_EQ(r.failures(), 50);
  PanelLayout back = sevenPanelLayout();
  int failures = 0;
  storeEnds(r, back, [&] { ++failures; });
  EXPECT_EQ(failures, 50);
  EXPECT_EQ(back.SeamLuffEnd[1], 8.5);  // seam and divider ends load correctly
  EXPECT_EQ(back.DividerFootIndex, 45);
  for (int k = 0; k < 7; ++k)
    for (int j = 1; j < l.RadialCount[k]; ++j) {
      EXPECT_EQ(back.RadialUpperEnd[k][j], 0);
      EXPECT_EQ(back.RadialLowerEnd[k][j], 0);
    }
}

TEST(PanelFile, WalkFollowsTheCountRule) {
  const int held[PanelLayout::kSections] = {0, 0, 0, 0, 0, 0, 0, 2, 3, 0, 0};
  struct Case {
    double panels;
    double counts[7];
    int lines;
  };
  // Sections 7 and 8 hold counts 2 and 3 from before the load.
  const Case cases[] = {
      {4, {3, 3, 5, 5, 5, 4, 3}, 86},                    // radial: fans of 3, bands 2..4 of 5
      {7, {5, 5, 5, 5, 5, 4, 3}, 42 + 16 + 2 + 50 + 2},  // section 7 visited: one more seam
      {7.5, {5, 5, 5, 5, 5, 4, 3}, 42 + 18 + 2 + 50 + 2 + 4},  // 7.5 is 8 panels
      {-4, {-4, 3, 5, 5, 5, 4, 3}, 42 + 10 + 2 + 34},  // negative counts count as positive
      {0, {5, 5, 0, 0, 0, 0, 0}, 42 + 2 + 2 + 16},     // no bands, the fans still
      {50, {40, 1, 1, 1, 1, 1, 1}, 42 + 68 + 2 + 64 + 2 + 4},  // at most 33; sections 0..10
      {1e300, {0, 0, 0, 0, 0, 0, 0}, 42 + 68 + 2 + 2 + 4},
  };
  for (const Case& c : cases) {
    PanelFile p;
    p.line[6] = c.panels;
    for (int k = 0; k < 7; ++k) p.line[7 + k] = c.counts[k];
    const PanelWalk w = panelWalk(p, held);
    EXPECT_EQ(panelFileLines(w), c.lines) << c.panels;
  }
}

TEST(PanelFile, FixedLinesAsTheirControlsTakeThem) {
  auto ls = lines(writePanelFile(defaultPanel(), PanelLayout()));
  ls[14] = " .5 ";   // Radials: a half rounds to the even 0
  ls[15] = " 1.5 ";  // Stagger: 2
  ls[26] = " 12 ";   // a bar line out of range: left to the bar to refuse
  ls[30] = " 40000 ";  // beyond a whole number: left as it is and reported
  ls[35] = " 7 ";    // any non-zero selects
  ls[6] = "-4 ";
  const int held[PanelLayout::kSections] = {};
  const PanelRead r = readPanelFile(join(ls), held);
  EXPECT_EQ(r.fixed.line[15], 0);
  EXPECT_EQ(r.fixed.line[16], 2);
  EXPECT_EQ(r.fixed.line[27], 12);
  EXPECT_FALSE(r.failed[27]);
  EXPECT_EQ(r.fixed.line[31], 40000);
  EXPECT_TRUE(r.failed[31]);
  EXPECT_EQ(r.fixed.line[36], -1);
  EXPECT_EQ(r.walk.radial[0], 4);
  for (const auto& [hollow, loads] : {std::pair{" .02 ", 0.02}, std::pair{" 0 ", 0.006},
                                      std::pair{" .08 ", 0.006}, std::pair{"-.01 ", -0.01},
                                      std::pair{" .05 ", 0.05}}) {
    ls[41] = hollow;
    EXPECT_EQ(readPanelFile(join(ls), held).fixed.line[42], loads) << hollow;
  }
}

TEST(PanelFile, EndsStayAsReadAndWholeNumbersAreChecked) {
  PanelFile p = defaultPanel();
  p.line[6] = 2;
  const int held[PanelLayout::kSections] = {};
  auto ls = lines(writePanelFile(p, PanelLayout()));
  ASSERT_EQ(ls.size(), 42u + 6 + 2 + 24u);
  ls[42 + 2] = " 150.25 ";  // a seam end outside 1..100 stays as read
  ls[48] = " 40000 ";       // divider top: beyond a whole number, kept as it was
  ls[49] = " 12.5 ";        // divider foot: half to even
  ls[50] = "abc";           // radial end: no number reads 0
  PanelLayout l;
  l.DividerTopIndex = 33;
  l.RadialUpperEnd[0][1] = 9;
  int failures = 0;
  storeEnds(readPanelFile(join(ls), held), l, [&] { ++failures; });
  EXPECT_EQ(failures, 1);
  EXPECT_EQ(l.SeamLeechEnd[1], 150.25);
  EXPECT_EQ(l.DividerTopIndex, 33);
  EXPECT_EQ(l.DividerFootIndex, 12);
  EXPECT_EQ(l.RadialUpperEnd[0][1], 0);
}

// ---- Names, header -------------------------------------------------------------------------

TEST(Names, TheNameRuleStepByStep) {
  struct Case {
    const char* text;
    const char* ext;
    const char* name;
  };
  const Case cases[] = {
      {"Main.old.sal", ".sal", "Main.sal"},   {"verylongname", ".sal", "verylong.sal"},
      {"LASTSAIL.SAL", ".sal", "LASTSAIL.sal"}, {"", ".mld", ".mld"},
      {"Genoa 2.sal", ".sal", "Genoa 2.sal"}, {"radial", ".pnl", "radial.pnl"},
      {"/x", ".sal", "x.sal"},                {"a\\b/c.d", ".sal", "c.sal"},
      {"..", ".sal", ".sal"},                 {"/", ".sal", ".sal"},
      {"*", ".sal", "*.sal"},                 {"Gr\xC3\xBCnsegelname", ".sal", "Gr\xC3\xBCnsege.sal"},
  };
  for (const Case& c : cases) EXPECT_EQ(designNameSteps(c.text, c.ext)[3], c.name) << c.text;
  const auto steps = designNameSteps("dir/Main.old.sal", ".sal");
  EXPECT_EQ(steps[0], "Main.old.sal");
  EXPECT_EQ(steps[1], "Main");
  EXPECT_EQ(steps[2], "Main");
  for (const char* plain : {"a.sal", ".sal", "*.sal"}) EXPECT_TRUE(isPlainName(plain)) << plain;
  for (const char* not_plain : {"", ".", "..", "a/b.sal", "a\\b.sal", "/"})
    EXPECT_FALSE(isPlainName(not_plain)) << not_plain;
}

TEST(Names, ReportHeaderBytes) {
  const Clock c{2024, 5, 7, 9, 3, 41};
  EXPECT_EQ(dateText(c), "05-07-2024");
  EXPECT_EQ(reportHeader(c, "genoa.sal", "", "lastsail.pnl"),
            "05-07-2024    09:03:41\r\n"
            "Loaded Sail:  genoa.sal\r\n"
            "Loaded Mold:  \r\n"
            "Loaded Pnls:  lastsail.pnl\r\n"
            "\r\n");
}

// ---- Plot scale ------------------------------------------------------------------------------

TEST(PlotScale, TheChainOfSources) {
  const std::string varden = "-400\r\n400\r\n", vd32 = "-300,250", vdxp = "1000,1016,7\r\n1,2";
  const std::string zeros = "0\r\n0\r\n", blanks = "1000 1016\r\n", huge = "1e999,7";
  struct Case {
    const std::string *vdxp, *vd32, *varden;
    const char *x, *y;
    double sx, sy;
  };
  const Case cases[] = {
      {nullptr, nullptr, &varden, "", "", 400, 400},
      {nullptr, &vd32, &varden, "", "", -300, 250},  // vd32.dat alone, negatives kept
      {&vdxp, &vd32, &varden, "", "", 1000, 1016},
      {nullptr, nullptr, nullptr, "1200", "", 1200, 500},
      {nullptr, &vd32, nullptr, "-800", "", 800, 250},
      {nullptr, nullptr, &zeros, "", "", 500, 500},
      {nullptr, &blanks, nullptr, "", "", 1000, 500},  // one field, then the file ends
      {nullptr, &huge, nullptr, "", "", 500, 7},       // an overflowing field leaves x
      {nullptr, nullptr, nullptr, "12abc", " 250 ", 500, 250},  // a setting counts only whole
      {nullptr, nullptr, nullptr, "1e999", "0", 500, 500},
  };
  for (const Case& c : cases) {
    const PlotScale s = plotScaleChain(c.vdxp, c.vd32, c.varden, c.x, c.y);
    EXPECT_EQ(s.x, c.sx) << c.x;
    EXPECT_EQ(s.y, c.sy) << c.y;
  }
}

}  // namespace
}  // namespace kes
