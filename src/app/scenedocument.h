#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>
#include <functional>

#include "document/scenecopy.h"
#include "document/scenefile.h"

class DrawView;
class QAction;
class QMenu;
class QWidget;
class ReplaceSceneCommand;
class StatusService;
class UndoHistory;

// The scene as a document: the file it came from or went to, File ▸ New,
// Open, Save and Save As, the window title with its mark of unsaved changes,
// and the question before unsaved changes are discarded. A document is
// unchanged while the undo history stands where it was last opened or saved;
// the file it belongs to follows the history, so undoing an Open gives back
// the previous document with its own file.
class SceneDocument : public QObject {
  Q_OBJECT

 public:
  struct Parts {
    QWidget* window = nullptr;  // titled after the file, asked before it closes
    DrawView* canvas = nullptr;
    UndoHistory* history = nullptr;
    StatusService* status = nullptr;
    QMenu* fileMenu = nullptr;
    QAction* insertBefore = nullptr;  // the File menu's actions go above this one
    // The settings a lesson keeps besides its shapes, read and put back.
    std::function<scenefile::LessonSettings()> settings;
    std::function<void(const scenefile::LessonSettings&)> applySettings;
  };

  SceneDocument(const Parts& parts, QObject* parent);

  // Empty while the scene has no file.
  const QString& filePath() const { return path_; }
  bool isModified() const;
  // The lesson's settings as they are now.
  scenefile::LessonSettings settings() const;
  // True when the scene may be replaced: it has no unsaved changes, or the
  // user saved (successfully) or discarded them.
  bool confirmReplace();

  bool open();
  bool openFile(const QString& path);
  bool save();
  bool saveAs();
  bool saveTo(const QString& path);
  // A new untitled document holding `shapes` (File ▸ New, a built-in scene),
  // one undoable step; asks first. False when the user cancelled.
  bool startUntitled(ShapeList shapes, const QString& stepName);
  // Titles the window after the scene's file and marks unsaved changes.
  void updateTitle();

 signals:
  // Another document took the scene's place (New, Open, a built-in scene), or an undo or redo
  // of one.
  void documentSwitched();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* addAction(const QString& text, const char* name, QKeySequence::StandardKey key);
  // Pushes a step that replaces the scene and makes it the document of `path`.
  void switchDocument(ShapeList shapes, const QString& stepName, const QString& path,
                      const std::optional<scenefile::LessonSettings>& settings);
  void switched(const ReplaceSceneCommand& step, bool forward);
  void afterIndexChange();
  void afterSave();
  void report(const QString& message);

  Parts parts_;
  QString path_;
  // Set by a document switch until the history's index has moved with it.
  std::optional<bool> cleanAfterSwitch_;
};
