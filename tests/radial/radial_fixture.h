#pragma once
// A small radial layout on a plane "sail" of two bands, each 10 high and 99
// long (seam line j at height 10j), laid flat without the strip's bend, so
// that every record, corner and angle can be worked by hand.
//
// Band 1: tack fan 2 panels (seams at upper codes 1, 20, 150; lower ends
// 1, 1, 60), clew fan 2 panels (seams at 100, 80, 150; lower ends 100, 100,
// 60), divider from U(50) = (49, 10) to L(60) = (59, 0). Band 2: 2 panels,
// ends (1, 1), (40, 60), (100, 100). Leech straight up x = 99, its point k
// at height (100 - k)·0.2; the seam lines meet it at 100, 50 and 1.
// Allowances: seam 1, luff 2, leech 3, foot 4, head 5, radial seam 0.5.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "common/lines.h"
#include "default_sail.h"
#include "layout/crosscut.h"
#include "layout/radial.h"
#include "model/sail_fixture.h"
#include "platform/recording_surface.h"
#include "radial/radial_develop.h"
#include "sewing_outline.h"

namespace kes::test {

// Seam and tablings 1.5, radial seam 0.5.
inline const RadialBoxTexts kRadialBoxes{"1.5", "1.5", "1.5", "1.5", "1.5", ".5", {}, {}, {}, {}, {}};

// The develop's input for a laid-out sail, plotted at 500 steps an inch, no lettering.
inline RadialInput RadialInputFor(const PanelLayout& L, const SailModel& m, const RadialBoxTexts& boxes,
                                  bool millimeters = false, bool feet = false) {
  RadialInput in;
  in.layout = &L;
  in.model = &m;
  in.boxes = ReadRadialBoxes(boxes);
  in.units = SetPlotUnits(500, 500, millimeters, feet);
  return in;
}

class RadialPlane : public ::testing::Test {
 protected:
  void SetUp() override {
    layout = std::make_unique<PanelLayout>();
    model = std::make_unique<SailModel>();
    PanelLayout& L = *layout;
    L.PanelCount = 2;
    for (int j = 0; j <= 2; ++j)
      for (int k = 1; k <= 100; ++k) {
        L.SeamLines[j](1, k) = k - 1;
        L.SeamLines[j](2, k) = 10.0 * j;
      }
    for (int k = 1; k <= 100; ++k) {
      model->LeechCurve(1, k) = 99;
      model->LeechCurve(2, k) = (100 - k) * 0.2;
      model->FootCurve(1, k) = 100 - k;
    }
    model->ClewX = 99;
    model->FootLength = 99;
    const int leechEnds[3] = {100, 50, 1};
    for (int j = 0; j <= 2; ++j) L.SeamLeechEnd[j] = leechEnds[j];
    L.DividerTopIndex = 50;
    L.DividerFootIndex = 60;
    setSection(0, {1, 20, 150}, {1, 1, 60});
    setSection(1, {100, 80, 150}, {100, 100, 60});
    setSection(2, {1, 40, 100}, {1, 60, 100});
    texts = {"1", "2", "3", "4", "5", "0.5", {}, {}, {}, {}, {}};
    refresh();
  }

  void setSection(int s, std::vector<int> upper, std::vector<int> lower) {
    layout->RadialCount[s] = static_cast<int>(upper.size()) - 1;
    for (std::size_t j = 0; j < upper.size(); ++j) {
      layout->RadialUpperEnd[s][j] = upper[j];
      layout->RadialLowerEnd[s][j] = lower[j];
    }
  }

  // The boxes read again and the input rebuilt.
  void refresh() { in = RadialInputFor(*layout, *model, texts); }

  // Band r exactly flat: L(k) = (k - 1, 0), U(k) = (k - 1, 10); its foot
  // point `moved` (if any) moved aft by dx.
  RadialBand band(int r, int moved = 0, double dx = 0) const {
    RadialStrip s;
    for (int k = 1; k <= 100; ++k) {
      s.l[k] = {k - 1.0, 0};
      s.u[k] = {k - 1.0, 10};
    }
    if (moved > 0) s.l[moved].x += dx;
    return RadialBandFromStrip(*layout, r, s);
  }

  // The knife's lines, from its first point to "0 penup".
  static std::vector<std::string> knife(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (std::size_t i = 1; i < lines.size(); ++i)
      if (lines[i] == "0 pendown") {
        out.push_back(lines[i - 1]);
        for (std::size_t k = i + 1; k < lines.size() && lines[k] != "0 penup"; ++k)
          out.push_back(lines[k]);
      }
    return out;
  }

  std::unique_ptr<PanelLayout> layout;
  std::unique_ptr<SailModel> model;
  RadialBoxTexts texts;
  RadialInput in;
};

// A computed sail's `bands` bands with their default seam ends.
inline void LayOutBands(SailModel& m, PanelLayout& L, int bands) {
  L = PanelLayout{};
  L.PanelCount = bands;
  defaultSeamEnds(m, L, bands, false);
  buildSeamLines(m, L);
}

// The bands laid out radially: the divider dragged to stations top and foot
// (0: where the layout puts it), the given panel counts, "Stagger" as given.
inline void LayOutRadials(PanelLayout& L, int top, int foot, const int (&counts)[7], int stagger) {
  if (top > 0) L.DividerTopIndex = top;
  if (foot > 0) L.DividerFootIndex = foot;
  RadialInputs r;
  std::copy(std::begin(counts), std::end(counts), r.counts);
  r.stagger = stagger;
  RecordingSurface surface;
  layoutRadial(L, r, surface);
}

inline void LayOutRadialSail(SailModel& m, PanelLayout& L, int bands, int top, int foot, const int (&counts)[7],
                             int stagger) {
  LayOutBands(m, L, bands);
  LayOutRadials(L, top, foot, counts, stagger);
}

// A sail in feet from the numbers of its boxes, as the random sails of the
// cut property runs draw them: the size boxes and the six stations.
struct DrawnSail {
  double text[15], ent[6], dep[6], pos[6], ex[6];
};
inline SailInputs FeetSailInputs(const DrawnSail& d) {
  SailInputs s = testing::defaultInputs();
  s.unit = Unit::Feet;
  std::copy(std::begin(d.text), std::end(d.text), s.text);
  std::copy(std::begin(d.ent), std::end(d.ent), s.ent);
  std::copy(std::begin(d.dep), std::end(d.dep), s.dep);
  std::copy(std::begin(d.pos), std::end(d.pos), s.pos);
  std::copy(std::begin(d.ex), std::end(d.ex), s.ex);
  return s;
}

}  // namespace kes::test
