#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <functional>

class QAction;
class QUndoCommand;
class QUndoStack;

// The one way onto the undo stack. Every step is pushed here, so the history
// stays within its bounds: at most kUndoLimit steps and at most a budget of
// image memory that the scene itself no longer shows; past the budget the
// oldest steps are forgotten, and undo stops above a forgotten step. Undo and
// redo wait while the canvas is in the middle of a gesture.
class UndoHistory : public QObject {
  Q_OBJECT

 public:
  static constexpr int kUndoLimit = 100;
  static constexpr qint64 kBudget = 256LL << 20;

  struct Parts {
    // The images the scene shows now: they cost the history nothing.
    std::function<QList<QImage>()> sceneImages;
    // True while a step may not be taken (a gesture is under way).
    std::function<bool()> busy;
  };

  UndoHistory(Parts parts, QObject* parent);

  QUndoStack* stack() const { return stack_; }
  QAction* undoAction() const { return undo_; }
  QAction* redoAction() const { return redo_; }

  void push(QUndoCommand* command);
  void undo();
  void redo();
  bool canUndo() const;

  void setBudget(qint64 bytes) { budget_ = bytes; }
  // Image memory the history keeps alive beyond the scene's own images.
  qint64 bytes() const;

 signals:
  // The steps or what they keep changed (a push, undo, redo or a trim).
  void changed();

 private:
  bool undoBlocked() const;
  void trim();
  void refresh();

  Parts parts_;
  QUndoStack* stack_;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  qint64 budget_ = kBudget;
};
