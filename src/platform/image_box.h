#pragma once
// The image control of a picture box: a picture loaded from a file, placed
// in twips inside its picture box and stretched to the size it is given. It
// is drawn as the picture box's backdrop: every clear of the picture box
// paints it again, so drawings over the photo last until the next clear.
// The stretched copy of the visible part is made once per placement, so a
// redraw only copies it.

#include <QImage>
#include <string>

#include "platform/controls.h"

namespace kes {

class PictureBox;

class ImageBox {
 public:
  // Draws into box's backdrop from now on.
  explicit ImageBox(PictureBox* box);
  ~ImageBox();
  ImageBox(const ImageBox&) = delete;
  ImageBox& operator=(const ImageBox&) = delete;

  enum class Load { Loaded, NotAPicture, TooLarge };
  // Loads a picture by its content (a BMP or any format Qt reads). Photos
  // up to kPhotoLimitMB megabytes at 4 bytes per pixel are held (a camera's
  // 12000 x 9000 photo among them). Refused, with the picture kept: a file
  // that is no picture or is truncated, and a larger one (TooLarge, its size
  // in refusedWidth and refusedHeight).
  Load load(const std::string& path);
  static constexpr int kPhotoLimitMB = 1024;
  int refusedWidth() const { return refused_.width(); }
  int refusedHeight() const { return refused_.height(); }
  void clearPicture();
  bool hasPicture() const { return !picture_.isNull(); }
  // The picture's natural size in pixels (0 without a picture).
  int naturalWidth() const { return picture_.width(); }
  int naturalHeight() const { return picture_.height(); }

  // Left, top, width and height in the picture box's twips.
  void setPlacement(const TwipRect& r);
  const TwipRect& placement() const { return place_; }
  void setVisible(bool on) { visible_ = on; }
  bool visible() const { return visible_; }
  // True when the picture box position (twips) lies on the shown picture.
  bool contains(double x, double y) const;

  // Draws the stretched picture into the picture box's image.
  void paint(QImage& target);

 private:
  PictureBox* box_;
  QImage picture_;
  QSize refused_;     // the size of the last picture refused as too large
  QImage scaled_;     // the visible part, stretched for the present placement
  QRect scaledAt_;    // where that copy lies in the picture box's pixels
  TwipRect cachedFor_{-1, -1, -1, -1};
  QSize cachedSize_;
  TwipRect place_;
  bool visible_ = true;
};

}  // namespace kes
