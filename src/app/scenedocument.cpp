#include "app/scenedocument.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>
#include <QUndoStack>

#include "app/documentdialogs.h"
#include "app/mainwindow.h"
#include "canvas/drawview.h"
#include "document/replacescenecommand.h"
#include "document/scenefile.h"

namespace {

constexpr int kMessageMs = 15000;

}  // namespace

SceneDocument::SceneDocument(MainWindow* window) : QObject(window), window_(window) {
  setObjectName(QStringLiteral("sceneDocument"));
  QMenu* menu = window->fileMenu();
  QAction* quit = window->findChild<QAction*>(QStringLiteral("actionQuit"));
  const QList<QAction*> actions = {
      addAction(QStringLiteral("&Open…"), "actionOpen", QKeySequence::Open),
      addAction(QStringLiteral("&Save"), "actionSave", QKeySequence::Save),
      addAction(QStringLiteral("Save &As…"), "actionSaveAs", QKeySequence::SaveAs)};
  menu->insertActions(quit, actions);
  menu->insertSeparator(quit);
  connect(actions[0], &QAction::triggered, this, [this] { open(); });
  connect(actions[1], &QAction::triggered, this, [this] { save(); });
  connect(actions[2], &QAction::triggered, this, [this] { saveAs(); });
  window->installEventFilter(this);
}

QAction* SceneDocument::addAction(const QString& text, const char* name,
                                  QKeySequence::StandardKey key) {
  auto* action = new QAction(text, window_);
  action->setObjectName(QLatin1String(name));
  action->setShortcut(key);
  return action;
}

bool SceneDocument::confirmReplace() {
  if (path_.isEmpty() || window_->undoStack()->isClean()) return true;
  switch (documentdialogs::unsavedChanges(window_, QFileInfo(path_).fileName())) {
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
  const std::optional<QString> path = documentdialogs::openScene(window_);
  return path && openFile(*path);
}

bool SceneDocument::openFile(const QString& path) {
  scenefile::ReadResult scene = scenefile::readSceneFile(path);
  if (!scene.ok()) {
    report(scene.error);
    return false;
  }
  const QString name = QFileInfo(path).fileName();
  window_->undoStack()->push(new ReplaceSceneCommand(window_->drawView(), std::move(scene.shapes),
                                                     QStringLiteral("Open %1").arg(name)));
  window_->undoStack()->setClean();
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
  const std::optional<QString> path = documentdialogs::saveScene(window_, suggested);
  return path && saveTo(*path);
}

bool SceneDocument::saveTo(const QString& path) {
  if (const auto error = scenefile::writeSceneFile(path, window_->drawView()->shapes())) {
    report(*error);
    return false;
  }
  window_->undoStack()->setClean();
  path_ = QFileInfo(path).absoluteFilePath();
  updateTitle();
  report(QStringLiteral("Saved “%1”.").arg(QFileInfo(path).fileName()));
  return true;
}

bool SceneDocument::eventFilter(QObject* watched, QEvent* event) {
  // Quit and the window's close button both arrive here.
  if (watched == window_ && event->type() == QEvent::Close && !confirmReplace()) {
    event->ignore();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void SceneDocument::updateTitle() {
  window_->setWindowTitle(path_.isEmpty()
                              ? QStringLiteral("Ombrel")
                              : QStringLiteral("%1 — Ombrel").arg(QFileInfo(path_).fileName()));
}

void SceneDocument::report(const QString& message) {
  window_->statusBar()->showMessage(message, kMessageMs);
}
