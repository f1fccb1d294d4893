#pragma once
// The designed default sail and helpers that look at every value of a model.

#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/sail_model.h"

namespace kes::testing {

// The start texts of the size boxes and the mold stations, as parsed.
inline SailInputs defaultInputs() {
  SailInputs in;
  const double text[15] = {0, 100, 10, 110, 50, 130, 3, 60, 3, 40, 4, 50, 12, 55, 7};
  for (int i = 0; i < 15; ++i) in.text[i] = text[i];
  const double ent[6] = {28, 28, 28, 28, 28, 28};
  const double dep[6] = {8, 9, 10, 10, 9, 8};
  const double pos[6] = {42, 42, 42, 42, 44, 47};
  const double ex[6] = {16, 18, 19, 16, 15, 14};
  for (int i = 0; i < 6; ++i) {
    in.ent[i] = ent[i];
    in.dep[i] = dep[i];
    in.pos[i] = pos[i];
    in.ex[i] = ex[i];
  }
  in.currentSection = 1;
  in.unit = Unit::Inches;
  return in;
}

// A sail with every bend, round, roach and twist at 0 and a square head.
inline SailInputs straightInputs() {
  SailInputs in = defaultInputs();
  for (int i : {6, 8, 10, 12, 14}) in.text[i] = 0.0;
  in.text[5] = 90.0;
  return in;
}

inline void setBatten(SailInputs& in, int row, Num position, double length) {
  in.batten[row].position = position;
  in.batten[row].length = length;
}

// Calls f(name, value) for every number the model holds.
inline void forEachValue(const SailModel& m,
                         const std::function<void(const std::string&, double)>& f) {
  const auto curve = [&](const std::string& name, const Curve& c) {
    for (int k = 0; k <= 3; ++k)
      for (int i = 0; i <= Curve::kPoints; ++i)
        f(name + "(" + std::to_string(k) + "," + std::to_string(i) + ")", c(k, i));
  };
  const std::pair<const char*, double> scalars[] = {
      {"LuffLength", m.LuffLength}, {"HeadWidth", m.HeadWidth},
      {"HeadLuffAngle", m.HeadLuffAngle}, {"LeechDiagonal", m.LeechDiagonal},
      {"FootLength", m.FootLength}, {"AftBend", m.AftBend}, {"AftBendPos", m.AftBendPos},
      {"SideBend", m.SideBend}, {"SideBendPos", m.SideBendPos}, {"FootRound", m.FootRound},
      {"FootRoundPos", m.FootRoundPos}, {"Roach", m.Roach}, {"RoachPos", m.RoachPos},
      {"Twist", m.Twist}, {"ClewX", m.ClewX}, {"ClewY", m.ClewY},
      {"LeechChord", m.LeechChord}, {"LeechAngle", m.LeechAngle}, {"FootAngle", m.FootAngle},
      {"HandleSize", m.HandleSize}, {"ViewAngleX", m.ViewAngleX},
      {"ViewAngleY", m.ViewAngleY}, {"ViewAngleZ", m.ViewAngleZ},
      {"view.left", m.fullView.left}, {"view.top", m.fullView.top},
      {"view.right", m.fullView.right}, {"view.bottom", m.fullView.bottom},
      {"area", m.area}};
  for (const auto& [name, v] : scalars) f(name, v);
  curve("LuffCurve", m.LuffCurve);
  curve("HeadCurve", m.HeadCurve);
  curve("LeechCurve", m.LeechCurve);
  curve("FootCurve", m.FootCurve);
  curve("LuffView", m.LuffView);
  curve("HeadView", m.HeadView);
  curve("LeechView", m.LeechView);
  curve("FootView", m.FootView);
  for (int s = 0; s <= 6; ++s) {
    curve("MoldSections[" + std::to_string(s) + "]", m.MoldSections[s]);
    f("EntryAngles", m.EntryAngles[s]);
    f("DepthPercents", m.DepthPercents[s]);
    f("DepthPositions", m.DepthPositions[s]);
    f("ExitAngles", m.ExitAngles[s]);
  }
  const Spline& sp = m.spline;
  for (int i = 0; i <= 10; ++i) {
    f("SplineX", sp.X[i]);
    f("SplineY", sp.Y[i]);
    f("SplineMoments", sp.moments[i]);
    f("SplineCoef3", sp.coef3[i]);
    f("SplineCoef2", sp.coef2[i]);
    f("SplineCoef1", sp.coef1[i]);
    f("SplineCoef0", sp.coef0[i]);
    for (int j = 0; j <= 4; ++j) f("SplineMatrix", sp.matrix[i][j]);
  }
  for (int i = 0; i <= 101; ++i) {
    f("SplineOutX", sp.outX[i]);
    f("SplineOutY", sp.outY[i]);
  }
}

// The first value that is not finite, or empty text.
inline std::string firstNonFinite(const SailModel& m) {
  std::string bad;
  forEachValue(m, [&](const std::string& name, double v) {
    if (bad.empty() && !std::isfinite(v)) bad = name + " = " + std::to_string(v);
  });
  return bad;
}

// The first value in which two models differ, or empty text.
inline std::string firstDifference(const SailModel& a, const SailModel& b) {
  std::vector<std::pair<std::string, double>> va;
  forEachValue(a, [&](const std::string& name, double v) { va.emplace_back(name, v); });
  std::size_t i = 0;
  std::string diff;
  forEachValue(b, [&](const std::string& name, double v) {
    const double u = va[i++].second;
    if (diff.empty() && !(u == v)) diff = name + ": " + std::to_string(u) + " vs " + std::to_string(v);
  });
  return diff;
}

}  // namespace kes::testing
