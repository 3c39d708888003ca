// Whole-scene edits: the few operations that undo, scene files and built-in scenes need.
#include <algorithm>

#include "canvas/drawview.h"

void DrawView::insertShape(int index, std::unique_ptr<Shape> shape) {
  if (shape == nullptr) return;
  gesture_.reset();  // its indices no longer hold
  const int n = static_cast<int>(_shapes.size());
  index = std::clamp(index, 0, n);
  requestRedraw(*shape);
  _shapes.insert(_shapes.begin() + index, std::move(shape));
  if (_selectedShapeIndex >= index) selectShape(_selectedShapeIndex + 1);
}

std::unique_ptr<Shape> DrawView::removeShape(int index) {
  if (index < 0 || index >= static_cast<int>(_shapes.size())) return nullptr;
  gesture_.reset();
  if (_selectedShapeIndex == index) {
    selectShape(-1);
  } else if (_selectedShapeIndex > index) {
    selectShape(_selectedShapeIndex - 1);
  }
  std::unique_ptr<Shape> shape = std::move(_shapes[index]);
  _shapes.erase(_shapes.begin() + index);
  requestRedraw(*shape);
  return shape;
}

void DrawView::replaceShapes(std::vector<std::unique_ptr<Shape>> shapes) {
  gesture_.reset();
  selectShape(-1);
  std::erase(shapes, nullptr);
  _shapes = std::move(shapes);
  setNeedsDisplayInRect(bounds());
}

void DrawView::moveShape(int from, int to) {
  const int n = static_cast<int>(_shapes.size());
  if (from < 0 || from >= n || to < 0 || to >= n || from == to) return;
  gesture_.reset();
  std::unique_ptr<Shape> shape = std::move(_shapes[from]);
  _shapes.erase(_shapes.begin() + from);
  _shapes.insert(_shapes.begin() + to, std::move(shape));
  requestRedraw(*_shapes[to]);
  // The selection follows its shape.
  int selected = _selectedShapeIndex;
  if (selected == from) {
    selected = to;
  } else if (from < selected && selected <= to) {
    --selected;
  } else if (to <= selected && selected < from) {
    ++selected;
  }
  selectShape(selected);
}

void DrawView::selectShape(int index) {
  if (index < -1 || index >= static_cast<int>(_shapes.size())) index = -1;
  if (index == _selectedShapeIndex) return;
  if (_selectedShapeIndex != -1) requestRedraw(*_shapes[_selectedShapeIndex]);
  _selectedShapeIndex = index;
  if (index != -1) requestRedraw(*_shapes[index]);
  emit selectionChanged(index);
}

std::unique_ptr<Shape> DrawView::replaceShape(int index, std::unique_ptr<Shape> shape) {
  if (shape == nullptr || index < 0 || index >= static_cast<int>(_shapes.size())) return nullptr;
  requestRedraw(*_shapes[index]);
  requestRedraw(*shape);
  std::swap(_shapes[index], shape);
  return shape;
}
