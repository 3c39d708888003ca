#pragma once

#include <QObject>
#include <QPointer>

namespace toolkit {

class View;

// The window's share of the toolkit's routing: one first responder that
// receives every key-down and, once mouse-moved events are switched on, every
// mouse move of the window, wherever the mouse is, and word when the mouse
// leaves the window. One per top-level widget.
class Window : public QObject {
 public:
  // The Window of the top-level widget that holds `widget`, made on first use.
  static Window* of(QWidget* widget);

  void makeFirstResponder(View* view);
  View* firstResponder() const { return firstResponder_; }
  void setAcceptsMouseMovedEvents(bool flag) { acceptsMouseMoved_ = flag; }
  bool acceptsMouseMovedEvents() const { return acceptsMouseMoved_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit Window(QWidget* topLevel);

  QWidget* topLevel_;
  QPointer<View> firstResponder_;
  bool acceptsMouseMoved_ = false;
};

}  // namespace toolkit
