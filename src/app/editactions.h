#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

#include "app/undohistory.h"
#include "document/scenecopy.h"

struct CanvasEdit;
class DrawView;
class QAction;
class QMenu;
class QUndoCommand;
class QWidget;
class StatusService;

// The window's editing: a step in the undo history for every change of the
// scene, the Edit menu's actions on the selected shape and the Scenes menu.
class EditActions : public QObject {
  Q_DECLARE_TR_FUNCTIONS(EditActions)

 public:
  struct Parts {
    QWidget* window = nullptr;  // parent of the colour dialog
    DrawView* canvas = nullptr;
    UndoHistory* history = nullptr;
    StatusService* status = nullptr;
    QMenu* editMenu = nullptr;
    QMenu* scenesMenu = nullptr;
    // Makes the shapes a new untitled document as one step, asking first
    // about unsaved changes; false when the user cancelled.
    std::function<bool(ShapeList shapes, const QString& stepName)> startScene;
  };

  EditActions(Parts parts, QObject* parent);

  // Answers the Colour… question: the colour picked, or empty when cancelled.
  // Tests install their own; an empty function restores the colour dialog.
  using ColorChooser = std::function<std::optional<QColor>(const QColor& initial)>;
  void setColorChooser(ColorChooser chooser) { chooseColor_ = std::move(chooser); }
  // Where the random scene's seeds come from; the system's generator by default.
  void setSeedSource(std::function<quint32()> seeds) { seeds_ = std::move(seeds); }
  // The most image memory the history may keep beyond the scene's own images;
  // older steps are forgotten past it.
  void setHistoryBudget(qint64 bytes);
  // Image memory the history keeps alive beyond the scene's own images.
  qint64 historyBytes() const;

  // Replaces the scene with built-in scene `index` (menu order) as one step.
  void chooseScene(int index);

  // The clipboard's type for shapes: a scene file's JSON holding them.
  static constexpr const char* kShapesMimeType = "application/x-ombrel-shapes";

  static constexpr int kUndoLimit = UndoHistory::kUndoLimit;
  static constexpr qint64 kHistoryBudget = UndoHistory::kBudget;

 private:
  QAction* addAction(const char* name, const QString& text, const QList<QKeySequence>& keys,
                     void (EditActions::*slot)());
  void installScenes();
  void record(const CanvasEdit& edit);
  void push(QUndoCommand* command);
  void copyShape();
  void paste();
  // The shapes the clipboard holds, none when it holds none Ombrel can read.
  ShapeList clipboardShapes() const;
  void deleteShape();
  void duplicate();
  void bringToFront();
  void sendToBack();
  void chooseColour();
  void removeImageFill();
  // Actions wait while a mouse gesture is under way, so steps never interleave with it.
  bool busy() const;
  void refresh();

  Parts parts_;
  // Guarded: the window destroys the canvas before the undo stack, which still signals.
  QPointer<DrawView> canvas_;
  UndoHistory* history_;
  QAction* copy_ = nullptr;
  QAction* paste_ = nullptr;
  QAction* delete_ = nullptr;
  QAction* duplicate_ = nullptr;
  QAction* front_ = nullptr;
  QAction* back_ = nullptr;
  QAction* colour_ = nullptr;
  QAction* removeFill_ = nullptr;
  ColorChooser chooseColor_;
  std::function<quint32()> seeds_;
};
