// Boxes, allowances, names and the helpers every radial writer uses.

#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>

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

SeamPlaces seamPlaces(const PanelLayout& L, int section, int j) {
  const int upper = L.RadialUpperEnd[section][j];
  const int lower = lowerStation(L.RadialLowerEnd[section][j]);
  if (section >= 2) return {upper, lower};
  const int top = L.DividerTopIndex;
  // Along seam line 1 from the fan's own end (the luff, or the leech) to
  // the divider's top: `run` stations; then 50 divider points from the same
  // place; stations past the top lie beyond the divider's foot.
  const int run = section == 0 ? top : 100 - top;
  const int along = section == 0 ? upper : 100 - upper;
  int place = 0;
  if (upper > 100)
    place = run + (upper - 101);
  else if (along <= run)
    place = along;
  else
    place = run + 50 + (along - run);
  return {place, section == 0 ? lower : 100 - lower};
}

CutFault seamOrderFault(const PanelLayout& L, int section, int n) {
  if (n < 1 || n > sectionCount(L, section)) return CutFault::None;
  const SeamPlaces a = seamPlaces(L, section, n - 1), b = seamPlaces(L, section, n);
  if (a.upper == b.upper && a.lower == b.lower) return CutFault::NoCloth;
  if (b.upper < a.upper || b.lower < a.lower) return CutFault::SeamsCross;
  return CutFault::None;
}

void refuseSeamsOutOfOrder(RadialPanelFile& f, const PanelLayout& L, int section, int n) {
  const CutFault order = seamOrderFault(L, section, n);
  if (order != CutFault::None) f.fault = order;
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
// The two points of a corner: one where the lines meet, or the feet of its
// own sewing corner (where the two edges meet on the outline) on both
// lines when it stands off that too far. Without a sewing corner given,
// the sewing point nearest to where the lines meet stands for it.
int cornerPoints(const CutRecord& a, const CutRecord& b, Point2 own, const PanelPlot& p,
                 double largest, Point2 at[2]) {
  if (!Corner(a, b, at[0])) {
    at[0] = {b.x, b.y};  // parallel lines meet at b's own point
    return 1;
  }
  const Point2 c = at[0];
  double best = INFINITY;
  Point2 tip{};
  if (finite(own)) {
    best = std::hypot(own.x - c.x, own.y - c.y);
    tip = own;
  } else {
    for (const Point2 q : p.outline) {
      const double d = std::hypot(q.x - c.x, q.y - c.y);
      if (d < best) {
        best = d;
        tip = q;
      }
    }
  }
  if (!(best > kMitreLimit * largest + 1e-6)) return 1;
  at[0] = Foot(a, tip);
  at[1] = Foot(b, tip);
  return 2;
}
}  // namespace

void fanCorner(KnifePath& knife, const CutRecord& a, const CutRecord& b, Point2 own,
               const PanelPlot& p, double largestAllowance) {
  Point2 at[2];
  const int n = cornerPoints(a, b, own, p, largestAllowance, at);
  for (int i = 0; i < n; ++i) knife.corner(at[i]);
}

void fanStartCorner(const CutRecord& a, const CutRecord& b, const PanelPlot& p,
                    double largestAllowance, Point2& from, Point2& to) {
  // The closing edge meets the first one at the outline's first point.
  const Point2 own = p.outline.empty() ? kNoPoint : p.outline.front();
  Point2 at[2];
  const int n = cornerPoints(a, b, own, p, largestAllowance, at);
  to = at[0];
  from = at[n - 1];
}

double plotStep(const PlotUnits& u) {
  const double s = std::min(std::fabs(u.PlotScaleX), std::fabs(u.PlotScaleY));
  return s > 0 && std::isfinite(s) ? 1.0 / s : 0.0;
}

bool OutlineKnife(const std::vector<Point2>& outline, const std::vector<double>& allowance,
                  double largestAllowance, double step, KnifePath& knife) {
  // The outline without repeated points; a[j] the allowance of the edge
  // from q[j-1] to q[j] (a[0]: the closing edge's).
  std::vector<Point2> q;
  std::vector<double> a;
  q.reserve(outline.size());
  a.reserve(outline.size());
  for (std::size_t i = 0; i < outline.size() && i < allowance.size(); ++i) {
    const Point2 pt = outline[i];
    if (!finite(pt) || !std::isfinite(allowance[i])) return false;
    if (!q.empty() && q.back().x == pt.x && q.back().y == pt.y) continue;
    q.push_back(pt);
    a.push_back(std::fabs(allowance[i]));
  }
  if (q.size() > 1 && q.front().x == q.back().x && q.front().y == q.back().y) {
    a.front() = a.back();
    q.pop_back();
    a.pop_back();
  }
  const std::size_t n = q.size();
  if (n < 3) return false;
  double area = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const Point2 b = q[i], c = q[(i + 1) % n];
    area += b.x * c.y - c.x * b.y;
  }
  if (!(std::fabs(area) > 0) || !std::isfinite(area)) return false;
  // Seams that cross in the flat leave no outline to cut round; a point
  // within a plotter step of the other edge's line (the leech's end
  // meeting a seam's) is no crossing.
  const auto side = [step](Point2 o, Point2 b, Point2 c) {
    const double v = (b.x - o.x) * (c.y - o.y) - (b.y - o.y) * (c.x - o.x);
    const double off = step * std::hypot(b.x - o.x, b.y - o.y);
    return v > off ? 1 : v < -off ? -1 : 0;
  };
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = i + 2; j < n; ++j) {
      if (i == 0 && j == n - 1) continue;  // neighbours round the end
      const Point2 b = q[i], c = q[(i + 1) % n], d = q[j], e = q[(j + 1) % n];
      if (side(b, c, d) * side(b, c, e) < 0 && side(d, e, b) * side(d, e, c) < 0) return false;
    }
  const double turn = area > 0 ? 1 : -1;  // the outside lies on the right of a counter-clockwise run

  // Segment j runs from q[j-1] to q[j]: its direction and its moved ends.
  struct Moved {
    Point2 from, to, dir;
  };
  const auto moved = [&](std::size_t j) {
    const Point2 b = q[(j + n - 1) % n], c = q[j % n];
    const double len = std::hypot(c.x - b.x, c.y - b.y);
    const Point2 t{(c.x - b.x) / len, (c.y - b.y) / len};
    const double d = a[j % n];
    const Point2 out{turn * t.y * d, -turn * t.x * d};
    return Moved{{b.x + out.x, b.y + out.y}, {c.x + out.x, c.y + out.y}, t};
  };
  const double limit = kMitreLimit * std::fabs(largestAllowance) + 1e-9;
  Point2 first = kNoPoint;
  const auto corner = [&](Point2 c) {
    if (!finite(first)) first = c;
    knife.corner(c);
  };
  Moved in = moved(n);  // the closing edge, arriving at q[0]
  for (std::size_t j = 0; j < n; ++j) {
    const Moved next = moved(j + 1);
    const Point2 v = q[j];
    // Where the two moved lines meet: s along `in` past its end, u along
    // `next` from its start.
    const double cross = in.dir.x * next.dir.y - in.dir.y * next.dir.x;
    const Point2 gap{next.from.x - in.to.x, next.from.y - in.to.y};
    bool joined = false;
    if (std::fabs(cross) > 1e-12) {
      const double s = (gap.x * next.dir.y - gap.y * next.dir.x) / cross;  // along `in` past its end
      const Point2 m{in.to.x + s * in.dir.x, in.to.y + s * in.dir.y};
      const bool outside = cross * turn > 0;
      const bool close = std::hypot(m.x - v.x, m.y - v.y) <= limit;
      // The corner may not lie back past either moved segment's far end
      // (a short segment beside a much wider allowance); an inside corner
      // joins only where the lines meet on both moved segments.
      const double inLen = std::hypot(in.to.x - in.from.x, in.to.y - in.from.y);
      const double nextLen = std::hypot(next.to.x - next.from.x, next.to.y - next.from.y);
      const double u = (m.x - next.from.x) * next.dir.x + (m.y - next.from.y) * next.dir.y;
      const bool withinReach = s >= -inLen && u <= nextLen;
      const bool onBoth = s <= 0 && u >= 0;
      if (std::isfinite(m.x) && std::isfinite(m.y) && close && withinReach && (outside || onBoth)) {
        corner(m);
        joined = true;
      }
    }
    if (!joined) {
      corner(in.to);
      if (in.to.x != next.from.x || in.to.y != next.from.y) corner(next.from);
    }
    in = next;
  }
  knife.corner(first);  // closed on its first point
  return true;
}

void endPanelFile(RadialPanelFile& f, PanelPlot& p, const KnifePath& knife, const PanelRecords& rec,
                  const PlotUnits& u, double largestAllowance) {
  const PlotText beforeKnife = p.plot;
  knife.write(p.plot, plotStep(u));
  p.plot.line(kPlotEnd);
  f.records = rec.count();
  f.text = p.plot.text();
  f.fault = CheckCut(p.plot, p.sewing, largestAllowance);
  // A knife from the records that leaves the outline outside it or strays
  // from it (a seam line that curls, a leech that bulges past its chord
  // where no tabling covers it): cut round the outline itself instead.
  KnifePath round;
  if ((f.fault == CutFault::OutlineOutside || f.fault == CutFault::KnifeFarOff) &&
      OutlineKnife(p.outline, p.allowance, largestAllowance, plotStep(u), round)) {
    PlotText again = beforeKnife;
    round.write(again, plotStep(u));
    again.line(kPlotEnd);
    if (CheckCut(again, p.sewing, largestAllowance) == CutFault::None) {
      p.plot = std::move(again);
      f.text = p.plot.text();
      f.fault = CutFault::None;
    }
  }
  // The cut check measures the outline as written, in whole steps, against
  // kNoClothSteps. The outline as meant is held to two steps besides, so
  // that the rounding to steps never lends a sliver of no cloth the width
  // it lacks.
  if (f.fault == CutFault::None && !p.outline.empty() &&
      !(MeanWidth(p.outline.data(), p.outline.size()) > 2 * plotStep(u)))
    f.fault = CutFault::NoCloth;
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
