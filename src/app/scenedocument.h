#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

class DrawView;
class QAction;
class QMenu;
class QWidget;
class StatusService;
class UndoHistory;

// The scene as a document: the file it came from or went to, File ▸ Open,
// Save and Save As, the window title, and the question before a scene with
// unsaved changes is replaced or the window closes. A scene with no file
// (the starting one, a built-in one) is never asked about.
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
  };

  SceneDocument(const Parts& parts, QObject* parent);

  // Empty while the scene has no file.
  const QString& filePath() const { return path_; }
  // True when the scene may be replaced: it has no file, no unsaved changes,
  // or the user saved (successfully) or discarded them.
  bool confirmReplace();

  bool open();
  bool openFile(const QString& path);
  bool save();
  bool saveAs();
  bool saveTo(const QString& path);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* addAction(const QString& text, const char* name, QKeySequence::StandardKey key);
  void updateTitle();
  void report(const QString& message);

  Parts parts_;
  QString path_;
};
