#pragma once
// Fitting the photo into the photo box and the one-level zoom by a
// right-button box. Placements are in photo-box twips.

#include "analyser/tracing.h"

namespace kes {

// Where the photo (the image control) lies in the photo box.
struct Placement {
  double left = 0.0, top = 0.0, width = 0.0, height = 0.0;
};

// The photo's proportions as the image control reports them, in single precision.
inline float aspectOf(double naturalWidth, double naturalHeight) {
  return static_cast<float>(naturalWidth) / static_cast<float>(naturalHeight);
}

// Fits a photo of proportions a at the photo box's top-left corner: a wide
// one gets the box's width, any other the box's height.
Placement fitPhoto(double a, double boxWidth, double boxHeight);

// The zoom box: it always extends to the right of the press, its width
// following from its height and the photo box's proportions. Coordinates are
// twips from the photo's top-left corner.
struct ZoomBox {
  double startX = 0.0, startY = 0.0, endX = 0.0, endY = 0.0;
};
void startZoomBox(ZoomBox& b, double x, double y);
void moveZoomBox(ZoomBox& b, double y, double boxWidth, double boxHeight);

// The greatest scale at which the placement the box asks for still fits the
// image control's 16-bit twip coordinates.
double zoomScaleLimit(const Placement& p, const ZoomBox& b);

// Zoom in: the box's top-left corner comes to the photo box's top-left
// corner and its width fills the photo box. Width, height, left and top are
// rounded half to even. A box of no width keeps the scale and only moves
// the photo. The scale is capped (zoomScaleLimit). False, with nothing
// changed, when no placement can be formed.
bool zoomIn(const ZoomBox& b, double boxWidth, Placement& p, PhotoZoom& z);

// Zoom out: back to the fit, from the photo's present proportions
// (naturalAspect when those cannot be formed).
void zoomOut(Placement& p, PhotoZoom& z, double boxWidth, double boxHeight, double naturalAspect);

}  // namespace kes
