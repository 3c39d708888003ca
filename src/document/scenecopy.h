#pragma once

#include <memory>
#include <vector>

#include "scene/shape.h"

using ShapeList = std::vector<std::unique_ptr<Shape>>;

// A deep copy of a shape list: rectangles, colours and images, in order.
ShapeList copyShapes(const ShapeList& shapes);
