#include "toolkit/view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <utility>

namespace toolkit {

int View::drawingDepth_ = 0;

View::View(QWidget* parent) : QWidget(parent) {
  frame_ = CGRectMake(0, 0, width(), height());
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void View::initWithFrame(CGRect frame) {
  frame_ = frame;
  fitToFrame();
}

void View::setZoom(double zoom) {
  if (!(zoom > 0) || zoom == zoom_) return;
  zoom_ = zoom;
  fitToFrame();
  update();
}

void View::fitToFrame() {
  const QSize size(static_cast<int>(std::ceil(frame_.size.width * zoom_)),
                   static_cast<int>(std::ceil(frame_.size.height * zoom_)));
  const bool changed = size != minimumSize() || size != maximumSize();
  setFixedSize(size);
  if (changed) emit sizeFixed(size);
}

CGRect View::toDevice(CGRect rect) const {
  const double z = zoom_;
  return CGRectMake(rect.origin.x * z, height() - (rect.origin.y + rect.size.height) * z,
                    rect.size.width * z, rect.size.height * z);
}

void View::setNeedsDisplay(bool flag) {
  if (flag) update();
}

void View::setNeedsDisplayInRect(CGRect rect) {
  const CGRect d = toDevice(rect);
  // Grow to whole pixels so no partly covered pixel is left stale, and clip to
  // the widget before converting, so far-off or NaN rectangles stay harmless.
  const double x0 = std::max(0.0, std::floor(d.origin.x));
  const double y0 = std::max(0.0, std::floor(d.origin.y));
  const double x1 = std::min<double>(width(), std::ceil(d.origin.x + d.size.width));
  const double y1 = std::min<double>(height(), std::ceil(d.origin.y + d.size.height));
  if (!(x1 > x0 && y1 > y0)) return;
  update(QRect(static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1 - x0),
               static_cast<int>(y1 - y0)));
}

void View::display() {
  if (paintingSelf_) {
    pendingDisplay_ = true;  // requested when this pass ends
  } else if (isDrawing() || !isVisible()) {
    update();
  } else {
    repaint();
  }
}

CGPoint View::convertPointFromWindow(CGPoint w) const {
  const QWidget* top = window();
  const QPointF local = mapFrom(top, QPointF(w.x, top->height() - w.y));
  const double x = local.x(), y = height() - local.y();  // y-up widget pixels
  if (zoom_ == 1.0) return {x, y};
  // The pixel's centre lies half a device pixel right of and below the point.
  // A centre exactly on a unit boundary belongs to the unit left of or above
  // it, as in Qt's nearest-neighbour sampling, so a pixel maps to the image
  // pixel it shows. At 1x a pixel gives its left edge in x and, through the
  // y-flip, its top edge in y: the unit's left edge, and its bottom edge + 1.
  // Whole device pixels keep the ties exact under a fractional screen scale.
  const double d = devicePixelRatioF();
  const double perUnit = d * zoom_;
  const double deviceX = std::round(x * d), deviceY = std::round(y * d);
  return {std::ceil((deviceX + 0.5) / perUnit) - 1, std::floor((deviceY - 0.5) / perUnit) + 1};
}

QImage View::bitmapOfRect(CGRect rect) {
  const int w = std::max(0, static_cast<int>(rect.size.width));
  const int h = std::max(0, static_cast<int>(rect.size.height));
  QImage image(w, h, QImage::Format_RGB32);
  if (image.isNull()) return image;
  image.fill(Qt::white);
  QPainter painter(&image);
  // Canvas point (x, y) lands on pixel (x - minX, maxY - y): row 0 at the top.
  painter.setTransform(QTransform(1, 0, 0, -1, -rect.origin.x, NSMaxY(rect)));
  GraphicsContext context(painter);
  ++drawingDepth_;
  drawRect(context, rect);
  --drawingDepth_;
  return image;
}

void View::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.translate(0, height());
  painter.scale(zoom_, -zoom_);
  GraphicsContext context(painter);
  const QRect r = event->rect();
  const CGRect dirty = CGRectMake(r.x() / zoom_, (height() - (r.y() + r.height())) / zoom_,
                                  r.width() / zoom_, r.height() / zoom_);
  pendingDisplay_ = false;
  ++drawingDepth_;
  paintingSelf_ = true;
  drawRect(context, dirty);
  paintingSelf_ = false;
  --drawingDepth_;
  painter.resetTransform();
  paintKeyboardMarks(painter);
  if (pendingDisplay_) {
    pendingDisplay_ = false;
    update();
  }
}

void View::setKeyboardCursor(std::optional<CGPoint> point) {
  if (point.has_value() == keyboardCursor_.has_value() &&
      (!point || (point->x == keyboardCursor_->x && point->y == keyboardCursor_->y))) {
    return;
  }
  keyboardCursor_ = point;
  update();
}

void View::paintKeyboardMarks(QPainter& painter) const {
  // Qt's styles show focus only once the keyboard has moved it; so does the ring.
  const bool ring = hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange);
  if (!ring && !keyboardCursor_) return;
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  if (ring) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
  if (keyboardCursor_) {
    // The centre of the unit's pixels, in a colour that shows on white and on colour.
    const QPointF c((keyboardCursor_->x + 0.5) * zoom_,
                    height() - (keyboardCursor_->y + 0.5) * zoom_);
    const double arm = 6 * std::max(1.0, zoom_ / 2);
    for (const auto& [colour, width] : {std::pair{QColor(Qt::white), 3}, {QColor(Qt::black), 1}}) {
      painter.setPen(QPen(colour, width));
      painter.drawLine(QPointF(c.x() - arm, c.y()), QPointF(c.x() + arm, c.y()));
      painter.drawLine(QPointF(c.x(), c.y() - arm), QPointF(c.x(), c.y() + arm));
    }
  }
}

void View::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  mouseDown(Event::mouse(Event::windowPoint(*this, event->position())));
}

void View::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  mouseDragged(Event::mouse(Event::windowPoint(*this, event->position())));
}

void View::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  mouseUp(Event::mouse(Event::windowPoint(*this, event->position())));
}

}  // namespace toolkit
