#include "scene/shape.h"

#include <QCoreApplication>

#include "toolkit/imagefile.h"
#include "toolkit/openpanel.h"

using toolkit::BezierPath;
using toolkit::Color;

void Shape::initWithRect(CGRect rect) {
  setRect(rect);
  setColor(Color::grayColor());
}

void Shape::setRect(CGRect rect) {
  _shapeRect = rect;
  _path = BezierPath();
}

void Shape::translateOrigin(CGSize delta) {
  CGRect r = _shapeRect;
  r.origin.x += delta.width;
  r.origin.y += delta.height;
  setRect(r);
}

void Shape::drawRect(toolkit::GraphicsContext& context, CGRect) const {
  // The phase follows the origin so an image fill moves with the shape.
  context.setPatternPhase({_shapeRect.origin.x - 5.0, _shapeRect.origin.y + 10.0});
  context.setShouldAntialias(false);
  _color.set(context);
  _path.fill(context);
}

bool Shape::getAnchorPoint(CGPoint* anchor, CGPoint p) const {
  const double x = _shapeRect.origin.x, y = _shapeRect.origin.y;
  const double w = _shapeRect.size.width, h = _shapeRect.size.height;
  const CGRect origin = CGRectMake(x - 3.0, y - 3.0, 6.0, 6.0);
  const struct {
    CGRect knob;
    CGPoint anchor;
  } knobs[] = {
      {origin, {x + w, y + h}},
      {NSOffsetRect(origin, w, h), {x, y}},
      {NSOffsetRect(origin, w, 0), {x, y + h}},
      {NSOffsetRect(origin, 0, h), {x + w, y}},
  };
  for (const auto& k : knobs) {
    if (NSPointInRect(p, k.knob)) {
      *anchor = k.anchor;
      return true;
    }
  }
  return false;
}

bool Shape::loadImage(ImageRejection* rejection) {
  const std::optional<QString> path = toolkit::chooseFile();
  if (!path) return false;
  toolkit::ImageFileError error = toolkit::ImageFileError::kNone;
  std::optional<QImage> image = toolkit::readImageFile(*path, &error);
  if (!image) {
    if (rejection != nullptr) *rejection = {*path, error};
    return false;
  }
  im = std::move(*image);
  setColor(_color.withPatternImage(im));
  return true;
}

void Shape::setImage(const QImage& image) {
  im = image;
  setColor(im.isNull() ? _color.withoutPattern() : _color.withPatternImage(im));
}

std::unique_ptr<Shape> Shape::clone() const {
  std::unique_ptr<Shape> copy = makeShapeOfKind(kind(), _shapeRect);
  copy->_color = _color;
  copy->im = im;
  return copy;
}

std::unique_ptr<Shape> makeShapeOfKind(const QString& kind, CGRect rect) {
  if (kind == QLatin1String("Rectangle")) return makeShape<Rectangle>(rect);
  if (kind == QLatin1String("Circle")) return makeShape<Circle>(rect);
  if (kind == QLatin1String("Triangle")) return makeShape<Triangle>(rect);
  return nullptr;
}

void Rectangle::setRect(CGRect rect) {
  Shape::setRect(rect);
  _path = BezierPath::bezierPathWithRect(insetRect());
}

void Circle::setRect(CGRect rect) {
  Shape::setRect(rect);
  _path = BezierPath::bezierPathWithOvalInRect(insetRect());
}

void Triangle::setRect(CGRect rect) {
  Shape::setRect(rect);
  const CGRect r = insetRect();
  const double rx = r.origin.x, ry = r.origin.y, rw = r.size.width, rh = r.size.height;
  BezierPath path;
  path.setLineWidth(1);
  path.moveToPoint({rx, ry});
  path.lineToPoint({rx + rw, ry});
  path.lineToPoint({rx + 0.5 * rw, ry + rh});
  path.closePath();
  _path = std::move(path);
}

QString kindTitle(const QString& kind) {
  static const char* const titles[] = {QT_TRANSLATE_NOOP("Shape", "Rectangle"),
                                       QT_TRANSLATE_NOOP("Shape", "Circle"),
                                       QT_TRANSLATE_NOOP("Shape", "Triangle")};
  for (const char* title : titles)
    if (kind == QLatin1String(title)) return QCoreApplication::translate("Shape", title);
  return kind;
}

QString kindNoun(const QString& kind) {
  if (kind == QLatin1String("Rectangle"))
    return QCoreApplication::translate("Shape", "rectangle", "in a sentence");
  if (kind == QLatin1String("Circle"))
    return QCoreApplication::translate("Shape", "circle", "in a sentence");
  if (kind == QLatin1String("Triangle"))
    return QCoreApplication::translate("Shape", "triangle", "in a sentence");
  return kind.toLower();
}
