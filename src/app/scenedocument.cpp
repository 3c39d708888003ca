#include "app/scenedocument.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QUndoStack>

#include "app/documentdialogs.h"
#include "app/statusservice.h"
#include "app/undohistory.h"
#include "canvas/drawview.h"
#include "document/replacescenecommand.h"
#include "document/scenefile.h"

SceneDocument::SceneDocument(const Parts& parts, QObject* parent) : QObject(parent), parts_(parts) {
  setObjectName(QStringLiteral("sceneDocument"));
  QMenu* menu = parts_.fileMenu;
  QAction* quit = parts_.insertBefore;
  const QList<QAction*> actions = {
      addAction(QStringLiteral("&Open…"), "actionOpen", QKeySequence::Open),
      addAction(QStringLiteral("&Save"), "actionSave", QKeySequence::Save),
      addAction(QStringLiteral("Save &As…"), "actionSaveAs", QKeySequence::SaveAs)};
  menu->insertActions(quit, actions);
  menu->insertSeparator(quit);
  connect(actions[0], &QAction::triggered, this, [this] { open(); });
  connect(actions[1], &QAction::triggered, this, [this] { save(); });
  connect(actions[2], &QAction::triggered, this, [this] { saveAs(); });
  parts_.window->installEventFilter(this);
}

QAction* SceneDocument::addAction(const QString& text, const char* name,
                                  QKeySequence::StandardKey key) {
  auto* action = new QAction(text, parts_.window);
  action->setObjectName(QLatin1String(name));
  action->setShortcut(key);
  return action;
}

bool SceneDocument::confirmReplace() {
  if (path_.isEmpty() || parts_.history->stack()->isClean()) return true;
  switch (documentdialogs::unsavedChanges(parts_.window, QFileInfo(path_).fileName())) {
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
  parts_.history->push(new ReplaceSceneCommand(parts_.canvas, std::move(scene.shapes),
                                               QStringLiteral("Open %1").arg(name)));
  parts_.history->stack()->setClean();
  path_ = QFileInfo(path).absoluteFilePath();
  updateTitle();
  report(QStringLiteral("Opened “%1”.").arg(name));
  return true;
}

bool SceneDocument::save() {
  return path_.isEmpty() ? saveAs() : saveTo(path_);
}

bool SceneDocument::saveAs() {
  const QString suggested =
      path_.isEmpty() ? QStringLiteral("Untitled.%1").arg(scenefile::kExtension) : path_;
  const std::optional<QString> path = documentdialogs::saveScene(parts_.window, suggested);
  return path && saveTo(*path);
}

bool SceneDocument::saveTo(const QString& path) {
  if (const auto error = scenefile::writeSceneFile(path, parts_.canvas->shapes())) {
    report(*error);
    return false;
  }
  parts_.history->stack()->setClean();
  path_ = QFileInfo(path).absoluteFilePath();
  updateTitle();
  report(QStringLiteral("Saved “%1”.").arg(QFileInfo(path).fileName()));
  return true;
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
      path_.isEmpty() ? QStringLiteral("Ombrel")
                      : QStringLiteral("%1 — Ombrel").arg(QFileInfo(path_).fileName()));
}

void SceneDocument::report(const QString& message) {
  parts_.status->post(message, StatusService::Kind::Report);
}
