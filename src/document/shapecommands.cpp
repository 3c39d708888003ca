#include "document/shapecommands.h"

#include "scene/sceneeditor.h"

namespace {

constexpr int kNudgeId = 1;

QList<QImage> imagesOf(std::initializer_list<const ShapeState*> states) {
  QList<QImage> images;
  for (const ShapeState* s : states) {
    if (!s->image.isNull()) images << s->image;
    if (s->color.isPattern()) images << s->color.patternImage();
  }
  return images;
}

}  // namespace

AddShapeCommand::AddShapeCommand(SceneEditor* canvas, const QString& text, int index,
                                 ShapeState shape, int selectionBefore, int selectionAfter,
                                 bool done)
    : SceneCommand(canvas, text, selectionBefore, selectionAfter, done),
      index_(index),
      shape_(std::move(shape)) {}

QList<QImage> AddShapeCommand::images() const {
  return imagesOf({&shape_});
}

void AddShapeCommand::apply(bool forward) {
  if (forward) {
    canvas_->insertShape(index_, shape_.make());
  } else {
    canvas_->removeShape(index_);
  }
}

RemoveShapeCommand::RemoveShapeCommand(SceneEditor* canvas, const QString& text, int index,
                                       ShapeState shape, int selectionBefore, int selectionAfter)
    : SceneCommand(canvas, text, selectionBefore, selectionAfter, false),
      index_(index),
      shape_(std::move(shape)) {}

QList<QImage> RemoveShapeCommand::images() const {
  return imagesOf({&shape_});
}

void RemoveShapeCommand::apply(bool forward) {
  if (forward) {
    canvas_->removeShape(index_);
  } else {
    canvas_->insertShape(index_, shape_.make());
  }
}

ChangeShapeCommand::ChangeShapeCommand(SceneEditor* canvas, const QString& text, int index,
                                       ShapeState before, ShapeState after, int selectionBefore,
                                       int selectionAfter, bool done, bool nudge)
    : SceneCommand(canvas, text, selectionBefore, selectionAfter, done),
      index_(index),
      before_(std::move(before)),
      after_(std::move(after)),
      nudge_(nudge) {}

QList<QImage> ChangeShapeCommand::images() const {
  return imagesOf({&before_, &after_});
}

int ChangeShapeCommand::id() const {
  return nudge_ ? kNudgeId : -1;
}

bool ChangeShapeCommand::mergeWith(const QUndoCommand* other) {
  const auto* next = static_cast<const ChangeShapeCommand*>(other);
  if (isForgotten() || next->index_ != index_) return false;
  after_ = next->after_;
  selectionAfter_ = next->selectionAfter_;
  // Nudges that cancel out leave no step behind.
  if (after_ == before_) setObsolete(true);
  return true;
}

void ChangeShapeCommand::apply(bool forward) {
  canvas_->replaceShape(index_, (forward ? after_ : before_).make());
}

ReorderShapeCommand::ReorderShapeCommand(SceneEditor* canvas, const QString& text, int from, int to,
                                         int selectionBefore, int selectionAfter)
    : SceneCommand(canvas, text, selectionBefore, selectionAfter, false), from_(from), to_(to) {}

void ReorderShapeCommand::apply(bool forward) {
  if (forward) {
    canvas_->moveShape(from_, to_);
  } else {
    canvas_->moveShape(to_, from_);
  }
}
