#include "toolkit/window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QFocusEvent>
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

bool isTab(const QKeyEvent& key) {
  const Qt::KeyboardModifiers others = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  return (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) && !(key.modifiers() & others);
}

bool takesTab(const QWidget* w) {
  return (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled();
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

bool Window::ownsWidget(const QObject* object) const {
  const auto* widget = qobject_cast<const QWidget*>(object);
  return widget != nullptr && widget->window() == topLevel_;
}

void Window::returnKeysToFirstResponder() {
  controlFocus_ = false;
  QWidget* focus = QApplication::focusWidget();
  if (ownsWidget(focus)) focus->clearFocus();
}

bool Window::enterFocusChain(bool backwards) {
  QWidget* first = initialKeyView_;
  if (first == nullptr) return false;  // Qt's own chain, from wherever focus is
  QWidget* target = first;
  if (backwards) {
    target = first->previousInFocusChain();
    while (target != first && !(ownsWidget(target) && takesTab(target))) {
      target = target->previousInFocusChain();
    }
  } else if (!takesTab(first)) {
    // Disabled or hidden (its document steps aside): in at the next that takes Tab.
    target = first->nextInFocusChain();
    while (target != first && !(ownsWidget(target) && takesTab(target))) {
      target = target->nextInFocusChain();
    }
  }
  if (!takesTab(target)) return false;
  // An exclusive group is one stop, entered at its checked button; the arrow
  // keys move within it.
  if (auto* button = qobject_cast<QAbstractButton*>(target)) {
    if (button->group() != nullptr && button->group()->exclusive() &&
        button->group()->checkedButton() != nullptr) {
      target = button->group()->checkedButton();
    }
  }
  // A widget that already has focus (Qt gives the first one focus when the
  // window opens) must get it again so that it shows its focus indicator.
  if (target->hasFocus()) target->clearFocus();
  controlFocus_ = dynamic_cast<View*>(target) == nullptr;
  target->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
  return true;
}

bool Window::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && watched != topLevel_ && ownsWidget(watched)) {
    // Focus given by the program (a test, a dialog closing) changes no routing.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (dynamic_cast<View*>(watched) != nullptr) {
      controlFocus_ = false;
    } else if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
               reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason) {
      controlFocus_ = true;
    }
    return false;
  }
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
  if (event->type() == QEvent::MouseButtonPress) {
    // A click on a view gives the keys back to the first responder.
    const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
    for (QWidget* w = topLevel_->childAt(p); w != nullptr; w = w->parentWidget()) {
      if (dynamic_cast<View*>(w) != nullptr) {
        returnKeysToFirstResponder();
        break;
      }
    }
    return false;
  }
  if (event->type() == QEvent::Leave) {
    if (acceptsMouseMoved_) firstResponder_->mouseExited();
    return false;
  }
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (isLoneModifier(key->key())) return false;
    QWidget* focus = QApplication::focusWidget();
    if (!ownsWidget(focus)) {
      focus = nullptr;
      controlFocus_ = false;  // the focused control has gone
    }
    const bool viewFocused = focus != nullptr && dynamic_cast<View*>(focus) != nullptr;
    if (isTab(*key)) {
      // Along the chain from a focused control or view; into it otherwise.
      if (controlFocus_ || viewFocused) return false;
      const bool backwards =
          key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
      return enterFocusChain(backwards);
    }
    if (key->key() == Qt::Key_Escape && (controlFocus_ || viewFocused)) {
      returnKeysToFirstResponder();
      return true;
    }
    if (controlFocus_) return false;
    firstResponder_->keyDown(Event::fromKey(*key));
    return true;
  }
  return false;
}

}  // namespace toolkit
