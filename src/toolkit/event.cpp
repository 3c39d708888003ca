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

  QString characters;
  switch (key.key()) {
    case Qt::Key_Up:
      characters = QString(QChar(kUpArrowKey));
      break;
    case Qt::Key_Down:
      characters = QString(QChar(kDownArrowKey));
      break;
    case Qt::Key_Left:
      characters = QString(QChar(kLeftArrowKey));
      break;
    case Qt::Key_Right:
      characters = QString(QChar(kRightArrowKey));
      break;
    default:
      characters = key.text();
  }
  return Event({}, characters, flags);
}

CGPoint Event::windowPoint(const QWidget& widget, QPointF position) {
  const QWidget* top = widget.window();
  const QPointF inTop = widget.mapTo(top, position);
  return {inTop.x(), top->height() - inTop.y()};
}

}  // namespace toolkit
