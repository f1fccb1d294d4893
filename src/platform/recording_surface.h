#pragma once
// A Surface that keeps a record of every drawing operation in user
// coordinates, for tests and for checking what a paint drew.

#include <string>
#include <vector>

#include "platform/surface.h"

namespace kes {

struct DrawOp {
  enum Kind { Clear, Point, Line, Box, FilledBox, Circle, Text } kind;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Line/Box: both corners; Point/Circle/Text: x1, y1
  double radius = 0;
  int colour = 0;   // resolved palette number 0..15
  int mode = kDrawCopyPen;
  std::string text;
};

class RecordingSurface : public Surface {
 public:
  RecordingSurface(double widthTwips = 6757.5, double heightTwips = 6375.0);

  bool setScale(double left, double top, double right, double bottom) override;
  double scaleLeft() const override { return left_; }
  double scaleTop() const override { return top_; }
  double scaleWidth() const override { return width_; }
  double scaleHeight() const override { return height_; }
  double widthTwips() const override { return widthTwips_; }
  double heightTwips() const override { return heightTwips_; }
  void setSizeTwips(double w, double h) { widthTwips_ = w; heightTwips_ = h; }

  void clear() override;
  void setForeColor(int colour) override { fore_ = colour; }
  int foreColor() const override { return fore_; }
  void setBackColor(int colour) override;
  int backColor() const override { return back_; }
  void setDrawMode(int mode) override { mode_ = mode; }
  int drawMode() const override { return mode_; }
  void setDrawWidth(int pixels) override { drawWidth_ = pixels; }

  void point(double x, double y, int colour = kForeColor) override;
  void line(double x1, double y1, double x2, double y2, int colour = kForeColor) override;
  void lineTo(double x2, double y2, int colour = kForeColor) override;
  void box(double x1, double y1, double x2, double y2, int colour = kForeColor) override;
  void filledBox(double x1, double y1, double x2, double y2, int colour = kForeColor) override;
  void circle(double x, double y, double radius, int colour = kForeColor) override;
  void print(std::string_view text) override;
  double currentX() const override { return curX_; }
  double currentY() const override { return curY_; }

  // The operations since the last clear (the clear itself is the first).
  const std::vector<DrawOp>& ops() const { return ops_; }
  void forget() { ops_.clear(); }
  // Moves the current position without recording an operation.
  void setCurrent(double x, double y) { curX_ = x; curY_ = y; }

 private:
  int resolve(int colour) const { return colour == kForeColor ? fore_ : colour; }
  std::vector<DrawOp> ops_;
  double left_ = 0, top_ = 0, width_ = 1, height_ = 1;
  double widthTwips_, heightTwips_;
  int fore_ = 0, back_ = 15, mode_ = kDrawCopyPen, drawWidth_ = 1;
  double curX_ = 0, curY_ = 0;
};

}  // namespace kes
