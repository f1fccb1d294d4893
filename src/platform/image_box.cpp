#include "platform/image_box.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "platform/picture_box.h"

namespace kes {

namespace {
bool samePlace(const TwipRect& a, const TwipRect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

// The width and height in a BMP's header (none when the file is no BMP).
// Qt's reader tells no size for a BMP past its own pixel ceiling, whose
// header is read here so that the refusal can name it. The header must be
// one of the known kinds with one plane and a known depth, so that a file
// of other bytes beginning "BM" never gives a size.
QSize bmpHeaderSize(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray h = f.read(30);
  if (h.size() < 30 || !h.startsWith("BM")) return {};
  const char* p = h.constData();
  const quint32 infoSize = qFromLittleEndian<quint32>(p + 14);
  qint32 w = 0, ht = 0;
  int planes = 0, bits = 0;
  if (infoSize == 12) {  // the oldest header: 16-bit sizes
    w = qFromLittleEndian<quint16>(p + 18);
    ht = qFromLittleEndian<quint16>(p + 20);
    planes = qFromLittleEndian<quint16>(p + 22);
    bits = qFromLittleEndian<quint16>(p + 24);
  } else if (infoSize == 40 || infoSize == 52 || infoSize == 56 || infoSize == 64 ||
             infoSize == 108 || infoSize == 124) {
    w = qFromLittleEndian<qint32>(p + 18);
    ht = qFromLittleEndian<qint32>(p + 22);  // negative: rows stored top down
    planes = qFromLittleEndian<quint16>(p + 26);
    bits = qFromLittleEndian<quint16>(p + 28);
  }
  const bool knownDepth = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
  if (planes != 1 || !knownDepth || w <= 0 || ht == 0 || ht == INT_MIN) return {};
  return QSize(w, std::abs(ht));
}
}  // namespace

ImageBox::ImageBox(PictureBox* box) : box_(box) {
  box_->onBackdrop = [this](QImage& target) { paint(target); };
}

ImageBox::~ImageBox() {
  if (box_) box_->onBackdrop = nullptr;
}

ImageBox::Load ImageBox::load(const std::string& path) {
  // Qt's reader refuses pictures above 256 MB by default, which a camera's
  // photo passes; the photo limit stands in its place for every reader.
  static const bool limitSet = [] {
    QImageReader::setAllocationLimit(kPhotoLimitMB);
    return true;
  }();
  (void)limitSet;
  refused_ = QSize();
  QImageReader reader(QString::fromStdString(path));
  reader.setAutoTransform(false);
  // The size in the header decides before any pixel is read; the picture
  // is held at 4 bytes per pixel.
  QSize size = reader.size();
  if (!size.isValid()) size = bmpHeaderSize(QString::fromStdString(path));
  constexpr qint64 kLimitBytes = qint64{kPhotoLimitMB} << 20;
  if (size.isValid() && qint64{size.width()} * size.height() * 4 > kLimitBytes) {
    refused_ = size;
    return Load::TooLarge;
  }
  QImage img;
  if (!reader.read(&img) || img.isNull() || img.width() <= 0 || img.height() <= 0)
    return Load::NotAPicture;
  img = img.convertToFormat(QImage::Format_RGB32);
  if (img.isNull()) return Load::NotAPicture;
  picture_ = std::move(img);
  cachedFor_ = TwipRect{-1, -1, -1, -1};
  return Load::Loaded;
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
