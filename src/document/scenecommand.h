#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QUndoCommand>

class SceneEditor;

// One undoable change of the canvas's scene. Redo and undo put back exactly
// the values the step recorded and the selection it had, then render once.
// A step made from an edit the canvas has already carried out skips its first
// redo (the push), so that edit keeps its own single render.
class SceneCommand : public QUndoCommand {
 public:
  void redo() final;
  void undo() final;

  // The images this step keeps alive, so the history's memory can be bounded.
  virtual QList<QImage> images() const = 0;
  // Lets go of the step's values: it does nothing from then on, so it must
  // never be undone again (the window stops undoing above a forgotten step).
  void forget();
  bool isForgotten() const { return forgotten_; }

 protected:
  SceneCommand(SceneEditor* canvas, const QString& text, int selectionBefore, int selectionAfter,
               bool done);
  // Makes the change (forward) or takes it back; never renders.
  virtual void apply(bool forward) = 0;
  virtual void release() = 0;

  SceneEditor* canvas_;
  int selectionBefore_;
  int selectionAfter_;

 private:
  void finish(int selection);

  bool skipRedo_;
  bool forgotten_ = false;
};
