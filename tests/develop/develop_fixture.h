#pragma once
// A crosscut layout made by hand on the default sail, so the develop can be
// checked without the layout: line 0 the foot section, line N the head,
// seams between them running straight from the luff to the leech with a
// little camber sideways.

#include <cmath>
#include <string>

#include "common/panel_layout.h"
#include "default_sail.h"
#include "develop/crosscut_run.h"
#include "develop/plot_file.h"
#include "layout/crosscut.h"
#include "random_sail.h"

namespace kes::testing {

inline void handLayout(const SailModel& m, PanelLayout& L, int n) {
  L.PanelCount = n;
  L.SeamLines[0] = m.MoldSections[0];
  L.SeamLines[n] = m.HeadCurve;
  L.SeamLeechEnd[0] = 100;
  L.SeamLeechEnd[n] = 1;
  for (int j = 1; j < n; ++j) {
    const int e = j * 100 / n, s = 100 - j * 100 / n;
    L.SeamLuffEnd[j] = e;
    L.SeamLeechEnd[j] = s;
    for (int k = 1; k <= 100; ++k) {
      const double f = (k - 1) / 99.0;
      for (int c = 1; c <= 3; ++c)
        L.SeamLines[j](c, k) = m.LuffCurve(c, e) + f * (m.LeechCurve(c, s) - m.LuffCurve(c, e));
      L.SeamLines[j](3, k) += 4 * std::sin(3.14159265358979 * f);
    }
  }
}

// A point line of two whole numbers within 32 bits, never "-0".
inline bool SoundPointLine(std::string_view line) {
  const PointLineParts p = SplitPointLine(line);
  for (std::string_view n : {p.x, p.y})
    if (n.empty() || n == "-0" || n.size() > 11 || n.find_first_not_of("-0123456789") != n.npos) return false;
  return p.tail == " acut";
}

// The default sail with Std 4 battens and two reef rows, in inches.
inline CrosscutSettings defaultSettings(int n, bool feet = true, const char* luffTabling = "1.5") {
  CrosscutSettings s;
  s.PanelCount = n;
  s.seamWidth = s.leechTabling = s.footTabling = s.headTabling = "1.5";
  s.luffTabling = luffTabling;
  const std::string_view pos[5] = {"20", "40", "60", "80", ""}, len[5] = {"20", "30", "30", "16", ""},
                         ang[5] = {"0", "0", "0", "0", ""}, reefN[2] = {"4", "5"},
                         reefP[2] = {"15", "30"};
  s.marks = ReadMarkSetUp(pos, len, ang, reefN, reefP);
  for (int b = 0; b < 5; ++b) s.batLngth[b] = std::string(len[b]);
  s.shelfFoot = s.twistFoot = feet;
  s.units = SetPlotUnits(500, 500, false, false);
  return s;
}

// The settings of a random sail of n panels: its allowances, foot panels
// and unit, and its own battens and reef rows when it has them.
inline CrosscutSettings settingsFor(const RandomSail& s, int n) {
  CrosscutSettings c = defaultSettings(n);
  c.seamWidth = s.seam;
  c.luffTabling = s.luff;
  c.leechTabling = s.leech;
  c.footTabling = s.foot;
  c.headTabling = s.head;
  c.shelfFoot = s.shelfFoot;
  c.twistFoot = s.twistFoot;
  c.units = SetPlotUnits(500, 500, s.millimeters, s.feet);
  if (s.ownMarks) {
    std::string_view pos[5], len[5], ang[5], reefN[2], reefP[2];
    for (int b = 0; b < 5; ++b) pos[b] = s.batPos[b], len[b] = s.batLngth[b], ang[b] = s.batAngl[b];
    for (int r = 0; r < 2; ++r) reefN[r] = s.numReef[r], reefP[r] = s.reefPos[r];
    c.marks = ReadMarkSetUp(pos, len, ang, reefN, reefP);
    for (int b = 0; b < 5; ++b) c.batLngth[b] = s.batLngth[b];
  }
  return c;
}

// p turned by a about the origin, as the finishing turn does.
inline Point2 turned(Point2 p, double a) {
  return {p.x * std::cos(a) - p.y * std::sin(a), p.x * std::sin(a) + p.y * std::cos(a)};
}

// The layout's n panels on its default square seam ends (one static layout).
inline PanelLayout& defaultLayout(SailModel& m, int n) {
  static PanelLayout L;
  L = PanelLayout{};
  L.PanelCount = n;
  defaultSeamEnds(m, L, n, true);
  buildSeamLines(m, L);
  return L;
}

// Develops the layout L as "Develop" runs it, lettered with `font` if one
// is given, handing each finished file to `each` before it counts; a false
// from `each` ends the run there, that file not counted. Returns the
// widest-panel caption.
template <class Each>
std::string developLayout(SailModel& m, PanelLayout& L, const CrosscutSettings& s, Each each,
                          const StrokeFont* font = nullptr) {
  CrosscutRun run;
  run.start(s, font);
  while (run.next() != CrosscutStep::Done) {
    if (run.next() == CrosscutStep::TwistFoot) buildSeamLines(m, L);
    run.develop(m, L, nullptr);
    run.finish(nullptr);
    if (!each(run)) break;
    run.accept();
  }
  return run.widestCaption();
}

// Every file of the sail at n panels on defaultLayout, developed and
// finished; `each` sees the run before its accept. Returns the
// widest-panel caption.
template <class Each>
std::string developFiles(SailModel& m, const CrosscutSettings& s, int n, Each each) {
  return developLayout(m, defaultLayout(m, n), s, [&](const CrosscutRun& run) {
    each(run);
    return true;
  });
}

}  // namespace kes::testing
