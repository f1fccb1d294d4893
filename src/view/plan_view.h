#pragma once
// The plan view (Picture1): the sail's four edges, the mold stripes with their
// chords and the draft line, the selected stripe and the section strip in the
// Mold frame, and, while the view is not turned, the battens and reef points.
//
// The paint keeps no state: it draws from the model's view curves, the mold
// sections and the texts of the batten and reef boxes, which the window hands
// over as they stand. Picture1's scale is set by the recompute and the zoom;
// the paint never changes it.

#include <string>

#include "model/sail_model.h"
#include "platform/surface.h"

namespace kes {

// Reef points drawn per reef row at most. A count box holds whatever was
// typed; a huge count must not stall the paint (each point is a circle), and
// no real reef row has anywhere near this many points.
inline constexpr int kMaxReefPointsDrawn = 1000;

// What the paint reads from the window besides the model.
struct PlanViewInputs {
  // Box texts as typed: batten rows 0..4 and reef rows 0..1.
  std::string batPos[5], batLngth[5], batAngl[5];
  std::string numReef[2], reefPos[2];
  bool panelsMode = false;     // Option3 ("P") selected: no mold stripes
  bool sectionVisible = false; // Picture2 visible, i.e. the Mold frame
  int currentSection = 1;      // CurrentSection, 0..5
  bool trueShape = false;      // Check4 "True" = 1
  bool vertShape = false;      // Check5 "Vert. Shape" = 1
};

struct PlanViewResult {
  // True when the section marker Shape1 must move: set its top to
  // markerTopTwips (left and size stay). False while the strip is hidden.
  bool markerMoved = false;
  double markerTopTwips = 0.0;
  // Whether the section strip was drawn (false also when its scale would
  // have been degenerate and the strip was only cleared).
  bool sectionDrawn = false;
};

// Picture1_Paint: clears picture1 and draws the plan view; in the Mold frame
// (inputs.sectionVisible) also the selected stripe and, when picture2 is not
// null, the section strip into picture2.
PlanViewResult paintPlanView(const SailModel& m, const PlanViewInputs& in, Surface& picture1,
                             Surface* picture2);

// The marker's top for a station: 3270 - 360 x (station - 1) twips, 30 twips
// below the top of that station's selector button.
inline double sectionMarkerTop(int currentSection) {
  return 3270.0 - 360.0 * (currentSection - 1);
}

}  // namespace kes
