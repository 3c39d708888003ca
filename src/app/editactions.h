#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

struct CanvasEdit;
class DrawView;
class MainWindow;
class QAction;
class QUndoCommand;
class QUndoStack;

// The window's editing: undo and redo of every change of the scene, the Edit
// menu's actions on the selected shape and the Scenes menu. Every change is
// one step on the window's undo stack; the history is bounded in steps and in
// the image memory it keeps alive beyond the scene itself.
class EditActions : public QObject {
 public:
  explicit EditActions(MainWindow* window);

  // Answers the Colour… question: the colour picked, or empty when cancelled.
  // Tests install their own; an empty function restores the colour dialog.
  using ColorChooser = std::function<std::optional<QColor>(const QColor& initial)>;
  void setColorChooser(ColorChooser chooser) { chooseColor_ = std::move(chooser); }
  // Where the random scene's seeds come from; the system's generator by default.
  void setSeedSource(std::function<quint32()> seeds) { seeds_ = std::move(seeds); }
  // The most image memory the history may keep beyond the scene's own images;
  // older steps are forgotten past it.
  void setHistoryBudget(qint64 bytes) { budget_ = bytes; }
  // Image memory the history keeps alive beyond the scene's own images.
  qint64 historyBytes() const;

  // Replaces the scene with built-in scene `index` (menu order) as one step.
  void chooseScene(int index);

  static constexpr int kUndoLimit = 100;
  static constexpr qint64 kHistoryBudget = 256LL << 20;

 private:
  QAction* addAction(const char* name, const QString& text, const QList<QKeySequence>& keys,
                     void (EditActions::*slot)());
  void installScenes();
  void record(const CanvasEdit& edit);
  void push(QUndoCommand* command);
  void undo();
  void redo();
  void deleteShape();
  void duplicate();
  void bringToFront();
  void sendToBack();
  void chooseColour();
  void removeImageFill();
  // Actions wait while a mouse gesture is under way, so steps never interleave with it.
  bool busy() const;
  bool undoBlocked() const;
  void refresh();
  void trimHistory();

  MainWindow* window_;
  // Guarded: the window destroys the canvas before the undo stack, which still signals.
  QPointer<DrawView> canvas_;
  QUndoStack* stack_;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* delete_ = nullptr;
  QAction* duplicate_ = nullptr;
  QAction* front_ = nullptr;
  QAction* back_ = nullptr;
  QAction* colour_ = nullptr;
  QAction* removeFill_ = nullptr;
  ColorChooser chooseColor_;
  std::function<quint32()> seeds_;
  qint64 budget_ = kHistoryBudget;
};
