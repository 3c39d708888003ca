#include "app/editactions.h"

#include <QAction>
#include <QClipboard>
#include <QColorDialog>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QRandomGenerator>

#include "app/statusservice.h"
#include "canvas/drawview.h"
#include "document/builtinscenes.h"
#include "document/scenefile.h"
#include "document/shapecommands.h"
#include "scene/insight.h"

namespace {

QString stepName(CanvasEdit::Kind kind) {
  switch (kind) {
    case CanvasEdit::Kind::Draw:
      return QCoreApplication::translate("EditActions", "Draw");
    case CanvasEdit::Kind::Move:
      return QCoreApplication::translate("EditActions", "Move");
    case CanvasEdit::Kind::Resize:
      return QCoreApplication::translate("EditActions", "Resize");
    case CanvasEdit::Kind::Nudge:
      return QCoreApplication::translate("EditActions", "Nudge");
    case CanvasEdit::Kind::Fill:
      return QCoreApplication::translate("EditActions", "Fill");
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

// Where a copy of a shape goes: 10 right and 10 down, in sight.
CGRect copyPlace(CGRect original, CGRect canvas) {
  return insight::keptPlace(NSOffsetRect(original, 10, -10), canvas);
}

}  // namespace

EditActions::EditActions(Parts parts, QObject* parent)
    : QObject(parent), parts_(std::move(parts)), canvas_(parts_.canvas), history_(parts_.history) {
  setObjectName(QStringLiteral("editActions"));
  seeds_ = [] { return QRandomGenerator::global()->generate(); };

  QMenu* edit = parts_.editMenu;
  edit->addAction(history_->undoAction());
  edit->addAction(history_->redoAction());
  edit->addSeparator();
  copy_ = addAction("actionCopy", tr("&Copy"), {QKeySequence::Copy}, &EditActions::copyShape);
  paste_ = addAction("actionPaste", tr("&Paste"), {QKeySequence::Paste}, &EditActions::paste);
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
  connect(history_, &UndoHistory::changed, this, &EditActions::refresh);
  connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &EditActions::refresh);
  refresh();
}

QAction* EditActions::addAction(const char* name, const QString& text,
                                const QList<QKeySequence>& keys, void (EditActions::*slot)()) {
  auto* action = new QAction(text, this);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcuts(keys);
  connect(action, &QAction::triggered, this, slot);
  parts_.editMenu->addAction(action);
  return action;
}

void EditActions::installScenes() {
  const std::span<const BuiltInScene> scenes = builtInScenes();
  for (int i = 0; i < static_cast<int>(scenes.size()); ++i) {
    auto* action = new QAction(scenes[i].title(), this);
    action->setObjectName(QStringLiteral("actionScene") +
                          QString(scenes[i].name).remove(QLatin1Char(' ')));
    action->setStatusTip(scenes[i].description());
    if (i < 9) action->setShortcut(QKeySequence(Qt::CTRL | (Qt::Key_1 + i)));
    connect(action, &QAction::triggered, this, [this, i] { chooseScene(i); });
    parts_.scenesMenu->addAction(action);
  }
}

bool EditActions::busy() const {
  return canvas_->isTracking();
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
    push(new AddShapeCommand(canvas_, tr("Draw %1").arg(kindTitle(edit.addedShape.kind)),
                             edit.added, edit.addedShape, edit.selectionBefore, edit.selectionAfter,
                             true));
  }
}

void EditActions::push(QUndoCommand* command) {
  history_->push(command);
}

void EditActions::copyShape() {
  const Shape* shape = selected(*canvas_);
  if (busy() || shape == nullptr) return;
  ShapeList shapes;
  shapes.push_back(shape->clone());
  const QByteArray json = scenefile::writeScene(shapes);
  auto* data = new QMimeData;
  data->setData(QString::fromLatin1(kShapesMimeType), json);
  data->setText(QString::fromUtf8(json));
  QGuiApplication::clipboard()->setMimeData(data);
  parts_.status->post(tr("Copied the %1").arg(kindNoun(shape->kind())),
                      StatusService::Kind::Confirmation);
}

ShapeList EditActions::clipboardShapes() const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  const QString type = QString::fromLatin1(kShapesMimeType);
  if (data == nullptr || !data->hasFormat(type)) return {};
  const QByteArray bytes = data->data(type);
  if (bytes.size() > scenefile::kMaxFileBytes) return {};
  return scenefile::readScene(bytes, tr("the clipboard")).shapes;
}

void EditActions::paste() {
  if (busy()) return;
  ShapeList shapes = clipboardShapes();
  if (shapes.empty()) {
    parts_.status->post(tr("The clipboard holds no shapes Ombrel can read"),
                        StatusService::Kind::Report);
    return;
  }
  // Ombrel copies one shape at a time; of more, the first.
  ShapeState copy = ShapeState::of(*shapes.front());
  copy.rect = copyPlace(copy.rect, canvas_->bounds());
  const int n = static_cast<int>(canvas_->shapes().size());
  push(new AddShapeCommand(canvas_, tr("Paste"), n, std::move(copy), canvas_->selectedShapeIndex(),
                           n, false));
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
  copy.rect = copyPlace(copy.rect, canvas_->bounds());
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
    const QColor c = QColorDialog::getColor(initial, parts_.window, tr("Shape Colour"));
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
  const BuiltInScene& scene = scenes[index];
  const quint32 seed = scene.random ? seeds_() : 0;
  if (!parts_.startScene(scene.make(seed), tr("%1 Scene").arg(scene.title()))) return;
  parts_.status->post(
      scene.random ? tr("%1 (seed %2)").arg(scene.description()).arg(seed) : scene.description(),
      StatusService::Kind::Caption);
}

void EditActions::refresh() {
  if (canvas_.isNull()) return;
  const Shape* shape = selected(*canvas_);
  const int i = canvas_->selectedShapeIndex();
  const int n = static_cast<int>(canvas_->shapes().size());
  for (QAction* a : {copy_, delete_, duplicate_, colour_}) a->setEnabled(shape != nullptr);
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  paste_->setEnabled(data != nullptr && data->hasFormat(QString::fromLatin1(kShapesMimeType)));
  front_->setEnabled(shape != nullptr && i < n - 1);
  back_->setEnabled(shape != nullptr && i > 0);
  removeFill_->setEnabled(shape != nullptr && isFilled(*shape));
}

void EditActions::setHistoryBudget(qint64 bytes) {
  history_->setBudget(bytes);
}

qint64 EditActions::historyBytes() const {
  return history_->bytes();
}
