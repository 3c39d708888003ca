#include "app/scenedocument.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QSessionManager>
#include <QUndoStack>
#include <QWidget>

#include "app/documentdialogs.h"
#include "app/statusservice.h"
#include "app/undohistory.h"
#include "canvas/drawview.h"
#include "document/builtinscenes.h"
#include "document/replacescenecommand.h"

namespace {

ReplaceSceneCommand* documentStep(const QUndoStack& stack, int i) {
  // command() is const; the stack owns its steps and lets them change.
  auto* step = dynamic_cast<ReplaceSceneCommand*>(const_cast<QUndoCommand*>(stack.command(i)));
  return step != nullptr && step->document ? step : nullptr;
}

}  // namespace

SceneDocument::SceneDocument(const Parts& parts, QObject* parent) : QObject(parent), parts_(parts) {
  setObjectName(QStringLiteral("sceneDocument"));
  QMenu* menu = parts_.fileMenu;
  QAction* quit = parts_.insertBefore;
  const QList<QAction*> actions = {
      addAction(QCoreApplication::translate("SceneDocument", "&New"), "actionNew",
                QKeySequence::New),
      addAction(QCoreApplication::translate("SceneDocument", "&Open…"), "actionOpen",
                QKeySequence::Open),
      addAction(QCoreApplication::translate("SceneDocument", "&Save"), "actionSave",
                QKeySequence::Save),
      addAction(QCoreApplication::translate("SceneDocument", "Save &As…"), "actionSaveAs",
                QKeySequence::SaveAs)};
  menu->insertActions(quit, actions);
  menu->insertSeparator(quit);
  connect(actions[0], &QAction::triggered, this, [this] {
    startUntitled(builtInScenes()[0].make(0),
                  QCoreApplication::translate("SceneDocument", "New Scene"));
  });
  connect(actions[1], &QAction::triggered, this, [this] { open(); });
  connect(actions[2], &QAction::triggered, this, [this] { save(); });
  connect(actions[3], &QAction::triggered, this, [this] { saveAs(); });
  parts_.window->installEventFilter(this);

  QUndoStack* stack = parts_.history->stack();
  // The window takes the history down first; its stack still signals while it goes.
  connect(parts_.history, &QObject::destroyed, this, [this, stack] {
    disconnect(stack, nullptr, this, nullptr);
    parts_.history = nullptr;
  });
  connect(stack, &QUndoStack::indexChanged, this, &SceneDocument::afterIndexChange);
  connect(stack, &QUndoStack::cleanChanged, this, &SceneDocument::updateTitle);
  // The desktop session ending is a quit too: ask, and say no to the logout on Cancel.
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
    if (manager.allowsInteraction() && !confirmReplace()) manager.cancel();
  });
  updateTitle();
}

QAction* SceneDocument::addAction(const QString& text, const char* name,
                                  QKeySequence::StandardKey key) {
  auto* action = new QAction(text, parts_.window);
  action->setObjectName(QLatin1String(name));
  QList<QKeySequence> keys = QKeySequence::keyBindings(key);
  // Outside a desktop that names it, Save As has no key at all: give it the usual one.
  if (keys.isEmpty() && key == QKeySequence::SaveAs)
    keys = {QKeySequence(QStringLiteral("Ctrl+Shift+S"))};
  action->setShortcuts(keys);
  return action;
}

bool SceneDocument::isModified() const {
  return parts_.history != nullptr && !parts_.history->stack()->isClean();
}

scenefile::LessonSettings SceneDocument::settings() const {
  return parts_.settings ? parts_.settings() : scenefile::LessonSettings{};
}

bool SceneDocument::confirmReplace() {
  if (!isModified()) return true;
  const QString name = path_.isEmpty() ? QString() : QFileInfo(path_).fileName();
  switch (documentdialogs::unsavedChanges(parts_.window, name)) {
    case documentdialogs::UnsavedChoice::Save:
      return save();
    case documentdialogs::UnsavedChoice::Discard:
      return true;
    case documentdialogs::UnsavedChoice::Cancel:
      break;
  }
  return false;
}

bool SceneDocument::open() {
  if (!confirmReplace()) return false;
  const std::optional<QString> path = documentdialogs::openScene(parts_.window);
  return path && openFile(*path);
}

bool SceneDocument::openFile(const QString& path) {
  scenefile::ReadResult scene = scenefile::readSceneFile(path);
  if (!scene.ok()) {
    report(scene.error);
    return false;
  }
  const QString name = QFileInfo(path).fileName();
  switchDocument(std::move(scene.shapes),
                 QCoreApplication::translate("SceneDocument", "Open %1").arg(name),
                 QFileInfo(path).absoluteFilePath(), scene.settings);
  report(QCoreApplication::translate("SceneDocument", "Opened “%1”.").arg(name));
  return true;
}

bool SceneDocument::startUntitled(ShapeList shapes, const QString& stepName) {
  if (!confirmReplace()) return false;
  switchDocument(std::move(shapes), stepName, QString(), std::nullopt);
  return true;
}

void SceneDocument::switchDocument(ShapeList shapes, const QString& stepName, const QString& path,
                                   const std::optional<scenefile::LessonSettings>& settings) {
  auto* step = new ReplaceSceneCommand(parts_.canvas, std::move(shapes), stepName);
  // The document left behind matches its file here only if it was unchanged.
  step->document = ReplaceSceneCommand::DocumentChange{path_, path, !isModified(), true};
  std::optional<scenefile::LessonSettings> before;
  if (settings && parts_.settings) before = parts_.settings();
  step->alsoApply = [this, step, before, settings](bool forward) {
    const std::optional<scenefile::LessonSettings>& wanted = forward ? settings : before;
    if (wanted && parts_.applySettings) parts_.applySettings(*wanted);
    switched(*step, forward);
  };
  parts_.history->push(step);
}

void SceneDocument::switched(const ReplaceSceneCommand& step, bool forward) {
  path_ = forward ? step.document->pathAfter : step.document->pathBefore;
  cleanAfterSwitch_ = forward ? step.document->cleanAfter : step.document->cleanBefore;
  emit documentSwitched();
}

// The history's clean mark belongs to one document: on a switch, put it
// where the document we arrived in matches its file, or nowhere.
void SceneDocument::afterIndexChange() {
  if (!cleanAfterSwitch_) return;
  const bool clean = *cleanAfterSwitch_;
  cleanAfterSwitch_.reset();
  QUndoStack* stack = parts_.history->stack();
  if (clean) {
    stack->setClean();
  } else {
    stack->resetClean();
  }
  updateTitle();
}

bool SceneDocument::save() {
  return path_.isEmpty() ? saveAs() : saveTo(path_);
}

bool SceneDocument::saveAs() {
  const QString suggested =
      path_.isEmpty()
          ? QCoreApplication::translate("SceneDocument", "Untitled.%1").arg(scenefile::kExtension)
          : path_;
  const std::optional<QString> path = documentdialogs::saveScene(parts_.window, suggested);
  return path && saveTo(*path);
}

bool SceneDocument::saveTo(const QString& path) {
  if (const auto error = scenefile::writeSceneFile(path, parts_.canvas->shapes(), settings())) {
    report(*error);
    return false;
  }
  parts_.history->stack()->setClean();
  path_ = QFileInfo(path).absoluteFilePath();
  afterSave();
  updateTitle();
  report(
      QCoreApplication::translate("SceneDocument", "Saved “%1”.").arg(QFileInfo(path).fileName()));
  return true;
}

// The steps that enter and leave this document keep whether it matches its
// file on their side, and under which name.
void SceneDocument::afterSave() {
  const QUndoStack& stack = *parts_.history->stack();
  const int index = stack.index();
  for (int i = index - 1; i >= 0; --i) {
    if (ReplaceSceneCommand* entered = documentStep(stack, i)) {
      entered->document->pathAfter = path_;
      entered->document->cleanAfter = i == index - 1;
      break;
    }
  }
  for (int i = index; i < stack.count(); ++i) {
    if (ReplaceSceneCommand* left = documentStep(stack, i)) {
      left->document->pathBefore = path_;
      left->document->cleanBefore = i == index;
      break;
    }
  }
}

bool SceneDocument::eventFilter(QObject* watched, QEvent* event) {
  // Quit and the window's close button both arrive here.
  if (watched == parts_.window && event->type() == QEvent::Close && !confirmReplace()) {
    event->ignore();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void SceneDocument::updateTitle() {
  parts_.window->setWindowTitle(
      path_.isEmpty() ? QStringLiteral("Ombrel[*]")
                      : QStringLiteral("%1[*] — Ombrel").arg(QFileInfo(path_).fileName()));
  parts_.window->setWindowModified(isModified());
}

void SceneDocument::report(const QString& message) {
  parts_.status->post(message, StatusService::Kind::Report);
}
