#include "document/scenecommand.h"

#include "scene/sceneeditor.h"

SceneCommand::SceneCommand(SceneEditor* canvas, const QString& text, int selectionBefore,
                           int selectionAfter, bool done)
    : QUndoCommand(text),
      canvas_(canvas),
      selectionBefore_(selectionBefore),
      selectionAfter_(selectionAfter),
      skipRedo_(done) {}

void SceneCommand::redo() {
  if (skipRedo_) {
    skipRedo_ = false;
    return;
  }
  if (forgotten_) return;
  apply(true);
  finish(selectionAfter_);
}

void SceneCommand::undo() {
  if (forgotten_) return;
  apply(false);
  finish(selectionBefore_);
}

void SceneCommand::finish(int selection) {
  canvas_->selectShape(selection);
  canvas_->renderScene();
}

void SceneCommand::forget() {
  forgotten_ = true;
  release();
}
