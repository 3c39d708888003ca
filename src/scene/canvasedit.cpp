#include "scene/canvasedit.h"

ShapeState ShapeState::of(const Shape& shape) {
  return {shape.kind(), shape.rect(), shape.color(), shape.image()};
}

std::unique_ptr<Shape> ShapeState::make() const {
  std::unique_ptr<Shape> shape = makeShapeOfKind(kind, rect);
  if (shape == nullptr) return nullptr;
  shape->setImage(image);
  // After the image, so the colour is exactly the one kept, pattern or plain.
  shape->setColor(color);
  return shape;
}
