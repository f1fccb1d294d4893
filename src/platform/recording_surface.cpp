#include "platform/recording_surface.h"

#include <cmath>

namespace kes {

namespace {
// Height of one printed line in twips (an 8-point font's line).
constexpr double kLineTwips = 195.0;
}  // namespace

RecordingSurface::RecordingSurface(double widthTwips, double heightTwips)
    : widthTwips_(widthTwips), heightTwips_(heightTwips) {}

bool RecordingSurface::setScale(double left, double top, double right, double bottom) {
  const double w = right - left;
  const double h = bottom - top;
  if (!(w != 0.0 && h != 0.0) || !std::isfinite(w) || !std::isfinite(h) ||
      !std::isfinite(left) || !std::isfinite(top))
    return false;
  left_ = left;
  top_ = top;
  width_ = w;
  height_ = h;
  return true;
}

void RecordingSurface::clear() {
  ops_.clear();
  ops_.push_back(DrawOp{DrawOp::Clear, 0, 0, 0, 0, 0, back_, mode_, {}});
  curX_ = left_;
  curY_ = top_;
}

void RecordingSurface::setBackColor(int colour) {
  back_ = colour;
  clear();
}

void RecordingSurface::point(double x, double y, int colour) {
  ops_.push_back(DrawOp{DrawOp::Point, x, y, x, y, 0, resolve(colour), mode_, {}});
  curX_ = x;
  curY_ = y;
}

void RecordingSurface::line(double x1, double y1, double x2, double y2, int colour) {
  ops_.push_back(DrawOp{DrawOp::Line, x1, y1, x2, y2, 0, resolve(colour), mode_, {}});
  curX_ = x2;
  curY_ = y2;
}

void RecordingSurface::lineTo(double x2, double y2, int colour) { line(curX_, curY_, x2, y2, colour); }

void RecordingSurface::box(double x1, double y1, double x2, double y2, int colour) {
  ops_.push_back(DrawOp{DrawOp::Box, x1, y1, x2, y2, 0, resolve(colour), mode_, {}});
  curX_ = x2;
  curY_ = y2;
}

void RecordingSurface::filledBox(double x1, double y1, double x2, double y2, int colour) {
  ops_.push_back(DrawOp{DrawOp::FilledBox, x1, y1, x2, y2, 0, resolve(colour), mode_, {}});
  curX_ = x2;
  curY_ = y2;
}

void RecordingSurface::circle(double x, double y, double radius, int colour) {
  ops_.push_back(DrawOp{DrawOp::Circle, x, y, x, y, radius, resolve(colour), mode_, {}});
  curX_ = x;
  curY_ = y;
}

void RecordingSurface::print(std::string_view text) {
  ops_.push_back(DrawOp{DrawOp::Text, curX_, curY_, curX_, curY_, 0, fore_, mode_, std::string(text)});
  curX_ = left_;
  if (heightTwips_ > 0) curY_ += kLineTwips * height_ / heightTwips_;
}

}  // namespace kes
