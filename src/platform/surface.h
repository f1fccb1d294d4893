#pragma once
// A picture box's drawing surface: vector drawing in a user coordinate
// system (the scale), colours of the standard 16-colour palette, the copy pen
// and the exclusive-or pen. The plan view, the section strip and every
// overlay draw through this interface; the window's picture box implements
// it on Qt and a recording surface implements it for tests.

#include <string_view>

namespace kes {

// Draw modes as the picture boxes number them.
inline constexpr int kDrawCopyPen = 13;
inline constexpr int kDrawXorPen = 7;

// Colour argument meaning "the surface's own foreground colour".
inline constexpr int kForeColor = -1;

// The numbers of the 16-colour palette that the sail's drawings use.
inline constexpr int kBlack = 0;
inline constexpr int kBlue = 1;
inline constexpr int kCyan = 3;
inline constexpr int kGrey = 7;
inline constexpr int kLightBlue = 9;
inline constexpr int kLightGreen = 10;
inline constexpr int kLightCyan = 11;
inline constexpr int kLightRed = 12;
inline constexpr int kYellow = 14;
inline constexpr int kWhite = 15;

class Surface {
 public:
  virtual ~Surface() = default;

  // User scale: upper-left corner (left, top), lower-right corner (right,
  // bottom). top > bottom makes y grow upward. A scale whose width or height
  // is 0 is refused (the old scale stays) and returns false.
  virtual bool setScale(double left, double top, double right, double bottom) = 0;
  virtual double scaleLeft() const = 0;
  virtual double scaleTop() const = 0;
  virtual double scaleWidth() const = 0;   // right - left
  virtual double scaleHeight() const = 0;  // bottom - top (negative when y grows upward)

  // Outer size of the control in twips (15 per device-independent pixel).
  virtual double widthTwips() const = 0;
  virtual double heightTwips() const = 0;

  // Clears to the background colour and puts the current position at the
  // scale's upper-left corner.
  virtual void clear() = 0;

  virtual void setForeColor(int colour) = 0;  // 0..15
  virtual int foreColor() const = 0;
  virtual void setBackColor(int colour) = 0;  // 0..15; clears, as a picture box does
  virtual int backColor() const = 0;
  virtual void setDrawMode(int mode) = 0;     // kDrawCopyPen or kDrawXorPen
  virtual int drawMode() const = 0;
  virtual void setDrawWidth(int pixels) = 0;

  // Drawing; colour kForeColor uses the foreground colour. Each moves the
  // current position: point to (x, y), line to its end, circle to its centre.
  virtual void point(double x, double y, int colour = kForeColor) = 0;
  virtual void line(double x1, double y1, double x2, double y2, int colour = kForeColor) = 0;
  virtual void lineTo(double x2, double y2, int colour = kForeColor) = 0;  // from the current position
  virtual void box(double x1, double y1, double x2, double y2, int colour = kForeColor) = 0;
  virtual void filledBox(double x1, double y1, double x2, double y2, int colour = kForeColor) = 0;
  virtual void circle(double x, double y, double radius, int colour = kForeColor) = 0;
  // Prints text with its top-left corner at the current position in the
  // foreground colour, then moves the current position to the start of the
  // next line.
  virtual void print(std::string_view text) = 0;
  virtual double currentX() const = 0;
  virtual double currentY() const = 0;
};

}  // namespace kes
