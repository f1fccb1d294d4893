// Whether a layout holds seam ends: before any default ends, and after a
// layout run that only kept unset ends within the curves, it does not; any
// ends a user dragged or a panel file brought do.

#include "layout_fixture.h"

namespace kes::test {
namespace {

// A layout run before any default ends: the inner seams kept at point 1
// of both curves, the foot and head lines' ends never set.
PanelLayout clampedOnly(int n) {
  PanelLayout L;
  L.PanelCount = n;
  for (int j = 1; j <= n - 1; ++j) L.SeamLuffEnd[j] = L.SeamLeechEnd[j] = 1;
  return L;
}

TEST(SeamsLaidOut, NoEndsAndEndsKeptAtTheTackAreNoLayout) {
  EXPECT_FALSE(SeamsLaidOut(PanelLayout{}));
  EXPECT_FALSE(SeamsLaidOut(clampedOnly(10)));
  EXPECT_FALSE(SeamsLaidOut(clampedOnly(33)));
  PanelLayout one = clampedOnly(1);  // seam 1 is the head line, never set
  EXPECT_FALSE(SeamsLaidOut(one));

  // The build that follows a layout run's defaults gives what a count box gives.
  SailModel m = defaultSail();
  PanelLayout L = clampedOnly(10);
  if (!SeamsLaidOut(L)) defaultSeamEnds(m, L, 10, true);
  const PanelLayout byCount = crosscut(m, 10);
  for (int j = 0; j <= 10; ++j)
    EXPECT_EQ(std::pair(L.SeamLuffEnd[j], L.SeamLeechEnd[j]), std::pair(byCount.SeamLuffEnd[j], byCount.SeamLeechEnd[j])) << j;
}

TEST(SeamsLaidOut, DefaultDraggedAndLoadedEndsStay) {
  SailModel m = defaultSail();
  EXPECT_TRUE(SeamsLaidOut(crosscut(m, 10)));
  EXPECT_TRUE(SeamsLaidOut(crosscut(m, 2, false)));

  // Seams dragged down to the tack, all of them, in a laid-out sail.
  PanelLayout tack = clampedOnly(10);
  tack.SeamLuffEnd[0] = 1;
  tack.SeamLeechEnd[0] = 100;
  EXPECT_TRUE(SeamsLaidOut(tack));

  // A file's foot line without ends but one seam anywhere but the tack.
  for (const auto& [luff, leech] : {std::pair(40.0, 1.0), std::pair(1.0, 60.0), std::pair(1.5, 1.0)}) {
    PanelLayout L = clampedOnly(10);
    L.SeamLuffEnd[7] = luff;
    L.SeamLeechEnd[7] = leech;
    EXPECT_TRUE(SeamsLaidOut(L)) << luff << " " << leech;
  }
}

}  // namespace
}  // namespace kes::test
