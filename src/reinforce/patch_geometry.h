#pragma once
// The corner patches' shapes: the point indices each layer takes on the
// sail's edges, the curved outer edge of a radial patch and its sectors, and
// each patch's cutting outline with its lettering angle and the angle that
// turns it into its cutting position.
//
// Everything here only reads the sail model. Indices made from percentages
// are brought into 1..100 before a point is read, so a layer whose run rounds
// to nothing sits on its corner instead of reaching across the sail to the
// tack. Angles that cannot be formed (a division by zero) come back failed:
// the develop then keeps the angle it held before.

#include "common/checked.h"
#include "common/curve.h"
#include "model/sail_model.h"
#include "reinforce/reinforce_settings.h"

namespace kes {

struct Pt {
  double x = 0, y = 0;
};

// Each layer of a stack is 0.667 times the size of the one below it.
inline constexpr double kLayerFactor = 0.667;
double layerFactor(int t);  // 0.667 to the power t - 1

// A computed index made whole (a half to the even neighbour) and brought into 1..100.
int edgeIndex(double v);
inline Pt edgePoint(const Curve& c, int i) { return {c(1, i), c(2, i)}; }

// The head is narrow when its width is below a tenth of the luff; equal is wide.
bool narrowHead(const SailModel& m);

// ---- Radial arcs and sectors -------------------------------------------------

enum class Corner { Tack, Clew, Head };

// The curved outer edge of a radial patch, points 1..100 in sail coordinates.
struct PatchArc {
  Pt p[101];
};

// Builds the arc from start to end, bulging away from the corner by the
// chord divided by 1.4 E (tack, head) or by E (clew), its three top points a
// quarter unit apart about the chord's middle (tack, head) or two thirds
// along it (clew); a chord too short for that spacing (0.5 units or less,
// 0.75 at the clew) gets an eighth of the chord instead, and a chord of no
// length puts the whole arc on its start point.
void buildArc(Corner corner, Pt start, Pt end, int ellipticity, PatchArc& arc);

// The stretch ja..jb of the arc that patch t of N covers. A sector too short
// for one step ends at 0: it cuts no arc point, and its end is read as the
// arc's first point.
struct Sector {
  int ja = 1, jb = 1;
  int end() const { return jb < 1 ? 1 : jb; }
};
// Tack and head: equal runs of whole(100 / N) points.
Sector countSector(double N, int t);
// Clew: equal runs of arc length.
Sector lengthSector(const PatchArc& arc, double N, int t);

// ---- Indices of each corner -----------------------------------------------------

// Tack: L on the luff from the tack, F on the foot counted back from the tack
// end; L3, F3 the short core of a radial patch.
struct CornerIndices {
  int a = 1, b = 1, a3 = 1, b3 = 1;
};
CornerIndices tackLayer(const CornerSettings& s, int t);   // a = L, b = F
CornerIndices tackRadial(const CornerSettings& s);         // a = L, b = F, a3 = L3, b3 = F3
// Clew: L on the leech counted back from the clew, F on the foot from the clew.
CornerIndices clewLayer(const CornerSettings& s, int t);   // a = L, b = F
CornerIndices clewRadial(const CornerSettings& s);         // a = L, b = F, a3 = L3, b3 = F3
// Narrow head: iL on the luff counted down from the head, iK on the leech from the aft head corner.
CornerIndices narrowHeadLayer(const CornerSettings& s, int t);  // a = iL, b = iK
CornerIndices narrowHeadRadial(const CornerSettings& s);        // a = iL, b = iK, a3 = iL3, b3 = iK3
// Wide head: iL (luff), iH (head) of the throat patch; jL (leech), jH (head) of the peak patch.
struct WideHeadIndices {
  int iL = 1, iH = 1, jL = 1, jH = 1;
};
WideHeadIndices wideHeadLayer(const CornerSettings& s, int t);

// The far corner of a square patch: the luff (tack) or leech (clew) point
// moved parallel to the tack-clew line by the length of the patch's foot side.
Pt tackSquareCorner(const SailModel& m, int L, int F);
Pt clewSquareCorner(const SailModel& m, int L, int F);

// The arcs of the three corners, for the radial indices.
void tackArc(const SailModel& m, const CornerIndices& r, int ellipticity, PatchArc& arc);
void clewArc(const SailModel& m, const CornerIndices& r, int ellipticity, PatchArc& arc);
void headArc(const SailModel& m, const CornerIndices& r, int ellipticity, PatchArc& arc);

// ---- Patch outlines -------------------------------------------------------------

// The most points an outline holds: a radial head patch with its whole arc,
// leech, ten head points and luff.
inline constexpr int kMaxOutline = 320;

// One patch file's content before lettering: the knife outline in sail
// coordinates, its first point where the knife goes down, and the angles.
struct PatchOutline {
  Pt origin;               // the file's origin: the patch's corner
  bool runLabelOrigin = false;  // tack: lettered at the run's lettering origin; others at the file origin
  Num labelAngle;          // failed: the angle held before is kept
  Pt pts[kMaxOutline];
  int count = 0;
  Num rotation;            // turns the patch into its cutting position; failed: keep the held angle
};

void tackPatch(const SailModel& m, const CornerSettings& s, PatchStyle style, int ellipticity,
               int t, PatchOutline& out);
void clewPatch(const SailModel& m, const CornerSettings& s, PatchStyle style, int ellipticity,
               int t, PatchOutline& out);
// Narrow head: Square is cut as Triangle.
void narrowHeadPatch(const SailModel& m, const CornerSettings& s, PatchStyle style,
                     int ellipticity, int t, PatchOutline& out);
// Wide head: one shape for every style.
void throatPatch(const SailModel& m, const CornerSettings& s, int t, PatchOutline& out);
void peakPatch(const SailModel& m, const CornerSettings& s, int t, PatchOutline& out);

}  // namespace kes
