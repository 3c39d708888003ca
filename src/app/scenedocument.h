#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

class MainWindow;
class QAction;

// The scene as a document: the file it came from or went to, File ▸ Open,
// Save and Save As, the window title, and the question before a scene with
// unsaved changes is replaced or the window closes. A scene with no file
// (the starting one, a built-in one) is never asked about.
class SceneDocument : public QObject {
  Q_OBJECT

 public:
  explicit SceneDocument(MainWindow* window);

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

  MainWindow* window_;
  QString path_;
};
