#pragma once

#include <QString>

#include "document/scenecommand.h"
#include "document/scenecopy.h"

class SceneEditor;

// Replaces the whole scene (a scene file, a built-in scene): one undoable
// step that deselects and renders once each way; undo gives back the
// selection too. Its images count against the history's budget like any step.
class ReplaceSceneCommand : public SceneCommand {
 public:
  ReplaceSceneCommand(SceneEditor* canvas, ShapeList shapes, const QString& text);

  QList<QImage> images() const override;

 protected:
  void apply(bool forward) override;
  void release() override;

 private:
  ShapeList before_;
  ShapeList after_;
};
