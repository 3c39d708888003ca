#include "document/replacescenecommand.h"

#include "scene/sceneeditor.h"

ReplaceSceneCommand::ReplaceSceneCommand(SceneEditor* canvas, ShapeList shapes, const QString& text)
    : QUndoCommand(text),
      canvas_(canvas),
      before_(copyShapes(canvas->shapes())),
      after_(std::move(shapes)),
      selectionBefore_(canvas->selectedShapeIndex()) {}

void ReplaceSceneCommand::redo() {
  show(after_, -1);
}

void ReplaceSceneCommand::undo() {
  show(before_, selectionBefore_);
}

void ReplaceSceneCommand::show(const ShapeList& shapes, int selection) {
  canvas_->replaceShapes(copyShapes(shapes));
  canvas_->selectShape(selection);
  canvas_->renderScene();
}
