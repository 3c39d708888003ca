#include "document/replacescenecommand.h"

#include "scene/sceneeditor.h"

ReplaceSceneCommand::ReplaceSceneCommand(SceneEditor* canvas, ShapeList shapes, const QString& text)
    : SceneCommand(canvas, text, canvas->selectedShapeIndex(), -1, false),
      before_(copyShapes(canvas->shapes())),
      after_(std::move(shapes)) {}

QList<QImage> ReplaceSceneCommand::images() const {
  QList<QImage> images;
  for (const ShapeList* list : {&before_, &after_}) {
    for (const auto& shape : *list) {
      if (!shape->image().isNull()) images << shape->image();
      if (shape->color().isPattern()) images << shape->color().patternImage();
    }
  }
  return images;
}

void ReplaceSceneCommand::apply(bool forward) {
  canvas_->replaceShapes(copyShapes(forward ? after_ : before_));
  if (alsoApply) alsoApply(forward);
}

void ReplaceSceneCommand::release() {
  before_.clear();
  after_.clear();
}
