#include "document/replacescenecommand.h"

#include "canvas/drawview.h"

ReplaceSceneCommand::ReplaceSceneCommand(DrawView* canvas, ShapeList shapes, const QString& text)
    : QUndoCommand(text),
      canvas_(canvas),
      before_(copyShapes(canvas->shapes())),
      after_(std::move(shapes)) {}

void ReplaceSceneCommand::redo() {
  show(after_);
}

void ReplaceSceneCommand::undo() {
  show(before_);
}

void ReplaceSceneCommand::show(const ShapeList& shapes) {
  canvas_->replaceShapes(copyShapes(shapes));
  canvas_->doRender(nullptr);
}
