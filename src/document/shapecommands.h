#pragma once

// The undo steps that touch single shapes: add, remove, change, reorder.
#include "document/scenecommand.h"
#include "scene/canvasedit.h"

// Puts a shape at `index` (a drawn or a duplicated shape); undo takes it out.
class AddShapeCommand : public SceneCommand {
 public:
  AddShapeCommand(SceneEditor* canvas, const QString& text, int index, ShapeState shape,
                  int selectionBefore, int selectionAfter, bool done);
  QList<QImage> images() const override;

 protected:
  void apply(bool forward) override;
  void release() override { shape_ = {}; }

 private:
  int index_;
  ShapeState shape_;
};

// Takes the shape at `index` out; undo puts it back in its place.
class RemoveShapeCommand : public SceneCommand {
 public:
  RemoveShapeCommand(SceneEditor* canvas, const QString& text, int index, ShapeState shape,
                     int selectionBefore, int selectionAfter);
  QList<QImage> images() const override;

 protected:
  void apply(bool forward) override;
  void release() override { shape_ = {}; }

 private:
  int index_;
  ShapeState shape_;
};

// Gives the shape at `index` other values: a move, resize, nudge, fill,
// colour or removed fill. Consecutive nudges of one shape merge into one step.
class ChangeShapeCommand : public SceneCommand {
 public:
  ChangeShapeCommand(SceneEditor* canvas, const QString& text, int index, ShapeState before,
                     ShapeState after, int selectionBefore, int selectionAfter, bool done,
                     bool nudge = false);
  QList<QImage> images() const override;
  int id() const override;
  bool mergeWith(const QUndoCommand* other) override;

 protected:
  void apply(bool forward) override;
  void release() override { before_ = after_ = {}; }

 private:
  int index_;
  ShapeState before_;
  ShapeState after_;
  bool nudge_;
};

// Moves the shape at `from` to `to` in the drawing order (front or back).
class ReorderShapeCommand : public SceneCommand {
 public:
  ReorderShapeCommand(SceneEditor* canvas, const QString& text, int from, int to,
                      int selectionBefore, int selectionAfter);
  QList<QImage> images() const override { return {}; }

 protected:
  void apply(bool forward) override;
  void release() override {}

 private:
  int from_;
  int to_;
};
