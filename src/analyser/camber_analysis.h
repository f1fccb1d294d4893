#pragma once
// The camber analysis of the analyser's redraw: every camber of three or
// more points is fitted, drawn over the photo and measured into its row of
// the 5 x 5 result grid.

#include <string>

#include "analyser/camber_spline.h"
#include "analyser/tracing.h"
#include "platform/surface.h"

namespace kes {

// The value of pi the analyser's angles are converted with.
inline constexpr double AnalyserPi = 3.141593;

// The result grid's columns, each a row of five boxes (index k: camber k + 1).
enum GridColumn { kEntry = 0, kDepth = 1, kPosition = 2, kTwist = 3, kExit = 4 };
struct ResultGrid {
  std::string text[5][kCambers];  // [column][camber - 1]
};

// The fitted curves of the last analysis, samples 1..100 in image units.
struct CamberCurves {
  CamberSpline spline[kCambers];  // one workspace a camber, fitted together
  double X[kCambers + 1][kCamberSamples + 1] = {};
  double Y[kCambers + 1][kCamberSamples + 1] = {};
};

// Fits, draws and measures cambers 1..5 in turn. A camber with fewer than
// three points, or one that cannot be fitted, is neither drawn nor measured
// and keeps its row. Camber 1's chord is the twist reference (the photo's
// horizontal while camber 1 is not measured); depth, position, entry and
// exit are measured against the camber's own chord. Texts are in the "0.0"
// form.
void AnalyseCambers(const Tracing& t, const PhotoZoom& z, CamberCurves& work, Surface& s,
                    ResultGrid& grid);

}  // namespace kes
