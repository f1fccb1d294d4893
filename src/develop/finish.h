#pragma once
// Finishing a crosscut plot file: the copy pass drops every point line
// whose numbers equal the previous point line's as written (near repeats
// stay) and previews the flat panel; the turning pass turns every point by
// the file's angle, so that the panel's lower-edge chord lies along +X,
// rounds halves away from zero, and measures the panel's width across the
// chord over the points written with a tool down.

#include <string>
#include <string_view>

#include "develop/strip.h"
#include "platform/surface.h"

namespace kes {

// The run's measures: WidthMax and WidthMin of the current file (the run
// sets them to 0 and 10000 before each file), the widest file so far.
struct WidthState {
  double WidthMax = 0, WidthMin = 10000;
  double WidestWidth = 0;
  int WidestIndex = 0;
  void startFile() {
    WidthMax = 0;
    WidthMin = 10000;
  }
  double width() const { return WidthMax - WidthMin; }
};

// The negated direction of the flat lower-edge chord from L(1) to L(100):
// -atan of its slope, a half turn further where the chord runs towards -x,
// so that the lower leech corner always comes to lie on +X.
double FileAngle(const FlatStrip& strip);

// Copy pass: firstPass with repeated point lines dropped, into temp. The
// preview draws pen lines light blue and knife lines light red, each point
// at anchor + steps / scale (the flat panel, unturned, over the plan view).
void CopyPass(std::string_view firstPass, double scaleX, double scaleY, Point2 anchor,
              Surface* preview, std::string& temp);

// Turning pass: temp turned by angle into turned; widths widened, the widest
// file kept with panel number i. A point whose turned numbers cannot be
// written is dropped, and the pass says false: the file cannot be cut.
bool TurnPass(std::string_view temp, double angle, double scaleX, double scaleY, int i,
              WidthState& w, std::string& turned);

// "Developed: Crosscut 3 at 9.25 (max=9.75)".
std::string ProgressCaption(int i, const WidthState& w);

}  // namespace kes
