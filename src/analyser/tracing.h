#pragma once
// The traced cambers of the analyser and what the mouse does with them:
// adding a point to the camber being traced, picking the nearest point in
// Edit mode and dragging it, and drawing the points over the photo.
//
// Points are stored in image units: twips of the photo in its fitted,
// unzoomed size, from its top-left corner, y downwards. A stored point lands
// in the photo box at offset + value x scale.

#include "platform/surface.h"

namespace kes {

inline constexpr int kCambers = 5;
inline constexpr int kCamberPoints = 25;

struct Tracing {
  double X[kCambers + 1][kCamberPoints + 1] = {};  // camber 1..5, point 1..25
  double Y[kCambers + 1][kCamberPoints + 1] = {};
  int count[kCambers + 1] = {};                    // 0..25 points per camber
};

// The zoom state: 1, 0, 0 when the photo is fitted.
struct PhotoZoom {
  double scale = 1.0;
  double offsetX = 0.0;
  double offsetY = 0.0;
};

// The photo-box position of a stored point.
inline double boxX(const PhotoZoom& z, double x) { return z.offsetX + x * z.scale; }
inline double boxY(const PhotoZoom& z, double y) { return z.offsetY + y * z.scale; }

// A photo-box position in image units; false (nothing changed) when the
// zoom state gives no usable number.
bool imageFromBox(const PhotoZoom& z, double px, double py, double& x, double& y);

// Adds the pressed position (photo box) to camber m (1..5): a 26th press
// replaces point 25. A press left of the camber's previous point is stored at
// that point's x + 200 and height; the result then tells the caller to show
// its "move left to right" message. n receives the point's index (0: nothing
// stored).
enum class AddResult { Stored, MovedRight, Refused };
AddResult addPoint(Tracing& t, const PhotoZoom& z, int m, double px, double py, int& n);

// The point nearest on screen to the press (photo box), strictly nearer
// winning, none 100000 twips or more away. camber and point are left as they
// are when nothing is nearer.
void pickPoint(const Tracing& t, const PhotoZoom& z, double px, double py, int& camber, int& point);

// Moves a picked point to the pointer (photo box); nothing picked moves nothing.
void dragPoint(Tracing& t, const PhotoZoom& z, int camber, int point, double px, double py);

// The marks of the redraw: a square of +-50 twips at every point and the
// camber's number (" i ") at the last one's lower-right corner.
void DrawCamberPoints(const Tracing& t, const PhotoZoom& z, Surface& s);

// The marks during a drag: straight lines through each camber's points, then
// the squares; no numbers, no curves.
void DrawDragLines(const Tracing& t, const PhotoZoom& z, Surface& s);

// The tracing marker of a new point: a bright green circle of radius 100.
void DrawTracingMarker(const Tracing& t, const PhotoZoom& z, int m, int n, Surface& s);

}  // namespace kes
