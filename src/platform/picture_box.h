#pragma once
// A picture box: a widget that shows an image drawn through the Surface
// interface in user coordinates. Drawing goes to the image at once, so an
// overlay drawn after a refresh stays until the next refresh. refresh()
// clears and runs the paint procedure synchronously. The window system's
// expose only shows the image; a resize re-creates the image at the new size
// and runs the paint procedure. Mouse events arrive in user coordinates with
// the picture-box button codes (1 left, 2 right, 4 middle; during a move the set
// of held buttons) and shift codes (1 shift, 2 ctrl, 4 alt).
//
// Pixels: user (x, y) lands on the pixel floor((x - left) / width * W),
// floor((y - top) / height * H). A line leaves out its last pixel, as classic
// picture-box pens do, so a polyline or a rubber line drawn twice
// with the exclusive-or pen restores every pixel. Text is always drawn with
// the copy pen (the exclusive-or pen acts on lines, boxes, circles and
// points). Coordinates that are not finite or lie far outside the picture
// draw nothing; lines are clipped to the picture first.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/recording_surface.h"
#include "platform/surface.h"

namespace kes {

class PictureBox : public QWidget, public Surface {
  Q_OBJECT
 public:
  explicit PictureBox(QWidget* parent = nullptr);
  ~PictureBox() override;

  // The paint procedure; refresh() and a resize run it on a cleared image.
  std::function<void()> onPaint;
  // Mouse handlers: button code, shift state, x, y in user units.
  std::function<void(int button, int shift, double x, double y)> onMouseDown, onMouseMove, onMouseUp;
  // Painted over the background by every clear: a picture shown under the drawings.
  std::function<void(QImage& image)> onBackdrop;

  void refresh();  // clear + onPaint, at once

  // Place in twips relative to the parent's client area (15 twips per pixel).
  void setGeometryTwips(double left, double top, double width, double height);

  // Keep a record of the operations drawn since the last clear (tests).
  void setRecording(bool on);
  const std::vector<DrawOp>& ops() const;
  const QImage& image() const { return image_; }
  // The pixel a user point lands on (may lie outside the image).
  QPoint pixelOf(double x, double y) const;
  // The colour of the pixel at user (x, y), or an invalid colour outside the image.
  QColor colourAt(double x, double y) const;

  // Surface
  bool setScale(double left, double top, double right, double bottom) override;
  double scaleLeft() const override { return left_; }
  double scaleTop() const override { return top_; }
  double scaleWidth() const override { return width_; }
  double scaleHeight() const override { return height_; }
  double widthTwips() const override;
  double heightTwips() const override;
  void clear() override;
  void setForeColor(int colour) override;
  int foreColor() const override { return fore_; }
  void setBackColor(int colour) override;
  int backColor() const override { return back_; }
  void setDrawMode(int mode) override;
  int drawMode() const override { return mode_; }
  void setDrawWidth(int pixels) override;
  void point(double x, double y, int colour = kForeColor) override;
  void line(double x1, double y1, double x2, double y2, int colour = kForeColor) override;
  void lineTo(double x2, double y2, int colour = kForeColor) override;
  void box(double x1, double y1, double x2, double y2, int colour = kForeColor) override;
  void filledBox(double x1, double y1, double x2, double y2, int colour = kForeColor) override;
  void circle(double x, double y, double radius, int colour = kForeColor) override;
  void print(std::string_view text) override;
  double currentX() const override { return curX_; }
  double currentY() const override { return curY_; }

  // The 16-colour palette.
  static QColor paletteColor(int colour);

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  // The second press of a double-click is no new press: one click's work only.
  void mouseDoubleClickEvent(QMouseEvent*) override {}

 private:
  QPointF toPixels(double x, double y) const;
  QPointF toUser(QPointF pixels) const;
  void ensureImage();
  // Moves the current position, makes sure the image exists and resolves the
  // colour; false when there is nothing to draw on or the colour is unknown.
  bool beginShape(double curX, double curY, int colour, QRgb& rgb);
  void showLater();
  bool resolve(int colour, QRgb& rgb) const;
  void put(int x, int y, QRgb rgb);
  void plotLine(int x0, int y0, int x1, int y1, QRgb rgb);
  void markMask(int x, int y);
  void commitMask(QRgb rgb, bool xorPen);
  template <class Paint>
  void paintMask(QRect bounds, Paint&& paint);
  QImage image_;
  QImage mask_;   // Alpha8 scratch: a shape's pixels, each set once, before they are applied
  QRect dirty_;   // the part of mask_ that holds a shape
  QFont font_;
  std::unique_ptr<RecordingSurface> record_;
  double left_ = 0, top_ = 0, width_ = 1, height_ = 1;
  int fore_ = 0, back_ = 15, mode_ = kDrawCopyPen, drawWidth_ = 1;
  double curX_ = 0, curY_ = 0;
  bool painting_ = false;
  bool updatePending_ = false;
};

}  // namespace kes
