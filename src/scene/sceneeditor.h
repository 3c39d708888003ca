#pragma once

#include <memory>
#include <vector>

#include "scene/shape.h"

// The whole-scene edits the undo steps, scene files and built-in scenes make,
// and what they read back: the scene canvas implements this, so the document
// needs no widget. Each edit keeps the selection −1 or a valid index and never
// renders: the caller renders once.
class SceneEditor {
 public:
  virtual void insertShape(int index, std::unique_ptr<Shape> shape) = 0;
  virtual std::unique_ptr<Shape> removeShape(int index) = 0;
  virtual void replaceShapes(std::vector<std::unique_ptr<Shape>> shapes) = 0;
  virtual void moveShape(int from, int to) = 0;
  virtual void selectShape(int index) = 0;
  // Puts `shape` in place of the shape at `index`; answers the old one.
  virtual std::unique_ptr<Shape> replaceShape(int index, std::unique_ptr<Shape> shape) = 0;
  virtual const std::vector<std::unique_ptr<Shape>>& shapes() const = 0;
  virtual int selectedShapeIndex() const = 0;
  // Renders the scene as it now is, once, after an edit.
  virtual void renderScene() = 0;

 protected:
  ~SceneEditor() = default;
};
