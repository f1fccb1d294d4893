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

  // Loads a picture by its content (a BMP or any format Qt reads); false,
  // with the picture kept, when the file is no picture, is truncated or too
  // big to hold.
  bool load(const std::string& path);
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
  QImage scaled_;     // the visible part, stretched for the present placement
  QRect scaledAt_;    // where that copy lies in the picture box's pixels
  TwipRect cachedFor_{-1, -1, -1, -1};
  QSize cachedSize_;
  TwipRect place_;
  bool visible_ = true;
};

}  // namespace kes
