#include "toolkit/window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include "toolkit/event.h"
#include "toolkit/view.h"

namespace toolkit {

namespace {

bool isLoneModifier(int key) {
  switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
      return true;
    default:
      return false;
  }
}

}  // namespace

Window::Window(QWidget* topLevel) : QObject(topLevel), topLevel_(topLevel) {
  setObjectName("toolkit::Window");
  // Watching the application sees each platform event once, on its QWindow,
  // before any widget has taken it.
  qApp->installEventFilter(this);
}

Window* Window::of(QWidget* widget) {
  QWidget* top = widget->window();
  if (QObject* existing = top->findChild<QObject*>("toolkit::Window", Qt::FindDirectChildrenOnly)) {
    return static_cast<Window*>(existing);
  }
  return new Window(top);
}

void Window::makeFirstResponder(View* view) {
  firstResponder_ = view;
}

bool Window::eventFilter(QObject* watched, QEvent* event) {
  // isNull() rather than a comparison: comparing casts to View, which is
  // undefined while the responder is being destroyed and still gets events.
  if (watched != topLevel_->windowHandle() || firstResponder_.isNull()) return false;
  if (event->type() == QEvent::MouseMove) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    // Moves with a button held are drags, which belong to the widget under the mouse.
    if (acceptsMouseMoved_ && mouse->buttons() == Qt::NoButton) {
      const QPointF p = mouse->position();
      firstResponder_->mouseMoved(Event::mouse({p.x(), topLevel_->height() - p.y()}));
    }
    return false;  // sliders and hover effects still get the move
  }
  if (event->type() == QEvent::Leave) {
    if (acceptsMouseMoved_) firstResponder_->mouseExited();
    return false;
  }
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (isLoneModifier(key->key())) return false;
    firstResponder_->keyDown(Event::fromKey(*key));
    return true;
  }
  return false;
}

}  // namespace toolkit
