#pragma once
// The patch preview: the inner edges of every corner patch layer, and in the
// Radials style the arcs with their sector lines, drawn over the plan view in
// sail coordinates (whatever scale the view has), in light cyan, with the
// second sector line of each radial patch in cyan.

#include "model/sail_model.h"
#include "platform/surface.h"
#include "reinforce/reinforce_settings.h"

namespace kes {

// Draws from the model's edge curves with settings already within their
// limits (at most 10 layers a corner are drawn). Tack and clew take the
// first style selected in the order Radials, Triangle, Square (none: nothing);
// a narrow head draws its arc in Radials and its triangles otherwise; a wide
// head draws its throat and peak edges in every style. Each arc is drawn once,
// also when its corner has no layer.
void previewPatches(Surface& s, const SailModel& m, const ReinforceSettings& rs);

}  // namespace kes
