#include "reinforce/patch_files.h"

#include <algorithm>
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

PatchFile::Failure PatchFile::failure() const {
  if (fault != CutFault::None) return {name, fault};
  if (!firstPassOk || !finished.turnedOk) return {name, CutFault::Unwritable};
  if (!finished.copyOk)
    return {copyName.empty() ? std::string(kCopyTempFile) : copyName, CutFault::Unwritable};
  if (copyFault != CutFault::None && !copyName.empty()) return {copyName, copyFault};
  return {};
}

std::string NoReachText(int allowedLayers, bool radialShare, bool reefCopy) {
  std::string text = reefCopy ? "at the reef size " : "";
  text += radialShare ? "its share of the reach rounds to nothing; the reach allows "
                      : "its reach rounds to nothing; the reach allows ";
  if (allowedLayers <= 0) return text + "no layers";
  text += std::to_string(allowedLayers);
  return text + (allowedLayers == 1 ? " layer" : " layers");
}

namespace {

enum class PatchCorner { Tack, Clew, Head };

// The most layers counted when working out how many a reach allows: ten
// times the frame's limit, where a radial corner's sectors are a point wide.
constexpr int kMostLayersCounted = 100;

// The run's lettering and turning state, carried from file to file: an
// angle that cannot be formed keeps the one held before.
struct PatchRun {
  PatchRun(const SailModel& model, const ReinforceSettings& settings, const PlotUnits& plotUnits,
           const StrokeFont& strokeFont, ReinforcementSink* out)
      : m(model), rs(settings), units(plotUnits), font(strokeFont), sink(out),
        style(developStyle(settings.style)), narrow(narrowHead(model)),
        plot(plotUnits.PlotScaleX, plotUnits.PlotScaleY),
        check(plotUnits.PlotScaleX, plotUnits.PlotScaleY) {}

  const SailModel& m;
  const ReinforceSettings& rs;
  const PlotUnits& units;
  const StrokeFont& font;
  ReinforcementSink* sink;  // none: a trial that only asks whether every file can be cut
  const PatchStyle style;
  const bool narrow;
  float held = 0;  // LetterAngle
  PlotText plot, check;
  PatchOutline outline;
  PatchFile file;

  // A finished text's knife, checked as the table reads the file.
  CutFault checkFinished(const std::string& text) {
    check.clear();
    LineReader lines(text);
    std::string_view line;
    while (lines.next(line)) check.line(line);
    return CheckCut(check, {}, 0);  // a patch is all knife
  }

  // Letters, cuts, finishes and checks the outline in hand.
  void build(std::string_view stem, std::string_view prefix, int t, bool copy) {
    const PatchOutline& o = outline;
    file.name = numbered(stem, t, ".uc");
    file.copyName = copy ? "r" + file.name : std::string();
    file.why.clear();
    plot.clear();
    plot.line(kPlotStart);
    if (o.labelAngle.good()) held = static_cast<float>(o.labelAngle.v);
    const std::string label = numbered(prefix, t);
    LabelStyle lettering{label, units.MarkSize, held, 0.0, 0.0};
    if (o.runLabelOrigin) {
      lettering.LetterOriginX = units.LetterOriginX;
      lettering.LetterOriginY = units.LetterOriginY;
    }
    WritePlotLabel(plot, font, lettering);
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
    file.copyFault = CutFault::None;
    file.angle = held;
    finishPatch(file.firstPass, held, units.PlotScaleX, units.PlotScaleY, rs.copyPercent,
                file.finished);
    // The files as written must hold cloth too, the reef-size copy above all.
    if (file.fault == CutFault::None && file.finished.turnedOk)
      file.fault = checkFinished(file.finished.turned);
    if (copy && file.finished.copyOk) file.copyFault = checkFinished(file.finished.copy);
  }

  // Radial patches share their corner's arc out among the layers; a wide
  // head's throat and peak patches are layered whatever the style.
  bool sectors(PatchCorner c) const {
    return style == PatchStyle::Radials && (c != PatchCorner::Head || narrow);
  }

  // File k of layer t (k = 1: the peak patch of a wide head) drawn into the outline.
  void draw(PatchCorner c, const CornerSettings& s, int t, int k) {
    const int E = rs.ellipticity;
    switch (c) {
      case PatchCorner::Tack:
        tackPatch(m, s, style, E, t, outline);
        return;
      case PatchCorner::Clew:
        clewPatch(m, s, style, E, t, outline);
        return;
      case PatchCorner::Head:
        if (narrow) {
          narrowHeadPatch(m, s, style, E, t, outline);
        } else if (k == 0) {
          throatPatch(m, s, t, outline);
        } else {
          peakPatch(m, s, t, outline);
        }
        return;
    }
  }

  // Every file of a corner, layer by layer up to the settings' quantity,
  // each handed on as it stands (or, in a trial, only checked). False when
  // the run ends (or a trial's file cannot be cut).
  bool corner(PatchCorner c, const CornerSettings& s) {
    static constexpr std::string_view kStems[3][2] = {{"tack"}, {"clew"}, {"head", "peak"}};
    static constexpr std::string_view kPrefixes[3][2] = {{"tk"}, {"clw"}, {"hd", "pk"}};
    const int at = static_cast<int>(c);
    const bool copy = rs.reefPoints && c != PatchCorner::Head;
    const int perLayer = c == PatchCorner::Head && !narrow ? 2 : 1;
    const float heldBefore = held;
    for (int t = 1; layer(t, s.quantity); ++t) {
      for (int k = 0; k < perLayer; ++k) {
        draw(c, s, t, k);
        build(kStems[at][k], kPrefixes[at][k], t, copy);
        const PatchFile::Failure failed = file.failure();
        if (!sink) {
          if (!failed.name.empty()) return false;
          continue;
        }
        // A layer without cloth says how many layers its reach allows.
        const bool copyFailed = failed.name == file.copyName;
        if (failed.fault == CutFault::NoCloth)
          file.why = NoReachText(allowedLayers(c, s, t, heldBefore), sectors(c), copyFailed);
        else
          file.why = CutFaultReason(failed.fault);
        if (!sink->patchFile(file)) return false;
      }
    }
    return true;
  }

  // How many layers of the corner its reach allows, layer t holding no
  // cloth: the most, below the count asked for, that cut with every file.
  // Layered patches do not change with the count, so those before t (all
  // cut by now) are the answer; radial patches share the arc among as many
  // sectors as asked for, so each smaller count is tried in turn, from the
  // angle held before the corner's first file.
  int allowedLayers(PatchCorner c, const CornerSettings& s, int t, float heldBefore) const {
    if (!sectors(c)) return t - 1;
    PatchRun trial(m, rs, units, font, nullptr);
    const double most = std::min(std::ceil(s.quantity) - 1, double(kMostLayersCounted));
    for (int n = static_cast<int>(most); n >= 1; --n) {
      CornerSettings fewer = s;
      fewer.quantity = n;
      trial.held = heldBefore;
      if (trial.corner(c, fewer)) return n;
    }
    return 0;
  }
};

}  // namespace

void developReinforcements(const SailModel& m, const ReinforceSettings& rs,
                           const PlotUnits& units, const StrokeFont& font,
                           ReinforcementSink& sink) {
  PlotText plot(units.PlotScaleX, units.PlotScaleY);
  // A pocket or diamond as drawn, or the reason the table cannot cut it.
  const auto plain = [&sink, &plot](const std::string& name, bool written) {
    const CutFault fault = written ? CheckCut(plot, {}, 0) : CutFault::Unwritable;
    if (fault == CutFault::None) return sink.plainFile(name, plot.text());
    return sink.refusedPlainFile(name, plot.text(),
                                 fault == CutFault::NoCloth ? kNoSizeText : CutFaultReason(fault));
  };
  if (rs.battenPockets) {
    for (int i = 0; i < 5; ++i) {
      if (!(rs.battenLength[i] > 0)) continue;
      plot.clear();
      // The pen lines across the pocket mark the batten's ends; the knife is the cut.
      const bool written = writeBattenPocket(plot, font, units, i, rs.battenLength[i],
                                             rs.pocketWidth, rs.lengthPlus);
      if (!plain(numbered("bat", i, ".uc"), written)) return;
    }
  }
  if (rs.reefPoints) {
    int n = 0;
    for (int r = 0; r < 2; ++r) {
      if (!(rs.reefCount[r] > 0)) continue;
      for (int k = 1; k <= rs.reefCount[r] - 2 && k <= kMaxReefPointsPerRow - 2; ++k) {
        plot.clear();
        if (!plain(numbered("reef", ++n, ".uc"), writeReefDiamond(plot, rs.pointSize))) return;
      }
    }
  }

  PatchRun run(m, rs, units, font, &sink);
  if (run.corner(PatchCorner::Tack, rs.tack) && run.corner(PatchCorner::Clew, rs.clew))
    run.corner(PatchCorner::Head, rs.head);
}

}  // namespace kes
