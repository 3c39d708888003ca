// The whole editable state of a canvas as values, to compare a scene before
// and after undo and redo: every shape's kind, rectangle, colour and image, in
// order, and the selection.
#pragma once

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "canvas/drawview.h"
#include "scene/canvasedit.h"

namespace fixture {

struct SceneState {
  std::vector<ShapeState> shapes;
  int selection = -1;

  friend bool operator==(const SceneState&, const SceneState&) = default;
};

inline SceneState sceneState(const DrawView& canvas) {
  SceneState state;
  for (const auto& shape : canvas.shapes()) state.shapes.push_back(ShapeState::of(*shape));
  state.selection = canvas.selectedShapeIndex();
  return state;
}

inline void PrintTo(const SceneState& s, std::ostream* out) {
  *out << s.shapes.size() << " shapes, selection " << s.selection << ":";
  for (const ShapeState& shape : s.shapes) {
    const CGRect r = shape.rect;
    *out << " " << shape.kind.toStdString() << "(" << r.origin.x << "," << r.origin.y << ","
         << r.size.width << "," << r.size.height << " #" << std::hex
         << (shape.color.rgba().rgba() & 0xffffffffu) << std::dec
         << (shape.color.isPattern() ? " pattern" : "") << (shape.image.isNull() ? "" : " image")
         << ")";
  }
}

}  // namespace fixture
