#include "develop/panel.h"

#include <cmath>

namespace kes {

bool IsPanelFileName(std::string_view fileName) { return fileName.find("pnl") != std::string_view::npos; }

void HighlightSeamLine(Surface& s, const Curve& line) {
  s.point(line(1, 1), line(2, 1));
  for (int k = 5; k <= 100; k += 5) s.lineTo(line(1, k), line(2, k), kLightGreen);
}

namespace {

void drawTriangles(Surface& s, const FlatStrip& f, Point2 at) {
  for (int t = 1; t <= FlatStrip::kTriangles; ++t) {
    const Point2 c[5] = {f.P0[t], f.P1[t], f.P2[t], f.P3[t], f.P0[t]};
    for (int e = 0; e < 4; ++e)
      s.line(c[e].x + at.x, c[e].y + at.y, c[e + 1].x + at.x, c[e + 1].y + at.y, kGrey);
  }
}

// The knife: from S on the luff allowance line along the upper records, the
// two leech corners (with the leech points between them in panel files),
// back along the lower records to E, then straight up the luff line to S.
void writeKnifePath(PlotText& plot, const PanelInput& in, PanelResult& r, bool panelFile) {
  const CutOutline& cut = r.cut;
  const Curve& lower = *in.lower;
  const double luffX = -in.allowances.luff;
  Point2 S{luffX, 0}, E{luffX, 0};
  const bool haveS = cut.n > 0 && LineYAt(cut.rec[1], luffX, S.y);
  const bool haveE = cut.n > 0 && LineYAt(cut.rec[cut.n], luffX, E.y);
  if (haveS) plot.point(S.x, S.y);
  plot.line(kKnifeDown);
  const int leech = cut.leech;
  const Point2 corner = r.strip.P0[FlatStrip::kTriangles];
  const Point2 lowerLeech{lower(1, 100), lower(2, 100)};
  double prevX = S.x;
  for (int k = 2; k <= cut.n; ++k) {
    if (panelFile && leech > 0 && k == leech + 1) {
      // The leech curve moved out by the leech tabling, square to the
      // straight 3-D rung and aft, then turned into the flat frame.
      // The point is taken from the lower leech corner first, then moved out.
      const double tab = in.allowances.leech;
      const FlatPlacement place{{0, 0}, corner, r.leechTurn};
      const Curve& lc = *in.sail.LeechCurve;
      ForLeechPoints(in.leechEndUpper, in.leechEndLower, [&](int j) {
        const Point2 p = place.place({lc(1, j) - lowerLeech.x + tab * std::cos(r.leechLean),
                                      lc(2, j) - lowerLeech.y + tab * std::sin(r.leechLean)});
        plot.point(p.x, p.y);
      });
    }
    Point2 c;
    const bool atCorner = leech > 0 && (k == leech || k == leech + 1);
    if (atCorner) {
      if (!Corner(cut.rec[k - 1], cut.rec[k], c)) continue;
    } else {
      c = {cut.rec[k].x, cut.rec[k].y};
    }
    const bool back = (leech > 0 && k < leech && c.x < prevX) || (k > leech + 1 && c.x > prevX);
    if (!back) plot.point(c.x, c.y);
    prevX = c.x;
  }
  if (haveE) plot.point(E.x, E.y);
  if (haveS) plot.point(S.x, S.y);
  plot.line(kKnifeUp);
}

}  // namespace

void DevelopPanel(const PanelInput& in, int& markMode, PanelResult& r, Surface* preview) {
  const Curve& lower = *in.lower;
  const Curve& upper = *in.upper;
  constexpr int T = FlatStrip::kTriangles;
  const bool panelFile = IsPanelFileName(in.fileName) && in.sail.LeechCurve != nullptr;

  r.seaming = PanelSeaming(lower, upper, in.allowances);
  DevelopStrip(lower, upper, r.strip);
  const FlatStrip& f = r.strip;
  if (preview != nullptr) drawTriangles(*preview, f, {lower(1, 1), lower(2, 1)});

  PlotText& plot = r.plot;
  plot.clear();
  plot.setScale(in.units.PlotScaleX, in.units.PlotScaleY);
  plot.reserve(24 * 1024);
  plot.line(kPlotStart);

  // Lettering along the flat lower-edge chord, so the finishing turn lays it on +X.
  const Point2 L1 = f.L(1), L100 = f.L(100), U100 = f.U(100);
  r.letterAngle = static_cast<float>(AtanRatio(L100.y - L1.y, L100.x - L1.x));
  if (in.font != nullptr)
    WritePlotLabel(plot, *in.font,
                   {in.letterText, in.units.MarkSize, r.letterAngle, in.units.LetterOriginX,
                    in.units.LetterOriginY});

  // Sewing outline: luff rung and upper edge, the leech, the lower edge back.
  plot.point(0, 0);
  plot.line(kPenDown);
  for (int t = 1; t <= T; ++t) {
    plot.point(f.P1[t].x, f.P1[t].y);
    plot.point(f.P2[t].x, f.P2[t].y);
  }
  const Point2 lowerLeech{lower(1, 100), lower(2, 100)};
  const Point2 corner = f.P0[T];
  if (panelFile) {
    const double flatLean = AtanRatio(L100.x - U100.x, U100.y - L100.y);
    r.leechLean = AtanRatio(lower(1, 100) - upper(1, 100), upper(2, 100) - lower(2, 100));
    r.leechTurn = r.leechLean - flatLean;
    const FlatPlacement place{lowerLeech, corner, r.leechTurn};
    const Curve& lc = *in.sail.LeechCurve;
    ForLeechPoints(in.leechEndUpper, in.leechEndLower, [&](int k) {
      const Point2 p = place.place({lc(1, k), lc(2, k)});
      plot.point(p.x, p.y);
    });
  }
  for (int t = T; t >= 1; --t) {
    plot.point(f.P3[t].x, f.P3[t].y);
    plot.point(f.P0[t].x, f.P0[t].y);
  }
  plot.line(kPenUp);

  const MarkSetUp noMarks;
  const MarkSetUp& marks = in.marks != nullptr ? *in.marks : noMarks;
  if (panelFile)
    BattenEndMarks(plot, marks, *in.sail.LeechCurve, in.leechEndUpper, in.leechEndLower,
                   {lowerLeech, corner, r.leechTurn}, in.units.MarkSize);

  plot.line(kPlotComment);
  OffsetEdge(f, in.allowances, r.cut);
  if (panelFile) {
    r.luffLean = AtanRatio(lower(1, 1) - upper(1, 1), upper(2, 1) - lower(2, 1));
    PlaceMarks(plot, marks, in.sail, {lowerLeech, corner, r.luffLean}, r.cut, in.units.MarkSize,
               markMode);
  }
  r.area = OutlineArea(r.cut);
  writeKnifePath(plot, in, r, panelFile);
  plot.line(kPlotEnd);
}

}  // namespace kes
