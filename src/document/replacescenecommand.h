#pragma once

#include <QString>
#include <QUndoCommand>

#include "document/scenecopy.h"

class SceneEditor;

// Replaces the whole scene (a scene file, a built-in scene): one undoable
// step that deselects and renders once each way; undo gives back the
// selection too.
class ReplaceSceneCommand : public QUndoCommand {
 public:
  ReplaceSceneCommand(SceneEditor* canvas, ShapeList shapes, const QString& text);

  void redo() override;
  void undo() override;

 private:
  void show(const ShapeList& shapes, int selection);

  SceneEditor* canvas_;
  ShapeList before_;
  ShapeList after_;
  int selectionBefore_;
};
