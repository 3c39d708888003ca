#pragma once

#include <QImage>
#include <QString>
#include <memory>

#include "toolkit/bezierpath.h"
#include "toolkit/color.h"
#include "toolkit/geometry.h"
#include "toolkit/graphicscontext.h"
#include "toolkit/imagefile.h"

// An editable flat shape: a bounding rectangle, the outline that a subclass
// builds from it (inset by half a unit, so the outline runs through pixel
// centres), a fill colour and corner knobs. Abstract: only subclasses build an
// outline, and every change of the rectangle goes through setRect() so the
// subclass's outline always matches.
class Shape {
 public:
  virtual ~Shape() = default;

  // Two-phase creation: setRect() must reach the subclass, which a
  // constructor cannot do. Use makeShape<T>(rect).
  void initWithRect(CGRect rect);

  virtual void setRect(CGRect rect);
  CGRect rect() const { return _shapeRect; }
  const toolkit::BezierPath& bezierPath() const { return _path; }

  void setColor(const toolkit::Color& color) { _color = color; }
  const toolkit::Color& color() const { return _color; }
  // The image of the last successful loadImage(); null until then.
  const QImage& image() const { return im; }

  bool containsPoint(CGPoint p) const { return _path.containsPoint(p); }
  void translateOrigin(CGSize delta);
  void drawRect(toolkit::GraphicsContext& context, CGRect dirty) const;

  // Knob hit test: when p lies in one of the four 6 x 6 corner knobs (tested
  // origin, opposite, lower right, upper left; lower edges included, upper
  // excluded), writes the diagonally opposite corner to *anchor and answers
  // true; otherwise leaves *anchor untouched.
  bool getAnchorPoint(CGPoint* anchor, CGPoint p) const;

  // A chosen file that gave no image, and why.
  struct ImageRejection {
    QString path;
    toolkit::ImageFileError error = toolkit::ImageFileError::kNone;
  };
  // Lets the user pick an image file and makes it the tiled fill. A cancelled
  // choice or a file that is not a readable image leaves the shape as it was;
  // answers whether the fill changed. A refused file is described in
  // `rejection` when given (a cancelled choice leaves it untouched).
  bool loadImage(ImageRejection* rejection = nullptr);
  // Makes `image` the tiled fill as a successful loadImage() does; a null
  // image removes the fill and gives the shape back the plain colour it had
  // before the fill (gray for a new shape).
  void setImage(const QImage& image);

  // The tool name that draws this kind of shape: "Rectangle", "Circle" or "Triangle".
  virtual QString kind() const = 0;
  // A copy with the same rectangle, colour and image.
  std::unique_ptr<Shape> clone() const;

 protected:
  Shape() = default;
  CGRect insetRect() const { return NSInsetRect(_shapeRect, 0.5, 0.5); }

  CGRect _shapeRect;
  toolkit::Color _color;
  toolkit::BezierPath _path;
  QImage im;
};

class Rectangle : public Shape {
 public:
  void setRect(CGRect rect) override;
  QString kind() const override { return QStringLiteral("Rectangle"); }
};

class Circle : public Shape {
 public:
  void setRect(CGRect rect) override;
  QString kind() const override { return QStringLiteral("Circle"); }
};

class Triangle : public Shape {
 public:
  void setRect(CGRect rect) override;
  QString kind() const override { return QStringLiteral("Triangle"); }
};

template <class T>
std::unique_ptr<T> makeShape(CGRect rect) {
  auto shape = std::make_unique<T>();
  shape->initWithRect(rect);
  return shape;
}

// A new gray shape of the kind a tool name draws, or null for any other name.
std::unique_ptr<Shape> makeShapeOfKind(const QString& kind, CGRect rect);

// A kind's name for the user, in the current language: "Rectangle" to title a step,
// "rectangle" inside a sentence.
QString kindTitle(const QString& kind);
QString kindNoun(const QString& kind);
