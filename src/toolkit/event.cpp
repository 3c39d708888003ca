#include "toolkit/event.h"

#include <QKeyEvent>
#include <QWidget>

namespace toolkit {

Event Event::fromKey(const QKeyEvent& key) {
  unsigned long flags = 0;
  const Qt::KeyboardModifiers m = key.modifiers();
  if (m & Qt::ShiftModifier) flags |= kShiftKeyMask;
  if (m & Qt::ControlModifier) flags |= kControlKeyMask;
  if (m & Qt::AltModifier) flags |= kAlternateKeyMask;
  if (m & Qt::MetaModifier) flags |= kCommandKeyMask;

  static constexpr struct {
    int key;
    char16_t code;
  } kArrows[] = {{Qt::Key_Up, kUpArrowKey},
                 {Qt::Key_Down, kDownArrowKey},
                 {Qt::Key_Left, kLeftArrowKey},
                 {Qt::Key_Right, kRightArrowKey}};
  for (const auto& arrow : kArrows) {
    if (key.key() == arrow.key) return Event({}, QString(QChar(arrow.code)), flags);
  }
  return Event({}, key.text(), flags);
}

CGPoint Event::windowPoint(const QWidget& widget, QPointF position) {
  const QWidget* top = widget.window();
  const QPointF inTop = widget.mapTo(top, position);
  return {inTop.x(), top->height() - inTop.y()};
}

}  // namespace toolkit
