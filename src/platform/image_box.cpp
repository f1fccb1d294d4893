#include "platform/image_box.h"

#include <QImageReader>
#include <QPainter>
#include <cmath>

#include "platform/picture_box.h"

namespace kes {

namespace {
bool samePlace(const TwipRect& a, const TwipRect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}
}  // namespace

ImageBox::ImageBox(PictureBox* box) : box_(box) {
  box_->onBackdrop = [this](QImage& target) { paint(target); };
}

ImageBox::~ImageBox() {
  if (box_) box_->onBackdrop = nullptr;
}

bool ImageBox::load(const std::string& path) {
  QImageReader reader(QString::fromStdString(path));
  reader.setAutoTransform(false);
  QImage img;
  if (!reader.read(&img) || img.isNull() || img.width() <= 0 || img.height() <= 0) return false;
  img = img.convertToFormat(QImage::Format_RGB32);
  if (img.isNull()) return false;
  picture_ = std::move(img);
  cachedFor_ = TwipRect{-1, -1, -1, -1};
  return true;
}

void ImageBox::clearPicture() {
  picture_ = QImage();
  scaled_ = QImage();
  cachedFor_ = TwipRect{-1, -1, -1, -1};
}

void ImageBox::setPlacement(const TwipRect& r) {
  if (!std::isfinite(r.left) || !std::isfinite(r.top) || !std::isfinite(r.width) ||
      !std::isfinite(r.height))
    return;
  place_ = r;
}

bool ImageBox::contains(double x, double y) const {
  return hasPicture() && visible_ && x >= place_.left && y >= place_.top &&
         x < place_.left + place_.width && y < place_.top + place_.height;
}

void ImageBox::paint(QImage& target) {
  if (!hasPicture() || !visible_ || place_.width <= 0 || place_.height <= 0 || target.isNull())
    return;
  if (!samePlace(cachedFor_, place_) || cachedSize_ != target.size()) {
    // The placement in the box's pixels, and the part of it that shows.
    const QRectF where(place_.left / kTwipsPerPixel, place_.top / kTwipsPerPixel,
                       place_.width / kTwipsPerPixel, place_.height / kTwipsPerPixel);
    const QRect shown = where.toAlignedRect() & target.rect();
    scaled_ = QImage();
    scaledAt_ = shown;
    if (!shown.isEmpty()) {
      scaled_ = QImage(shown.size(), QImage::Format_RGB32);
      scaled_.fill(Qt::white);
      QPainter p(&scaled_);
      p.setRenderHint(QPainter::SmoothPixmapTransform, true);
      p.drawImage(where.translated(-shown.topLeft()), picture_);
    }
    cachedFor_ = place_;
    cachedSize_ = target.size();
  }
  if (scaled_.isNull()) return;
  // Only the pixels the picture covers, so the box's background shows around it.
  const QRectF where(place_.left / kTwipsPerPixel, place_.top / kTwipsPerPixel,
                     place_.width / kTwipsPerPixel, place_.height / kTwipsPerPixel);
  QPainter p(&target);
  p.setClipRect(where);
  p.drawImage(scaledAt_.topLeft(), scaled_);
}

}  // namespace kes
