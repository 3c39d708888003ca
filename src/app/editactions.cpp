#include "app/editactions.h"

#include <QAction>
#include <QColorDialog>
#include <QMenu>
#include <QRandomGenerator>
#include <QSet>
#include <QStatusBar>
#include <QUndoStack>

#include "app/mainwindow.h"
#include "canvas/drawview.h"
#include "document/builtinscenes.h"
#include "document/replacescenecommand.h"
#include "document/shapecommands.h"

namespace {

constexpr int kCaptionMs = 10000;

QString stepName(CanvasEdit::Kind kind) {
  switch (kind) {
    case CanvasEdit::Kind::Draw:
      return QStringLiteral("Draw");
    case CanvasEdit::Kind::Move:
      return QStringLiteral("Move");
    case CanvasEdit::Kind::Resize:
      return QStringLiteral("Resize");
    case CanvasEdit::Kind::Nudge:
      return QStringLiteral("Nudge");
    case CanvasEdit::Kind::Fill:
      return QStringLiteral("Fill");
  }
  return {};
}

// The selected shape, or null.
const Shape* selected(const DrawView& canvas) {
  const int i = canvas.selectedShapeIndex();
  return i == -1 ? nullptr : canvas.shapes()[i].get();
}

bool isFilled(const Shape& shape) {
  return !shape.image().isNull() || shape.color().isPattern();
}

}  // namespace

EditActions::EditActions(MainWindow* window)
    : QObject(window), window_(window), canvas_(window->drawView()), stack_(window->undoStack()) {
  setObjectName(QStringLiteral("editActions"));
  // The limit can only be set while the stack is empty, as it is at start-up.
  stack_->setUndoLimit(kUndoLimit);
  seeds_ = [] { return QRandomGenerator::global()->generate(); };

  QMenu* edit = window->editMenu();
  undo_ = stack_->createUndoAction(this);
  undo_->setObjectName(QStringLiteral("actionUndo"));
  undo_->setShortcuts(QKeySequence::Undo);
  redo_ = stack_->createRedoAction(this);
  redo_->setObjectName(QStringLiteral("actionRedo"));
  redo_->setShortcuts(QKeySequence::Redo);
  // Guarded: no undo in the middle of a gesture or below a forgotten step.
  disconnect(undo_, &QAction::triggered, stack_, &QUndoStack::undo);
  disconnect(redo_, &QAction::triggered, stack_, &QUndoStack::redo);
  connect(undo_, &QAction::triggered, this, &EditActions::undo);
  connect(redo_, &QAction::triggered, this, &EditActions::redo);
  edit->addAction(undo_);
  edit->addAction(redo_);
  edit->addSeparator();
  delete_ = addAction("actionDelete", tr("&Delete"), {Qt::Key_Delete, Qt::Key_Backspace},
                      &EditActions::deleteShape);
  duplicate_ = addAction("actionDuplicate", tr("D&uplicate"), {Qt::CTRL | Qt::Key_D},
                         &EditActions::duplicate);
  edit->addSeparator();
  front_ = addAction("actionBringToFront", tr("Bring to &Front"),
                     {Qt::CTRL | Qt::SHIFT | Qt::Key_BracketRight}, &EditActions::bringToFront);
  back_ = addAction("actionSendToBack", tr("Send to &Back"),
                    {Qt::CTRL | Qt::SHIFT | Qt::Key_BracketLeft}, &EditActions::sendToBack);
  edit->addSeparator();
  colour_ = addAction("actionColour", tr("&Colour…"), {Qt::CTRL | Qt::SHIFT | Qt::Key_C},
                      &EditActions::chooseColour);
  removeFill_ = addAction("actionRemoveImageFill", tr("Remove &Image Fill"), {},
                          &EditActions::removeImageFill);
  installScenes();

  connect(canvas_, &DrawView::edited, this, &EditActions::record);
  connect(canvas_, &DrawView::selectionChanged, this, &EditActions::refresh);
  // After the stack's own connections, so the floor of forgotten steps has the last word.
  connect(stack_, &QUndoStack::canUndoChanged, this, &EditActions::refresh);
  connect(stack_, &QUndoStack::indexChanged, this, &EditActions::refresh);
  refresh();
}

QAction* EditActions::addAction(const char* name, const QString& text,
                                const QList<QKeySequence>& keys, void (EditActions::*slot)()) {
  auto* action = new QAction(text, this);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcuts(keys);
  connect(action, &QAction::triggered, this, slot);
  window_->editMenu()->addAction(action);
  return action;
}

void EditActions::installScenes() {
  const std::span<const BuiltInScene> scenes = builtInScenes();
  for (int i = 0; i < static_cast<int>(scenes.size()); ++i) {
    auto* action = new QAction(scenes[i].name, this);
    action->setObjectName(QStringLiteral("actionScene") +
                          QString(scenes[i].name).remove(QLatin1Char(' ')));
    action->setStatusTip(scenes[i].caption);
    if (i < 9) action->setShortcut(QKeySequence(Qt::CTRL | (Qt::Key_1 + i)));
    connect(action, &QAction::triggered, this, [this, i] { chooseScene(i); });
    window_->scenesMenu()->addAction(action);
  }
}

bool EditActions::busy() const {
  return canvas_->isTracking();
}

// A forgotten step lies just below: undo stops there.
bool EditActions::undoBlocked() const {
  const int i = stack_->index();
  if (i == 0) return true;
  const auto* step = dynamic_cast<const SceneCommand*>(stack_->command(i - 1));
  return step != nullptr && step->isForgotten();
}

void EditActions::undo() {
  if (busy() || undoBlocked()) return;
  stack_->undo();
}

void EditActions::redo() {
  if (busy()) return;
  stack_->redo();
}

void EditActions::record(const CanvasEdit& edit) {
  // A drawing gesture that also changed another shape (keys during the drag)
  // leaves two steps: the change first, so each step's indices hold.
  if (edit.changed != -1) {
    const CanvasEdit::Kind kind = edit.added == -1                      ? edit.kind
                                  : edit.before.rect == edit.after.rect ? CanvasEdit::Kind::Fill
                                                                        : CanvasEdit::Kind::Move;
    const int selectionAfter = edit.added == -1 ? edit.selectionAfter : edit.selectionBefore;
    push(new ChangeShapeCommand(canvas_, stepName(kind), edit.changed, edit.before, edit.after,
                                edit.selectionBefore, selectionAfter, true,
                                kind == CanvasEdit::Kind::Nudge));
  }
  if (edit.added != -1) {
    push(new AddShapeCommand(canvas_, tr("Draw %1").arg(edit.addedShape.kind), edit.added,
                             edit.addedShape, edit.selectionBefore, edit.selectionAfter, true));
  }
}

void EditActions::push(QUndoCommand* command) {
  stack_->push(command);
  trimHistory();
}

void EditActions::deleteShape() {
  const Shape* shape = selected(*canvas_);
  if (busy() || shape == nullptr) return;
  const int i = canvas_->selectedShapeIndex();
  push(new RemoveShapeCommand(canvas_, tr("Delete"), i, ShapeState::of(*shape), i, -1));
}

void EditActions::duplicate() {
  const Shape* shape = selected(*canvas_);
  if (busy() || shape == nullptr) return;
  ShapeState copy = ShapeState::of(*shape);
  copy.rect = NSOffsetRect(copy.rect, 10, -10);
  const int n = static_cast<int>(canvas_->shapes().size());
  push(new AddShapeCommand(canvas_, tr("Duplicate"), n, std::move(copy),
                           canvas_->selectedShapeIndex(), n, false));
}

void EditActions::bringToFront() {
  const int i = canvas_->selectedShapeIndex();
  const int last = static_cast<int>(canvas_->shapes().size()) - 1;
  if (busy() || i == -1 || i == last) return;
  push(new ReorderShapeCommand(canvas_, tr("Bring to Front"), i, last, i, last));
}

void EditActions::sendToBack() {
  const int i = canvas_->selectedShapeIndex();
  if (busy() || i <= 0) return;
  push(new ReorderShapeCommand(canvas_, tr("Send to Back"), i, 0, i, 0));
}

void EditActions::chooseColour() {
  const Shape* shape = selected(*canvas_);
  if (busy() || shape == nullptr) return;
  const int i = canvas_->selectedShapeIndex();
  const ShapeState before = ShapeState::of(*shape);
  const QColor initial = before.color.rgba();
  const std::optional<QColor> picked =
      chooseColor_ ? chooseColor_(initial) : [&]() -> std::optional<QColor> {
    const QColor c = QColorDialog::getColor(initial, window_, tr("Shape Colour"));
    return c.isValid() ? std::optional(c) : std::nullopt;
  }();
  // The dialog ran an event loop of its own: look again.
  if (!picked || !picked->isValid() || busy() || canvas_->selectedShapeIndex() != i ||
      !(ShapeState::of(*canvas_->shapes()[i]) == before)) {
    return;
  }
  ShapeState after = before;
  after.image = QImage();
  after.color = toolkit::Color::colorWithCalibratedRed(picked->redF(), picked->greenF(),
                                                       picked->blueF(), picked->alphaF());
  if (after == before) return;
  push(new ChangeShapeCommand(canvas_, tr("Colour"), i, before, std::move(after), i, i, false));
}

void EditActions::removeImageFill() {
  const Shape* shape = selected(*canvas_);
  if (busy() || shape == nullptr || !isFilled(*shape)) return;
  const int i = canvas_->selectedShapeIndex();
  const ShapeState before = ShapeState::of(*shape);
  ShapeState after = before;
  after.image = QImage();
  // The plain colour the shape had before its fill.
  after.color = before.color.withoutPattern();
  push(new ChangeShapeCommand(canvas_, tr("Remove Image Fill"), i, before, std::move(after), i, i,
                              false));
}

void EditActions::chooseScene(int index) {
  const std::span<const BuiltInScene> scenes = builtInScenes();
  if (busy() || index < 0 || index >= static_cast<int>(scenes.size())) return;
  if (!window_->confirmReplaceScene()) return;
  const BuiltInScene& scene = scenes[index];
  const quint32 seed = scene.random ? seeds_() : 0;
  push(new ReplaceSceneCommand(canvas_, scene.make(seed), tr("%1 Scene").arg(scene.name)));
  window_->statusBar()->showMessage(
      scene.random ? tr("%1 (seed %2)").arg(scene.caption).arg(seed) : scene.caption, kCaptionMs);
}

void EditActions::refresh() {
  if (canvas_.isNull()) return;
  const Shape* shape = selected(*canvas_);
  const int i = canvas_->selectedShapeIndex();
  const int n = static_cast<int>(canvas_->shapes().size());
  for (QAction* a : {delete_, duplicate_, colour_}) a->setEnabled(shape != nullptr);
  front_->setEnabled(shape != nullptr && i < n - 1);
  back_->setEnabled(shape != nullptr && i > 0);
  removeFill_->setEnabled(shape != nullptr && isFilled(*shape));
  undo_->setEnabled(stack_->canUndo() && !undoBlocked());
}

namespace {

// Adds the bytes of each image not already counted (images are shared).
qint64 countNew(const QList<QImage>& images, QSet<qint64>& seen) {
  qint64 bytes = 0;
  for (const QImage& image : images) {
    if (!seen.contains(image.cacheKey())) {
      seen.insert(image.cacheKey());
      bytes += image.sizeInBytes();
    }
  }
  return bytes;
}

QSet<qint64> sceneImages(const DrawView& canvas) {
  QSet<qint64> keys;
  for (const auto& shape : canvas.shapes()) {
    if (!shape->image().isNull()) keys.insert(shape->image().cacheKey());
    if (shape->color().isPattern()) keys.insert(shape->color().patternImage().cacheKey());
  }
  return keys;
}

}  // namespace

qint64 EditActions::historyBytes() const {
  QSet<qint64> seen = sceneImages(*canvas_);
  qint64 bytes = 0;
  for (int i = 0; i < stack_->count(); ++i) {
    if (const auto* step = dynamic_cast<const SceneCommand*>(stack_->command(i))) {
      bytes += countNew(step->images(), seen);
    }
  }
  return bytes;
}

// Walks the done steps from the newest; once their images pass the budget,
// that step and every older one are forgotten.
void EditActions::trimHistory() {
  QSet<qint64> seen = sceneImages(*canvas_);
  qint64 bytes = 0;
  int i = stack_->index() - 1;
  for (; i >= 0; --i) {
    const auto* step = dynamic_cast<const SceneCommand*>(stack_->command(i));
    if (step == nullptr) continue;
    if (step->isForgotten()) return;
    bytes += countNew(step->images(), seen);
    if (bytes > budget_) break;
  }
  for (; i >= 0; --i) {
    // command() is const; the stack owns its steps and lets them change.
    auto* step = dynamic_cast<SceneCommand*>(const_cast<QUndoCommand*>(stack_->command(i)));
    if (step == nullptr) continue;
    if (step->isForgotten()) break;
    step->forget();
  }
  refresh();
}
