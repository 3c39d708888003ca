#pragma once

#include <QString>
#include <functional>
#include <optional>

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

  // A replacement that makes a new document (a file opened, New, a built-in
  // scene) also changes which file the scene belongs to, each way. Whether the
  // document on each side matches its file there is kept up to date by the
  // window, which saves.
  struct DocumentChange {
    QString pathBefore;
    QString pathAfter;
    bool cleanBefore = false;
    bool cleanAfter = true;
  };
  std::optional<DocumentChange> document;
  // Runs after the shapes are in place, before the render: forward is redo.
  std::function<void(bool forward)> alsoApply;

 protected:
  void apply(bool forward) override;
  void release() override;

 private:
  ShapeList before_;
  ShapeList after_;
};
