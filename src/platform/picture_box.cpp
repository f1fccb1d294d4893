#include "platform/picture_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>
#include <utility>

namespace kes {

namespace {

constexpr double kTwipsPerPixel = 15.0;
// One printed line: 195 twips, an 8-point font's line (the recording surface
// advances by the same amount, so both agree on where the next line starts).
constexpr double kLinePixels = 195.0 / kTwipsPerPixel;
// Pixel positions beyond this distance from the picture draw nothing: the
// view may be zoomed far into the sail, but nothing that far out can show.
constexpr double kFar = 1.0e6;
// Lines are clipped to the picture grown by this margin, so the clipped ends
// lie outside the visible pixels.
constexpr double kClipMargin = 2.0;

constexpr QRgb kPalette[16] = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),     qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128),   qRgb(128, 128, 0), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),     qRgb(0, 255, 0),   qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255),   qRgb(255, 255, 0), qRgb(255, 255, 255),
};

bool validColour(int c) { return c >= 0 && c < 16; }

bool finite(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

bool usable(QPointF p) {
  return std::isfinite(p.x()) && std::isfinite(p.y()) && std::fabs(p.x()) <= kFar &&
         std::fabs(p.y()) <= kFar;
}

int floorInt(double v) { return static_cast<int>(std::floor(v)); }

// Cohen-Sutherland: clips the segment a-b to the rectangle [x0, x1] x
// [y0, y1]. An end moved onto an edge gets that edge's coordinate exactly, so
// a level line far out on both sides keeps its row. False when nothing of it
// lies inside.
bool clipSegment(double& ax, double& ay, double& bx, double& by, double x0, double y0, double x1,
                 double y1) {
  const auto code = [&](double x, double y) {
    return (x < x0 ? 1 : 0) | (x > x1 ? 2 : 0) | (y < y0 ? 4 : 0) | (y > y1 ? 8 : 0);
  };
  // Where the segment crosses a coordinate, as a fraction; halves keep the
  // differences of the largest doubles finite.
  const auto frac = [](double edge, double from, double to) {
    return (edge / 2 - from / 2) / (to / 2 - from / 2);
  };
  int ca = code(ax, ay), cb = code(bx, by);
  for (int guard = 0; guard < 8; ++guard) {
    if ((ca | cb) == 0) return true;
    if ((ca & cb) != 0) return false;
    const bool moveA = ca != 0;
    const int c = moveA ? ca : cb;
    double x, y;
    if (c & 1) {
      x = x0;
      y = ay + (by - ay) * frac(x0, ax, bx);
    } else if (c & 2) {
      x = x1;
      y = ay + (by - ay) * frac(x1, ax, bx);
    } else if (c & 4) {
      y = y0;
      x = ax + (bx - ax) * frac(y0, ay, by);
    } else {
      y = y1;
      x = ax + (bx - ax) * frac(y1, ay, by);
    }
    if (!std::isfinite(x) || !std::isfinite(y)) return false;
    if (moveA) {
      ax = x;
      ay = y;
      ca = code(ax, ay);
    } else {
      bx = x;
      by = y;
      cb = code(bx, by);
    }
  }
  return (ca | cb) == 0;
}

int buttonCode(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
  }
}

int buttonsCode(Qt::MouseButtons bs) {
  return (bs & Qt::LeftButton ? 1 : 0) | (bs & Qt::RightButton ? 2 : 0) |
         (bs & Qt::MiddleButton ? 4 : 0);
}

int shiftCode(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
         (m & Qt::AltModifier ? 4 : 0);
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  font_.setStyleHint(QFont::SansSerif);
  font_.setFamily(QStringLiteral("Sans Serif"));
  font_.setPointSize(8);
  font_.setStyleStrategy(QFont::NoAntialias);
}

PictureBox::~PictureBox() = default;

QColor PictureBox::paletteColor(int colour) {
  return validColour(colour) ? QColor(kPalette[colour]) : QColor();
}

// ---------------------------------------------------------------- mapping

QPointF PictureBox::toPixels(double x, double y) const {
  return QPointF((x - left_) / width_ * width(), (y - top_) / height_ * height());
}

QPointF PictureBox::toUser(QPointF p) const {
  const double w = width() > 0 ? width() : 1;
  const double h = height() > 0 ? height() : 1;
  return QPointF(left_ + p.x() / w * width_, top_ + p.y() / h * height_);
}

QPoint PictureBox::pixelOf(double x, double y) const {
  const QPointF p = toPixels(x, y);
  if (!usable(p)) return QPoint(-1, -1);
  return QPoint(floorInt(p.x()), floorInt(p.y()));
}

QColor PictureBox::colourAt(double x, double y) const {
  const QPoint p = pixelOf(x, y);
  if (image_.isNull() || !image_.rect().contains(p)) return QColor();
  return QColor(image_.pixel(p));
}

double PictureBox::widthTwips() const { return width() * kTwipsPerPixel; }
double PictureBox::heightTwips() const { return height() * kTwipsPerPixel; }

void PictureBox::setGeometryTwips(double left, double top, double width, double height) {
  const auto px = [](double twips) {
    if (!std::isfinite(twips)) return 0;
    return static_cast<int>(std::lround(std::clamp(twips / kTwipsPerPixel, -kFar, kFar)));
  };
  if (!std::isfinite(left) || !std::isfinite(top) || !std::isfinite(width) || !std::isfinite(height))
    return;
  setGeometry(px(left), px(top), std::max(0, px(width)), std::max(0, px(height)));
}

bool PictureBox::setScale(double left, double top, double right, double bottom) {
  const double w = right - left;
  const double h = bottom - top;
  if (w == 0.0 || h == 0.0 || !std::isfinite(w) || !std::isfinite(h) || !std::isfinite(left) ||
      !std::isfinite(top))
    return false;
  left_ = left;
  top_ = top;
  width_ = w;
  height_ = h;
  if (record_) record_->setScale(left, top, right, bottom);
  return true;
}

// ---------------------------------------------------------------- image

void PictureBox::ensureImage() {
  const QSize want(std::max(0, width()), std::max(0, height()));
  if (image_.size() == want && !image_.isNull()) return;
  if (want.isEmpty()) {
    image_ = QImage();
    mask_ = QImage();
    return;
  }
  image_ = QImage(want, QImage::Format_RGB32);
  image_.fill(kPalette[validColour(back_) ? back_ : 15]);
  mask_ = QImage(want, QImage::Format_Alpha8);
  mask_.fill(0);
  dirty_ = QRect();
  if (record_) record_->setSizeTwips(widthTwips(), heightTwips());
}

bool PictureBox::resolve(int colour, QRgb& rgb) const {
  const int c = colour == kForeColor ? fore_ : colour;
  if (!validColour(c)) return false;
  rgb = kPalette[c];
  return true;
}

void PictureBox::put(int x, int y, QRgb rgb) {
  if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return;
  QRgb* px = reinterpret_cast<QRgb*>(image_.scanLine(y)) + x;
  if (mode_ == kDrawXorPen)
    *px = (*px ^ (rgb & 0x00FFFFFFu)) | 0xFF000000u;
  else
    *px = rgb | 0xFF000000u;
}

// Bresenham from (x0, y0) toward (x1, y1), leaving out the last pixel; every
// pixel is touched once.
void PictureBox::plotLine(int x0, int y0, int x1, int y1, QRgb rgb) {
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  while (x0 != x1 || y0 != y1) {
    put(x0, y0, rgb);
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

void PictureBox::markMask(int x, int y) {
  if (x < 0 || y < 0 || x >= mask_.width() || y >= mask_.height()) return;
  mask_.scanLine(y)[x] = 255;
  dirty_ |= QRect(x, y, 1, 1);
}

// Applies the shape held in the mask once per pixel, then empties the mask.
void PictureBox::commitMask(QRgb rgb, bool xorPen) {
  const QRect r = dirty_ & mask_.rect();
  const int saved = mode_;
  if (!xorPen) mode_ = kDrawCopyPen;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    uchar* m = mask_.scanLine(y);
    for (int x = r.left(); x <= r.right(); ++x) {
      if (m[x] >= 128) put(x, y, rgb);
      m[x] = 0;
    }
  }
  mode_ = saved;
  dirty_ = QRect();
}

// Paints a shape with Qt into the mask, limited to bounds, so that it can be
// applied with either pen.
template <class Paint>
void PictureBox::paintMask(QRect bounds, Paint&& paint) {
  const QRect r = bounds & mask_.rect();
  if (r.isEmpty()) return;
  {
    QPainter p(&mask_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setClipRect(r);
    std::forward<Paint>(paint)(p);
  }
  dirty_ |= r;
}

// Asks the window system to show the image again; once per paint procedure
// and once per pending repaint, since a paint draws a thousand segments.
void PictureBox::showLater() {
  if (painting_ || (updatePending_ && isVisible())) return;
  updatePending_ = isVisible();  // a hidden box is painted in full when it is shown
  update();
}

void PictureBox::clear() {
  ensureImage();
  if (!image_.isNull()) image_.fill(kPalette[validColour(back_) ? back_ : 15]);
  if (!image_.isNull() && onBackdrop) onBackdrop(image_);
  curX_ = left_;
  curY_ = top_;
  if (record_) record_->clear();
  showLater();
}

void PictureBox::refresh() {
  if (painting_) {  // a paint procedure asking for its own refresh: no endless recursion
    showLater();
    return;
  }
  clear();
  if (onPaint) {
    struct Guard {
      bool& flag;
      ~Guard() { flag = false; }
    } guard{painting_};
    painting_ = true;
    onPaint();
  }
  showLater();
}

void PictureBox::setRecording(bool on) {
  if (!on) {
    record_.reset();
    return;
  }
  if (record_) return;
  record_ = std::make_unique<RecordingSurface>(widthTwips(), heightTwips());
  record_->setScale(left_, top_, left_ + width_, top_ + height_);
  record_->setForeColor(fore_);
  record_->setBackColor(back_);
  record_->setDrawMode(mode_);
  record_->setDrawWidth(drawWidth_);
  record_->forget();
  record_->setCurrent(curX_, curY_);
}

const std::vector<DrawOp>& PictureBox::ops() const {
  static const std::vector<DrawOp> none;
  return record_ ? record_->ops() : none;
}

// ---------------------------------------------------------------- state

void PictureBox::setForeColor(int colour) {
  if (!validColour(colour)) return;
  fore_ = colour;
  if (record_) record_->setForeColor(colour);
}

void PictureBox::setBackColor(int colour) {
  if (!validColour(colour)) return;
  back_ = colour;
  if (record_) record_->setBackColor(colour);  // records its clear
  ensureImage();
  if (!image_.isNull()) image_.fill(kPalette[back_]);
  curX_ = left_;
  curY_ = top_;
  showLater();
}

void PictureBox::setDrawMode(int mode) {
  if (mode < 1 || mode > 16) return;
  mode_ = mode;
  if (record_) record_->setDrawMode(mode);
}

void PictureBox::setDrawWidth(int pixels) {
  if (pixels < 1 || pixels > 1000) return;
  drawWidth_ = pixels;
  if (record_) record_->setDrawWidth(pixels);
}

// ---------------------------------------------------------------- drawing

bool PictureBox::beginShape(double curX, double curY, int colour, QRgb& rgb) {
  curX_ = curX;
  curY_ = curY;
  ensureImage();
  return !image_.isNull() && resolve(colour, rgb);
}

void PictureBox::point(double x, double y, int colour) {
  if (record_) record_->point(x, y, colour);
  QRgb rgb;
  if (!beginShape(x, y, colour, rgb)) return;
  const QPointF p = toPixels(x, y);
  if (!usable(p)) return;
  const int ix = floorInt(p.x()), iy = floorInt(p.y());
  if (drawWidth_ <= 1) {
    put(ix, iy, rgb);
  } else {
    const int w = drawWidth_;
    paintMask(QRect(ix - w, iy - w, 2 * w + 1, 2 * w + 1), [&](QPainter& pa) {
      pa.setPen(Qt::NoPen);
      pa.setBrush(Qt::black);
      pa.drawEllipse(QPointF(ix + 0.5, iy + 0.5), w / 2.0, w / 2.0);
    });
    commitMask(rgb, mode_ == kDrawXorPen);
  }
  showLater();
}

void PictureBox::line(double x1, double y1, double x2, double y2, int colour) {
  if (record_) record_->line(x1, y1, x2, y2, colour);
  QRgb rgb;
  if (!beginShape(x2, y2, colour, rgb)) return;
  const QPointF a = toPixels(x1, y1), b = toPixels(x2, y2);
  double ax = a.x(), ay = a.y(), bx = b.x(), by = b.y();
  if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) || !std::isfinite(by)) return;
  const double m = kClipMargin + drawWidth_;
  if (!clipSegment(ax, ay, bx, by, -m, -m, image_.width() + m, image_.height() + m)) return;
  const int ix0 = floorInt(ax), iy0 = floorInt(ay), ix1 = floorInt(bx), iy1 = floorInt(by);
  if (drawWidth_ <= 1) {
    plotLine(ix0, iy0, ix1, iy1, rgb);
  } else {
    const int w = drawWidth_;
    const QRect bounds = QRect(QPoint(std::min(ix0, ix1), std::min(iy0, iy1)),
                               QPoint(std::max(ix0, ix1), std::max(iy0, iy1)))
                             .adjusted(-w, -w, w, w);
    paintMask(bounds, [&](QPainter& pa) {
      pa.setPen(QPen(Qt::black, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      pa.drawLine(QPointF(ix0 + 0.5, iy0 + 0.5), QPointF(ix1 + 0.5, iy1 + 0.5));
    });
    commitMask(rgb, mode_ == kDrawXorPen);
  }
  showLater();
}

void PictureBox::lineTo(double x2, double y2, int colour) { line(curX_, curY_, x2, y2, colour); }

void PictureBox::box(double x1, double y1, double x2, double y2, int colour) {
  if (record_) record_->box(x1, y1, x2, y2, colour);
  QRgb rgb;
  if (!beginShape(x2, y2, colour, rgb)) return;
  const QPointF a = toPixels(x1, y1), b = toPixels(x2, y2);
  if (!finite(a) || !finite(b)) return;
  // Corners beyond the picture are pulled in to just outside it: the visible
  // part of the outline stays the same.
  const int W = image_.width(), H = image_.height(), m = 2 + drawWidth_;
  const auto cx = [&](double v) { return floorInt(std::clamp(v, double(-m), double(W + m))); };
  const auto cy = [&](double v) { return floorInt(std::clamp(v, double(-m), double(H + m))); };
  const int xl = std::min(cx(a.x()), cx(b.x())), xr = std::max(cx(a.x()), cx(b.x()));
  const int yt = std::min(cy(a.y()), cy(b.y())), yb = std::max(cy(a.y()), cy(b.y()));
  if (drawWidth_ <= 1) {
    // Each pixel of the outline once: top and bottom rows, then the sides between them.
    for (int x = xl; x <= xr; ++x) put(x, yt, rgb);
    if (yb != yt)
      for (int x = xl; x <= xr; ++x) put(x, yb, rgb);
    for (int y = yt + 1; y < yb; ++y) {
      put(xl, y, rgb);
      if (xr != xl) put(xr, y, rgb);
    }
  } else {
    const int w = drawWidth_;
    paintMask(QRect(QPoint(xl, yt), QPoint(xr, yb)).adjusted(-w, -w, w, w), [&](QPainter& pa) {
      pa.setPen(QPen(Qt::black, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
      pa.setBrush(Qt::NoBrush);
      pa.drawRect(QRectF(QPointF(xl + 0.5, yt + 0.5), QPointF(xr + 0.5, yb + 0.5)));
    });
    commitMask(rgb, mode_ == kDrawXorPen);
  }
  showLater();
}

void PictureBox::filledBox(double x1, double y1, double x2, double y2, int colour) {
  if (record_) record_->filledBox(x1, y1, x2, y2, colour);
  QRgb rgb;
  if (!beginShape(x2, y2, colour, rgb)) return;
  const QPointF a = toPixels(x1, y1), b = toPixels(x2, y2);
  if (!finite(a) || !finite(b)) return;
  const int W = image_.width(), H = image_.height();
  const auto cx = [&](double v) { return floorInt(std::clamp(v, -1.0, double(W))); };
  const auto cy = [&](double v) { return floorInt(std::clamp(v, -1.0, double(H))); };
  const int xl = std::max(0, std::min(cx(a.x()), cx(b.x())));
  const int xr = std::min(W - 1, std::max(cx(a.x()), cx(b.x())));
  const int yt = std::max(0, std::min(cy(a.y()), cy(b.y())));
  const int yb = std::min(H - 1, std::max(cy(a.y()), cy(b.y())));
  for (int y = yt; y <= yb; ++y)
    for (int x = xl; x <= xr; ++x) put(x, y, rgb);
  showLater();
}

void PictureBox::circle(double x, double y, double radius, int colour) {
  if (record_) record_->circle(x, y, radius, colour);
  QRgb rgb;
  if (!beginShape(x, y, colour, rgb)) return;
  const QPointF c = toPixels(x, y);
  // The radius is measured along the horizontal scale; the circle is round in pixels.
  const double rpx = std::fabs(radius / width_ * image_.width());
  if (!usable(c) || !std::isfinite(radius) || radius < 0.0 || !(rpx <= kFar)) return;
  const int W = image_.width(), H = image_.height();
  const int cx = floorInt(c.x()), cy = floorInt(c.y());
  const int r = static_cast<int>(std::lround(rpx));
  const int w = drawWidth_;
  // Nothing to draw when the ring misses the picture or encloses all of it.
  const double nearX = std::clamp<double>(cx, 0, W - 1) - cx, nearY = std::clamp<double>(cy, 0, H - 1) - cy;
  const double farX = std::max(std::fabs(double(cx)), std::fabs(double(cx - (W - 1))));
  const double farY = std::max(std::fabs(double(cy)), std::fabs(double(cy - (H - 1))));
  if (std::hypot(nearX, nearY) > r + w + 1 || std::hypot(farX, farY) < r - w - 1) return;
  if (w <= 1) {
    // Midpoint circle into the mask, so that the octants' shared pixels are applied once.
    long long px = r, py = 0, err = 1 - r;
    while (px >= py) {
      const int a = static_cast<int>(px), b = static_cast<int>(py);
      markMask(cx + a, cy + b);
      markMask(cx - a, cy + b);
      markMask(cx + a, cy - b);
      markMask(cx - a, cy - b);
      markMask(cx + b, cy + a);
      markMask(cx - b, cy + a);
      markMask(cx + b, cy - a);
      markMask(cx - b, cy - a);
      ++py;
      if (err < 0) {
        err += 2 * py + 1;
      } else {
        --px;
        err += 2 * (py - px) + 1;
      }
    }
  } else {
    paintMask(QRect(cx - r - w, cy - r - w, 2 * (r + w) + 1, 2 * (r + w) + 1), [&](QPainter& pa) {
      pa.setPen(QPen(Qt::black, w));
      pa.setBrush(Qt::NoBrush);
      pa.drawEllipse(QPointF(cx + 0.5, cy + 0.5), double(r), double(r));
    });
  }
  commitMask(rgb, mode_ == kDrawXorPen);
  showLater();
}

void PictureBox::print(std::string_view text) {
  if (record_) record_->print(text);
  ensureImage();
  const QPointF p = toPixels(curX_, curY_);
  QRgb rgb;
  if (!image_.isNull() && usable(p) && resolve(kForeColor, rgb) && !text.empty()) {
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const int ix = floorInt(p.x()), iy = floorInt(p.y());
    const QFontMetrics fm(font_, &mask_);
    const QRect bounds(ix - 2, iy - 2, fm.horizontalAdvance(s) + 4, fm.height() + 4);
    paintMask(bounds, [&](QPainter& pa) {
      pa.setFont(font_);
      pa.setPen(Qt::black);
      pa.drawText(QPointF(ix, iy + fm.ascent()), s);
    });
    commitMask(rgb, false);  // text ignores the exclusive-or pen
    showLater();
  }
  curX_ = left_;
  if (height() > 0) curY_ += kLinePixels * height_ / height();
}

// ---------------------------------------------------------------- events

void PictureBox::paintEvent(QPaintEvent*) {
  updatePending_ = false;
  QPainter p(this);
  if (image_.isNull())
    p.fillRect(rect(), QColor(kPalette[validColour(back_) ? back_ : 15]));
  else
    p.drawImage(0, 0, image_);
}

void PictureBox::resizeEvent(QResizeEvent*) {
  if (image_.size() == size()) return;
  refresh();  // the new image comes cleared, and the paint procedure fills it again
}

void PictureBox::mousePressEvent(QMouseEvent* e) {
  const int code = buttonCode(e->button());
  if (code == 0 || !onMouseDown) return;
  const QPointF u = toUser(e->position());
  onMouseDown(code, shiftCode(e->modifiers()), u.x(), u.y());
}

void PictureBox::mouseMoveEvent(QMouseEvent* e) {
  if (!onMouseMove) return;
  const QPointF u = toUser(e->position());
  onMouseMove(buttonsCode(e->buttons()), shiftCode(e->modifiers()), u.x(), u.y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
  const int code = buttonCode(e->button());
  if (code == 0 || !onMouseUp) return;
  const QPointF u = toUser(e->position());
  onMouseUp(code, shiftCode(e->modifiers()), u.x(), u.y());
}

}  // namespace kes
