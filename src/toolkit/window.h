#pragma once

#include <QObject>
#include <QPointer>

namespace toolkit {

class View;

// The window's share of the toolkit's routing: one first responder that
// receives every key-down and, once mouse-moved events are switched on, every
// mouse move of the window, wherever the mouse is, and word when the mouse
// leaves the window. One per top-level widget.
//
// Keyboard focus only matters once the user asks for it: Tab or Shift+Tab
// (keys the first responder has no use for), or a click on a control, hands
// the keys to the focused control the way Qt routes them, until focus comes
// back to a view or Escape gives every key to the first responder again.
class Window : public QObject {
 public:
  // The Window of the top-level widget that holds `widget`, made on first use.
  static Window* of(QWidget* widget);

  void makeFirstResponder(View* view);
  View* firstResponder() const { return firstResponder_; }
  void setAcceptsMouseMovedEvents(bool flag) { acceptsMouseMoved_ = flag; }
  bool acceptsMouseMovedEvents() const { return acceptsMouseMoved_; }

  // Where Tab enters the window's focus chain (Shift+Tab enters before it).
  void setInitialKeyView(QWidget* widget) { initialKeyView_ = widget; }
  // True while a control, not a view, takes the keys.
  bool controlHasFocus() const { return controlFocus_; }
  // Back to the first responder taking every key, with no focused widget.
  void returnKeysToFirstResponder();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit Window(QWidget* topLevel);
  bool enterFocusChain(bool backwards);
  bool ownsWidget(const QObject* object) const;

  QWidget* topLevel_;
  QPointer<View> firstResponder_;
  bool acceptsMouseMoved_ = false;
  QPointer<QWidget> initialKeyView_;
  bool controlFocus_ = false;
};

}  // namespace toolkit
