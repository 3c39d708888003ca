#include "app/undohistory.h"

#include <QAction>
#include <QSet>
#include <QUndoStack>

#include "document/scenecommand.h"

namespace {

// Adds the bytes of each image not already counted (images are shared).
qint64 countNew(const QList<QImage>& images, QSet<qint64>& seen) {
  qint64 bytes = 0;
  for (const QImage& image : images) {
    if (image.isNull() || seen.contains(image.cacheKey())) continue;
    seen.insert(image.cacheKey());
    bytes += image.sizeInBytes();
  }
  return bytes;
}

SceneCommand* sceneStep(const QUndoStack& stack, int i) {
  // command() is const; the stack owns its steps and lets them change.
  return dynamic_cast<SceneCommand*>(const_cast<QUndoCommand*>(stack.command(i)));
}

}  // namespace

UndoHistory::UndoHistory(Parts parts, QObject* parent)
    : QObject(parent), parts_(std::move(parts)), stack_(new QUndoStack(this)) {
  setObjectName(QStringLiteral("undoHistory"));
  // The limit can only be set while the stack is empty, as it is here.
  stack_->setUndoLimit(kUndoLimit);
  undo_ = stack_->createUndoAction(this);
  undo_->setObjectName(QStringLiteral("actionUndo"));
  undo_->setShortcuts(QKeySequence::Undo);
  redo_ = stack_->createRedoAction(this);
  redo_->setObjectName(QStringLiteral("actionRedo"));
  redo_->setShortcuts(QKeySequence::Redo);
  // Guarded: no undo in the middle of a gesture or below a forgotten step.
  disconnect(undo_, &QAction::triggered, stack_, &QUndoStack::undo);
  disconnect(redo_, &QAction::triggered, stack_, &QUndoStack::redo);
  connect(undo_, &QAction::triggered, this, &UndoHistory::undo);
  connect(redo_, &QAction::triggered, this, &UndoHistory::redo);
  // After the stack's own connections, so the floor of forgotten steps has the last word.
  connect(stack_, &QUndoStack::canUndoChanged, this, &UndoHistory::refresh);
  connect(stack_, &QUndoStack::indexChanged, this, &UndoHistory::refresh);
  refresh();
}

bool UndoHistory::undoBlocked() const {
  const int i = stack_->index();
  if (i == 0) return true;
  const SceneCommand* step = sceneStep(*stack_, i - 1);
  return step != nullptr && step->isForgotten();
}

bool UndoHistory::canUndo() const {
  return stack_->canUndo() && !undoBlocked();
}

void UndoHistory::undo() {
  if ((parts_.busy && parts_.busy()) || undoBlocked()) return;
  stack_->undo();
}

void UndoHistory::redo() {
  if (parts_.busy && parts_.busy()) return;
  stack_->redo();
}

void UndoHistory::push(QUndoCommand* command) {
  stack_->push(command);
  trim();
}

qint64 UndoHistory::bytes() const {
  QSet<qint64> seen;
  if (parts_.sceneImages) countNew(parts_.sceneImages(), seen);
  qint64 total = 0;
  for (int i = 0; i < stack_->count(); ++i) {
    if (const SceneCommand* step = sceneStep(*stack_, i)) total += countNew(step->images(), seen);
  }
  return total;
}

// Walks the done steps from the newest; once their images pass the budget,
// that step and every older one are forgotten.
void UndoHistory::trim() {
  QSet<qint64> seen;
  if (parts_.sceneImages) countNew(parts_.sceneImages(), seen);
  qint64 total = 0;
  int i = stack_->index() - 1;
  for (; i >= 0; --i) {
    const SceneCommand* step = sceneStep(*stack_, i);
    if (step == nullptr) continue;
    if (step->isForgotten()) break;
    total += countNew(step->images(), seen);
    if (total > budget_) break;
  }
  if (total > budget_) {
    for (; i >= 0; --i) {
      SceneCommand* step = sceneStep(*stack_, i);
      if (step == nullptr) continue;
      if (step->isForgotten()) break;
      step->forget();
    }
  }
  refresh();
}

void UndoHistory::refresh() {
  undo_->setEnabled(canUndo());
  emit changed();
}
