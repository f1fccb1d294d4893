#pragma once
// Random sails for the develops' property tests: any sail a sailmaker would
// draw, in any unit, with its allowances, battens, reef rows and foot
// panels, all from one random stream.

#include <cmath>
#include <random>
#include <string>

#include "default_sail.h"
#include "model/sail_model.h"

namespace kes::testing {

struct RandomSail {
  SailInputs in;
  bool millimeters = false, feet = false;
  double k = 1;  // inches to the sail's unit
  std::string seam = "1.5", luff = "1.5", leech = "1.5", foot = "1.5", head = "1.5";
  // The batten and reef boxes; empty: the default sail's.
  bool ownMarks = false;
  std::string batPos[5], batLngth[5], batAngl[5], numReef[2], reefPos[2];
  bool shelfFoot = true, twistFoot = true;
};

// A main of the given size in inches, turned into the chosen unit.
inline RandomSail mainSail(double luff, double head, double leech, double foot, double round, double roach, int unit) {
  RandomSail s;
  s.in = defaultInputs();
  const double k = s.k = unit == 1 ? 25.4 : unit == 2 ? 1 / 12.0 : 1;
  s.millimeters = unit == 1;
  s.feet = unit == 2;
  s.in.unit = unit == 1 ? Unit::Millimeters : unit == 2 ? Unit::Feet : Unit::Inches;
  const double lengths[][2] = {{1, luff}, {2, head}, {3, leech}, {4, foot}, {10, round}, {12, roach}};
  for (const auto& [i, v] : lengths) s.in.text[static_cast<int>(i)] = v * k;
  for (int i : {6, 8}) s.in.text[i] *= k;
  for (std::string* a : {&s.seam, &s.luff, &s.leech, &s.foot, &s.head})
    *a = std::to_string(std::stod(*a) * k);
  return s;
}

// The sails the develop tests name: the default 100 in main, the same
// twisted, a 5.8 m main in millimetres, and a 44 ft main with an 18 ft gaff
// head in feet (its head angle 130 degrees), twisted as asked.
inline RandomSail defaultMain() { return mainSail(100, 10, 110, 50, 4, 12, 0); }
inline RandomSail twistedMain(double twist) {
  RandomSail s = defaultMain();
  s.in.text[14] = twist;
  return s;
}
inline RandomSail millimetreMain() { return mainSail(228.5, 9, 248.6, 97.2, 7.4, 16.1, 1); }
inline RandomSail gaffMain(double twist) {
  RandomSail s = mainSail(528, 220, std::hypot(528.0, 300.0), 300, 4, 12, 2);
  s.in.text[5] = 130, s.in.text[14] = twist;
  return s;
}

// The range each station of the mold is drawn from: entry and exit angles
// in degrees, depth and draft in per cent of the chord. The default is a
// sailmaker's everyday mold; the Mold frame's bars allow wider.
struct MoldRange {
  double entry[2] = {10, 40}, depth[2] = {4, 16}, draft[2] = {30, 55}, exit[2] = {5, 25};
};
// Everything the Mold frame's bars can set.
inline constexpr MoldRange kMoldBars{{0, 45}, {0, 35}, {20, 80}, {0, 45}};

// Any sail a sailmaker would draw: inches, millimetres or feet, a luff of
// 3 to 50 ft; a pointed, square-topped or gaff head raised up to 180
// degrees; roach, foot round, luff bends and twist up to 30 degrees; a mold
// from the given range; up to five battens and two reef rows; allowances
// of 0 to 3 in; with or without each foot panel. Every draw is made for
// every sail, whatever an earlier draw gave.
inline RandomSail randomSail(std::mt19937& rng, const MoldRange& mold = {}) {
  std::uniform_real_distribution<double> u(0, 1);
  const int unit = static_cast<int>(u(rng) * 3);
  const double k = unit == 1 ? 25.4 : unit == 2 ? 1 / 12.0 : 1;
  const double luff = 36 + 564 * u(rng);
  const double foot = luff * (0.25 + 0.45 * u(rng));
  const int headKind = static_cast<int>(u(rng) * 3);
  const double headDraw = u(rng), angleDraw = u(rng);
  double head = 0, angle = 0;
  switch (headKind) {
    case 0: head = 0.5 + luff * 0.03 * headDraw, angle = 90 + 90 * angleDraw; break;  // pointed
    case 1: head = luff * (0.06 + 0.12 * headDraw), angle = 90 + 20 * angleDraw; break;  // square top
    default: head = luff * (0.12 + 0.3 * headDraw), angle = 100 + 80 * angleDraw; break;  // gaff
  }
  const double leech = std::hypot(luff, foot) * (0.9 + 0.15 * u(rng));
  const double round = foot * 0.08 * u(rng);
  const double roach = luff * 0.1 * u(rng);
  RandomSail s = mainSail(luff, head, leech, foot, round, roach, unit);
  s.in.text[5] = angle;
  s.in.text[6] = (u(rng) - 0.3) * luff * 0.03 * k;  // aft bend
  s.in.text[7] = 20 + 60 * u(rng);
  s.in.text[8] = (u(rng) - 0.5) * luff * 0.03 * k;  // side bend
  s.in.text[9] = 20 + 60 * u(rng);
  s.in.text[11] = 20 + 60 * u(rng);
  s.in.text[13] = 20 + 60 * u(rng);
  s.in.text[14] = 30 * u(rng);  // twist
  for (int st = 0; st < 6; ++st) {
    const auto in = [&](const double (&r)[2]) { return r[0] + (r[1] - r[0]) * u(rng); };
    s.in.ent[st] = in(mold.entry);
    s.in.dep[st] = in(mold.depth);
    s.in.pos[st] = in(mold.draft);
    s.in.ex[st] = in(mold.exit);
  }
  s.in.battenHollow = 0.02 * u(rng);
  const auto number = [](double v) { return std::to_string(v); };
  s.ownMarks = true;
  const int battens = static_cast<int>(u(rng) * 6);
  for (int b = 0; b < 5; ++b) {
    const double pos = 10 + 80 * u(rng), len = luff * (0.05 + 0.3 * u(rng)), ang = 20 * u(rng) - 10;
    if (b >= battens) continue;
    s.batPos[b] = number(pos);
    s.batLngth[b] = number(len * k);
    s.batAngl[b] = number(ang);
  }
  for (int r = 0; r < 2; ++r) {
    const bool row = u(rng) < 0.5;
    const int points = 2 + static_cast<int>(u(rng) * 7);
    const double pos = 5 + 35 * u(rng);
    if (!row) continue;
    s.numReef[r] = std::to_string(points);
    s.reefPos[r] = number(pos);
  }
  for (int b = 0; b < 5; ++b) s.in.batten[b] = readBattenRow(s.batPos[b], s.batLngth[b]);
  for (std::string* a : {&s.seam, &s.luff, &s.leech, &s.foot, &s.head}) {
    const double w = u(rng) < 0.25 ? 0 : 0.5 + 2.5 * u(rng);
    *a = number(w * k);
  }
  s.shelfFoot = u(rng) < 0.5;
  s.twistFoot = u(rng) < 0.5;
  return s;
}

// The index-th sail (from 0) that randomSail draws from the given seed.
inline RandomSail drawnSail(unsigned seed, int index) {
  std::mt19937 rng(seed);
  RandomSail s;
  for (int i = 0; i <= index; ++i) s = randomSail(rng);
  return s;
}

}  // namespace kes::testing
