// Boxes, allowances, names and the helpers every radial writer uses.

#include <algorithm>
#include <cctype>
#include <cmath>

#include "radial/radial_writer.h"

namespace kes {

RadialBoxes ReadRadialBoxes(const RadialBoxTexts& t) {
  RadialBoxes b;
  b.seamWidth = parseLenient(t.Text16);
  b.luffTabling = parseLenient(t.Text17);
  b.leechTabling = parseLenient(t.Text18);
  b.footTabling = parseLenient(t.Text19);
  b.headTabling = parseLenient(t.Text20);
  b.radialSeamWidth = parseLenient(t.Text32);
  // Every batten and reef box as the number its text begins with.
  for (int i = 0; i < 5; ++i) {
    b.marks.batPos[i] = parseLenient(t.BatPos[i]);
    b.marks.batLngth[i] = parseLenient(t.BatLngth[i]);
    b.marks.batLngthNum[i] = b.marks.batLngth[i];
    b.marks.batAnglNum[i] = parseLenient(t.BatAngl[i]);
  }
  for (int i = 0; i < 2; ++i) {
    b.marks.reefPos[i] = parseLenient(t.ReefPos[i]);
    b.marks.numReef[i] = parseLenient(t.NumReef[i]);
  }
  return b;
}

Allowances FanAllowances(const RadialBoxes& b) {
  return {b.seamWidth,   b.luffTabling, b.leechTabling,
          b.footTabling, b.headTabling, b.radialSeamWidth};
}

Allowances BandAllowances(const RadialBoxes& b, int r, int n, int count, int bands) {
  Allowances w = FanAllowances(b);
  if (n > 1) w.LuffTabling = 0;
  if (n < count) w.LeechTabling = b.radialSeamWidth;
  w.FootTabling = 0;
  if (r < bands) w.HeadTabling = b.seamWidth;
  return w;
}

std::string RadialFileName(int ring, int n) {
  return "rad" + std::to_string(ring) + "_" + std::to_string(n) + ".UC";
}
std::string RadialLabel(int ring, int n) {
  return std::to_string(ring) + "rad" + std::to_string(n);
}

bool IsRadialPlotFileName(std::string_view name) {
  auto lower = [](char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  };
  auto digits = [&](std::size_t& at) {
    const std::size_t from = at;
    while (at < name.size() && std::isdigit(static_cast<unsigned char>(name[at]))) ++at;
    return at > from;
  };
  std::size_t at = 0;
  for (char c : std::string_view("rad"))
    if (at >= name.size() || lower(name[at++]) != c) return false;
  if (!digits(at) || at >= name.size() || name[at++] != '_' || !digits(at)) return false;
  return name.size() - at == 3 && name[at] == '.' && lower(name[at + 1]) == 'u' &&
         lower(name[at + 2]) == 'c';
}

namespace radial {

RadialPanelFile panelFile(int ring, int n, int r) {
  RadialPanelFile f;
  f.fileName = RadialFileName(ring, n);
  f.label = RadialLabel(ring, n);
  f.band = r;
  return f;
}

int sectionCount(const PanelLayout& layout, int section) {
  if (section < 0 || section >= PanelLayout::kSections) return 0;
  return std::clamp(layout.RadialCount[section], 0, PanelLayout::kRadialSeams - 1);
}

int lowerStation(int end) { return end == 0 ? 1 : end; }

Point2 dividerPoint(const RadialStrip& s, const PanelLayout& layout, int code) {
  if (code < 101 || code > 151) return kNoPoint;
  const Point2 top = s.U(layout.DividerTopIndex);
  const Point2 foot = s.L(layout.DividerFootIndex);
  const double t = (code - 101) / 49.0;
  return {top.x + t * (foot.x - top.x), top.y + t * (foot.y - top.y)};
}

Point2 fanUpperPoint(const RadialStrip& s, const PanelLayout& layout, int code) {
  return code <= 100 ? s.U(code) : dividerPoint(s, layout, code);
}

CutRecord EndRadialRecord(Point2 p, Point2 q, double width, int outside) {
  // Going down the seam, the left-hand normal points aft: along the slope's
  // direction (+x) when the foot lies aft of the top, against it otherwise.
  const double down = q.x > p.x ? 1 : -1;
  return SegmentRecord(p, q, outside * down * width, outside * width);
}

double largestOf(std::initializer_list<double> allowances) {
  double m = 0;
  for (const double a : allowances) m = std::max(m, std::fabs(a));
  return m;
}

namespace {
// The two points of a corner: one where the lines meet, or the feet of the
// sewing point nearest to that on both lines when it stands off too far.
int cornerPoints(const CutRecord& a, const CutRecord& b, const PanelPlot& p, double largest,
                 Point2 at[2]) {
  if (!Corner(a, b, at[0])) {
    at[0] = {b.x, b.y};  // parallel lines meet at b's own point
    return 1;
  }
  const Point2 c = at[0];
  double best = INFINITY;
  Point2 tip{};
  for (const Point2 q : p.outline) {
    const double d = std::hypot(q.x - c.x, q.y - c.y);
    if (d < best) {
      best = d;
      tip = q;
    }
  }
  if (!(best > kMitreLimit * largest + 1e-6)) return 1;
  at[0] = Foot(a, tip);
  at[1] = Foot(b, tip);
  return 2;
}
}  // namespace

void fanCorner(KnifePath& knife, const CutRecord& a, const CutRecord& b, const PanelPlot& p,
               double largestAllowance) {
  Point2 at[2];
  const int n = cornerPoints(a, b, p, largestAllowance, at);
  for (int i = 0; i < n; ++i) knife.corner(at[i]);
}

void fanStartCorner(const CutRecord& a, const CutRecord& b, const PanelPlot& p,
                    double largestAllowance, Point2& from, Point2& to) {
  Point2 at[2];
  const int n = cornerPoints(a, b, p, largestAllowance, at);
  to = at[0];
  from = at[n - 1];
}

double plotStep(const PlotUnits& u) {
  const double s = std::min(std::fabs(u.PlotScaleX), std::fabs(u.PlotScaleY));
  return s > 0 && std::isfinite(s) ? 1.0 / s : 0.0;
}

void endPanelFile(RadialPanelFile& f, PanelPlot& p, const KnifePath& knife, const PanelRecords& rec,
                  const PlotUnits& u, double largestAllowance) {
  knife.write(p.plot, plotStep(u));
  p.plot.line(kPlotEnd);
  f.records = rec.count();
  f.text = p.plot.text();
  f.fault = CheckCut(p.plot, p.sewing, largestAllowance);
  // Seams that meet or cross leave a sewing outline of no area (thinner
  // than a plotter step or two): there is no panel to cut.
  if (f.fault == CutFault::None && !p.outline.empty()) {
    double area = 0, length = 0;
    const std::size_t n = p.outline.size();
    for (std::size_t i = 0; i < n; ++i) {
      const Point2 a = p.outline[i], b = p.outline[(i + 1) % n];
      area += a.x * b.y - b.x * a.y;
      length += std::hypot(b.x - a.x, b.y - a.y);
    }
    if (!(std::fabs(area) / 2 > length * plotStep(u))) f.fault = CutFault::NoKnife;
  }
}

void endFanFile(RadialPanelFile& f, PanelPlot& p, const KnifePath& knife, const PanelRecords& rec,
                const PlotUnits& u, double largestAllowance, int endRadial) {
  endPanelFile(f, p, knife, rec, u, largestAllowance);
  if (endRadial) {
    const CutRecord& e = rec.at(endRadial);
    f.angle = e.vertical ? -Pi / 2 : -std::atan(e.slope);
  }
}

void letter(PanelPlot& p, const RadialInput& in, const std::string& text, float angle, double ox,
            double oy) {
  if (!in.font) return;
  LabelStyle style;
  style.LetterText = text;
  style.MarkSize = in.units.MarkSize;
  style.LetterAngle = angle;
  style.LetterOriginX = std::isfinite(ox) ? ox : in.units.LetterOriginX;
  style.LetterOriginY = std::isfinite(oy) ? oy : in.units.LetterOriginY;
  WritePlotLabel(p.plot, *in.font, style);
}

void panelMarks(PanelPlot& p, const RadialInput& in, const RadialBand& band,
                const PanelRecords& rec) {
  if (!in.model) return;
  const MarkSail sail{&in.model->LeechCurve, &in.model->FootCurve, in.model->ClewX, in.model->ClewY,
                      in.model->FootLength};
  int mode = kMarkBatten;  // every radial panel gets both kinds of marks
  PlaceMarks(p.plot, in.boxes.marks, sail, band.frames.luff, rec.cut, in.units.MarkSize, mode);
}

void battenEnds(PanelPlot& p, const RadialInput& in, const RadialBand& band, double endUpper,
                double endLower) {
  if (!in.model) return;
  BattenEndMarks(p.plot, in.boxes.marks, in.model->LeechCurve, endUpper, endLower,
                 band.frames.leech, in.units.MarkSize, /*penUpFirst=*/false);
}

std::vector<int> leechStations(double endUpper, double endLower, bool upwards) {
  std::vector<int> out;
  if (!upwards) {
    ForLeechPoints(endUpper, endLower, [&](int k) {
      if (k >= 1) out.push_back(k);
    });
    return out;
  }
  // Upwards the count starts one below the lower end and steps down, so a
  // fractional upper end only decides where it stops.
  double k = endLower - 1;
  const double last = endUpper + 1;
  if (!std::isfinite(k) || !std::isfinite(last)) return out;
  if (k > 101) k -= std::ceil(k - 101);
  for (; k >= last && k >= 0.5; k -= 1) {
    const Index i = toIndex(Num(k), 1, 100);
    if (i.ok) out.push_back(i.i);
  }
  return out;
}

}  // namespace radial
}  // namespace kes
