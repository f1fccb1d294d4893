#include "reinforce/patch_files.h"

#include <climits>
#include <cmath>

#include "reinforce/patch_geometry.h"

namespace kes {

namespace {

std::string numbered(std::string_view stem, long n, std::string_view ext = {}) {
  std::string s(stem);
  s += std::to_string(n);
  s += ext;
  return s;
}

// Layers run from 1 while they are not above the quantity (none below 1;
// 2.5 gives two).
bool layer(int t, double quantity) { return t <= quantity && t < INT_MAX; }

}  // namespace

bool writeBattenPocket(PlotText& plot, const StrokeFont& font, const PlotUnits& units,
                       int row, double battenLength, double width, double lengthPlus) {
  const std::string label = numbered("bat", row + 1);
  const double BL = battenLength, W = width, LP = lengthPlus;
  plot.line(kPlotStart);
  WritePlotLabel(plot, font, {label, units.MarkSize, 0.0f, units.LetterOriginX,
                              units.LetterOriginY});
  bool ok = true;
  ok &= plot.point(LP / 2, 0);
  plot.line(kPenDown);
  ok &= plot.point(LP / 2, W);
  plot.line(kPenUp);
  ok &= plot.point(BL + LP / 2, W);
  plot.line(kPenDown);
  ok &= plot.point(BL + LP / 2, 0);
  plot.line(kPenUp);
  plot.line("0 0 acut");
  plot.line(kKnifeDown);
  ok &= plot.point(BL + LP, 0);
  ok &= plot.point(BL + LP, W);
  ok &= plot.point(0, W);
  plot.line("0 0 acut");
  plot.line(kKnifeUp);
  plot.line(kPlotEnd);
  return ok;
}

bool writeReefDiamond(PlotText& plot, double pointSize) {
  const double d = std::sqrt(pointSize * pointSize / 2);
  plot.line(kPlotStart);
  bool ok = plot.point(-d, 0);
  plot.line(kKnifeDown);
  ok &= plot.point(0, d);
  ok &= plot.point(d, 0);
  ok &= plot.point(0, -d);
  ok &= plot.point(-d, 0);
  plot.line(kKnifeUp);
  plot.line(kPlotEnd);
  return ok;
}

void finishPatch(std::string_view firstPass, float angle, double scaleX, double scaleY,
                 double copyPercent, FinishedPatch& out) {
  out.turned.clear();
  out.copy.clear();
  out.turned.reserve(firstPass.size() + 64);
  out.copy.reserve(firstPass.size() + 64);
  out.turnedOk = out.copyOk = true;
  const double a = angle;  // the angle as held, in single precision
  const double ca = std::cos(a), sa = std::sin(a);
  LineReader lines(firstPass);
  std::string_view line;
  while (lines.next(line)) {
    if (!IsAcutLine(line)) {
      for (std::string* s : {&out.turned, &out.copy}) {
        s->append(line);
        s->append(kLineEnd);
      }
      continue;
    }
    // Read back from the whole steps of the first pass, not the exact point.
    const PointLineParts p = SplitPointLine(line);
    const double X = PointLineStep(p.x) / scaleX;
    const double Y = PointLineStep(p.y) / scaleY;
    const double x = X * ca - Y * sa;
    const double y = X * sa + Y * ca;
    const auto tx = RoundStep(x * scaleX), ty = RoundStep(y * scaleY);
    const auto cx = RoundStep(x * scaleX * copyPercent / 100);
    const auto cy = RoundStep(y * scaleY * copyPercent / 100);
    // A point that cannot be written spoils the file: it is never written without it.
    if (tx && ty) {
      out.turned.append(PointLineText(*tx, *ty, p.tail)).append(kLineEnd);
    } else {
      out.turnedOk = false;
    }
    if (cx && cy) {
      out.copy.append(PointLineText(*cx, *cy, p.tail)).append(kLineEnd);
    } else {
      out.copyOk = false;
    }
  }
}

std::string PatchFile::failedName() const {
  if (!firstPassOk || fault != CutFault::None || !finished.turnedOk) return name;
  if (!finished.copyOk) return copyName.empty() ? std::string(kCopyTempFile) : copyName;
  return {};
}

namespace {

// The run's lettering and turning state, carried from file to file: an
// angle that cannot be formed keeps the one held before.
struct PatchRun {
  PatchRun(const ReinforceSettings& settings, const PlotUnits& plotUnits,
           const StrokeFont& strokeFont, ReinforcementSink& out)
      : rs(settings), units(plotUnits), font(strokeFont), sink(out),
        plot(plotUnits.PlotScaleX, plotUnits.PlotScaleY) {}

  const ReinforceSettings& rs;
  const PlotUnits& units;
  const StrokeFont& font;
  ReinforcementSink& sink;
  float held = 0;  // LetterAngle
  PlotText plot;
  PatchOutline outline;
  PatchFile file;

  // Letters, cuts and finishes the outline in hand; false ends the run.
  bool finish(std::string_view stem, std::string_view prefix, int t, bool copy) {
    const PatchOutline& o = outline;
    file.name = numbered(stem, t, ".uc");
    file.copyName = copy ? "r" + file.name : std::string();
    plot.clear();
    plot.line(kPlotStart);
    if (o.labelAngle.good()) held = static_cast<float>(o.labelAngle.v);
    const std::string label = numbered(prefix, t);
    LabelStyle style{label, units.MarkSize, held, 0.0, 0.0};
    if (o.runLabelOrigin) {
      style.LetterOriginX = units.LetterOriginX;
      style.LetterOriginY = units.LetterOriginY;
    }
    WritePlotLabel(plot, font, style);
    bool ok = true;
    for (int i = 0; i < o.count; ++i) {
      ok &= plot.point(o.pts[i].x - o.origin.x, o.pts[i].y - o.origin.y);
      if (i == 0) plot.line(kKnifeDown);
    }
    plot.line(kKnifeUp);
    plot.line(kPlotEnd);
    if (o.rotation.good()) held = static_cast<float>(o.rotation.v);
    file.firstPass = plot.text();
    file.firstPassOk = ok;
    file.fault = CheckCut(plot, {}, 0);  // a patch is all knife
    file.angle = held;
    finishPatch(file.firstPass, held, units.PlotScaleX, units.PlotScaleY, rs.copyPercent,
                file.finished);
    return sink.patchFile(file);
  }
};

}  // namespace

void developReinforcements(const SailModel& m, const ReinforceSettings& rs,
                           const PlotUnits& units, const StrokeFont& font,
                           ReinforcementSink& sink) {
  PlotText plot(units.PlotScaleX, units.PlotScaleY);
  if (rs.battenPockets) {
    for (int i = 0; i < 5; ++i) {
      if (!(rs.battenLength[i] > 0)) continue;
      plot.clear();
      // The pen lines across the pocket mark the batten's ends; the knife is the cut.
      const bool ok = writeBattenPocket(plot, font, units, i, rs.battenLength[i], rs.pocketWidth,
                                        rs.lengthPlus) &&
                      CheckCut(plot, {}, 0) == CutFault::None;
      if (!sink.plainFile(numbered("bat", i, ".uc"), plot.text(), ok)) return;
    }
  }
  if (rs.reefPoints) {
    int n = 0;
    for (int r = 0; r < 2; ++r) {
      if (!(rs.reefCount[r] > 0)) continue;
      for (int k = 1; k <= rs.reefCount[r] - 2 && k <= kMaxReefPointsPerRow - 2; ++k) {
        plot.clear();
        const bool ok = writeReefDiamond(plot, rs.pointSize) && CheckCut(plot, {}, 0) == CutFault::None;
        if (!sink.plainFile(numbered("reef", ++n, ".uc"), plot.text(), ok)) return;
      }
    }
  }

  PatchRun run(rs, units, font, sink);
  const PatchStyle style = developStyle(rs.style);
  const int E = rs.ellipticity;
  for (int t = 1; layer(t, rs.tack.quantity); ++t) {
    tackPatch(m, rs.tack, style, E, t, run.outline);
    if (!run.finish("tack", "tk", t, rs.reefPoints)) return;
  }
  for (int t = 1; layer(t, rs.clew.quantity); ++t) {
    clewPatch(m, rs.clew, style, E, t, run.outline);
    if (!run.finish("clew", "clw", t, rs.reefPoints)) return;
  }
  const bool narrow = narrowHead(m);
  for (int t = 1; layer(t, rs.head.quantity); ++t) {
    if (narrow) {
      narrowHeadPatch(m, rs.head, style, E, t, run.outline);
      if (!run.finish("head", "hd", t, false)) return;
      continue;
    }
    throatPatch(m, rs.head, t, run.outline);
    if (!run.finish("head", "hd", t, false)) return;
    peakPatch(m, rs.head, t, run.outline);
    if (!run.finish("peak", "pk", t, false)) return;
  }
}

}  // namespace kes
