#include "design/panel_file.h"

#include "common/numbers.h"

namespace kes {

int lineCount(double lineValue) { return layoutCount(plainNumber(lineValue)); }

PanelWalk panelWalk(const PanelFile& fixed, const int (&heldCounts)[PanelLayout::kSections]) {
  PanelWalk w;
  w.seams = lineCount(fixed.line[6]);
  const int lastSection = w.seams < PanelLayout::kSections - 1 ? w.seams : PanelLayout::kSections - 1;
  for (int k = 0; k < PanelLayout::kSections; ++k) {
    if (k >= 2 && k > lastSection) break;
    if (k <= 6) {
      w.radial[k] = lineCount(fixed.line[7 + k]);
    } else {
      const int held = heldCounts[k];
      w.radial[k] = held < 0 ? 0 : held > PanelLayout::kMaxPanels ? PanelLayout::kMaxPanels : held;
    }
  }
  return w;
}

void walkEnds(const PanelWalk& w, const std::function<void(const EndSlot&)>& f) {
  for (int i = 0; i <= w.seams; ++i) {
    f({PanelEnd::SeamLeech, 0, i});
    f({PanelEnd::SeamLuff, 0, i});
  }
  f({PanelEnd::DividerTop, 0, 0});
  f({PanelEnd::DividerFoot, 0, 0});
  for (int k = 0; k < PanelLayout::kSections; ++k) {
    for (int j = 1; j < w.radial[k]; ++j) {
      f({PanelEnd::RadialUpper, k, j});
      f({PanelEnd::RadialLower, k, j});
    }
  }
}

int panelFileLines(const PanelWalk& w) {
  int n = kPanelFixedLines;
  walkEnds(w, [&n](const EndSlot&) { ++n; });
  return n;
}

namespace {

double endValue(const PanelLayout& l, const EndSlot& s) {
  switch (s.kind) {
    case PanelEnd::SeamLeech: return l.SeamLeechEnd[s.index];
    case PanelEnd::SeamLuff: return l.SeamLuffEnd[s.index];
    case PanelEnd::DividerTop: return l.DividerTopIndex;
    case PanelEnd::DividerFoot: return l.DividerFootIndex;
    case PanelEnd::RadialUpper: return l.RadialUpperEnd[s.section][s.index];
    case PanelEnd::RadialLower: return l.RadialLowerEnd[s.section][s.index];
  }
  return 0;
}

// The whole-number element of a slot, or nullptr for a seam end (a double).
int* wholeEnd(PanelLayout& l, const EndSlot& s) {
  switch (s.kind) {
    case PanelEnd::DividerTop: return &l.DividerTopIndex;
    case PanelEnd::DividerFoot: return &l.DividerFootIndex;
    case PanelEnd::RadialUpper: return &l.RadialUpperEnd[s.section][s.index];
    case PanelEnd::RadialLower: return &l.RadialLowerEnd[s.section][s.index];
    default: return nullptr;
  }
}

}  // namespace

std::string writePanelFile(const PanelFile& fixed, const PanelLayout& layout) {
  LineWriter w;
  for (int n = 1; n <= kPanelFixedLines; ++n) w.number(fixed.line[n]);
  walkEnds(panelWalk(fixed, layout.RadialCount),
           [&](const EndSlot& s) { w.number(endValue(layout, s)); });
  return w.bytes();
}

int PanelRead::failures() const {
  int n = 0;
  for (const bool f : failed) n += f ? 1 : 0;
  for (const Field<double>& e : ends) n += e.ok ? 0 : 1;
  return n;
}

PanelRead readPanelFile(std::string_view bytes, const int (&heldCounts)[PanelLayout::kSections]) {
  PanelRead r;
  FieldReader in(bytes);
  for (int n = 1; n <= kPanelFixedLines; ++n) {
    Field<double> f = in.number();
    double& v = r.fixed.line[n];
    switch (kPanelLineKinds[n]) {
      case PanelLine::Number:
        v = f.value;
        break;
      case PanelLine::Check:
      case PanelLine::Bar: {
        const Num whole = toInt16(f.value);
        // Beyond a whole number the value stays unrounded, which its control refuses.
        if (!whole.ok) f.ok = false;
        v = whole.ok ? whole.v : f.value;
        break;
      }
      case PanelLine::Option:
      case PanelLine::Menu:
        v = f.value != 0.0 ? -1.0 : 0.0;
        break;
      case PanelLine::Hollow:
        v = (f.value == 0.0 || f.value > 0.05) ? 0.006 : f.value;
        break;
    }
    r.failed[n] = !f.ok;
  }
  r.walk = panelWalk(r.fixed, heldCounts);
  walkEnds(r.walk, [&](const EndSlot&) { r.ends.push_back(in.number()); });
  return r;
}

void storeEnds(const PanelRead& read, PanelLayout& layout, const std::function<void()>& onFailure) {
  std::size_t n = 0;
  walkEnds(read.walk, [&](const EndSlot& s) {
    const Field<double> f = n < read.ends.size() ? read.ends[n] : Field<double>{0.0, false};
    ++n;
    bool ok = f.ok;
    if (int* whole = wholeEnd(layout, s)) {
      const Num v = toInt16(f.value);
      if (v.ok) *whole = static_cast<int>(v.v);
      ok = ok && v.ok;
    } else {
      double& end = s.kind == PanelEnd::SeamLeech ? layout.SeamLeechEnd[s.index]
                                                  : layout.SeamLuffEnd[s.index];
      end = f.value;
    }
    if (!ok && onFailure) onFailure();
  });
}

}  // namespace kes
