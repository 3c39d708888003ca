#pragma once

#include <QObject>
#include <vector>

class DrawView;
class PhotoView;
class QAction;
class QMenu;
class QWidget;
class RenderView;
class StatusService;
class TeachingAids;
namespace toolkit {
class View;
}

// Everything the mouse does, from the keyboard: the window's tab order (the
// controls in reading order, then the three views), shape selection and
// drawing commands, and a keyboard cursor that hovers and clicks in the
// focused view (the ray space when no view has focus).
class KeyboardAccess : public QObject {
  Q_OBJECT

 public:
  struct Parts {
    QWidget* window = nullptr;
    DrawView* canvas = nullptr;
    RenderView* raySpace = nullptr;
    PhotoView* photo = nullptr;
    // The controls in reading order; the views follow them in the tab order.
    std::vector<QWidget*> controls;
    QMenu* editMenu = nullptr;
    QMenu* viewMenu = nullptr;
    TeachingAids* aids = nullptr;
    StatusService* status = nullptr;
  };

  KeyboardAccess(const Parts& parts, QObject* parent);

  // The view the keyboard cursor moves in now.
  toolkit::View* cursorView() const;
  // Moves the keyboard cursor by (dx, dy) units, y up, and hovers there.
  void moveCursor(int dx, int dy);
  // What a click at the keyboard cursor does: focus at that height of the
  // scene, or on what that photo pixel sees. False when nothing changed.
  bool clickAtCursor();

 private:
  QAction* addAction(QMenu* menu, const char* name, const QString& text, const QKeySequence& key);

  Parts parts_;
};
