#include "document/scenecopy.h"

ShapeList copyShapes(const ShapeList& shapes) {
  ShapeList copy;
  copy.reserve(shapes.size());
  for (const auto& shape : shapes) copy.push_back(shape->clone());
  return copy;
}
