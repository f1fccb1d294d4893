#pragma once
// Batten and reef marks drawn with the pen inside a flat panel: a mark
// where a batten meets the leech within the panel's stretch of leech, a
// cross at every batten's inner end and a diamond at every reef point, the
// last two only where the winding test puts them inside the panel's cut
// outline.
//
// The API, shared by the crosscut and radial develops:
//
//   MarkSetUp set = ReadMarkSetUp(batPos, batLngth, batAngl, numReef, reefPos);
//   BattenEndMarks(plot, set, leechCurve, endUpper, endLower, leechPlacement, markSize);
//   PlaceMarks(plot, set, sail, luffPlacement, cut, markSize, markMode);
//   DrawPanelMark(plot, markMode, point, markSize, cut);

#include <string_view>

#include "common/checked.h"
#include "common/curve.h"
#include "develop/outline.h"
#include "develop/plot_file.h"

namespace kes {

// The batten and reef boxes as the marks read them. "value" is the number
// the text begins with (0 for no number); the converted texts fail for text
// that is no number, and a row whose converted length, angle or count
// fails gets no mark.
struct MarkSetUp {
  double batPos[5] = {}, batLngth[5] = {};   // values
  Num batLngthNum[5], batAnglNum[5];         // converted
  double reefPos[2] = {};                    // values
  Num numReef[2];                            // converted
};
MarkSetUp ReadMarkSetUp(const std::string_view batPos[5], const std::string_view batLngth[5],
                        const std::string_view batAngl[5], const std::string_view numReef[2],
                        const std::string_view reefPos[2]);

// What the marks read of the sail.
struct MarkSail {
  const Curve* LeechCurve = nullptr;
  const Curve* FootCurve = nullptr;
  double ClewX = 0, ClewY = 0, FootLength = 0;
};

inline constexpr int kMarkBatten = 1, kMarkReef = 2;
// Reef rows past this many points mark their first this many (as the plan view draws them).
inline constexpr int kMaxReefPoints = 1000;

// A batten meeting the leech strictly between the panel's seam ends
// (endUpper < 100 - position < endLower) with a length above 0: a pen
// cross of half size MarkSize/2 at its leech point, placed into the flat
// frame by `leech` (the leech turn). No inside test. The radial panels
// write no "1 penup" before a mark's first point (the pen is up already).
void BattenEndMarks(PlotText& plot, const MarkSetUp& set, const Curve& leechCurve, double endUpper,
                    double endLower, const FlatPlacement& leech, float markSize,
                    bool penUpFirst = true);

// The batten inner ends (when the first row has a length; every row with a
// position) and the reef points of both rows (one point: on the leech; the
// inner points 1.5 % of the foot towards the foot), placed into the flat
// frame by `luff` (the luff lean), each drawn when inside the cut outline.
// markMode ends at kMarkReef, as the next panel expects.
void PlaceMarks(PlotText& plot, const MarkSetUp& set, const MarkSail& sail, const FlatPlacement& luff,
                const CutOutline& cut, float markSize, int& markMode);

// A batten cross (mode 1) or a reef diamond (mode 2) of half size
// MarkSize/2 at p when p lies inside the cut outline; nothing otherwise.
void DrawPanelMark(PlotText& plot, int markMode, Point2 p, float markSize, const CutOutline& cut);

}  // namespace kes
