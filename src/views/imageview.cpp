#include "views/imageview.h"

#include "toolkit/bezierpath.h"

void ImageView::setImage(const QImage& image) {
  _image = image;
  setNeedsDisplay(true);
}

void ImageView::drawRect(toolkit::GraphicsContext& context, CGRect) {
  toolkit::Color::whiteColor().set(context);
  toolkit::BezierPath::fillRect(context, bounds());
  if (_image.isNull() || _image.width() <= 0 || _image.height() <= 0) return;

  const CGRect b = bounds();
  QPainter& painter = context.painter();
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.setRenderHint(QPainter::Antialiasing, false);
  // Stretch the whole image over the bounds, flipped back so row 0 is on top.
  painter.setTransform(QTransform(b.size.width / _image.width(), 0, 0,
                                  -b.size.height / _image.height(), b.origin.x, NSMaxY(b)),
                       true);
  painter.drawImage(QPointF(0, 0), _image);
  painter.restore();
}

bool ImageView::isInside(CGPoint p) const {
  const CGRect b = bounds();
  return b.origin.x <= p.x && p.x <= b.origin.x + b.size.width && b.origin.y <= p.y &&
         p.y <= b.origin.y + b.size.height;
}
